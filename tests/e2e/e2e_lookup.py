#!/usr/bin/python3
"""The whole program, end to end, in a real X server.

Starts the sample lookup service and the real quillfen program on a private desktop (see
desktop.py), then does what a person would: adds the sample codes and a few typed ones, runs the
lookup, answers "Done.", unticks one row, copies the results and reads the clipboard from another
program, saves them as a text file through the file dialog, and closes the window. The clipboard
text, the file and the saved code list are compared with what they must be, worked out here from
the sample catalog's names and the documented formats alone.

CTest runs it (tests/e2e/CMakeLists.txt); it can be run by hand with the same arguments. On a
failure it prints what the program showed, keeps a picture of the screen and the logs of every
process in the work folder, and leaves no process behind.
"""

import argparse
import os
import shutil
import signal
import subprocess
import sys
import time
import traceback

try:
    from desktop import (
        Desktop,
        StepFailed,
        application,
        checked,
        children,
        describe,
        find,
        focused,
        role,
        text_of,
        top_levels,
        wait_until,
    )
except ImportError as error:
    sys.exit(f"e2e: {error}: /usr/bin/python3 needs python3-gi, gir1.2-atspi-2.0 and "
             "python3-xlib (scripts/setup installs them)")

SAMPLE_CODES = ["4988112412613", "0823564706221"]
# Two codes the catalog knows (one name is Cyrillic, so widths must count characters, not
# bytes), one it does not know typed with spaces around it, and one typed the way it is printed
# under a bar code, with spaces inside.
TYPED_ANSWER = "5605797543232, 5608955597979 ,  1234567890128,4 006381 333931"
# The first row (the widest text) is unticked, so the text file's padding comes from a row that
# is not written.
UNTICKED_ROW = 0

# Well inside CTest's limit, so that a run that hangs still reports and cleans up.
RUN_LIMIT_SECONDS = 90

WINDOW_TITLE = "Quillfen"
ADD_PROMPT = "Enter EAN number or numbers (use commas): "
COPIED_MESSAGE = (
    "Results have been copied to the clipboard.\n\n"
    "Click a text area where you normally type and press Ctrl+V to paste the clipboard."
)


# --- what the results must be ----------------------------------------------------------------


def read_catalog(path):
    names = {}
    with open(path, encoding="utf-8") as catalog:
        for line in catalog:
            line = line.strip()
            if line and not line.startswith("#"):
                code, name = line.split("\t", 1)
                names[code.strip()] = name.strip()
    return names


def typed_codes(answer):
    # Every comma separates two codes; the spaces around each code are dropped.
    return [piece.strip(" ") for piece in answer.split(",")]


def result_row(catalog, code):
    return catalog.get(code.strip(" "), code + " - no record found")


def clipboard_text(rows, ticked):
    # One column: each ticked row's text without trailing spaces, every line ending in CR LF.
    return "".join(row.rstrip(" ") + "\r\n" for row, tick in zip(rows, ticked) if tick)


def text_file(rows, ticked):
    # The header, then each ticked row, padded with spaces to the widest text of the column
    # (header and every row, ticked or not), then a TAB and CR LF; UTF-8 without a byte-order
    # mark.
    width = max(len(text) for text in ["Description", *rows])

    def line(text):
        return text + " " * (width - len(text)) + "\t\r\n"

    body = line("Description") + "".join(line(row) for row, tick in zip(rows, ticked) if tick)
    return body.encode("utf-8")


def saved_code_list(conf_path):
    """The "Zip Codes" value of the [Quillfen] group as the settings file holds it, or None."""
    group = None
    with open(conf_path, encoding="utf-8") as conf:
        for line in conf.read().splitlines():
            if line.startswith("[") and line.endswith("]"):
                group = line[1:-1]
            elif group == "Quillfen" and line.startswith("Zip%20Codes="):
                value = line.split("=", 1)[1]
                # A value that holds ";" (the file's comment sign) is written in double quotes.
                if len(value) >= 2 and value[0] == value[-1] == '"':
                    value = value[1:-1].replace('\\"', '"').replace("\\\\", "\\")
                return value
    return None


# --- the run -----------------------------------------------------------------------------------


class LookupRun:
    def __init__(self, args, desktop):
        self.args = args
        self.desktop = desktop
        catalog = read_catalog(args.catalog)
        self.codes = SAMPLE_CODES + typed_codes(TYPED_ANSWER)
        self.rows = [result_row(catalog, code) for code in self.codes]
        self.ticked = [index != UNTICKED_ROW for index in range(len(self.rows))]
        others = [len(row) for index, row in enumerate(self.rows) if index != UNTICKED_ROW]
        if len(self.rows[UNTICKED_ROW]) <= max(others):
            raise StepFailed("the catalog changed: the unticked row is no longer the widest")
        self.config_home = args.config_home or os.path.join(args.work_dir, "config")
        self.settings_file = os.path.join(self.config_home, "Zandrik", "Quillfen.conf")
        self.program = None
        self.app = None
        self.window_id = None
        self.timings = []

    # --- looking at the program ---

    def wait(self, what, condition, timeout=10):
        def alive_and(condition):
            status = self.program.poll()
            if status is not None:
                raise StepFailed(f"quillfen ended with status {status} while waiting for {what}")
            return condition()

        return wait_until(what, lambda: alive_and(condition), timeout)

    def main_window(self):
        # A frame, as screen readers expect the program's own window to be.
        for window in top_levels(self.app, "frame"):
            if window.get_name() == WINDOW_TITLE:
                return window
        return None

    def cells(self, header):
        table = find(self.main_window(), "tree", header)
        return [cell for cell in children(table) if role(cell) == "table cell"]

    def texts(self, header):
        return [cell.get_name() for cell in self.cells(header)]

    def button(self, name, within=None):
        found = find(within or self.main_window(), "push button", name)
        if found is None:
            raise StepFailed(f'no button "{name}" on screen')
        return found

    def message_box(self, text):
        """The message box that shows exactly this text, or None."""
        for box in top_levels(self.app, "alert"):
            if find(box, "label", text) is not None:
                return box
        return None

    def dialog(self, title):
        for box in top_levels(self.app, "dialog"):
            if box.get_name() == title:
                return box
        return None

    # --- doing things ---

    def click(self, name):
        self.desktop.click(self.button(name))

    def answer(self, text, timeout=10):
        """Waits for the message box that shows this text and presses its OK button."""
        box = self.wait(f"the message {text!r}", lambda: self.message_box(text), timeout)
        self.desktop.click(self.button("OK", box))
        self.wait(f"the message {text!r} to close", lambda: self.message_box(text) is None)

    def start(self):
        shutil.rmtree(self.config_home, ignore_errors=True)
        os.makedirs(self.config_home)
        service = self.desktop.spawn(
            "sample-service", [self.args.service, "--port", "0"], stdout=subprocess.PIPE
        )
        first_line = service.stdout.readline().decode().strip()
        prefix = "listening on "
        if not first_line.startswith(prefix):
            raise StepFailed(f"the sample service did not start: {first_line!r}")
        self.program = self.desktop.spawn(
            "quillfen",
            [self.args.program, "--service-url", first_line[len(prefix):],
             "--ping-host", "127.0.0.1"],
            extra_env={
                "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
                "XDG_CONFIG_HOME": self.config_home,
                "QUILLFEN_WEBSITE_URL": "",
                "QUILLFEN_PING_HOST": "127.0.0.1",
                "QUILLFEN_LOOPBACK_ONLY": "1",
            },
        )

        def window_up():
            self.app = self.app or application(self.program.pid)
            return self.app is not None and self.main_window() is not None

        self.wait("the main window", window_up, 20)
        self.window_id = self.wait("its X window", lambda: self.desktop.window_of(self.program.pid))
        if self.texts("EAN Codes") or self.texts("Description"):
            raise StepFailed("a first start should show two empty lists")

    def add_codes(self):
        self.click("Load Sample/Example EANs")
        self.wait("the two sample codes", lambda: self.texts("EAN Codes") == SAMPLE_CODES)

        self.click("Add EAN Number or Numbers")
        box = self.wait("the input box", lambda: self.dialog(WINDOW_TITLE))
        if find(box, "label", ADD_PROMPT) is None:
            raise StepFailed(f"the input box does not ask {ADD_PROMPT!r}")
        field = find(box, "text")
        self.wait("the input field to have the focus", lambda: focused(field))
        self.desktop.type_text(TYPED_ANSWER)
        self.wait("the typed answer", lambda: text_of(field) == TYPED_ANSWER)
        self.desktop.click(self.button("OK", box))
        self.wait("all six codes in the list", lambda: self.texts("EAN Codes") == self.codes)

    def look_up(self):
        self.click("Start Looking Up")
        self.wait('the message "Done."', lambda: self.message_box("Done."), 30)
        got = self.texts("Description")
        if got != self.rows:
            raise StepFailed(f"the results table holds {got}, expected {self.rows}")
        if not all(checked(cell) for cell in self.cells("Description")):
            raise StepFailed("every row of a run should come ticked")
        self.answer("Done.")
        self.desktop.move_pointer_away()
        self.desktop.settled_screenshot(self.args.screenshot, self.window_id)

    def untick_one_row(self):
        # As a keyboard user does it: select the row, then Space toggles its check box.
        self.desktop.click(self.cells("Description")[UNTICKED_ROW])
        self.desktop.press("space")
        self.wait(
            f"row {UNTICKED_ROW + 1} to be unticked",
            lambda: [checked(cell) for cell in self.cells("Description")] == self.ticked,
        )

    def copy_to_clipboard(self):
        self.click("Copy Results To Clipboard")
        self.answer(COPIED_MESSAGE)
        expected = clipboard_text(self.rows, self.ticked).encode("utf-8")
        got = self.desktop.read_clipboard()
        if got != expected:
            raise StepFailed(f"the clipboard holds {got!r}, expected {expected!r}")

    def save_text_file(self):
        folder = os.path.join(self.args.work_dir, "saved")
        os.makedirs(folder)
        path = os.path.join(folder, "results.txt")
        self.click("Save Results As Text File")
        dialog = self.wait("the save dialog", lambda: self.dialog("Save"))
        field = find(dialog, "text", "File name:")
        self.wait("the file name field to have the focus", lambda: focused(field))
        self.desktop.press("ctrl+a")
        self.desktop.type_text(path)
        self.wait("the typed file name", lambda: text_of(field) == path)
        self.desktop.press("Return")
        self.wait("the save dialog to close", lambda: self.dialog("Save") is None)
        # The file is written under another name and renamed when complete.
        self.wait("the saved file", lambda: os.path.exists(path))
        with open(path, "rb") as saved:
            got = saved.read()
        expected = text_file(self.rows, self.ticked)
        if got != expected:
            raise StepFailed(f"{path} holds {got!r}, expected {expected!r}")

    def about_by_keyboard(self):
        # Alt+H opens the Help menu, A its About item; Esc closes the box again. The keys go to
        # the window that has the focus: the results table's, as a user left it.
        self.desktop.click(self.cells("Description")[UNTICKED_ROW])
        self.desktop.press("alt+h")
        self.desktop.press("a")
        self.wait('the "About Quillfen" box', lambda: self.dialog("About Quillfen"))
        self.desktop.press("Escape")
        self.wait('the "About Quillfen" box to close',
                  lambda: self.dialog("About Quillfen") is None)

    def close_window(self):
        expected = ";".join(self.codes)
        # The list is also saved about a second after every change. Wait for that copy and
        # remove it, so that what is found after the close can only come from the close.
        self.wait(
            "the code list to be saved",
            lambda: os.path.exists(self.settings_file)
            and saved_code_list(self.settings_file) == expected,
        )
        os.remove(self.settings_file)
        self.desktop.ask_to_close(self.window_id)
        try:
            status = self.program.wait(timeout=10)
        except subprocess.TimeoutExpired:
            raise StepFailed("quillfen was still running 10 s after its window was closed")
        if status != 0:
            raise StepFailed(f"quillfen ended with status {status}, expected 0")
        if not os.path.exists(self.settings_file):
            raise StepFailed(f"closing the window did not save the code list in "
                             f"{self.settings_file}")
        got = saved_code_list(self.settings_file)
        if got != expected:
            raise StepFailed(f"the saved code list is {got!r}, expected {expected!r}")

    def run(self):
        for name, action in [
            ("start the sample service and quillfen", self.start),
            ("add the two sample codes and type four more", self.add_codes),
            ('look them up and answer "Done."', self.look_up),
            ("untick the first row", self.untick_one_row),
            ("copy the results and read the clipboard", self.copy_to_clipboard),
            ("save the results as a text file", self.save_text_file),
            ("open the About box by keyboard and close it", self.about_by_keyboard),
            ("close the window", self.close_window),
        ]:
            print(f"e2e: {name}", flush=True)
            started = time.monotonic()
            action()
            self.timings.append((name, time.monotonic() - started))

    def report_failure(self):
        picture = os.path.join(self.args.work_dir, "failure.png")
        try:
            self.desktop.screenshot(picture)
            print(f"e2e: the screen at the failure: {picture}")
        except Exception as error:
            print(f"e2e: no picture of the screen: {error}")
        if self.app is not None:
            try:
                print("e2e: what quillfen showed:\n" + describe(self.app))
            except Exception as error:
                print(f"e2e: what quillfen showed could not be read: {error}")
        for name in ("quillfen", "sample-service"):
            log = self.desktop.log_of(name).strip()
            if log:
                print(f"e2e: {name} wrote:\n{log}")
        print(f"e2e: logs and files are in {self.args.work_dir}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True, help="the quillfen program")
    parser.add_argument("--service", required=True, help="the sample service program")
    parser.add_argument("--catalog", required=True, help="the sample service's catalog")
    parser.add_argument("--work-dir", required=True, help="emptied first; logs and files go here")
    parser.add_argument("--screenshot", required=True, help="picture of the window after lookup")
    parser.add_argument("--config-home", help="XDG_CONFIG_HOME for the program (emptied first)")
    args = parser.parse_args()
    args.work_dir = os.path.abspath(args.work_dir)
    shutil.rmtree(args.work_dir, ignore_errors=True)
    os.makedirs(args.work_dir)

    def give_up(signal_number, _frame):
        if signal_number == signal.SIGALRM:
            raise StepFailed(f"the run took more than {RUN_LIMIT_SECONDS} s")
        raise StepFailed(f"stopped by signal {signal_number}")

    for signal_number in (signal.SIGALRM, signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(signal_number, give_up)
    signal.alarm(RUN_LIMIT_SECONDS)

    started = time.monotonic()
    desktop = Desktop(args.work_dir)
    run = None
    try:
        desktop.start()
        run = LookupRun(args, desktop)
        run.run()
    except Exception as error:
        print(f"e2e: FAILED: {error}")
        if not isinstance(error, StepFailed):
            traceback.print_exc()
        if run is not None:
            run.report_failure()
        return 1
    finally:
        signal.alarm(0)
        for signal_number in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
            signal.signal(signal_number, signal.SIG_IGN)  # let the clean-up finish
        desktop.stop()
    for name, seconds in run.timings:
        print(f"e2e: {seconds:5.2f} s  {name}")
    print(f"e2e: passed in {time.monotonic() - started:.1f} s; the window after the lookup: "
          f"{args.screenshot}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
