#!/usr/bin/python3
"""Writes the ISBN ranges the program keeps as a C++ table, from python3-stdnum's isbn.dat (which
Debian generates from the International ISBN Agency's RangeMessage.xml): for each prefix (978,
979) the lengths of its registration groups, and for each group the lengths of its publishers.

isbn.dat is indented by level: a prefix at column 0, then at one space first the prefix's group
ranges and then each group ("0 agency=..."), whose publisher ranges follow at two spaces. A list
of ranges may go on over several lines of the same indent. Each range is LOW-HIGH, both of the
element's length.

make-table.py ISBN_DAT OUTPUT"""
import re
import sys

RANGE_LIST = re.compile(r"^\d+-\d+(,\d+-\d+)*$")


def read(path):
    """[(prefix, group, ranges)]: group empty for the prefix's own list of group ranges."""
    entries = []
    prefix = group = None
    date = ""
    for line in open(path, encoding="utf-8"):
        if line.startswith("# file date "):
            date = line[len("# file date "):].strip()
        if line.startswith("#") or not line.strip():
            continue
        indent = len(line) - len(line.lstrip(" "))
        text = line.strip()
        if indent == 0:
            prefix, group = text.split()[0], None
            entries.append([prefix, "", []])
        elif indent == 1 and RANGE_LIST.match(text) and group is None:
            entries[-1][2].extend(text.split(","))
        elif indent == 1:
            group = text.split()[0]
            entries.append([prefix, group, []])
        elif indent == 2 and RANGE_LIST.match(text):
            entries[-1][2].extend(text.split(","))
        else:
            sys.exit(f"{path}: cannot read the line {line!r}")
    for prefix_, group_, ranges in entries:
        for item in ranges:
            low, high = item.split("-")
            if len(low) != len(high):
                sys.exit(f"{path}: {prefix_}-{group_}: {item} is no range of one length")
    return date, entries


def main(source, output):
    date, entries = read(source)
    if not any(group == "" for _, group, _ in entries) or len(entries) < 100:
        sys.exit(f"{source}: too few ranges read ({len(entries)}); is it the ISBN ranges file?")
    lines = [
        "// Written by tools/isbn-ranges/make-table.py from python3-stdnum's isbn.dat; do not edit.",
        f'inline constexpr char kBuiltInIsbnRangesDate[] = "{date}";',
        "inline constexpr IsbnTableRow kBuiltInIsbnRanges[] = {",
    ]
    for prefix, group, ranges in entries:
        lines.append(f'    {{"{prefix}", "{group}", "{",".join(ranges)}"}},')
    lines.append("};")
    with open(output, "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
