#!/usr/bin/env python3
"""Builds reproducible directory trees for timing the walk, the scan and the clean-up.

Presets:
  small  100,000 files in 10,000 directories
  large  1,000,000 files in 100,000 directories

The same seed always gives the same tree: the same names, shape, sizes and modification times. Names are a
mix of plain ASCII, blanks, commas and quotes, UTF-8 from several scripts, hidden names (leading '.'), long
names, a few bytes that are not valid UTF-8 and a few newlines. About half of the files get a modification
time years in the past ("old by mtime"); the others keep the time they were written. Birth times cannot be
set on Linux, so a scan finds the old half only when it runs "later": the timing scripts run the program's
test build, whose clock VORLEX_CLOCK_SHIFT moves.

With --no-hidden-dirs no directory name starts with '.' (such a name gets '_' instead; the random
sequence, and so the shape, stay those of the seed). A scan does not enter hidden directories, and in the
default trees most files lie below one, so the timing scripts use this variant: every tool then lists every
file. Hidden file names stay.

Usage: gen_tree.py PRESET TARGET [--seed N] [--no-hidden-dirs]      (TARGET must not exist yet)
"""

import argparse
import os
import random
import sys
import time

PRESETS = {"small": (100_000, 10_000), "large": (1_000_000, 100_000)}

WORDS = ["report", "backup", "data", "temp", "cache", "log", "image", "invoice", "notes", "build", "draft", "old",
         "Thumbs", "setup", "archive", "photo", "readme", "config", "session", "export"]
UNICODE = ["café", "Grüße", "naïve", "日本語", "файл", "αρχείο", "ملف", "😀emoji", "Ångström", "ñandú"]
EXTENSIONS = [".txt", ".log", ".tmp", ".bak", ".jpg", ".csv", ".dat", "", ".tar.gz", ".TMP", ".Log"]

# Old modification times fall between these two moments (fixed, so trees are reproducible).
OLD_FROM = 1420070400  # 2015-01-01 UTC
OLD_TO = 1704067199    # 2023-12-31 UTC


def make_name(rng: random.Random, index: int, is_dir: bool) -> bytes:
    kind = rng.random()
    if kind < 0.55:
        base = rng.choice(WORDS) + ("_" + str(rng.randrange(100000)) if rng.random() < 0.8 else "")
    elif kind < 0.70:
        base = rng.choice(WORDS) + " " + rng.choice(WORDS) + ("," if rng.random() < 0.3 else "") + \
            ("'" if rng.random() < 0.2 else "") + str(rng.randrange(1000))
    elif kind < 0.85:
        base = rng.choice(UNICODE) + "-" + str(rng.randrange(10000))
    elif kind < 0.92:
        base = "." + rng.choice(WORDS)
    elif kind < 0.97:
        base = "-".join(rng.choice(WORDS) for _ in range(rng.randrange(8, 24)))[:200]
    elif kind < 0.995:
        return ("bad-" + str(index)).encode() + bytes([0xFF, rng.randrange(0x80, 0xC0)]) + b".bin"
    else:
        base = "line\nbreak-" + str(index)
    ext = "" if is_dir else rng.choice(EXTENSIONS)
    # The index keeps names unique within a directory.
    return ("%s.%d%s" % (base, index, ext)).encode("utf-8")


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("preset", choices=sorted(PRESETS))
    parser.add_argument("target")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--no-hidden-dirs", action="store_true")
    args = parser.parse_args()

    files, dirs = PRESETS[args.preset]
    target = os.fsencode(os.path.abspath(args.target))
    if os.path.lexists(target):
        print("target exists: %s" % args.target, file=sys.stderr)
        return 2
    rng = random.Random(args.seed)
    started = time.monotonic()

    os.mkdir(target)
    paths = [target]
    depth = [0]
    for i in range(1, dirs):
        # Mostly a random earlier directory (a bushy tree about ln(dirs) deep), sometimes the previous one
        # (chains that reach a few dozen levels).
        parent = i - 1 if rng.random() < 0.08 else rng.randrange(i)
        name = make_name(rng, i, True)
        if args.no_hidden_dirs and name.startswith(b"."):
            name = b"_" + name[1:]
        path = paths[parent] + b"/" + name
        os.mkdir(path)
        paths.append(path)
        depth.append(depth[parent] + 1)

    old = 0
    total_bytes = 0
    for i in range(files):
        path = paths[rng.randrange(dirs)] + b"/" + make_name(rng, i, False)
        size = rng.choice((0, 0, 0, 1, 17, 100, 512, 1500))
        with open(path, "wb") as f:
            if size:
                f.write(b"x" * size)
        total_bytes += size
        if rng.random() < 0.5:
            mtime = rng.randrange(OLD_FROM, OLD_TO)
            os.utime(path, (mtime, mtime), follow_symlinks=False)
            old += 1

    print("%s: %d files (%d old by mtime, %d bytes) in %d directories, max depth %d, %.1f s" %
          (args.target, files, old, total_bytes, dirs, max(depth), time.monotonic() - started))
    return 0


if __name__ == "__main__":
    sys.exit(main())
