// A point test's answers and its scoring, without a window: picking letters, the
// evaluation by exact comparison with the database's correct letters, the verdict
// message and the protocol record.
#pragma once

#include "core/XML_protokoly.h"
#include "core/sestava_testu.h"

#include <QDateTime>
#include <QString>

class TBodovyTest {
public:
    explicit TBodovyTest(const TSestavaTestu& otazky) : otazky_(otazky) {}

    // Position 1..25.
    const TOtazkaTestu& operator[](int pozice) const;

    // Picks letter L at a position: a new letter replaces the previous choice, the
    // chosen letter again clears it. "C" on a two-answer question and letters other
    // than A, B, C are ignored. Returns whether the choice changed.
    bool Vyber(int pozice, QChar pismeno);

    // Scores the test against the correct letters of the database (exact text).
    void Vyhodnot(const TXMLOtazkyType& databaze);
    bool Vyhodnocen() const { return vyhodnocen_; }
    int Body() const { return body_; }
    int Spatne() const { return spatne_; }
    // The positions answered wrongly or not at all: "3, 7, 25" ("" when none).
    QString SpatneCisla() const { return spatneCisla_; }
    bool Slozen() const { return body_ >= kMinimumBodu; }
    QString Spravne(int pozice) const;

    // The four lines of the verdict box, joined by CR LF.
    QString ZpravaVyhodnoceni(bool casVyprsel) const;
    // The record the test leaves in Protokoly.xml.
    TProtokol Protokol(const QString& profil, const QString& skupina, const QDateTime& zacatek,
                       int sekundZbyva) const;

private:
    TSestavaTestu otazky_;
    std::array<QString, kOtazekTestu> spravne_;
    bool vyhodnocen_ = false;
    int body_ = 0;
    int spatne_ = 0;
    QString spatneCisla_;
};
