#!/bin/sh
# The user's window survives the console tools: Kelvarin started through
# tools/run.sh, then each tool run beside it in turn, as from a second
# terminal. Each tool must join the running Wine session and leave it
# running; the window must still be there after each.
#   window_beside_tools.sh ARCH BUILD TOOL...
# ARCH is the tree's architecture, BUILD the folder holding its tree
# (windows-ARCH). The session lives in a prefix of this test's own, so that
# tools/run.sh boots it as it would for a user; the test ends that session
# (which it started) at the end. Needs $DISPLAY (the test run's Xvfb).
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
arch=$1
build=$2
shift 2
work="$build/windows-$arch/window-beside-tools"
export KELVARIN_ARCH="$arch" KELVARIN_BUILD="$build" KELVARIN_WINEPREFIX="$work/wineprefix"
# The plug on the cable makes the loopback test pass beside the window.
export PORTSIM_DEVICE=loopback
rm -rf "$work"
mkdir -p "$work"

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

run_pid=
finish() {
    if [ -n "$run_pid" ]; then
        # The session is this test's: run.sh booted it for us.
        WINEPREFIX="$KELVARIN_WINEPREFIX" wineserver -k >/dev/null 2>&1
        wait "$run_pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap finish EXIT

window_shown() {
    xwininfo -root -tree 2>/dev/null | grep -q '"Kelvarin": ('
}

# wait_for WHAT COMMAND...: polls until the command succeeds; a hang guard
# of five minutes, not a timing check.
wait_for() {
    what=$1
    shift
    tries=0
    until "$@"; do
        tries=$((tries + 1))
        if [ $tries -gt 600 ]; then
            echo "FAIL: gave up waiting for $what"
            exit 1
        fi
        sleep 0.5
    done
}

"$root/tools/run.sh" >"$work/run.log" 2>&1 &
run_pid=$!
wait_for "the window of tools/run.sh" window_shown

for tool in "$@"; do
    name=${tool%% *}
    # shellcheck disable=SC2086 # a tool and its arguments, split on purpose
    "$root/tools/"$tool >"$work/$name.log" 2>&1 </dev/null
    status=$?
    echo "tools/$tool: exit $status"
    sed 's/^/    /' "$work/$name.log"
    [ $status -eq 0 ] || fail "tools/$tool exited $status"
    if ! kill -0 "$run_pid" 2>/dev/null; then
        fail "tools/run.sh ended after tools/$tool:"
        cat "$work/run.log"
        exit 1
    fi
    window_shown || fail "the window is gone after tools/$tool"
done
[ $failures -eq 0 ]
