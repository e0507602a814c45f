#include "core/beh_otazek.h"

#include "core/pomocne_fce.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

BehOtazek::BehOtazek(std::vector<TVybranaOtazka> vybrane) : Vybrane(std::move(vybrane)) {
    const int n = static_cast<int>(Vybrane.size());
    Fronta.reserve(Vybrane.size());
    for (int i = n - 1; i >= 0; --i)
        Fronta.push_back(i);
}

const TVybranaOtazka& BehOtazek::Aktualni() const {
    if (Fronta.empty())
        throw std::logic_error("BehOtazek: the queue is empty");
    return Vybrane[static_cast<size_t>(Fronta.back())];
}

TVybranaOtazka& BehOtazek::aktualni() {
    return const_cast<TVybranaOtazka&>(std::as_const(*this).Aktualni());
}

int BehOtazek::SoucetNapoved() const {
    int soucet = 0;
    for (const TVybranaOtazka& v : Vybrane)
        soucet += v.PocetNapoved;
    return soucet;
}

bool BehOtazek::OdpovedProcvicovani(bool spravne) {
    TVybranaOtazka& cur = aktualni();
    ++cur.PocetZkouseni;
    if (spravne)
        ++cur.PocetSpravnych;
    cur.Pomer = static_cast<double>(cur.PocetSpravnych) / cur.PocetZkouseni;
    if (spravne && cur.Pomer >= 0.5) {
        Fronta.pop_back();
        return true;
    }
    ZaraditZpet();
    return false;
}

void BehOtazek::Napoveda() {
    ++aktualni().PocetNapoved;
    ZaraditZpet();
}

void BehOtazek::ZaraditZpet() {
    const int delka = static_cast<int>(Fronta.size());
    if (delka < 2)
        return;
    const int cur = Fronta.back();
    const double pomer = Vybrane[static_cast<size_t>(cur)].Pomer;
    const int pozice = std::clamp(static_cast<int>(std::trunc(delka * pomer)), 0, delka - 1);
    Fronta.pop_back();
    Fronta.insert(Fronta.begin() + pozice, cur);
}

void BehOtazek::OdpovedZkouseni(bool spravne) {
    TVybranaOtazka& cur = aktualni();
    ++cur.PocetZkouseni;
    if (spravne)
        ++cur.PocetSpravnych;
    Fronta.pop_back();
}

void BehOtazek::Vyprazdni() {
    Fronta.clear();
    Vybrane.clear();
}

int PocitadlaOdpovedi::Procenta() const {
    return Uspesnost(Spravnych, Zodpovezeno);
}

QString NahodnePoradi(const QString& pismena) {
    nahoda::Randomize();
    QString zbyva = pismena;
    QString vysledek;
    while (!zbyva.isEmpty()) {
        const auto j = 1 + nahoda::Random(static_cast<std::uint32_t>(zbyva.size()));
        vysledek += zbyva.at(j - 1);
        zbyva[j - 1] = zbyva.back();
        zbyva.chop(1);
    }
    return vysledek;
}

TVysledek SestavVysledek(TVysledek v, const std::vector<TVybranaOtazka>& vybrane) {
    v.PocetOtazek = static_cast<int>(vybrane.size());
    std::vector<int> spatne;
    std::vector<int> sNapovedou;
    for (const TVybranaOtazka& o : vybrane) {
        if (o.PocetZkouseni != o.PocetSpravnych)
            spatne.push_back(o.Cislo);
        if (o.PocetNapoved > 0)
            sNapovedou.push_back(o.Cislo);
    }
    if (v.TypTestu == kTypZkouseni)
        sNapovedou.clear();
    v.Spatne = static_cast<int>(spatne.size());
    v.SpatneCisla = SeznamCisel(spatne);
    v.SNapovedou = static_cast<int>(sNapovedou.size());
    v.SNapovedouCisla = SeznamCisel(sNapovedou);
    return v;
}
