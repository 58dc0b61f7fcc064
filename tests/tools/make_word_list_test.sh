#!/bin/sh
# tools/make-word-list on a small SCOWL folder of its own: the files it takes, and the listed
# words it leaves out, whole lines only (a listed "fart" goes, "farther" stays).
# Usage: make_word_list_test.sh WORK_FOLDER   (emptied, then written)
set -eu
top=$(cd "$(dirname "$0")/../.." && pwd)
work=$1
rm -rf "$work" && mkdir -p "$work/scowl"
printf 'fart\nfarther\nCat\ncat\ncat\n' > "$work/scowl/english-words.10"
printf 'color\n' > "$work/scowl/variant_1-words.35"
printf 'colour\n' > "$work/scowl/british-words.50"
printf 'telly\n' > "$work/scowl/british-words.55"
printf 'etc\n' > "$work/scowl/english-abbreviations.10"
printf '# fart, not farther\nfart\n' > "$work/excluded.txt"
printf 'cat\ncolor\ncolour\nfarther\n' > "$work/expected.dic"
"$top/tools/make-word-list" --scowl "$work/scowl" --excluded "$work/excluded.txt" 50 "$work/words.dic"
diff -u "$work/expected.dic" "$work/words.dic"
