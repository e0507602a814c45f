#include "core/XML_vysledky.h"

#include "core/chyba.h"
#include "core/pomocne_fce.h"

#include <QFileInfo>
#include <QLocale>

#include <cstring>

namespace {

KolomatChyba chybaPrevodu(const char* prvek, const QString& hodnota, const QString& co) {
    return KolomatChyba(QStringLiteral("Soubor \"%1\": hodnotu \"%2\" elementu <%3> nelze "
                                       "převést na %4.")
                            .arg(kSouborVysledku, hodnota, QString::fromUtf8(prvek), co));
}

// The system's long time format may end in a time zone name ("08:00:01 UTC"), which
// cannot be read back into a time of day; the time is read without it.
QTime casBezZony(const QString& text) {
    const QLocale system = QLocale::system();
    QString format = system.timeFormat(QLocale::LongFormat);
    if (!format.contains(QLatin1Char('t')))
        return {};
    format = format.remove(QLatin1Char('t')).trimmed();
    const QString t = text.trimmed();
    const qsizetype mezera = t.lastIndexOf(QLatin1Char(' '));
    if (mezera < 0)
        return {};
    return system.toTime(t.left(mezera).trimmed(), format);
}

// The three decimal fields of the form the program writes ("5.12.2006", "14:07:33"),
// read without the general date parser, which is slow over a long list.
bool triCisla(const QString& text, QChar oddelovac, int& a, int& b, int& c, int minC) {
    const QStringView t = QStringView(text).trimmed();
    int pole[3] = {0, 0, 0};
    int cifer[3] = {0, 0, 0};
    int k = 0;
    for (QChar z : t) {
        if (z == oddelovac) {
            if (++k > 2)
                return false;
        } else if (z >= u'0' && z <= u'9') {
            if (++cifer[k] > 4)
                return false;
            pole[k] = pole[k] * 10 + (z.unicode() - u'0');
        } else {
            return false;
        }
    }
    if (k != 2 || cifer[0] == 0 || cifer[1] == 0 || cifer[2] < minC)
        return false;
    a = pole[0];
    b = pole[1];
    c = pole[2];
    return true;
}

QDate datumZTextu(const QString& text) {
    int d = 0, m = 0, r = 0;
    if (triCisla(text, u'.', d, m, r, 4)) {
        const QDate datum(r, m, d);
        if (datum.isValid())
            return datum;
    }
    return TextNaDatum(text);
}

QTime casZTextu(const QString& text) {
    int h = 0, m = 0, s = 0;
    if (triCisla(text, u':', h, m, s, 2)) {
        const QTime cas(h, m, s);
        if (cas.isValid())
            return cas;
    }
    const QTime cas = TextNaCasDne(text);
    return cas.isValid() ? cas : casBezZony(text);
}

bool jeText(const XmlPrvek& zaznam, const char* potomek, const QByteArray& utf8) {
    return std::strcmp(zaznam.uzel().child(potomek).text().get(), utf8.constData()) == 0;
}

} // namespace

QDate TXMLVysledekType::Datum() const {
    const QString text = prvek_.text("Datum");
    const QDate datum = datumZTextu(text);
    if (!datum.isValid())
        throw chybaPrevodu("Datum", text, QStringLiteral("datum"));
    return datum;
}

QTime TXMLVysledekType::Cas() const {
    const QString text = prvek_.text("Cas");
    const QTime cas = casZTextu(text);
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

void PridatVysledek(const TVysledek& v) {
    TXMLVysledkyType::Pripoj([&](TXMLVysledekType& z) {
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
    });
}

std::vector<TXMLVysledekType> VysledkyProfilu(const TXMLVysledkyType& koren, const QString& profil,
                                              const QString& typ) {
    // Compared as the document's UTF-8: the same as comparing the texts, without
    // converting two texts of every record.
    const QByteArray profilUtf8 = profil.toUtf8();
    const QByteArray typUtf8 = typ.toUtf8();
    std::vector<TXMLVysledekType> vysledek;
    for (const TXMLVysledekType& z : koren.Zaznamy())
        if (jeText(z.Prvek(), "Profil", profilUtf8) && jeText(z.Prvek(), "TypTestu", typUtf8))
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
    return koren.OdeberProfil(profil);
}

QString SeznamCisel(const std::vector<int>& cisla) {
    QStringList texty;
    for (int c : cisla)
        texty << QString::number(c);
    return texty.join(QStringLiteral(", "));
}
