# Makes, at test time, the workbook tst_sheetfiles enriches to check that the copy is the user's
# own file: three sheets (one hidden), formulas with and without cached values, a cross-sheet
# reference, a defined name, merged cells, a frozen pane, an auto-filter, a comment, a column
# width, bold headers, date, percent and currency formats, text and numeric codes, a chart and a
# picture.
# For Debian's /usr/bin/python3 (python3-openpyxl, python3-pil).   make-fidelity-book.py FOLDER
import datetime, io, re, sys, zipfile
import openpyxl
import PIL.Image
from openpyxl.chart import BarChart, Reference
from openpyxl.comments import Comment
from openpyxl.drawing.image import Image
from openpyxl.styles import Font
from openpyxl.workbook.defined_name import DefinedName

folder = sys.argv[1]
book = openpyxl.Workbook()
prices = book.active
prices.title = "Preisliste"
prices.append(["Artikel", "EAN", "Preis", "Brutto", "Datum", "Rabatt", "Notiz"])
prices.append(["Stift", "4006381333931", 1.5, "=C2*1.19", datetime.date(2024, 3, 15), 0.1,
               "=Notizen!A1"])
prices.append(["Tinte", 5901234123457, 3.2, "=C3*Steuer", datetime.date(2024, 3, 16), 0.25, "x"])
prices.append([])
prices.append(["Kappe", "0012345678905", 5.9381, "=C5*1.19", None, None, None])
prices.append(["Summe", None, "=SUM(C2:C5)"])
for row in range(2, 7):
    prices.cell(row, 3).number_format = '#,##0.00 "\u20ac"'
    prices.cell(row, 5).number_format = "DD.MM.YYYY"
    prices.cell(row, 6).number_format = "0.00%"
for cell in prices[1]:
    cell.font = Font(bold=True)
prices.merge_cells("A8:C8")
prices["A8"] = "Stand: M\u00e4rz"
prices.freeze_panes = "A2"
prices.auto_filter.ref = "A1:G6"
prices["A2"].comment = Comment("Hinweis", "Anna")
prices.column_dimensions["A"].width = 30
# A chart of the prices and a picture, so that the drawing, chart and media parts are in the package.
chart = BarChart()
chart.title = "Preise"
chart.add_data(Reference(prices, min_col=3, min_row=1, max_row=5), titles_from_data=True)
chart.set_categories(Reference(prices, min_col=1, min_row=2, max_row=5))
prices.add_chart(chart, "B10")
png = io.BytesIO()
PIL.Image.new("RGB", (16, 8), (200, 30, 30)).save(png, "PNG")
prices.add_image(Image(png), "J2")
notes = book.create_sheet("Notizen")
notes["A1"] = "Lieferant Kraus"
notes["B1"] = 1.19
hidden = book.create_sheet("Intern")
hidden["A1"] = "geheim"
hidden.sheet_state = "hidden"
book.defined_names.append(DefinedName("Steuer", attr_text="Notizen!$B$1"))
book.save(folder + "/plain.xlsx")

# openpyxl stores no cached value for a formula; Excel does. One formula gets one.
with zipfile.ZipFile(folder + "/plain.xlsx") as source, \
        zipfile.ZipFile(folder + "/book.xlsx", "w", zipfile.ZIP_DEFLATED) as target:
    for item in source.infolist():
        data = source.read(item.filename)
        if item.filename == "xl/worksheets/sheet1.xml":
            data, count = re.subn(rb'(<c r="D2"[^>]*><f>C2\*1.19</f>)<v\s*/?>(</v>)?',
                                  rb"\1<v>1.785</v>", data)
            assert count == 1, data
        target.writestr(item, data)
