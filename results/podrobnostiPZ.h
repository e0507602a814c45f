// The details of one stored practice or exam run: its categories, counts and success,
// and the numbers of the questions answered wrongly or with the hint.
#pragma once

#include "core/XML_vysledky.h"

#include <QDialog>

#include <array>
#include <cstdint>

class QFrame;
class QLabel;
class QPushButton;

inline constexpr int kHorniRadekKategorii = 50;
inline constexpr int kRozestupKategorii = 14;
inline constexpr int kVyskaPodrobnosti = 310;

// Where the seven category lines of a record end up: only the lines whose flag in
// kategorie is "1" are shown, closed up from the top; the rest of the window moves up
// by Posun pixels and the window is that much lower.
struct RozlozeniKategorii {
    std::array<bool, 7> Zobrazena{};
    std::array<int, 7> Horni{};
    int Posun = 0;
};
RozlozeniKategorii RozlozKategorie(const QString& kategorie);

class TPZPodrobnosti : public QDialog {
    Q_OBJECT
public:
    TPZPodrobnosti(QWidget* vlastnik, const TXMLVysledekType& zaznam, std::uint8_t typVysledku);

    void btnOKClick() { accept(); }
    void btnSpatneClick();
    void btnNapovedaClick();
    // Asks for a practice run of the run's wrong questions and closes with
    // kProcvicitChybne.
    void btnProcvicitClick();

    QLabel* lbUzivatel = nullptr;
    QLabel* lbSkupina = nullptr;
    QFrame* b1 = nullptr;
    QLabel* lbKategorie = nullptr;
    std::array<QLabel*, 7> lbRadky{}; // lb1 .. lb7
    QFrame* b2 = nullptr;
    QLabel* lbPocet = nullptr;
    QFrame* b3 = nullptr;
    QLabel* lbSpravne = nullptr;
    QLabel* lbSpatne = nullptr;
    QPushButton* btnSpatne = nullptr;
    QLabel* lbNapoveda = nullptr;
    QPushButton* btnNapoveda = nullptr;
    QFrame* b4 = nullptr;
    QLabel* lbUspesnost = nullptr;
    QPushButton* btnProcvicit = nullptr;
    QPushButton* btnOK = nullptr;

private:
    void VytvorOvladace();
    void Vypln(const TXMLVysledekType& z, bool zkouseni, const QString& kdy, int pocet, int spatne,
               int sNapovedou, int uspesnost);
    void ZavritMezery(const QString& kategorie);

    QString spatneCisla_;
    QString napovedaCisla_;
};
