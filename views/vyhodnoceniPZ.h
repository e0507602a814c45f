// The window that closes every practice or exam run that was not cancelled: the
// profile, the counts and the success of the run, and whether a record was kept.
#pragma once

#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;

// What became of the run's record.
enum class StavProtokolu {
    Nevytvoren, // the profile keeps no record of this kind of run
    Vytvoren,   // the record was appended to Vysledky.xml
    Selhal,     // the profile keeps records, but this one could not be written
};

struct TUdajeVyhodnoceni {
    bool Zkouseni = false; // exam variant: no hint line, the lines re-spaced
    QString Uzivatel;
    QString Skupina;
    int PocetOtazek = 0;
    int Spravne = 0;
    int Spatne = 0;
    int Napovedy = 0;
    int Uspesnost = 0;
    StavProtokolu Protokol = StavProtokolu::Nevytvoren;
};

class TPZVyhodnoceni : public QDialog {
    Q_OBJECT
public:
    explicit TPZVyhodnoceni(QWidget* vlastnik);

    void Vypln(const TUdajeVyhodnoceni& udaje);
    void btnOKClick() { accept(); }

    QLabel* lbNadpis = nullptr;
    QLabel* lbUzivatel = nullptr;
    QFrame* cara1 = nullptr;
    QLabel* lbSkupina = nullptr;
    QLabel* lbPoceOtazek = nullptr;
    QLabel* lbSpravne = nullptr;
    QLabel* lbSpatne = nullptr;
    QLabel* lbNapoveda = nullptr;
    QFrame* cara2 = nullptr;
    QLabel* lbUspesnost = nullptr;
    QLabel* lbProtokol = nullptr;
    QPushButton* btnOK = nullptr;

private:
    void Rozsir();
};

inline const QString kProtokolNevytvoren =
    QStringLiteral("Nebyl vytvořen protokol -> chcete-li ho vytvářet změňte nastavení");
inline const QString kProtokolVytvoren =
    QStringLiteral("Byl vytvořen protokol - Přístupen je z menu Výsledky -> Protokol z...");
inline const QString kProtokolSelhal =
    QStringLiteral("Protokol se nepodařilo uložit do souboru \"Vysledky.xml\"");
