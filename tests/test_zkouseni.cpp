// Exam runs and the options dialog, driven through the real main window.
#include "core/XML_otazky.h"
#include "core/XML_vysledky.h"
#include "core/pomocne_fce.h"
#include "tests/beh_podpora.h"
#include "tests/podpora/pracovni_slozka.h"
#include "tests/podpora/testovaci_main.h"
#include "tests/podpora/zaznam_zprav.h"

#include <QMenuBar>
#include <QStatusBar>

#include <set>

namespace {

QString text(QWidget* okno, const char* jmeno) {
    return prvek<QLabel>(okno, jmeno)->text();
}

QList<int> Cisla(const std::vector<TVybranaOtazka>& beh) {
    QList<int> cisla;
    for (const TVybranaOtazka& v : beh)
        cisla << v.Cislo;
    return cisla;
}

} // namespace

class TestZkouseni : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { nahoda::NastavHodiny({}); }

    void zkouseniJednouKazdou() {
        PracovniSlozka slozka;
        ZapisKatalog();
        ZapisBarevneZnacky();
        OknoTestu okno;
        okno.nastaveni.Nazev = QStringLiteral("Petr");
        okno.nastaveni.Skupina = QStringLiteral("A1");
        okno.show();
        Spust(okno.Zkouetotzky1, [](TDotazProcvicovaniZkouseni& d) {
            QCOMPARE(d.lbNadpis->text(), QStringLiteral("Zkoušení otázek"));
            QCOMPARE(d.btnStart->text(), QStringLiteral("&Start Zkoušení"));
            QCOMPARE(d.btnStart->x(), (d.width() - d.btnStart->width()) / 2);
            d.cbPocetOtazek->setValue(3);
        });
        QCOMPARE(okno.Stav(), THlavniFormular::StavMenu::Procvicovani);
        QVERIFY(!okno.Oznasprvnouodpov1->isVisible() && !okno.Oznasprvnouodpov1->isEnabled());
        QCOMPARE(text(&okno, "lbRezim"),
                 QStringLiteral("Pro ukončení režimu zkoušení stiskněte \"Konec režimu\""));
        QVERIFY(!prvek(&okno, "lbNapoveda"));
        QCOMPARE(text(&okno, "lbSkupina"), QStringLiteral("Skupina: A1"));
        // Three rows: instruction, mode line, user; on the legend's rows.
        QCOMPARE(prvek(&okno, "lbRezim")->y(), prvek(&okno, "lbSpatnaInfo")->y());
        QCOMPARE(prvek(&okno, "lbUzivatel")->y(), prvek(&okno, "lbIgnorInfo")->y());
        QCOMPARE(text(&okno, "lbPocitadlo1"), QStringLiteral("Celkem otázek: 3"));
        QCOMPARE(text(&okno, "lbPocitadlo2"), QStringLiteral("Zbývá otázek: 3"));
        // Answers in database order, the correct letter the database's.
        QCOMPARE(CisloOtazky(&okno), 1);
        QCOMPARE(prvek<TextovePole>(&okno, "mA")->text(), QStringLiteral("Odpověď A na otázku 1."));
        QCOMPARE(SpravnySlot(&okno), SpravnaOdpoved(1).at(0));

        // Confirming with nothing selected is wrong: the correct answer is "ignored".
        QTest::keyClick(okno.btn, Qt::Key_Return);
        QCOMPARE(Znacka(&okno, SpravnaOdpoved(1) == u"B" ? "imgB" : "imgA"),
                 QStringLiteral("mistake"));
        QCOMPARE(text(&okno, "lbPocitadlo2"), QStringLiteral("Zbývá otázek: 3"));
        QCOMPARE(text(&okno, "lbPocitadlo3"), QStringLiteral("Úspěšnost: 0%"));
        okno.Oznasprvnouodpov1->trigger(); // hidden and disabled: nothing
        QTest::keyClick(okno.btn, Qt::Key_Return);
        QCOMPARE(CisloOtazky(&okno), 2); // not asked again
        QCOMPARE(text(&okno, "lbPocitadlo2"), QStringLiteral("Zbývá otázek: 2"));
        // By mouse: a click on the answer, the right button to confirm.
        auto* box = prvek<TextovePole>(&okno, SpravnySlot(&okno) == u'C' ? "mC" : "mB");
        QTest::mouseClick(box->viewport(), Qt::LeftButton);
        QTest::mouseClick(view(okno).PanelOtazky(), Qt::RightButton);
        QCOMPARE(view(okno).Pocitadla().Spravnych, SpravnySlot(&okno) != u'A' ? 1 : 0);
        QTest::mouseClick(view(okno).PanelOtazky(), Qt::RightButton);
        QCOMPARE(text(&okno, "lbPocitadlo2"), QStringLiteral("Zbývá otázek: 1"));
        Odpovez(okno, true);
        const int spravnych = view(okno).Pocitadla().Spravnych;
        QCOMPARE(view(okno).Pocitadla().Zodpovezeno, 3);

        bool videno = false;
        NaOkno<TPZVyhodnoceni>(
            [spravnych](TPZVyhodnoceni& v) {
                QCOMPARE(v.lbNadpis->text(), QStringLiteral("Vyhodnocení zkoušení"));
                QCOMPARE(v.lbSpravne->text(),
                         QStringLiteral("Správných odpovědí: %1").arg(spravnych));
                QVERIFY(v.lbNapoveda->isHidden());
                // Without the hint line the four lines are spread evenly.
                QCOMPARE(v.lbSkupina->y(), 64);
                QCOMPARE(v.lbPoceOtazek->y(), 87);
                QCOMPARE(v.lbSpravne->y(), 110);
                QCOMPARE(v.lbSpatne->y(), 133);
                QCOMPARE(v.lbProtokol->text(), kProtokolVytvoren);
            },
            &videno);
        QTest::keyClick(okno.btn, Qt::Key_Return);
        QVERIFY(videno);
        QCOMPARE(okno.Stav(), THlavniFormular::StavMenu::Necinny);
        const TXMLVysledkyType soubor = NacistVysledky();
        const TXMLVysledekType z = soubor[0];
        QCOMPARE(z.TypTestu(), QStringLiteral("Zkouseni"));
        QCOMPARE(z.Skupina(), QStringLiteral("A1"));
        QCOMPARE(z.PocetOtazek(), 3);
        QCOMPARE(z.Spatne(), 3 - spravnych);
        QVERIFY(z.SpatneCisla().startsWith(QStringLiteral("1")));
        QCOMPARE(z.SNapovedou(), 0);
        QCOMPARE(z.SNapovedouCisla(), QString());
        QCOMPARE(z.Uspesnost(), Uspesnost(spravnych, 3));

        // The exam flag is the second one.
        okno.nastaveni.Protokoly = QStringLiteral("101");
        Spust(okno.Zkouetotzky1, Pocet(1));
        Odpovez(okno, true);
        NaOkno<TPZVyhodnoceni>(
            [](TPZVyhodnoceni& v) { QCOMPARE(v.lbProtokol->text(), kProtokolNevytvoren); });
        QTest::keyClick(okno.btn, Qt::Key_Return);
        QCOMPARE(NacistVysledky().Count(), 1);
    }

    void dotazPosuvniky() {
        PracovniSlozka slozka;
        ZapisKatalog();
        OknoTestu okno;
        okno.show();
        // Flag 3 admits 309–451: 143 numbers, the removed 310 left out.
        okno.nastaveni.Kategorie = QStringLiteral("0010000");
        Spust(okno.Procviovatotzky1, [](TDotazProcvicovaniZkouseni& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Dotaz programu Kolomat"));
            QCOMPARE(d.size(), QSize(300, 130));
            QCOMPARE(static_cast<int>(d.Kandidati().size()), 142);
            QCOMPARE(d.Kandidati().front().Cislo, 309);
            QCOMPARE(d.Kandidati()[1].Cislo, 311);
            QCOMPARE(d.cbPocetOtazek->value(), 20);
            QCOMPARE(d.cbPocetOtazek->maximum(), 142);
            QCOMPARE(d.lbPocetOtazek->text(), QStringLiteral("Počet otázek: 20"));
            QCOMPARE(d.lbZacitOtazkou->text(), QStringLiteral("Začít otázkou: 309"));
            // A later start shortens the run, a longer run pushes the start down.
            QTest::keyClick(d.cbZacitOtazkou, Qt::Key_End);
            QCOMPARE(d.cbZacitOtazkou->value(), 142);
            QCOMPARE(d.cbPocetOtazek->value(), 1);
            QCOMPARE(d.lbZacitOtazkou->text(), QStringLiteral("Začít otázkou: 451"));
            d.cbZacitOtazkou->setValue(130);
            QCOMPARE(d.cbPocetOtazek->value(), 1);
            d.cbPocetOtazek->setValue(30);
            QCOMPARE(d.cbZacitOtazkou->value(), 113);
            QCOMPARE(d.lbPocetOtazek->text(), QStringLiteral("Počet otázek: 30"));
        });
        QCOMPARE(okno.VybraneOtazky.size(), size_t(30));
        QCOMPARE(okno.VybraneOtazky.front().Cislo, 309 + 113); // candidate 113 is number 422
        QCOMPARE(okno.VybraneOtazky.back().Cislo, 451);
        QCOMPARE(okno.VybraneOtazky.front().Poradi, 421);
        okno.Konecreimu1->trigger();

        // Flag 2 admits 452–552; with few candidates the count starts at all of them.
        NastaveniKatalogu n;
        for (int c = 452; c <= 540; ++c)
            n.vyrazene.insert(c);
        ZapisKatalog(QStringLiteral("otazky.xml"), n);
        okno.nastaveni.Kategorie = QStringLiteral("0100000");
        // Closed with Escape instead of the start button: the run starts all the same.
        NaOkno<TDotazProcvicovaniZkouseni>(
            [](TDotazProcvicovaniZkouseni& d) { QTest::keyClick(&d, Qt::Key_Escape); });
        okno.Procviovatotzky1->trigger();
        QCOMPARE(okno.Stav(), THlavniFormular::StavMenu::Procvicovani);
        QCOMPARE(Cisla(okno.VybraneOtazky),
                 (QList<int>{541, 542, 543, 544, 545, 546, 547, 548, 549, 550, 551, 552}));
        okno.Konecreimu1->trigger();
    }

    void nahodnyVyberBezOpakovani() {
        PracovniSlozka slozka;
        ZapisKatalog();
        OknoTestu okno;
        okno.show();
        okno.nastaveni.Postupny_vyber = false;
        okno.nastaveni.Kategorie = QStringLiteral("1111111");
        auto beh = [&](std::uint32_t hodiny) {
            nahoda::NastavHodiny([hodiny] { return hodiny; });
            Spust(okno.Zkouetotzky1, [](TDotazProcvicovaniZkouseni& d) {
                QVERIFY(!d.cbZacitOtazkou->isEnabled() && !d.lbZacitOtazkou->isEnabled());
                QCOMPARE(d.lbZacitOtazkou->text(), QStringLiteral("Začít otázkou: 1"));
                QCOMPARE(static_cast<int>(d.Kandidati().size()), 802 - 7);
                d.cbPocetOtazek->setValue(300);
            });
            const QList<int> cisla = Cisla(okno.VybraneOtazky);
            okno.Konecreimu1->trigger();
            return cisla;
        };
        const QList<int> prvni = beh(12345);
        const std::set<int> ruzne(prvni.begin(), prvni.end());
        QCOMPARE(ruzne.size(), size_t(300));
        for (int c : prvni)
            QVERIFY2(c >= 1 && c <= 802 && !NastaveniKatalogu().vyrazene.contains(c),
                     qPrintable(QString::number(c)));
        QVERIFY(!std::is_sorted(prvni.begin(), prvni.end()));
        QCOMPARE(beh(12345), prvni); // the same clock, the same draw
        QVERIFY(beh(777) != prvni);
    }

    void zadnaKategorieNeniBeh() {
        PracovniSlozka slozka;
        ZapisKatalog();
        OknoTestu okno;
        okno.show();
        ZaznamZprav zpravy;
        okno.nastaveni.Kategorie = QStringLiteral("0000000");
        bool dialog = false;
        NaOkno<TDotazProcvicovaniZkouseni>({}, &dialog);
        okno.Procviovatotzky1->trigger();
        QCOMPARE(zpravy.pocet(), 1);
        QCOMPARE(zpravy.posledni(), kZadnaKategorie);
        QCOMPARE(okno.Stav(), THlavniFormular::StavMenu::Necinny);
        QVERIFY(okno.StatusBar->isVisibleTo(&okno));
        QVERIFY(okno.VybraneOtazky.empty());
        QVERIFY(!view(okno).JeAktivni());
        QTest::qWait(50);
        QVERIFY(!dialog);

        // A database that cannot be read: its error, and no run either.
        QFile::remove(QStringLiteral("otazky.xml"));
        okno.nastaveni.Kategorie = QStringLiteral("1111111");
        okno.Zkouetotzky1->trigger();
        QCOMPARE(zpravy.pocet(), 2);
        QVERIFY(zpravy.posledni().contains(QStringLiteral("otazky.xml")));
        QCOMPARE(okno.Stav(), THlavniFormular::StavMenu::Necinny);
    }

    void dodanyKatalog() {
        const QString data = qEnvironmentVariable("KOLOMAT_DATA");
        if (!QFileInfo::exists(data + QStringLiteral("/otazky.xml")))
            QSKIP("the shipped catalogue is not in the data folder");
        PracovniSlozka slozka;
        QFile::copy(data + QStringLiteral("/otazky.xml"), QStringLiteral("otazky.xml"));
        QDir().mkdir(QStringLiteral("grafika"));
        for (const QFileInfo& f :
             QDir(data + QStringLiteral("/grafika")).entryInfoList(QDir::Files))
            QFile::copy(f.filePath(), QStringLiteral("grafika/") + f.fileName());
        TOtazka databaze;
        // The correct answer's slot, found by its text in the catalogue.
        const auto spravny = [&](QWidget* okno) {
            databaze.Nacti(CisloOtazky(okno));
            const QString& text = databaze.Spravne == u"A"   ? databaze.A
                                  : databaze.Spravne == u"B" ? databaze.B
                                                             : databaze.C;
            const char* pole[] = {"mA", "mB", "mC"};
            for (int i = 0; i < 3; ++i)
                if (!prvek(okno, pole[i])->isHidden() &&
                    prvek<TextovePole>(okno, pole[i])->text() == text)
                    return QChar(u'A' + i);
            return QChar();
        };
        OknoTestu okno;
        okno.nastaveni.Postupny_vyber = false;
        okno.show();
        for (QAction* rezim : {okno.Procviovatotzky1, okno.Zkouetotzky1}) {
            Spust(rezim);
            QCOMPARE(okno.VybraneOtazky.size(), size_t(20));
            for (int i = 0; i < 20; ++i) {
                const QChar slot = spravny(&okno);
                QVERIFY2(!slot.isNull(), qPrintable(QString::number(CisloOtazky(&okno))));
                QTest::keyClick(okno.btn, KlavesaSlotu(slot));
                QTest::keyClick(okno.btn, Qt::Key_Return);
                if (i < 19)
                    QTest::keyClick(okno.btn, Qt::Key_Return);
            }
            NaOkno<TPZVyhodnoceni>([](TPZVyhodnoceni& v) {
                QCOMPARE(v.lbUspesnost->text(), QStringLiteral("Úspěšnost: 100%"));
            });
            QTest::keyClick(okno.btn, Qt::Key_Return);
            QCOMPARE(okno.Stav(), THlavniFormular::StavMenu::Necinny);
        }
        QCOMPARE(NacistVysledky().Count(), 2);
    }

private:
    static TZkouseni& view(THlavniFormular& okno) { return *okno.AktualniProfil().Zkouseni; }
};

KOLOMAT_TEST_MAIN(TestZkouseni)
#include "test_zkouseni.moc"
