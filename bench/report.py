#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Covering Rectangle developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the start-up and handler benchmarks from a build folder and prints one table."""

import json
import os
import statistics
import subprocess
import sys
import time

PAIRS = 25
WARM_UP = 3


def start_once(binary, env):
    """Wall time in ms and peak RSS in MB of one run to the first frame."""
    began = time.perf_counter()
    process = subprocess.Popen([binary], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - began
    process.returncode = os.waitstatus_to_exitcode(status)
    if process.returncode != 0:
        sys.exit(f"{binary} exited with {process.returncode}")
    return elapsed * 1000, usage.ru_maxrss / 1024


def startup_rows(folder, env):
    program = os.path.join(folder, "bench-startup-program")
    baseline = os.path.join(folder, "bench-startup-baseline")
    for _ in range(WARM_UP):
        start_once(program, env)
        start_once(baseline, env)
    runs = [(start_once(program, env), start_once(baseline, env)) for _ in range(PAIRS)]
    rows = []
    for label, index, unit in (("start-up time", 0, "ms"), ("start-up peak RSS", 1, "MB")):
        ours = [p[index] for p, _ in runs]
        floor = [b[index] for _, b in runs]
        ratio = statistics.median(p / b for p, b in zip(ours, floor))
        rows.append((label, f"{statistics.median(ours):.1f} {unit}",
                     f"{statistics.median(floor):.1f} {unit}", f"{ratio:.2f}"))
    return rows


def handler_rows(folder, env):
    output = subprocess.run(
        [os.path.join(folder, "bench-handlers"), "--benchmark_format=json",
         "--benchmark_repetitions=5", "--benchmark_report_aggregates_only=true"],
        env=env, check=True, capture_output=True, text=True).stdout
    rows = []
    for result in json.loads(output)["benchmarks"]:
        if result.get("aggregate_name") != "median":
            continue
        handler, points = result["run_name"].split("/")
        name = f"{handler}, {points} point{'' if points == '1' else 's'}"
        rows.append((name, f"{result['real_time']:.1f} µs", "", ""))
    return rows


def main():
    folder = sys.argv[1]
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    rows = startup_rows(folder, env) + handler_rows(folder, env)
    print(f"| measure (median, offscreen) | program | bare Qt window | ratio, pair by pair |")
    print("|---|---:|---:|---:|")
    for row in rows:
        print("| " + " | ".join(row) + " |")


if __name__ == "__main__":
    main()
