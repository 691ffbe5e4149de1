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


def run_ours(binary, picture, counters=None):
    env = dict(os.environ, CLARIVUE_BENCH_PICTURE=picture)
    out = subprocess.run([binary, "--benchmark_format=json", "--benchmark_repetitions=5",
                          "--benchmark_report_aggregates_only=true"],
                         env=env, check=True, capture_output=True, text=True).stdout
    times = {}
    for b in json.loads(out)["benchmarks"]:
        if b.get("aggregate_name") == "median":
            times[b["run_name"].replace("BM_", "")] = b["real_time"]  # milliseconds
            if counters is not None and "bytes" in b:
                counters[b["run_name"].replace("BM_", "")] = b["bytes"]
    return times


def print_codec_table(ours, sizes, pillow):
    """JPEG and PNG codecs against Pillow (same run), with the PNG file size check."""
    rows = [
        ("PNG write (level 6)", "PngWrite", "png_save_l6", 1.0),
        ("PNG read", "PngRead", "png_load", 1.0),
        ("JPEG write q90", "JpgWrite", "jpeg_save_q90", 1.1),
        ("JPEG write q90 plain", "JpgWritePlain", "jpeg_save_q90", 1.1),
        ("JPEG read", "JpgRead", "jpeg_load", 1.1),
    ]
    print()
    print(f"{'codec':24} {'ms':>8} {'Pillow':>14} {'ms':>8} {'ratio':>6} {'limit':>6}")
    for label, name, peer, limit in rows:
        if name not in ours or peer not in pillow:
            continue
        ratio = ours[name] / pillow[peer]
        print(f"{label:24} {ours[name]:8.2f} {peer:>14} {pillow[peer]:8.2f} {ratio:6.2f} {limit:6.1f}"
              f"{'' if ratio <= limit else '  OVER'}")
    if "PngWrite" in sizes and "png_bytes" in pillow:
        ratio = sizes["PngWrite"] / pillow["png_bytes"]
        print(f"{'PNG file bytes':24} {sizes['PngWrite']:8.0f} {'png_bytes':>14} "
              f"{pillow['png_bytes']:8.0f} {ratio:6.3f} {1.02:6.2f}{'' if ratio <= 1.02 else '  OVER'}")
    if "JpgWrite" in sizes and "jpeg_bytes" in pillow:
        print(f"{'JPEG file bytes':24} {sizes['JpgWrite']:8.0f} {'jpeg_bytes':>14} "
              f"{pillow['jpeg_bytes']:8.0f} {sizes['JpgWrite'] / pillow['jpeg_bytes']:6.3f}")
    print("(JPEG write q90: the program's settings, optimised Huffman tables and its comment; "
          "plain: not optimised, as Pillow's default save)")


def print_pixel_table(ours, pillow):
    """Compositing and resampling against Pillow (same run)."""
    rows = [
        ("masked blend", "BlendMasked", "composite", 0.5),
        ("resize filter 1", "ResampleBuffer/1", "resize_box_1080p", 1.0),
        ("resize filter 4", "ResampleBuffer/4", "resize_box_1080p", 1.0),
        ("resize filter 2", "ResampleBuffer/2", "resize_bicubic_1080p", 1.0),
        ("resize filter 3", "ResampleBuffer/3", "resize_lanczos_1080p", 3.0),
        ("display resampler", "AreaAverageBuffer", "reduce_2", 1.5),
    ]
    print()
    print(f"{'pixels':24} {'ms':>8} {'Pillow':>20} {'ms':>8} {'ratio':>6} {'limit':>6}")
    for label, name, peer, limit in rows:
        if name not in ours or peer not in pillow:
            continue
        ratio = ours[name] / pillow[peer]
        print(f"{label:24} {ours[name]:8.2f} {peer:>20} {pillow[peer]:8.2f} {ratio:6.2f} {limit:6.1f}"
              f"{'' if ratio <= limit else '  OVER'}")


def run_pillow():
    out = subprocess.run(["/usr/bin/python3", os.path.join(SHARED, "peers.py"), "bmp_", "png_",
                          "jpeg_", "composite", "resize_", "reduce_"],
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
        codec_binary = os.path.join(build, "bench", "codec_bench")
        codec_sizes = {}
        codec = run_ours(codec_binary, bmp, codec_sizes) if os.path.exists(codec_binary) else {}
        pixels = {}
        for name in ("compositing_bench", "resample_bench"):
            path = os.path.join(build, "bench", name)
            if os.path.exists(path):
                pixels.update(run_ours(path, bmp))
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
    if codec:
        print_codec_table(codec, codec_sizes, pillow)
    if pixels:
        print_pixel_table(pixels, pillow)


if __name__ == "__main__":
    main()
