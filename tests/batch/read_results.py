# Reads a batch results file the way another program would, with Python's own readers (csv,
# json) and openpyxl, and prints its rows as JSON: {"rows": [[cell, ...], ...]}, the column
# names first. For Debian's /usr/bin/python3 (python3-openpyxl).
#   read_results.py FORMAT FILE
import csv
import json
import sys

COLUMNS = ["code", "gtin", "status", "name", "brand", "quantity", "source", "detail", "categories",
           "kind", "gs1_office", "image_url", "url", "same_as", "inner_gtin", "upc", "isbn10",
           "isbn_hyphenated", "issn", "author", "publisher", "published",
           "control_number"]


def objects_to_rows(objects):
    rows = [COLUMNS]
    for record in objects:
        # json keeps the keys in the order the file has them.
        if list(record.keys()) != COLUMNS:
            sys.exit("keys out of order: %s" % list(record.keys()))
        rows.append([record[key] for key in COLUMNS])
    return rows


def read(form, path):
    if form in ("csv", "tsv"):
        with open(path, newline="", encoding="utf-8") as file:
            text = file.read()
        if text.startswith("\ufeff"):
            sys.exit("byte-order mark")
        if text and not text.endswith("\r\n"):
            sys.exit("last line does not end in CR LF")
        with open(path, newline="", encoding="utf-8") as file:
            return list(csv.reader(file, delimiter="," if form == "csv" else "\t", strict=True))
    if form == "json":
        with open(path, encoding="utf-8") as file:
            return objects_to_rows(json.load(file))
    if form == "jsonl":
        with open(path, encoding="utf-8") as file:
            return objects_to_rows(json.loads(line) for line in file.read().split("\n") if line)
    if form == "xlsx":
        import openpyxl
        sheet = openpyxl.load_workbook(path).active
        rows = []
        for row in sheet.iter_rows():
            for cell in row:
                if cell.value is not None and cell.data_type != "s":
                    sys.exit("cell %s is not text" % cell.coordinate)
            rows.append(["" if cell.value is None else cell.value for cell in row])
        return rows
    sys.exit("unknown format " + form)


print(json.dumps({"rows": read(sys.argv[1], sys.argv[2])}))
