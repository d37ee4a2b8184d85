#!/bin/sh
# Prints the release version of the packages: the first release heading of
# CHANGES.md ("## 1.0.0.1-3 (date)"), the one place that holds it.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
sed -n 's/^## \([0-9][^ ]*\) .*/\1/p' "$root/CHANGES.md" | head -n 1
