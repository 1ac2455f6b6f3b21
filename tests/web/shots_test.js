// Pictures of the browser game at device pixel ratio 1 and 2 in the fixed situations of
// zundabar_window_shots (the same scripted draws: the start, twelve ticks falling fast, a landing's
// message, the options and About windows), beside the Linux build's pictures of the same moments.
// At ratio 1 the playfield's pictures and lines and the credit banner match the Linux build's
// pixel for pixel; the labels' text may differ by font and is left out. E2E_SHOTS keeps them all.
'use strict';
const {test, before, after} = require('node:test');
const assert = require('node:assert/strict');
const {execFileSync} = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const h = require('./harness');

const linuxTool = process.env.ZUNDABAR_WINDOW_SHOTS;
const designTool = process.env.ZUNDABAR_DESIGN_TOOL;
const folder = process.env.E2E_SHOTS || fs.mkdtempSync(path.join(os.tmpdir(), 'zundabar-shots-'));
const labelsOnThePlayfield = ['levelCaption', 'level', 'jumps', 'jumpsCaption', 'startPrompt'];

let server;
let browser;
before(async () => {
  fs.mkdirSync(folder, {recursive: true});
  server = await h.serve();
  browser = await h.launch();
});
after(async () => {
  if (browser) await browser.close();
  if (server) await server.close();
});

const designed = (control) => execFileSync(process.execPath, [designTool, 'mainWindow', control])
    .toString().trim().split(' ').map(Number);

async function shoot(page, selector, name) {
  const element = await page.$(selector);
  await element.screenshot({path: path.join(folder, name)});
}

// The places where the canvas differs from the Linux picture, within the rectangles compared.
function differences(page, linuxPicture, compared, leftOut) {
  const data = 'data:image/png;base64,' + fs.readFileSync(linuxPicture).toString('base64');
  return page.evaluate(async (url, areas, holes) => {
    const picture = new Image();
    picture.src = url;
    await picture.decode();
    const linux = document.createElement('canvas');
    linux.width = picture.width;
    linux.height = picture.height;
    const g = linux.getContext('2d');
    g.drawImage(picture, 0, 0);
    const ours = document.getElementById('mainWindow');
    const a = ours.getContext('2d').getImageData(0, 0, ours.width, ours.height).data;
    const b = g.getImageData(0, 0, linux.width, linux.height).data;
    const inside = (x, y, [l, t, w, hh]) => x >= l && x < l + w && y >= t && y < t + hh;
    const found = [];
    for (const area of areas) {
      for (let y = area[1]; y < area[1] + area[3]; ++y) {
        for (let x = area[0]; x < area[0] + area[2]; ++x) {
          if (holes.some((hole) => inside(x, y, hole))) continue;
          const i = (y * ours.width + x) * 4;
          const j = (y * linux.width + x) * 4;
          if (a[i] !== b[j] || a[i + 1] !== b[j + 1] || a[i + 2] !== b[j + 2]) {
            found.push([x, y, [a[i], a[i + 1], a[i + 2]], [b[j], b[j + 1], b[j + 2]]]);
          }
        }
      }
    }
    return {count: found.length, first: found.slice(0, 5)};
  }, data, compared, leftOut);
}

async function matchesLinux(page, ratio, moment) {
  if (ratio !== 1) return;
  const found = await differences(page, path.join(folder, `${moment}-1x.png`),
      [designed('playfield'), designed('creditBanner')], labelsOnThePlayfield.map(designed));
  assert.equal(found.count, 0, `${moment}: ${JSON.stringify(found.first)}`);
}

for (const ratio of [1, 2]) {
  test(`pictures at device pixel ratio ${ratio}, beside the Linux build's`, async (t) => {
    if (!linuxTool || !fs.existsSync(linuxTool)) {
      t.skip('no zundabar_window_shots: build the default preset first');
      return;
    }
    execFileSync(linuxTool, [folder, String(ratio)],
        {env: {...process.env, QT_QPA_PLATFORM: 'offscreen'}, stdio: 'ignore'});
    const page = await browser.newPage();
    await page.setViewport({width: 1100, height: 1100, deviceScaleFactor: ratio});
    await page.goto(server.address + 'shots/index.html');
    await h.waitForGame(page);
    await shoot(page, '#mainWindow', `web-start-${ratio}x.png`);
    await matchesLinux(page, ratio, 'start');
    await page.keyboard.down('ArrowDown');
    await page.evaluate(() => {
      for (let i = 0; i < 12; ++i) Module._zundabarTickNow();
    });
    await shoot(page, '#mainWindow', `web-play-${ratio}x.png`);
    await matchesLinux(page, ratio, 'play');
    await page.evaluate(() => {
      for (let i = 0; i < 2000 && !document.getElementById('message').open; ++i) {
        Module._zundabarTickNow();
      }
    });
    await page.keyboard.up('ArrowDown');
    assert.ok(await h.messageOpen(page));
    await page.screenshot({path: path.join(folder, `web-message-${ratio}x.png`)});
    await page.keyboard.press('Enter');
    await page.keyboard.press('F1');
    await h.until(page, () => Array.from(document.querySelectorAll('.window'))
        .some((w) => !w.hidden));
    await shoot(page, '.window:not([hidden])', `web-options-${ratio}x.png`);
    await page.click('.window:not([hidden]) [data-name="resumeButton"]');
    await page.click('#creditBanner');
    await h.until(page, () => Array.from(document.querySelectorAll('.window'))
        .some((w) => !w.hidden));
    await shoot(page, '.window:not([hidden])', `web-about-${ratio}x.png`);
    await page.close();
  });
}
