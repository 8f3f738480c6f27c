// The page as an installed app: after one load it opens again without the
// server, from the service worker's cache, and Chromium finds it installable.
import {serve, treeLabels} from "./harness.mjs";

// A server of its own, so stopping it leaves the other tests' server alone.
async function loadOnce(env) {
  const server = await serve(process.env.VELMORA_SITE);
  const page = await env.browser.newPage();
  const errors = [];
  page.on("pageerror", (e) => errors.push(String(e)));
  await page.goto("http://127.0.0.1:" + server.address().port + "/", {waitUntil: "load"});
  await page.waitForSelector("body[data-ready]", {timeout: 15000});
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  return {server, page, errors};
}

export const tests = [
  ["the page loaded once opens again with the server gone", async (env, assert) => {
    const {server, page, errors} = await loadOnce(env);
    server.closeAllConnections();
    await new Promise((resolve) => server.close(resolve));
    await page.reload({waitUntil: "load"});
    await page.waitForSelector("body[data-ready]", {timeout: 15000});
    assert.ok((await treeLabels(page)).length > 5, "satellites shown offline");
    const names = await page.evaluate(() => caches.keys());
    assert.equal(names.length, 1, "one build's cache: " + names);
    assert.deepEqual(errors, []);
  }],

  ["Chromium finds the page installable", async (env, assert) => {
    const {server, page} = await loadOnce(env);
    const cdp = await page.createCDPSession();
    const {installabilityErrors} = await cdp.send("Page.getInstallabilityErrors");
    server.close();
    assert.deepEqual(installabilityErrors.map((e) => e.errorId), []);
  }],
];
