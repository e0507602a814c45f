// The study results store Vysledky.xml: one <Vysledek> per finished practice or exam
// run, shared by all profiles. Every operation works on the whole document in memory;
// every change saves the whole document back at once.
#pragma once

#include "xml_dokument.h"

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

// The root <Vysledky> with its document.
class TXMLVysledkyType {
public:
    int Count() const;
    TXMLVysledekType operator[](int index) const;
    // Inserts an empty record at index (index = Count() appends).
    TXMLVysledekType Insert(int index);
    void Delete(int index);
    // Position of this very record (identity, not equal content), or -1.
    int IndexOf(const TXMLVysledekType& zaznam) const;
    // All records in file order.
    std::vector<TXMLVysledekType> Zaznamy() const;
    void Odeber(const TXMLVysledekType& zaznam) { dokument_.koren().odeber(zaznam.Prvek()); }
    // Saves the whole document as Vysledky.xml; throws KolomatChyba when it cannot.
    void Uloz() const;
    // Saves the document without these records (given in file order) and removes them
    // from memory only once the file has been written: a failed save leaves both the
    // file and the document as they were. Returns how many records went.
    int OdeberAUloz(const std::vector<TXMLVysledekType>& zaznamy);

private:
    friend TXMLVysledkyType NacistVysledky();
    friend TXMLVysledkyType NoveVysledky();
    explicit TXMLVysledkyType(XmlDokument dokument) : dokument_(std::move(dokument)) {}
    XmlDokument dokument_;
};

// Parses Vysledky.xml; throws KolomatChyba when it is missing or cannot be read.
TXMLVysledkyType NacistVysledky();
// A new document with the declaration and an empty root, in memory.
TXMLVysledkyType NoveVysledky();

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
// Deletes one record by identity and saves. When the save fails (KolomatChyba) the
// record stays, in the file and in memory.
void SmazatVysledek(TXMLVysledkyType& koren, const TXMLVysledekType& zaznam);
// Deletes the given records (in file order) in one pass and saves once; all of them
// or, when the save fails, none.
void SmazatVysledky(TXMLVysledkyType& koren, const std::vector<TXMLVysledekType>& zaznamy);
// Removes every record whose Profil is exactly that name, in memory (no save);
// returns how many were removed.
int OdebratVysledkyProfilu(TXMLVysledkyType& koren, const QString& profil);

// Question numbers joined by ", " as the number lists of a record are written.
QString SeznamCisel(const std::vector<int>& cisla);
