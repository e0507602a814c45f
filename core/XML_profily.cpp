#include "core/XML_profily.h"

TProfilTexty PrectiTexty(const TXMLProfilType& p) {
    return {p.Nazev(),         p.Heslo(),          p.Kategorie(),  p.Skupina(),       p.Protokoly(),
            p.Stavovy_radek(), p.Postupny_vyber(), p.Pismo_font(), p.Pismo_velikost()};
}

void ZapisTexty(TXMLProfilType& p, const TProfilTexty& t) {
    p.setNazev(t.Nazev);
    p.setHeslo(t.Heslo);
    p.setKategorie(t.Kategorie);
    p.setSkupina(t.Skupina);
    p.setProtokoly(t.Protokoly);
    p.setStavovy_radek(t.Stavovy_radek);
    p.setPostupny_vyber(t.Postupny_vyber);
    p.setPismo_font(t.Pismo_font);
    p.setPismo_velikost(t.Pismo_velikost);
}

TXMLProfilyType TXMLProfilyType::Nacti() {
    return TXMLProfilyType(XmlDokument::nacti(kSouborProfilu, "Profily"));
}

std::vector<TXMLProfilType> TXMLProfilyType::Profily() const {
    std::vector<TXMLProfilType> profily;
    for (const XmlPrvek& p : dokument_.koren().polozky("Profil"))
        profily.emplace_back(p);
    return profily;
}

TXMLProfilType TXMLProfilyType::Add() {
    return TXMLProfilType(dokument_.koren().vlozPolozku("Profil", Count()));
}

void TXMLProfilyType::UlozBez(int index) const {
    XmlDokument kopie = dokument_.kopie();
    const std::vector<XmlPrvek> profily = kopie.koren().polozky("Profil");
    if (index >= 0 && index < static_cast<int>(profily.size()))
        kopie.koren().odeber(profily[static_cast<size_t>(index)]);
    kopie.uloz(kSouborProfilu);
}
