#!/usr/bin/env bash
# The manual pages render without a single warning of groff or man (man itself exits 0 on them,
# so its error output is what is read), and each names its program in its NAME section.
# Usage: manual_pages_test.sh PAGE.1...
set -euo pipefail
warnings=$(mktemp)
trap 'rm -f "$warnings"' EXIT
status=0
for page in "$@"; do
  name=$(basename "$page" .1)
  text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>"$warnings") || true
  if [ -s "$warnings" ]; then
    cat "$warnings"; echo "FAIL: $page renders with warnings"; status=1
  elif ! grep -A1 '^NAME' <<<"$text" | grep -qE "^ +$name - "; then
    head -n 10 <<<"$text"; echo "FAIL: the NAME section of $page does not name $name"; status=1
  fi
done
[ $status = 0 ] && echo PASS
exit $status
