#!/bin/sh
# Installs what building, running and testing Kelvarin need on Debian 12.
# Idempotent, and quiet when everything is there already.
set -eu

# Both Windows architectures: i686 (what ships, under 32-bit Wine) and x86_64
# (under 64-bit Wine, for hosts that run no 32-bit programs).
packages="cmake g++ make python3 googletest libgtest-dev libbenchmark-dev
 g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32:i386 wine64 xvfb xauth x11-utils
 imagemagick clang libclang-rt-14-dev valgrind fonts-wine sigrok-cli dpkg-dev lintian"

missing=
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing:$missing"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing >/dev/null
