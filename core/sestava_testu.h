// Drawing a point test: 25 positions in the seven fixed sections, each question in
// force, of the profile's licence group and drawn only once.
#pragma once

#include "core/XML_otazky.h"
#include "core/kategorie.h"

#include <QString>

#include <array>
#include <vector>

inline constexpr int kOtazekTestu = 25;
inline constexpr int kMaximumBodu = 50;
inline constexpr int kMinimumBodu = 43;
inline constexpr int kDelkaTestu = 1800; // seconds

// One position of a test.
struct TOtazkaTestu {
    int SkutCislo = 0;     // the question's number in the database
    int Index = 0;         // SkutCislo − 1, the element's index in the database
    int PocetOdpovedi = 3; // 2 when the question has no answer C
    int Body = 0;          // 1, 2 or 4, from the section
    QString Odpoved;       // chosen letter, "" = not answered
};

using TSestavaTestu = std::array<TOtazkaTestu, kOtazekTestu>;

// How many questions of the section's range are in force and belong to the group.
int PocetVhodnych(const TOtazka& otazky, const TOddilTestu& oddil, const QString& skupina);
// Those questions of every section (in kOddilyTestu order), ascending: the drawing below
// takes each position uniformly from its section's list, without repeating one.
std::array<std::vector<int>, kOddilyTestu.size()> VhodneOtazkyOddilu(const TXMLOtazkyType& dokument,
                                                                     const QString& skupina);

// Seeds the program's generator from the clock and draws the test: a number from the
// position's section range, drawn again while it is already in the test, removed, or
// not of the group. Before drawing, every section is checked to hold enough eligible
// questions; when one does not, KolomatChyba names the section and the group and
// nothing is drawn (otherwise the drawing would never end).
TSestavaTestu SestavTest(TOtazka& otazky, const QString& skupina);
