// The page's browser tests: headless Chromium, the site as built, the meter
// simulator behind the fake navigator.serial. Prints one line per test.
import assert from "node:assert/strict";
import {setUp} from "./harness.mjs";
import {tests} from "./page.test.mjs";

const env = await setUp(process.env.VELMORA_SITE, process.env.VELMORA_METERSIM);
let failed = 0;
const only = process.argv[2];
for (const [name, test] of tests) {
  if (only && !name.includes(only)) continue;
  const started = Date.now();
  try {
    await test(env, assert);
    console.log(`  ok    ${name} (${Date.now() - started} ms)`);
  } catch (e) {
    failed++;
    console.log(`  FAIL  ${name}: ${e && e.stack || e}`);
  } finally {
    for (const p of await env.browser.pages()) await p.close();
    await env.bridge.stopSim();
  }
}
await env.tearDown();
console.log(failed ? `${failed} browser tests failed` : "all browser tests passed");
process.exit(failed ? 1 : 0);
