# Runs a command as its child and writes how the child ended to STATUS, "signal N" or "exit N":
# a shell's $? says 130 both for a death by SIGINT and for exit(130), and only the first stops a
# shell loop. The child's pid goes to STATUS.pid first, for the test to send it signals.
# Usage: wait_status.py STATUS COMMAND [ARGS...]
import os
import sys

status_path, command = sys.argv[1], sys.argv[2:]
pid = os.fork()
if pid == 0:
    os.execvp(command[0], command)
with open(status_path + ".pid", "w") as f:
    f.write(str(pid))
_, status = os.waitpid(pid, 0)
ended = f"signal {os.WTERMSIG(status)}" if os.WIFSIGNALED(status) else f"exit {os.WEXITSTATUS(status)}"
with open(status_path + ".tmp", "w") as f:
    f.write(ended)
os.rename(status_path + ".tmp", status_path)
