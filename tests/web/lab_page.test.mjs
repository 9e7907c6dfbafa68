// The web edition in headless Chromium: the page as a student uses it,
// served from 127.0.0.1 and opened from a folder.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import {describe, test} from 'node:test';

import {spawnSync} from 'node:child_process';

import {
  axeViolations, ballPixel, ballXNowAndLater, canvasPixels, ctl, emptyPeg, enabled, enterLab,
  fileUrl, idle, instrument, INSTRUMENT, label, launchBrowser, LAYOUT, openPage, pagePath,
  pagePoint, pressAt, probe, sleep, sourceDir, startServer, STOPWATCH, text, tabTo,
  timeOscillations, waitForTitle, weightOnRack, win, startForTests} from './support/lab_browser.mjs';
import {comparePixels, decodePng} from './support/png.mjs';

const golden = (name) => decodePng(fs.readFileSync(path.join(sourceDir, name)));
const STARTUP = 'tests/golden/startup.png';
const GRAPH = 'tests/golden/graph_with_line.png';
const WELCOME = ' Fes mesures per determinar la constant el\u00e0stica i despr\u00e9s g';

let browser;
let server;
startForTests((b, s) => {
  browser = b;
  server = s;
});

describe('the title picture and the main window', () => {
  for (const [how, url] of [['served from 127.0.0.1', () => server.url], ['opened from a folder', fileUrl]]) {
    test(`${how}: the title dialog, "Entra", the main window's controls`, async () => {
      const before = server.requests.length;
      const page = await openPage(browser, url());
      await waitForTitle(page, 1);
      assert.equal(await page.$eval(ctl(1, 1), (b) => b.textContent), 'Entra');
      assert.equal(await page.evaluate(() => document.activeElement.dataset.controlId), '1');
      assert.ok(await page.$(`${win(1)} canvas.lab-picture`), 'the title picture');
      await enterLab(page);
      const controls = {1001: WELCOME, 1002: '10', 1003: 'Comen\u00e7ar', 1004: 'plot'};
      for (const [id, expected] of Object.entries(controls)) {
        assert.equal(await text(page, id), expected, `control ${id}`);
      }
      assert.equal(await enabled(page, 1004), false, '"plot" is greyed');
      assert.equal(await page.$eval(ctl(0, 1001), (e) => e.readOnly), true);
      assert.equal(await page.evaluate(() => document.activeElement.dataset.controlId), '1001');
      // Tab order: message line, count box, "Començar" ("plot" is disabled),
      // then round to the instruments, the ball first.
      const order = [];
      for (let i = 0; i < 3; i++) {
        await page.keyboard.press('Tab');
        order.push(await page.evaluate(() => document.activeElement.dataset.controlId ??
                                             `instrument ${document.activeElement.dataset.instrument}`));
      }
      assert.deepEqual(order, ['1002', '1003', 'instrument 1']);
      await sleep(300);
      assert.deepEqual(page.errors, []);
      assert.equal(await page.evaluate(() => document.cookie), '');
      assert.deepEqual((await page.cookies()).length, 0);
      if (how.startsWith('served')) {
        assert.deepEqual(server.requests.slice(before), [new URL(server.url).pathname],
                         'one request, the page');
      }
      await page.closeAll();
    });
  }
});

describe('the same pixels as the desktop', () => {
  test('the start-up picture is the golden one', async () => {
    const page = await openPage(browser, server.url, {hidden: true});
    await enterLab(page);
    const diff = comparePixels(await canvasPixels(page), golden(STARTUP));
    assert.equal(diff.count, 0, `pixels differ from ${STARTUP}: ${JSON.stringify(diff)}`);
    await page.closeAll();
  });

  test('the graph with its line is the golden one', async () => {
    const page = await openPage(browser, server.url, {hidden: true});
    await enterLab(page);
    await page.evaluate(() => {
      const points = [0.7, 1.05, 1.0, 1.42, 1.2, 1.69, 1.5, 2.1, 1.9, 2.7];
      const at = Module._malloc(points.length * 8);
      Module.HEAPF64.set(points, at / 8);
      Module._lab_test_set_points(at, points.length / 2);
      Module._free(at);
      LabPage.repaint();
    });
    await idle(page);
    const diff = comparePixels(await canvasPixels(page), golden(GRAPH));
    assert.equal(diff.count, 0, `pixels differ from ${GRAPH}: ${JSON.stringify(diff)}`);
    await page.closeAll();
  });

  // What reaches the screen: every lab pixel an exact n x n block at a whole
  // device scale; at a fractional one, every screen pixel one of the lab's.
  for (const scale of [1, 2, 3, 1.5]) {
    test(`at a device scale of ${scale}`, async () => {
      const page = await openPage(browser, server.url, {hidden: true, scale});
      await enterLab(page);
      const p = await pagePoint(page, 0, 0);
      const shot = decodePng(Buffer.from(await page.screenshot({
        clip: {x: p.x - 0.5, y: p.y - 0.5, width: 690, height: 479}, captureBeyondViewport: false,
      })));
      const lab = golden(STARTUP);
      assert.equal(shot.width, Math.round(690 * scale));
      let bad = 0;
      let first = null;
      for (let y = 0; y < shot.height; y++) {
        for (let x = 0; x < shot.width; x++) {
          const i = (y * shot.width + x) * 4;
          const colour = [shot.rgba[i], shot.rgba[i + 1], shot.rgba[i + 2]];
          // The lab pixel this screen pixel shows; at a fractional scale
          // either neighbour along each axis may be the nearest.
          const candidates = [];
          const lx = Math.floor(x / scale), ly = Math.floor(y / scale);
          const spread = Number.isInteger(scale) ? [0] : [-1, 0, 1];
          for (const dy of spread) {
            for (const dx of spread) {
              const cx = Math.min(689, Math.max(0, lx + dx)), cy = Math.min(478, Math.max(0, ly + dy));
              const j = (cy * 690 + cx) * 4;
              candidates.push([lab.rgba[j], lab.rgba[j + 1], lab.rgba[j + 2]]);
            }
          }
          if (!candidates.some((c) => c[0] === colour[0] && c[1] === colour[1] && c[2] === colour[2])) {
            // The HTML controls lie over the picture's bottom row of panels.
            if (ly >= 440) continue;
            bad++;
            first ??= [x, y];
          }
        }
      }
      assert.equal(bad, 0, `screen pixels that are no lab pixel: first at ${first}`);
      await page.closeAll();
    });
  }
});

describe('the count box', () => {
  const rows = [
    {typed: 'abc', message: 'Introdu\u00efu un nombre enter.'},
    {typed: '0', message: 'Introdu\u00efu un nombre enter entre 1 i 999.'},
    {typed: '1000', message: 'Introdu\u00efu un nombre enter entre 1 i 999.'},
  ];
  for (const row of rows) {
    test(`"${row.typed}": the message, then the focus and selection back in the box`, async () => {
      const page = await openPage(browser, server.url);
      await enterLab(page);
      await page.click(ctl(0, 1002), {clickCount: 3});
      await page.keyboard.sendCharacter(row.typed);
      const box = await page.waitForSelector('dialog.lab-message[open]', {timeout: 5000});
      assert.equal(await box.$eval('p', (p) => p.textContent), row.message);
      assert.equal(await page.evaluate(() => document.activeElement.textContent), "D'acord");
      // The lab goes on moving under the message, as under any modal window.
      const clock = await probe(page, 'lab_model_clock');
      await sleep(300);
      assert.ok(await probe(page, 'lab_model_clock') > clock, 'the ticks go on');
      await page.click('dialog.lab-message button');
      await page.waitForFunction(() => !document.querySelector('dialog.lab-message'));
      await idle(page);
      const focus = await page.evaluate(() => {
        const e = document.activeElement;
        return [e.dataset.controlId, e.selectionStart, e.selectionEnd, e.value.length];
      });
      assert.deepEqual(focus, ['1002', 0, row.typed.length, row.typed.length]);
      assert.equal(await page.$$eval('dialog.lab-message', (d) => d.length), 0, 'one message');
      await page.closeAll();
    });
  }

  test('Enter presses the default button while it is enabled', async () => {
    const page = await openPage(browser, server.url);
    await enterLab(page);
    await page.focus(ctl(0, 1002));
    await page.keyboard.press('Enter');
    await idle(page);
    assert.equal(await text(page, 1001), ' Determina la constant el\u00e0stica');
    await page.$eval(ctl(0, 1001), (e) => e.focus());
    await page.keyboard.press('Enter');
    await idle(page);
    assert.equal(await text(page, 1001), ' Determina la constant el\u00e0stica');
    await page.closeAll();
  });
});

describe('the window menu', () => {
  const rows = [
    {how: 'a right press outside the box', open: (page) => pressAt(page, 600, 440, 'right'), menu: true},
    {how: 'F1', open: (page) => page.keyboard.press('F1'), menu: true},
    {how: 'a right press inside the box', open: (page) => pressAt(page, 60, 60, 'right'), menu: false},
  ];
  for (const row of rows) {
    test(`${row.how} ${row.menu ? 'offers' : 'does not offer'} "Acerca de trelko.exe"`, async () => {
      const page = await openPage(browser, server.url);
      await enterLab(page);
      await row.open(page);
      await idle(page);
      const item = await page.$('.lab-menu button');
      if (!row.menu) {
        assert.equal(item, null);
        await page.closeAll();
        return;
      }
      assert.equal(await item.evaluate((b) => b.textContent), 'Acerca de trelko.exe');
      await item.click();
      await waitForTitle(page, 1);
      await page.keyboard.press('Enter');
      await page.waitForFunction((sel) => !document.querySelector(sel), {}, win(1));
      assert.equal(await text(page, 1001), WELCOME);
      await page.closeAll();
    });
  }

  test('the browser\'s own menu never comes up over the lab', async () => {
    const page = await openPage(browser, server.url);
    await enterLab(page);
    const shown = await page.evaluate(() => {
      const e = new MouseEvent('contextmenu', {bubbles: true, cancelable: true});
      return document.querySelector('canvas.lab-surface').dispatchEvent(e);
    });
    assert.equal(shown, false);
    await page.closeAll();
  });
});

describe('the report and the kept series', () => {
  const IDM_COPY_DATA = 32, IDM_SAVE_DATA = 48, IDM_SAVE_GRAPH = 64, IDM_RESTORE_SERIES = 80;
  const menuStates = async (page) => {
    await pressAt(page, 600, 440, 'right');
    await idle(page);
    const states = await page.$$eval('.lab-menu button', (items) =>
      Object.fromEntries(items.map((b) => [b.dataset.command, !b.disabled])));
    await page.keyboard.press('Escape');
    return states;
  };
  const choose = async (page, command) => {
    await pressAt(page, 600, 440, 'right');
    await page.click(`.lab-menu button[data-command="${command}"]`);
    await idle(page);
  };

  test('copy and save need points; saving is a download; the series is kept in the page', async () => {
    const page = await openPage(browser, server.url);
    await enterLab(page);
    let states = await menuStates(page);
    for (const c of [IDM_COPY_DATA, IDM_SAVE_DATA, IDM_SAVE_GRAPH]) assert.equal(states[c], false, `item ${c}`);
    // One point in the table, from the page's own export for tests.
    await page.evaluate(() => {
      const at = Module._malloc(16);
      Module.HEAPF64.set([1.0, 1.42], at / 8);
      Module._lab_test_set_points(at, 1);
      Module._free(at);
    });
    // A timing and "plot" make the lab write its state and update its menu.
    await pressAt(page, ...STOPWATCH.powerOn);
    await pressAt(page, ...STOPWATCH.start);
    await sleep(300);
    await pressAt(page, ...STOPWATCH.stop);
    await idle(page);
    await page.click(ctl(0, 1004));
    await idle(page);
    assert.equal(await probe(page, 'lab_point_count'), 2);
    states = await menuStates(page);
    for (const c of [IDM_COPY_DATA, IDM_SAVE_DATA, IDM_SAVE_GRAPH]) assert.equal(states[c], true, `item ${c}`);
    await page.evaluate(() => {
      window.labDownloads = [];
      window.labBlobs = [];
      const create = URL.createObjectURL;
      URL.createObjectURL = (blob) => { window.labBlobs.push(blob); return create(blob); };
      HTMLAnchorElement.prototype.click = function () { window.labDownloads.push(this.download); };
    });
    await choose(page, IDM_SAVE_DATA);
    await choose(page, IDM_SAVE_GRAPH);
    // The picture is packed (asynchronously) before it is offered.
    await page.waitForFunction(() => window.labDownloads.length === 2);
    const downloads = await page.evaluate(() => window.labDownloads);
    assert.ok(downloads[1].endsWith('.png'), downloads[1]);
    const picture = await page.evaluate(async () => {
      const bitmap = await createImageBitmap(window.labBlobs[1]);
      return {size: window.labBlobs[1].size, pixels: bitmap.width * bitmap.height};
    });
    assert.ok(picture.size < picture.pixels * 3 / 4, JSON.stringify(picture));
    const kept = await page.evaluate(() => Object.keys(localStorage).filter((k) => k.startsWith('trelko/')));
    assert.equal(kept.length, 1, 'the kept series in local storage');
    // Reloaded (the browser's question answered yes), the series comes back.
    page.on('dialog', (d) => d.accept());
    await page.reload();
    await enterLab(page);
    assert.equal(await probe(page, 'lab_point_count'), 0);
    assert.equal((await menuStates(page))[IDM_RESTORE_SERIES], true);
    await choose(page, IDM_RESTORE_SERIES);
    assert.equal(await probe(page, 'lab_point_count'), 2);
    assert.deepEqual(page.errors, []);
    await page.closeAll();
  });
});

describe('the ball under the mouse and the finger', () => {
  test('a left drag places the ball; leaving the canvas lets it go where it was', async () => {
    const page = await openPage(browser, server.url);
    await enterLab(page);
    const [bx, by] = await ballPixel(page);
    let p = await pagePoint(page, bx, by);
    await page.mouse.move(p.x, p.y);
    await page.mouse.down();
    for (const [x, y] of [[100, 150], [80, 120], [70, 100]]) {
      p = await pagePoint(page, x, y);
      await page.mouse.move(p.x, p.y, {steps: 3});
    }
    await idle(page);
    const [x1, y1] = await ballPixel(page);
    assert.ok(Math.abs(x1 - 70) <= 1 && Math.abs(y1 - 100) <= 1, `ball at ${x1},${y1}`);
    // Out of the canvas (to the left of the window) and released there.
    p = await pagePoint(page, -40, 100);
    await page.mouse.move(p.x, p.y, {steps: 4});
    await page.mouse.up();
    await idle(page);
    const [x2] = await ballPixel(page);
    assert.ok(x2 >= 20 && x2 < 120, `the ball stays in the box (x ${x2})`);
    await page.closeAll();
  });

  test('a right drag throws the ball', async () => {
    const page = await openPage(browser, server.url);
    await enterLab(page);
    await sleep(2000);  // let the ball settle a little
    const [bx, by] = await ballPixel(page);
    let p = await pagePoint(page, bx, by);
    await page.mouse.move(p.x, p.y);
    await page.mouse.down({button: 'right'});
    // A short drag: a slow throw, which is still on its way to the wall
    // when it is read, however late a busy machine reads it.
    p = await pagePoint(page, bx + 20, by - 20);
    await page.mouse.move(p.x, p.y, {steps: 5});
    await page.mouse.up({button: 'right'});
    const [x0, x1] = await ballXNowAndLater(page);
    assert.ok(x1 - x0 > 5, `thrown to the right: ${x0} then ${x1}`);
    await page.closeAll();
  });

  test('a finger hangs a weight; held still, then dragged, it throws', async () => {
    const page = await openPage(browser, server.url, {touch: true});
    await enterLab(page);
    const [wx, wy] = weightOnRack(0);
    let p = await pagePoint(page, wx, wy);
    await page.touchscreen.tap(p.x, p.y);
    await idle(page);
    assert.equal(await text(page, 1001), ' Massa penjada del fil el\u00e0stic = 1.5 kg');
    const [bx, by] = await ballPixel(page);
    p = await pagePoint(page, bx, by);
    await page.touchscreen.touchStart(p.x, p.y);
    await sleep(700);
    const q = await pagePoint(page, bx - 20, by - 15);  // a slow throw, as above
    await page.touchscreen.touchMove(q.x, q.y);
    await page.touchscreen.touchEnd();
    const [x0, x1] = await ballXNowAndLater(page);
    assert.ok(x0 - x1 > 5, `thrown to the left: ${x0} then ${x1}`);
    await page.closeAll();
  });
});

describe('time', () => {
  test('the model keeps to real time while shown and pauses while hidden', async () => {
    const page = await openPage(browser, server.url);
    await enterLab(page);
    const read = () => page.evaluate(() => [Module._lab_model_clock(), performance.now()]);
    const [m0, t0] = await read();
    await sleep(15000);
    const [m1, t1] = await read();
    const ratio = (m1 - m0) / ((t1 - t0) / 1000);
    assert.ok(Math.abs(ratio - 1) <= 0.02, `model ${(m1 - m0).toFixed(2)} s in ${(t1 - t0).toFixed(0)} ms`);
    await page.evaluate(() => window.labTestSetHidden(true));
    await sleep(100);
    const [h0] = await read();
    await sleep(1500);
    const [h1] = await read();
    assert.equal(h1, h0, 'no tick while hidden');
    await page.evaluate(() => window.labTestSetHidden(false));
    await sleep(500);
    const [s1] = await read();
    assert.ok(s1 - h1 <= 0.6, `no burst of missed ticks: ${(s1 - h1).toFixed(2)} s in 0.5 s`);
    await page.closeAll();
  });
});

describe('the whole experiment by clicks', () => {
  test('three timings, the graph and k', async () => {
    const page = await openPage(browser, server.url);
    await enterLab(page);
    const press = async ([x, y]) => { await pressAt(page, x, y); await idle(page); };
    const message = () => text(page, 1001);
    const count = 2;
    await page.click(ctl(0, 1002), {clickCount: 3});
    await page.keyboard.type(String(count));
    await press(STOPWATCH.powerOn);
    await page.click(ctl(0, 1003));
    await idle(page);
    assert.equal(await message(), ' Determina la constant el\u00e0stica');

    // 1.0 kg as it starts, then 1.5 kg and 1.7 kg.
    const timings = [];
    for (const [mass, weight] of [[1.0, -1], [1.5, 0], [1.7, 2]]) {
      if (weight >= 0) {
        await press(weightOnRack(weight));
        assert.equal(await message(), ` Massa penjada del fil el\u00e0stic = ${mass.toFixed(1)} kg`);
      }
      await timeOscillations(page, press, mass, count);
      const m = (await message()).match(
          /^ Durada de (\d+) oscil\u00b7lacions: +(\d+\.\d) s {2}\(Per\u00edode: T = (\d\.\d\d) s\)$/);
      assert.ok(m, await message());
      const t = Number(m[2]);
      assert.equal(Number(m[1]), count);
      assert.equal(m[3], (t / count).toFixed(2));
      assert.equal(await enabled(page, 1004), true);
      await page.click(ctl(0, 1004));
      await idle(page);
      assert.equal(await enabled(page, 1004), false);
      timings.push([mass, (t / count) ** 2]);
    }
    assert.equal(await probe(page, 'lab_point_count'), 3);
    // The line through the three points, as the lab fits it.
    const n = timings.length;
    const sx = timings.reduce((s, [x]) => s + x, 0), sy = timings.reduce((s, [, y]) => s + y, 0);
    const sxx = timings.reduce((s, [x]) => s + x * x, 0);
    const sxy = timings.reduce((s, [x, y]) => s + x * y, 0);
    const slope = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    const fit = (await message()).match(
        /^ El pendent de la recta dibuixada \u00e9s: +(\d+\.\d\d)\. Per tant, k = +(\d+\.\d\d) N\/m$/);
    assert.ok(fit, await message());
    assert.equal(fit[1], slope.toFixed(2));
    assert.equal(fit[2], (39.478418 / slope).toFixed(2));
    // The points and the green line are on the canvas.
    const pixels = await canvasPixels(page);
    let green = 0;
    for (let i = 0; i < pixels.rgba.length; i += 4) {
      if (pixels.rgba[i] === 0 && pixels.rgba[i + 1] === 200 && pixels.rgba[i + 2] === 100) green++;
    }
    assert.ok(green > 100, `the fitted line: ${green} pixels`);

    // Leaving the page now asks first.
    let asked = 0;
    page.on('dialog', async (d) => { if (d.type() === 'beforeunload') asked++; await d.dismiss(); });
    await page.reload({timeout: 3000}).catch(() => {});
    assert.equal(asked, 1, 'the browser asks before the points are lost');
    await page.closeAll();
  });

  test('Escape ends the program and the page starts it again', async () => {
    const page = await openPage(browser, server.url);
    await enterLab(page);
    await page.$eval(ctl(0, 1002), (e) => e.focus());
    await page.keyboard.press('Escape');
    await waitForTitle(page, 1);
    assert.equal(await page.evaluate(() => document.documentElement.dataset.labRuns), '2');
    await enterLab(page);
    assert.equal(await text(page, 1001), WELCOME);
    // With no point in the table the page goes without asking.
    let asked = 0;
    page.on('dialog', async (d) => { asked++; await d.dismiss(); });
    await page.reload();
    assert.equal(asked, 0);
    await page.closeAll();
  });
});

// The whole experiment by keys: Enter on the title, the count, the switch,
// the weights, the ball held by an arrow, brought 2 cm below where it hangs
// at rest and let go, the stopwatch's buttons and "plot", all reached by
// Tab. Masses 0.7, 1.2 and 1.9 kg over `count` oscillations; returns k.
async function experimentByKeys(page, count = 5) {
  await enterLab(page, {byKey: true});
  const message = () => text(page, 1001);
  const key = async (k, times = 1) => {
    for (let i = 0; i < times; i++) await page.keyboard.press(k);
    await idle(page);
    await sleep(120);  // a pressed picture holds the window 0.1 s
  };
  const press = async (selector, k = ' ') => { await tabTo(page, selector); await key(k); };
  await tabTo(page, ctl(0, 1002));
  await page.keyboard.type(String(count));
  await key('Enter');  // "Començar", the default button, outside the instruments
  await press(instrument(INSTRUMENT.power));
  const [w02a, w02b, w03, w05] = INSTRUMENT.weights.map((id) => instrument(id));
  const {naturalLength, gravity, stringK} = LAYOUT.physical;
  for (const [mass, weights] of [[0.7, [w03]], [1.2, [w05]], [1.9, [w02a, w02b, w03]]]) {
    // Enter on a weight is the weight's, as Space is.
    for (const w of weights) await press(w, w === w03 ? 'Enter' : ' ');
    assert.equal(await message(), ` Massa penjada del fil el\u00e0stic = ${mass.toFixed(1)} kg`);
    const ball = instrument(INSTRUMENT.ball);
    await press(ball, 'ArrowDown');
    const across = Math.round((await probe(page, 'lab_ball', 0)) * 100);
    await key(across > 0 ? 'ArrowLeft' : 'ArrowRight', Math.abs(across));
    const depth = Number(/^Bola, agafada, (\d+) cm per sota del punt fix$/.exec(await label(page, ball))[1]);
    const down = Math.round(100 * (naturalLength + mass * gravity / stringK)) + 2 - depth;
    await key(down > 0 ? 'ArrowDown' : 'ArrowUp', Math.abs(down));
    await key(' ');
    assert.match(await label(page, ball), /^Bola, en moviment, /);
    // Timed on the lab's clock, which the ball keeps to, half a tenth late
    // as the display truncates. The page looks hidden (the clock stands
    // still) while start and stop are pressed: a busy machine's slow keys
    // cannot change the reading, as a student's quick hand would not.
    const display = instrument(INSTRUMENT.display);
    const still = async (hidden) => { await page.evaluate((h) => labTestSetHidden(h), hidden); await idle(page); };
    await press(instrument(INSTRUMENT.reset));
    await tabTo(page, instrument(INSTRUMENT.start));
    await still(true);
    const until = await probe(page, 'lab_model_clock') + count * 2 * Math.PI * Math.sqrt(mass / stringK) + 0.05;
    await key(' ');
    await page.keyboard.press('Tab');
    await still(false);
    await page.evaluate((t) => new Promise((stopped) => (function poll() {
      if (Module._lab_model_clock() < t) { setTimeout(poll, 2); return; }
      labTestSetHidden(true);
      stopped();
    })()), until);
    // While it runs the display reads no number.
    assert.equal(await page.$eval(display, (e) => e.textContent), 'en marxa');
    await key(mass === 1.9 ? 'Enter' : ' ');
    await still(false);
    assert.match(await message(), new RegExp(`^ Durada de ${count} oscil\u00b7lacions: `));
    assert.match(await label(page, display), /, aturat, \d+\.\d s$/);
    await press(ctl(0, 1004));
  }
  // The graph's table: a header and the three points; its line's k is the
  // message line's, which the live region has read.
  const graph = await page.$eval(instrument(INSTRUMENT.graph), (e) => [e.querySelectorAll('tr').length, e.textContent]);
  const k = /Per tant, k = +(\d+\.\d\d) N\/m$/.exec(await message())?.[1];
  assert.equal(graph[0], 4);
  assert.ok(k && graph[1].endsWith(`k = ${k} N/m`), `${graph[1]} / ${await message()}`);
  assert.equal(await page.$eval('#lab-live', (e) => e.textContent), (await message()).trim());
  return Number(k);
}

describe('the keyboard, screen readers and any screen', () => {
  test('by keyboard alone, no mouse or finger: three masses timed, plotted, and k', async (t) => {
    const page = await openPage(browser, server.url);
    await page.evaluate(() => ['pointerdown', 'mousedown', 'touchstart'].forEach((type) =>
      document.addEventListener(type, () => { window.labPointer = true; }, true)));
    const k = await experimentByKeys(page);
    t.diagnostic(`k = ${k}`);
    assert.ok(Math.abs(k / LAYOUT.physical.stringK - 1) <= 0.03, `k = ${k}`);
    assert.equal(await page.evaluate(() => window.labPointer), undefined);
    assert.deepEqual(page.errors, []);
    await page.closeAll();
  });

  test('the focused ball\'s mark is where the ball is at every tick while it swings', async () => {
    const page = await openPage(browser, server.url);
    await enterLab(page, {byKey: true});
    const ball = instrument(INSTRUMENT.ball);
    await tabTo(page, ball);
    for (const k of ['ArrowDown', 'ArrowRight', 'ArrowRight', 'ArrowRight', 'ArrowRight', ' ']) {
      await page.keyboard.press(k);
    }
    // Each sample reads the model and the mark in one task, between ticks.
    const box = LAYOUT.simulationBox;
    const perMetre = box.height / (LAYOUT.boxWorld.top - LAYOUT.boxWorld.bottom);
    const moved = new Set();
    for (let i = 0; i < 12; i++) {
      await sleep(70);
      const [ballAt, markAt] = await page.$eval(ball, (e, b, m) => {
        const canvas = e.closest('.lab-window').querySelector('canvas').getBoundingClientRect();
        const r = e.getBoundingClientRect();
        return [[b.left + b.width / 2 + Module._lab_ball(0) * m, b.top - Module._lab_ball(1) * m],
                [r.left + r.width / 2 - canvas.left, r.top + r.height / 2 - canvas.top]];
      }, box, perMetre);
      moved.add(Math.round(ballAt[0]));
      assert.ok(Math.hypot(ballAt[0] - markAt[0], ballAt[1] - markAt[1]) <= 2,
                `ball at ${ballAt}, its mark at ${markAt}`);
    }
    assert.ok(moved.size > 3, 'the ball swung');
    assert.deepEqual(page.errors, []);
    await page.closeAll();
  });

  test('axe-core\'s WCAG 2.1 A and AA rules and Chromium\'s accessibility tree', async () => {
    const page = await openPage(browser, server.url);
    await waitForTitle(page, 1);
    const cdp = await page.createCDPSession();
    // What Chromium gives a screen reader: "role: name[, checked]" in page order.
    const tree = async () => (await cdp.send('Accessibility.getFullAXTree')).nodes.filter((n) => !n.ignored)
        .map((n) => [`${n.role.value}: ${n.name?.value ?? ''}`, ...(n.properties || [])
            .filter((p) => p.name === 'checked').map((p) => `checked ${p.value.value}`)].join(', ')
            .replace(/\d+ cm/, 'N cm').replace('en repòs', 'en moviment'));
    const missing = async (lines) => { const now = await tree(); return lines.filter((l) => !now.includes(l)); };
    const found = {title: await axeViolations(page)};
    assert.deepEqual(await missing(['image: Llei de Trelko']), []);
    await enterLab(page, {byKey: true});
    found.window = await axeViolations(page);
    assert.deepEqual(await missing([
      "textbox: Nombre d'oscil\u00b7lacions", 'textbox: Missatge', 'main: ', 'heading: Llei de Trelko',
      'application: Bola, en moviment, N cm per sota del punt fix', 'switch: Interruptor del cron\u00f2metre, checked false',
      'status: Pantalla del cron\u00f2metre, apagat', 'button: reset', 'button: start', 'button: stop',
      'button: Pes de 0.2 kg, al penjador', 'button: Pes de 0.2 kg, al penjador',
      'button: Pes de 0.3 kg, penjat del fil', 'button: Pes de 0.5 kg, al penjador',
      'status: Massa penjada, 1.0 kg', 'group: Gr\u00e0fic de T\u00b2 davant m',
    ]), []);
    await page.keyboard.press('F1');
    await page.waitForSelector('.lab-menu button');
    found.menu = await axeViolations(page);
    await page.keyboard.press('Escape');
    await tabTo(page, ctl(0, 1002));
    await page.keyboard.type('abc');
    await page.waitForSelector('dialog.lab-message[open]');
    found.message = await axeViolations(page);
    assert.deepEqual(await missing(['dialog: Llei de Trelko']), []);
    assert.deepEqual(found, {title: [], window: [], menu: [], message: []});
    await page.closeAll();
  });

  // The window fits: at a scale of 1 where it can, shrunk to fit where it
  // cannot, never below the legible 0.6 on a screen wider than high (the
  // page scrolls then), on one held upright as far as it takes; never at a
  // negative place; turned, it fits again. Then a finger's tap just above
  // the small switch turns it on, and one on a weight hangs it.
  const screens = [[844, 390, 3, 'whole'], [390, 844, 3, 'whole'], [320, 256, 4], [768, 1024, 2, 'whole'], [1366, 657, 1, 'whole']];
  for (const [width, height, scale, whole] of screens) {
    test(`${width} x ${height} at ${scale}: the whole window, at the best scale`, async () => {
      const page = await openPage(browser, server.url, {width, height, scale, touch: true});
      await enterLab(page);
      for (const [w, h] of [[height, width], [width, height]]) {
        await page.setViewport({width: w, height: h, deviceScaleFactor: scale, hasTouch: true});
        await sleep(100);
        const f = await page.$eval(win(0), (root) => {
          const cv = root.querySelector('canvas'), r = root.getBoundingClientRect(), c = cv.getBoundingClientRect();
          const e = document.documentElement, turn = document.getElementById('lab-turn');
          return {box: [r.left + scrollX, r.top + scrollY, r.right + scrollX, r.bottom + scrollY],
                  canvas: [c.left - r.left, c.top - r.top, r.right - c.right, r.bottom - c.bottom, c.width / cv.width, c.height / cv.height],
                  scrolls: e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight,
                  invite: turn !== null && !turn.hidden ? turn.getBoundingClientRect().bottom : 0,
                  view: [e.clientWidth, e.clientHeight], scroll: [e.scrollWidth, e.scrollHeight]};
        });
        const at = `${w} x ${h}: ${JSON.stringify(f)}`;
        const s = f.canvas[4];
        assert.ok(f.box[0] >= 0 && f.box[1] >= 0 && f.box[2] < f.scroll[0] + 1 && f.box[3] < f.scroll[1] + 1, at);
        assert.ok(f.canvas.slice(0, 4).every((d) => d >= 0) && Math.abs(s - f.canvas[5]) < 1e-6, `canvas whole, ${at}`);
        // The best scale: the window as large as the view lets it be (with
        // the invitation below it, upright), or 1, or the legible floor.
        const spare = [f.view[0] - (f.box[2] - f.box[0]), f.view[1] - (f.invite || f.box[3]) + f.box[1]];
        const best = s === 1 || (s === 0.6 && w > h) || Math.min(...spare) < 4 + (f.invite ? 56 : 0);
        assert.ok(best && s <= 1, `the best scale, ${at}`);
        assert.equal(f.scrolls, s === 0.6 && w >= h && Math.min(...spare) < 0, `scrolls, ${at}`);
        assert.equal(f.invite > 0, h > w && s < 0.6, `asked to turn, ${at}`);
        if (w === width) assert.equal(!f.scrolls, !!whole, at);
      }
      const sw = await page.$eval(instrument(INSTRUMENT.power), (e) => {
        e.scrollIntoView({block: 'center', inline: 'center'});
        const r = e.getBoundingClientRect();
        return {x: r.left + r.width / 2, y: r.top, height: r.height};
      });
      assert.ok(sw.height < 18, `the switch is ${sw.height} CSS px high`);
      await page.touchscreen.tap(sw.x, sw.y - 2.5);
      await idle(page);
      assert.equal(await page.$eval(instrument(INSTRUMENT.power), (e) => e.getAttribute('aria-checked')), 'true');
      const p = await pagePoint(page, ...weightOnRack(3));
      await page.touchscreen.tap(p.x, p.y);
      await idle(page);
      assert.equal(await text(page, 1001), ' Massa penjada del fil el\u00e0stic = 1.2 kg');
      await page.closeAll();
    });
  }
});

describe('other engines', () => {
  test('Gecko (Firefox ESR over WebDriver BiDi): the whole experiment by keys, from a folder', async () => {
    const firefox = await launchBrowser({firefox: true});
    try {
      const page = await openPage(firefox, fileUrl());
      assert.ok(Math.abs(await experimentByKeys(page) / LAYOUT.physical.stringK - 1) <= 0.03);
      assert.deepEqual(page.errors, []);
    } finally {
      await firefox.close();
    }
  });

  test('WebKit (WebKitWebDriver, on a virtual X screen): Enter, a click, a weight by keys', () => {
    const run = spawnSync('sh', ['-c', `. scripts/xvfb.sh && xvfb_start random && DISPLAY=$XVFB_DISPLAY \
        /usr/bin/python3 tests/web/webkit_page.py "${pagePath}"; rc=$?; xvfb_stop; exit $rc`],
    {cwd: sourceDir, encoding: 'utf8', timeout: 120000});
    assert.equal(run.status, 0, `${run.stdout}\n${run.stderr}`);
  });
});
