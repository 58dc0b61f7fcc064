#!/bin/sh
# Lettro.exe imports only DLLs on Windows' KnownDLLs list: Windows looks for any other DLL that an
# exe imports beside the exe first, where a file dropped into the same folder would run.
# Usage: imports_test.sh OBJDUMP PROGRAM
set -eu
known=" kernel32.dll user32.dll gdi32.dll msvcrt.dll ole32.dll oleaut32.dll shell32.dll advapi32.dll comdlg32.dll shlwapi.dll "
imports=$("$1" -p "$2" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
[ -n "$imports" ] || { echo "no imports read from $2"; exit 1; }
status=0
for dll in $imports; do
    case "$known" in
    *" $dll "*) ;;
    *) echo "$2 imports $dll, which is not a known DLL"; status=1 ;;
    esac
done
echo "imports:" $imports
exit $status
