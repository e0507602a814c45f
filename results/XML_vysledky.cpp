#include "XML_vysledky.h"

#include "chyba.h"
#include "pomocne_fce.h"

#include <QFileInfo>

namespace {

KolomatChyba chybaPrevodu(const char* prvek, const QString& hodnota, const QString& co) {
    return KolomatChyba(QStringLiteral("Soubor \"%1\": hodnotu \"%2\" elementu <%3> nelze "
                                       "převést na %4.")
                            .arg(kSouborVysledku, hodnota, QString::fromUtf8(prvek), co));
}

} // namespace

QDate TXMLVysledekType::Datum() const {
    const QString text = prvek_.text("Datum");
    const QDate datum = TextNaDatum(text);
    if (!datum.isValid())
        throw chybaPrevodu("Datum", text, QStringLiteral("datum"));
    return datum;
}

QTime TXMLVysledekType::Cas() const {
    const QString text = prvek_.text("Cas");
    const QTime cas = TextNaCasDne(text);
    if (!cas.isValid())
        throw chybaPrevodu("Cas", text, QStringLiteral("čas"));
    return cas;
}

void TXMLVysledekType::setDatum(const QDate& v) {
    prvek_.nastavText("Datum", DatumNaText(v));
}

void TXMLVysledekType::setCas(const QTime& v) {
    prvek_.nastavText("Cas", CasDneNaText(v));
}

int TXMLVysledekType::cislo(const char* jmeno) const {
    return textNaCislo(prvek_.text(jmeno), kSouborVysledku, jmeno);
}

void TXMLVysledekType::nastavCislo(const char* jmeno, int hodnota) {
    prvek_.nastavText(jmeno, QString::number(hodnota));
}

int TXMLVysledkyType::Count() const {
    return dokument_.koren().pocetPolozek("Vysledek");
}

TXMLVysledekType TXMLVysledkyType::operator[](int index) const {
    int i = 0;
    for (const XmlPrvek& p : dokument_.koren().polozky("Vysledek"))
        if (i++ == index)
            return TXMLVysledekType(p);
    throw KolomatChyba(QStringLiteral("Záznam %1 v souboru \"%2\" neexistuje.")
                           .arg(index + 1)
                           .arg(kSouborVysledku));
}

std::vector<TXMLVysledekType> TXMLVysledkyType::Zaznamy() const {
    std::vector<TXMLVysledekType> zaznamy;
    for (const XmlPrvek& p : dokument_.koren().polozky("Vysledek"))
        zaznamy.emplace_back(p);
    return zaznamy;
}

TXMLVysledekType TXMLVysledkyType::Insert(int index) {
    return TXMLVysledekType(dokument_.koren().vlozPolozku("Vysledek", index));
}

void TXMLVysledkyType::Delete(int index) {
    dokument_.koren().odeber((*this)[index].Prvek());
}

int TXMLVysledkyType::IndexOf(const TXMLVysledekType& zaznam) const {
    return dokument_.koren().indexPolozky("Vysledek", zaznam.Prvek());
}

void TXMLVysledkyType::Uloz() const {
    dokument_.uloz(kSouborVysledku);
}

int TXMLVysledkyType::OdeberAUloz(const std::vector<TXMLVysledekType>& zaznamy) {
    // One pass over the records: a record identical to the next one to delete goes,
    // any other is passed by. The positions found here are then removed from a copy,
    // which is what gets written.
    std::vector<XmlPrvek> odebrat;
    std::vector<size_t> pozice;
    size_t dalsi = 0;
    size_t index = 0;
    XmlPrvek koren = dokument_.koren();
    for (XmlPrvek p = koren.prvniPolozka("Vysledek"); p.platny() && dalsi < zaznamy.size();
         p = p.dalsiPolozka("Vysledek"), ++index) {
        if (p == zaznamy[dalsi].Prvek()) {
            odebrat.push_back(p);
            pozice.push_back(index);
            ++dalsi;
        }
    }
    if (odebrat.empty())
        return 0;

    XmlDokument kopie = XmlDokument::zBajtu(dokument_.doBajtu(), kSouborVysledku, "Vysledky");
    XmlPrvek korenKopie = kopie.koren();
    std::vector<XmlPrvek> vKopii;
    vKopii.reserve(odebrat.size());
    size_t k = 0;
    index = 0;
    for (XmlPrvek p = korenKopie.prvniPolozka("Vysledek"); p.platny() && k < pozice.size();
         p = p.dalsiPolozka("Vysledek"), ++index) {
        if (index == pozice[k]) {
            vKopii.push_back(p);
            ++k;
        }
    }
    for (const XmlPrvek& p : vKopii)
        korenKopie.odeber(p);
    kopie.uloz(kSouborVysledku);

    for (const XmlPrvek& p : odebrat)
        koren.odeber(p);
    return static_cast<int>(odebrat.size());
}

bool VysledkyExistuji() {
    return QFileInfo::exists(kSouborVysledku);
}

TXMLVysledkyType NacistVysledky() {
    return TXMLVysledkyType(XmlDokument::nacti(kSouborVysledku, "Vysledky"));
}

TXMLVysledkyType NoveVysledky() {
    return TXMLVysledkyType(XmlDokument::novy("Vysledky"));
}

void PridatVysledek(const TVysledek& v) {
    // SouborExistuje would call an unreadable file missing, and it would be replaced.
    TXMLVysledkyType koren = VysledkyExistuji() ? NacistVysledky() : NoveVysledky();
    TXMLVysledekType z = koren.Insert(koren.Count());
    z.setTypTestu(v.TypTestu);
    z.setProfil(v.Profil);
    z.setDatum(v.Datum);
    z.setCas(v.Cas);
    z.setSkupina(v.Skupina);
    z.setKategorie(v.Kategorie);
    z.setPocetOtazek(v.PocetOtazek);
    z.setSpatne(v.Spatne);
    z.setSNapovedou(v.SNapovedou);
    z.setSNapovedouCisla(v.SNapovedouCisla);
    z.setUspesnost(v.Uspesnost);
    z.setSpatneCisla(v.SpatneCisla);
    koren.Uloz();
}

std::vector<TXMLVysledekType> VysledkyProfilu(const TXMLVysledkyType& koren, const QString& profil,
                                              const QString& typ) {
    std::vector<TXMLVysledekType> vysledek;
    for (const TXMLVysledekType& z : koren.Zaznamy())
        if (z.Profil() == profil && z.TypTestu() == typ)
            vysledek.push_back(z);
    return vysledek;
}

void SmazatVysledek(TXMLVysledkyType& koren, const TXMLVysledekType& zaznam) {
    koren.OdeberAUloz({zaznam});
}

void SmazatVysledky(TXMLVysledkyType& koren, const std::vector<TXMLVysledekType>& zaznamy) {
    koren.OdeberAUloz(zaznamy);
}

int OdebratVysledkyProfilu(TXMLVysledkyType& koren, const QString& profil) {
    int odebrano = 0;
    for (const TXMLVysledekType& z : koren.Zaznamy()) {
        if (z.Profil() == profil) {
            koren.Odeber(z);
            ++odebrano;
        }
    }
    return odebrano;
}

QString SeznamCisel(const std::vector<int>& cisla) {
    QStringList texty;
    for (int c : cisla)
        texty << QString::number(c);
    return texty.join(QStringLiteral(", "));
}
