// The study results store Vysledky.xml: one <Vysledek> per finished practice or exam
// run, shared by all profiles. Every operation works on the whole document in memory;
// every change saves the whole document back at once.
#pragma once

#include "core/xml_dokument.h"
#include "core/zaznamy_xml.h"

#include <QDate>
#include <QString>
#include <QTime>

#include <vector>

inline const QString kSouborVysledku = QStringLiteral("Vysledky.xml");

// One <Vysledek> record. The getters of the number and date children throw
// KolomatChyba (naming the file and the element) for a value that does not convert.
class TXMLVysledekType {
public:
    TXMLVysledekType() = default;
    explicit TXMLVysledekType(XmlPrvek prvek) : prvek_(prvek) {}
    XmlPrvek Prvek() const { return prvek_; }
    bool operator==(const TXMLVysledekType& jiny) const { return prvek_ == jiny.prvek_; }

    QString TypTestu() const { return prvek_.text("TypTestu"); }
    QString Profil() const { return prvek_.text("Profil"); }
    QDate Datum() const;
    QTime Cas() const;
    QString Skupina() const { return prvek_.text("Skupina"); }
    QString Kategorie() const { return prvek_.text("Kategorie"); }
    int PocetOtazek() const { return cislo("PocetOtazek"); }
    int Spatne() const { return cislo("Spatne"); }
    int SNapovedou() const { return cislo("SNapovedou"); }
    QString SNapovedouCisla() const { return prvek_.text("SNapovedouCisla"); }
    int Uspesnost() const { return cislo("Uspesnost"); }
    QString SpatneCisla() const { return prvek_.text("SpatneCisla"); }

    void setTypTestu(const QString& v) { prvek_.nastavText("TypTestu", v); }
    void setProfil(const QString& v) { prvek_.nastavText("Profil", v); }
    void setDatum(const QDate& v);
    void setCas(const QTime& v);
    void setSkupina(const QString& v) { prvek_.nastavText("Skupina", v); }
    void setKategorie(const QString& v) { prvek_.nastavText("Kategorie", v); }
    void setPocetOtazek(int v) { nastavCislo("PocetOtazek", v); }
    void setSpatne(int v) { nastavCislo("Spatne", v); }
    void setSNapovedou(int v) { nastavCislo("SNapovedou", v); }
    void setSNapovedouCisla(const QString& v) { prvek_.nastavText("SNapovedouCisla", v); }
    void setUspesnost(int v) { nastavCislo("Uspesnost", v); }
    void setSpatneCisla(const QString& v) { prvek_.nastavText("SpatneCisla", v); }

private:
    int cislo(const char* jmeno) const;
    void nastavCislo(const char* jmeno, int hodnota);
    XmlPrvek prvek_;
};

struct PopisVysledku {
    static QString soubor() { return kSouborVysledku; }
    static constexpr const char* koren = "Vysledky";
    static constexpr const char* polozka = "Vysledek";
};

// The root <Vysledky> with its document; see zaznamy_xml.h for how changes reach the
// file.
using TXMLVysledkyType = TXMLZaznamy<TXMLVysledekType, PopisVysledku>;

// Parses Vysledky.xml; throws KolomatChyba when it is missing or cannot be read.
inline TXMLVysledkyType NacistVysledky() {
    return TXMLVysledkyType::Nacti();
}
// A new document with the declaration and an empty root, in memory.
inline TXMLVysledkyType NoveVysledky() {
    return TXMLVysledkyType::Novy();
}

// What a finished run stores.
struct TVysledek {
    QString TypTestu; // "Procvicovani" or "Zkouseni"
    QString Profil;
    QDate Datum;
    QTime Cas;
    QString Skupina;
    QString Kategorie;
    int PocetOtazek = 0;
    int Spatne = 0;
    int SNapovedou = 0;
    QString SNapovedouCisla;
    int Uspesnost = 0;
    QString SpatneCisla;
};

// Appends one record (creating the file when it does not exist) and saves. A file that
// exists but cannot be read is left as it was: the error is thrown before any write.
void PridatVysledek(const TVysledek& vysledek);

inline const QString kTypProcvicovani = QStringLiteral("Procvicovani");
inline const QString kTypZkouseni = QStringLiteral("Zkouseni");

// The records of one profile and kind of run, in file order (exact comparison).
std::vector<TXMLVysledekType> VysledkyProfilu(const TXMLVysledkyType& koren, const QString& profil,
                                              const QString& typ);
// Deletes one record of a list read earlier from the file as it is now, and saves.
// When the file cannot be read or saved (KolomatChyba) the record stays, in the file
// and in memory.
void SmazatVysledek(TXMLVysledkyType& koren, const TXMLVysledekType& zaznam);
// Deletes the given records in one pass and saves once; all of them or, when the save
// fails, none.
void SmazatVysledky(TXMLVysledkyType& koren, const std::vector<TXMLVysledekType>& zaznamy);
// Removes every record whose Profil is exactly that name, in memory (no save);
// returns how many were removed.
int OdebratVysledkyProfilu(TXMLVysledkyType& koren, const QString& profil);

// Question numbers joined by ", " as the number lists of a record are written.
QString SeznamCisel(const std::vector<int>& cisla);
