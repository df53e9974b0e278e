// Draws the hand pointer that the buttons show and writes it as a Windows cursor file (32 x 32,
// 32 bits per pixel with an AND mask), the format start-up reads from HAND-M.CUR. The hot spot is
// the tip of the index finger. Run it after changing the drawing and commit the file it writes.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <array>
#include <cstdio>

namespace {
constexpr int kSize = 32;
constexpr int kHotSpotX = 5;
constexpr int kHotSpotY = 0;

// '#' outline, '.' fill, anything else transparent. Rows and columns past the drawing are
// transparent.
constexpr std::array kHand = {
    "     ##",           "    #..#",          "    #..#",          "    #..#",
    "    #..#",          "    #..###",        "    #..#..###",     "    #..#..#..##",
    "    #..#..#..#.#",  " ## #..#..#..#..#", "#..##........#..#", "#...#...........#",
    " #..............#", "  #.............#", "  #.............#", "   #............#",
    "   #...........#",  "    #..........#",  "    #..........#",  "     #........#",
    "     #........#",   "     ##########",
};

char pixelAt(int x, int y)
{
    if (y >= int(kHand.size()))
        return ' ';
    const char* row = kHand[std::size_t(y)];
    for (int i = 0; i < x; ++i)
        if (row[i] == '\0')
            return ' ';
    return row[x] == '\0' ? ' ' : row[x];
}

void put16(QByteArray& out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

void put32(QByteArray& out, qint64 value)
{
    put16(out, int(value & 0xffff));
    put16(out, int((value >> 16) & 0xffff));
}

QByteArray cursorFile()
{
    constexpr int kHeaderSize = 40;
    constexpr int kPixelBytes = kSize * kSize * 4;
    constexpr int kMaskRowBytes = kSize / 8; // already a multiple of 4 at 32 pixels
    constexpr int kMaskBytes = kMaskRowBytes * kSize;
    constexpr int kImageBytes = kHeaderSize + kPixelBytes + kMaskBytes;

    QByteArray out;
    // Directory: reserved, type 2 (cursor), one image.
    put16(out, 0);
    put16(out, 2);
    put16(out, 1);
    // Directory entry: width, height, colours, reserved, hot spot, size, offset.
    out.append(char(kSize));
    out.append(char(kSize));
    out.append('\0');
    out.append('\0');
    put16(out, kHotSpotX);
    put16(out, kHotSpotY);
    put32(out, kImageBytes);
    put32(out, 6 + 16);
    // Bitmap header; the height counts the colour image and the mask together.
    put32(out, kHeaderSize);
    put32(out, kSize);
    put32(out, 2 * kSize);
    put16(out, 1);
    put16(out, 32);
    put32(out, 0);
    put32(out, kPixelBytes + kMaskBytes);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    // Colour image, bottom row first, blue-green-red-alpha.
    for (int y = kSize - 1; y >= 0; --y) {
        for (int x = 0; x < kSize; ++x) {
            const char p = pixelAt(x, y);
            const char shade = p == '.' ? char(0xff) : '\0';
            const char alpha = p == '#' || p == '.' ? char(0xff) : '\0';
            out.append(shade);
            out.append(shade);
            out.append(shade);
            out.append(alpha);
        }
    }
    // AND mask, bottom row first: a set bit leaves the screen showing through.
    for (int y = kSize - 1; y >= 0; --y) {
        for (int byte = 0; byte < kMaskRowBytes; ++byte) {
            unsigned char bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const char p = pixelAt(byte * 8 + bit, y);
                if (p != '#' && p != '.')
                    bits |= 0x80 >> bit;
            }
            out.append(char(bits));
        }
    }
    return out;
}
} // namespace

int main(int argc, char* argv[])
{
    const QString path =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("assets/cursor/HAND-M.CUR");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(cursorFile()) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}
