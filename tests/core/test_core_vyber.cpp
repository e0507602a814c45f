// Choosing the questions of a run: the candidates that the category flags admit, the
// run's default length, keeping start and length within the candidates, and the run
// taken in order or drawn at random.
#include "core/XML_otazky.h"
#include "core/pomocne_fce.h"
#include "core/vyber_otazek.h"
#include "tests/podpora/generator_katalogu.h"
#include "tests/podpora/pracovni_slozka.h"

#include <QSet>
#include <QTest>

namespace {

using Rozsahy = QList<QPair<int, int>>;

// Candidates 1..n numbered 10, 20, 30, ...
std::vector<TKandidat> rada(int n) {
    std::vector<TKandidat> k;
    for (int i = 1; i <= n; ++i)
        k.push_back({10 * i, 10 * i - 1});
    return k;
}

QList<int> cisla(const std::vector<TVybranaOtazka>& beh) {
    QList<int> c;
    for (const TVybranaOtazka& v : beh)
        c << v.Cislo;
    return c;
}

} // namespace

class TestCoreVyber : public QObject {
    Q_OBJECT
private slots:
    // The generated catalogue has removed questions 5, 310, 460, 600, 650, 700 and 790.
    void kandidati_data() {
        QTest::addColumn<int>("pocetOtazek");
        QTest::addColumn<QString>("kategorie");
        QTest::addColumn<Rozsahy>("rozsahy");
        QTest::addColumn<int>("pocet");

        QTest::newRow("flag 1: 1-308") << 802 << "1000000" << Rozsahy{{1, 308}} << 307;
        QTest::newRow("flag 2: 452-552") << 802 << "0100000" << Rozsahy{{452, 552}} << 100;
        QTest::newRow("flag 3: 309-451") << 802 << "0010000" << Rozsahy{{309, 451}} << 142;
        QTest::newRow("flag 4: 553-612") << 802 << "0001000" << Rozsahy{{553, 612}} << 59;
        QTest::newRow("flag 5: 613-683") << 802 << "0000100" << Rozsahy{{613, 683}} << 70;
        QTest::newRow("flag 6: 684-771") << 802 << "0000010" << Rozsahy{{684, 771}} << 87;
        QTest::newRow("flag 7: 772-802") << 802 << "0000001" << Rozsahy{{772, 802}} << 30;
        QTest::newRow("flags 1 and 3: 1-451") << 802 << "1010000" << Rozsahy{{1, 451}} << 449;
        QTest::newRow("flags 2 and 4: 452-612") << 802 << "0101000" << Rozsahy{{452, 612}} << 159;
        QTest::newRow("flags 3 and 7")
            << 802 << "0010001" << Rozsahy{{309, 451}, {772, 802}} << 172;
        QTest::newRow("all") << 802 << "1111111" << Rozsahy{{1, 802}} << 795;
        QTest::newRow("nothing above 802") << 815 << "1111111" << Rozsahy{{1, 802}} << 795;
        QTest::newRow("flag 7 in a longer catalogue")
            << 815 << "0000001" << Rozsahy{{772, 802}} << 30;
        QTest::newRow("none") << 802 << "0000000" << Rozsahy{} << 0;
        QTest::newRow("empty flags") << 802 << "" << Rozsahy{} << 0;
        QTest::newRow("only \"1\" admits") << 802 << "2T-x 0y" << Rozsahy{} << 0;
        QTest::newRow("short flags admit the ranges given")
            << 802 << "01" << Rozsahy{{452, 552}} << 100;
    }
    void kandidati() {
        QFETCH(int, pocetOtazek);
        QFETCH(QString, kategorie);
        QFETCH(Rozsahy, rozsahy);
        QFETCH(int, pocet);
        PracovniSlozka slozka;
        NastaveniKatalogu n;
        n.pocet = pocetOtazek;
        ZapisKatalog(QStringLiteral("otazky.xml"), n);
        const TOtazka databaze;

        const std::vector<TKandidat> k = NajdiKandidaty(databaze.Dokument(), kategorie);
        QCOMPARE(static_cast<int>(k.size()), pocet);
        QSet<int> nalezene;
        int predchozi = 0;
        for (const TKandidat& c : k) {
            QVERIFY2(c.Cislo > predchozi, "ascending, each once");
            predchozi = c.Cislo;
            QCOMPARE(c.Poradi, c.Cislo - 1);
            QVERIFY2(!n.vyrazene.contains(c.Cislo), qPrintable(QString::number(c.Cislo)));
            nalezene.insert(c.Cislo);
        }
        // Exactly every question in force in the admitted ranges.
        for (const auto& [od, po] : rozsahy)
            for (int c = od; c <= po; ++c)
                QCOMPARE(nalezene.contains(c), !n.vyrazene.contains(c));
    }

    void vychoziPocet_data() {
        QTest::addColumn<int>("kandidatu");
        QTest::addColumn<int>("pocet");
        QTest::newRow("none") << 0 << 0;
        QTest::newRow("one") << 1 << 1;
        QTest::newRow("19") << 19 << 19;
        QTest::newRow("20") << 20 << 20;
        QTest::newRow("21") << 21 << 20;
        QTest::newRow("all 795") << 795 << 20;
    }
    void vychoziPocet() {
        QFETCH(int, kandidatu);
        QFETCH(int, pocet);
        QCOMPARE(VychoziPocet(kandidatu), pocet);
    }

    // start + count − 1 must stay within c candidates.
    void zacatekPoZmenePoctu_data() {
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("zacatek");
        QTest::addColumn<int>("pocet");
        QTest::addColumn<int>("novyZacatek");
        QTest::newRow("ends before the last") << 100 << 80 << 20 << 80;
        QTest::newRow("ends exactly at the last") << 100 << 81 << 20 << 81;
        QTest::newRow("one past the last") << 100 << 82 << 20 << 81;
        QTest::newRow("start at the last, one question") << 100 << 100 << 1 << 100;
        QTest::newRow("start at the last, two questions") << 100 << 100 << 2 << 99;
        QTest::newRow("all candidates") << 100 << 50 << 100 << 1;
        QTest::newRow("from the first") << 100 << 1 << 100 << 1;
        QTest::newRow("a single candidate") << 1 << 1 << 1 << 1;
    }
    void zacatekPoZmenePoctu() {
        QFETCH(int, c);
        QFETCH(int, zacatek);
        QFETCH(int, pocet);
        QFETCH(int, novyZacatek);
        QCOMPARE(ZacatekPoZmenePoctu(c, zacatek, pocet), novyZacatek);
    }

    void pocetPoZmeneZacatku_data() {
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("zacatek");
        QTest::addColumn<int>("pocet");
        QTest::addColumn<int>("novyPocet");
        QTest::newRow("ends before the last") << 100 << 80 << 20 << 20;
        QTest::newRow("ends exactly at the last") << 100 << 81 << 20 << 20;
        QTest::newRow("one past the last") << 100 << 82 << 20 << 19;
        QTest::newRow("start at the last") << 100 << 100 << 20 << 1;
        QTest::newRow("from the first, all") << 100 << 1 << 100 << 100;
        QTest::newRow("from the second, all") << 100 << 2 << 100 << 99;
        QTest::newRow("a single candidate") << 1 << 1 << 1 << 1;
    }
    void pocetPoZmeneZacatku() {
        QFETCH(int, c);
        QFETCH(int, zacatek);
        QFETCH(int, pocet);
        QFETCH(int, novyPocet);
        QCOMPARE(PocetPoZmeneZacatku(c, zacatek, pocet), novyPocet);
    }

    void vyberPoSobe_data() {
        QTest::addColumn<int>("zacatek");
        QTest::addColumn<int>("pocet");
        QTest::addColumn<QList<int>>("vybrane");
        QTest::newRow("from the first") << 1 << 3 << QList<int>{10, 20, 30};
        QTest::newRow("from the middle") << 4 << 2 << QList<int>{40, 50};
        QTest::newRow("up to the last") << 8 << 3 << QList<int>{80, 90, 100};
        QTest::newRow("the last alone") << 10 << 1 << QList<int>{100};
        QTest::newRow("all") << 1 << 10 << QList<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
        QTest::newRow("none") << 1 << 0 << QList<int>{};
    }
    void vyberPoSobe() {
        QFETCH(int, zacatek);
        QFETCH(int, pocet);
        QFETCH(QList<int>, vybrane);
        const std::vector<TVybranaOtazka> beh = VyberPoSobe(rada(10), zacatek, pocet);
        QCOMPARE(cisla(beh), vybrane);
        for (const TVybranaOtazka& v : beh) {
            QCOMPARE(v.Poradi, v.Cislo - 1);
            QCOMPARE(v.PocetZkouseni, 0);
            QCOMPARE(v.PocetSpravnych, 0);
            QCOMPARE(v.PocetNapoved, 0);
        }
    }

    void vyberNahodne_data() {
        QTest::addColumn<int>("kandidatu");
        QTest::addColumn<int>("pocet");
        QTest::newRow("20 of 795") << 795 << 20;
        QTest::newRow("all 30") << 30 << 30;
        QTest::newRow("29 of 30") << 30 << 29;
        QTest::newRow("1 of 5") << 5 << 1;
        QTest::newRow("the only one") << 1 << 1;
        QTest::newRow("none") << 10 << 0;
    }
    void vyberNahodne() {
        QFETCH(int, kandidatu);
        QFETCH(int, pocet);
        const std::vector<TKandidat> k = rada(kandidatu);

        nahoda::NastavSeed(20061205);
        const std::vector<TVybranaOtazka> beh = VyberNahodne(k, pocet);
        QCOMPARE(static_cast<int>(beh.size()), pocet);
        QSet<int> videne;
        for (const TVybranaOtazka& v : beh) {
            QVERIFY2(v.Cislo % 10 == 0 && v.Cislo >= 10 && v.Cislo <= 10 * kandidatu,
                     "a candidate");
            QCOMPARE(v.Poradi, v.Cislo - 1);
            QVERIFY2(!videne.contains(v.Cislo), "drawn twice");
            videne.insert(v.Cislo);
        }

        // The same seed draws the same run.
        nahoda::NastavSeed(20061205);
        QCOMPARE(cisla(VyberNahodne(k, pocet)), cisla(beh));
    }

    // Drawing really depends on the seed: another seed, another run.
    void vyberNahodneZavisiNaSeminku() {
        const std::vector<TKandidat> k = rada(795);
        nahoda::NastavSeed(1);
        const QList<int> prvni = cisla(VyberNahodne(k, 20));
        nahoda::NastavSeed(2);
        const QList<int> druhy = cisla(VyberNahodne(k, 20));
        QVERIFY(prvni != druhy);
        // Drawing all of them in some order is not just the order of the candidates.
        nahoda::NastavSeed(3);
        QVERIFY(cisla(VyberNahodne(k, 795)) != cisla(VyberPoSobe(k, 1, 795)));
    }
};

QTEST_GUILESS_MAIN(TestCoreVyber)
#include "test_core_vyber.moc"
