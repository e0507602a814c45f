// The settings window of the logged-in profile. OK changes the profile's fields in
// memory only; "Uložit nastavení" in the main menu writes them.
#pragma once

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTextEdit;
class TProfil;

class TSetup : public QDialog {
    Q_OBJECT
public:
    TSetup(QWidget* vlastnik, TProfil& AktualniProfil);

    QGroupBox* gbKategorie = nullptr;
    std::array<QCheckBox*, 7> cbkat{};
    QGroupBox* gbProtokol = nullptr;
    std::array<QCheckBox*, 3> cbp{};
    QGroupBox* gbSkupina = nullptr;
    QRadioButton* rbA = nullptr;
    QRadioButton* rbA1 = nullptr;
    QRadioButton* rbAM = nullptr;
    QRadioButton* rbB = nullptr;
    QRadioButton* rbB1 = nullptr;
    QRadioButton* rbC = nullptr;
    QRadioButton* rbD = nullptr;
    QRadioButton* rbT = nullptr;
    QLabel* lbHvezda = nullptr;
    QTextEdit* mText1 = nullptr;
    QGroupBox* gbVyberOtazek = nullptr;
    QRadioButton* rbPostupny = nullptr;
    QRadioButton* rbNahodny = nullptr;
    QGroupBox* gbPismo = nullptr;
    QComboBox* cbFont = nullptr;
    QLabel* lbFont = nullptr;
    QSpinBox* seVelikost = nullptr;
    QLabel* lbVelikost = nullptr;
    QLabel* lbUkazka = nullptr;
    QTextEdit* mUkazka = nullptr;
    QLabel* lbVykricnik = nullptr;
    QTextEdit* mText2 = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    void VytvorKategorieAProtokoly();
    void VytvorSkupiny();
    void VytvorVyberAPismo();
    void FormCreate();
    void seVelikostChanged(int velikost);
    void btnOKClick();
    // The group buttons in the order in which OK looks for the chosen one.
    std::array<std::pair<QRadioButton*, const char*>, 8> skupiny() const;

    TProfil& profil_;
};
