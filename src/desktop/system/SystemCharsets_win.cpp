#include "desktop/system/SystemCharsets.h"

#include <QByteArray>

#include <array>
#include <climits>
#include <windows.h>

namespace {
struct CodePageName
{
    const char* name;
    UINT codePage;
};

// The names pages use for the sets Windows has a code page for (the WHATWG encoding labels most
// met), beyond the UTF forms and Latin-1 that Qt reads itself.
constexpr std::array<CodePageName, 46> kCodePages{{
    {"windows-874", 874},   {"tis-620", 874},       {"iso-8859-11", 874},   {"windows-1250", 1250},
    {"cp1250", 1250},       {"x-cp1250", 1250},     {"windows-1251", 1251}, {"cp1251", 1251},
    {"x-cp1251", 1251},     {"windows-1252", 1252}, {"cp1252", 1252},       {"x-cp1252", 1252},
    {"windows-1253", 1253}, {"cp1253", 1253},       {"windows-1254", 1254}, {"cp1254", 1254},
    {"windows-1255", 1255}, {"cp1255", 1255},       {"windows-1256", 1256}, {"cp1256", 1256},
    {"windows-1257", 1257}, {"cp1257", 1257},       {"windows-1258", 1258}, {"cp1258", 1258},
    {"iso-8859-2", 28592},  {"iso-8859-3", 28593},  {"iso-8859-4", 28594},  {"iso-8859-5", 28595},
    {"iso-8859-6", 28596},  {"iso-8859-7", 28597},  {"iso-8859-8", 28598},  {"iso-8859-9", 28599},
    {"iso-8859-13", 28603}, {"iso-8859-15", 28605}, {"koi8-r", 20866},      {"koi8-u", 21866},
    {"ibm866", 866},        {"cp866", 866},         {"macintosh", 10000},   {"shift_jis", 932},
    {"windows-31j", 932},   {"euc-jp", 20932},      {"gbk", 936},           {"gb2312", 936},
    {"big5", 950},          {"euc-kr", 949},
}};
} // namespace

std::optional<QString> DecodeWithSystemCharsets(QByteArrayView charset, QByteArrayView bytes)
{
    const QByteArray name = charset.toByteArray().toLower();
    UINT codePage = 0;
    for (const CodePageName& known : kCodePages)
        if (name == known.name)
            codePage = known.codePage;
    if (codePage == 0 || !IsValidCodePage(codePage))
        return std::nullopt;
    if (bytes.isEmpty())
        return QString();
    // Pages are bounded far below this by the page loader's cap.
    if (bytes.size() > INT_MAX / 2)
        return std::nullopt;
    const int length = int(bytes.size());
    // Never more UTF-16 units than bytes; a byte the code page lacks becomes the system's
    // stand-in character rather than ending the text.
    QString text(length, Qt::Uninitialized);
    const int written = MultiByteToWideChar(codePage, 0, bytes.data(), length,
                                            reinterpret_cast<wchar_t*>(text.data()), length);
    if (written <= 0)
        return std::nullopt;
    text.truncate(written);
    return text;
}
