// The web page's figures in headless Chromium, each the median of several
// rounds with its minimum and maximum, beside the machine's core count and
// load average:
//   * the page's weight;
//   * navigation to the title picture shown (the first contentful paint)
//     and to the program's own first frame, with the processor as it is and
//     slowed (DevTools CPU throttling, --slowdown times), one fresh page a
//     load;
//   * one tick and one full paint of the main window (performance.now()
//     around the core's exported calls, in batches: a page's clock steps by
//     0.1 ms), with the changes put on the canvas as the page does, and
//     without (the core's own work, what the native benchmark times);
//   * the page's main-thread time while the lab runs (stopwatch running,
//     ball swinging) against a bare page that draws a square on a canvas 20
//     times a second, over the same time;
//   * Lighthouse's performance score on its mobile profile (simulated slow
//     4G and a processor 4 times slower), the page from a plain static
//     server (python3 -m http.server), uncompressed.
// A figure that could not be measured is written as {"error": ...}, never as
// a value.
//
//   node bench/web/page_bench.mjs [--page build/web/trelko_test.html] [--json out.json]
//        [--rounds 5] [--loads 7] [--slowdown 6] [--ticks 2000] [--paints 100]
//        [--ratio-seconds 10] [--lighthouse 3]
import {execFile, spawn} from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {fileURLToPath} from 'node:url';
import {promisify} from 'node:util';

const args = Object.fromEntries(process.argv.slice(2).reduce((pairs, a, i, all) => {
  if (a.startsWith('--')) pairs.push([a.slice(2), all[i + 1]]);
  return pairs;
}, []));
if (args.page) process.env.LAB_WEB_PAGE = path.resolve(args.page);
const {STOPWATCH, enterLab, idle, launchBrowser, openPage, pagePath, pressAt, sleep, startServer,
       waitForTitle} = await import('../../tests/web/support/lab_browser.mjs');
const here = path.dirname(fileURLToPath(import.meta.url));
const webTools = path.resolve(here, '../../tests/web');
const rounds = Number(args.rounds || 5);
const loads = Number(args.loads || 7);
const slowdown = Number(args.slowdown || 6);
const ticks = Number(args.ticks || 2000);
const paints = Number(args.paints || 100);
const ratioSeconds = Number(args['ratio-seconds'] || 10);
const lighthouseRuns = Number(args.lighthouse ?? 3);

const median = (values) => {
  const s = [...values].sort((a, b) => a - b);
  const m = s.length >> 1;
  return s.length % 2 ? s[m] : (s[m - 1] + s[m]) / 2;
};
const spread = (values, unit) => ({
  median: median(values), min: Math.min(...values), max: Math.max(...values), n: values.length,
  unit,
});

// Runs one measurement; its figure, or {error} when it failed.
async function figure(name, unit, measure) {
  try {
    const values = await measure();
    if (!values.length || values.some((v) => !Number.isFinite(v))) {
      throw new Error('no value');
    }
    return spread(values, unit);
  } catch (e) {
    console.error(`page_bench: ${name} not measured: ${e.message || e}`);
    return {error: String(e.message || e), unit};
  }
}

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

const firstPaint = () => {
  const p = performance.getEntriesByType('paint').find((e) => e.name === 'first-contentful-paint');
  return p ? p.startTime : NaN;
};

// One load of a fresh page: ms from navigation to the title picture's
// first paint and to the program's own first frame.
async function load(browser, url, rate) {
  const context = await browser.createBrowserContext();
  try {
    const page = await context.newPage();
    await page.setViewport({width: 800, height: 620});
    if (rate > 1) await page.emulateCPUThrottling(rate);
    await page.goto(url);
    await waitForTitle(page, 1);
    await page.waitForFunction(() => LabPage.firstFrame() >= 0, {timeout: 60000});
    const [picture, frame] = [await page.evaluate(firstPaint),
                              await page.evaluate(() => LabPage.firstFrame())];
    return {picture, frame};
  } finally {
    await context.close();
  }
}

// The main-thread time (DevTools' TaskDuration) of a page over `seconds`.
async function mainThreadSeconds(page, seconds) {
  const cdp = await page.createCDPSession();
  await cdp.send('Performance.enable');
  const task = async () => (await cdp.send('Performance.getMetrics')).metrics
                               .find((m) => m.name === 'TaskDuration').value;
  const before = await task();
  await sleep(seconds * 1000);
  return (await task()) - before;
}

const BARE_CANVAS = `<!DOCTYPE html><canvas width="690" height="479"></canvas><script>
  const c = document.querySelector('canvas').getContext('2d');
  let i = 0;
  setInterval(() => { c.fillStyle = i++ % 2 ? '#000' : '#fff'; c.fillRect(100, 100, 10, 10); }, 50);
</script>`;

async function pageAgainstCanvas(browser, url) {
  const ratios = [];
  for (let r = 0; r < rounds; r++) {
    const lab = await openPage(browser, url);
    await enterLab(lab);
    await pressAt(lab, ...STOPWATCH.powerOn);
    await pressAt(lab, ...STOPWATCH.start);
    await pressAt(lab, 120 + 0.1 * 400, 20 + 0.45 * 400);
    await idle(lab);
    const labSeconds = await mainThreadSeconds(lab, ratioSeconds);
    await lab.closeAll();
    const context = await browser.createBrowserContext();
    const bare = await context.newPage();
    await bare.setContent(BARE_CANVAS);
    const bareSeconds = await mainThreadSeconds(bare, ratioSeconds);
    await context.close();
    ratios.push(labSeconds / bareSeconds);
  }
  return ratios;
}

// Serves the page's folder with python3's plain static server (no
// compression); resolves with its address once it answers.
async function staticServer() {
  const port = 20000 + Math.floor(Math.random() * 20000);
  const child = spawn('python3', ['-m', 'http.server', String(port), '--bind', '127.0.0.1',
                                  '--directory', path.dirname(pagePath)],
                      {stdio: 'ignore'});
  const url = `http://127.0.0.1:${port}/${path.basename(pagePath)}`;
  for (let i = 0; i < 100; i++) {
    try {
      if ((await fetch(url, {method: 'HEAD'})).ok) return {url, close: () => child.kill()};
    } catch { /* not up yet */ }
    await sleep(100);
  }
  child.kill();
  throw new Error('python3 -m http.server did not answer');
}

async function lighthouse() {
  const cli = path.join(webTools, 'node_modules/lighthouse/cli/index.js');
  if (!fs.existsSync(cli)) throw new Error('lighthouse is missing: npm ci in tests/web');
  const server = await staticServer();
  const scores = [];
  const audits = {fcp: [], lcp: [], tbt: [], si: [], cls: []};
  try {
    for (let r = 0; r < lighthouseRuns; r++) {
      const out = path.join(os.tmpdir(), `trelko-lighthouse-${process.pid}-${r}.json`);
      await promisify(execFile)(process.execPath, [
        cli, server.url, '--quiet', '--only-categories=performance', '--output=json',
        `--output-path=${out}`, '--chrome-flags=--headless=new --no-sandbox --disable-gpu',
      ], {env: {...process.env, CHROME_PATH: process.env.CHROME_PATH || '/usr/bin/chromium'},
          timeout: 180000});
      const report = JSON.parse(fs.readFileSync(out, 'utf8'));
      fs.rmSync(out, {force: true});
      const score = report.categories.performance.score;
      if (typeof score !== 'number') throw new Error(report.runtimeError?.message || 'no score');
      scores.push(score * 100);
      const a = report.audits;
      audits.fcp.push(a['first-contentful-paint'].numericValue);
      audits.lcp.push(a['largest-contentful-paint'].numericValue);
      audits.tbt.push(a['total-blocking-time'].numericValue);
      audits.si.push(a['speed-index'].numericValue);
      audits.cls.push(a['cumulative-layout-shift'].numericValue);
    }
  } finally {
    server.close();
  }
  return {scores, audits};
}

const browser = await launchBrowser();
const server = await startServer();
// The weight is the page students open (trelko.html beside the test build).
const studentsPage = path.join(path.dirname(pagePath), 'trelko.html');
const result = {
  machine: {cores: os.cpus().length, load_average_before: os.loadavg(), node: process.version,
            chromium: await browser.version()},
  page_bytes: fs.statSync(fs.existsSync(studentsPage) ? studentsPage : pagePath).size,
  rounds, loads, slowdown,
};
try {
  const plain = [];
  const slowed = [];
  for (let i = 0; i < loads; i++) {
    plain.push(await load(browser, server.url, 1));
    slowed.push(await load(browser, server.url, slowdown));
  }
  result.title_picture_ms = await figure('title picture', 'ms', () => plain.map((l) => l.picture));
  result.first_frame_ms = await figure('first frame', 'ms', () => plain.map((l) => l.frame));
  result.slowed_title_picture_ms =
    await figure('slowed title picture', 'ms', () => slowed.map((l) => l.picture));
  result.slowed_first_frame_ms =
    await figure('slowed first frame', 'ms', () => slowed.map((l) => l.frame));

  // The lab hidden: its own ticks do not run between the measured ones.
  // As the native benchmark does, the ball is released from 0.1 m right of
  // the string's end and 0.45 m below it, again every 400 ticks, so that
  // every tick draws a swinging ball.
  const calls = {tick: [], tick_core: [], paint: [], paint_core: []};
  for (let r = 0; r < rounds; r++) {
    const page = await openPage(browser, server.url, {hidden: true});
    await enterLab(page);
    // (a page built before the switch existed times only with the canvas)
    const canSwitch = await page.evaluate(() => typeof Module._lab_bench_present === 'function');
    // Warmed up first, as the native benchmark is: the browser compiles a
    // hot WebAssembly function a second time, optimised, a moment after
    // the page has started, and the first figure would pay for the first
    // compilation.
    await pressAt(page, 120 + 0.1 * 400, 20 + 0.45 * 400);
    await idle(page);
    await page.evaluate(timeCalls, 'lab_bench_tick', 800, 100);
    await page.evaluate(timeCalls, 'lab_bench_paint', 20, 5);
    for (const present of canSwitch ? [1, 0] : [1]) {
      if (canSwitch) await page.evaluate((on) => Module._lab_bench_present(on), present);
      const samples = [];
      for (let done = 0; done < ticks; done += 400) {
        await pressAt(page, 120 + 0.1 * 400, 20 + 0.45 * 400);
        await idle(page);
        samples.push(...await page.evaluate(timeCalls, 'lab_bench_tick', 400, 100));
      }
      calls[present ? 'tick' : 'tick_core'].push(median(samples));
      calls[present ? 'paint' : 'paint_core'].push(
          median(await page.evaluate(timeCalls, 'lab_bench_paint', paints, 5)));
    }
    await page.closeAll();
  }
  result.tick_us = await figure('tick', 'us', () => calls.tick);
  result.tick_core_us = await figure('tick without the canvas', 'us', () => calls.tick_core);
  result.paint_us = await figure('paint', 'us', () => calls.paint);
  result.paint_core_us = await figure('paint without the canvas', 'us', () => calls.paint_core);
  result.page_against_canvas = await figure('page against a bare canvas', 'x',
                                            () => pageAgainstCanvas(browser, server.url));
} catch (e) {
  result.error = String(e.message || e);
} finally {
  await browser.close();
  await server.close();
}
if (lighthouseRuns > 0) {
  let audits = null;
  result.lighthouse_performance = await figure('Lighthouse', 'score', async () => {
    const run = await lighthouse();
    audits = run.audits;
    return run.scores;
  });
  if (audits) {
    result.lighthouse_metrics = Object.fromEntries(
        Object.entries(audits).map(([k, v]) => [k, spread(v, k === 'cls' ? '' : 'ms')]));
  }
}
result.machine.load_average_after = os.loadavg();
const out = JSON.stringify(result, null, 2);
if (args.json) fs.writeFileSync(args.json, out + '\n');
console.log(out);
