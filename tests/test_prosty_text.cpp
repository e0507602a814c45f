// Text from the data files is shown as it is written, never as markup: a name, a code
// or a record holding HTML must not change the look of a window or show a local file.
#include "app/main.h"
#include "core/XML_protokoly.h"
#include "core/XML_vysledky.h"
#include "pointtest/protokolT.h"
#include "pointtest/test.h"
#include "pointtest/vysledkyT.h"
#include "results/podrobnostiPZ.h"
#include "results/vysledkyPZ.h"
#include "tests/beh_podpora.h"
#include "tests/podpora/generator_katalogu.h"
#include "tests/podpora/pracovni_slozka.h"
#include "tests/podpora/prihlaseni.h"
#include "tests/podpora/testovaci_main.h"
#include "tests/podpora/zaznam_zprav.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextEdit>

namespace {

const QString kZnacky = QStringLiteral("<img src='/etc/x.png'><b>");

// Every label of the window that shows markup shows it as plain text; returns how many
// labels show some, so that a test can tell the check was not empty.
int OverProstyText(QWidget* okno) {
    int sZnackami = 0;
    for (QLabel* l : okno->findChildren<QLabel*>()) {
        if (!l->text().contains(u'<'))
            continue;
        ++sZnackami;
        if (l->textFormat() != Qt::PlainText)
            QTest::qFail(
                qPrintable(
                    QStringLiteral("%1 shows \"%2\" as markup").arg(l->objectName(), l->text())),
                __FILE__, __LINE__);
    }
    return sZnackami;
}

// The text edits hold the markup literally.
bool ZnackyDoslova(QTextEdit* pole) {
    return pole->toPlainText().contains(QStringLiteral("<b>"));
}

} // namespace

class TestProstyText : public QObject {
    Q_OBJECT
private slots:
    // A profile name and a question code with markup, on the main window and in
    // browse mode.
    void profilAKatalog() {
        PracovniSlozka slozka;
        NastaveniKatalogu n;
        n.textyOtazek[1] = kZnacky + QStringLiteral("Otázka?");
        ZapisKatalog(QStringLiteral("otazky.xml"), n);
        QByteArray xml = PracovniSlozka::precti(QStringLiteral("otazky.xml"));
        xml.replace("<Kod>" + KodOtazky(1).toUtf8() + "</Kod>", "<Kod>&lt;u&gt;K&lt;/u&gt;</Kod>");
        PracovniSlozka::zapis(QStringLiteral("otazky.xml"), xml);
        ZapisZnacky();
        ZaznamZprav zpravy;
        OknoTestu okno;
        okno.show();
        const QString jmeno = QStringLiteral("<b>Jan</b>");
        PrihlasProfil(okno, jmeno);
        okno.nastaveni.Nazev = jmeno;
        QCOMPARE(okno.Panely[1]->text(), jmeno);
        QVERIFY(OverProstyText(&okno) >= 1);

        okno.Prohletotzky1->trigger();
        QVERIFY(prvek<QLabel>(&okno, "lbCislo")->text().contains(QStringLiteral("<u>K</u>")));
        QVERIFY(OverProstyText(&okno) >= 2);
        QVERIFY(ZnackyDoslova(prvek<QTextEdit>(&okno, "mO")));
        okno.Konec_rezimu1->trigger();
    }

    // The point test shows the name, and after its evaluation the question codes.
    void bodovyTest() {
        PracovniSlozka slozka;
        ZapisKatalog();
        QByteArray xml = PracovniSlozka::precti(QStringLiteral("otazky.xml"));
        xml.replace("<Kod>", "<Kod>&lt;i&gt;");
        PracovniSlozka::zapis(QStringLiteral("otazky.xml"), xml);
        ZaznamZprav zpravy;
        TInfo info;
        info.Nazev = QStringLiteral("<b>Jana</b>");
        info.Protokoly = QStringLiteral("000");
        TTestForm okno(nullptr, info);
        okno.FormCreate();
        QVERIFY(OverProstyText(&okno) >= 1);
        okno.btnVyhodnotit->click();
        QVERIFY(okno.gbOtazka->title().contains(QStringLiteral("<i>")));
        QVERIFY(OverProstyText(&okno) >= 1);
    }

    // Records of both stores with markup in every text, in their lists and windows.
    void zaznamy() {
        PracovniSlozka slozka;
        ZapisKatalog();
        ZaznamZprav zpravy;
        const QString jmeno = QStringLiteral("<b>Eva</b>");
        TVysledek v;
        v.TypTestu = kTypProcvicovani;
        v.Profil = jmeno;
        v.Datum = QDate(2026, 12, 5);
        v.Cas = QTime(10, 0, 0);
        v.Skupina = QStringLiteral("<i>B</i>");
        v.Kategorie = QStringLiteral("1111111");
        v.PocetOtazek = 3;
        v.SpatneCisla = QStringLiteral("<b>1</b>");
        PridatVysledek(v);
        TXMLVysledkyType vysledky = NacistVysledky();
        TPZPodrobnosti podrobnosti(nullptr, vysledky[0], kVysledkyProcvicovani);
        QVERIFY(OverProstyText(&podrobnosti) >= 1);
        TPZVysledky seznam(nullptr, jmeno, kVysledkyProcvicovani);
        QCOMPARE(seznam.Zaznamy().size(), size_t(1));
        OverProstyText(&seznam);

        TProtokol p;
        p.Profil = jmeno;
        p.DatumACas = QDateTime(QDate(2026, 12, 5), QTime(10, 0, 0));
        p.Skupina = QStringLiteral("<i>");
        p.DelkaTestu = QStringLiteral("<b>");
        p.Verdikt = QStringLiteral("<h1>Prošel</h1>");
        p.Body = QStringLiteral("2 2 2 2 2 2 2 2 2 2 2 2 2 2 1 1 1 4 4 4 1 1 2 2 1");
        p.Odpoved = p.SpravnaOdpoved = QStringLiteral("A A A A A A A A A A A A A A A A A A A A A "
                                                      "A A A A");
        p.SkutCis = QStringLiteral("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 "
                                   "24 25");
        PridatProtokol(p);
        TTVysledky testy(nullptr, jmeno);
        testy.FormCreate();
        QCOMPARE(testy.Zaznamy().size(), size_t(1));
        OverProstyText(&testy);
        TTProtokol protokol(nullptr, testy.Zaznamy()[0]);
        protokol.FormCreate();
        OverProstyText(&protokol);
        QVERIFY(protokol.mProtokol->toPlainText().contains(QStringLiteral("<b>Eva</b>")));
    }
};

KOLOMAT_TEST_MAIN(TestProstyText)
#include "test_prosty_text.moc"
