"""Checks every translation of the game's texts: complete by lrelease's own count, holding every
message the sources and the board's cell names have, with the placeholders, line breaks and menu
accelerators of the English, and no two accelerators alike within a menu.

Usage: ts_files_test.py SOURCE_DIR LUPDATE LRELEASE (game_facts on PYTHONPATH)."""
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

import game_facts

LANGUAGES = game_facts.LANGUAGES
# What the board calls a cell besides its gem kind: the window translates what the game says.
CELL_NAMES = game_facts.GEM_KIND_NAMES + (game_facts.EMPTY_CELL_NAME,)
# The menu bar and each menu, by their English texts: within one, accelerators must differ.
MENUS = (("&Game", "&Help"), ("&New Game", "&Play Sound", "&Hint", "&Quit"),
         ("&How to play...", "&About..."))


def text_of(element):
    """An element's text with lupdate's <byte value="xd"/> read back as the carriage return."""
    parts = [element.text or ""]
    for child in element:
        parts.append(chr(int(child.get("value")[1:], 16)) if child.tag == "byte" else "")
        parts.append(child.tail or "")
    return "".join(parts)


def read_messages(ts_file):
    """(context, source) -> (translation, whether it is finished) of every message."""
    messages = {}
    for context in ElementTree.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            finished = translation.get("type") is None and text_of(translation) != ""
            messages[(name, text_of(message.find("source")))] = (text_of(translation), finished)
    return messages


def accelerators(text):
    """The characters marked with a single &, && being a plain ampersand."""
    return [mark.lower() for mark in re.findall(r"(?<!&)&([^&])", text.replace("&&", ""))]


def check_message(language, source, translation, failures):
    def fail(what):
        failures.append(f"{language} {source!r}: {what} in {translation!r}")

    if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", translation)):
        fail("placeholders differ")
    if len(accelerators(translation)) != len(accelerators(source)):
        fail("accelerators differ")
    if source.endswith("\r\n") != translation.endswith("\r\n"):
        fail("the closing line break differs")
    if "\n" in translation.replace("\r\n", ""):
        fail("a line break without its carriage return")


def expected_messages(source_dir, lupdate):
    """What lupdate finds where updating the translations looks: the sources, and the build's file
    that marks the cells' names."""
    cell_names = Path(game_facts.__file__).with_name("CellNames.cpp")
    with tempfile.TemporaryDirectory() as folder:
        scanned = Path(folder) / "sources.ts"
        subprocess.run([lupdate, "-silent", "-locations", "none", str(source_dir / "src"),
                        str(cell_names), "-ts", str(scanned)], check=True)
        return set(read_messages(scanned))


def main():
    source_dir, lupdate, lrelease = Path(sys.argv[1]), sys.argv[2], sys.argv[3]
    failures = []
    folder = source_dir / "translations"
    found = sorted(path.stem.split("_", 1)[1] for path in folder.glob("*.ts"))
    if found != sorted(LANGUAGES):
        failures.append(f"languages: files {found}, build {LANGUAGES}")
    expected = expected_messages(source_dir, lupdate)
    failures += [f"lupdate does not find the cell name {name!r}" for name in CELL_NAMES
                 if ("CellName", name) not in expected]
    for language in LANGUAGES:
        ts_file = folder / f"{game_facts.TRANSLATIONS_NAME}_{language}.ts"
        report = subprocess.run([lrelease, str(ts_file), "-qm", "/dev/null"], check=True,
                                capture_output=True, text=True).stdout
        if " 0 unfinished" not in report or "untranslated" in report:
            failures.append(f"{language}: lrelease reports {report.strip()!r}")
        messages = read_messages(ts_file)
        for key in sorted(expected - set(messages)):
            failures.append(f"{language}: missing {key}")
        for key in sorted(set(messages) - expected):
            failures.append(f"{language}: no longer in the sources {key}")
        for key, (translation, finished) in messages.items():
            if not finished:
                failures.append(f"{language}: unfinished {key}")
            check_message(language, key[1], translation, failures)
        for menu in MENUS:
            texts = [messages.get(("glintrow::frmMain", source), ("",))[0] for source in menu]
            marks = [mark for text in texts for mark in accelerators(text)]
            if len(set(marks)) != len(marks):
                failures.append(f"{language}: accelerators {marks} collide in {menu}")
    for failure in failures:
        print("FAIL", failure)
    print(f"{len(LANGUAGES)} languages, {len(expected)} messages each:",
          "fail" if failures else "ok")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
