# Prints what openpyxl sees of a workbook, as JSON, so that two workbooks can be compared: the
# sheets and their states, the defined names, and for each sheet its merged cells, frozen pane,
# auto-filter, column widths and cells (formulas as formulas) with their number formats, bold
# and comments; the first sheet's cells only up to column LAST (from 1).
# For Debian's /usr/bin/python3 (python3-openpyxl).   workbook-view.py FILE LAST
import json
import sys

import openpyxl

book = openpyxl.load_workbook(sys.argv[1])
last = int(sys.argv[2])
view = {"names": sorted((n.name, n.attr_text) for n in book.defined_names.definedName),
        "sheets": []}
for index, sheet in enumerate(book.worksheets):
    cells = {}
    for row in sheet.iter_rows():
        for cell in row:
            if index == 0 and cell.column > last:
                continue
            if cell.value is None and cell.comment is None:
                continue
            cells[cell.coordinate] = [str(cell.value), cell.number_format, bool(cell.font.b),
                                      cell.comment.text if cell.comment else None]
    view["sheets"].append({
        "title": sheet.title, "state": sheet.sheet_state,
        "merged": sorted(str(r) for r in sheet.merged_cells.ranges),
        "frozen": sheet.freeze_panes, "filter": sheet.auto_filter.ref,
        "widths": {k: d.width for k, d in sheet.column_dimensions.items() if d.customWidth},
        "cells": cells})
print(json.dumps(view, sort_keys=True))
