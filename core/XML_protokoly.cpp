#include "core/XML_protokoly.h"

#include "core/chyba.h"
#include "core/pomocne_fce.h"

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
    TXMLProtokolyType::Pripoj([&](TXMLProtokolType& z) { ZapisProtokol(z, p); });
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
    koren.OdeberAUloz({zaznam});
}

void SmazatProtokoly(TXMLProtokolyType& koren, const std::vector<TXMLProtokolType>& zaznamy) {
    koren.OdeberAUloz(zaznamy);
}

int OdebratProtokolyProfilu(TXMLProtokolyType& koren, const QString& profil) {
    return koren.OdeberProfil(profil);
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
