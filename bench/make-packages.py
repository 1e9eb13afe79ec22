#!/usr/bin/env python3
"""Generates the reference client packages for the benchmarks.

    make-packages.py OUT_DIR [--mixed-files N] [--mixed-mb MB] [--small-files N]
                             [--medium-files N] [--medium-mib MIB]

Writes, deterministically (fixed seeds), three application trees and their
archives into OUT_DIR:

  tree-mixed/   about 150 MB in about 5,000 files of mixed sizes (a few large
                files, many small ones), half random bytes and half text, so
                that compression neither vanishes nor dominates
  tree-medium/  the same kind of tree, about 30 MiB in about 4,000 files
  tree-small/   50,000 small files (64 bytes to 2 KiB)
  mixed.tar.gz  mixed.tar.xz  mixed.zip  medium.tar.gz  small.tar.gz

Each tree is a client application directory as the launcher installs it:
INFO (build 2000), bin/tarrowind-backup-ui (a stand-in client, a bash
script) and package/start-stop. The start script records when it ran and
returns, so that starting the client costs nothing in the measurements; in a
home that holds a file named run-client it also starts the stand-in client
in the background, for the downtime rows. The archives are made with bsdtar.
A stamp file (the parameters and a digest of this generator's text) keeps a
second call from redoing work, and makes a changed generator redo it.
"""

import argparse
import hashlib
import os
import random
import shutil
import subprocess
import sys

SEED = 20240611
BUILD = 2000

INFO = """[Version]
major_version=3
minor_version=1
build_version={build}
icon_overlay_version=8
"""

START_STOP = """#!/bin/bash
# Benchmark client's start script. It records when it ran (a shell builtin,
# so that it costs nothing), for the time a user waits for the client. In a
# home that holds a file named run-client (bench/run's downtime rows) it also
# starts the stand-in client as a real start script does: in the background,
# in a session of its own, detached from the launcher's streams.
printf '%s\\n' "$EPOCHREALTIME" > "$HOME/client-started"
if [ "$1" = start ] && [ -e "$HOME/run-client" ]; then
  setsid "${0%/package/start-stop}/bin/tarrowind-backup-ui" </dev/null >/dev/null 2>&1 &
fi
exit 0
"""

CLIENT = """#!/bin/bash
# Stand-in client. It records the moment it started in ~/ui-started, then
# names itself in ~/.TarrowindBackup/ui.pid as the real client does, and
# idles. SIGTERM records the moment it arrived in ~/ui-terminated and ends
# the client at once (the trap runs as soon as the signal interrupts wait).
printf '%s\\n' "$EPOCHREALTIME" > "$HOME/ui-started"
idle=
trap 'printf "%s\\n" "$EPOCHREALTIME" > "$HOME/ui-terminated"; [ -z "$idle" ] || kill "$idle"; exit 0' TERM
printf 'pid=%s\\n' "$$" > "$HOME/.TarrowindBackup/ui.pid"
while :; do
  sleep 1 &
  idle=$!
  wait "$idle"
done
"""


def make_corpus(rng, size):
    """Pseudo-English text: words of a fixed vocabulary, skewed frequencies."""
    letters = "etaoinshrdlcumwfgypbvkjxqz"
    weights = [26 - i for i in range(26)]
    vocab = ["".join(rng.choices(letters, weights, k=rng.randint(2, 10))) for _ in range(4000)]
    word_weights = [1.0 / (i + 1) for i in range(len(vocab))]
    parts = []
    length = 0
    while length < size:
        line = " ".join(rng.choices(vocab, word_weights, k=rng.randint(4, 14))) + "\n"
        parts.append(line)
        length += len(line)
    return "".join(parts).encode()[:size]


class Content:
    def __init__(self, rng):
        self.rng = rng
        self.corpus = make_corpus(rng, 4 << 20)

    def text(self, size):
        out = bytearray()
        while len(out) < size:
            start = self.rng.randrange(len(self.corpus))
            out += self.corpus[start:start + size - len(out)]
        return bytes(out)

    def random(self, size):
        return self.rng.randbytes(size)

    def mixed(self, size):
        """Random and text halves in one file, in a random order."""
        half = size // 2
        a, b = self.random(half), self.text(size - half)
        return a + b if self.rng.random() < 0.5 else b + a


def write_app_skeleton(root):
    os.makedirs(os.path.join(root, "bin"))
    os.makedirs(os.path.join(root, "package"))
    with open(os.path.join(root, "INFO"), "w") as f:
        f.write(INFO.format(build=BUILD))
    for rel, body in (("bin/tarrowind-backup-ui", CLIENT), ("package/start-stop", START_STOP)):
        path = os.path.join(root, rel)
        with open(path, "w") as f:
            f.write(body)
        os.chmod(path, 0o755)


def make_mixed_tree(root, rng, files, total_bytes):
    """A few large files (one in 500, of 2 to 5 MiB in a 150 MB tree, scaled
    down with the total below that), the rest log-uniform."""
    content = Content(rng)
    large = max(1, files // 500)
    shrink = min(1.0, total_bytes / 150e6)
    low, high = int((2 << 20) * shrink), int((5 << 20) * shrink)
    large_sizes = [rng.randint(low, high) for _ in range(large)]
    # Log-uniform sizes for the rest, scaled so that the total comes out right.
    small = [int(64 * (2048 ** rng.random())) for _ in range(files - large)]
    scale = max(total_bytes - sum(large_sizes), len(small)) / sum(small)
    sizes = large_sizes + [max(1, int(s * scale)) for s in small]
    rng.shuffle(sizes)
    kinds = ("bin", "txt", "dat")
    for i, size in enumerate(sizes):
        kind = rng.choice(kinds)
        d = os.path.join(root, "lib" if i % 7 == 0 else "data", "d%02d" % (i % 50),
                         "s%d" % (i // 50 % 10))
        os.makedirs(d, exist_ok=True)
        if kind == "bin":
            body = content.random(size)
        elif kind == "txt":
            body = content.text(size)
        else:
            body = content.mixed(size)
        with open(os.path.join(d, "f%05d.%s" % (i, kind)), "wb") as f:
            f.write(body)


def make_small_tree(root, rng, files):
    content = Content(rng)
    for i in range(files):
        d = os.path.join(root, "data", "d%03d" % (i // 100))
        if i % 100 == 0:
            os.makedirs(d)
        size = rng.randint(64, 2048)
        body = content.random(size) if i % 2 else content.text(size)
        with open(os.path.join(d, "f%05d" % i), "wb") as f:
            f.write(body)


def bsdtar_create(tree, archive, flags):
    tmp = archive + ".part"
    subprocess.run(["bsdtar", *flags, "-cf", tmp, "-C", tree, "INFO", "bin", "package"] +
                   sorted(e for e in os.listdir(tree) if e not in ("INFO", "bin", "package")),
                   check=True)
    os.replace(tmp, archive)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("out")
    ap.add_argument("--mixed-files", type=int, default=5000)
    ap.add_argument("--mixed-mb", type=int, default=150)
    ap.add_argument("--small-files", type=int, default=50000)
    ap.add_argument("--medium-files", type=int, default=4000)
    ap.add_argument("--medium-mib", type=int, default=30)
    args = ap.parse_args()

    with open(__file__, "rb") as f:
        digest = hashlib.sha256(f.read()).hexdigest()[:16]
    stamp_text = "seed=%d build=%d mixed=%d/%dMB medium=%d/%dMiB small=%d generator=%s\n" % (
        SEED, BUILD, args.mixed_files, args.mixed_mb, args.medium_files, args.medium_mib,
        args.small_files, digest)
    stamp = os.path.join(args.out, "stamp")
    if os.path.exists(stamp) and open(stamp).read() == stamp_text:
        return 0
    if os.path.exists(args.out):
        shutil.rmtree(args.out)
    os.makedirs(args.out)

    print("make-packages: generating %d files, %d MB" % (args.mixed_files, args.mixed_mb),
          file=sys.stderr)
    mixed = os.path.join(args.out, "tree-mixed")
    write_app_skeleton(mixed)
    make_mixed_tree(mixed, random.Random(SEED), args.mixed_files - 3, args.mixed_mb * 1000 * 1000)
    print("make-packages: generating %d small files" % args.small_files, file=sys.stderr)
    small = os.path.join(args.out, "tree-small")
    write_app_skeleton(small)
    make_small_tree(small, random.Random(SEED + 1), args.small_files - 3)
    print("make-packages: generating %d files, %d MiB" % (args.medium_files, args.medium_mib),
          file=sys.stderr)
    medium = os.path.join(args.out, "tree-medium")
    write_app_skeleton(medium)
    make_mixed_tree(medium, random.Random(SEED + 2), args.medium_files - 3,
                    args.medium_mib << 20)

    print("make-packages: packing (the xz archive takes a minute)", file=sys.stderr)
    bsdtar_create(mixed, os.path.join(args.out, "mixed.tar.gz"), ["-z"])
    bsdtar_create(mixed, os.path.join(args.out, "mixed.tar.xz"), ["-J"])
    bsdtar_create(mixed, os.path.join(args.out, "mixed.zip"), ["--format", "zip"])
    bsdtar_create(medium, os.path.join(args.out, "medium.tar.gz"), ["-z"])
    bsdtar_create(small, os.path.join(args.out, "small.tar.gz"), ["-z"])

    with open(stamp, "w") as f:
        f.write(stamp_text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
