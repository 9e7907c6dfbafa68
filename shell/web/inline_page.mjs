// Writes the one-file page: the HTML template with the title's placeholder,
// the program's script and its WebAssembly (gzip, then base64, in a data
// element) inlined, and its @LAB_TEXT:Name@ markers replaced by the texts
// of the catalogue's first language (lab_texts.js, written by the build).
//   node inline_page.mjs <page.html.in> <placeholder.html> <trelko.js> <trelko.wasm>
//                        <lab_texts.js> <trelko.html>
import fs from 'node:fs';
import zlib from 'node:zlib';

const [template, placeholder, script, wasm, texts, output] = process.argv.slice(2);
if (!output) {
  console.error('usage: inline_page.mjs <template> <placeholder> <script> <wasm> <texts> <output>');
  process.exit(2);
}
const catalogue = new Function(fs.readFileSync(texts, 'utf8') + '\nreturn LAB_TEXTS;')();
const first = catalogue[Object.keys(catalogue)[0]];
const escaped = (text) => text.replaceAll('&', '&amp;').replaceAll('<', '&lt;')
    .replaceAll('>', '&gt;').replaceAll('"', '&quot;');
let page = fs.readFileSync(template, 'utf8').replace(/@LAB_TEXT:([A-Za-z0-9]+)@/g, (marker, name) => {
  if (!(name in first)) {
    console.error(`${template}: ${marker} names no text of the catalogue`);
    process.exit(1);
  }
  return escaped(first[name]);
});
const parts = {
  '@LAB_PLACEHOLDER@': fs.readFileSync(placeholder, 'utf8'),
  // Nothing in the script may end the HTML script element early.
  '@LAB_SCRIPT@': fs.readFileSync(script, 'utf8').replaceAll('</script', '<\\/script'),
  // A third of its size: the browser unpacks it natively as it compiles it.
  '@LAB_PROGRAM@': zlib.gzipSync(fs.readFileSync(wasm), {level: 9}).toString('base64'),
};
for (const [marker, text] of Object.entries(parts)) {
  const at = page.indexOf(marker);
  if (at < 0 || page.indexOf(marker, at + 1) >= 0) {
    console.error(`${template} must hold ${marker} once`);
    process.exit(1);
  }
  // (a function: the text's "$" signs are its own)
  page = page.replace(marker, () => text);
}
fs.writeFileSync(output + '.tmp', page);
fs.renameSync(output + '.tmp', output);
