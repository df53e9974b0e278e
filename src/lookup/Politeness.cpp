#include "lookup/Politeness.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<const char*, 7> kDays = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
constexpr std::array<const char*, 7> kLongDays = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                                  "Friday", "Saturday", "Sunday"};

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Reads an HTTP date from left to right; every step fails for good once one has failed.
class DateReader final
{
public:
    explicit DateReader(QByteArrayView text)
        : m_text(text)
    {}

    bool atEnd() const { return m_ok && m_at == m_text.size(); }
    bool ok() const { return m_ok; }

    void literal(QByteArrayView expected)
    {
        if (m_ok && m_text.sliced(m_at).startsWith(expected))
            m_at += expected.size();
        else
            m_ok = false;
    }

    // Letters compared without regard to case; nothing is read unless one of the words matches
    // up to a non-letter.
    template <std::size_t N>
    int word(const std::array<const char*, N>& words)
    {
        qsizetype end = m_at;
        while (end < m_text.size() && IsAsciiLetter(m_text[end]))
            ++end;
        const QByteArrayView found = m_text.sliced(m_at, end - m_at);
        for (std::size_t i = 0; m_ok && i < N; ++i) {
            if (found.compare(QByteArrayView(words[i]), Qt::CaseInsensitive) == 0) {
                m_at = end;
                return int(i);
            }
        }
        m_ok = false;
        return -1;
    }

    int digits(int count)
    {
        int value = 0;
        for (int i = 0; i < count; ++i) {
            if (!m_ok || m_at == m_text.size() || m_text[m_at] < '0' || m_text[m_at] > '9') {
                m_ok = false;
                return 0;
            }
            value = value * 10 + (m_text[m_at++] - '0');
        }
        return value;
    }

    // asctime writes a day below 10 as a space and one digit.
    int paddedDay()
    {
        if (m_ok && m_at < m_text.size() && m_text[m_at] == ' ') {
            ++m_at;
            return digits(1);
        }
        return digits(2);
    }

    QTime time(int& leapSecond)
    {
        const int hour = digits(2);
        literal(":");
        const int minute = digits(2);
        literal(":");
        const int second = digits(2);
        // A leap second is the last second of its minute, one second on.
        leapSecond = second == 60 ? 1 : 0;
        if (!m_ok || hour > 23 || minute > 59 || second > 60)
            m_ok = false;
        return QTime(hour, minute, std::min(second, 59));
    }

private:
    QByteArrayView m_text;
    qsizetype m_at = 0;
    bool m_ok = true;
};

int FullYear(int twoDigits, const QDateTime& referenceUtc)
{
    if (!referenceUtc.isValid())
        return twoDigits < 70 ? 2000 + twoDigits : 1900 + twoDigits;
    const int latest = referenceUtc.date().year() + 50;
    int year = latest - latest % 100 + twoDigits;
    if (year > latest)
        year -= 100;
    return year;
}

std::optional<QDateTime> Assemble(const DateReader& reader, int year, int month, int day,
                                  const QTime& time, int leapSecond)
{
    const QDate date(year, month + 1, day);
    if (!reader.atEnd() || !date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, Qt::UTC).addSecs(leapSecond);
}

std::optional<QDateTime> ReadImfFixdate(QByteArrayView text)
{
    DateReader reader(text);
    reader.word(kDays);
    reader.literal(", ");
    const int day = reader.digits(2);
    reader.literal(" ");
    const int month = reader.word(kMonths);
    reader.literal(" ");
    const int year = reader.digits(4);
    reader.literal(" ");
    int leap = 0;
    const QTime time = reader.time(leap);
    reader.literal(" GMT");
    return Assemble(reader, year, month, day, time, leap);
}

std::optional<QDateTime> ReadRfc850(QByteArrayView text, const QDateTime& referenceUtc)
{
    DateReader reader(text);
    reader.word(kLongDays);
    reader.literal(", ");
    const int day = reader.digits(2);
    reader.literal("-");
    const int month = reader.word(kMonths);
    reader.literal("-");
    const int year = FullYear(reader.digits(2), referenceUtc);
    reader.literal(" ");
    int leap = 0;
    const QTime time = reader.time(leap);
    reader.literal(" GMT");
    return Assemble(reader, year, month, day, time, leap);
}

std::optional<QDateTime> ReadAsctime(QByteArrayView text)
{
    DateReader reader(text);
    reader.word(kDays);
    reader.literal(" ");
    const int month = reader.word(kMonths);
    reader.literal(" ");
    const int day = reader.paddedDay();
    reader.literal(" ");
    int leap = 0;
    const QTime time = reader.time(leap);
    reader.literal(" ");
    const int year = reader.digits(4);
    return Assemble(reader, year, month, day, time, leap);
}

} // namespace

std::optional<QDateTime> ParseHttpDate(QByteArrayView value, const QDateTime& referenceUtc)
{
    const QByteArrayView text = value.trimmed();
    // The day name tells the forms apart: a comma right after three letters, a comma after a
    // longer name, or no comma at all.
    const qsizetype comma = text.indexOf(',');
    if (comma == 3)
        return ReadImfFixdate(text);
    if (comma > 3)
        return ReadRfc850(text, referenceUtc);
    if (comma < 0)
        return ReadAsctime(text);
    return std::nullopt;
}

std::optional<std::chrono::seconds> ParseRetryAfter(QByteArrayView value, const QDateTime& nowUtc)
{
    const QByteArrayView text = value.trimmed();
    if (!text.isEmpty() &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        // Beyond 2^31 seconds a wait means "forever"; the number is held there rather than let
        // it overflow.
        constexpr qint64 kForever = qint64(1) << 31;
        qint64 seconds = 0;
        for (const char c : text)
            seconds = std::min(kForever, seconds * 10 + (c - '0'));
        return std::chrono::seconds(seconds);
    }
    const std::optional<QDateTime> date = ParseHttpDate(text, nowUtc);
    if (!date)
        return std::nullopt;
    const qint64 ms = nowUtc.msecsTo(*date);
    return std::chrono::seconds(ms <= 0 ? 0 : (ms + 999) / 1000);
}

std::chrono::milliseconds RetryWait(int retry, std::optional<std::chrono::seconds> retryAfter,
                                    double jitter)
{
    using std::chrono::milliseconds;
    if (retryAfter)
        return std::clamp<milliseconds>(*retryAfter, milliseconds(0), kLongestRetryAfter);

    // Seven doublings already pass the longest backoff; more would only overflow.
    const int doublings = std::clamp(retry, 1, 8) - 1;
    const milliseconds plain =
        std::min<milliseconds>(kFirstBackoff * (1 << doublings), kLongestBackoff);
    const double unit = jitter >= 0 ? std::min(jitter, 1.0) : 0.0; // NaN too
    const auto spread = milliseconds(std::llround(double(plain.count()) * (0.9 + 0.2 * unit)));
    return std::min<milliseconds>(spread, kLongestBackoff);
}

std::chrono::milliseconds BusyForEveryoneWait(int retry)
{
    const int doublings = std::clamp(retry, 1, 8) - 1;
    return kFirstBusyForEveryoneWait * (1 << doublings);
}
