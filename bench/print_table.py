#!/usr/bin/env python3
"""Prints the one table of scripts/bench from Google Benchmark's JSON output and, when given,
the start-up figures of bench/startup/measure-startup, each figure beside the goal it is held to.
    print_table.py CORE_JSON [STARTUP_TSV]"""
import json
import os
import platform
import sys


def machine():
    model = "unknown CPU"
    try:
        with open("/proc/cpuinfo") as info:
            for line in info:
                if line.startswith("model name"):
                    model = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    memory = ""
    try:
        with open("/proc/meminfo") as info:
            kib = int(info.readline().split()[1])
            memory = f", {kib / 1024 / 1024:.0f} GiB RAM"
    except (OSError, ValueError, IndexError):
        pass
    load = os.getloadavg()[0] if hasattr(os, "getloadavg") else 0.0
    return f"{os.cpu_count()} cores, {model}{memory}, Linux {platform.release()}, load {load:.1f} at the start"


def medians(path):
    with open(path) as f:
        data = json.load(f)
    figures = {}
    for run in data["benchmarks"]:
        if run.get("run_type") == "aggregate" and run.get("aggregate_name") != "median":
            continue
        name = run.get("run_name", run["name"])
        if run.get("error_occurred"):
            figures[name] = {"error": run.get("error_message", "failed")}
            continue
        scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[run.get("time_unit", "ns")]
        figures[name] = {"seconds": run["real_time"] * scale, "label": run.get("label", ""),
                         "keys": run.get("keys")}
    return figures


def duration(seconds):
    if seconds < 1e-6:
        return f"{seconds * 1e9:.0f} ns"
    if seconds < 1e-3:
        return f"{seconds * 1e6:.2f} µs"
    if seconds < 1:
        return f"{seconds * 1e3:.1f} ms"
    return f"{seconds:.2f} s"


def median(values):
    values = sorted(values)
    middle = len(values) // 2
    return values[middle] if len(values) % 2 else (values[middle - 1] + values[middle]) / 2


def megabytes(kib):
    return f"{kib / 1024:.1f} MB"


def startup(path, add):
    """The rows of bench/startup/measure-startup's figures: per toolkit the median time until
    the start window is mapped and the median peak RSS, each against the least program of the
    same toolkit, then the size of each executable."""
    starts = {}
    sizes = []
    with open(path) as f:
        for line in f:
            parts = line.rstrip("\n").split("\t")
            if parts[0] == "start" and len(parts) == 5:
                starts.setdefault(parts[1], {}).setdefault(parts[2], []).append((float(parts[3]), int(parts[4])))
            elif parts[0] == "size" and len(parts) == 5:
                sizes.append((parts[1], parts[2], int(parts[3]), int(parts[4])))
    for group, runs in starts.items():
        if "real" not in runs or "minimal" not in runs:
            continue
        real_time = median([t for t, _ in runs["real"]])
        minimal_time = median([t for t, _ in runs["minimal"]])
        ratio = real_time / minimal_time
        add(f"{group}: start window mapped, against a minimal window ({len(runs['real'])} runs each)",
            f"{ratio:.2f} × ({duration(real_time)} against {duration(minimal_time)})", "≤ 1.2 ×",
            "met" if ratio <= 1.2 else "MISSED")
        real_rss = median([k for _, k in runs["real"]])
        minimal_rss = median([k for _, k in runs["minimal"]])
        more = real_rss - minimal_rss
        add(f"{group}: peak RSS, against the minimal window",
            f"{megabytes(real_rss)} against {megabytes(minimal_rss)} (+{megabytes(more)})", "≤ + 10 MB",
            "met" if more <= 10 * 1024 else "MISSED")
    for group, name, built, stripped in sizes:
        group = group.split(",")[0]
        windows = group.startswith("Windows")
        verdict = lambda size: ("met" if size <= 2 * 1024 * 1024 else "MISSED") if windows else ""
        goal = "≤ 2 MB" if windows else ""
        add(f"{group}: size of {name} as built", megabytes(built / 1024), goal, verdict(built))
        add(f"{group}: size of {name} without debug information (strip)", megabytes(stripped / 1024), goal,
            verdict(stripped))


def main():
    figures = medians(sys.argv[1])
    rows = []

    def time_of(name):
        return figures.get(name, {}).get("seconds")

    def add(figure, value, goal="", verdict=""):
        rows.append((figure, value, goal, verdict))

    def timed(figure, name, goal_seconds=None, per_key=False):
        entry = figures.get(name)
        if entry is None:
            add(figure, "not measured")
            return
        if "error" in entry:
            add(figure, "failed: " + entry["error"])
            return
        seconds = entry["seconds"]
        text = duration(seconds)
        if per_key and entry.get("keys"):
            text = f"{duration(seconds / entry['keys'])} per key ({entry['keys']:.0f} keys, {duration(seconds)} in all)"
        if goal_seconds is None:
            add(figure, text)
        else:
            add(figure, text, f"≤ {duration(goal_seconds)}", "met" if seconds <= goal_seconds else "MISSED")

    generate, floor = time_of("BM_Generate"), time_of("BM_GenerateRawFloor")
    disk = figures.get("BM_Generate", {}).get("label", "")
    timed(f'"Generate", headless, into {disk or "a folder"}', "BM_Generate")
    timed("  its raw floor: open, write, fsync, close, rename", "BM_GenerateRawFloor")
    if generate and floor:
        ratio = generate / floor
        add("  Generate / floor", f"{ratio:.2f} ×", "≤ 1.5 ×", "met" if ratio <= 1.5 else "MISSED")
    timed("  the writer's file step alone (replaceFileAtomically)", "BM_ReplaceFileAtomically")
    timed("  code-page conversion of the record (1252, ASCII)", "BM_EncodeRecord/ascii_1252")
    timed("Country cascade: one pick in \"Country\"", "BM_CountryCascade", 5e-6)
    timed("findCountry over every key", "BM_FindCountryEveryKey", per_key=True)
    timed("findPreset over every key", "BM_FindPresetEveryKey", per_key=True)
    timed("Reader: a whole 25-line file (1252)", "BM_ReadFile")
    timed("Code-page conversion of a full record, Latin (1252)", "BM_EncodeRecord/latin_1252")
    timed("Code-page conversion of a full record, Chinese (936)", "BM_EncodeRecord/chinese_936")

    for path in sys.argv[2:]:
        startup(path, add)

    print(f"Machine: {machine()}")
    print("Medians of alternated repetitions, wall-clock time; start-up under an Xvfb of its own.")
    widths = [max(len(row[i]) for row in rows + [("Figure", "Value", "Goal", "")]) for i in range(4)]
    header = ("Figure", "Value", "Goal", "")
    for row in [header] + rows:
        print("  ".join(cell.ljust(widths[i]) for i, cell in enumerate(row)).rstrip())


if __name__ == "__main__":
    main()
