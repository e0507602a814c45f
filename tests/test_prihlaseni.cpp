// Login, the profile manager, profile creation, password prompt and change, settings,
// rename and logout, driven through the real windows.
#include "app/main.h"
#include "profiles/dotaz_heslo.h"
#include "profiles/dotaz_zmena_hesla.h"
#include "profiles/nastaveni.h"
#include "profiles/profil_new.h"
#include "profiles/profil_sprava.h"
#include "profiles/profil_trida.h"
#include "tests/podpora/pracovni_slozka.h"
#include "tests/podpora/prihlaseni.h"
#include "tests/podpora/testovaci_main.h"
#include "tests/podpora/zaznam_zprav.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextEdit>

namespace {

void zapisProfily(const QList<std::pair<QString, QString>>& profily) {
    TProfil p;
    p.Otevrit();
    for (const auto& [nazev, heslo] : profily)
        p.Vytvor(nazev, heslo);
}

QStringList seznam(TProfilSprava* s) {
    QStringList nazvy;
    for (int i = 0; i < s->lbProfil->count(); ++i)
        nazvy << s->lbProfil->item(i)->text();
    return nazvy;
}

void vyber(TProfilSprava* s, const QString& nazev) {
    const auto nalezene = s->lbProfil->findItems(nazev, Qt::MatchExactly);
    QVERIFY(!nalezene.isEmpty());
    s->lbProfil->setCurrentItem(nalezene.first());
}

void napis(QLineEdit* pole, const QString& text) {
    pole->clear();
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, pole, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Answers the password prompt that the next step opens.
void zadejHeslo(const QString& heslo, bool storno = false) {
    NaDialog("TDotazHeslo", [=](QDialog* d) {
        auto* dotaz = static_cast<TDotazHeslo*>(d);
        napis(dotaz->eHeslo, heslo);
        if (storno)
            dotaz->btnStorno->click();
        else
            QTest::keyClick(dotaz->eHeslo, Qt::Key_Return); // Enter presses OK
    });
}

QByteArray profily() {
    return PracovniSlozka::precti(QStringLiteral("Profily.xml"));
}

} // namespace

class TestPrihlaseni : public QObject {
    Q_OBJECT
private slots:
    void prihlaseniSHeslem() {
        PracovniSlozka slozka;
        zapisProfily({{"Eva", "tajne1"}, {"Čeněk", ""}, {"adam", ""}, {"Zdena", ""}});
        ZaznamZprav zpravy;
        bool neotevreno = true;
        NaDialog(
            "TProfilSprava",
            [&](QDialog* d) {
                auto* s = static_cast<TProfilSprava*>(d);
                QCOMPARE(s->windowTitle(), QStringLiteral("Správce uživatelských účtů"));
                // Sorted as a Czech reader expects; Č comes after C, not after Z.
                QCOMPARE(seznam(s), (QStringList{"adam", "Čeněk", "Eva", "Zdena"}));
                QVERIFY(!s->btnVyber->isEnabled() && !s->btnSmaz->isEnabled());
                QCOMPARE(s->focusWidget(), s->lbProfil);
                // An arrow key chooses a name like a click does.
                QTest::keyClick(s->lbProfil, Qt::Key_Down);
                QVERIFY(s->btnVyber->isEnabled() && s->btnSmaz->isEnabled());

                vyber(s, QStringLiteral("Eva"));
                zadejHeslo(QStringLiteral("TAJNE1")); // letter case counts
                s->btnVyber->click();
                QCOMPARE(zpravy.posledni(), QStringLiteral("Zadané heslo není korektní!"));
                QVERIFY(s->isVisible());
                zadejHeslo(QStringLiteral("tajne1"), true); // a cancelled prompt is wrong too
                s->btnVyber->click();
                QCOMPARE(zpravy.pocet(), 2);
                QCOMPARE(zpravy.posledni(), QStringLiteral("Zadané heslo není korektní!"));
                QCOMPARE(seznam(s).size(), 4);
                zadejHeslo(QStringLiteral("tajne1"));
                s->btnVyber->click();
            },
            &neotevreno);
        THlavniFormular okno;
        QVERIFY(okno.FormCreate());
        QVERIFY(!neotevreno);
        QCOMPARE(okno.Panely[1]->text(), QStringLiteral("Eva"));
        QCOMPARE(okno.Panely[2]->text(), QStringLiteral("Skupina: B"));
        QCOMPARE(okno.Zvolenskupina1->text(), QStringLiteral("Z&volená skupina: B"));
        QCOMPARE(zpravy.pocet(), 2); // choosing did not ask to quit
    }

    void zruseniUkonciProgram() {
        PracovniSlozka slozka;
        zapisProfily({{"Jan", ""}});
        ZaznamZprav zpravy;
        zpravy.odpovez(false); // "No" keeps the manager open
        NaDialog("TProfilSprava", [&](QDialog* d) {
            auto* s = static_cast<TProfilSprava*>(d);
            s->close(); // the close box asks as well
            QVERIFY(s->isVisible());
            QCOMPARE(zpravy.posledni(), QStringLiteral("Opravdu chcete ukončit program Kolomat?"));
            QCOMPARE(zpravy.posledniDruh(), zpravy::Druh::Varovani);
            s->btnUkonci->click(); // and this time "Yes"
        });
        THlavniFormular okno;
        QVERIFY(!okno.FormCreate());
        QVERIFY(!okno.isVisible());
        QCOMPARE(zpravy.pocet(), 2);
        QVERIFY(!okno.StartSelhal()); // a cancelled login is a normal end
    }

    void poskozenyProfilNeprihlasi() {
        PracovniSlozka slozka;
        PracovniSlozka::zapis(
            QStringLiteral("Profily.xml"),
            "<Profily><Profil><Nazev>Jan</Nazev><Stavovy_radek>možná</Stavovy_radek>"
            "<Postupny_vyber>1</Postupny_vyber><Pismo_velikost>12</Pismo_velikost></Profil>"
            "</Profily>");
        ZaznamZprav zpravy;
        NaDialog("TProfilSprava", [&](QDialog* d) {
            auto* s = static_cast<TProfilSprava*>(d);
            vyber(s, QStringLiteral("Jan"));
            s->btnVyber->click();
            QVERIFY2(zpravy.posledni().contains(QStringLiteral("Stavovy_radek")),
                     qPrintable(zpravy.posledni()));
            QVERIFY(s->isVisible());
            QCOMPARE(seznam(s), QStringList{QStringLiteral("Jan")});
            s->btnUkonci->click();
        });
        THlavniFormular okno;
        QVERIFY(!okno.FormCreate());

        // A profiles file that cannot be parsed ends the program and stays as it was.
        const QByteArray rozbity = "<Profily><Profil><Nazev>Jan</Nazev></Profily>";
        PracovniSlozka::zapis(QStringLiteral("Profily.xml"), rozbity);
        THlavniFormular druhe;
        QVERIFY(!druhe.FormCreate());
        QVERIFY(druhe.StartSelhal()); // the program ends with an error status
        QVERIFY(zpravy.posledni().contains(QStringLiteral("Profily.xml")));
        QCOMPARE(zpravy.posledniDruh(), zpravy::Druh::Chyba);
        QCOMPARE(profily(), rozbity);

        // The system's reason is told in Czech.
        QFile::remove(QStringLiteral("Profily.xml"));
        QDir().mkdir(QStringLiteral("Profily.xml"));
        THlavniFormular treti;
        QVERIFY(!treti.FormCreate());
        QVERIFY(treti.StartSelhal());
        QVERIFY2(zpravy.posledni().contains(QStringLiteral("\"Profily.xml\"")) &&
                     zpravy.posledni().contains(QStringLiteral("je to složka, ne soubor")),
                 qPrintable(zpravy.posledni()));
    }

    void vytvoreniProfilu() {
        PracovniSlozka slozka;
        zapisProfily({{"čeněk", ""}});
        ZaznamZprav zpravy;
        NaDialog("TProfilSprava", [&](QDialog* d) {
            auto* s = static_cast<TProfilSprava*>(d);
            auto zkus = [&](const QString& nazev, bool ochrana, const QString& heslo,
                            const QString& potvrzeni) {
                NaDialog("TProfilVytvor", [=](QDialog* dd) {
                    auto* v = static_cast<TProfilVytvor*>(dd);
                    QVERIFY(!v->eHeslo->isEnabled());
                    napis(v->eNazev, nazev);
                    if (ochrana) {
                        v->cbOchrana->click();
                        QVERIFY(v->eHeslo->isEnabled());
                        QCOMPARE(v->focusWidget(), v->eHeslo);
                    }
                    napis(v->eHeslo, heslo);
                    napis(v->ePotvrzeni, potvrzeni);
                    QTest::keyClick(v->ePotvrzeni, Qt::Key_Return);
                    if (v->isVisible())
                        v->btnStorno->click();
                });
                s->btnVytvor->click();
            };
            zkus(QString(), false, {}, {});
            QCOMPARE(zpravy.posledni(), QStringLiteral("Zadaný profil musí mít minimálně 1 znak!"));
            zkus(QStringLiteral("Čeněk"), false, {}, {});
            QCOMPARE(zpravy.posledni(), QStringLiteral("Zadaný profil již existuje!"));
            // The confirmation is checked before the length.
            zkus(QStringLiteral("Eva"), true, QStringLiteral("abc"), QStringLiteral("abd"));
            QCOMPARE(zpravy.posledni(),
                     QStringLiteral("Potvrzení hesla se nezdařilo!\r\nZadejte heslo znovu!"));
            zkus(QStringLiteral("Eva"), true, QStringLiteral("abcd"), QStringLiteral("abcd"));
            QCOMPARE(zpravy.posledni(),
                     QStringLiteral("Minimální délka hesla je 5 znaků!\r\nZadejte heslo znovu!"));
            QCOMPARE(zpravy.pocet(), 4);
            QCOMPARE(seznam(s), QStringList{QStringLiteral("čeněk")});
            zkus(QStringLiteral("Eva"), true, QStringLiteral("abcde"), QStringLiteral("abcde"));
            // Without protection, text left in the password boxes is ignored.
            NaDialog("TProfilVytvor", [](QDialog* dd) {
                auto* v = static_cast<TProfilVytvor*>(dd);
                napis(v->eNazev, QStringLiteral("Adam"));
                v->cbOchrana->click();
                napis(v->eHeslo, QStringLiteral("xxxxxx"));
                v->cbOchrana->click();
                v->btnOK->click();
            });
            s->btnVytvor->click();
            QCOMPARE(zpravy.pocet(), 4);
            QCOMPARE(seznam(s), (QStringList{"Adam", "čeněk", "Eva"}));
            QVERIFY(!s->btnVyber->isEnabled()); // the new profile is not chosen
            s->btnUkonci->click();
        });
        THlavniFormular okno;
        QVERIFY(!okno.FormCreate());
        TProfil ulozene;
        ulozene.Otevrit();
        QCOMPARE(ulozene.Nazvy(), (QStringList{"čeněk", "Eva", "Adam"})); // appended last
        ulozene.Nacti(QStringLiteral("Eva"));
        QCOMPARE(ulozene.Heslo, QStringLiteral("abcde"));
        ulozene.Nacti(QStringLiteral("Adam"));
        QVERIFY(ulozene.Heslo.isEmpty());
    }

    void smazaniPoslednihoProfilu() {
        PracovniSlozka slozka;
        zapisProfily({{"Jan", "heslo1"}});
        ZaznamZprav zpravy;
        zpravy.odpovez(false); // the first "Opravdu chcete profil ... smazat?" gets No
        NaDialog("TProfilSprava", [&](QDialog* d) {
            auto* s = static_cast<TProfilSprava*>(d);
            vyber(s, QStringLiteral("Jan"));
            s->btnSmaz->click();
            QCOMPARE(zpravy.posledni(), QStringLiteral("Opravdu chcete profil \"Jan\" smazat?"));
            QCOMPARE(seznam(s).size(), 1);
            zadejHeslo(QStringLiteral("spatne"));
            s->btnSmaz->click();
            QCOMPARE(zpravy.posledni(), QStringLiteral("Zadané heslo není korektní!"));
            QCOMPARE(seznam(s).size(), 1);
            zadejHeslo(QStringLiteral("heslo1"));
            s->btnSmaz->click();
            QVERIFY(seznam(s).isEmpty());
            QVERIFY(!s->btnVyber->isEnabled() && !s->btnSmaz->isEnabled());
            QVERIFY(s->btnVytvor->isEnabled());
            s->btnUkonci->click();
        });
        THlavniFormular okno;
        QVERIFY(!okno.FormCreate());
        QVERIFY(!profily().contains("<Profil>"));
        QVERIFY(profily().contains("<Profily>"));
    }

    void odhlaseniNaJinyProfil() {
        PracovniSlozka slozka;
        zapisProfily({{"Jan", ""}, {"Eva", ""}});
        {
            TProfil p;
            p.Otevrit();
            p.Nacti(QStringLiteral("Eva"));
            p.Skupina = QStringLiteral("A1");
            p.Stavovy_radek = false;
            p.Uloz();
        }
        ZaznamZprav zpravy;
        THlavniFormular okno;
        NaDialog("TProfilSprava", [](QDialog* d) {
            auto* s = static_cast<TProfilSprava*>(d);
            vyber(s, QStringLiteral("Jan"));
            s->btnVyber->click();
        });
        QVERIFY(okno.FormCreate());
        QVERIFY(okno.StatusBar->isVisibleTo(&okno));
        NaDialog("TProfilSprava", [](QDialog* d) {
            auto* s = static_cast<TProfilSprava*>(d);
            vyber(s, QStringLiteral("Eva"));
            s->btnVyber->click();
        });
        okno.Odhlsitse1->trigger();
        QCOMPARE(okno.Panely[1]->text(), QStringLiteral("Eva"));
        QCOMPARE(okno.Panely[2]->text(), QStringLiteral("Skupina: A1"));
        QCOMPARE(okno.Zvolenskupina1->text(), QStringLiteral("Z&volená skupina: A1"));
        QVERIFY(!okno.Zobrazitstavovdek1->isChecked());
        QVERIFY(!okno.StatusBar->isVisibleTo(&okno));

        // Cancelling the manager after logging out ends the program as at the start.
        NaDialog("TProfilSprava",
                 [](QDialog* d) { static_cast<TProfilSprava*>(d)->btnUkonci->click(); });
        okno.Odhlsitse1->trigger();
        QVERIFY(!okno.isVisible());
    }

    void nastaveni() {
        PracovniSlozka slozka;
        ZaznamZprav zpravy;
        THlavniFormular okno;
        PrihlasProfil(okno);
        okno.show();
        const QByteArray predtim = profily();
        NaDialog("TSetup", [](QDialog* d) {
            auto* s = static_cast<TSetup*>(d);
            // A fresh profile: every box ticked, group B, in order, Arial 12.
            for (QCheckBox* cb : s->cbkat)
                QVERIFY(cb->isChecked());
            for (QCheckBox* cb : s->cbp)
                QVERIFY(cb->isChecked());
            QVERIFY(s->rbB->isChecked());
            QVERIFY(s->rbPostupny->isChecked());
            QCOMPARE(s->cbFont->currentText(), QStringLiteral("Arial"));
            QCOMPARE(s->seVelikost->value(), 12);
            QCOMPARE(s->seVelikost->maximum(), 48);
            QCOMPARE(s->seVelikost->minimum(), 10);
            QCOMPARE(s->gbKategorie->title(),
                     QStringLiteral("Procvičovat/zkoušet otázlky z kategorie:"));
            s->cbkat[1]->click();
            s->cbp[2]->click();
            s->rbAM->click();
            s->rbNahodny->click();
            s->seVelikost->setValue(20);
            QCOMPARE(s->mUkazka->font().pointSize(), 20); // the preview follows at once
            s->cbFont->setEditText(QStringLiteral("Liberation Serif"));
            s->btnOK->click();
        });
        okno.Nastaven1->trigger();
        TProfil& p = okno.AktualniProfil();
        QCOMPARE(p.Kategorie, QStringLiteral("1011111"));
        QCOMPARE(p.Protokoly, QStringLiteral("110"));
        QCOMPARE(p.Skupina, QStringLiteral("AM"));
        QVERIFY(!p.Postupny_vyber);
        QCOMPARE(p.Pismo_velikost, 20);
        QCOMPARE(p.Pismo_font, QStringLiteral("Liberation Serif"));
        QCOMPARE(okno.Panely[2]->text(), QStringLiteral("Skupina: AM"));
        QCOMPARE(profily(), predtim); // OK changes memory only

        NaDialog("TSetup", [](QDialog* d) {
            auto* s = static_cast<TSetup*>(d);
            QVERIFY(s->rbAM->isChecked()); // two-letter groups map back
            s->rbT->click();
            s->cbkat[0]->click();
            s->btnStorno->click();
        });
        okno.Nastaven1->trigger();
        QCOMPARE(p.Skupina, QStringLiteral("AM"));
        QCOMPARE(p.Kategorie, QStringLiteral("1011111"));

        // A stored group the window does not know selects no button; OK keeps it.
        p.Skupina = QStringLiteral("x");
        NaDialog("TSetup", [](QDialog* d) {
            auto* s = static_cast<TSetup*>(d);
            for (QRadioButton* rb :
                 {s->rbA, s->rbA1, s->rbAM, s->rbB, s->rbB1, s->rbC, s->rbD, s->rbT})
                QVERIFY(!rb->isChecked());
            s->btnOK->click();
        });
        okno.Nastaven1->trigger();
        QCOMPARE(p.Skupina, QStringLiteral("x"));
        p.Skupina = QStringLiteral("AM");

        okno.Uloitnastaven1->trigger();
        QVERIFY(profily().contains("<Skupina>AM</Skupina><Protokoly>110</Protokoly>"));
        QVERIFY(profily().contains("<Pismo_velikost>20</Pismo_velikost>"));
        QCOMPARE(zpravy.pocet(), 0);
    }

    void prejmenovani() {
        PracovniSlozka slozka;
        zapisProfily({{"Eva", ""}});
        ZaznamZprav zpravy;
        THlavniFormular okno;
        PrihlasProfil(okno, QStringLiteral("Jan"));
        okno.show();
        auto prejmenuj = [&](const QString& novy) {
            NaDialog("QInputDialog", [=, &okno](QDialog* d) {
                auto* dotaz = static_cast<QInputDialog*>(d);
                QCOMPARE(dotaz->windowTitle(), QStringLiteral("Přejmenovat profil \"%1\" na...")
                                                   .arg(okno.AktualniProfil().Nazev));
                QCOMPARE(dotaz->labelText(), QStringLiteral("Název nového profilu: "));
                QVERIFY(dotaz->textValue().isEmpty());
                dotaz->setTextValue(novy);
                dotaz->accept();
            });
            okno.Pejmenovat1->trigger();
        };
        const QByteArray predtim = profily();
        for (const char* obsazene : {"Eva", "EVA", "Jan", "jAN"}) {
            prejmenuj(QString::fromLatin1(obsazene));
            QCOMPARE(zpravy.posledni(), QStringLiteral("Přejmenování se nezdařilo, jelikož "
                                                       "zadaný profil již existuje!"));
        }
        prejmenuj(QString());
        QCOMPARE(zpravy.posledni(), QStringLiteral("Zadaný profil musí mít minimálně 1 znak!"));
        QCOMPARE(profily(), predtim);

        const QString dlouhy = QStringLiteral("Jan Novák z Horní Dolní u Prahy 8");
        prejmenuj(dlouhy);
        QCOMPARE(zpravy.pocet(), 5);
        QCOMPARE(okno.AktualniProfil().Nazev, dlouhy.left(30));
        // Too long for its status panel: shortened there, whole in the panel's hint.
        QVERIFY(okno.Panely[1]->text().endsWith(u'…'));
        QVERIFY(dlouhy.startsWith(okno.Panely[1]->text().chopped(1)));
        QVERIFY(okno.Panely[1]->toolTip().contains(dlouhy.left(30)));
        QVERIFY(okno.Panely[1]->fontMetrics().horizontalAdvance(okno.Panely[1]->text()) <=
                okno.Panely[1]->contentsRect().width());
        QVERIFY(profily().contains(("<Nazev>" + dlouhy.left(30) + "</Nazev>").toUtf8()));
    }

    void zmenaHesla() {
        PracovniSlozka slozka;
        ZaznamZprav zpravy;
        THlavniFormular okno;
        PrihlasProfil(okno, QStringLiteral("Jan"));
        okno.show();
        auto zmen = [&](const QString& stare, const QString& nove, const QString& potvrzeni) {
            NaDialog("TDotazZmenaHesla", [=](QDialog* d) {
                auto* z = static_cast<TDotazZmenaHesla*>(d);
                QCOMPARE(z->windowTitle(), QStringLiteral("Změnit heslo profilu  Jan na..."));
                napis(z->eStareHeslo, stare);
                napis(z->eNoveHeslo, nove);
                napis(z->ePotvrzeni, potvrzeni);
                QTest::keyClick(z->ePotvrzeni, Qt::Key_Return);
                if (z->isVisible())
                    z->btnStorno->click();
            });
            okno.Zmnitheslo1->trigger();
        };
        const QByteArray predtim = profily();
        zmen(QStringLiteral("x"), QStringLiteral("abcd"), QStringLiteral("abcd"));
        QCOMPARE(zpravy.posledni(),
                 QStringLiteral("Minimální délka hesla je 5 znaků!\r\nZadejte heslo znovu!"));
        zmen(QString(), QStringLiteral("abcde"), QStringLiteral("abcdf"));
        QCOMPARE(zpravy.posledni(),
                 QStringLiteral("Potvrzení hesla se nezdařilo!\r\nZadejte heslo znovu!"));
        // An unprotected profile's old password is the empty text.
        zmen(QStringLiteral("x"), QStringLiteral("abcde"), QStringLiteral("abcde"));
        QCOMPARE(zpravy.posledni(),
                 QStringLiteral("Staré heslo zadáno nekorektně!\r\nZadejte heslo znovu!"));
        QCOMPARE(profily(), predtim);
        zmen(QString(), QStringLiteral("abcde"), QStringLiteral("abcde"));
        QCOMPARE(zpravy.pocet(), 3);
        QCOMPARE(okno.AktualniProfil().Heslo, QStringLiteral("abcde"));
        QVERIFY(profily().contains("<Heslo>abcde</Heslo>"));

        // The same password again closes the dialog without a save.
        okno.AktualniProfil().Skupina = QStringLiteral("C");
        zmen(QStringLiteral("abcde"), QStringLiteral("abcde"), QStringLiteral("abcde"));
        QCOMPARE(zpravy.pocet(), 3);
        QVERIFY(!profily().contains("<Skupina>C"));
    }

    void stavovyRadekSeBezUlozeniNezapamatuje() {
        PracovniSlozka slozka;
        {
            THlavniFormular okno;
            PrihlasProfil(okno, QStringLiteral("Jan"));
            okno.show();
            okno.Zobrazitstavovdek1->trigger();
            QVERIFY(!okno.StatusBar->isVisibleTo(&okno));
            QVERIFY(!okno.AktualniProfil().Stavovy_radek);
            okno.Ukoni1->trigger();
        }
        QVERIFY(profily().contains("<Stavovy_radek>1</Stavovy_radek>"));
    }
};

KOLOMAT_TEST_MAIN(TestPrihlaseni)
#include "test_prihlaseni.moc"
