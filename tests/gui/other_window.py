# Shows a window of another program, with one button that has the keyboard focus, until
# it is closed or killed; prints its X window id once it is on screen. The tests give it
# the focus to put the program under test in the background.
import gi

gi.require_version("Gtk", "3.0")
gi.require_version("GdkX11", "3.0")
from gi.repository import GdkX11, Gtk  # noqa: E402,F401  (GdkX11: the window's X id)

window = Gtk.Window(title="Other program")
window.add(Gtk.Button(label="Other button"))
window.connect("destroy", Gtk.main_quit)
window.connect("map-event", lambda w, e: print(w.get_window().get_xid(), flush=True))
window.show_all()
Gtk.main()
