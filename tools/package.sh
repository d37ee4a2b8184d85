#!/bin/sh
# Builds the packages: the Windows zip dist/Kelvarin-<release>-win32.zip, the
# Debian package of the Linux programs dist/kelvarin-tools_<release>_amd64.deb
# (tools/package-deb.sh) and dist/SHA256SUMS of both, and prints each one's
# path and SHA-256. <release> is the first release in CHANGES.md. The
# Windows programs are built by the -win32 compilers with only what ships,
# checked to start on Windows XP SP3, and packed with fixed entry order and
# times (the last commit's date), so the same commit gives the same bytes
# anywhere.
#   KELVARIN_BUILD     build tree (default: build/ in the source tree)
#   KELVARIN_DIST      output folder (default: dist/ in the source tree)
#   SOURCE_DATE_EPOCH  the entries' time (default: the last commit's date)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELVARIN_BUILD:-$root/build}
dist=${KELVARIN_DIST:-$root/dist}
tree="$build/package"
"$root/tools/setup.sh"

. "$root/tools/source-date.sh"
release=$("$root/tools/release.sh")

mkdir -p "$build/logs"
log="$build/logs/package.log"
if ! { cmake -S "$root" -B "$tree" -DCMAKE_BUILD_TYPE=Release -DKELVARIN_SHIPPED_ONLY=ON \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686-win32.cmake" &&
       cmake --build "$tree" -j "$(nproc)"; } >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$0: the build failed, log: $log" >&2
    exit 1
fi

bin="$tree/bin"
if ! python3 "$root/tools/check_xp_imports.py" "$root/tools/windows-xp-exports" \
        "$bin/Kelvarin.exe" "$bin/KelvarinLoopback.exe" "$bin/KelvarinCapture.exe" \
        "$bin/KelvarinPorts.exe" "$bin/KelvarinId.exe" "$bin/inpout32.dll" "$bin/portsim.exe" \
        >"$build/logs/xp-imports.log"; then
    cat "$build/logs/xp-imports.log" >&2
    echo "$0: the programs would not start on Windows XP SP3" >&2
    exit 1
fi

name="Kelvarin-$release-win32.zip"
mkdir -p "$dist"
python3 "$root/tools/package_zip.py" "$dist/$name" "$SOURCE_DATE_EPOCH" \
    Kelvarin.exe="$bin/Kelvarin.exe" \
    KelvarinLoopback.exe="$bin/KelvarinLoopback.exe" \
    KelvarinCapture.exe="$bin/KelvarinCapture.exe" \
    KelvarinPorts.exe="$bin/KelvarinPorts.exe" \
    KelvarinId.exe="$bin/KelvarinId.exe" \
    LICENSE="$root/LICENSE" \
    README.txt="$root/package/README.txt" \
    simulated-port/Kelvarin.exe="$bin/Kelvarin.exe" \
    simulated-port/KelvarinLoopback.exe="$bin/KelvarinLoopback.exe" \
    simulated-port/KelvarinCapture.exe="$bin/KelvarinCapture.exe" \
    simulated-port/KelvarinPorts.exe="$bin/KelvarinPorts.exe" \
    simulated-port/KelvarinId.exe="$bin/KelvarinId.exe" \
    simulated-port/inpout32.dll="$bin/inpout32.dll" \
    simulated-port/portsim.exe="$bin/portsim.exe" \
    simulated-port/README.txt="$root/package/simulated-port.txt"
deb=$(KELVARIN_BUILD="$build" KELVARIN_DIST="$dist" "$root/tools/package-deb.sh")
(cd "$dist" && sha256sum "$name" "$(basename "$deb")" >SHA256SUMS)
while read -r sum file; do
    echo "$dist/$file"
    echo "SHA-256 $sum"
done <"$dist/SHA256SUMS"
