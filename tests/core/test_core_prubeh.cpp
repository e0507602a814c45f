// The texts of a download in progress: sizes in B, kB and MB with the locale's decimal
// separator, durations, the speed and the remaining time, and the scale of the
// progress bar for sizes beyond its int range.
#include "core/prubeh_stahovani.h"

#include <QLocale>
#include <QTest>

#include <climits>

namespace {

const QLocale kCesky(QLocale::Czech, QLocale::Czechia);

} // namespace

class TestCorePrubeh : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    // The expected text is the Czech one; in the C locale the comma is a point.
    void formatVelikost_data() {
        QTest::addColumn<double>("bajtu");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0.0 << "0,00 B";
        QTest::newRow("half a byte per second") << 0.5 << "0,50 B";
        QTest::newRow("1 B") << 1.0 << "1,00 B";
        QTest::newRow("1023 B, no group separator") << 1023.0 << "1023,00 B";
        QTest::newRow("1024 B is 1 kB") << 1024.0 << "1,00 kB";
        QTest::newRow("1536 B") << 1536.0 << "1,50 kB";
        QTest::newRow("1000 kB, no group separator") << 1024000.0 << "1000,00 kB";
        QTest::newRow("1 MB") << 1048576.0 << "1,00 MB";
        QTest::newRow("5.5 MB") << 5767168.0 << "5,50 MB";
        QTest::newRow("1 GiB stays in MB") << 1073741824.0 << "1024,00 MB";
    }
    void formatVelikost() {
        QFETCH(double, bajtu);
        QFETCH(QString, text);
        QLocale::setDefault(kCesky);
        QCOMPARE(FormatVelikost(bajtu), text);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(FormatVelikost(bajtu), QString(text).replace(u',', u'.'));
    }

    void trvani_data() {
        QTest::addColumn<qint64>("sekund");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << qint64(0) << "0:00:00";
        QTest::newRow("59 s") << qint64(59) << "0:00:59";
        QTest::newRow("65 s") << qint64(65) << "0:01:05";
        QTest::newRow("59:59") << qint64(3599) << "0:59:59";
        QTest::newRow("1 hour") << qint64(3600) << "1:00:00";
        QTest::newRow("hours are not wrapped at 24") << qint64(90061) << "25:01:01";
        QTest::newRow("100 hours") << qint64(360000) << "100:00:00";
    }
    void trvani() {
        QFETCH(qint64, sekund);
        QFETCH(QString, text);
        QCOMPARE(TrvaniNaText(sekund), text);
    }

    void prubeh_data() {
        QTest::addColumn<qint64>("prijato");
        QTest::addColumn<qint64>("celkem");
        QTest::addColumn<qint64>("uplynuloMs");
        QTest::addColumn<QString>("textPrijato");
        QTest::addColumn<QString>("cas");
        QTest::addColumn<QString>("rychlost");
        QTest::addColumn<QString>("casDoKonce");
        QTest::newRow("at the start nothing is known")
            << qint64(0) << qint64(1000) << qint64(0) << "0,00 B"
            << "0:00:00"
            << ""
            << "";
        QTest::newRow("no time passed yet")
            << qint64(4096) << qint64(8192) << qint64(0) << "4,00 kB"
            << "0:00:00"
            << ""
            << "";
        QTest::newRow("size unknown: no remaining time")
            << qint64(4096) << qint64(-1) << qint64(1000) << "4,00 kB"
            << "0:00:01"
            << "4,00 kB/s"
            << "";
        QTest::newRow("1 MB of 4 MB in 2 s")
            << qint64(1048576) << qint64(4194304) << qint64(2000) << "1,00 MB"
            << "0:00:02"
            << "512,00 kB/s"
            << "0:00:06";
        QTest::newRow("1 kB/s, 2 h 1 min left")
            << qint64(10240) << qint64(10240 + 7260 * 1024) << qint64(10000) << "10,00 kB"
            << "0:00:10"
            << "1,00 kB/s"
            << "2:01:00";
        QTest::newRow("complete") << qint64(2048) << qint64(2048) << qint64(4000) << "2,00 kB"
                                  << "0:00:04"
                                  << "512,00 B/s"
                                  << "0:00:00";
        QTest::newRow("more than announced")
            << qint64(3072) << qint64(2048) << qint64(1000) << "3,00 kB"
            << "0:00:01"
            << "3,00 kB/s"
            << "0:00:00";
        QTest::newRow("nothing received in 5 s: no remaining time")
            << qint64(0) << qint64(2048) << qint64(5000) << "0,00 B"
            << "0:00:05"
            << "0,00 B/s"
            << "";
        QTest::newRow("elapsed time in whole seconds")
            << qint64(1000) << qint64(-1) << qint64(2500) << "1000,00 B"
            << "0:00:02"
            << "400,00 B/s"
            << "";
    }
    void prubeh() {
        QFETCH(qint64, prijato);
        QFETCH(qint64, celkem);
        QFETCH(qint64, uplynuloMs);
        QFETCH(QString, textPrijato);
        QFETCH(QString, cas);
        QFETCH(QString, rychlost);
        QFETCH(QString, casDoKonce);
        QLocale::setDefault(kCesky);
        const TextyPrubehu t = SpocitejPrubeh(prijato, celkem, uplynuloMs);
        QCOMPARE(t.prijato, textPrijato);
        QCOMPARE(t.cas, cas);
        QCOMPARE(t.rychlost, rychlost);
        QCOMPARE(t.casDoKonce, casDoKonce);
    }

    // The smallest shift that brings the size into the progress bar's int.
    void meritko_data() {
        QTest::addColumn<qint64>("celkem");
        QTest::addColumn<int>("posun");
        QTest::newRow("unknown size") << qint64(-1) << 0;
        QTest::newRow("0") << qint64(0) << 0;
        QTest::newRow("1 MB") << qint64(1048576) << 0;
        QTest::newRow("INT_MAX") << qint64(INT_MAX) << 0;
        QTest::newRow("INT_MAX + 1") << qint64(INT_MAX) + 1 << 1;
        QTest::newRow("4 GiB - 1") << qint64(4294967295LL) << 1;
        QTest::newRow("4 GiB") << qint64(4294967296LL) << 2;
        QTest::newRow("5 GiB") << qint64(5368709120LL) << 2;
        QTest::newRow("LLONG_MAX") << qint64(LLONG_MAX) << 32;
    }
    void meritko() {
        QFETCH(qint64, celkem);
        QFETCH(int, posun);
        QCOMPARE(MeritkoPrubehu(celkem), posun);
    }
};

QTEST_GUILESS_MAIN(TestCorePrubeh)
#include "test_core_prubeh.moc"
