// The page as an installed app: after one load it opens again without the
// server, from the service worker's cache, and Chromium finds it installable.
import fs from "node:fs";
import path from "node:path";
import {serve, treeLabels} from "./harness.mjs";

// A server of its own, so stopping it leaves the other tests' server alone.
async function loadOnce(env, root = process.env.VELMORA_SITE) {
  const server = await serve(root);
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

  ["a new build's worker replaces the old build's cache", async (env, assert) => {
    const site = path.join(env.scratch, "site-update");
    fs.cpSync(process.env.VELMORA_SITE, site, {recursive: true});
    const {server, page} = await loadOnce(env, site);
    const [first] = await page.evaluate(() => caches.keys());
    assert.notEqual(first, "orvane-source", "the build's version is written into the worker");
    const worker = path.join(site, "sw.js");
    fs.writeFileSync(worker, fs.readFileSync(worker, "utf8").replace(/^const BUILD = .*$/m, 'const BUILD = "next";'));
    await page.evaluate(async () => (await navigator.serviceWorker.getRegistration()).update());
    await page.waitForFunction(async () => (await caches.keys()).join() === "orvane-next", {polling: 200});
    server.close();
  }],

  ["Chromium finds the page installable", async (env, assert) => {
    const {server, page} = await loadOnce(env);
    const cdp = await page.createCDPSession();
    const {installabilityErrors} = await cdp.send("Page.getInstallabilityErrors");
    server.close();
    assert.deepEqual(installabilityErrors.map((e) => e.errorId), []);
  }],
];
