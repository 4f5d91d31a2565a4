# The recovery copy after SIGHUP: see recovery_window_test.sh.
RECOVERY_END=HUP source "$WINDOW_TESTS/recovery_window_test.sh"
