#!/usr/bin/env bash
# Makes the spreadsheet files the sheet suites read. Run once by hand; the files are committed, so
# the tests need neither openpyxl nor LibreOffice. Needs /usr/bin/python3 with python3-openpyxl and
# soffice from libreoffice-calc-nogui.
#
# excel-shaped.xlsx  openpyxl, then its sheet rewritten the way Excel writes one: a first sheet
#                    without data, shared strings, an inline string, a code stored in E notation
#                    (4.006381333931E+12), a code that lost its leading zero, and a date cell.
# libreoffice.ods    LibreOffice's conversion of excel-shaped.xlsx.
# libreoffice.xlsx   LibreOffice's conversion of libreoffice.ods.
# windows-1252.csv   semicolons and Windows-1252 text, as Excel on a German Windows saves "CSV".
# e-notation.csv     a code Excel saved as 4.00638E+12.
# bomb.xlsx          a workbook whose sheet inflates to over 100 times its packed size.
set -euo pipefail
cd "$(dirname "$0")"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

/usr/bin/python3 - "$scratch" <<'PY'
import datetime, re, sys, zipfile
import openpyxl

scratch = sys.argv[1]
book = openpyxl.Workbook()
book.active.title = "Notes"
prices = book.create_sheet("Prices")
prices.append(["Product", "EAN code", "Price", "Added"])
prices.append(["Pen", 4006381333931, 1.5, datetime.date(2024, 3, 1)])
prices.append(["Ink", "INLINE", 2, datetime.date(2024, 3, 2)])
prices.append([])
prices.append(["Cap", 12345678905, 3, datetime.date(2024, 3, 3)])
book.save(f"{scratch}/plain.xlsx")

# openpyxl writes every string inline; Excel keeps them in the shared strings part (a formatted
# one as runs) and writes an inline string only now and then.
strings = []
def shared(match):
    cell, text = match.group(1), match.group(2)
    if cell == "B3":
        return f'<c r="B3" t="inlineStr"><is><t>0012345678905</t></is></c>'
    strings.append(text)
    return f'<c r="{cell}" t="s"><v>{len(strings) - 1}</v></c>'

with zipfile.ZipFile(f"{scratch}/plain.xlsx") as source, \
        zipfile.ZipFile("excel-shaped.xlsx", "w", zipfile.ZIP_DEFLATED) as target:
    for item in source.infolist():
        data = source.read(item.filename)
        if item.filename == "xl/worksheets/sheet2.xml":
            text = data.decode()
            text = text.replace("<v>4006381333931</v>", "<v>4.006381333931E+12</v>")
            text = re.sub(r'<c r="([A-Z]+[0-9]+)" t="inlineStr"><is><t>([^<]*)</t></is></c>',
                          shared, text)
            assert "4.006381333931E+12" in text and text.count("inlineStr") == 1, text
            data = text.encode()
        elif item.filename == "[Content_Types].xml":
            data = data.replace(b"</Types>", b'<Override PartName="/xl/sharedStrings.xml" '
                                b'ContentType="application/vnd.openxmlformats-officedocument.'
                                b'spreadsheetml.sharedStrings+xml"/></Types>')
        elif item.filename == "xl/_rels/workbook.xml.rels":
            data = data.replace(b"</Relationships>", b'<Relationship Id="rIdStrings" '
                                b'Type="http://schemas.openxmlformats.org/officeDocument/2006/'
                                b'relationships/sharedStrings" Target="sharedStrings.xml"/>'
                                b"</Relationships>")
        target.writestr(item, data)
    items = "".join(f"<si><t>{text}</t></si>" if text != "EAN code" else
                    "<si><r><rPr><b/></rPr><t>EAN</t></r><r><t xml:space=\"preserve\"> code</t>"
                    "</r></si>" for text in strings)
    target.writestr("xl/sharedStrings.xml",
                    '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<sst xmlns='
                    '"http://schemas.openxmlformats.org/spreadsheetml/2006/main" '
                    f'count="{len(strings)}" uniqueCount="{len(strings)}">{items}</sst>')

with zipfile.ZipFile("bomb.xlsx", "w", zipfile.ZIP_DEFLATED) as bomb, \
        zipfile.ZipFile("excel-shaped.xlsx") as source:
    for item in source.infolist():
        data = source.read(item.filename)
        if item.filename == "xl/worksheets/sheet2.xml":
            data = b"<worksheet><sheetData>" + b" " * (8 * 1024 * 1024) + b"</sheetData></worksheet>"
        bomb.writestr(item, data)

with open("windows-1252.csv", "wb") as csv:
    csv.write("Artikel;Preis;EAN\r\nCafé crème;1,50 €;4006381333931\r\n"
              "Müsli;2,00 €;96385074\r\n".encode("cp1252"))
with open("e-notation.csv", "wb") as csv:
    csv.write(b"Name,EAN\r\nPen,4.00638E+12\r\nInk,4006381333931\r\nCap,96385074\r\n"
              b"Box,036000291452\r\n")
PY

export HOME="$scratch"
soffice --headless --convert-to ods --outdir "$scratch" excel-shaped.xlsx >/dev/null
cp "$scratch/excel-shaped.ods" libreoffice.ods
soffice --headless --convert-to xlsx --outdir "$scratch" libreoffice.ods >/dev/null
cp "$scratch/libreoffice.xlsx" libreoffice.xlsx
