// The figures of "Statistika učení", from the answer history, the current catalogue and
// the protocols: per category, the questions missed most often, a category's least
// mastered questions, and the points of the point tests over time. Nothing is written.
#pragma once

#include "core/XML_protokoly.h"
#include "core/historie.h"
#include "core/pripravenost.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <vector>

class TXMLOtazkyType;

struct StatistikaKategorie {
    int VPlatnosti = 0;  // questions in force of the group
    int Videnych = 0;    // of them answered at least once
    int Zvladnutych = 0; // of them with the last two answers right
    int Odpovedi = 0;    // answers to them
    int Spravnych = 0;   // of those right (without the hint)
    // The success rate in percent, rounded; −1 without answers.
    int Uspesnost() const;
};

// Per category (kKategorie order), over the questions in force of the group.
std::array<StatistikaKategorie, kKategorii>
StatistikaKategorii(const TXMLOtazkyType& katalog, const QString& skupina,
                    const std::vector<OdpovediOtazky>& odpovedi);

struct CastoChybna {
    int Cislo = 0;
    int Spatne = 0;   // wrong answers (a hint counts as one)
    int Odpovedi = 0; // all answers
};
// The questions in force of the group answered wrong most often, at most nejvic: the
// most wrong answers first, then the larger share of them, then the lower number.
std::vector<CastoChybna> NejcastejiChybne(const TXMLOtazkyType& katalog, const QString& skupina,
                                          const std::vector<OdpovediOtazky>& odpovedi,
                                          int nejvic = 20);

// A category's questions in force that the learner knows least (the lowest estimated
// probability first, then the lower number), at most nejvic.
std::vector<int> NejmeneZvladnute(const ModelZnalosti& model, int kategorie, int nejvic = 20);

struct BodyTestu {
    QDateTime Kdy;
    int Body = 0;
};
// The points of the profile's tests in time order; a record whose date or points do not
// convert is passed over.
std::vector<BodyTestu> BodyTestuProfilu(const std::vector<TXMLProtokolType>& protokoly);
