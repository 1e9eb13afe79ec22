#!/usr/bin/env python3
"""Prints the benchmark table from the results that bench/run collected, and
draws its plots.

    report.py RESULTS_DIR FS_DIR [PLOT_DIR]

FS_DIR is where the runs wrote (its file system is named in the output).
The plots, SVG files drawn with gnuplot from the same results, go to
PLOT_DIR (default: bench/, beside this script); the output links them above
the table, or says why there are none.

Ratios are taken minimum to minimum and median to median. A target is met
when the median ratio (or value) is within it.
"""

import glob
import json
import os
import platform
import re
import shutil
import statistics
import subprocess
import sys
import tempfile

# The upgrade commands of bench/run drawn in the plots, with their legends.
UPGRADE_SERIES = (
    ("launcher", "launcher upgrade"),
    ("launcher-first-install", "launcher first install"),
    ("bsdtar-t-x-syncfs", "bsdtar -tf + -xf + sync -f"),
    ("bsdtar-t-x", "bsdtar -tf + -xf"),
    ("bsdtar-x", "bsdtar -xf"),
)

SVG_TERMINAL = 'set terminal svg size 720,480 dynamic enhanced font "DejaVu Sans,12"'


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


def sizes(results):
    """Per package that bench/run sized: its entries and the MiB of its
    files unpacked."""
    out = {}
    for path in glob.glob(os.path.join(results, "size-*")):
        with open(path) as f:
            fields = dict(line.strip().split("=", 1) for line in f if "=" in line)
        out[os.path.basename(path)[len("size-"):]] = (int(fields["entries"]),
                                                     int(fields["bytes"]) / 1048576)
    return out


def upgrade_table(results, size):
    """Rows (package, entries, MiB, median seconds of each UPGRADE_SERIES
    command) of the sized .tar.gz packages: the one format in every size, so
    that the size is all that differs."""
    rows = []
    for path in glob.glob(os.path.join(results, "upgrade-*.tar.gz.json")):
        name = os.path.basename(path)[len("upgrade-"):-len(".json")]
        if name not in size:
            continue
        r = hyperfine(path)
        rows.append((name,) + size[name] + tuple(r[c]["median"] for c, _ in UPGRADE_SERIES))
    return rows


def upgrade_script(data, svg, column, label, logscale):
    plots = ", ".join("'%s' using %d:%d with linespoints title '%s'" % (data, column, 4 + i, t)
                      for i, (_, t) in enumerate(UPGRADE_SERIES))
    return "\n".join([
        SVG_TERMINAL, "set output '%s'" % svg,
        "set title 'Upgrade time against package size (.tar.gz packages, medians)'",
        "set xlabel '%s'" % label, "set ylabel 'seconds'", "set key below",
        "set grid", "set yrange [0:*]", "set logscale x" if logscale else "set xrange [0:*]",
        "plot " + plots + ", '%s' using %d:4:1 with labels offset 0,1 notitle"
        % (data, column), ""])


def downtime_script(data, svg, names):
    lines = [SVG_TERMINAL.replace("720,480", "%d,440" % (360 * len(names))),
             "set output '%s'" % svg,
             "set multiplot layout 1,%d title 'Downtime during an upgrade, the client "
             "running (medians)'" % len(names),
             "set style fill solid 0.6 border -1", "set boxwidth 0.6", "set grid y",
             "set yrange [0:*]", "set ylabel 'ms'", "set xtics rotate by -25 font ',10'"]
    for i, name in enumerate(names):
        lines += ["set title '%s'" % name,
                  "plot '%s' index %d using 0:2:xtic(1) with boxes notitle" % (data, i)]
    return "\n".join(lines + ["unset multiplot", ""])


def downtime_data(results):
    """Per package with its reference: its name and a gnuplot data block of
    the downtime, the launcher's start to the new client's start and the
    reference, medians in ms."""
    blocks = []
    for name, (count, down, start) in sorted(downtimes(results).items()):
        path = os.path.join(results, "extract-sync-%s.json" % name)
        if not os.path.exists(path):
            continue
        ref = hyperfine(path)["bsdtar-x-syncfs"]
        blocks.append((name, "\n".join([
            '"downtime" %.1f' % (down["median"] * 1000),
            '"launcher to client" %.1f' % (start["median"] * 1000),
            '"bsdtar -xf + sync" %.1f' % (ref["median"] * 1000)])))
    return blocks


def plot(results, plot_dir):
    """Draws the plots into plot_dir; returns the Markdown lines that show
    them, or the one line that says why there are none."""
    gnuplot = shutil.which("gnuplot")
    if not gnuplot:
        return ["No plots in this run: gnuplot is not installed "
                "(`scripts/install-deps --bench` installs gnuplot-nox)."]
    jobs = []  # (svg name, alt text, script builder, data text)
    upgrades = upgrade_table(results, sizes(results))
    if len(upgrades) >= 2:
        # One data file per plot, in the order of its x axis, which the lines follow.
        data = lambda column: "\n".join(
            "%s %d %.2f " % row[:3] + " ".join("%.4f" % t for t in row[3:])
            for row in sorted(upgrades, key=lambda row: row[column - 1])) + "\n"
        jobs.append(("upgrade-entries.svg", "Upgrade time against entries", data(2),
                     lambda d, svg: upgrade_script(d, svg, 2, "entries", True)))
        jobs.append(("upgrade-mib.svg", "Upgrade time against MiB", data(3),
                     lambda d, svg: upgrade_script(d, svg, 3, "MiB unpacked", False)))
    blocks = downtime_data(results)
    if blocks:
        names = [name for name, _ in blocks]
        jobs.append(("downtime.svg", "Downtime during an upgrade",
                     "\n\n\n".join(block for _, block in blocks) + "\n",
                     lambda d, svg: downtime_script(d, svg, names)))
    if not jobs:
        return ["No plots in this run: it measured neither the upgrades of two sized "
                ".tar.gz packages nor the downtime."]
    lines = []
    with tempfile.TemporaryDirectory() as tmp:
        for svg, alt, data, script in jobs:
            data_path = os.path.join(tmp, svg + ".dat")
            with open(data_path, "w") as f:
                f.write(data)
            out = os.path.join(plot_dir, svg)
            done = subprocess.run([gnuplot], input=script(data_path, out), text=True,
                                  capture_output=True)
            if done.returncode != 0:
                lines.append("No plot %s: gnuplot failed: %s" % (svg, done.stderr.strip()))
                continue
            lines.append("![%s](%s)" % (alt, svg))
    return lines


def main():
    results, work = sys.argv[1], sys.argv[2]
    plot_dir = sys.argv[3] if len(sys.argv) > 3 else os.path.dirname(os.path.abspath(__file__))
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
    for plot_line in plot(results, plot_dir):
        print(plot_line)
        print()
    print(line(header))
    print("|" + "|".join("-" * (w + 2) for w in widths) + "|")
    for r in rows:
        print(line(r))
    return 0


if __name__ == "__main__":
    sys.exit(main())
