#!/usr/bin/env python3
"""Runs every benchmark of the Release build many times and prints, for each
figure, the median and spread (min-max) of the runs beside its reference, the
ratio of the medians and, where there is a target, whether it is met.

    scripts/bench.py [BUILD_DIR]        (default build-release)

BENCH_RUNS sets the number of runs (default 11). The two sides of a comparison
run alternately, and the side that goes first alternates run by run; each
window run starts after a short rest, so that no side inherits the end of the
run before it. Without a DISPLAY the window benchmark runs under a private
Xvfb at 1920x1080. The programs run on a temporary copy of the bundled
library, since the reader writes its own files into the library folder; the
program starts as a first start (a fresh settings folder), against a minimal
window of its own main window's size.
"""

import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build-release"))
RUNS = int(os.environ.get("BENCH_RUNS", "11"))
# Seconds of rest before each window run: a start right after another
# program's end waits while the display tears that client down, and the copy
# of the library before a program's run would give the program a rest that
# the minimal window did not get.
SETTLE = 0.3


def fail(message):
    print(f"bench: {message}", file=sys.stderr)
    sys.exit(1)


def run(args, cwd=None, env=None):
    """Runs args to the end; returns its output and its peak resident memory in MB."""
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        child = subprocess.Popen(args, cwd=cwd, env=env, stdout=out, stderr=err)
        _, status, usage = os.wait4(child.pid, 0)
        code = os.waitstatus_to_exitcode(status)
        out.seek(0)
        err.seek(0)
        text = out.read().decode()
        if code != 0:
            fail(f"{' '.join(args)} failed with {code}:\n{text}{err.read().decode()}")
    return text, usage.ru_maxrss / 1024


def grab(pattern, text, what):
    found = re.search(pattern, text, re.M)
    if not found:
        fail(f"no {what} in:\n{text}")
    return float(found.group(1))


def start_display():
    """Starts Xvfb on a free display number; returns the process and its DISPLAY."""
    if not shutil.which("Xvfb"):
        fail("Xvfb is missing and DISPLAY is unset (apt-get install xvfb)")
    read, write = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write), "-screen", "0", "1920x1080x24", "-nolisten", "tcp"],
        pass_fds=(write,), stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as pipe:
        number = pipe.readline().strip()
    if not number:
        server.kill()
        fail("Xvfb did not start")
    return server, ":" + number


def window_runs(library, work):
    env = dict(os.environ, QT_QPA_PLATFORM="xcb")
    if not env.get("XDG_RUNTIME_DIR"):
        env["XDG_RUNTIME_DIR"] = os.path.join(work, "runtime")
        os.mkdir(env["XDG_RUNTIME_DIR"], 0o700)
    server = None
    if not env.get("DISPLAY"):
        server, env["DISPLAY"] = start_display()
    bench = os.path.join(BUILD, "tessary-bench-window")
    figures = {k: [] for k in ("paint", "minimal", "psalm", "rss", "minimal-rss")}

    def program_run(i):
        # A fresh copy each time: the reader keeps its place in the library folder.
        copy = os.path.join(work, f"library-{i}")
        shutil.copytree(library, copy)
        time.sleep(SETTLE)
        # A first start each time: no settings stored yet.
        text, rss = run([bench], cwd=copy,
                        env=dict(env, XDG_CONFIG_HOME=os.path.join(copy, "config")))
        shutil.rmtree(copy)
        return text, rss

    try:
        # A first run, not counted, learns the size of the program's main
        # window: the minimal window takes the same size, since the first
        # paint of a window costs with its area (every page of a new window
        # surface is touched once).
        text, _ = program_run("size")
        found = re.search(r"^program: main window (\d+x\d+)", text, re.M)
        if not found:
            fail(f"no main window size in:\n{text}")
        figures["size"] = found.group(1)
        for i in range(RUNS):
            for side in (("program", "minimal") if i % 2 == 0 else ("minimal", "program")):
                if side == "minimal":
                    time.sleep(SETTLE)
                    text, rss = run([bench, "--minimal", figures["size"]], cwd=work, env=env)
                    figures["minimal"].append(grab(r"^minimal window: first paint ([\d.]+) ms", text,
                                                   "first paint"))
                    figures["minimal-rss"].append(rss)
                    continue
                text, rss = program_run(i)
                figures["paint"].append(grab(r"^program: first paint ([\d.]+) ms", text, "first paint"))
                figures["psalm"].append(grab(r"^program: Psalm 119 painted ([\d.]+) ms", text,
                                             "Psalm 119 paint"))
                figures["rss"].append(rss)
    finally:
        if server:
            server.terminate()
            server.wait()
    return figures


def search_runs(library):
    figures = {}
    for i in range(RUNS):
        args = [os.path.join(BUILD, "tessary-bench-search"), "--once", library]
        if i % 2:
            args.insert(2, "--reverse")
        text, _ = run(args)
        for name, ms in re.findall(r"^once (\S+) ([\d.]+)$", text, re.M):
            figures.setdefault(name, []).append(float(ms))
    return figures


def page_runs():
    figures = {"first": [], "random": [], "next": []}
    for _ in range(RUNS):
        text, _ = run([os.path.join(BUILD, "tessary-bench-pages")])
        figures["first"].append(grab(r"^first load\s+([\d.]+) us", text, "first load"))
        figures["random"].append(grab(r"^random page numbers .*median ([\d.]+) us", text, "random"))
        figures["next"].append(grab(r"^Next through the book .*median ([\d.]+) us", text, "Next"))
    return figures


def spread(values):
    return f"{statistics.median(values):.2f} [{min(values):.2f}-{max(values):.2f}]"


def line(rows, what, values, reference=None, ref_values=None, target=None):
    """One row; target is (limit, text): the ratio at most limit, or with no
    reference the figure under limit."""
    median = statistics.median(values)
    ratio = ""
    word = ""
    if ref_values:
        ratio = f"{median / statistics.median(ref_values):.2f}"
    if target:
        if ref_values:
            met = median / statistics.median(ref_values) <= target[0]
        else:
            met = median < target[0]
        word = ("target met" if met else "target missed") + f" ({target[1]})"
    rows.append((what, spread(values), reference or "-",
                 spread(ref_values) if ref_values else "", ratio, word))


def table(rows):
    widths = [max(len(row[i]) for row in rows) for i in range(len(rows[0]))]
    for row in rows:
        cells = [cell.ljust(width) for cell, width in zip(row, widths)]
        cells[4] = row[4].rjust(widths[4])
        print("  ".join(cells).rstrip())


def main():
    for name in ("tessary-bench-window", "tessary-bench-search", "tessary-bench-pages"):
        if not os.access(os.path.join(BUILD, name), os.X_OK):
            fail(f"{BUILD}/{name} is missing; `make bench` builds it")
    if RUNS < 1:
        fail("BENCH_RUNS must be at least 1")
    load = os.getloadavg()[0]
    with tempfile.TemporaryDirectory(prefix="tessary-bench-") as work:
        library = os.path.join(work, "library")
        shutil.copytree(os.path.join(ROOT, "library"), library)
        window = window_runs(library, work)
        search = search_runs(library)
        pages = page_runs()

    print(f"median [min-max] of {RUNS} runs; the ratio is of the medians; "
          f"load average {load:.2f} at the start on {os.cpu_count()} cores")
    rows = [("figure", "median [min-max]", "reference", "median [min-max]", "ratio", "")]
    minimal = f"minimal window {window['size']}"
    line(rows, "start to first paint, ms", window["paint"], minimal, window["minimal"],
         (1.10, "ratio <= 1.10"))
    line(rows, "peak memory, MB", window["rss"], minimal, window["minimal-rss"])
    line(rows, "Psalm 119 click to paint, ms", window["psalm"], target=(5, "< 5 ms"))
    line(rows, "page load, random page, us", pages["random"])
    line(rows, "page load, Next, us", pages["next"])
    line(rows, "first load of a 20 MB book, us", pages["first"])
    for word in ("lord", "chalcedony"):
        for whole in ("", "-whole"):
            find = search[f"find-{word}{whole}"]
            what = f'Find All "{word}"{", whole word" if whole else ""}, ms'
            line(rows, what, find, "grep -c -F", search[f"grep-{word}"], (1.0, "ratio <= 1.0"))
            line(rows, what, find, "reading the files", search["floor"], (1.5, "ratio <= 1.5"))
    table(rows)


if __name__ == "__main__":
    main()
