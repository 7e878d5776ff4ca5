# Prints the announcements the accessibility bus carries for SECONDS seconds, one a
# line: the announcing object's role and name, then the text. Prints "LISTENING" once
# registered. Usage: a11y_listen.py SECONDS
import sys

import pyatspi
from gi.repository import GLib


def on_event(event):
    source = event.source
    print("%s|%s|%s" % (source.getRoleName(), source.name, event.any_data), flush=True)


pyatspi.Registry.registerEventListener(on_event, "object:announcement")
GLib.timeout_add(int(float(sys.argv[1]) * 1000), pyatspi.Registry.stop)
print("LISTENING", flush=True)
pyatspi.Registry.start()
