#!/usr/bin/python3
"""Reads a running program's windows as a screen reader does, through AT-SPI (pyatspi), for
the accessibility tests.

  atspi_probe.py PID           answers commands read one a line from standard input, each a
                               JSON array of strings, with one line of JSON each:
    ["windows"]                the names of the program's windows that are showing
    ["tree", WINDOW]           the window whose name starts with WINDOW, whole: every object's
                               role, name, description, states, actions, label, text and,
                               for a table, its cells and column headers
    ["act", WINDOW, ROLE, NAME]
                               does the first action (a button's press) of the first showing
                               object in the window with that role and name, without waiting
                               for what the action opens to close
    ["type", WINDOW, ROLE, NAME, TEXT]
                               puts TEXT into the first showing editable object in the window
                               with that role and name, in place of what it held
    ["focused"]                the object that has the keyboard focus, as in "tree"
  atspi_probe.py PID events SECONDS
                               for SECONDS, one line for each window that opens and for each
                               move of the focus: the event, its object and its window
"""

import json
import sys

import pyatspi
from gi.repository import Atspi, GLib

# Enough for any window of the program; a deeper tree would be a fault of its own.
MAX_DEPTH = 40
# How long an action's reply is waited for.
ACTION_REPLY_MS = 1000


def application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:  # an application that went away while being asked
            continue
    return None


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def windows(app):
    return [w for w in app if w is not None and showing(w)]


def window(app, name):
    for w in windows(app):
        if w.name.startswith(name):
            return w
    return None


def states(node):
    return sorted(s.value_nick for s in node.getState().getStates())


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def text(node):
    try:
        content = node.queryText()
    except NotImplementedError:
        return None
    return content.getText(0, -1)


def labelled_by(node):
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for i in range(relation.getNTargets()):
                names.append(relation.getTarget(i).name)
    return names


def table(node):
    try:
        t = node.queryTable()
    except NotImplementedError:
        return None
    cells = []
    descriptions = []
    for r in range(t.nRows):
        row = [t.getAccessibleAt(r, c) for c in range(t.nColumns)]
        cells.append([cell.name if cell is not None else None for cell in row])
        descriptions.append([cell.description if cell is not None else None for cell in row])
    headers = []
    for c in range(t.nColumns):
        header = t.getColumnHeader(c)
        headers.append(header.name if header is not None else None)
    return {"rows": t.nRows, "columns": t.nColumns, "headers": headers, "cells": cells,
            "descriptions": descriptions}


def describe(node, depth=0):
    info = {
        "role": node.getRoleName(),
        "name": node.name,
        "description": node.description,
        "states": states(node),
        "actions": actions(node),
        "labelledBy": labelled_by(node),
        "text": text(node),
    }
    grid = table(node)
    if grid is not None:
        # Its cells are read through the table; walking them as children too says nothing more.
        info["table"] = grid
        return info
    if depth < MAX_DEPTH:
        info["children"] = [describe(child, depth + 1) for child in node if child is not None]
    return info


def find(node, role, name):
    if showing(node) and node.getRoleName() == role and node.name == name:
        return node
    for child in node:
        if child is None:
            continue
        found = find(child, role, name)
        if found is not None:
            return found
    return None


def focused(node, depth=0):
    if node.getState().contains(pyatspi.STATE_FOCUSED):
        return node
    if depth >= MAX_DEPTH:
        return None
    for child in node:
        if child is None:
            continue
        found = focused(child, depth + 1)
        if found is not None:
            return found
    return None


def top_window(node):
    while node is not None:
        parent = node.parent
        if parent is None or parent.getRole() == pyatspi.ROLE_APPLICATION:
            return node
        node = parent
    return None


def listen(pid, seconds):
    def report(event):
        try:
            source = event.source
            if source.get_process_id() != pid:
                return
            top = top_window(source)
            line = {
                "event": event.type,
                "detail": event.detail1,
                "source": describe(source, MAX_DEPTH),
                "window": describe(top) if top is not None else None,
            }
        except Exception:  # an object gone before it could be read
            return
        print(json.dumps(line), flush=True)

    kinds = ["object:state-changed:showing", "object:state-changed:focused", "focus:",
             "window:activate"]
    pyatspi.Registry.registerEventListener(report, *kinds)
    GLib.timeout_add(int(seconds * 1000), lambda: pyatspi.Registry.stop())
    # Says that the listener is in place, so that the test can make the window open now.
    print(json.dumps({"event": "listening"}), flush=True)
    pyatspi.Registry.start()


def run(pid, command):
    app = application(pid)
    if app is None:
        return {"error": "no application with that process id"}
    if command[0] == "windows":
        return [w.name for w in windows(app)]
    if command[0] == "focused":
        # The active window first: another may keep a focused object of its own.
        ordered = sorted(windows(app),
                         key=lambda w: not w.getState().contains(pyatspi.STATE_ACTIVE))
        for w in ordered:
            node = focused(w)
            if node is not None:
                return describe(node, MAX_DEPTH)
        return None
    target = window(app, command[1])
    if target is None:
        return {"error": "no window of that name is showing"}
    if command[0] == "tree":
        return describe(target)
    if command[0] not in ("type", "act"):
        return {"error": "unknown command"}
    node = find(target, command[2], command[3])
    if node is None:
        return {"error": "no such object is showing"}
    if command[0] == "type":
        node.queryEditableText().setTextContents(command[4])
    else:
        # A press that opens a modal dialog answers only when the dialog closes: the action
        # is sent, and what it does is for the test to see.
        Atspi.set_timeout(ACTION_REPLY_MS, ACTION_REPLY_MS)
        try:
            node.queryAction().doAction(0)
        except GLib.GError:
            pass
    return {"done": True}


def main(argv):
    pid = int(argv[1])
    if len(argv) > 2 and argv[2] == "events":
        listen(pid, float(argv[3]))
        return 0
    for line in sys.stdin:
        try:
            answer = run(pid, json.loads(line))
        except Exception as error:  # an object gone while it was read, a bad command
            answer = {"error": str(error)}
        print(json.dumps(answer), flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
