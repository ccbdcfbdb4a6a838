#!/usr/bin/env python3
"""Fails when an #include crosses a layer the wrong way.

Every source file belongs to a layer (by its folder, with the few exceptions listed in LAYER_OF); a layer
may include itself and what it uses, directly or through the layers below. The Qt-free layers include no
Qt header at all. Usage: check_layers.py [SOURCE_ROOT]
"""

import pathlib
import re
import sys

# What each layer uses directly; the allowed includes are the closure of this relation.
USES = {
    "core": set(),
    "channels": {"core"},
    "data": {"channels"},
    "operations": {"data"},
    "interchange": {"operations"},
    "clone": {"data", "interchange"},
    "settings_qt": {"core"},
    "resources": {"core"},
    "print": {"interchange", "resources"},
    "widgets": {"resources"},
    "channel_dialogs": {"widgets", "data"},
    "clone_progress": {"widgets", "clone"},
    "ui": {"channel_dialogs", "clone_progress", "widgets", "print", "clone", "operations", "interchange"},
    "app": {"ui", "settings_qt"},
    "tools": {"clone", "settings_qt", "print"},
    # Tests: the GUI tests sit on top of everything (the Qt-free test helpers included); the others see
    # what has no window.
    "gui_tests": {"app", "tools", "tests"},
    "settings_tests": {"settings_qt", "tests"},
    "print_tests": {"print", "tests"},
    "tests": {"clone", "tools"},
}

QT_FREE = {"core", "channels", "data", "operations", "interchange", "clone", "tests"}

# The first pattern that matches a path (relative to the source root) gives its layer. The data core's
# radio data and default images keep the core's folder; the record codec and the string table serve the
# data core though the layout puts them with the protocol and the resources.
LAYER_OF = [
    (r"core/(rig_core|radio_data|default_images)\.(h|cpp)$", "data"),
    (r"core/", "core"),
    (r"clone/clone_record\.(h|cpp)$", "core"),
    (r"res/(string_table\.(h|cpp)|command_ids\.h)$", "core"),
    (r"res/", "resources"),
    (r"channels/dialogs/", "channel_dialogs"),
    (r"channels/", "channels"),
    (r"operations/", "operations"),
    (r"interchange/", "interchange"),
    (r"clone/dialogs/", "clone_progress"),
    (r"clone/", "clone"),
    (r"settings/", "settings_qt"),
    (r"print/", "print"),
    (r"ui/widgets/", "widgets"),
    (r"ui/", "ui"),
    (r"app/", "app"),
    (r"tools/", "tools"),
    (r"tests/gui/", "gui_tests"),
    (r"tests/settings/", "settings_tests"),
    (r"tests/print/", "print_tests"),
    (r"tests/", "tests"),
]

# Folders outside the layers: benchmarks and fuzz targets may use whatever they measure.
UNCHECKED = ("bench/", "fuzz/", "build/", ".git/", ".cache/")

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT_HEADER = re.compile(r"^Q[A-Za-z]|^Qt[A-Z]|^qt")


def layer_of(relative):
    for pattern, layer in LAYER_OF:
        if re.match(pattern, relative):
            return layer
    return None


def allowed(layer):
    seen = {layer}
    todo = [layer]
    while todo:
        for used in USES[todo.pop()]:
            if used not in seen:
                seen.add(used)
                todo.append(used)
    return seen


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    failures = []
    for path in sorted(root.rglob("*")):
        if path.suffix not in (".h", ".cpp") or not path.is_file():
            continue
        relative = path.relative_to(root).as_posix()
        if relative.startswith(UNCHECKED):
            continue
        layer = layer_of(relative)
        if layer is None:
            failures.append(f"{relative}: in no layer; add its folder to tools/check_layers.py")
            continue
        may_use = allowed(layer)
        lines = path.read_text(encoding="utf-8", errors="replace").splitlines()
        for number, line in enumerate(lines, 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            quoted, name = match.group(1) == '"', match.group(2)
            if not quoted:
                if layer in QT_FREE and QT_HEADER.match(name):
                    failures.append(f"{relative}:{number}: <{name}> in {layer}, which uses no Qt")
                continue
            beside = path.parent / name
            target = beside if beside.is_file() else root / name
            if not target.is_file():
                # Generated files, such as the output of moc.
                continue
            target_layer = layer_of(target.resolve().relative_to(root).as_posix())
            if target_layer is not None and target_layer not in may_use:
                failures.append(f'{relative}:{number}: "{name}" is {target_layer}, which {layer} may not use')
    for failure in failures:
        print(failure)
    if failures:
        print(f"{len(failures)} include(s) cross a layer the wrong way")
        return 1
    print("every include goes one way")
    return 0


if __name__ == "__main__":
    sys.exit(main())
