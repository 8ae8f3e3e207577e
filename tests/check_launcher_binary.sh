#!/usr/bin/env bash
# Checks a built launcher executable: a Windows GUI program of the expected machine that imports
# system DLLs only (the runtime is linked in statically).
#   check_launcher_binary.sh OBJDUMP EXE FORMAT     (FORMAT: pei-i386 or pei-x86-64)
set -euo pipefail
objdump=$1 exe=$2 format=$3
dump=$("$objdump" -p "$exe")
allowed='^(KERNEL32|USER32|GDI32|SHELL32|ADVAPI32|msvcrt)\.dll$'
status=0
grep -q "file format $format" <<<"$dump" || { echo "$exe: not $format"; status=1; }
grep -Eq '^Subsystem[[:space:]]+0+2[[:space:]]' <<<"$dump" || { echo "$exe: not a GUI program"; status=1; }
while read -r dll; do
  if ! grep -Eiq "$allowed" <<<"$dll"; then echo "$exe imports $dll, which is not a system DLL"; status=1; fi
done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump")
[ "$status" = 0 ] && echo "$exe: $format GUI program, imports: $(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump" | tr '\n' ' ')"
exit "$status"
