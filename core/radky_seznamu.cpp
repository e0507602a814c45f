#include "core/radky_seznamu.h"

#include "core/pomocne_fce.h"
#include "core/protokol_text.h"

namespace {

// The date and time as the data files write them ("5.12.2006", "14:07:33"), built by
// hand: the general formatter is slow over a long list.
QString textDatumu(const QDate& d) {
    if (d.year() < 1000 || d.year() > 9999)
        return DatumNaText(d);
    return QString::number(d.day()) + QLatin1Char('.') + QString::number(d.month()) +
           QLatin1Char('.') + QString::number(d.year());
}

QString textCasu(const QTime& c) {
    const auto dve = [](int n) { return QString::number(n).rightJustified(2, QLatin1Char('0')); };
    return QString::number(c.hour()) + QLatin1Char(':') + dve(c.minute()) + QLatin1Char(':') +
           dve(c.second());
}

QString pocetBodu(const TXMLProtokolType& z) {
    const QString text = z.Text("PocetBodu");
    bool ok = false;
    const int body = text.toInt(&ok, 10);
    return ok ? QString::number(body) : text;
}

} // namespace

QStringList RadekVysledku(const TXMLVysledekType& z) {
    return {textDatumu(z.Datum()),
            textCasu(z.Cas()),
            z.Skupina(),
            QString::number(z.PocetOtazek()),
            QString::number(z.Spatne()),
            QString::number(z.SNapovedou()),
            QString::number(z.Uspesnost()) + QLatin1Char('%')};
}

QStringList RadekProtokolu(const TXMLProtokolType& z) {
    return {DatumACasZaznamu(z), z.Skupina(), pocetBodu(z), z.Verdikt()};
}
