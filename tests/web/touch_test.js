// A phone: 390 x 844 CSS pixels at device pixel ratio 3, with touch. The whole game and its touch
// buttons fit the screen at a whole number of device pixels per game pixel, and a finger on the
// buttons plays.
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
  page = await h.openGame(browser, server.address, {viewport:
      {width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true}});
});
after(async () => {
  if (browser) await browser.close();
  if (server) await server.close();
});

const centre = (selector) => page.$eval(selector, (e) => {
  const r = e.getBoundingClientRect();
  return {x: r.left + r.width / 2, y: r.top + r.height / 2};
});

test('the game and its buttons fit the phone, two device pixels to a game pixel', async () => {
  const fit = await page.evaluate(() => {
    const canvas = document.getElementById('mainWindow');
    const boxes = [canvas, ...document.querySelectorAll('#touchButtons button')]
        .map((e) => e.getBoundingClientRect());
    return {
      canvas: [canvas.width, canvas.height, canvas.getBoundingClientRect().width],
      buttonsShown: !document.getElementById('touchButtons').hidden,
      right: Math.max(...boxes.map((r) => r.right)),
      bottom: Math.max(...boxes.map((r) => r.bottom)),
      scrollWidth: document.documentElement.scrollWidth,
    };
  });
  assert.deepEqual(fit.canvas.slice(0, 2), [492 * 2, 498 * 2]);
  assert.ok(Math.abs(fit.canvas[2] - 492 * 2 / 3) < 0.01, String(fit.canvas[2]));
  assert.ok(fit.buttonsShown);
  assert.ok(fit.right <= 390 && fit.bottom <= 844, JSON.stringify(fit));
  assert.ok(fit.scrollWidth <= 390, 'no horizontal scrolling');
});

test('a tap on Start plays, and a finger held on Left steers the monkey', async () => {
  const start = await centre('#touchButtons [data-key="32"]');
  await page.touchscreen.tap(start.x, start.y);
  await h.until(page, () => document.getElementById('label_startPrompt').hidden);
  const before = await h.waitForMonkey(page);
  // The monkey starts at the right.
  const left = await centre('#touchButtons [data-key="37"]');
  await page.touchscreen.touchStart(left.x, left.y);
  await h.pause(600);
  await page.touchscreen.touchEnd();
  const after = await h.monkeyAt(page);
  assert.ok(after.x < before.x - 10, `${before.x} to ${after.x}`);
});

test('a tap on the credit banner opens About', async () => {
  const banner = await centre('#creditBanner');
  await page.touchscreen.tap(banner.x, banner.y);
  await h.until(page, () => Array.from(document.querySelectorAll('.window'))
      .some((w) => !w.hidden));
  assert.ok(await h.windowShown(page, 'About Zundabar'));
});
