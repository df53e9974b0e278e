#pragma once

// What every fuzz target shares: reading the fuzzer's bytes as text, and reporting a property
// that does not hold. A report aborts, which libFuzzer records as a finding with its input and
// which fails the replay of saved inputs in the ordinary test builds.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// libFuzzer calls this once per input; FuzzReplay.cpp calls it for saved inputs.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fuzz {

// The bytes read as UTF-8; invalid sequences become replacement characters.
inline QString AsUtf8(const uint8_t* data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}

// The bytes taken as UTF-16 code units in this machine's byte order, unchecked, so that lone
// surrogates and every control character reach the code. An odd last byte is dropped.
inline QString AsUtf16(const uint8_t* data, size_t size)
{
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    if (!text.isEmpty())
        std::memcpy(text.data(), data, size_t(text.size()) * sizeof(char16_t));
    return text;
}

// Both readings, for the targets that work on text.
inline QStringList Readings(const uint8_t* data, size_t size)
{
    return {AsUtf8(data, size), AsUtf16(data, size)};
}

// The text with everything outside printable ASCII written as \uXXXX, so that a report shows
// exactly which characters were involved.
inline QString Escaped(QStringView text)
{
    QString out;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F && c != u'\\')
            out += c;
        else
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return out;
}

inline QString Quoted(QStringView text)
{
    return u'"' + Escaped(text) + u'"';
}

inline QString Quoted(const QStringList& texts)
{
    QStringList quoted;
    for (const QString& text : texts)
        quoted.append(Quoted(text));
    return u'[' + quoted.join(QStringLiteral(", ")) + u']';
}

[[noreturn]] inline void Fail(const char* property, const QString& details)
{
    std::fprintf(stderr, "property violated: %s\n%s\n", property, qUtf8Printable(details));
    std::fflush(stderr);
    std::abort();
}

} // namespace fuzz

// Checks a property of the code under test; `details` (a QString) is built only on failure.
#define FUZZ_CHECK(condition, details)                                                             \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::fuzz::Fail(#condition, (details));                                                   \
    } while (false)
