// The page: menus built from the core's command table, the satellite tree
// and the TP/LNB list, the dialogs the core asks for, files in and out.
// Every command runs in the core (wasm/WebApp.cpp); the page only asks the
// user and shows what the core says.
"use strict";

const HOME = "/home/web_user";
// FormControl ids of the session's view (session/SessionView.h).
const CONTROL = {Status: 14, Progress: 10, PortSelector: 9, TpAdd: 4, TpEdit: 5, TpDelete: 6,
                 SatDelete: 7, SatAdd: 11, LnbEdit: 12, TpSort: 13, SatEdit: 20, Find: 21};
// WindowStep ids of the command table (session/Commands.h).
const STEP = {FileImport: 1, FileImportUrl: 2, FileCatalog: 3, ExportDialog: 4, CheckDialog: 5,
              CompareDialog: 6, HelpContents: 7, AboutBox: 8, Exit: 9, FocusFind: 10,
              PressButton: 11, ToggleVerify: 12, ToggleBackup: 13};

const page = {core: null, app: 0, busy: false, stop: false, commands: [], selected: new Set(),
              port: new VelmoraPort(), downloadsFrom: 0, ownFiles: new Set()};
const $ = (id) => document.getElementById(id);

// "Open(&O)..." -> "Open...": the menu text without its mnemonic.
function plain(text) { return text.replace(/\(&.\)/g, "").replace(/&/g, ""); }
function firstLine(text) { return text.split("\n")[0]; }

function call(name, ret, types, args) { return page.core.ccall(name, ret, types, args); }
function callAsync(name, ret, types, args) {
  return page.core.ccall(name, ret, types, args, {async: true});
}

// ---- what the core asks of the page (wasm/WebView.cpp) ---------------------------

function showMessage(text, success) {
  const box = document.createElement("div");
  box.className = success ? "message success" : "message";
  box.setAttribute("role", "alertdialog");
  box.setAttribute("aria-label", "Orvane");
  const p = document.createElement("p");
  p.textContent = text;
  const ok = document.createElement("button");
  ok.type = "button";
  ok.textContent = "OK";
  ok.addEventListener("click", () => box.remove());
  box.append(p, ok);
  $("messages").append(box);
}

function ask(question, withCancel) {
  const dlg = $("ask");
  $("ask-text").textContent = question;
  $("ask-cancel").hidden = !withCancel;
  return new Promise((resolve) => {
    const done = (e) => {
      const b = e.target.closest("button");
      if (!b) return;
      dlg.removeEventListener("click", done);
      dlg.close();
      resolve(Number(b.value));
    };
    dlg.addEventListener("click", done);
    dlg.showModal();
  });
}

// Asks for a file and copies it into the page's folder; its path, or null.
function pickFile(accept) {
  const input = $("file-input");
  input.value = "";
  input.accept = accept || "";
  return new Promise((resolve) => {
    const picked = async () => {
      input.removeEventListener("change", picked);
      input.removeEventListener("cancel", cancelled);
      const file = input.files[0];
      resolve(file ? await storeFile(file) : null);
    };
    const cancelled = () => {
      input.removeEventListener("change", picked);
      input.removeEventListener("cancel", cancelled);
      resolve(null);
    };
    input.addEventListener("change", picked);
    input.addEventListener("cancel", cancelled);
    input.click();
  });
}

async function storeFile(file) {
  const path = HOME + "/" + file.name.replace(/[\/\\]/g, "_");
  page.core.FS.writeFile(path, new Uint8Array(await file.arrayBuffer()));
  page.ownFiles.add(path);
  return path;
}

// "sattp files (*.csv);;All Files (*)" -> ".csv": the first filter's patterns.
function acceptOf(filter) {
  const first = /\(([^)]*)\)/.exec(filter.split(";;")[0]);
  if (!first || first[1].trim() === "*") return "";
  return first[1].trim().split(/\s+/).map((p) => p.replace(/^\*/, "")).join(",");
}

function installView() {
  page.core.velmoraPort = page.port;
  page.core.velmoraView = {
    setText(control, text) {
      if (control === -1) document.title = (text ? text.split("/").pop() : "Untitled") + " - Orvane";
      else if (control === CONTROL.Status) $("status").textContent = text;
      else { const el = $("label-" + control); if (el) el.textContent = text; }
    },
    setNumber(what, control, value) {
      if (what === "progressRange") { $("progress").max = Math.max(1, value); $("progress").value = 0; }
      else if (what === "progressPos") $("progress").value = value;
      else if (what === "busy") document.body.classList.toggle("busy", value !== 0);
      else if (what === "check") { const el = $("patch-" + control); if (el) el.checked = value !== 0; }
      else if (what === "selectSat") page.chosen = value;
    },
    getCheck(control) { const el = $("patch-" + control); return el ? el.checked : false; },
    selectedRows() { return [...page.selected].sort((a, b) => a - b); },
    message: showMessage,
    ask,
    openFile(title, filter) { return pickFile(acceptOf(filter)); },
    saveFile(proposed) {
      const name = (proposed || "sattp.csv").split("/").pop();
      return HOME + "/" + name;
    },
    takeStop() { const s = page.stop; page.stop = false; return s; },
    stateChanged() { refreshCommands(); },
  };
  page.core.velmoraFetch = async (url, maxBytes) => {
    try {
      const r = await fetch(url);
      if (!r.ok) return {ok: false, bytes: new TextEncoder().encode("HTTP " + r.status + " " + r.statusText)};
      const bytes = new Uint8Array(await r.arrayBuffer());
      if (bytes.length > maxBytes) return {ok: false, bytes: new TextEncoder().encode("is too large")};
      return {ok: true, bytes};
    } catch (e) {
      return {ok: false, bytes: new TextEncoder().encode(
        "cannot be downloaded here: the server does not allow this page to read it (cross-origin)")};
    }
  };
}

// ---- files the core wrote become downloads -------------------------------------

function walk(dir, out) {
  const FS = page.core.FS;
  let names = [];
  try { names = FS.readdir(dir); } catch (e) { return; }
  for (const name of names) {
    if (name === "." || name === "..") continue;
    const path = dir + "/" + name;
    let st;
    try { st = FS.stat(path); } catch (e) { continue; }
    if (FS.isDir(st.mode)) walk(path, out); else out.push([path, st.mtime.getTime()]);
  }
}

function downloadWritten(since) {
  const files = [];
  walk(HOME, files);
  walk("/sample", files);
  for (const [path, mtime] of files) {
    if (mtime < since || path.endsWith("orvanelog.txt") || page.ownFiles.has(path)) continue;
    const blob = new Blob([page.core.FS.readFile(path)], {type: "application/octet-stream"});
    const a = document.createElement("a");
    a.href = URL.createObjectURL(blob);
    a.download = path.split("/").pop();
    a.hidden = true;
    document.body.append(a);
    a.click();
    setTimeout(() => { URL.revokeObjectURL(a.href); a.remove(); }, 1000);
  }
}

// ---- commands --------------------------------------------------------------------

// One core call at a time: a second waits for the first.
async function run(work) {
  if (page.busy) return;
  page.busy = true;
  page.stop = false;
  const since = Date.now();
  page.ownFiles.clear();
  try {
    await work();
  } catch (e) {
    console.warn("core call failed", e);
  } finally {
    page.busy = false;
    downloadWritten(since);
    showTables(false);
    refreshCommands();
  }
}

function buildMenus() {
  const data = JSON.parse(call("web_commands", "string", ["number"], [page.app]));
  page.commands = data.commands;
  const nav = $("menus");
  nav.textContent = "";
  for (const [menuId, title] of data.menus) {
    const group = document.createElement("div");
    group.className = "menu";
    group.setAttribute("role", "group");
    group.setAttribute("aria-label", plain(title));
    const head = document.createElement("span");
    head.className = "menu-title";
    head.textContent = plain(title);
    group.append(head);
    for (const c of page.commands.filter((c) => c.menu === menuId)) {
      const b = document.createElement("button");
      b.type = "button";
      b.id = "cmd-" + c.id;
      b.textContent = plain(c.text);
      b.setAttribute("aria-label", plain(c.text));
      if (c.prompt) b.title = firstLine(c.prompt);
      if (c.step === STEP.ToggleVerify || c.step === STEP.ToggleBackup) b.setAttribute("aria-pressed", "false");
      b.addEventListener("click", () => command(c));
      group.append(b);
    }
    nav.append(group);
  }
  refreshCommands();
}

function refreshCommands() {
  if (!page.app) return;
  const data = JSON.parse(call("web_commands", "string", ["number"], [page.app]));
  for (const c of data.commands) {
    const b = $("cmd-" + c.id);
    if (!b) continue;
    const stop = plain(c.text) === "Stop";
    b.disabled = !(c.enabled || stop);
    if (c.live) b.textContent = c.live;
    if (c.step === STEP.ToggleVerify) b.setAttribute("aria-pressed", String(data.verify));
    if (c.step === STEP.ToggleBackup) b.setAttribute("aria-pressed", String(data.backup));
  }
}

function command(c) {
  if (plain(c.text) === "Stop") { page.stop = true; return; }
  if (page.busy) return;
  if (c.step === 0 || c.step === STEP.ToggleVerify || c.step === STEP.ToggleBackup) {
    return run(() => callAsync("web_run", "number", ["number", "number"], [page.app, c.id]));
  }
  return windowStep(c);
}
