#include "main.h"

#include "XML_protokoly.h"
#include "okna.h"
#include "pomocne_fce.h"
#include "profil_trida.h"
#include "test.h"
#include "vysledkyT.h"
#include "zpravy.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>

namespace {

const QString kHintFormulare = QStringLiteral("   Kolomat");

QAction* polozka(QMenu* menu, const QString& text, const QString& hint, const char* jmeno) {
    QAction* a = menu->addAction(text);
    a->setStatusTip(hint);
    a->setObjectName(QString::fromLatin1(jmeno));
    return a;
}

QMenu* nabidka(QMenuBar* lista, const QString& text, const QString& hint, const char* jmeno) {
    QMenu* m = lista->addMenu(text);
    m->menuAction()->setStatusTip(hint);
    m->setObjectName(QString::fromLatin1(jmeno));
    return m;
}

QAction* polozkaListy(QMenuBar* lista, const QString& text, const char* jmeno) {
    QAction* a = lista->addAction(text);
    a->setObjectName(QString::fromLatin1(jmeno));
    return a;
}

} // namespace

THlavniFormular::THlavniFormular() {
    setWindowTitle(QStringLiteral("Kolomat"));
    setObjectName(QStringLiteral("HlavniFormular"));
    QFont pismo(QStringLiteral("MS Shell Dlg"));
    pismo.setPixelSize(11);
    setFont(pismo);
    setFixedSize(865, 556);

    auto* plocha = new QWidget(this);
    auto* rozvrzeni = new QVBoxLayout(plocha);
    rozvrzeni->setContentsMargins(0, 0, 0, 0);
    rozvrzeni->setSpacing(0);
    setCentralWidget(plocha);

    btn = new QPushButton(QStringLiteral("btn"), plocha);
    btn->setObjectName(QStringLiteral("btn"));
    btn->hide();

    VytvorMenu();
    VytvorStavovyRadek();
    VycentrujNaObrazovce(this);
    aktualniProfil = std::make_unique<TProfil>();
}

THlavniFormular::~THlavniFormular() = default;

void THlavniFormular::VytvorMenu() {
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* program =
        nabidka(MainMenu1, QStringLiteral("&Program"), QStringLiteral("Program..."), "Program1");
    Ukoni1 = polozka(program, QStringLiteral("&Ukončit"), QStringLiteral("Ukončí program Kolomat"),
                     "Ukoni1");

    QMenu* profil = nabidka(MainMenu1, QStringLiteral("P&rofil"),
                            QStringLiteral("Správa profilu..."), "Profil1");
    Pejmenovat1 = polozka(profil, QStringLiteral("Př&ejmenovat"),
                          QStringLiteral("Spustí formulář pro změnu jména profilu"), "Pejmenovat1");
    Zmnitheslo1 = polozka(profil, QStringLiteral("&Změnit heslo"),
                          QStringLiteral("Spustí formulář pro změnu hesla"), "Zmnitheslo1");
    profil->addSeparator();
    Odhlsitse1 = polozka(profil, QStringLiteral("&Odhlásit se"),
                         QStringLiteral("Odhlásí aktuálního uživatele a spustí manažér profilů"),
                         "Odhlsitse1");

    QMenu* konfigurace = nabidka(MainMenu1, QStringLiteral("&Konfigurace"),
                                 QStringLiteral("Konfigurace..."), "Konfigurace1");
    Zvolenskupina1 = polozka(konfigurace, QStringLiteral("Z&volená skupina: B"),
                             QStringLiteral("Zobrazuje zvolenou skupinu řidičského oprávnění"),
                             "Zvolenskupina1");
    konfigurace->addSeparator();
    Nastaven1 = polozka(konfigurace, QStringLiteral("&Nastavení..."),
                        QStringLiteral("Spustí okno nastavení programu"), "Nastaven1");
    Provstaktualizaci1 =
        polozka(konfigurace, QStringLiteral("&Provést aktualizaci"),
                QStringLiteral("Provede aktualizaci databáze otázek, je-li dostupná novější verze"),
                "Provstaktualizaci1");
    Zobrazitstavovdek1 =
        polozka(konfigurace, QStringLiteral("&Zobrazit stavový řádek"),
                QStringLiteral("Zobrazí/skryje stavový řádek"), "Zobrazitstavovdek1");
    Zobrazitstavovdek1->setCheckable(true);
    Zobrazitstavovdek1->setChecked(true);
    konfigurace->addSeparator();
    Uloitnastaven1 = polozka(konfigurace, QStringLiteral("&Uložit nastavení"),
                             QStringLiteral("Uloží nastavení programu"), "Uloitnastaven1");

    QMenu* start =
        nabidka(MainMenu1, QStringLiteral("&Start"), QStringLiteral("Start..."), "Start1");
    Prohletotzky1 =
        polozka(start, QStringLiteral("Prohlížet &otázky"),
                QStringLiteral("Spustí režim prohlížení všech 757 otázek (mimo vyřazených)"),
                "Prohletotzky1");
    start->addSeparator();
    Procviovatotzky1 =
        polozka(start, QStringLiteral("Pro&cvičovat otázky"),
                QStringLiteral("Spustí režim procvičování otázek"), "Procviovatotzky1");
    Zkouetotzky1 = polozka(start, QStringLiteral("&Zkoušet otázky"),
                           QStringLiteral("Spustí režim zkoušení otázek"), "Zkouetotzky1");
    start->addSeparator();
    Testnabody1 =
        polozka(start, QStringLiteral("&Test na body"),
                QStringLiteral("Vytvoří test z předpisů o provozu na pozemních komunikacích"),
                "Testnabody1");

    QMenu* vysledky =
        nabidka(MainMenu1, QStringLiteral("&Výsledky"), QStringLiteral("Výsledky..."), "Vsledky1");
    Vsledkyz1 = vysledky->addMenu(QStringLiteral("Výsledk&y z"));
    Vsledkyz1->setObjectName(QStringLiteral("Vsledkyz1"));
    Vsledkyz1->menuAction()->setStatusTip(QStringLiteral("Zobrazí výsledky z..."));
    Procviovn1 = polozka(Vsledkyz1, QStringLiteral("P&rocvičování"),
                         QStringLiteral("Zobrazí výsledky z procvičování"), "Procviovn1");
    Zkouen1 = polozka(Vsledkyz1, QStringLiteral("&Zkoušení"),
                      QStringLiteral("Zobrazí výsledky ze zkoušení"), "Zkouen1");
    vysledky->addSeparator();
    Vsledkytestunabody1 =
        polozka(vysledky, QStringLiteral("Výsledky &testu na body"),
                QStringLiteral("Zobrazí výsledky testů z pravidel silničního provozu"),
                "Vsledkytestunabody1");

    QMenu* informace = nabidka(MainMenu1, QStringLiteral("&Informace"),
                               QStringLiteral("Informace..."), "Informace1");
    Informaceoprogramu1 =
        polozka(informace, QStringLiteral("Informace o p&rogramu"),
                QStringLiteral("Zobrazí základní informace o programu"), "Informaceoprogramu1");
    Historieopravaaktualizac1 = polozka(informace, QStringLiteral("&Historie oprav a aktualizací"),
                                        QStringLiteral("Zobrazí historii oprav a aktualizací"),
                                        "Historieopravaaktualizac1");
    informace->addSeparator();
    Npovda1 = polozka(informace, QStringLiteral("&Nápověda"),
                      QStringLiteral("Zobrazí nápovědu programu Kolomat"), "Npovda1");

    MainMenu2 = new QMenuBar(this);
    MainMenu2->setObjectName(QStringLiteral("MainMenu2"));
    Konec_rezimu1 = polozkaListy(MainMenu2, QStringLiteral("&Konec režimu"), "Konec_rezimu1");
    Oprogramu1 = polozkaListy(MainMenu2, QStringLiteral("&O programu"), "Oprogramu1");
    MainMenu2->hide();

    MainMenu3 = new QMenuBar(this);
    MainMenu3->setObjectName(QStringLiteral("MainMenu3"));
    Konecreimu1 = polozkaListy(MainMenu3, QStringLiteral("&Konec režimu"), "Konecreimu1");
    Oznasprvnouodpov1 =
        polozkaListy(MainMenu3, QStringLiteral("O&znač správnou odpověď"), "Oznasprvnouodpov1");
    Oprogramu2 = polozkaListy(MainMenu3, QStringLiteral("&O programu"), "Oprogramu2");
    MainMenu3->hide();

    setMenuBar(MainMenu1);

    connect(Ukoni1, &QAction::triggered, this, &THlavniFormular::Ukoni1Click);
    connect(Zobrazitstavovdek1, &QAction::triggered, this,
            &THlavniFormular::Zobrazitstavovdek1Click);
    connect(Prohletotzky1, &QAction::triggered, this, &THlavniFormular::Prohletotzky1Click);
    connect(Konec_rezimu1, &QAction::triggered, this, &THlavniFormular::Konec_rezimu1Click);
    connect(Testnabody1, &QAction::triggered, this, &THlavniFormular::Testnabody1Click);
    connect(Vsledkytestunabody1, &QAction::triggered, this,
            &THlavniFormular::Vsledkytestunabody1Click);
}

void THlavniFormular::VytvorStavovyRadek() {
    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    const std::array<int, 3> sirky{400, 150, 150};
    for (size_t i = 0; i < Panely.size(); ++i) {
        auto* panel = new QLabel(StatusBar);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        if (i < sirky.size())
            panel->setFixedWidth(sirky[i]);
        StatusBar->addWidget(panel, i < sirky.size() ? 0 : 1);
        Panely[i] = panel;
    }
    Panely[0]->setText(kHintFormulare);
    Panely[3]->setAlignment(Qt::AlignCenter);
    Panely[3]->setText(QStringLiteral("Testy z pravidel silničního provozu"));
    setStatusBar(StatusBar);
}

bool THlavniFormular::event(QEvent* udalost) {
    if (udalost->type() == QEvent::StatusTip) {
        ZobrazHint(static_cast<QStatusTipEvent*>(udalost)->tip());
        return true;
    }
    return QMainWindow::event(udalost);
}

void THlavniFormular::ZobrazHint(const QString& hint) {
    Panely[0]->setText(hint.isEmpty() ? kHintFormulare : hint);
}

void THlavniFormular::closeEvent(QCloseEvent* udalost) {
    // Nothing is saved on closing; the views go with the profile.
    aktualniProfil.reset();
    udalost->accept();
}

bool THlavniFormular::FormCreate() {
    show();
    if (!Prihlasit()) {
        close();
        return false;
    }
    return true;
}

bool THlavniFormular::Prihlasit() {
    ObnovitStav();
    return true;
}

void THlavniFormular::ObnovitStav() {
    const TProfil& p = *aktualniProfil;
    Panely[1]->setText(p.Nazev);
    Panely[2]->setText(QStringLiteral("Skupina: ") + p.Skupina);
    Zvolenskupina1->setText(QStringLiteral("Z&volená skupina: ") + p.Skupina);
}

THlavniFormular::StavMenu THlavniFormular::Stav() const {
    const QWidget* menu = menuWidget();
    if (menu == MainMenu2)
        return StavMenu::Prohlizeni;
    if (menu == MainMenu3)
        return StavMenu::Procvicovani;
    return StavMenu::Necinny;
}

TInfo THlavniFormular::VyplnitInfo() {
    TInfo info;
    info.HlavniFormular = this;
    info.MainMenu1 = MainMenu1;
    info.btn = btn;
    info.StatusBar = StatusBar;
    info.Stavovy_radek = Zobrazitstavovdek1->isChecked();
    return info;
}

void THlavniFormular::ObnovitHlavniMenu() {
    PrepniMenu(this, MainMenu1);
    StatusBar->setVisible(Zobrazitstavovdek1->isChecked());
}

void THlavniFormular::Ukoni1Click() {
    close();
}

void THlavniFormular::Zobrazitstavovdek1Click() {
    StatusBar->setVisible(Zobrazitstavovdek1->isChecked());
    aktualniProfil->Stavovy_radek = StatusBar->isVisibleTo(this);
}

void THlavniFormular::Prohletotzky1Click() {
    PrepniMenu(this, MainMenu2);
    StatusBar->hide();
    const TInfo info = VyplnitInfo();
    const QString chyba = zpravy::textChyby([&] { aktualniProfil->Prohlizeni->Spustit(info); });
    if (chyba.isEmpty())
        return;
    // The mode did not start: back to the idle menu before the user reads why.
    if (aktualniProfil->Prohlizeni->JeAktivni())
        aktualniProfil->Prohlizeni->Ukoncit();
    ObnovitHlavniMenu();
    zpravy::chyba(this, chyba);
}

void THlavniFormular::Konec_rezimu1Click() {
    aktualniProfil->Prohlizeni->Ukoncit();
    ObnovitHlavniMenu();
}

void THlavniFormular::Testnabody1Click() {
    // A test that cannot be drawn (database missing, a section too small for the
    // group) is reported and no window opens.
    zpravy::zachyt(this, [&] {
        TTestForm okno(this, VyplnitInfo());
        okno.FormCreate();
        okno.exec();
    });
}

void THlavniFormular::Vsledkytestunabody1Click() {
    if (!SouborExistuje(kSouborProtokolu)) {
        zpravy::informace(this, QStringLiteral("Protokol závěrečného testu zatím nebyl vytvořen!"));
        return;
    }
    zpravy::zachyt(this, [&] {
        TTVysledky okno(this, VyplnitInfo().Nazev);
        okno.FormCreate();
        Vycentruj(&okno, this);
        okno.exec();
    });
}
