#!/usr/bin/env bash
# Makes the pictures and PDFs the barcode suite reads. Run once by hand; the files are committed,
# so the tests need none of these tools. Every barcode is generated; none is a photo of a real
# product. Needs zint, ImageMagick (/usr/bin/convert), img2pdf, qpdf and /usr/bin/python3.
#
# ean13.png ean8.png upca.png upce.png isbn.png   one barcode each, as zint draws it
# gs1-128.png        GS1-128 with (01), then a batch number (10)
# qr-url.png         a QR code holding a web address: counted, no product code
# none.png           grey shapes without a barcode
# not-an-image.png   text under a picture's name
# huge.png           a PNG that declares 12,000 x 9,000 pixels and holds the first few
# side-by-side.png   two EAN-13s in one row, the right one a little higher
# twice.png          one EAN-13 drawn twice, one above the other
# rotated-noisy.jpg  an EAN-13 turned 8 degrees, blurred, with noise, saved as JPEG
# exif-turned.jpg    side-by-side.png stored as is, with an EXIF orientation (8) that says to
#                    show it turned a quarter anticlockwise: the right-hand code reads first
# two-pages.pdf      an EAN-13 on page 1, a UPC-A on page 2
# password.pdf       two-pages.pdf locked with the password "secret"
# truncated.pdf      the first half of two-pages.pdf
# truncated.png      the first half of side-by-side.png
# truncated.jpg      the first half of rotated-noisy.jpg
# no-pages.pdf       a well-formed PDF whose page tree holds no page
set -euo pipefail
cd "$(dirname "$0")"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
im=/usr/bin/convert

zint -b EANX -d 400638133393 --scale=2 -o ean13.png
zint -b EANX -d 9638507 --scale=2 -o ean8.png
zint -b UPCA -d 03600029145 --scale=2 -o upca.png
zint -b UPCE -d 0425261 --scale=2 -o upce.png
zint -b ISBNX -d 9783161484100 --scale=2 -o isbn.png
zint -b GS1_128 -d "[01]04006381333931[10]ABC123" --scale=2 -o gs1-128.png
zint -b QRCODE -d "https://example.org/catalogue" --scale=4 -o qr-url.png
$im -size 600x400 xc:white -fill gray60 -draw "circle 200,200 260,260" \
    -fill gray30 -draw "rectangle 350,100 500,300" none.png
printf 'This is a text file, not a picture.\n' > not-an-image.png

/usr/bin/python3 - <<'PY'
import struct, zlib
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
header = struct.pack(">IIBBBBB", 12000, 9000, 8, 0, 0, 0, 0)
with open("huge.png", "wb") as f:
    f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(b"\0" * 12001 * 4)) + chunk(b"IEND", b""))
PY

zint -b EANX -d 590123412345 --scale=2 -o "$scratch/left.png"
zint -b EANX -d 871234567890 --scale=2 -o "$scratch/right.png"
# The left one 30 pixels lower: sorted by top edge alone, the right one would come first.
$im "$scratch/left.png" -background white -gravity northwest -splice 0x30 \
    -gravity east -splice 60x0 "$scratch/left-low.png"
$im "$scratch/left-low.png" "$scratch/right.png" -background white -gravity north +append \
    -bordercolor white -border 40 side-by-side.png
$im ean13.png ean13.png -background white -splice 0x80 -append -bordercolor white -border 40 \
    twice.png
$im ean13.png -bordercolor white -border 60 -background white -rotate 8 -blur 0x0.6 \
    -attenuate 0.4 +noise Gaussian -quality 85 rotated-noisy.jpg
$im side-by-side.png -quality 90 "$scratch/side-by-side.jpg"
/usr/bin/python3 - "$scratch/side-by-side.jpg" <<'PY'
import struct, sys
jpeg = open(sys.argv[1], "rb").read()
# An APP1 segment holding one big-endian TIFF directory with the Orientation tag (0x0112) set to 8.
tiff = b"MM\0*" + struct.pack(">I", 8) + struct.pack(">H", 1) + \
    struct.pack(">HHIHH", 0x0112, 3, 1, 8, 0) + struct.pack(">I", 0)
exif = b"Exif\0\0" + tiff
with open("exif-turned.jpg", "wb") as f:
    f.write(jpeg[:2] + b"\xff\xe1" + struct.pack(">H", len(exif) + 2) + exif + jpeg[2:])
PY

img2pdf --pagesize A5 ean13.png upca.png -o two-pages.pdf
qpdf --encrypt secret secret 256 -- two-pages.pdf password.pdf
head -c $(($(stat -c %s two-pages.pdf) / 2)) two-pages.pdf > truncated.pdf
head -c $(($(stat -c %s side-by-side.png) / 2)) side-by-side.png > truncated.png
head -c $(($(stat -c %s rotated-noisy.jpg) / 2)) rotated-noisy.jpg > truncated.jpg
/usr/bin/python3 - <<'PY'
objects = [b"<< /Type /Catalog /Pages 2 0 R >>", b"<< /Type /Pages /Kids [] /Count 0 >>"]
out = b"%PDF-1.4\n"
offsets = []
for number, body in enumerate(objects, 1):
    offsets.append(len(out))
    out += b"%d 0 obj\n" % number + body + b"\nendobj\n"
xref = len(out)
out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
out += b"".join(b"%010d 00000 n \n" % offset for offset in offsets)
out += b"trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (len(objects) + 1, xref)
open("no-pages.pdf", "wb").write(out)
PY
