// The page driven as a user drives it, by the accessible names of its
// commands, against velmora-metersim through the bridge.
import fs from "node:fs";
import path from "node:path";
import {allMessages, click, message, openPage, treeLabels, waitForFile, waitIdle} from "./harness.mjs";

const SMALL = "name,longitude,LNBNo.,LNBFreq,DiSEqC,frequency,symbolrate,polarization,unique\r\n" +
  "Bench East,10.0E,1,9750/10600,1,10714,22000,H, ,\r\n,,,,,10729,22000,V, ,\r\n" +
  "Bench West,30.0W,2,9750/10600,2,11094,27500,H, ,\r\n";

const EXAMPLES = new URL("../../examples/", import.meta.url).pathname;

const LIST = `<?xml version="1.0" encoding="UTF-8"?>
<satellites>
  <sat name="42.0E Turksat 4A" flags="0" position="420">
    <transponder frequency="11012000" symbol_rate="30000000" polarization="0" fec_inner="3" system="0" modulation="1"/>
    <transponder frequency="11053000" symbol_rate="30000000" polarization="1" fec_inner="3" system="0" modulation="1"/>
  </sat>
  <sat name="10.0E Bench East" flags="0" position="100">
    <transponder frequency="10758000" symbol_rate="22000000" polarization="0" fec_inner="3" system="0" modulation="1"/>
  </sat>
</satellites>
`;

// Picks file in the chooser that the command opens.
async function pick(page, command, file) {
  const [chooser] = await Promise.all([page.waitForFileChooser(), click(page, command)]);
  await chooser.accept([file]);
}

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

  ["open a file, add a satellite and save", async (env, assert) => {
    const {page, errors, downloads} = await openPage(env);
    await pick(page, "Open...", smallTable(env));
    await page.waitForFunction(() => document.title.startsWith("small.csv"));
    assert.equal((await treeLabels(page)).length, 3);
    await click(page, "Satellite Add...");
    await page.type("#form input[name=name]", "Web Sat");
    await page.type("#form input[name=longitude]", "42.0");
    await page.click("#form button[value=ok]");
    await page.waitForFunction(() => document.querySelectorAll("#tree [role=treeitem]").length === 4);
    // A satellite is stored with its transponders: it gets one.
    await click(page, "TP Add...");
    await page.waitForSelector("#form[open]");
    await page.select("#form select[name=satellite]", "2");
    await page.type("#form input[name=frequency]", "11500");
    await page.type("#form input[name=symbolRate]", "27500");
    await page.click("#form button[value=ok]");
    await waitIdle(page);
    await click(page, "Save");
    const saved = fs.readFileSync(await waitForFile(downloads, /^small\.csv$/), "latin1");
    assert.match(saved, /^Web Sat,42\.0E,.*,11500,27500,V/m);
    assert.deepEqual(errors, []);
  }],

  ["a dropped file is saved back through its handle; refused, it is a download", async (env, assert) => {
    const {page, errors, downloads} = await openPage(env);
    // The browser's part faked: a handle whose first write the user refuses.
    await page.evaluate(() => {
      window.written = [];
      let asked = 0;
      DataTransferItem.prototype.getAsFileSystemHandle = async () => ({
        kind: "file", name: "small.csv",
        createWritable: async () => {
          if (asked++ === 0) throw new DOMException("refused", "NotAllowedError");
          const chunks = [];
          return {write: async (d) => chunks.push(new Uint8Array(d)), close: async () => written.push(chunks)};
        },
      });
    });
    await page.evaluate((text) => {
      const dt = new DataTransfer();
      dt.items.add(new File([text], "small.csv"));
      document.body.dispatchEvent(new DragEvent("drop", {dataTransfer: dt, bubbles: true, cancelable: true}));
    }, SMALL);
    await page.waitForFunction(() => document.title.startsWith("small.csv"));
    // Save is there for a changed table only.
    const change = async (frequency) => {
      await click(page, "TP Add...");
      await page.waitForSelector("#form[open]");
      await page.type("#form input[name=frequency]", frequency);
      await page.type("#form input[name=symbolRate]", "27500");
      await page.click("#form button[value=ok]");
      await waitIdle(page);
      await click(page, "Save");
      await waitIdle(page);
    };
    await change("11500");
    await waitForFile(downloads, /^small\.csv$/);
    fs.rmSync(path.join(downloads, "small.csv"));
    await change("11600");
    const [back, saved] = await page.evaluate(() => [written.map((c) => c.map((a) => [...a])),
                                                     [...page.core.FS.readFile("/home/web_user/small.csv")]]);
    assert.deepEqual(back, [[saved]]);
    assert.deepEqual(fs.readdirSync(downloads), [], "written back, not downloaded");
    assert.deepEqual(errors, []);
  }],

  ["import with preview adds the ticked satellites; export downloads satellites.xml", async (env, assert) => {
    const {page, errors, downloads} = await openPage(env);
    await pick(page, "Open...", smallTable(env));
    await page.waitForFunction(() => document.title.startsWith("small.csv"));
    const list = path.join(env.scratch, "list.xml");
    fs.writeFileSync(list, LIST);
    await pick(page, "Import transponders...", list);
    await page.waitForSelector("#import[open]");
    const summary = () => page.$eval("#import-summary", (p) => p.textContent);
    assert.match(await summary(), /added 1 satellites and 3 transponders/);
    await page.click("#import-list tr:nth-child(1) input[type=checkbox]");
    assert.match(await summary(), /matched 1, added 0 satellites and 1 transponders/);
    assert.match(await page.$eval("#import-changes", (p) => p.textContent), /\+ 10758 H 22000/);
    await page.click("#import-ok");
    await waitIdle(page);
    assert.equal((await treeLabels(page)).length, 3);
    await click(page, "Export satellites.xml...");
    const xml = fs.readFileSync(await waitForFile(downloads, /^small\.xml$/), "utf8");
    assert.match(xml, /frequency="10758000"/);
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
    const {page, errors, downloads} = await openPage(env);
    await connect(page);
    assert.equal(await page.$eval("::-p-aria(Verify after write)", (b) => b.getAttribute("aria-pressed")), "true");
    const done = answerYes(page);
    await click(page, "Write");
    await waitIdle(page);
    done();
    // The backup of the meter's old table is a download.
    const backup = fs.readFileSync(await waitForFile(downloads, /^meter-.*\.csv$/), "latin1");
    assert.match(backup, /^Bench East,10\.0E,/m);
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
    // The window's count line: the total, then each kind of difference.
    const [, total, ...kinds] = count.match(/^(\d+) differences: (\d+) added, (\d+) removed, (\d+) changed$/) || [];
    assert.equal(kinds.reduce((sum, n) => sum + Number(n), 0), Number(total), count);
    await click(page, "Take the meter's table");
    await page.waitForFunction(() => document.querySelectorAll("#tree [role=treeitem]").length === 3);
    assert.deepEqual(errors, []);
  }],

  ["logo and icon (by PATCH UP) are written to the meter; Flash1M.bin is a download", async (env, assert) => {
    const out = fs.mkdtempSync(path.join(env.scratch, "meter-"));
    await env.bridge.start(["--out", out]);
    const {page, errors, downloads} = await openPage(env);
    await connect(page);
    await pick(page, "Load logo...", path.join(EXAMPLES, "stm32logo_sample.bin"));
    await pick(page, "Load icon...", path.join(EXAMPLES, "stm32icon_sample.bin"));
    await click(page, "Write logo");
    await waitIdle(page);
    // The icon goes by PATCH UP, with its tick alone.
    await page.click("#patch-PatchIcon");
    const done = answerYes(page);
    await click(page, "PATCH UP");
    await waitIdle(page);
    done();
    assert.match(await message(page, "Patch up done"), /icon written/);
    await click(page, "Create Flash1M.bin");
    assert.equal(fs.statSync(await waitForFile(downloads, /^Flash1M\.bin$/)).size, 1048576);
    await env.bridge.stopSim();
    for (const [sent, stored] of [["stm32logo_sample.bin", "logo.bin"], ["stm32icon_sample.bin", "icon.bin"]]) {
      assert.ok(fs.readFileSync(path.join(EXAMPLES, sent)).equals(fs.readFileSync(path.join(out, stored))), stored);
    }
    assert.deepEqual(errors, []);
  }],

  ["a firmware upgrade goes through the bootloader's 8E1 line", async (env, assert) => {
    const out = fs.mkdtempSync(path.join(env.scratch, "meter-"));
    await env.bridge.start(["--bootloader", "--out", out]);
    const {page, errors} = await openPage(env);
    await connect(page);
    await pick(page, "Load soft...", path.join(EXAMPLES, "rav32izazud_demo.hex"));
    const done = answerYes(page);
    await click(page, "SOFT upgrade");
    await waitIdle(page, 120000);
    done();
    const texts = (await allMessages(page)).join("\n");
    assert.ok(env.bridge.openings.some((o) => o.parity === "even" && o.stop === "1"), JSON.stringify(env.bridge.openings));
    await env.bridge.stopSim();
    assert.ok(fs.statSync(path.join(out, "flash.bin")).size > 0, texts);
    assert.doesNotMatch(texts, /fail|No answer/i, texts);
    assert.deepEqual(errors, []);
  }],

  ["without Web Serial the editor works and Read says which browsers have it", async (env, assert) => {
    const {page, errors} = await openPage(env, {fake: false, serial: false});
    assert.ok((await treeLabels(page)).length > 5);
    await click(page, "Read");
    assert.match(await message(page, "Web Serial"), /Chrome, Edge/);
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

  ["a write stopped after its backup offers to write the backup back, and does", async (env, assert) => {
    await env.bridge.start(["--tables", smallTable(env), "--baud", "1200"]);
    const {page, errors} = await openPage(env);
    await connect(page);
    const done = answerYes(page);
    await click(page, "Write");
    await page.waitForFunction(() => /^Write (LNB|Satellites|Transponders)/.test(document.getElementById("status").textContent),
                               {timeout: 20000});
    await click(page, "Stop");
    await page.waitForSelector("#offer[open]", {timeout: 20000});
    assert.match(await page.$eval("#offer-text", (p) => p.textContent), /^You stopped the write part-way/);
    // At once: the meter drops the broken-off transfer only after 2 s of
    // silence, and the write-back waits for that before its command.
    await page.click("#offer button[value='0']");
    assert.match(await message(page, "Backup written to the meter"), /\.csv/);
    await waitIdle(page);
    done();
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
