#!/bin/sh
# Prints Kelvarin's performance figures in one table, each with its goal and
# the floor that bounds it:
#  - start-up to the main window painted and idle, against the floor: the same
#    dialog shown by a dialog procedure that does nothing (bench/floor), the
#    two started in turn, medians;
#  - toggles per second and click-to-write latency through the real window
#    under Wine, seen in the simulated port's log (bench/window);
#  - the panel's CPU cost per command natively (bench/PanelBenchmark.cpp),
#    beside the physical port accesses each command makes;
#  - kelvarin-capture's samples per CPU second through ppdev on a fake driver,
#    against the same ioctls alone (bench/capture);
#  - Kelvarin.exe's size, peak working set, GDI and USER objects after start
#    and after 10,000 toggles.
# It prints figures and fails only when it cannot take them; logs are in
# <build>/logs/bench-*.log. About a minute and a half on 2 cores, build included.
# The window figures are taken on i686 where the host runs 32-bit programs,
# else on x86_64; the first line says which.
#   KELVARIN_BUILD        build tree (default: build/ in the source tree)
#   KELVARIN_BENCH_SCALE  percentage of the default runs and clicks (default 100)
#   KELVARIN_ARCH         i686 or x86_64 instead of the host's choice
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELVARIN_BUILD:-$root/build}
. "$root/tools/windows-arch.sh"
native="$build/bench"
scale=${KELVARIN_BENCH_SCALE:-100}
logs="$build/logs"
"$root/tools/setup.sh"
arch=$(windows_arch)
windows=$(windows_tree "$arch")
say_windows_arch "$arch"
mkdir -p "$logs"

# quiet LOG COMMAND...: runs a command into a log, shown only on failure.
quiet() {
    log=$1
    shift
    "$@" >"$log" 2>&1 || { tail -n 40 "$log"; echo "failed, log: $log" >&2; exit 1; }
}
# scaled N: N times the scale, at least 1.
scaled() {
    n=$(($1 * scale / 100))
    echo $((n > 0 ? n : 1))
}

quiet "$logs/bench-native-configure.log" cmake -S "$root" -B "$native" -DCMAKE_BUILD_TYPE=Release
quiet "$logs/bench-native-build.log" cmake --build "$native" -j "$(nproc)" --target panel_bench
"$root/tools/build-windows.sh" "$arch" window_bench

rows="$logs/bench-rows.txt"
# The window figures, under Wine on a private display, in a session of this
# build tree's prefix.
quiet "$logs/bench-window.log" xvfb-run -a -s "-screen 0 1024x768x24" \
    "$root/tools/wine-session.sh" "$arch" "$(wine_prefix "$arch")" session "$windows/bin/window_bench.exe" \
    --startup-runs "$(scaled 10)" --bursts "$(scaled 10)" --burst-clicks 1000 \
    --latency-clicks "$(scaled 200)"
tr -d '\r' <"$logs/bench-window.log" | grep '^row' >"$rows"

# The panel's CPU cost per command: median and worst of the repetitions, and
# the physical floor of the port accesses the command makes.
quiet "$logs/bench-native.log" "$native/bin/panel_bench" \
    --benchmark_repetitions="$(scaled 10)" --benchmark_format=csv
awk -F, '
    $1 ~ /^"(Toggle|Read|Write|Set)"$/ {
        name = $1; gsub(/"/, "", name)
        n[name]++; t[name, n[name]] = $4; accesses[name] = $NF
        if (!(name in order)) order[name] = ++names
    }
    END {
        label["Toggle"] = "toggle"; label["Read"] = "READ"; label["Write"] = "WRITE"; label["Set"] = "SET"
        for (i = 1; i <= names; i++)
            for (name in order)
                if (order[name] == i) {
                    count = n[name]
                    for (a = 1; a <= count; a++) v[a] = t[name, a]
                    for (a = 1; a <= count; a++)
                        for (b = a + 1; b <= count; b++)
                            if (v[b] < v[a]) { x = v[a]; v[a] = v[b]; v[b] = x }
                    median = count % 2 ? v[(count + 1) / 2] : (v[count / 2] + v[count / 2 + 1]) / 2
                    k = accesses[name] + 0
                    printf "row\tCPU per %s, native panel logic\t%.0f ns\t%.0f ns\t%s\t%d port access%s: %.1f to %.0f us\n",
                        label[name], median, v[count], name == "Toggle" ? "< 2 us" : "",
                        k, k == 1 ? "" : "es", 0.5 * k, 2 * k
                }
    }' "$logs/bench-native.log" >>"$rows"

# kelvarin-capture's rate through ppdev against the same ioctls alone.
quiet "$logs/bench-capture-build.log" cmake --build "$native" -j "$(nproc)" --target capture_bench
quiet "$logs/bench-capture.log" "$native/bin/capture_bench"
grep '^row' "$logs/bench-capture.log" >>"$rows"

# One table, columns as wide as their widest entry.
{
    printf 'row\tfigure\tmedian\tworst\tgoal\tfloor / ratio\n'
    cat "$rows"
} | awk -F'\t' '
    { lines[NR] = $0; for (i = 2; i <= NF; i++) if (length($i) > w[i]) w[i] = length($i) }
    END {
        for (r = 1; r <= NR; r++) {
            split(lines[r], f, "\t")
            line = ""
            for (i = 2; i <= 6; i++) line = line sprintf("%-" w[i] "s  ", f[i])
            sub(/ +$/, "", line)
            print line
            if (r == 1) {
                rule = ""
                for (i = 2; i <= 6; i++) { s = sprintf("%" w[i] "s", ""); gsub(/ /, "-", s); rule = rule s "  " }
                sub(/ +$/, "", rule)
                print rule
            }
        }
    }'
