#!/bin/sh
# Builds the Debian package of the Linux programs,
# dist/kelvarin-tools_<release>_<arch>.deb, and prints its path: a release
# build of only what ships (tools/linux-tools.sh), each program with its
# manual page, the licence in Debian's copyright format, a README and the
# changelog made from CHANGES.md. Fixed permissions, root as owner and the
# files' times clamped to SOURCE_DATE_EPOCH: the same commit gives the same
# bytes anywhere. tools/package.sh calls it beside the Windows zip.
#   KELVARIN_BUILD     build tree (default: build/ in the source tree)
#   KELVARIN_DIST      output folder (default: dist/ in the source tree)
#   SOURCE_DATE_EPOCH  the files' time (default: the last commit's date)
set -eu
umask 022
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELVARIN_BUILD:-$root/build}
dist=${KELVARIN_DIST:-$root/dist}
. "$root/tools/linux-tools.sh"

. "$root/tools/source-date.sh"
release=$("$root/tools/release.sh")
arch=$(dpkg --print-architecture)
maintainer="The Kelvarin developers <kelvarin@example.org>"

build_linux_tools
stage="$build/deb/kelvarin-tools"
doc="$stage/usr/share/doc/kelvarin-tools"
rm -rf "$build/deb"
mkdir -p "$stage/DEBIAN" "$stage/usr/bin" "$stage/usr/share/man/man1" "$doc"

for program in "$build/linux/bin/"kelvarin-*; do
    name=$(basename "$program")
    cp "$program" "$stage/usr/bin/$name"
    gzip -9n <"$root/package/linux/$name.1" >"$stage/usr/share/man/man1/$name.1.gz"
done
cp "$root/package/linux/README" "$doc/README"

# LICENSE in Debian's copyright format: the text after its copyright line,
# indented, blank lines as " .".
{
    echo "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
    echo "Upstream-Name: Kelvarin"
    echo
    echo "Files: *"
    echo "Copyright: $(sed -n 's/^Copyright (c) //p' "$root/LICENSE")"
    echo "License: Expat"
    sed '1,/^Copyright (c) /d' "$root/LICENSE" | sed '1{/^$/d}' | sed 's/^$/./; s/^/ /'
} >"$doc/copyright"

# CHANGES.md's releases as Debian changelog entries, newest first. Each is
# dated its day plus a minute for every older release, so that releases of
# one day still follow each other in time, as the changelog's format asks.
# The file is read twice: first to count the releases.
awk -v maintainer="$maintainer" '
    NR == FNR { if (/^## /) total++; next }
    function close_entry() {
        if (!open) return
        command = "date -u -R -d \"" day " +" total - entries " minutes\""
        command | getline stamp
        close(command)
        printf "\n -- %s  %s\n", maintainer, stamp
        open = 0
    }
    /^## / {
        close_entry()
        if (entries++) print ""
        day = $3
        gsub(/[()]/, "", day)
        printf "kelvarin-tools (%s) unstable; urgency=medium\n\n", $2
        open = 1
        next
    }
    open && /^- / { print "  * " substr($0, 3); next }
    open && /^  [^ ]/ { print "  " $0; next }
    END { close_entry() }
' "$root/CHANGES.md" "$root/CHANGES.md" | gzip -9n >"$doc/changelog.Debian.gz"

# What the programs link: dpkg-shlibdeps wants a source package around them.
shlibs="$build/deb/shlibs"
mkdir -p "$shlibs/debian"
printf 'Source: kelvarin\n\nPackage: kelvarin-tools\nArchitecture: any\n' >"$shlibs/debian/control"
depends=$(cd "$shlibs" && dpkg-shlibdeps -O "$stage/usr/bin/"* 2>/dev/null |
    sed -n 's/^shlibs:Depends=//p')
# Installed size in KiB as dpkg counts it: each file rounded up, one per folder.
size=$(find "$stage/usr" \( -type f -printf '%s\n' \) -o \( -type d -printf '1024\n' \) |
    awk '{ kib += int(($1 + 1023) / 1024) } END { print kib }')

cat >"$stage/DEBIAN/control" <<CONTROL
Package: kelvarin-tools
Version: $release
Architecture: $arch
Maintainer: $maintainer
Installed-Size: $size
Depends: $depends
Section: electronics
Priority: optional
Description: parallel port tests: loopback plug, line capture, Device ID, port list
 Register-level tools for the PC parallel (printer) port, reaching it
 through ppdev (/dev/parportN, group lp) or /dev/port (root):
  - kelvarin-loopback tests a port and its cable with a loopback plug;
  - kelvarin-capture watches the port's 17 lines live and records them in
    VCD files for waveform viewers and sigrok;
  - kelvarin-id asks the IEEE 1284 device on the port (a printer, say) for
    its Device ID: maker, model and command languages;
  - kelvarin-ports lists the ports the kernel knows and who may open them.
CONTROL
(cd "$stage" && find usr -type f | LC_ALL=C sort | xargs md5sum) >"$stage/DEBIAN/md5sums"
find "$stage" -type d -exec chmod 0755 {} +
find "$stage" -type f -exec chmod 0644 {} +
chmod 0755 "$stage/usr/bin/"*

deb="$dist/kelvarin-tools_${release}_$arch.deb"
mkdir -p "$dist"
dpkg-deb --root-owner-group -Zxz --build "$stage" "$deb" >/dev/null
echo "$deb"
