#!/usr/bin/env python3
"""The Debian changelog of the package, written from the releases of the AppStream metainfo, so that the
release notes are kept in one place. Usage:

  debian_changelog.py METAINFO PACKAGE MAINTAINER OUTPUT

Each <release> becomes one entry, newest first as in the metainfo: its paragraphs and list items are the
entry's items, its date (noon UTC, so that no time zone moves it to another day) the entry's date.
"""

import datetime
import sys
import textwrap
import xml.etree.ElementTree as ElementTree

WIDTH = 79


def items(release):
    description = release.find("description")
    if description is None:
        return ["New release."]
    found = []
    for element in description.iter():
        if element.tag in ("p", "li"):
            text = " ".join("".join(element.itertext()).split())
            if text:
                found.append(text)
    return found or ["New release."]


def entry(package, maintainer, release):
    version = release.get("version")
    date = datetime.datetime.strptime(release.get("date"), "%Y-%m-%d").replace(
        hour=12, tzinfo=datetime.timezone.utc)
    lines = [f"{package} ({version}) unstable; urgency=medium", ""]
    for item in items(release):
        lines += textwrap.wrap(item, WIDTH, initial_indent="  * ", subsequent_indent="    ")
    lines += ["", f" -- {maintainer}  {date.strftime('%a, %d %b %Y %H:%M:%S +0000')}"]
    return "\n".join(lines) + "\n"


def main(arguments):
    if len(arguments) != 4:
        sys.exit(__doc__)
    metainfo, package, maintainer, output = arguments
    releases = ElementTree.parse(metainfo).getroot().findall("releases/release")
    if not releases:
        sys.exit(f"{metainfo}: no <release>")
    with open(output, "w", encoding="utf-8") as file:
        file.write("\n".join(entry(package, maintainer, release) for release in releases))


if __name__ == "__main__":
    main(sys.argv[1:])
