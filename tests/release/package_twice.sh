#!/bin/sh
# Builds the package from two copies of the sources at paths of different
# lengths, each with a build tree of its own, and compares the bytes: the
# programs, the zip, the .deb and the checksums must be identical.
#   package_twice.sh SOURCE_TREE SCRATCH_FOLDER
set -eu
source=$1
scratch=$2
rm -rf "$scratch"
epoch=$(git -C "$source" log -1 --format=%ct)

for copy in a "second/copy with a longer path"; do
    mkdir -p "$scratch/$copy/src"
    # The working tree's files as git sees them, without build trees.
    (cd "$source" && git ls-files -z --cached --others --exclude-standard |
        tar --null -T - -cf -) | tar -xf - -C "$scratch/$copy/src"
    SOURCE_DATE_EPOCH=$epoch KELVARIN_BUILD="$scratch/$copy/build" \
        KELVARIN_DIST="$scratch/$copy/dist" "$scratch/$copy/src/tools/package.sh"
done

different=0
for file in dist/SHA256SUMS dist/Kelvarin-*-win32.zip dist/kelvarin-tools_*.deb \
    build/package/bin/Kelvarin.exe build/package/bin/KelvarinLoopback.exe \
    build/package/bin/KelvarinCapture.exe build/package/bin/KelvarinPorts.exe \
    build/package/bin/KelvarinId.exe build/package/bin/inpout32.dll \
    build/package/bin/portsim.exe; do
    if cmp "$scratch/a/"$file "$scratch/second/copy with a longer path/"$file; then
        echo "same bytes: $file"
    else
        different=1
    fi
done
[ $different -eq 0 ] && rm -rf "$scratch"
exit $different
