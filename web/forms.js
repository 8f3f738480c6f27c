// The page's dialogs for the window's steps, the tree and the list, Connect
// and the start. The values go to the core as the window's dialogs pass them.
"use strict";

// The edit forms: [label, name, kind, choices] rows.
const FORMS = {
  satAdd: [trLater("velmora::SatAddDlg", "Satellite Add"), [[trLater("WebPage", "Name"), "name", "text"],
    [trLater("velmora::SatAddDlg", "Longitude"), "longitude", "text"],
    [trLater("WebPage", "Hemisphere"), "hemisphere", "select", [trLater("velmora::SatAddDlg", "East"), trLater("velmora::SatAddDlg", "West")]],
    [trLater("TpListModel", "LNB"), "lnb", "number", 1, 16]]],
  satEdit: [trLater("velmora::SatAddDlg", "Satellite Edit"), [[trLater("WebPage", "Name"), "name", "text"],
    [trLater("velmora::SatAddDlg", "Longitude"), "longitude", "text"],
    [trLater("WebPage", "Hemisphere"), "hemisphere", "select", [trLater("velmora::SatAddDlg", "East"), trLater("velmora::SatAddDlg", "West")]],
    [trLater("TpListModel", "LNB"), "lnb", "number", 1, 16]]],
  tpAdd: [trLater("WebPage", "TP Add"), [[trLater("velmora::TpEditDlg", "Satellite"), "satellite", "satellite"],
    [trLater("velmora::TpEditDlg", "Frequency"), "frequency", "text"],
    [trLater("velmora::TpEditDlg", "Symbol rate"), "symbolRate", "text"],
    [trLater("velmora::TpEditDlg", "Polarisation"), "polarisation", "select", ["V", "H"]],
    [trLater("velmora::TpEditDlg", "Unique"), "unique", "select", [trLater("WebPage", "No"), trLater("WebPage", "Yes")]],
    [trLater("TpListModel", "LNB"), "lnb", "number", 1, 16]]],
  tpEdit: [trLater("WebPage", "TP Edit"), [[trLater("velmora::TpEditDlg", "Frequency"), "frequency", "text"],
    [trLater("velmora::TpEditDlg", "Symbol rate"), "symbolRate", "text"],
    [trLater("velmora::TpEditDlg", "Polarisation"), "polarisation", "select", ["V", "H"]],
    [trLater("velmora::TpEditDlg", "Unique"), "unique", "select", [trLater("WebPage", "No"), trLater("WebPage", "Yes")]],
    [trLater("TpListModel", "LNB"), "lnb", "number", 1, 16]]],
  lnbEdit: [trLater("velmora::LnbEditDlg", "LNB Edit"), [[trLater("TpListModel", "Type"), "type", "number", 0, 8],
    [trLater("TpListModel", "Power"), "power", "select", [trLater("velmora::LnbEditDlg", "Off"), "13/18", "13V", "18V"]],
    [trLater("TpListModel", "Dish"), "dish", "select", [trLater("velmora::LnbEditDlg", "Fixed"), trLater("velmora::LnbEditDlg", "Moved")]],
    [trLater("velmora::LnbEditDlg", "DiSEqC switch"), "sw", "select", [trLater("velmora::LnbEditDlg", "Off"), "V1.0", "V1.1"]],
    [trLater("WebPage", "Input"), "input", "number", 1, 18],
    [trLater("WebPage", "22K tone"), "tone", "select", [trLater("velmora::LnbEditDlg", "Off"), "0/22K", "22K"]]]],
  tpSort: [trLater("WebPage", "TP Sort"), [[trLater("WebPage", "First satellite"), "firstSatellite", "satellite"],
    [trLater("WebPage", "Direction"), "direction", "select", [trLater("WebPage", "West->East"), trLater("WebPage", "East->West")]],
    [trLater("WebPage", "First key"), "key1", "select", [trLater("velmora::TpSortDlg", "Frequency"), trLater("WebPage", "Symbolrate"), trLater("WebPage", "Pol")]],
    [trLater("WebPage", "Second key"), "key2", "select", [trLater("velmora::TpSortDlg", "Frequency"), trLater("WebPage", "Symbolrate"), trLater("WebPage", "Pol")], 1]]],
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
    li.textContent = trCore(line);
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

// The merge's changes, satellite by satellite, worded as the window's import
// dialog words them; in a right-to-left page a mark starts each heading, which
// begins with a position in Latin digits.
function changesText(satellites) {
  const t = (text) => tr("ChangesText", text);
  const mark = document.documentElement.dir === "rtl" ? "\u200f" : "";
  let text = "";
  for (const sat of satellites) {
    const name = sat.isNew ? fill(t("%1 (new)"), [sat.satellite]) : sat.satellite;
    const counts = [];
    if (sat.added.length) counts.push(fill(t("%1 added"), [sat.added.length]));
    if (sat.removed.length) counts.push(fill(t("%1 removed"), [sat.removed.length]));
    if (sat.changed.length) counts.push(fill(t("%1 changed"), [sat.changed.length]));
    text += mark + fill(t("%1: %2"), [name, counts.join(t(", "))]) + "\n";
    for (const from of sat.matchedFrom) text += mark + "  " + fill(t("%1 matched %2"), [from, sat.satellite]) + "\n";
    for (const tp of sat.added) text += "  + " + tp + "\n";
    for (const tp of sat.removed) text += "  - " + tp + "\n";
    for (const [before, after] of sat.changed) text += "  ~ " + before + " -> " + after + "\n";
  }
  return text;
}

// The count line of Compare with meter, as the window's: "3 differences: 2
// added, 1 changed; order differs".
function compareCountText(r) {
  const kinds = ["%n added", "%n removed", "%n changed"];
  const parts = kinds.flatMap((k, i) => (r.counts[i] > 0 ? [trN("CompareDlg", k, r.counts[i])] : []));
  return trCore(r.count) + (parts.length ? ": " + parts.join(", ") : "") + (r.order ? "; " + trCore(r.order) : "");
}

function showImportPreview() {
  const choices = importChoices();
  const r = JSON.parse(call("web_import_preview", "string", ["number", "string"],
                            [page.app, JSON.stringify(choices)]));
  $("import-summary").textContent = trCore(r.summary);
  $("import-changes").textContent = changesText(r.changes) || tr("velmora::ImportDlg", "Nothing in the table changes.");
  $("import-ok").disabled = !choices.selected.some(Boolean);
}

async function importList(source) {
  const r = JSON.parse(await callAsync("web_import_load", "string", ["number", "string"], [page.app, source]));
  if (r.error) return showMessage(trCore(r.error), false);
  if (!r.satellites.length) return showMessage(tr("ImportDlg", "%1: no satellites in this list").replace("%1", source.split("/").pop()), false);
  const body = $("import-list");
  body.textContent = "";
  // The rows are called tr below, which hides the translation function.
  const nameLabel = tr("velmora::ImportDlg", "Name");
  for (const sat of r.satellites) {
    const tr = document.createElement("tr");
    const tick = document.createElement("input");
    tick.type = "checkbox";
    tick.checked = true;
    tick.setAttribute("aria-label", sat.position + " " + sat.name);
    const name = document.createElement("input");
    name.type = "text";
    name.value = sat.name;
    name.setAttribute("aria-label", nameLabel);
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
    select.append(new Option(tr("WebPage", "automatic"), "-1"));
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
        const url = await askText(tr("velmora::UrlDlg", "Import from the web"), tr("WebPage", "The address of a transponder list (http or https):"));
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
        if (!r.ok) showMessage(trCore(r.text), false);
      });
    case "CheckDialog": {
      const lines = JSON.parse(call("web_check", "string", ["number"], [app]));
      return showLines(tr("velmora::CheckDlg", "Check table"),
                       lines.length ? tr("WebPage", "Findings: %1").replace("%1", lines.length) : tr("WebPage", "No findings"),
                       lines, false);
    }
    case "CompareDialog":
      return run(async () => {
        const r = JSON.parse(await callAsync("web_compare", "string", ["number"], [app]));
        if (!r) return;
        if (await showLines(tr("velmora::CompareDlg", "Compare with meter"), compareCountText(r), r.lines, true)) {
          call("web_take_meter_table", null, ["number"], [app]);
        }
      });
    case "FocusFind": return $("find").focus();
    case "AboutBox": return showMessage(tr("WebPage", "Orvane in the browser: the table editor and meter service, " +
                                        "with the same core as the desktop program."), true);
    case "HelpContents": return showMessage(tr("WebPage", "The commands are those of the desktop program's menus. " +
                                            "Connect chooses the meter's serial port."), true);
    default:
      return showMessage(tr("WebPage", "%1: the browser cannot do this; the desktop program can.").replace("%1", plain(trCore(c.text))), false);
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
  $("find-report").textContent = wanted ? tr("velmora::TransponderListView", "%1 of %2 rows match \"%3\"")
    .replace("%1", shown).replace("%2", rows.length).replace("%3", $("find").value.trim()) : "";
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
  tree.append(item(tr("velmora::SatelliteTree", "All Satellites"), -1));
  const group = document.createElement("ul");
  group.setAttribute("role", "group");
  t.satellites.forEach((label, i) => group.append(item(label, i)));
  tree.append(group);
  const head = $("list-head");
  head.textContent = "";
  for (const h of t.lnbs ? [tr("TpListModel", "LNB"), tr("WebPage", "Settings")]
                          : [tr("TpListModel", "No."), tr("TpListModel", "Satellite"), tr("velmora::TpEditDlg", "Transponder")]) {
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
    if (await page.port.choose()) $("port-name").textContent = tr("WebPage", "Web Serial port chosen");
  } catch (e) {
    // The user closed the browser's port picker.
  }
}

async function start() {
  await loadLanguage();
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
    // The words of NO_WEB_SERIAL (serial.js) as a sentence of its own.
    note.textContent = tr("WebPage", "This browser has no Web Serial, so the page cannot reach a meter: use Chrome, Edge " +
      "or Opera on Windows, macOS or Linux (or Firefox from its release 151); the table editor works here.");
    $("connect").disabled = true;
  }
  document.addEventListener("dragover", (e) => e.preventDefault());
  document.addEventListener("drop", (e) => {
    e.preventDefault();
    const file = e.dataTransfer.files[0];
    if (!file) return;
    // Where the browser has the File System Access API, a dropped file comes
    // with a handle, and Save writes it back there instead of downloading it.
    // The handle must be asked for now: the drop's items go with the event.
    const item = e.dataTransfer.items && e.dataTransfer.items[0];
    const handle = item && item.getAsFileSystemHandle ? item.getAsFileSystemHandle().catch(() => null) : null;
    run(async () => {
      const path = await storeFile(file);
      const h = await handle;
      if (h && h.kind === "file") page.handles.set(path, h);
      await callAsync("web_open_path", null, ["number", "string"], [page.app, path]);
    });
  });
  performance.mark("velmora-ready");
  document.body.dataset.ready = "true";
}

start();
