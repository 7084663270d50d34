#!/usr/bin/env python3
"""A blind learner's session with the real screen reader, Orca over AT-SPI.

The program runs on a private X display with its own D-Bus session and AT-SPI bus, under a window
manager; Orca has no speech server, so every utterance is a line of its debug log. Keys go in
through XTest (xdotool); after each, what Orca said is checked by rule. The answers come from the
program's own tables (`answers`). usage: blind_learner.py ZEB ANSWERS
"""
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

TOOLS = ["Xvfb", "dbus-run-session", "orca", "openbox", "xdotool", "/usr/libexec/at-spi-bus-launcher"]
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'\s*\{")


class Orca:
    """Orca, headless: what it would say is read from its debug log."""

    def __init__(self, folder):
        self.log = os.path.join(folder, "orca.log")
        with open(os.path.join(folder, "orca-customizations.py"), "w") as prefs:
            prefs.write("import orca.debug, orca.settings\n"
                        "orca.settings.speechServerFactory = 'no_speech_server_here'\n"
                        "orca.settings.speechFactoryModules = []\n"
                        "orca.debug.debugFile.reconfigure(line_buffering=True)\n")
        self.process = subprocess.Popen(["orca", "-u", folder, "--debug-file=" + self.log],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.read = 0

    def heard(self, quiet=1.5, at_most=15):
        """What Orca says from now until it has been quiet for `quiet` seconds."""
        said, last, start = [], time.time(), time.time()
        while time.time() - last < quiet and time.time() - start < at_most:
            time.sleep(0.1)
            if not os.path.exists(self.log):
                continue
            with open(self.log, encoding="utf-8", errors="replace") as log:
                log.seek(self.read)
                lines = log.read()
                self.read = log.tell()
            new = [m.group(1) for m in map(SPEECH.search, lines.splitlines()) if m]
            if new:
                said += new
                last = time.time()
        print("   heard:", said, flush=True)
        return said

    def press(self, *keys):
        print("key:", *keys, flush=True)
        subprocess.run(["xdotool", "key", "--delay", "60", *keys], check=True)
        return self.heard()

    def answer(self, text):
        """Types `text` over the answer box's text, as on a plain English keyboard, and Enter."""
        print("type:", text, flush=True)
        subprocess.run(["xdotool", "key", "ctrl+a", "BackSpace"], check=True)
        typed = "".join(ACCENTS.get(c, c) for c in text)
        subprocess.run(["xdotool", "type", "--delay", "40", typed], check=True)
        return self.press("Return")

    def stop(self):
        self.process.send_signal(signal.SIGINT)
        self.process.wait(timeout=10)


ACCENTS = {}  # the program's accent keys: a Spanish letter and the key that types it


def check(condition, what, heard):
    if not condition:
        raise AssertionError(f"{what}; heard: {heard}")
    print(f"ok: {what}")


def says_once(heard, text):
    return sum(line.count(text) for line in heard) == 1


def alert(heard):
    """The text of the alert that Orca reads after its title."""
    start = next((i for i, line in enumerate(heard) if line.startswith("alert")), len(heard))
    return heard[start + 1] if start + 1 < len(heard) else ""


def play_drill(orca, keys, drill):
    items = drill["items"]

    def item_in(line):  # the item whose sentence with its gap, and person, the line reads
        return next((i for i in items if "…" in line and i["end"] in line.split("…", 1)[1]
                     and i["start"] in line.split("…", 1)[0]
                     and (not i["hint"] or f" {i['hint']} (" in line)), None)

    orca.press("alt+" + keys["drill"])
    heard = orca.press("alt+" + keys["Command1"])
    item = next(filter(None, map(item_in, heard)), None)
    check(item and f"1 de {drill['pass']}" in " ".join(heard),
          "a start reads the first item with its gap and the progress 1 of the pass", heard)
    heard = orca.answer("Zzz")
    check(any(line.startswith("alert") for line in heard), "a wrong answer is an alert", heard)
    orca.press("Return")
    infinitive = item["infinitive"]  # a mistake that the program explains, with a due capital
    if item["form"][0].isupper():
        infinitive = infinitive[0].upper() + infinitive[1:]
    hinted = orca.answer(infinitive)
    check(alert(hinted).startswith(alert(heard)) and alert(hinted) != alert(heard),
          "the hint is read with the verdict", hinted)
    orca.press("Return")
    heard = orca.press("alt+" + keys["Command4"])
    check(any(item["form"] in line for line in heard), "help names the expected form", heard)
    orca.press("Return")
    for n in range(2, 5):
        heard = orca.answer(item["form"])
        said = " ".join(heard)
        sentence = " ".join(filter(None, [item["start"], item["form"], item["end"]]))
        item = next(filter(None, (item_in(line) for line in heard if sentence in line)), None)
        check(item and says_once(heard, sentence) and says_once(heard, item["end"])
              and said.index(sentence) < said.index(item["end"]) < said.index(f"{n} de "),
              f"a right answer: the completed sentence, then item {n} and its progress, once",
              heard)
        check(not any(line.startswith("alert") for line in heard), "no alert for it", heard)


def play_picture(orca, keys, tasks):
    orca.press("alt+" + keys["picture"])
    for activity in ("statement", "question", "answer"):
        scenes = tasks[activity]

        def scene_in(heard):
            return next((s for s in scenes if any(s["words"] in line for line in heard)), None)

        heard = orca.press("alt+" + keys[activity])
        check(not any("not selected" in line for line in heard),
              f"the option of {activity} is read as selected", heard)
        heard = orca.press("alt+" + keys["start"])
        scene = scene_in(heard)
        check(scene and f"1 de {len(scenes)}" in " ".join(heard)
              and all(says_once(heard, s) for s in (scene["words"], scene["question"]) if s),
              f"{activity}: the scene's key words, its question and the progress, once", heard)
        heard = orca.answer("Zzz.")
        check(any(line.startswith("notification") for line in heard) and not scene_in(heard),
              f"{activity}: a wrong answer is heard", heard)
        heard = orca.answer(scene["answer"])
        following = scene_in(heard)
        check(following and following != scene and f"2 de {len(scenes)}" in " ".join(heard),
              f"{activity}: a right answer brings the next scene's words and progress", heard)


def visit_about(orca, keys):
    orca.press("alt+" + keys["help"])
    orca.press("Return")  # its first item opens the about window
    names = []
    while len(names) < 6 and len(set(names)) == len(names):
        heard = orca.press("Tab")
        focus = next((line for line in heard if re.search(r"(image|button)\.?$", line)), "")
        names.append(re.sub(r"\s*(image|push button)\.?$", "", focus).strip())
        check(names[-1], "every control of the about window has a name", heard)
    check(len(set(names)) < len(names), "Tab goes round the about window's controls", names)
    orca.press("Escape")


def session(zeb, answers):
    ACCENTS.update(answers["accents"])
    folder = tempfile.mkdtemp(prefix="zeb-orca-")
    subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    subprocess.Popen(["openbox", "--sm-disable"], stderr=subprocess.DEVNULL)
    orca = Orca(folder)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    if not orca.heard(quiet=2, at_most=30) or orca.process.poll() is not None:
        sys.exit("Orca did not start (it runs once per user: is another Orca running?)")
    program = subprocess.Popen([zeb], env=env)
    try:
        orca.heard(quiet=2, at_most=30)
        visit_about(orca, answers["keys"])
        play_drill(orca, answers["keys"], answers["drill"])
        play_picture(orca, answers["keys"], answers["tasks"])
    finally:
        program.kill()
        orca.stop()
        shutil.rmtree(folder, ignore_errors=True)


def main():
    if sys.argv[1] == "--inside":
        with open(sys.argv[3], encoding="utf-8") as answers:
            return session(sys.argv[2], json.load(answers))
    missing = [tool for tool in TOOLS if not shutil.which(tool)]
    if missing:
        sys.exit("missing: " + " ".join(missing))
    answers = tempfile.NamedTemporaryFile("w", suffix=".json")
    subprocess.run([sys.argv[2]], check=True, stdout=answers)
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24",
                             "-nolisten", "tcp"], pass_fds=[write], stderr=subprocess.DEVNULL)
    display = os.read(read, 16).decode().strip()
    try:
        env = dict(os.environ, DISPLAY=":" + display)
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        inside = [sys.executable, __file__, "--inside", os.path.abspath(sys.argv[1]), answers.name]
        subprocess.run(["dbus-run-session", "--", *inside], env=env, check=True, timeout=300)
    finally:
        xvfb.terminate()


if __name__ == "__main__":
    main()
