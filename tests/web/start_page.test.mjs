// The page's start in headless Chromium: the title picture that the file
// shows before its program has started is the program's own first frame of
// the title, at the same place, and gives way to it.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {fileUrl, launchBrowser, startServer, waitForTitle, win, startForTests} from './support/lab_browser.mjs';
import {decodePng} from './support/png.mjs';

let browser;
let server;
startForTests((b, s) => {
  browser = b;
  server = s;
});

// Holds the program back (compiled or not, it is not started) until the
// test lets it go.
const HOLD_PROGRAM = () => {
  const instantiate = WebAssembly.instantiate;
  let release;
  const held = new Promise((resolve) => { release = resolve; });
  window.labTestRelease = release;
  WebAssembly.instantiate = (...a) => held.then(() => instantiate(...a));
};

async function shot(page, selector) {
  // (after two frames: what the page shows has settled)
  await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
  const r = await page.$eval(selector, (el) => {
    const b = el.getBoundingClientRect();
    return {x: b.left, y: b.top, width: b.width, height: b.height};
  });
  return {at: r, picture: decodePng(await page.screenshot({clip: r, type: 'png'}))};
}

for (const [how, url] of [['served from 127.0.0.1', () => server.url], ['opened from a folder', fileUrl]]) {
  test(`${how}: the title picture before the program is its first frame, in its place`, async () => {
    const context = await browser.createBrowserContext();
    try {
      const page = await context.newPage();
      const errors = [];
      page.on('pageerror', (e) => errors.push(e.message));
      await page.setViewport({width: 800, height: 620});
      await page.evaluateOnNewDocument(HOLD_PROGRAM);
      await page.goto(url());
      await page.waitForSelector('#lab-placeholder canvas.lab-picture');
      const early = await shot(page, '#lab-placeholder .lab-client');
      assert.equal(await page.$(win(1)), null, 'no window of the program yet');

      await page.evaluate(() => window.labTestRelease());
      await waitForTitle(page, 1);
      assert.equal(await page.$('#lab-placeholder'), null, 'the title picture gave way');
      const live = await shot(page, `${win(1)} .lab-client`);
      assert.deepEqual(early.at, live.at);
      // The picture exactly; the browser's own buttons may smooth their
      // corners a level apart from one drawing to the next.
      const buttons = await page.$$eval(`${win(1)} button`, (all) => all.map((b) => {
        const r = b.getBoundingClientRect();
        return [r.left, r.top, r.right, r.bottom];
      }));
      const inButton = (x, y) => buttons.some(([l, t, r, b]) =>
        x + early.at.x >= l && x + early.at.x < r && y + early.at.y >= t && y + early.at.y < b);
      const apart = [];
      const {width, height} = early.picture;
      assert.deepEqual([live.picture.width, live.picture.height], [width, height]);
      for (let p = 0; p < width * height; p++) {
        const x = p % width, y = Math.floor(p / width);
        const most = Math.max(...[0, 1, 2].map(
            (c) => Math.abs(early.picture.rgba[p * 4 + c] - live.picture.rgba[p * 4 + c])));
        if (most > (inButton(x, y) ? 2 : 0)) apart.push([x, y]);
      }
      assert.deepEqual(apart.slice(0, 5), [], `${apart.length} pixels apart`);
      assert.deepEqual(errors, []);
    } finally {
      await context.close();
    }
  });
}

test('"Entra" pressed on the title picture before the program starts opens the lab', async () => {
  const context = await browser.createBrowserContext();
  try {
    const page = await context.newPage();
    await page.evaluateOnNewDocument(HOLD_PROGRAM);
    await page.goto(server.url);
    await page.click('#lab-placeholder button');
    await page.evaluate(() => window.labTestRelease());
    await page.waitForFunction(
        (sel) => !document.querySelector(sel) &&
                 getComputedStyle(document.querySelector('.lab-window[data-level="0"]'))
                         .visibility === 'visible',
        {timeout: 20000}, win(1));
    // The page students open exports none of the test build's calls.
    assert.deepEqual(await page.evaluate(() => ['lab_test_set_points', 'lab_model_clock', 'lab_ball',
                                                'lab_bench_tick', 'lab_bench_paint', 'lab_bench_present']
                                           .filter((f) => typeof Module['_' + f] === 'function')),
                     []);
    assert.equal(await page.evaluate(() => typeof Module._lab_point_count), 'function');
  } finally {
    await context.close();
  }
});
