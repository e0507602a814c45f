// Usable at every font size and by keyboard alone: a question with a picture can be read
// and answered at 10 to 48 points in browse, practice, exam and the point test; the
// picture opens enlarged; the options dialog and the profile manager work by keys; every
// window's focus chain follows its visual order and names every control.
#include "app/about.h"
#include "app/history.h"
#include "core/XML_protokoly.h"
#include "core/XML_vysledky.h"
#include "pointtest/protokolT.h"
#include "pointtest/test.h"
#include "pointtest/vysledkyT.h"
#include "profiles/dotaz_heslo.h"
#include "profiles/dotaz_zmena_hesla.h"
#include "profiles/nastaveni.h"
#include "profiles/profil_new.h"
#include "profiles/profil_sprava.h"
#include "results/podrobnostiPZ.h"
#include "results/vysledkyPZ.h"
#include "stats/graf_vyvoje.h"
#include "stats/statistika_okno.h"
#include "tests/beh_podpora.h"
#include "tests/podpora/pracovni_slozka.h"
#include "tests/podpora/prihlaseni.h"
#include "tests/podpora/testovaci_main.h"
#include "tests/podpora/zaznam_zprav.h"
#include "views/vyhodnoceniPZ.h"
#include "widgets/zvetseny_obrazek.h"

#include <QAccessible>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>

namespace {

// A catalogue whose question 4 and every question of 1..308 in the point test's first
// section carry a 280 × 280 picture and long texts.
void KatalogSObrazky() {
    NastaveniKatalogu n;
    const QString dlouha = QStringLiteral("Řidič, který se blíží ke křižovatce, musí dát přednost "
                                          "v jízdě vozidlům přijíždějícím zprava, pokud dopravní "
                                          "značka nestanoví jinak. ");
    for (int c = 1; c <= 308; ++c) {
        n.obrazky[c] = QSize(280, 280);
        n.textyOtazek[c] = dlouha + QStringLiteral("Otázka číslo %1 katalogu?").arg(c);
        n.textyOdpovedi[c] = dlouha + QStringLiteral("Odpověď A na otázku %1.").arg(c);
    }
    ZapisKatalog(QStringLiteral("otazky.xml"), n);
    ZapisZnacky();
}

// Scrolls the area to the widget and says whether it is then inside the visible part
// (its top part at least, for a widget taller than the area).
bool VidetPoPosunu(QScrollArea* posuv, QWidget* w) {
    // By the widget's whole rectangle (a text box would only have its cursor shown); a
    // widget taller than the area from its top.
    const QRect vPanelu(w->mapTo(posuv->widget(), QPoint()), w->size());
    if (vPanelu.height() >= posuv->viewport()->height())
        posuv->verticalScrollBar()->setValue(vPanelu.top());
    else
        posuv->ensureVisible(vPanelu.center().x(), vPanelu.center().y(), vPanelu.width() / 2 + 2,
                             vPanelu.height() / 2 + 2);
    QCoreApplication::processEvents();
    const QRect viditelne = posuv->viewport()->rect();
    const QRect misto(w->mapTo(posuv->viewport(), QPoint()), w->size());
    if (misto.height() > viditelne.height())
        return viditelne.contains(misto.topLeft()) && viditelne.contains(misto.topRight());
    return viditelne.contains(misto);
}

// The shown widgets among these overlap nowhere.
QString Prekryti(const std::vector<QWidget*>& prvky) {
    for (size_t i = 0; i < prvky.size(); ++i)
        for (size_t j = i + 1; j < prvky.size(); ++j) {
            QWidget* a = prvky[i];
            QWidget* b = prvky[j];
            if (!a || !b || a->isHidden() || b->isHidden())
                continue;
            const QRect ra(a->mapTo(a->window(), QPoint()), a->size());
            const QRect rb(b->mapTo(b->window(), QPoint()), b->size());
            if (ra.intersects(rb))
                return a->objectName() + QStringLiteral(" × ") + b->objectName();
        }
    return {};
}

std::vector<QWidget*> PrvkyOtazky(QWidget* okno) {
    std::vector<QWidget*> prvky;
    for (const char* jmeno : {"lbCislo", "mO", "mA", "mB", "mC", "imgObrazek", "pNaPrani"})
        prvky.push_back(prvek(okno, jmeno));
    return prvky;
}

QString NazevProCtecku(QWidget* w) {
    QAccessibleInterface* rozhrani = QAccessible::queryAccessibleInterface(w);
    return rozhrani ? rozhrani->text(QAccessible::Name) : QString();
}

// The controls that Tab reaches, in Tab's order from the window's first one.
QList<QWidget*> RetezecFokusu(QWidget* okno) {
    QList<QWidget*> retezec;
    QWidget* w = okno;
    for (int i = 0; i < 500; ++i) {
        w = w->nextInFocusChain();
        if (w == okno)
            break;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(okno) && w->isEnabled() &&
            w->window() == okno && !w->focusProxy())
            retezec << w;
    }
    return retezec;
}

// Every control of the focus chain has a name for a screen reader, and the chain never
// goes back up in the same column.
void OverRetezec(QWidget* okno) {
    okno->show();
    QCoreApplication::processEvents();
    const QList<QWidget*> retezec = RetezecFokusu(okno);
    QVERIFY2(!retezec.isEmpty(), qPrintable(okno->objectName()));
    for (int i = 0; i < retezec.size(); ++i) {
        QWidget* w = retezec[i];
        QVERIFY2(!NazevProCtecku(w).trimmed().isEmpty(),
                 qPrintable(okno->objectName() + u'/' + w->objectName() + u' ' +
                            QString::fromLatin1(w->metaObject()->className())));
        if (i == 0)
            continue;
        QWidget* pred = retezec[i - 1];
        const QRect a(pred->mapTo(okno, QPoint()), pred->size());
        const QRect b(w->mapTo(okno, QPoint()), w->size());
        const bool zpetNahoru = b.bottom() < a.top() && b.left() <= a.right();
        QVERIFY2(!zpetNahoru, qPrintable(okno->objectName() + u'/' + pred->objectName() +
                                         QStringLiteral(" → ") + w->objectName()));
    }
}

} // namespace

class TestPristupnost : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { nahoda::NastavHodiny({}); }

    void velkePismo_data() {
        QTest::addColumn<int>("velikost");
        QTest::addColumn<QString>("rezim");
        for (int velikost : {10, 24, 36, 48})
            for (const char* rezim : {"prohlizeni", "procvicovani", "zkouseni"})
                QTest::addRow("%d %s", velikost, rezim) << velikost << QString::fromLatin1(rezim);
    }
    // At every size the question, each answer and the picture can be scrolled to and
    // overlap nowhere, and an answer can be chosen once scrolled to.
    void velkePismo() {
        QFETCH(int, velikost);
        QFETCH(QString, rezim);
        PracovniSlozka slozka;
        KatalogSObrazky();
        ZaznamZprav zpravy;
        OknoTestu okno;
        okno.show();
        PrihlasProfil(okno);
        okno.AktualniProfil().Pismo_velikost = velikost;
        okno.nastaveni.Nazev = QStringLiteral("Jan");
        okno.nastaveni.Protokoly = QStringLiteral("000");
        TView* view = nullptr;
        if (rezim == u"prohlizeni") {
            okno.Prohletotzky1->trigger();
            view = okno.AktualniProfil().Prohlizeni.get();
            okno.AktualniProfil().Prohlizeni->VolbaCisla()->setValue(4);
        } else {
            // A run of the one question 4.
            Spust(rezim == u"zkouseni" ? okno.Zkouetotzky1 : okno.Procviovatotzky1,
                  [](TDotazProcvicovaniZkouseni& d) {
                      d.cbZacitOtazkou->setValue(4);
                      d.cbPocetOtazek->setValue(1);
                  });
            view = rezim == u"zkouseni"
                       ? static_cast<TView*>(okno.AktualniProfil().Zkouseni.get())
                       : static_cast<TView*>(okno.AktualniProfil().Procvicovani.get());
        }
        QCOMPARE(CisloOtazky(&okno), 4);
        QVERIFY(prvek(&okno, "imgObrazek")->isVisibleTo(&okno));
        const QString prekryti = Prekryti(PrvkyOtazky(&okno));
        QVERIFY2(prekryti.isEmpty(), qPrintable(prekryti));
        QScrollArea* posuv = view->PosuvOtazky();
        // The fixed layout, without a scroll bar, while everything fits.
        if (velikost == 10)
            QCOMPARE(view->PanelOtazky()->height(), posuv->viewport()->height());
        for (const char* jmeno : {"mO", "imgObrazek", "mA", "mB", "mC"})
            QVERIFY2(VidetPoPosunu(posuv, prvek(&okno, jmeno)), jmeno);
        if (rezim == u"prohlizeni") {
            QVERIFY(VidetPoPosunu(posuv, prvek(&okno, "pNaPrani")));
            okno.Konec_rezimu1->trigger();
            return;
        }
        // Scrolled to the last answer, a click chooses it and Enter confirms it.
        VidetPoPosunu(posuv, prvek(&okno, "mC"));
        QTest::mouseClick(prvek<TextovePole>(&okno, "mC")->viewport(), Qt::LeftButton, {},
                          QPoint(5, 5));
        QVERIFY(prvek(&okno, "imgC")->isVisibleTo(&okno));
        NaOkno<TPZVyhodnoceni>({});
        QTest::keyClick(okno.btn, Qt::Key_Return);
        QVERIFY(!prvek(&okno, "imgC")->isHidden() || rezim == u"zkouseni");
        okno.Konecreimu1->trigger();
    }

    void velkePismoBodovyTest_data() {
        QTest::addColumn<int>("velikost");
        for (int velikost : {10, 24, 36, 48})
            QTest::addRow("%d", velikost) << velikost;
    }
    void velkePismoBodovyTest() {
        QFETCH(int, velikost);
        PracovniSlozka slozka;
        KatalogSObrazky();
        ZaznamZprav zpravy;
        TInfo info;
        info.Nazev = QStringLiteral("Jana");
        info.Protokoly = QStringLiteral("000");
        info.Pismo_velikost = velikost;
        TTestForm okno(nullptr, info);
        okno.FormCreate();
        okno.show();
        QVERIFY(okno.img->isVisibleTo(&okno));
        const QString prekryti =
            Prekryti({okno.mO, okno.img, okno.pA, okno.pB, okno.pC, okno.mA, okno.mB, okno.mC});
        QVERIFY2(prekryti.isEmpty(), qPrintable(prekryti));
        if (velikost == 10)
            QCOMPARE(okno.pObsah->height(), okno.skOtazka->viewport()->height());
        for (QWidget* w :
             std::initializer_list<QWidget*>{okno.mO, okno.img, okno.mA, okno.mB, okno.mC, okno.pC})
            QVERIFY2(VidetPoPosunu(okno.skOtazka, w), qPrintable(w->objectName()));
        // Each field shows its whole text, without a scroll bar of its own.
        for (QTextEdit* pole : {okno.mO, okno.mA, okno.mB, okno.mC})
            QVERIFY2(!pole->verticalScrollBar()->isVisible(), qPrintable(pole->objectName()));
        QTest::mouseClick(okno.pC, Qt::LeftButton);
        QCOMPARE(okno.Test()[1].Odpoved, QStringLiteral("C"));
    }

    // A click on the picture or the key Z shows it twice the size, from its @2x file;
    // Escape closes it and the run goes on.
    void zvetsenyObrazek() {
        PracovniSlozka slozka;
        KatalogSObrazky();
        QImage ostry(560, 560, QImage::Format_RGB32);
        ostry.fill(Qt::magenta);
        QVERIFY(ostry.save(QStringLiteral("grafika/obr4@2x.png")));
        ZaznamZprav zpravy;
        OknoTestu okno;
        okno.show();
        PrihlasProfil(okno);
        okno.Prohletotzky1->trigger();
        okno.AktualniProfil().Prohlizeni->VolbaCisla()->setValue(4);

        int videno = 0;
        const auto zkontroluj = [&](TZvetsenyObrazek& z) {
            ++videno;
            const QImage obraz = z.imgObrazek->pixmap().toImage();
            QCOMPARE(obraz.size(), QSize(560, 560));
            QCOMPARE(obraz.pixelColor(10, 10), QColor(Qt::magenta));
            QTest::keyClick(&z, Qt::Key_Escape);
            QVERIFY(!z.isVisible());
        };
        NaOkno<TZvetsenyObrazek>(zkontroluj);
        QTest::mouseClick(prvek(&okno, "imgObrazek"), Qt::LeftButton);
        QCOMPARE(videno, 1);
        NaOkno<TZvetsenyObrazek>(zkontroluj);
        QTest::keyClick(okno.AktualniProfil().Prohlizeni->VolbaCisla(), Qt::Key_Z);
        QCOMPARE(videno, 2);
        QCOMPARE(okno.AktualniProfil().Prohlizeni->VolbaCisla()->value(), 4);
        okno.Konec_rezimu1->trigger();

        // In the point test the countdown runs on behind it.
        TInfo info;
        info.Nazev = QStringLiteral("Jana");
        info.Protokoly = QStringLiteral("000");
        TTestForm test(nullptr, info);
        test.FormCreate();
        test.show();
        QVERIFY(test.img->isVisibleTo(&test));
        NaOkno<TZvetsenyObrazek>([&](TZvetsenyObrazek& z) {
            ++videno;
            QVERIFY(test.Timer1->isActive());
            QCOMPARE(z.imgObrazek->pixmap().size(), QSize(560, 560)); // scaled up, no @2x
            QTest::keyClick(&z, Qt::Key_Escape);
        });
        QTest::keyClick(test.btnNasledujici, Qt::Key_Z);
        QCOMPARE(videno, 3);
        QVERIFY(test.Bezi());
        QVERIFY(test.Timer1->isActive());
    }

    // The options dialog by keyboard alone: Tab reaches both bars and the button, the
    // bars move by the arrows, Page Up/Down, Home and End, and stay coupled.
    void dotazKlavesnici() {
        PracovniSlozka slozka;
        ZapisKatalog();
        std::vector<TVybranaOtazka> vybrane;
        TDotazProcvicovaniZkouseni d(nullptr, QStringLiteral("1111111"), true, vybrane);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(QApplication::focusWidget(), d.cbPocetOtazek);
        QVERIFY(d.frFokus->isVisible());
        QCOMPARE(d.cbPocetOtazek->value(), 20);
        QTest::keyClick(d.cbPocetOtazek, Qt::Key_Right);
        QCOMPARE(d.cbPocetOtazek->value(), 21);
        QTest::keyClick(d.cbPocetOtazek, Qt::Key_PageUp);
        QCOMPARE(d.cbPocetOtazek->value(), 31);
        QTest::keyClick(d.cbPocetOtazek, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), d.cbZacitOtazkou);
        QCOMPARE(d.frFokus->geometry(), d.cbZacitOtazkou->geometry().adjusted(-3, -3, 3, 3));
        // The last start leaves room for one question only.
        QTest::keyClick(d.cbZacitOtazkou, Qt::Key_End);
        QCOMPARE(d.cbZacitOtazkou->value(), d.cbZacitOtazkou->maximum());
        QCOMPARE(d.cbPocetOtazek->value(), 1);
        QTest::keyClick(d.cbZacitOtazkou, Qt::Key_Home);
        QCOMPARE(d.cbZacitOtazkou->value(), 1);
        QTest::keyClick(d.cbZacitOtazkou, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), d.btnStart);
        QVERIFY(!d.frFokus->isVisible());
        QTest::keyClick(d.btnStart, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), d.cbZacitOtazkou);
        QTest::keyClick(d.cbZacitOtazkou, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), d.cbPocetOtazek);
        QTest::keyClick(d.cbPocetOtazek, Qt::Key_End);
        QTest::keyClick(d.cbPocetOtazek, Qt::Key_Tab);
        QTest::keyClick(d.cbZacitOtazkou, Qt::Key_Tab);
        QTest::keyClick(d.btnStart, Qt::Key_Space);
        QCOMPARE(static_cast<int>(vybrane.size()), d.cbPocetOtazek->maximum());
    }

    // The profile manager by keyboard alone: with one name, Down chooses it and Enter
    // logs in.
    void spravceProfiluKlavesnici_data() {
        QTest::addColumn<int>("klavesa");
        for (Qt::Key k : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End})
            QTest::addRow("%d", int(k)) << int(k);
    }
    void spravceProfiluKlavesnici() {
        QFETCH(int, klavesa);
        PracovniSlozka slozka;
        ZaznamZprav zpravy;
        THlavniFormular hlavni;
        PrihlasProfil(hlavni, QStringLiteral("Eva"));
        TProfilSprava s(nullptr, hlavni.AktualniProfil());
        s.show();
        QVERIFY(QTest::qWaitForWindowActive(&s));
        QCOMPARE(QApplication::focusWidget(), s.lbProfil);
        QVERIFY(s.lbProfil->selectedItems().isEmpty());
        QVERIFY(!s.btnVyber->isEnabled());
        QTest::keyClick(s.lbProfil, static_cast<Qt::Key>(klavesa));
        QCOMPARE(s.lbProfil->selectedItems().size(), 1);
        QVERIFY(s.btnVyber->isEnabled());
        QVERIFY(s.btnSmaz->isEnabled());
        QTest::keyClick(s.lbProfil, Qt::Key_Return);
        QCOMPARE(s.result(), int(QDialog::Accepted));
        QCOMPARE(hlavni.AktualniProfil().Nazev, QStringLiteral("Eva"));
    }

    // Tab walks every window in its visual order, and every control it reaches has a
    // name for a screen reader.
    void retezecFokusu() {
        PracovniSlozka slozka;
        KatalogSObrazky();
        ZaznamZprav zpravy;
        THlavniFormular hlavni;
        PrihlasProfil(hlavni, QStringLiteral("Eva"));
        TProfil& profil = hlavni.AktualniProfil();
        QString heslo, nazev;
        std::vector<TVybranaOtazka> vybrane;
        {
            TProfilSprava s(nullptr, profil);
            OverRetezec(&s);
            TProfilVytvor v(nullptr, {}, nazev, heslo);
            OverRetezec(&v);
            TDotazHeslo h(nullptr, heslo);
            OverRetezec(&h);
            TDotazZmenaHesla z(nullptr, profil);
            OverRetezec(&z);
            TSetup n(nullptr, profil);
            OverRetezec(&n);
            TDotazProcvicovaniZkouseni d(nullptr, QStringLiteral("1111111"), true, vybrane);
            OverRetezec(&d);
            TPZVyhodnoceni e(nullptr);
            e.Vypln({});
            OverRetezec(&e);
            TOProgramu o(nullptr);
            OverRetezec(&o);
            THistorie i(nullptr);
            OverRetezec(&i);
            TZvetsenyObrazek zv(nullptr, QStringLiteral("grafika/obr4.png"));
            OverRetezec(&zv);
        }
        TVysledek v;
        v.TypTestu = kTypProcvicovani;
        v.Profil = QStringLiteral("Eva");
        v.Datum = QDate(2026, 12, 5);
        v.Cas = QTime(10, 0);
        v.Skupina = QStringLiteral("B");
        v.Kategorie = QStringLiteral("1111111");
        v.PocetOtazek = 3;
        v.Spatne = 1;
        v.SpatneCisla = QStringLiteral("4");
        PridatVysledek(v);
        {
            TPZVysledky seznam(nullptr, QStringLiteral("Eva"), kVysledkyProcvicovani);
            OverRetezec(&seznam);
            TPZPodrobnosti podrobnosti(nullptr, seznam.Zaznamy()[0], kVysledkyProcvicovani);
            OverRetezec(&podrobnosti);
        }
        TInfo info;
        info.Nazev = QStringLiteral("Eva");
        {
            TTestForm test(nullptr, info);
            test.FormCreate();
            OverRetezec(&test);
            test.btnVyhodnotit->click();
        }
        TTVysledky testy(nullptr, QStringLiteral("Eva"));
        testy.FormCreate();
        OverRetezec(&testy);
        TTProtokol protokol(nullptr, testy.Zaznamy()[0]);
        protokol.FormCreate();
        OverRetezec(&protokol);
        QCOMPARE(profil.Historie.Otevrit(), QString());
        info.Historie = &profil.Historie;
        TStatistika statistika(nullptr, info);
        statistika.FormCreate();
        OverRetezec(&statistika);
        TGrafVyvoje graf(nullptr, BodyTestuProfilu(testy.Zaznamy()),
                         profil.Historie.UspesnostPoDnech(info.Nazev));
        OverRetezec(&graf);
    }

    // The controls of a question that show no text of their own have names.
    void nazvyOtazky() {
        PracovniSlozka slozka;
        KatalogSObrazky();
        ZaznamZprav zpravy;
        OknoTestu okno;
        okno.show();
        PrihlasProfil(okno);
        okno.nastaveni.Nazev = QStringLiteral("Jan");
        okno.nastaveni.Protokoly = QStringLiteral("000");
        Spust(okno.Procviovatotzky1);
        for (const char* jmeno : {"mO", "mA", "mB", "mC", "imgA", "imgB", "imgC", "imgObrazek",
                                  "imgInfo", "imgSpatnaInfo", "imgIgnorInfo"}) {
            QWidget* w = prvek(&okno, jmeno);
            QVERIFY2(w && !w->accessibleName().isEmpty(), jmeno);
        }
        okno.Konecreimu1->trigger();
    }
};

KOLOMAT_TEST_MAIN(TestPristupnost)
#include "test_pristupnost.moc"
