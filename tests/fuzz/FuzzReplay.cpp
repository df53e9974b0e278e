// Runs a fuzz target over saved inputs in builds without libFuzzer, so that the seed corpus and
// every input that once found a fault are checked by the ordinary test suites, with any compiler.
// Arguments are files or folders (every file inside, in name order); arguments that start with
// "-" are libFuzzer options and are ignored, so one command line serves both kinds of build.
#include "fuzz/FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[])
{
    QStringList inputs;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument.startsWith(u'-'))
            continue;
        const QFileInfo info(argument);
        if (info.isDir()) {
            const QDir folder(argument);
            for (const QString& name : folder.entryList(QDir::Files, QDir::Name))
                inputs.append(folder.filePath(name));
        } else if (info.isFile()) {
            inputs.append(argument);
        } else {
            std::fprintf(stderr, "no such input: %s\n", argv[i]);
            return 2;
        }
    }
    if (inputs.isEmpty()) {
        std::fprintf(stderr, "no inputs to replay\n");
        return 2;
    }
    for (const QString& path : std::as_const(inputs)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qUtf8Printable(path));
            return 2;
        }
        const QByteArray bytes = file.readAll();
        std::fprintf(stderr, "input %s\n", qUtf8Printable(path));
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                               size_t(bytes.size()));
    }
    std::printf("%lld inputs replayed, every property held\n",
                static_cast<long long>(inputs.size()));
    return 0;
}
