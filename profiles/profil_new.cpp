#include "profiles/profil_new.h"

#include "widgets/zpravy.h"

#include "widgets/tlacitka_dialogu.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TProfilVytvor::TProfilVytvor(QWidget* vlastnik, const QStringList& existujici, QString& NovyNazev,
                             QString& ZadaneHeslo)
    : QDialog(vlastnik), existujici_(existujici), novyNazev_(NovyNazev), zadaneHeslo_(ZadaneHeslo) {
    setObjectName(QStringLiteral("TProfilVytvor"));
    setWindowTitle(QStringLiteral("Vytvoření nového profilu"));

    gbProfil = new QGroupBox(QStringLiteral("Nový profil"), this);
    lbNazev = new QLabel(QStringLiteral("Název profilu:"), gbProfil);
    eNazev = new QLineEdit(gbProfil);
    eNazev->setObjectName(QStringLiteral("eNazev"));
    eNazev->setMaxLength(30);
    lbNazev->setBuddy(eNazev);
    cbOchrana = new QCheckBox(QStringLiteral("Chránit profil heslem"), gbProfil);
    cbOchrana->setObjectName(QStringLiteral("cbOchrana"));
    gbHeslo = new QGroupBox(QStringLiteral("Zadání hesla"), gbProfil);
    lbHeslo = new QLabel(QStringLiteral("Heslo:"), gbHeslo);
    lbPotvrzeni = new QLabel(QStringLiteral("Potvrzeni hesla:"), gbHeslo);
    eHeslo = new QLineEdit(gbHeslo);
    eHeslo->setObjectName(QStringLiteral("eHeslo"));
    ePotvrzeni = new QLineEdit(gbHeslo);
    ePotvrzeni->setObjectName(QStringLiteral("ePotvrzeni"));
    for (QLineEdit* e : {eHeslo, ePotvrzeni}) {
        e->setEchoMode(QLineEdit::Password);
        e->setMaxLength(50);
    }
    lbHeslo->setBuddy(eHeslo);
    lbPotvrzeni->setBuddy(ePotvrzeni);
    lb1 = new QLabel(QStringLiteral("Podrobněji si budete moci profil nastavit v sekci"), gbProfil);
    lb2 = new QLabel(QStringLiteral("\"Nastavení\" hlavního programu."), gbProfil);

    auto* hesla = new QGridLayout(gbHeslo);
    hesla->addWidget(lbHeslo, 0, 0);
    hesla->addWidget(eHeslo, 0, 1);
    hesla->addWidget(lbPotvrzeni, 1, 0);
    hesla->addWidget(ePotvrzeni, 1, 1);
    auto* profil = new QVBoxLayout(gbProfil);
    profil->addWidget(lbNazev);
    profil->addWidget(eNazev);
    profil->addWidget(cbOchrana);
    profil->addWidget(gbHeslo);
    profil->addWidget(lb1);
    profil->addWidget(lb2);

    const TlacitkaDialogu tlacitka = RadekOkStorno(this);
    btnOK = tlacitka.ok;
    btnStorno = tlacitka.storno;
    auto* rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->addWidget(gbProfil);
    rozvrzeni->addWidget(tlacitka.radek);

    for (QWidget* w : std::initializer_list<QWidget*>{eHeslo, ePotvrzeni, lbHeslo, lbPotvrzeni})
        w->setEnabled(false);
    nastavBarvuHesel(false);
    setFixedSize(sizeHint().expandedTo(QSize(320, 0)));

    connect(cbOchrana, &QCheckBox::clicked, this, &TProfilVytvor::cbOchranaClick);
    connect(btnOK, &QPushButton::clicked, this, &TProfilVytvor::btnOKClick);
    eNazev->setFocus();
}

void TProfilVytvor::nastavBarvuHesel(bool ochrana) {
    for (QLineEdit* e : {eHeslo, ePotvrzeni}) {
        QPalette p = e->palette();
        p.setColor(QPalette::Base, palette().color(ochrana ? QPalette::Base : QPalette::Window));
        e->setPalette(p);
    }
}

void TProfilVytvor::cbOchranaClick() {
    for (QWidget* w : std::initializer_list<QWidget*>{eHeslo, ePotvrzeni, lbHeslo, lbPotvrzeni})
        w->setEnabled(!w->isEnabled());
    const bool ochrana = cbOchrana->isChecked();
    nastavBarvuHesel(ochrana);
    if (ochrana)
        eHeslo->setFocus();
}

void TProfilVytvor::btnOKClick() {
    const QString nazev = eNazev->text();
    if (nazev.isEmpty()) {
        zpravy::chyba(this, QStringLiteral("Zadaný profil musí mít minimálně 1 znak!"));
        eNazev->setFocus();
        return;
    }
    for (const QString& jiny : existujici_) {
        if (nazev.compare(jiny, Qt::CaseInsensitive) == 0) {
            zpravy::chyba(this, QStringLiteral("Zadaný profil již existuje!"));
            eNazev->setFocus();
            return;
        }
    }
    const bool ochrana = cbOchrana->isChecked();
    if (ochrana && eHeslo->text() != ePotvrzeni->text()) {
        zpravy::chyba(this,
                      QStringLiteral("Potvrzení hesla se nezdařilo!\r\nZadejte heslo znovu!"));
        eHeslo->setFocus();
        return;
    }
    if (ochrana && eHeslo->text().size() < 5) {
        zpravy::chyba(this,
                      QStringLiteral("Minimální délka hesla je 5 znaků!\r\nZadejte heslo znovu!"));
        eHeslo->setFocus();
        return;
    }
    if (ochrana)
        zadaneHeslo_ = eHeslo->text();
    novyNazev_ = nazev;
    accept();
}
