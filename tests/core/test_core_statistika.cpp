// The figures of the statistics window: per category over the questions in force of
// the group, the most missed questions in their order, a category's least known
// questions, the points of the stored tests in time order, and the success per day.
#include "core/XML_otazky.h"
#include "core/XML_protokoly.h"
#include "core/historie.h"
#include "core/statistika.h"
#include "tests/podpora/generator_katalogu.h"
#include "tests/podpora/pracovni_slozka.h"
#include "tests/podpora/protokol_testu.h"

#include <QFile>
#include <QTest>

namespace {

OdpovediOtazky odpovedi(int cislo, std::initializer_list<bool> spravne) {
    return {cislo, spravne, {}};
}

ZaznamOdpovedi odpoved(const QDateTime& kdy, const QString& rezim, bool spravne,
                       bool napoveda = false) {
    return {QStringLiteral("Eva"), kdy,     rezim,   12, QStringLiteral("KM010012"),
            spravne ? "A" : "B",   spravne, napoveda};
}

} // namespace

class TestCoreStatistika : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(slozka_.platna()); }
    void init() {
        NastaveniKatalogu n;
        // Question 20 is for lorries only: not of group B.
        n.skupiny[20] = QStringLiteral("C");
        ZapisKatalog(QStringLiteral("otazky.xml"), n);
    }

    // Only questions in force of the group count; mastered = the last two right.
    void kategorie() {
        const TOtazka katalog;
        const auto s =
            StatistikaKategorii(katalog.Dokument(), QStringLiteral("B"),
                                {odpovedi(1, {true, true}), odpovedi(2, {false, true, true}),
                                 odpovedi(3, {true, true, false}), odpovedi(4, {true}),
                                 odpovedi(5, {true, true}),    // removed
                                 odpovedi(20, {false, false}), // not of the group
                                 odpovedi(310, {true, true}),  // removed, signs
                                 odpovedi(311, {false, true}), odpovedi(900, {true})});
        QCOMPARE(s[0].VPlatnosti, 308 - 2); // without 5 and 20
        QCOMPARE(s[0].Videnych, 4);
        QCOMPARE(s[0].Zvladnutych, 2);
        QCOMPARE(s[0].Odpovedi, 9);
        QCOMPARE(s[0].Spravnych, 7);
        QCOMPARE(s[0].Uspesnost(), 78);
        QCOMPARE(s[1].VPlatnosti, 451 - 309 + 1 - 1);
        QCOMPARE(s[1].Videnych, 1);
        QCOMPARE(s[1].Zvladnutych, 0);
        QCOMPARE(s[1].Uspesnost(), 50);
        QCOMPARE(s[2].Uspesnost(), -1);
        QCOMPARE(s[6].VPlatnosti, 31 - 1);
    }

    // The most wrong answers first, then the larger share wrong, then the lower number;
    // never a question without a mistake, out of force or of another group.
    void nejcastejiChybne() {
        const TOtazka katalog;
        const std::vector<OdpovediOtazky> h{
            odpovedi(9, {false, true, true, true}), // 1 of 4
            odpovedi(8, {false, true}),             // 1 of 2
            odpovedi(7, {false, false, true}),      // 2 of 3
            odpovedi(6, {false, true}),             // 1 of 2, lower number than 8
            odpovedi(11, {true, true}),             // never wrong
            odpovedi(5, {false, false, false}),     // removed
            odpovedi(20, {false, false, false}),    // not of the group
        };
        QList<int> poradi;
        for (const CastoChybna& c : NejcastejiChybne(katalog.Dokument(), QStringLiteral("B"), h))
            poradi << c.Cislo;
        QCOMPARE(poradi, (QList<int>{7, 6, 8, 9}));
        const auto dva = NejcastejiChybne(katalog.Dokument(), QStringLiteral("B"), h, 2);
        QCOMPARE(dva.size(), size_t{2});
        QCOMPARE(dva[0].Spatne, 2);
        QCOMPARE(dva[0].Odpovedi, 3);
    }

    // A category's questions the learner knows least: wrong ones before never answered
    // ones before right ones, only of that category and in force.
    void nejmeneZvladnute() {
        const TOtazka katalog;
        std::vector<OdpovediOtazky> h{odpovedi(315, {false, false}), odpovedi(312, {true, false})};
        for (int c = 320; c < 330; ++c)
            h.push_back(odpovedi(c, {true, true, true}));
        h.push_back(odpovedi(7, {false, false, false})); // another category
        const ModelZnalosti model(katalog.Dokument(), QStringLiteral("B"), h);
        const std::vector<int> nejmene = NejmeneZvladnute(model, 1, 5);
        QCOMPARE(nejmene.size(), size_t{5});
        QCOMPARE(nejmene[0], 315);
        QCOMPARE(nejmene[1], 312);
        for (int c : nejmene) {
            QCOMPARE(KategorieOtazky(c), 1);
            QVERIFY(c != 310);
            QVERIFY(c < 320 || c >= 330);
        }
        const std::vector<int> vse = NejmeneZvladnute(model, 1, 1000);
        QCOMPARE(vse.size(), size_t{451 - 309 + 1 - 1});
        QCOMPARE(vse.back() >= 320 && vse.back() < 330, true);
    }

    // The profile's tests in time order; a hand-edited record that does not convert is
    // passed over instead of drawn at zero.
    void bodyTestu() {
        QFile::remove(kSouborProtokolu);
        PridatProtokol(
            ProtokolSBody(QStringLiteral("Eva"), QDateTime(QDate(2026, 12, 3), QTime(9, 0)), 44));
        PridatProtokol(
            ProtokolSBody(QStringLiteral("Eva"), QDateTime(QDate(2026, 12, 1), QTime(9, 0)), 38));
        PridatProtokol(
            ProtokolSBody(QStringLiteral("Adam"), QDateTime(QDate(2026, 12, 2), QTime(9, 0)), 50));
        PridatProtokol(
            ProtokolSBody(QStringLiteral("Eva"), QDateTime(QDate(2026, 12, 2), QTime(9, 0)), 41));
        PridatProtokol(
            ProtokolSBody(QStringLiteral("Eva"), QDateTime(QDate(2026, 12, 4), QTime(9, 0)), 47));
        QFile f(kSouborProtokolu);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QByteArray obsah = f.readAll();
        f.close();
        // The test of the 4th: its points made unreadable by hand.
        const QByteArray body47 = "<PocetBodu>47</PocetBodu>";
        QVERIFY(obsah.contains(body47));
        obsah.replace(body47, "<PocetBodu>čtyřicet</PocetBodu>");
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(obsah);
        f.close();

        const auto body =
            BodyTestuProfilu(ProtokolyProfilu(NacistProtokoly(), QStringLiteral("Eva")));
        QList<int> b;
        for (const BodyTestu& t : body)
            b << t.Body;
        QCOMPARE(b, (QList<int>{38, 41, 44}));
        QCOMPARE(body.front().Kdy, QDateTime(QDate(2026, 12, 1), QTime(9, 0)));
    }

    // Per day: practice and exam only; a hint is not a right answer; days in order.
    void uspesnostPoDnech() {
        QFile::remove(QStringLiteral("Historie.db"));
        HistorieOdpovedi h;
        QCOMPARE(h.Otevrit(), QString());
        const QDateTime den1(QDate(2026, 12, 1), QTime(23, 59));
        const QDateTime den2(QDate(2026, 12, 2), QTime(0, 1));
        QCOMPARE(
            h.Zapsat({odpoved(den2, kRezimProcvicovani, true),
                      odpoved(den1, kRezimProcvicovani, true), odpoved(den1, kRezimZkouseni, false),
                      odpoved(den1, kRezimProcvicovani, true, true),
                      odpoved(den1, kRezimTest, true), odpoved(den2, kRezimTest, false)}),
            QString());
        const auto dny = h.UspesnostPoDnech(QStringLiteral("Eva"));
        QCOMPARE(dny.size(), size_t{2});
        QCOMPARE(dny[0].Den, den1.date());
        QCOMPARE(dny[0].Odpovedi, 3);
        QCOMPARE(dny[0].Spravnych, 1);
        QCOMPARE(dny[1].Den, den2.date());
        QCOMPARE(dny[1].Odpovedi, 1);
        QCOMPARE(dny[1].Spravnych, 1);
        QVERIFY(h.UspesnostPoDnech(QStringLiteral("Adam")).empty());
    }

private:
    PracovniSlozka slozka_;
};

QTEST_GUILESS_MAIN(TestCoreStatistika)
#include "test_core_statistika.moc"
