#!/usr/bin/env python3
"""Walks one window of a running program on the accessibility bus (at-spi), as a screen reader
sees it, and prints each node's role, name, description, states and actions.

atspi_walk.py APP TITLE [--button NAME]... [--named-role ROLE]...
  APP    the application's name on the bus (kronvel)
  TITLE  the window's name, e.g. "New Event"
With --button, each NAME must be a push button with a press or click action; with --named-role,
every node of that role (e.g. "spin button") must carry a name. Exit 1 when a check fails, 2 when
the window does not show up on the bus within 30 seconds."""

import argparse
import sys
import time

import pyatspi


def find_window(app_name, title):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None or app.name != app_name:
            continue
        for window in app:
            if window is not None and window.name == title:
                return window
    return None


def actions_of(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def describe(node):
    states = sorted(pyatspi.stateToString(s) for s in node.getState().getStates())
    return {
        "role": node.getRoleName(),
        "name": node.name or "",
        "description": node.description or "",
        "states": states,
        "actions": actions_of(node),
    }


def walk(node, depth, seen):
    info = describe(node)
    seen.append(info)
    print('%s[%s] "%s"  description="%s"  states=%s  actions=%s' % (
        "  " * depth, info["role"], info["name"], info["description"],
        ",".join(info["states"]), ",".join(info["actions"]) or "-"))
    for child in node:
        if child is not None:
            walk(child, depth + 1, seen)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("app")
    parser.add_argument("title")
    parser.add_argument("--button", action="append", default=[])
    parser.add_argument("--named-role", action="append", default=[])
    args = parser.parse_args()

    window = None
    deadline = time.monotonic() + 30
    while window is None and time.monotonic() < deadline:
        window = find_window(args.app, args.title)
        if window is None:
            time.sleep(0.5)
    if window is None:
        apps = [a.name for a in pyatspi.Registry.getDesktop(0) if a is not None]
        print("no window \"%s\" of %s on the accessibility bus; applications: %s"
              % (args.title, args.app, apps), file=sys.stderr)
        return 2

    seen = []
    walk(window, 0, seen)

    problems = []
    for name in args.button:
        buttons = [n for n in seen if n["role"] == "push button" and n["name"] == name]
        if not buttons:
            problems.append('no push button named "%s"' % name)
        elif not any(a.lower() in ("press", "click") for a in buttons[0]["actions"]):
            problems.append('push button "%s" has no press action (%s)' % (name, buttons[0]["actions"]))
    for role in args.named_role:
        nodes = [n for n in seen if n["role"] == role]
        if not nodes:
            problems.append('no node of role "%s"' % role)
        problems += ['a "%s" without a name' % role for n in nodes if not n["name"]]
    unnamed_buttons = [n for n in seen if n["role"] == "push button" and not n["name"]]
    if unnamed_buttons:
        problems.append("%d push button(s) without a name" % len(unnamed_buttons))
    for problem in problems:
        print("FAILED: " + problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
