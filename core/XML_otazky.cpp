#include "core/XML_otazky.h"

#include "core/chyba.h"
#include "core/pomocne_fce.h"

TXMLOtazkaType TXMLOtazkyType::operator[](int index) const {
    if (index < 0 || index >= Count())
        throw KolomatChyba(QStringLiteral("Otázka číslo %1 v databázi otázek neexistuje "
                                          "(databáze má %2 otázek).")
                               .arg(index + 1)
                               .arg(Count()));
    return TXMLOtazkaType(polozky_[static_cast<size_t>(index)]);
}

TOtazka::TOtazka(const QString& soubor) {
    XMLOtazky.dokument_ = XmlDokument::nacti(soubor, "otazky");
    XMLOtazky.polozky_ = XMLOtazky.dokument_.koren().polozky("otazka");
    if (XMLOtazky.Count() < kMinimumOtazek)
        throw KolomatChyba(QStringLiteral("Soubor \"%1\" obsahuje jen %2 otázek (elementů "
                                          "<otazka>); databáze otázek jich musí mít "
                                          "alespoň %3.")
                               .arg(soubor)
                               .arg(XMLOtazky.Count())
                               .arg(kMinimumOtazek));
}

int TOtazka::Nacti(int cislo) {
    Platna = false;
    const TXMLOtazkaType prvek = XMLOtazky[cislo - 1];
    const QString poznamka = prvek.Poznamka();
    if (!poznamka.isEmpty())
        return -1;
    Platna = true;
    Cislo = cislo;
    Kod = Orizni(prvek.Kod(), kSirkaKod);
    Otazka = Orizni(prvek.Otazka(), kNejdelsiOtazka);
    A = Orizni(prvek.A(), kNejdelsiOdpoved);
    B = Orizni(prvek.B(), kNejdelsiOdpoved);
    C = Orizni(prvek.C(), kNejdelsiOdpoved);
    Spravne = Orizni(prvek.Spravne(), kSirkaSpravne);
    Skupina = Orizni(prvek.Skupina(), kSirkaSkupina);
    Obrazek = Orizni(prvek.Obrazek(), kSirkaObrazek);
    Poznamka = Orizni(poznamka, kSirkaPoznamka);
    return cislo - 1;
}

bool PlatnaProSkupinu(const TXMLOtazkaType& otazka, const QString& skupinaProfilu) {
    return otazka.Poznamka().isEmpty() &&
           PatriDoSkupiny(Orizni(otazka.Skupina(), kSirkaSkupina), skupinaProfilu);
}

bool PatriDoSkupiny(const QString& skupinaOtazky, const QString& skupinaProfilu) {
    if (skupinaProfilu.isEmpty())
        return false;
    if (skupinaProfilu == u"T" && skupinaOtazky == u"ABCD")
        return true;
    return skupinaOtazky.contains(skupinaProfilu.front());
}
