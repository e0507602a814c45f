// The readiness estimate: the per-question model, the draw and the exact pass chance of
// a test, the suggestions, and the calibration against simulated learners whose every
// question's probability is known, answering through the history.
#include "core/XML_otazky.h"
#include "core/historie.h"
#include "core/pripravenost.h"
#include "core/sestava_testu.h"
#include "tests/podpora/generator_katalogu.h"
#include "tests/podpora/pracovni_slozka.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

const QString kSkupina = QStringLiteral("B");

OdpovediOtazky odpovedi(int cislo, std::initializer_list<bool> spravne) {
    return {cislo, spravne, {}};
}

// P(X ≥ k) for X hypergeometric: tah draws from n of which z are marked.
double hypergeometrickaAlespon(int n, int z, int tah, int k) {
    const auto kombinace = [](int a, int b) {
        if (b < 0 || b > a)
            return 0.0;
        return std::exp(std::lgamma(a + 1.0) - std::lgamma(b + 1.0) - std::lgamma(a - b + 1.0));
    };
    double p = 0;
    for (int x = k; x <= std::min(z, tah); ++x)
        p += kombinace(z, x) * kombinace(n - z, tah - x) / kombinace(n, tah);
    return p;
}

// A simulated learner: every question in force of the group has its own probability,
// around a level, with a shift per category.
struct Zak {
    std::vector<double> p;   // by number − 1
    std::vector<int> otazky; // the questions it may be asked
};
Zak novyZak(const std::array<std::vector<int>, kOddilyTestu.size()>& oddily, double uroven,
            std::mt19937_64& nahoda) {
    std::normal_distribution<double> odchylka(0, 0.06);
    Zak z;
    z.p.assign(802, 0.0);
    for (const std::vector<int>& oddil : oddily) {
        const double posun = odchylka(nahoda) / 2;
        for (int c : oddil) {
            z.p[static_cast<size_t>(c - 1)] =
                std::clamp(uroven + posun + odchylka(nahoda), 0.05, 0.995);
            z.otazky.push_back(c);
        }
    }
    return z;
}

// The learner answers pocet questions drawn at random (as practice runs would), each
// logged in the history.
void odpovidej(const Zak& z, HistorieOdpovedi& h, int pocet, std::mt19937_64& nahoda, int& minuta) {
    std::uniform_int_distribution<size_t> kterou(0, z.otazky.size() - 1);
    std::uniform_real_distribution<double> u(0, 1);
    std::vector<ZaznamOdpovedi> davka;
    for (int i = 0; i < pocet; ++i) {
        const int c = z.otazky[kterou(nahoda)];
        const bool spravne = u(nahoda) < z.p[static_cast<size_t>(c - 1)];
        davka.push_back({QStringLiteral("Žák"),
                         QDateTime(QDate(2026, 1, 1), QTime(8, 0)).addSecs(60L * ++minuta),
                         kRezimProcvicovani, c, QString(), spravne ? "A" : "B", spravne, false});
    }
    QCOMPARE(h.Zapsat(davka), QString());
}

} // namespace

class TestCorePripravenost : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(slozka_.platna()); }
    void init() { ZapisKatalog(); }

    // A question's estimate from its own answers and its category's rate.
    void model() {
        const TOtazka katalog;
        const ModelZnalosti nic(katalog.Dokument(), kSkupina, {});
        QCOMPARE(nic.P(10), ModelZnalosti::kVychoziMira);
        QCOMPARE(nic.Mira(3), ModelZnalosti::kVychoziMira);

        // Rules: 40 answers, 36 right; question 10 right twice, 11 wrong then right,
        // 12 right then wrong; 13 never answered.
        std::vector<OdpovediOtazky> h{odpovedi(10, {true, true}), odpovedi(11, {false, true}),
                                      odpovedi(12, {true, false})};
        for (int c = 20; c < 56; ++c)
            h.push_back(odpovedi(c, {c % 10 != 0}));
        const ModelZnalosti m(katalog.Dokument(), kSkupina, h);
        const double mira = m.Mira(0);
        QVERIFY(mira > 0.8 && mira < 0.9);
        QCOMPARE(m.P(13), mira);                         // never answered: its category
        QCOMPARE(m.P(400), ModelZnalosti::kVychoziMira); // a category never answered
        QVERIFY(m.P(10) > mira);
        QVERIFY(m.P(11) > m.P(12)); // the latest answer weighs more
        QVERIFY(m.P(12) < mira);
        QCOMPARE(KategorieOtazky(308), 0);
        QCOMPARE(KategorieOtazky(309), 1);
        QCOMPARE(KategorieOtazky(802), 6);
        QCOMPARE(KategorieOtazky(803), -1);
    }

    // The exact chance of a test for probabilities that make the outcome certain.
    void sanceTestu_data() {
        QTest::addColumn<QList<int>>("nulove"); // kOddilyTestu sections answered all wrong
        QTest::addColumn<double>("sance");
        QTest::newRow("all right") << QList<int>{} << 1.0;
        QTest::newRow("every 1-point section wrong: 6 points lost") << QList<int>{2, 4, 6} << 1.0;
        QTest::newRow("the situations wrong: 12 points lost") << QList<int>{3} << 0.0;
        QTest::newRow("1-point sections and related rules: 10 lost")
            << QList<int>{2, 4, 5, 6} << 0.0;
        QTest::newRow("all wrong") << QList<int>{0, 1, 2, 3, 4, 5, 6} << 0.0;
    }
    void sanceTestu() {
        QFETCH(QList<int>, nulove);
        QFETCH(double, sance);
        const TOtazka katalog;
        const auto oddily = VhodneOtazkyOddilu(katalog.Dokument(), kSkupina);
        std::vector<double> p(802, 1.0);
        for (int s : nulove)
            for (int c : oddily[static_cast<size_t>(s)])
                p[static_cast<size_t>(c - 1)] = 0.0;
        QCOMPARE(SancePriPravdepodobnostech(oddily, p, 500, 1), sance);
    }

    // The estimate's tests are drawn as the program draws one. Only four situations are
    // of group B and two of them always answered wrong: a test draws three of the four,
    // so it holds both wrong ones (8 points lost) with the hypergeometric chance of 1/2;
    // a draw that could repeat a question, or that is not uniform, would miss it.
    void losovaniJakoProgram() {
        NastaveniKatalogu nastaveni;
        for (int c = 557; c <= 612; ++c)
            nastaveni.skupiny[c] = QStringLiteral("CD");
        ZapisKatalog(QStringLiteral("otazky.xml"), nastaveni);
        TOtazka katalog;
        const auto oddily = VhodneOtazkyOddilu(katalog.Dokument(), kSkupina);
        QCOMPARE(oddily[3], (std::vector<int>{553, 554, 555, 556}));
        std::vector<double> p(802, 1.0);
        p[552] = p[553] = 0.0;
        const double ocekavano = 1 - hypergeometrickaAlespon(4, 2, 3, 2);
        QCOMPARE(ocekavano, 0.5);
        QVERIFY(std::abs(SancePriPravdepodobnostech(oddily, p, 40000, 3) - ocekavano) < 0.01);
        // One of them alone costs 4 points at most: never a fail, as no test repeats it.
        std::vector<double> jedna(802, 1.0);
        jedna[552] = 0.0;
        QCOMPARE(SancePriPravdepodobnostech(oddily, jedna, 2000, 3), 1.0);

        const int kolikrat = 1500;
        int proslo = 0;
        for (int t = 0; t < kolikrat; ++t) {
            int ztraceno = 0;
            for (const TOtazkaTestu& o : SestavTest(katalog, kSkupina))
                if (o.SkutCislo == 553 || o.SkutCislo == 554)
                    ztraceno += o.Body;
            proslo += ztraceno <= kMaximumBodu - kMinimumBodu;
        }
        // Four standard errors of 1 500 tests.
        QVERIFY(std::abs(static_cast<double>(proslo) / kolikrat - ocekavano) < 0.052);
    }

    // Expected points, the range around the chance, and what to study first.
    void bodyRozsahADoporuceni() {
        const TOtazka katalog;
        const auto oddily = VhodneOtazkyOddilu(katalog.Dokument(), kSkupina);
        // Every question answered right three times, the situations mostly wrong.
        std::vector<OdpovediOtazky> h;
        for (const std::vector<int>& oddil : oddily)
            for (int c : oddil)
                h.push_back(KategorieOtazky(c) == 3 ? odpovedi(c, {false, true, false})
                                                    : odpovedi(c, {true, true, true}));
        const ModelZnalosti m(katalog.Dokument(), kSkupina, h);
        const OdhadSlozeni o = OdhadniSlozeni(m);
        QCOMPARE(o.Testu, kTestu);
        double soucet = 0;
        for (size_t s = 0; s < kOddilyTestu.size(); ++s) {
            QVERIFY(o.BodyOddilu[s] <= kOddilyTestu[s].pocet * kOddilyTestu[s].body);
            soucet += o.BodyOddilu[s];
        }
        QVERIFY(std::abs(soucet - o.OcekavaneBody) < 1e-9);
        QVERIFY(o.BodyOddilu[3] < 0.5 * 12); // the situations' 12 points
        QVERIFY(o.Dolni <= o.Sance && o.Sance <= o.Horni);
        QVERIFY(!o.Doporucene.empty());
        QCOMPARE(o.Doporucene.front().Kategorie, 3);
        QVERIFY(o.Doporucene.front().Sance > o.Sance + 0.2);
        // The same history gives the same figures.
        const OdhadSlozeni znovu = OdhadniSlozeni(m);
        QCOMPARE(znovu.Sance, o.Sance);
        QCOMPARE(znovu.Dolni, o.Dolni);

        // Without answers: the cautious default, a wide range, nothing to suggest.
        const OdhadSlozeni nic = OdhadniSlozeni(ModelZnalosti(katalog.Dokument(), kSkupina, {}));
        QVERIFY(nic.Sance < 0.01);
        QVERIFY(std::abs(nic.OcekavaneBody - 25) < 1e-9);
        QVERIFY(nic.Doporucene.empty());
    }

    // Calibration: for weak, middling and strong learners of a few hundred answers each,
    // the estimate agrees with the true chance of their known probabilities within 5
    // percentage points on average over 20 learners (one learner's answers alone carry
    // a sampling error of several points: that is the range's job), the range holds the
    // true chance for most learners, and the estimate rises with the level.
    void kalibrace_data() {
        QTest::addColumn<double>("uroven");
        QTest::newRow("weak") << 0.78;
        QTest::newRow("middling") << 0.88;
        QTest::newRow("strong") << 0.95;
    }
    void kalibrace() {
        QFETCH(double, uroven);
        const TOtazka katalog;
        const auto oddily = VhodneOtazkyOddilu(katalog.Dokument(), kSkupina);
        constexpr int kZaku = 20;
        double odhady = 0, pravdy = 0;
        int pokryto = 0;
        for (int zak = 0; zak < kZaku; ++zak) {
            QFile::remove(kSouborHistorie);
            HistorieOdpovedi h;
            QCOMPARE(h.Otevrit(), QString());
            std::mt19937_64 nahoda(static_cast<std::uint64_t>(uroven * 1000) * 100 + zak);
            const Zak z = novyZak(oddily, uroven, nahoda);
            int minuta = 0;
            odpovidej(z, h, 400, nahoda, minuta);
            const double pravda = SancePriPravdepodobnostech(oddily, z.p, 20000, 7);
            const OdhadSlozeni o = OdhadniSlozeni(ModelZnalosti(
                katalog.Dokument(), kSkupina, h.OdpovediProfilu(QStringLiteral("Žák"))));
            odhady += o.Sance;
            pravdy += pravda;
            pokryto += pravda >= o.Dolni - 0.01 && pravda <= o.Horni + 0.01;
        }
        const double odhad = odhady / kZaku;
        const double pravda = pravdy / kZaku;
        qInfo("level %.2f: estimate %.3f, true chance %.3f, range held it for %d of %d", uroven,
              odhad, pravda, pokryto, kZaku);
        QVERIFY2(std::abs(odhad - pravda) <= 0.05, qPrintable(QString::number(odhad - pravda)));
        QVERIFY(pokryto >= kZaku * 6 / 10);
        static double predchozi = -1;
        QVERIFY(odhad > predchozi);
        predchozi = odhad;
    }

    // One learner who improves: the estimate rises with the later answers, as the true
    // chance does.
    void zlepseni() {
        const TOtazka katalog;
        const auto oddily = VhodneOtazkyOddilu(katalog.Dokument(), kSkupina);
        QFile::remove(kSouborHistorie);
        HistorieOdpovedi h;
        QCOMPARE(h.Otevrit(), QString());
        std::mt19937_64 nahoda(42);
        const Zak slaby = novyZak(oddily, 0.8, nahoda);
        int minuta = 0;
        odpovidej(slaby, h, 400, nahoda, minuta);
        const auto odhad = [&] {
            return OdhadniSlozeni(ModelZnalosti(katalog.Dokument(), kSkupina,
                                                h.OdpovediProfilu(QStringLiteral("Žák"))))
                .Sance;
        };
        const double pred = odhad();
        Zak lepsi = slaby;
        for (double& p : lepsi.p)
            p = p > 0 ? std::min(0.99, p + 0.12) : 0;
        odpovidej(lepsi, h, 400, nahoda, minuta);
        const double po = odhad();
        QVERIFY2(po > pred + 0.2, qPrintable(QStringLiteral("%1 → %2").arg(pred).arg(po)));
        QVERIFY(SancePriPravdepodobnostech(oddily, lepsi.p, 5000, 1) >
                SancePriPravdepodobnostech(oddily, slaby.p, 5000, 1));
    }

private:
    PracovniSlozka slozka_;
};

QTEST_GUILESS_MAIN(TestCorePripravenost)
#include "test_core_pripravenost.moc"
