// Takes the README's picture of the web page in headless Chromium, as a
// student sees it after three timings: the points, the fitted line and k.
// A screen's size and scale (CSS pixels) take it as on that screen: the
// phone's picture is `docs/images/web-phone.png 844x390x3` (a scale above 1
// is a phone's screen, touched). With `menu` the window menu is opened from
// the caption's icon first.
//
//   node tests/web/screenshot.mjs [docs/images/web-page.png] [WIDTHxHEIGHTxSCALE] [menu]
import fs from 'node:fs';

import {
  ctl, enterLab, idle, launchBrowser, openPage, pressAt, startServer, STOPWATCH,
  timeOscillations, weightOnRack,
} from './support/lab_browser.mjs';

const out = process.argv[2] || 'docs/images/web-page.png';
const [width, height, scale] = (process.argv[3] || '820x600x1').split('x').map(Number);
const browser = await launchBrowser();
const server = await startServer();
try {
  const phone = scale > 1;
  const page = await openPage(browser, server.url, {width, height, scale, touch: phone, mobile: phone});
  await enterLab(page);
  const press = async ([x, y]) => { await pressAt(page, x, y); await idle(page); };
  const count = 3;
  await page.click(ctl(0, 1002), {clickCount: 3});
  await page.keyboard.type(String(count));
  await press(STOPWATCH.powerOn);
  for (const [mass, weight] of [[1.0, -1], [1.5, 0], [1.7, 2]]) {
    if (weight >= 0) await press(weightOnRack(weight));
    await timeOscillations(page, press, mass, count);
    await page.click(ctl(0, 1004));
    await idle(page);
  }
  if (process.argv[4] === 'menu') {
    await page.tap('.lab-window[data-level="0"] .lab-menu-button');
    await idle(page);
  } else if (!phone) {
    await page.mouse.move(5, 5);
  }
  await page.screenshot({path: out});
  console.log(`${out}: ${await page.$eval(ctl(0, 1001), (e) => e.value)}`);
  await page.closeAll();
} finally {
  await browser.close();
  await server.close();
}
fs.accessSync(out);
