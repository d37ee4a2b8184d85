#!/bin/sh
# Wine environment and session control for one build tree.
#   wine-session.sh ARCH PREFIX start   boot the prefix (created on first use)
#                                       and leave its background services
#                                       running; joins a session already running
#   wine-session.sh ARCH PREFIX stop    end every Wine process of that prefix,
#                                       if `start` booted the session
#   wine-session.sh ARCH PREFIX run EXE [ARGS...]   run a program in that prefix
#   wine-session.sh ARCH PREFIX session EXE [ARGS...]
#                                       run the program in the prefix's session,
#                                       booting one and ending it afterwards only
#                                       when none was running; exits with the
#                                       program's status
# A session someone else started (the user's window from another terminal, a
# test run) is joined and left running: ending it would close their programs.
# ARCH is the programs' architecture: i686 (a 32-bit prefix) or x86_64 (a
# 64-bit prefix). Each is run by its own loader, named: /usr/bin/wine picks
# the 32-bit one whenever it is installed, even where the kernel cannot run it.
# Background services inherit the stdio of the process that boots the prefix,
# so the session is booted with all stdio on /dev/null; otherwise CTest would
# wait on the pipe until the wineserver exits.
set -eu
arch=$1
prefix=$2
shift 2
case "$arch" in
i686) export WINEARCH=win32 WINELOADER=/usr/lib/wine/wine ;;
x86_64) export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 ;;
*)
    echo "$0: unknown architecture '$arch' (i686 or x86_64)" >&2
    exit 2
    ;;
esac
export WINEPREFIX="$prefix" WINEDEBUG=-all
# No Mono or Gecko install prompts.
export WINEDLLOVERRIDES="mscoree,mshtml="

# Marks a session that `start` booted, so that `stop` ends only that one.
owned="$prefix/.kelvarin-session-started"

# session_running: whether a wineserver serves the prefix. `wineserver -w`
# waits for a running server to end and starts none: it returns at once when
# there is none.
session_running() {
    [ -d "$prefix" ] || return 1
    status=0
    timeout 1 wineserver -w >/dev/null 2>&1 || status=$?
    [ $status -eq 124 ]
}

boot() {
    mkdir -p "$(dirname "$prefix")"
    "$WINELOADER" cmd /c exit </dev/null >/dev/null 2>&1
    # Xvfb has no window manager: unmanaged windows spare a 2 s wait on
    # every hide or destroy.
    "$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
        </dev/null >/dev/null 2>&1
    # Debian's Wine looks for its own fonts (fonts-wine, in /usr/share/wine/fonts)
    # under a path with a '..' its file lookup cannot follow, so Tahoma,
    # "MS Shell Dlg" and Marlett fell back to another face: name the folder as
    # an extra font path.
    "$WINELOADER" reg add 'HKCU\Software\Wine\Fonts' /v Path /d 'Z:\usr\share\wine\fonts' /f \
        </dev/null >/dev/null 2>&1
}

case "${1:-}" in
start)
    if session_running; then
        rm -f "$owned"
    else
        # A persistent server: otherwise it ends a few seconds after its
        # last program, and each later program boots a session of its own
        # (seconds each, and its services hold the caller's output open).
        mkdir -p "$prefix"
        wineserver -p </dev/null >/dev/null 2>&1
        boot
        : >"$owned"
    fi
    ;;
stop)
    if [ -f "$owned" ]; then
        rm -f "$owned"
        wineserver -k >/dev/null 2>&1 || true
    fi
    ;;
run)
    shift
    exec "$WINELOADER" "$@" </dev/null
    ;;
session)
    shift
    if session_running; then
        exec "$WINELOADER" "$@" </dev/null
    fi
    boot
    status=0
    "$WINELOADER" "$@" </dev/null || status=$?
    wineserver -k >/dev/null 2>&1 || true
    exit $status
    ;;
*)
    echo "usage: $0 i686|x86_64 PREFIX start|stop|run|session [EXE [ARGS...]]" >&2
    exit 2
    ;;
esac
