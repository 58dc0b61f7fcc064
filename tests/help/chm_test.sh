#!/bin/sh
# Lettro.chm is a compiled help file (ITSF) that holds every page of help/, told the version.
# Usage: chm_test.sh VERSION
set -eu
top=$(cd "$(dirname "$0")/../.." && pwd)
version=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

"$top/scripts/build-help" "$out" "$version" >/dev/null
chm="$out/Lettro.chm"
[ "$(head -c 4 "$chm")" = ITSF ] || { echo "Lettro.chm does not start with ITSF"; exit 1; }

listing=$(chmls list "$chm")
missing=0
for page in "$top"/help/*.html "$top"/help/*.css; do
    name=$(basename "$page")
    if ! printf '%s\n' "$listing" | grep -q "/$name\$"; then
        echo "Lettro.chm lacks $name"
        missing=1
    fi
done
[ "$missing" -eq 0 ]
for page in index.html menus.html; do
    chmls extract "$chm" "/$page" "$out/$page" >/dev/null 2>&1
    grep -q "version $version)\{0,1\}[,.]" "$out/$page" || { echo "$page does not name version $version"; exit 1; }
done
echo "Lettro.chm holds all $(ls "$top"/help/*.html | wc -l) pages"
