#include "app/main.h"

#include "app/about.h"
#include "app/history.h"
#include "app/napoveda.h"
#include "core/XML_protokoly.h"
#include "core/XML_vysledky.h"
#include "core/pomocne_fce.h"
#include "core/procvicovani_chyb.h"
#include "pointtest/test.h"
#include "pointtest/vysledkyT.h"
#include "profiles/dotaz_zmena_hesla.h"
#include "profiles/nastaveni.h"
#include "profiles/profil_sprava.h"
#include "profiles/profil_trida.h"
#include "results/vysledkyPZ.h"
#include "stats/statistika_okno.h"
#include "update/aktualizace.h"
#include "views/dotaz_procvic_zk.h"
#include "widgets/okna.h"
#include "widgets/pozadavek_procvicovani.h"
#include "widgets/zpravy.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QInputDialog>
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

THlavniFormular::THlavniFormular() : ServerAktualizace(Tupdate::VychoziServer()) {
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

// One item of a menu: its caption, hint and name, and the handler its choice runs.
QAction* THlavniFormular::Polozka(QMenu* menu, const QString& text, const QString& hint,
                                  const char* jmeno, void (THlavniFormular::*akce)()) {
    QAction* a = polozka(menu, text, hint, jmeno);
    if (akce)
        connect(a, &QAction::triggered, this, akce);
    return a;
}

void THlavniFormular::VytvorMenu() {
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    VytvorMenuProgramAProfil();
    VytvorMenuKonfigurace();
    VytvorMenuStartAVysledky();
    VytvorMenuInformace();
    VytvorMenuRezimu();
    setMenuBar(MainMenu1);
}

void THlavniFormular::VytvorMenuProgramAProfil() {
    QMenu* program =
        nabidka(MainMenu1, QStringLiteral("&Program"), QStringLiteral("Program..."), "Program1");
    Ukoni1 = Polozka(program, QStringLiteral("&Ukončit"), QStringLiteral("Ukončí program Kolomat"),
                     "Ukoni1", &THlavniFormular::Ukoni1Click);

    QMenu* profil = nabidka(MainMenu1, QStringLiteral("P&rofil"),
                            QStringLiteral("Správa profilu..."), "Profil1");
    Pejmenovat1 = Polozka(profil, QStringLiteral("Př&ejmenovat"),
                          QStringLiteral("Spustí formulář pro změnu jména profilu"), "Pejmenovat1",
                          &THlavniFormular::Pejmenovat1Click);
    Zmnitheslo1 = Polozka(profil, QStringLiteral("&Změnit heslo"),
                          QStringLiteral("Spustí formulář pro změnu hesla"), "Zmnitheslo1",
                          &THlavniFormular::Zmnitheslo1Click);
    profil->addSeparator();
    Odhlsitse1 = Polozka(profil, QStringLiteral("&Odhlásit se"),
                         QStringLiteral("Odhlásí aktuálního uživatele a spustí manažér profilů"),
                         "Odhlsitse1", &THlavniFormular::Odhlsitse1Click);
}

void THlavniFormular::VytvorMenuKonfigurace() {
    QMenu* konfigurace = nabidka(MainMenu1, QStringLiteral("&Konfigurace"),
                                 QStringLiteral("Konfigurace..."), "Konfigurace1");
    Zvolenskupina1 = Polozka(konfigurace, QStringLiteral("Z&volená skupina: B"),
                             QStringLiteral("Zobrazuje zvolenou skupinu řidičského oprávnění"),
                             "Zvolenskupina1", nullptr);
    konfigurace->addSeparator();
    Nastaven1 = Polozka(konfigurace, QStringLiteral("&Nastavení..."),
                        QStringLiteral("Spustí okno nastavení programu"), "Nastaven1",
                        &THlavniFormular::Nastaven1Click);
    Provstaktualizaci1 =
        Polozka(konfigurace, QStringLiteral("&Provést aktualizaci"),
                QStringLiteral("Provede aktualizaci databáze otázek, je-li dostupná novější verze"),
                "Provstaktualizaci1", &THlavniFormular::Provstaktualizaci1Click);
    Zobrazitstavovdek1 = Polozka(konfigurace, QStringLiteral("&Zobrazit stavový řádek"),
                                 QStringLiteral("Zobrazí/skryje stavový řádek"),
                                 "Zobrazitstavovdek1", &THlavniFormular::Zobrazitstavovdek1Click);
    Zobrazitstavovdek1->setCheckable(true);
    Zobrazitstavovdek1->setChecked(true);
    konfigurace->addSeparator();
    Uloitnastaven1 = Polozka(konfigurace, QStringLiteral("&Uložit nastavení"),
                             QStringLiteral("Uloží nastavení programu"), "Uloitnastaven1",
                             &THlavniFormular::Uloitnastaven1Click);
}

void THlavniFormular::VytvorMenuStartAVysledky() {
    QMenu* start =
        nabidka(MainMenu1, QStringLiteral("&Start"), QStringLiteral("Start..."), "Start1");
    Prohletotzky1 =
        Polozka(start, QStringLiteral("Prohlížet &otázky"),
                QStringLiteral("Spustí režim prohlížení všech 757 otázek (mimo vyřazených)"),
                "Prohletotzky1", &THlavniFormular::Prohletotzky1Click);
    start->addSeparator();
    Procviovatotzky1 = Polozka(start, QStringLiteral("Pro&cvičovat otázky"),
                               QStringLiteral("Spustí režim procvičování otázek"),
                               "Procviovatotzky1", &THlavniFormular::Procviovatotzky1Click);
    Zkouetotzky1 = Polozka(start, QStringLiteral("&Zkoušet otázky"),
                           QStringLiteral("Spustí režim zkoušení otázek"), "Zkouetotzky1",
                           &THlavniFormular::Zkouetotzky1Click);
    start->addSeparator();
    Testnabody1 =
        Polozka(start, QStringLiteral("&Test na body"),
                QStringLiteral("Vytvoří test z předpisů o provozu na pozemních komunikacích"),
                "Testnabody1", &THlavniFormular::Testnabody1Click);
    start->addSeparator();
    ProcvicovatChybne1 = Polozka(
        start, QStringLiteral("Procvičovat c&hybné otázky"),
        QStringLiteral("Spustí procvičování otázek, na které jste naposledy odpověděli špatně"),
        "ProcvicovatChybne1", &THlavniFormular::ProcvicovatChybneClick);
    ProcvicovatOznacene1 =
        Polozka(start, QStringLiteral("Procvičovat oz&načené otázky"),
                QStringLiteral("Spustí procvičování otázek, které jste si označili"),
                "ProcvicovatOznacene1", &THlavniFormular::ProcvicovatOznaceneClick);

    QMenu* vysledky =
        nabidka(MainMenu1, QStringLiteral("&Výsledky"), QStringLiteral("Výsledky..."), "Vsledky1");
    Vsledkyz1 = vysledky->addMenu(QStringLiteral("Výsledk&y z"));
    Vsledkyz1->setObjectName(QStringLiteral("Vsledkyz1"));
    Vsledkyz1->menuAction()->setStatusTip(QStringLiteral("Zobrazí výsledky z..."));
    Procviovn1 = Polozka(Vsledkyz1, QStringLiteral("P&rocvičování"),
                         QStringLiteral("Zobrazí výsledky z procvičování"), "Procviovn1",
                         &THlavniFormular::Procviovn1Click);
    Zkouen1 = Polozka(Vsledkyz1, QStringLiteral("&Zkoušení"),
                      QStringLiteral("Zobrazí výsledky ze zkoušení"), "Zkouen1",
                      &THlavniFormular::Zkouen1Click);
    vysledky->addSeparator();
    Vsledkytestunabody1 =
        Polozka(vysledky, QStringLiteral("Výsledky &testu na body"),
                QStringLiteral("Zobrazí výsledky testů z pravidel silničního provozu"),
                "Vsledkytestunabody1", &THlavniFormular::Vsledkytestunabody1Click);
    vysledky->addSeparator();
    StatistikaUceni1 =
        Polozka(vysledky, QStringLiteral("&Statistika učení"),
                QStringLiteral("Zobrazí statistiku učení a šanci složit test na body"),
                "StatistikaUceni1", &THlavniFormular::StatistikaUceniClick);
}

void THlavniFormular::VytvorMenuInformace() {
    QMenu* informace = nabidka(MainMenu1, QStringLiteral("&Informace"),
                               QStringLiteral("Informace..."), "Informace1");
    Informaceoprogramu1 =
        Polozka(informace, QStringLiteral("Informace o p&rogramu"),
                QStringLiteral("Zobrazí základní informace o programu"), "Informaceoprogramu1",
                &THlavniFormular::Informaceoprogramu1Click);
    Historieopravaaktualizac1 =
        Polozka(informace, QStringLiteral("&Historie oprav a aktualizací"),
                QStringLiteral("Zobrazí historii oprav a aktualizací"), "Historieopravaaktualizac1",
                &THlavniFormular::Historieopravaaktualizac1Click);
    informace->addSeparator();
    Npovda1 = Polozka(informace, QStringLiteral("&Nápověda"),
                      QStringLiteral("Zobrazí nápovědu programu Kolomat"), "Npovda1",
                      &THlavniFormular::Npovda1Click);
}

// The bars of browse mode and of a practice or exam run.
void THlavniFormular::VytvorMenuRezimu() {
    MainMenu2 = new QMenuBar(this);
    MainMenu2->setObjectName(QStringLiteral("MainMenu2"));
    Konec_rezimu1 = polozkaListy(MainMenu2, QStringLiteral("&Konec režimu"), "Konec_rezimu1");
    OznacitOtazku1 = polozkaListy(MainMenu2, QStringLiteral("Oz&načit otázku"), "OznacitOtazku1");
    Oprogramu1 = polozkaListy(MainMenu2, QStringLiteral("&O programu"), "Oprogramu1");
    MainMenu2->hide();

    MainMenu3 = new QMenuBar(this);
    MainMenu3->setObjectName(QStringLiteral("MainMenu3"));
    Konecreimu1 = polozkaListy(MainMenu3, QStringLiteral("&Konec režimu"), "Konecreimu1");
    Oznasprvnouodpov1 =
        polozkaListy(MainMenu3, QStringLiteral("O&znač správnou odpověď"), "Oznasprvnouodpov1");
    OznacitOtazku2 = polozkaListy(MainMenu3, QStringLiteral("Oz&načit otázku"), "OznacitOtazku2");
    Oprogramu2 = polozkaListy(MainMenu3, QStringLiteral("&O programu"), "Oprogramu2");
    MainMenu3->hide();

    connect(Konec_rezimu1, &QAction::triggered, this, &THlavniFormular::Konec_rezimu1Click);
    for (QAction* oProgramu : {Oprogramu1, Oprogramu2})
        connect(oProgramu, &QAction::triggered, this, &THlavniFormular::Informaceoprogramu1Click);
    connect(Konecreimu1, &QAction::triggered, this, &THlavniFormular::Konecreimu1Click);
    connect(Oznasprvnouodpov1, &QAction::triggered, this, &THlavniFormular::Oznasprvnouodpov1Click);
    for (QAction* oznacit : {OznacitOtazku1, OznacitOtazku2}) {
        oznacit->setToolTip(QStringLiteral("Označí otázku nebo označení zruší (klávesa O)"));
        connect(oznacit, &QAction::triggered, this, &THlavniFormular::OznacitOtazkuClick);
    }
}

void THlavniFormular::VytvorStavovyRadek() {
    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    // The panels stand 2 pixels apart (the status bar's own gaps are wider), so that the
    // last one keeps as much of the window's width as it can.
    auto* radek = new QWidget(StatusBar);
    radek->setObjectName(QStringLiteral("Panely"));
    auto* rozvrzeni = new QHBoxLayout(radek);
    rozvrzeni->setContentsMargins(0, 0, 0, 0);
    rozvrzeni->setSpacing(2);
    const std::array<int, 3> sirky{400, 150, 150};
    for (size_t i = 0; i < Panely.size(); ++i) {
        // The fixed text of the last panel is set smaller rather than cut.
        QLabel* panel = i < sirky.size() ? new QLabel(radek) : new PopisekNaSirku(radek);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panel->setTextFormat(Qt::PlainText); // the profile's name and group
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        if (i < sirky.size())
            panel->setFixedWidth(sirky[i]);
        else
            panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        rozvrzeni->addWidget(panel, i < sirky.size() ? 0 : 1);
        Panely[i] = panel;
    }
    StatusBar->addWidget(radek, 1);
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
    // A profiles file that cannot be read ends the program before anything is written.
    startSelhal_ = !zpravy::zachyt(this, [&] { aktualniProfil->Otevrit(); });
    if (!startSelhal_) {
        // A history that cannot be used is told once; the program runs on without it.
        const QString historie = aktualniProfil->Historie.Otevrit();
        if (!historie.isEmpty())
            zpravy::chyba(this, historie);
    }
    if (startSelhal_ || !Prihlasit()) {
        close();
        return false;
    }
    return true;
}

void THlavniFormular::PrivolatDopredu() {
    QWidget* okno = QApplication::activeModalWidget();
    if (!okno)
        okno = this;
    if (okno->isMinimized())
        okno->showNormal();
    okno->raise();
    okno->activateWindow();
    zpravy::informace(okno, QStringLiteral("Program Kolomat byl v této pracovní složce spuštěn "
                                           "podruhé. Druhé okno se neotevřelo, aby si dvě "
                                           "spuštění nepřepisovala data; pokračujte zde."));
}

bool THlavniFormular::Prihlasit() {
    TProfilSprava sprava(this, *aktualniProfil);
    Vycentruj(&sprava, this);
    if (sprava.exec() != QDialog::Accepted)
        return false;
    ObnovitStav();
    return true;
}

void THlavniFormular::ObnovitStav() {
    const TProfil& p = *aktualniProfil;
    // A long name is shortened to the panel's width; the whole one shows as its hint.
    const QString jmeno = Panely[1]->fontMetrics().elidedText(
        p.Nazev, Qt::ElideRight, Panely[1]->contentsRect().width() - 4);
    Panely[1]->setText(jmeno);
    Panely[1]->setToolTip(
        jmeno == p.Nazev ? QString() : QStringLiteral("<p>%1</p>").arg(p.Nazev.toHtmlEscaped()));
    Panely[2]->setText(QStringLiteral("Skupina: ") + p.Skupina);
    Zvolenskupina1->setText(QStringLiteral("Z&volená skupina: ") + p.Skupina);
    Zobrazitstavovdek1->setChecked(p.Stavovy_radek);
    StatusBar->setVisible(p.Stavovy_radek);
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
    const TProfil& p = *aktualniProfil;
    TInfo info;
    info.Nazev = p.Nazev;
    info.Kategorie = p.Kategorie;
    info.Skupina = p.Skupina;
    info.Protokoly = p.Protokoly;
    info.Postupny_vyber = p.Postupny_vyber;
    info.Pismo_font = p.Pismo_font;
    info.Pismo_velikost = p.Pismo_velikost;
    info.HlavniFormular = this;
    info.MainMenu1 = MainMenu1;
    info.btn = btn;
    info.StatusBar = StatusBar;
    info.Stavovy_radek = Zobrazitstavovdek1->isChecked();
    info.Historie = &aktualniProfil->Historie;
    return info;
}

void THlavniFormular::ObnovitHlavniMenu() {
    PrepniMenu(this, MainMenu1);
    StatusBar->setVisible(Zobrazitstavovdek1->isChecked());
}

void THlavniFormular::Ukoni1Click() {
    close();
}

void THlavniFormular::Pejmenovat1Click() {
    TProfil& p = *aktualniProfil;
    QInputDialog dotaz(this);
    dotaz.setObjectName(QStringLiteral("PrejmenovatProfil"));
    dotaz.setWindowTitle(QStringLiteral("Přejmenovat profil \"%1\" na...").arg(p.Nazev));
    dotaz.setLabelText(QStringLiteral("Název nového profilu: "));
    dotaz.setTextValue(QString());
    dotaz.setOkButtonText(QStringLiteral("&OK"));
    dotaz.setCancelButtonText(QStringLiteral("&Storno"));
    // Wide enough for its caption with the profile's name (the title bar would cut it).
    dotaz.resize(std::max(dotaz.sizeHint().width(),
                          dotaz.fontMetrics().horizontalAdvance(dotaz.windowTitle()) + 140),
                 dotaz.sizeHint().height());
    Vycentruj(&dotaz, this);
    if (dotaz.exec() != QDialog::Accepted)
        return;
    const QString novy = dotaz.textValue();
    // An empty name would make a profile that the creation dialog itself refuses.
    if (novy.isEmpty()) {
        zpravy::chyba(this, QStringLiteral("Zadaný profil musí mít minimálně 1 znak!"));
        return;
    }
    if (p.Existuje(novy)) {
        zpravy::chyba(this, QStringLiteral("Přejmenování se nezdařilo, jelikož zadaný profil "
                                           "již existuje!"));
        return;
    }
    QString historie;
    if (zpravy::zachyt(this, [&] { historie = p.Prejmenuj(Orizni(novy, 30)); }) &&
        !historie.isEmpty())
        zpravy::chyba(this, historie);
    ObnovitStav();
}

void THlavniFormular::Zmnitheslo1Click() {
    TProfil& p = *aktualniProfil;
    const QString stare = p.Heslo;
    OtevriModalne<TDotazZmenaHesla>(this, Umisteni::NadVlastnikem, p);
    if (p.Heslo != stare && !zpravy::zachyt(this, [&] { p.Uloz(); }))
        p.Heslo = stare;
}

void THlavniFormular::Odhlsitse1Click() {
    if (!Prihlasit())
        close();
}

void THlavniFormular::Nastaven1Click() {
    OtevriModalne<TSetup>(this, Umisteni::NadVlastnikem, *aktualniProfil);
    ObnovitStav();
}

void THlavniFormular::Zobrazitstavovdek1Click() {
    StatusBar->setVisible(Zobrazitstavovdek1->isChecked());
    aktualniProfil->Stavovy_radek = Zobrazitstavovdek1->isChecked();
}

void THlavniFormular::Uloitnastaven1Click() {
    zpravy::zachyt(this, [&] { aktualniProfil->Uloz(); });
    ObnovitStav();
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
    OtevriModalne<TTestForm>(this, Umisteni::Vlastni, VyplnitInfo());
}

void THlavniFormular::Vsledkytestunabody1Click() {
    if (!SouborNaDisku(kSouborProtokolu)) {
        zpravy::informace(this, QStringLiteral("Protokol závěrečného testu zatím nebyl vytvořen!"));
        return;
    }
    const TInfo info = VyplnitInfo();
    OtevriModalne<TTVysledky>(this, Umisteni::NadVlastnikem, info.Nazev, info.Historie);
    ProcvicitPozadovane();
}

void THlavniFormular::StatistikaUceniClick() {
    OtevriModalne<TStatistika>(this, Umisteni::NadVlastnikem, VyplnitInfo());
    ProcvicitPozadovane();
}

void THlavniFormular::Provstaktualizaci1Click() {
    if (Aktualizace) {
        Aktualizace->show();
        Aktualizace->raise();
        Aktualizace->activateWindow();
        return;
    }
    zpravy::zachyt(this, [&] { Aktualizace = new Tupdate(this, ServerAktualizace); });
}

void THlavniFormular::Informaceoprogramu1Click() {
    OtevriModalne<TOProgramu>(this, Umisteni::NadVlastnikem);
}

void THlavniFormular::Procviovatotzky1Click() {
    SpustitProcvicovaniZkouseni(false);
}

void THlavniFormular::Zkouetotzky1Click() {
    SpustitProcvicovaniZkouseni(true);
}

void THlavniFormular::SpustitProcvicovaniZkouseni(bool zkouseni) {
    VybraneOtazky.clear();
    const bool vybrano = zpravy::zachyt(this, [&] {
        const TInfo nastaveni = VyplnitInfo();
        TDotazProcvicovaniZkouseni dotaz(this, nastaveni.Kategorie, nastaveni.Postupny_vyber,
                                         VybraneOtazky);
        Vycentruj(&dotaz, this);
        dotaz.lbNadpis->setText(zkouseni ? QStringLiteral("Zkoušení otázek")
                                         : QStringLiteral("Procvičování otázek"));
        dotaz.lbNadpis->adjustSize();
        dotaz.lbNadpis->move((dotaz.width() - dotaz.lbNadpis->width()) / 2, dotaz.lbNadpis->y());
        dotaz.btnStart->setText(dotaz.btnStart->text() + (zkouseni
                                                              ? QStringLiteral(" Zkoušení")
                                                              : QStringLiteral(" Procvičování")));
        dotaz.btnStart->resize(
            std::max(dotaz.btnStart->width(), dotaz.btnStart->sizeHint().width()),
            dotaz.btnStart->height());
        dotaz.btnStart->move((dotaz.width() - dotaz.btnStart->width()) / 2, dotaz.btnStart->y());
        // However the dialog is closed, the run starts with what it left in the list.
        dotaz.exec();
    });
    // No question to ask (every category off, or the database unreadable): no run.
    if (!vybrano || VybraneOtazky.empty())
        return;

    SpustitBeh(zkouseni);
}

void THlavniFormular::SpustitBeh(bool zkouseni) {
    PrepniMenu(this, MainMenu3);
    Oznasprvnouodpov1->setEnabled(!zkouseni);
    Oznasprvnouodpov1->setVisible(!zkouseni);
    StatusBar->hide();
    const TInfo info = VyplnitInfo();
    TViewPrZk& view = zkouseni ? static_cast<TViewPrZk&>(*aktualniProfil->Zkouseni)
                               : static_cast<TViewPrZk&>(*aktualniProfil->Procvicovani);
    const QString chyba = zpravy::textChyby([&] {
        if (zkouseni)
            aktualniProfil->Zkouseni->Spustit(info, VybraneOtazky);
        else
            aktualniProfil->Procvicovani->Spustit(info, VybraneOtazky);
    });
    if (chyba.isEmpty())
        return;
    // The mode did not start: back to the idle menu before the user reads why.
    if (view.JeAktivni())
        view.Ukoncit();
    ObnovitHlavniMenu();
    zpravy::chyba(this, chyba);
}

void THlavniFormular::ProcvicovatChybneClick() {
    const TInfo info = VyplnitInfo();
    if (!info.Historie->Otevreno()) {
        zpravy::chyba(this, info.Historie->Duvod());
        return;
    }
    ProcvicitOtazky(info.Historie->ChybneOtazky(info.Nazev), kVychoziPocetOtazek,
                    QStringLiteral("Nemáte žádné chybně zodpovězené otázky k procvičení. Otázka, "
                                   "na kterou odpovíte špatně, se sem zařadí, dokud ji dvakrát "
                                   "po sobě nezodpovíte správně."));
}

void THlavniFormular::ProcvicovatOznaceneClick() {
    const TInfo info = VyplnitInfo();
    if (!info.Historie->Otevreno()) {
        zpravy::chyba(this, info.Historie->Duvod());
        return;
    }
    ProcvicitOtazky(info.Historie->Oznacene(info.Nazev), kVychoziPocetOtazek,
                    QStringLiteral("Nemáte žádné označené otázky k procvičení. Otázku označíte "
                                   "při prohlížení nebo procvičování klávesou O nebo položkou "
                                   "\"Označit otázku\"."));
}

void THlavniFormular::ProcvicitOtazky(const std::vector<int>& cisla, int nejvic,
                                      const QString& zadne) {
    VybraneOtazky.clear();
    const bool nacteno = zpravy::zachyt(this, [&] {
        const TOtazka databaze;
        VybraneOtazky =
            OtazkyKProcviceni(databaze.Dokument(), cisla, VyplnitInfo().Skupina, nejvic);
    });
    if (!nacteno)
        return;
    if (VybraneOtazky.empty()) {
        zpravy::informace(this, zadne);
        return;
    }
    SpustitBeh(false);
}

void THlavniFormular::ProcvicitPozadovane() {
    const std::vector<int> cisla = pozadavek_procvicovani::Vezmi();
    if (cisla.empty())
        return;
    ProcvicitOtazky(cisla, static_cast<int>(cisla.size()),
                    QStringLiteral("Žádnou z těchto otázek nelze procvičit: v databázi otázek "
                                   "jsou vyřazeny nebo nepatří do skupiny vašeho profilu."));
}

void THlavniFormular::OznacitOtazkuClick() {
    for (TView* view : std::initializer_list<TView*>{aktualniProfil->Prohlizeni.get(),
                                                     aktualniProfil->Procvicovani.get(),
                                                     aktualniProfil->Zkouseni.get()})
        if (view->JeAktivni())
            view->PrepniOznaceni();
}

void THlavniFormular::Konecreimu1Click() {
    if (aktualniProfil->Procvicovani->JeAktivni())
        aktualniProfil->Procvicovani->Ukoncit();
    else
        aktualniProfil->Zkouseni->Ukoncit();
    ObnovitHlavniMenu();
}

void THlavniFormular::Oznasprvnouodpov1Click() {
    zpravy::zachyt(this, [&] { aktualniProfil->Procvicovani->Napoveda(); });
}

void THlavniFormular::Procviovn1Click() {
    OtevritVysledkyZ(kVysledkyProcvicovani,
                     QStringLiteral("Protokol procvičování zatím nebyl vytvořen!"));
}

void THlavniFormular::Zkouen1Click() {
    OtevritVysledkyZ(kVysledkyZkouseni, QStringLiteral("Protokol zkoušení zatím nebyl vytvořen!"));
}

void THlavniFormular::OtevritVysledkyZ(std::uint8_t typ, const QString& zadne) {
    // Only the file's presence is tested, not whether it holds runs of that kind. A file
    // that is there but cannot be read opens the list, which says what is wrong with it.
    if (!SouborNaDisku(kSouborVysledku)) {
        zpravy::informace(this, zadne);
        return;
    }
    OtevritVysledky(typ);
}

void THlavniFormular::OtevritVysledky(std::uint8_t typ) {
    TypVysledku = typ;
    OtevriModalne<TPZVysledky>(this, Umisteni::NadVlastnikem, VyplnitInfo().Nazev, TypVysledku);
    ProcvicitPozadovane();
}

void THlavniFormular::Historieopravaaktualizac1Click() {
    OtevriModalne<THistorie>(this, Umisteni::NadVlastnikem);
}

void THlavniFormular::Npovda1Click() {
    OtevriModalne<TNapovedaForm>(this, Umisteni::Vlastni);
}
