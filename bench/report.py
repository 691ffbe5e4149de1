#!/usr/bin/python3
"""Runs the foundation benchmarks next to their baselines and Pillow, and prints the ratios.

Usage: bench/report.py BUILD_DIR   (BUILD_DIR holds bench/foundation_bench of a Release build)
Needs Debian's python3-numpy and python3-pil for the test picture and Pillow's timings.
"""
import json
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
SHARED = os.path.normpath(os.path.join(HERE, "..", "..", "shared", "bench"))


def run_ours(binary, picture):
    env = dict(os.environ, CLARIVUE_BENCH_PICTURE=picture)
    out = subprocess.run([binary, "--benchmark_format=json", "--benchmark_repetitions=5",
                          "--benchmark_report_aggregates_only=true"],
                         env=env, check=True, capture_output=True, text=True).stdout
    times = {}
    for b in json.loads(out)["benchmarks"]:
        if b.get("aggregate_name") == "median":
            times[b["run_name"].replace("BM_", "")] = b["real_time"]  # milliseconds
    return times


def run_pillow():
    out = subprocess.run(["/usr/bin/python3", os.path.join(SHARED, "peers.py"), "bmp_"],
                         check=True, capture_output=True, text=True).stdout
    times = {}
    for line in out.splitlines():
        parts = line.split("\t")
        if len(parts) >= 2:
            times[parts[0]] = float(parts[1])
    return times


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/native"
    binary = os.path.join(build, "bench", "foundation_bench")
    with tempfile.TemporaryDirectory() as tmp:
        bmp, png = os.path.join(tmp, "desktop.bmp"), os.path.join(tmp, "desktop.png")
        subprocess.run(["/usr/bin/python3", os.path.join(SHARED, "make_test_picture.py"), bmp, png],
                       check=True, capture_output=True)
        ours = run_ours(binary, bmp)
    pillow = run_pillow()
    rows = [
        ("ZImage::CopyFrom", "CopyFrom", "Memcpy", 1.5),
        ("ZImage::FlipVertical", "FlipVertical", "Memcpy", 1.5),
        ("BMP write", "BmpWrite", "StdioWrite", 1.5),
        ("BMP read", "BmpRead", "StdioRead", 1.5),
        ("EditHistory Push+Undo", "HistoryPushUndo", "StdioWriteRead", 2.0),
    ]
    print(f"{'operation':24} {'ms':>8} {'baseline':>14} {'ms':>8} {'ratio':>6} {'limit':>6}")
    for label, name, base, limit in rows:
        ratio = ours[name] / ours[base]
        print(f"{label:24} {ours[name]:8.2f} {base:>14} {ours[base]:8.2f} {ratio:6.2f} {limit:6.1f}"
              f"{'' if ratio <= limit else '  OVER'}")
    for label, name, peer in (("BMP write", "BmpWrite", "bmp_save"), ("BMP read", "BmpRead", "bmp_load")):
        if peer in pillow:
            print(f"{label:24} {ours[name]:8.2f} {'Pillow ' + peer:>14} {pillow[peer]:8.2f} "
                  f"{ours[name] / pillow[peer]:6.2f}")


if __name__ == "__main__":
    main()
