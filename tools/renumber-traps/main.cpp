// quillfen-renumber-traps FILE...
// Rewrites the line numbers of every trapped procedure in the files to 100, 102, 104, ... in
// source order, so that a statement can be inserted with any number and put in its place
// afterwards. Prints the files it changed; files already in order are left untouched.
#include "TrapNumbers.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList files = QCoreApplication::arguments().mid(1);
    if (files.isEmpty() || files.constFirst().startsWith(u'-')) {
        std::fputs("usage: quillfen-renumber-traps FILE...\n", stderr);
        return 2;
    }
    int status = 0;
    for (const QString& path : files) {
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(in.errorString()));
            status = 1;
            continue;
        }
        const QString before = QString::fromUtf8(in.readAll());
        in.close();
        const QString after = RenumberTraps(before);
        if (after == before)
            continue;
        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(after.toUtf8()) < 0 || !out.commit()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(out.errorString()));
            status = 1;
            continue;
        }
        std::printf("renumbered %s\n", qPrintable(path));
    }
    return status;
}
