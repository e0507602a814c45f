// The profile manager: choose a profile (with its password), create or delete one, or
// quit the program. Accepted means a profile is loaded into the profile object.
#pragma once

#include <QDialog>

class QGroupBox;
class QListWidget;
class QPushButton;
class TProfil;

class TProfilSprava : public QDialog {
    Q_OBJECT
public:
    TProfilSprava(QWidget* vlastnik, TProfil& AktualniProfil);

    QGroupBox* gbProfil = nullptr;
    QListWidget* lbProfil = nullptr;
    QPushButton* btnVytvor = nullptr;
    QPushButton* btnSmaz = nullptr;
    QPushButton* btnUkonci = nullptr;
    QPushButton* btnVyber = nullptr;

    // Every way of closing ends here: without a chosen profile the user is asked first.
    void done(int vysledek) override;

protected:
    void closeEvent(QCloseEvent* udalost) override;
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    void FormCreate();
    void lbProfilClick();
    void btnVyberClick();
    void btnVytvorClick();
    void btnSmazClick();
    void PridejDoSeznamu(const QString& nazev);
    // Asks for the password of the loaded profile; true when it matches.
    bool OverHeslo();

    TProfil& profil_;
    bool Vybrano = false;
};
