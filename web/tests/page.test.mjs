// The page driven as a user drives it, by the accessible names of its
// commands, against velmora-metersim through the bridge.
import fs from "node:fs";
import path from "node:path";
import {allMessages, click, message, openPage, treeLabels, waitIdle} from "./harness.mjs";

const SMALL = "name,longitude,LNBNo.,LNBFreq,DiSEqC,frequency,symbolrate,polarization,unique\r\n" +
  "Bench East,10.0E,1,9750/10600,1,10714,22000,H, ,\r\n,,,,,10729,22000,V, ,\r\n" +
  "Bench West,30.0W,2,9750/10600,2,11094,27500,H, ,\r\n";

function smallTable(env) {
  const file = path.join(env.scratch, "small.csv");
  fs.writeFileSync(file, SMALL);
  return file;
}

// Answers the core's Yes/No questions with Yes while an operation runs.
function answerYes(page) {
  const timer = setInterval(() => page.evaluate(() => {
    const d = document.getElementById("ask");
    if (d.open) d.querySelector("button[value='0']").click();
  }).catch(() => {}), 100);
  return () => clearInterval(timer);
}

async function connect(page) {
  await click(page, "Connect");
  await page.waitForFunction(() => document.getElementById("port-name").textContent !== "No port");
}

async function progressStarted(page) {
  await page.waitForFunction(() => document.getElementById("progress").value > 2, {timeout: 20000});
}

export const tests = [
  ["the page opens with the sample table and no console error", async (env, assert) => {
    const {page, errors} = await openPage(env);
    const labels = await treeLabels(page);
    assert.ok(labels.length > 5, "satellites shown: " + labels.length);
    assert.match(await page.title(), /Orvane/);
    for (const name of ["Read", "Write", "Open...", "Save", "Import transponders...", "Compare with meter...", "Stop"]) {
      assert.ok(await page.$(`::-p-aria(${name})`), name);
    }
    assert.ok(await page.$("::-p-aria(Status)"));
    assert.deepEqual(errors, []);
  }],

  ["open a file and add a satellite", async (env, assert) => {
    const {page, errors} = await openPage(env);
    const [chooser] = await Promise.all([page.waitForFileChooser(), click(page, "Open...")]);
    await chooser.accept([smallTable(env)]);
    await page.waitForFunction(() => document.title.startsWith("small.csv"));
    assert.equal((await treeLabels(page)).length, 3);
    await click(page, "Satellite Add...");
    await page.type("#form input[name=name]", "Web Sat");
    await page.type("#form input[name=longitude]", "42.0");
    await page.click("#form button[value=ok]");
    await page.waitForFunction(() => document.querySelectorAll("#tree [role=treeitem]").length === 4);
    assert.deepEqual(errors, []);
  }],

  ["read replaces the tables with the meter's", async (env, assert) => {
    await env.bridge.start(["--tables", smallTable(env)]);
    const {page, errors} = await openPage(env);
    await connect(page);
    const done = answerYes(page);
    await click(page, "Read");
    await page.waitForFunction(() => document.querySelectorAll("#tree [role=treeitem]").length === 3, {timeout: 20000});
    done();
    assert.deepEqual((await treeLabels(page)).slice(1).map((l) => l.includes("Bench")), [true, true]);
    assert.deepEqual(env.bridge.openings[env.bridge.openings.length - 1], {baud: "115200", parity: "odd", stop: "2"});
    assert.deepEqual(errors, []);
  }],

  ["write with verify stores the table on the meter", async (env, assert) => {
    const out = fs.mkdtempSync(path.join(env.scratch, "meter-"));
    await env.bridge.start(["--tables", smallTable(env), "--out", out]);
    const {page, errors} = await openPage(env);
    await connect(page);
    assert.equal(await page.$eval("::-p-aria(Verify after write)", (b) => b.getAttribute("aria-pressed")), "true");
    const done = answerYes(page);
    await click(page, "Write");
    await waitIdle(page);
    done();
    await env.bridge.stopSim();
    const stored = fs.readFileSync(path.join(out, "sattp.csv"), "latin1");
    assert.match(stored, /Astra 19\.2E/);
    assert.deepEqual(errors, []);
  }],

  ["compare lists the differences and takes the meter's table", async (env, assert) => {
    await env.bridge.start(["--tables", smallTable(env)]);
    const {page, errors} = await openPage(env);
    await connect(page);
    await click(page, "Compare with meter...");
    await page.waitForSelector("#lines[open]", {timeout: 20000});
    const count = await page.$eval("#lines-count", (p) => p.textContent);
    assert.match(count, /^\d+ differences$/);
    await click(page, "Take the meter's table");
    await page.waitForFunction(() => document.querySelectorAll("#tree [role=treeitem]").length === 3);
    assert.deepEqual(errors, []);
  }],

  ["Stop during a write: the window's message", async (env, assert) => {
    await env.bridge.start(["--tables", smallTable(env), "--baud", "1200"]);
    const {page, errors} = await openPage(env);
    await connect(page);
    const done = answerYes(page);
    await click(page, "Write");
    await progressStarted(page);
    await click(page, "Stop");
    await waitIdle(page);
    done();
    const texts = (await allMessages(page)).join("\n");
    // Stop lands in the backup read or in the write itself: both say so.
    assert.match(texts, /^You stopped the (backup read|write part-way)/, texts);
    assert.deepEqual(errors, []);
  }],

  ["the bridge closed mid-write: the unplugged meter's message", async (env, assert) => {
    await env.bridge.start(["--tables", smallTable(env), "--baud", "1200"]);
    const {page, errors} = await openPage(env);
    await connect(page);
    const done = answerYes(page);
    await click(page, "Write");
    await progressStarted(page);
    env.bridge.dropAll();
    await waitIdle(page);
    done();
    const texts = (await allMessages(page)).join("\n");
    assert.match(texts, /could not be read|broke off part-way|unplugged/, texts);
    assert.deepEqual(errors, []);
  }],
];
