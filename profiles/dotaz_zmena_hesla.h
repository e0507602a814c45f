// The password change of the logged-in profile.
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TProfil;

class TDotazZmenaHesla : public QDialog {
    Q_OBJECT
public:
    // On success sets AktualniProfil.Heslo (the caller saves when it changed).
    TDotazZmenaHesla(QWidget* vlastnik, TProfil& AktualniProfil);

    QGroupBox* gbZmenaHesla = nullptr;
    QLabel* lbStareHeslo = nullptr;
    QLabel* lbNoveHeslo = nullptr;
    QLabel* lbPotvrzeni = nullptr;
    QLineEdit* eStareHeslo = nullptr;
    QLineEdit* eNoveHeslo = nullptr;
    QLineEdit* ePotvrzeni = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    void btnOKClick();
    TProfil& profil_;
};
