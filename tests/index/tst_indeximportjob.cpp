#include "desktop/storage/SqliteProductIndex.h"
#include "fakes/FakeInputFiles.h"
#include "index/IndexImportJob.h"
#include "index/IndexRows.h"
#include "support/GzipBytes.h"

#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(ImportSummary)
Q_DECLARE_METATYPE(ImportProgress)

namespace {
const QString kExport = QStringLiteral("/in/en.openfoodfacts.org.products.csv.gz");

QString NameOf(const std::optional<IndexedProduct>& product)
{
    return product ? product->fields.productName : QStringLiteral("(none)");
}

// An import whose reading stops half-way until the test lets it go on.
struct HeldImport
{
    QTemporaryDir dir;
    SqliteProductIndex index{dir.filePath(QStringLiteral("index.sqlite"))};
    FakeInputFiles files;
    QSemaphore reachedMiddle;
    QSemaphore goOn;

    HeldImport()
    {
        const auto builder = index.startBuilding();
        AddRows(*builder, TestExport("Open Food Facts"), {{"42", "Old"}});
        builder->commit();

        QByteArray text = "code\tproduct_name\n42\tNew\n";
        for (int i = 0; i < 5000; ++i)
            text += QByteArray::number(1000000 + i) + "\tProduct " + QByteArray::number(i) + '\n';
        files.files.insert(kExport, GzipBytes(text));
        files.readPiece = 4096;
        files.beforeRead = [this](const QString&, qint64 offset) {
            if (offset == 4096) {
                reachedMiddle.release();
                goOn.acquire();
            }
        };
    }
};
} // namespace

class TestIndexImportJob : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        qRegisterMetaType<ImportSummary>();
        qRegisterMetaType<ImportProgress>();
    }

    void lookupsDuringAnImport_answerFromTheOldIndex_thenFromTheNewOne()
    {
        HeldImport held;
        QCOMPARE(NameOf(held.index.find(u"42")), QStringLiteral("Old"));
        IndexImportJob job({kExport}, held.files, held.index);
        QSignalSpy finished(&job, &IndexImportJob::finished);
        job.start();
        QVERIFY(held.reachedMiddle.tryAcquire(1, 10000));
        QVERIFY(job.isRunning());
        // The import is half-way through writing its file: the index in use answers as before.
        QVERIFY(!held.index.reopenIfReplaced());
        QCOMPARE(NameOf(held.index.find(u"42")), QStringLiteral("Old"));
        QCOMPARE(NameOf(held.index.find(u"1000001")), QStringLiteral("(none)"));
        held.goOn.release();

        QVERIFY(finished.wait(30000));
        const auto summary = finished.front().front().value<ImportSummary>();
        QCOMPARE(summary.outcome, ImportSummary::Outcome::Imported);
        QCOMPARE(summary.rows, 5001);
        QVERIFY(!job.isRunning());
        QVERIFY(held.index.reopenIfReplaced());
        QCOMPARE(NameOf(held.index.find(u"42")), QStringLiteral("New"));
        QCOMPARE(NameOf(held.index.find(u"1004999")), QStringLiteral("Product 4999"));
        QCOMPARE(held.index.info().products, 5001);
    }

    void cancelledJob_leavesTheIndexAsItWas()
    {
        HeldImport held;
        IndexImportJob job({kExport}, held.files, held.index);
        QSignalSpy finished(&job, &IndexImportJob::finished);
        job.start();
        QVERIFY(held.reachedMiddle.tryAcquire(1, 10000));
        job.cancel();
        held.goOn.release();
        QVERIFY(finished.wait(30000));
        QCOMPARE(finished.front().front().value<ImportSummary>().outcome,
                 ImportSummary::Outcome::Cancelled);
        QVERIFY(!held.index.reopenIfReplaced());
        QCOMPARE(NameOf(held.index.find(u"42")), QStringLiteral("Old"));
        QVERIFY(!QFile::exists(held.index.path() + ".building"));
    }

    void jobDestroyedWhileRunning_stopsItsThreadCleanly()
    {
        HeldImport held;
        {
            IndexImportJob job({kExport}, held.files, held.index);
            job.start();
            QVERIFY(held.reachedMiddle.tryAcquire(1, 10000));
            held.goOn.release();
        }
        QCOMPARE(NameOf(held.index.find(u"42")), QStringLiteral("Old"));
    }
};

QTEST_GUILESS_MAIN(TestIndexImportJob)
#include "tst_indeximportjob.moc"
