# The recovery copy after SIGINT: see recovery_window_test.sh.
RECOVERY_END=INT source "$WINDOW_TESTS/recovery_window_test.sh"
