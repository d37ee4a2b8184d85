#!/bin/sh
# The Debian package of the Linux programs, built from two copies of the
# sources at paths of different lengths: the same bytes; the files, their
# permissions and the control fields the package promises; no error from
# lintian; and each installed program, unpacked, answering --help.
#   debian_package.sh SOURCE_TREE SCRATCH_FOLDER
set -eu
source=$1
scratch=$2
rm -rf "$scratch"
epoch=$(git -C "$source" log -1 --format=%ct)
second="second/copy with a longer path"
for copy in a "$second"; do
    mkdir -p "$scratch/$copy/src"
    (cd "$source" && git ls-files -z --cached --others --exclude-standard |
        tar --null -T - -cf -) | tar -xf - -C "$scratch/$copy/src"
    SOURCE_DATE_EPOCH=$epoch KELVARIN_BUILD="$scratch/$copy/build" \
        KELVARIN_DIST="$scratch/$copy/dist" "$scratch/$copy/src/tools/package-deb.sh" >/dev/null
done

failed=0
fail() {
    echo "FAILED: $*"
    failed=1
}
deb=$(ls "$scratch/a/dist/"kelvarin-tools_*_amd64.deb)
name=$(basename "$deb")
cmp "$deb" "$scratch/$second/dist/$name" && echo "same bytes: $name" ||
    fail "two copies of the sources gave different packages"

programs="kelvarin-capture kelvarin-id kelvarin-loopback kelvarin-ports"

expected="$scratch/expected.txt"
{
    for folder in / /usr/ /usr/bin/ /usr/share/ /usr/share/doc/ /usr/share/doc/kelvarin-tools/ \
        /usr/share/man/ /usr/share/man/man1/; do
        echo "drwxr-xr-x root/root .$folder"
    done
    for file in README changelog.Debian.gz copyright; do
        echo "-rw-r--r-- root/root ./usr/share/doc/kelvarin-tools/$file"
    done
    for program in $programs; do
        echo "-rwxr-xr-x root/root ./usr/bin/$program"
        echo "-rw-r--r-- root/root ./usr/share/man/man1/$program.1.gz"
    done
} | sort >"$expected"
dpkg-deb -c "$deb" | awk '{ print $1, $2, $6 }' | sort | diff "$expected" - ||
    fail "the package's files or their permissions"

field() { dpkg-deb -f "$deb" "$1"; }
version=$(field Version)
echo "$version" | grep -Eqx '1\.0\.0\.1-[0-9]+' || fail "version '$version'"
[ "$name" = "kelvarin-tools_${version}_amd64.deb" ] || fail "name $name for version $version"
[ "$(field Package)" = kelvarin-tools ] || fail "package '$(field Package)'"
[ "$(field Architecture)" = amd64 ] || fail "architecture '$(field Architecture)'"
[ "$(field Section)" = electronics ] || fail "section '$(field Section)'"
[ "$(field Priority)" = optional ] || fail "priority '$(field Priority)'"
[ -n "$(field Maintainer)" ] && [ -n "$(field Description)" ] || fail "no maintainer or description"
# Only what Debian 12 has: libc6 and libstdc++6.
others=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//' | grep -vx 'libc6\|libstdc++6' || true)
[ -z "$others" ] || fail "depends on $others"

lintian --fail-on error "$deb" 2>/dev/null || fail "lintian reports errors"

tree="$scratch/unpacked"
dpkg-deb -x "$deb" "$tree"
for program in $programs; do
    first=$("$tree/usr/bin/$program" --help | head -n 1) || fail "$program --help"
    case "$first" in
    "usage: $program "*) echo "$program --help: $first" ;;
    *) fail "$program --help begins '$first'" ;;
    esac
done
mkdir -p "$scratch/no-ports"
"$tree/usr/bin/kelvarin-ports" --root "$scratch/no-ports" | grep -q '^No parallel port: ' ||
    fail "kelvarin-ports on a machine without ports"

[ $failed -eq 0 ] && rm -rf "$scratch"
exit $failed
