// Headless Chromium (the system's) driven through puppeteer-core, a static
// server for the page on 127.0.0.1, and the page's lab as a student sees it.
import {after, before} from 'node:test';
import fs from 'node:fs';
import http from 'node:http';
import {createRequire} from 'node:module';
import os from 'node:os';
import path from 'node:path';
import {fileURLToPath} from 'node:url';

let puppeteer;
try {
  puppeteer = (await import('puppeteer-core')).default;
} catch {
  throw new Error('puppeteer-core is missing: run scripts/install-deps.sh (npm ci in tests/web)');
}

const here = path.dirname(fileURLToPath(import.meta.url));
export const sourceDir = path.resolve(here, '../../..');
export const pagePath = path.resolve(process.env.LAB_WEB_PAGE ||
                                     path.join(sourceDir, 'build/web/trelko_test.html'));
export const chromiumPath = process.env.LAB_CHROMIUM || '/usr/bin/chromium';
export const firefoxPath = process.env.LAB_FIREFOX || '/usr/bin/firefox-esr';

export const CHROMIUM_FLAGS = [
  '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  // Timers of a page that the headless window does not "show" must not be
  // throttled.
  '--disable-background-timer-throttling', '--disable-renderer-backgrounding',
  '--disable-backgrounding-occluded-windows',
];

// Chromium by default; {firefox: true} Debian's Firefox ESR, driven over
// WebDriver BiDi.
export async function launchBrowser(options = {}) {
  if (!fs.existsSync(pagePath)) throw new Error(`${pagePath} is missing: build the web preset`);
  const userDataDir = fs.mkdtempSync(path.join(os.tmpdir(), 'trelko-browser-'));
  const browser = await puppeteer.launch(options.firefox
    ? {browser: 'firefox', executablePath: firefoxPath, headless: true, userDataDir}
    : {executablePath: chromiumPath, headless: true, userDataDir, args: CHROMIUM_FLAGS});
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    fs.rmSync(userDataDir, {recursive: true, force: true});
  };
  return browser;
}

// Serves the page's folder; every request is recorded.
export async function startServer() {
  const root = path.dirname(pagePath);
  const requests = [];
  const server = http.createServer((req, res) => {
    requests.push(req.url);
    const file = path.join(root, path.normalize(decodeURIComponent(req.url.split('?')[0])));
    if (!file.startsWith(root) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      res.writeHead(404).end();
      return;
    }
    res.writeHead(200, {'Content-Type': file.endsWith('.html') ? 'text/html; charset=utf-8'
                                                               : 'application/octet-stream'});
    fs.createReadStream(file).pipe(res);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const url = `http://127.0.0.1:${server.address().port}/${path.basename(pagePath)}`;
  return {url, requests, close: () => new Promise((resolve) => server.close(resolve))};
}

export const fileUrl = () => 'file://' + pagePath;

// Starts a browser and a local server before a test file's tests, hands
// them to `ready`, and stops both after the tests.
export function startForTests(ready) {
  let browser;
  let server;
  before(async () => {
    browser = await launchBrowser();
    server = await startServer();
    ready(browser, server);
  });
  after(async () => {
    await browser?.close();
    await server?.close();
  });
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
export {sleep};

// Makes the page believe it is hidden or shown (the lab pauses while hidden).
const VISIBILITY_SWITCH = () => {
  let hidden = false;
  Object.defineProperty(document, 'visibilityState', {get: () => (hidden ? 'hidden' : 'visible')});
  Object.defineProperty(document, 'hidden', {get: () => hidden});
  window.labTestSetHidden = (h) => {
    hidden = h;
    document.dispatchEvent(new Event('visibilitychange'));
  };
  window.labTestStartHidden = () => { hidden = true; };
};

// A fresh page of its own (no shared storage), with the lab loaded. With
// {hidden: true} the page starts hidden: nothing moves until it is shown;
// {mobile: true} makes it a phone's (its viewport tag, its zoom).
export async function openPage(browser, url, options = {}) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  page.errors = [];
  page.on('pageerror', (e) => page.errors.push(e.message));
  page.on('console', (m) => { if (m.type() === 'error') page.errors.push(m.text()); });
  await page.setViewport({width: options.width || 800, height: options.height || 620,
                          deviceScaleFactor: options.scale || 1, hasTouch: !!options.touch,
                          isMobile: !!options.mobile});
  await page.evaluateOnNewDocument(VISIBILITY_SWITCH);
  if (options.hidden) await page.evaluateOnNewDocument(() => window.labTestStartHidden());
  await page.goto(url);
  page.closeAll = () => context.close();
  return page;
}

// The window of a modal level: 0 the main window, 1 a dialog over it.
export const win = (level) => `.lab-window[data-level="${level}"]`;
export const ctl = (level, id) => `${win(level)} [data-control-id="${id}"]`;

export async function waitForTitle(page, level) {
  await page.waitForSelector(ctl(level, 1), {visible: true, timeout: 10000});
  await page.waitForFunction((sel) => getComputedStyle(document.querySelector(sel)).visibility ===
                             'visible', {}, win(level));
}

// From the title picture to the lab's main window: "Entra" clicked, or
// with {byKey: true} Enter pressed.
export async function enterLab(page, {byKey = false} = {}) {
  await waitForTitle(page, 1);
  if (byKey) await page.keyboard.press('Enter');
  else await page.click(ctl(1, 1));
  await page.waitForFunction(
      (sel) => !document.querySelector(sel) &&
               getComputedStyle(document.querySelector('.lab-window[data-level="0"]'))
                       .visibility === 'visible',
      {}, win(1));
  await idle(page);
}

// Waits until the program has taken every queued event.
export async function idle(page) {
  await page.waitForFunction(() => LabPage.pending() === 0);
  await sleep(30);
}

export const text = (page, id) =>
  page.$eval(ctl(0, id), (el) => (el.tagName === 'INPUT' ? el.value : el.textContent));
export const enabled = (page, id) => page.$eval(ctl(0, id), (el) => !el.disabled);
export const probe = (page, name, ...args) =>
  page.evaluate((n, a) => Module['_' + n](...a), name, args);

// The main window's canvas, as {width, height, rgba}.
export async function canvasPixels(page, level = 0) {
  const data = await page.$eval(`${win(level)} canvas.lab-surface`, (c) => {
    const d = c.getContext('2d').getImageData(0, 0, c.width, c.height);
    return {width: c.width, height: c.height, rgba: Array.from(d.data)};
  });
  return {width: data.width, height: data.height, rgba: Uint8Array.from(data.rgba)};
}

// The page point of a client point of a window's canvas (at the scale the
// window is shown).
export async function pagePoint(page, x, y, level = 0) {
  const box = await page.$eval(`${win(level)} canvas.lab-surface`, (c) => {
    const r = c.getBoundingClientRect();
    return {left: r.left, top: r.top, scale: r.width / c.width};
  });
  return {x: box.left + (x + 0.5) * box.scale, y: box.top + (y + 0.5) * box.scale};
}

export async function pressAt(page, x, y, button = 'left') {
  const p = await pagePoint(page, x, y);
  await page.mouse.move(p.x, p.y);
  await page.mouse.down({button});
  await page.mouse.up({button});
}

// The lab's layout and physical values (res/lab_layout.h), as the web build
// wrote them beside the page.
export const layoutPath = path.join(path.dirname(pagePath), 'lab_layout.json');
function readLayout() {
  if (!fs.existsSync(layoutPath)) throw new Error(`${layoutPath} is missing: build the web preset`);
  return JSON.parse(fs.readFileSync(layoutPath, 'utf8'));
}
export const LAYOUT = readLayout();
// The string's k, for how long a number of periods takes.
export const STRING_K = LAYOUT.physical.stringK;

// The lab's places, as the student sees them (client pixels).
export const STOPWATCH = {
  powerOn: LAYOUT.stopwatch.powerOn, reset: LAYOUT.stopwatch.reset,
  start: LAYOUT.stopwatch.start, stop: LAYOUT.stopwatch.stop,
};
export const weightOnRack = (i) => LAYOUT.weights[i].onRack;
export const emptyPeg = (i) => LAYOUT.weights[i].emptyPeg;
// The ball's centre in client pixels, from its place in metres: the world's
// origin is the middle of the box's top edge.
export async function ballPixel(page) {
  const x = await probe(page, 'lab_ball', 0);
  const y = await probe(page, 'lab_ball', 1);
  const box = LAYOUT.simulationBox;
  const perMetre = box.height / (LAYOUT.boxWorld.top - LAYOUT.boxWorld.bottom);
  return [Math.round(box.left + box.width / 2 + x * perMetre), Math.round(box.top - y * perMetre)];
}

// Once the page is idle, the ball's x in client pixels, and again `ms` later.
export async function ballXNowAndLater(page, ms = 300) {
  await idle(page);
  const [now] = await ballPixel(page);
  await sleep(ms);
  const [later] = await ballPixel(page);
  return [now, later];
}

// One timing as a student does it: pulls the ball 4 cm below where it hangs
// and lets it go, then resets, starts, waits `count` periods of `mass` on
// the lab's string and stops the stopwatch. `press` presses at a client
// point and lets the page settle.
export async function timeOscillations(page, press, mass, count) {
  const y = await probe(page, 'lab_ball', 1);
  const box = LAYOUT.simulationBox;
  const perMetre = box.height / (LAYOUT.boxWorld.top - LAYOUT.boxWorld.bottom);
  await press([box.left + box.width / 2, box.top + Math.round((0.04 - y) * perMetre)]);
  await press(STOPWATCH.reset);
  const started = await probe(page, 'lab_model_clock');
  await press(STOPWATCH.start);
  // The periods on the lab's clock, which the ball keeps to (a busy
  // machine's skipped ticks slow both alike).
  await page.waitForFunction((until) => Module._lab_model_clock() >= until, {polling: 10},
                             started + count * 2 * Math.PI * Math.sqrt(mass / STRING_K));
  await press(STOPWATCH.stop);
}

// --- the keyboard and screen readers ---------------------------------------

// The instruments' ids, as the core numbers them in reading order
// (lab_layout.json).
export const INSTRUMENT = {
  ...LAYOUT.instruments,
  weights: LAYOUT.weights.map((w, i) => LAYOUT.instruments.firstWeight + i),
};
export const instrument = (id, level = 0) => `${win(level)} [data-instrument="${id}"]`;
export const label = (page, selector) => page.$eval(selector, (e) => e.getAttribute('aria-label'));

// Tab (keys only) until the focus is on the element of the selector.
export async function tabTo(page, selector, most = 30) {
  for (let i = 0; i < most; i++) {
    if (await page.evaluate((s) => document.activeElement.matches(s), selector)) return;
    await page.keyboard.press('Tab');
  }
  throw new Error(`Tab never reaches ${selector}`);
}

// The WCAG 2.0 and 2.1 A and AA rules that axe-core finds broken on the
// page as it is now, one line per rule: "rule: the elements".
const AXE_SOURCE = fs.readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'),
                                   'utf8');
export async function axeViolations(page) {
  if (!(await page.evaluate(() => typeof window.axe !== 'undefined'))) {
    await page.evaluate(AXE_SOURCE);
  }
  return page.evaluate(async () => {
    const result = await window.axe.run(document, {
      runOnly: {type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa']},
    });
    return result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
  });
}
