#!/usr/bin/env python3
"""Prints the benchmark table from the results that bench/run collected.

    report.py RESULTS_DIR FS_DIR

FS_DIR is where the runs wrote (its file system is named in the output).

Ratios are taken minimum to minimum and median to median. A target is met
when the median ratio (or value) is within it.
"""

import glob
import json
import os
import platform
import re
import statistics
import subprocess
import sys


def hyperfine(path):
    with open(path) as f:
        return {r["command"]: r for r in json.load(f)["results"]}


def machine(work, fs_kind):
    cpu = "unknown"
    with open("/proc/cpuinfo") as f:
        for line in f:
            if line.startswith("model name"):
                cpu = line.split(":", 1)[1].strip()
                break
    with open("/proc/meminfo") as f:
        mem_kib = int(f.readline().split()[1])
    fs = subprocess.run(["df", "--output=fstype", work], capture_output=True,
                        text=True).stdout.split()[-1]
    versions = []
    for cmd in (["hyperfine", "--version"], ["bsdtar", "--version"]):
        out = subprocess.run(cmd, capture_output=True, text=True).stdout.strip()
        versions.append(out.splitlines()[0] if out else cmd[0] + " ?")
    return ("%d cores (nproc), %s, %.1f GiB RAM, %s file system (%s), Linux %s; %s"
            % (os.cpu_count(), cpu, mem_kib / 1048576, fs, fs_kind, platform.release(),
               "; ".join(versions)))


def verdict(value, target):
    return "met" if value <= target else "MISSED"


def stats(values):
    return {"min": min(values), "median": statistics.median(values)}


def downtimes(results):
    """Per package: the number of downtime runs, and the downtime (the old
    client's SIGTERM to the new client's start) and the launcher's start to
    the new client's start, in seconds, as min and median."""
    runs = {}
    for path in glob.glob(os.path.join(results, "downtime-*.*")):
        name = os.path.basename(path)[len("downtime-"):].rsplit(".", 1)[0]
        with open(path) as f:
            moments = dict(line.strip().split("=", 1) for line in f if "=" in line)
        runs.setdefault(name, []).append({k: float(v) for k, v in moments.items()})
    out = {}
    for name, ms in runs.items():
        down = [m["client_started"] - m["old_terminated"] for m in ms]
        start = [m["client_started"] - m["launcher_started"] for m in ms]
        out[name] = (len(ms), stats(down), stats(start))
    return out


def main():
    results, work = sys.argv[1], sys.argv[2]
    rows = []  # (measure, min, median, target, verdict)

    def ratio_row(label, num, den, target=None):
        rmin = num["min"] / den["min"]
        rmed = num["median"] / den["median"]
        rows.append((label, "%.2f" % rmin, "%.2f" % rmed,
                     "<= %.2f" % target if target else "",
                     verdict(rmed, target) if target else ""))

    def time_row(label, r, unit="s"):
        scale = 1000 if unit == "ms" else 1
        rows.append((label, "%.3f %s" % (r["min"] * scale, unit),
                     "%.3f %s" % (r["median"] * scale, unit), "", ""))

    for path in sorted(glob.glob(os.path.join(results, "upgrade-*.json"))):
        name = os.path.basename(path)[len("upgrade-"):-len(".json")]
        r = hyperfine(path)
        launcher, first = r["launcher"], r["launcher-first-install"]
        x, tx, txs = r["bsdtar-x"], r["bsdtar-t-x"], r["bsdtar-t-x-syncfs"]
        rows.append(("**Upgrade, %s**" % name, "", "", "", ""))
        time_row("  launcher upgrade (s)", launcher)
        time_row("  launcher first install (s)", first)
        time_row("  bsdtar -tf + -xf + syncfs (s)", txs)
        time_row("  bsdtar -tf + -xf (s)", tx)
        time_row("  bsdtar -xf (s)", x)
        ratio_row("  launcher upgrade / (bsdtar -tf + -xf + syncfs)", launcher, txs, 1.25)
        ratio_row("  launcher upgrade / (bsdtar -tf + -xf)", launcher, tx)
        ratio_row("  launcher upgrade / bsdtar -xf", launcher, x)
        ratio_row("  launcher first install / (bsdtar -tf + -xf)", first, tx)
        ratio_row("  launcher first install / (bsdtar -tf + -xf + syncfs)", first, txs)
        ratio_row("  launcher first install / bsdtar -xf", first, x)

    checks = sorted(glob.glob(os.path.join(results, "check-*.json")))
    if checks:
        rows.append(("**Checking pass (headers read once)**", "", "", "", ""))
    for path in checks:
        name = os.path.basename(path)[len("check-"):-len(".json")]
        r = hyperfine(path)
        time_row("  %s, in the launcher's process, before (ms)" % name, r["in-process"], "ms")
        time_row("  %s, in the reader program, after (ms)" % name, r["reader"], "ms")
        ratio_row("  %s, after / before" % name, r["reader"], r["in-process"])

    starts = []
    for path in glob.glob(os.path.join(results, "client-start.*")):
        with open(path) as f:
            starts.append(float(f.read()) * 1000)
    if starts:
        rows.append(("**Time to the client's start, upgrade of mixed.tar.gz**", "", "", "", ""))
        rows.append(("  launcher start to start script (ms)", "%.0f" % min(starts),
                     "%.0f" % statistics.median(starts), "", ""))

    for name, (count, down, start) in sorted(downtimes(results).items()):
        rows.append(("**Downtime during an upgrade, the client running, %s (%d runs)**"
                     % (name, count), "", "", "", ""))
        time_row("  downtime: old client's SIGTERM to the new client's start (ms)", down, "ms")
        time_row("  launcher start to the new client's start (ms)", start, "ms")
        path = os.path.join(results, "extract-sync-%s.json" % name)
        if os.path.exists(path):
            ref = hyperfine(path)["bsdtar-x-syncfs"]
            time_row("  bsdtar -xf + sync -f (ms)", ref, "ms")
            ratio_row("  downtime / (bsdtar -xf + sync -f)", down, ref, 1.15)
            ratio_row("  launcher start to client start / (bsdtar -xf + sync -f)", start, ref)

    counts = {}
    for who in ("launcher", "bsdtar"):
        path = os.path.join(results, "strace-" + who)
        if os.path.exists(path):
            with open(path) as f:
                for line in f:
                    fields = line.split()
                    if len(fields) >= 5 and fields[-1] in ("openat", "newfstatat", "close"):
                        counts[(who, fields[-1])] = int(fields[3])
    entries_path = os.path.join(results, "strace-entries")
    if counts and os.path.exists(entries_path):
        entries = int(open(entries_path).read())
        rows.append(("**System calls per entry, upgrade of mixed.tar.gz (%d entries)**"
                     % entries, "launcher", "bsdtar -xf", "", ""))
        for call in ("openat", "newfstatat", "close"):
            mine = counts.get(("launcher", call), 0) / entries
            theirs = counts.get(("bsdtar", call), 0) / entries
            target = theirs + 2 if call == "openat" else None
            rows.append(("  " + call, "%.2f" % mine, "%.2f" % theirs,
                         "<= %.2f" % target if target else "",
                         verdict(mine, target) if target else ""))

    for name, title, target in (("launch", "", 1.15), ("launch-xvfb", ", under Xvfb", 1.15)):
        launch = os.path.join(results, name + ".json")
        if not os.path.exists(launch):
            continue
        r = hyperfine(launch)
        rows.append(("**Start-up, nothing to upgrade%s**" % title, "", "", "", ""))
        time_row("  launcher (ms)", r["launcher"], "ms")
        time_row("  minimal QApplication + start script (ms)", r["minimal-qapp"], "ms")
        ratio_row("  launcher / (minimal QApplication + start script)", r["launcher"],
                  r["minimal-qapp"], target)

    memory = {}
    for path in glob.glob(os.path.join(results, "memory-*.*")):
        name = os.path.basename(path)[len("memory-"):].rsplit(".", 1)[0]
        with open(path) as f:
            kib = int(f.read().split()[-1])
        memory.setdefault(name, []).append(kib / 1024)
    if memory:
        rows.append(("**Peak memory (max RSS, MiB)**", "", "", "", ""))
        for name in sorted(memory):
            values = memory[name]
            upgrading = name not in ("no-upgrade", "minimal-qapp")
            label = ("  launcher upgrading %s" % name if upgrading else
                     "  launcher, nothing to upgrade" if name == "no-upgrade" else
                     "  minimal QApplication")
            peak = max(values)
            rows.append((label, "%.1f" % min(values), "%.1f (max %.1f)"
                         % (statistics.median(values), peak),
                         "<= 64" if upgrading else "",
                         verdict(peak, 64) if upgrading else ""))

    probes = []
    for path in sorted(glob.glob(os.path.join(results, "probe.*"))):
        with open(path) as f:
            probes.append(dict(line.strip().split("=", 1) for line in f if "=" in line))
    if probes:
        gaps = [float(p["max_gap_ms"]) for p in probes]
        whole = [float(p["max_gap_whole_run_ms"]) for p in probes]
        p99 = [float(p["p99_gap_ms"]) for p in probes]
        extraction = [float(p["extraction_ms"]) for p in probes]
        rows.append(("**Event loop, 50,000 files extracted (%s progress reports)**"
                     % probes[0].get("progress_reports", "?"), "", "", "", ""))
        rows.append(("  longest gap during extraction (ms)", "%.1f" % min(gaps),
                     "%.1f (max %.1f)" % (statistics.median(gaps), max(gaps)), "<= 50",
                     verdict(statistics.median(gaps), 50)))
        cpu = [float(p["max_cpu_between_ticks_ms"]) for p in probes]
        gap_cpu = [float(p["max_gap_cpu_ms"]) for p in probes]
        rows.append(("  main-thread CPU time within that gap (ms)", "%.1f" % min(gap_cpu),
                     "%.1f" % statistics.median(gap_cpu), "", ""))
        rows.append(("  most main-thread CPU time between two ticks (ms)", "%.1f" % min(cpu),
                     "%.1f (max %.1f)" % (statistics.median(cpu), max(cpu)), "", ""))
        rows.append(("  99th percentile gap during extraction (ms)", "%.1f" % min(p99),
                     "%.1f" % statistics.median(p99), "", ""))
        rows.append(("  longest gap over the whole run (ms)", "%.1f" % min(whole),
                     "%.1f" % statistics.median(whole), "", ""))
        rows.append(("  extraction time in the probe (ms)", "%.0f" % min(extraction),
                     "%.0f" % statistics.median(extraction), "", ""))

    header = ("Measure", "Min", "Median", "Target", "")
    widths = [max(len(str(r[i])) for r in rows + [header]) for i in range(5)]
    line = lambda r: "| " + " | ".join(str(c).ljust(w) for c, w in zip(r, widths)) + " |"
    print()
    kind_path = os.path.join(results, "fs")
    fs_kind = open(kind_path).read().strip() if os.path.exists(kind_path) else "?"
    print("Machine: " + machine(work, fs_kind))
    load_path = os.path.join(results, "load")
    if os.path.exists(load_path):
        print("Load average (1, 5, 15 min) at start and end: " +
              " / ".join(open(load_path).read().split("\n")[:2]))
    print()
    print(line(header))
    print("|" + "|".join("-" * (w + 2) for w in widths) + "|")
    for r in rows:
        print(line(r))
    return 0


if __name__ == "__main__":
    sys.exit(main())
