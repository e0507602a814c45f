// The test protocol reader: any bytes as Protokoly.xml, every record read and its four
// lists split as the protocol window splits them.
#include "core/XML_protokoly.h"
#include "core/chyba.h"
#include "fuzz/fuzz_podpora.h"

namespace {

void overSeznam(const QString& text) {
    const QStringList polozky = RozdelSeznam(text);
    if (polozky.size() != kPolozekSeznamu)
        std::abort();
    // A list of exactly 24 separators is read back item for item.
    if (text.count(u' ') == kPolozekSeznamu - 1 && SpojSeznam(polozky) != text)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t velikost) {
    fuzz::doSlozky();
    const QByteArray vstup = fuzz::bajty(data, velikost);
    overSeznam(QString::fromUtf8(vstup));
    fuzz::zapis("Protokoly.xml", vstup);
    try {
        TXMLProtokolyType koren = NacistProtokoly();
        for (const TXMLProtokolType& z : koren.Zaznamy()) {
            for (const QString& seznam : {z.Body(), z.Odpoved(), z.SpravnaOdpoved(), z.SkutCis()})
                overSeznam(seznam);
            z.Profil();
            z.Skupina();
            z.DelkaTestu();
            z.Verdikt();
            for (auto getter : {&TXMLProtokolType::Spravne, &TXMLProtokolType::PocetBodu,
                                &TXMLProtokolType::MinPocetBodu}) {
                try {
                    (z.*getter)();
                } catch (const KolomatChyba&) {
                }
            }
            try {
                z.DatumACas();
            } catch (const KolomatChyba&) {
            }
        }
        const auto jana = ProtokolyProfilu(koren, QStringLiteral("Jan"));
        if (!jana.empty())
            SmazatProtokol(koren, jana.front());
        SmazatProtokoly(koren, ProtokolyProfilu(koren, QStringLiteral("Eva")));
        fuzz::overZapis(XmlDokument::nacti(kSouborProtokolu, "Protokoly"), kSouborProtokolu,
                        "Protokoly");
    } catch (const KolomatChyba&) {
    }
    return 0;
}
