// The page's browser tests: headless Chromium, the site as built, the meter
// simulator behind the fake navigator.serial. Prints one line per test.
import assert from "node:assert/strict";
import {setUp} from "./harness.mjs";
import {tests as languageTests} from "./language.test.mjs";
import {tests as offlineTests} from "./offline.test.mjs";
import {tests as pageTests} from "./page.test.mjs";

const tests = [...pageTests, ...languageTests, ...offlineTests];

const env = await setUp(process.env.VELMORA_SITE, process.env.VELMORA_METERSIM);
let failed = 0;
const only = process.argv[2];
for (const [name, test] of tests) {
  if (only && !name.includes(only)) continue;
  const started = Date.now();
  try {
    let timer;
    const limit = new Promise((_, reject) => {
      timer = setTimeout(() => reject(new Error("took longer than 60 s")), 60000);
    });
    await Promise.race([test(env, assert), limit]).finally(() => clearTimeout(timer));
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
