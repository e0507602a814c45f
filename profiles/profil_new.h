// The dialog that creates a new profile: a name and, optionally, a password.
#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TProfilVytvor : public QDialog {
    Q_OBJECT
public:
    // existujici: the names already in the manager's list. On OK the dialog sets
    // NovyNazev (and ZadaneHeslo for a protected profile); on Storno it leaves NovyNazev
    // empty.
    TProfilVytvor(QWidget* vlastnik, const QStringList& existujici, QString& NovyNazev,
                  QString& ZadaneHeslo);

    QGroupBox* gbProfil = nullptr;
    QLabel* lbNazev = nullptr;
    QLineEdit* eNazev = nullptr;
    QCheckBox* cbOchrana = nullptr;
    QGroupBox* gbHeslo = nullptr;
    QLabel* lbHeslo = nullptr;
    QLabel* lbPotvrzeni = nullptr;
    QLineEdit* eHeslo = nullptr;
    QLineEdit* ePotvrzeni = nullptr;
    QLabel* lb1 = nullptr;
    QLabel* lb2 = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    void cbOchranaClick();
    void btnOKClick();
    void nastavBarvuHesel(bool ochrana);

    QStringList existujici_;
    QString& novyNazev_;
    QString& zadaneHeslo_;
};
