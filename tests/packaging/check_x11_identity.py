#!/usr/bin/python3
"""Starts the program on a private X server as a launcher would, with a startup-notification
id, and checks what the desktop sees of it: the notification is completed once the first
window shows, and every window's WM_CLASS is the class the menu entry names, so a dash or
task bar puts the running program under its own launcher.

Usage: check_x11_identity.py PROGRAM DESKTOP_FILE
"""
import os
import signal
import subprocess
import sys
import tempfile
import time

from Xlib import X, display

TIMEOUT = 60


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def desktop_entry(path):
    entry = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            key, sep, value = line.strip().partition("=")
            if sep:
                entry[key] = value
    return entry


def start_xvfb():
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
        start_new_session=True)
    os.close(write_end)
    with os.fdopen(read_end) as f:
        number = f.readline().strip()
    if not number:
        xvfb.kill()
        fail("Xvfb did not start")
    return xvfb, f":{number}"


def stop(process):
    if process.poll() is None:
        os.killpg(process.pid, signal.SIGTERM)
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()


def startup_messages(conn, program, deadline):
    """Yields each startup-notification message sent on the root window, as text."""
    begin = conn.intern_atom("_NET_STARTUP_INFO_BEGIN")
    more = conn.intern_atom("_NET_STARTUP_INFO")
    partial = {}
    while time.monotonic() < deadline and program.poll() is None:
        if not conn.pending_events():
            time.sleep(0.05)
            continue
        event = conn.next_event()
        if event.type != X.ClientMessage or event.client_type not in (begin, more):
            continue
        key = event.window.id
        if event.client_type == begin:
            partial[key] = b""
        chunk = bytes(event.data[1])
        partial[key] = partial.get(key, b"") + chunk.split(b"\0")[0]
        if b"\0" in chunk:
            yield partial.pop(key).decode("utf-8", "replace")


def program_windows(conn):
    windows = []
    for window in conn.screen().root.query_tree().children:
        wm_class = window.get_wm_class()
        if wm_class:
            windows.append((window, wm_class, window.get_attributes().map_state == X.IsViewable))
    return windows


def main():
    program, desktop_file = sys.argv[1], sys.argv[2]
    entry = desktop_entry(desktop_file)
    if entry.get("StartupNotify") != "true":
        fail(f"{desktop_file} does not ask for startup notification")
    wm_class = entry.get("StartupWMClass")
    if not wm_class:
        fail(f"{desktop_file} has no StartupWMClass")

    xvfb, name = start_xvfb()
    app = None
    try:
        conn = display.Display(name)
        conn.screen().root.change_attributes(event_mask=X.PropertyChangeMask)
        conn.sync()
        startup_id = f"lottoworla-check-{os.getpid()}_TIME0"
        env = {k: v for k, v in os.environ.items() if k not in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        env.update(DISPLAY=name, QT_QPA_PLATFORM="xcb", DESKTOP_STARTUP_ID=startup_id,
                   XDG_RUNTIME_DIR=tempfile.mkdtemp(prefix="lotto-x11-"))
        app = subprocess.Popen([program], env=env, start_new_session=True,
                               stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)

        deadline = time.monotonic() + TIMEOUT
        completed = False
        for message in startup_messages(conn, app, deadline):
            if message.startswith("remove:") and f"ID={startup_id}" in message:
                completed = True
                break
        if not completed:
            fail(f"no 'remove: ID={startup_id}' startup message within {TIMEOUT} s"
                 + (f"; the program ended with {app.returncode}" if app.poll() is not None else ""))

        # The notification ends when the first window shows: it is on the screen by now.
        windows = program_windows(conn)
        shown = [w for w in windows if w[2]]
        if not shown:
            fail("the startup notification was completed before any window was shown")
        for window, (instance, cls), _ in windows:
            if cls != wm_class:
                fail(f"window {window.id:#x} has WM_CLASS {instance!r}, {cls!r}; "
                     f"the menu entry's StartupWMClass is {wm_class!r}")
        print(f"startup notification completed; {len(windows)} window(s) of class {wm_class!r}")
    finally:
        if app:
            stop(app)
        stop(xvfb)


if __name__ == "__main__":
    main()
