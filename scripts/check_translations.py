#!/usr/bin/env python3
"""The translation files checked text by text against their English sources.

Usage: check_translations.py FILE.ts...

Every message must have a finished translation that keeps what the program's layout and code depend on:

- the placeholders %1, %2, ... (each as often as in the English text);
- the blanks, line breaks and carriage returns at the start and at the end, exactly;
- the number of line breaks ("\\n") and carriage returns inside: a command's prompt is its status-bar
  text, a line break and its tool tip, the document template is seven lines;
- the key after a tab ("&Undo %1\\tCtrl+Z"): the shortcut shown in a menu;
- one mnemonic ("&F", or Japanese style "(&F)") where the English text has one, and none where it has
  none;
- file patterns such as "*.VLK" and "(*.csv)".

Prints one line per fault and exits 1 when there is any.
"""

import re
import sys
import xml.etree.ElementTree as ElementTree

PLACEHOLDER = re.compile(r"%(\d+)")
PATTERN = re.compile(r"\*\.[A-Za-z0-9]+|\(\*\)")
LEADING = re.compile(r"^[ \r\n]*")
TRAILING = re.compile(r"[ \r\n]*$")


def text_of(element):
    """The text of a <source> or <translation>, with <byte value="xd"/> elements as their characters."""
    if element is None:
        return None
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            parts.append(chr(int(child.get("value").lstrip("x"), 16)))
        parts.append(child.tail or "")
    return "".join(parts)


def mnemonics(text):
    """The number of mnemonic marks: "&" before anything but another "&"."""
    return len(re.findall(r"&[^&\s]", text.replace("&&", "")))


def faults(source, translation):
    if translation is None or translation == "" and source != "":
        yield "no translation"
        return
    if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(translation)):
        yield "placeholders differ"
    if LEADING.match(source).group() != LEADING.match(translation).group():
        yield "leading blanks or line breaks differ"
    if TRAILING.search(source).group() != TRAILING.search(translation).group():
        yield "trailing blanks or line breaks differ"
    for mark, name in (("\n", "line breaks"), ("\r", "carriage returns"), ("\t", "tabs")):
        if source.count(mark) != translation.count(mark):
            yield f"the number of {name} differs"
    if "\t" in source and source.rsplit("\t", 1)[1] != translation.rsplit("\t", 1)[-1]:
        yield "the shortcut after the tab differs"
    if (mnemonics(source) > 0) != (mnemonics(translation) == 1) or mnemonics(translation) > 1:
        yield "the mnemonic (&) differs"
    if sorted(PATTERN.findall(source)) != sorted(PATTERN.findall(translation)):
        yield "file patterns differ"


def check(path):
    problems = []
    root = ElementTree.parse(path).getroot()
    for message in root.iter("message"):
        source = text_of(message.find("source"))
        element = message.find("translation")
        identifier = (message.findtext("comment") or "").strip()
        kind = element.get("type") if element is not None else None
        if kind in ("unfinished", "vanished", "obsolete"):
            problems.append(f"{path}: {identifier}: {kind}")
            continue
        for fault in faults(source, text_of(element)):
            problems.append(f"{path}: {identifier}: {fault}: {source!r}")
    return problems


def main(paths):
    if not paths:
        print(__doc__, file=sys.stderr)
        return 64
    problems = [problem for path in paths for problem in check(path)]
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
