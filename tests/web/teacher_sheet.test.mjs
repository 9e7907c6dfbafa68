// Codes in the web edition, in headless Chromium: the teacher's sheet
// (trelko.html#professorat) lists the same codes and k as the desktop (the
// table tests/experiment checks too) and downloads the same CSV; a student's
// code changes the caption, and neither the page's text nor its
// accessibility tree shows the code's k.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import {test} from 'node:test';

import {
  ctl, enterLab, idle, text, launchBrowser, openPage, pressAt, sourceDir, startServer, win, startForTests} from './support/lab_browser.mjs';

// The list of "Física 2n B", 12 students: the desktop's --professorat
// writes these bytes (tests/experiment/string_code_test.cpp checks them).
const CSV = fs.readFileSync(path.join(sourceDir, 'tests/experiment/class_list_fisica_2n_b.csv'));
const ROWS = CSV.toString('utf8').replace(/^\ufeff/, '').trim().split('\r\n').slice(1)
    .map((row) => row.split(';'));
const IDM_STRING_CODE = 96;

// The sheet's downloads, kept in the page: their blobs and the last name.
const keepDownloads = (page) => page.evaluate(() => {
  window.labBlobs = [];
  const create = URL.createObjectURL;
  URL.createObjectURL = (blob) => { window.labBlobs.push(blob); return create(blob); };
  HTMLAnchorElement.prototype.click = function () { window.labDownload = this.download; };
});

let browser;
let server;
startForTests((b, s) => {
  browser = b;
  server = s;
});

test('the sheet lists the desktop\'s codes and k, downloads its CSV and compares', async () => {
  const page = await openPage(browser, server.url + '#professorat');
  await page.waitForSelector('#sheet-word');
  assert.equal(await page.$('.lab-window'), null, 'no lab on the sheet');
  await keepDownloads(page);
  await page.type('#sheet-word', 'F\u00edsica 2n B');
  await page.$eval('#sheet-count', (e) => { e.value = '12'; });
  await page.click('#sheet-make');
  // (Served over http, the last column is each code's link.)
  const table = await page.$$eval('#sheet-table tr', (rows) =>
    rows.map((r) => Array.from(r.cells, (c) => c.textContent).slice(0, 3)));
  assert.deepEqual(table[0], ['#', 'Codi', 'k (N/m)']);
  assert.deepEqual(table.slice(1), ROWS.map(([code, k], i) => [String(i + 1), code, k.replace(',', '.')]));

  await page.click('#sheet-csv');
  const csv = await page.evaluate(async () =>
    Array.from(new Uint8Array(await window.labBlobs[0].arrayBuffer())));
  assert.deepEqual(Buffer.from(csv), CSV);
  assert.equal(await page.evaluate(() => window.labDownload), 'codis-llei-de-trelko.csv');

  // A student's code from the list, and the k they found.
  const [code, k] = ROWS[2];
  const codeK = Number(k.replace(',', '.'));
  const verdict = async (typed, found) => {
    await page.$eval('#sheet-code', (e, v) => { e.value = v; }, typed);
    await page.$eval('#sheet-k', (e, v) => { e.value = v; }, found);
    await page.click('#sheet-compare');
    return page.$eval('#sheet-verdict', (e) => e.textContent);
  };
  const found = (codeK * 1.02).toFixed(2);
  assert.match(await verdict(` ${code.toLowerCase()} `, found), new RegExp(
      `^Fil ${code}: k = ${codeK.toFixed(1)} N/m\\. .* \\+2\\.0 % \\(2\\.0 % per sobre\\)\\.$`));
  // A valid code outside this word's list: its k is not shown.
  const outside = await verdict('PDCPCU', '30');
  assert.equal(outside, 'El codi PDCPCU no \u00e9s a la llista d\'aquesta paraula.');
  assert.deepEqual(page.errors, []);
  await page.closeAll();
});

test('a student\'s code: the caption names it, nothing on the page shows its k', async () => {
  const page = await openPage(browser, server.url);
  await enterLab(page);
  const enterCode = async (typed) => {
    await pressAt(page, 600, 440, 'right');
    await page.click(`.lab-menu button[data-command="${IDM_STRING_CODE}"]`);
    await page.waitForSelector(ctl(1, 1005), {visible: true});
    assert.equal(await page.$eval(`${win(1)} .lab-caption span`, (e) => e.textContent), 'Fil amb codi');
    // The box shows the code on the lab: select it and type over it.
    await page.click(ctl(1, 1005), {clickCount: 3});
    await page.keyboard.type(typed);
    await page.click(ctl(1, 1));
    await idle(page);
  };
  await enterCode('pdcpcu');  // k = 30.4 N/m
  const caption = 'Llei de Trelko \u2014 fil PDCPCU';
  assert.equal(await page.title(), caption);
  assert.equal(await page.$eval(`${win(0)} .lab-caption span`, (e) => e.textContent), caption);
  // The page without its script (which holds the program), its text, the
  // boxes' values, the accessibility tree, the storage and the address.
  const seen = [await page.evaluate(() => {
                  const body = document.body.cloneNode(true);
                  body.querySelectorAll('script').forEach((s) => s.remove());
                  return document.title + body.outerHTML + document.body.innerText +
                         Array.from(document.querySelectorAll('input'), (e) => e.value).join('|');
                }),
                JSON.stringify(await page.accessibility.snapshot({interestingOnly: false})),
                JSON.stringify(await page.evaluate(() => ({...localStorage}))),
                page.url()];
  for (const s of seen) {
    assert.ok(!/30[.,]4/.test(s), `the code's k shows in ${s.slice(0, 200)}`);
  }
  // A wrong code: a message box, and the caption stays.
  await enterCode('PDCPCV');
  assert.equal(await page.$eval('dialog.lab-message p', (e) => e.textContent),
               'El codi no \u00e9s v\u00e0lid: reviseu-lo');
  await page.click('dialog.lab-message button');
  await idle(page);
  assert.equal(await page.title(), caption);
  assert.deepEqual(page.errors, []);
  await page.closeAll();
});

test('the sheet marks a class as the desktop does, links each code, prints one page', async () => {
  const page = await openPage(browser, server.url + '#professorat');
  await page.waitForSelector('#sheet-word');
  await keepDownloads(page);
  await page.type('#sheet-word', 'F\u00edsica 2n B');

  // The check works without a list, and only for decimal numbers.
  const [code, k] = ROWS[0];
  const verdict = async (found) => {
    await page.$eval('#sheet-code', (e, v) => { e.value = v; }, code);
    await page.$eval('#sheet-k', (e, v) => { e.value = v; }, found);
    await page.click('#sheet-compare');
    return page.$eval('#sheet-verdict', (e) => e.textContent);
  };
  assert.equal(await verdict('1e3'), 'La k ha de ser un nombre decimal, com 29.5 o 29,5.');
  assert.match(await verdict(k), new RegExp(`^Fil ${code}: k = `));

  // The class's files, chosen: the table and its CSV are the desktop's.
  const folder = path.join(sourceDir, 'tests/app/class_files');
  const input = await page.$('#sheet-files');
  await input.uploadFile(...fs.readdirSync(folder).sort().map((f) => path.join(folder, f)));
  await page.waitForSelector('#sheet-marks tr');
  const expected = fs.readFileSync(path.join(sourceDir, 'tests/app/class_marks_fisica_2n_b.csv'))
      .toString('utf8').replace(/nobody\.csv[^\n]*\n$/, '');
  const shown = await page.$$eval('#sheet-marks tr', (rows) =>
    rows.map((r) => Array.from(r.cells, (c) => c.textContent).join(';')));
  assert.deepEqual(shown, expected.replace(/^\ufeff/, '').trim().split('\r\n'));
  await page.click('#sheet-marks-csv');
  const csv = await page.evaluate(async () =>
    new TextDecoder().decode(await window.labBlobs.at(-1).arrayBuffer()));
  assert.equal('\ufeff' + csv.replace(/^\ufeff/, ''), expected);
  assert.equal(await page.evaluate(() => window.labDownload), 'correccio-llei-de-trelko.csv');

  // Served over http, each code of the list has its link.
  await page.$eval('#sheet-count', (e) => { e.value = '3'; });
  await page.click('#sheet-make');
  const link = await page.$eval('#sheet-table tr:nth-child(2) a', (a) => a.href);
  assert.equal(link, server.url.replace(/#.*$/, '') + '#codi=' + code);
  const pdf = await page.pdf({format: 'A4'});
  assert.equal((Buffer.from(pdf).toString('latin1').match(/\/Type\s*\/Page\b/g) || []).length, 1);
  assert.deepEqual(page.errors, []);
  await page.closeAll();

  // The link opens the lab on that string; a wrong one says why.
  const opened = await openPage(browser, link);
  await enterLab(opened);
  assert.equal(await opened.title(), `Llei de Trelko \u2014 fil ${code}`);
  const wrong = await openPage(browser, server.url.replace(/#.*$/, '') + '#codi=PDCPCV');
  await enterLab(wrong);
  assert.equal(await text(wrong, 1001), ' El codi no \u00e9s v\u00e0lid: reviseu-lo');
  assert.deepEqual([...opened.errors, ...wrong.errors], []);
  await opened.closeAll();
  await wrong.closeAll();
});
