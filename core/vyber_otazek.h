// Choosing the questions of a practice or exam run: the candidates that the profile's
// categories admit, the run's length and start kept inside them, and the run itself,
// in order or drawn at random without repetition.
#pragma once

#include <QString>

#include <vector>

class TXMLOtazkyType;

// One entry of a run.
struct TVybranaOtazka {
    int Cislo = 0;  // the question's number as shown ("Otázka číslo"), 1-based
    int Poradi = 0; // its 0-based position in the database, always Cislo - 1
    int PocetZkouseni = 0;
    int PocetSpravnych = 0;
    int PocetNapoved = 0;
    double Pomer = 0.0; // PocetSpravnych / PocetZkouseni
};

struct TKandidat {
    int Cislo = 0;
    int Poradi = 0;
};

// The questions a run may take, ascending by number: those of the category ranges whose
// flag in kategorie is "1" (flag 3 admits 309–451, flag 2 admits 452–552), never above
// 802, and only questions in force: a removed question has no texts of its own to show.
std::vector<TKandidat> NajdiKandidaty(const TXMLOtazkyType& databaze, const QString& kategorie);

// The run's length when the dialog opens: 20, or all candidates when there are fewer.
inline constexpr int kVychoziPocetOtazek = 20;
int VychoziPocet(int pocetKandidatu);

// Keeping start + count − 1 within the c candidates: a longer run pushes the start
// down, a later start shortens the run.
int ZacatekPoZmenePoctu(int c, int zacatek, int pocet);
int PocetPoZmeneZacatku(int c, int zacatek, int pocet);

// pocet consecutive candidates from the 1-based position zacatek.
std::vector<TVybranaOtazka> VyberPoSobe(const std::vector<TKandidat>& kandidati, int zacatek,
                                        int pocet);
// pocet candidates drawn without repetition with the program's generator, in the order
// of the draws (the caller seeds the generator).
std::vector<TVybranaOtazka> VyberNahodne(std::vector<TKandidat> kandidati, int pocet);
