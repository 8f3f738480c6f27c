// The page driven as a user drives it, by the accessible names of its
// commands, against velmora-metersim through the bridge.
import fs from "node:fs";
import path from "node:path";
import {allMessages, click, message, openPage, treeLabels, waitIdle, waitForFile} from "./harness.mjs";

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
];
