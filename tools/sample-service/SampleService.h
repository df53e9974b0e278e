#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QTcpServer>

#include <functional>

// What the service does instead of answering normally, for one code or for every code.
struct Fault
{
    enum class Kind {
        Status,            // answer with this HTTP status and a short error page
        CloseMidBody,      // send the headers and half the page, then close the connection
        ResetMidBody,      // send the headers and half the page, then reset the connection
        StallMidBody,      // send the headers and half the page, then nothing more
        Reset,             // reset the connection instead of answering
        CloseBeforeAnswer, // close the connection without a byte of answer
        NoAnswer,          // read the request and never answer
        EmptyBody,         // answer 200 with no page at all (Content-Length: 0)
        InvalidUtf8,       // a page that says it is UTF-8, with bytes after the name that are not
        Large,             // pad the page to `size` bytes before the record
        Charset,           // encode the page in `charset`, declared in the Content-Type header
        MetaCharset,       // encode the page in `charset`, declared only in a <meta> tag
    };
    Kind kind = Kind::Status;
    int status = 503;
    qint64 size = 4 * 1024 * 1024;
    QByteArray charset;
};

// Reads "status:503", "close-mid-body", "reset-mid-body", "stall-mid-body", "reset",
// "close-before-answer", "no-answer", "empty-body", "invalid-utf8", "large[:bytes]",
// "charset:NAME" or "meta-charset:NAME"; false when the text is none of them.
bool ParseFault(const QString& text, Fault& fault);

// Reads "code<TAB>name" lines; blank lines and lines starting with "#" are skipped.
QHash<QString, QString> ParseCatalog(const QString& text);

// A small HTTP/1.1 server that answers the lookup path from a catalog, keeps connections alive
// and answers requests on one connection in order.
class SampleService final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SampleService)
public:
    struct Settings
    {
        QHash<QString, QString> catalog;
        QHash<QString, Fault> faults; // by code; "*" applies to every code
        int delayMs = 0;
        // Called with every decoded value of "q", before the request is answered.
        std::function<void(const QString&)> onQuery;
        // Called for every connection a client opens.
        std::function<void()> onConnection;
    };

    explicit SampleService(Settings settings, QObject* parent = nullptr);

    bool listen(quint16 port);
    quint16 port() const { return m_server.serverPort(); }
    QString errorString() const { return m_server.errorString(); }

private:
    void accept();

    Settings m_settings;
    QTcpServer m_server;
};
