#!/usr/bin/python3
"""A window that drags the file named on its command line as a file manager does: the drag
carries the file's address only (text/uri-list). A toolkit other than Vellora's own, so that
the drop is the one a file manager makes."""
import sys

import gi

gi.require_version("Gdk", "3.0")
gi.require_version("Gtk", "3.0")
from gi.repository import Gdk, GLib, Gtk  # noqa: E402


def main():
    GLib.set_prgname("e2e_drag_source")
    path = sys.argv[1]
    uri = GLib.filename_to_uri(path, None)
    window = Gtk.Window(title="File Drag Source")
    area = Gtk.EventBox()
    area.add(Gtk.Label(label=path))
    area.drag_source_set(Gdk.ModifierType.BUTTON1_MASK, [], Gdk.DragAction.COPY)
    area.drag_source_add_uri_targets()
    area.connect("drag-data-get", lambda _w, _c, data, _i, _t: data.set_uris([uri]))
    window.add(area)
    window.set_default_size(240, 120)
    window.connect("destroy", Gtk.main_quit)
    window.show_all()
    Gtk.main()


if __name__ == "__main__":
    main()
