// The web page's figures in headless Chromium: the cost of one tick and of
// one full paint of the main window (medians of performance.now() around the
// core's exported calls, in the page), the time from navigation to the first
// frame on the canvas, and the page's weight.
//
//   node bench/web/page_bench.mjs [--page build/web/trelko.html] [--json out.json]
//        [--ticks 6000] [--paints 300] [--loads 5]
//
// A page's performance.now() steps by 0.1 ms (no cross-origin isolation), so
// each sample times a batch of calls and gives the cost of one; the figure
// is the median of the samples.
import fs from 'node:fs';

import path from 'node:path';

const args = Object.fromEntries(process.argv.slice(2).reduce((pairs, a, i, all) => {
  if (a.startsWith('--')) pairs.push([a.slice(2), all[i + 1]]);
  return pairs;
}, []));
if (args.page) process.env.LAB_WEB_PAGE = path.resolve(args.page);
const {enterLab, idle, launchBrowser, openPage, pagePath, pressAt, startServer, waitForTitle} =
  await import('../../tests/web/support/lab_browser.mjs');
const ticks = Number(args.ticks || 6000);
const paints = Number(args.paints || 300);
const loads = Number(args.loads || 5);

const median = (values) => {
  const s = [...values].sort((a, b) => a - b);
  const m = s.length >> 1;
  return s.length % 2 ? s[m] : (s[m - 1] + s[m]) / 2;
};

// Times n calls of one export in batches; microseconds per call, a sample
// per batch.
function timeCalls(name, n, batch) {
  const f = Module['_' + name];
  const samples = [];
  for (let done = 0; done < n; done += batch) {
    const t0 = performance.now();
    for (let i = 0; i < batch; i++) f();
    samples.push(((performance.now() - t0) * 1000) / batch);
  }
  return samples;
}

const browser = await launchBrowser();
const server = await startServer();
const result = {page_bytes: fs.statSync(pagePath).size};
try {
  const firstFrames = [];
  for (let i = 0; i < loads; i++) {
    const page = await openPage(browser, server.url);
    await waitForTitle(page, 1);
    firstFrames.push(await page.evaluate(() => LabPage.firstFrame()));
    await page.closeAll();
  }
  result.first_frame_ms = median(firstFrames);

  // The lab hidden: its own ticks do not run between the measured ones.
  const page = await openPage(browser, server.url, {hidden: true});
  await enterLab(page);
  // As the native benchmark does, the ball is released from 0.1 m right of
  // the string's end and 0.45 m below it, again every 400 ticks, so that
  // every tick draws a swinging ball.
  const tickSamples = [];
  for (let done = 0; done < ticks; done += 400) {
    await pressAt(page, 120 + 0.1 * 400, 20 + 0.45 * 400);
    await idle(page);
    tickSamples.push(...await page.evaluate(timeCalls, 'lab_bench_tick', 400, 100));
  }
  const paintSamples = await page.evaluate(timeCalls, 'lab_bench_paint', paints, 5);
  result.tick_us = median(tickSamples);
  result.paint_us = median(paintSamples);
  result.timer_resolution_us = await page.evaluate(() => {
    let least = Infinity;
    for (let i = 0; i < 1000; i++) {
      const a = performance.now();
      let b = performance.now();
      while (b === a) b = performance.now();
      least = Math.min(least, b - a);
    }
    return least * 1000;
  });
  result.ticks = ticks;
  result.paints = paints;
  await page.closeAll();
} catch (e) {
  result.error = String(e.message || e);
} finally {
  await browser.close();
  await server.close();
}
const out = JSON.stringify(result, null, 2);
if (args.json) fs.writeFileSync(args.json, out + '\n');
console.log(out);
