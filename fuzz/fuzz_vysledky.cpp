// The study results reader: any bytes as Vysledky.xml, every record read, listed,
// appended to and removed as the windows do.
#include "core/XML_vysledky.h"
#include "core/chyba.h"
#include "fuzz/fuzz_podpora.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t velikost) {
    fuzz::doSlozky();
    fuzz::zapis("Vysledky.xml", fuzz::bajty(data, velikost));
    try {
        TXMLVysledkyType koren = NacistVysledky();
        for (const TXMLVysledekType& z : koren.Zaznamy()) {
            z.TypTestu();
            z.Profil();
            z.Skupina();
            z.Kategorie();
            z.SNapovedouCisla();
            z.SpatneCisla();
            for (auto getter : {&TXMLVysledekType::PocetOtazek, &TXMLVysledekType::Spatne,
                                &TXMLVysledekType::SNapovedou, &TXMLVysledekType::Uspesnost}) {
                try {
                    (z.*getter)();
                } catch (const KolomatChyba&) {
                }
            }
            try {
                z.Datum();
                z.Cas();
            } catch (const KolomatChyba&) {
            }
        }
        const auto jana =
            VysledkyProfilu(koren, QStringLiteral("Jan"), QStringLiteral("Procvicovani"));
        if (!jana.empty())
            SmazatVysledek(koren, jana.front());
        SmazatVysledky(koren,
                       VysledkyProfilu(koren, QStringLiteral("Jan"), QStringLiteral("Zkouseni")));
        OdebratVysledkyProfilu(koren, QStringLiteral("Eva"));
        PridatVysledek({QStringLiteral("Procvicovani"),
                        QStringLiteral("Jan"),
                        QDate(2026, 1, 2),
                        QTime(3, 4, 5),
                        QStringLiteral("B"),
                        QStringLiteral("1111111"),
                        1,
                        0,
                        0,
                        {},
                        100,
                        {}});
        fuzz::overZapis(XmlDokument::nacti(kSouborVysledku, "Vysledky"), kSouborVysledku,
                        "Vysledky");
    } catch (const KolomatChyba&) {
    }
    return 0;
}
