#include "profiles/profil_sprava.h"

#include "core/XML_profily.h"
#include "core/pomocne_fce.h"
#include "profiles/dotaz_heslo.h"
#include "profiles/profil_new.h"
#include "profiles/profil_trida.h"
#include "widgets/okna.h"
#include "widgets/zpravy.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QCollator>
#include <QGroupBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

TProfilSprava::TProfilSprava(QWidget* vlastnik, TProfil& AktualniProfil)
    : QDialog(vlastnik), profil_(AktualniProfil) {
    setObjectName(QStringLiteral("TProfilSprava"));
    setWindowTitle(QStringLiteral("Správce uživatelských účtů"));

    gbProfil = new QGroupBox(QStringLiteral("Profil uživatele"), this);
    lbProfil = new QListWidget(gbProfil);
    lbProfil->setObjectName(QStringLiteral("lbProfil"));
    btnVytvor = new QPushButton(QStringLiteral("Vytvořit &profil"), gbProfil);
    btnVytvor->setObjectName(QStringLiteral("btnVytvor"));
    btnSmaz = new QPushButton(QStringLiteral("&Smazat profil"), gbProfil);
    btnSmaz->setObjectName(QStringLiteral("btnSmaz"));
    btnUkonci = new QPushButton(QStringLiteral("&Ukončit program"), this);
    btnUkonci->setObjectName(QStringLiteral("btnUkonci"));
    btnVyber = new QPushButton(QStringLiteral("&Vybrat profil"), this);
    btnVyber->setObjectName(QStringLiteral("btnVyber"));
    btnVyber->setDefault(true);

    auto* tlacitkaProfilu = new QVBoxLayout;
    tlacitkaProfilu->addWidget(btnVytvor);
    tlacitkaProfilu->addWidget(btnSmaz);
    tlacitkaProfilu->addStretch(1);
    auto* skupina = new QHBoxLayout(gbProfil);
    skupina->addWidget(lbProfil, 1);
    skupina->addLayout(tlacitkaProfilu);
    auto* dole = new QHBoxLayout;
    dole->addWidget(btnUkonci);
    dole->addStretch(1);
    dole->addWidget(btnVyber);
    auto* rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->addWidget(gbProfil);
    rozvrzeni->addLayout(dole);
    setFixedSize(QSize(400, 280));

    // Choosing a name with the arrow keys counts like a click.
    connect(lbProfil, &QListWidget::itemSelectionChanged, this, &TProfilSprava::lbProfilClick);
    connect(lbProfil, &QListWidget::itemClicked, this, &TProfilSprava::lbProfilClick);
    connect(lbProfil, &QListWidget::itemDoubleClicked, this, [this] {
        if (!lbProfil->selectedItems().isEmpty())
            btnVyberClick();
    });
    connect(btnVyber, &QPushButton::clicked, this, &TProfilSprava::btnVyberClick);
    connect(btnVytvor, &QPushButton::clicked, this, &TProfilSprava::btnVytvorClick);
    connect(btnSmaz, &QPushButton::clicked, this, &TProfilSprava::btnSmazClick);
    connect(btnUkonci, &QPushButton::clicked, this, [this] {
        Vybrano = false;
        done(QDialog::Rejected);
    });
    lbProfil->setAccessibleName(QStringLiteral("Profily uživatelů"));
    lbProfil->installEventFilter(this);
    FormCreate();
    lbProfil->setFocus();
}

// The first Down, Up, Home or End in a list where nothing is chosen yet chooses a name
// (the list shows a current name that is not selected, and would otherwise move past
// it); Enter on a chosen name chooses the profile like "Vybrat profil".
bool TProfilSprava::eventFilter(QObject* objekt, QEvent* udalost) {
    if (objekt != lbProfil || udalost->type() != QEvent::KeyPress)
        return QDialog::eventFilter(objekt, udalost);
    const auto* klavesa = static_cast<QKeyEvent*>(udalost);
    const bool vybrano = !lbProfil->selectedItems().isEmpty();
    if ((klavesa->key() == Qt::Key_Return || klavesa->key() == Qt::Key_Enter) && vybrano) {
        btnVyberClick();
        return true;
    }
    if (vybrano || lbProfil->count() == 0)
        return QDialog::eventFilter(objekt, udalost);
    int radek = -1;
    const int aktualni = lbProfil->currentRow();
    switch (klavesa->key()) {
    case Qt::Key_Down:
        radek = aktualni >= 0 ? aktualni : 0;
        break;
    case Qt::Key_Up:
        radek = aktualni >= 0 ? aktualni : lbProfil->count() - 1;
        break;
    case Qt::Key_Home:
        radek = 0;
        break;
    case Qt::Key_End:
        radek = lbProfil->count() - 1;
        break;
    default:
        return QDialog::eventFilter(objekt, udalost);
    }
    lbProfil->setCurrentRow(radek, QItemSelectionModel::ClearAndSelect);
    lbProfilClick();
    return true;
}

void TProfilSprava::FormCreate() {
    lbProfil->clear();
    if (SouborExistuje(kSouborProfilu)) {
        zpravy::zachyt(this, [&] {
            const TXMLProfilyType soubor = TXMLProfilyType::Nacti();
            for (const TXMLProfilType& p : soubor.Profily())
                PridejDoSeznamu(p.Nazev());
        });
    }
    btnVyber->setEnabled(false);
    btnSmaz->setEnabled(false);
    Vybrano = false;
}

void TProfilSprava::PridejDoSeznamu(const QString& nazev) {
    // The list keeps itself sorted the way a Czech reader expects (Č after C).
    QCollator razeni(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    razeni.setCaseSensitivity(Qt::CaseInsensitive);
    int pozice = 0;
    while (pozice < lbProfil->count() && razeni.compare(lbProfil->item(pozice)->text(), nazev) <= 0)
        ++pozice;
    const QSignalBlocker ticho(lbProfil);
    lbProfil->insertItem(pozice, nazev);
}

void TProfilSprava::lbProfilClick() {
    if (lbProfil->count() > 0 && !lbProfil->selectedItems().isEmpty()) {
        btnVyber->setEnabled(true);
        btnSmaz->setEnabled(true);
    }
}

bool TProfilSprava::OverHeslo() {
    QString ZadaneHeslo;
    TDotazHeslo dotaz(this, ZadaneHeslo);
    Vycentruj(&dotaz, this);
    dotaz.exec();
    if (ZadaneHeslo != profil_.Heslo) {
        zpravy::chyba(this, QStringLiteral("Zadané heslo není korektní!"));
        return false;
    }
    return true;
}

void TProfilSprava::btnVyberClick() {
    if (lbProfil->selectedItems().isEmpty())
        return;
    const QString nazev = lbProfil->selectedItems().first()->text();
    bool nacteno = false;
    if (!zpravy::zachyt(this, [&] { nacteno = profil_.Nacti(nazev); }))
        return;
    if (!nacteno) {
        zpravy::chyba(
            this,
            QStringLiteral("Profil \"%1\" už v souboru \"%2\" není.").arg(nazev, kSouborProfilu));
        return;
    }
    if (!profil_.Heslo.isEmpty() && !OverHeslo())
        return;
    Vybrano = true;
    done(QDialog::Accepted);
}

void TProfilSprava::btnVytvorClick() {
    QString NovyNazev;
    QString ZadaneHeslo;
    QStringList nazvy;
    for (int i = 0; i < lbProfil->count(); ++i)
        nazvy << lbProfil->item(i)->text();
    TProfilVytvor dialog(this, nazvy, NovyNazev, ZadaneHeslo);
    Vycentruj(&dialog, this);
    dialog.exec();
    if (NovyNazev.isEmpty())
        return;
    if (zpravy::zachyt(this, [&] { profil_.Vytvor(NovyNazev, ZadaneHeslo); }))
        PridejDoSeznamu(NovyNazev);
}

void TProfilSprava::btnSmazClick() {
    if (lbProfil->selectedItems().isEmpty())
        return;
    QListWidgetItem* polozka = lbProfil->selectedItems().first();
    const QString nazev = polozka->text();
    bool nacteno = false;
    if (!zpravy::zachyt(this, [&] { nacteno = profil_.Nacti(nazev); }) || !nacteno)
        return;
    if (!zpravy::varovani(
            this, QStringLiteral("Opravdu chcete profil \"%1\" smazat?").arg(profil_.Nazev)))
        return;
    if (!profil_.Heslo.isEmpty() && !OverHeslo())
        return;
    zpravy::zachyt(this, [&] { profil_.Smaz(nazev); });
    // The entry goes when the profile is gone, also when its records could not be.
    if (profil_.Nazvy().contains(nazev))
        return;
    delete polozka;
    lbProfil->clearSelection();
    lbProfil->setCurrentRow(-1);
    btnVyber->setEnabled(false);
    btnSmaz->setEnabled(false);
    lbProfil->setFocus();
}

void TProfilSprava::done(int vysledek) {
    if (!Vybrano &&
        !zpravy::varovani(this, QStringLiteral("Opravdu chcete ukončit program Kolomat?")))
        return;
    Q_UNUSED(vysledek);
    QDialog::done(Vybrano ? QDialog::Accepted : QDialog::Rejected);
}

void TProfilSprava::closeEvent(QCloseEvent* udalost) {
    udalost->ignore();
    done(QDialog::Rejected);
}
