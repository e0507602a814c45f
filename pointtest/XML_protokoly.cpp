#include "XML_protokoly.h"

#include "chyba.h"
#include "pomocne_fce.h"

QDateTime TXMLProtokolType::DatumACas() const {
    const QString text = prvek_.text("DatumACas");
    const QDateTime kdy = TextNaDatumACas(text);
    if (!kdy.isValid())
        throw KolomatChyba(QStringLiteral("Soubor \"%1\": hodnotu \"%2\" elementu <DatumACas> "
                                          "nelze převést na datum a čas.")
                               .arg(kSouborProtokolu, text));
    return kdy;
}

void TXMLProtokolType::setDatumACas(const QDateTime& v) {
    prvek_.nastavText("DatumACas", DatumACasNaText(v));
}

int TXMLProtokolType::cislo(const char* jmeno) const {
    return textNaCislo(prvek_.text(jmeno), kSouborProtokolu, jmeno);
}

void TXMLProtokolType::nastavCislo(const char* jmeno, int hodnota) {
    prvek_.nastavText(jmeno, QString::number(hodnota));
}

int TXMLProtokolyType::Count() const {
    return dokument_.koren().pocetPolozek("Protokol");
}

TXMLProtokolType TXMLProtokolyType::operator[](int index) const {
    int i = 0;
    for (const XmlPrvek& p : dokument_.koren().polozky("Protokol"))
        if (i++ == index)
            return TXMLProtokolType(p);
    throw KolomatChyba(QStringLiteral("Záznam %1 v souboru \"%2\" neexistuje.")
                           .arg(index + 1)
                           .arg(kSouborProtokolu));
}

TXMLProtokolType TXMLProtokolyType::Insert(int index) {
    return TXMLProtokolType(dokument_.koren().vlozPolozku("Protokol", index));
}

void TXMLProtokolyType::Delete(int index) {
    Odeber((*this)[index]);
}

int TXMLProtokolyType::IndexOf(const TXMLProtokolType& zaznam) const {
    return dokument_.koren().indexPolozky("Protokol", zaznam.Prvek());
}

std::vector<TXMLProtokolType> TXMLProtokolyType::Zaznamy() const {
    std::vector<TXMLProtokolType> zaznamy;
    for (const XmlPrvek& p : dokument_.koren().polozky("Protokol"))
        zaznamy.emplace_back(p);
    return zaznamy;
}

void TXMLProtokolyType::Uloz() const {
    dokument_.uloz(kSouborProtokolu);
}

void TXMLProtokolyType::OdeberAUloz(const std::vector<TXMLProtokolType>& zaznamy) {
    // One pass: a record that is the next one to delete goes, any other is passed by.
    std::vector<int> indexy;
    std::vector<TXMLProtokolType> nalezene;
    size_t dalsi = 0;
    int i = 0;
    for (XmlPrvek p = dokument_.koren().prvniPolozka("Protokol");
         p.platny() && dalsi < zaznamy.size(); p = p.dalsiPolozka("Protokol"), ++i) {
        if (p == zaznamy[dalsi].Prvek()) {
            indexy.push_back(i);
            nalezene.push_back(zaznamy[dalsi]);
            ++dalsi;
        }
    }

    XmlDokument kopie = XmlDokument::zBajtu(dokument_.doBajtu(), kSouborProtokolu, "Protokoly");
    const std::vector<XmlPrvek> polozky = kopie.koren().polozky("Protokol");
    for (int index : indexy)
        kopie.koren().odeber(polozky[static_cast<size_t>(index)]);
    kopie.uloz(kSouborProtokolu);

    for (const TXMLProtokolType& z : nalezene)
        Odeber(z);
}

TXMLProtokolyType NacistProtokoly() {
    return TXMLProtokolyType(XmlDokument::nacti(kSouborProtokolu, "Protokoly"));
}

TXMLProtokolyType NoveProtokoly() {
    return TXMLProtokolyType(XmlDokument::novy("Protokoly"));
}

void ZapisProtokol(TXMLProtokolType& z, const TProtokol& p) {
    z.setProfil(p.Profil);
    z.setDatumACas(p.DatumACas);
    z.setSkupina(p.Skupina);
    z.setDelkaTestu(p.DelkaTestu);
    z.setSpravne(p.Spravne);
    z.setPocetBodu(p.PocetBodu);
    z.setMinPocetBodu(p.MinPocetBodu);
    z.setVerdikt(p.Verdikt);
    z.setBody(p.Body);
    z.setOdpoved(p.Odpoved);
    z.setSpravnaOdpoved(p.SpravnaOdpoved);
    z.setSkutCis(p.SkutCis);
}

void PridatProtokol(const TProtokol& p) {
    TXMLProtokolyType koren = SouborNaDisku(kSouborProtokolu) ? NacistProtokoly() : NoveProtokoly();
    TXMLProtokolType z = koren.Add();
    ZapisProtokol(z, p);
    koren.Uloz();
}

std::vector<TXMLProtokolType> ProtokolyProfilu(const TXMLProtokolyType& koren,
                                               const QString& profil) {
    std::vector<TXMLProtokolType> vysledek;
    for (const TXMLProtokolType& z : koren.Zaznamy())
        if (z.Profil() == profil)
            vysledek.push_back(z);
    return vysledek;
}

void SmazatProtokol(TXMLProtokolyType& koren, const TXMLProtokolType& zaznam) {
    if (koren.IndexOf(zaznam) < 0)
        return;
    koren.OdeberAUloz({zaznam});
}

void SmazatProtokoly(TXMLProtokolyType& koren, const std::vector<TXMLProtokolType>& zaznamy) {
    koren.OdeberAUloz(zaznamy);
}

int OdebratProtokolyProfilu(TXMLProtokolyType& koren, const QString& profil) {
    int odebrano = 0;
    for (const TXMLProtokolType& z : koren.Zaznamy()) {
        if (z.Profil() == profil) {
            koren.Odeber(z);
            ++odebrano;
        }
    }
    return odebrano;
}

QString SpojSeznam(const QStringList& polozky) {
    return polozky.join(u' ');
}

QStringList RozdelSeznam(const QString& text) {
    QStringList polozky;
    QString zbytek = text;
    for (int i = 1; i < kPolozekSeznamu; ++i) {
        const qsizetype mezera = zbytek.indexOf(u' ');
        if (mezera < 0) {
            polozky << QString();
            continue;
        }
        polozky << zbytek.left(mezera);
        zbytek.remove(0, mezera + 1);
    }
    polozky << zbytek;
    return polozky;
}
