// The password prompt for a protected profile.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TDotazHeslo : public QDialog {
    Q_OBJECT
public:
    // ZadaneHeslo receives the typed password on OK and is left as it was on Storno.
    TDotazHeslo(QWidget* vlastnik, QString& ZadaneHeslo);

    QLabel* lbText = nullptr;
    QLabel* lbHeslo = nullptr;
    QLineEdit* eHeslo = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    void btnOKClick();
    QString& zadaneHeslo_;
};
