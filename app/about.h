// The about window: the program's name, version, the date of the question database,
// and a short description.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TOProgramu : public QDialog {
    Q_OBJECT
public:
    explicit TOProgramu(QWidget* vlastnik);

    // "databáze otázek z: " and the date of the catalogue file, or why there is none.
    static QString PopisDatabaze(const QString& soubor = QStringLiteral("otazky.xml"));

    QLabel* imgIkona = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* lbNazev = nullptr;
    QLabel* lbVerze = nullptr;
    QLabel* lbUprava = nullptr;
    QLabel* lbDatabaze = nullptr;
    QLabel* lbAutor = nullptr;
    QLabel* lbNet = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLabel* lbPoznamka1 = nullptr;
    QLabel* lbPoznamka2 = nullptr;
    QLabel* lbPrava = nullptr;

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    void FormCreate();
    void Button1Click();
    void lbNetMouseMove();
    void lbNetMouseLeave();
    void lbNetClick() {}
    void nastavBarvuOdkazu(const QColor& barva);
};
