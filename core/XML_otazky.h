// The question database otazky.xml and the question object through which every part
// of the program reads questions.
#pragma once

#include "core/xml_dokument.h"

#include <QString>

#include <vector>

// One <otazka> element, read directly (without the in-force test of TOtazka::Nacti).
class TXMLOtazkaType {
public:
    explicit TXMLOtazkaType(XmlPrvek prvek) : prvek_(prvek) {}
    QString Kod() const { return prvek_.text("Kod"); }
    QString Otazka() const { return prvek_.text("Otazka"); }
    QString A() const { return prvek_.text("A"); }
    QString B() const { return prvek_.text("B"); }
    QString C() const { return prvek_.text("C"); }
    QString Spravne() const { return prvek_.text("Spravne"); }
    QString Skupina() const { return prvek_.text("Skupina"); }
    QString Obrazek() const { return prvek_.text("Obrazek"); }
    QString Poznamka() const { return prvek_.text("Poznamka"); }

private:
    XmlPrvek prvek_;
};

// The root <otazky> with its <otazka> items by 0-based index (question number − 1).
class TXMLOtazkyType {
public:
    int Count() const { return static_cast<int>(polozky_.size()); }
    // Throws KolomatChyba for an index outside 0..Count()-1.
    TXMLOtazkaType operator[](int index) const;

private:
    friend class TOtazka;
    XmlDokument dokument_ = XmlDokument::novy("otazky");
    std::vector<XmlPrvek> polozky_;
};

// Widths of the fixed-width fields; longer values are cut.
inline constexpr int kSirkaSpravne = 1;
inline constexpr int kSirkaSkupina = 4;
inline constexpr int kSirkaObrazek = 50;
inline constexpr int kSirkaPoznamka = 110;
inline constexpr int kSirkaKod = 8;
// The longest texts a catalogue may hold. Every question of the program is far
// shorter; the bounds keep a broken or hostile catalogue from freezing the window with
// a text it cannot lay out quickly. A catalogue check refuses longer ones, and a
// question is cut to them when it is read.
inline constexpr int kNejdelsiOtazka = 2000;
inline constexpr int kNejdelsiOdpoved = 1000;
inline constexpr int kNejdelsiPoznamka = 300;
// Every part of the program relies on the official numbering of 802 questions.
inline constexpr int kMinimumOtazek = 802;

class TOtazka {
public:
    // Opens and parses the database; throws KolomatChyba naming the file and the problem
    // (missing, malformed, another root, fewer than 802 questions).
    explicit TOtazka(const QString& soubor = QStringLiteral("otazky.xml"));

    // Loads question cislo (1-based). Returns cislo − 1 when it is in force and −1 when
    // it is removed; then the fields keep the previous question. Throws KolomatChyba for
    // a number outside 1..Dokument().Count().
    int Nacti(int cislo);
    const TXMLOtazkyType& Dokument() const { return XMLOtazky; }

    bool Platna = false;
    int Cislo = 0;
    QString Otazka;
    QString Kod;
    QString A;
    QString B;
    QString C;
    QString Spravne;
    QString Skupina;
    QString Obrazek;
    QString Poznamka;

private:
    TXMLOtazkyType XMLOtazky;
};

// Whether a question of the groups skupinaOtazky belongs to the licence group of a
// profile: the group's first letter occurs in the question's groups, and group "T"
// also takes the questions for exactly "ABCD".
bool PatriDoSkupiny(const QString& skupinaOtazky, const QString& skupinaProfilu);
// Whether a question may be asked of a profile of that group: in force, and of the group
// as Nacti cuts its groups. The point test, practice of mistakes and the statistics all
// ask this.
bool PlatnaProSkupinu(const TXMLOtazkaType& otazka, const QString& skupinaProfilu);
