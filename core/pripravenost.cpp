#include "core/pripravenost.h"

#include "core/XML_otazky.h"
#include "core/sestava_testu.h"

#include <algorithm>
#include <numeric>
#include <random>

namespace {

// Points that may be lost and still pass.
constexpr int kZtrata = kMaximumBodu - kMinimumBodu;

// Draws tests as SestavTest does: each position uniformly from its section's questions,
// none twice. The section lists are reshuffled in place, which keeps every draw uniform.
class Losovani {
public:
    Losovani(const std::array<std::vector<int>, kOddilyTestu.size()>& oddily, std::uint64_t seminko)
        : oddily_(oddily), nahoda_(seminko) {}

    // Calls pozice(cislo, body) for the 25 positions of the next test.
    template <class Pozice> void Dalsi(Pozice&& pozice) {
        for (size_t s = 0; s < oddily_.size(); ++s) {
            std::vector<int>& seznam = oddily_[s];
            const int n = static_cast<int>(seznam.size());
            for (int j = 0; j < kOddilyTestu[s].pocet && j < n; ++j) {
                std::uniform_int_distribution<int> od(j, n - 1);
                std::swap(seznam[static_cast<size_t>(j)], seznam[static_cast<size_t>(od(nahoda_))]);
                pozice(seznam[static_cast<size_t>(j)], kOddilyTestu[s].body);
            }
        }
    }
    std::mt19937_64& Nahoda() { return nahoda_; }

private:
    std::array<std::vector<int>, kOddilyTestu.size()> oddily_;
    std::mt19937_64 nahoda_;
};

// The probability of losing at most kZtrata points, answer by answer: ztrata[l] is the
// probability of having lost l points so far, the last cell all that fail.
class Ztrata {
public:
    void Pridej(double p, int body) {
        std::array<double, kZtrata + 2> nova{};
        for (int l = 0; l <= kZtrata + 1; ++l) {
            const double v = ztrata_[static_cast<size_t>(l)];
            if (v == 0)
                continue;
            nova[static_cast<size_t>(l)] += v * p;
            nova[static_cast<size_t>(std::min(l + body, kZtrata + 1))] += v * (1 - p);
        }
        ztrata_ = nova;
    }
    double Prosel() const { return std::accumulate(ztrata_.begin(), ztrata_.end() - 1, 0.0); }

private:
    std::array<double, kZtrata + 2> ztrata_{1.0};
};

// The mean chance of the next testu tests for probabilities p (by number − 1).
double sanceTestu(Losovani& losovani, const std::vector<double>& p, int testu) {
    double soucet = 0;
    for (int t = 0; t < testu; ++t) {
        Ztrata z;
        losovani.Dalsi(
            [&](int cislo, int body) { z.Pridej(p[static_cast<size_t>(cislo - 1)], body); });
        soucet += z.Prosel();
    }
    return testu > 0 ? soucet / testu : 0;
}

double beta(std::mt19937_64& nahoda, double a, double b) {
    std::gamma_distribution<double> ga(a, 1.0);
    std::gamma_distribution<double> gb(b, 1.0);
    const double x = ga(nahoda);
    const double y = gb(nahoda);
    return x + y > 0 ? x / (x + y) : 0.5;
}

} // namespace

int KategorieOtazky(int cislo) {
    for (size_t k = 0; k < kKategorie.size(); ++k)
        if (cislo >= kKategorie[k].od && cislo <= kKategorie[k].po)
            return static_cast<int>(k);
    return -1;
}

ModelZnalosti::ModelZnalosti(const TXMLOtazkyType& katalog, const QString& skupina,
                             const std::vector<OdpovediOtazky>& odpovedi)
    : otazky_(static_cast<size_t>(katalog.Count())), oddily_(VhodneOtazkyOddilu(katalog, skupina)) {
    for (const OdpovediOtazky& o : odpovedi) {
        const int k = KategorieOtazky(o.Cislo);
        if (k < 0 || o.Cislo > katalog.Count())
            continue;
        // Oldest first: each answer weighs kUtlum times the next one.
        double vaha = 1;
        Otazka& q = otazky_[static_cast<size_t>(o.Cislo - 1)];
        for (auto i = o.Spravne.rbegin(); i != o.Spravne.rend(); ++i, vaha *= kUtlum) {
            q.vse += vaha;
            if (*i)
                q.spravne += vaha;
        }
        kategorie_[kat(k)].vse += q.vse;
        kategorie_[kat(k)].spravne += q.spravne;
    }
}

double ModelZnalosti::Mira(int kategorie) const {
    const Kategorie& k = kategorie_[kat(kategorie)];
    return (k.spravne + kSilaVychozi * kVychoziMira) / (k.vse + kSilaVychozi);
}

double ModelZnalosti::P(int cislo, const std::array<double, kKategorii>& miry) const {
    const int k = KategorieOtazky(cislo);
    if (k < 0 || cislo > static_cast<int>(otazky_.size()))
        return 0;
    const Otazka& q = otazky_[static_cast<size_t>(cislo - 1)];
    return (q.spravne + kSilaPrioru * miry[kat(k)]) / (q.vse + kSilaPrioru);
}

std::pair<double, double> ModelZnalosti::VazeneOdpovedi(int cislo) const {
    if (cislo < 1 || cislo > static_cast<int>(otazky_.size()))
        return {0, 0};
    const Otazka& q = otazky_[static_cast<size_t>(cislo - 1)];
    return {q.spravne, q.vse};
}

double ModelZnalosti::P(int cislo) const {
    std::array<double, kKategorii> miry{};
    for (int k = 0; k < kKategorii; ++k)
        miry[kat(k)] = Mira(k);
    return P(cislo, miry);
}

namespace {

std::vector<double> pravdepodobnosti(const ModelZnalosti& model,
                                     const std::array<double, kKategorii>& miry, size_t pocet) {
    std::vector<double> p(pocet, 0.0);
    for (const std::vector<int>& oddil : model.Oddily())
        for (int cislo : oddil)
            p[static_cast<size_t>(cislo - 1)] = model.P(cislo, miry);
    return p;
}

// One draw of what the learner may know: the category rates from their posterior, and
// each answered question from its own; a question never answered is its category.
std::vector<double> vzorek(const ModelZnalosti& model, std::mt19937_64& nahoda, size_t pocet) {
    std::array<double, kKategorii> miry{};
    for (int k = 0; k < kKategorii; ++k) {
        // A category never answered keeps the cautious default: nothing suggests more.
        if (model.VazeneVse(k) <= 0) {
            miry[static_cast<size_t>(k)] = ModelZnalosti::kVychoziMira;
            continue;
        }
        const double a = ModelZnalosti::kSilaVychozi * ModelZnalosti::kVychoziMira;
        miry[static_cast<size_t>(k)] =
            beta(nahoda, model.VazeneSpravne(k) + a,
                 model.VazeneVse(k) - model.VazeneSpravne(k) + ModelZnalosti::kSilaVychozi - a);
    }
    std::vector<double> p(pocet, 0.0);
    for (const std::vector<int>& oddil : model.Oddily())
        for (int cislo : oddil) {
            const double r = miry[static_cast<size_t>(KategorieOtazky(cislo))];
            const auto [spravne, vse] = model.VazeneOdpovedi(cislo);
            const double k = ModelZnalosti::kSilaPrioru;
            p[static_cast<size_t>(cislo - 1)] =
                vse > 0 ? beta(nahoda, spravne + k * r, vse - spravne + k * (1 - r)) : r;
        }
    return p;
}

} // namespace

OdhadSlozeni OdhadniSlozeni(const ModelZnalosti& model, int testu, std::uint64_t seminko) {
    OdhadSlozeni odhad;
    odhad.Testu = testu;
    size_t pocet = 0;
    for (const std::vector<int>& oddil : model.Oddily())
        for (int cislo : oddil)
            pocet = std::max(pocet, static_cast<size_t>(cislo));

    std::array<double, kKategorii> stredni{};
    for (int k = 0; k < kKategorii; ++k)
        stredni[static_cast<size_t>(k)] = model.Mira(k);
    const std::vector<double> p = pravdepodobnosti(model, stredni, pocet);

    // Expected points: each position's points times the mean probability of its section.
    for (size_t s = 0; s < kOddilyTestu.size(); ++s) {
        const std::vector<int>& oddil = model.Oddily()[s];
        if (oddil.empty())
            continue;
        double soucet = 0;
        for (int cislo : oddil)
            soucet += p[static_cast<size_t>(cislo - 1)];
        odhad.BodyOddilu[s] = kOddilyTestu[s].pocet * kOddilyTestu[s].body * soucet /
                              static_cast<double>(oddil.size());
        odhad.OcekavaneBody += odhad.BodyOddilu[s];
    }

    // The chance and its range: each group of tests under one draw of what is known.
    Losovani losovani(model.Oddily(), seminko);
    const int skupin = std::max(1, std::min(kSkupin, testu));
    std::vector<double> sance;
    double soucet = 0;
    int hotovo = 0;
    for (int g = 0; g < skupin; ++g) {
        const int vSkupine = (testu - hotovo) / (skupin - g);
        const double s = sanceTestu(losovani, vzorek(model, losovani.Nahoda(), pocet), vSkupine);
        sance.push_back(s);
        soucet += s * vSkupine;
        hotovo += vSkupine;
    }
    odhad.Sance = hotovo > 0 ? soucet / hotovo : 0;
    std::sort(sance.begin(), sance.end());
    odhad.Dolni = sance[sance.size() / 10];
    odhad.Horni = sance[sance.size() - 1 - sance.size() / 10];

    // What raising one category to the best one's rate would give, on the same tests for
    // every category, so that the differences are not noise.
    const double nejlepsi = *std::max_element(stredni.begin(), stredni.end());
    const int srovnani = std::max(1, testu / 10);
    const auto naStejnychTestech = [&](const std::vector<double>& q) {
        Losovani stejne(model.Oddily(), seminko + 1);
        return sanceTestu(stejne, q, srovnani);
    };
    const double zaklad = naStejnychTestech(p);
    for (int k = 0; k < kKategorii; ++k) {
        if (stredni[static_cast<size_t>(k)] >= nejlepsi)
            continue;
        std::vector<double> lepsi = p;
        for (int cislo = kKategorie[static_cast<size_t>(k)].od;
             cislo <= kKategorie[static_cast<size_t>(k)].po && cislo <= static_cast<int>(pocet);
             ++cislo)
            lepsi[static_cast<size_t>(cislo - 1)] =
                std::max(lepsi[static_cast<size_t>(cislo - 1)], nejlepsi);
        const double s = naStejnychTestech(lepsi);
        if (s > zaklad)
            odhad.Doporucene.push_back({k, std::min(1.0, odhad.Sance + (s - zaklad))});
    }
    std::sort(odhad.Doporucene.begin(), odhad.Doporucene.end(),
              [](const auto& a, const auto& b) { return a.Sance > b.Sance; });
    if (odhad.Doporucene.size() > 3)
        odhad.Doporucene.resize(3);
    return odhad;
}

double SancePriPravdepodobnostech(const std::array<std::vector<int>, kOddilyTestu.size()>& oddily,
                                  const std::vector<double>& p, int testu, std::uint64_t seminko) {
    Losovani losovani(oddily, seminko);
    return sanceTestu(losovani, p, testu);
}
