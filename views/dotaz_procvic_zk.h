// The dialog before a practice or exam run: how many questions, and with sequential
// choice from which one. On every close it fills the run list it was given.
#pragma once

#include "core/vyber_otazek.h"

#include <QDialog>

#include <memory>
#include <vector>

class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class TOtazka;

class TDotazProcvicovaniZkouseni : public QDialog {
    Q_OBJECT
public:
    // Opens the question database to find the candidates; throws KolomatChyba when it
    // cannot be read. kategorie and postupnyVyber are the profile's settings as they
    // are in memory; vybraneOtazky is filled when the dialog closes.
    TDotazProcvicovaniZkouseni(QWidget* vlastnik, const QString& kategorie, bool postupnyVyber,
                               std::vector<TVybranaOtazka>& vybraneOtazky);
    ~TDotazProcvicovaniZkouseni() override;

    // With no candidate at all there is nothing to run: the user is told why, the
    // dialog is not shown and the run list stays empty.
    int exec() override;
    void done(int vysledek) override;

    void cbPocetOtazekChange(int pozice);
    void cbZacitOtazkouChange(int pozice);
    void btnStartClick() { accept(); }

    const std::vector<TKandidat>& Kandidati() const { return kandidati_; }

    QLabel* lbNadpis = nullptr;
    QScrollBar* cbPocetOtazek = nullptr;
    QLabel* lbPocetOtazek = nullptr;
    QScrollBar* cbZacitOtazkou = nullptr;
    QLabel* lbZacitOtazkou = nullptr;
    QPushButton* btnStart = nullptr;
    // Drawn around the scroll bar that has the keyboard's focus.
    QFrame* frFokus = nullptr;

private:
    void FormClose();

    std::vector<TVybranaOtazka>& vybraneOtazky_;
    std::vector<TKandidat> kandidati_;
    std::unique_ptr<TOtazka> databaze_;
    std::unique_ptr<QObject> fokus_;
    bool postupnyVyber_ = false;
    bool zavreno_ = false;
    // A bar moved by the other bar's rule only updates its label.
    bool upravuji_ = false;
};

inline const QString kZadnaKategorie =
    QStringLiteral("V nastavení profilu není zapnuta žádná kategorie otázek, není tedy z čeho "
                   "vybírat. Zapněte alespoň jednu kategorii v okně Nastavení.");
