#!/bin/sh
# Lettro.chm is a compiled help file (ITSF) that holds every page of help/.
set -eu
top=$(cd "$(dirname "$0")/../.." && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

"$top/scripts/build-help" "$out" >/dev/null
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
echo "Lettro.chm holds all $(ls "$top"/help/*.html | wc -l) pages"
