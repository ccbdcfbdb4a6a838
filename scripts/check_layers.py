#!/usr/bin/env python3
"""The layers as the build makes them, checked against the sources and the README.

The build writes its own graph (cmake/Targets.cmake: every target with its folder, its sources, the
targets it links and those it passes on, and the Qt modules it links); this script holds no table of its
own. Usage:

  check_layers.py includes SOURCE_ROOT GRAPH   every #include reaches only headers of targets the
                                               including file's target sees, and no Qt header reaches
                                               a target that sees no Qt
  check_layers.py folders SOURCE_ROOT GRAPH    every folder of the program builds exactly one target,
                                               from files of that folder only
  check_layers.py readme SOURCE_ROOT GRAPH     the README's layout table and layer graph are the build's
  check_layers.py graph GRAPH                  prints the layer graph as the README shows it
"""

import collections
import pathlib
import re
import sys

# Folders that are not the program's layers: test suites, benchmarks and fuzz targets build one program
# for each subject, from files wherever the subject needs them.
NOT_LAYERS = ("tests/", "bench/", "fuzz/")
# Folders of the tree that are never sources.
SKIPPED = ("build/", ".git/", ".cache/")

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT_HEADER = re.compile(r"^Q[A-Za-z]|^Qt[A-Z]|^qt")


class Graph:
    def __init__(self, path, root):
        self.root = root
        self.type = {}
        self.folder = {}
        self.links = {}
        self.public = {}
        self.qt = {}
        self.sources = collections.defaultdict(list)
        for line in pathlib.Path(path).read_text(encoding="utf-8").splitlines():
            fields = line.split("\t")
            kind, name, rest = fields[0], fields[1], [f for f in fields[2:] if f]
            if kind == "target":
                self.type[name], self.folder[name] = rest[0], rest[1] if len(rest) > 1 else ""
            elif kind == "links":
                self.links[name] = rest
            elif kind == "public":
                self.public[name] = rest
            elif kind == "qt":
                self.qt[name] = rest
            elif kind == "source":
                self.sources[name].append(rest[0])
        self.owners = collections.defaultdict(set)
        for target, sources in self.sources.items():
            for source in sources:
                self.owners[source].add(target)
        self.targets_in = collections.defaultdict(set)
        for target, folder in self.folder.items():
            self.targets_in[folder].add(target)

    def sees(self, target):
        """The targets whose headers `target` sees: itself, what it links, and what those pass on."""
        seen = {target}
        todo = list(self.links.get(target, []))
        while todo:
            name = todo.pop()
            if name not in seen:
                seen.add(name)
                todo.extend(self.public.get(name, []))
        return seen

    def uses_qt(self, target):
        return any(self.qt.get(name) for name in self.sees(target))

    def owners_of(self, relative):
        """The targets a file belongs to: those that compile it, else the one target of its folder."""
        if relative in self.owners:
            return self.owners[relative]
        folder = relative.rpartition("/")[0]
        in_folder = self.targets_in.get(folder, set())
        return in_folder if len(in_folder) == 1 else set()

    def layers(self):
        """The program's targets (not tests, benchmarks or fuzz targets)."""
        return sorted(t for t, folder in self.folder.items() if not (folder + "/").startswith(NOT_LAYERS))


def source_files(root):
    for path in sorted(root.rglob("*")):
        if path.suffix not in (".h", ".cpp") or not path.is_file():
            continue
        relative = path.relative_to(root).as_posix()
        if not relative.startswith(SKIPPED):
            yield path, relative


def check_includes(root, graph):
    failures = []
    for path, relative in source_files(root):
        owners = graph.owners_of(relative)
        if not owners:
            continue
        lines = path.read_text(encoding="utf-8", errors="replace").splitlines()
        for number, line in enumerate(lines, 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            quoted, name = match.group(1) == '"', match.group(2)
            if not quoted:
                for owner in owners:
                    if QT_HEADER.match(name) and not graph.uses_qt(owner):
                        failures.append(f"{relative}:{number}: <{name}> in {owner}, which uses no Qt")
                continue
            beside = path.parent / name
            header = beside if beside.is_file() else root / name
            if not header.is_file():
                # Generated files, such as the output of moc.
                continue
            header_owners = graph.owners_of(header.resolve().relative_to(root).as_posix())
            if not header_owners:
                continue
            for owner in owners:
                if not header_owners & graph.sees(owner):
                    their = ", ".join(sorted(header_owners))
                    failures.append(f'{relative}:{number}: "{name}" is {their}, which {owner} does not link')
    return report(failures, "include(s) cross a layer the wrong way", "every include goes one way")


def check_folders(root, graph):
    failures = []
    folders = {relative.rpartition("/")[0] for _, relative in source_files(root)}
    for folder in sorted(folders):
        if (folder + "/").startswith(NOT_LAYERS):
            continue
        targets = graph.targets_in.get(folder, set())
        if not targets:
            failures.append(f"{folder or '.'}/: has sources but builds no target")
        elif len(targets) > 1:
            failures.append(f"{folder or '.'}/: builds {len(targets)} targets ({', '.join(sorted(targets))})")
    for target in graph.layers():
        for source in graph.sources[target]:
            if source.startswith("/") or source.startswith(SKIPPED):
                # Generated in the build tree.
                continue
            if source.rpartition("/")[0] != graph.folder[target]:
                failures.append(f"{target}: compiles {source}, outside its folder {graph.folder[target]}/")
    return report(failures, "folder(s) or target(s) out of shape", "every folder builds one target of its own files")


def graph_text(graph):
    """One line a target of the program, from the top down: what it links, and the Qt modules it links."""
    layers = graph.layers()
    depth = {}

    def height(target):
        if target not in depth:
            below = [link for link in graph.links.get(target, []) if link in layers]
            depth[target] = 1 + max((height(link) for link in below), default=0)
        return depth[target]

    ordered = sorted(layers, key=lambda t: (-height(t), t))
    width = max(len(t) for t in ordered)
    lines = []
    for target in ordered:
        links = [link for link in graph.links.get(target, []) if link in layers]
        qt = graph.qt.get(target, [])
        line = f"{target:<{width}} -> {', '.join(links) if links else '(nothing of the program)'}"
        if qt:
            line += f" (+ Qt {', '.join(qt)})"
        lines.append(line.rstrip())
    return "\n".join(lines) + "\n"


README_GRAPH = re.compile(r"<!-- layer graph -->\n```\n(.*?)```\n", re.S)
README_ROW = re.compile(r"^\| `([^`]+)/` \| `([^`]+)`(?:, `([^`]+)`)* \|", re.M)


def check_readme(root, graph):
    failures = []
    readme = (root / "README.md").read_text(encoding="utf-8")
    match = README_GRAPH.search(readme)
    if not match:
        failures.append("README.md: no layer graph after <!-- layer graph -->")
    elif match.group(1) != graph_text(graph):
        failures.append("README.md: the layer graph is not the build's; write in what "
                        "'scripts/check_layers.py graph build/test/layers.txt' prints")
    rows = {}
    for row in README_ROW.finditer(readme):
        rows[row.group(1)] = row.group(2)
    built = {graph.folder[t]: t for t in graph.layers()}
    for folder, target in sorted(built.items()):
        if folder not in rows:
            failures.append(f"README.md: the layout table has no row for {folder}/ ({target})")
        elif rows[folder] != target:
            failures.append(f"README.md: the layout table says {folder}/ builds {rows[folder]}, the build {target}")
    for folder in sorted(set(rows) - set(built)):
        failures.append(f"README.md: the layout table lists {folder}/, which builds nothing")
    return report(failures, "difference(s) between the README and the build", "the README shows the build's layers")


def report(failures, what, good):
    for failure in failures:
        print(failure)
    if failures:
        print(f"{len(failures)} {what}")
        return 1
    print(good)
    return 0


def main(argv):
    if len(argv) == 3 and argv[1] == "graph":
        sys.stdout.write(graph_text(Graph(argv[2], None)))
        return 0
    checks = {"includes": check_includes, "folders": check_folders, "readme": check_readme}
    if len(argv) != 4 or argv[1] not in checks:
        print(__doc__, file=sys.stderr)
        return 64
    root = pathlib.Path(argv[2]).resolve()
    return checks[argv[1]](root, Graph(argv[3], root))


if __name__ == "__main__":
    sys.exit(main(sys.argv))
