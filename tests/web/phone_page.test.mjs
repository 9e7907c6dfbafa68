// The page on a phone, touched by a finger only: upright and sideways,
// turned between them; the caption's control and the window menu; and the
// instruments as a screen reader's browse mode meets them.
import assert from 'node:assert/strict';
import {describe, test} from 'node:test';

import {
  ctl, enterLab, idle, instrument, INSTRUMENT, openPage, pagePoint, sleep, startForTests, tabTo,
  text, waitForTitle, win,
} from './support/lab_browser.mjs';

let browser;
let server;
startForTests((b, s) => {
  browser = b;
  server = s;
});

const MENU_BUTTON = `${win(0)} .lab-menu-button`;

// Where things are on the screen, in CSS pixels of the visible page.
const layout = (page) => page.evaluate((sel) => {
  const box = (el) => { const r = el.getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom]; };
  const e = document.documentElement, v = window.visualViewport;
  const turn = document.getElementById('lab-turn');
  const menu = document.querySelector('.lab-menu');
  return {
    view: [v.width, v.height], zoom: v.scale,
    scrolls: e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight,
    window: box(document.querySelector('.lab-window[data-level="0"]')),
    client: box(document.querySelector('.lab-window[data-level="0"] .lab-client')),
    button: box(document.querySelector(sel)),
    turn: turn && !turn.hidden ? box(turn) : null,
    menu: menu ? box(menu) : null,
    items: menu ? [...menu.querySelectorAll('button')].map((b) => ({
      text: b.textContent, enabled: !b.disabled, colour: getComputedStyle(b).color})) : [],
  };
}, MENU_BUTTON);

const inside = (r, [w, h]) => r[0] >= -0.5 && r[1] >= -0.5 && r[2] <= w + 0.5 && r[3] <= h + 0.5;
const within = (r, o) => r[0] >= o[0] - 0.5 && r[1] >= o[1] - 0.5 && r[2] <= o[2] + 0.5 && r[3] <= o[3] + 0.5;
const middle = (r) => ({x: (r[0] + r[2]) / 2, y: (r[1] + r[3]) / 2});

describe('a phone, a finger', () => {
  test('upright and sideways, turned and back: the whole window, no zoom, the menu on screen', async () => {
    const phone = {width: 390, height: 844, scale: 3, touch: true, mobile: true};
    const page = await openPage(browser, server.url, phone);
    await waitForTitle(page, 1);
    await page.tap(ctl(1, 1));  // "Entra", by a finger
    await page.waitForFunction((sel) => !document.querySelector(sel), {}, win(1));
    await idle(page);
    // A whole number: the keyboard of digits.
    assert.equal(await page.$eval(ctl(0, 1002), (e) => e.inputMode), 'numeric');

    for (const [width, height] of [[390, 844], [844, 390], [390, 844], [360, 740], [740, 360], [360, 740]]) {
      await page.setViewport({width, height, deviceScaleFactor: 3, hasTouch: true, isMobile: true,
                              isLandscape: width > height});
      await sleep(150);
      const at = await layout(page);
      const where = `${width} x ${height}: ${JSON.stringify(at)}`;
      assert.ok(Math.abs(at.zoom - 1) < 1e-3, `no zoom left over, ${where}`);
      assert.equal(at.scrolls, false, `nothing to scroll, ${where}`);
      assert.ok(inside(at.window, at.view), `the whole window in view, ${where}`);
      // Upright, the invitation to turn the phone, in view below the window.
      if (height > width) {
        assert.ok(at.turn && inside(at.turn, at.view) && at.turn[1] >= at.window[3] - 0.5, `turn, ${where}`);
      } else {
        assert.equal(at.turn, null, `no invitation sideways, ${where}`);
      }
      // (24 CSS px, but for the scale's rounding in the last digits)
      assert.ok(at.button[2] - at.button[0] > 23.99 && at.button[3] - at.button[1] > 23.99,
                `the menu's control is a finger's size, ${where}`);
    }

    // Upright: the caption's control opens the menu and closes it again.
    await page.setViewport({width: 390, height: 844, deviceScaleFactor: 3, hasTouch: true, isMobile: true});
    await sleep(150);
    assert.equal(await page.$eval(MENU_BUTTON, (b) => b.getAttribute('aria-haspopup')), 'menu');
    let at = await layout(page);
    await page.touchscreen.tap(middle(at.button).x, middle(at.button).y);
    await idle(page);
    at = await layout(page);
    assert.ok(at.menu && inside(at.menu, at.view) && within(at.menu, at.client), JSON.stringify(at));
    assert.equal(await page.$eval(MENU_BUTTON, (b) => b.getAttribute('aria-expanded')), 'true');
    // Greyed items (nothing to copy yet) look greyed.
    const copy = at.items.find((i) => i.text === 'Copia les dades');
    const about = at.items.find((i) => i.text === 'Acerca de trelko.exe');
    assert.ok(copy && !copy.enabled && about.enabled && copy.colour !== about.colour, JSON.stringify(at.items));
    await page.touchscreen.tap(middle(at.button).x, middle(at.button).y);
    await idle(page);
    assert.equal((await layout(page)).menu, null);

    // A long press at the lower right corner brings the menu up, whole on
    // the screen; the finger lifting off it picks nothing.
    const corner = await pagePoint(page, 684, 474);
    await page.touchscreen.touchStart(corner.x, corner.y);
    await sleep(700);
    await idle(page);
    await page.touchscreen.touchEnd();
    await idle(page);
    await sleep(100);
    at = await layout(page);
    assert.ok(at.menu && inside(at.menu, at.view) && within(at.menu, at.client), JSON.stringify(at));
    assert.equal(await page.$(win(1)), null, 'nothing picked');
    // A tap on an item then picks it.
    await sleep(400);
    await page.tap('.lab-menu button[data-command]:enabled');
    await waitForTitle(page, 1);
    await page.tap(ctl(1, 1));
    await page.waitForFunction((sel) => !document.querySelector(sel), {}, win(1));
    assert.deepEqual(page.errors, []);
    await page.closeAll();
  });
});

describe('a screen reader\'s browse mode', () => {
  test('the keys pass to the instruments, a press is a click, a change is read once', async () => {
    const page = await openPage(browser, server.url);
    await enterLab(page, {byKey: true});
    const attributes = (id) => page.$eval(instrument(id), (e) => ({
      role: e.getAttribute('role'), kind: e.getAttribute('aria-roledescription'),
      keys: e.getAttribute('aria-description')}));
    const ball = await attributes(INSTRUMENT.ball);
    assert.equal(ball.role, 'application');  // browse mode lets its keys through
    assert.equal(ball.kind, 'bola');
    assert.match(ball.keys, /^Fletxes: /);
    assert.match((await attributes(INSTRUMENT.weights[0])).keys, /^Espai o Retorn/);

    // Browse mode presses a button by clicking it.
    await page.$eval(instrument(INSTRUMENT.weights[0]), (e) => e.click());
    await idle(page);
    assert.equal(await text(page, 1001), ' Massa penjada del fil el\u00e0stic = 1.2 kg');

    // The focused instrument's own change is read once; the ball's depth
    // alone, changing at every tick, is not read.
    const live = () => page.$eval('#lab-live', (e) => e.textContent);
    await page.evaluate(() => {
      window.labHeard = [];
      new MutationObserver(() => window.labHeard.push(document.getElementById('lab-live').textContent))
          .observe(document.getElementById('lab-live'), {childList: true, characterData: true, subtree: true});
    });
    await tabTo(page, instrument(INSTRUMENT.weights[1]));
    await page.keyboard.press(' ');
    await idle(page);
    assert.equal(await live(), 'Massa penjada del fil el\u00e0stic = 1.4 kg. Pes de 0.2 kg, penjat del fil');
    await tabTo(page, instrument(INSTRUMENT.ball));
    await page.keyboard.press('ArrowDown');
    await idle(page);
    assert.match(await live(), /^Bola, agafada, \d+ cm per sota del punt fix$/);
    await page.keyboard.press(' ');
    await idle(page);
    const heard = (await page.evaluate(() => window.labHeard.length));
    await sleep(600);  // twelve ticks of a swinging ball
    assert.match(await live(), /^Bola, en (moviment|rep\u00f2s), /);
    assert.equal(await page.evaluate(() => window.labHeard.length), heard, 'the swing is not read');

    // The graph is read on focus: its description holds the summary and
    // the points.
    const described = await page.$eval(instrument(INSTRUMENT.graph), (e) =>
      e.getAttribute('aria-describedby').split(' ').map((id) => document.getElementById(id) !== null));
    assert.deepEqual(described, [true, true]);
    assert.deepEqual(page.errors, []);
    await page.closeAll();
  });
});
