// What the browser game's end-to-end tests share: a private static server of the build folder on
// 127.0.0.1, Debian's Chromium through puppeteer-core, and ways to look at the running game from
// outside, as a player would: the canvas's pixels, the page's elements and its storage.
'use strict';
const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const zlib = require('node:zlib');
const puppeteer = require('puppeteer-core');

const webDir = process.env.ZUNDABAR_WEB_DIR || path.join(__dirname, '../../build-web');
const chromium = process.env.ZUNDABAR_CHROMIUM || '/usr/bin/chromium';

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.woff2': 'font/woff2', '.png': 'image/png',
  '.wav': 'audio/wav', '.webmanifest': 'application/manifest+json',
};

// Serves the build folder as a static host does, gzipped where the client takes it; keeps what
// it sent, each response's path, bytes and time. An isolated page (cross-origin isolation) gets
// the browser's finest clock.
function serve(dir = webDir, {isolated = false} = {}) {
  const sent = [];
  // Compressed once, as a static host keeps its files compressed.
  const compressed = new Map();
  const server = http.createServer((request, response) => {
    const url = new URL(request.url, 'http://127.0.0.1');
    let name = decodeURIComponent(url.pathname);
    if (name.endsWith('/')) name += 'index.html';
    const file = path.join(dir, path.normalize(name));
    if (!file.startsWith(dir) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404);
      response.end();
      return;
    }
    let body = fs.readFileSync(file);
    const headers = {'Content-Type': types[path.extname(file)] || 'application/octet-stream',
      'Cache-Control': 'no-cache'};
    if (isolated) {
      headers['Cross-Origin-Opener-Policy'] = 'same-origin';
      headers['Cross-Origin-Embedder-Policy'] = 'require-corp';
    }
    if (/\bgzip\b/.test(request.headers['accept-encoding'] || '') && !file.endsWith('.png')) {
      const key = file + ':' + fs.statSync(file).mtimeMs;
      if (!compressed.has(key)) compressed.set(key, zlib.gzipSync(body, {level: 9}));
      body = compressed.get(key);
      headers['Content-Encoding'] = 'gzip';
    }
    sent.push({name, bytes: body.length, at: Date.now()});
    response.writeHead(200, headers);
    response.end(body);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => {
    const address = `http://127.0.0.1:${server.address().port}/`;
    resolve({address, sent, close: () => new Promise((done) => server.close(done))});
  }));
}

async function launch() {
  return puppeteer.launch({
    executablePath: chromium,
    headless: true,
    args: ['--no-sandbox', '--mute-audio', '--autoplay-policy=no-user-gesture-required'],
  });
}

// A page of the game, its console lines kept; the game is running once its first frame is drawn.
async function openGame(browser, address, {viewport, beforeLoad} = {}) {
  const page = await browser.newPage();
  page.consoleLines = [];
  page.on('console', (m) => page.consoleLines.push(m.text()));
  page.on('pageerror', (e) => page.consoleLines.push('pageerror: ' + e.message));
  await page.setViewport(viewport || {width: 800, height: 600, deviceScaleFactor: 1});
  if (beforeLoad) await page.evaluateOnNewDocument(beforeLoad);
  await page.goto(address + 'index.html');
  await waitForGame(page);
  return page;
}

async function waitForGame(page) {
  await page.waitForFunction(() => {
    const c = document.getElementById('mainWindow');
    return c && c.width > 300 && document.getElementById('label_level');
  }, {timeout: 15000});
  await page.focus('#mainWindow');
}

async function until(page, fn, arg, timeout = 10000) {
  return page.waitForFunction(fn, {timeout, polling: 20}, arg);
}

const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// A digest of every pixel of the main window's canvas.
function canvasDigest(page) {
  return page.evaluate(() => {
    const c = document.getElementById('mainWindow');
    const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    let h = 2166136261;
    for (let i = 0; i < d.length; i += 4) h = Math.imul(h ^ (d[i] | d[i + 1] << 8 | d[i + 2] << 16), 16777619);
    return h >>> 0;
  });
}

// Whether a pixel of the main window's canvas changes within ms.
async function canvasChanges(page, ms = 3000) {
  const before = await canvasDigest(page);
  for (const end = Date.now() + ms; Date.now() < end;) {
    await pause(20);
    if (await canvasDigest(page) !== before) return true;
  }
  return false;
}

// Where the monkey is on the canvas: the middle of the pixels of its colour, in canvas pixels.
function monkeyAt(page) {
  return page.evaluate(() => {
    const c = document.getElementById('mainWindow');
    const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    let x = 0;
    let y = 0;
    let n = 0;
    for (let i = 0; i < d.length; i += 4) {
      if (d[i] === 153 && d[i + 1] === 102 && d[i + 2] === 0) {
        x += (i / 4) % c.width;
        y += Math.floor(i / 4 / c.width);
        ++n;
      }
    }
    return n ? {x: x / n, y: y / n, pixels: n} : null;
  });
}

// The monkey once a tick has drawn it.
async function waitForMonkey(page) {
  for (let i = 0; i < 100; ++i) {
    const at = await monkeyAt(page);
    if (at) return at;
    await pause(20);
  }
  throw new Error('no monkey on the playfield');
}

const label = (page, name) => page.$eval('#label_' + name, (e) => e.hidden ? null : e.textContent);
const messageOpen = (page) => page.$eval('#message', (d) => d.open);
const windowShown = (page, caption) => page.evaluate((text) =>
  Array.from(document.querySelectorAll('.window')).some((w) => !w.hidden &&
      w.querySelector('h2').textContent === text), caption);
const optionItem = (key) => 'VB and VBA Program Settings\\ZNDBR\\Settings\\' + key;

// Holds a key down for a while, as a player does.
async function hold(page, key, ms) {
  await page.keyboard.down(key);
  await pause(ms);
  await page.keyboard.up(key);
}

module.exports = {
  webDir, serve, launch, openGame, waitForGame, until, pause, canvasDigest, canvasChanges, monkeyAt,
  waitForMonkey, label, messageOpen, windowShown, optionItem, hold,
};
