#include "core/vyber_otazek.h"

#include "core/XML_otazky.h"
#include "core/kategorie.h"
#include "core/pomocne_fce.h"

#include <algorithm>

namespace {

TVybranaOtazka Polozka(const TKandidat& k) {
    TVybranaOtazka v;
    v.Cislo = k.Cislo;
    v.Poradi = k.Poradi;
    return v;
}

} // namespace

std::vector<TKandidat> NajdiKandidaty(const TXMLOtazkyType& databaze, const QString& kategorie) {
    std::vector<TKandidat> kandidati;
    const int n = databaze.Count();
    for (int p = 0; p < n; ++p) {
        const int cislo = p + 1;
        const auto rozsah = std::find_if(kKategorie.begin(), kKategorie.end(), [&](const auto& k) {
            return cislo >= k.od && cislo <= k.po;
        });
        if (rozsah == kKategorie.end())
            continue;
        if (!TextNaBool(kategorie.mid(rozsah->priznak - 1, 1)))
            continue;
        if (!databaze[p].Poznamka().isEmpty())
            continue;
        kandidati.push_back({cislo, p});
    }
    std::sort(kandidati.begin(), kandidati.end(),
              [](const TKandidat& a, const TKandidat& b) { return a.Cislo < b.Cislo; });
    return kandidati;
}

int VychoziPocet(int pocetKandidatu) {
    return std::min(kVychoziPocetOtazek, pocetKandidatu);
}

int ZacatekPoZmenePoctu(int c, int zacatek, int pocet) {
    return c - zacatek < pocet ? c - pocet + 1 : zacatek;
}

int PocetPoZmeneZacatku(int c, int zacatek, int pocet) {
    return c - pocet < zacatek ? c - zacatek + 1 : pocet;
}

std::vector<TVybranaOtazka> VyberPoSobe(const std::vector<TKandidat>& kandidati, int zacatek,
                                        int pocet) {
    std::vector<TVybranaOtazka> beh;
    const int c = static_cast<int>(kandidati.size());
    for (int k = 0; k < pocet; ++k) {
        const int i = zacatek - 1 + k;
        if (i < 0 || i >= c)
            break;
        beh.push_back(Polozka(kandidati[static_cast<size_t>(i)]));
    }
    return beh;
}

std::vector<TVybranaOtazka> VyberNahodne(std::vector<TKandidat> kandidati, int pocet) {
    std::vector<TVybranaOtazka> beh;
    for (int k = 0; k < pocet && !kandidati.empty(); ++k) {
        const auto j = nahoda::Random(static_cast<std::uint32_t>(kandidati.size()));
        beh.push_back(Polozka(kandidati[j]));
        // The last candidate takes the drawn one's place, so none is drawn twice.
        kandidati[j] = kandidati.back();
        kandidati.pop_back();
    }
    return beh;
}
