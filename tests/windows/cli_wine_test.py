#!/usr/bin/env python3
"""velmora-cli.exe under Wine against velmora-metersim.

The simulator serves a pseudo-terminal that $WINEPREFIX/dosdevices/comN
points at, so the .exe opens it as COMn through the Win32 comm API. A
pseudo-terminal clears the parity enable and GetCommState reads nonsense
back, so the framing is checked here, on the line's side: the odd parity and
two stop bits of the meter (8O2) and the even parity and one stop bit of the
bootloader (8E1) show in the pseudo-terminal's settings while the .exe runs.

  cli_wine_test.py --exe velmora-cli.exe --metersim velmora-metersim \
                   --native-cli velmora-cli [-k NAME]
"""
import argparse
import glob
import json
import os
import pwd
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import termios
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
TOP = os.path.normpath(os.path.join(HERE, "..", ".."))
EXAMPLES = os.path.join(TOP, "examples")
WINE_RUN = os.path.join(HERE, "wine-run")


class Meter:
    """A velmora-metersim process whose line(s) are linked as COM ports."""

    def __init__(self, args, scratch, port=5, meters=1):
        self.dosdevices = os.path.join(os.environ["VELMORA_WINEPREFIX"], "dosdevices")
        self.out = tempfile.mkdtemp(dir=scratch)
        if meters == 1:
            self.links = [os.path.join(self.dosdevices, "com%d" % port)]
            link = self.links[0]
        else:
            # PREFIX1..PREFIXN: port 2 gives com21..com2N (Wine itself links
            # com1 to /dev/ttyS0 now and then).
            link = os.path.join(self.dosdevices, "com%d" % port)
            self.links = [link + str(k + 1) for k in range(meters)]
            args = ["--meters", str(meters)] + args
        self.proc = subprocess.Popen(
            [ARGS.metersim, "--quiet", "--out", self.out, "--link", link] + args,
            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        self.slaves = [self.proc.stdout.readline().strip() for _ in range(meters)]
        deadline = time.time() + 5
        while not all(os.path.islink(l) for l in self.links) and time.time() < deadline:
            time.sleep(0.01)

    def stop(self):
        if self.proc.poll() is None:
            self.proc.send_signal(signal.SIGTERM)
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        for l in self.links:
            if os.path.islink(l):
                os.unlink(l)


class FramingWatch(threading.Thread):
    """Samples the pseudo-terminal's settings while the .exe has it open.

    The line starts as 8O1 ("other"), a framing neither side uses, so that a
    framing seen afterwards is one the .exe set: a fresh pseudo-terminal's
    8N1 would pass for 8E1, since the kernel clears the parity enable.
    """

    def __init__(self, slave):
        super().__init__(daemon=True)
        self.fd = os.open(slave, os.O_RDWR | os.O_NOCTTY | os.O_NONBLOCK)
        attrs = termios.tcgetattr(self.fd)
        attrs[2] = (attrs[2] & ~(termios.CSIZE | termios.CSTOPB)) | termios.CS8 | termios.PARODD
        termios.tcsetattr(self.fd, termios.TCSANOW, attrs)
        self.seen = []  # the framings in the order they showed
        self.done = threading.Event()
        self.sample()
        self.start()

    def sample(self):
        try:
            cflag = termios.tcgetattr(self.fd)[2]
        except termios.error:  # the simulator hung up
            return False
        odd = bool(cflag & termios.PARODD)
        two = bool(cflag & termios.CSTOPB)
        now = ("8O2" if odd and two else "8E1" if not odd and not two else "other"
               ) if cflag & termios.CSIZE == termios.CS8 else "other"
        if not self.seen or self.seen[-1] != now:
            self.seen.append(now)
        return True

    def run(self):
        while not self.done.is_set() and self.sample():
            time.sleep(0.002)

    def wait_for(self, framing, timeout=60):
        """Waits until the .exe has set framing, which it does on opening the port."""
        deadline = time.time() + timeout
        while framing not in self.seen and time.time() < deadline:
            time.sleep(0.01)
        assert framing in self.seen, self.seen

    def stop(self):
        self.done.set()
        self.join()
        os.close(self.fd)
        return self.seen


class Postgres:
    """A PostgreSQL server of the test's own, on 127.0.0.1 at a free port: the
    .exe's libpq reaches a server over TCP only. The server programs refuse
    to run as root; as root they run as the postgres user."""

    def __init__(self, scratch):
        found = sorted(glob.glob("/usr/lib/postgresql/*/bin/pg_ctl"),
                       key=lambda p: int(p.split("/")[-3]))
        if not found:
            raise AssertionError("no PostgreSQL server programs (/usr/lib/postgresql/*/bin)")
        self.bin = os.path.dirname(found[-1])
        self.folder = tempfile.mkdtemp(dir=scratch)
        self.as_user = []
        if os.geteuid() == 0:
            user = pwd.getpwnam("postgres")
            for d in (scratch, self.folder):
                os.chown(d, user.pw_uid, user.pw_gid)
            self.as_user = ["runuser", "-u", "postgres", "--"]
        with socket.socket() as s:
            s.bind(("127.0.0.1", 0))
            self.port = s.getsockname()[1]
        data = os.path.join(self.folder, "data")
        self.run("initdb", "-D", data, "-A", "trust", "-U", "velmora", "--no-sync", "-E", "UTF8")
        self.run("pg_ctl", "-D", data, "-l", os.path.join(self.folder, "log"), "-w", "-o",
                 "-h 127.0.0.1 -p %d -k %s -c fsync=off" % (self.port, self.folder), "start")
        self.data = data
        self.url = "postgresql://velmora@127.0.0.1:%d/postgres" % self.port

    def run(self, program, *args):
        subprocess.run(self.as_user + [os.path.join(self.bin, program)] + list(args),
                       check=True, capture_output=True)

    def stop(self):
        self.run("pg_ctl", "-D", self.data, "-m", "immediate", "stop")


def exe(*args, timeout=120, check=None):
    r = subprocess.run([WINE_RUN, ARGS.exe] + list(args), capture_output=True, text=True,
                       timeout=timeout, cwd=SCRATCH)
    if check is not None and r.returncode != check:
        raise AssertionError("velmora-cli.exe %s: exit %d, expected %d\n%s%s" %
                             (" ".join(args), r.returncode, check, r.stdout, r.stderr))
    return r


def win_path(path):
    # Wine's Z: drive is the Unix root.
    return "Z:" + path.replace("/", "\\")


def read_bytes(path):
    with open(path, "rb") as f:
        return f.read()


# --- the cases ----------------------------------------------------------------

def test_version_and_help():
    assert exe("--version", check=0).stdout.startswith("velmora-cli ")
    assert "read-tables" in exe("--help", check=0).stdout


def test_read_is_byte_for_byte_the_linux_one():
    meter = Meter(["--tables", os.path.join(EXAMPLES, "sattp.csv")], SCRATCH)
    try:
        watch = FramingWatch(meter.slaves[0])
        exe("read-tables", "--port", "COM5", "-o", win_path(SCRATCH + "/win.csv"), check=0)
        seen = watch.stop()
        subprocess.run([ARGS.native_cli, "read-tables", "--port", meter.slaves[0], "-o",
                        SCRATCH + "/linux.csv"], check=True, capture_output=True)
    finally:
        meter.stop()
    assert read_bytes(SCRATCH + "/win.csv") == read_bytes(SCRATCH + "/linux.csv")
    # A fresh pseudo-terminal starts as 8N1 (no PARODD, no CSTOPB).
    assert seen[0] == "other" and seen[-1] == "8O2" and "8E1" not in seen, seen


def test_write_verifies_and_a_bad_store_is_found():
    table = win_path(os.path.join(EXAMPLES, "sattp.csv"))
    meter = Meter([], SCRATCH, port=12)
    try:
        exe("write-tables", "--port", "com12", table, check=0)
        exe("read-tables", "--port", "\\\\.\\COM12", "-o", win_path(SCRATCH + "/back.csv"),
            check=0)
    finally:
        meter.stop()
    subprocess.run([ARGS.native_cli, "normalize", os.path.join(EXAMPLES, "sattp.csv"),
                    SCRATCH + "/normal.csv"], check=True, capture_output=True)
    assert read_bytes(SCRATCH + "/back.csv") == read_bytes(SCRATCH + "/normal.csv")
    meter = Meter(["--store-flip", "3"], SCRATCH)
    try:
        r = exe("write-tables", "--port", "COM5", table, check=1)
    finally:
        meter.stop()
    assert "Verify" in r.stdout + r.stderr, r.stderr


def test_upgrade_through_the_bootloader():
    meter = Meter(["--bootloader", "--product-id", "0x440", "--flash-kb", "64"], SCRATCH)
    try:
        watch = FramingWatch(meter.slaves[0])
        exe("upgrade", "--port", "COM5", win_path(os.path.join(EXAMPLES, "rav32izazud_demo.hex")),
            check=0)
        seen = watch.stop()
    finally:
        meter.stop()
    assert os.path.getsize(os.path.join(meter.out, "flash.bin")) > 0
    # The port opens as the meter's 8O2 and turns to 8E1 at once, before any
    # byte goes out: too soon to be seen every time, so only the end counts.
    assert seen[0] == "other" and seen[-1] == "8E1", seen


def test_production_line_on_two_ports_with_its_report():
    meter = Meter(["--bootloader", "--product-id", "0x440", "--flash-kb", "64"], SCRATCH,
                  port=2, meters=2)
    report = SCRATCH + "/line.jsonl"
    try:
        exe("batch", "--ports", "COM21,COM22", "--soft",
            win_path(os.path.join(EXAMPLES, "rav32izazud_demo.hex")), "--tables",
            win_path(os.path.join(EXAMPLES, "sattp.csv")), "--soft-wait-ms", "0",
            "--report", win_path(report), check=0, timeout=300)
    finally:
        meter.stop()
    lines = [json.loads(l) for l in open(report, encoding="utf-8")]
    assert sorted(l["port"] for l in lines) == ["COM21", "COM22"], lines
    assert all(l["ok"] for l in lines), lines
    # Written by the .exe in binary mode: line feeds only.
    assert b"\r\n" not in read_bytes(report)


def test_records_go_to_a_postgresql_server():
    db = Postgres(SCRATCH)
    meter = Meter([], SCRATCH)
    try:
        exe("write-tables", "--port", "COM5", win_path(os.path.join(EXAMPLES, "sattp.csv")),
            "--record", db.url, "--bench", "wine-bench", check=0)
        # Read back by the Linux build: one schema, whichever wrote it.
        units = subprocess.run([ARGS.native_cli, "units", "--record", db.url],
                               capture_output=True, text=True, check=True).stdout
    finally:
        meter.stop()
        db.stop()
    lines = units.splitlines()
    assert len(lines) == 1 and "wine-bench" in lines[0] and "COM5" in lines[0], units
    assert lines[0].split()[-1] == "passed", units


def big_table(path, satellites=100, per_satellite=30):
    """A table that takes several seconds to write at the line's speed."""
    lines = ["name,longitude,LNBNo.,LNBFreq,DiSEqC,frequency,symbolrate,polarization,unique"]
    for s in range(satellites):
        for k in range(per_satellite):
            row = "%d,27500,%s, ," % (10700 + 20 * k, "HV"[k % 2])
            lines.append(("Sat %d,%d.0E,1,9750/10600,1," % (s, s) if k == 0 else ",,,,,") + row)
    with open(path, "w", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


def test_a_meter_killed_mid_write():
    table = SCRATCH + "/big.csv"
    big_table(table)
    meter = Meter(["--baud", "115200"], SCRATCH)
    try:
        watch = FramingWatch(meter.slaves[0])
        p = subprocess.Popen([WINE_RUN, ARGS.exe, "write-tables", "--port", "COM5",
                              win_path(table)],
                             stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True,
                             cwd=SCRATCH)
        watch.wait_for("8O2")
        watch.stop()
        time.sleep(1.0)  # well into the transponders
        meter.proc.kill()
        meter.proc.wait()
        out, err = p.communicate(timeout=60)
    finally:
        meter.stop()
    assert p.returncode == 1, (p.returncode, out, err)
    assert "Write Failed" in out + err or "fail" in (out + err).lower(), out + err


def test_ctrl_c_stops_a_read():
    # Wine turns SIGINT of a console program into CTRL_C_EVENT.
    meter = Meter(["--baud", "115200", "--tables", os.path.join(EXAMPLES, "sattp.csv"),
                   "--no-answer"], SCRATCH)
    try:
        watch = FramingWatch(meter.slaves[0])
        p = subprocess.Popen([WINE_RUN, ARGS.exe, "read-tables", "--port", "COM5", "-o",
                              win_path(SCRATCH + "/never.csv")],
                             stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True,
                             cwd=SCRATCH)
        # The handler is in place before the port opens.
        watch.wait_for("8O2")
        watch.stop()
        time.sleep(0.3)
        p.send_signal(signal.SIGINT)
        out, err = p.communicate(timeout=30)
    finally:
        meter.stop()
    # Stopped through the operation's own path, not killed by the signal.
    assert p.returncode == 1 and "velmora-cli: stopped" in err, (p.returncode, out, err)
    assert not os.path.exists(SCRATCH + "/never.csv")


CASES = [v for k, v in sorted(globals().items()) if k.startswith("test_")]


def main():
    global ARGS, SCRATCH
    parser = argparse.ArgumentParser()
    parser.add_argument("--exe", required=True)
    parser.add_argument("--metersim", required=True)
    parser.add_argument("--native-cli", required=True)
    parser.add_argument("-k", default="")
    ARGS = parser.parse_args()
    for name in ("exe", "metersim", "native_cli"):
        setattr(ARGS, name, os.path.abspath(getattr(ARGS, name)))
    os.environ.setdefault("VELMORA_WINEPREFIX", os.path.join(TOP, "build-windows", "wineprefix"))
    # The links to the meters go into the prefix's dosdevices: it must exist first.
    subprocess.run([WINE_RUN, "--init"], check=True)
    failed = 0
    ran = 0
    for case in CASES:
        if ARGS.k not in case.__name__:
            continue
        SCRATCH = tempfile.mkdtemp(prefix="velmora-wine-")
        ran += 1
        start = time.time()
        try:
            case()
            print("  ok    %s (%.1f s)" % (case.__name__, time.time() - start), flush=True)
        except Exception as e:  # a failed case names itself and goes on
            failed += 1
            print("  FAIL  %s (%.1f s): %s" % (case.__name__, time.time() - start, e), flush=True)
        finally:
            shutil.rmtree(SCRATCH, ignore_errors=True)
    print("%d of %d end-to-end cases under Wine passed" % (ran - failed, ran))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
