// The question database reader: any bytes as otazky.xml.
#include "core/XML_otazky.h"
#include "core/chyba.h"
#include "core/kontrola_katalogu.h"
#include "core/pomocne_fce.h"
#include "fuzz/fuzz_podpora.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t velikost) {
    fuzz::doSlozky();
    const QByteArray vstup = fuzz::bajty(data, velikost);
    try {
        const XmlDokument dokument =
            XmlDokument::zBajtu(vstup, QStringLiteral("otazky.xml"), "otazky");
        fuzz::overZapis(dokument, QStringLiteral("otazky.xml"), "otazky");
        for (const XmlPrvek& prvek : dokument.koren().polozky("otazka")) {
            const TXMLOtazkaType o(prvek);
            const QString skupina = Orizni(o.Skupina(), kSirkaSkupina);
            for (const char* g : {"A", "A1", "T", "B1", ""})
                PatriDoSkupiny(skupina, QString::fromLatin1(g));
            Orizni(o.Spravne(), kSirkaSpravne);
            Orizni(o.Obrazek(), kSirkaObrazek);
            Orizni(o.Poznamka(), kSirkaPoznamka);
        }
    } catch (const KolomatChyba&) {
    }
    // The same bytes through the question object and the catalogue check.
    fuzz::zapis("otazky.xml", vstup);
    try {
        TOtazka databaze;
        const int pocet = databaze.Dokument().Count();
        for (int cislo = 0; cislo <= pocet + 1; ++cislo) {
            try {
                databaze.Nacti(cislo);
            } catch (const KolomatChyba&) {
                if (cislo >= 1 && cislo <= pocet)
                    std::abort(); // a number inside the catalogue must load
            }
        }
    } catch (const KolomatChyba&) {
    }
    KontrolaStrukturyKatalogu(QStringLiteral("otazky.xml"));
    return 0;
}
