// The practice and exam views. TViewPrZk adds to the question panel everything that
// answering needs: the answer marks as the selection, input by mouse and keys (at the
// main window's focus button), evaluation with its marks, the one-second flash, the
// legend, instruction and counters in the strip, and the common end of a run.
// TProcvicovani and TZkouseni drive a run of the question queue (beh_otazek.h).
#pragma once

#include "beh_otazek.h"
#include "view_abstract.h"
#include "vyhodnoceniPZ.h"

#include <QString>

#include <array>
#include <memory>
#include <vector>

class QFrame;
class QLabel;
class QTimer;

class TViewPrZk : public TView {
public:
    TViewPrZk();
    ~TViewPrZk() override;

    // Slot 0: Enter or the right mouse button.
    virtual void Potvrdit() = 0;
    // Ends the run without storing or evaluating ("Konec režimu", or after the end).
    virtual void Ukoncit() = 0;

    // Builds the panel and the strip for a run and takes the keys at Info.btn. Throws
    // KolomatChyba (database missing or broken) with nothing built.
    void Sestavit(const TInfo& info);
    void PolozOtazku(int cislo, const QString& poradi);
    bool Vyhodnotit(const QString& spravne);
    void OznacitSpravnou();
    void SmazatZnacky();

    // Input and timer handlers.
    void KlikNaOdpoved(QObject* odesilatel);
    void StiskKlavesy(QChar znak);
    void StiskMysi(Qt::MouseButton tlacitko);
    void SkrytOznameni();

    void UkoncitPrZk();

    bool Ceka() const { return ceka; }
    const PocitadlaOdpovedi& Pocitadla() const { return pocitadla; }
    QLabel* Oznameni() const { return pnOznameni; }
    QTimer* Casovac() const { return tmOznameni; }

protected:
    // Slot 1: append the run's record to Vysledky.xml; throws KolomatChyba.
    virtual void UlozitVysledek() = 0;
    // Slot 2: the evaluation window, modal.
    virtual void ZobrazitVyhodnoceni(StavProtokolu protokol) = 0;

    // Shows "Správně" or "Špatně" for a second.
    void Oznam(bool spravne);
    // The end of a run, when nothing is pending and nothing is left: the record (when
    // the flag is on), the evaluation window, the teardown, the idle menu.
    void KonecBehu(bool protokol);
    // Sets counter i (0..2); the second and third stay right-aligned with the first.
    void NastavPocitadlo(int i, const QString& text);
    // Places the text column and the counter column after the texts are set;
    // dalsiRadek is an extra line of the text column (the practice hint).
    void RozmistiPruh(QLabel* dalsiRadek = nullptr);
    // Shows the evaluation window filled with the common values.
    void UkazVyhodnoceni(TUdajeVyhodnoceni udaje);
    QLabel* NovyPopisek(const QString& text, const char* jmeno);

    bool ceka = false;
    bool BezC = false;
    PocitadlaOdpovedi pocitadla;

    QLabel* pnOznameni = nullptr;
    QTimer* tmOznameni = nullptr;
    QLabel* imgSpatnaInfo = nullptr;
    QLabel* lbSpatnaInfo = nullptr;
    QLabel* imgIgnorInfo = nullptr;
    QLabel* lbIgnorInfo = nullptr;
    QFrame* bvTexty = nullptr;
    QFrame* bvPocitadla = nullptr;
    QLabel* lbPokyn = nullptr;
    QLabel* lbSkupina = nullptr;
    std::array<QLabel*, 3> lbPocitadla{};

private:
    class Vstup;
    QLabel* znacka(int slot) const;
    void PrepniSlot(int slot);
    // Everything this class adds to the strip and the panel, freed by UkoncitPrZk.
    std::vector<QWidget*> pridane_;
    std::unique_ptr<Vstup> vstup_;
};

class TProcvicovani : public TViewPrZk {
public:
    TProcvicovani() = default;
    ~TProcvicovani() override;

    // Starts practice on the run list (at least one entry). Throws KolomatChyba.
    void Spustit(const TInfo& info, const std::vector<TVybranaOtazka>& vybrane);
    void Potvrdit() override;
    // The hint: reveals the correct answer of the pending question and requeues it.
    void Napoveda();
    void Ukoncit() override;

    const BehOtazek& Beh() const { return beh; }

protected:
    void UlozitVysledek() override;
    void ZobrazitVyhodnoceni(StavProtokolu protokol) override;

private:
    void PolozAktualni();
    QLabel* lbNapoveda = nullptr;
    BehOtazek beh;
};

class TZkouseni : public TViewPrZk {
public:
    TZkouseni() = default;
    ~TZkouseni() override;

    // Starts an exam on the run list (at least one entry). Throws KolomatChyba.
    void Spustit(const TInfo& info, const std::vector<TVybranaOtazka>& vybrane);
    void Potvrdit() override;
    void Ukoncit() override;

    const BehOtazek& Beh() const { return beh; }

protected:
    void UlozitVysledek() override;
    void ZobrazitVyhodnoceni(StavProtokolu protokol) override;

private:
    void PolozAktualni();
    BehOtazek beh;
};
