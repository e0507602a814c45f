// The questions of a practice run of mistakes or of marked questions: read from a
// stored run (its list of wrong numbers) or a stored test (its wrong positions), then
// kept to the questions the profile may practise.
#pragma once

#include "core/vyber_otazek.h"

#include <QString>

#include <vector>

class TXMLOtazkyType;
class TXMLProtokolType;

// One position of a stored point test.
struct PoziceTestu {
    int Cislo = 0; // the question's real number; 0 when the record holds no number
    QString Odpoved;
    QString Spravna;
    // An empty answer is wrong, whatever the record says is right.
    bool Spravne() const { return !Odpoved.isEmpty() && Odpoved == Spravna; }
};
std::vector<PoziceTestu> PoziceZaznamu(const TXMLProtokolType& zaznam);

// The numbers of the wrongly answered positions of a stored test, in test order.
std::vector<int> ChybneVTestu(const TXMLProtokolType& zaznam);
// The numbers of a stored list such as SpatneCisla ("3, 17, 40"), in order; whatever
// is not a number is passed over.
std::vector<int> CislaZeSeznamu(const QString& seznam);

// Whether the profile's group may practise question cislo: it exists, is in force and
// belongs to the group.
bool LzeProcvicit(const TXMLOtazkyType& databaze, int cislo, const QString& skupina);
// The run of the questions cisla that LzeProcvicit allows, each once, in the given
// order, at most nejvic of them.
std::vector<TVybranaOtazka> OtazkyKProcviceni(const TXMLOtazkyType& databaze,
                                              const std::vector<int>& cisla, const QString& skupina,
                                              int nejvic);
