#include "profiles/dotaz_heslo.h"

#include "widgets/tlacitka_dialogu.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TDotazHeslo::TDotazHeslo(QWidget* vlastnik, QString& ZadaneHeslo)
    : QDialog(vlastnik), zadaneHeslo_(ZadaneHeslo) {
    setObjectName(QStringLiteral("TDotazHeslo"));
    setWindowTitle(QStringLiteral("Dotaz programu Kolomat"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    lbText = new QLabel(QStringLiteral("Vámi vybraný profil je chráněn heslem!"), this);
    QFont tucne = lbText->font();
    tucne.setBold(true);
    lbText->setFont(tucne);
    lbHeslo = new QLabel(QStringLiteral("Prosím zadejte heslo:"), this);
    eHeslo = new QLineEdit(this);
    eHeslo->setObjectName(QStringLiteral("eHeslo"));
    eHeslo->setEchoMode(QLineEdit::Password);
    eHeslo->setMaxLength(50);
    lbHeslo->setBuddy(eHeslo);
    const TlacitkaDialogu tlacitka = RadekOkStorno(this);
    btnOK = tlacitka.ok;
    btnStorno = tlacitka.storno;
    auto* rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->addWidget(lbText);
    rozvrzeni->addWidget(lbHeslo);
    rozvrzeni->addWidget(eHeslo);
    rozvrzeni->addWidget(tlacitka.radek);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));

    connect(btnOK, &QPushButton::clicked, this, &TDotazHeslo::btnOKClick);
    eHeslo->setFocus();
}

void TDotazHeslo::btnOKClick() {
    zadaneHeslo_ = eHeslo->text();
    accept();
}
