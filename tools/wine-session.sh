#!/bin/sh
# Wine environment and session control for one build tree.
#   wine-session.sh ARCH PREFIX start   boot the prefix (created on first use)
#                                       and leave its background services running
#   wine-session.sh ARCH PREFIX stop    end every Wine process of that prefix
#   wine-session.sh ARCH PREFIX run EXE [ARGS...]   run a program in that prefix
#   wine-session.sh ARCH PREFIX session EXE [ARGS...]
#                                       start, run the program, stop; exits
#                                       with the program's status
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

case "${1:-}" in
start)
    mkdir -p "$(dirname "$prefix")"
    wineserver -k >/dev/null 2>&1 || true
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
    ;;
stop)
    wineserver -k >/dev/null 2>&1 || true
    ;;
run)
    shift
    exec "$WINELOADER" "$@" </dev/null
    ;;
session)
    shift
    "$0" "$arch" "$prefix" start
    status=0
    "$0" "$arch" "$prefix" run "$@" || status=$?
    "$0" "$arch" "$prefix" stop
    exit $status
    ;;
*)
    echo "usage: $0 i686|x86_64 PREFIX start|stop|run|session [EXE [ARGS...]]" >&2
    exit 2
    ;;
esac
