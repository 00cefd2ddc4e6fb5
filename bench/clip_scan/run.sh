#!/usr/bin/env bash
# ScanClip on a clip with 100000 index records against ffprobe listing the packet
# sizes and against a plain read of the same bytes; prints the median ratios.
# Installs ffmpeg (for ffprobe) if it is missing: the benchmark is its only user.
#   bench/clip_scan/run.sh [REPETITIONS]    (default 10)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${HALVO_BENCH_BUILD_DIR:-$root/build-bench}"
repetitions="${1:-10}"

"$root/scripts/setup" ffmpeg

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DHALVO_BENCH=ON >/dev/null
cmake --build "$build" --target halvo-make-clip clip_scan_bench

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
clip="$work/long.avi"
"$build/tools/clip_maker/halvo-make-clip" --frames 100000 --width 16 --height 16 "$clip"
echo "clip: $(stat -c %s "$clip") bytes, 100000 index records"

"$build/bench/clip_scan/clip_scan_bench" --benchmark_repetitions="$repetitions" \
  --benchmark_report_aggregates_only=true --benchmark_out="$work/result.json" \
  --benchmark_out_format=json "$clip"

python3 - "$work/result.json" <<'PY'
import json, sys
runs = json.load(open(sys.argv[1]))["benchmarks"]
median = {r["run_name"].split("/")[0]: r["real_time"]
          for r in runs if r.get("aggregate_name") == "median"}
scan, plain, probe = median["ScanClip"], median["PlainRead"], median.get("Ffprobe")
print(f"median ScanClip {scan:.1f} us, plain read {plain:.1f} us" +
      (f", ffprobe {probe:.1f} us" if probe else ""))
if probe:
    print(f"ffprobe / ScanClip = {probe / scan:.1f}  (goal >= 50)")
print(f"ScanClip / plain read = {scan / plain:.2f}  (goal <= 2)")
PY
