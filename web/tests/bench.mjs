// The page's figures, on demand (not a test): a full table (300 satellites,
// 8000 transponders) written and read through the bridge to the simulator
// paced like the real line, beside the wire time; the bytes of the first
// load; the time from navigation to a usable editor.
//   node web/tests/bench.mjs   (VELMORA_SITE, VELMORA_METERSIM as for run.mjs)
import {execFileSync} from "node:child_process";
import fs from "node:fs";
import path from "node:path";
import zlib from "node:zlib";
import {click, openPage, setUp, waitIdle} from "./harness.mjs";

const site = process.env.VELMORA_SITE;
const env = await setUp(site, process.env.VELMORA_METERSIM);
const table = path.join(env.scratch, "full.csv");
// The table and the wire times are the Wine benchmark's own.
const wire = JSON.parse(execFileSync("python3", ["-c", `
import json, sys
sys.path.insert(0, ${JSON.stringify(new URL("../../bench", import.meta.url).pathname)})
import wine_transfer as w
w.full_table(${JSON.stringify(table)})
print(json.dumps({"write": w.WRITE_WIRE, "read": w.READ_WIRE}))`], {encoding: "utf8"}));

const runs = Number(process.env.VELMORA_BENCH_RUNS || 3);
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];

// First load: what the browser fetched, and what gzip makes of it.
let raw = 0;
let gzipped = 0;
// Everything: the service worker fetches the whole site on its install.
for (const name of fs.readdirSync(site, {recursive: true})) {
  if (fs.statSync(path.join(site, name)).isDirectory()) continue;
  const bytes = fs.readFileSync(path.join(site, name));
  raw += bytes.length;
  gzipped += zlib.gzipSync(bytes, {level: 9}).length;
}
const ready = [];
for (let i = 0; i < runs; i++) {
  const {page} = await openPage(env);
  ready.push(await page.evaluate(() => performance.getEntriesByName("velmora-ready")[0].startTime));
  await page.close();
}
console.log(`site ${(raw / 1e6).toFixed(2)} MB, ${(gzipped / 1e6).toFixed(2)} MB gzipped`);
console.log(`navigation to a usable editor: median ${median(ready).toFixed(0)} ms`);

await env.bridge.start(["--tables", table, "--baud", "115200", "--turnaround-us", "100"]);
const {page} = await openPage(env);
const [chooser] = await Promise.all([page.waitForFileChooser(), click(page, "Open...")]);
await chooser.accept([table]);
await page.waitForFunction(() => document.title.startsWith("full.csv"));
await click(page, "Connect");
// The write alone, as the desktop figure is taken: no verify, no backup.
for (const option of ["Verify after write", "Back up before write"]) {
  const pressed = await page.$eval(`::-p-aria(${option})`, (b) => b.getAttribute("aria-pressed"));
  if (pressed === "true") await click(page, option);
}
const timeOf = async (command) => {
  const start = Date.now();
  await click(page, command);
  await waitIdle(page, 120000);
  return (Date.now() - start) / 1000;
};
// Questions (the tables Read replaces) are answered Yes.
const answering = setInterval(() => page.evaluate(() => {
  const d = document.getElementById("ask");
  if (d.open) d.querySelector("button[value='0']").click();
}).catch(() => {}), 100);
const times = {write: [], read: []};
for (let i = 0; i < runs; i++) {
  times.write.push(await timeOf("Write"));
  times.read.push(await timeOf("Read"));
}
clearInterval(answering);
for (const kind of ["write", "read"]) {
  const m = median(times[kind]);
  console.log(`${kind} full table: median ${m.toFixed(2)} s, wire ${wire[kind].toFixed(2)} s, ` +
              `ratio ${(m / wire[kind]).toFixed(3)}`);
}
await env.tearDown();
