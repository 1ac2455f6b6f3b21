// The game in play in headless Chromium: the start prompt, steering, a landing's message, the
// pause, Escape ending the game and Play again, and the browser's own keys left to it.
'use strict';
const {test, before, after} = require('node:test');
const assert = require('node:assert/strict');
const h = require('./harness');

const startPrompt =
    "Press 'F1' for configuration options.       Press 'Space' to begin game";
const winText = /^Winner! Press 'Enter' for round (\d+)\. Score: (\d+)$/;
const lossText = new RegExp("^You have failed round (\\d+)\\.\\r\\nPress 'Enter' to play again\\." +
    "\\r\\nRemember, you can press 'Escape' at any time during play to quit the game, and " +
    "'Backspace' to pause\\.\\r\\nScore: (\\d+)$");

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

async function moving() {
  const before = await h.canvasDigest(page);
  for (let i = 0; i < 150; ++i) {
    await h.pause(20);
    if (await h.canvasDigest(page) !== before) return true;
  }
  return false;
}

async function stillFor(ms) {
  const before = await h.canvasDigest(page);
  await h.pause(ms);
  return await h.canvasDigest(page) === before;
}

// Falls fast to the ledge and returns the message's text.
async function land() {
  await page.keyboard.down('ArrowDown');
  await h.until(page, () => document.getElementById('message').open, null, 30000);
  await page.keyboard.up('ArrowDown');
  return page.$eval('#messageText', (e) => e.textContent);
}

test('the start prompt shows over a still playfield, and Space starts play', async () => {
  assert.equal(await h.label(page, 'startPrompt'), startPrompt);
  assert.ok(await stillFor(300), 'nothing moves before Space');
  await page.keyboard.press('Space');
  await h.until(page, () => document.getElementById('label_startPrompt').hidden);
  assert.ok(await moving(), 'the playfield moves once play starts');
});

test('Right and Left steer the monkey', async () => {
  const start = await h.waitForMonkey(page);
  assert.ok(start, 'the monkey is on the playfield');
  // Towards the wider side first, so that the playfield's edge never stops the monkey.
  const middle = await page.$eval('#mainWindow', (c) => c.width / 2);
  const sign = start.x < middle ? 1 : -1;
  const [out, back] = sign > 0 ? ['ArrowRight', 'ArrowLeft'] : ['ArrowLeft', 'ArrowRight'];
  await h.hold(page, out, 500);
  const there = await h.waitForMonkey(page);
  assert.ok(sign * (there.x - start.x) > 5, `${out}: ${start.x} to ${there.x}`);
  await h.hold(page, back, 1000);
  const returned = await h.waitForMonkey(page);
  assert.ok(sign * (there.x - returned.x) > 5, `${back}: ${there.x} to ${returned.x}`);
});

test('a landing shows its exact message, OK alone; Enter closes it and the next level follows',
    async () => {
      const text = await land();
      assert.equal(await page.$eval('#messageCaption', (e) => e.textContent), 'Zundabar');
      assert.deepEqual(await page.$$eval('#message button', (b) => b.map((e) => e.textContent)),
          ['OK']);
      const won = winText.exec(text);
      const lost = lossText.exec(text);
      assert.ok(won || lost, JSON.stringify(text));
      assert.ok(await stillFor(300), 'the game waits while the message is open');
      await page.keyboard.press('Enter');
      await h.until(page, () => !document.getElementById('message').open);
      // The closing reaches the game one task after the dialog shuts.
      const level = won ? won[1] : '1';
      await h.until(page, (l) => document.getElementById('label_level').textContent === l, level)
          .catch(() => {});
      assert.equal(await h.label(page, 'level'), level);
      if (lost) {
        await h.until(page, () => document.getElementById('label_score').textContent === '0')
            .catch(() => {});
        assert.equal(await h.label(page, 'score'), '0');
      }
      assert.ok(await moving(), 'play goes on');
    });

test('Escape closes a message without ending the game', async () => {
  await land();
  await page.keyboard.press('Escape');
  await h.until(page, () => !document.getElementById('message').open);
  assert.ok(await moving(), 'play goes on');
  assert.equal(await page.$eval('#ended', (e) => e.hidden), true);
});

test('Backspace pauses, not a pixel changes for a second, and Backspace resumes', async () => {
  await page.keyboard.press('Backspace');
  await h.pause(200);
  assert.ok(await stillFor(1000), 'paused');
  await page.keyboard.press('Backspace');
  assert.ok(await moving(), 'resumed');
});

test('Escape during play ends the game, and Play again starts it as at the start', async () => {
  await page.keyboard.press('Escape');
  await h.until(page, () => !document.getElementById('ended').hidden);
  assert.ok(await stillFor(500), 'every timer has stopped');
  await page.click('#playAgain');
  await h.until(page, () => !document.getElementById('label_startPrompt').hidden);
  assert.equal(await h.label(page, 'level'), '1');
  await page.keyboard.press('Space');
  assert.ok(await moving());
});

test('only the game\'s own keys are kept from the browser', async () => {
  await page.evaluate(() => {
    window.kept = {};
    addEventListener('keydown', (e) => {
      window.kept[(e.ctrlKey ? 'Control+' : '') + (e.altKey ? 'Alt+' : '') + e.key] =
          e.defaultPrevented;
    });
  });
  const press = async (...keys) => {
    for (const k of keys) await page.keyboard.down(k);
    for (const k of keys.reverse()) await page.keyboard.up(k);
  };
  for (const k of ['ArrowLeft', 'ArrowRight', 'ArrowDown', 'ArrowUp', 'F5', 'F11', 'F12', 'Tab']) {
    await press(k);
  }
  await page.focus('#mainWindow');
  await press('Control', 'r');
  await press('Control', 'l');
  await press('Control', '=');
  await press('Alt', 'ArrowLeft');
  const kept = await page.evaluate(() => window.kept);
  assert.deepEqual(kept, {
    ArrowLeft: true, ArrowRight: true, ArrowDown: true, ArrowUp: true, F5: false, F11: false,
    F12: false, Tab: false, 'Control+Control': false, 'Control+r': false, 'Control+l': false,
    'Control+=': false, 'Alt+Alt': false, 'Alt+ArrowLeft': false,
  });
});
