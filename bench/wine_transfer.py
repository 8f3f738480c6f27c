#!/usr/bin/env python3
"""A full table written and read by velmora-cli.exe under Wine against the
simulator paced like the real line (115200 baud, 12 bits a character, 100 us
turnaround), each time beside the wire time, the least the exchange can take
(the figure bench_link gives for the Linux port). Run on demand, on an
otherwise idle machine, after scripts/windows and the native build:

  python3 bench/wine_transfer.py [--runs 3] [--native-build build]

Wine's start-up (velmora-cli.exe --version, the median of the runs) is
taken off each time, so the figure is the transfer's own.
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

TOP = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
WINE_RUN = os.path.join(TOP, "tests", "windows", "wine-run")
EXE = os.path.join(TOP, "build-windows", "velmora-cli.exe")

CHARS_PER_SECOND = 115200.0 / 12
TURNAROUND = 100e-6
SATELLITES, TPS = 300, 8000
# Frames of a full table: 16 LNBs, 2 counts, 300 satellites, 8000 TPs.
FRAMES = 16 + 2 + SATELLITES + TPS
FRAME_CHARS = 16 * 13 + 2 * 5 + SATELLITES * 21 + TPS * 13


def wire_seconds(pc_chars, meter_chars, answers):
    return (pc_chars + meter_chars) / CHARS_PER_SECOND + answers * TURNAROUND


WRITE_WIRE = wire_seconds(2 + FRAME_CHARS, 1 + FRAMES, 1 + FRAMES)
READ_WIRE = wire_seconds(3 + FRAMES, 1 + FRAME_CHARS, 1 + FRAMES)


def full_table(path):
    """300 satellites and 8000 transponders in sattp.csv form."""
    lines = ["name,longitude,LNBNo.,LNBFreq,DiSEqC,frequency,symbolrate,polarization,unique"]
    for s in range(SATELLITES):
        count = TPS // SATELLITES + (1 if s < TPS % SATELLITES else 0)
        for k in range(count):
            freq = 10700 + 20 * k
            pol = "HV"[k % 2]
            row = "%d,27500,%s, ," % (freq, pol)
            if k == 0:
                lines.append("Satellite %d,%d.%dE,%d,9750/10600,1,%s" %
                             (s, s // 2, 5 * (s % 2), s % 16 + 1, row))
            else:
                lines.append(",,,,," + row)
    with open(path, "w", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


def timed(args):
    start = time.monotonic()
    r = subprocess.run([WINE_RUN, EXE] + args, capture_output=True, text=True)
    took = time.monotonic() - start
    if r.returncode != 0:
        sys.exit("velmora-cli.exe %s: exit %d\n%s" % (" ".join(args), r.returncode, r.stderr))
    return took


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--native-build", default=os.path.join(TOP, "build"))
    args = parser.parse_args()
    os.environ.setdefault("VELMORA_WINEPREFIX", os.path.join(TOP, "build-windows", "wineprefix"))
    subprocess.run([WINE_RUN, "--init"], check=True)
    work = tempfile.mkdtemp(prefix="velmora-bench-")
    table = os.path.join(work, "full.csv")
    full_table(table)
    link = os.path.join(os.environ["VELMORA_WINEPREFIX"], "dosdevices", "com5")
    sim = subprocess.Popen([os.path.join(args.native_build, "sim", "velmora-metersim"), "--quiet",
                            "--baud", "115200", "--turnaround-us", "100", "--link", link],
                           stdout=subprocess.PIPE, text=True)
    sim.stdout.readline()
    try:
        start_up = statistics.median(timed(["--version"]) for _ in range(args.runs))
        win_table = "Z:" + table.replace("/", "\\")
        win_out = "Z:" + os.path.join(work, "back.csv").replace("/", "\\")
        writes = [timed(["write-tables", "--no-verify", "--port", "COM5", win_table]) - start_up
                  for _ in range(args.runs)]
        reads = [timed(["read-tables", "--port", "COM5", "-o", win_out]) - start_up
                 for _ in range(args.runs)]
    finally:
        sim.terminate()
        sim.wait()
        subprocess.run([WINE_RUN, "--stop"])
    print("Wine start-up %.2f s (taken off each time)" % start_up)
    for name, times, wire in (("write full table", writes, WRITE_WIRE),
                              ("read full table", reads, READ_WIRE)):
        median = statistics.median(times)
        print("%-17s median %6.2f s  wire %6.2f s  ratio %.3f  (largest %.3f)" %
              (name, median, wire, median / wire, max(times) / wire))


if __name__ == "__main__":
    main()
