// Whether the sample service's delay holds up only the request it belongs to: clients asking at
// the same time on connections of their own, against a service that waits before every answer,
// next to one client asking alone. Parallel lookups are measured against this service, so they
// would be wrong if it served one connection after the other. Prints figures; asserts nothing.
#include "BenchReport.h"
#include "SampleServiceProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {
constexpr int kRepeats = 5;
constexpr int kDelayMs = 50;
constexpr int kClients = 8;

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "bench_sampleservice: %s\n", qPrintable(message));
    std::exit(1);
}

// Seconds until every target has been answered, each asked once on a connection of its own, all
// at the same time.
double askAtOnce(quint16 port, const QList<QByteArray>& targets)
{
    QEventLoop loop;
    std::vector<std::unique_ptr<QTcpSocket>> sockets;
    int open = int(targets.size());
    QElapsedTimer clock;
    clock.start();
    for (const QByteArray& target : targets) {
        auto socket = std::make_unique<QTcpSocket>();
        QTcpSocket* const raw = socket.get();
        QObject::connect(raw, &QTcpSocket::connected, raw, [raw, target, port] {
            raw->write("GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1:" +
                       QByteArray::number(port) + "\r\nConnection: close\r\n\r\n");
        });
        // The service closes each connection once it has answered.
        QObject::connect(raw, &QTcpSocket::disconnected, &loop, [&open, &loop] {
            if (--open == 0)
                loop.quit();
        });
        QObject::connect(raw, &QTcpSocket::readyRead, raw, [raw] { raw->readAll(); });
        raw->connectToHost(QHostAddress::LocalHost, port);
        sockets.push_back(std::move(socket));
    }
    QTimer::singleShot(30'000, &loop, [] { fail(QStringLiteral("no answer within 30 s")); });
    loop.exec();
    return double(clock.nsecsElapsed()) / 1e9;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void measure(const char* what, const QList<QByteArray>& targets)
{
    SampleServiceProcess service;
    if (!service.start({QStringLiteral("--delay-ms"), QString::number(kDelayMs)}))
        fail(service.errorString());
    askAtOnce(service.port(), targets); // warm up
    QList<double> alone;
    QList<double> together;
    for (int i = 0; i < kRepeats; ++i) {
        alone.append(askAtOnce(service.port(), targets.mid(0, 1)));
        together.append(askAtOnce(service.port(), targets));
    }
    std::printf("%s: %d clients at once answered after %.0f ms, one alone after %.0f ms "
                "(service delay %d ms; serving one after the other would take %d ms; median "
                "of %d runs)\n",
                what, int(targets.size()), median(together) * 1000, median(alone) * 1000, kDelayMs,
                int(targets.size()) * kDelayMs, kRepeats);
    std::fflush(stdout);
    const QByteArray operation = QStringLiteral("%1, %2 at once, delay %3 ms")
                                     .arg(QLatin1String(what))
                                     .arg(targets.size())
                                     .arg(kDelayMs)
                                     .toUtf8();
    const QByteArray size = QStringLiteral("%1 requests").arg(targets.size()).toUtf8();
    ReportRow({operation.constData(), size.constData(), median(together), "one request alone",
               median(alone), "ratio < 2"});
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QList<QByteArray> page;
    QList<QByteArray> open;
    for (int i = 0; i < kClients; ++i) {
        page.append("/perl/ean-search.pl?q=4988112412613");
        // Every API in turn, the per-request work of each included.
        const QByteArray apis[] = {"/api/v2/product/3800123400018?fields=product_name",
                                   "/isbn/9781854627315.json", "/books/OL31000002M.json",
                                   "/prod/trial/lookup?upc=058392017465"};
        open.append(apis[i % 4]);
    }
    measure("page service", page);
    measure("open databases", open);
    return 0;
}
