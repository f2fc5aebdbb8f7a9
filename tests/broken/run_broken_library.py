#!/usr/bin/env python3
"""The broken-library test: makes every variant of the fixture library (see
variants.py), walks the reader into each broken file with tessary-script
(see walks.py) and checks each copy with tessary-library, then prints the
counts.

Every variant must end without a crash, a sanitizer report or a hang, on a
page or list or with a clear message; the check must report a fault that
the intact fixture does not have for every variant that makes the program
show a message, leaves it with nothing to show, or shows text that is not
the source lines it claims to show (see shown.py). Exits 1 on any failure.

With --widgets the walks run through the real widgets (tessary-script-qt,
offscreen) and every step must end within --step-limit seconds; --sample N
walks every Nth variant only.

usage: run_broken_library.py --build DIR [--out DIR] [--jobs N] [--timeout S] [--list]
                             [--widgets] [--step-limit S] [--sample N]"""

import argparse
import collections
import concurrent.futures
import os
import re
import shutil
import signal
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import shown  # noqa: E402
import variants  # noqa: E402
import walks  # noqa: E402

FIXTURE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "fixtures",
                       "sample-library")
# A click on a paragraph of a book that is not read as a Bible sets a book
# mark, and the walks click twice on the same paragraph when a broken list
# opens the same book on two roads.
CLEAR_MESSAGES = ("Missing or corrupt file ", "Missing or corrupted ", "Page Not Found",
                  "Beginning of Book", "End of Book", "Could not open ",
                  "Book Mark already exists")
# The texts compared with their source lines, by kind, over the whole run.
JUDGED = collections.Counter()
JUDGED_LOCK = threading.Lock()
SANITIZER = re.compile(rb"ERROR: AddressSanitizer|ERROR: LeakSanitizer|runtime error:|"
                       rb"SUMMARY: UndefinedBehaviorSanitizer")


def read_fixture():
    files = {}
    for name in sorted(os.listdir(FIXTURE)):
        with open(os.path.join(FIXTURE, name), "rb") as f:
            files[name] = f.read()
    files.update(variants.EXTRA_FILES)
    return files


def write_variant(out, variant):
    folder = os.path.join(out, variant.name)
    shutil.copytree(FIXTURE, folder)
    for name, data in list(variants.EXTRA_FILES.items()) + list(variant.changes.items()):
        path = os.path.join(folder, name)
        if data is None:
            os.remove(path)
        else:
            with open(path, "wb") as f:
                f.write(data)
    text, checks, dumps = walks.scenario(variant.name, variant.target)
    with open(os.path.join(out, variant.name + ".tss"), "w") as f:
        f.write(text)
    return checks, dumps


def run(command, timeout):
    """Runs a command; returns (status, stdout, stderr) with status None on a time-out,
    after which the command and everything it started are killed."""
    p = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                         start_new_session=True)
    try:
        out, err = p.communicate(timeout=timeout)
        return p.returncode, out, err
    except subprocess.TimeoutExpired:
        os.killpg(p.pid, signal.SIGKILL)
        out, err = p.communicate()
        return None, out, err


def faults_of(output):
    return {line for line in output.decode("latin-1").splitlines()
            if ": " in line and not re.fullmatch(r"\d+ faults?", line)}


def dumped(stdout):
    """The (name, bytes) pairs the walk dumped, in order."""
    values = []
    # Split at line ends only: a value may hold other control characters.
    for line in stdout.decode("latin-1").split("\n"):
        name, sep, value = line.partition(" = ")
        if sep and not line.startswith(("PASS ", "FAIL ")):
            values.append((name, shown.unescape(value)))
    return values


def shows_something(stdout, dumps):
    """Whether a dumped value is a text with more than blanks, a positive count or True."""
    values = {}
    for line in stdout.decode("latin-1").splitlines():
        name, sep, value = line.partition(" = ")
        if sep and name in dumps:
            values[name] = value
    for value in values.values():
        text = re.sub(r"\\s\{\d+\}|\\r|\\n|[\" ]", "", value)
        if text and not re.fullmatch(r"0|\d+|False", text):
            return True
        if re.fullmatch(r"[1-9]\d*", text):
            return True
    return False


def judge(variant, walk, out, args, baseline):
    """The outcome of one variant: (kind, detail, failure or None)."""
    checks, dumps = walk
    scenario = os.path.join(out, variant.name + ".tss")
    status, stdout, stderr = run([args.script] + args.script_options + [scenario], args.timeout)
    if status is None:
        return "hang", "", "%s ran for more than %d s" % (os.path.basename(args.script),
                                                          args.timeout)
    if SANITIZER.search(stderr) or status < 0 or status > 1:
        return "crash", "", "tessary-script ended with status %s: %s" % (
            status, stderr.decode("latin-1")[-1500:])
    text = stdout.decode("latin-1")
    failed = re.search(r"^FAIL [^:]*:\d+: (.*)$", text, re.M)
    kind, detail = "page", ""
    if failed:
        m = re.fullmatch(r'expected no message, got "(.*)"(\.\.\.)?', failed.group(1))
        if failed.group(1).startswith("expected a step of at most"):
            return "slow", failed.group(1), "a step was too slow: " + failed.group(1)
        if not m:
            return "odd", failed.group(1), "the walk failed: " + failed.group(1)
        detail = m.group(1)
        if not detail.startswith(CLEAR_MESSAGES):
            return "message", detail, "the message is not a clear one: " + detail
        kind = "message"
    elif not shows_something(stdout, dumps):
        kind = "nothing shown"
    folder = os.path.join(out, variant.name)
    judged = collections.Counter()
    wrong = shown.check_faults(checks, dumped(stdout), shown.Folder(folder), judged)
    with JUDGED_LOCK:
        JUDGED.update(judged)
    if wrong:
        kind, detail = "wrong text", wrong[0]

    status, stdout, stderr = run([args.library, "check", folder], args.timeout)
    if status is None or status not in (0, 1) or SANITIZER.search(stderr):
        return kind, detail, "tessary-library check ended with status %s: %s" % (
            status, stderr.decode("latin-1")[-1500:])
    reported = bool(faults_of(stdout) - baseline)
    if kind != "page" and not reported:
        if kind == "wrong text":
            return kind, detail, "wrong text shown in silence: " + detail
        return kind, detail, "check reports no fault the intact fixture does not have"
    # Rebuilding the index of a broken book must not crash either.
    for name in variant.changes:
        if name.upper().endswith(".TXV") and os.path.exists(os.path.join(folder, name)):
            status, _, stderr = run([args.library, "index", os.path.join(folder, name)],
                                    args.timeout)
            if status is None or status not in (0, 1) or SANITIZER.search(stderr):
                return kind, detail, "tessary-library index ended with status %s" % status
    return kind + (" (check reports it)" if reported else ""), detail, None


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", required=True, help="build folder with the two programs")
    parser.add_argument("--out", help="where the variants go (default BUILD/broken-library)")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--timeout", type=int, default=60, help="seconds per program run")
    parser.add_argument("--list", action="store_true", help="print the outcome of every variant")
    parser.add_argument("--widgets", action="store_true",
                        help="walk through the real widgets (tessary-script-qt, offscreen)")
    parser.add_argument("--step-limit", type=float, default=0,
                        help="seconds a step may take at most (0: no limit)")
    parser.add_argument("--sample", type=int, default=1, help="walk every Nth variant only")
    args = parser.parse_args()
    args.script = os.path.join(args.build,
                               "tessary-script-qt" if args.widgets else "tessary-script")
    args.script_options = ["--whole-values"]
    if args.step_limit > 0:
        args.script_options += ["--step-limit", str(args.step_limit)]
    args.library = os.path.join(args.build, "tessary-library")
    out = os.path.abspath(args.out or os.path.join(args.build, "broken-library"))
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(out)
    started = time.time()

    # The intact fixture (with its extra files) walks every road without a message.
    intact = variants.Variant("intact", "GEN.TXV", {})
    intact.name = "intact"
    write_variant(out, intact)
    status, stdout, _ = run([args.library, "check", os.path.join(out, "intact")], args.timeout)
    baseline = faults_of(stdout)
    every_variant = variants.make_variants(read_fixture())
    targets = sorted({v.target for v in every_variant})
    problems = []
    for target in targets:
        intact.name, intact.target = "intact-" + re.sub(r"[^A-Za-z0-9]", "_", target), target
        walk = write_variant(out, intact)
        kind, detail, _ = judge(intact, walk, out, args, baseline)
        if kind != "page":
            problems.append("the road to %s on the intact library: %s %s" % (target, kind, detail))

    all_variants = every_variant[::args.sample]
    results = {}
    with concurrent.futures.ThreadPoolExecutor(max_workers=args.jobs) as pool:
        jobs = {pool.submit(judge, v, write_variant(out, v), out, args, baseline): v
                for v in all_variants}
        for job in concurrent.futures.as_completed(jobs):
            results[jobs[job].name] = job.result()

    counts = collections.Counter()
    messages = collections.Counter()
    for v in all_variants:
        kind, detail, failure = results[v.name]
        counts[kind] += 1
        if detail:
            messages[re.sub(r"file .*", "file NAME", detail)] += 1
        if args.list:
            print("%s %-12s %-45s %s %s" % (v.name, v.target, v.rule[:45], kind, detail[:60]))
        if failure:
            problems.append("%s (%s, %s): %s" % (v.name, v.target, v.rule, failure))

    print("broken library%s: %d variants%s of %d files in %.0f s" % (
        " through the widgets" if args.widgets else "", len(all_variants),
        " (every %dth)" % args.sample if args.sample > 1 else "", len(targets),
        time.time() - started))
    for kind, n in sorted(counts.items()):
        print("  %5d %s" % (n, kind))
    print("  compared with their source lines: %d pages, %d passage texts, %d text files, "
          "%d histories read back after a save" % (JUDGED["page"], JUDGED["passages"],
                                                    JUDGED["text"], JUDGED["history"]))
    print("  messages shown:")
    for text, n in messages.most_common():
        print("  %5d %s" % (n, text))
    for problem in problems:
        print("FAIL " + problem)
    print("%d failed" % len(problems))
    if not problems:
        shutil.rmtree(out, ignore_errors=True)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
