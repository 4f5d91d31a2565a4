#!/usr/bin/env bash
# scripts/screenshot still runs and writes a PNG of the window's size (not checked: its pixels).
# Usage: screenshot_test.sh QUADRIX_BINARY SCREEN_GRAB_BINARY
set -euo pipefail
out=$(mktemp -d /tmp/quadrix-screenshot-test-XXXXXX)
trap 'rm -rf "$out"' EXIT
said=$(QUADRIX=$1 SCREEN_GRAB=$2 "$(dirname "$0")/../../scripts/screenshot" "$out/window.png")
echo "$said"
window=$(grep -oE 'window [0-9]+x[0-9]+$' <<<"$said" | cut -d' ' -f2)
picture=$(python3 -c 'import struct, sys; d = open(sys.argv[1], "rb").read(24); \
  print("%dx%d" % struct.unpack(">II", d[16:24]) if d[:8] == b"\x89PNG\r\n\x1a\n" else "not a PNG")' "$out/window.png")
[ -n "$window" ] && [ "$picture" = "$window" ] || { echo "FAIL: the picture is $picture, the window ${window:-unknown}"; exit 1; }
echo PASS
