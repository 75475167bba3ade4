"""Reads the running program's accessibility tree through AT-SPI, as a screen
reader does, and uses the program through it: types a count into an edit
field, presses buttons by their actions and listens for the changes. Prints
what it read; exits non-zero on the first thing that is not as it should be."""
import re
import sys
import time

import pyatspi
from gi.repository import GLib

BOARD = re.compile(r"^133 行，202 列，(\d+) 个活细胞$")
PROGRESS = re.compile(r"^进化完成 (\d+) 代\.$")


def fail(message):
    print(f"FAIL: {message}")
    sys.exit(1)


def wait_until(condition, what, seconds=10):
    """Dispatches AT-SPI events until condition() holds; fails after seconds."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while GLib.MainContext.default().iteration(False):
            pass
        found = condition()
        if found:
            return found
        time.sleep(0.05)
    fail(f"{what} within {seconds} s")


def program():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "talvoreth" and app.childCount:
            return app
    return None


def nodes(node):
    yield node
    for child in node:
        if child is not None:
            yield from nodes(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def find(root, role, name):
    for node in nodes(root):
        if node.getRoleName() == role and node.name == name:
            return node
    fail(f"no {role} named {name!r}")


def press(node):
    actions = node.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) == "Press":
            actions.doAction(i)
            return
    fail(f"{node.name!r} has no press action")


def living(board):
    match = BOARD.match(board.description)
    return int(match.group(1)) if match else None


def named(root, role):
    """The names of the showing nodes of a role."""
    return {node.name for node in nodes(root) if node.getRoleName() == role and showing(node)}


def read_tree(frame):
    """Prints the named nodes and checks them; returns the status line and the board."""
    for node in nodes(frame):
        if node.name or node.description:
            print(f"  {node.getRoleName()} {node.name!r} {node.description!r}"
                  f"{'' if showing(node) else ' (not showing)'}")
    buttons = {"清屏", "随机", "进化", "停止", "最小化", "关闭"}
    if named(frame, "push button") != buttons:
        fail(f"the showing push buttons are {sorted(named(frame, 'push button'))}")
    if named(frame, "text") != {"随机个数", "进化次数"}:
        fail(f"the edit fields are named {sorted(named(frame, 'text'))}")
    status = find(frame, "label", "已初始化")
    board = find(frame, "image", "棋盘")
    if living(board) != 0:
        fail(f"the new board reads {board.description!r}")
    return status, board


def main():
    # The labels' announcements of a new name. A run announces each count, far
    # more often than anyone can listen: the handler only keeps them.
    announced = []
    pyatspi.Registry.registerEventListener(announced.append,
                                           "object:property-change:accessible-name")

    app = wait_until(program, "the program on the accessibility bus")
    frames = [child for child in app if child.getRoleName() == "frame"]
    if [frame.name for frame in frames] != ["Talvoreth"]:
        fail(f"the program's windows are {[(c.getRoleName(), c.name) for c in app]}")
    frame = frames[0]
    status, board = read_tree(frame)

    # One seed: a lone cell, which dies in the first generation of the run.
    find(frame, "text", "随机个数").queryEditableText().setTextContents("1")
    press(find(frame, "push button", "随机"))
    wait_until(lambda: living(board) == 1, "one living cell on the board after Random")
    find(frame, "text", "进化次数").queryEditableText().setTextContents("1000000")
    press(find(frame, "push button", "进化"))

    # The status line as a screen reader reads it when it hears it changed.
    counts = []

    def counted(enough):
        match = PROGRESS.match(status.name)
        if match and int(match.group(1)) not in counts:
            counts.append(int(match.group(1)))
        return len(counts) >= enough and any(event.source == status for event in announced)

    wait_until(lambda: counted(3), "three counts of the run announced")
    if counts != sorted(counts):
        fail(f"the status line counted {counts}")
    if living(board) != 1:
        fail(f"the board was described during the run: {board.description!r}")
    press(find(frame, "push button", "停止"))
    wait_until(lambda: living(board) == 0, "the board's description at the end of the run")
    print(f"the status line read {', '.join(map(str, counts))}... generations out of"
          f" {len(announced)} announcements; stopped, the board reads {board.description!r}")
    press(find(frame, "push button", "关闭"))


main()
