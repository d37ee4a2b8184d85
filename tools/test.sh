#!/bin/sh
# Builds and runs every test: the native build (ASan + UBSan), the Debian
# package's checks, then the Windows build under Wine on a private Xvfb
# display, for every architecture
# this host runs: i686 (what ships) and x86_64 where it runs 32-bit programs,
# x86_64 alone where it does not; there the i686 programs are still built and
# their release checks (the XP import check, the reproducible package) run,
# since they need no 32-bit execution.
#   tools/test.sh [--arch i686|x86_64]   the Windows tests of one architecture
#   KELVARIN_BUILD  build tree (default: build/ in the source tree)
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELVARIN_BUILD:-$root/build}
jobs=$(nproc)
. "$root/tools/windows-arch.sh"

only=
case "${1:-}" in
"") ;;
--arch)
    only=${2:-}
    case "$only" in
    i686 | x86_64) ;;
    *) echo "usage: $0 [--arch i686|x86_64]" >&2 && exit 2 ;;
    esac
    ;;
*) echo "usage: $0 [--arch i686|x86_64]" >&2 && exit 2 ;;
esac
"$root/tools/setup.sh" || exit 1

# What runs under Wine, and what is only built and checked.
if [ -n "$only" ]; then
    run=$only checked=
    echo "Windows tests for $only only, as asked"
    if [ "$only" = i686 ] && ! host_runs_32bit; then
        echo "this host runs no 32-bit programs: the i686 tests cannot run here (--arch x86_64 can)" >&2
        exit 2
    fi
elif host_runs_32bit; then
    run="i686 x86_64" checked=
    echo "this host runs 32-bit programs: Windows tests for i686 and x86_64"
else
    run=x86_64 checked=i686
    echo "this host runs no 32-bit programs: Windows tests for x86_64 only; i686 (what ships) is only built and checked"
fi

# Reports of an earlier run must not count for this one.
rm -rf "$build/logs"
mkdir -p "$build/logs"
# Steps that failed without a test report saying so: each counts as a failure.
unreported=0
# step NAME COMMAND...: runs a step with its output in a log, shown on failure.
# A step whose tests write $build/logs/NAME-junit.xml reports its failures
# there; if it failed and that report shows none (its build failed, say), the
# step itself counts as one.
step() {
    name=$1
    shift
    log="$build/logs/$name.log"
    start=$(date +%s)
    if "$@" >"$log" 2>&1; then
        echo "ok      $name ($(($(date +%s) - start)) s)"
    else
        echo "FAILED  $name ($(($(date +%s) - start)) s), log: $log"
        tail -n 60 "$log"
        [ "$(count failures "$build/logs/$name-junit.xml")" -gt 0 ] || unreported=$((unreported + 1))
    fi
}
# count FIELD REPORT...: adds up a field of JUnit reports' first <testsuite>.
count() {
    field=$1
    shift
    for report in "$@"; do
        [ -f "$report" ] && head -n 12 "$report" | sed -n "s/^[[:space:]]*$field=\"\([0-9]*\)\".*/\1/p"
    done | awk '{ n += $1 } END { print n + 0 }'
}

native="$build/native"
step native-configure cmake -S "$root" -B "$native" -DCMAKE_BUILD_TYPE=Debug -DKELVARIN_SANITIZE=ON
step native-build cmake --build "$native" -j "$jobs"
step native-tests ctest --test-dir "$native" --output-on-failure -j "$jobs" \
    --output-junit "$build/logs/native-tests-junit.xml"
grep -h "^model check:" "$native/Testing/Temporary/LastTest.log" 2>/dev/null
# The Debian package of the Linux programs: its files, control fields,
# lintian, the installed programs' --help, the same bytes from two copies.
step debian-package sh "$root/tests/release/debian_package.sh" "$root" "$build/debian-package"
# A short libFuzzer run of every harness (tools/fuzz.sh runs long ones).
step fuzz-short "$root/tools/fuzz.sh" 5
grep -h "^fuzz " "$build/logs/fuzz-short.log" 2>/dev/null

# windows_configure ARCH [OPTIONS...]
windows_configure() {
    arch=$1
    shift
    step "windows-$arch-configure" cmake -S "$root" -B "$(windows_tree "$arch")" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" "$@"
}
for arch in $run; do
    windows=$(windows_tree "$arch")
    windows_configure "$arch" -DKELVARIN_WINE_TESTS=ON
    # The build discovers GoogleTest cases under Wine, so it runs on the same
    # display as the tests: a Wine session started without one stays without one.
    step "windows-$arch" xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
        cmake --build '$windows' -j $jobs &&
        ctest --test-dir '$windows' --output-on-failure \
            --output-junit '$build/logs/windows-$arch-junit.xml'"
done
for arch in $checked; do
    windows=$(windows_tree "$arch")
    # Nothing runs under Wine: the programs that ship and the port-device
    # library (the code that differs by architecture) are built, and the
    # release checks run.
    windows_configure "$arch" -DKELVARIN_WINE_TESTS=OFF
    step "windows-$arch-release" sh -c "
        cmake --build '$windows' -j $jobs --target shipped_programs inpout32_devport &&
        ctest --test-dir '$windows' --output-on-failure -R '^release[.]' \
            --output-junit '$build/logs/windows-$arch-release-junit.xml'"
done

# One closing line for everything, from the JUnit reports and the steps that
# failed without one.
tests=$(count tests "$build/logs/"*-junit.xml)
failed=$(count failures "$build/logs/"*-junit.xml)
errors=$(count errors "$build/logs/"*-junit.xml)
echo "$((tests - failed - errors)) passed, $((failed + errors + unreported)) failed"
[ $((failed + errors + unreported)) -eq 0 ]
