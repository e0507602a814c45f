// How ready a learner is for the point test, from the answer history: the probability
// of answering each question right now, and the chance of reaching 43 points in a test
// drawn as the program draws one.
//
// A question's probability is its own answers (the latest weighs most) shrunk toward
// the learner's success rate in its category (a Beta prior of strength kSilaPrioru); a
// question never answered gets the category's rate, and a category never answered a
// cautious 1/2. The chance to pass is the mean over kTestu tests drawn section by
// section like SestavTest; for each test the probability of losing at most 7 points is
// exact (its 25 answers are independent given the probabilities). What the learner
// knows is uncertain (Beta posteriors of the category rates and of every answered
// question): the tests are split into groups, each under one draw of it, and the
// spread of the groups' chances is the range.
#pragma once

#include "core/historie.h"
#include "core/kategorie.h"

#include <QString>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

class TXMLOtazkyType;

inline constexpr int kKategorii = static_cast<int>(kKategorie.size());

// The index (0..6, kKategorie order) of the category of question cislo; −1 outside.
int KategorieOtazky(int cislo);

class ModelZnalosti {
public:
    // How much the latest answer to a question outweighs the one before it.
    static constexpr double kUtlum = 0.8;
    // The weight of the category's rate in a question's estimate, in answers.
    static constexpr double kSilaPrioru = 2.0;
    // The rate of a category without answers, and how many answers it weighs as
    // against the learner's own (little: a category with a few dozen answers keeps
    // nearly its own rate).
    static constexpr double kVychoziMira = 0.5;
    static constexpr double kSilaVychozi = 0.5;

    // The questions in force of the group in the catalogue, and the profile's answers.
    ModelZnalosti(const TXMLOtazkyType& katalog, const QString& skupina,
                  const std::vector<OdpovediOtazky>& odpovedi);

    // The estimated probability of a right answer to question cislo (of the group).
    double P(int cislo) const;
    // The same with the category rates given (for a draw of them).
    double P(int cislo, const std::array<double, kKategorii>& miry) const;
    // A category's rate (the posterior mean) and its weighted answers.
    double Mira(int kategorie) const;
    double VazeneSpravne(int kategorie) const { return kategorie_[kat(kategorie)].spravne; }
    double VazeneVse(int kategorie) const { return kategorie_[kat(kategorie)].vse; }
    // A question's weighted right answers and weighted answers (0, 0 when never answered).
    std::pair<double, double> VazeneOdpovedi(int cislo) const;

    // The questions in force of the group, per section (kOddilyTestu order).
    const std::array<std::vector<int>, kOddilyTestu.size()>& Oddily() const { return oddily_; }

private:
    static size_t kat(int k) { return static_cast<size_t>(k); }
    struct Otazka {
        double spravne = 0; // weighted right answers
        double vse = 0;     // weighted answers
    };
    struct Kategorie {
        double spravne = 0;
        double vse = 0;
    };
    std::vector<Otazka> otazky_; // by number − 1
    std::array<Kategorie, kKategorii> kategorie_{};
    std::array<std::vector<int>, kOddilyTestu.size()> oddily_;
};

struct OdhadSlozeni {
    double Sance = 0; // the chance to reach kMinimumBodu, 0..1
    double Dolni = 0; // the range that holds 80 % of the groups' chances
    double Horni = 0;
    double OcekavaneBody = 0;                             // expected points of a test
    std::array<double, kOddilyTestu.size()> BodyOddilu{}; // and of each section
    // Up to three categories (kKategorie index) whose rate raised to the learner's best
    // category's would raise the chance most, with that chance; the best first.
    struct Doporuceni {
        int Kategorie = 0;
        double Sance = 0;
    };
    std::vector<Doporuceni> Doporucene;
    int Testu = 0;
};

// The estimate from kTestu tests in kSkupin groups. The same model and seed give the
// same figures; the program's own generator is not touched.
inline constexpr int kTestu = 10000;
inline constexpr int kSkupin = 50;
OdhadSlozeni OdhadniSlozeni(const ModelZnalosti& model, int testu = kTestu,
                            std::uint64_t seminko = 20261208);

// The chance to pass for fixed probabilities p (by number − 1), from testu drawn tests:
// what the calibration measures the estimate against.
double SancePriPravdepodobnostech(const std::array<std::vector<int>, kOddilyTestu.size()>& oddily,
                                  const std::vector<double>& p, int testu, std::uint64_t seminko);
