#include "core/prubeh_stahovani.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace {

QString dvaDesetinnaMista(double hodnota) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(hodnota, 'f', 2);
}

} // namespace

QString FormatVelikost(double bajtu) {
    if (bajtu / 1024 < 1)
        return dvaDesetinnaMista(bajtu) + QStringLiteral(" B");
    const double kilo = bajtu / 1024;
    if (kilo / 1024 < 1)
        return dvaDesetinnaMista(kilo) + QStringLiteral(" kB");
    return dvaDesetinnaMista(kilo / 1024) + QStringLiteral(" MB");
}

QString TrvaniNaText(qint64 sekund) {
    if (sekund < 0)
        sekund = 0;
    return QStringLiteral("%1:%2:%3")
        .arg(sekund / 3600)
        .arg(sekund / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(sekund % 60, 2, 10, QLatin1Char('0'));
}

TextyPrubehu SpocitejPrubeh(qint64 prijato, qint64 celkem, qint64 uplynuloMs) {
    TextyPrubehu t;
    t.prijato = FormatVelikost(static_cast<double>(prijato));
    t.cas = TrvaniNaText(uplynuloMs / 1000);
    if (uplynuloMs <= 0)
        return t;
    const double rychlost = static_cast<double>(prijato) * 1000.0 / static_cast<double>(uplynuloMs);
    t.rychlost = FormatVelikost(rychlost) + QStringLiteral("/s");
    if (celkem >= 0 && rychlost > 0) {
        const double zbyva = static_cast<double>(std::max<qint64>(celkem - prijato, 0)) / rychlost;
        t.casDoKonce = TrvaniNaText(static_cast<qint64>(std::floor(zbyva)));
    }
    return t;
}

int MeritkoPrubehu(qint64 celkem) {
    int posun = 0;
    while ((celkem >> posun) > std::numeric_limits<int>::max())
        ++posun;
    return posun;
}
