// The run of questions without a window: the practice requeue at the truncated
// L × Pomer, when a question is done, hints, the exam's single pass, the record a
// finished run stores, and the answer shuffle.
#include "core/beh_otazek.h"
#include "core/pomocne_fce.h"

#include <QSet>
#include <QTest>

#include <algorithm>
#include <stdexcept>

namespace {

// A run of n questions numbered 1..n, asked in that order.
BehOtazek beh(int n) {
    std::vector<TVybranaOtazka> vybrane;
    for (int c = 1; c <= n; ++c) {
        TVybranaOtazka v;
        v.Cislo = c;
        v.Poradi = c - 1;
        vybrane.push_back(v);
    }
    return BehOtazek(std::move(vybrane));
}

// The numbers of the questions still to be asked, in the order they will be asked.
QString poradi(const BehOtazek& b) {
    QStringList cisla;
    for (auto i = b.Fronta.rbegin(); i != b.Fronta.rend(); ++i)
        cisla << QString::number(b.Vybrane[static_cast<size_t>(*i)].Cislo);
    return cisla.join(u' ');
}

TVybranaOtazka polozka(int cislo, int zkouseni, int spravnych, int napoved) {
    TVybranaOtazka v;
    v.Cislo = cislo;
    v.Poradi = cislo - 1;
    v.PocetZkouseni = zkouseni;
    v.PocetSpravnych = spravnych;
    v.PocetNapoved = napoved;
    return v;
}

} // namespace

class TestCoreBeh : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { nahoda::NastavHodiny({}); }

    // One action on the first question of a run of `delka`, whose earlier answers are
    // given: where it is requeued shows in the order of the questions still to be asked.
    void procvicovani_data() {
        QTest::addColumn<int>("delka");
        QTest::addColumn<int>("zkouseni");
        QTest::addColumn<int>("spravnych");
        QTest::addColumn<QString>("akce"); // "spatne", "spravne" or "napoveda"
        QTest::addColumn<bool>("hotova");
        QTest::addColumn<QString>("poradiPotom");

        QTest::newRow("first wrong answer: 0 × 5 goes to the front")
            << 5 << 0 << 0 << "spatne" << false << "2 3 4 5 1";
        QTest::newRow("wrong with two questions: asked after the other")
            << 2 << 0 << 0 << "spatne" << false << "2 1";
        QTest::newRow("1/3 × 5 = 1.67 is truncated to 1, not rounded to 2")
            << 5 << 2 << 0 << "spravne" << false << "2 3 4 1 5";
        QTest::newRow("1/4 × 10 = 2.5 is truncated to 2, not rounded to 3")
            << 10 << 3 << 1 << "spatne" << false << "2 3 4 5 6 7 8 1 9 10";
        QTest::newRow("2/5 × 7 = 2.8 is truncated to 2, not rounded to 3")
            << 7 << 4 << 1 << "spravne" << false << "2 3 4 5 1 6 7";
        QTest::newRow("2/5 × 3 = 1.2 is truncated to 1")
            << 3 << 4 << 1 << "spravne" << false << "2 1 3";
        QTest::newRow("sole remaining question is asked again at once")
            << 1 << 0 << 0 << "spatne" << false << "1";
        QTest::newRow("sole remaining question right below half stays")
            << 1 << 2 << 0 << "spravne" << false << "1";
        QTest::newRow("right the first time is done") << 3 << 0 << 0 << "spravne" << true << "2 3";
        QTest::newRow("right on exactly half is done") << 3 << 1 << 0 << "spravne" << true << "2 3";
        QTest::newRow("2 of 4 right is done") << 3 << 3 << 1 << "spravne" << true << "2 3";
        QTest::newRow("2 of 5 right, just below half, is not done")
            << 3 << 4 << 1 << "spravne" << false << "2 1 3";
        QTest::newRow("3 of 6 right is done") << 4 << 5 << 2 << "spravne" << true << "2 3 4";
        QTest::newRow("first hint: 0 × 3 goes to the front")
            << 3 << 0 << 0 << "napoveda" << false << "2 3 1";
        QTest::newRow("hint at 1/4 × 7 = 1.75 is truncated to 1")
            << 7 << 4 << 1 << "napoveda" << false << "2 3 4 5 6 1 7";
        QTest::newRow("hint on the sole remaining question")
            << 1 << 0 << 0 << "napoveda" << false << "1";
    }
    void procvicovani() {
        QFETCH(int, delka);
        QFETCH(int, zkouseni);
        QFETCH(int, spravnych);
        QFETCH(QString, akce);
        QFETCH(bool, hotova);
        QFETCH(QString, poradiPotom);

        BehOtazek b = beh(delka);
        TVybranaOtazka& prvni = b.Vybrane[0];
        prvni.PocetZkouseni = zkouseni;
        prvni.PocetSpravnych = spravnych;
        if (zkouseni > 0)
            prvni.Pomer = static_cast<double>(spravnych) / zkouseni;
        QCOMPARE(b.AktualniCislo(), 1);

        if (akce == u"napoveda") {
            b.Napoveda();
            QCOMPARE(prvni.PocetNapoved, 1);
            QCOMPARE(prvni.PocetZkouseni, zkouseni);
            QCOMPARE(prvni.PocetSpravnych, spravnych);
        } else {
            const bool spravne = akce == u"spravne";
            QCOMPARE(b.OdpovedProcvicovani(spravne), hotova);
            QCOMPARE(prvni.PocetZkouseni, zkouseni + 1);
            QCOMPARE(prvni.PocetSpravnych, spravnych + (spravne ? 1 : 0));
            QCOMPARE(prvni.Pomer, static_cast<double>(prvni.PocetSpravnych) / (zkouseni + 1));
            QCOMPARE(prvni.PocetNapoved, 0);
        }
        QCOMPARE(poradi(b), poradiPotom);
        QCOMPARE(b.Hotovo(), hotova ? 1 : 0);
        QCOMPARE(b.Prazdny(), hotova && delka == 1);
    }

    // The requeue alone, with any ratio: the position is L × Pomer cut towards zero.
    void zaraditZpet_data() {
        QTest::addColumn<int>("delka");
        QTest::addColumn<double>("pomer");
        QTest::addColumn<QString>("poradiPotom");
        QTest::newRow("13 × 0.23 = 2.99 is truncated to 2")
            << 13 << 0.23 << "2 3 4 5 6 7 8 9 10 11 1 12 13";
        QTest::newRow("5 × 0.5 = 2.5 is truncated to 2") << 5 << 0.5 << "2 3 1 4 5";
        QTest::newRow("6 × 0.5 = 3 exactly") << 6 << 0.5 << "2 3 1 4 5 6";
        QTest::newRow("4 × 0.1 = 0.4 is truncated to 0") << 4 << 0.1 << "2 3 4 1";
        QTest::newRow("4 × 0.24 = 0.96 is truncated to 0") << 4 << 0.24 << "2 3 4 1";
        QTest::newRow("sole remaining question stays") << 1 << 0.3 << "1";
    }
    void zaraditZpet() {
        QFETCH(int, delka);
        QFETCH(double, pomer);
        QFETCH(QString, poradiPotom);
        BehOtazek b = beh(delka);
        b.Vybrane[0].Pomer = pomer;
        b.ZaraditZpet();
        QCOMPARE(poradi(b), poradiPotom);
        QCOMPARE(b.Hotovo(), 0);
    }

    // A practice run to its end: hints and wrong answers requeue, every hint counts.
    void celyBehSNapovedami() {
        BehOtazek b = beh(3);
        b.Napoveda(); // 1 to the front
        QCOMPARE(poradi(b), QStringLiteral("2 3 1"));
        b.Napoveda(); // 2 to the front
        QCOMPARE(poradi(b), QStringLiteral("3 1 2"));
        QCOMPARE(b.SoucetNapoved(), 2);
        QVERIFY(b.OdpovedProcvicovani(true)); // 3 done
        QCOMPARE(b.Hotovo(), 1);
        b.Napoveda(); // 1 again, behind 2
        QCOMPARE(poradi(b), QStringLiteral("2 1"));
        QCOMPARE(b.SoucetNapoved(), 3);
        QVERIFY(!b.OdpovedProcvicovani(false)); // 2: 0/1, to the front
        QCOMPARE(poradi(b), QStringLiteral("1 2"));
        QVERIFY(b.OdpovedProcvicovani(true)); // 1 done
        QVERIFY(b.OdpovedProcvicovani(true)); // 2: 1/2, done
        QVERIFY(b.Prazdny());
        QCOMPARE(b.Hotovo(), 3);
        QCOMPARE(b.SoucetNapoved(), 3);
        QCOMPARE(b.Vybrane[0].PocetNapoved, 2);
        QCOMPARE(b.Vybrane[1].PocetNapoved, 1);
        QCOMPARE(b.Vybrane[2].PocetNapoved, 0);
        QCOMPARE(b.Vybrane[1].PocetZkouseni, 2);
        QCOMPARE(b.Vybrane[1].PocetSpravnych, 1);
    }

    // The exam asks every question once: a wrong answer does not requeue it.
    void zkouseni_data() {
        QTest::addColumn<QList<bool>>("odpovedi");
        QTest::newRow("all wrong") << QList<bool>{false, false, false};
        QTest::newRow("all right") << QList<bool>{true, true, true};
        QTest::newRow("mixed") << QList<bool>{false, true, false};
    }
    void zkouseni() {
        QFETCH(QList<bool>, odpovedi);
        const int n = static_cast<int>(odpovedi.size());
        BehOtazek b = beh(n);
        for (int i = 0; i < n; ++i) {
            QCOMPARE(b.AktualniCislo(), i + 1);
            QCOMPARE(b.Hotovo(), i);
            b.OdpovedZkouseni(odpovedi[i]);
        }
        QVERIFY(b.Prazdny());
        QCOMPARE(b.Hotovo(), n);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, b.Aktualni());
        for (int i = 0; i < n; ++i) {
            QCOMPARE(b.Vybrane[static_cast<size_t>(i)].PocetZkouseni, 1);
            QCOMPARE(b.Vybrane[static_cast<size_t>(i)].PocetSpravnych, odpovedi[i] ? 1 : 0);
        }
    }

    void vysledek_data() {
        QTest::addColumn<QString>("typ");
        QTest::addColumn<int>("spatne");
        QTest::addColumn<QString>("spatneCisla");
        QTest::addColumn<int>("sNapovedou");
        QTest::addColumn<QString>("sNapovedouCisla");
        // Entries 7 (2 asked, 1 right), 12 (right at once after a hint), 30 (3 asked, 1
        // right, 2 hints), 41 (right at once), 55 (3 asked, 2 right), 64 (4 asked, 2 right,
        // a hint).
        QTest::newRow("practice") << kTypProcvicovani << 4 << "7, 30, 55, 64" << 3 << "12, 30, 64";
        QTest::newRow("exam lists no hints") << kTypZkouseni << 4 << "7, 30, 55, 64" << 0 << "";
    }
    void vysledek() {
        QFETCH(QString, typ);
        QFETCH(int, spatne);
        QFETCH(QString, spatneCisla);
        QFETCH(int, sNapovedou);
        QFETCH(QString, sNapovedouCisla);
        const std::vector<TVybranaOtazka> vybrane{polozka(7, 2, 1, 0),  polozka(12, 1, 1, 1),
                                                  polozka(30, 3, 1, 2), polozka(41, 1, 1, 0),
                                                  polozka(55, 3, 2, 0), polozka(64, 4, 2, 1)};
        TVysledek zaklad;
        zaklad.TypTestu = typ;
        zaklad.Profil = QStringLiteral("Jana");
        zaklad.Datum = QDate(2026, 5, 4);
        zaklad.Cas = QTime(14, 7, 33);
        zaklad.Skupina = QStringLiteral("B");
        zaklad.Kategorie = QStringLiteral("1010000");
        zaklad.Uspesnost = 67;

        const TVysledek v = SestavVysledek(zaklad, vybrane);
        QCOMPARE(v.PocetOtazek, 6);
        QCOMPARE(v.Spatne, spatne);
        QCOMPARE(v.SpatneCisla, spatneCisla);
        QCOMPARE(v.SNapovedou, sNapovedou);
        QCOMPARE(v.SNapovedouCisla, sNapovedouCisla);
        // The run's own values are kept.
        QCOMPARE(v.TypTestu, typ);
        QCOMPARE(v.Profil, QStringLiteral("Jana"));
        QCOMPARE(v.Datum, QDate(2026, 5, 4));
        QCOMPARE(v.Cas, QTime(14, 7, 33));
        QCOMPARE(v.Skupina, QStringLiteral("B"));
        QCOMPARE(v.Kategorie, QStringLiteral("1010000"));
        QCOMPARE(v.Uspesnost, 67);
    }

    void vysledekBezChyb() {
        TVysledek zaklad;
        zaklad.TypTestu = kTypProcvicovani;
        const TVysledek v =
            SestavVysledek(zaklad, {polozka(1, 1, 1, 0), polozka(2, 1, 1, 0), polozka(3, 1, 1, 0)});
        QCOMPARE(v.PocetOtazek, 3);
        QCOMPARE(v.Spatne, 0);
        QCOMPARE(v.SpatneCisla, QString());
        QCOMPARE(v.SNapovedou, 0);
        QCOMPARE(v.SNapovedouCisla, QString());
    }

    // Every result is a permutation of the letters, and over many clock readings every
    // permutation turns up.
    void nahodnePoradi_data() {
        QTest::addColumn<QString>("pismena");
        QTest::addColumn<int>("permutaci");
        QTest::newRow("two answers") << "AB" << 2;
        QTest::newRow("three answers") << "ABC" << 6;
    }
    void nahodnePoradi() {
        QFETCH(QString, pismena);
        QFETCH(int, permutaci);
        std::uint32_t hodiny = 0;
        nahoda::NastavHodiny([&hodiny] { return hodiny; });
        QString serazena = pismena;
        std::sort(serazena.begin(), serazena.end());
        QSet<QString> videne;
        for (hodiny = 1; hodiny <= 200; ++hodiny) {
            QString p = NahodnePoradi(pismena);
            videne.insert(p);
            std::sort(p.begin(), p.end());
            QCOMPARE(p, serazena);
        }
        QCOMPARE(videne.size(), permutaci);
    }
};

QTEST_GUILESS_MAIN(TestCoreBeh)
#include "test_core_beh.moc"
