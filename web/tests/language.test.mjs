// The page follows the browser's language: the window's translations,
// the core's filled texts translated with their values, Arabic right to left.
import fs from "node:fs";
import path from "node:path";
import {click, openPage} from "./harness.mjs";

// A transponder the check finds fault with: 3000 MHz is below its LNB's band.
const FAULTY = "name,longitude,LNBNo.,LNBFreq,DiSEqC,frequency,symbolrate,polarization,unique\r\n" +
  "Test East,10.0E,1,9750/10600,1,3000,22000,H, ,\r\n,,,,,10729,22000,V, ,\r\n";

export const tests = [
  ["German: menus, dialogs and the core's check findings in German", async (env, assert) => {
    const {page, errors} = await openPage(env, {language: "de-DE"});
    assert.equal(await page.$eval("html", (h) => h.lang + " " + h.dir), "de ltr");
    for (const name of ["Öffnen...", "Speichern", "Lesen", "Schreiben", "Verbinden", "Status"]) {
      assert.ok(await page.$(`::-p-aria(${name})`), name);
    }
    assert.equal(await page.$("::-p-aria(Open...)"), null, "no English menu text left");
    const file = path.join(env.scratch, "faulty.csv");
    fs.writeFileSync(file, FAULTY);
    const [chooser] = await Promise.all([page.waitForFileChooser(), click(page, "Öffnen...")]);
    await chooser.accept([file]);
    await page.waitForFunction(() => document.title.startsWith("faulty.csv"));
    await click(page, "Tabelle prüfen...");
    await page.waitForSelector("#lines[open]");
    const dialog = await page.$eval("#lines", (d) => d.innerText);
    assert.match(dialog, /Tabelle prüfen/);
    // The template's German words around the values the core filled in.
    assert.match(dialog, /3000 H 22000: LNB 1 \(9750\/10600\) empfängt nur 10700\.\.12750 MHz/, dialog);
    assert.deepEqual(errors, []);
  }],

  ["Arabic lays the page out right to left", async (env, assert) => {
    const {page, errors} = await openPage(env, {language: "ar"});
    assert.equal(await page.$eval("html", (h) => h.lang + " " + h.dir), "ar rtl");
    const x = (id) => page.$eval(id, (el) => el.getBoundingClientRect().left);
    assert.ok(await x("#tree-pane") > await x("#list-pane"), "the tree is right of the list");
    assert.ok(await page.$("::-p-aria(قراءة)"), "the Read command in Arabic");
    assert.deepEqual(errors, []);
  }],

  ["counts take the language's plural form, and the import's changes its words", async (env, assert) => {
    // The form Qt's rules give each count: Russian has three, Arabic six.
    const ruForm = (n) => (n % 10 === 1 && n % 100 !== 11 ? 0
      : n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14) ? 1 : 2);
    const arForm = (n) => (n <= 2 ? n : n % 100 >= 3 && n % 100 <= 10 ? 3 : n % 100 >= 11 ? 4 : 5);
    const counts = [0, 1, 2, 3, 5, 11, 12, 21, 22, 25, 100, 101, 111];
    for (const [language, form] of [["ru", ruForm], ["ar", arForm], ["de", (n) => (n === 1 ? 0 : 1)]]) {
      const {page, errors} = await openPage(env, {language});
      const got = await page.evaluate((counts) => {
        const forms = i18n.catalog.CompareDlg["%n added"];
        return {forms, shown: counts.map((n) => trN("CompareDlg", "%n added", n)),
                changes: changesText([{satellite: "19.2E Astra", isNew: true, added: ["11362 H 22000"],
                                       removed: [], changed: [], matchedFrom: []}])};
      }, counts);
      assert.deepEqual(got.shown, counts.map((n) => got.forms[form(n)].replace("%n", n)), language);
      const t = (text) => (JSON.parse(fs.readFileSync(path.join(env.site, "i18n", language + ".json")))
        .ChangesText[text]);
      assert.ok(got.changes.includes(t("%1 (new)").replace("%1", "19.2E Astra")), got.changes);
      assert.ok(got.changes.includes(t("%1 added").replace("%1", "1")), got.changes);
      assert.deepEqual(errors, []);
      await page.close();
    }
  }],

  ["the browser's language picks the nearest catalog", async (env, assert) => {
    const {page} = await openPage(env, {language: "de-AT"});
    const picked = await page.evaluate(() => {
      const have = ["ar", "de", "pt", "zh_CN"];
      return [["de-AT"], ["zh-CN"], ["zh"], ["pt-BR"], ["ja", "de"], ["en-GB", "de"], ["ja"]]
        .map((wanted) => pickLanguage(wanted, have));
    });
    assert.deepEqual(picked, ["de", "zh_CN", "zh_CN", "pt", "de", "en", "en"]);
  }],
];
