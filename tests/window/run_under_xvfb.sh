#!/usr/bin/env bash
# Runs one real-window test script against a private Xvfb server.
# Usage: run_under_xvfb.sh TEST_SCRIPT QUADRIX_BINARY SCREEN_GRAB_BINARY
set -euo pipefail
script=$1
export QUADRIX=$2 SCREEN_GRAB=$3
export WINDOW_TESTS=$(cd "$(dirname "$0")" && pwd)
export WORK=$(mktemp -d /tmp/quadrix-window-XXXXXX)

exec 3> "$WORK/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset > "$WORK/xvfb.log" 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$WORK/display")
export QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS

status=0
bash "$script" || status=$?
kill "$xvfb" 2>/dev/null || true
wait "$xvfb" 2>/dev/null || true
[ $status = 0 ] && rm -rf "$WORK" || echo "work files kept in $WORK"
exit $status
