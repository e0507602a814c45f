// The profiles file Profily.xml: the root <Profily> and one <Profil> per profile with
// nine text children.
#pragma once

#include "core/xml_dokument.h"

#include <QString>

#include <vector>

inline const QString kSouborProfilu = QStringLiteral("Profily.xml");

class TXMLProfilType {
public:
    TXMLProfilType() = default;
    explicit TXMLProfilType(XmlPrvek prvek) : prvek_(prvek) {}
    bool platny() const { return prvek_.platny(); }
    XmlPrvek Prvek() const { return prvek_; }
    bool operator==(const TXMLProfilType& jiny) const { return prvek_ == jiny.prvek_; }

    QString Nazev() const { return prvek_.text("Nazev"); }
    QString Heslo() const { return prvek_.text("Heslo"); }
    QString Kategorie() const { return prvek_.text("Kategorie"); }
    QString Skupina() const { return prvek_.text("Skupina"); }
    QString Protokoly() const { return prvek_.text("Protokoly"); }
    QString Stavovy_radek() const { return prvek_.text("Stavovy_radek"); }
    QString Postupny_vyber() const { return prvek_.text("Postupny_vyber"); }
    QString Pismo_font() const { return prvek_.text("Pismo_font"); }
    QString Pismo_velikost() const { return prvek_.text("Pismo_velikost"); }

    void setNazev(const QString& v) { prvek_.nastavText("Nazev", v); }
    void setHeslo(const QString& v) { prvek_.nastavText("Heslo", v); }
    void setKategorie(const QString& v) { prvek_.nastavText("Kategorie", v); }
    void setSkupina(const QString& v) { prvek_.nastavText("Skupina", v); }
    void setProtokoly(const QString& v) { prvek_.nastavText("Protokoly", v); }
    void setStavovy_radek(const QString& v) { prvek_.nastavText("Stavovy_radek", v); }
    void setPostupny_vyber(const QString& v) { prvek_.nastavText("Postupny_vyber", v); }
    void setPismo_font(const QString& v) { prvek_.nastavText("Pismo_font", v); }
    void setPismo_velikost(const QString& v) { prvek_.nastavText("Pismo_velikost", v); }

private:
    XmlPrvek prvek_;
};

// The nine texts of one profile, in writing order.
struct TProfilTexty {
    QString Nazev, Heslo, Kategorie, Skupina, Protokoly, Stavovy_radek, Postupny_vyber, Pismo_font,
        Pismo_velikost;
};
TProfilTexty PrectiTexty(const TXMLProfilType& profil);
// Sets the nine children in writing order (creating them in that order).
void ZapisTexty(TXMLProfilType& profil, const TProfilTexty& texty);

class TXMLProfilyType {
public:
    TXMLProfilyType() : dokument_(XmlDokument::novy("Profily")) {}
    // Parses Profily.xml; throws KolomatChyba naming the file and the parser's error.
    static TXMLProfilyType Nacti();

    std::vector<TXMLProfilType> Profily() const;
    int Count() const { return dokument_.koren().pocetPolozek("Profil"); }
    TXMLProfilType Add();
    void Odeber(const TXMLProfilType& profil) { dokument_.koren().odeber(profil.Prvek()); }
    int IndexOf(const TXMLProfilType& profil) const {
        return dokument_.koren().indexPolozky("Profil", profil.Prvek());
    }
    // Saves the whole document as Profily.xml; throws KolomatChyba when it cannot.
    void Uloz() const { dokument_.uloz(kSouborProfilu); }
    // Saves this document without the profile at that index, leaving itself unchanged.
    void UlozBez(int index) const;

private:
    explicit TXMLProfilyType(XmlDokument d) : dokument_(std::move(d)) {}
    XmlDokument dokument_;
};
