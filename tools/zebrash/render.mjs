// node render.mjs LABEL.zpl OUT.png WIDTH_DOTS LENGTH_DOTS
// Renders the bytes of one label job at 203 dpi (8 dots per mm) to a PNG.
import fs from "node:fs";
import { ready } from "zpl-renderer-js";

const [, , input, output, width, length] = process.argv;
if (!input || !output || !width || !length) {
  console.error("usage: node render.mjs LABEL.zpl OUT.png WIDTH_DOTS LENGTH_DOTS");
  process.exit(2);
}
const dotsPerMm = 8;
// The job is bytes: latin1 keeps each one as one character.
const zpl = fs.readFileSync(input, "latin1");
const { api } = await ready;
const png = await api.zplToBase64Async(zpl, Number(width) / dotsPerMm, Number(length) / dotsPerMm, dotsPerMm);
fs.writeFileSync(output, Buffer.from(png, "base64"));
