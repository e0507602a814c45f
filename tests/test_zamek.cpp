// One running program per working folder: the lock and the call to the running copy,
// in this process and with the real program started as separate processes.
#include "core/zamek_slozky.h"
#include "tests/podpora/pracovni_slozka.h"
#include "tests/podpora/testovaci_main.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <atomic>
#include <thread>

namespace {

// The names and modification times of everything in the folder.
QStringList Obsah(const QString& slozka) {
    QStringList obsah;
    for (const QFileInfo& f : QDir(slozka).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                         QDir::System | QDir::NoDotAndDotDot))
        obsah << f.fileName() + QLatin1Char(' ') +
                     QString::number(f.lastModified().toMSecsSinceEpoch()) + QLatin1Char(' ') +
                     QString::number(f.size());
    return obsah;
}

// The program started headless in a folder.
void Spust(QProcess& program, const QString& slozka) {
    program.setProgram(QStringLiteral(KOLOMAT_PROGRAM));
    program.setWorkingDirectory(slozka);
    QProcessEnvironment prostredi = QProcessEnvironment::systemEnvironment();
    prostredi.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(prostredi);
    program.start();
}

// The process id written in the folder's lock file.
qint64 DrzitelZamku(const QString& slozka) {
    QFile zamek(QDir(slozka).filePath(kSouborZamku));
    if (!zamek.open(QIODevice::ReadOnly))
        return 0;
    return zamek.readLine().trimmed().toLongLong();
}

} // namespace

class TestZamek : public QObject {
    Q_OBJECT
private slots:
    void zamekVJednomProcesu() {
        PracovniSlozka slozka;
        ZamekSlozky prvni(slozka.cesta());
        QCOMPARE(prvni.Zamknout(), ZamekSlozky::Vysledek::Zamceno);
        std::atomic<int> vyzev{0};
        prvni.PriVyzve([&] { ++vyzev; });

        ZamekSlozky druhy(slozka.cesta());
        QCOMPARE(druhy.Zamknout(), ZamekSlozky::Vysledek::BeziJinde);
        // The call waits for the answer, which this thread's event loop gives.
        std::atomic<bool> hotovo{false};
        bool odpovedel = false;
        std::thread volani([&] {
            odpovedel = druhy.VyzvatBezici();
            hotovo = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(hotovo.load(), 10000);
        volani.join();
        QVERIFY(odpovedel);
        QCOMPARE(vyzev.load(), 1);

        // Another folder is another program's business.
        PracovniSlozka jina;
        ZamekSlozky treti(jina.cesta());
        QCOMPARE(treti.Zamknout(), ZamekSlozky::Vysledek::Zamceno);
    }

    void druheSpusteniVeStejneSlozce() {
        PracovniSlozka slozka;
        PracovniSlozka::zapis(QStringLiteral("Profily.xml"),
                              "<?xml version=\"1.0\"?>\n<Profily></Profily>");
        QProcess prvni;
        Spust(prvni, slozka.cesta());
        QVERIFY(prvni.waitForStarted(10000));
        QTRY_VERIFY_WITH_TIMEOUT(DrzitelZamku(slozka.cesta()) == prvni.processId(), 20000);
        // The answer history is made at the start too: written and its journal gone.
        QTRY_VERIFY_WITH_TIMEOUT(
            QFileInfo(slozka.cesta(QStringLiteral("Historie.db"))).size() > 0 &&
                !QFileInfo::exists(slozka.cesta(QStringLiteral("Historie.db-journal"))),
            20000);
        const QStringList pred = Obsah(slozka.cesta());

        // The second start says why, ends with a non-zero status and touches nothing.
        QProcess druhy;
        Spust(druhy, slozka.cesta());
        QVERIFY(druhy.waitForFinished(20000));
        QCOMPARE(druhy.exitStatus(), QProcess::NormalExit);
        QCOMPARE(druhy.exitCode(), 2);
        const QString hlaseni = QString::fromLocal8Bit(druhy.readAllStandardError());
        QVERIFY2(hlaseni.contains(QStringLiteral("už v této pracovní složce běží")),
                 qPrintable(hlaseni));
        QCOMPARE(Obsah(slozka.cesta()), pred);
        QCOMPARE(prvni.state(), QProcess::Running);

        // A lock left by a killed program is taken over by the next start.
        prvni.kill();
        QVERIFY(prvni.waitForFinished(10000));
        QProcess treti;
        Spust(treti, slozka.cesta());
        QVERIFY(treti.waitForStarted(10000));
        QTRY_VERIFY_WITH_TIMEOUT(DrzitelZamku(slozka.cesta()) == treti.processId(), 20000);
        QCOMPARE(treti.state(), QProcess::Running);
        treti.kill();
        QVERIFY(treti.waitForFinished(10000));
    }
};

KOLOMAT_TEST_MAIN(TestZamek)
#include "test_zamek.moc"
