// Small functions shared by the windows: durations, flags, file presence, the success
// percentage, cutting fixed-width texts, the dates and times of the data files, and the
// program's random generator.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <cstdint>
#include <functional>

// Seconds as "MM:SS" (minutes without an upper limit; negative values give "00:00").
QString CasNaText(int sekundy);
// Seconds in Czech words with the right plural forms: "2 minuty, 5 sekund".
QString CasSlovy(int sekundy);
// A flag character: true exactly for "1".
bool TextNaBool(const QString& text);
QString BoolNaText(bool b);
// True when a file of that name (relative to the current folder) can be opened.
bool SouborExistuje(const QString& nazev);
// True when anything of that name is there at all, readable or not. A data file that
// is there but cannot be read must be reported, never replaced by a new one, so the
// stores decide between "read" and "create" with this test.
bool SouborNaDisku(const QString& nazev);

// Right answers / evaluated answers × 100, rounded to the nearest integer with an
// exact half going to the even neighbour; 0 when nothing was evaluated.
int Uspesnost(int spravnych, int zodpovezeno);

// The first n characters of a text (a surrogate pair is never split).
QString Orizni(const QString& text, int n);

// Dates and times of the data files: written in the Czech short and long forms
// ("5.12.2006", "14:07:33", "5.12.2006 14:07:33") whatever the machine's locale, read
// back in that form or in the system locale's. The readers return an invalid value for
// text that is neither.
QString DatumNaText(const QDate& datum);
QString CasDneNaText(const QTime& cas);
QString DatumACasNaText(const QDateTime& kdy);
// For windows: the time is left out when it is exactly midnight.
QString DatumACasKZobrazeni(const QDateTime& kdy);
QDate TextNaDatum(const QString& text);
QTime TextNaCasDne(const QString& text);
QDateTime TextNaDatumACas(const QString& text);

// The program's random generator: a 32-bit linear congruential generator.
namespace nahoda {
// Seeds the generator from the clock (the low 32 bits of a high-resolution counter).
void Randomize();
// Advances the seed (seed × 134775813 + 1 mod 2^32) and returns the upper 32 bits of
// the 64-bit product of the new seed and n: a draw from 0..n−1 (n ≥ 1).
std::uint32_t Random(std::uint32_t n);
std::uint32_t Seed();
void NastavSeed(std::uint32_t seed);
// Replaces the clock reading that Randomize uses (tests make runs reproducible with
// it); an empty function restores the real clock.
void NastavHodiny(std::function<std::uint32_t()> hodiny);
} // namespace nahoda
