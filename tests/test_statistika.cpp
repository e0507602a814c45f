// "Statistika učení" and the trend chart through the real windows: the figures of a
// learner's history, practice started from a suggestion and from the most missed
// questions, the chart from the statistics and from the test results list, the printed
// document's escaping, and nothing written by looking.
#include "core/XML_protokoly.h"
#include "core/historie.h"
#include "pointtest/vysledkyT.h"
#include "stats/graf_vyvoje.h"
#include "stats/statistika_okno.h"
#include "tests/beh_podpora.h"
#include "tests/podpora/generator_katalogu.h"
#include "tests/podpora/pracovni_slozka.h"
#include "tests/podpora/protokol_testu.h"
#include "tests/podpora/testovaci_main.h"
#include "tests/podpora/zaznam_zprav.h"
#include "widgets/tisk.h"

#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTextDocument>

namespace {

const QString kJana = QStringLiteral("Jana");

struct Okno : OknoSHistorii {
    Okno() : OknoSHistorii(kJana) {}
};

// Jana's history: rules 1..40 right twice each (5 is removed and never asked), signs
// 311..330 wrong once, question 7 wrong three times and 8 twice, situation 560 right
// once; on three days of practice. Two point tests of 38 and 45 points.
void ulozHistoriiATesty(HistorieOdpovedi& h) {
    std::vector<ZaznamOdpovedi> odpovedi;
    const auto pridej = [&](int den, int cislo, bool spravne) {
        odpovedi.push_back({kJana,
                            QDateTime(QDate(2026, 12, den), QTime(10, 0))
                                .addSecs(static_cast<int>(odpovedi.size())),
                            kRezimProcvicovani, cislo, KodOtazky(cislo), spravne ? "A" : "B",
                            spravne, false});
    };
    for (int c = 1; c <= 40; ++c)
        if (c != 5 && c != 7 && c != 8) {
            pridej(1, c, true);
            pridej(2, c, true);
        }
    for (int c = 311; c <= 330; ++c)
        pridej(3, c, false);
    for (int i = 0; i < 3; ++i)
        pridej(3, 7, false);
    for (int i = 0; i < 2; ++i)
        pridej(3, 8, false);
    pridej(3, 560, true);
    QCOMPARE(h.Zapsat(odpovedi), QString());
    for (const auto& [den, body] : {std::pair{4, 38}, std::pair{5, 45}}) {
        PridatProtokol(ProtokolSBody(kJana, QDateTime(QDate(2026, 12, den), QTime(9, 0)), body));
    }
}

QString bunka(const QTableWidget* t, int r, int s) {
    return t->item(r, s) ? t->item(r, s)->text() : QString();
}

QList<double> hodnoty(const QLineSeries* rada) {
    QList<double> y;
    for (const QPointF& b : rada->points())
        y << b.y();
    return y;
}

void kontrolaGrafu(TGrafVyvoje& graf) {
    QVERIFY(graf.grafTestu && graf.grafDnu);
    QCOMPARE(hodnoty(graf.radaBodu), (QList<double>{38, 45}));
    QCOMPARE(hodnoty(graf.radaMinima), (QList<double>{43, 43}));
    QVERIFY(graf.radaMinima->points().first().x() < graf.radaBodu->points().first().x());
    QVERIFY(graf.radaMinima->points().last().x() > graf.radaBodu->points().last().x());
    // Day 1 and 2 all right; day 3: 1 of 26.
    const QList<double> dny = hodnoty(graf.radaUspesnosti);
    QCOMPARE(dny.size(), 3);
    QCOMPARE(dny[0], 100.0);
    QCOMPARE(dny[1], 100.0);
    QVERIFY(qAbs(dny[2] - 100.0 / 26) < 1e-9);
}

} // namespace

class TestStatistika : public QObject {
    Q_OBJECT
private slots:
    void init() {
        nahoda::NastavHodiny([n = 1000u]() mutable { return n += 7919; });
    }
    void cleanup() {
        nahoda::NastavHodiny({});
        tisk::nastavDotazNaPdf({});
    }

    // The figures, the most missed list and its practice; the chart from here; nothing
    // written by looking.
    void statistikaAZChybnych() {
        PracovniSlozka slozka;
        NastaveniKatalogu n;
        n.textyOtazek[7] = QStringLiteral("<img src='/etc/x.png'><b>Kdy</b> smíte předjíždět?");
        ZapisKatalog(QStringLiteral("otazky.xml"), n);
        ZaznamZprav zpravy;
        Okno okno;
        QCOMPARE(okno.historie().Otevrit(), QString());
        ulozHistoriiATesty(okno.historie());
        const QByteArray historiePred = PracovniSlozka::precti(QStringLiteral("Historie.db"));
        const QByteArray protokolyPred = PracovniSlozka::precti(kSouborProtokolu);

        bool videno = false;
        NaOkno<TStatistika>([&](TStatistika& s) {
            videno = true;
            const QTableWidget* k = s.tabKategorie;
            QCOMPARE(k->rowCount(), 8);
            // Rules: 307 in force, 39 answered (1..40 without 5), 37 mastered, 74 of 79
            // answers right.
            QCOMPARE(bunka(k, 0, 1), QStringLiteral("307"));
            QCOMPARE(bunka(k, 0, 2), QStringLiteral("39"));
            QCOMPARE(bunka(k, 0, 3), QStringLiteral("37"));
            QCOMPARE(bunka(k, 0, 4), QStringLiteral("94\u00a0%"));
            QCOMPARE(bunka(k, 1, 4), QStringLiteral("0\u00a0%"));
            QCOMPARE(bunka(k, 2, 4), QStringLiteral("–"));
            QCOMPARE(bunka(k, 2, 2), QStringLiteral("0"));
            QCOMPARE(bunka(k, 7, 0), QStringLiteral("Celkem"));
            QCOMPARE(bunka(k, 7, 1), QString::number(802 - 7));
            QCOMPARE(bunka(k, 7, 2), QStringLiteral("60"));
            // The chance and its range, in words the learner reads.
            const OdhadSlozeni& o = s.Odhad();
            QVERIFY(o.Dolni <= o.Sance && o.Sance <= o.Horni);
            QVERIFY(
                s.lbSance->text().startsWith(QStringLiteral("Šance složit test na body nyní: ")));
            QVERIFY(s.lbRozmezi->text().contains(QStringLiteral("Nejspíš mezi")));
            QVERIFY(s.lbVysvetleni->text().contains(QStringLiteral("celkem 100")));
            QCOMPARE(s.lbTesty->text(), QStringLiteral("Napsané testy na body: 2, z toho složených "
                                                       "1; v posledním jste získali 45 bodů."));
            QVERIFY(!s.Odhad().Doporucene.empty());
            QVERIFY(s.btnDoporuceni[0]->isVisibleTo(&s));
            // The most missed: 7, 8, then the signs by number; the question's markup is
            // text.
            const QTableWidget* ch = s.tabChybne;
            QCOMPARE(ch->rowCount(), 20);
            QCOMPARE(bunka(ch, 0, 1), QStringLiteral("7"));
            QCOMPARE(bunka(ch, 0, 2), QStringLiteral("3"));
            QCOMPARE(bunka(ch, 1, 1), QStringLiteral("8"));
            QCOMPARE(bunka(ch, 2, 1), QStringLiteral("311"));
            QVERIFY(bunka(ch, 0, 0).startsWith(QStringLiteral("<img src='/etc/x.png'><b>Kdy")));
            QTextDocument dokument;
            s.SestavDokument(dokument);
            QVERIFY(
                dokument.toPlainText().contains(QStringLiteral("<img src='/etc/x.png'><b>Kdy")));
            QVERIFY(dokument.toPlainText().contains(QStringLiteral("Zásady bezpečné jízdy")));

            bool graf = false;
            NaOkno<TGrafVyvoje>([&](TGrafVyvoje& g) { kontrolaGrafu(g); }, &graf);
            s.btnGraf->click();
            QVERIFY(graf);

            // The PDF of the window.
            tisk::nastavDotazNaPdf(
                [](QWidget*, const QString&) { return QStringLiteral("statistika"); });
            s.btnPdf->click();
            QProcess p;
            p.start(QStringLiteral("pdftotext"), {QStringLiteral("statistika.pdf"), "-"});
            QVERIFY(p.waitForFinished(20000));
            QVERIFY(QString::fromUtf8(p.readAllStandardOutput())
                        .contains(QStringLiteral("Šance složit test na body nyní")));
            QFile::remove(QStringLiteral("statistika.pdf"));

            QCOMPARE(PracovniSlozka::precti(QStringLiteral("Historie.db")), historiePred);
            QCOMPARE(PracovniSlozka::precti(kSouborProtokolu), protokolyPred);
            s.btnNejcastejiChybne->click();
        });
        okno.StatistikaUceni1->trigger();
        QVERIFY(videno);
        QCOMPARE(zpravy.pocet(), 0);
        QList<int> ocekavane{7, 8};
        for (int c = 311; c <= 328; ++c)
            ocekavane << c;
        QCOMPARE(okno.beh(), ocekavane);
    }

    // A suggestion practises its category's least known questions; the chart also
    // opens from the test results list.
    void doporuceniAGrafZVysledku() {
        PracovniSlozka slozka;
        ZapisKatalog();
        ZaznamZprav zpravy;
        Okno okno;
        QCOMPARE(okno.historie().Otevrit(), QString());
        ulozHistoriiATesty(okno.historie());
        int kategorie = -1;
        NaOkno<TStatistika>([&](TStatistika& s) {
            kategorie = s.Odhad().Doporucene[0].Kategorie;
            QVERIFY(s.btnDoporuceni[0]->text().contains(u'1'));
            s.btnDoporuceni[0]->click();
        });
        okno.StatistikaUceni1->trigger();
        const QList<int> beh = okno.beh();
        QCOMPARE(beh.size(), 20);
        for (int c : beh)
            QCOMPARE(KategorieOtazky(c), kategorie);
        // A category with wrong answers practises those first.
        if (kategorie == 1)
            QCOMPARE(beh.first(), 311);
        okno.Konecreimu1->trigger();

        bool graf = false;
        NaOkno<TTVysledky>([&](TTVysledky& seznam) {
            NaOkno<TGrafVyvoje>([&](TGrafVyvoje& g) { kontrolaGrafu(g); }, &graf);
            seznam.btnGraf->click();
        });
        okno.Vsledkytestunabody1->trigger();
        QVERIFY(graf);
        QCOMPARE(zpravy.pocet(), 0);
    }

    // A learner without answers: a cautious estimate said in words, nothing to practise,
    // a chart that says there is nothing yet.
    void bezOdpovedi() {
        PracovniSlozka slozka;
        ZapisKatalog();
        ZaznamZprav zpravy;
        Okno okno;
        QCOMPARE(okno.historie().Otevrit(), QString());
        bool videno = false;
        NaOkno<TStatistika>([&](TStatistika& s) {
            videno = true;
            QVERIFY(s.lbVysvetleni->text().startsWith(QStringLiteral("Zatím jste neodpověděli")));
            QVERIFY(!s.btnNejcastejiChybne->isEnabled());
            QCOMPARE(s.tabChybne->rowCount(), 0);
            QVERIFY(s.Odhad().Sance < 0.05);
            NaOkno<TGrafVyvoje>([&](TGrafVyvoje& g) {
                QVERIFY(!g.grafTestu && !g.grafDnu);
                QCOMPARE(g.tabGrafy->count(), 2);
            });
            s.btnGraf->click();
        });
        okno.StatistikaUceni1->trigger();
        QVERIFY(videno);
        QCOMPARE(zpravy.pocet(), 0);
        QVERIFY(okno.beh().isEmpty());

        // A protocol file that cannot be read: the window still opens and says why in
        // the line of the tests; the chart, which needs it, is refused with a message.
        PracovniSlozka::zapis(kSouborProtokolu, "<Protokoly><Zaznam>");
        videno = false;
        NaOkno<TStatistika>([&](TStatistika& s) {
            videno = true;
            QVERIFY(s.lbTesty->text().startsWith(QStringLiteral("Testy na body nelze ukázat: ")));
            QVERIFY(s.lbTesty->text().contains(kSouborProtokolu));
            s.btnGraf->click();
        });
        okno.StatistikaUceni1->trigger();
        QVERIFY(videno);
        QCOMPARE(zpravy.pocet(), 1);
        QCOMPARE(zpravy.posledniDruh(), zpravy::Druh::Chyba);
        QVERIFY(zpravy.posledni().contains(kSouborProtokolu));
        QCOMPARE(PracovniSlozka::precti(kSouborProtokolu), QByteArray("<Protokoly><Zaznam>"));
    }
};

KOLOMAT_TEST_MAIN(TestStatistika)
#include "test_statistika.moc"
