// The profile store: the logged-in user's name, password and settings, and the keeper
// of Profily.xml. The current profile of the program (TProfil) is one, with the
// question views it owns besides.
//
// The profiles document stays open for the object's life and every change reaches the
// file through it. A change that cannot be saved is taken back in memory too, so that
// memory and file never disagree. One program per working folder (ZamekSlozky) keeps
// another from writing the file meanwhile.
#pragma once

#include "core/XML_profily.h"
#include "core/historie.h"

#include <QString>
#include <QStringList>

class UlozisteProfilu {
public:
    // An empty profiles document; nothing is read yet.
    UlozisteProfilu() = default;
    UlozisteProfilu(const UlozisteProfilu&) = delete;
    UlozisteProfilu& operator=(const UlozisteProfilu&) = delete;

    // Reads Profily.xml when it exists. Throws KolomatChyba (naming the file and the
    // parser's error) for a file that exists but cannot be read: such a file must never
    // be taken for an empty one, or the first new profile would overwrite it.
    void Otevrit();

    // The profile whose name matches (letters a–z without regard to case, every other
    // character exactly), or an invalid one.
    TXMLProfilType Najdi(const QString& nazev) const;
    bool Existuje(const QString& nazev) const { return Najdi(nazev).platny(); }
    // Loads the profile's values into the fields. False when no profile has that name
    // (the fields keep their values). Throws KolomatChyba naming the profile and the
    // field when a value does not convert; the fields are then unchanged too.
    bool Nacti(const QString& nazev);
    // Appends a profile with the default settings and saves (nothing when the name
    // exists). Throws KolomatChyba when it cannot save; the profile is then not added.
    void Vytvor(const QString& nazev, const QString& heslo);
    // Removes the profile of exactly that name and its records in Vysledky.xml,
    // Protokoly.xml and the answer history. All three files are read before any is
    // changed: when one cannot be read, nothing is deleted and KolomatChyba says which.
    // False when no profile has exactly that name.
    bool Smaz(const QString& nazev);
    // Writes the fields into the logged-in profile and saves. Throws KolomatChyba when
    // it cannot save; the document is then as before.
    void Uloz();
    // Renames the logged-in profile and saves, as Uloz (the name is as before when it
    // throws); its answer history and marks follow. Returns "" or the message of a
    // history that could not follow.
    QString Prejmenuj(const QString& novy);

    // The names of all stored profiles, in file order.
    QStringList Nazvy() const;

    QString Nazev;
    QString Heslo;
    QString Kategorie;
    QString Skupina;
    QString Protokoly;
    bool Stavovy_radek = false;
    bool Postupny_vyber = false;
    QString Pismo_font;
    int Pismo_velikost = 0;

    // The answer history of all profiles (opened by the program at its start).
    HistorieOdpovedi Historie;

private:
    TXMLProfilyType XMLProfily;
    TXMLProfilType XMLProfil;
};

// The Boolean reading of the profiles file: a decimal number (0 is false, anything else
// true) or the words True/False in any letter case. Sets ok to false for anything else.
bool TextNaLogickou(const QString& text, bool* ok);
