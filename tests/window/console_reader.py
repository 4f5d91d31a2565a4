#!/usr/bin/env python3
"""The editor's console in the real-window tests: reads a FIFO and copies it to a file, and can be
told to stop reading for a while or to go away, like a stalled pager or a closed terminal.

Usage: console_reader.py FIFO OUT CONTROL [PIPE_SIZE]

Control files: CONTROL.pause makes it stop reading (it answers with CONTROL.paused) until the file
is removed; CONTROL.leave makes it exit at once, closing the pipe. PIPE_SIZE shrinks the pipe
(the size obtained is written to CONTROL.size), so a stalled pipe fills with less trace.
"""
import fcntl
import os
import select
import sys

fifo, out_path, control = sys.argv[1:4]
pipe_size = int(sys.argv[4]) if len(sys.argv) > 4 else 0

fd = os.open(fifo, os.O_RDONLY)  # returns once the editor has opened it for writing
if pipe_size:
    fcntl.fcntl(fd, fcntl.F_SETPIPE_SZ, pipe_size)
with open(control + ".size", "w") as f:
    f.write(str(fcntl.fcntl(fd, fcntl.F_GETPIPE_SZ)))

with open(out_path, "ab", buffering=0) as out:
    while True:
        if os.path.exists(control + ".leave"):
            sys.exit(0)
        if os.path.exists(control + ".pause"):
            open(control + ".paused", "w").close()
            select.select([], [], [], 0.05)
            continue
        if os.path.exists(control + ".paused"):
            os.remove(control + ".paused")
        ready, _, _ = select.select([fd], [], [], 0.05)
        if not ready:
            continue
        data = os.read(fd, 65536)
        if not data:
            sys.exit(0)
        out.write(data)
