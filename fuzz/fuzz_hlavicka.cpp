// The answer of the update server's HEAD request: a status line and header lines.
#include "core/kontrola_serveru.h"

#include <QList>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t velikost) {
    const QByteArray vstup(reinterpret_cast<const char*>(data), static_cast<qsizetype>(velikost));
    const QList<QByteArray> radky = vstup.split('\n');
    const int stav = radky.isEmpty() ? 0 : radky.first().trimmed().toInt();
    QList<std::pair<QByteArray, QByteArray>> hlavicky;
    for (qsizetype i = 1; i < radky.size(); ++i) {
        const qsizetype dvojtecka = radky[i].indexOf(':');
        if (dvojtecka > 0)
            hlavicky.append({radky[i].left(dvojtecka).trimmed(), radky[i].mid(dvojtecka + 1)});
    }
    const OdpovedServeru o = PrectiHlavicky(stav, hlavicky);
    if (o.velikost < -1)
        std::abort();
    if (o.zmeneno.isValid() && o.zmeneno.timeSpec() != Qt::UTC)
        std::abort();
    return 0;
}
