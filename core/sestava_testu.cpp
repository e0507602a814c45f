#include "core/sestava_testu.h"

#include "core/chyba.h"
#include "core/pomocne_fce.h"

#include <algorithm>

int PocetVhodnych(const TOtazka& otazky, const TOddilTestu& oddil, const QString& skupina) {
    const TXMLOtazkyType& dokument = otazky.Dokument();
    int pocet = 0;
    for (int cislo = oddil.od; cislo <= oddil.po && cislo <= dokument.Count(); ++cislo)
        if (PlatnaProSkupinu(dokument[cislo - 1], skupina))
            ++pocet;
    return pocet;
}

std::array<std::vector<int>, kOddilyTestu.size()> VhodneOtazkyOddilu(const TXMLOtazkyType& dokument,
                                                                     const QString& skupina) {
    std::array<std::vector<int>, kOddilyTestu.size()> vhodne;
    for (size_t s = 0; s < kOddilyTestu.size(); ++s)
        for (int cislo = kOddilyTestu[s].od;
             cislo <= kOddilyTestu[s].po && cislo <= dokument.Count(); ++cislo)
            if (PlatnaProSkupinu(dokument[cislo - 1], skupina))
                vhodne[s].push_back(cislo);
    return vhodne;
}

TSestavaTestu SestavTest(TOtazka& otazky, const QString& skupina) {
    for (const TOddilTestu& oddil : kOddilyTestu) {
        const int vhodnych = PocetVhodnych(otazky, oddil, skupina);
        if (vhodnych < oddil.pocet)
            throw KolomatChyba(
                QStringLiteral("Test na body nelze sestavit: v oddílu \"%1\" (otázky %2 až %3) "
                               "je platných otázek pro skupinu \"%4\" jen %5, test jich z něj "
                               "potřebuje %6. Zkontrolujte databázi otázek \"otazky.xml\".")
                    .arg(NazevOddilu(oddil))
                    .arg(oddil.od)
                    .arg(oddil.po)
                    .arg(skupina)
                    .arg(vhodnych)
                    .arg(oddil.pocet));
    }

    nahoda::Randomize();
    TSestavaTestu test;
    int p = 0;
    for (const TOddilTestu& oddil : kOddilyTestu) {
        const auto velikost = static_cast<std::uint32_t>(oddil.po - oddil.od + 1);
        for (int k = 0; k < oddil.pocet; ++k, ++p) {
            for (;;) {
                const int cislo = oddil.od + static_cast<int>(nahoda::Random(velikost));
                const auto konec = test.begin() + p;
                if (std::any_of(test.begin(), konec,
                                [&](const TOtazkaTestu& o) { return o.SkutCislo == cislo; }))
                    continue;
                const int index = otazky.Nacti(cislo);
                if (!otazky.Platna || !PatriDoSkupiny(otazky.Skupina, skupina))
                    continue;
                TOtazkaTestu& o = test[static_cast<size_t>(p)];
                o.SkutCislo = otazky.Cislo;
                o.Index = index;
                o.PocetOdpovedi = otazky.C.isEmpty() ? 2 : 3;
                o.Body = oddil.body;
                o.Odpoved.clear();
                break;
            }
        }
    }
    return test;
}
