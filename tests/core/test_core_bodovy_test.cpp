// The point test's answers and scoring without a window: picking letters, the score by
// exact comparison with the database, the pass mark, the wrong positions, the verdict
// message and the protocol record.
#include "core/bodovy_test.h"
#include "core/chyba.h"
#include "tests/podpora/generator_katalogu.h"
#include "tests/podpora/pracovni_slozka.h"

#include <QTest>

namespace {

// A fixed test on the generated catalogue: the numbers of the 25 positions by section
// (3, 470 and 320 have two answers) and the points of each position.
constexpr int kCisla[kOtazekTestu] = {1,   2,   3,   4,   6,   7,   8,   9,   10,
                                      11,  452, 453, 470, 500, 309, 320, 400, 553,
                                      554, 555, 613, 614, 684, 685, 772};
constexpr int kBody[kOtazekTestu] = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2,
                                     2, 1, 1, 1, 4, 4, 4, 1, 1, 2, 2, 1};

TSestavaTestu sestava() {
    const NastaveniKatalogu n;
    TSestavaTestu t;
    for (int i = 0; i < kOtazekTestu; ++i) {
        TOtazkaTestu& o = t[static_cast<size_t>(i)];
        o.SkutCislo = kCisla[i];
        o.Index = kCisla[i] - 1;
        o.PocetOdpovedi = n.dveOdpovedi.contains(kCisla[i]) ? 2 : 3;
        o.Body = kBody[i];
    }
    return t;
}

// A letter other than the right one, among the question's answers.
QChar spatnePismeno(int cislo) {
    const NastaveniKatalogu n;
    const int pismen = n.dveOdpovedi.contains(cislo) ? 2 : 3;
    const int spravne = SpravnaOdpoved(cislo).front().unicode() - u'A';
    return QChar(u'A' + static_cast<char16_t>((spravne + 1) % pismen));
}

// Answers every position right except those given.
TBodovyTest vyplneny(const QList<int>& spatne, const QList<int>& nezodpovezene) {
    TBodovyTest t(sestava());
    for (int p = 1; p <= kOtazekTestu; ++p) {
        const int cislo = kCisla[p - 1];
        if (nezodpovezene.contains(p))
            continue;
        const QChar pismeno =
            spatne.contains(p) ? spatnePismeno(cislo) : SpravnaOdpoved(cislo).front();
        t.Vyber(p, pismeno);
    }
    return t;
}

} // namespace

class TestCoreBodovyTest : public QObject {
    Q_OBJECT
private slots:
    void vyberPismene_data() {
        QTest::addColumn<int>("pozice");
        QTest::addColumn<QString>("pismena");
        QTest::addColumn<QString>("zmeny"); // "a" changed, "-" ignored, per letter
        QTest::addColumn<QString>("odpoved");
        // Position 1 has three answers, position 3 (question 3) two.
        QTest::newRow("first letter") << 1 << "A"
                                      << "a"
                                      << "A";
        QTest::newRow("a new letter replaces") << 1 << "AB"
                                               << "aa"
                                               << "B";
        QTest::newRow("the same letter clears") << 1 << "AA"
                                                << "aa"
                                                << "";
        QTest::newRow("replace, then clear") << 1 << "ACC"
                                             << "aaa"
                                             << "";
        QTest::newRow("clear, then choose again") << 1 << "BBC"
                                                  << "aaa"
                                                  << "C";
        QTest::newRow("C on three answers") << 1 << "C"
                                            << "a"
                                            << "C";
        QTest::newRow("C on two answers is ignored") << 3 << "C"
                                                     << "-"
                                                     << "";
        QTest::newRow("C on two answers keeps the choice") << 3 << "BC"
                                                           << "a-"
                                                           << "B";
        QTest::newRow("A and B on two answers") << 3 << "AB"
                                                << "aa"
                                                << "B";
        QTest::newRow("D is ignored") << 1 << "AD"
                                      << "a-"
                                      << "A";
        QTest::newRow("lower case is ignored") << 1 << "Ba"
                                               << "a-"
                                               << "B";
        QTest::newRow("other characters are ignored") << 1 << " 1X"
                                                      << "---"
                                                      << "";
        QTest::newRow("last position") << 25 << "AB"
                                       << "aa"
                                       << "B";
    }
    void vyberPismene() {
        QFETCH(int, pozice);
        QFETCH(QString, pismena);
        QFETCH(QString, zmeny);
        QFETCH(QString, odpoved);
        TBodovyTest t(sestava());
        for (qsizetype i = 0; i < pismena.size(); ++i)
            QCOMPARE(t.Vyber(pozice, pismena[i]), zmeny[i] == u'a');
        QCOMPARE(t[pozice].Odpoved, odpoved);
        for (int p = 1; p <= kOtazekTestu; ++p)
            if (p != pozice)
                QVERIFY(t[p].Odpoved.isEmpty());
    }

    void poziceMimoTest() {
        TBodovyTest t(sestava());
        QVERIFY_THROWS_EXCEPTION(KolomatChyba, t.Vyber(0, u'A'));
        QVERIFY_THROWS_EXCEPTION(KolomatChyba, t.Vyber(26, u'A'));
        QVERIFY_THROWS_EXCEPTION(KolomatChyba, t[26]);
    }

    // Points: 10 × 2, 4 × 2, 3 × 1, 3 × 4 (positions 18-20), 2 × 1, 2 × 2, 1 × 1.
    void vyhodnoceni_data() {
        QTest::addColumn<QList<int>>("spatne");
        QTest::addColumn<QList<int>>("nezodpovezene");
        QTest::addColumn<int>("body");
        QTest::addColumn<bool>("slozen");
        QTest::addColumn<QString>("spatneCisla");
        QTest::newRow("all right: 50") << QList<int>{} << QList<int>{} << 50 << true << "";
        QTest::newRow("two 4-point questions wrong: 42 fails")
            << QList<int>{18, 19} << QList<int>{} << 42 << false << "18, 19";
        QTest::newRow("4 + 2 + 1 wrong: 43 passes")
            << QList<int>{25, 18, 1} << QList<int>{} << 43 << true << "1, 18, 25";
        QTest::newRow("4 + 2 + 1 unanswered: 43 passes")
            << QList<int>{} << QList<int>{20, 11, 15} << 43 << true << "11, 15, 20";
        QTest::newRow("one wrong, one unanswered, 4 points each: 42 fails")
            << QList<int>{18} << QList<int>{20} << 42 << false << "18, 20";
        QTest::newRow("all six 1-point questions wrong: 44")
            << QList<int>{15, 16, 17, 21, 22, 25} << QList<int>{} << 44 << true
            << "15, 16, 17, 21, 22, 25";
        QTest::newRow("and one 2-point more: 42")
            << QList<int>{15, 16, 17, 21, 22, 25, 24} << QList<int>{} << 42 << false
            << "15, 16, 17, 21, 22, 24, 25";
        QTest::newRow("two-answer questions wrong")
            << QList<int>{3, 13, 16} << QList<int>{} << 45 << true << "3, 13, 16";
        QTest::newRow("nothing answered: 0")
            << QList<int>{} << QList<int>{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                          14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25}
            << 0 << false
            << "1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, "
               "23, 24, 25";
    }
    void vyhodnoceni() {
        QFETCH(QList<int>, spatne);
        QFETCH(QList<int>, nezodpovezene);
        QFETCH(int, body);
        QFETCH(bool, slozen);
        QFETCH(QString, spatneCisla);
        PracovniSlozka slozka;
        ZapisKatalog();
        const TOtazka databaze;
        TBodovyTest t = vyplneny(spatne, nezodpovezene);
        QVERIFY(!t.Vyhodnocen());
        t.Vyhodnot(databaze.Dokument());
        QVERIFY(t.Vyhodnocen());
        QCOMPARE(t.Body(), body);
        QCOMPARE(t.Slozen(), slozen);
        QCOMPARE(t.Spatne(), static_cast<int>(spatne.size() + nezodpovezene.size()));
        QCOMPARE(t.SpatneCisla(), spatneCisla);
        for (int p = 1; p <= kOtazekTestu; ++p)
            QCOMPARE(t.Spravne(p), SpravnaOdpoved(kCisla[p - 1]));
    }

    // The database's letter is compared as it is: a lower-case "b" is not "B".
    void presnePorovnani() {
        PracovniSlozka slozka;
        ZapisKatalog();
        QByteArray xml = PracovniSlozka::precti(QStringLiteral("otazky.xml"));
        // Question 4 (position 4) has the right letter B.
        const QByteArray puvodni = "<Kod>TK000004</Kod>";
        const qsizetype kde = xml.indexOf(puvodni);
        QVERIFY(kde >= 0);
        const qsizetype spravne = xml.indexOf("<Spravne>B</Spravne>", kde);
        QVERIFY(spravne > kde);
        xml.replace(spravne, 20, "<Spravne>b</Spravne>");
        PracovniSlozka::zapis(QStringLiteral("otazky.xml"), xml);
        const TOtazka databaze;
        TBodovyTest t = vyplneny({}, {});
        QCOMPARE(t[4].Odpoved, QStringLiteral("B"));
        t.Vyhodnot(databaze.Dokument());
        QCOMPARE(t.Body(), 48);
        QCOMPARE(t.SpatneCisla(), QStringLiteral("4"));
        QCOMPARE(t.Spravne(4), QStringLiteral("b"));
    }

    void zprava_data() {
        QTest::addColumn<QList<int>>("spatne");
        QTest::addColumn<bool>("casVyprsel");
        QTest::addColumn<QString>("verdikt");
        QTest::addColumn<int>("body");
        QTest::addColumn<QString>("spatneCisla");
        const QString vyreseno = QStringLiteral("Test byl úspěšně vyřešen!");
        const QString nevyreseno = QStringLiteral("Test nebyl úspěšně vyřešen!");
        const QString cas = QStringLiteral("Čas vymezený pro test uplynul! - ");
        QTest::newRow("passed") << QList<int>{1, 18, 25} << false << vyreseno << 43 << "1, 18, 25";
        QTest::newRow("passed, time out")
            << QList<int>{1, 18, 25} << true << cas + vyreseno << 43 << "1, 18, 25";
        QTest::newRow("failed") << QList<int>{18, 19} << false << nevyreseno << 42 << "18, 19";
        QTest::newRow("failed, time out")
            << QList<int>{18, 19} << true << cas + nevyreseno << 42 << "18, 19";
        QTest::newRow("all right") << QList<int>{} << false << vyreseno << 50 << "";
    }
    void zprava() {
        QFETCH(QList<int>, spatne);
        QFETCH(bool, casVyprsel);
        QFETCH(QString, verdikt);
        QFETCH(int, body);
        QFETCH(QString, spatneCisla);
        PracovniSlozka slozka;
        ZapisKatalog();
        const TOtazka databaze;
        TBodovyTest t = vyplneny(spatne, {});
        t.Vyhodnot(databaze.Dokument());
        const QStringList radky = t.ZpravaVyhodnoceni(casVyprsel).split(QStringLiteral("\r\n"));
        QCOMPARE(radky.size(), 4);
        QCOMPARE(radky[0], verdikt);
        QVERIFY2(radky[1].contains(QStringLiteral("%1 bodů z 50").arg(body)), qPrintable(radky[1]));
        QVERIFY2(radky[1].endsWith(QStringLiteral("43 bodů")), qPrintable(radky[1]));
        QVERIFY2(radky[2].contains(QStringLiteral(": %1,").arg(spatne.size())),
                 qPrintable(radky[2]));
        QVERIFY2(radky[2].endsWith(u' ' + spatneCisla), qPrintable(radky[2]));
        QVERIFY(!radky[3].isEmpty());
        QVERIFY(!radky[3].contains(QStringLiteral("uplynul")));
    }

    void protokol_data() {
        QTest::addColumn<QList<int>>("spatne");
        QTest::addColumn<QList<int>>("nezodpovezene");
        QTest::addColumn<int>("sekundZbyva");
        QTest::addColumn<QString>("delka");
        QTest::addColumn<int>("spravnych");
        QTest::addColumn<int>("body");
        QTest::addColumn<QString>("verdikt");
        QTest::addColumn<QString>("odpovedi");
        QTest::newRow("failed with an unanswered position")
            << QList<int>{18} << QList<int>{20} << 1046 << "12:34" << 23 << 42 << "Neprošel"
            << "B C B B A B C A B C C A A C A A B C C  B C A B B";
        QTest::newRow("passed when the time ran out")
            << QList<int>{1, 18, 25} << QList<int>{} << 0 << "30:00" << 22 << 43 << "Prošel"
            << "C C B B A B C A B C C A A C A A B C C A B C A B C";
        QTest::newRow("all right with time to spare")
            << QList<int>{} << QList<int>{} << 1799 << "00:01" << 25 << 50 << "Prošel"
            << "B C B B A B C A B C C A A C A A B B C A B C A B B";
    }
    void protokol() {
        QFETCH(QList<int>, spatne);
        QFETCH(QList<int>, nezodpovezene);
        QFETCH(int, sekundZbyva);
        QFETCH(QString, delka);
        QFETCH(int, spravnych);
        QFETCH(int, body);
        QFETCH(QString, verdikt);
        QFETCH(QString, odpovedi);
        PracovniSlozka slozka;
        ZapisKatalog();
        const TOtazka databaze;
        TBodovyTest t = vyplneny(spatne, nezodpovezene);
        t.Vyhodnot(databaze.Dokument());
        const QDateTime zacatek(QDate(2026, 5, 4), QTime(14, 3, 11));
        const TProtokol p =
            t.Protokol(QStringLiteral("Jana"), QStringLiteral("B"), zacatek, sekundZbyva);
        QCOMPARE(p.Profil, QStringLiteral("Jana"));
        QCOMPARE(p.Skupina, QStringLiteral("B"));
        QCOMPARE(p.DatumACas, zacatek);
        QCOMPARE(p.DelkaTestu, delka);
        QCOMPARE(p.Spravne, spravnych);
        QCOMPARE(p.PocetBodu, body);
        QCOMPARE(p.MinPocetBodu, 43);
        QCOMPARE(p.Verdikt, verdikt);
        QCOMPARE(p.Body, QStringLiteral("2 2 2 2 2 2 2 2 2 2 2 2 2 2 1 1 1 4 4 4 1 1 2 2 1"));
        QCOMPARE(p.Odpoved, odpovedi);
        QCOMPARE(p.SpravnaOdpoved,
                 QStringLiteral("B C B B A B C A B C C A A C A A B B C A B C A B B"));
        QCOMPARE(p.SkutCis, QStringLiteral("1 2 3 4 6 7 8 9 10 11 452 453 470 500 309 320 400 "
                                           "553 554 555 613 614 684 685 772"));
        // Each list reads back as 25 items.
        QCOMPARE(RozdelSeznam(p.Odpoved).size(), 25);
        QCOMPARE(RozdelSeznam(p.Odpoved)[17],
                 spatne.contains(18) ? QStringLiteral("C") : QStringLiteral("B"));
    }
};

QTEST_GUILESS_MAIN(TestCoreBodovyTest)
#include "test_core_bodovy_test.moc"
