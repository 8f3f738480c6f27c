// The core's port on the page: the Web Serial port the user granted with
// Connect. The core (wasm/WebPort.cpp) opens it with the framing it needs,
// writes through it and awaits its bytes; nothing but navigator.serial is
// used to reach a port.
"use strict";

const NO_WEB_SERIAL = "this browser has no Web Serial, so the page cannot reach a meter: use Chrome, Edge " +
  "or Opera on Windows, macOS or Linux (or Firefox from its release 151); the table editor works here";

class VelmoraPort {
  constructor() {
    this.port = null;
    this.reader = null;
    this.writer = null;
    this.chunks = [];
    this.lost = false;
    this.closing = false;
    this.why = "";
    this.wake = null;
    this.reading = null;
  }

  available() { return "serial" in navigator; }

  // Asks the browser for a port; true when the user chose one.
  async choose() {
    this.port = await navigator.serial.requestPort();
    return this.port !== null;
  }

  async open(baudRate, parity, stopBits) {
    this.why = "";
    if (!this.available()) {
      this.why = NO_WEB_SERIAL;
      return 0;
    }
    if (!this.port) {
      const granted = await navigator.serial.getPorts();
      this.port = granted.length ? granted[0] : null;
    }
    if (!this.port) {
      this.why = "no port chosen: press Connect and choose the meter's port";
      return 0;
    }
    try {
      await this.port.open({baudRate, dataBits: 8, parity: parity === "o" ? "odd" : "even",
                            stopBits, flowControl: "none", bufferSize: 65536});
    } catch (e) {
      this.why = String(e && e.message || e);
      return 0;
    }
    this.chunks = [];
    this.lost = false;
    this.closing = false;
    this.writer = this.port.writable.getWriter();
    this.reader = this.port.readable.getReader();
    this.reading = this.readLoop(this.reader);
    return 1;
  }

  async readLoop(reader) {
    try {
      for (;;) {
        const {value, done} = await reader.read();
        if (done) break;
        if (value && value.length) this.chunks.push(value);
        this.notify();
      }
    } catch (e) {
      // A read that fails while the port is open: the adapter went away.
    }
    if (!this.closing) this.lost = true;
    this.notify();
  }

  notify() {
    const wake = this.wake;
    this.wake = null;
    if (wake) wake();
  }

  failure() { return this.why; }

  write(bytes) {
    if (!this.writer || this.lost) return false;
    this.writer.write(bytes).catch(() => { this.lost = true; this.notify(); });
    return true;
  }

  take(max) {
    if (!this.chunks.length) return new Uint8Array(0);
    let total = 0;
    const parts = [];
    while (this.chunks.length && total < max) {
      const c = this.chunks[0];
      const n = Math.min(c.length, max - total);
      parts.push(n === c.length ? c : c.subarray(0, n));
      if (n === c.length) this.chunks.shift(); else this.chunks[0] = c.subarray(n);
      total += n;
    }
    const out = new Uint8Array(total);
    let at = 0;
    for (const p of parts) { out.set(p, at); at += p.length; }
    return out;
  }

  gone() { return this.lost; }

  wait(ms) {
    if (this.chunks.length || this.lost) return Promise.resolve();
    return new Promise((resolve) => {
      const timer = setTimeout(() => { this.wake = null; resolve(); }, ms);
      this.wake = () => { clearTimeout(timer); resolve(); };
    });
  }

  async close() {
    this.closing = true;
    try { if (this.reader) await this.reader.cancel(); } catch (e) { /* already gone */ }
    try { if (this.reader) this.reader.releaseLock(); } catch (e) { /* already gone */ }
    try { if (this.writer) this.writer.releaseLock(); } catch (e) { /* already gone */ }
    this.reader = null;
    this.writer = null;
    try { await this.reading; } catch (e) { /* ended */ }
    try { await this.port.close(); } catch (e) { /* unplugged */ }
  }
}
