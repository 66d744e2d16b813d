#!/usr/bin/env python3
"""Reads the editor through the AT-SPI bus, as a screen reader does.

accessible_tree.py tree          prints every accessible object of NOMA, one a line, indented:
                                 role, name and description
accessible_tree.py press NAME    presses the button named NAME through its accessible action and
                                 prints the text of the field named "モード" afterwards
accessible_tree.py unnamed       prints the interactive objects that have no name (none: exit 0)
accessible_tree.py unlabelled    prints the combo boxes with no label linked to them: on Linux a combo
                                 box's name is its value, and the label says what it is
accessible_tree.py cursor        prints the name of the page's cursor cell, as a screen reader
                                 says it when the cursor moves
accessible_tree.py reading       prints the page's text: the reading of the stave at the cursor
accessible_tree.py focused       prints the name of the object that has the keyboard focus
accessible_tree.py mode          prints the text of the field named "モード"
accessible_tree.py keys KEY...   presses the keys (xdotool) and prints the name of the last object
                                 the focus events announced, as a screen reader hears it
"""
import subprocess
import sys
import time

import pyatspi

INTERACTIVE = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_SLIDER, pyatspi.ROLE_TABLE, pyatspi.ROLE_LIST,
}


def application(timeout=20):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "NOMA":
                return app
        time.sleep(0.5)
    sys.exit("NOMA is not on the accessibility bus")


def walk(node, depth=0):
    yield node, depth
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def find(app, name):
    for node, _ in walk(app):
        if node.name == name and node.getRole() in (pyatspi.ROLE_PUSH_BUTTON,
                                                     pyatspi.ROLE_TOGGLE_BUTTON):
            if node.getState().contains(pyatspi.STATE_SHOWING):
                return node
    sys.exit(f"no button named {name}")


def mode_text(app):
    for node, _ in walk(app):
        if node.name == "モード" and node.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY):
            text = node.queryText()
            return text.getText(0, text.characterCount)
    sys.exit("no mode box")


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    app = application()
    if sys.argv[1] == "tree":
        for node, depth in walk(app):
            line = f"{'  ' * depth}{node.getRoleName()} \"{node.name}\""
            if node.description:
                line += f" ({node.description})"
            print(line)
    elif sys.argv[1] == "press" and len(sys.argv) == 3:
        button = find(app, sys.argv[2])
        action = button.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        if "Press" not in names:
            sys.exit(f"{sys.argv[2]} has no press action: {names}")
        action.doAction(names.index("Press"))
        time.sleep(1)
        print(mode_text(app))
    elif sys.argv[1] == "cursor":
        for node, _ in walk(app):
            if (node.getRole() == pyatspi.ROLE_TABLE_CELL and node.parent is not None
                    and node.parent.name == "楽譜のページ"):
                print(node.name)
                return
        sys.exit("no cursor on the page")
    elif sys.argv[1] == "reading":
        for node, _ in walk(app):
            if node.name == "楽譜のページ" and node.getRole() != pyatspi.ROLE_SCROLL_PANE:
                text = node.queryText()
                print(text.getText(0, text.characterCount), end="")
                return
        sys.exit("no page")
    elif sys.argv[1] == "mode":
        print(mode_text(app))
    elif sys.argv[1] == "focused":
        # The innermost focused object: a palette cell inside its focused picture.
        focused = [node for node, _ in walk(app) if node.getState().contains(pyatspi.STATE_FOCUSED)]
        if not focused:
            sys.exit("nothing has the focus")
        print(focused[-1].name)
    elif sys.argv[1] == "keys" and len(sys.argv) > 2:
        from gi.repository import GLib
        heard = []

        def on_focus(event):
            if event.detail1:
                heard.append(event.source.name)

        def press():
            subprocess.run(["xdotool", "key", "--delay", "100", *sys.argv[2:]], check=True)
            GLib.timeout_add(1500, pyatspi.Registry.stop)
            return False

        pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
        GLib.timeout_add(500, press)
        pyatspi.Registry.start()
        if not heard:
            sys.exit("no focus event")
        print(heard[-1])
    elif sys.argv[1] == "unlabelled":
        unlabelled = []
        for node, _ in walk(app):
            if node.getRole() != pyatspi.ROLE_COMBO_BOX or not node.getState().contains(pyatspi.STATE_SHOWING):
                continue
            labels = [target.name for relation in node.getRelationSet()
                      if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
                      for target in (relation.getTarget(i) for i in range(relation.getNTargets()))]
            if not any(labels):
                unlabelled.append(f"combo box \"{node.name}\" in {node.parent.name if node.parent else ''}")
        print("\n".join(unlabelled))
        sys.exit(1 if unlabelled else 0)
    elif sys.argv[1] == "unnamed":
        unnamed = [f"{node.getRoleName()} in {node.parent.name if node.parent else ''}"
                   for node, _ in walk(app)
                   if node.getRole() in INTERACTIVE and not node.name
                   and node.getState().contains(pyatspi.STATE_SHOWING)]
        print("\n".join(unnamed))
        sys.exit(1 if unnamed else 0)
    else:
        sys.exit(__doc__)


main()
