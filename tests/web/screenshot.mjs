// Takes the README's picture of the web page in headless Chromium, as a
// student sees it after three timings: the points, the fitted line and k.
//
//   node tests/web/screenshot.mjs [docs/images/web-page.png]
import fs from 'node:fs';

import {
  ctl, enterLab, idle, launchBrowser, openPage, pressAt, startServer, STOPWATCH,
  timeOscillations, weightOnRack,
} from './support/lab_browser.mjs';

const out = process.argv[2] || 'docs/images/web-page.png';
const browser = await launchBrowser();
const server = await startServer();
try {
  const page = await openPage(browser, server.url);
  await page.setViewport({width: 820, height: 600});
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
  await page.mouse.move(5, 5);
  await page.screenshot({path: out});
  console.log(`${out}: ${await page.$eval(ctl(0, 1001), (e) => e.value)}`);
  await page.closeAll();
} finally {
  await browser.close();
  await server.close();
}
fs.accessSync(out);
