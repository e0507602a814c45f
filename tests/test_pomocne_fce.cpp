// The shared functions: durations, flags, file presence, success percentage, fixed
// widths, the data files' dates and the program's random generator; and the label that
// sets its text smaller rather than cut it.
#include "core/chyby_systemu.h"
#include "core/pomocne_fce.h"
#include "tests/podpora/pracovni_slozka.h"
#include "tests/podpora/testovaci_main.h"
#include "widgets/okna.h"

#include <QDir>
#include <QFile>
#include <QLocale>

#include <cerrno>

class TestPomocneFce : public QObject {
    Q_OBJECT
private slots:
    void casNaText_data() {
        QTest::addColumn<int>("sekundy");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "00:00";
        QTest::newRow("59") << 59 << "00:59";
        QTest::newRow("65") << 65 << "01:05";
        QTest::newRow("600") << 600 << "10:00";
        QTest::newRow("1799") << 1799 << "29:59";
        QTest::newRow("1800") << 1800 << "30:00";
        QTest::newRow("6005") << 6005 << "100:05";
        QTest::newRow("negative") << -65 << "00:00";
        QTest::newRow("-1") << -1 << "00:00";
    }
    void casNaText() {
        QFETCH(int, sekundy);
        QFETCH(QString, text);
        QCOMPARE(CasNaText(sekundy), text);
    }

    void casSlovy_data() {
        QTest::addColumn<int>("sekundy");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "0 sekund";
        QTest::newRow("1") << 1 << "1 sekunda";
        QTest::newRow("4") << 4 << "4 sekundy";
        QTest::newRow("22") << 22 << "22 sekund";
        QTest::newRow("45") << 45 << "45 sekund";
        QTest::newRow("60") << 60 << "1 minuta";
        QTest::newRow("61") << 61 << "1 minuta, 1 sekunda";
        QTest::newRow("125") << 125 << "2 minuty, 5 sekund";
        QTest::newRow("184") << 184 << "3 minuty, 4 sekundy";
        QTest::newRow("300") << 300 << "5 minut";
        QTest::newRow("1799") << 1799 << "29 minut, 59 sekund";
        QTest::newRow("1800") << 1800 << "30 minut";
        QTest::newRow("above 30 minutes") << 1862 << "31 minut, 2 sekundy";
    }
    void casSlovy() {
        QFETCH(int, sekundy);
        QFETCH(QString, text);
        QCOMPARE(CasSlovy(sekundy), text);
    }

    void priznaky() {
        QVERIFY(TextNaBool(QStringLiteral("1")));
        for (const char* t : {"0", "", "-1", "True", "11", " 1"})
            QVERIFY2(!TextNaBool(QString::fromLatin1(t)), t);
        QCOMPARE(BoolNaText(true), QStringLiteral("1"));
        QCOMPARE(BoolNaText(false), QStringLiteral("0"));
    }

    void souborExistuje() {
        PracovniSlozka slozka;
        QVERIFY(!SouborExistuje(QStringLiteral("Vysledky.xml")));
        QVERIFY(!SouborExistuje(QString()));
        PracovniSlozka::zapis(QStringLiteral("Vysledky.xml"), "<Vysledky/>");
        QVERIFY(SouborExistuje(QStringLiteral("Vysledky.xml")));
        QDir().mkdir(QStringLiteral("Protokoly.xml"));
        QVERIFY2(!SouborExistuje(QStringLiteral("Protokoly.xml")), "a folder is not a file");
    }

    void chybySystemuCesky() {
        QCOMPARE(PopisChybySystemu(EACCES), QStringLiteral("přístup odepřen"));
        QCOMPARE(PopisChybySystemu(ENOSPC), QStringLiteral("na disku není volné místo"));
        QCOMPARE(PopisChybySystemu(EROFS), QStringLiteral("disk je připojen jen pro čtení"));
        QCOMPARE(PopisChybySystemu(12345), QStringLiteral("chyba systému č. 12345"));
        PracovniSlozka slozka;
        QDir().mkdir(QStringLiteral("slozka"));
        QFile adresar(QStringLiteral("slozka"));
        QVERIFY(!adresar.open(QIODevice::ReadOnly));
        QCOMPARE(PopisChybySouboru(adresar), QStringLiteral("je to složka, ne soubor"));
        QFile chybi(QStringLiteral("chybi/soubor"));
        QVERIFY(!chybi.open(QIODevice::ReadOnly));
        QCOMPARE(PopisChybySouboru(chybi), QStringLiteral("soubor nebo složka neexistuje"));
    }

    void uspesnost() {
        QCOMPARE(Uspesnost(1, 8), 12); // 12.5 to the even neighbour
        QCOMPARE(Uspesnost(3, 8), 38); // 37.5 to the even neighbour
        QCOMPARE(Uspesnost(2, 3), 67);
        QCOMPARE(Uspesnost(1, 3), 33);
        QCOMPARE(Uspesnost(20, 24), 83);
        QCOMPARE(Uspesnost(5, 5), 100);
        QCOMPARE(Uspesnost(0, 7), 0);
        QCOMPARE(Uspesnost(0, 0), 0);
    }

    void orizni() {
        QCOMPARE(Orizni(QStringLiteral("ABCDE"), 4), QStringLiteral("ABCD"));
        QCOMPARE(Orizni(QStringLiteral("AB"), 4), QStringLiteral("AB"));
        QCOMPARE(Orizni(QString(40, u'Ž'), 30).size(), 30);
        // A character outside the basic plane is never cut in half.
        const QString emoji = QStringLiteral("ab") + QString::fromUtf8("\xF0\x9F\x9A\x97");
        QCOMPARE(Orizni(emoji, 3), QStringLiteral("ab"));
    }

    void datumyACasy() {
        QCOMPARE(DatumNaText(QDate(2006, 12, 5)), QStringLiteral("5.12.2006"));
        QCOMPARE(CasDneNaText(QTime(14, 7, 33)), QStringLiteral("14:07:33"));
        QCOMPARE(CasDneNaText(QTime(9, 5, 3)), QStringLiteral("9:05:03"));
        const QDateTime kdy(QDate(2026, 12, 5), QTime(14, 3, 11));
        QCOMPARE(DatumACasNaText(kdy), QStringLiteral("5.12.2026 14:03:11"));
        QCOMPARE(TextNaDatumACas(QStringLiteral("5.12.2026 14:03:11")), kdy);
        QCOMPARE(TextNaDatum(QStringLiteral("5.12.2006")), QDate(2006, 12, 5));
        QCOMPARE(TextNaCasDne(QStringLiteral("14:07:33")), QTime(14, 7, 33));
        // Files written under the machine's own regional settings read back too.
        const QLocale system = QLocale::system();
        const QDate d(2025, 3, 9);
        QCOMPARE(TextNaDatum(system.toString(d, QLocale::ShortFormat)).month(), 3);
        const QDateTime k(QDate(2025, 3, 9), QTime(8, 4, 5));
        const QString systemovy = system.toString(k.date(), QLocale::ShortFormat) + u' ' +
                                  system.toString(k.time(), QLocale::LongFormat);
        QCOMPARE(TextNaDatumACas(systemovy).time(), QTime(8, 4, 5));
        QVERIFY(!TextNaDatum(QStringLiteral("včera")).isValid());
        QVERIFY(!TextNaDatumACas(QString()).isValid());
        QCOMPARE(DatumACasKZobrazeni(QDateTime(QDate(2026, 1, 2), QTime(0, 0))),
                 QStringLiteral("2.1.2026"));
        QCOMPARE(DatumACasKZobrazeni(kdy), QStringLiteral("5.12.2026 14:03:11"));
    }

    void nahodnyGenerator() {
        // Known sequences of the 32-bit generator (seed × 134775813 + 1, upper 32 bits).
        nahoda::NastavSeed(0);
        QList<quint32> tahy;
        for (int i = 0; i < 10; ++i)
            tahy << nahoda::Random(100);
        QCOMPARE(tahy, (QList<quint32>{0, 3, 86, 20, 27, 67, 31, 16, 37, 42}));
        QCOMPARE(nahoda::Seed(), 1828254910u);
        nahoda::NastavSeed(0xFFFFFFFFu);
        QCOMPARE(nahoda::Random(1000), 968u);
        QCOMPARE(nahoda::Random(1000), 201u);
        nahoda::NastavSeed(12345);
        for (quint32 ocekavany : {2u, 2u, 0u, 3u, 4u, 2u, 3u, 0u})
            QCOMPARE(nahoda::Random(7), ocekavany);
        QCOMPARE(nahoda::Random(1), 0u);

        nahoda::NastavHodiny([] { return 777u; });
        nahoda::Randomize();
        QCOMPARE(nahoda::Seed(), 777u);
        nahoda::NastavHodiny({});
        nahoda::Randomize();
        for (int i = 0; i < 1000; ++i)
            QVERIFY(nahoda::Random(5) < 5);
    }

    void popisekNaSirku() {
        QWidget okno;
        QFont pismo(QStringLiteral("Liberation Sans"));
        pismo.setPixelSize(11);
        okno.setFont(pismo);
        const QString text = QStringLiteral("Testy z pravidel silničního provozu");
        auto* l = new PopisekNaSirku(text, &okno);
        l->setFrameShape(QFrame::Panel);
        const auto velikost = [&] { return QFontInfo(l->font()).pixelSize(); };
        const auto vejde = [&] {
            return QFontMetrics(l->font()).horizontalAdvance(text) <= l->contentsRect().width();
        };
        const int potreba = QFontMetrics(pismo).horizontalAdvance(text) + 2 * l->frameWidth();
        okno.show();            // a hidden widget gets its resize events only when shown
        l->resize(potreba, 20); // exactly wide enough: the size stays
        QCOMPARE(velikost(), 11);
        l->resize(potreba - 1, 20);
        QVERIFY(velikost() < 11);
        QVERIFY(vejde());
        // The largest size that fits: one pixel more would not.
        QFont vetsi = l->font();
        vetsi.setPixelSize(velikost() + 1);
        QVERIFY(QFontMetrics(vetsi).horizontalAdvance(text) > l->contentsRect().width());
        l->resize(20, 20); // never below 8 pixels, even if the text is then cut
        QCOMPARE(velikost(), 8);
        l->resize(potreba + 50, 20); // wide again: back to the size it was given
        QCOMPARE(velikost(), 11);
    }
};

KOLOMAT_TEST_MAIN(TestPomocneFce)
#include "test_pomocne_fce.moc"
