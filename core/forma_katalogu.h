// What a learner could guess from the form of the questions alone, and the rules that
// keep the shipped catalogue from giving it away: the length of the correct answer,
// the absolute words of the wrong ones, the spread and the runs of the correct
// letters, near duplicates, and the pictures of the situations and the signs.
#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

#include <array>

class TXMLOtazkyType;

// Longest and shortest: the share of three-answer questions in force whose correct
// answer is strictly the longest (or strictly the shortest) of the three.
inline constexpr double kNejvysePodilCelkem = 0.40;
inline constexpr double kNejvysePodilKategorie = 0.45;
// The wrong answers may hold absolute words at most this many times as often as the
// right ones.
inline constexpr double kNejvyseAbsolutnich = 2.0;
// Each correct letter's share of the three-answer questions in force of a category,
// and the share of neighbouring questions in force with the same letter.
inline constexpr double kPismenoOd = 0.26;
inline constexpr double kPismenoDo = 0.41;
inline constexpr double kOpakovaniOd = 0.25;
inline constexpr double kOpakovaniDo = 0.40;
// Two questions without different pictures whose question and correct answer share
// this share of their words are near duplicates.
inline constexpr double kPodobnost = 0.6;
// Situations: every question in force with a picture of its own, this many scenes at
// least; signs: this share of the questions in force with a picture.
inline constexpr int kNejmeneScenSituaci = 45;
inline constexpr double kPodilZnacekSObrazkem = 0.70;

// Whether an answer holds an absolute word ("vždy", "nikdy", "pouze", "jen", ...).
bool ObsahujeAbsolutniSlovo(const QString& text);

// The figures of one category (or of the whole catalogue).
struct FormaOdpovedi {
    int trojic = 0;     // three-answer questions in force
    int nejdelsich = 0; // ... whose correct answer is strictly the longest
    int nejkratsich = 0;
    int spravnych = 0; // right answers of the questions in force
    int spravnychAbsolutnich = 0;
    int spatnych = 0; // wrong answers
    int spatnychAbsolutnich = 0;
    std::array<int, 3> pismena{}; // correct letters A, B, C of the three-answer ones
    int sousedu = 0;              // neighbouring pairs of questions in force
    int opakovani = 0;            // ... with the same correct letter
};

// Index 0 the whole catalogue, 1..7 the categories in number order.
std::array<FormaOdpovedi, 8> SpocitejFormu(const TXMLOtazkyType& databaze);

// The rules above; an empty list when they all hold.
QStringList KontrolaFormy(const TXMLOtazkyType& databaze);
// Near duplicates not on the reviewed list of pairs that differ in substance.
QStringList KontrolaDuplicit(const TXMLOtazkyType& databaze);
// Pictures of the situations and signs, and the @2x file beside every picture
// (relative to the data folder).
QStringList KontrolaObrazku(const TXMLOtazkyType& databaze, const QDir& data);

// Token-set similarity of two questions: their question texts and correct answers as
// sets of words (of at least three letters, by their first five), shared / all.
double Podobnost(const QString& a, const QString& b);
