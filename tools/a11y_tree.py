"""Prints the accessibility tree of the running maintenance tool (see a11y-tree)."""
import time

import pyatspi


def find_app():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "ZORSystemMaintenance":
                return app
        time.sleep(0.1)
    raise SystemExit("the tool did not appear on the accessibility bus")


def walk(node, depth=0):
    states = node.getState()
    flags = [f for f, s in (("disabled", pyatspi.STATE_ENABLED), ("not showing", pyatspi.STATE_SHOWING))
             if not states.contains(s)]
    print("  " * depth + f"{node.getRoleName()}: {node.name!r} {' '.join(flags)}".rstrip())
    for child in node:
        walk(child, depth + 1)


app = find_app()
time.sleep(0.5)
for alert in [c for c in app if c.getRoleName() == "alert"]:
    walk(alert)
    for button in alert[len(alert) - 1]:
        button.queryAction().doAction(0)
time.sleep(0.5)
walk(app)
