// The test protocol store Protokoly.xml: one <Protokol> per point test, shared by all
// profiles. Every operation works on the whole document in memory; every change saves
// the whole document back at once. The four lists (Body, Odpoved, SpravnaOdpoved,
// SkutCis) are made of 25 items separated by single spaces, so their whitespace is
// significant: a list of 24 spaces is 25 empty answers.
#pragma once

#include "core/xml_dokument.h"
#include "core/zaznamy_xml.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

inline const QString kSouborProtokolu = QStringLiteral("Protokoly.xml");
inline constexpr int kPolozekSeznamu = 25;

// One <Protokol> record. The getters of the number and date children throw
// KolomatChyba (naming the file and the element) for a value that does not convert.
class TXMLProtokolType {
public:
    TXMLProtokolType() = default;
    explicit TXMLProtokolType(XmlPrvek prvek) : prvek_(prvek) {}
    XmlPrvek Prvek() const { return prvek_; }
    bool operator==(const TXMLProtokolType& jiny) const { return prvek_ == jiny.prvek_; }

    // A child's text as stored, without conversion ("" when the child is missing).
    QString Text(const char* potomek) const { return prvek_.text(potomek); }

    QString Profil() const { return prvek_.text("Profil"); }
    QDateTime DatumACas() const;
    QString Skupina() const { return prvek_.text("Skupina"); }
    QString DelkaTestu() const { return prvek_.text("DelkaTestu"); }
    int Spravne() const { return cislo("Spravne"); }
    int PocetBodu() const { return cislo("PocetBodu"); }
    int MinPocetBodu() const { return cislo("MinPocetBodu"); }
    QString Verdikt() const { return prvek_.text("Verdikt"); }
    QString Body() const { return prvek_.text("Body"); }
    QString Odpoved() const { return prvek_.text("Odpoved"); }
    QString SpravnaOdpoved() const { return prvek_.text("SpravnaOdpoved"); }
    QString SkutCis() const { return prvek_.text("SkutCis"); }

    void setProfil(const QString& v) { prvek_.nastavText("Profil", v); }
    void setDatumACas(const QDateTime& v);
    void setSkupina(const QString& v) { prvek_.nastavText("Skupina", v); }
    void setDelkaTestu(const QString& v) { prvek_.nastavText("DelkaTestu", v); }
    void setSpravne(int v) { nastavCislo("Spravne", v); }
    void setPocetBodu(int v) { nastavCislo("PocetBodu", v); }
    void setMinPocetBodu(int v) { nastavCislo("MinPocetBodu", v); }
    void setVerdikt(const QString& v) { prvek_.nastavText("Verdikt", v); }
    void setBody(const QString& v) { prvek_.nastavText("Body", v); }
    void setOdpoved(const QString& v) { prvek_.nastavText("Odpoved", v); }
    void setSpravnaOdpoved(const QString& v) { prvek_.nastavText("SpravnaOdpoved", v); }
    void setSkutCis(const QString& v) { prvek_.nastavText("SkutCis", v); }

private:
    int cislo(const char* jmeno) const;
    void nastavCislo(const char* jmeno, int hodnota);
    XmlPrvek prvek_;
};

struct PopisProtokolu {
    static QString soubor() { return kSouborProtokolu; }
    static constexpr const char* koren = "Protokoly";
    static constexpr const char* polozka = "Protokol";
};

// The root <Protokoly> with its document; its items are the <Protokol> children. See
// zaznamy_xml.h for how changes reach the file.
using TXMLProtokolyType = TXMLZaznamy<TXMLProtokolType, PopisProtokolu>;

// Parses Protokoly.xml; throws KolomatChyba when it is missing or cannot be read.
inline TXMLProtokolyType NacistProtokoly() {
    return TXMLProtokolyType::Nacti();
}
inline TXMLProtokolyType NoveProtokoly() {
    return TXMLProtokolyType::Novy();
}

// What an evaluated point test stores.
struct TProtokol {
    QString Profil;
    QDateTime DatumACas;
    QString Skupina;
    QString DelkaTestu;
    int Spravne = 0;
    int PocetBodu = 0;
    int MinPocetBodu = 43;
    QString Verdikt;
    QString Body;
    QString Odpoved;
    QString SpravnaOdpoved;
    QString SkutCis;
};

// Sets the twelve children of a record in writing order.
void ZapisProtokol(TXMLProtokolType& zaznam, const TProtokol& protokol);
// Appends one protocol (creating the file when it does not exist) and saves. A file
// that exists but cannot be read is left as it was: the error is thrown before any write.
void PridatProtokol(const TProtokol& protokol);
// The records whose Profil is exactly that name, in file order.
std::vector<TXMLProtokolType> ProtokolyProfilu(const TXMLProtokolyType& koren,
                                               const QString& profil);
// Deletes one record of a list read earlier from the file as it is now, and saves; a
// failed read or save (KolomatChyba) leaves both the file and the document with it.
void SmazatProtokol(TXMLProtokolyType& koren, const TXMLProtokolType& zaznam);
// Deletes the records (in document order) in one pass and one save, as above.
void SmazatProtokoly(TXMLProtokolyType& koren, const std::vector<TXMLProtokolType>& zaznamy);
// Removes every record whose Profil is exactly that name, in memory (no save).
int OdebratProtokolyProfilu(TXMLProtokolyType& koren, const QString& profil);

// A list of 25 items as stored: the items joined by single spaces.
QString SpojSeznam(const QStringList& polozky);
// Reads a stored list back: items 1 to 24 are each the text before the next space,
// item 25 the rest. Always 25 items (missing ones are empty).
QStringList RozdelSeznam(const QString& text);
