#!/usr/bin/python3
"""Plays a whole game through the accessibility bus (AT-SPI) only, as a blind player with a
screen reader would: no pointer, no keys, only the names, texts, states and actions that the
bus carries. Every number is read back through the bus after each step.

    bus_play_test.py GAME [TREE_FILE]

Runs on its own X server (Xvfb) inside its own D-Bus session with its own accessibility bus.
TREE_FILE receives each window's accessible tree in reading order. Exits 77 when Xvfb,
dbus-run-session, at-spi2-core or pyatspi is missing.
"""
import importlib.util
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
INSIDE = "AVTOSALON_BUS_SESSION"
DEADLINE_S = 100  # the whole run; CTest's own timeout is above it


class Failure(Exception):
    pass


def skip_reason():
    for tool in ("Xvfb", "dbus-run-session"):
        if not shutil.which(tool):
            return f"{tool} is not installed"
    if not os.access(BUS_LAUNCHER, os.X_OK):
        return "at-spi2-core is not installed"
    if importlib.util.find_spec("pyatspi") is None:
        return "python3-pyatspi is not installed"
    return None


# --- The private desktop -----------------------------------------------------------------


class Desktop:
    """Xvfb, the accessibility bus and the game, each ended when the run ends."""

    def __init__(self, work):
        self.work = work
        self.processes = []

    def start(self, name, argv, env=None, pass_fds=()):
        log = open(os.path.join(self.work, name + ".log"), "wb")
        process = subprocess.Popen(argv, stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                                   env=env, pass_fds=pass_fds, start_new_session=True)
        log.close()
        self.processes.append((name, process))
        return process

    def start_x(self):
        read_end, write_end = os.pipe()
        self.start("xvfb", ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                            "1280x1024x24", "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,))
        os.close(write_end)
        # The number comes before its newline, in writes of their own; the pipe stays open
        # until both have come, or the server fails on writing the second.
        said, end = b"", time.monotonic() + 10
        while not said.endswith(b"\n") and time.monotonic() < end:
            ready, _, _ = select.select([read_end], [], [], max(0, end - time.monotonic()))
            chunk = os.read(read_end, 64) if ready else b""
            if ready and not chunk:
                break
            said += chunk
        os.close(read_end)
        number = said.decode().strip()
        if not said.endswith(b"\n") or not number.isdigit():
            raise Failure("Xvfb did not report its display within 10 s")
        os.environ["DISPLAY"] = ":" + number

    def start_bus(self):
        self.start("at-spi-bus", [BUS_LAUNCHER, "--launch-immediately", "--a11y=1"])
        wait_for(lambda: subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"], stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL).returncode == 0, 10, "the accessibility bus")

    def start_game(self, game):
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANG="C.UTF-8", LC_ALL="C.UTF-8",
                   XDG_RUNTIME_DIR=self.work)
        return self.start("game", [game], env=env)

    def stop(self):
        for _, process in reversed(self.processes):
            if process.poll() is None:
                os.killpg(process.pid, signal.SIGTERM)
                try:
                    process.wait(3)
                except subprocess.TimeoutExpired:
                    os.killpg(process.pid, signal.SIGKILL)
                    process.wait()

    def logs(self):
        text = []
        for name, _ in self.processes:
            with open(os.path.join(self.work, name + ".log"), errors="replace") as log:
                content = log.read().strip()
            if content:
                text.append(f"--- {name}.log\n{content}")
        return "\n".join(text)


def wait_for(condition, seconds, what):
    """Polls until condition() gives a true value, which it returns; bus events run meanwhile."""
    end = time.monotonic() + seconds
    while True:
        try:
            value = condition()
        except Exception:  # the object may be gone or not there yet
            value = None
        if value:
            return value
        if time.monotonic() > end:
            raise Failure(f"waited {seconds} s for {what}")
        pump_events()
        time.sleep(0.05)


def pump_events():
    from gi.repository import GLib
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


# --- Reading the tree --------------------------------------------------------------------


def role(node):
    return node.getRoleName()


def has(node, state):
    """Whether the object is in that AT-SPI state: "SHOWING", "ENABLED", "SELECTED", ..."""
    import pyatspi  # only once the bus runs: importing it connects
    return node.getState().contains(getattr(pyatspi, "STATE_" + state))


def showing(node):
    return has(node, "SHOWING")


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def walk(node):
    yield node
    for child in children(node):
        yield from walk(child)


def text_of(node):
    try:
        text = node.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, text.characterCount)


def describe(node, depth=0):
    """One line per showing object in reading order, as a screen reader walks the window."""
    lines = []
    if depth and not showing(node):
        return lines
    flags = [] if has(node, "ENABLED") else ["disabled"]
    flags += [state.lower() for state in ("CHECKED", "SELECTED", "FOCUSED") if has(node, state)]
    text = text_of(node)
    line = "  " * depth + f"{role(node)} \"{node.name}\""
    if text is not None and text != node.name:
        line += f" text=\"{text}\""
    if flags:
        line += " [" + ", ".join(flags) + "]"
    lines.append(line)
    for child in children(node):
        lines.extend(describe(child, depth + 1))
    return lines


MODELS = ["SHEVROLET", "DODGE RAM", "YAMAHA", "BMV", "MERSEDES", "Jeep"]


class Game:
    """The game as the bus shows it: windows found by name, controls by role and name."""

    def __init__(self, application, process, trees):
        self.app = application
        self.process = process
        self.trees = trees
        self.names_heard = []

    def heard(self, event):
        self.names_heard.append(event.source.name)

    def window(self, name, seconds=10):
        return wait_for(lambda: next((w for w in children(self.app)
                                      if w.name == name and showing(w)), None),
                        seconds, f"the window \"{name}\" on the bus")

    def find(self, window, role_name, name, seconds=8, numbered=False):
        """The showing object of that role named name or, numbered, name followed by ': '."""
        def look():
            for node in walk(window):
                if node is window or role(node) != role_name or not showing(node):
                    continue
                if node.name.startswith(name + ": ") if numbered else node.name == name:
                    return node
            return None
        return wait_for(look, seconds, f"{role_name} \"{name}\" in \"{window.name}\"")

    def absent(self, window, role_name, name, seconds=5):
        def gone():
            return all(not (role(node) == role_name and node.name == name and showing(node))
                       for node in walk(window))
        wait_for(gone, seconds, f"{role_name} \"{name}\" to leave \"{window.name}\"")

    @staticmethod
    def act(node, *wanted):
        action = node.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        for i, name in enumerate(names):
            if name.lower() in wanted:
                action.doAction(i)
                return
        raise Failure(f"\"{node.name}\" offers {names}, none of {wanted}")

    def press(self, window, name, role_name="push button"):
        self.act(self.find(window, role_name, name), "press", "click")

    def toggle(self, window, list_name, item_name):
        items = self.find(window, "list", list_name)
        item = next((i for i in children(items) if i.name == item_name), None)
        if item is None:
            raise Failure(f"no item \"{item_name}\" in \"{list_name}\"")
        self.act(item, "toggle")
        return item

    def type(self, window, box_name, text):
        box = self.find(window, "text", box_name)
        box.queryEditableText().setTextContents(text)
        wait_for(lambda: text_of(box) == text, 6, f"\"{box_name}\" to read \"{text}\"")

    def answer_box(self, title, prompt):
        box = wait_for(lambda: next((w for w in children(self.app) if w.name == title and
                                     role(w) in ("alert", "dialog")), None),
                       10, f"the message box \"{title}\"")
        said = [n.name for n in walk(box) if role(n) == "label"]
        if prompt not in said:
            raise Failure(f"\"{title}\" says {said}, not \"{prompt}\"")
        self.act(next(n for n in walk(box) if role(n) == "push button"), "press")
        wait_for(lambda: all(w.name != title for w in children(self.app) if showing(w)), 5,
                 f"\"{title}\" to close")

    @staticmethod
    def read_numbers(window):
        """{what it counts: the number} for every showing number label, whose name is
        "what it counts: ..." with the number in it, and whose text is the number."""
        heard = {}
        for node in walk(window):
            if node is window or role(node) != "label" or not showing(node):
                continue
            text = text_of(node)
            if ": " in node.name and text:
                counts = node.name.split(": ")[0]
                heard[counts] = text if text in node.name else f"{text}, named \"{node.name}\""
        return heard

    def numbers(self, window, expected):
        """Every number that the window shows is read back, and is what the game should show."""
        try:
            wait_for(lambda: self.read_numbers(window) == expected, 6, "")
        except Failure:
            raise Failure(f"\"{window.name}\" reads {self.read_numbers(window)}, "
                          f"expected {expected}") from None

    def named(self, window, role_name, name):
        node = self.find(window, role_name, name)
        if node.name != name:
            raise Failure(f"expected the name \"{name}\", heard \"{node.name}\"")

    def keep_tree(self, title, window):
        self.trees.append(f"== {title}\n" + "\n".join(describe(window)))


def play(game):
    """The whole game: both opening boxes, a purchase, a sale, a deposit and «Выход». After
    every step, every number of the window in view is read back."""
    game.answer_box("Запомните!", "Ваша задача собрать 10 миллионов $ и купить Автосалон.")
    game.answer_box("Предупреждение.",
                    "Не в коем случае не нажимайте клавишу BackSpace(<-) при стирании чисел!!!")
    main = game.window("Form1")
    shown = {**dict.fromkeys(MODELS, "0"), "Ваша сумма": "1000000", "Начисленный процент": "0"}
    game.numbers(main, shown)
    for model in MODELS:
        game.named(main, "label", f"{model}: 0")
    game.keep_tree("Form1 at the start", main)

    # A purchase: five YAMAHA in «Россия» at 1500.
    game.press(main, "Покупать>>")
    buy = game.window("Form2")
    game.numbers(buy, {"Ваша сумма": "1000000"})
    game.absent(buy, "push button", "Дальше>>")
    game.toggle(buy, "Модель", "Квадроцикл YAMAHA")
    game.named(buy, "image", "Фотография модели: Квадроцикл YAMAHA")
    game.numbers(buy, {"Ваша сумма": "1000000"})
    game.keep_tree("Form2, a model chosen", buy)
    game.press(buy, "Дальше>>")
    game.numbers(buy, {"Цена": "0", "Ваша сумма": "1000000"})
    game.act(game.find(buy, "radio button", "Таджикистан"), "toggle")
    game.numbers(buy, {"Цена": "7900", "Ваша сумма": "1000000"})
    game.act(game.find(buy, "radio button", "Россия"), "toggle")
    game.numbers(buy, {"Цена": "1500", "Ваша сумма": "1000000"})
    game.named(buy, "label", "Цена: 1500 $")
    game.keep_tree("Form2, a country chosen", buy)
    game.act(game.find(buy, "label", "Цена", numbered=True), "press")
    game.press(buy, "Дальше>>")
    game.numbers(buy, {"Общая стоймость": "1500", "Ваша сумма": "1000000"})
    game.type(buy, "Количество", "5")
    game.numbers(buy, {"Общая стоймость": "7500", "Ваша сумма": "1000000"})
    game.named(buy, "label", "Общая стоймость: 7500 $")
    game.keep_tree("Form2, a quantity typed", buy)
    game.press(buy, "Купить>>")
    main = game.window("Form1")
    shown.update({"YAMAHA": "5", "Ваша сумма": "992500"})
    game.numbers(main, shown)
    game.named(main, "label", "YAMAHA: 5")

    # A sale: one YAMAHA in «Таджикистан» at 7900. Disabled controls refuse first.
    game.press(main, "<<Продавать")
    sell = game.window("Form3")
    game.numbers(sell, {"Ваша Сумма": "992500"})
    game.toggle(sell, "Shevrolet, страна", "Россия")
    game.press(sell, "Продать Yamaha")
    game.press(sell, "Yamaha")
    # The game takes the bus's requests in order: once the column is open, the two before
    # have been refused.
    wait_for(lambda: has(game.find(sell, "list", "Yamaha, страна"), "ENABLED"), 6,
             "the Yamaha column")
    game.numbers(sell, {"Ваша Сумма": "992500"})
    if any(has(item, "SELECTED") for item in children(game.find(sell, "list", "Shevrolet, страна"))):
        raise Failure("a disabled list took a choice")
    game.toggle(sell, "Yamaha, страна", "Таджикистан")
    game.numbers(sell, {"Yamaha, цена": "7900", "Yamaha, в наличии": "5", "Ваша Сумма": "992500"})
    game.keep_tree("Form3, a country chosen", sell)
    del game.names_heard[:]
    game.press(sell, "Продать Yamaha")
    game.numbers(sell, {"Yamaha, цена": "7900", "Yamaha, в наличии": "4", "Ваша Сумма": "1000400"})
    wait_for(lambda: "Ваша Сумма: 1000400" in game.names_heard, 6,
             "the cash mirror's new name as a bus event")
    game.press(sell, "Назад")
    main = game.window("Form1")
    shown.update({"YAMAHA": "4", "Ваша сумма": "1000400"})
    game.numbers(main, shown)

    # A deposit of 1000: the interest is 10; Ok takes the deposit, the tick shows the interest.
    game.absent(main, "push button", "Ok")
    game.type(main, "Вклад", "1000")
    shown["Процент"] = "10"
    game.numbers(main, shown)
    game.find(main, "push button", "Отмена")
    game.press(main, "Ok")
    shown["Ваша сумма"] = "999400"
    game.numbers(main, shown)
    game.absent(main, "push button", "Ok")
    shown["Начисленный процент"] = "10"
    wait_for(lambda: game.read_numbers(main) == shown, 8, "the first tick, 3 s after Ok")
    game.keep_tree("Form1 after a deposit", main)

    game.press(main, "Выход")
    try:
        status = game.process.wait(5)
    except subprocess.TimeoutExpired:
        raise Failure("the game still runs 5 s after «Выход»") from None
    if status != 0:
        raise Failure(f"the game ended with status {status}")


def main_inside(game_path, tree_file):
    work = tempfile.mkdtemp(prefix="avtosalon-bus-")
    desktop = Desktop(work)

    def stopped(signum, _):
        if signum == signal.SIGALRM:
            raise Failure(f"the run took more than {DEADLINE_S} s")
        raise Failure(f"stopped by signal {signum}")

    for signum in (signal.SIGALRM, signal.SIGTERM, signal.SIGINT):
        signal.signal(signum, stopped)
    signal.alarm(DEADLINE_S)
    os.environ["XDG_RUNTIME_DIR"] = work
    trees = []
    game = None
    try:
        desktop.start_x()
        desktop.start_bus()
        import pyatspi  # only now: it connects to the bus started above
        process = desktop.start_game(game_path)

        def application():
            for app in children(pyatspi.Registry.getDesktop(0)):
                if app is not None and app.get_process_id() == process.pid:
                    return app
            return None

        game = Game(wait_for(application, 15, "the game on the accessibility bus"), process, trees)
        pyatspi.Registry.registerEventListener(game.heard, "object:property-change:accessible-name")
        play(game)
        print("\n\n".join(trees))
        print("PASS: a whole game played through the accessibility bus")
        return 0
    except Failure as failure:
        print("\n\n".join(trees))
        try:
            print("== what the bus showed at the failure")
            print("\n".join(describe(game.app)))
        except Exception:
            pass
        print(f"FAIL: {failure}\n{desktop.logs()}", file=sys.stderr)
        return 1
    finally:
        signal.alarm(0)
        if tree_file:
            with open(tree_file, "w", encoding="utf-8") as out:
                out.write("\n\n".join(trees) + "\n")
        desktop.stop()
        shutil.rmtree(work, ignore_errors=True)


def main():
    sys.stdout.reconfigure(encoding="utf-8", errors="replace")
    sys.stderr.reconfigure(encoding="utf-8", errors="replace")
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    if os.environ.get(INSIDE) != "1":
        reason = skip_reason()
        if reason:
            print(f"SKIP: {reason}")
            return 77
        # Nothing of the caller's desktop: its display, buses and accessibility settings.
        env = {key: value for key, value in os.environ.items() if key not in (
            "DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS",
            "NO_AT_BRIDGE", "QT_ACCESSIBILITY", "QT_QPA_PLATFORM", "XAUTHORITY")}
        env[INSIDE] = "1"
        session = subprocess.Popen(
            ["dbus-run-session", "--", sys.executable, __file__, *sys.argv[1:]], env=env,
            start_new_session=True)

        def forward(signum, _):
            os.killpg(session.pid, signum)

        signal.signal(signal.SIGTERM, forward)
        signal.signal(signal.SIGINT, forward)
        return session.wait()
    return main_inside(sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else None)


if __name__ == "__main__":
    sys.exit(main())
