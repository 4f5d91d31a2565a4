#!/usr/bin/env bash
# Fails when a test script starts the editor outside its scratch home: such a test reads the
# developer's own recovery copies (whose offer then covers the window) and leaves files in them.
# Every line that runs "$QUADRIX" must run it through "${SCRATCH_ENV[@]}" (tests/window/lib.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bad=$(grep -n -E '(exec|^|[;&|(])[[:space:]]*"?\$\{?QUADRIX\}?"?([[:space:]]|$)' window/*.sh package/*.sh \
      | grep -v 'SCRATCH_ENV' || true)
if [ -n "$bad" ]; then
  echo "FAIL: these lines start the editor without the scratch home of lib.sh:"
  echo "$bad"
  exit 1
fi
echo "PASS"
