#!/usr/bin/python3
"""Holds every message to one arg() call with all its values. A chained .arg(a).arg(b) substitutes
into what the first call put in: a file name or a code that holds "%1" is then changed by the
second call, and the message names a file that is not there. Reads the sources as text; prints each
chain with its file and line."""
import pathlib
import sys

FOLDERS = ("src", "tools")


def chains(text):
    """The positions of the .arg( calls that follow another .arg(...) directly."""
    found = []
    at = text.find(".arg(")
    while at >= 0:
        # The end of this call's parentheses, skipping strings and characters.
        depth, i, quote = 0, at + 4, None
        while i < len(text):
            c = text[i]
            if quote:
                if c == "\\":
                    i += 1
                elif c == quote:
                    quote = None
            elif c in "\"'":
                quote = c
            elif c == "(":
                depth += 1
            elif c == ")":
                depth -= 1
                if depth == 0:
                    break
            i += 1
        rest = text[i + 1:]
        if rest.lstrip().startswith(".arg("):
            found.append(i + 1 + (len(rest) - len(rest.lstrip())))
        at = text.find(".arg(", at + 5)
    return found


def main(source_dir):
    root = pathlib.Path(source_dir)
    faults = []
    for folder in FOLDERS:
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in (".cpp", ".h"):
                continue
            text = path.read_text(encoding="utf-8")
            for position in chains(text):
                line = text.count("\n", 0, position) + 1
                faults.append(f"{path.relative_to(root)}:{line}: .arg() after .arg(); give every "
                              "value to one call")
    for fault in faults:
        print(fault)
    print(f"messages: {len(faults)} chained arg() calls")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
