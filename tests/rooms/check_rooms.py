#!/usr/bin/python3
"""Holds every room of src/ to the rooms it may include (CONTRIBUTING.md, "Rooms by concern"), so
that an interface cannot come to depend on an implementation, nor the logic on Qt Widgets, without
a test failing. Reads the sources as text; prints each include that breaks the rule."""
import pathlib
import re
import sys

# The rooms each room may include besides itself.
ALLOWED = {
    "platform": set(),
    "common": {"platform"},
    "gs1": {"platform", "common"},
    "codes": {"platform", "common", "gs1"},
    "lookup": {"platform", "common", "gs1"},
    "index": {"platform", "common", "gs1", "lookup"},
    "sheets": {"platform", "common", "gs1", "lookup"},
    "barcodes": {"platform", "common", "gs1", "lookup"},
    "results": {"platform", "common", "gs1", "lookup", "sheets"},
    "scanning": {"platform", "common", "gs1", "lookup", "barcodes", "results"},
    "app": {"platform", "common", "gs1", "codes", "lookup", "index", "sheets", "barcodes", "results",
            "scanning"},
    "desktop": {"platform", "common"},
    "program": {"platform", "common", "gs1", "codes", "lookup", "index", "sheets", "barcodes",
                "results", "scanning", "app", "desktop"},
}
# Qt modules the logic may not include (it runs headless and on fakes).
WIDGET_HEADERS = re.compile(r"#\s*include\s*<(QtWidgets/|QtGui/|QtSql/|Q(Widget|Application|Dialog|"
                            r"MessageBox|PushButton|Label|TreeWidget|Sql\w*|Clipboard|Image|Pixmap)\b)")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
# The faces of app/, each a folder of its own. A face includes what app/ itself holds (what two
# faces share) but never a sibling face, and what app/ itself holds includes no face.
APP_FACES = {"window", "batch", "sources", "scan", "index"}
LOGIC = {"platform", "common", "gs1", "codes", "lookup", "index", "sheets", "barcodes", "results",
         "scanning", "app"}


def main(source_dir):
    src = pathlib.Path(source_dir) / "src"
    faults = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".cpp", ".h"):
            continue
        room = path.relative_to(src).parts[0]
        if room not in ALLOWED:
            faults.append(f"{path.relative_to(src)}: in no known room; add it to {__file__}")
            continue
        text = path.read_text(encoding="utf-8")
        for name in INCLUDE.findall(text):
            target = name.split("/")[0] if "/" in name else room
            if target != room and target not in ALLOWED[room]:
                faults.append(f"{path.relative_to(src)}: includes {name}, but {room}/ may include "
                              f"only {', '.join(sorted(ALLOWED[room])) or 'nothing of ours'}")
        if room == "app":
            parts = path.relative_to(src).parts
            face = parts[1] if len(parts) > 2 else None
            if face is not None and face not in APP_FACES:
                faults.append(f"{path.relative_to(src)}: in no known face of app/; add it to "
                              f"{__file__}")
            for name in INCLUDE.findall(text):
                pieces = name.split("/")
                if pieces[0] != "app" or len(pieces) < 3:
                    continue
                if face is None:
                    faults.append(f"{path.relative_to(src)}: includes {name}, but what app/ "
                                  "itself holds is shared by the faces and includes none of them")
                elif pieces[1] != face:
                    faults.append(f"{path.relative_to(src)}: includes {name}, a header of another "
                                  f"face than {face}/")
        if room in LOGIC:
            for match in WIDGET_HEADERS.finditer(text):
                faults.append(f"{path.relative_to(src)}: the logic includes <{match.group(1)}...>")
    for fault in faults:
        print(fault)
    print(f"rooms: {len(faults)} includes out of place")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
