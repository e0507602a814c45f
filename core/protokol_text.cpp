#include "core/protokol_text.h"
#include "core/xml_dokument.h"

#include "core/chyba.h"
#include "core/pomocne_fce.h"

#include <QStringEncoder>

namespace {

const QString kCara = QStringLiteral("  ") + QString(55, u'-');

QString vpravo(const QString& text, int sirka) {
    return text.rightJustified(sirka, u' ', false);
}

} // namespace

QString DatumACasZaznamu(const TXMLProtokolType& zaznam) {
    const QString text = zaznam.Text("DatumACas");
    const QDateTime kdy = TextNaDatumACas(text);
    return kdy.isValid() ? DatumACasKZobrazeni(kdy) : text;
}

TObsahProtokolu ObsahZaznamu(const TXMLProtokolType& zaznam) {
    TObsahProtokolu o;
    o.Profil = zaznam.Profil();
    o.DatumACas = DatumACasZaznamu(zaznam);
    o.Skupina = zaznam.Skupina();
    o.DelkaTestu = zaznam.DelkaTestu();
    o.Spravne = zaznam.Text("Spravne");
    o.PocetBodu = zaznam.Text("PocetBodu");
    o.MinPocetBodu = zaznam.Text("MinPocetBodu");
    o.Verdikt = zaznam.Verdikt();
    o.Body = zaznam.Body();
    o.Odpoved = zaznam.Odpoved();
    o.SpravnaOdpoved = zaznam.SpravnaOdpoved();
    o.SkutCis = zaznam.SkutCis();
    return o;
}

HledaniKodu KodyZDatabaze(const TXMLOtazkyType& databaze) {
    return [&databaze](int cislo) -> std::optional<QString> {
        if (cislo < 1 || cislo > databaze.Count())
            return std::nullopt;
        return databaze[cislo - 1].Kod();
    };
}

QString RadekOtazky(int pozice, const QString& skutCislo, const QString& kod,
                    const QString& odpoved, const QString& spravne, const QString& body) {
    QString radek = vpravo(QString::number(pozice), 8) + vpravo(skutCislo, 10) +
                    QStringLiteral("  ") + kod + vpravo(odpoved, 11) + vpravo(spravne, 9) +
                    QString(8, u' ') + u'0';
    if (odpoved == spravne) {
        if (!body.isEmpty())
            radek[radek.size() - 1] = body.front();
    } else {
        radek[3] = u'x';
    }
    return radek;
}

QString TitulekProtokolu(const TObsahProtokolu& obsah) {
    return QStringLiteral("Test z ") + obsah.DatumACas + QStringLiteral("; Uživatel: ") +
           obsah.Profil;
}

TTextProtokolu SestavTextProtokolu(const TObsahProtokolu& obsah, const HledaniKodu& kod) {
    const QStringList spravne = RozdelSeznam(obsah.SpravnaOdpoved);
    const QStringList cisla = RozdelSeznam(obsah.SkutCis);
    const QStringList odpovedi = RozdelSeznam(obsah.Odpoved);
    const QStringList body = RozdelSeznam(obsah.Body);

    TTextProtokolu t;
    QStringList& r = t.Radky;
    r << QStringLiteral(" Uživatel : ") + obsah.Profil << QString()
      << QStringLiteral("  Skupina : ") + obsah.Skupina
      << QStringLiteral("  Maximální dosažitelný počet bodů: : 50")
      << QStringLiteral("  Minimální potřeba počtu bodů : ") + obsah.MinPocetBodu
      << QStringLiteral("  Datum a čas testu : ") + obsah.DatumACas
      << QStringLiteral("  Délka testu : ") + obsah.DelkaTestu << QString()
      << QStringLiteral("  Otázka  Skutečné   Kód dle    Odpověď  Správná  Získané")
      << QStringLiteral("   číslo     číslo  věstníku  uživatele  odpověď     body") << kCara;
    for (int p = 1; p <= kPolozekSeznamu; ++p) {
        const auto i = static_cast<qsizetype>(p - 1);
        bool ok = false;
        const int cislo = cisla[i].toInt(&ok, 10);
        std::optional<QString> k;
        if (ok && kod)
            k = kod(cislo);
        if (!k) {
            t.BezKodu << p;
            k = QString(8, u' ');
        }
        r << RadekOtazky(p, cisla[i], *k, odpovedi[i], spravne[i], body[i]);
    }
    r << kCara << QStringLiteral("     ") + obsah.Verdikt << kCara
      << QStringLiteral("           Celkem : ") + vpravo(obsah.Spravne, 19) +
             vpravo(obsah.PocetBodu, 18);
    return t;
}

QByteArray TextProSoubor(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    if (t.isEmpty())
        return {};
    if (t.endsWith(u'\n'))
        t.chop(1);
    t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    t += QStringLiteral("\r\n");

    QStringEncoder kodovani("windows-1250", QStringConverter::Flag::Stateless);
    if (!kodovani.isValid())
        throw KolomatChyba(
            QStringLiteral("Kódování Windows-1250 není v tomto systému k dispozici."));
    QByteArray vysledek = kodovani.encode(t);
    if (!kodovani.hasError())
        return vysledek;
    // Some character has no Windows-1250 form: each such one becomes "?". The converter
    // keeps its error once set, so every character outside ASCII gets a fresh one.
    vysledek.clear();
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar z = t.at(i);
        if (z.unicode() < 0x80) {
            vysledek += static_cast<char>(z.unicode());
            continue;
        }
        const qsizetype delka = z.isHighSurrogate() && i + 1 < t.size() ? 2 : 1;
        QStringEncoder jeden("windows-1250", QStringConverter::Flag::Stateless);
        const QByteArray znak = jeden.encode(QStringView(t).mid(i, delka));
        vysledek += jeden.hasError() || znak.isEmpty() ? QByteArray("?") : znak;
        i += delka - 1;
    }
    return vysledek;
}

void UlozTextDoSouboru(const QString& soubor, const QString& text) {
    ZapisSoubor(soubor, TextProSoubor(text));
}
