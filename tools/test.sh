#!/bin/sh
# Builds both builds and runs every test: the native build (ASan + UBSan) and
# the Windows build under Wine on a private Xvfb display.
#   KELVARIN_BUILD  build tree (default: build/ in the source tree)
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELVARIN_BUILD:-$root/build}
jobs=$(nproc)
"$root/tools/setup.sh" || exit 1

failed=0
# Reports of an earlier run must not count for this one.
rm -rf "$build/logs"
# step NAME COMMAND...: runs a step with its output in a log, shown on failure.
step() {
    name=$1
    shift
    log="$build/logs/$name.log"
    mkdir -p "$build/logs"
    start=$(date +%s)
    if "$@" >"$log" 2>&1; then
        echo "ok      $name ($(($(date +%s) - start)) s)"
    else
        echo "FAILED  $name ($(($(date +%s) - start)) s), log: $log"
        tail -n 60 "$log"
        failed=1
    fi
}

native="$build/native"
step native-configure cmake -S "$root" -B "$native" -DCMAKE_BUILD_TYPE=Debug -DKELVARIN_SANITIZE=ON
step native-build cmake --build "$native" -j "$jobs"
step native-tests ctest --test-dir "$native" --output-on-failure -j "$jobs" \
    --output-junit "$build/logs/native-junit.xml"
grep -h "^model check:" "$native/Testing/Temporary/LastTest.log" 2>/dev/null
# A short libFuzzer run of every harness (tools/fuzz.sh runs long ones).
step fuzz-short "$root/tools/fuzz.sh" 5
grep -h "^fuzz " "$build/logs/fuzz-short.log" 2>/dev/null

windows="$build/windows"
step windows-configure cmake -S "$root" -B "$windows" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"
# The build discovers GoogleTest cases under Wine, so it runs on the same
# display as the tests: a Wine session started without one stays without one.
step windows-build-and-tests xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
    cmake --build '$windows' -j $jobs &&
    ctest --test-dir '$windows' --output-on-failure \
        --output-junit '$build/logs/windows-junit.xml'"

# One closing line for both builds, from the JUnit reports.
total() {
    for report in "$build/logs/"*-junit.xml; do
        [ -f "$report" ] && head -n 12 "$report" | sed -n "s/^[[:space:]]*$1=\"\([0-9]*\)\".*/\1/p"
    done | awk '{ n += $1 } END { print n + 0 }'
}
tests=$(total tests)
failures=$(( $(total failures) + $(total errors) ))
[ "$failures" -eq 0 ] || failed=1
echo "$((tests - failures)) passed, $failures failed"
exit $failed
