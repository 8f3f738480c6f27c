// The meter behind the page's fake navigator.serial: a WebSocket on
// 127.0.0.1 whose connections are the meter simulator's pseudo-terminal,
// opened with the line settings the page asked for (baud, parity, stop bits
// in the query). One simulator at a time; start() replaces it.
import {execFileSync, spawn} from "node:child_process";
import fs from "node:fs";
import tty from "node:tty";
import {WebSocketServer} from "ws";

export class MeterBridge {
  constructor(simulator) {
    this.simulator = simulator;
    this.sim = null;
    this.pty = null;
    this.sockets = new Set();
    this.openings = [];
  }

  async listen() {
    this.server = new WebSocketServer({host: "127.0.0.1", port: 0});
    this.server.on("connection", (ws, request) => this.connect(ws, request));
    await new Promise((resolve) => this.server.once("listening", resolve));
    return this.server.address().port;
  }

  // Starts the simulator with these arguments; resolves with its line.
  async start(args = []) {
    await this.stopSim();
    const sim = spawn(this.simulator, ["--quiet", ...args], {stdio: ["ignore", "pipe", "inherit"]});
    this.sim = sim;
    this.pty = await new Promise((resolve, reject) => {
      let text = "";
      sim.stdout.on("data", (d) => {
        text += d;
        const nl = text.indexOf("\n");
        if (nl >= 0) resolve(text.slice(0, nl).trim());
      });
      sim.once("exit", (code) => reject(new Error("simulator exited: " + code)));
    });
    return this.pty;
  }

  connect(ws, request) {
    const q = new URL(request.url, "ws://127.0.0.1").searchParams;
    const settings = {baud: q.get("baud"), parity: q.get("parity"), stop: q.get("stop")};
    this.openings.push(settings);
    const flags = [settings.baud, "raw", "-echo", "cs8", settings.parity === "none" ? "-parenb" : "parenb",
                   settings.parity === "odd" ? "parodd" : "-parodd", settings.stop === "2" ? "cstopb" : "-cstopb"];
    // A pseudo-terminal takes the speed and stop bits but drops the parity
    // enable, so stty reports that not every setting held.
    try { execFileSync("stty", ["-F", this.pty, ...flags], {stdio: "ignore"}); } catch (e) { /* see above */ }
    const fd = fs.openSync(this.pty, fs.constants.O_RDWR | fs.constants.O_NOCTTY);
    const input = new tty.ReadStream(fd);
    const output = new tty.WriteStream(fd);
    const line = {ws, input, output, closed: false};
    this.sockets.add(line);
    input.on("data", (d) => { if (ws.readyState === 1) ws.send(d); });
    input.on("error", () => ws.terminate());
    ws.on("message", (data) => { if (!line.closed) output.write(data); });
    ws.on("close", () => this.closeLine(line));
  }

  closeLine(line) {
    if (line.closed) return;
    line.closed = true;
    this.sockets.delete(line);
    line.input.destroy();
    line.output.destroy();
  }

  // The unplugged meter: every line ends at once.
  dropAll() {
    for (const line of [...this.sockets]) {
      line.ws.terminate();
      this.closeLine(line);
    }
  }

  async stopSim() {
    this.dropAll();
    if (!this.sim) return;
    const sim = this.sim;
    this.sim = null;
    if (sim.exitCode !== null) return;
    const ended = new Promise((resolve) => sim.once("exit", resolve));
    sim.kill("SIGTERM");
    await ended;
  }

  async close() {
    await this.stopSim();
    await new Promise((resolve) => this.server.close(resolve));
  }
}
