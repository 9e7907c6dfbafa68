// The page in another language, in headless Chromium: chosen by the
// address, kept for the next visit, changed from the window menu; an
// unknown code in the address is told in Catalan.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {ctl, enterLab, idle, openPage, pressAt, startForTests, text} from './support/lab_browser.mjs';

const IDC_START = 1003;
const IDC_MESSAGE = 1001;
const IDM_LANGUAGE = 112;
const IDC_LANGUAGE_FIRST = 1010;  // ca, en, es, oc

let browser;
let server;
startForTests((b, s) => {
  browser = b;
  server = s;
});

test('#llengua=en: the lab in English, kept, and back to Catalan from the menu', async () => {
  const page = await openPage(browser, server.url + '#llengua=en');
  await enterLab(page);
  const look = () => page.evaluate(() => [document.documentElement.lang, document.title]);
  assert.deepEqual(await look(), ['en', 'Trelko\'s Law']);
  assert.equal(await text(page, IDC_START), 'Start');
  assert.equal(await page.$eval('.lab-menu-button', (b) => b.getAttribute('aria-label')), 'Window menu');

  // The next visit, without the address's choice, keeps it.
  await page.goto(server.url);
  await enterLab(page);
  assert.deepEqual(await look(), ['en', 'Trelko\'s Law']);

  // "Language…", then "Català": the window opens again in Catalan.
  await pressAt(page, 600, 440, 'right');
  await page.click(`.lab-menu button[data-command="${IDM_LANGUAGE}"]`);
  await page.waitForSelector(ctl(1, IDC_LANGUAGE_FIRST), {visible: true});
  assert.equal(await page.$eval(ctl(1, IDC_LANGUAGE_FIRST + 3), (b) => b.textContent), 'Aran\u00e9s');
  await page.click(ctl(1, IDC_LANGUAGE_FIRST));
  await page.waitForFunction(() => document.documentElement.lang === 'ca');
  await idle(page);
  assert.equal(await text(page, IDC_START), 'Comen\u00e7ar');
  assert.equal(await page.title(), 'Llei de Trelko');
  assert.deepEqual(page.errors, []);
  await page.closeAll();

  const unknown = await openPage(browser, server.url + '#llengua=xx');
  await enterLab(unknown);
  assert.equal(await text(unknown, IDC_MESSAGE),
               ' La llengua \u00abxx\u00bb no \u00e9s cap de les del laboratori: ca, es, en, oc.');
  assert.equal(await unknown.evaluate(() => document.documentElement.lang), 'ca');
  await unknown.closeAll();
});
