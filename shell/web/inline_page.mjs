// Writes the one-file page: the HTML template with the title's placeholder,
// the program's script and its WebAssembly (gzip, then base64, in a data
// element) inlined.
//   node inline_page.mjs <page.html.in> <placeholder.html> <trelko.js> <trelko.wasm> <trelko.html>
import fs from 'node:fs';
import zlib from 'node:zlib';

const [template, placeholder, script, wasm, output] = process.argv.slice(2);
if (!output) {
  console.error('usage: inline_page.mjs <template> <placeholder> <script> <wasm> <output>');
  process.exit(2);
}
let page = fs.readFileSync(template, 'utf8');
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
