#include "profiles/dotaz_heslo.h"

#include <QBoxLayout>
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
    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnStorno = new QPushButton(QStringLiteral("&Storno"), this);
    btnStorno->setObjectName(QStringLiteral("btnStorno"));

    auto* tlacitka = new QHBoxLayout;
    tlacitka->addStretch(1);
    tlacitka->addWidget(btnOK);
    tlacitka->addWidget(btnStorno);
    auto* rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->addWidget(lbText);
    rozvrzeni->addWidget(lbHeslo);
    rozvrzeni->addWidget(eHeslo);
    rozvrzeni->addLayout(tlacitka);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));

    connect(btnOK, &QPushButton::clicked, this, &TDotazHeslo::btnOKClick);
    connect(btnStorno, &QPushButton::clicked, this, &QDialog::reject);
    eHeslo->setFocus();
}

void TDotazHeslo::btnOKClick() {
    zadaneHeslo_ = eHeslo->text();
    accept();
}
