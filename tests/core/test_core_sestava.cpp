// Drawing the point test: 25 positions in the seven sections in test order, each
// question in force, of the licence group and drawn once, for every group; a section
// without enough questions stops the drawing before it starts.
#include "core/chyba.h"
#include "core/kategorie.h"
#include "core/pomocne_fce.h"
#include "core/sestava_testu.h"
#include "tests/podpora/generator_katalogu.h"
#include "tests/podpora/pracovni_slozka.h"

#include <QSet>
#include <QTest>

namespace {

// The sections as the test draws them, written out here on their own so that a change
// of the table in the core fails the test: first and last number, questions, points.
struct Oddil {
    int od;
    int po;
    int pocet;
    int body;
};
constexpr Oddil kOcekavaneOddily[] = {
    {1, 308, 10, 2},  {452, 552, 4, 2}, {309, 451, 3, 1}, {553, 612, 3, 4},
    {613, 683, 2, 1}, {684, 771, 2, 2}, {772, 802, 1, 1},
};

// The section of a position 1..25.
const Oddil& oddilPozice(int pozice) {
    int konec = 0;
    for (const Oddil& o : kOcekavaneOddily) {
        konec += o.pocet;
        if (pozice <= konec)
            return o;
    }
    return kOcekavaneOddily[6];
}

// Groups mixed so that every licence group misses some questions: by number modulo 6.
NastaveniKatalogu smiseneSkupiny() {
    static const char* const skupiny[] = {"A", "B", "CD", "ABCD", "T", "BCD"};
    NastaveniKatalogu n;
    for (int c = 1; c <= 802; ++c)
        n.skupiny.insert(c, QString::fromLatin1(skupiny[c % 6]));
    return n;
}

// The checks every drawn test must pass.
void overTest(const TSestavaTestu& test, const TOtazka& otazky, const QString& skupina) {
    const TXMLOtazkyType& db = otazky.Dokument();
    QSet<int> cisla;
    int soucet = 0;
    for (int p = 1; p <= kOtazekTestu; ++p) {
        const TOtazkaTestu& o = test[static_cast<size_t>(p - 1)];
        const Oddil& oddil = oddilPozice(p);
        const QByteArray kde = QStringLiteral("position %1, question %2, group %3")
                                   .arg(p)
                                   .arg(o.SkutCislo)
                                   .arg(skupina)
                                   .toUtf8();
        QVERIFY2(o.SkutCislo >= oddil.od && o.SkutCislo <= oddil.po, kde.constData());
        QVERIFY2(o.Body == oddil.body, kde.constData());
        QVERIFY2(o.Index == o.SkutCislo - 1, kde.constData());
        const TXMLOtazkaType prvek = db[o.Index];
        QVERIFY2(prvek.Poznamka().isEmpty(), kde.constData());
        QVERIFY2(PatriDoSkupiny(prvek.Skupina(), skupina), kde.constData());
        QVERIFY2(o.PocetOdpovedi == (prvek.C().isEmpty() ? 2 : 3), kde.constData());
        QVERIFY2(o.Odpoved.isEmpty(), kde.constData());
        QVERIFY2(!cisla.contains(o.SkutCislo), kde.constData());
        cisla.insert(o.SkutCislo);
        soucet += o.Body;
    }
    QCOMPARE(soucet, 50);
    QCOMPARE(cisla.size(), 25);
}

QString chybaSestaveni(TOtazka& otazky, const QString& skupina) {
    try {
        SestavTest(otazky, skupina);
        return {};
    } catch (const KolomatChyba& e) {
        return e.text();
    }
}

} // namespace

class TestCoreSestava : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { nahoda::NastavHodiny({}); }

    // The core's section table is the one the test is made of.
    void oddilyTestu() {
        QCOMPARE(kOddilyTestu.size(), std::size(kOcekavaneOddily));
        int pocet = 0;
        int body = 0;
        for (size_t i = 0; i < kOddilyTestu.size(); ++i) {
            QCOMPARE(kOddilyTestu[i].od, kOcekavaneOddily[i].od);
            QCOMPARE(kOddilyTestu[i].po, kOcekavaneOddily[i].po);
            QCOMPARE(kOddilyTestu[i].pocet, kOcekavaneOddily[i].pocet);
            QCOMPARE(kOddilyTestu[i].body, kOcekavaneOddily[i].body);
            pocet += kOddilyTestu[i].pocet;
            body += kOddilyTestu[i].pocet * kOddilyTestu[i].body;
        }
        QCOMPARE(pocet, kOtazekTestu);
        QCOMPARE(body, kMaximumBodu);
        QCOMPARE(kMinimumBodu, 43);
    }

    void sestavTest_data() {
        QTest::addColumn<QString>("skupina");
        QTest::addColumn<bool>("smisene");
        for (const char* s : kSkupiny) {
            QTest::addRow("%s, every question ABCD", s) << QString::fromLatin1(s) << false;
            QTest::addRow("%s, mixed groups", s) << QString::fromLatin1(s) << true;
        }
    }
    void sestavTest() {
        QFETCH(QString, skupina);
        QFETCH(bool, smisene);
        PracovniSlozka slozka;
        ZapisKatalog(QStringLiteral("otazky.xml"),
                     smisene ? smiseneSkupiny() : NastaveniKatalogu{});
        TOtazka otazky;
        std::uint32_t hodiny = 0;
        nahoda::NastavHodiny([&hodiny] { return hodiny; });
        QSet<QList<int>> ruzne;
        for (hodiny = 1; hodiny <= 40; ++hodiny) {
            const TSestavaTestu test = SestavTest(otazky, skupina);
            overTest(test, otazky, skupina);
            if (QTest::currentTestFailed())
                return;
            QList<int> cisla;
            for (const TOtazkaTestu& o : test)
                cisla << o.SkutCislo;
            ruzne.insert(cisla);
        }
        QVERIFY2(ruzne.size() > 30, "the clock seeds the drawing");
    }

    // A section with exactly as many eligible questions as it needs gives all of them.
    void oddilPresneNaplneny_data() {
        QTest::addColumn<int>("oddil");
        QTest::addColumn<QString>("skupina");
        for (int i = 0; i < 7; ++i) {
            QTest::addRow("section %d, T", i + 1) << i << "T";
            QTest::addRow("section %d, C", i + 1) << i << "C";
        }
    }
    void oddilPresneNaplneny() {
        QFETCH(int, oddil);
        QFETCH(QString, skupina);
        const Oddil& o = kOcekavaneOddily[oddil];
        PracovniSlozka slozka;
        NastaveniKatalogu n;
        n.vyrazene.clear();
        // The section's last o.pocet questions belong to the group, the rest does not;
        // one more question of the group is removed.
        QSet<int> ocekavane;
        for (int c = o.od; c <= o.po; ++c)
            n.skupiny.insert(c, QStringLiteral("A"));
        for (int k = 0; k < o.pocet; ++k) {
            n.skupiny.insert(o.po - k, skupina);
            ocekavane.insert(o.po - k);
        }
        n.skupiny.insert(o.od, skupina);
        n.vyrazene.insert(o.od);
        ZapisKatalog(QStringLiteral("otazky.xml"), n);
        TOtazka otazky;
        QCOMPARE(PocetVhodnych(otazky, kOddilyTestu[static_cast<size_t>(oddil)], skupina), o.pocet);
        nahoda::NastavHodiny([] { return 12345u; });
        const TSestavaTestu test = SestavTest(otazky, skupina);
        overTest(test, otazky, skupina);
        int prvni = 0;
        for (int i = 0; i < oddil; ++i)
            prvni += kOcekavaneOddily[i].pocet;
        QSet<int> vybrane;
        for (int p = prvni; p < prvni + o.pocet; ++p)
            vybrane.insert(test[static_cast<size_t>(p)].SkutCislo);
        QCOMPARE(vybrane, ocekavane);
    }

    // One eligible question too few: an error naming the section and the group, and not
    // a single draw (the generator keeps its seed).
    void oddilBezOtazek_data() {
        QTest::addColumn<int>("oddil");
        QTest::addColumn<QString>("skupina");
        QTest::addColumn<QString>("nazev");
        const char* const nazvy[] = {
            "Pravidla provozu na pozemních komunikacích",
            "Zásady bezpečné jízdy a ovládání vozidla",
            "Dopravní značky a zařízení",
            "Řešení dopravních situací",
            "Podmínky provozu vozidel na pozemních komunikacích",
            "Předpisy související s provozem",
            "Zdravověda",
        };
        for (int i = 0; i < 7; ++i) {
            QTest::addRow("section %d, B", i + 1) << i << "B" << QString::fromUtf8(nazvy[i]);
            QTest::addRow("section %d, AM", i + 1) << i << "AM" << QString::fromUtf8(nazvy[i]);
        }
    }
    void oddilBezOtazek() {
        QFETCH(int, oddil);
        QFETCH(QString, skupina);
        QFETCH(QString, nazev);
        const Oddil& o = kOcekavaneOddily[oddil];
        PracovniSlozka slozka;
        NastaveniKatalogu n;
        n.vyrazene.clear();
        // pocet − 1 questions of the group; one more of it is removed.
        for (int c = o.od; c <= o.po; ++c)
            n.skupiny.insert(c, QStringLiteral("D"));
        for (int k = 0; k < o.pocet - 1; ++k)
            n.skupiny.insert(o.od + 2 * k, skupina);
        n.skupiny.insert(o.po, skupina);
        n.vyrazene.insert(o.po);
        ZapisKatalog(QStringLiteral("otazky.xml"), n);
        TOtazka otazky;
        QCOMPARE(PocetVhodnych(otazky, kOddilyTestu[static_cast<size_t>(oddil)], skupina),
                 o.pocet - 1);

        nahoda::NastavSeed(777);
        nahoda::NastavHodiny([] { return 4242u; });
        const QString chyba = chybaSestaveni(otazky, skupina);
        QVERIFY2(!chyba.isEmpty(), "the drawing must refuse");
        QVERIFY2(chyba.contains(nazev), qPrintable(chyba));
        QVERIFY2(chyba.contains(QStringLiteral("\"%1\"").arg(skupina)), qPrintable(chyba));
        QVERIFY2(chyba.contains(QString::number(o.od)), qPrintable(chyba));
        QVERIFY2(chyba.contains(QString::number(o.po)), qPrintable(chyba));
        QCOMPARE(nahoda::Seed(), 777u);
    }

    // Group T takes its own questions and those for exactly ABCD; the other groups go by
    // their first letter.
    void pocetVhodnych_data() {
        QTest::addColumn<int>("oddil");
        QTest::addColumn<QString>("skupina");
        QTest::addColumn<int>("pocet");
        // Section 1 (1-308, 5 removed) is all ABCD.
        for (const char* s : kSkupiny)
            QTest::addRow("section 1, %s", s) << 0 << QString::fromLatin1(s) << 307;
        // Section 7 (772-802, 790 removed): 772-781 "C", 782-785 "T", 786-787 "ABCDT",
        // 788-789 "BC", the other 13 (790 among them) "ABCD".
        QTest::newRow("section 7, A") << 6 << "A" << 14;
        QTest::newRow("section 7, A1") << 6 << "A1" << 14;
        QTest::newRow("section 7, AM") << 6 << "AM" << 14;
        QTest::newRow("section 7, B") << 6 << "B" << 16;
        QTest::newRow("section 7, B1") << 6 << "B1" << 16;
        QTest::newRow("section 7, C") << 6 << "C" << 26;
        QTest::newRow("section 7, D") << 6 << "D" << 14;
        QTest::newRow("section 7, T") << 6 << "T" << 18;
        QTest::newRow("section 7, no group") << 6 << "" << 0;
    }
    void pocetVhodnych() {
        QFETCH(int, oddil);
        QFETCH(QString, skupina);
        QFETCH(int, pocet);
        PracovniSlozka slozka;
        NastaveniKatalogu n;
        for (int c = 772; c <= 781; ++c)
            n.skupiny.insert(c, QStringLiteral("C"));
        for (int c = 782; c <= 785; ++c)
            n.skupiny.insert(c, QStringLiteral("T"));
        n.skupiny.insert(786, QStringLiteral("ABCDT"));
        n.skupiny.insert(787, QStringLiteral("ABCDT"));
        n.skupiny.insert(788, QStringLiteral("BC"));
        n.skupiny.insert(789, QStringLiteral("BC"));
        ZapisKatalog(QStringLiteral("otazky.xml"), n);
        const TOtazka otazky;
        QCOMPARE(PocetVhodnych(otazky, kOddilyTestu[static_cast<size_t>(oddil)], skupina), pocet);
    }
};

QTEST_GUILESS_MAIN(TestCoreSestava)
#include "test_core_sestava.moc"
