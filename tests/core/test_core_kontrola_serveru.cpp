// The update's first decision: whether the server's catalogue is newer than the local
// one, for every case of the dates, the status and the connection; and reading the
// headers of the server's answer.
#include "core/kontrola_serveru.h"
#include "tests/podpora/generator_katalogu.h"
#include "tests/podpora/http_server.h"
#include "tests/podpora/pracovni_slozka.h"

#include <QDir>
#include <QTest>
#include <QTimeZone>

namespace {

using Hlavicky = QList<std::pair<QByteArray, QByteArray>>;

const QDateTime kTed(QDate(2026, 12, 8), QTime(12, 0, 0), QTimeZone::utc());
const QDateTime kMinule = kTed.addDays(-10);
constexpr qint64 kDen = 24 * 60 * 60;

int v(VysledekKontroly k) {
    return static_cast<int>(k);
}

} // namespace

class TestCoreKontrolaServeru : public QObject {
    Q_OBJECT
private slots:
    void porovnani_data() {
        QTest::addColumn<QString>("katalog"); // "soubor", "zadny" or "slozka"
        QTest::addColumn<QDateTime>("mistni");
        QTest::addColumn<bool>("spojeno");
        QTest::addColumn<bool>("neduveryhodny");
        QTest::addColumn<int>("stav");
        QTest::addColumn<QDateTime>("server");
        QTest::addColumn<int>("vysledek");

        const QDateTime bez;
        const int aktualni = v(VysledekKontroly::Aktualni);
        const int novejsi = v(VysledekKontroly::Novejsi);
        const int selhala = v(VysledekKontroly::Selhala);
        const int datumServeru = v(VysledekKontroly::DatumServeru);

        QTest::newRow("equal") << "soubor" << kMinule << true << false << 200 << kMinule
                               << aktualni;
        QTest::newRow("server one second newer")
            << "soubor" << kMinule << true << false << 200 << kMinule.addSecs(1) << novejsi;
        QTest::newRow("local one second newer")
            << "soubor" << kMinule.addSecs(1) << true << false << 200 << kMinule << aktualni;
        QTest::newRow("local days newer")
            << "soubor" << kTed.addDays(-1) << true << false << 200 << kMinule << aktualni;
        QTest::newRow("server years newer")
            << "soubor" << kMinule.addYears(-3) << true << false << 200 << kMinule << novejsi;
        // Whole seconds: the local milliseconds are cut off, never rounded up.
        QTest::newRow("local .999 in the same second")
            << "soubor" << kMinule.addMSecs(999) << true << false << 200 << kMinule << aktualni;
        QTest::newRow("local .600, server in the next second")
            << "soubor" << kMinule.addMSecs(600) << true << false << 200 << kMinule.addSecs(1)
            << novejsi;
        QTest::newRow("no Last-Modified")
            << "soubor" << kMinule << true << false << 200 << bez << aktualni;
        QTest::newRow("no Last-Modified, old local file")
            << "soubor" << kMinule.addYears(-5) << true << false << 200 << bez << aktualni;
        QTest::newRow("status 204 is a success")
            << "soubor" << kMinule << true << false << 204 << kMinule.addSecs(1) << novejsi;
        QTest::newRow("status 404")
            << "soubor" << kMinule << true << false << 404 << kMinule.addSecs(1) << selhala;
        QTest::newRow("status 500")
            << "soubor" << kMinule << true << false << 500 << kMinule.addSecs(1) << selhala;
        QTest::newRow("status 403")
            << "soubor" << kMinule << true << false << 403 << kMinule.addSecs(1) << selhala;
        QTest::newRow("no answer") << "soubor" << kMinule << false << false << 0 << bez << selhala;
        QTest::newRow("untrusted certificate") << "soubor" << kMinule << false << true << 0 << bez
                                               << v(VysledekKontroly::Neduveryhodny);
        QTest::newRow("untrusted certificate without a local file")
            << "zadny" << bez << false << true << 0 << bez << v(VysledekKontroly::Neduveryhodny);
        QTest::newRow("missing local file")
            << "zadny" << bez << true << false << 200 << kMinule << selhala;
        QTest::newRow("a folder instead of the local file")
            << "slozka" << bez << true << false << 200 << kMinule << selhala;
        QTest::newRow("server exactly a day ahead is still fine")
            << "soubor" << kMinule << true << false << 200 << kTed.addSecs(kDen) << novejsi;
        QTest::newRow("server a day and a second ahead")
            << "soubor" << kMinule << true << false << 200 << kTed.addSecs(kDen + 1)
            << datumServeru;
        QTest::newRow("server in 2100")
            << "soubor" << kMinule << true << false << 200
            << QDateTime(QDate(2100, 1, 1), QTime(0, 0), QTimeZone::utc()) << datumServeru;
        QTest::newRow("server in the future, local even later")
            << "soubor" << kTed.addYears(80) << true << false << 200 << kTed.addYears(70)
            << datumServeru;
        QTest::newRow("local in the future, correct server")
            << "soubor" << kTed.addYears(74) << true << false << 200 << kMinule << novejsi;
        QTest::newRow("local a day and a second ahead, correct server")
            << "soubor" << kTed.addSecs(kDen + 1) << true << false << 200 << kMinule << novejsi;
        QTest::newRow("local exactly a day ahead is still a real time")
            << "soubor" << kTed.addSecs(kDen) << true << false << 200 << kMinule << aktualni;
        QTest::newRow("local in the future, server without a date")
            << "soubor" << kTed.addYears(74) << true << false << 200 << bez << aktualni;
    }
    void porovnani() {
        QFETCH(QString, katalog);
        QFETCH(QDateTime, mistni);
        QFETCH(bool, spojeno);
        QFETCH(bool, neduveryhodny);
        QFETCH(int, stav);
        QFETCH(QDateTime, server);
        QFETCH(int, vysledek);
        PracovniSlozka slozka;
        if (katalog == u"soubor") {
            ZapisKatalog(QStringLiteral("otazky.xml"));
            QVERIFY(NastavCasSouboru(QStringLiteral("otazky.xml"), mistni));
            const QDateTime zapsany = QFileInfo(QStringLiteral("otazky.xml")).lastModified();
            if (zapsany != mistni && mistni.time().msec() != 0)
                QSKIP("the file system keeps no milliseconds");
            QCOMPARE(zapsany, mistni);
        } else if (katalog == u"slozka") {
            QVERIFY(QDir().mkdir(QStringLiteral("otazky.xml")));
        }
        OdpovedServeru o;
        o.spojeno = spojeno;
        o.neduveryhodny = neduveryhodny;
        o.stav = stav;
        o.zmeneno = server;
        QCOMPARE(v(PorovnejSServerem(o, QStringLiteral("otazky.xml"), kTed)), vysledek);
    }

    void hlavicky_data() {
        QTest::addColumn<Hlavicky>("hlavicky");
        QTest::addColumn<qint64>("velikost");
        QTest::addColumn<QDateTime>("zmeneno");
        const QDateTime kdy(QDate(1994, 11, 6), QTime(8, 49, 37), QTimeZone::utc());
        const QDateTime bez;
        const auto delka = [](const char* h) { return Hlavicky{{"Content-Length", h}}; };
        const auto datum = [](const char* h) { return Hlavicky{{"Last-Modified", h}}; };

        QTest::newRow("no headers") << Hlavicky{} << qint64(-1) << bez;
        QTest::newRow("length") << delka("1536") << qint64(1536) << bez;
        QTest::newRow("length 0") << delka("0") << qint64(0) << bez;
        QTest::newRow("length with spaces around") << delka(" 1536 ") << qint64(1536) << bez;
        QTest::newRow("length of 5 GiB") << delka("5368709120") << qint64(5368709120) << bez;
        QTest::newRow("header names in any case")
            << Hlavicky{{"content-LENGTH", "77"}} << qint64(77) << bez;
        QTest::newRow("negative length") << delka("-5") << qint64(-1) << bez;
        QTest::newRow("length with a plus") << delka("+5") << qint64(-1) << bez;
        QTest::newRow("length with letters") << delka("12abc") << qint64(-1) << bez;
        QTest::newRow("hexadecimal length") << delka("0x10") << qint64(-1) << bez;
        QTest::newRow("decimal point") << delka("1.5") << qint64(-1) << bez;
        QTest::newRow("exponent") << delka("1e3") << qint64(-1) << bez;
        QTest::newRow("space inside") << delka("12 34") << qint64(-1) << bez;
        QTest::newRow("empty length") << delka("") << qint64(-1) << bez;
        QTest::newRow("length beyond 64 bits")
            << delka("99999999999999999999") << qint64(-1) << bez;

        QTest::newRow("IMF date") << datum("Sun, 06 Nov 1994 08:49:37 GMT") << qint64(-1) << kdy;
        QTest::newRow("RFC 850 date")
            << datum("Sunday, 06-Nov-94 08:49:37 GMT") << qint64(-1) << kdy;
        QTest::newRow("asctime date") << datum("Sun Nov  6 08:49:37 1994") << qint64(-1) << kdy;
        QTest::newRow("asctime date, two-digit day")
            << datum("Tue Dec 22 10:00:05 2026") << qint64(-1)
            << QDateTime(QDate(2026, 12, 22), QTime(10, 0, 5), QTimeZone::utc());
        QTest::newRow("IMF date in 2026")
            << Hlavicky{{"last-modified", "Tue, 08 Dec 2026 23:30:00 GMT"}} << qint64(-1)
            << QDateTime(QDate(2026, 12, 8), QTime(23, 30), QTimeZone::utc());
        QTest::newRow("not a date") << datum("včera") << qint64(-1) << bez;
        QTest::newRow("empty date") << datum("") << qint64(-1) << bez;
        QTest::newRow("both") << Hlavicky{{"Last-Modified", "Sun, 06 Nov 1994 08:49:37 GMT"},
                                          {"Content-Type", "text/xml"},
                                          {"Content-Length", "802000"}}
                              << qint64(802000) << kdy;
    }
    void hlavicky() {
        QFETCH(Hlavicky, hlavicky);
        QFETCH(qint64, velikost);
        QFETCH(QDateTime, zmeneno);
        const OdpovedServeru o = PrectiHlavicky(200, hlavicky);
        QVERIFY(o.spojeno);
        QVERIFY(!o.neduveryhodny);
        QCOMPARE(o.stav, 200);
        QCOMPARE(o.velikost, velikost);
        QCOMPARE(o.zmeneno.isValid(), zmeneno.isValid());
        if (zmeneno.isValid()) {
            QCOMPARE(o.zmeneno, zmeneno);
            QCOMPARE(o.zmeneno.toSecsSinceEpoch(), zmeneno.toSecsSinceEpoch());
        }
    }

    void stavOdpovedi_data() {
        QTest::addColumn<int>("stav");
        QTest::newRow("200") << 200;
        QTest::newRow("404") << 404;
        QTest::newRow("503") << 503;
    }
    void stavOdpovedi() {
        QFETCH(int, stav);
        const OdpovedServeru o = PrectiHlavicky(stav, {});
        QVERIFY(o.spojeno);
        QCOMPARE(o.stav, stav);
        QCOMPARE(o.velikost, qint64(-1));
        QVERIFY(!o.zmeneno.isValid());
    }
};

QTEST_GUILESS_MAIN(TestCoreKontrolaServeru)
#include "test_core_kontrola_serveru.moc"
