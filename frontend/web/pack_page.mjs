// Packs the page emscripten wrote (one file) for a quick first frame; run after the link:
//   node pack_page.mjs PAGE.html
// - The code leaves the script's string for a block of its own before the script: the browser
//   neither compiles it as script nor fetches it as a data: URL; the page decodes it at once
//   (page.js, instantiateWasm). Not gzip'd: unpacking it waits on the parser's tasks, which
//   costs more than reading the larger block.
// - Every character past ASCII becomes an escape (a character reference in the markup, \u in
//   scripts, \XXXXXX in style sheets): a page all ASCII is read as one-byte text, where one
//   Cyrillic letter would make the browser decode the whole page into two-byte text.
import fs from "node:fs";

const [file] = process.argv.slice(2);
if (!file) {
  console.error("usage: node pack_page.mjs PAGE.html");
  process.exit(2);
}
let page = fs.readFileSync(file, "utf8");

const code = /wasmBinaryFile="data:application\/octet-stream;base64,([A-Za-z0-9+/=]+)"/.exec(page);
if (code) {
  const script = page.lastIndexOf("<script", code.index);
  page = page.slice(0, script) + `<script type="application/octet-stream" id="skalor-code">${code[1]}</script>\n` +
         page.slice(script, code.index) + 'wasmBinaryFile="skalor.wasm"' + page.slice(code.index + code[0].length);
} else if (!page.includes('id="skalor-code"')) {
  console.error(`${file}: no code in the page to pack`);
  process.exit(1);
}

const hex = (c, digits) => c.toString(16).toUpperCase().padStart(digits, "0");
const inScript = (text) => text.replace(/[^\x00-\x7f]/g, (c) => "\\u" + hex(c.charCodeAt(0), 4));
const inStyle = (text) => text.replace(/[^\x00-\x7f]/gu, (c) => "\\" + hex(c.codePointAt(0), 6));
const inMarkup = (text) => text.replace(/[^\x00-\x7f]/gu, (c) => "&#x" + hex(c.codePointAt(0), 1) + ";");
page = page.replace(/(<(script|style)\b[^>]*>)([\s\S]*?)(<\/\2>)|([^<]+|<)/g, (all, open, tag, body, close, markup) =>
  markup !== undefined ? inMarkup(markup) : open + (tag === "script" ? inScript(body) : inStyle(body)) + close);
fs.writeFileSync(file, page);
