#!/usr/bin/env bash
# The menu entry as desktops read it: desktop-file-validate finds nothing to say, not even a hint
# (a hint is how a misfiled menu category shows).
# Usage: desktop_file_test.sh FILE.desktop
set -euo pipefail
report=$(desktop-file-validate "$1" 2>&1) || { echo "$report"; echo "FAIL: $1 is not valid"; exit 1; }
[ -z "$report" ] || { echo "$report"; echo "FAIL: desktop-file-validate has remarks on $1"; exit 1; }
grep -qx 'Terminal=false' "$1" || { echo "FAIL: $1 does not say Terminal=false"; exit 1; }
echo PASS
