// The practice and exam views. TViewPrZk adds to the question panel everything that
// answering needs: the answer marks as the selection, input by mouse and keys (at the
// main window's focus button), evaluation with its marks, the one-second flash, the
// legend, instruction and counters in the strip, the confirmation of an answer and
// the common end of a run: the record, the evaluation window, the teardown.
// TProcvicovani and TZkouseni differ in how an answered question leaves the queue of
// the run (core/beh_otazek.h) and in their strip.
#pragma once

#include "core/beh_otazek.h"
#include "views/view_abstract.h"
#include "views/vyhodnoceniPZ.h"

#include <QString>

#include <array>
#include <memory>
#include <vector>

class QFrame;
class QLabel;
class QTimer;

class TViewPrZk : public TView {
public:
    explicit TViewPrZk(bool zkouseni);
    ~TViewPrZk() override;

    // Slot 0: Enter or the right mouse button: evaluates the pending answer, or shows
    // the next question, or ends the run when none is left.
    virtual void Potvrdit();
    // Ends the run without storing or evaluating ("Konec režimu", or after the end).
    virtual void Ukoncit();

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
    const BehOtazek& Beh() const { return beh; }
    QLabel* Oznameni() const { return pnOznameni; }
    QTimer* Casovac() const { return tmOznameni; }

protected:
    // Slot 1: append the run's record to Vysledky.xml; throws KolomatChyba.
    virtual void UlozitVysledek();
    // Slot 2: the evaluation window, modal.
    virtual void ZobrazitVyhodnoceni(StavProtokolu protokol);
    // How an evaluated question leaves the queue, and the next question shown.
    virtual void Zapocitat(bool spravne) = 0;
    virtual void PolozAktualni() = 0;

    // Shows "Správně" or "Špatně" for a second.
    void Oznam(bool spravne);
    // The end of a run, when nothing is pending and nothing is left: the record (when
    // the flag is on), the evaluation window, the teardown, the idle menu.
    void KonecBehu(bool protokol);
    // The catalogue's letters of the answers chosen now, in alphabetical order.
    QString ZvolenaPismena() const;
    // Logs the pending question's answer in the history; a failure is told once a run.
    void ZapsatDoHistorie(const QString& zvoleno, bool spravne, bool napoveda);
    // Sets counter i (0..2); the second and third stay right-aligned with the first.
    void NastavPocitadlo(int i, const QString& text);
    // Places the text column and the counter column after the texts are set;
    // dalsiRadek is an extra line of the text column (the practice hint).
    void RozmistiPruh(QLabel* dalsiRadek = nullptr);
    // Shows the evaluation window filled with the common values.
    void UkazVyhodnoceni(TUdajeVyhodnoceni udaje);
    QLabel* NovyPopisek(const QString& text, const char* jmeno);

    const bool zkouseni_;
    bool historieHlasena_ = false;
    bool ceka = false;
    bool BezC = false;
    PocitadlaOdpovedi pocitadla;
    BehOtazek beh;

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
    // The parts of Sestavit.
    void VytvorLegendu();
    void VytvorTextyPruhu();
    void VytvorOznameni();
    void PripojVstup();
    QLabel* znacka(int slot) const;
    void PrepniSlot(int slot);
    // Everything this class adds to the strip and the panel, freed by UkoncitPrZk.
    std::vector<QWidget*> pridane_;
    std::unique_ptr<Vstup> vstup_;
};

class TProcvicovani : public TViewPrZk {
public:
    TProcvicovani() : TViewPrZk(false) {}
    ~TProcvicovani() override;

    // Starts practice on the run list (at least one entry). Throws KolomatChyba.
    void Spustit(const TInfo& info, const std::vector<TVybranaOtazka>& vybrane);
    // The hint: reveals the correct answer of the pending question and requeues it.
    void Napoveda();
    void Ukoncit() override;

protected:
    // A question comes back until it was answered right at least half of the times.
    void Zapocitat(bool spravne) override;
    void PolozAktualni() override;

private:
    QLabel* lbNapoveda = nullptr;
};

class TZkouseni : public TViewPrZk {
public:
    TZkouseni() : TViewPrZk(true) {}
    ~TZkouseni() override;

    // Starts an exam on the run list (at least one entry). Throws KolomatChyba.
    void Spustit(const TInfo& info, const std::vector<TVybranaOtazka>& vybrane);

protected:
    // Every question is asked once.
    void Zapocitat(bool spravne) override;
    void PolozAktualni() override;
};
