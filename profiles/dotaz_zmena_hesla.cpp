#include "profiles/dotaz_zmena_hesla.h"

#include "core/pomocne_fce.h"
#include "profiles/profil_trida.h"
#include "widgets/zpravy.h"

#include "widgets/tlacitka_dialogu.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TDotazZmenaHesla::TDotazZmenaHesla(QWidget* vlastnik, TProfil& AktualniProfil)
    : QDialog(vlastnik), profil_(AktualniProfil) {
    setObjectName(QStringLiteral("TDotazZmenaHesla"));
    // The designed caption ends in a blank; another one comes before the name.
    setWindowTitle(QStringLiteral("Změnit heslo profilu ") + u' ' + profil_.Nazev +
                   QStringLiteral(" na..."));

    gbZmenaHesla = new QGroupBox(QStringLiteral("Změna hesla"), this);
    lbStareHeslo = new QLabel(QStringLiteral("Staré heslo:"), gbZmenaHesla);
    lbNoveHeslo = new QLabel(QStringLiteral("Nové heslo:"), gbZmenaHesla);
    lbPotvrzeni = new QLabel(QStringLiteral("Potvrzení:"), gbZmenaHesla);
    eStareHeslo = new QLineEdit(gbZmenaHesla);
    eStareHeslo->setObjectName(QStringLiteral("eStareHeslo"));
    eNoveHeslo = new QLineEdit(gbZmenaHesla);
    eNoveHeslo->setObjectName(QStringLiteral("eNoveHeslo"));
    ePotvrzeni = new QLineEdit(gbZmenaHesla);
    ePotvrzeni->setObjectName(QStringLiteral("ePotvrzeni"));
    auto* mrizka = new QGridLayout(gbZmenaHesla);
    int radek = 0;
    for (auto [popisek, pole] :
         {std::pair{lbStareHeslo, eStareHeslo}, std::pair{lbNoveHeslo, eNoveHeslo},
          std::pair{lbPotvrzeni, ePotvrzeni}}) {
        pole->setEchoMode(QLineEdit::Password);
        pole->setMaxLength(50);
        popisek->setBuddy(pole);
        mrizka->addWidget(popisek, radek, 0);
        mrizka->addWidget(pole, radek, 1);
        ++radek;
    }

    const TlacitkaDialogu tlacitka = RadekOkStorno(this);
    btnOK = tlacitka.ok;
    btnStorno = tlacitka.storno;
    auto* rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->addWidget(gbZmenaHesla);
    rozvrzeni->addWidget(tlacitka.radek);
    setFixedSize(sizeHint().expandedTo(QSize(320, 0)));

    connect(btnOK, &QPushButton::clicked, this, &TDotazZmenaHesla::btnOKClick);
    eStareHeslo->setFocus();
}

void TDotazZmenaHesla::btnOKClick() {
    const QString znovu = QStringLiteral("\r\nZadejte heslo znovu!");
    if (eNoveHeslo->text() != ePotvrzeni->text()) {
        zpravy::chyba(this, QStringLiteral("Potvrzení hesla se nezdařilo!") + znovu);
        eNoveHeslo->setFocus();
        return;
    }
    if (eNoveHeslo->text().size() < 5) {
        zpravy::chyba(this, QStringLiteral("Minimální délka hesla je 5 znaků!") + znovu);
        eNoveHeslo->setFocus();
        return;
    }
    if (eStareHeslo->text() != profil_.Heslo) {
        zpravy::chyba(this, QStringLiteral("Staré heslo zadáno nekorektně!") + znovu);
        eStareHeslo->setFocus();
        return;
    }
    profil_.Heslo = Orizni(eNoveHeslo->text(), 50);
    accept();
}
