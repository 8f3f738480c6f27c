// The page's dialogs for the window's steps, the tree and the list, Connect
// and the start. The values go to the core as the window's dialogs pass them.
"use strict";

// The edit forms: [label, name, kind, choices] rows.
const FORMS = {
  satAdd: ["Satellite Add", [["Name", "name", "text"], ["Longitude", "longitude", "text"],
    ["Hemisphere", "hemisphere", "select", ["East", "West"]], ["LNB", "lnb", "number", 1, 16]]],
  satEdit: ["Satellite Edit", [["Name", "name", "text"], ["Longitude", "longitude", "text"],
    ["Hemisphere", "hemisphere", "select", ["East", "West"]], ["LNB", "lnb", "number", 1, 16]]],
  tpAdd: ["TP Add", [["Satellite", "satellite", "satellite"], ["Frequency", "frequency", "text"],
    ["Symbol rate", "symbolRate", "text"], ["Polarisation", "polarisation", "select", ["V", "H"]],
    ["Unique", "unique", "select", ["No", "Yes"]], ["LNB", "lnb", "number", 1, 16]]],
  tpEdit: ["TP Edit", [["Frequency", "frequency", "text"], ["Symbol rate", "symbolRate", "text"],
    ["Polarisation", "polarisation", "select", ["V", "H"]], ["Unique", "unique", "select", ["No", "Yes"]],
    ["LNB", "lnb", "number", 1, 16]]],
  lnbEdit: ["LNB Edit", [["Type", "type", "number", 0, 8], ["Power", "power", "select", ["Off", "13/18", "13V", "18V"]],
    ["Dish", "dish", "select", ["Fixed", "Moved"]], ["DiSEqC switch", "sw", "select", ["Off", "V1.0", "V1.1"]],
    ["Input", "input", "number", 1, 18], ["22K tone", "tone", "select", ["Off", "0/22K", "22K"]]]],
  tpSort: ["TP Sort", [["First satellite", "firstSatellite", "satellite"],
    ["Direction", "direction", "select", ["West->East", "East->West"]],
    ["First key", "key1", "select", ["Frequency", "Symbolrate", "Pol"]],
    ["Second key", "key2", "select", ["Frequency", "Symbolrate", "Pol"], 1]]],
};
// The form button a command mirrors -> its form, or what it runs at once.
const BUTTON_FORM = {TpAdd: "tpAdd", TpEdit: "tpEdit", SatAdd: "satAdd", SatEdit: "satEdit",
                     LnbEdit: "lnbEdit", TpSort: "tpSort"};
const BUTTON_NOW = {TpDelete: "tpDelete", SatDelete: "satDelete"};

function askForm(kind) {
  const [title, fields] = FORMS[kind];
  $("form-title").textContent = title;
  const box = $("form-fields");
  box.textContent = "";
  for (const [label, name, type, a, b] of fields) {
    const l = document.createElement("label");
    l.append(label + " ");
    let input;
    if (type === "select" || type === "satellite") {
      input = document.createElement("select");
      const choices = type === "satellite" ? page.tables.satellites : a;
      choices.forEach((text, i) => input.append(new Option(text, String(i))));
      if (type === "satellite" && page.chosen >= 0) input.value = String(page.chosen);
      if (b !== undefined) input.value = String(b);
    } else {
      input = document.createElement("input");
      input.type = type;
      if (type === "number") { input.min = a; input.max = b; input.value = a; }
    }
    input.name = name;
    input.dataset.kind = type;
    l.append(input);
    box.append(l);
  }
  const dlg = $("form");
  return new Promise((resolve) => {
    dlg.addEventListener("close", () => {
      if (dlg.returnValue !== "ok") return resolve(null);
      const out = {};
      for (const el of box.querySelectorAll("input, select")) {
        const v = el.value;
        if (el.dataset.kind === "text") out[el.name] = v;
        // LNBs and inputs are offered from 1, as the window's dialogs do.
        else if (el.name === "lnb" || el.name === "input") out[el.name] = Number(v) - 1;
        else out[el.name] = Number(v);
      }
      resolve(out);
    }, {once: true});
    dlg.showModal();
  });
}

function showLines(title, count, lines, offerTake) {
  $("lines-title").textContent = title;
  $("lines-count").textContent = count;
  const list = $("lines-list");
  list.textContent = "";
  for (const line of lines) {
    const li = document.createElement("li");
    li.textContent = line;
    list.append(li);
  }
  $("lines-take").hidden = !offerTake;
  const dlg = $("lines");
  return new Promise((resolve) => {
    const done = (take) => { dlg.close(); resolve(take); };
    $("lines-take").onclick = () => done(true);
    $("lines-close").onclick = () => done(false);
    dlg.showModal();
  });
}

// The import dialog: the list's satellites with ticks and names, Add or
// Replace, the LNBs of new satellites, and the preview the core gives.
function importChoices() {
  const rows = [...document.querySelectorAll("#import-list tr")];
  const lnb = (id) => Number($(id).value);
  return {selected: rows.map((r) => r.querySelector("input[type=checkbox]").checked),
          names: rows.map((r) => r.querySelector("input[type=text]").value.trim()),
          replace: $("import-replace").checked, ku: lnb("import-ku"), c: lnb("import-c"), ka: lnb("import-ka")};
}

function showImportPreview() {
  const choices = importChoices();
  const r = JSON.parse(call("web_import_preview", "string", ["number", "string"],
                            [page.app, JSON.stringify(choices)]));
  $("import-summary").textContent = r.summary;
  $("import-changes").textContent = r.changes || "Nothing in the table changes.";
  $("import-ok").disabled = !choices.selected.some(Boolean);
}

async function importList(source) {
  const r = JSON.parse(await callAsync("web_import_load", "string", ["number", "string"], [page.app, source]));
  if (r.error) return showMessage(r.error, false);
  if (!r.satellites.length) return showMessage(source.split("/").pop() + ": no satellites in this list", false);
  const body = $("import-list");
  body.textContent = "";
  for (const sat of r.satellites) {
    const tr = document.createElement("tr");
    const tick = document.createElement("input");
    tick.type = "checkbox";
    tick.checked = true;
    tick.setAttribute("aria-label", sat.position + " " + sat.name);
    const name = document.createElement("input");
    name.type = "text";
    name.value = sat.name;
    name.setAttribute("aria-label", "Name");
    const cells = [tick, sat.position, name, String(sat.transponders)];
    for (const cell of cells) {
      const td = document.createElement("td");
      td.append(cell);
      tr.append(td);
    }
    body.append(tr);
  }
  for (const id of ["import-ku", "import-c", "import-ka"]) {
    const select = $(id);
    select.textContent = "";
    select.append(new Option("automatic", "-1"));
    r.lnbs.forEach((text, i) => select.append(new Option((i + 1) + ": " + text, String(i))));
  }
  $("import-replace").checked = false;
  $("import-add").checked = true;
  showImportPreview();
  const dlg = $("import");
  const answer = await new Promise((resolve) => {
    dlg.addEventListener("close", () => resolve(dlg.returnValue), {once: true});
    dlg.showModal();
  });
  if (answer === "ok") {
    call("web_import_apply", null, ["number", "string"], [page.app, JSON.stringify(importChoices())]);
  }
}

async function windowStep(c) {
  const app = page.app;
  switch (c.step) {
    case "PressButton": {
      const now = BUTTON_NOW[c.button];
      if (now) return run(() => callAsync("web_edit", null, ["number", "string", "string"], [app, now, "{}"]));
      const kind = BUTTON_FORM[c.button];
      if (!kind) return;
      return run(async () => {
        if (kind === "tpAdd" && !(await callAsync("web_ready_to_add_tp", "number", ["number"], [app]))) return;
        const input = await askForm(kind);
        if (input) await callAsync("web_edit", null, ["number", "string", "string"], [app, kind, JSON.stringify(input)]);
      });
    }
    case "FileImport":
      return run(async () => {
        const path = await pickFile("");
        if (path) await importList(path);
      });
    case "FileImportUrl":
      return run(async () => {
        const url = await askText("Import from the web", "The address of a transponder list (http or https):");
        if (url) await importList(url);
      });
    case "RestoreDialog":
      return run(async () => {
        const path = await pickFile(".csv");
        if (path) await callAsync("web_restore_backup", null, ["number", "string"], [app, path]);
      });
    case "ExportDialog":
      return run(async () => {
        const r = JSON.parse(call("web_export", "string", ["number"], [app]));
        if (!r.ok) showMessage(r.text, false);
      });
    case "CheckDialog": {
      const lines = JSON.parse(call("web_check", "string", ["number"], [app]));
      return showLines("Check table", lines.length ? lines.length + " findings" : "No findings", lines, false);
    }
    case "CompareDialog":
      return run(async () => {
        const r = JSON.parse(await callAsync("web_compare", "string", ["number"], [app]));
        if (!r) return;
        const lines = r.orderDiffers ? r.lines.concat(["order differs"]) : r.lines;
        if (await showLines("Compare with meter", r.count, lines, true)) {
          call("web_take_meter_table", null, ["number"], [app]);
        }
      });
    case "FocusFind": return $("find").focus();
    case "AboutBox": return showMessage("Orvane in the browser: the table editor and meter service, " +
                                        "with the same core as the desktop program.", true);
    case "HelpContents": return showMessage("The commands are those of the desktop program's menus. " +
                                            "Connect chooses the meter's serial port.", true);
    default:
      return showMessage(plain(c.text) + ": the browser cannot do this; the desktop program can.", false);
  }
}

// A line of text from the user, or null.
function askText(title, label) {
  $("text-title").textContent = title;
  $("text-label").textContent = label;
  $("text-value").value = "";
  const dlg = $("text");
  return new Promise((resolve) => {
    dlg.addEventListener("close", () => resolve(dlg.returnValue === "ok" ? $("text-value").value.trim() : null),
                         {once: true});
    dlg.showModal();
  });
}

// The find field keeps the rows that contain its text, as the window's does.
function applyFind() {
  const wanted = $("find").value.trim().toLowerCase();
  const rows = [...$("list-body").rows];
  let shown = 0;
  for (const tr of rows) {
    const hit = !wanted || tr.textContent.toLowerCase().includes(wanted);
    tr.hidden = !hit;
    if (hit) shown++;
  }
  $("find-report").textContent = wanted ? `${shown} of ${rows.length} rows match "${$("find").value.trim()}"` : "";
}

// ---- tree and list ----------------------------------------------------------------

function showTables(always) {
  const json = call("web_tables", "string", ["number", "number"], [page.app, always ? 1 : 0]);
  const t = JSON.parse(json);
  if (!t) return;
  page.tables = t;
  page.chosen = t.chosen;
  const tree = $("tree");
  tree.textContent = "";
  const item = (label, index) => {
    const li = document.createElement("li");
    li.setAttribute("role", "treeitem");
    li.setAttribute("aria-selected", String(index === t.chosen));
    li.tabIndex = 0;
    li.textContent = label;
    li.addEventListener("click", () => selectSatellite(index));
    return li;
  };
  tree.append(item("All Satellites", -1));
  const group = document.createElement("ul");
  group.setAttribute("role", "group");
  t.satellites.forEach((label, i) => group.append(item(label, i)));
  tree.append(group);
  const head = $("list-head");
  head.textContent = "";
  for (const h of t.lnbs ? ["LNB", "Settings"] : ["No.", "Satellite", "Transponder"]) {
    const th = document.createElement("th");
    th.textContent = h;
    head.append(th);
  }
  const body = $("list-body");
  body.textContent = "";
  page.selected.clear();
  const fragment = document.createDocumentFragment();
  t.rows.forEach((cells, row) => {
    const tr = document.createElement("tr");
    for (const cell of cells) {
      const td = document.createElement("td");
      td.textContent = cell;
      tr.append(td);
    }
    tr.addEventListener("click", (e) => {
      if (!e.ctrlKey && !e.metaKey) {
        page.selected.clear();
        for (const other of body.querySelectorAll("tr.selected")) other.classList.remove("selected");
      }
      page.selected.add(row);
      tr.classList.add("selected");
      tr.setAttribute("aria-selected", "true");
    });
    fragment.append(tr);
  });
  body.append(fragment);
  applyFind();
}

function selectSatellite(index) {
  if (page.busy) return;
  call("web_select_satellite", null, ["number", "number"], [page.app, index]);
  showTables(true);
  refreshCommands();
}

// ---- Connect and the start ------------------------------------------------------

async function connect() {
  if (!page.port.available()) return;
  try {
    if (await page.port.choose()) $("port-name").textContent = "Web Serial port chosen";
  } catch (e) {
    // The user closed the browser's port picker.
  }
}

async function start() {
  page.core = await createVelmoraCore({});
  installView();
  page.app = call("web_create", "number", [], []);
  buildMenus();
  showTables(true);
  $("connect").addEventListener("click", connect);
  $("find").addEventListener("input", applyFind);
  for (const tick of document.querySelectorAll("#form-pane input[type=checkbox]")) {
    tick.addEventListener("change", () => {
      if (page.busy) return;
      call("web_patch_ticks_changed", null, ["number"], [page.app]);
      refreshCommands();
    });
  }
  for (const el of document.querySelectorAll("#import-list, #import-options")) {
    el.addEventListener("change", showImportPreview);
    el.addEventListener("input", showImportPreview);
  }
  if (!page.port.available()) {
    const note = $("serial-note");
    note.hidden = false;
    note.textContent = NO_WEB_SERIAL[0].toUpperCase() + NO_WEB_SERIAL.slice(1) + ".";
    $("connect").disabled = true;
  }
  document.addEventListener("dragover", (e) => e.preventDefault());
  document.addEventListener("drop", (e) => {
    e.preventDefault();
    const file = e.dataTransfer.files[0];
    if (file) run(async () => callAsync("web_open_path", null, ["number", "string"], [page.app, await storeFile(file)]));
  });
  performance.mark("velmora-ready");
  document.body.dataset.ready = "true";
}

start();
