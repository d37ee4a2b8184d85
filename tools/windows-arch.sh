# Sourced by the tools: which Windows architecture this host's Wine runs, and
# that architecture's build tree. Needs $build.
#
# Every Windows program runs here under Wine. What ships is the 32-bit (i686)
# program, but some hosts run no 32-bit programs at all (a kernel without
# IA-32 emulation, a 64-bit-only Wine): there the same sources are built for
# x86_64 and run under 64-bit Wine.

# host_runs_32bit: whether this host starts a 32-bit program, found out by
# starting one, Wine's 32-bit loader, rather than from what is installed.
host_runs_32bit() {
    /usr/lib/wine/wine --version >/dev/null 2>&1
}

# windows_arch: the architecture to run, i686 where the host can, else
# x86_64; KELVARIN_ARCH picks one.
windows_arch() {
    case "${KELVARIN_ARCH:-}" in
    x86_64) echo x86_64 ;;
    i686)
        if ! host_runs_32bit; then
            echo "this host runs no 32-bit programs: KELVARIN_ARCH=i686 cannot run here (x86_64 can)" >&2
            return 2
        fi
        echo i686
        ;;
    "") if host_runs_32bit; then echo i686; else echo x86_64; fi ;;
    *)
        echo "KELVARIN_ARCH must be i686 or x86_64, not '$KELVARIN_ARCH'" >&2
        return 2
        ;;
    esac
}

# say_windows_arch ARCH: one line on what runs and why.
say_windows_arch() {
    if [ "$1" = i686 ]; then
        echo "Windows programs: i686 (32-bit, what ships), under 32-bit Wine"
    elif [ -n "${KELVARIN_ARCH:-}" ]; then
        echo "Windows programs: x86_64 (64-bit), under 64-bit Wine, as KELVARIN_ARCH asks"
    else
        echo "this host runs no 32-bit programs: Windows programs for x86_64 (64-bit), under 64-bit Wine"
    fi
}

# windows_tree ARCH: the architecture's build tree, with its own Wine prefix.
windows_tree() {
    echo "$build/windows-$1"
}

# wine_prefix ARCH: the Wine prefix the tools run the programs in: the
# tree's own, or KELVARIN_WINEPREFIX.
wine_prefix() {
    echo "${KELVARIN_WINEPREFIX:-$(windows_tree "$1")/wineprefix}"
}
