// The browser game's figures, measured in one run of Debian's headless Chromium and printed as
// "name value unit": what the page transfers before its first frame (gzipped, as a static host
// sends it), its first frame against a bare page drawing the same landscape on a canvas of the
// same size, one tick and its frame (its drawing on the canvas, and that drawing finished), and the
// size of the wasm.
// Usage: node bench/web_bench.js BUILD_DIR [RUNS]
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const h = require('../tests/web/harness');

const dir = path.resolve(process.argv[2] || h.webDir);
const runs = Number(process.argv[3] || 5);
const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor((sorted.length - 1) / 2)];
};

// Milliseconds from navigation to the mark, in a fresh profile with nothing cached, and the
// bytes the server had sent by then.
async function firstFrame(browser, server, url, mark) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({width: 800, height: 600, deviceScaleFactor: 1});
  const from = server.sent.length;
  await page.goto(server.address + url);
  await page.waitForFunction((m) => performance.getEntriesByName(m).length > 0, {}, mark);
  const [ms, at] = await page.evaluate((m) => {
    const t = performance.getEntriesByName(m)[0].startTime;
    return [t, performance.timeOrigin + t];
  }, mark);
  const bytes = server.sent.slice(from).filter((s) => s.at <= at + 1)
      .reduce((sum, s) => sum + s.bytes, 0);
  await context.close();
  return {ms, bytes};
}

// flushed: the canvas is made to finish drawing after each tick, as a one-pixel read waits for
// it; an upper bound, since the read itself is timed too.
async function frameMicroseconds(browser, server, flushed) {
  const page = await h.openGame(browser, server.address);
  await page.keyboard.press('Space');
  await h.until(page, () => document.getElementById('label_startPrompt').hidden);
  // The game's own timer stays off: only the ticks timed here run.
  await page.keyboard.press('Backspace');
  await h.pause(300);
  const times = [];
  while (times.length < 500) {
    times.push(...await page.evaluate((flush) => {
      const message = document.getElementById('message');
      const canvas = document.getElementById('mainWindow').getContext('2d');
      if (message.open) message.close();
      const taken = [];
      for (let i = 0; i < 50 && !message.open; ++i) {
        const start = performance.now();
        Module._zundabarTickNow();
        if (flush) canvas.getImageData(0, 0, 1, 1);
        taken.push((performance.now() - start) * 1000);
      }
      return taken;
    }, flushed));
    await h.pause(20);
  }
  await page.close();
  return median(times.slice(0, 500));
}

(async () => {
  const server = await h.serve(dir, {isolated: true});
  const browser = await h.launch();
  try {
    const game = [];
    const bare = [];
    const sent = [];
    for (let i = 0; i < runs; ++i) {
      const g = await firstFrame(browser, server, 'index.html', 'zundabar-first-frame');
      const b = await firstFrame(browser, server, 'bare/web_bare_page.html', 'bare-first-frame');
      game.push(g.ms);
      bare.push(b.ms);
      sent.push(g.bytes);
    }
    console.log(`web_first_paint_kib ${(median(sent) / 1024).toFixed(1)} KiB`);
    console.log(`web_first_frame_game_ms ${median(game).toFixed(1)} ms`);
    console.log(`web_first_frame_bare_ms ${median(bare).toFixed(1)} ms`);
    console.log(`web_first_frame_ratio ${(median(game) / median(bare)).toFixed(3)} ratio`);
    console.log(`web_frame_us ${(await frameMicroseconds(browser, server, false)).toFixed(1)} us`);
    const flushed = await frameMicroseconds(browser, server, true);
    console.log(`web_frame_flushed_us ${flushed.toFixed(1)} us`);
    const wasm = fs.statSync(path.join(dir, 'zundabar.wasm')).size;
    console.log(`web_wasm_kib ${(wasm / 1024).toFixed(1)} KiB`);
  } finally {
    await browser.close();
    await server.close();
  }
})().catch((e) => {
  console.error('web_bench:', e);
  process.exit(1);
});
