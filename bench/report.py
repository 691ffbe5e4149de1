#!/usr/bin/python3
"""Runs the foundation benchmarks next to their baselines and Pillow, and prints the ratios;
the Edit Mode's paint and history against their budgets in milliseconds.

Usage: bench/report.py BUILD_DIR   (BUILD_DIR holds bench/foundation_bench of a Release build)
Needs Debian's python3-numpy and python3-pil for the test picture and Pillow's timings.
"""
import json
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))


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


def print_ratio_table(title, rows, ours, peers, peer_label):
    """One table of our medians against a peer's (Pillow's, or one of our own baselines)."""
    print()
    print(f"{title:28} {'ms':>8} {peer_label:>22} {'ms':>8} {'ratio':>6} {'limit':>6}")
    for label, name, peer, limit in rows:
        if name not in ours or peer not in peers:
            continue
        ratio = ours[name] / peers[peer]
        verdict = "" if limit is None or ratio <= limit else "  OVER"
        limit_text = "" if limit is None else f"{limit:6.2f}"
        print(f"{label:28} {ours[name]:8.2f} {peer:>22} {peers[peer]:8.2f} {ratio:6.2f} {limit_text:>6}"
              f"{verdict}")


def print_codec_table(ours, sizes, pillow):
    """JPEG and PNG codecs against Pillow (same run), with the PNG file size check."""
    rows = [
        ("PNG write (level 6)", "PngWrite", "png_save_l6", 1.0),
        ("PNG read", "PngRead", "png_load", 1.0),
        ("JPEG write q90", "JpgWrite", "jpeg_save_q90", 1.1),
        ("JPEG write q90 plain", "JpgWritePlain", "jpeg_save_q90", 1.1),
        ("JPEG write q90 (both opt.)", "JpgWrite", "jpeg_save_q90_optimised", 1.1),
        ("JPEG read", "JpgRead", "jpeg_load", 1.1),
    ]
    print_ratio_table("codec", rows, ours, pillow, "Pillow")
    if "PngWrite" in sizes and "png_bytes" in pillow:
        ratio = sizes["PngWrite"] / pillow["png_bytes"]
        print(f"{'PNG file bytes':24} {sizes['PngWrite']:8.0f} {'png_bytes':>14} "
              f"{pillow['png_bytes']:8.0f} {ratio:6.3f} {1.02:6.2f}{'' if ratio <= 1.02 else '  OVER'}")
    if "JpgWrite" in sizes and "jpeg_bytes" in pillow:
        print(f"{'JPEG file bytes':24} {sizes['JpgWrite']:8.0f} {'jpeg_bytes':>14} "
              f"{pillow['jpeg_bytes']:8.0f} {sizes['JpgWrite'] / pillow['jpeg_bytes']:6.3f}")
    print("(JPEG write q90: the program's settings, optimised Huffman tables and its comment; "
          "plain: not optimised, as Pillow's default save; both opt.: against Pillow's save with "
          "optimize=True, timed here on the same picture)")


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
    print_ratio_table("pixels", rows, ours, pillow, "Pillow")


def print_effects_tables(ours, pillow):
    """Image effects against Pillow and against their own baselines (same run)."""
    print_ratio_table("effects", [
        ("box blur r8 x3", "BoxBlur_8_3", "box_blur_8_3", 0.33),
        ("filter 1 (3x3 mean)", "Filter/1", "smooth_3x3", 0.25),
        ("filter 2 (5x5 mean)", "Filter/2", "blur_5x5", 0.15),
        ("filter 10 (3x3 max)", "Filter/10", "max_3x3", 0.1),
        ("drop shadow, slow path", "DropShadowOutline", "box_blur_8_3", 0.5),
        ("mirror", "Mirror", "mirror", None),
        ("rotate right", "RotateRight", "rotate_90", None),
        ("grayscale", "Grayscale", "grayscale", None),
    ], ours, pillow, "Pillow")
    print_ratio_table("effects vs own baseline", [
        ("drop shadow, plain path", "DropShadowPlain", "MemcpyShadowResult", 6.0),
        ("spin blur 1080p", "SpinBlur", "SpinBlurLiteral", 0.25),
    ], ours, ours, "baseline")


def print_target_table(title, rows, ours, baseline_name):
    """Our medians against absolute budgets in milliseconds, with a baseline of the same run."""
    print()
    print(f"{title:36} {'ms':>8} {'target':>8}")
    for label, name, target in rows:
        if name not in ours:
            continue
        verdict = "" if ours[name] <= target else "  OVER"
        print(f"{label:36} {ours[name]:8.2f} {target:8.1f}{verdict}")
    if baseline_name in ours:
        print(f"{'baseline: back buffer copy (memcpy)':36} {ours[baseline_name]:8.2f}")
    print("(1920 x 1080 screen, the 4K picture as the capture; natively the copy to the screen is a "
          "memcpy of the back buffer, the Windows BitBlt is timed by bench/win)")


def print_editmode_table(ours):
    """The Edit Mode's paint path and history against their budgets (same run)."""
    print_target_table("Edit Mode", [
        ("repaint after pan, zoom 500 (cache)", "EditRepaintPan/500", 16.0),
        ("repaint after pan, zoom 1000 (1:1)", "EditRepaintPan/1000", 16.0),
        ("repaint during selection drag", "EditRepaintSelectionDrag", 16.0),
        ("zoom cache rebuild, zoom 500", "ZoomCacheRebuild/500", 150.0),
        ("zoom cache rebuild, zoom 900", "ZoomCacheRebuild/900", 150.0),
        ("step + paint, capture file", "EditStepAndPaint/0", 200.0),
        ("step + paint, history state", "EditStepAndPaint/1", 200.0),
        ("history push", "EditHistoryPush", 150.0),
        ("history undo", "EditHistoryUndo", 150.0),
        ("history redo", "EditHistoryRedo", 150.0),
        ("colour picker mouse move (hue)", "ColorPickerMouseMove/3", 5.0),
    ], ours, "EditBackBufferCopy")


def run_pdf(binary, picture):
    """The PDF export's time (median of 5) and the tall picture's memory (one run)."""
    env = dict(os.environ, CLARIVUE_BENCH_PICTURE=picture)
    times = {}
    for name, extra in (("PdfExport", ["--benchmark_repetitions=5",
                                       "--benchmark_report_aggregates_only=true"]),
                        ("PdfTallMemory", [])):
        out = subprocess.run([binary, "--benchmark_format=json", f"--benchmark_filter=BM_{name}$"]
                             + extra, env=env, check=True, capture_output=True, text=True).stdout
        for b in json.loads(out)["benchmarks"]:
            if b.get("aggregate_name", "median") == "median":
                times[name] = b["real_time"]
                for counter in ("picture_mb", "export_peak_mb", "peak_ratio"):
                    if counter in b:
                        times[counter] = b[counter]
    return times


def print_pdf_table(pdf, codec, pillow):
    """The PDF export against our PNG write and Pillow's PNG save (same run), and its memory."""
    ours = dict(pdf)
    if "PngWrite" in codec:
        ours["PngWrite"] = codec["PngWrite"]
    print_ratio_table("PDF export (4K)", [
        ("PDF export vs our PNG write", "PdfExport", "PngWrite", 1.25),
    ], ours, ours, "PNG write")
    print_ratio_table("PDF export (4K)", [
        ("PDF export vs Pillow PNG", "PdfExport", "png_save_l6", 1.0),
    ], ours, pillow, "Pillow")
    if "peak_ratio" in pdf:
        ratio = pdf["peak_ratio"]
        print(f"{'PDF 1920 x 50000: peak MB':28} {pdf['export_peak_mb']:8.1f} {'picture MB':>22} "
              f"{pdf['picture_mb']:8.1f} {ratio:6.2f} {2.0:6.2f}{'' if ratio <= 2.0 else '  OVER'}")


def time_pillow_jpeg_optimised(png_path, runs=7):
    """Pillow's JPEG save at quality 90 with optimised Huffman tables, as the program writes."""
    script = (
        "import io, sys, time\n"
        "from PIL import Image\n"
        "im = Image.open(sys.argv[1]); im.load()\n"
        "times = []\n"
        f"for _ in range({runs}):\n"
        "    b = io.BytesIO(); t = time.perf_counter()\n"
        "    im.save(b, 'JPEG', quality=90, optimize=True)\n"
        "    times.append((time.perf_counter() - t) * 1000)\n"
        "times.sort(); print(times[len(times) // 2])\n")
    out = subprocess.run(["/usr/bin/python3", "-c", script, png_path], check=True,
                         capture_output=True, text=True).stdout
    return float(out.strip())


def run_pillow():
    out = subprocess.run(["/usr/bin/python3", os.path.join(HERE, "pillow_times.py"), "bmp_", "png_",
                          "jpeg_", "composite", "resize_", "reduce_", "box_blur", "smooth_",
                          "blur_", "max_", "mirror", "rotate_", "grayscale"],
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
        subprocess.run(["/usr/bin/python3", os.path.join(HERE, "desktop_picture.py"), bmp, png],
                       check=True, capture_output=True)
        ours = run_ours(binary, bmp)
        codec_binary = os.path.join(build, "bench", "codec_bench")
        codec_sizes = {}
        codec = run_ours(codec_binary, bmp, codec_sizes) if os.path.exists(codec_binary) else {}
        pixels = {}
        effects = {}
        for name in ("filter_bench", "shadow_bench"):
            path = os.path.join(build, "bench", name)
            if os.path.exists(path):
                effects.update(run_ours(path, bmp))
        editmode_binary = os.path.join(build, "bench", "editmode_bench")
        editmode = run_ours(editmode_binary, bmp) if os.path.exists(editmode_binary) else {}
        pdf_binary = os.path.join(build, "bench", "pdf_bench")
        pdf = run_pdf(pdf_binary, bmp) if os.path.exists(pdf_binary) else {}
        pillow_jpeg_optimised = time_pillow_jpeg_optimised(png)
        for name in ("compositing_bench", "resample_bench"):
            path = os.path.join(build, "bench", name)
            if os.path.exists(path):
                pixels.update(run_ours(path, bmp))
    pillow = run_pillow()
    pillow["jpeg_save_q90_optimised"] = pillow_jpeg_optimised
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
    if effects:
        print_effects_tables(effects, pillow)
    if editmode:
        print_editmode_table(editmode)
    if pdf:
        print_pdf_table(pdf, codec, pillow)


if __name__ == "__main__":
    main()
