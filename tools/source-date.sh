# Sourced by the package scripts: SOURCE_DATE_EPOCH, the time every file of
# a package carries (and the linker dates its output with), is the last
# commit's date unless set; exported. Needs $root.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct) || {
        echo "$0: not a git clone: set SOURCE_DATE_EPOCH to the commit's date" >&2
        exit 2
    }
fi
export SOURCE_DATE_EPOCH
