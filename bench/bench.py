#!/usr/bin/env python3
"""Times the program's scan and clean-up side by side with the reference tools and prints the figures.

Run through bench/scan.sh and bench/delete.sh, which install the tools, build and generate the trees first.

  bench.py scan   --tree TREE --bin DIR --run DIR --out DIR [--runs 5]
  bench.py delete --tree TREE --bin DIR --run DIR --out DIR [--runs 3]

Times are wall-clock medians from hyperfine (warm cache). Peak memory is ru_maxrss (/usr/bin/time).
The figures are printed, never judged by an exit code: a slow machine is not a failed run.
"""

import argparse
import datetime
import json
import os
import re
import shlex
import shutil
import subprocess
import sys
import tempfile
import time

DAY = 86400
# Target ratios and memory the figures are reported against.
SCAN_TARGET = 1.3
DELETE_TARGET = 1.3
BYTES_TARGET = 300
# find's and bfs's stand-in for the CSV: path, birth, modification and access time, size.
PRINTF = r"%p\t%B@\t%T@\t%A@\t%s\n"


def log(msg):
    print("[bench] " + msg, file=sys.stderr, flush=True)


def tree_facts(tree):
    """Files, directories and the bytes of the file paths the program lists (root + '/' + relative)."""
    files = dirs = path_bytes = 0
    stack = [os.fsencode(tree)]
    while stack:
        d = stack.pop()
        with os.scandir(d) as it:
            for e in it:
                if e.is_dir(follow_symlinks=False):
                    dirs += 1
                    stack.append(e.path)
                else:
                    files += 1
                    path_bytes += len(e.path)
    return files, dirs, path_bytes


def max_rss_kib(cmd, env=None):
    """Runs `cmd` (a list) once, output discarded, and returns (exit code, peak resident KiB).

    /usr/bin/time reports the child's ru_maxrss; a fork of this Python process would carry Python's own
    resident size into the figure."""
    with tempfile.NamedTemporaryFile("r") as out:
        code = subprocess.run(["/usr/bin/time", "-f", "%M", "-o", out.name] + cmd, env=env,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode
        text = out.read().strip().splitlines()
    return code, int(text[-1]) if text and text[-1].isdigit() else -1


def hyperfine(named, runs, warmup, json_path, log_path, prepare=None):
    """Times each (name, shell command) with hyperfine; returns {name: result dict}."""
    cmd = ["hyperfine", "--runs", str(runs), "--warmup", str(warmup), "--export-json", json_path,
           "--style", "basic"]
    if prepare:
        cmd += ["--prepare", prepare]
    for name, command in named:
        cmd += ["-n", name, command]
    with open(log_path, "a") as out:
        subprocess.run(cmd, check=True, stdout=out, stderr=subprocess.STDOUT)
    with open(json_path) as f:
        data = json.load(f)
    return {r["command"]: r for r in data["results"]}


def env_cmd(env, argv):
    return " ".join(["env"] + ["%s=%s" % (k, shlex.quote(v)) for k, v in env.items()] +
                    [shlex.quote(a) for a in argv])


def rtf_number(run_dir, pattern):
    """A number from the program's activity log ("12345 files matched ...")."""
    try:
        with open(os.path.join(run_dir, "VorlexActivity.rtf"), "rb") as f:
            text = f.read().decode("latin-1")
    except OSError:
        return None
    m = re.search(r"(\d+) " + pattern, text)
    return int(m.group(1)) if m else None


def log_phases(run_dir):
    """Whole-second durations of the last run's phases, from the timestamps of its activity log."""
    try:
        with open(os.path.join(run_dir, "VorlexActivity.rtf"), "rb") as f:
            text = f.read().decode("latin-1")
    except OSError:
        return None
    stamps = {}
    for m in re.finditer(r"(\d\d/\d\d/\d{4} \d\d:\d\d:\d\d [AP]M) (?:\\[a-z0-9]+)+ ([^\\\n]*)", text):
        when = datetime.datetime.strptime(m.group(1), "%m/%d/%Y %I:%M:%S %p")
        msg = m.group(2)
        for key in ("Searching...", "Deleting files...", "files deleted.", "Deleting empty directories...",
                    "empty directories deleted.", "Finished."):
            if msg.endswith(key):
                stamps.setdefault(key, when)
    try:
        span = lambda a, b: int((stamps[b] - stamps[a]).total_seconds())
        return {"scan": span("Searching...", "Deleting files..."),
                "files": span("Deleting files...", "files deleted."),
                "dirs": span("Deleting empty directories...", "empty directories deleted."),
                "end": span("empty directories deleted.", "Finished.")}
    except KeyError:
        return None


def lines_of(path):
    try:
        with open(path, "rb") as f:
            return sum(1 for _ in f)
    except OSError:
        return None


def fmt_row(cols, widths):
    return "  ".join(c.ljust(w) if i == 0 else c.rjust(w) for i, (c, w) in enumerate(zip(cols, widths)))


def verdict(ok):
    return "met" if ok else "MISSED"


def scan(args):
    tree = os.path.abspath(args.tree)
    os.makedirs(args.out, exist_ok=True)
    log("counting the tree")
    files, dirs, path_bytes = tree_facts(tree)
    # The program's test build (bench/lib.sh): the only one whose clock VORLEX_CLOCK_SHIFT moves.
    vorlex = os.path.join(args.run, "vorlex")
    base_env = {"VORLEX_CLOCK_SHIFT": str(DAY), "VORLEX_NO_BOXES": "1"}
    find_out = os.path.join(args.out, "find.txt")
    bfs_out = os.path.join(args.out, "bfs.txt")
    fd = shutil.which("fd") or shutil.which("fdfind")

    # (name, shell command for hyperfine, argv + env for the memory run)
    tools = []
    env_utf8 = dict(base_env, LC_ALL="en_US.UTF-8")
    env_c = dict(base_env, LC_ALL="C")
    tools.append(("vorlex TREE 0 /SCAN", env_cmd(env_utf8, [vorlex, tree, "0", "/SCAN"]),
                  [vorlex, tree, "0", "/SCAN"], env_utf8))
    tools.append(("vorlex, LC_ALL=C", env_cmd(env_c, [vorlex, tree, "0", "/SCAN"]),
                  [vorlex, tree, "0", "/SCAN"], env_c))
    find_argv = ["find", tree, "-type", "f", "-fprintf", find_out, PRINTF]
    tools.append(("find -type f -fprintf", " ".join(shlex.quote(a) for a in find_argv), find_argv, None))
    if shutil.which("bfs"):
        bfs_argv = ["bfs", tree, "-type", "f", "-fprintf", bfs_out, find_argv[-1]]
        tools.append(("bfs -type f -fprintf", " ".join(shlex.quote(a) for a in bfs_argv), bfs_argv, None))
    if fd:
        fd_argv = [fd, "--hidden", "--no-ignore", "--type", "f", ".", tree]
        tools.append(("%s -HI -t f (paths only)" % os.path.basename(fd),
                      " ".join(shlex.quote(a) for a in fd_argv) + " >/dev/null", fd_argv, None))
    vwalk = os.path.join(args.bin, "vwalk")
    vwalk_argv = [vwalk, tree, "-a"]
    tools.append(("vwalk -a (program's walker, no rows)", " ".join(shlex.quote(a) for a in vwalk_argv),
                  vwalk_argv, None))
    cwalk_argv = [os.path.join(args.bin, "cwalk"), tree]
    tools.append(("cwalk (floor)", " ".join(shlex.quote(a) for a in cwalk_argv), cwalk_argv, None))

    log("timing %d commands, %d runs each after a warm-up run" % (len(tools), args.runs))
    results = hyperfine([(n, c) for n, c, _, _ in tools], args.runs, 1, os.path.join(args.out, "scan.json"),
                        os.path.join(args.out, "hyperfine.log"))
    csv_lines = lines_of(os.path.join(args.run, "VorlexFiles.csv"))
    matched = rtf_number(args.run, "files matched")

    log("peak memory, one run each")
    rss = {}
    for name, _, argv, env in tools:
        full_env = dict(os.environ, **env) if env else None
        rss[name] = max_rss_kib(argv, full_env)[1]
    # The program's own footprint: the same run over a tree of one file.
    tiny = os.path.join(args.out, "one-file-tree")
    os.makedirs(tiny, exist_ok=True)
    open(os.path.join(tiny, "f"), "wb").close()
    base_rss = max_rss_kib([vorlex, tiny, "0", "/SCAN"], dict(os.environ, **env_utf8))[1]

    floor = results["cwalk (floor)"]["median"]
    print()
    print("Scan of %s: %s files in %s directories; warm cache; median of %d runs" %
          (tree, format(files, ","), format(dirs, ","), args.runs))
    widths = (38, 9, 17, 9, 13, 13)
    print(fmt_row(("command", "median s", "min - max s", "x floor", "CPU s (mean)", "peak RSS MiB"), widths))
    for name, _, _, _ in tools:
        r = results[name]
        print(fmt_row((name, "%.3f" % r["median"], "%.3f - %.3f" % (r["min"], r["max"]),
                       "%.2f" % (r["median"] / floor), "%.3f" % (r["user"] + r["system"]),
                       "%.1f" % (rss[name] / 1024)), widths))
    per_file = (rss[tools[0][0]] - base_rss) * 1024 / max(files, 1)
    avg_path = path_bytes / max(files, 1)
    ratio = results[tools[0][0]]["median"] / floor
    print("Vorlex listed %s files (log: %s matched; CSV: %s lines with the header)." %
          (format(files, ","), matched, csv_lines))
    print("Vorlex memory: peak %.1f MiB, %.1f MiB over one file: %.0f B per listed file, of which %.0f B path "
          "text -> %.0f B beyond the path text (target < %d: %s)" %
          (rss[tools[0][0]] / 1024, (rss[tools[0][0]] - base_rss) / 1024, per_file, avg_path,
           per_file - avg_path, BYTES_TARGET, verdict(per_file - avg_path < BYTES_TARGET)))
    print("Vorlex time / floor: %.2fx (target <= %.1fx: %s)" % (ratio, SCAN_TARGET, verdict(ratio <= SCAN_TARGET)))
    if not fd:
        print("(no fd / fdfind installed: not timed)")
    if matched != files:
        print("WARNING: the program did not list every file (%s of %d)" % (matched, files))


def count_entries(path):
    n = 0
    for _, dn, fn in os.walk(os.fsencode(path)):
        n += len(dn) + len(fn)
    return n


def delete(args):
    tree = os.path.abspath(args.tree)
    os.makedirs(args.out, exist_ok=True)
    log("counting the tree")
    files, dirs, _ = tree_facts(tree)
    vorlex = os.path.join(args.run, "vorlex")
    os.makedirs(args.work, exist_ok=True)
    copy = os.path.join(args.work, os.path.basename(tree) + "-copy")
    prepare = "rm -rf %s && cp -a %s %s && sync" % (shlex.quote(copy), shlex.quote(tree), shlex.quote(copy))
    # Forty days on: everything in a fresh copy is old by birth and by last write for "30 days"; so is every
    # directory emptied during the run (its last write is now, the cut-off ten days ahead).
    shift = 40 * DAY
    cut = int(time.time()) + shift - 30 * DAY
    env = {"VORLEX_CLOCK_SHIFT": str(shift), "VORLEX_NO_BOXES": "1", "LC_ALL": "en_US.UTF-8"}
    commands = [
        ("vorlex TREE 30 (scan + delete)", env_cmd(env, [vorlex, copy, "30"])),
        ("vorlex TREE 30 /SCAN (scan only)", env_cmd(env, [vorlex, copy, "30", "/SCAN"])),
        # -mtime +30 read at the same shifted clock as the program's: last write before the cut-off.
        ("find -delete files, then empty dirs",
         "find %s -type f ! -newermt @%d -delete && find %s -mindepth 1 -type d -empty -delete" %
         (shlex.quote(copy), cut, shlex.quote(copy))),
    ]
    results = {}
    left = {}
    deleted = {}
    phases = {}
    for name, command in commands:
        log("timing %s: %d runs, each on a fresh copy (cp -a, sync; not timed)" % (name, args.runs))
        r = hyperfine([(name, command)], args.runs, 0, os.path.join(args.out, "delete.json"),
                      os.path.join(args.out, "hyperfine.log"), prepare=prepare)
        results[name] = r[name]
        left[name] = count_entries(copy)
        if name.startswith("vorlex"):
            deleted[name] = (rtf_number(args.run, "files deleted"), rtf_number(args.run, "empty directories deleted"))
            phases.setdefault("full", log_phases(args.run))
    shutil.rmtree(copy, ignore_errors=True)

    full = results[commands[0][0]]["median"]
    scan_only = results[commands[1][0]]["median"]
    find_t = results[commands[2][0]]["median"]
    pass_t = full - scan_only
    print()
    print("Deletion in copies of %s: %s files in %s directories; median of %d runs, each on a fresh copy" %
          (tree, format(files, ","), format(dirs, ","), args.runs))
    widths = (38, 9, 17, 13, 13)
    print(fmt_row(("command", "median s", "min - max s", "CPU s (mean)", "entries left"), widths))
    for name, _ in commands:
        r = results[name]
        print(fmt_row((name, "%.3f" % r["median"], "%.3f - %.3f" % (r["min"], r["max"]),
                       "%.3f" % (r["user"] + r["system"]), format(left[name], ",")), widths))
    cpu_pass = (results[commands[0][0]]["user"] + results[commands[0][0]]["system"] -
                results[commands[1][0]]["user"] - results[commands[1][0]]["system"])
    print(fmt_row(("vorlex deletion pass (full - scan)", "%.3f" % pass_t, "", "%.3f" % cpu_pass, ""), widths))
    fd_, dd_ = deleted[commands[0][0]]
    print("Vorlex deleted %s files and %s empty directories (log of the last run)." % (fd_, dd_))
    ph = phases.get("full")
    if ph:
        print("Vorlex phases of its last run (log timestamps, whole seconds): scan and CSV %d s, files %d s, "
              "empty directories %d s, CSV and log %d s" % (ph["scan"], ph["files"], ph["dirs"], ph["end"]))
    print("Vorlex deletion pass / find: %.2fx (target <= %.1fx: %s); whole run / find: %.2fx" %
          (pass_t / find_t, DELETE_TARGET, verdict(pass_t / find_t <= DELETE_TARGET), full / find_t))


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("what", choices=["scan", "delete"])
    p.add_argument("--tree", required=True)
    p.add_argument("--bin", required=True, help="folder with cwalk and vwalk")
    p.add_argument("--run", required=True, help="folder with the program's copy")
    p.add_argument("--out", required=True, help="folder for outputs and hyperfine's log")
    p.add_argument("--work", help="folder for the tree copies (delete)")
    p.add_argument("--runs", type=int)
    args = p.parse_args()
    if args.what == "scan":
        args.runs = args.runs or 5
        scan(args)
    else:
        args.runs = args.runs or 3
        args.work = args.work or args.out
        delete(args)
    return 0


if __name__ == "__main__":
    sys.exit(main())
