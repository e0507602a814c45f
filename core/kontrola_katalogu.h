// Checks of a question database file. Each returns the problems found, in Czech, one
// per entry; an empty list means the file passed.
#pragma once

#include <QString>
#include <QStringList>

// What the program itself needs of any catalogue (also of one that an update brings):
// a well-formed <otazky> document with at least 802 <otazka> elements, whose questions
// in force each have a correct letter A, B or C naming a non-empty answer, every text
// within its bound and every picture path under grafika/ without "..".
QStringList KontrolaStrukturyKatalogu(const QString& soubor);

// Every rule of the catalogue that the project ships: the structure above, exactly 802
// questions with their nine children in writing order, 757 in force, the widths of the
// fixed fields, groups made of A, B, C, D and T, unique 8-character codes that carry
// the category, no two questions alike, every picture present and loadable (relative
// to slozkaDat) with its @2x file, for every licence group in every point-test section
// at least twice as many questions in force as the section draws, and the rules on the
// form of the answers, near duplicates and pictures of forma_katalogu.h.
QStringList KontrolaKatalogu(const QString& soubor, const QString& slozkaDat);
