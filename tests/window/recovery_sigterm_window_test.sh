# The recovery copy after SIGTERM: see recovery_window_test.sh.
RECOVERY_END=TERM source "$WINDOW_TESTS/recovery_window_test.sh"
