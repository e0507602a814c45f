// The fixed numbering of the catalogue: the seven question categories by number range,
// the licence groups, and the sections of the point test.
#pragma once

#include <QString>

#include <array>

struct TKategorie {
    int od;            // first question number
    int po;            // last question number
    int priznak;       // which character (1..7) of a profile's Kategorie admits the range
    const char* nazev; // UTF-8 caption, as in the settings window
};

// In number order. Note that flag 3 admits the second range and flag 2 the third.
inline constexpr std::array<TKategorie, 7> kKategorie{{
    {1, 308, 1, "Pravidla provozu na pozemních komunikacích"},
    {309, 451, 3, "Dopravní značky a zařízení"},
    {452, 552, 2, "Zásady bezpečné jízdy a ovládání vozidla"},
    {553, 612, 4, "Řešení dopravních situací"},
    {613, 683, 5, "Podmínky provozu vozidel na pozemních komunikacích"},
    {684, 771, 6, "Předpisy související s provozem"},
    {772, 802, 7, "Zdravověda"},
}};

// Caption of category k (1..7) in the order of the profile's Kategorie flags.
inline QString NazevKategorie(int priznak) {
    for (const TKategorie& k : kKategorie)
        if (k.priznak == priznak)
            return QString::fromUtf8(k.nazev);
    return {};
}

inline constexpr std::array<const char*, 8> kSkupiny{"A", "A1", "AM", "B", "B1", "C", "D", "T"};

struct TOddilTestu {
    int od;    // first question number of the range drawn from
    int po;    // last question number
    int pocet; // questions drawn
    int body;  // points each
};

// The sections of the point test in test order: 25 questions, 50 points.
inline constexpr std::array<TOddilTestu, 7> kOddilyTestu{{
    {1, 308, 10, 2},
    {452, 552, 4, 2},
    {309, 451, 3, 1},
    {553, 612, 3, 4},
    {613, 683, 2, 1},
    {684, 771, 2, 2},
    {772, 802, 1, 1},
}};

// Caption of the category that a test section draws from.
inline QString NazevOddilu(const TOddilTestu& oddil) {
    for (const TKategorie& k : kKategorie)
        if (k.od == oddil.od)
            return QString::fromUtf8(k.nazev);
    return {};
}
