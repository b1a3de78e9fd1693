#!/usr/bin/env bash
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

# Transfer: mean ms per cell over the rounds of CHANNEL OPERATION (write/read).
transfer() {
    awk -v ch="$1" -v op="$2" '
        $1 == ch && $2 == op {
            for (i = 1; i <= NF; ++i) if ($(i + 1) == "ms/cell") { sum += $i; n++ }
            if ($4 != "OK") ko++
            cells = $5
        }
        END {
            if (n == 0) { print "n/a"; exit }
            printf "%.1f ms/cell (%d cells, %d runs%s)", sum / n, cells, n, ko ? ", " ko " failed" : ""
        }' "$OUT/bench_transfer.err"
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

wire=$(awk 'BEGIN { printf "%.1f", 16 * 10 * 1000 / 9600 }')
runs_done=$(awk '$1 == "STARTUP" && $2 == "runs" { print $3 }' "$OUT/bench_startup.out")
if grep -q "compiled-in dial layers from" "$OUT/bench_gauge.out" 2>/dev/null; then
    layers="real dial layers"
else
    layers="stand-in layers"
fi
step_ms=$(sed -n 's/^step loop floor: 3 passes of \([0-9]*\) ms.*/\1/p' "$OUT/bench_transfer.err" | head -n 1)

echo
echo "Build type: ${build_type:-unknown}; $(nproc) cores; Qt platform offscreen; raw output in $OUT"
echo
echo "| Benchmark | Figure |"
echo "|---|---|"
echo "| Rev counter repaint 237x237 ($layers), with pixmap cache, overlay shown | $(qbench bench_gauge repaintCached 'overlay shown') |"
echo "| Rev counter repaint 237x237, with pixmap cache, overlay hidden (main window) | $(qbench bench_gauge repaintCached 'overlay hidden (main window)') |"
echo "| Rev counter repaint 237x237, SVG every time, overlay shown | $(qbench bench_gauge repaintUncached 'overlay shown') |"
echo "| Rev counter repaint 237x237, SVG every time, overlay hidden (main window) | $(qbench bench_gauge repaintUncached 'overlay hidden (main window)') |"
echo "| Curve editor drag step (mouse move, value change, canvas repaint) | $(qbench bench_picker dragStep '') |"
echo "| Write 81 cells, serial 9600 baud (simulated ECU on a pseudo-terminal) | $(transfer serial write) |"
echo "| Read 90 cells, serial 9600 baud | $(transfer serial read) |"
echo "| Write 81 cells, HID (simulated device) | $(transfer HID write) |"
echo "| Read 90 cells, HID | $(transfer HID read) |"
echo "| Serial wire limit, 16 bytes per exchange at 9600 baud | $wire ms/exchange |"
if [ -n "$step_ms" ]; then
    echo "| Worker loop floor, 3 passes (send, wait, advance) of $step_ms ms per cell | $((3 * step_ms)) ms/cell |"
fi
echo "| Start-up to first frame, Tervalix (median / min of ${runs_done:-?} launches) | $(startup tervalix.launch_to_first_frame) |"
echo "| Start-up to first frame, bare QMainWindow (median / min) | $(startup bare.launch_to_first_frame) |"
echo "| of which launch to main(), Tervalix / bare (median) | $(startup tervalix.launch_to_main m) / $(startup bare.launch_to_main m) |"
echo "| of which application object, Tervalix / bare (median) | $(startup tervalix.application_object m) / $(startup bare.application_object m) |"
echo "| Window construction in-process, Tervalix (median / min) | $(startup tervalix.window_construction) |"
echo "| Window construction in-process, bare QMainWindow (median / min) | $(startup bare.window_construction) |"
echo "| show() to first frame painted, Tervalix / bare (median) | $(startup tervalix.show_to_first_frame m) / $(startup bare.show_to_first_frame m) |"
echo "| Idle CPU over ${IDLE_S} s, Tervalix (no link, 3 workers idling), % of one core | $(idle tervalix) |"
echo "| Idle CPU over ${IDLE_S} s, bare QMainWindow, % of one core | $(idle bare) |"

if [ ${#failed[@]} -gt 0 ]; then
    echo
    echo "failed: ${failed[*]} (see $OUT)" >&2
    exit 1
fi
