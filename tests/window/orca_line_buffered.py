#!/usr/bin/python3
# Runs Debian's Orca (/usr/bin/orca, same arguments) the way a test needs it:
# - its --debug-file is written line by line, so a test sees each "SPEECH OUTPUT:" line as soon as
#   Orca says it (Orca opens the file with the default block buffering and writes no flush);
# - no speech server: speech stays enabled, so every utterance is still logged, but nothing starts
#   speech-dispatcher (a daemon of its own, outside the test's buses, that would outlive it);
# - no refusal to start because some other Orca of the same user runs: each test has its own
#   D-Bus and AT-SPI buses, so a developer's Orca or another test's is no rival, and this one keeps
#   the interpreter's process name, so the developer's own Orca is not refused because of it.
import builtins
import runpy
import sys

from orca import settings

settings.speechServerFactory = None
settings.speechFactoryModules = []
settings.enableBraille = False  # no BrlAPI daemon: spares a traceback per attempt to reach it

script = runpy.run_path("/usr/bin/orca", run_name="orca_launcher")
launcher = script["main"].__globals__
launcher["open"] = lambda path, mode="r": builtins.open(path, mode, buffering=1, encoding="utf-8")
launcher["otherOrcas"] = lambda: []
launcher["setProcessName"] = lambda name: None
sys.exit(launcher["main"]())
