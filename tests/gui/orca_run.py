# Runs Orca with its debug log written line by line, so that a test can follow what Orca
# says while it runs (Orca's own --debug-file is block-buffered until it exits).
# Usage: orca_run.py ORCA_LAUNCHER LOG_FILE
import runpy
import sys

launcher, log = sys.argv[1], sys.argv[2]
sys.argv = [launcher]
from orca import debug  # noqa: E402  (the launcher imports the same module)

debug.debugLevel = debug.LEVEL_ALL
debug.debugFile = open(log, "w", buffering=1, encoding="utf-8")
runpy.run_path(launcher, run_name="__main__")
