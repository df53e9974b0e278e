# Reads a shop's import files the way the shops' own readers would, with Python's csv module and,
# with --libreoffice, LibreOffice too (a few seconds more), and checks each one's columns: the
# exact headers in their order, every row as wide as its header, the merchant feed tab-separated
# with no value quoted. Prints the rows Python read as JSON ({"shopify": [[cell, ...], ...], ...});
# exits 1 saying what is wrong. For Debian's /usr/bin/python3.
#   read_shop_files.py [--libreoffice] SHOPIFY_CSV WOOCOMMERCE_CSV MERCHANT_TSV
import csv
import json
import os
import shutil
import subprocess
import sys
import tempfile

HEADERS = {
    "shopify": ["Handle", "Title", "Body (HTML)", "Vendor", "Product Category", "Type", "Tags",
                "Published", "Variant SKU", "Variant Price", "Variant Inventory Qty",
                "Variant Barcode", "Image Src", "Image Alt Text", "Status"],
    "woocommerce": ["Type", "SKU", "GTIN, UPC, EAN, or ISBN", "Name", "Published",
                    "Short description", "Regular price", "Stock", "Categories", "Images",
                    "Brands"],
    "merchant": ["id", "title", "description", "link", "image_link", "availability", "price",
                 "brand", "gtin", "condition"],
}


def read_csv(path, shop):
    with open(path, newline="", encoding="utf-8") as file:
        rows = list(csv.reader(file, strict=True))
    if not rows or rows[0] != HEADERS[shop]:
        sys.exit("%s: header %r" % (shop, rows[:1]))
    for row in rows:
        if len(row) != len(HEADERS[shop]):
            sys.exit("%s: a row of %d cells: %r" % (shop, len(row), row))
    return rows


def read_feed(path):
    with open(path, newline="", encoding="utf-8") as file:
        text = file.read()
    if not text.endswith("\n"):
        sys.exit("merchant: the last line does not end")
    rows = [line.split("\t") for line in text[:-1].split("\n")]
    if rows[0] != HEADERS["merchant"]:
        sys.exit("merchant: header %r" % rows[0])
    for row in rows:
        if len(row) != len(HEADERS["merchant"]):
            sys.exit("merchant: a row of %d values: %r" % (len(row), row))
        if any(value.startswith('"') for value in row):
            sys.exit("merchant: a quoted value: %r" % row)
    return rows


# LibreOffice opens each CSV as UTF-8 with commas and double quotes, and saves it again as CSV:
# its first line must be the header as the shop's importer reads it, and every row as wide.
def read_with_libreoffice(paths):
    scratch = tempfile.mkdtemp()
    try:
        env = dict(os.environ, HOME=scratch)
        out = os.path.join(scratch, "out")
        subprocess.run(["soffice", "--headless", "--infilter=CSV:44,34,76",
                        "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76", "--outdir",
                        out] + list(paths.values()), env=env, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)
        for shop, path in paths.items():
            with open(os.path.join(out, os.path.basename(path)), newline="",
                      encoding="utf-8") as file:
                rows = list(csv.reader(file))
            if not rows or rows[0] != HEADERS[shop]:
                sys.exit("%s through LibreOffice: header %r" % (shop, rows[:1]))
            if len(rows) != len(read[shop]):
                sys.exit("%s through LibreOffice: %d rows" % (shop, len(rows)))
            for row in rows:
                if len(row) != len(HEADERS[shop]):
                    sys.exit("%s through LibreOffice: a row of %d cells: %r" % (shop, len(row), row))
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


arguments = sys.argv[1:]
libreoffice = arguments[:1] == ["--libreoffice"]
shopify, woocommerce, merchant = arguments[1:4] if libreoffice else arguments[:3]
read = {"shopify": read_csv(shopify, "shopify"),
        "woocommerce": read_csv(woocommerce, "woocommerce"), "merchant": read_feed(merchant)}
if libreoffice:
    if not shutil.which("soffice"):
        sys.exit("LibreOffice (soffice) is not installed")
    read_with_libreoffice({"shopify": shopify, "woocommerce": woocommerce})
print(json.dumps(read))
