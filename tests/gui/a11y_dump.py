# Prints the accessibility tree of the process APP_PID, one object a line:
# role|name|showing|focusable|focused|checked|enabled|x,y,w,h|text
# (the position on the screen; the text of text objects, a line break written \n). Retries for a few seconds: the program registers with the registry as it starts.
import os
import sys
import time

import pyatspi

pid = int(os.environ["APP_PID"])


def find_app():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        a = desktop.getChildAtIndex(i)
        try:
            if a is not None and a.get_process_id() == pid:
                return a
        except Exception:
            pass
    return None


def walk(a):
    yield a
    for i in range(a.childCount):
        c = a.getChildAtIndex(i)
        if c is not None:
            yield from walk(c)


app = None
for _ in range(50):
    app = find_app()
    if app is not None and app.childCount > 0:
        break
    time.sleep(0.1)
if app is None:
    sys.exit("program not found on the accessibility bus")


def role_name(a):
    # A push button's role is named "push button" by the accessibility bus of Debian 12 and
    # "button" by Debian 13's: the dump says "push button" on both.
    if a.getRole() == pyatspi.ROLE_PUSH_BUTTON:
        return "push button"
    return a.getRoleName()


S = pyatspi
for a in walk(app):
    s = a.getState()
    flags = [s.contains(x) for x in (S.STATE_SHOWING, S.STATE_FOCUSABLE, S.STATE_FOCUSED,
                                      S.STATE_CHECKED, S.STATE_ENABLED)]
    try:
        box = a.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        extents = "%d,%d,%d,%d" % (box.x, box.y, box.width, box.height)
    except NotImplementedError:
        extents = ""
    text = ""
    if a.getRoleName() == "text":
        try:
            t = a.queryText()
            text = t.getText(0, t.characterCount).replace("\n", "\\n")
        except NotImplementedError:
            pass
    print("|".join([role_name(a), a.name or ""] + [str(int(f)) for f in flags] +
                   [extents, text]))
