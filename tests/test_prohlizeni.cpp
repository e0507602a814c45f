// Browse mode driven through the real main window, and the main window's menu states.
#include "app/main.h"
#include "tests/podpora/generator_katalogu.h"
#include "tests/podpora/pracovni_slozka.h"
#include "tests/podpora/prihlaseni.h"
#include "tests/podpora/testovaci_main.h"
#include "tests/podpora/zaznam_zprav.h"
#include "views/textove_pole.h"

#include <QFontDatabase>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QSpinBox>
#include <QStatusBar>

namespace {

template <class T = QWidget> T* prvek(QWidget* okno, const char* jmeno) {
    return okno->findChild<T*>(QString::fromLatin1(jmeno));
}

bool viditelny(QWidget* okno, const char* jmeno) {
    QWidget* w = prvek(okno, jmeno);
    return w && w->isVisibleTo(okno);
}

} // namespace

class TestProhlizeni : public QObject {
    Q_OBJECT
private slots:
    void startUkazujeOtazkuJedna() {
        PracovniSlozka slozka;
        ZapisKatalog();
        ZapisZnacky();
        THlavniFormular okno;
        PrihlasProfil(okno);
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        QCOMPARE(okno.Stav(), THlavniFormular::StavMenu::Necinny);

        okno.Prohletotzky1->trigger();
        QCOMPARE(okno.Stav(), THlavniFormular::StavMenu::Prohlizeni);
        QCOMPARE(okno.menuWidget(), okno.MainMenu2);
        QVERIFY(!okno.StatusBar->isVisibleTo(&okno));
        QCOMPARE(prvek<QLabel>(&okno, "lbCislo")->text(),
                 QStringLiteral("Otázka číslo 1; Kód dle věstníku MDS: TK000001"));
        QCOMPARE(prvek<TextovePole>(&okno, "mO")->text(),
                 QStringLiteral("Otázka číslo 1 katalogu?"));
        QCOMPARE(prvek<TextovePole>(&okno, "mA")->text(), QStringLiteral("Odpověď A na otázku 1."));
        // Only the correct answer carries the mark.
        const QString spravna = SpravnaOdpoved(1);
        QCOMPARE(viditelny(&okno, "imgA"), spravna == u"A");
        QCOMPARE(viditelny(&okno, "imgB"), spravna == u"B");
        QCOMPARE(viditelny(&okno, "imgC"), spravna == u"C");
        QVERIFY(!viditelny(&okno, "mPoznamka"));
        QCOMPARE(prvek<QLabel>(&okno, "lbRezim")->text(),
                 QStringLiteral("Pro ukončení režimu prohlížení stiskněte \"Konec režimu\""));
        QCOMPARE(prvek(&okno, "pInfo")->height(), 56);
        // The box for browsing on request stands 8 pixels from the bottom right corner.
        QWidget* pOtazka = prvek(&okno, "pOtazka");
        QWidget* pNaPrani = prvek(&okno, "pNaPrani");
        QCOMPARE(pNaPrani->geometry(),
                 QRect(pOtazka->width() - 158, pOtazka->height() - 64, 150, 56));
        QCOMPARE(prvek<QSpinBox>(&okno, "seCislo")->maximum(), 802);
    }

    void vyrazenaADveOdpovedi() {
        PracovniSlozka slozka;
        ZapisKatalog();
        ZapisZnacky();
        THlavniFormular okno;
        PrihlasProfil(okno);
        okno.show();
        okno.Prohletotzky1->trigger();
        auto* cislo = prvek<QSpinBox>(&okno, "seCislo");

        cislo->setValue(5);
        QCOMPARE(prvek<QLabel>(&okno, "lbCislo")->text(), QStringLiteral("Otázka číslo 5"));
        QVERIFY(viditelny(&okno, "mPoznamka"));
        QCOMPARE(prvek<TextovePole>(&okno, "mPoznamka")->text(),
                 QStringLiteral("Otázka vyřazena během novelizace"));
        for (const char* skryty :
             {"mO", "mA", "mB", "mC", "lbA", "lbB", "lbC", "imgA", "imgB", "imgC", "imgObrazek"})
            QVERIFY2(!viditelny(&okno, skryty), skryty);
        // The message stands in the middle of the panel.
        QWidget* poznamka = prvek(&okno, "mPoznamka");
        QWidget* pOtazka = prvek(&okno, "pOtazka");
        QCOMPARE(poznamka->y(), pOtazka->height() / 2 - poznamka->height() / 2);

        cislo->setValue(3); // two answers: no slot c)
        QVERIFY(!viditelny(&okno, "mPoznamka"));
        QVERIFY(viditelny(&okno, "mO") && viditelny(&okno, "mA") && viditelny(&okno, "lbB"));
        QVERIFY(!viditelny(&okno, "mC"));
        QVERIFY(!viditelny(&okno, "lbC"));
        QVERIFY(!viditelny(&okno, "imgC"));
        QCOMPARE(viditelny(&okno, "imgA"), SpravnaOdpoved(3) == u"A");
        QCOMPARE(viditelny(&okno, "imgB"), SpravnaOdpoved(3) == u"B");

        cislo->setValue(6); // three answers again after a two-answer one
        QVERIFY(viditelny(&okno, "mC") && viditelny(&okno, "lbC"));
        QCOMPARE(prvek<QLabel>(&okno, "lbCislo")->text(),
                 QStringLiteral("Otázka číslo 6; Kód dle věstníku MDS: TK000006"));
    }

    void rozmisteniSObrazkem() {
        PracovniSlozka slozka;
        NastaveniKatalogu n; // question 2: a low picture, question 4: a tall one
        n.textyOdpovedi[2] = QStringLiteral("Odpověď, která je tak dlouhá, že se do úzkého "
                                            "sloupce vedle obrázku nevejde na jeden řádek, a "
                                            "proto sahá pod jeho spodní okraj.");
        ZapisKatalog(QStringLiteral("otazky.xml"), n);
        ZapisZnacky();
        THlavniFormular okno;
        PrihlasProfil(okno);
        okno.show();
        okno.Prohletotzky1->trigger();
        auto* cislo = prvek<QSpinBox>(&okno, "seCislo");
        QWidget* pOtazka = prvek(&okno, "pOtazka");
        const int w = pOtazka->width();
        auto* obrazek = prvek<QLabel>(&okno, "imgObrazek");
        auto* mA = prvek<TextovePole>(&okno, "mA");
        auto* mB = prvek<TextovePole>(&okno, "mB");
        auto* mC = prvek<TextovePole>(&okno, "mC");

        QVERIFY(!viditelny(&okno, "imgObrazek"));
        QCOMPARE(mA->width(), w - mA->x() - 8);

        cislo->setValue(2);
        QVERIFY(viditelny(&okno, "imgObrazek"));
        QCOMPARE(obrazek->size(), QSize(120, 30));
        QCOMPARE(obrazek->x(), w - 120 - 8);
        QCOMPARE(obrazek->y(), prvek(&okno, "lbA")->y()); // level with answer a)
        QCOMPARE(mA->width(), obrazek->x() - mA->x() - 8);
        QVERIFY(mA->pocetRadku() > 1);
        // b) starts below the low picture and takes the full width again.
        QVERIFY(obrazek->y() + obrazek->height() < mB->y());
        QCOMPARE(mB->width(), w - mB->x() - 8);
        QCOMPARE(mC->width(), w - mC->x() - 8);
        // Every box is tall enough for its wrapped text.
        for (TextovePole* pole : {prvek<TextovePole>(&okno, "mO"), mA, mB, mC}) {
            QCOMPARE(pole->height(), pole->pocetRadku() * 12 * 2);
            QVERIFY(pole->document()->size().height() <= pole->height());
        }

        cislo->setValue(4); // a tall picture: b) and c) stay beside it
        QCOMPARE(obrazek->size(), QSize(120, 400));
        QCOMPARE(mB->width(), mA->width());
        QCOMPARE(mC->width(), mA->width());
        QCOMPARE(prvek(&okno, "imgA")->y(), mA->y());
        QCOMPARE(prvek(&okno, "imgC")->y(), mC->y());
    }

    void chybejiciObrazek() {
        PracovniSlozka slozka;
        ZapisKatalog();
        ZapisZnacky();
        QFile::remove(QStringLiteral("grafika/obr2.png"));
        THlavniFormular okno;
        PrihlasProfil(okno);
        okno.show();
        okno.Prohletotzky1->trigger();
        prvek<QSpinBox>(&okno, "seCislo")->setValue(2);
        QVERIFY(!viditelny(&okno, "imgObrazek"));
        auto* mA = prvek<TextovePole>(&okno, "mA");
        QCOMPARE(mA->width(), prvek(&okno, "pOtazka")->width() - mA->x() - 8);
        QCOMPARE(mA->text(), QStringLiteral("Odpověď A na otázku 2."));
    }

    void konecRezimuARestart() {
        PracovniSlozka slozka;
        ZapisKatalog();
        ZapisZnacky();
        THlavniFormular okno;
        PrihlasProfil(okno);
        okno.show();
        okno.Prohletotzky1->trigger();
        const QPointer<QWidget> panel = prvek(&okno, "pOtazka");
        const QPointer<QMenuBar> druhe = okno.MainMenu2;
        prvek<QSpinBox>(&okno, "seCislo")->setValue(40);

        okno.Konec_rezimu1->trigger();
        QCOMPARE(okno.Stav(), THlavniFormular::StavMenu::Necinny);
        QCOMPARE(okno.menuWidget(), okno.MainMenu1);
        QVERIFY(okno.StatusBar->isVisibleTo(&okno));
        QVERIFY(!panel->isVisibleTo(&okno));
        QVERIFY(!prvek(&okno, "lbCislo"));
        QVERIFY(!prvek(&okno, "seCislo"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(druhe, "the browse menu bar must survive being swapped out");

        okno.Prohletotzky1->trigger();
        QCOMPARE(prvek(&okno, "pOtazka"), panel.data()); // the hidden panel is reused
        QVERIFY(panel->isVisibleTo(&okno));
        QCOMPARE(prvek<QLabel>(&okno, "lbCislo")->text().left(15),
                 QStringLiteral("Otázka číslo 1;"));
        QCOMPARE(prvek<QSpinBox>(&okno, "seCislo")->value(), 1);
        QCOMPARE(okno.findChildren<QSpinBox*>().size(), 1);

        // The status bar stays hidden after the mode when its menu item says so.
        okno.Konec_rezimu1->trigger();
        okno.Zobrazitstavovdek1->trigger();
        QVERIFY(!okno.StatusBar->isVisibleTo(&okno));
        okno.Prohletotzky1->trigger();
        okno.Konec_rezimu1->trigger();
        QVERIFY(!okno.StatusBar->isVisibleTo(&okno));
    }

    void klavesyMenu() {
        PracovniSlozka slozka;
        ZapisKatalog();
        ZapisZnacky();
        THlavniFormular okno;
        PrihlasProfil(okno);
        okno.show();
        QVERIFY(QTest::qWaitForWindowActive(&okno));
        // Alt+S opens "Start", O chooses "Prohlížet otázky".
        QTest::keyClick(&okno, Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_O);
        QTRY_COMPARE(okno.Stav(), THlavniFormular::StavMenu::Prohlizeni);
        QTest::keyClick(&okno, Qt::Key_K, Qt::AltModifier);
        QTRY_COMPARE(okno.Stav(), THlavniFormular::StavMenu::Necinny);
    }

    void chybnyKatalogNespustiRezim() {
        PracovniSlozka slozka;
        ZaznamZprav zpravy;
        THlavniFormular okno;
        PrihlasProfil(okno);
        okno.show();
        okno.Prohletotzky1->trigger(); // no otazky.xml at all
        QCOMPARE(zpravy.pocet(), 1);
        QCOMPARE(zpravy.posledniDruh(), zpravy::Druh::Chyba);
        QVERIFY(zpravy.posledni().contains(QStringLiteral("otazky.xml")));
        QCOMPARE(okno.Stav(), THlavniFormular::StavMenu::Necinny);
        QVERIFY(okno.StatusBar->isVisibleTo(&okno));
        QVERIFY(!prvek(&okno, "lbCislo"));

        PracovniSlozka::zapis(QStringLiteral("otazky.xml"), "<otazky><otazka/></otazky>");
        okno.Prohletotzky1->trigger();
        QVERIFY(zpravy.posledni().contains(QStringLiteral("jen 1 otázek")));
        QCOMPARE(okno.Stav(), THlavniFormular::StavMenu::Necinny);

        ZapisKatalog(); // once the file is right, browse starts
        ZapisZnacky();
        okno.Prohletotzky1->trigger();
        QCOMPARE(okno.Stav(), THlavniFormular::StavMenu::Prohlizeni);
    }

    void hintyAStavovyRadek() {
        THlavniFormular okno;
        PrihlasProfil(okno);
        okno.show();
        QCOMPARE(okno.windowTitle(), QStringLiteral("Kolomat"));
        QCOMPARE(okno.size(), QSize(865, 556));
        QCOMPARE(okno.Panely[0]->width(), 400);
        QCOMPARE(okno.Panely[1]->width(), 150);
        QCOMPARE(okno.Panely[2]->width(), 150);
        okno.Prohletotzky1->showStatusText(okno.MainMenu1);
        QCOMPARE(okno.Panely[0]->text(),
                 QStringLiteral("Spustí režim prohlížení všech 757 otázek (mimo vyřazených)"));
        QStatusTipEvent prazdny{QString()};
        QCoreApplication::sendEvent(&okno, &prazdny);
        QCOMPARE(okno.Panely[0]->text(), QStringLiteral("   Kolomat"));
        QCOMPARE(okno.Zvolenskupina1->text().left(18), QStringLiteral("Z&volená skupina: "));
        QCOMPARE(okno.findChild<QAction*>(QStringLiteral("Vsledkytestunabody1")),
                 okno.Vsledkytestunabody1);
        QCOMPARE(okno.Vsledkytestunabody1->text(), QStringLiteral("Výsledky &testu na body"));
    }

    void pismaAStavovyRadek() {
        // The layouts are made for the Windows fonts the windows name; the program stands
        // their metric-compatible counterparts in for them.
        const QStringList rodiny = QFontDatabase::families();
        if (!rodiny.contains(QStringLiteral("Liberation Sans")) &&
            !rodiny.contains(QStringLiteral("Arimo")))
            QSKIP("no metric-compatible font for Arial is installed (fonts-liberation2)");
        const QStringList sans{"MS Shell Dlg", "Liberation Sans", "Arimo"};
        const QStringList mono{"Courier New", "Liberation Mono", "Cousine"};
        QVERIFY2(sans.contains(QFontInfo(QFont(QStringLiteral("MS Shell Dlg"))).family()),
                 qPrintable(QFontInfo(QFont(QStringLiteral("MS Shell Dlg"))).family()));
        QVERIFY(sans.contains(QFontInfo(QFont(QStringLiteral("Arial"))).family()) ||
                QFontInfo(QFont(QStringLiteral("Arial"))).family() == u"Arial");
        if (rodiny.contains(QStringLiteral("Liberation Mono")) ||
            rodiny.contains(QStringLiteral("Cousine")))
            QVERIFY(mono.contains(QFontInfo(QFont(QStringLiteral("Courier New"))).family()));

        THlavniFormular okno;
        PrihlasProfil(okno);
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        QCOMPARE(QFontInfo(okno.font()).pixelSize(), 11);
        // Every panel of the status bar shows its whole text inside the window: the menu
        // hints in the first, the fixed text of the last one set smaller when it must be.
        const auto vejde = [](const QLabel* l) {
            const QFontMetrics m(l->font());
            // A framed label indents text that is not centred by half an "x".
            const int odsazeni =
                l->alignment() & Qt::AlignHCenter ? 0 : m.horizontalAdvance(u'x') / 2;
            return m.horizontalAdvance(l->text()) + odsazeni <= l->contentsRect().width();
        };
        for (const QLabel* panel : okno.Panely) {
            QVERIFY2(vejde(panel), qPrintable(panel->text()));
            QVERIFY(panel->mapTo(&okno, QPoint(panel->width(), 0)).x() <= okno.width());
        }
        QVERIFY(QFontInfo(okno.Panely[3]->font()).pixelSize() >= 9);
        int hintu = 0;
        for (QAction* polozka : okno.findChildren<QAction*>()) {
            if (polozka->statusTip().isEmpty())
                continue;
            polozka->showStatusText(okno.MainMenu1);
            QCOMPARE(okno.Panely[0]->text(), polozka->statusTip());
            QVERIFY2(vejde(okno.Panely[0]), qPrintable(polozka->statusTip()));
            ++hintu;
        }
        QVERIFY(hintu >= 20);
    }

    void vyjimkaNeprekrociSmycku() {
        // An error that escapes an event handler is shown and the program goes on.
        ZaznamZprav zpravy;
        struct Vadny : QObject {
            bool event(QEvent* e) override {
                if (e->type() == QEvent::User)
                    throw KolomatChyba(QStringLiteral("Pokusná chyba"));
                return QObject::event(e);
            }
        } vadny;
        QCoreApplication::postEvent(&vadny, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        QCOMPARE(zpravy.pocet(), 1);
        QCOMPARE(zpravy.posledni(), QStringLiteral("Pokusná chyba"));
    }
};

KOLOMAT_TEST_MAIN(TestProhlizeni)
#include "test_prohlizeni.moc"
