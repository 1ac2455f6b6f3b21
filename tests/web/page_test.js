// The page around the game: a hidden page freezes the game's time; damaged or throwing storage
// still plays, each told once on the console; the first frame waits for the page and its wasm
// alone; after one visit the game plays offline.
'use strict';
const {test, before, after} = require('node:test');
const assert = require('node:assert/strict');
const h = require('./harness');

let server;
let browser;
before(async () => {
  server = await h.serve();
  browser = await h.launch();
});
after(async () => {
  if (browser) await browser.close();
  if (server) await server.close();
});

async function plays(page) {
  await page.keyboard.press('Space');
  await h.until(page, () => document.getElementById('label_startPrompt').hidden);
  const before = await h.canvasDigest(page);
  for (let i = 0; i < 150; ++i) {
    await h.pause(20);
    if (await h.canvasDigest(page) !== before) return true;
  }
  return false;
}

const told = (page, pattern) => page.consoleLines.filter((line) => pattern.test(line)).length;

test('a hidden page freezes the game\'s time, and play goes on where it was', async () => {
  const page = await h.openGame(browser, server.address);
  assert.ok(await plays(page));
  const other = await browser.newPage();
  await other.bringToFront();
  await h.until(page, () => document.visibilityState === 'hidden');
  const frozen = await h.canvasDigest(page);
  const monkey = await h.waitForMonkey(page);
  await h.pause(1500);
  assert.equal(await h.canvasDigest(page), frozen, 'no tick while hidden');
  await page.bringToFront();
  await h.until(page, () => document.visibilityState === 'visible');
  await h.pause(120);
  const after = await h.monkeyAt(page);
  // At most two ticks' fall after it shows again: no burst of the ticks it missed.
  assert.ok(Math.abs(after.y - monkey.y) < 20, `${monkey.y} to ${after.y}`);
  await other.close();
  await page.close();
});

test('damaged stored options still play, told once on the console', async () => {
  const damaged = {
    [h.optionItem('Jump')]: 'x'.repeat(65), [h.optionItem('Progression')]: 'eleven',
    [h.optionItem('Crates')]: '\u0000\u0001', [h.optionItem('Music')]: 'y'.repeat(5000),
  };
  const again = await browser.newPage();
  await again.evaluateOnNewDocument((items) => {
    for (const [k, v] of Object.entries(items)) localStorage.setItem(k, v);
  }, damaged);
  again.consoleLines = [];
  again.on('console', (m) => again.consoleLines.push(m.text()));
  await again.goto(server.address + 'index.html');
  await h.waitForGame(again);
  assert.ok(await plays(again));
  await again.keyboard.press('F1');
  await h.until(again, () => Array.from(document.querySelectorAll('.window'))
      .some((w) => !w.hidden));
  // A text over 64 characters reads as missing: the slider shows the default.
  assert.equal(await again.$eval('[data-name="jumpSlider"]', (e) => e.value), '3');
  assert.equal(told(again, /option Jump in the page's storage .* is 65 characters long/), 1);
  assert.equal(told(again, /option Music in the page's storage .* longer than 64 characters/), 1);
  await again.close();
});

test('storage that throws still plays; the value holds, and each failure is told once',
    async () => {
      const page = await h.openGame(browser, server.address, {beforeLoad: () => {
        const refuse = () => {
          throw new DOMException('the storage is full', 'QuotaExceededError');
        };
        Storage.prototype.setItem = refuse;
        Storage.prototype.getItem = () => {
          throw new DOMException('site data is off', 'SecurityError');
        };
      }});
      assert.ok(await plays(page));
      await page.keyboard.press('F1');
      await h.until(page, () => Array.from(document.querySelectorAll('.window'))
          .some((w) => !w.hidden));
      const box = '[data-name="cratesBox"]';
      assert.equal(await page.$eval(box, (e) => e.checked), true);
      await page.click(box);
      await page.click('[data-name="setCratesButton"]');
      await page.click('[data-name="setProgressionButton"]');
      // Closed by its title bar, the window is made afresh from the store at its next opening.
      await page.click('.window:not([hidden]) .close');
      await h.pause(200);
      await page.keyboard.press('F1');
      await h.until(page, () => Array.from(document.querySelectorAll('.window'))
          .some((w) => !w.hidden));
      assert.equal(await page.$eval(box, (e) => e.checked), false, 'the refused value holds');
      assert.equal(told(page, /storage cannot be read \(SecurityError\)/), 1);
      for (const key of ['Crates', 'Progression']) {
        assert.equal(told(page, new RegExp(`save the option ${key} .*QuotaExceededError`)), 1);
      }
      assert.equal(told(page, /pageerror|Uncaught/), 0);
      await page.close();
    });

test('the music is fetched at the first Space, not before, and a missing one is told once',
    async () => {
      const page = await browser.newPage();
      page.consoleLines = [];
      page.on('console', (m) => page.consoleLines.push(m.text()));
      // What the page itself asks for, not its offline copy.
      await page.setBypassServiceWorker(true);
      const asked = [];
      await page.setRequestInterception(true);
      page.on('request', (request) => {
        if (!request.url().endsWith('/Music.wav')) return request.continue();
        asked.push(Date.now());
        return request.respond({status: 404, body: ''});
      });
      await page.goto(server.address + 'index.html');
      await h.waitForGame(page);
      await h.pause(300);
      assert.equal(asked.length, 0, 'not at page load');
      assert.ok(await plays(page));
      await h.until(page, () => true);
      for (let i = 0; i < 50 && !told(page, /Music\.wav cannot be played/); ++i) await h.pause(20);
      assert.equal(asked.length, 1);
      // The music box set again plays again: the file is not asked for a second time.
      await page.keyboard.press('F1');
      await h.until(page, () => Array.from(document.querySelectorAll('.window'))
          .some((w) => !w.hidden));
      await page.click('[data-name="setMusicButton"]');
      await h.pause(200);
      assert.equal(asked.length, 1);
      assert.equal(told(page, /Music\.wav cannot be played/), 1);
      await page.close();
    });

test('the first frame waits for the page and its wasm alone, each asked for once',
    async () => {
      // A fresh profile, as a first visit has: no offline copy answers for the server.
      const context = await browser.createBrowserContext();
      const page = await context.newPage();
      const from = server.sent.length;
      await page.goto(server.address + 'index.html');
      await page.waitForFunction(
          () => performance.getEntriesByName('zundabar-first-frame').length > 0);
      const framedAt = await page.evaluate(() => performance.timeOrigin +
          performance.getEntriesByName('zundabar-first-frame')[0].startTime);
      // The browser asks for the page's icon on its own, whenever it likes.
      const sentBefore = server.sent.slice(from)
          .filter((s) => s.at <= framedAt && !s.name.startsWith('/icons/')).map((s) => s.name);
      assert.deepEqual(sentBefore.sort(), ['/index.html', '/zundabar.wasm']);
      // The offline copy, which fetches every file, the music too, is made after the frame.
      await page.evaluate(() => navigator.serviceWorker.ready);
      assert.ok(server.sent.slice(from).some((s) => s.name === '/Music.wav' && s.at > framedAt));
      await context.close();
    });

test('after one visit the game is installable, and loads and plays with the network off',
    async () => {
      const page = await h.openGame(browser, server.address);
      await page.evaluate(() => navigator.serviceWorker.ready);
      await h.until(page, () => navigator.serviceWorker.controller !== null);
      const cdp = await page.createCDPSession();
      const {installabilityErrors} = await cdp.send('Page.getInstallabilityErrors');
      assert.deepEqual(installabilityErrors, []);
      await page.setOfflineMode(true);
      await page.reload();
      await h.waitForGame(page);
      assert.ok(await plays(page));
      await page.setOfflineMode(false);
      await page.close();
    });
