// The logic of a practice or exam run, without any window: the queue of questions still
// to be asked, the counters of each question and of the run, the practice requeue, the
// answer shuffle, and the record a finished run stores.
#pragma once

#include "core/XML_vysledky.h"
#include "core/vyber_otazek.h"

#include <QDate>
#include <QString>
#include <QTime>

#include <vector>

// The questions of a run and the queue of those still to be asked. The queue holds
// indices into Vybrane; the current question is its last element and the queue is
// consumed from its end, so the first entry of the run is asked first.
class BehOtazek {
public:
    BehOtazek() = default;
    explicit BehOtazek(std::vector<TVybranaOtazka> vybrane);

    bool Prazdny() const { return Fronta.empty(); }
    const TVybranaOtazka& Aktualni() const;
    int AktualniCislo() const { return Aktualni().Cislo; }
    // Questions no longer in the queue.
    int Hotovo() const { return static_cast<int>(Vybrane.size() - Fronta.size()); }
    // Every use of the hint over the whole run.
    int SoucetNapoved() const;

    // Practice: one evaluation of the current question. Returns whether the question is
    // done (right at least half of the times asked); otherwise it is requeued.
    bool OdpovedProcvicovani(bool spravne);
    // Practice: the hint was used on the current question, which is requeued.
    void Napoveda();
    // Puts the current question back at the truncated L × Pomer (L the queue's length);
    // a sole remaining question stays where it is and is asked again at once.
    void ZaraditZpet();

    // Exam: one evaluation; the question leaves the queue either way.
    void OdpovedZkouseni(bool spravne);

    void Vyprazdni();

    std::vector<int> Fronta;
    std::vector<TVybranaOtazka> Vybrane;

private:
    TVybranaOtazka& aktualni();
};

// Answers evaluated in a run and how many of them were right.
struct PocitadlaOdpovedi {
    int Zodpovezeno = 0;
    int Spravnych = 0;
    int Procenta() const;
    int Spatnych() const { return Zodpovezeno - Spravnych; }
};

// A random permutation of the letters, from the program's generator reseeded from the
// clock on every call.
QString NahodnePoradi(const QString& pismena);

// The record a finished run stores: the run's own values given in zaklad (kind, profile,
// date, time, group, categories, success), completed from its questions. Spatne lists
// the entries asked more often than answered right; SNapovedou those with a hint
// (always none for an exam).
TVysledek SestavVysledek(TVysledek zaklad, const std::vector<TVybranaOtazka>& vybrane);
