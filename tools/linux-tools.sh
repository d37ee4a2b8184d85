# Sourced: builds the Linux programs (kelvarin-ports, kelvarin-loopback,
# kelvarin-capture, kelvarin-id) natively as the Debian package ships them: a release
# build of only what ships, in $build/linux.
#   build_linux_tools [TARGET...]   quietly; on failure shows the log's end
# Needs $root (the source tree) and $build (the build folder).

build_linux_tools() {
    linux_tree="$build/linux"
    mkdir -p "$build/logs"
    log="$build/logs/linux-tools.log"
    targets=
    for target in "$@"; do targets="$targets --target $target"; done
    # shellcheck disable=SC2086 # one word per target
    if ! { cmake -S "$root" -B "$linux_tree" -DCMAKE_BUILD_TYPE=Release -DKELVARIN_SHIPPED_ONLY=ON &&
           cmake --build "$linux_tree" -j "$(nproc)" $targets; } >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "building the Linux programs failed, log: $log" >&2
        return 1
    fi
}
