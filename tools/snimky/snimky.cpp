// A tour of the program's main screens for the pictures in docs/: the real windows on
// the shipped catalogue in a scratch working folder, driven as a user would drive them,
// each screen saved as a PNG of what the screen shows.
//
//   snimky <data folder> <output folder>
//
// Message boxes are answered (Yes/OK) without showing, as in the tests. Exits non-zero
// when a screen did not come up, an error box was due, or a picture could not be saved.
#include "app/kolomat_aplikace.h"
#include "app/main.h"
#include "core/XML_otazky.h"
#include "core/XML_protokoly.h"
#include "core/historie.h"
#include "core/pomocne_fce.h"
#include "pointtest/protokolT.h"
#include "pointtest/test.h"
#include "pointtest/vysledkyT.h"
#include "profiles/nastaveni.h"
#include "profiles/profil_new.h"
#include "profiles/profil_sprava.h"
#include "profiles/profil_trida.h"
#include "results/podrobnostiPZ.h"
#include "results/vysledkyPZ.h"
#include "stats/graf_vyvoje.h"
#include "stats/statistika_okno.h"
#include "tests/podpora/http_server.h"
#include "tests/podpora/prihlaseni.h"
#include "tests/podpora/protokol_testu.h"
#include "update/aktualizace.h"
#include "views/dotaz_procvic_zk.h"
#include "views/rezimy.h"
#include "views/textove_pole.h"
#include "widgets/zpravy.h"
#include "widgets/zvetseny_obrazek.h"

#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <cstdio>
#include <functional>
#include <random>

namespace {

QString vystup;
QStringList chyby;

void Chyba(const QString& text) {
    chyby << text;
    std::fprintf(stderr, "snimky: %s\n", qPrintable(text));
}

// Runs when a message box is due, before it is answered (empty: nothing).
std::function<void()> priZprave;

// Answers every box with Yes/OK; an error box means that a step of the tour failed.
bool Odpovez(zpravy::Druh druh, const QString& text) {
    std::printf("zpráva: %s\n", qPrintable(text));
    if (priZprave)
        priZprave();
    if (druh == zpravy::Druh::Chyba)
        Chyba(QStringLiteral("chybové hlášení: ") + text);
    return true;
}

// Lets the window lay itself out and paint before it is taken.
void Vykresli() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QTest::qWait(40);
    }
}

// Saves what the screen shows in the window's rectangle (so that an open menu is in the
// picture), or the window's own rendering where the screen cannot be read.
void Snimek(QWidget* okno, const QString& jmeno) {
    // An open menu stays above its window.
    if (!QApplication::activePopupWidget())
        okno->raise();
    Vykresli();
    const QRect r = okno->frameGeometry();
    QPixmap obraz;
    if (QScreen* obrazovka = okno->screen())
        obraz = obrazovka->grabWindow(0, r.x(), r.y(), r.width(), r.height());
    if (obraz.isNull() || obraz.size() != r.size())
        obraz = okno->grab();
    const QString soubor = QDir(vystup).filePath(jmeno + QStringLiteral(".png"));
    // Plain interface pictures: the strongest compression keeps them small.
    if (!obraz.save(soubor, "PNG", 0))
        Chyba(QStringLiteral("nelze uložit %1").arg(soubor));
    else
        std::printf("%s %dx%d\n", qPrintable(soubor), obraz.width(), obraz.height());
}

// The dialogs the tour waits for; each leaves the list when it has been taken.
QStringList ocekavane;

// Runs akce on the next modal dialog of class T, from inside its exec().
template <class T> void Na(const char* trida, std::function<void(T*)> akce) {
    const QString jmeno = QString::fromLatin1(trida);
    ocekavane << jmeno;
    NaDialog(trida, [akce, jmeno](QDialog* d) {
        ocekavane.removeOne(jmeno);
        akce(static_cast<T*>(d));
    });
}

// The slot (0..2) in which the practice view shows the correct answer of its question.
int SpravnySlot(THlavniFormular& okno, TOtazka& db) {
    static const QRegularExpression vzor(QStringLiteral("^Otázka číslo (\\d+)"));
    auto* hlavicka = okno.findChild<QLabel*>(QStringLiteral("lbCislo"));
    const auto shoda = vzor.match(hlavicka ? hlavicka->text() : QString());
    if (!shoda.hasMatch())
        return 0;
    db.Nacti(shoda.captured(1).toInt());
    const QString spravna = db.Spravne == u"A" ? db.A : db.Spravne == u"B" ? db.B : db.C;
    const char* pole[] = {"mA", "mB", "mC"};
    for (int i = 0; i < 3; ++i) {
        auto* box = okno.findChild<TextovePole*>(QString::fromLatin1(pole[i]));
        if (box && box->isVisible() && box->text() == spravna)
            return i;
    }
    return 0;
}

void OdpovezNaOtazku(THlavniFormular& okno, TOtazka& db, bool spravne) {
    const int slot = SpravnySlot(okno, db);
    const int volba = spravne ? slot : (slot + 1) % 2;
    QTest::keyClick(okno.btn, static_cast<Qt::Key>(Qt::Key_A + volba));
    QTest::keyClick(okno.btn, Qt::Key_Return);
}

// --- the screens ----------------------------------------------------------------------

void Prihlaseni(THlavniFormular& okno) {
    Na<TProfilSprava>("TProfilSprava", [](TProfilSprava* s) {
        Na<TProfilVytvor>("TProfilVytvor", [](TProfilVytvor* v) {
            v->eNazev->insert(QStringLiteral("Jana Nováková")); // keyClicks takes ASCII only
            Snimek(v, QStringLiteral("novy_profil"));
            v->btnOK->click();
        });
        s->btnVytvor->click();
        const auto nalezene =
            s->lbProfil->findItems(QStringLiteral("Jana Nováková"), Qt::MatchExactly);
        if (!nalezene.isEmpty())
            s->lbProfil->setCurrentItem(nalezene.first());
        Snimek(s, QStringLiteral("sprava_profilu"));
        s->btnVyber->click();
    });
    if (!okno.FormCreate())
        Chyba(QStringLiteral("přihlášení se nezdařilo"));
}

void HlavniOkno(THlavniFormular& okno) {
    okno.activateWindow();
    auto* start = okno.MainMenu1->findChild<QMenu*>(QStringLiteral("Start1"));
    if (!start) {
        Snimek(&okno, QStringLiteral("hlavni_okno"));
        return;
    }
    // The Start menu open under its title.
    const QRect titul = okno.MainMenu1->actionGeometry(start->menuAction());
    QTest::mouseClick(okno.MainMenu1, Qt::LeftButton, {}, titul.center());
    Vykresli();
    // The pointer on the last item: it is chosen and its hint is in the status bar.
    QTest::mouseMove(start, start->actionGeometry(okno.Testnabody1).center());
    start->setActiveAction(okno.Testnabody1);
    Snimek(&okno, QStringLiteral("hlavni_okno"));
    start->hide();
    Vykresli();
}

void Prohlizeni(THlavniFormular& okno) {
    okno.Prohletotzky1->trigger();
    if (okno.Stav() != THlavniFormular::StavMenu::Prohlizeni) {
        Chyba(QStringLiteral("prohlížení se nespustilo"));
        return;
    }
    // A junction situation: a picture beside the answers.
    if (QSpinBox* cislo = okno.AktualniProfil().Prohlizeni->VolbaCisla())
        cislo->setValue(559);
    Snimek(&okno, QStringLiteral("prohlizeni"));
    // A sign question marked with the key O for later practice.
    if (QSpinBox* cislo = okno.AktualniProfil().Prohlizeni->VolbaCisla()) {
        cislo->setValue(322);
        QTest::keyClick(cislo, Qt::Key_O);
    }
    Snimek(&okno, QStringLiteral("oznacena_otazka"));
    okno.Konec_rezimu1->trigger();

    // The same question in a 36-point font: the panel scrolls; then its picture enlarged.
    TProfil& profil = okno.AktualniProfil();
    const int velikost = profil.Pismo_velikost;
    profil.Pismo_velikost = 36;
    okno.Prohletotzky1->trigger();
    if (QSpinBox* cislo = profil.Prohlizeni->VolbaCisla())
        cislo->setValue(559);
    Snimek(&okno, QStringLiteral("prohlizeni_36"));
    Na<TZvetsenyObrazek>("TZvetsenyObrazek", [](TZvetsenyObrazek* z) {
        Snimek(z, QStringLiteral("zvetseny_obrazek"));
        QTest::keyClick(z, Qt::Key_Escape);
    });
    if (QSpinBox* cislo = profil.Prohlizeni->VolbaCisla())
        QTest::keyClick(cislo, Qt::Key_Z);
    okno.Konec_rezimu1->trigger();
    profil.Pismo_velikost = velikost;
}

void Procvicovani(THlavniFormular& okno) {
    TOtazka db;
    Na<TDotazProcvicovaniZkouseni>("TDotazProcvicovaniZkouseni", [](TDotazProcvicovaniZkouseni* d) {
        d->cbPocetOtazek->setValue(3);
        d->cbZacitOtazkou->setValue(326);
        Snimek(d, QStringLiteral("volba_otazek"));
        d->btnStart->click();
    });
    okno.Procviovatotzky1->trigger();
    TProcvicovani& view = *okno.AktualniProfil().Procvicovani;
    if (!view.JeAktivni()) {
        Chyba(QStringLiteral("procvičování se nespustilo"));
        return;
    }
    okno.activateWindow();
    // A wrong answer: the choice marked wrong, the correct one shown, the flash.
    OdpovezNaOtazku(okno, db, false);
    Snimek(&okno, QStringLiteral("procvicovani"));
    QTest::keyClick(okno.btn, Qt::Key_Return);
    OdpovezNaOtazku(okno, db, true);
    QTest::keyClick(okno.btn, Qt::Key_Return);
    OdpovezNaOtazku(okno, db, true);
    QTest::keyClick(okno.btn, Qt::Key_Return);
    // The first question comes back; right this time, and the run is over.
    Na<TPZVyhodnoceni>("TPZVyhodnoceni", [](TPZVyhodnoceni* v) {
        Snimek(v, QStringLiteral("vyhodnoceni"));
        v->accept();
    });
    OdpovezNaOtazku(okno, db, true);
    QTest::keyClick(okno.btn, Qt::Key_Return);
    if (view.JeAktivni()) {
        Chyba(QStringLiteral("procvičování neskončilo"));
        okno.Konecreimu1->trigger();
    }
}

void VysledkyProcvicovani(THlavniFormular& okno) {
    Na<TPZVysledky>("TPZVysledky", [](TPZVysledky* v) {
        Snimek(v, QStringLiteral("vysledky_procvicovani"));
        Na<TPZPodrobnosti>("TPZPodrobnosti", [](TPZPodrobnosti* p) {
            Snimek(p, QStringLiteral("podrobnosti"));
            p->accept();
        });
        v->btnPodrobnosti->click();
        v->accept();
    });
    okno.Procviovn1->trigger();
}

void TestNaBody(THlavniFormular& okno) {
    Na<TTestForm>("TTestForm", [](TTestForm* t) {
        TOtazka db;
        // Right everywhere but two positions, one of them left out.
        for (int p = 1; p <= 25; ++p) {
            db.Nacti(t->Test()[p].SkutCislo);
            QChar pismeno = db.Spravne.isEmpty() ? u'A' : db.Spravne[0];
            if (p == 7)
                pismeno = pismeno == u'A' ? u'B' : u'A';
            if (p != 12)
                QTest::keyClick(t->mO, pismeno.toLower().toLatin1());
            // A learner's pace: half a minute a question (the countdown ticked by hand).
            for (int i = 0; i < 30; ++i)
                t->Timer1Timer();
            if (p == 18)
                Snimek(t, QStringLiteral("test_na_body"));
            if (p < 25)
                t->btnNasledujici->click();
        }
        t->btnVyhodnotit->click();
        for (int p = 1; p < 7; ++p)
            t->btnNasledujici->click();
        Snimek(t, QStringLiteral("test_revize"));
        t->btnUkoncit->click();
    });
    okno.Testnabody1->trigger();
}

void Protokol(THlavniFormular& okno) {
    Na<TTVysledky>("TTVysledky", [](TTVysledky* v) {
        Snimek(v, QStringLiteral("vysledky_testu"));
        Na<TTProtokol>("TTProtokol", [](TTProtokol* p) {
            Snimek(p, QStringLiteral("protokol"));
            p->accept();
        });
        v->btnProtokol->click();
        v->accept();
    });
    okno.Vsledkytestunabody1->trigger();
}

// The questions missed in practice and in the test, practised from the Start menu.
void ProcvicovaniChybnych(THlavniFormular& okno) {
    okno.ProcvicovatChybne1->trigger();
    if (!okno.AktualniProfil().Procvicovani->JeAktivni()) {
        Chyba(QStringLiteral("procvičování chybných otázek se nespustilo"));
        return;
    }
    Snimek(&okno, QStringLiteral("procvicovani_chybnych"));
    okno.Konecreimu1->trigger();
}

// Two weeks of a learner who practises daily and gets better, and five earlier tests,
// so that the statistics and the chart have something to show.
void HistorieUceni(THlavniFormular& okno) {
    const QString profil = okno.AktualniProfil().Nazev;
    std::mt19937 nahoda(20261208);
    std::uniform_int_distribution<int> otazka(1, 802);
    std::uniform_real_distribution<double> u(0, 1);
    TOtazka db;
    std::vector<ZaznamOdpovedi> odpovedi;
    const QDateTime zacatek = QDateTime::currentDateTime().addDays(-15);
    for (int den = 0; den < 14; ++den) {
        const double uroven = 0.6 + 0.025 * den;
        for (int i = 0; i < 60; ++i) {
            const int cislo = otazka(nahoda);
            if (db.Nacti(cislo) < 0)
                continue;
            // Signs and situations come harder to this learner.
            const double p = uroven - (cislo >= 309 && cislo <= 451 ? 0.2 : 0) -
                             (cislo >= 553 && cislo <= 612 ? 0.15 : 0);
            const bool spravne = u(nahoda) < p;
            odpovedi.push_back({profil, zacatek.addDays(den).addSecs(60 * i), kRezimProcvicovani,
                                cislo, db.Kod, spravne ? db.Spravne : QStringLiteral("X"), spravne,
                                false});
        }
    }
    const QString chyba = okno.AktualniProfil().Historie.Zapsat(odpovedi);
    if (!chyba.isEmpty())
        Chyba(chyba);
    const int body[] = {31, 36, 35, 41, 44};
    for (int i = 0; i < 5; ++i)
        PridatProtokol(ProtokolSBody(profil, zacatek.addDays(3 * i + 1), body[i]));
}

void Statistika(THlavniFormular& okno) {
    Na<TStatistika>("TStatistika", [](TStatistika* s) {
        Snimek(s, QStringLiteral("statistika"));
        Na<TGrafVyvoje>("TGrafVyvoje", [](TGrafVyvoje* g) {
            Snimek(g, QStringLiteral("graf_vyvoje"));
            g->tabGrafy->setCurrentIndex(1);
            Snimek(g, QStringLiteral("graf_uspesnosti"));
            g->accept();
        });
        s->btnGraf->click();
        s->accept();
    });
    okno.StatistikaUceni1->trigger();
}

void Nastaveni(THlavniFormular& okno) {
    Na<TSetup>("TSetup", [](TSetup* s) {
        Snimek(s, QStringLiteral("nastaveni"));
        s->btnStorno->click();
    });
    okno.Nastaven1->trigger();
}

// The update from a server on this machine that holds a newer copy of the catalogue;
// the picture is taken when the window reports the result, its figures still showing.
void Aktualizace(THlavniFormular& okno) {
    QTemporaryDir koren;
    const QString slozka = koren.filePath(QStringLiteral("kolomat/files"));
    QDir().mkpath(slozka);
    const QString kopie = slozka + QStringLiteral("/otazky.xml");
    QFile::copy(QStringLiteral("otazky.xml"), kopie);
    NastavCasSouboru(QStringLiteral("otazky.xml"), QDateTime::currentDateTime().addDays(-30));
    NastavCasSouboru(kopie, QDateTime::currentDateTime().addDays(-1));
    HttpServerPython server(koren.path());
    if (!server.bezi()) {
        Chyba(QStringLiteral("server pro aktualizaci se nespustil (python3)"));
        return;
    }
    okno.ServerAktualizace = server.adresa();
    bool sejmuto = false;
    priZprave = [&] {
        if (okno.Aktualizace && !sejmuto) {
            sejmuto = true;
            Snimek(okno.Aktualizace, QStringLiteral("aktualizace"));
        }
    };
    okno.Provstaktualizaci1->trigger();
    for (int i = 0; i < 600 && okno.Aktualizace; ++i)
        QTest::qWait(50);
    priZprave = {};
    if (!sejmuto)
        Chyba(QStringLiteral("okno aktualizace neohlásilo konec"));
}

} // namespace

int main(int argc, char** argv) {
    KolomatAplikace aplikace(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "použití: snimky <složka data> <výstupní složka>\n");
        return 2;
    }
    const QString data = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    vystup = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    QDir().mkpath(vystup);

    QTemporaryDir pracovni;
    if (!pracovni.isValid() || !QFile::copy(data + QStringLiteral("/otazky.xml"),
                                            pracovni.filePath(QStringLiteral("otazky.xml")))) {
        std::fprintf(stderr, "snimky: katalog %s/otazky.xml nelze zkopírovat\n", qPrintable(data));
        return 1;
    }
    // The pictures, file by file (QFile copies no folders).
    const QDir zdroj(data + QStringLiteral("/grafika"));
    QDirIterator obrazky(zdroj.path(), QDir::Files, QDirIterator::Subdirectories);
    while (obrazky.hasNext()) {
        const QString soubor = obrazky.next();
        const QString cil =
            pracovni.filePath(QStringLiteral("grafika/") + zdroj.relativeFilePath(soubor));
        QDir().mkpath(QFileInfo(cil).path());
        QFile::copy(soubor, cil);
    }
    QDir::setCurrent(pracovni.path());
    // The same test and the same shuffles on every run.
    nahoda::NastavHodiny([n = 20260u]() mutable { return n += 7919; });

    zpravy::nastavOdpovidac(Odpovez);
    {
        THlavniFormular okno;
        Prihlaseni(okno);
        if (okno.isVisible()) {
            HlavniOkno(okno);
            Prohlizeni(okno);
            Procvicovani(okno);
            VysledkyProcvicovani(okno);
            TestNaBody(okno);
            Protokol(okno);
            ProcvicovaniChybnych(okno);
            HistorieUceni(okno);
            Statistika(okno);
            Nastaveni(okno);
            Aktualizace(okno);
        }
        okno.close();
    }
    zpravy::nastavOdpovidac({});
    for (const QString& trida : ocekavane)
        Chyba(QStringLiteral("okno %1 se neobjevilo").arg(trida));
    QDir::setCurrent(QDir::rootPath());
    if (!chyby.isEmpty())
        return 1;
    return 0;
}
