#!/usr/bin/env python3
"""What a blind student hears, checked with the screen reader Orca itself.

Starts Trevisk on a virtual screen (Xvfb, with openbox) inside a private D-Bus session with
the accessibility bus, runs Orca with its debug log (which records every line it speaks),
and works the array total lesson with the keyboard alone:

  1. opens it from the menus and steps twice: the new line, its note and the condition
     "i < a.Length : True" must be spoken;
  2. moves with Tab to the box a[0]: its value 13 must be spoken whole;
  3. goes back into the listing, up to line 0, and opens its note with Enter: the note
     must be spoken;
  4. goes back to the start, then runs and stops auto-run: both must be told, and auto-run
     no more often than it can be spoken;
  5. back at the start, opens the question window (F8), chooses 次の行 with the arrow keys,
     types the answer 2 and presses Enter: the question, the judgement with the right answer
     and the next question must be spoken.

Prints what Orca said in each part and writes it to TRANSCRIPT; exits 1 when something is
missing. Needs orca, xvfb, openbox, xdotool, dbus and at-spi2-core (make test-orca installs
them).

    tests/orca/check_speech.py BUILD_DIR [TRANSCRIPT]
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

INNER = "TREVISK_ORCA_INNER"

# Runs Orca with its speech log copied into the file given first.
ORCA = """
import logging, runpy, sys
handler = logging.FileHandler(sys.argv[1], encoding="utf-8")
handler.setFormatter(logging.Formatter("%(message)s"))
logging.getLogger("speech").addHandler(handler)
sys.argv = sys.argv[2:]
runpy.run_path(sys.argv[0], run_name="__main__")
"""


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
    transcript = sys.argv[2] if len(sys.argv) > 2 else os.path.join(build, "orca-transcript.txt")
    if not os.environ.get(INNER):
        os.environ[INNER] = "1"
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1600x1000x24",
                               "dbus-run-session", "--", sys.executable, __file__, build,
                               transcript])
    return Session(build).run(transcript)


class Failure(Exception):
    pass


class Session:
    def __init__(self, build):
        self.build = build
        self.work = tempfile.mkdtemp(prefix="trevisk-orca-")
        self.debug_log = os.path.join(self.work, "orca-debug.log")
        # Orca writes its debug log through a buffer; its "speech" log (kept for its own
        # regression tests) is written here line by line, as it speaks.
        self.log = os.path.join(self.work, "speech.log")
        self.processes = []
        env = os.environ
        env["HOME"] = os.path.join(self.work, "home")
        env["XDG_RUNTIME_DIR"] = os.path.join(self.work, "runtime")
        os.makedirs(env["HOME"])
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
        env["LANG"] = "C.UTF-8"  # Orca's own words (role names) in English
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        self.parts = []

    def start(self, *command):
        process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(process)
        return process

    def run(self, transcript):
        try:
            self.start("openbox")
            time.sleep(0.5)
            orca = shutil.which("orca")
            with open(orca, encoding="utf-8") as script:  # Orca's own Python, with its modules
                python = script.readline()[2:].strip() or sys.executable
            self.start(python, "-c", ORCA, self.log, orca, "--replace",
                       "--debug-file=" + self.debug_log)
            self.wait_for(lambda: "Screen reader on" in self.speech_text(0), 30, "Orca to start")
            self.start(os.path.join(self.build, "trevisk"))
            self.check_lesson()
            ok = True
        except Failure as failure:
            print("FAILED:", failure)
            ok = False
        finally:
            for process in reversed(self.processes):
                process.terminate()
            for process in self.processes:
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
        text = "\n".join(f"--- {title}\n" + "\n".join(lines) for title, lines in self.parts)
        with open(transcript, "w", encoding="utf-8") as out:
            out.write(text + "\n")
        print(text)
        if ok:
            shutil.rmtree(self.work, ignore_errors=True)
        else:
            print("Orca's logs:", self.log, self.debug_log)
        return 0 if ok else 1

    # --- the student's part ---

    def check_lesson(self):
        self.wait_for(lambda: "開始 push button" in self.speech_text(0), 20, "the opening screen")
        self.key("Return")
        self.wait_for(lambda: "最大値を求める" in self.speech_text(0), 20, "the main menu")
        self.key("Tab", "Tab", "Tab")
        self.wait_for(lambda: "配列の合計値 push button" in self.speech_text(0), 10, "配列の合計値")
        self.key("space")
        self.wait_for(lambda: "進む push button" in self.speech_text(0), 20, "the lesson window")
        time.sleep(1)

        mark = self.mark()
        self.key("space")
        time.sleep(1.5)
        self.key("space")
        heard = self.heard(mark, 10, "3行目")
        self.parts.append(("two steps of frmTotal (Space on 進む, twice)", heard))
        self.expect(heard, "3行目 for(int i=0;i<a.Length;i++)")
        self.expect(heard, "最初 i=0 として i< aの配列サイズのあいだ， 次を繰り返します。")
        self.expect(heard, "i < a.Length : True")

        mark = self.mark()
        for _ in range(20):
            self.key("Tab")
            time.sleep(0.6)
            if "a[0]" in "\n".join(self.speech(mark)):
                break
        heard = self.heard(mark, 5, "a[0]")
        self.parts.append(("Tab to the box a[0]", heard))
        focus = [line for line in heard if "a[0]" in line]
        if not focus or not re.search(r"\b13\b", "\n".join(heard[heard.index(focus[-1]):])):
            raise Failure("a[0] was not read as 13")

        # The word before the end of the text, as Orca asks for it on Ctrl+Left: a question
        # that once hung the program.
        mark = self.mark()
        self.key("End")
        self.xdotool("keydown", "ctrl")  # held until Orca has taken the arrow as a word move
        self.key("Left")
        time.sleep(1)
        self.xdotool("keyup", "ctrl")
        heard = self.heard(mark, 5, "13")
        self.parts.append(("End, then Ctrl+Left in a[0]", heard))

        mark = self.mark()
        self.key("shift+Tab", "shift+Tab", "shift+Tab")
        time.sleep(1)
        self.key("Up", "Up", "Up")
        time.sleep(1)
        self.key("Return")
        heard = self.heard(mark, 10, "関数の宣言です。")
        self.parts.append(("into the listing, up to line 0, Enter", heard))
        self.expect(heard, "関数の宣言です。")
        self.key("Return")
        time.sleep(1.5)

        mark = self.mark()
        self.key("Home")
        heard = self.heard(mark, 10, "先頭に戻りました")
        self.parts.append(("Home (先頭に戻る)", heard))
        self.expect(heard, "先頭に戻りました。0行目 private int 合計(int[] a)。関数の宣言です。")

        # Auto-run steps twice a second; what it says must not pile up behind it.
        mark = self.mark()
        self.key("F5")
        time.sleep(4)
        self.key("Escape")
        heard = self.heard(mark, 10, "自動実行を停止しました")
        self.parts.append(("F5 (自動実行), 4 s, Esc (自動実行停止)", heard))
        told = [line for line in heard if line.startswith("notification")]
        if len(told) > 4:
            raise Failure(f"auto-run was told {len(told)} times in 4 s")

        # Predicting: the question window, its mode by the arrows, an answer typed.
        self.key("Home")
        time.sleep(1.5)
        mark = self.mark()
        self.key("F8")
        heard = self.heard(mark, 10, "しない")
        self.parts.append(("Home, F8 (予想)", heard))
        mark = self.mark()
        self.key("Down")
        heard = self.heard(mark, 10, "質問")
        self.parts.append(("Down (次の行)", heard))
        self.expect(heard, "予想のしかた 次の行")
        self.expect(heard, "質問 0行目を実行したあと、次に実行するのは何行目ですか。")
        mark = self.mark()
        self.key("Tab", "Tab")
        heard = self.heard(mark, 5, "予想の答え")
        self.parts.append(("Tab, Tab (the answer box)", heard))
        mark = self.mark()
        self.key("2", "Return")
        heard = self.heard(mark, 10, "正解")
        self.parts.append(("2, Enter", heard))
        self.expect(heard, "○ 正解です（2行目）")
        self.expect(heard, "2行目 int total=0;")
        self.expect(heard, "質問 2行目を実行したあと、次に実行するのは何行目ですか。")
        if any("alert" in line for line in heard):
            raise Failure("Enter in the answer box answered twice (a message box followed)")

    # --- Orca's log ---

    def speech(self, mark):
        """The lines Orca spoke after `mark` (a position in its log)."""
        try:
            with open(self.log, encoding="utf-8", errors="replace") as f:
                f.seek(mark)
                text = f.read()
        except FileNotFoundError:
            return []
        spoken = re.findall(r"^SPEECH OUTPUT: '(.*?)'(?: ?\{[^\n]*\})?$", text, re.S | re.M)
        return [" ".join(s.split()) for s in spoken]

    def speech_text(self, mark):
        return "\n".join(self.speech(mark))

    def mark(self):
        return os.path.getsize(self.log) if os.path.exists(self.log) else 0

    def heard(self, mark, seconds, until):
        self.wait_for(lambda: until in self.speech_text(mark), seconds, repr(until))
        time.sleep(1)
        return self.speech(mark)

    def expect(self, heard, text):
        if not any(text in line for line in heard):
            raise Failure(f"Orca did not say {text!r}")

    def wait_for(self, condition, seconds, what):
        end = time.time() + seconds
        while time.time() < end:
            if condition():
                return
            time.sleep(0.2)
        raise Failure(f"waited {seconds} s for {what}")

    def key(self, *keys):
        for k in keys:
            self.xdotool("key", k)

    def xdotool(self, *arguments):
        subprocess.run(["xdotool", *arguments], check=True)
        time.sleep(0.3)


if __name__ == "__main__":
    sys.exit(main())
