#!/usr/bin/python3
"""The program on a real desktop, driven as a user drives it.

    desktop.py WM PROGRAM     WM: openbox, mutter, kwin (Xvfb), or weston, gnome-wayland or
                              plasma-wayland (Wayland, headless: weston, or mutter or KWin on
                              a virtual monitor)

Every server, window manager and program this starts runs in a process group of its own and
is killed on every way out. X11: real input through XTEST (xdotool), results read the way the
window manager sees them (xprop, xwininfo). Wayland: a client sees no other window, so the
program is driven and read through its accessibility tree (AT-SPI), as a screen reader does.
The link commands' fixed addresses are sent to a page server on 127.0.0.1, set as the web
engine's proxy. With LOTTO_SCREENSHOT_DIR set, a screenshot of the main
window is written there as desktop-WM.png.
"""
import atexit
import ctypes
import http.server
import os
import re
import shutil
import signal
import socket
import ssl
import subprocess
import sys
import tempfile
import threading
import time

WM, PROGRAM = sys.argv[1], os.path.abspath(sys.argv[-1])
MAIN_TITLE = "Orvek's Lotto Worla Generator"
PAGE_TITLE = "Loopback results page"
SCREEN_W, SCREEN_H = 1600, 1000
LOG = tempfile.NamedTemporaryFile(prefix=f"desktop-{WM}-", suffix=".log", delete=False)
procs = []
dirs = []
failures = []
T0 = time.monotonic()
SKIPPED = 77  # what CTest reads as "skipped" (tests/desktop/CMakeLists.txt)


def fail(window, saw):
    failures.append(f"[{WM}] {window}: {saw}")
    print(f"FAIL {failures[-1]} ({time.monotonic() - T0:.1f} s)", flush=True)


def ok(what):
    print(f"ok   [{WM}] {what} ({time.monotonic() - T0:.1f} s)", flush=True)


def check(cond, window, what, saw):
    if cond:
        ok(f"{window}: {what}")
    else:
        fail(window, f"expected {what}; saw {saw}")
    return cond


def _die_with_parent():
    ctypes.CDLL("libc.so.6").prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG


def start(cmd, env, **kw):
    p = subprocess.Popen(cmd, env=env, stdin=subprocess.DEVNULL, stdout=LOG, stderr=LOG,
                         start_new_session=True, preexec_fn=_die_with_parent, **kw)
    procs.append(p)
    return p


def stop(p):
    for sig, wait in ((signal.SIGTERM, 3), (signal.SIGKILL, 3)):
        try:
            os.killpg(p.pid, sig)
        except ProcessLookupError:
            pass
        try:
            p.wait(wait)
            break
        except subprocess.TimeoutExpired:
            pass
    # Whatever the group left behind (web engine helpers) goes too.
    for pid in session_pids(p.pid):
        try:
            os.kill(pid, signal.SIGKILL)
        except ProcessLookupError:
            pass


def cleanup():
    for p in reversed(procs):
        stop(p)
    procs.clear()
    for d in dirs:
        shutil.rmtree(d, ignore_errors=True)


def temp_dir(prefix):
    dirs.append(tempfile.mkdtemp(prefix=prefix))
    return dirs[-1]


atexit.register(cleanup)
signal.signal(signal.SIGTERM, lambda *a: sys.exit(2))
signal.signal(signal.SIGALRM, lambda *a: (fail("test", "gave up after 240 s"), sys.exit(2)))
signal.alarm(240)


def session_pids(sid):
    pids = []
    for d in os.listdir("/proc"):
        if d.isdigit():
            try:
                if os.getsid(int(d)) == sid:
                    pids.append(int(d))
            except OSError:
                pass
    return pids


def wait_for(cond, timeout=20.0, step=0.1):
    """Polls cond() until it returns something true; returns that, or None at the timeout."""
    end = time.monotonic() + timeout
    while True:
        v = cond()
        if v:
            return v
        if time.monotonic() > end:
            return None
        time.sleep(step)


def run(cmd, env):
    r = subprocess.run(cmd, env=env, capture_output=True, text=True, timeout=30)
    return r.stdout if r.returncode == 0 else ""


def base_env():
    env = {k: v for k, v in os.environ.items()
           if not k.startswith(("QT_", "DISPLAY", "WAYLAND_", "DBUS_", "XDG_RUNTIME"))}
    env["XDG_RUNTIME_DIR"] = temp_dir("desktop-run-")
    os.chmod(env["XDG_RUNTIME_DIR"], 0o700)
    return env


def start_session_bus(env):
    r, w = os.pipe()
    start(["dbus-daemon", "--session", "--nofork", "--nopidfile", f"--print-address={w}"], env,
          pass_fds=(w,))
    os.close(w)
    with os.fdopen(r) as f:
        env["DBUS_SESSION_BUS_ADDRESS"] = f.readline().strip()
    # The screen-reader bus, for the accessibility tree.
    start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env)


class PageServer(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        body = f"<html><head><title>{PAGE_TITLE}</title></head><body>ok</body></html>".encode()
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def do_CONNECT(self):
        # An https address: the tunnel ends here, in TLS with a certificate of our own.
        self.server.asked.append(self.path)
        self.send_response(200, "Connection established")
        self.end_headers()
        try:
            tls = self.server.tls.wrap_socket(self.connection, server_side=True)
            PageServer(tls, self.client_address, self.server)
        except OSError:
            pass
        self.close_connection = True

    def log_message(self, *a):
        pass


def start_page_server():
    """A page server on 127.0.0.1 that is also the web engine's proxy: every address the
    program opens, https included, gets its page."""
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), PageServer)
    d = temp_dir("desktop-tls-")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1",
                    "-subj", "/CN=loopback", "-keyout", f"{d}/key.pem", "-out", f"{d}/cert.pem"],
                   check=True, capture_output=True, timeout=60)
    server.tls = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    server.tls.load_cert_chain(f"{d}/cert.pem", f"{d}/key.pem")
    server.asked = []
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server.server_address[1]


def program_env(env, port):
    env = dict(env)
    env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    # Every address goes through the page server, as through a proxy.
    env["QTWEBENGINE_CHROMIUM_FLAGS"] = f"--proxy-server=http://127.0.0.1:{port} --ignore-certificate-errors --disable-gpu"
    # The browser helper drops the flags above unless told that a test means them.
    env["LOTTOWORLA_TEST_ENGINE_FLAGS"] = "1"
    env["LC_ALL"] = env["LANG"] = "C.UTF-8"
    env.pop("LANGUAGE", None)
    return env


# ---------------------------------------------------------------- AT-SPI (both platforms)

class Atspi:
    def __init__(self, env):
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = env["DBUS_SESSION_BUS_ADDRESS"]
        import pyatspi  # noqa: imported once the bus is known
        self.pyatspi = pyatspi

    def apps(self):
        try:
            desk = self.pyatspi.Registry.getDesktop(0)
            return [a for a in desk if a is not None and a.name.startswith("lottoworla")]
        except Exception:
            return []

    def frames(self):
        out = []
        for app in self.apps():
            try:
                for i in range(app.childCount):
                    c = app.getChildAtIndex(i)
                    if c is not None and c.getState().contains(self.pyatspi.STATE_SHOWING):
                        out.append(c)
            except Exception:
                pass
        return out

    def frame(self, name):
        for f in self.frames():
            try:
                if name(f.name) if callable(name) else f.name == name:
                    return f
            except Exception:
                pass
        return None

    def find(self, root, pred, depth=0):
        try:
            if pred(root):
                return root
            if depth > 12:
                return None
            for i in range(root.childCount):
                hit = self.find(root.getChildAtIndex(i), pred, depth + 1)
                if hit is not None:
                    return hit
        except Exception:
            pass
        return None

    def is_role(self, acc, role):
        """Compares roles by their AT-SPI value: the names differ between releases (a push
        button is "push button" to at-spi2-core 2.46, "button" to 2.56)."""
        return acc.getRole() == getattr(self.pyatspi, "ROLE_" + role.upper().replace(" ", "_"))

    def showing(self, acc):
        return acc.getState().contains(self.pyatspi.STATE_SHOWING)

    def named(self, root, name, role=None):
        return self.find(root, lambda a: a.name == name and self.showing(a)
                         and (role is None or self.is_role(a, role)))

    def press(self, acc):
        action = acc.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        for n in ("Press", "press", "click", "Toggle"):
            if n in names:
                return action.doAction(names.index(n))
        return action.doAction(0)

    def press_detached(self, env, frame, name, role):
        """Presses a control whose action returns only once the modal window it opens has
        closed, from a process of its own."""
        return start([sys.executable, os.path.abspath(__file__), "--press", frame, name, role],
                     env)

    def texts(self, root):
        out = []
        self.find(root, lambda a: out.append(a.name) and False)
        return out

    def open_lotto649(self, main):
        """Presses the Lotto 649 picture on the selection screen; returns the game panel's
        Generate button, or None (each failing step is reported)."""
        pic = wait_for(lambda: self.find(main, lambda a: self.is_role(a, "push button")
                                         and "649" in a.name and self.showing(a)), 10)
        if not check(pic, "main window", "the Lotto 649 picture as a button", self.texts(main)):
            return None
        self.press(pic)
        gen = wait_for(lambda: self.named(main, "Generate"), 10)
        return gen if check(gen, "main window", "the game panel after the picture",
                            self.texts(main)) else None


# ---------------------------------------------------------------- X11

MODIFIER_KEYS = {"ctrl": "Control_L", "alt": "Alt_L", "shift": "Shift_L", "super": "Super_L"}


class X11:
    def __init__(self, env):
        self.env = env

    def x(self, *cmd):
        return run(list(cmd), self.env)

    def clients(self):
        m = re.search(r"# (.*)", self.x("xprop", "-root", "_NET_CLIENT_LIST_STACKING"))
        return [int(w, 16) for w in re.findall(r"0x[0-9a-f]+", m.group(1))] if m else []

    def prop(self, wid, name):
        out = self.x("xprop", "-id", hex(wid), name)
        m = re.search(r"[=:]\s*(.*)", out)
        return m.group(1).strip() if m and "not found" not in out else ""

    def title(self, wid):
        v = self.prop(wid, "_NET_WM_NAME")
        return v.strip('"') if v else ""

    def is_ours(self, wid):
        return "lottoworla" in self.prop(wid, "WM_CLASS")

    def windows(self):
        return [w for w in self.clients() if self.is_ours(w)]

    def describe(self):
        """Every window of the program the window manager lists, for a failure message."""
        return [(hex(w), self.title(w), self.prop(w, "WM_CLASS"), self.state(w))
                for w in self.windows()] + [f"active {hex(self.active())}"]

    def window(self, pred):
        for w in self.windows():
            if pred(w):
                return w
        return None

    def geometry(self, wid):
        out = self.x("xwininfo", "-id", hex(wid))
        g = {k: int(v) for k, v in re.findall(r"(Absolute upper-left [XY]|Width|Height):\s+(-?\d+)",
                                             out)}
        if len(g) < 4:
            return None
        return g["Absolute upper-left X"], g["Absolute upper-left Y"], g["Width"], g["Height"]

    def frame_rect(self, wid):
        g = self.geometry(wid)
        if not g:
            return None
        ext = [int(v) for v in re.findall(r"\d+", self.prop(wid, "_NET_FRAME_EXTENTS"))] or [0] * 4
        left, right, top, bottom = ext
        return g[0] - left, g[1] - top, g[2] + left + right, g[3] + top + bottom

    def active(self):
        m = re.search(r"window id # (0x[0-9a-f]+)", self.x("xprop", "-root", "_NET_ACTIVE_WINDOW"))
        return int(m.group(1), 16) if m else 0

    def state(self, wid):
        return self.prop(wid, "_NET_WM_STATE")

    def key(self, *keys):
        """Types each key or chord ("alt+a") as a keyboard does: its key codes through XTEST,
        holding only the modifiers it names. xdotool looks a key up by its symbol, and with
        xkeyboard-config 2.48 (Debian testing) it holds Alt for F1, which that keymap also
        reaches with Alt: a program then sees Alt+F1 where a person pressed F1."""
        from Xlib import X, XK, display
        from Xlib.ext import xtest
        d = display.Display(self.env["DISPLAY"])
        try:
            for chord in keys:
                names = [MODIFIER_KEYS.get(k.lower(), k) for k in chord.split("+")]
                codes = [d.keysym_to_keycode(XK.string_to_keysym(n)) for n in names]
                if not all(codes):
                    raise ValueError(f"no key code for {chord}")
                for c in codes:
                    xtest.fake_input(d, X.KeyPress, c)
                for c in reversed(codes):
                    xtest.fake_input(d, X.KeyRelease, c)
                d.sync()
        finally:
            d.close()

    def popups(self):
        shown = re.findall(r"\d+", self.x("xdotool", "search", "--onlyvisible", "--class",
                                          "lottoworla"))
        managed = set(self.clients())
        return [w for w in map(int, shown) if w not in managed]

    def menu(self, *keys):
        """Menu access keys, each one once the menu it opens is on the screen."""
        base = len(self.popups())  # a tooltip may be showing
        for n, k in enumerate(keys):
            self.key(k)
            if n + 1 < len(keys) and not wait_for(lambda: len(self.popups()) > base + n, 5):
                fail("menu", f"no menu open after {' '.join(keys[:n + 1])}")

    def min_max(self, wid):
        out = self.x("xprop", "-id", hex(wid), "WM_NORMAL_HINTS")
        mn = re.search(r"minimum size: (\d+) by (\d+)", out)
        mx = re.search(r"maximum size: (\d+) by (\d+)", out)
        return (mn.groups() if mn else None), (mx.groups() if mx else None)

    def shot(self, wid, path):
        x, y, w, h = self.frame_rect(wid)
        self.x("import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}", "+repage", path)


def centred(rect):
    x, y, w, h = rect
    return abs(x + w / 2 - SCREEN_W / 2) <= 1 and abs(y + h / 2 - SCREEN_H / 2) <= 1


def free_display():
    """A display number no X server on this machine uses. Xvfb's own choice looks only at the
    lock files in /tmp, but the abstract socket an X client tries first is one name for every
    root on the machine: a test in a Debian 13 root would talk to a server on the host."""
    for n in range(100 + os.getpid() % 800, 1000):
        if os.path.exists(f"/tmp/.X{n}-lock"):
            continue
        with socket.socket(socket.AF_UNIX) as s:
            try:
                s.connect(f"\0/tmp/.X11-unix/X{n}")
            except OSError:
                return n
    return 999


def start_x11(env):
    r, w = os.pipe()
    start(["Xvfb", f":{free_display()}", "-displayfd", str(w), "-screen", "0",
           f"{SCREEN_W}x{SCREEN_H}x24", "-nolisten", "tcp", "-noreset"], env, pass_fds=(w,))
    os.close(w)
    with os.fdopen(r) as f:
        env["DISPLAY"] = ":" + f.readline().strip()
    start_session_bus(env)
    if WM == "mutter" and "--x11" not in run(["mutter", "--help"], env):
        # GNOME 49 and later run on Wayland only: that is the gnome-wayland test.
        print(f"SKIP: this mutter ({run(['mutter', '--version'], env).strip()}) has no X11 mode",
              flush=True)
        os.unlink(LOG.name)
        sys.exit(SKIPPED)
    wm = {"openbox": ["openbox"],
          "mutter": ["mutter", "--x11", "--replace", "--sm-disable"],
          "kwin": ["kwin_x11", "--replace"]}[WM]
    start(wm, env)
    x = X11(env)
    # The window manager is up once it names itself on the root window.
    if not wait_for(lambda: "window id" in x.x("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"), 60):
        fail(WM, "the window manager did not come up in 60 s")
        sys.exit(1)
    return x


def settled_height(x, wid):
    """The window's client height once it has stayed the same for 0.6 s."""
    seen = []
    wait_for(lambda: seen.append((x.geometry(wid) or [0] * 4)[3]) or seen[-12:] == seen[-1:] * 12,
             15, 0.05)
    return seen[-1]


def editor_animation(x):
    """Clicks on the editor's instruction label (at (120, 24) in the window): each animation
    ends on its bound, a client area of 3165 or 6960 twips."""
    x.key("ctrl+c")
    ed = wait_for(lambda: x.window(lambda w: x.title(w) == "Add/Remove Vorla"), 20)
    for what, gaps, bound in (("expand", [0], 464), ("collapse", [0], 211),
                              ("reversal 80 ms into growing", [0, 0.08], 211)):
        for gap in gaps if ed and settled_height(x, ed) else []:
            time.sleep(gap)
            ex, ey = x.geometry(ed)[:2]
            x.x("xdotool", "mousemove", str(ex + 160), str(ey + 32), "click", "1")
        h = ed and settled_height(x, ed)
        check(h and abs(h - bound) <= 2, "luck-word editor", f"{what} ends at {bound} px: {h}", h)
    x.key("Escape")
    x.x("xdotool", "mousemove", "0", "0")


def keyboard_generate(x, at, main, frame):
    """Space on Generate, then Enter once the run is over: a second run, no browser window."""
    def numbers():
        return [n for n in at.texts(frame) if re.match(r"Number \d of 6: \d+$", n or "")]

    def run_over():
        clear = at.named(frame, "Clear")
        return clear and clear.getState().contains(at.pyatspi.STATE_ENABLED) and numbers()

    if at.open_lotto649(frame):
        x.key("space")
        first = wait_for(run_over, 60) and numbers()
        x.key("Return")
        again = wait_for(lambda: run_over() and numbers() != first, 30)
        time.sleep(2)  # a browser window would be on its way by now
        browser = x.window(lambda w: "lottoworla-browser" in x.prop(w, "WM_CLASS"))
        check(first and again and not browser, "main window",
              "Space on Generate, then Enter: a second run, no browser", (first, again, browser))
        if browser:  # the checks after this one want the keyboard back
            x.x("wmctrl", "-i", "-c", hex(browser))
            wait_for(lambda: x.active() == main, 20)
        x.key("Escape")


def keeps_place(x, main):
    """Moved, minimised and restored, the main window stays where it was put."""
    x.x("xdotool", "windowmove", hex(main), "67", "162")
    time.sleep(1)
    moved = x.frame_rect(main)
    x.x("xdotool", "windowminimize", hex(main))
    wait_for(lambda: "HIDDEN" in x.state(main), 10)
    x.x("wmctrl", "-i", "-a", hex(main))
    wait_for(lambda: "HIDDEN" not in x.state(main), 10)
    time.sleep(1)  # a late placement would come now
    check(moved and not centred(moved) and x.frame_rect(main) == moved, "main window",
          "keeps its place when minimised and restored", f"{moved} then {x.frame_rect(main)}")


def dialogs_after_help(x, main, dialog_checks):
    """F1, Esc, then About and the editor: still the main window's dialogs."""
    x.key("F1")
    help_ = wait_for(lambda: x.window(lambda w: x.title(w) == "Help"), 20)
    if help_ and wait_for(lambda: x.active() == help_, 10):
        x.key("Escape")
        check(wait_for(lambda: help_ not in x.windows() and x.active() == main, 10), "Help",
              "closes on Esc and gives the keyboard back to the main window", x.describe())
    dialog_checks("About box after Help", ["ctrl+a"], ["Return"])
    dialog_checks("luck-word editor after Help", ["ctrl+c"], ["Escape"])


def x11_checks(env, port):
    x = start_x11(env)
    penv = program_env(env, port)
    penv["QT_QPA_PLATFORM"] = "xcb"
    at = Atspi(env)

    # 1. The splash: centred, holding the keyboard, gone at the first key. The pointer stays
    # out of the way (a tooltip would be one more window).
    x.x("xdotool", "mousemove", "0", "0")
    prog = start([PROGRAM], penv)
    splash = wait_for(lambda: x.window(lambda w: x.title(w) != MAIN_TITLE), 60)
    if not splash:
        fail("splash", "no window of the program appeared in 60 s")
        return
    rect = wait_for(lambda: x.frame_rect(splash), 5)
    check(rect and centred(rect), "splash", "frame centred on the 1600x1000 screen", rect)
    focused = wait_for(lambda: x.active() == splash, 3)
    check(focused, "splash", "the keyboard focus (_NET_ACTIVE_WINDOW)",
          f"active window {hex(x.active())}")
    x.key("shift")  # a modifier key alone
    pressed = time.monotonic()
    main = wait_for(lambda: x.window(lambda w: x.title(w) == MAIN_TITLE), 30)
    if not main:
        fail("main window", "did not appear after a key on the splash")
        return
    # A figure, not a check: the splash's own timer hands over 5 s after it loads.
    print(f"     main window mapped {time.monotonic() - pressed:.2f} s after the key", flush=True)
    gone = wait_for(lambda: splash not in x.windows(), 10)
    check(gone, "splash", "gone once the main window shows", "still mapped")

    # 2. The main window: centred counting its frame, fixed in size, holding the keyboard.
    rect = wait_for(lambda: (lambda r: r if r and centred(r) else None)(x.frame_rect(main)), 5)
    check(rect, "main window", "frame centred on the screen",
          f"frame {x.frame_rect(main)} extents {x.prop(main, '_NET_FRAME_EXTENTS')}")
    mn, mx = x.min_max(main)
    check(mn and mn == mx, "main window", "WM_NORMAL_HINTS minimum = maximum", (mn, mx))
    check(wait_for(lambda: x.active() == main, 10), "main window", "the keyboard after the splash",
          f"active window {hex(x.active())}")
    if os.environ.get("LOTTO_SCREENSHOT_DIR"):
        time.sleep(0.5)  # the last paint after the focus change; the picture is not checked
        x.shot(main, os.path.join(os.environ["LOTTO_SCREENSHOT_DIR"], f"desktop-{WM}.png"))

    # 3. The close box on the title bar does nothing (the About box below is the sync point).
    x.x("wmctrl", "-i", "-c", hex(main))

    # 4. About, through the menu access keys: modal, above the main window, keyboard back.
    def dialog_checks(name, keys, close_keys):
        x.menu(*keys)
        d = wait_for(lambda: x.window(lambda w: w != main and x.title(w) != MAIN_TITLE
                                      and w != splash), 20)
        if not check(d, name, f"appears on {' '.join(keys)}", x.windows()):
            return
        check("_NET_WM_STATE_MODAL" in x.state(d), name, "_NET_WM_STATE_MODAL", x.state(d))
        check(hex(main)[2:] in x.prop(d, "WM_TRANSIENT_FOR"), name, "transient for the main window",
              x.prop(d, "WM_TRANSIENT_FOR"))
        stack = x.clients()
        check(main in stack and d in stack and stack.index(d) > stack.index(main), name,
              "stacked above the main window", [hex(w) for w in stack])
        check(wait_for(lambda: x.active() == d, 10), name, "the keyboard focus",
              f"active {hex(x.active())}")
        x.key(*close_keys)
        closed = wait_for(lambda: d not in x.windows(), 10)
        check(closed, name, f"closes on {' '.join(close_keys)}", "still mapped")
        check(wait_for(lambda: x.active() == main, 10), name,
              "gives the keyboard back to the main window when closed",
              f"active {hex(x.active())}")

    dialog_checks("About box", ["alt+a", "a"], ["Escape"])
    check(main in x.windows(), "main window", "still open after its close box was pressed",
          "it went")
    dialog_checks("luck-word editor", ["alt+f", "a"], ["Escape"])

    # 5. Esc on a game panel goes back to the selection screen (read through AT-SPI).
    frame = wait_for(lambda: at.frame(MAIN_TITLE), 20)
    if check(frame, "main window", "in the accessibility tree", [f.name for f in at.frames()]):
        if at.open_lotto649(frame):
            x.key("Escape")
            back = wait_for(lambda: not at.named(frame, "Generate"), 10)
            check(back, "main window", "Esc goes back to the selection screen",
                  "the Generate button still showing")
        keyboard_generate(x, at, main, frame)
    editor_animation(x)

    # 6. Help: fixed in size.
    x.key("F1")
    help_ = wait_for(lambda: x.window(lambda w: x.title(w) == "Help"), 20)
    if check(help_, "Help", "appears on F1", [x.title(w) for w in x.windows()]):
        mn, mx = wait_for(lambda: (lambda m: m if m[0] and m[0] == m[1] else None)(
            x.min_max(help_)), 5) or x.min_max(help_)
        check(mn and mn == mx, "Help", "WM_NORMAL_HINTS minimum = maximum (no resizing)", (mn, mx))
        x.x("wmctrl", "-i", "-c", hex(help_))
        wait_for(lambda: help_ not in x.windows(), 10)
    dialogs_after_help(x, main, dialog_checks)
    keeps_place(x, main)

    # 7. The browser, through File, Internet, first link: maximised, the loopback page shown.
    x.menu("alt+f", "i", "Return")
    # The helper may replace its first native window when the web view joins it, so every
    # wait looks the browser window up again instead of holding on to the first id.
    def browser():
        return x.window(lambda w: x.prop(w, "WM_CLASS").startswith('"lottoworla-browser"'))

    def maximised(w):
        return w and "MAXIMIZED_VERT" in x.state(w) and "MAXIMIZED_HORZ" in x.state(w)

    if check(wait_for(browser, 60), "browser window", "appears on File, Internet, first link",
             [x.title(w) for w in x.windows()]):
        maxed = wait_for(lambda: maximised(browser()), 20)
        check(maxed, "browser window", "_NET_WM_STATE_MAXIMIZED_VERT and _HORZ", x.describe())
        page = wait_for(lambda: (w := browser()) and x.title(w) == PAGE_TITLE, 60)
        check(page, "browser window", f"title '{PAGE_TITLE}' from the loopback page",
              x.describe())
        if browser():
            x.x("wmctrl", "-i", "-c", hex(browser()))
        wait_for(lambda: browser() is None, 20)

    # 8. File, Exit, Yes: the program ends, nothing of it left.
    check(wait_for(lambda: x.active() == main, 10), "main window",
          "the keyboard back after the browser closed", f"active {hex(x.active())}")
    x.menu("alt+f", "x")
    box = wait_for(lambda: x.window(lambda w: w != main and x.title(w) != MAIN_TITLE), 20)
    if check(box, "Exit question", "appears on File, Exit", [x.title(w) for w in x.windows()]):
        check(wait_for(lambda: x.active() == box, 10), "Exit question", "the keyboard focus",
              f"active {hex(x.active())}")
        x.key("alt+y")
    try:
        prog.wait(30)
    except subprocess.TimeoutExpired:
        pass
    check(prog.poll() is not None, "program", "ended after File, Exit, Yes", "still running")
    left = wait_for(lambda: not session_pids(prog.pid), 15)
    check(left, "program", "no process left", session_pids(prog.pid))
    stop(prog)

    # 9. A click on the splash hands over too.
    prog = start([PROGRAM], penv)
    splash = wait_for(lambda: x.window(lambda w: x.title(w) != MAIN_TITLE), 60)
    if check(splash, "splash", "appears at the second start", "nothing"):
        sx, sy, sw, sh = x.geometry(splash)
        x.x("xdotool", "mousemove", str(sx + sw // 2), str(sy + sh // 2), "click", "1")
        main = wait_for(lambda: x.window(lambda w: x.title(w) == MAIN_TITLE), 30)
        check(main, "splash", "hands over on a click", "no main window")
        check(wait_for(lambda: splash not in x.windows(), 10), "splash",
              "gone after the click", "still mapped")
    stop(prog)


# ---------------------------------------------------------------- Wayland

WAYLAND_COMPOSITORS = {
    "weston": lambda name: ["weston", "--backend=headless-backend.so", f"--socket={name}",
                            f"--width={SCREEN_W}", f"--height={SCREEN_H}", "--debug",
                            "--use-pixman", "--idle-time=0"],
    # GNOME's compositor, as a Debian desktop session runs it, on a virtual monitor.
    "gnome-wayland": lambda name: ["mutter", "--headless", "--wayland", "--no-x11",
                                   f"--virtual-monitor={SCREEN_W}x{SCREEN_H}",
                                   f"--wayland-display={name}"],
    # Plasma's compositor, as Plasma's default session runs it, on a virtual framebuffer.
    "plasma-wayland": lambda name: [kwin_wayland(), "--virtual", "--socket", name,
                                    "--width", str(SCREEN_W), "--height", str(SCREEN_H),
                                    "--no-lockscreen", "--no-global-shortcuts"],
}


def kwin_wayland():
    """kwin_wayland carries a file capability, which a container may refuse to run ("Operation
    not permitted"); a copy without it runs anywhere. It must keep its name: KWin finds its
    platform plugins by it."""
    d = temp_dir("desktop-kwin-")
    shutil.copy(shutil.which("kwin_wayland") or "/usr/bin/kwin_wayland", d)
    return os.path.join(d, "kwin_wayland")


def wayland_checks(env, port):
    env["WAYLAND_DISPLAY"] = f"lotto-desktop-{os.getpid()}"
    start_session_bus(env)
    start(WAYLAND_COMPOSITORS[WM](env["WAYLAND_DISPLAY"]), env)
    sock = os.path.join(env["XDG_RUNTIME_DIR"], env["WAYLAND_DISPLAY"])
    if not wait_for(lambda: os.path.exists(sock), 60):
        fail(WM, "no Wayland socket in 60 s")
        return
    penv = program_env(env, port)
    penv["QT_QPA_PLATFORM"] = "wayland"
    # weston's headless back end has no seat, which no desktop session lacks: Qt 6.4's
    # Wayland input context then reads the missing seat as soon as a text box draws its
    # cursor, and the program dies. Without an input context nothing reads it.
    penv["QT_IM_MODULE"] = "none"
    at = Atspi(env)
    prog = start([PROGRAM], penv)

    # Any showing window of the program but the main one: Qt 6.8 gives the splash the role
    # of a window, Qt 6.4 that of a frame.
    splash = wait_for(lambda: at.frame(lambda n: n != MAIN_TITLE), 60)
    check(splash, "splash", "shows", "no window of the program in the accessibility tree")
    main = wait_for(lambda: at.frame(MAIN_TITLE), 60)
    if not check(main, "main window", "shows after the splash", [f.name for f in at.frames()]):
        return
    check(prog.poll() is None, "program", "still running", prog.poll())

    # A Generate run: Lotto 649, Generate, six numbers on the board.
    gen = at.open_lotto649(main)
    if gen:
        at.press(gen)
        filled = wait_for(lambda: (lambda t: t if len(t) == 6 else None)(
            [n for n in at.texts(main) if re.match(r"Number \d of 6: \d+$", n or "")]), 60)
        check(filled, "main window", "six numbers after Generate",
              [n for n in at.texts(main) if (n or "").startswith("Number")])
    if WM == "weston" and os.environ.get("LOTTO_SCREENSHOT_DIR"):
        shot = os.path.join(os.environ["LOTTO_SCREENSHOT_DIR"], "desktop-weston.png")
        d = temp_dir("desktop-shot-")
        subprocess.run(["weston-screenshooter"], env=env, cwd=d, timeout=30)
        pngs = [f for f in os.listdir(d) if f.endswith(".png")]
        if pngs:
            os.replace(os.path.join(d, pngs[0]), shot)

    # Help, then the browser from File, Internet, first link, on the loopback page.
    helpitem = at.find(main, lambda a: a.name == "Help" and at.is_role(a, "menu item"))
    if check(helpitem, "main window", "a Help menu item", "none"):
        at.press(helpitem)
        check(wait_for(lambda: at.frame("Help"), 20), "Help", "shows",
              [f.name for f in at.frames()])
    link = at.find(main, lambda a: a.name == "Lotto Result's Site." and
                   at.is_role(a, "menu item"))
    if check(link, "main window", "the File, Internet link menu item", "none"):
        at.press(link)
        page = wait_for(lambda: at.frame(PAGE_TITLE), 90)
        check(page, "browser window", f"shows the loopback page '{PAGE_TITLE}'",
              [f.name for f in at.frames()])
    check(prog.poll() is None, "program", "still running after the browser", prog.poll())

    # The modal windows, opened and closed through their own controls.
    for title, opener, role in (("About Orvek's Lotto Worla Generator", "About...", "menu item"),
                                ("Add/Remove Vorla", "Add/Remove Vorla", "push button")):
        at.press_detached(env, MAIN_TITLE, opener, role)
        d = wait_for(lambda: at.frame(title), 20)
        if check(d, title, "shows", [f.name for f in at.frames()]):
            at.press_detached(env, title, "OK", "push button")
            check(wait_for(lambda: not at.frame(title), 20), title, "closes on its OK button",
                  "still showing")

    # File, Exit, Yes: the program ends, nothing of it left.
    at.press_detached(env, MAIN_TITLE, "Exit", "menu item")
    # The question is the window with a Yes button: from Qt 6.11 on the web engine also shows
    # its page's surface as a window of its own, with no name.
    box = wait_for(lambda: next((f for f in at.frames() if at.named(f, "Yes", "push button")),
                                None), 20)
    if check(box, "Exit question", "shows", [f.name for f in at.frames()]):
        at.press_detached(env, box.name, "Yes", "push button")
    try:
        prog.wait(30)
    except subprocess.TimeoutExpired:
        pass
    check(prog.poll() == 0, "program", "ended with 0 after File, Exit, Yes", prog.poll())
    check(wait_for(lambda: not session_pids(prog.pid), 15), "program", "no process left",
          session_pids(prog.pid))
    stop(prog)


def press(frame, name, role):
    at = Atspi(os.environ)
    f = wait_for(lambda: at.frame(frame), 10)
    c = f and wait_for(lambda: at.find(f, lambda a: a.name == name and at.is_role(a, role)), 10)
    if c:
        at.press(c)


def main():
    if sys.argv[1] == "--press":
        signal.alarm(0)
        os.unlink(LOG.name)
        return press(*sys.argv[2:5])
    env = base_env()
    port = start_page_server()
    t0 = time.monotonic()
    try:
        (wayland_checks if WM in WAYLAND_COMPOSITORS else x11_checks)(env, port)
    finally:
        cleanup()
        print(f"[{WM}] {time.monotonic() - t0:.1f} s", flush=True)
    if failures:
        print(f"The servers' and the program's output: {LOG.name}")
        print(f"\n{len(failures)} check(s) failed:\n  " + "\n  ".join(failures))
        sys.exit(1)
    os.unlink(LOG.name)


if __name__ == "__main__":
    main()
