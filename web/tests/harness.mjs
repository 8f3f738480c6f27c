// What the page's browser tests share: the static server for the site, the
// browser, the meter bridge, and a page with the fake navigator.serial.
import fs from "node:fs";
import http from "node:http";
import os from "node:os";
import path from "node:path";
import puppeteer from "puppeteer-core";
import {MeterBridge} from "./bridge.mjs";

const TYPES = {".html": "text/html", ".js": "text/javascript", ".wasm": "application/wasm",
               ".css": "text/css", ".png": "image/png", ".json": "application/json",
               ".webmanifest": "application/manifest+json"};

export function serve(root) {
  const server = http.createServer((req, res) => {
    const url = new URL(req.url, "http://127.0.0.1");
    const file = path.join(root, path.normalize(url.pathname === "/" ? "/index.html" : url.pathname));
    if (!file.startsWith(root) || !fs.existsSync(file)) { res.writeHead(404); return res.end(); }
    res.writeHead(200, {"Content-Type": TYPES[path.extname(file)] || "application/octet-stream"});
    fs.createReadStream(file).pipe(res);
  });
  return new Promise((resolve) => server.listen(0, "127.0.0.1", () => resolve(server)));
}

export async function setUp(site, simulator) {
  const scratch = fs.mkdtempSync(path.join(os.tmpdir(), "velmora-web-"));
  const server = await serve(site);
  const bridge = new MeterBridge(simulator);
  const bridgePort = await bridge.listen();
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    headless: true,
    userDataDir: path.join(scratch, "profile"),
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
           "--disable-background-networking", "--disable-component-update", "--disable-sync"],
  });
  const fake = fs.readFileSync(new URL("./fake-serial.js", import.meta.url), "utf8")
    .replace("__BRIDGE_PORT__", String(bridgePort));
  const base = "http://127.0.0.1:" + server.address().port + "/";
  const env = {scratch, server, bridge, browser, base, fake, site};
  env.tearDown = async () => {
    await browser.close();
    await bridge.close();
    server.close();
    fs.rmSync(scratch, {recursive: true, force: true});
  };
  return env;
}

// A fresh page with the fake port, loaded and ready; its console errors
// and downloads are collected.
export async function openPage(env, {fake = true, serial = true, language} = {}) {
  const page = await env.browser.newPage();
  const errors = [];
  page.on("console", async (m) => { if (m.type() === "error") errors.push(m.text() + (process.env.VELMORA_WEB_STACKS ? JSON.stringify(await Promise.all(m.args().map((a) => a.jsonValue().catch(() => "?")))) : "")); });
  page.on("pageerror", (e) => errors.push(String(e) + (process.env.VELMORA_WEB_STACKS ? e.stack : "")));
  if (fake) await page.evaluateOnNewDocument(env.fake);
  // A browser without Web Serial, as Safari is.
  if (!serial) await page.evaluateOnNewDocument(() => { delete Navigator.prototype.serial; });
  if (language) {
    await page.evaluateOnNewDocument((l) => {
      Object.defineProperty(navigator, "languages", {get: () => [l]});
      Object.defineProperty(navigator, "language", {get: () => l});
    }, language);
  }
  const downloads = fs.mkdtempSync(path.join(env.scratch, "dl-"));
  const cdp = await env.browser.target().createCDPSession();
  await cdp.send("Browser.setDownloadBehavior", {behavior: "allow", downloadPath: downloads});
  await page.goto(env.base, {waitUntil: "load"});
  await page.waitForSelector("body[data-ready]", {timeout: 15000});
  return {page, errors, downloads};
}

export async function click(page, name) {
  const el = await page.waitForSelector(`::-p-aria(${name})`, {timeout: 5000});
  await el.click();
}

export async function treeLabels(page) {
  return page.$$eval("#tree [role=treeitem]", (items) => items.map((i) => i.textContent));
}

// Waits for a message box whose text contains part; returns its text.
export async function message(page, part, timeout = 20000) {
  const handle = await page.waitForFunction((p) => {
    const boxes = [...document.querySelectorAll("#messages [role=alertdialog] p")];
    const hit = boxes.find((b) => b.textContent.includes(p));
    return hit ? hit.textContent : null;
  }, {timeout}, part);
  return handle.jsonValue();
}

export async function allMessages(page) {
  return page.$$eval("#messages [role=alertdialog] p", (ps) => ps.map((p) => p.textContent));
}

// Waits until the command that runs has ended.
export async function waitIdle(page, timeout = 60000) {
  await page.waitForFunction(() => !document.body.dataset.running, {timeout});
}

export function waitForFile(dir, pattern, timeout = 10000) {
  const end = Date.now() + timeout;
  return new Promise((resolve, reject) => {
    const look = () => {
      const hit = fs.readdirSync(dir).find((f) => pattern.test(f) && !f.endsWith(".crdownload"));
      if (hit) return resolve(path.join(dir, hit));
      if (Date.now() > end) return reject(new Error("no download matching " + pattern));
      setTimeout(look, 100);
    };
    look();
  });
}
