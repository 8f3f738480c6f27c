// The page: menus built from the core's command table, the satellite tree
// and the TP/LNB list, the dialogs the core asks for, files in and out.
// Every command runs in the core (wasm/WebApp.cpp); the page only asks the
// user and shows what the core says.
"use strict";

const HOME = "/home/web_user";
// What the core writes for the user; every file new or changed there after a
// command is handed over as a download (wasm/WebApp.h).
const OUTBOX = HOME + "/downloads";

const page = {core: null, app: 0, busy: false, stop: false, commands: [], selected: new Set(),
              port: new VelmoraPort(), ownFiles: new Set(), handles: new Map()};
const $ = (id) => document.getElementById(id);

// Leaving the page with unsaved edits asks first, as closing the window does.
window.addEventListener("beforeunload", (e) => { if (page.modified) e.preventDefault(); });

// "Open(&O)..." -> "Open...": the menu text without its mnemonic.
function plain(text) { return text.replace(/\(&.\)/g, "").replace(/&/g, ""); }
function firstLine(text) { return text.split("\n")[0]; }

function call(name, ret, types, args) { return page.core.ccall(name, ret, types, args); }
function callAsync(name, ret, types, args) {
  return page.core.ccall(name, ret, types, args, {async: true});
}

// ---- what the core asks of the page (wasm/WebView.cpp) ---------------------------

// The page's folders mean nothing to the user: a file the core wrote is
// named by itself, as the download is.
function shown(text) { return text.split(OUTBOX + "/").join("").split(HOME + "/").join(""); }

function showMessage(text, success) {
  text = shown(text);
  const box = document.createElement("div");
  box.className = success ? "message success" : "message";
  box.setAttribute("role", "alertdialog");
  box.setAttribute("aria-label", "Orvane");
  const p = document.createElement("p");
  p.textContent = text;
  const ok = document.createElement("button");
  ok.type = "button";
  ok.textContent = tr("velmora::FormDialog", "OK");
  ok.addEventListener("click", () => box.remove());
  box.append(p, ok);
  $("messages").append(box);
}

function ask(question, withCancel) {
  const dlg = $("ask");
  $("ask-text").textContent = trCore(question);
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

// A write that broke off after its backup: the message, OK, and a button
// that writes the backup back. True when that one was chosen; Escape is OK.
function offerWriteBack(message) {
  const dlg = $("offer");
  $("offer-text").textContent = shown(trCore(message));
  return new Promise((resolve) => {
    const done = (value) => {
      dlg.removeEventListener("click", clicked);
      dlg.removeEventListener("cancel", cancelled);
      dlg.close();
      resolve(value === "0");
    };
    const clicked = (e) => { const b = e.target.closest("button"); if (b) done(b.value); };
    const cancelled = (e) => { e.preventDefault(); done("1"); };
    dlg.addEventListener("click", clicked);
    dlg.addEventListener("cancel", cancelled);
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
  page.handles.delete(path);  // a file of the same name picked now has none
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
      if (control === "Title") document.title = (text ? text.split("/").pop() : tr("velmora::MainFrame", "Untitled")) + " - Orvane";
      else if (control === "Status") $("status").textContent = shown(trCore(text));
      else { const el = $("label-" + control); if (el) el.textContent = trCore(text); }
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
    message: (text, success) => showMessage(trCore(text), success),
    ask,
    offerWriteBack,
    openFile(title, filter) { return pickFile(acceptOf(filter)); },
    saveFile(proposed) {
      const name = (proposed || "sattp.csv").split("/").pop();
      return OUTBOX + "/" + name;
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

// path -> modification time of every file under dir.
function filesUnder(dir, out = new Map()) {
  const FS = page.core.FS;
  let names = [];
  try { names = FS.readdir(dir); } catch (e) { return out; }
  for (const name of names) {
    if (name === "." || name === "..") continue;
    const path = dir + "/" + name;
    let st;
    try { st = FS.stat(path); } catch (e) { continue; }
    if (FS.isDir(st.mode)) filesUnder(path, out); else out.set(path, st.mtime.getTime());
  }
  return out;
}

function download(name, bytes) {
  const a = document.createElement("a");
  a.href = URL.createObjectURL(new Blob([bytes], {type: "application/octet-stream"}));
  a.download = name;
  a.hidden = true;
  document.body.append(a);
  a.click();
  setTimeout(() => { URL.revokeObjectURL(a.href); a.remove(); }, 1000);
}

// The history and the PATCH UP report grow with every command: they stay.
const KEPT = /\/(orvanelog\.txt|patchup-report\.jsonl)$/;

// Writes bytes back to the user's file through its handle; false when the
// browser or the user refuses (the file is then a download).
async function writeBack(handle, bytes) {
  try {
    const out = await handle.createWritable();
    await out.write(bytes);
    await out.close();
    return true;
  } catch (e) {
    console.warn("no write-back to " + handle.name + ", a download instead:", e.name);
    return false;
  }
}

// Hands over what a command wrote: the outbox, and a table saved back to
// the file it was opened from (written back where it came with a handle).
// The page's own copies of picked files and the history are not the user's
// to download.
async function downloadWritten(before) {
  for (const [path, mtime] of filesUnder(HOME)) {
    if (before.get(path) === mtime || page.ownFiles.has(path) || KEPT.test(path)) continue;
    const bytes = page.core.FS.readFile(path);
    const handle = page.handles.get(path);
    if (!handle || !(await writeBack(handle, bytes))) download(path.split("/").pop(), bytes);
  }
}

// ---- commands --------------------------------------------------------------------

// One core call at a time: a second waits for the first.
async function run(work) {
  if (page.busy) return;
  page.busy = true;
  page.stop = false;
  document.body.dataset.running = "true";
  const before = filesUnder(HOME);
  page.ownFiles.clear();
  try {
    await work();
  } catch (e) {
    console.error("core call failed", e);
  } finally {
    // Busy until the files are back with the user: a command pressed meanwhile
    // is refused, as during the command itself.
    await downloadWritten(before).catch((e) => console.error("handing over files failed", e));
    page.busy = false;
    delete document.body.dataset.running;
    showTables(false);
    refreshCommands();
  }
}

// The window's steps a browser cannot take: no scan-table folder, no unit
// records database, no window to close.
const DESKTOP_ONLY = new Set(["FileCatalog", "UnitRecordsDialog", "ToggleRecord", "Exit"]);

function buildMenus() {
  const data = JSON.parse(call("web_commands", "string", ["number"], [page.app]));
  page.commands = data.commands;
  const nav = $("menus");
  nav.textContent = "";
  for (const [menuId, title] of data.menus) {
    const group = document.createElement("div");
    group.className = "menu";
    group.setAttribute("role", "group");
    group.setAttribute("aria-label", plain(trCore(title)));
    const head = document.createElement("span");
    head.className = "menu-title";
    head.textContent = plain(trCore(title));
    group.append(head);
    for (const c of page.commands.filter((c) => c.menu === menuId)) {
      const b = document.createElement("button");
      b.type = "button";
      b.id = "cmd-" + c.id;
      b.textContent = plain(trCore(c.text));
      b.setAttribute("aria-label", plain(trCore(c.text)));
      if (c.prompt) b.title = firstLine(trCore(c.prompt));
      if (DESKTOP_ONLY.has(c.step)) {
        b.dataset.desktopOnly = "true";
        b.title = tr("WebPage", "The desktop program has this; a browser cannot do it.");
      }
      if (c.step === "ToggleVerify" || c.step === "ToggleBackup") b.setAttribute("aria-pressed", "false");
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
    b.disabled = !(c.enabled || stop) || b.dataset.desktopOnly === "true";
    if (c.live) b.textContent = trCore(c.live);
    if (c.step === "ToggleVerify") b.setAttribute("aria-pressed", String(data.verify));
    if (c.step === "ToggleBackup") b.setAttribute("aria-pressed", String(data.backup));
  }
  page.modified = data.modified;
}

function command(c) {
  if (plain(c.text) === "Stop") { page.stop = true; return; }
  if (page.busy) return;
  if (c.step === "None" || c.step === "ToggleVerify" || c.step === "ToggleBackup") {
    return run(() => callAsync("web_run", "number", ["number", "number"], [page.app, c.id]));
  }
  return windowStep(c);
}
