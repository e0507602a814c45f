#include "core/statistika.h"

#include "core/XML_otazky.h"
#include "core/pomocne_fce.h"
#include "core/sestava_testu.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

int StatistikaKategorie::Uspesnost() const {
    if (Odpovedi <= 0)
        return -1;
    return static_cast<int>(std::lround(100.0 * Spravnych / Odpovedi));
}

namespace {

// The answers of the questions in force of the group, by number.
std::unordered_map<int, const OdpovediOtazky*> platne(const TXMLOtazkyType& katalog,
                                                      const QString& skupina,
                                                      const std::vector<OdpovediOtazky>& odpovedi) {
    std::unordered_map<int, const OdpovediOtazky*> mapa;
    for (const OdpovediOtazky& o : odpovedi)
        if (o.Cislo >= 1 && o.Cislo <= katalog.Count() &&
            PlatnaProSkupinu(katalog[o.Cislo - 1], skupina))
            mapa.emplace(o.Cislo, &o);
    return mapa;
}

} // namespace

std::array<StatistikaKategorie, kKategorii>
StatistikaKategorii(const TXMLOtazkyType& katalog, const QString& skupina,
                    const std::vector<OdpovediOtazky>& odpovedi) {
    std::array<StatistikaKategorie, kKategorii> vysledek{};
    const auto mapa = platne(katalog, skupina, odpovedi);
    for (int cislo = 1; cislo <= katalog.Count(); ++cislo) {
        const int k = KategorieOtazky(cislo);
        if (k < 0 || !PlatnaProSkupinu(katalog[cislo - 1], skupina))
            continue;
        StatistikaKategorie& s = vysledek[static_cast<size_t>(k)];
        ++s.VPlatnosti;
        const auto o = mapa.find(cislo);
        if (o == mapa.end() || o->second->Spravne.empty())
            continue;
        const std::vector<bool>& a = o->second->Spravne;
        ++s.Videnych;
        s.Odpovedi += static_cast<int>(a.size());
        s.Spravnych += static_cast<int>(std::count(a.begin(), a.end(), true));
        if (a.size() >= 2 && a[a.size() - 1] && a[a.size() - 2])
            ++s.Zvladnutych;
    }
    return vysledek;
}

std::vector<CastoChybna> NejcastejiChybne(const TXMLOtazkyType& katalog, const QString& skupina,
                                          const std::vector<OdpovediOtazky>& odpovedi, int nejvic) {
    std::vector<CastoChybna> vysledek;
    for (const auto& [cislo, o] : platne(katalog, skupina, odpovedi)) {
        const int spatne =
            static_cast<int>(std::count(o->Spravne.begin(), o->Spravne.end(), false));
        if (spatne > 0)
            vysledek.push_back({cislo, spatne, static_cast<int>(o->Spravne.size())});
    }
    std::sort(vysledek.begin(), vysledek.end(), [](const CastoChybna& a, const CastoChybna& b) {
        if (a.Spatne != b.Spatne)
            return a.Spatne > b.Spatne;
        // a.Spatne / a.Odpovedi > b.Spatne / b.Odpovedi, without division
        if (a.Spatne * b.Odpovedi != b.Spatne * a.Odpovedi)
            return a.Spatne * b.Odpovedi > b.Spatne * a.Odpovedi;
        return a.Cislo < b.Cislo;
    });
    if (static_cast<int>(vysledek.size()) > nejvic)
        vysledek.resize(static_cast<size_t>(std::max(0, nejvic)));
    return vysledek;
}

std::vector<int> NejmeneZvladnute(const ModelZnalosti& model, int kategorie, int nejvic) {
    std::vector<std::pair<double, int>> otazky;
    for (const std::vector<int>& oddil : model.Oddily())
        for (int cislo : oddil)
            if (KategorieOtazky(cislo) == kategorie)
                otazky.emplace_back(model.P(cislo), cislo);
    std::sort(otazky.begin(), otazky.end());
    std::vector<int> vysledek;
    for (const auto& [p, cislo] : otazky) {
        if (static_cast<int>(vysledek.size()) >= nejvic)
            break;
        vysledek.push_back(cislo);
    }
    return vysledek;
}

std::vector<BodyTestu> BodyTestuProfilu(const std::vector<TXMLProtokolType>& protokoly) {
    std::vector<BodyTestu> vysledek;
    for (const TXMLProtokolType& p : protokoly) {
        const QDateTime kdy = TextNaDatumACas(p.Text("DatumACas"));
        bool ok = false;
        const int body = p.Text("PocetBodu").trimmed().toInt(&ok);
        if (kdy.isValid() && ok && body >= 0 && body <= kMaximumBodu)
            vysledek.push_back({kdy, body});
    }
    std::stable_sort(vysledek.begin(), vysledek.end(),
                     [](const BodyTestu& a, const BodyTestu& b) { return a.Kdy < b.Kdy; });
    return vysledek;
}
