// The game played with a pad in headless Chromium: the page's Gamepad API gives a scripted
// standard pad, which the tests press and tilt, and which the page reads at its own polls.
'use strict';
const {test, before, after} = require('node:test');
const assert = require('node:assert/strict');
const h = require('./harness');

// Stands in for the browser's pads in the page, counting the page's reads and sounds made.
function scriptedPad() {
  const pad = {id: 'Scripted pad', index: 0, connected: true, mapping: 'standard',
    axes: [0, 0, 0, 0], buttons: Array.from({length: 17}, () => ({pressed: false, value: 0}))};
  Object.assign(window, {scriptedPad: pad, padReads: 0, soundsMade: 0});
  navigator.getGamepads = () => {
    ++window.padReads;
    // A tapped button is down for one read, as a quick press, however slowly the test goes on.
    for (const button of pad.buttons.filter((b) => b.tapped)) {
      button.pressed = button.tapped++ < 2;
      if (!button.pressed) button.tapped = 0;
    }
    return [pad, null, null, null];
  };
  const Made = AudioContext;
  window.AudioContext = class extends Made {
    constructor(...options) {
      super(...options);
      ++window.soundsMade;
    }
  };
}

let server;
let browser;
let page;
before(async () => {
  server = await h.serve();
  browser = await h.launch();
  page = await h.openGame(browser, server.address, {beforeLoad: scriptedPad});
});
after(async () => {
  if (browser) await browser.close();
  if (server) await server.close();
});

const buttonAt = {a: 0, b: 1, back: 8, start: 9, up: 12, down: 13, left: 14, right: 15};

// Holds, lets go of or taps a button, or tilts the stick, then waits for two reads by the page.
async function setPad(button, state, stick) {
  await page.evaluate((at, down, axes) => {
    if (at !== null && down === 'tap') Object.assign(window.scriptedPad.buttons[at], {tapped: 1});
    if (at !== null && down !== 'tap') window.scriptedPad.buttons[at].pressed = down;
    if (axes) window.scriptedPad.axes.splice(0, 2, ...axes);
    window.padReadsThen = window.padReads;
  }, buttonAt[button] ?? null, state ?? false, stick ?? null);
  await h.until(page, () => window.padReads >= window.padReadsThen + 2);
}

const press = (button) => setPad(button, 'tap');

test('a press readies the sound; Start begins play, and the d-pad and stick steer', async () => {
  // B means nothing at the start prompt, but is the player's gesture all the same.
  assert.equal(await page.evaluate(() => window.soundsMade), 0);
  await press('b');
  assert.equal(await page.evaluate(() => window.soundsMade), 1);
  await press('start');
  await h.until(page, () => document.getElementById('label_startPrompt').hidden);
  const start = await h.waitForMonkey(page);
  // The stick towards the wider side, then the d-pad back: neither move starts at an edge.
  const towards = start.x < await page.$eval('#mainWindow', (c) => c.width / 2) ? 1 : -1;
  await setPad(null, false, [0.9 * towards, 0.1]);
  await h.pause(500);
  await setPad(null, false, [0, 0]);
  const out = await h.waitForMonkey(page);
  assert.ok((out.x - start.x) * towards > 5, `stick: ${start.x} to ${out.x}`);
  const back = towards > 0 ? 'left' : 'right';
  await setPad(back, true);
  await h.pause(1000);
  await setPad(back, false);
  const home = await h.waitForMonkey(page);
  assert.ok((out.x - home.x) * towards > 5, `d-pad: ${out.x} to ${home.x}`);
});

test('Start pauses, not a pixel changes for a second, and Start resumes', async () => {
  await press('start');
  await h.pause(200);
  assert.ok(!await h.canvasChanges(page, 1000), 'paused');
  await press('start');
  assert.ok(await h.canvasChanges(page), 'resumed');
});

test('a hidden page reads no pad until it shows again', async () => {
  const other = await browser.newPage();
  await other.bringToFront();
  await h.until(page, () => document.visibilityState === 'hidden');
  const reads = await page.evaluate(() => window.padReads);
  await h.pause(1500);
  assert.equal(await page.evaluate(() => window.padReads), reads);
  await other.close();
  await page.bringToFront();
  await setPad(null);
});

test('Back opens the options; the d-pad moves the focus and the slider, A sets, B plays on',
    async () => {
      const focused = () => page.evaluate(() => document.activeElement.dataset.name);
      const valueOf = (name) => page.$eval(`[data-name="${name}"]`, (e) => e.value);
      await press('back');
      await h.until(page, () => Array.from(document.querySelectorAll('.window'))
          .some((w) => !w.hidden));
      assert.ok(await h.windowShown(page, 'Configuration Options'));
      assert.equal(await focused(), 'setProgressionButton');
      await press('down');
      await press('down');
      assert.equal(await focused(), 'progressionSlider');
      const chosen = String(Number(await valueOf('progressionSlider')) + 1);
      await press('right');
      assert.equal(await valueOf('progressionSlider'), chosen);
      assert.equal(await page.$eval('[data-name="progressionValue"]', (e) => e.textContent),
          chosen, 'the value label follows');
      await press('up');
      await press('up');
      await press('a');
      assert.equal(await page.evaluate((k) => localStorage.getItem(k),
          h.optionItem('Progression')), chosen);
      await press('b');
      assert.ok(!await h.windowShown(page, 'Configuration Options'));
      assert.ok(await h.canvasChanges(page), 'play goes on');
    });

test('Down held lands the monkey, and A closes the level\'s message as OK does', async () => {
  await setPad('down', true);
  await h.until(page, () => document.getElementById('message').open, null, 30000);
  await setPad('down', false);
  await press('a');
  await h.until(page, () => !document.getElementById('message').open);
  assert.ok(await h.canvasChanges(page), 'play goes on');
  assert.deepEqual(page.consoleLines.filter((line) => /pageerror|Uncaught/.test(line)), []);
});
