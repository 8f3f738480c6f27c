// Replaces navigator.serial before the page's own script runs: one port
// whose streams go over a WebSocket to the tests' bridge (bridge.mjs), which
// opens the meter simulator's line with the settings given to open().
(() => {
  const bridge = "ws://127.0.0.1:__BRIDGE_PORT__/";
  const lost = () => new DOMException("The device has been lost.", "NetworkError");
  class BridgedPort {
    constructor() { this.readable = null; this.writable = null; this.ws = null; }
    getInfo() { return {usbVendorId: 0x0403, usbProductId: 0x6001}; }
    async open(options) {
      if (this.ws) throw new DOMException("The port is already open.", "InvalidStateError");
      const q = new URLSearchParams({baud: options.baudRate, parity: options.parity || "none",
                                     stop: options.stopBits || 1, data: options.dataBits || 8});
      const ws = new WebSocket(bridge + "?" + q);
      ws.binaryType = "arraybuffer";
      await new Promise((resolve, reject) => {
        ws.onopen = resolve;
        ws.onerror = () => reject(new DOMException("Failed to open serial port.", "NetworkError"));
      });
      this.ws = ws;
      let source;
      this.readable = new ReadableStream({
        start(c) { source = c; },
      });
      ws.onmessage = (e) => source.enqueue(new Uint8Array(e.data));
      ws.onclose = () => { try { source.error(lost()); } catch (e) { /* closed */ } };
      this.writable = new WritableStream({
        write(chunk) {
          if (ws.readyState !== WebSocket.OPEN) throw lost();
          ws.send(chunk);
        },
      });
    }
    async close() {
      const ws = this.ws;
      this.ws = null;
      if (ws) { ws.onclose = null; ws.close(); }
      this.readable = null;
      this.writable = null;
    }
  }
  const port = new BridgedPort();
  const serial = {
    requestPort: async () => port,
    getPorts: async () => [port],
    addEventListener() {},
    removeEventListener() {},
  };
  Object.defineProperty(Navigator.prototype, "serial", {get: () => serial, configurable: true});
})();
