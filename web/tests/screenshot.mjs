// The README's picture of the page: the sample table in headless Chromium.
//   node web/tests/screenshot.mjs OUT.png [language]
import {openPage, setUp} from "./harness.mjs";

const [out, language] = process.argv.slice(2);
const env = await setUp(process.env.VELMORA_SITE, process.env.VELMORA_METERSIM);
const {page} = await openPage(env, {language});
await page.setViewport({width: 1200, height: 760});
await page.click("#tree [role=group] [role=treeitem]");
await page.screenshot({path: out});
await env.tearDown();
