#!/usr/bin/env python3
"""Runs the benchmark executable and prints each benchmark against its Qt baseline.

A benchmark names its baseline through its label, "baseline:<benchmark name>", and may state
its goal as "goal:<ratio>" or "goal_ns:<nanoseconds>". A benchmark that renders a widget and its
baseline in alternate turns reports the ratio itself, as the counter "ratio", and names the
baseline with "vs:<widget>"; the goal then applies to that counter, and the time shown is the
widget's own per render (counter "subject_ns"). Usage:
    scripts/bench_report.py [build/bench/zri-bench] [--markdown]
"""
import json
import os
import platform
import subprocess
import sys


def run(executable):
    env = dict(os.environ, QT_QPA_PLATFORM=os.environ.get("QT_QPA_PLATFORM", "offscreen"))
    # Medians of five repetitions: a shared machine's noise shows in single runs.
    out = subprocess.run([executable, "--benchmark_format=json", "--benchmark_min_time=0.1",
                          "--benchmark_repetitions=5", "--benchmark_report_aggregates_only=true"],
                         check=True, capture_output=True, text=True, env=env).stdout
    data = json.loads(out)
    medians = []
    for bench in data["benchmarks"]:
        if bench.get("aggregate_name") == "median":
            bench["name"] = bench["run_name"]
            medians.append(bench)
    data["benchmarks"] = medians
    return data


def parse_label(label):
    fields = {}
    for part in (label or "").split():
        key, _, value = part.partition(":")
        fields[key] = value
    return fields


def machine():
    cpu = platform.processor() or platform.machine()
    try:
        with open("/proc/cpuinfo") as info:
            for line in info:
                if line.startswith("model name"):
                    cpu = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    return f"{cpu}, {os.cpu_count()} cores, {platform.system()} {platform.release()}"


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    executable = args[0] if args else "build/bench/zri-bench"
    data = run(executable)
    times = {b["name"]: b["real_time"] for b in data["benchmarks"]}
    rows = []
    failed = False
    for bench in data["benchmarks"]:
        label = parse_label(bench.get("label"))
        ns = bench["real_time"]
        baseline = label.get("baseline")
        ratio = ns / times[baseline] if baseline in times else None
        if "ratio" in bench:
            baseline, ratio = label.get("vs", "interleaved"), bench["ratio"]
            ns = bench.get("subject_ns", ns)
        goal = ""
        ok = True
        if "goal" in label and ratio is not None:
            goal = f"<= {label['goal']}x"
            ok = ratio <= float(label["goal"])
        if "goal_ns" in label:
            goal = (goal + " " if goal else "") + f"<= {label['goal_ns']} ns"
            ok = ok and ns <= float(label["goal_ns"])
        failed = failed or not ok
        rows.append((bench["name"], f"{ns:,.0f}", baseline or "",
                     f"{ratio:.2f}" if ratio is not None else "", goal,
                     ("met" if ok else "MISSED") if goal else ""))
    header = ("benchmark", "ns", "baseline", "ratio", "goal", "")
    print(f"Machine: {machine()}\n")
    print("| " + " | ".join(header) + " |")
    print("|" + "---|" * len(header))
    for row in rows:
        print("| " + " | ".join(row) + " |")
    return 1 if failed and "--strict" in sys.argv else 0


if __name__ == "__main__":
    sys.exit(main())
