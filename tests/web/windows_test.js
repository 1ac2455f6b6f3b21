// The options and About windows in the page: built from their designs with real controls in the
// designed keyboard order, the options stored in the page's storage and read back after a reload.
'use strict';
const {test, before, after} = require('node:test');
const assert = require('node:assert/strict');
const h = require('./harness');

let server;
let browser;
let page;
before(async () => {
  server = await h.serve();
  browser = await h.launch();
  page = await h.openGame(browser, server.address);
});
after(async () => {
  if (browser) await browser.close();
  if (server) await server.close();
});

const focused = () => page.evaluate(() => document.activeElement.dataset.name || null);
const valueOf = (name) => page.$eval(`[data-name="${name}"]`, (e) => e.value);
const textOf = (name) => page.$eval(`[data-name="${name}"]`, (e) => e.textContent);

async function moves() {
  const before = await h.canvasDigest(page);
  await h.until(page, () => true);
  for (let i = 0; i < 150; ++i) {
    await h.pause(20);
    if (await h.canvasDigest(page) !== before) return true;
  }
  return false;
}

test('F1 opens the options with their controls in the designed keyboard order', async () => {
  await page.keyboard.press('Space');
  await h.pause(200);
  await page.keyboard.press('F1');
  await h.until(page, () => Array.from(document.querySelectorAll('.window'))
      .some((w) => !w.hidden));
  assert.ok(await h.windowShown(page, 'Configuration Options'));
  assert.equal(await textOf('progressionValue'), '2');
  // Broken into lines by the game's rule: the run of blanks hangs past the first line.
  assert.match(await textOf('musicCaption'), /^Background music\n\(takes effect after one song\):$/);
  const order = [await focused()];
  for (let i = 0; i < 9; ++i) {
    await page.keyboard.press('Tab');
    order.push(await focused());
  }
  assert.deepEqual(order, ['setProgressionButton', 'resumeButton', 'progressionSlider',
    'setJumpButton', 'jumpSlider', 'cratesBox', 'setCratesButton', 'musicBox', 'setMusicButton',
    'setProgressionButton']);
  const slider = await page.$('[data-name="jumpSlider"]');
  assert.deepEqual(await slider.evaluate((e) => [e.min, e.max, e.step, e.list.options.length]),
      ['1', '10', '1', 10]);
  assert.equal(await slider.evaluate((e) => e.getAttribute('aria-labelledby')),
      'w0_jumpCaption');
});

test('the jump slider moved by the keyboard and Set store "Jump"; Resume Game plays on',
    async () => {
      await page.focus('[data-name="jumpSlider"]');
      const start = Number(await valueOf('jumpSlider'));
      await page.keyboard.press('ArrowRight');
      await page.keyboard.press('PageUp');
      const chosen = Math.min(10, start + 3);
      assert.equal(Number(await valueOf('jumpSlider')), chosen);
      assert.equal(await textOf('jumpValue'), String(chosen));
      await page.keyboard.down('Shift');
      await page.keyboard.press('Tab');
      await page.keyboard.up('Shift');
      assert.equal(await focused(), 'setJumpButton');
      await page.keyboard.press('Space');
      assert.equal(await page.evaluate((k) => localStorage.getItem(k), h.optionItem('Jump')),
          String(chosen));
      await page.click('[data-name="resumeButton"]');
      assert.ok(!await h.windowShown(page, 'Configuration Options'));
      assert.ok(await moves(), 'play goes on');

      await page.reload();
      await h.waitForGame(page);
      await page.keyboard.press('F1');
      await h.until(page, () => Array.from(document.querySelectorAll('.window'))
          .some((w) => !w.hidden));
      assert.equal(Number(await valueOf('jumpSlider')), chosen);
      // The window's own close control acts as Resume Game.
      await page.click('.window:not([hidden]) .close');
      assert.ok(!await h.windowShown(page, 'Configuration Options'));
      assert.ok(await moves(), 'play goes on');
    });

test('the credit banner opens About, and Close, pressed with Enter, plays on', async () => {
  await page.click('#creditBanner');
  await h.until(page, () => Array.from(document.querySelectorAll('.window'))
      .some((w) => !w.hidden));
  assert.ok(await h.windowShown(page, 'About Zundabar'));
  assert.equal(await focused(), 'closeButton');
  const still = await h.canvasDigest(page);
  await h.pause(300);
  assert.equal(await h.canvasDigest(page), still, 'the game waits');
  assert.match(await textOf('aboutText'), /uses four self-created registry keys/);
  await page.keyboard.press('Enter');
  assert.ok(!await h.windowShown(page, 'About Zundabar'));
  assert.ok(await moves(), 'play goes on');
});

test('Alt+Enter shows the game full screen at the largest whole factor, and the menu goes back',
    async () => {
      const cdp = await page.createCDPSession();
      await cdp.send('Emulation.setDeviceMetricsOverride', {width: 800, height: 600,
        deviceScaleFactor: 1, mobile: false, screenWidth: 1920, screenHeight: 1080});
      await page.focus('#mainWindow');
      await page.keyboard.down('Alt');
      await page.keyboard.press('Enter');
      await page.keyboard.up('Alt');
      await h.until(page, () => document.fullscreenElement &&
          document.getElementById('mainWindow').width === 492 * 2);
      // Centred on whole pixels between black bars.
      assert.deepEqual(await page.$eval('#stage', (e) => [e.style.marginLeft, e.style.marginTop]),
          ['468px', '42px']);
      await page.click('#mainWindow', {button: 'right'});
      await h.until(page, () => !document.getElementById('displayMenu').hidden);
      assert.equal(await page.$eval('#displayMenu button', (b) => b.getAttribute('aria-checked')),
          'true');
      await page.click('#displayMenu button');
      await h.until(page, () => !document.fullscreenElement &&
          document.getElementById('mainWindow').width === 492);
    });
