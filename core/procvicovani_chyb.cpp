#include "core/procvicovani_chyb.h"

#include "core/XML_otazky.h"
#include "core/XML_protokoly.h"

#include <QStringList>

#include <set>

std::vector<PoziceTestu> PoziceZaznamu(const TXMLProtokolType& zaznam) {
    const QStringList cisla = RozdelSeznam(zaznam.SkutCis());
    const QStringList odpovedi = RozdelSeznam(zaznam.Odpoved());
    const QStringList spravne = RozdelSeznam(zaznam.SpravnaOdpoved());
    std::vector<PoziceTestu> pozice;
    for (qsizetype i = 0; i < kPolozekSeznamu; ++i) {
        bool ok = false;
        const int cislo = cisla[i].toInt(&ok, 10);
        pozice.push_back({ok && cislo > 0 ? cislo : 0, odpovedi[i], spravne[i]});
    }
    return pozice;
}

std::vector<int> ChybneVTestu(const TXMLProtokolType& zaznam) {
    std::vector<int> cisla;
    for (const PoziceTestu& p : PoziceZaznamu(zaznam))
        if (p.Cislo > 0 && !p.Spravne())
            cisla.push_back(p.Cislo);
    return cisla;
}

std::vector<int> CislaZeSeznamu(const QString& seznam) {
    std::vector<int> cisla;
    for (const QString& text : seznam.split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int cislo = text.trimmed().toInt(&ok, 10);
        if (ok && cislo > 0)
            cisla.push_back(cislo);
    }
    return cisla;
}

bool LzeProcvicit(const TXMLOtazkyType& databaze, int cislo, const QString& skupina) {
    if (cislo < 1 || cislo > databaze.Count())
        return false;
    return PlatnaProSkupinu(databaze[cislo - 1], skupina);
}

std::vector<TVybranaOtazka> OtazkyKProcviceni(const TXMLOtazkyType& databaze,
                                              const std::vector<int>& cisla, const QString& skupina,
                                              int nejvic) {
    std::vector<TVybranaOtazka> beh;
    std::set<int> vzate;
    for (int cislo : cisla) {
        if (static_cast<int>(beh.size()) >= nejvic)
            break;
        if (!LzeProcvicit(databaze, cislo, skupina) || !vzate.insert(cislo).second)
            continue;
        TVybranaOtazka v;
        v.Cislo = cislo;
        v.Poradi = cislo - 1;
        beh.push_back(v);
    }
    return beh;
}
