#!/usr/bin/env bash
# Checks the built executable as a Windows loader would see it: the expected machine, a GUI
# program, ASLR and DEP on, and imports from system libraries only (the runtimes are linked in).
set -uo pipefail
exe=$1 objdump=$2 machine=$3
fail=0
bad() {
  echo "FAIL: $*"
  fail=1
}

headers=$("$objdump" -p "$exe") || {
  echo "FAIL: cannot read $exe"
  exit 1
}
format=$("$objdump" -f "$exe" | sed -n 's/.*file format //p')
[ "$format" = "$machine" ] || bad "file format is '$format', expected '$machine'"
grep -Eq '^Subsystem[[:space:]]+0*2[[:space:]]' <<<"$headers" || bad "not a Windows GUI program"
grep -q 'DYNAMIC_BASE' <<<"$headers" || bad "ASLR (dynamic base) is off"
grep -q 'NX_COMPAT' <<<"$headers" || bad "DEP (NX compatible) is off"

system_dlls='^(kernel32|user32|gdi32|advapi32|shell32|comctl32|comdlg32|ole32|oleaut32|msvcrt|ddraw|winmm|version|shlwapi|uxtheme|imm32)\.dll$'
while read -r dll; do
  lower=$(tr '[:upper:]' '[:lower:]' <<<"$dll")
  grep -Eq "$system_dlls" <<<"$lower" || bad "imports $dll, which Windows does not provide"
done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")

[ "$fail" = 0 ] && echo "OK: $exe is $machine, GUI, ASLR and DEP on, system imports only"
exit "$fail"
