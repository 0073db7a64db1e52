#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end run of the installed program, driven through the accessibility bus.

Installs the build into a temporary prefix, starts the installed launcher with a fresh
HOME, presses Start, lets the body turn for two seconds, reads the status bar, checks a
screenshot of the window for body, marker and ellipsoid, and leaves through File > Exit.
Run inside `dbus-run-session` on an X display (the test command provides Xvfb).
"""
import os
import re
import subprocess
import sys
import tempfile
import time

import pyatspi

BUILD_DIR = sys.argv[1]


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def find(root, role, name=None, pattern=None):
    for node in walk(root):
        if node.getRoleName() != role:
            continue
        if name is not None and node.name != name:
            continue
        if pattern is not None and not re.search(pattern, node.name or ""):
            continue
        return node
    return None


def wait_for(what, probe, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    fail("timed out waiting for " + what)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "vorlix" and find(app, "push button", "Start"):
            return app
    return None


def window_id():
    tree = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True).stdout
    match = re.search(r'^\s*(0x[0-9a-f]+) "Vorlix"', tree, re.M)
    return match.group(1) if match else None


def screenshot(path):
    subprocess.run(["import", "-window", window_id(), path], check=True)
    size = subprocess.run(["identify", "-format", "%w %h", path], capture_output=True,
                          text=True, check=True).stdout.split()
    raw = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True,
                         check=True).stdout
    return int(size[0]), int(size[1]), raw


def view_pixels(shot):
    """The pixels of the 3-D view: the left part of the window, inside the frame."""
    width, height, raw = shot
    pixels = []
    for y in range(60, height - 60, 2):
        for x in range(20, int(width * 0.7), 2):
            i = (y * width + x) * 3
            pixels.append((raw[i], raw[i + 1], raw[i + 2]))
    return pixels


def marker_pixels(pixels):
    def dominant(value, other1, other2):
        return value > 120 and value > 1.6 * other1 and value > 1.6 * other2

    return {"red": sum(1 for r, g, b in pixels if dominant(r, g, b)),
            "green": sum(1 for r, g, b in pixels if dominant(g, r, b)),
            "blue": sum(1 for r, g, b in pixels if dominant(b, r, g))}


def main():
    work = tempfile.mkdtemp(prefix="vorlix-e2e-")
    prefix, home, runtime = (os.path.join(work, d) for d in ("prefix", "home", "runtime"))
    os.makedirs(home)
    os.makedirs(runtime, mode=0o700)
    subprocess.run(["cmake", "--install", BUILD_DIR, "--prefix", prefix], check=True,
                   stdout=subprocess.DEVNULL)

    desktop_entry = open(os.path.join(
        prefix, "share/applications/io.github.vorlix.Vorlix.desktop")).read()
    command = re.search(r"^Exec=(\S+)", desktop_entry, re.M).group(1)
    launcher = os.path.join(prefix, "bin", command)
    for name in ("cylinder.obj", "arrow.obj3", "default.ini"):
        if not os.path.exists(os.path.join(prefix, "share/vorlix", name)):
            fail("installed data file missing: " + name)
    if not os.path.exists(os.path.join(prefix, "share/icons/hicolor/32x32/apps/vorlix.png")):
        fail("installed icon missing")

    env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=runtime, LANG="C.UTF-8",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LIBGL_ALWAYS_SOFTWARE="1")
    env.pop("LC_ALL", None)
    stderr_path = os.path.join(work, "stderr.txt")
    with open(stderr_path, "w") as stderr:
        program = subprocess.Popen([launcher], cwd=work, env=env, stderr=stderr)
    try:
        # Qt joins the accessibility bus only if the bus starts after the program does,
        # and the first query below is what starts it.
        wait_for("the main window", window_id, 60)
        app = wait_for("the main window on the accessibility bus", application)
        time.sleep(1)
        before = screenshot(os.path.join(work, "before.png"))

        find(app, "push button", "Start").queryAction().doAction(0)
        # The tumbling body shows each arm of the marker from the side at some moment.
        marker = {"red": 0, "green": 0, "blue": 0}
        started = time.time()
        while time.time() - started < 2.5:
            for colour, count in marker_pixels(view_pixels(screenshot(os.path.join(work, "running.png")))).items():
                marker[colour] = max(marker[colour], count)
            time.sleep(0.2)
        print("most red, green, blue marker pixels seen:", marker)
        if min(marker.values()) < 20:
            fail("the red, green and blue axis marker is not all visible")
        fps = wait_for("a positive FPS count",
                       lambda: find(app, "label", pattern=r"^FPS: [1-9]\d*$"), 5)
        print("status bar:", fps.name)
        if not find(app, "push button", "Stop"):
            fail("the button does not show Stop while running")

        after = screenshot(os.path.join(work, "after.png"))
        changed = sum(a != b for a, b in zip(view_pixels(before), view_pixels(after)))
        print("view pixels changed while running:", changed)
        if changed < 200:
            fail("the body did not turn")

        find(app, "push button", "Stop").queryAction().doAction(0)
        wait_for("the button to show Start again", lambda: find(app, "push button", "Start"))
        with_ellipsoid = view_pixels(screenshot(os.path.join(work, "stopped.png")))
        find(app, "check box", "Poinsot's ellipsoid").queryAction().doAction(0)
        time.sleep(0.5)
        without_ellipsoid = view_pixels(screenshot(os.path.join(work, "no-ellipsoid.png")))

        def grey(r, g, b):
            return max(r, g, b) - min(r, g, b) < 16 and 25 < max(r, g, b) < 230

        body = sum(1 for p in without_ellipsoid if grey(*p))
        shell = sum(1 for a, b in zip(with_ellipsoid, without_ellipsoid) if a != b and grey(*a))
        print("body, ellipsoid pixels:", body, shell)
        if body < 500:
            fail("no grey body in the view")
        if shell < 500:
            fail("no translucent ellipsoid in the view")

        find(app, "menu item", "Exit").queryAction().doAction(0)
        status = program.wait(timeout=15)
    finally:
        if program.poll() is None:
            program.kill()
        else:
            print("the program exited with status", program.returncode)
    errors = open(stderr_path).read().strip()
    if status != 0:
        fail("exit status %d" % status)
    if errors:
        fail("the program wrote to stderr:\n" + errors)
    print("PASS: end-to-end run of the installed program")


main()
