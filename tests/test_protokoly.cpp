// The protocol store Protokoly.xml, the protocol window with its fixed-width text and
// export, and the test results list; and a whole test taken and read back from the menu.
#include "app/main.h"
#include "core/XML_protokoly.h"
#include "core/chyba.h"
#include "core/protokol_text.h"
#include "pointtest/protokolT.h"
#include "pointtest/test.h"
#include "pointtest/vysledkyT.h"
#include "tests/podpora/generator_katalogu.h"
#include "tests/podpora/pracovni_slozka.h"
#include "tests/podpora/prihlaseni.h"
#include "tests/podpora/testovaci_main.h"
#include "tests/podpora/zaznam_zprav.h"
#include "widgets/tisk.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableView>
#include <QTimer>

namespace {

const int kCisla[25] = {3,   17,  25,  41,  57,  64,  99,  120, 200, 308, 452, 470, 500,
                        552, 309, 333, 451, 553, 600, 612, 613, 683, 684, 771, 802};

// A record with everything right but position 5 (unanswered) and 18 (wrong).
TProtokol protokol(const QString& profil, int body = 44, QTime cas = QTime(14, 3, 11)) {
    QStringList odpovedi, spravne, cisla;
    for (int i = 0; i < 25; ++i) {
        cisla << QString::number(kCisla[i]);
        spravne << QStringLiteral("A");
        odpovedi << (i == 4 ? "" : i == 17 ? "B" : "A");
    }
    return {profil,
            QDateTime(QDate(2026, 12, 5), cas),
            "B",
            "12:34",
            23,
            body,
            43,
            body >= 43 ? "Prošel" : "Neprošel",
            "2 2 2 2 2 2 2 2 2 2 2 2 2 2 1 1 1 4 4 4 1 1 2 2 1",
            SpojSeznam(odpovedi),
            SpojSeznam(spravne),
            SpojSeznam(cisla)};
}

QStringList vSouboru() {
    QStringList r;
    const TXMLProtokolyType koren = NacistProtokoly();
    for (const TXMLProtokolType& z : koren.Zaznamy())
        r << z.Profil() + u'/' + QString::number(z.PocetBodu());
    return r;
}

QStringList radky(const QTableView* tab) {
    const QAbstractItemModel* m = tab->model();
    QStringList r;
    for (int i = 0; i < m->rowCount(); ++i) {
        QStringList bunky;
        for (int s = 0; s < 4; ++s)
            bunky << m->index(i, s).data().toString();
        r << bunky.join(u'|');
    }
    return r;
}

bool zakazano(const TTVysledky& o) {
    return !o.btnProtokol->isEnabled() && !o.btnVymaz->isEnabled() && !o.btnVymazVse->isEnabled() &&
           !o.sgTab->isEnabled() && o.btnOK->isEnabled();
}

// Makes Protokoly.xml unwritable for a while: a folder takes its place.
struct ZablokovanySoubor {
    ZablokovanySoubor() {
        QFile::rename(kSouborProtokolu, QStringLiteral("zaloha.xml"));
        QDir().mkdir(kSouborProtokolu);
    }
    ~ZablokovanySoubor() {
        QDir().rmdir(kSouborProtokolu);
        QFile::rename(QStringLiteral("zaloha.xml"), kSouborProtokolu);
    }
};

// Runs a check on the modal window that the next step opens, then closes it.
template <class Okno, class Kontrola> void vModalnim(Kontrola kontrola, bool* probehlo) {
    QTimer::singleShot(0, [=] {
        if (auto* okno = qobject_cast<Okno*>(QApplication::activeModalWidget())) {
            kontrola(okno);
            *probehlo = true;
            okno->done(0);
        }
    });
}

} // namespace

class TestProtokoly : public QObject {
    Q_OBJECT
private slots:
    void kulataCestaAMezery() {
        PracovniSlozka slozka;
        TProtokol p = protokol(QStringLiteral("Žofie"));
        p.Odpoved = QString(24, u' ');
        PridatProtokol(p);
        const QByteArray data = PracovniSlozka::precti(kSouborProtokolu);
        QVERIFY(data.startsWith("<?xml version=\"1.0\"?>\n<Protokoly><Protokol><Profil>Žofie"
                                "</Profil><DatumACas>5.12.2026 14:03:11</DatumACas><Skupina>B"
                                "</Skupina><DelkaTestu>12:34</DelkaTestu><Spravne>23</Spravne>"
                                "<PocetBodu>44</PocetBodu><MinPocetBodu>43</MinPocetBodu>"
                                "<Verdikt>Prošel</Verdikt><Body>2 2 2 2 2 2 2 2 2 2 2 2 2 2 1 1 "
                                "1 4 4 4 1 1 2 2 1</Body><Odpoved>                        "
                                "</Odpoved><SpravnaOdpoved>A A A"));
        PridatProtokol(protokol(QStringLiteral("Petr")));
        const TXMLProtokolyType koren = NacistProtokoly();
        QCOMPARE(koren.Count(), 2);
        QCOMPARE(koren[0].Odpoved(), QString(24, u' '));
        QCOMPARE(RozdelSeznam(koren[0].Odpoved()), QStringList(25, QString()));
        QCOMPARE(koren[0].DatumACas(), p.DatumACas);
        const QStringList druhe = RozdelSeznam(koren[1].Odpoved());
        QCOMPARE(druhe.at(3), QStringLiteral("A"));
        QCOMPARE(druhe.at(4), QString());
        QCOMPARE(druhe.at(17), QStringLiteral("B"));

        // Indented by hand and in another encoding: the lists keep every space.
        PracovniSlozka::zapis(kSouborProtokolu,
                              "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n<Protokoly>"
                              "\r\n  <Protokol>\r\n    <Profil>\x8Eofie</Profil>\r\n    "
                              "<Odpoved>" +
                                  QByteArray(24, ' ') +
                                  "</Odpoved>\r\n  </Protokol>\r\n</Protokoly>");
        QCOMPARE(NacistProtokoly()[0].Odpoved(), QString(24, u' '));
        QCOMPARE(NacistProtokoly()[0].Profil(), QStringLiteral("Žofie"));
        // A broken file is neither appended to nor touched.
        PracovniSlozka::zapis(kSouborProtokolu, "<Protokoly><Protokol>");
        QVERIFY_THROWS_EXCEPTION(KolomatChyba, PridatProtokol(p));
        QCOMPARE(PracovniSlozka::precti(kSouborProtokolu), QByteArray("<Protokoly><Protokol>"));
        // Nor is one that is there but cannot be read replaced by a new file.
        QFile::remove(kSouborProtokolu);
        QDir().mkdir(kSouborProtokolu);
        QVERIFY_THROWS_EXCEPTION(KolomatChyba, PridatProtokol(p));
        QVERIFY(QFileInfo(kSouborProtokolu).isDir());
    }

    void textProtokolu() {
        PracovniSlozka slozka;
        PridatProtokol(protokol(QStringLiteral("Jana Nováková")));
        const auto kod = [](int c) -> std::optional<QString> {
            return c <= 802 ? std::optional(KodOtazky(c)) : std::nullopt;
        };
        const TTextProtokolu t = SestavTextProtokolu(ObsahZaznamu(NacistProtokoly()[0]), kod);
        const QStringList ocekavane{
            " Uživatel : Jana Nováková",
            "",
            "  Skupina : B",
            "  Maximální dosažitelný počet bodů: : 50",
            "  Minimální potřeba počtu bodů : 43",
            "  Datum a čas testu : 5.12.2026 14:03:11",
            "  Délka testu : 12:34",
            "",
            "  Otázka  Skutečné   Kód dle    Odpověď  Správná  Získané",
            "   číslo     číslo  věstníku  uživatele  odpověď     body",
            "  -------------------------------------------------------",
            "       1         3  TK000003          A        A        2",
            "       2        17  TK000017          A        A        2",
            "       3        25  TK000025          A        A        2",
            "       4        41  TK000041          A        A        2",
            "   x   5        57  TK000057                   A        0",
            "       6        64  TK000064          A        A        2",
            "       7        99  TK000099          A        A        2",
            "       8       120  TK000120          A        A        2",
            "       9       200  TK000200          A        A        2",
            "      10       308  TK000308          A        A        2",
            "      11       452  TK000452          A        A        2",
            "      12       470  TK000470          A        A        2",
            "      13       500  TK000500          A        A        2",
            "      14       552  TK000552          A        A        2",
            "      15       309  TK000309          A        A        1",
            "      16       333  TK000333          A        A        1",
            "      17       451  TK000451          A        A        1",
            "   x  18       553  TK000553          B        A        0",
            "      19       600  TK000600          A        A        4",
            "      20       612  TK000612          A        A        4",
            "      21       613  TK000613          A        A        1",
            "      22       683  TK000683          A        A        1",
            "      23       684  TK000684          A        A        2",
            "      24       771  TK000771          A        A        2",
            "      25       802  TK000802          A        A        1",
            "  -------------------------------------------------------",
            "     Prošel",
            "  -------------------------------------------------------",
            "           Celkem :                  23                44",
        };
        QCOMPARE(t.Radky.size(), ocekavane.size());
        for (qsizetype i = 0; i < ocekavane.size(); ++i)
            QCOMPARE(t.Radky.at(i), ocekavane.at(i));
        QVERIFY(t.BezKodu.isEmpty());

        // Numbers that do not convert or lie beyond the catalogue: a blank code column.
        TObsahProtokolu o = ObsahZaznamu(NacistProtokoly()[0]);
        o.SkutCis.replace(QStringLiteral(" 17 "), QStringLiteral(" x17 "));
        o.SkutCis.replace(QStringLiteral(" 802"), QStringLiteral(" 9999"));
        const TTextProtokolu vadny = SestavTextProtokolu(o, kod);
        QCOMPARE(vadny.BezKodu, (QList<int>{2, 25}));
        QCOMPARE(vadny.Radky.at(12),
                 QStringLiteral("       2       x17                    A        A        2"));
    }

    void bajtySouboru() {
        // Windows-1250 (Ž 8E, á E1, č E8, ř F8), CR LF after every line, "?" for what it
        // lacks; a final line break adds no empty line.
        QCOMPARE(TextProSoubor(QStringLiteral("Žáček\nřΩ😀€\n")),
                 QByteArray("\x8E\xE1\xE8"
                            "ek\r\n\xF8??\x80\r\n"));
        QCOMPARE(TextProSoubor(QStringLiteral("a\n\nb")), QByteArray("a\r\n\r\nb\r\n"));

        PracovniSlozka slozka;
        ZapisKatalog();
        ZaznamZprav zpravy(false);
        PridatProtokol(protokol(QStringLiteral("Žofie")));
        const TXMLProtokolyType koren = NacistProtokoly();
        TTProtokol okno(nullptr, koren[0]);
        okno.FormCreate();
        QCOMPARE(okno.windowTitle(), QStringLiteral("Test z 5.12.2026 14:03:11; Uživatel: Žofie"));
        QCOMPARE(okno.mProtokol->font().family(), QStringLiteral("Courier New"));
        QString nazev = slozka.cesta(QStringLiteral("vystup"));
        TTProtokol::nastavDotazNaSoubor([&](QWidget*) { return nazev; });

        QTest::mouseClick(okno.btnUlozit, Qt::LeftButton);
        const QByteArray bajty = PracovniSlozka::precti(QStringLiteral("vystup.txt"));
        QVERIFY(bajty.startsWith(" U\x9Eivatel : \x8E"
                                 "ofie\r\n\r\n  Skupina : B\r\n"));
        QCOMPARE(bajty.count("\r\n"), 40);
        QCOMPARE(bajty.count('\n'), 40);
        QVERIFY(bajty.endsWith("23                44\r\n"));
        // "vystup.txt" exists now: No leaves it, Yes replaces it with the edited text.
        okno.mProtokol->setPlainText(QStringLiteral("Upraveno č"));
        okno.btnUlozit->click();
        QCOMPARE(zpravy.pocet(), 1);
        QCOMPARE(zpravy.posledniDruh(), zpravy::Druh::Varovani);
        QCOMPARE(PracovniSlozka::precti(QStringLiteral("vystup.txt")), bajty);
        zpravy.odpovez(true);
        okno.btnUlozit->click();
        QCOMPARE(PracovniSlozka::precti(QStringLiteral("vystup.txt")),
                 QByteArray("Upraveno \xE8\r\n"));
        // A name ending in ".txt" gets a second one; a cancelled dialog writes nothing.
        nazev = slozka.cesta(QStringLiteral("jiny.txt"));
        okno.btnUlozit->click();
        QVERIFY(QFile::exists(QStringLiteral("jiny.txt.txt")));
        nazev.clear();
        okno.btnUlozit->click();
        QCOMPARE(QDir().entryList(QDir::Files).size(), 4);
        // A target that cannot be written: an error, nothing claims success.
        QDir().mkdir(QStringLiteral("slozka.txt"));
        nazev = slozka.cesta(QStringLiteral("slozka"));
        zpravy.odpovez(true);
        okno.btnUlozit->click();
        QCOMPARE(zpravy.posledniDruh(), zpravy::Druh::Chyba);
        QVERIFY(zpravy.posledni().contains(u"slozka.txt"));

        // A number beyond the catalogue, or no catalogue: a message, the text still shown.
        QByteArray data = PracovniSlozka::precti(kSouborProtokolu);
        PracovniSlozka::zapis(kSouborProtokolu, data.replace(" 771 802<", " 771 803<"));
        const TXMLProtokolyType jiny = NacistProtokoly();
        TTProtokol vadny(nullptr, jiny[0]);
        vadny.FormCreate();
        QCOMPARE(zpravy.posledniDruh(), zpravy::Druh::Oznameni);
        QVERIFY(zpravy.posledni().contains(u"otázek testu 25 "));
        QCOMPARE(vadny.mProtokol->toPlainText().split(u'\n').at(35).mid(20, 8), QString(8, u' '));
        QFile::remove(QStringLiteral("otazky.xml"));
        TTProtokol bez(nullptr, jiny[0]);
        bez.FormCreate();
        QVERIFY(zpravy.posledni().contains(u"\"otazky.xml\""));
        QCOMPARE(bez.mProtokol->toPlainText().split(u'\n').size(), 40);
    }

    // "Uložit jako PDF": the same lines as the text export, in a fixed-width font; an
    // existing file is replaced only when the learner agrees; a target that cannot be
    // written is told and leaves nothing behind.
    void pdf() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QFAIL("pdftotext (poppler-utils) is missing: tools/zavislosti.sh installs it");
        PracovniSlozka slozka;
        ZapisKatalog();
        ZaznamZprav zpravy(false);
        PridatProtokol(protokol(QStringLiteral("Žofie")));
        const TXMLProtokolyType koren = NacistProtokoly();
        TTProtokol okno(nullptr, koren[0]);
        okno.FormCreate();
        QString nazev = slozka.cesta(QStringLiteral("protokol"));
        tisk::nastavDotazNaPdf([&](QWidget*, const QString&) { return nazev; });
        const auto textPdf = [](const QString& soubor) {
            QProcess p;
            p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), soubor, "-"});
            if (!p.waitForFinished(20000) || p.exitCode() != 0)
                return QStringList{QStringLiteral("pdftotext selhal")};
            QStringList radky;
            for (const QString& r : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n'))
                if (!r.simplified().isEmpty())
                    radky << r.simplified();
            return radky;
        };
        QStringList ocekavane;
        for (const QString& r : okno.mProtokol->toPlainText().split(u'\n'))
            if (!r.simplified().isEmpty())
                ocekavane << r.simplified();
        QCOMPARE(ocekavane.size(), 38);

        okno.btnPdf->click();
        QCOMPARE(zpravy.pocet(), 0);
        QCOMPARE(textPdf(QStringLiteral("protokol.pdf")), ocekavane);
        // A fixed-width font: the columns of the question lines start at the same place.
        QProcess fonty;
        fonty.start(QStringLiteral("pdffonts"), {QStringLiteral("protokol.pdf")});
        QVERIFY(fonty.waitForFinished(20000));
        // "Courier New" itself, or the metric-compatible Liberation Mono that stands in
        // for it.
        QVERIFY(QString::fromUtf8(fonty.readAllStandardOutput())
                    .contains(QRegularExpression(QStringLiteral("Courier|Mono"))));
        QCOMPARE(QFileInfo(QStringLiteral("protokol.pdf")).permissions() & QFile::ReadOther,
                 QFile::ReadOther);

        // It exists now: No keeps it, Yes replaces it.
        const QByteArray puvodni = PracovniSlozka::precti(QStringLiteral("protokol.pdf"));
        okno.mProtokol->setPlainText(QStringLiteral("Upraveno č"));
        okno.btnPdf->click();
        QCOMPARE(zpravy.posledniDruh(), zpravy::Druh::Varovani);
        QCOMPARE(PracovniSlozka::precti(QStringLiteral("protokol.pdf")), puvodni);
        zpravy.odpovez(true);
        okno.btnPdf->click();
        QCOMPARE(textPdf(QStringLiteral("protokol.pdf")),
                 QStringList{QStringLiteral("Upraveno č")});

        // A folder that does not exist: an error naming the file, nothing written.
        zpravy.vymaz();
        nazev = slozka.cesta(QStringLiteral("neni/protokol.pdf"));
        okno.btnPdf->click();
        QCOMPARE(zpravy.pocet(), 1);
        QCOMPARE(zpravy.posledniDruh(), zpravy::Druh::Chyba);
        QVERIFY(zpravy.posledni().contains(QStringLiteral("neni/protokol.pdf")));
        // Cancelled: nothing.
        nazev.clear();
        okno.btnPdf->click();
        QCOMPARE(zpravy.pocet(), 1);
        QCOMPARE(QDir().entryList({QStringLiteral("*.pdf"), QStringLiteral(".kolomat-pdf*")},
                                  QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("protokol.pdf")});
        tisk::nastavDotazNaPdf({});
    }

    void seznamAMazani() {
        PracovniSlozka slozka;
        ZaznamZprav zpravy;
        PridatProtokol(protokol(QStringLiteral("Jana"), 44));
        PridatProtokol(protokol(QStringLiteral("jana"), 10));
        PridatProtokol(protokol(QStringLiteral("Jana"), 30, QTime(0, 0)));
        PridatProtokol(protokol(QStringLiteral("Petr"), 11));
        PridatProtokol(protokol(QStringLiteral("Jana"), 50, QTime(9, 5, 3)));
        TTVysledky okno(nullptr, QStringLiteral("Jana"));
        okno.FormCreate();
        QCOMPARE(okno.windowTitle(), QStringLiteral("Seznam testů, Uživatel: Jana"));
        QCOMPARE(radky(okno.sgTab),
                 (QStringList{"5.12.2026 14:03:11|B|44|Prošel", "5.12.2026|B|30|Neprošel",
                              "5.12.2026 9:05:03|B|50|Prošel"}));

        // A failed save changes neither the list nor the file.
        {
            ZablokovanySoubor blokace;
            okno.btnVymaz->click();
            okno.btnVymazVse->click();
        }
        QCOMPARE(zpravy.pocet(), 2);
        QVERIFY(zpravy.posledni().contains(u"\"Protokoly.xml\""));
        QCOMPARE(okno.sgTab->model()->rowCount(), 3);
        QCOMPARE(vSouboru().size(), 5);

        // The middle one, then all of Jana's: jana's and Petr's stay in their order.
        okno.sgTab->setCurrentIndex(okno.sgTab->model()->index(1, 0));
        QTest::mouseClick(okno.btnVymaz, Qt::LeftButton);
        QCOMPARE(vSouboru(), (QStringList{"Jana/44", "jana/10", "Petr/11", "Jana/50"}));
        QCOMPARE(okno.sgTab->model()->rowCount(), 2);
        QTest::mouseClick(okno.btnVymazVse, Qt::LeftButton);
        QCOMPARE(vSouboru(), (QStringList{"jana/10", "Petr/11"}));
        QCOMPARE(radky(okno.sgTab), QStringList{"|||"});
        QVERIFY(zakazano(okno));

        // The other case sees only its own; deleting its last one disables the list.
        TTVysledky male(nullptr, QStringLiteral("jana"));
        male.FormCreate();
        QCOMPARE(radky(male.sgTab), QStringList{"5.12.2026 14:03:11|B|10|Neprošel"});
        male.btnVymaz->click();
        QVERIFY(zakazano(male));
        QCOMPARE(vSouboru(), QStringList{"Petr/11"});
        QVERIFY(PracovniSlozka::precti(kSouborProtokolu).contains("<Protokoly><Protokol>"));
        TTVysledky jen(nullptr, QStringLiteral("Jana")); // only others' records
        jen.FormCreate();
        QVERIFY(zakazano(jen));
    }

    void celyTestZMenu() {
        PracovniSlozka slozka;
        ZapisKatalog();
        ZaznamZprav zpravy;
        THlavniFormular hlavni;
        PrihlasProfil(hlavni);
        hlavni.show();
        hlavni.Vsledkytestunabody1->trigger();
        QCOMPARE(zpravy.posledni(),
                 QStringLiteral("Protokol závěrečného testu zatím nebyl vytvořen!"));

        // The learner sits the test, answering every question right ...
        bool test = false, seznam = false, okno = false;
        vModalnim<TTestForm>(
            [](TTestForm* t) {
                for (int p = 1; p <= 25; ++p) {
                    QTest::keyClick(t->mO, SpravnaOdpoved(t->Test()[p].SkutCislo).at(0).toLatin1());
                    t->btnNasledujici->click();
                }
                QTest::keyClick(t->btnVyhodnotit, Qt::Key_Space);
            },
            &test);
        hlavni.Testnabody1->trigger();
        QVERIFY(test);
        QVERIFY(zpravy.posledni().startsWith(u"Test byl úspěšně vyřešen!"));
        // ... finds it in the list and opens its protocol.
        vModalnim<TTVysledky>(
            [&okno](TTVysledky* s) {
                QCOMPARE(radky(s->sgTab).at(0).section(u'|', 2), QStringLiteral("50|Prošel"));
                vModalnim<TTProtokol>(
                    [](TTProtokol* p) {
                        QVERIFY(p->mProtokol->toPlainText().endsWith(u"25                50"));
                    },
                    &okno);
                s->btnProtokol->click();
            },
            &seznam);
        hlavni.Vsledkytestunabody1->trigger();
        QVERIFY(seznam && okno);
    }
};

KOLOMAT_TEST_MAIN(TestProtokoly)
#include "test_protokoly.moc"
