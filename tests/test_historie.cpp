// Learning from mistakes through the real windows: every confirmed answer of practice,
// exam and the point test lands in the history; the wrong ones are practised from the
// details window, the protocol window and the Start menu; questions are marked in
// browse and practice and practised; a history that cannot be written is told once.
#include "core/XML_protokoly.h"
#include "core/XML_vysledky.h"
#include "core/historie.h"
#include "pointtest/protokolT.h"
#include "pointtest/test.h"
#include "pointtest/vysledkyT.h"
#include "results/podrobnostiPZ.h"
#include "results/vysledkyPZ.h"
#include "tests/beh_podpora.h"
#include "tests/podpora/pracovni_slozka.h"
#include "tests/podpora/testovaci_main.h"
#include "tests/podpora/zaznam_zprav.h"

#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>

namespace {

const QString kJana = QStringLiteral("Jana");

// The main window of Jana (group B).
struct Okno : OknoSHistorii {
    Okno() : OknoSHistorii(kJana) {}
};

struct Radek {
    QString rezim;
    int cislo;
    bool spravne;
    bool napoveda;
    bool operator==(const Radek&) const = default;
};
QList<Radek> radky(const HistorieOdpovedi& h) {
    QList<Radek> r;
    for (const ZaznamOdpovedi& z : h.ZaznamyProfilu(kJana))
        r.append({z.Rezim, z.Cislo, z.Spravne, z.Napoveda});
    return r;
}

// A stored run of Jana with these wrong questions.
void ulozBeh(const QString& spatne) {
    TVysledek v;
    v.TypTestu = kTypProcvicovani;
    v.Profil = kJana;
    v.Datum = QDate(2026, 12, 1);
    v.Cas = QTime(10, 0);
    v.Skupina = QStringLiteral("B");
    v.Kategorie = QStringLiteral("1111111");
    v.PocetOtazek = 20;
    v.Spatne = static_cast<int>(spatne.count(u',') + (spatne.isEmpty() ? 0 : 1));
    v.SpatneCisla = spatne;
    v.Uspesnost = 80;
    PridatVysledek(v);
}

// A stored test of Jana asking 101..125, wrong at positions 2 and 9, 20 not answered.
void ulozTest() {
    QStringList cisla, odpovedi, spravne;
    for (int p = 1; p <= kPolozekSeznamu; ++p) {
        cisla << QString::number(100 + p);
        spravne << QStringLiteral("A");
        odpovedi << (p == 2 || p == 9 ? QStringLiteral("B") : p == 20 ? QString() : "A");
    }
    TProtokol t;
    t.Profil = kJana;
    t.DatumACas = QDateTime(QDate(2026, 12, 1), QTime(11, 0));
    t.Skupina = QStringLiteral("B");
    t.DelkaTestu = QStringLiteral("10:00");
    t.Spravne = 22;
    t.PocetBodu = 44;
    t.Verdikt = QStringLiteral("Prošel");
    t.Body = SpojSeznam(QStringList(kPolozekSeznamu, QStringLiteral("2")));
    t.Odpoved = SpojSeznam(odpovedi);
    t.SpravnaOdpoved = SpojSeznam(spravne);
    t.SkutCis = SpojSeznam(cisla);
    PridatProtokol(t);
}

void vyberPrvniRadek(QTableView* tabulka) {
    tabulka->setCurrentIndex(tabulka->model()->index(0, 0));
}

} // namespace

class TestHistorie : public QObject {
    Q_OBJECT
private slots:
    void init() {
        nahoda::NastavHodiny([n = 1000u]() mutable { return n += 7919; });
    }
    void cleanup() { nahoda::NastavHodiny({}); }

    // Practice, exam and the point test each log their answers; "Procvičovat chybné
    // otázky" then practises exactly the questions still missed, the latest first.
    void odpovediZeVsechRezimu() {
        PracovniSlozka slozka;
        ZapisKatalog();
        ZapisBarevneZnacky();
        ZaznamZprav zpravy;
        Okno okno;
        QCOMPARE(okno.historie().Otevrit(), QString());

        // Practice of 1 and 2: 1 wrong, 2 right, 1 with the hint, 1 right.
        Spust(okno.Procviovatotzky1, Pocet(2));
        QCOMPARE(CisloOtazky(&okno), 1);
        const QChar spatny = SpatnySlot(&okno);
        Odpovez(okno, false);
        // The letters stored are the catalogue's, whatever slot the shuffle gave them.
        const QString zvolenoSpatne = okno.historie().ZaznamyProfilu(kJana).back().Zvoleno;
        QCOMPARE(zvolenoSpatne.size(), 1);
        QVERIFY(zvolenoSpatne != SpravnaOdpoved(1));
        QCOMPARE(prvek<TextovePole>(&okno, spatny == u'A' ? "mA" : "mB")->text(),
                 QStringLiteral("Odpověď %1 na otázku 1.").arg(zvolenoSpatne));
        QTest::keyClick(okno.btn, Qt::Key_Return);
        Odpovez(okno, true);
        QCOMPARE(okno.historie().ZaznamyProfilu(kJana).back().Zvoleno, SpravnaOdpoved(2));
        QTest::keyClick(okno.btn, Qt::Key_Return);
        QCOMPARE(CisloOtazky(&okno), 1);
        okno.Oznasprvnouodpov1->trigger();
        QTest::keyClick(okno.btn, Qt::Key_Return);
        Odpovez(okno, true);
        NaOkno<TPZVyhodnoceni>({});
        QTest::keyClick(okno.btn, Qt::Key_Return);
        QCOMPARE(okno.Stav(), THlavniFormular::StavMenu::Necinny);

        // Exam of 1..3: 3 wrong.
        Spust(okno.Zkouetotzky1, Pocet(3));
        for (bool spravne : {true, true}) {
            Odpovez(okno, spravne);
            QTest::keyClick(okno.btn, Qt::Key_Return);
        }
        Odpovez(okno, false);
        NaOkno<TPZVyhodnoceni>({});
        QTest::keyClick(okno.btn, Qt::Key_Return);

        const QString procvicovani = kRezimProcvicovani;
        QCOMPARE(radky(okno.historie()), (QList<Radek>{{procvicovani, 1, false, false},
                                                       {procvicovani, 2, true, false},
                                                       {procvicovani, 1, false, true},
                                                       {procvicovani, 1, true, false},
                                                       {kRezimZkouseni, 1, true, false},
                                                       {kRezimZkouseni, 2, true, false},
                                                       {kRezimZkouseni, 3, false, false}}));

        // The point test, wrong at positions 4 and 17: all 25 at its evaluation.
        QList<int> spatneVTestu;
        {
            TTestForm test(&okno, okno.VyplnitInfo());
            test.FormCreate();
            for (int p = 1; p <= kOtazekTestu; ++p) {
                const int cislo = test.Test()[p].SkutCislo;
                QString pismeno = SpravnaOdpoved(cislo);
                if (p == 4 || p == 17) {
                    pismeno = pismeno == u"A" ? QStringLiteral("B") : QStringLiteral("A");
                    spatneVTestu.prepend(cislo);
                }
                QTest::keyClick(test.mO, pismeno.toLower().at(0).toLatin1());
                test.btnNasledujici->click();
            }
            QCOMPARE(okno.historie().ZaznamyProfilu(kJana).size(), size_t(7));
            test.btnVyhodnotit->click();
            // (The seeded draw keeps 1..3 out of the test, which would change their
            // history.)
            for (int p = 1; p <= kOtazekTestu; ++p)
                QVERIFY(test.Test()[p].SkutCislo > 3);
        }
        const std::vector<ZaznamOdpovedi> vse = okno.historie().ZaznamyProfilu(kJana);
        QCOMPARE(vse.size(), size_t(7 + 25));
        QCOMPARE(std::count_if(
                     vse.begin(), vse.end(),
                     [](const ZaznamOdpovedi& z) { return z.Rezim == kRezimTest && !z.Spravne; }),
                 2);

        // The test's two mistakes (logged in one moment: the later position first), then
        // 3 of the exam. 1 was right twice since its hint (practice, exam), 2 always.
        zpravy.vymaz();
        okno.ProcvicovatChybne1->trigger();
        QCOMPARE(zpravy.pocet(), 0);
        QCOMPARE(okno.Stav(), THlavniFormular::StavMenu::Procvicovani);
        QCOMPARE(okno.beh(), spatneVTestu + QList<int>({3}));
        // It is an ordinary practice run: its answers are logged too.
        const int prvni = CisloOtazky(&okno);
        Odpovez(okno, true);
        QCOMPARE(okno.historie().ZaznamyProfilu(kJana).back().Cislo, prvni);
        okno.Konecreimu1->trigger();
    }

    // Nothing to practise: a message, no run.
    void nicKProcviceni() {
        PracovniSlozka slozka;
        ZapisKatalog();
        ZaznamZprav zpravy;
        Okno okno;
        QCOMPARE(okno.historie().Otevrit(), QString());
        okno.ProcvicovatChybne1->trigger();
        QVERIFY(zpravy.posledni().startsWith(u"Nemáte žádné chybně zodpovězené otázky"));
        QCOMPARE(okno.Stav(), THlavniFormular::StavMenu::Necinny);
        okno.ProcvicovatOznacene1->trigger();
        QVERIFY(zpravy.posledni().startsWith(u"Nemáte žádné označené otázky"));
        QCOMPARE(okno.Stav(), THlavniFormular::StavMenu::Necinny);

        // Missed only questions since removed (5) or of another group: still nothing.
        NastaveniKatalogu katalog;
        katalog.skupiny[8] = QStringLiteral("CD");
        ZapisKatalog(QStringLiteral("otazky.xml"), katalog);
        for (int cislo : {5, 8})
            QCOMPARE(
                okno.historie().Zapsat({kJana, QDateTime::currentDateTime(), kRezimProcvicovani,
                                        cislo, QString(), "A", false, false}),
                QString());
        okno.ProcvicovatChybne1->trigger();
        QVERIFY(zpravy.posledni().startsWith(u"Nemáte žádné chybně zodpovězené otázky"));
        QCOMPARE(okno.Stav(), THlavniFormular::StavMenu::Necinny);

        // A history that cannot be used says so rather than "nothing".
        HistorieOdpovedi& h = okno.historie();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "verze");
            db.setDatabaseName(kSouborHistorie);
            QVERIFY(db.open());
            QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = 9"));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("verze"));
        QVERIFY(!h.Otevrit().isEmpty());
        okno.ProcvicovatChybne1->trigger();
        QVERIFY(zpravy.posledni().contains(u"novější verze"));
        QCOMPARE(okno.Stav(), THlavniFormular::StavMenu::Necinny);
    }

    // The details of a stored run: its wrong questions that the profile may still
    // practise (5 is removed), in the stored order; a run without mistakes offers none.
    void zOknaPodrobnosti() {
        PracovniSlozka slozka;
        ZapisKatalog();
        ZaznamZprav zpravy;
        ulozBeh(QString());
        ulozBeh(QStringLiteral("17, 5, 4"));
        Okno okno;
        QCOMPARE(okno.historie().Otevrit(), QString());

        bool videno = false;
        NaOkno<TPZVysledky>([&](TPZVysledky& seznam) {
            QCOMPARE(seznam.sgTab->model()->rowCount(), 2);
            // The run without mistakes.
            NaOkno<TPZPodrobnosti>(
                [](TPZPodrobnosti& p) { QVERIFY(!p.btnProcvicit->isEnabled()); });
            vyberPrvniRadek(seznam.sgTab);
            seznam.btnPodrobnosti->click();
            QVERIFY(seznam.isVisible());
            NaOkno<TPZPodrobnosti>([&](TPZPodrobnosti& p) {
                QVERIFY(p.btnProcvicit->isEnabled());
                QVERIFY(p.rect().contains(p.btnProcvicit->geometry()));
                QVERIFY(!p.btnProcvicit->geometry().intersects(p.btnOK->geometry()));
                QVERIFY(!p.btnProcvicit->geometry().intersects(p.lbUspesnost->geometry()));
                videno = true;
                p.btnProcvicit->click();
            });
            seznam.sgTab->setCurrentIndex(seznam.sgTab->model()->index(1, 0));
            seznam.btnPodrobnosti->click();
        });
        okno.Procviovn1->trigger();
        QVERIFY(videno);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(okno.Stav(), THlavniFormular::StavMenu::Procvicovani);
        QCOMPARE(okno.beh(), (QList<int>{17, 4}));
        QCOMPARE(CisloOtazky(&okno), 17);
        okno.Konecreimu1->trigger();
        // Asked once: the next opening of the list starts nothing by itself.
        NaOkno<TPZVysledky>({});
        okno.Procviovn1->trigger();
        QCOMPARE(okno.Stav(), THlavniFormular::StavMenu::Necinny);
    }

    // The protocol of a test: its wrong and unanswered positions.
    void zProtokolu() {
        PracovniSlozka slozka;
        ZapisKatalog();
        ZaznamZprav zpravy;
        ulozTest();
        Okno okno;
        QCOMPARE(okno.historie().Otevrit(), QString());
        bool videno = false;
        NaOkno<TTVysledky>([&](TTVysledky& seznam) {
            NaOkno<TTProtokol>([&](TTProtokol& p) {
                QVERIFY(p.btnProcvicit->isEnabled());
                // The button row sits in a row widget of its own: compare in the
                // dialog's coordinates.
                const auto vOkne = [&p](const QWidget* w) {
                    return QRect(w->mapTo(&p, QPoint(0, 0)), w->size());
                };
                const std::initializer_list<const QWidget*> radek{p.btnProcvicit, p.btnTisk,
                                                                  p.btnPdf};
                for (const QWidget* tlacitko : radek) {
                    QVERIFY(p.rect().contains(vOkne(tlacitko)));
                    for (const QWidget* jiny :
                         std::initializer_list<const QWidget*>{p.btnOK, p.btnUlozit, p.mProtokol})
                        QVERIFY(!vOkne(tlacitko).intersects(vOkne(jiny)));
                }
                videno = true;
                p.btnProcvicit->click();
            });
            vyberPrvniRadek(seznam.sgTab);
            seznam.btnProtokol->click();
        });
        okno.Vsledkytestunabody1->trigger();
        QVERIFY(videno);
        QCOMPARE(okno.Stav(), THlavniFormular::StavMenu::Procvicovani);
        QCOMPARE(okno.beh(), (QList<int>{102, 109, 120}));
        okno.Konecreimu1->trigger();
    }

    // Marks: the key O and the menu item in browse and practice; the panel shows the
    // mark; "Procvičovat označené otázky" practises the marked ones.
    void oznaceneOtazky() {
        PracovniSlozka slozka;
        ZapisKatalog();
        ZaznamZprav zpravy;
        Okno okno;
        QCOMPARE(okno.historie().Otevrit(), QString());
        okno.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&okno));

        okno.Prohletotzky1->trigger();
        auto* cislo = prvek<QSpinBox>(&okno, "seCislo");
        auto znacka = [&] { return prvek<QLabel>(&okno, "lbOznacena"); };
        QVERIFY(znacka()->isHidden());
        QCOMPARE(QApplication::focusWidget(), cislo);
        QTest::keyClick(cislo, Qt::Key_O); // the number field keeps its letters
        QVERIFY(!znacka()->isHidden());
        QCOMPARE(okno.historie().Oznacene(kJana), std::vector<int>{1});
        // The mark stands clear of the heading and the question below it.
        const QRect nadpis = prvek(&okno, "lbCislo")->geometry();
        QVERIFY(!znacka()->geometry().intersects(nadpis));
        QVERIFY(znacka()->geometry().bottom() < prvek(&okno, "mO")->y());
        cislo->setValue(40);
        QVERIFY(znacka()->isHidden());
        okno.OznacitOtazku1->trigger();
        QVERIFY(!znacka()->isHidden());
        cislo->setValue(1);
        QVERIFY(!znacka()->isHidden());
        okno.OznacitOtazku1->trigger(); // unmarks
        QVERIFY(znacka()->isHidden());
        cislo->setValue(5); // removed: cannot be marked
        okno.OznacitOtazku1->trigger();
        QVERIFY(znacka()->isHidden());
        QCOMPARE(okno.historie().Oznacene(kJana), std::vector<int>{40});
        okno.Konec_rezimu1->trigger();

        // In practice the key O works beside the answer keys.
        Spust(okno.Procviovatotzky1, Pocet(3));
        okno.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&okno));
        QCOMPARE(CisloOtazky(&okno), 1);
        QTest::keyClick(okno.btn, Qt::Key_O);
        QVERIFY(!znacka()->isHidden());
        QVERIFY(okno.OznacitOtazku2->isVisible());
        QVERIFY(okno.procvicovani().Ceka()); // no answer was chosen or confirmed
        okno.Konecreimu1->trigger();
        QCOMPARE(okno.historie().Oznacene(kJana), (std::vector<int>{1, 40}));
        QCOMPARE(zpravy.pocet(), 0);

        okno.ProcvicovatOznacene1->trigger();
        QCOMPARE(okno.beh(), (QList<int>{1, 40}));
        okno.Konecreimu1->trigger();

        // The accelerators of the new items collide with none of their menu or bar.
        for (QMenuBar* lista : {okno.MainMenu1, okno.MainMenu2, okno.MainMenu3}) {
            QList<QList<QAction*>> urovne = {lista->actions()};
            for (QAction* a : lista->actions())
                if (a->menu())
                    urovne << a->menu()->actions();
            for (const QList<QAction*>& akce : urovne) {
                QStringList pismena;
                for (QAction* a : akce) {
                    const qsizetype i = a->text().indexOf(u'&');
                    if (i >= 0 && i + 1 < a->text().size())
                        pismena << a->text().mid(i + 1, 1).toLower();
                }
                QStringList jednou = pismena;
                jednou.removeDuplicates();
                QCOMPARE(pismena.size(), jednou.size());
            }
        }
    }

    // Another program holds the history during a run: the first failed answer is told,
    // the run goes on without another message and its record is stored as always.
    void zapisSelzeJednouZaBeh() {
        PracovniSlozka slozka;
        ZapisKatalog();
        ZapisBarevneZnacky();
        ZaznamZprav zpravy;
        Okno okno;
        QCOMPARE(okno.historie().Otevrit(), QString());
        {
            QSqlDatabase jiny = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "jiny");
            jiny.setDatabaseName(kSouborHistorie);
            QVERIFY(jiny.open());
            QSqlQuery zamek(jiny);
            QVERIFY(zamek.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            Spust(okno.Procviovatotzky1, Pocet(2));
            Odpovez(okno, true);
            QCOMPARE(zpravy.pocet(), 1);
            QVERIFY(zpravy.posledni().contains(u"\"Historie.db\""));
            QVERIFY(zpravy.posledni().contains(u"Výsledky a protokoly se ukládají jako dřív"));
            QTest::keyClick(okno.btn, Qt::Key_Return);
            Odpovez(okno, true);
            QCOMPARE(zpravy.pocet(), 1);
            QVERIFY(zamek.exec(QStringLiteral("ROLLBACK")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("jiny"));
        NaOkno<TPZVyhodnoceni>({});
        QTest::keyClick(okno.btn, Qt::Key_Return);
        QCOMPARE(NacistVysledky().Count(), 1);
        QVERIFY(okno.historie().ZaznamyProfilu(kJana).empty());
    }
};

KOLOMAT_TEST_MAIN(TestHistorie)
#include "test_historie.moc"
