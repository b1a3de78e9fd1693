#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds every benchmark program (bench/bench_*.cpp) in BUILD_DIR, runs them all
# headless and prints one markdown table of the figures.
#
#   bench/run-benchmarks.sh BUILD_DIR        (e.g. after `make build`: build)
#
# Knobs (environment): BENCH_JOBS (build jobs, 1), BENCH_STARTUP_RUNS (launches
# of each window, 15), BENCH_IDLE_SECONDS (idle measurement, 10),
# BENCH_MEDIAN (QBENCHMARK repeats whose median is kept, 5).
# The raw output of every program is kept in BUILD_DIR/bench-results/.

set -u

if [ $# -lt 1 ]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
BUILD_DIR=$1
HERE=$(cd "$(dirname "$0")" && pwd)
JOBS=${BENCH_JOBS:-1}
RUNS=${BENCH_STARTUP_RUNS:-15}
IDLE_S=${BENCH_IDLE_SECONDS:-10}
MEDIAN=${BENCH_MEDIAN:-5}
OUT="$BUILD_DIR/bench-results"

if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
    echo "$BUILD_DIR is not a configured build folder (run 'make build' first)" >&2
    exit 2
fi

targets=()
for src in "$HERE"/bench_*.cpp; do
    targets+=("$(basename "$src" .cpp)")
done
echo "building ${targets[*]} in $BUILD_DIR" >&2
cmake --build "$BUILD_DIR" -j"$JOBS" --target "${targets[@]}" >&2 || {
    echo "build of the benchmarks failed" >&2
    exit 1
}

mkdir -p "$OUT"
rm -f "$OUT"/bench_*  # no figures of an earlier run
export QT_QPA_PLATFORM=offscreen
unset TERVALIX_SIMULATOR
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$BUILD_DIR/CMakeCache.txt")

# Finds a benchmark executable wherever the generator put it.
exe() {
    local f
    for f in "$BUILD_DIR/bench/$1" "$BUILD_DIR/$1"; do
        [ -x "$f" ] && { echo "$f"; return; }
    done
    find "$BUILD_DIR" -type f -name "$1" -perm -u+x 2>/dev/null | head -n 1
}

# Runs one program, output to $OUT/NAME.out and NAME.err; a failure is
# counted (the table is still printed, with n/a where figures are missing).
failed=()
run() {
    local name=$1 secs=$2
    shift 2
    local bin
    bin=$(exe "$name")
    if [ -z "$bin" ]; then
        echo "$name: not built" >"$OUT/$name.err"
        : >"$OUT/$name.out"
        failed+=("$name")
        return
    fi
    echo "running $name ..." >&2
    timeout "$secs" "$bin" "$@" >"$OUT/$name.out" 2>"$OUT/$name.err" || failed+=("$name")
}

# QBENCHMARK programs: figures as csv in NAME.csv, the readable log in NAME.out.
run bench_gauge 600 -o "$OUT/bench_gauge.csv,csv" -o -,txt -median "$MEDIAN"
run bench_picker 300 -o "$OUT/bench_picker.csv,csv" -o -,txt -median "$MEDIAN"
run bench_transfer 900
run bench_startup 900 "$RUNS"
run bench_idle $((IDLE_S * 2 + 60)) "$IDLE_S"
run bench_analysis 600 20
run bench_history 300
run bench_mixturestall 300

# QBENCHMARK result in ms per iteration: csv line "function","tag","metric",value,...
qbench() {
    awk -F, -v fn="\"$2\"" -v tag="\"$3\"" '
        $1 == fn && $2 == tag { v = $4; m = $3 }
        END {
            if (v == "") { print "n/a"; exit }
            if (m ~ /Walltime/) printf "%.3f ms", v
            else printf "%s %s", v, m
        }' "$OUT/$1.csv" 2>/dev/null || echo "n/a"
}

# Transfer: mean ms per cell of CARRIER OPERATION (write/verify/read) over the rounds.
transfer_ms() {
    awk -v ch="$1" -v op="$2" '$1 == "TRANSFER" && $2 == ch && $3 == op { sum += $7; n++ }
        END { if (n) printf "%.2f", sum / n }' "$OUT/bench_transfer.out"
}
transfer_cells() {
    awk -v ch="$1" -v op="$2" '$1 == "TRANSFER" && $2 == ch && $3 == op { c = $5; if ($4 != "OK") ko++ }
        END { if (c) printf "%d cells%s", c, ko ? ", " ko " failed" : "" }' "$OUT/bench_transfer.out"
}
stall() {
    awk '$1 == "STALL" { if ($3 > m) m = $3; f = 1 } END { if (f) printf "%d", m }' "$OUT/bench_transfer.out"
}
# FIGURE LIMIT -> "x.xx x" (or n/a)
ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { if (a == "" || b == "" || b + 0 == 0) print "n/a"; else printf "%.2f x", a / b }'
}

# Start-up: "median / min" of a key; with a second argument the median only.
startup() {
    awk -v k="$1" -v only="${2:-}" '$1 == "STARTUP" && $2 == k {
            if (only != "") printf "%.1f ms", $3; else printf "%.1f ms / %.1f ms", $3, $4
            f = 1
        }
        END { if (!f) printf "n/a" }' "$OUT/bench_startup.out"
}

idle() {
    awk -v k="$1" '$1 == "IDLE" && $2 == k { printf "%.2f %% (%.0f context switches/s)", $3, $7; f = 1 }
        END { if (!f) print "n/a" }' "$OUT/bench_idle.out"
}

wire=$(awk '$1 == "WIRE" { print $2 }' "$OUT/bench_transfer.out")
runs_done=$(awk '$1 == "STARTUP" && $2 == "runs" { print $3 }' "$OUT/bench_startup.out")
if grep -q "compiled-in dial layers from" "$OUT/bench_gauge.out" 2>/dev/null; then
    layers="real dial layers"
else
    layers="stand-in layers"
fi
start_t=$(awk '$1 == "STARTUP" && $2 == "tervalix.launch_to_first_frame" { print $3 }' "$OUT/bench_startup.out")
start_b=$(awk '$1 == "STARTUP" && $2 == "bare.launch_to_first_frame" { print $3 }' "$OUT/bench_startup.out")
idle_switches=$(awk '$1 == "IDLE" && $2 == "tervalix" { printf "%.1f", $7 }' "$OUT/bench_idle.out")

history() {  # key -> median ms
    awk -v k="$1" '$1 == "HISTORY" && $2 == k { printf "%.3f", $3; f = 1 }' "$OUT/bench_history.out"
}
history_row() {  # key label limit_ms
    local v
    v=$(history "$1")
    row "$2" "${v:-n/a} ms" "${3:+$3 ms}" "$( [ -n "$3" ] && ratio "$v" "$3")"
}

row() {  # benchmark, figure, limit, ratio
    echo "| $1 | $2 | $3 | $4 |"
}
per_cell() {  # carrier op limit
    local v
    v=$(transfer_ms "$1" "$2")
    row "$4 ($(transfer_cells "$1" "$2"))" "${v:-n/a} ms/cell" "$3 ms/cell" "$(ratio "$v" "$3")"
}

echo
echo "Build type: ${build_type:-unknown}; $(nproc) cores; Qt platform offscreen; raw output in $OUT"
echo
echo "| Benchmark | Figure | Limit | Ratio |"
echo "|---|---|---|---|"
per_cell serial write "$wire" "Serial write, 9600 baud against the wire limit (simulated ECU on a pseudo-terminal, both directions timed)"
per_cell serial verify "$wire" "Serial read-back of the written cells (verification)"
per_cell serial read "$wire" "Serial read"
per_cell HID write 3 "HID write (simulated device, 1 ms interval each way)"
per_cell HID verify 3 "HID read-back of the written cells (verification)"
per_cell HID read 3 "HID read"
s_max=$(stall)
row "Longest GUI-thread stall during the searches and transfers above" "${s_max:-n/a} ms" "16 ms" "$(ratio "$s_max" 16)"
row "Idle with no link: context switches (thread wake-ups) per second" "${idle_switches:-n/a} /s" "10 /s" "$(ratio "$idle_switches" 10)"
row "Idle CPU over ${IDLE_S} s, Tervalix / bare QMainWindow, % of one core" "$(idle tervalix) / $(idle bare)" "about 0" ""
row "Start-up to first frame, Tervalix (median of ${runs_done:-?} launches) against a bare QMainWindow" "${start_t:-n/a} ms / ${start_b:-n/a} ms" "1.3 x bare" "$(ratio "$start_t" "$start_b")"
row "of which window construction in-process, Tervalix / bare (median)" "$(startup tervalix.window_construction m) / $(startup bare.window_construction m)" "" ""
row "of which show() to first frame painted, Tervalix / bare (median)" "$(startup tervalix.show_to_first_frame m) / $(startup bare.show_to_first_frame m)" "" ""
row "Rev counter repaint 237x237 ($layers), with pixmap cache, overlay hidden (main window)" "$(qbench bench_gauge repaintCached 'overlay hidden (main window)')" "" ""
row "Rev counter repaint 237x237, SVG every time, overlay hidden" "$(qbench bench_gauge repaintUncached 'overlay hidden (main window)')" "" ""
row "Curve editor drag step (mouse move, value change, canvas repaint)" "$(qbench bench_picker dragStep '')" "16 ms" ""
history_row list_1000 "History: list a bike's 1,000 entries (each profile and sidecar read, hash checked)" 100
history_row list_backups_50 "History: list the 50 backups" ""
history_row newest_of_1000 "History: the newest of 1,000 entries" ""
history_row record_new "History: record a new entry beside 1,000 (two files created and synced)" ""
history_row seen_again "History: a state seen again (one sidecar rewritten and synced)" ""
history_row diff_and_summary "History: difference of two entries and its summary line" 16
history_row write_preview "History: write preview (difference, leaner points, warnings)" 16

an() {  # key field -> value of the ANALYSIS line
    awk -v k="$1" -v f="$2" '$1 == "ANALYSIS" && $2 == k { print $f }' "$OUT/bench_analysis.out"
}
row "Mixture analysis, one pass over 20 seeds: RMS proposal - true curve, points proposed (mean / worst)" "$(an one_pass_rms_mean 3) / $(an one_pass_rms_mean 5) point" "1 point" "$(ratio "$(an one_pass_rms_mean 5)" 1)"
row "Mixture analysis, two passes: RMS after accepting the first, over the points both passes proposed (mean / worst)" "$(an two_pass_rms_mean 3) / $(an two_pass_rms_mean 5) point" "0.7 point" "$(ratio "$(an two_pass_rms_mean 5)" 0.7)"
row "Sensor delay estimate against transport + lag (median / worst error)" "$(an delay_error_ms 4) / $(an delay_error_ms 6) ms" "60 ms" "$(ratio "$(an delay_error_ms 6)" 60)"
row "Proposals on points with fewer readings than the minimum" "$(an invented 3)" "0" ""
row "One hour of logs (ECU 33 Hz, wideband 50 Hz): parse + analysis" "$(an hour 10) + $(an hour 12) ms" "1000 ms" "$(ratio "$(an hour 14)" 1000)"
stall=$(awk '$1 == "MIXTURE_STALL" { print $2 }' "$OUT/bench_mixturestall.out")
row "Longest GUI-thread stall while the Mixture panel analyses an hour of logs" "${stall:-n/a} ms" "16 ms" "$(ratio "$stall" 16)"

if [ ${#failed[@]} -gt 0 ]; then
    echo
    echo "failed: ${failed[*]} (see $OUT)" >&2
    exit 1
fi
