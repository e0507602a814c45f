// The profiles reader: any bytes as Profily.xml, every profile loaded, saved and the
// store used as the manager uses it.
#include "core/chyba.h"
#include "core/uloziste_profilu.h"
#include "fuzz/fuzz_podpora.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t velikost) {
    fuzz::doSlozky();
    const QByteArray vstup = fuzz::bajty(data, velikost);
    QFile::remove(QStringLiteral("Vysledky.xml"));
    QFile::remove(QStringLiteral("Protokoly.xml"));
    fuzz::zapis("Profily.xml", vstup);
    UlozisteProfilu profil;
    try {
        profil.Otevrit();
    } catch (const KolomatChyba&) {
        // A file that cannot be read is left exactly as it was.
        QFile f(QStringLiteral("Profily.xml"));
        if (!f.open(QIODevice::ReadOnly) || f.readAll() != vstup)
            std::abort();
        return 0;
    }
    for (const QString& nazev : profil.Nazvy()) {
        try {
            if (!profil.Nacti(nazev))
                std::abort(); // a listed name must be found
            if (profil.Nazev.size() > 30 || profil.Heslo.size() > 50 ||
                profil.Kategorie.size() > 7 || profil.Skupina.size() > 2 ||
                profil.Protokoly.size() > 3)
                std::abort();
            profil.Uloz();
        } catch (const KolomatChyba&) {
        }
    }
    try {
        profil.Vytvor(QStringLiteral("Fuzz"), QString());
        profil.Smaz(QStringLiteral("Fuzz"));
        const XmlDokument ulozeny = XmlDokument::nacti(QStringLiteral("Profily.xml"), "Profily");
        fuzz::overZapis(ulozeny, QStringLiteral("Profily.xml"), "Profily");
    } catch (const KolomatChyba&) {
    }
    return 0;
}
