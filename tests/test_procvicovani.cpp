// Practice runs driven through the real main window, options dialog and evaluation
// window: input, marks, flash, requeue, hints, the stored record and its failures.
#include "core/XML_vysledky.h"
#include "core/pomocne_fce.h"
#include "tests/beh_podpora.h"
#include "tests/podpora/pracovni_slozka.h"
#include "tests/podpora/testovaci_main.h"
#include "tests/podpora/zaznam_zprav.h"

#include <QMenuBar>
#include <QStatusBar>

namespace {

TProcvicovani& view(THlavniFormular& okno) {
    return *okno.AktualniProfil().Procvicovani;
}

QString text(QWidget* okno, const char* jmeno) {
    return prvek<QLabel>(okno, jmeno)->text();
}

// Numbers asked one after the other, answering as told (true = right).
QList<int> Odpovidej(OknoTestu& okno, const QList<bool>& odpovedi) {
    QList<int> cisla;
    for (bool spravne : odpovedi) {
        cisla << CisloOtazky(&okno);
        Odpovez(okno, spravne);
        QTest::keyClick(okno.btn, Qt::Key_Return); // on to the next question
    }
    return cisla;
}

} // namespace

class TestProcvicovani : public QObject {
    Q_OBJECT
private slots:
    void init() {
        // Every shuffle reseeds from the clock: a counting clock makes runs reproducible.
        nahoda::NastavHodiny([n = 1000u]() mutable { return n += 7919; });
    }
    void cleanup() { nahoda::NastavHodiny({}); }

    void pruhVstupAZnacky() {
        PracovniSlozka slozka;
        ZapisKatalog();
        ZapisBarevneZnacky();
        OknoTestu okno;
        okno.nastaveni.Nazev = QStringLiteral("Jana");
        okno.show();
        QVERIFY(QTest::qWaitForWindowActive(&okno));
        Spust(okno.Procviovatotzky1, Pocet(3)); // questions 1, 2, 3 (3 has no c)
        okno.activateWindow();                  // the offscreen platform leaves that to the program
        QVERIFY(QTest::qWaitForWindowActive(&okno));
        QCOMPARE(QApplication::focusWidget(), okno.btn); // the keys arrive there
        QCOMPARE(okno.Stav(), THlavniFormular::StavMenu::Procvicovani);
        QVERIFY(okno.Oznasprvnouodpov1->isVisible() && okno.Oznasprvnouodpov1->isEnabled());
        QVERIFY(!okno.StatusBar->isVisibleTo(&okno));
        QVERIFY(okno.btn->isVisibleTo(&okno));
        QWidget* pInfo = view(okno).PanelInfo();
        QCOMPARE(pInfo->height(), 70);
        QCOMPARE(text(&okno, "lbRezim"),
                 QStringLiteral("Pro ukončení režimu procvičování stiskněte \"Konec režimu\""));
        QCOMPARE(text(&okno, "lbNapoveda"),
                 QStringLiteral("Pro pomoc stiskněte \"Označ správnou odpověď\""));
        QCOMPARE(text(&okno, "lbSkupina"), QStringLiteral("Skupina: B"));
        QCOMPARE(text(&okno, "lbPocitadlo1"), QStringLiteral("Otázek k procvičení: 3"));
        QCOMPARE(text(&okno, "lbPocitadlo2"), QStringLiteral("Procvičeno otázek: 0"));
        QCOMPARE(text(&okno, "lbPocitadlo3"), QStringLiteral("Úspěšnost: 0%"));
        // The text column is re-spaced for four lines; the counters line up on the right
        // and stay inside the strip.
        const int h = prvek(&okno, "lbIgnorInfo")->height();
        const int mezera = (70 - 4 * h) / 5;
        int horni = mezera;
        for (const char* radek : {"lbPokyn", "lbRezim", "lbNapoveda", "lbUzivatel"}) {
            QCOMPARE(prvek(&okno, radek)->y(), horni);
            horni += prvek(&okno, radek)->height() + mezera;
        }
        QCOMPARE(prvek(&okno, "lbSkupina")->y(), prvek(&okno, "lbUzivatel")->y());
        const QRect p1 = prvek(&okno, "lbPocitadlo1")->geometry();
        QCOMPARE(prvek(&okno, "lbPocitadlo2")->geometry().right(), p1.right());
        QCOMPARE(prvek(&okno, "lbPocitadlo3")->geometry().right(), p1.right());
        QVERIFY(p1.right() < pInfo->width());

        // Keys: lower case selects, the same key again deselects, D does nothing.
        QCOMPARE(CisloOtazky(&okno), 1);
        QTest::keyClick(okno.btn, Qt::Key_A);
        QCOMPARE(Znacka(&okno, "imgA"), QStringLiteral("yes"));
        QTest::keyClick(okno.btn, Qt::Key_A, Qt::ShiftModifier);
        QCOMPARE(Znacka(&okno, "imgA"), QString());
        QTest::keyClick(okno.btn, Qt::Key_B);
        QTest::keyClick(okno.btn, Qt::Key_C); // the selection moves
        QCOMPARE(Znacka(&okno, "imgB"), QString());
        QCOMPARE(Znacka(&okno, "imgC"), QStringLiteral("yes"));
        QTest::keyClick(okno.btn, Qt::Key_D);
        QCOMPARE(Znacka(&okno, "imgC"), QStringLiteral("yes"));
        // A click on a text box toggles its slot.
        const QChar spatny = SpatnySlot(&okno);
        const QChar spravny = SpravnySlot(&okno);
        auto* box = prvek<TextovePole>(&okno, spatny == u'A' ? "mA" : "mB");
        QTest::mouseClick(box->viewport(), Qt::LeftButton);
        QCOMPARE(Znacka(&okno, spatny == u'A' ? "imgA" : "imgB"), QStringLiteral("yes"));
        QCOMPARE(QApplication::focusWidget(), okno.btn);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // the focus stays
        QCOMPARE(QApplication::focusWidget(), okno.btn);

        // The right button confirms: the wrong choice is marked "no", the correct one
        // "mistake", and the question goes back into the queue.
        QTest::mouseClick(prvek<TextovePole>(&okno, "mO")->viewport(), Qt::RightButton);
        QVERIFY(!view(okno).Ceka());
        QCOMPARE(view(okno).Pocitadla().Zodpovezeno, 1);
        const auto znacka = [&](QChar slot) {
            return Znacka(&okno, slot == u'A' ? "imgA" : slot == u'B' ? "imgB" : "imgC");
        };
        QCOMPARE(znacka(spatny), QStringLiteral("no"));
        QCOMPARE(znacka(spravny), QStringLiteral("mistake"));
        QCOMPARE(view(okno).Oznameni()->text(), QStringLiteral("Špatně"));
        // Clicks and keys after the evaluation change nothing; Enter never evaluates twice.
        QTest::keyClick(okno.btn, KlavesaSlotu(spravny));
        QCOMPARE(znacka(spravny), QStringLiteral("mistake"));
        QTest::mouseClick(pInfo, Qt::RightButton);
        QCOMPARE(view(okno).Pocitadla().Zodpovezeno, 1);
        QVERIFY(view(okno).Ceka());
        QCOMPARE(CisloOtazky(&okno), 2);

        Odpovez(okno, true);
        QCOMPARE(znacka(SpravnySlot(&okno)), QStringLiteral("yes"));
        QCOMPARE(text(&okno, "lbPocitadlo2"), QStringLiteral("Procvičeno otázek: 1"));
        QCOMPARE(text(&okno, "lbPocitadlo3"), QStringLiteral("Úspěšnost: 50%"));
        QTest::keyClick(okno.btn, Qt::Key_Return);
        // Question 3 has two answers: no slot c), and the key C does nothing.
        QCOMPARE(CisloOtazky(&okno), 3);
        QVERIFY(prvek(&okno, "mC")->isHidden() && prvek(&okno, "lbC")->isHidden());
        QTest::keyClick(okno.btn, Qt::Key_C);
        QCOMPARE(Znacka(&okno, "imgC"), QString());
        // The shuffled display order still scores by the right text.
        Odpovez(okno, true);
        QCOMPARE(view(okno).Pocitadla().Spravnych, 2);
        okno.Konecreimu1->trigger();
    }

    void frontaAKonecBehu() {
        PracovniSlozka slozka;
        ZapisKatalog();
        ZapisBarevneZnacky();
        OknoTestu okno;
        okno.nastaveni.Nazev = QStringLiteral("Jana");
        okno.show();

        // Wrong, then right: a ratio of exactly 0.5 counts as done. Three answers, two
        // right: 67 %.
        Spust(okno.Procviovatotzky1, Pocet(2));
        QCOMPARE(Odpovidej(okno, {false, true}), (QList<int>{1, 2}));
        QCOMPARE(CisloOtazky(&okno), 1);
        Odpovez(okno, true);
        QCOMPARE(text(&okno, "lbPocitadlo2"), QStringLiteral("Procvičeno otázek: 2"));
        QCOMPARE(text(&okno, "lbPocitadlo3"), QStringLiteral("Úspěšnost: 67%"));
        bool videno = false;
        NaOkno<TPZVyhodnoceni>(
            [](TPZVyhodnoceni& v) {
                QCOMPARE(v.windowTitle(), QStringLiteral("Vyhodnocení programu Kolomat"));
                // The window's 350 × 242, wider only as far as the protocol line needs
                // to stay on one line.
                QCOMPARE(v.height(), 242);
                QVERIFY(v.width() >= 350);
                QVERIFY(v.lbProtokol->height() < 2 * v.lbProtokol->fontMetrics().height());
                QVERIFY(v.lbProtokol->geometry().right() < v.width());
                QCOMPARE(v.lbNadpis->text(), QStringLiteral("Vyhodnocení procvičování"));
                QCOMPARE(v.lbNadpis->x(), (v.width() - v.lbNadpis->width()) / 2);
                QCOMPARE(v.lbUzivatel->text(), QStringLiteral("Uživatel: Jana"));
                QCOMPARE(v.lbSkupina->text(), QStringLiteral("Skupina: B"));
                QCOMPARE(v.lbPoceOtazek->text(), QStringLiteral("Počet otázek: 2"));
                QCOMPARE(v.lbSpravne->text(), QStringLiteral("Správných odpovědí: 2"));
                QCOMPARE(v.lbSpatne->text(), QStringLiteral("Špatných odpovědí: 1"));
                QCOMPARE(v.lbNapoveda->text(), QStringLiteral("Použití nápovědy: 0"));
                QVERIFY(!v.lbNapoveda->isHidden());
                QCOMPARE(v.lbUspesnost->text(), QStringLiteral("Úspěšnost: 67%"));
                QCOMPARE(v.lbProtokol->text(), kProtokolVytvoren);
                QCOMPARE(v.lbSpatne->y(), 115);
            },
            &videno);
        QTest::keyClick(okno.btn, Qt::Key_Return);
        QVERIFY(videno);
        QCOMPARE(okno.Stav(), THlavniFormular::StavMenu::Necinny);
        QVERIFY(okno.StatusBar->isVisibleTo(&okno));
        QVERIFY(!okno.btn->isVisibleTo(&okno));
        QVERIFY(!prvek(&okno, "lbPocitadlo1"));
        {
            const TXMLVysledkyType soubor = NacistVysledky();
            QCOMPARE(soubor.Count(), 1);
            const TXMLVysledekType z = soubor[0];
            QCOMPARE(z.TypTestu(), QStringLiteral("Procvicovani"));
            QCOMPARE(z.Profil(), QStringLiteral("Jana"));
            QCOMPARE(z.PocetOtazek(), 2);
            QCOMPARE(z.Spatne(), 1);
            QCOMPARE(z.SpatneCisla(), QStringLiteral("1"));
            QCOMPARE(z.Uspesnost(), 67);
            QCOMPARE(z.Datum(), QDate::currentDate());
        }

        // Wrong four times round, then right: the ratio 1/3 puts the question at the
        // truncated third of the queue (4 / 3 = 1), so it comes back after two others.
        Spust(okno.Procviovatotzky1, Pocet(4));
        QCOMPARE(Odpovidej(okno, QList<bool>(8, false)), (QList<int>{1, 2, 3, 4, 1, 2, 3, 4}));
        QCOMPARE(Odpovidej(okno, {true, true, true}), (QList<int>{1, 2, 3}));
        QCOMPARE(CisloOtazky(&okno), 1);
        okno.Konecreimu1->trigger();

        // A sole remaining question answered wrongly is asked again at once.
        okno.nastaveni.Protokoly = QStringLiteral("011");
        Spust(okno.Procviovatotzky1, Pocet(1));
        QCOMPARE(Odpovidej(okno, {false, false, true}), (QList<int>{1, 1, 1}));
        QVERIFY(view(okno).Ceka());
        QCOMPARE(CisloOtazky(&okno), 1); // 1 of 3 is not enough
        Odpovez(okno, true);             // 2 of 4 is
        NaOkno<TPZVyhodnoceni>([](TPZVyhodnoceni& v) {
            QCOMPARE(v.lbUspesnost->text(), QStringLiteral("Úspěšnost: 50%"));
            QCOMPARE(v.lbProtokol->text(), kProtokolNevytvoren);
        });
        QTest::keyClick(okno.btn, Qt::Key_Return);
        QCOMPARE(NacistVysledky().Count(), 1); // the practice protocol is off
    }

    void napovedaAKonecRezimu() {
        PracovniSlozka slozka;
        ZapisKatalog();
        ZapisBarevneZnacky();
        OknoTestu okno;
        okno.show();
        Spust(okno.Procviovatotzky1, Pocet(2));
        okno.Oznasprvnouodpov1->trigger();
        // The hint marks exactly the correct answer, as correct.
        const QChar spravny = SpravnySlot(&okno);
        QCOMPARE(Znacka(&okno, "imgA"), spravny == u'A' ? QStringLiteral("yes") : QString());
        QCOMPARE(Znacka(&okno, "imgB"), spravny == u'B' ? QStringLiteral("yes") : QString());
        QCOMPARE(Znacka(&okno, "imgC"), spravny == u'C' ? QStringLiteral("yes") : QString());
        QVERIFY(!view(okno).Ceka());
        QCOMPARE(view(okno).Pocitadla().Zodpovezeno, 0);
        okno.Oznasprvnouodpov1->trigger(); // nothing pending: no second use
        QTest::keyClick(okno.btn, Qt::Key_Return);
        QCOMPARE(CisloOtazky(&okno), 2); // the hinted question went back
        Odpovidej(okno, {true});
        QCOMPARE(CisloOtazky(&okno), 1);
        okno.Oznasprvnouodpov1->trigger(); // the only one left: it comes straight back
        QTest::keyClick(okno.btn, Qt::Key_Return);
        QCOMPARE(CisloOtazky(&okno), 1);
        Odpovez(okno, true);
        okno.Oznasprvnouodpov1->trigger(); // after the last question: nothing
        NaOkno<TPZVyhodnoceni>([](TPZVyhodnoceni& v) {
            QCOMPARE(v.lbNapoveda->text(), QStringLiteral("Použití nápovědy: 2"));
            QCOMPARE(v.lbUspesnost->text(), QStringLiteral("Úspěšnost: 100%"));
        });
        QTest::keyClick(okno.btn, Qt::Key_Return);
        const TXMLVysledkyType soubor = NacistVysledky();
        const TXMLVysledekType z = soubor[0];
        QCOMPARE(z.SNapovedou(), 1);
        QCOMPARE(z.SNapovedouCisla(), QStringLiteral("1"));
        QCOMPARE(z.Spatne(), 0);
        QCOMPARE(z.SpatneCisla(), QString());

        // "Konec režimu" ends a run without evaluation or record, from any state.
        const QByteArray pred = PracovniSlozka::precti(kSouborVysledku);
        ZaznamZprav zpravy;
        Spust(okno.Procviovatotzky1, Pocet(3));
        Odpovez(okno, false);
        okno.Konecreimu1->trigger();
        QCOMPARE(okno.Stav(), THlavniFormular::StavMenu::Necinny);
        QVERIFY(!view(okno).JeAktivni());
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(zpravy.pocet(), 0);
        QCOMPARE(PracovniSlozka::precti(kSouborVysledku), pred);
        QVERIFY(!prvek(&okno, "pnOznameni") && !prvek(&okno, "lbNapoveda"));
        // The next run builds its controls afresh on the kept panels.
        Spust(okno.Procviovatotzky1, Pocet(1));
        QCOMPARE(okno.findChildren<QLabel*>(QStringLiteral("lbPokyn")).size(), 1);
        QCOMPARE(text(&okno, "lbPocitadlo2"), QStringLiteral("Procvičeno otázek: 0"));
        okno.Konecreimu1->trigger();
    }

    void oznameniNaJednuSekundu() {
        PracovniSlozka slozka;
        ZapisKatalog();
        ZapisBarevneZnacky();
        OknoTestu okno;
        okno.show();
        Spust(okno.Procviovatotzky1, Pocet(3));
        QLabel* pn = view(okno).Oznameni();
        QTimer* tm = view(okno).Casovac();
        QVERIFY(pn->isHidden());
        QCOMPARE(pn->size(), QSize(100, 40));
        Odpovez(okno, true);
        QVERIFY(!pn->isHidden());
        QCOMPARE(pn->text(), QStringLiteral("Správně"));
        QCOMPARE(pn->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        QVERIFY(tm->isActive());
        QCOMPARE(tm->interval(), 1000);
        const int id = tm->timerId();
        // A second verdict within the second shows its text on the running timer.
        QTest::keyClick(okno.btn, Qt::Key_Return);
        Odpovez(okno, false);
        QCOMPARE(pn->text(), QStringLiteral("Špatně"));
        QCOMPARE(pn->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(tm->timerId(), id);
        QTimerEvent tik(tm->timerId());
        QCoreApplication::sendEvent(tm, &tik);
        QVERIFY(pn->isHidden());
        QVERIFY(!tm->isActive());
        okno.Konecreimu1->trigger(); // with the flash showing or not
    }

    void celyBehKlavesnici() {
        PracovniSlozka slozka;
        ZapisKatalog();
        ZapisBarevneZnacky();
        OknoTestu okno;
        okno.show();
        QVERIFY(QTest::qWaitForWindowActive(&okno));
        // Alt+S, C: "Pro&cvičovat otázky"; in the dialog the arrow keys set the count
        // and Enter starts.
        NaOkno<TDotazProcvicovaniZkouseni>([](TDotazProcvicovaniZkouseni& d) {
            QCOMPARE(d.focusWidget(), d.cbPocetOtazek);
            for (int i = 0; i < 18; ++i)
                QTest::keyClick(d.focusWidget(), Qt::Key_Left);
            QTest::keyClick(d.focusWidget(), Qt::Key_Return); // the start button is default
        });
        QTest::keyClick(&okno, Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_C);
        QTRY_COMPARE(okno.Stav(), THlavniFormular::StavMenu::Procvicovani);
        QCOMPARE(text(&okno, "lbPocitadlo1"), QStringLiteral("Otázek k procvičení: 2"));
        okno.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&okno));
        // Alt+Z: the hint from the practice menu bar.
        QTest::keyClick(&okno, Qt::Key_Z, Qt::AltModifier);
        QTRY_VERIFY(!view(okno).Ceka());
        QCOMPARE(view(okno).Beh().Vybrane[0].PocetNapoved, 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(CisloOtazky(&okno), 2);
        // Alt+K: "Konec režimu".
        QTest::keyClick(&okno, Qt::Key_K, Qt::AltModifier);
        QTRY_COMPARE(okno.Stav(), THlavniFormular::StavMenu::Necinny);
        QVERIFY(!QFile::exists(kSouborVysledku));
    }

    void souborVysledkuNelzePouzit() {
        PracovniSlozka slozka;
        ZapisKatalog();
        ZapisBarevneZnacky();
        const QByteArray vadny = "<?xml version=\"1.0\"?>\n<Vysledky><Vysledek>";
        PracovniSlozka::zapis(kSouborVysledku, vadny);
        OknoTestu okno;
        okno.show();
        ZaznamZprav zpravy;
        Spust(okno.Procviovatotzky1, Pocet(1));
        Odpovez(okno, true);
        NaOkno<TPZVyhodnoceni>(
            [](TPZVyhodnoceni& v) { QCOMPARE(v.lbProtokol->text(), kProtokolSelhal); });
        QTest::keyClick(okno.btn, Qt::Key_Return);
        QCOMPARE(zpravy.pocet(), 1);
        QCOMPARE(zpravy.posledniDruh(), zpravy::Druh::Chyba);
        QVERIFY(zpravy.posledni().contains(QStringLiteral("\"Vysledky.xml\"")));
        QVERIFY(zpravy.posledni().contains(QStringLiteral("řádek")));
        QCOMPARE(PracovniSlozka::precti(kSouborVysledku), vadny);
        QCOMPARE(okno.Stav(), THlavniFormular::StavMenu::Necinny);
        QVERIFY(okno.StatusBar->isVisibleTo(&okno));
        QVERIFY(!view(okno).JeAktivni());
    }
};

KOLOMAT_TEST_MAIN(TestProcvicovani)
#include "test_procvicovani.moc"
