// The page in the window's languages: the catalogs made at build time from
// translations/*.ts (i18n/XX.json), chosen by the browser's languages.
// tr() looks a text up as the window's tr() does; trCore() translates a text
// the core sent, already filled, as the window's CoreText does.
"use strict";

const i18n = {language: "en", catalog: {}, patterns: []};

// The first of the browser's languages we have: "de-AT" -> "de",
// "zh-CN" or "zh" -> "zh_CN"; English, ours too, ends the search.
function pickLanguage(wanted, have) {
  for (const tag of wanted) {
    const parts = String(tag).toLowerCase().split(/[-_]/);
    if (parts[0] === "en") return "en";
    const exact = have.find((h) => h.toLowerCase() === parts.slice(0, 2).join("_"));
    const base = have.find((h) => h.toLowerCase().split("_")[0] === parts[0]);
    if (exact || base) return exact || base;
  }
  return "en";
}

function tr(context, text) {
  const shown = (i18n.catalog[context] || {})[text];
  return typeof shown === "string" ? shown : text;
}

// "%1" to "%9" replaced in one pass, so a value holding "%2" stays as it is.
function fill(template, values) {
  return template.replace(/%([1-9])/g, (marker, n) =>
    Number(n) <= values.length ? String(values[Number(n) - 1]) : marker);
}

// A plural message, as the window's tr() with a count: the catalog holds the
// forms in the order of the language's rules, which for our languages is the
// order of the plural categories whole numbers reach (zero, one, two, few,
// many, other). "%n" is the count.
const PLURAL_ORDER = ["zero", "one", "two", "few", "many", "other"];
function trN(context, text, n) {
  const forms = (i18n.catalog[context] || {})[text];
  let shown = text;
  if (Array.isArray(forms) && forms.length) {
    const rules = new Intl.PluralRules(i18n.language.replace("_", "-"));
    const reached = new Set(Array.from({length: 200}, (_, k) => rules.select(k)));
    const categories = PLURAL_ORDER.filter((c) => reached.has(c));
    const index = categories.length === forms.length ? categories.indexOf(rules.select(n)) : forms.length - 1;
    shown = forms[Math.max(0, Math.min(index, forms.length - 1))];
  }
  return shown.replace(/%n/g, String(n));
}

// A text put into the page before the catalog is loaded (a table of
// forms); it is looked up when it is shown.
function trLater(context, text) {
  return {toString: () => tr(context, text)};
}

// Texts the core marks, and the templates it fills: "%1" takes any text.
const CORE_CONTEXTS = ["Commands", "Core"];

function makePatterns(templates) {
  return templates.map((templ) => {
    const parts = templ.split(/%[1-9]/);
    const escaped = parts.map((p) => p.replace(/[.*+?^${}()|[\]\\]/g, "\\$&"));
    const markers = templ.match(/%[1-9]/g) || [];
    return {templ, regex: new RegExp("^" + escaped.join("(.*)") + "$", "s"),
            literal: templ.length - 2 * markers.length};
  });
}

function trCore(text) {
  if (typeof text !== "string" || i18n.language === "en") return text;
  for (const context of CORE_CONTEXTS) {
    const shown = tr(context, text);
    if (shown !== text) return shown;
  }
  // Of the templates that match, the one with the most fixed text.
  let best = null;
  let groups = null;
  for (const p of i18n.patterns) {
    if (best && p.literal <= best.literal) continue;
    const m = p.regex.exec(text);
    if (!m) continue;
    best = p;
    groups = m;
  }
  if (best) {
    let shown = best.templ;
    for (const context of CORE_CONTEXTS) {
      const translated = tr(context, best.templ);
      if (translated !== best.templ) { shown = translated; break; }
    }
    // In one pass, so a value holding "%2" stays; a value that is a core
    // text itself ("Undo %1" of "Add TP") is translated too.
    return shown.replace(/%([1-9])/g, (marker, n) =>
      Number(n) < groups.length ? trCore(groups[Number(n)]) : marker);
  }
  if (text.includes("\n")) return text.split("\n").map(trCore).join("\n");
  return text;
}

// The document's own texts: an element marked data-tr="context" has its
// text (when it holds no elements), its aria-label and placeholder translated.
function translateDocument() {
  for (const el of document.querySelectorAll("[data-tr]")) {
    const context = el.dataset.tr;
    if (!el.children.length && el.textContent.trim()) el.textContent = tr(context, el.textContent.trim());
    for (const name of ["aria-label", "placeholder"]) {
      const text = el.getAttribute(name);
      if (text) el.setAttribute(name, tr(context, text));
    }
  }
}

async function loadLanguage(wanted = navigator.languages || [navigator.language]) {
  try {
    const index = await (await fetch("i18n/index.json")).json();
    const language = pickLanguage(wanted, index.languages);
    if (language !== "en") {
      i18n.catalog = await (await fetch("i18n/" + language + ".json")).json();
      i18n.patterns = makePatterns(index.templates);
      i18n.language = language;
    }
  } catch (e) {
    console.warn("the page stays in English: no catalog", e);
  }
  const root = document.documentElement;
  root.lang = i18n.language.replace("_", "-");
  root.dir = tr("QGuiApplication", "QT_LAYOUT_DIRECTION") === "RTL" ? "rtl" : "ltr";
  translateDocument();
}
