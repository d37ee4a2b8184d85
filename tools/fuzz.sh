#!/bin/sh
# Fuzzes the portable core with libFuzzer (clang++, ASan + UBSan):
#   hex_text         ParseHex against the reference model and wcstoul;
#                    FormatHex and FormatBinary digits and round trip
#   panel_sequences  panel command sequences against the reference model
#
# Usage: tools/fuzz.sh [SECONDS] [HARNESS...]
#   SECONDS         time per harness (default 600)
#   KELVARIN_BUILD  build root (default build/); the fuzz build is <root>/fuzz
#
# The seeds in tests/fuzz/corpus are read, never written: new inputs collect
# in <root>/fuzz/corpus/<harness>. A failure leaves its input in
# <root>/fuzz/artifacts/; replay it with <root>/fuzz/bin/fuzz_<harness> FILE.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELVARIN_BUILD:-$root/build}
fuzz="$build/fuzz"
seconds=${1:-600}
[ $# -gt 0 ] && shift
harnesses=${*:-hex_text panel_sequences}
"$root/tools/setup.sh" || exit 1

mkdir -p "$fuzz/logs" "$fuzz/artifacts"
# quiet LOG COMMAND...: runs a command into a log, shown only on failure.
quiet() {
    log=$1
    shift
    "$@" >"$log" 2>&1 || { tail -n 60 "$log"; exit 1; }
}
targets=
for h in $harnesses; do
    targets="$targets fuzz_$h"
done
quiet "$fuzz/logs/configure.log" cmake -S "$root" -B "$fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DKELVARIN_SANITIZE=ON -DKELVARIN_FUZZ=ON
# shellcheck disable=SC2086 # one word per target
quiet "$fuzz/logs/build.log" cmake --build "$fuzz" -j "$(nproc)" --target $targets

failed=0
total=0
for h in $harnesses; do
    mkdir -p "$fuzz/corpus/$h"
    log="$fuzz/logs/$h.log"
    dict=
    [ -f "$root/tests/fuzz/$h.dict" ] && dict="-dict=$root/tests/fuzz/$h.dict"
    # shellcheck disable=SC2086 # no dictionary is no argument
    "$fuzz/bin/fuzz_$h" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$fuzz/artifacts/$h-" $dict \
        "$fuzz/corpus/$h" "$root/tests/fuzz/corpus/$h" >"$log" 2>&1
    status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    runs=${runs:-0}
    total=$((total + runs))
    if [ "$status" -eq 0 ]; then
        echo "fuzz $h: $runs executions in $seconds s, no failure"
    else
        echo "fuzz $h: FAILED after $runs executions, log: $log"
        grep -A 30 -E "FUZZ CHECK FAILED|ERROR: (AddressSanitizer|libFuzzer)|runtime error" "$log" |
            head -n 40
        failed=1
    fi
done
echo "fuzz: $total executions in total"
exit $failed
