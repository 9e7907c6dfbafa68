// Where the first frame's time goes: one load of the page with the
// processor slowed (DevTools CPU throttling), traced from navigation until
// the title dialog shows, and the renderer's main-thread time summed by
// what it did (the HTML's parsing, the script's compiling and running, the
// WebAssembly's compiling, layout and paint), with the longest tasks.
//
//   node bench/web/first_frame_trace.mjs [--page build/web/trelko.html] [--slowdown 6]
//        [--trace out.json]
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';

import puppeteer from '../../tests/web/node_modules/puppeteer-core/lib/esm/puppeteer/puppeteer-core.js';

const args = Object.fromEntries(process.argv.slice(2).reduce((pairs, a, i, all) => {
  if (a.startsWith('--')) pairs.push([a.slice(2), all[i + 1]]);
  return pairs;
}, []));
const pagePath = path.resolve(args.page || 'build/web/trelko.html');
const slowdown = Number(args.slowdown || 6);

const server = http.createServer((req, res) => {
  res.writeHead(200, {'Content-Type': 'text/html; charset=utf-8'});
  fs.createReadStream(pagePath).pipe(res);
});
await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
const url = `http://127.0.0.1:${server.address().port}/page.html`;
const userDataDir = fs.mkdtempSync(path.join(os.tmpdir(), 'trelko-trace-'));
const browser = await puppeteer.launch({
  executablePath: process.env.LAB_CHROMIUM || '/usr/bin/chromium', headless: true, userDataDir,
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
         '--disable-component-update'],
});
try {
  const page = await browser.newPage();
  await page.setViewport({width: 800, height: 620});
  await page.emulateCPUThrottling(slowdown);
  const traceFile = args.trace || path.join(userDataDir, 'trace.json');
  await page.tracing.start({path: traceFile, categories: [
    'devtools.timeline', 'v8', 'v8.execute', 'v8.wasm', 'blink', 'loading',
    'disabled-by-default-devtools.timeline', 'disabled-by-default-v8.compile',
    'disabled-by-default-v8.wasm.detailed']});
  // The script's functions by their own time, sampled every 0.1 ms.
  const cdp = await page.createCDPSession();
  await cdp.send('Profiler.enable');
  await cdp.send('Profiler.setSamplingInterval', {interval: 100});
  await cdp.send('Profiler.start');
  const t0 = Date.now();
  await page.goto(url, {waitUntil: 'domcontentloaded'});
  await page.waitForFunction(() => {
    const w = document.querySelector('.lab-window[data-level="1"]');
    return w && getComputedStyle(w).visibility === 'visible';
  }, {polling: 'mutation', timeout: 60000});
  const shown = await page.evaluate(() => performance.now());
  const picture = await page.evaluate(() => {
    const p = performance.getEntriesByType('paint').find((e) => e.name === 'first-contentful-paint');
    return p ? p.startTime : -1;
  });
  await page.tracing.stop();
  const {profile} = await cdp.send('Profiler.stop');
  const selfMs = new Map();
  const nodes = new Map(profile.nodes.map((n) => [n.id, n]));
  profile.samples.forEach((id, i) => {
    const f = nodes.get(id).callFrame;
    const name = f.functionName || (f.url ? '(anonymous)' : nodes.get(id).callFrame.functionName);
    const key = name || '(' + (f.url ? 'script' : 'native') + ')';
    selfMs.set(key, (selfMs.get(key) || 0) + (profile.timeDeltas[i] || 0) / 1000);
  });
  const events = JSON.parse(fs.readFileSync(traceFile, 'utf8')).traceEvents;
  // The renderer's main thread.
  const main = events.find((e) => e.name === 'thread_name' && e.args.name === 'CrRendererMain' &&
                                  events.some((f) => f.pid === e.pid && f.name === 'ParseHTML'));
  const mine = events.filter((e) => e.pid === main.pid && e.tid === main.tid && e.ph === 'X');
  const byName = new Map();
  for (const e of mine) byName.set(e.name, (byName.get(e.name) || 0) + (e.dur || 0) / 1000);
  const tasks = mine.filter((e) => e.name === 'RunTask' || e.name === 'ThreadControllerImpl::RunTask')
                    .map((e) => (e.dur || 0) / 1000).sort((a, b) => b - a);
  const top = [...byName].sort((a, b) => b[1] - a[1]).slice(0, Number(args.top || 25));
  console.log(JSON.stringify({
    page_bytes: fs.statSync(pagePath).size, slowdown, title_shown_ms: shown,
    first_contentful_paint_ms: picture, wall_ms: Date.now() - t0,
    longest_tasks_ms: tasks.slice(0, 5), tasks_over_50ms: tasks.filter((d) => d > 50).length,
    main_thread_ms_by_event: Object.fromEntries(top.map(([n, d]) => [n, Math.round(d)])),
    script_self_ms: Object.fromEntries([...selfMs].sort((a, b) => b[1] - a[1]).slice(0, 15)
                                           .map(([n, d]) => [n, Math.round(d)])),
  }, null, 2));
} finally {
  await browser.close();
  server.close();
  fs.rmSync(userDataDir, {recursive: true, force: true});
}
