#include "core/kontrola_katalogu.h"

#include "core/XML_otazky.h"
#include "core/chyba.h"
#include "core/forma_katalogu.h"
#include "core/kategorie.h"
#include "core/obrazek_otazky.h"

#include <QDir>
#include <QImage>
#include <QSet>

#include <optional>

namespace {

constexpr std::array<const char*, 9> kPoradiPotomku{"Kod",     "Otazka",  "A",       "B",       "C",
                                                    "Spravne", "Skupina", "Obrazek", "Poznamka"};

QString odpoved(const TXMLOtazkaType& o, QChar pismeno) {
    if (pismeno == u'A')
        return o.A();
    if (pismeno == u'B')
        return o.B();
    if (pismeno == u'C')
        return o.C();
    return {};
}

// The bounds of the texts of one question: what would freeze the window or lead out of
// the working folder.
void kontrolaMezi(const TXMLOtazkaType& o, int cislo, QStringList& chyby) {
    const auto delka = [&](const QString& text, const char* pole, int nejvic) {
        if (text.size() > nejvic)
            chyby << QStringLiteral("Otázka %1: %2 má %3 znaků, nejvýše je povoleno %4.")
                         .arg(cislo)
                         .arg(QString::fromUtf8(pole))
                         .arg(text.size())
                         .arg(nejvic);
    };
    delka(o.Kod(), "kód", kSirkaKod);
    delka(o.Otazka(), "text otázky", kNejdelsiOtazka);
    delka(o.A(), "odpověď A", kNejdelsiOdpoved);
    delka(o.B(), "odpověď B", kNejdelsiOdpoved);
    delka(o.C(), "odpověď C", kNejdelsiOdpoved);
    delka(o.Spravne(), "správná odpověď", kSirkaSpravne);
    delka(o.Skupina(), "skupina", kSirkaSkupina);
    delka(o.Poznamka(), "poznámka o vyřazení", kNejdelsiPoznamka);
    const QString obrazek = ProblemCestyObrazku(o.Obrazek());
    if (!obrazek.isEmpty())
        chyby << QStringLiteral("Otázka %1: %2.").arg(cislo).arg(obrazek);
}

// The question object with the structural problems added to chyby; none when the
// file cannot be opened at all.
std::optional<TOtazka> otevri(const QString& soubor, QStringList& chyby) {
    try {
        std::optional<TOtazka> databaze(std::in_place, soubor);
        const TXMLOtazkyType& d = databaze->Dokument();
        for (int i = 0; i < d.Count(); ++i) {
            const TXMLOtazkaType o = d[i];
            kontrolaMezi(o, i + 1, chyby);
            if (!o.Poznamka().isEmpty())
                continue;
            const QString spravne = o.Spravne().left(1);
            if (spravne.isEmpty() || !QStringLiteral("ABC").contains(spravne))
                chyby << QStringLiteral("Otázka %1: správná odpověď \"%2\" není A, B ani C.")
                             .arg(i + 1)
                             .arg(o.Spravne());
            else if (odpoved(o, spravne.front()).isEmpty())
                chyby << QStringLiteral("Otázka %1: správná odpověď %2 nemá text.")
                             .arg(i + 1)
                             .arg(spravne);
        }
        return databaze;
    } catch (const KolomatChyba& e) {
        chyby << e.text();
        return std::nullopt;
    }
}

} // namespace

QStringList KontrolaStrukturyKatalogu(const QString& soubor) {
    QStringList chyby;
    otevri(soubor, chyby);
    return chyby;
}

QStringList KontrolaKatalogu(const QString& soubor, const QString& slozkaDat) {
    QStringList chyby;
    const std::optional<TOtazka> databaze = otevri(soubor, chyby);
    if (!databaze)
        return chyby;
    const TXMLOtazkyType& d = databaze->Dokument();
    if (d.Count() != kMinimumOtazek)
        chyby
            << QStringLiteral("Katalog má %1 otázek místo %2.").arg(d.Count()).arg(kMinimumOtazek);

    const XmlDokument dokument = XmlDokument::nacti(soubor, "otazky");
    const std::vector<XmlPrvek> prvky = dokument.koren().polozky("otazka");
    QSet<QString> kody;
    QSet<QString> texty;
    int platnych = 0;
    const QDir data(slozkaDat);
    for (int i = 0; i < d.Count(); ++i) {
        const int cislo = i + 1;
        const TXMLOtazkaType o = d[i];
        auto chyba = [&](const QString& text) {
            chyby << QStringLiteral("Otázka %1: %2").arg(cislo).arg(text);
        };

        QStringList potomci;
        for (pugi::xml_node p : prvky[static_cast<size_t>(i)].uzel().children())
            if (p.type() == pugi::node_element)
                potomci << QString::fromUtf8(p.name());
        QStringList ocekavani;
        for (const char* jmeno : kPoradiPotomku)
            ocekavani << QString::fromUtf8(jmeno);
        if (potomci != ocekavani)
            chyba(QStringLiteral("potomci %1 místo %2")
                      .arg(potomci.join(u','), ocekavani.join(u',')));

        const bool platna = o.Poznamka().isEmpty();
        platnych += platna ? 1 : 0;
        if (o.Poznamka().size() > kSirkaPoznamka)
            chyba(QStringLiteral("poznámka je delší než %1 znaků").arg(kSirkaPoznamka));
        if (o.Otazka().trimmed().isEmpty() || o.A().isEmpty() || o.B().isEmpty())
            chyba(QStringLiteral("chybí text otázky nebo odpovědi A či B"));
        if (o.Spravne().size() != 1)
            chyba(QStringLiteral("správná odpověď \"%1\" nemá právě jeden znak").arg(o.Spravne()));
        else if (o.C().isEmpty() ? o.Spravne() == u"C" : false)
            chyba(QStringLiteral("správná je prázdná odpověď C"));

        const QString skupina = o.Skupina();
        if (skupina.isEmpty() || skupina.size() > kSirkaSkupina)
            chyba(QStringLiteral("skupina \"%1\" nemá 1 až %2 znaky")
                      .arg(skupina)
                      .arg(kSirkaSkupina));
        for (QChar c : skupina)
            if (!QStringLiteral("ABCDT").contains(c))
                chyba(QStringLiteral("skupina \"%1\" obsahuje jiné písmeno než A, B, C, D, T")
                          .arg(skupina));

        const QString kod = o.Kod();
        int kategorie = 0;
        for (size_t k = 0; k < kKategorie.size(); ++k)
            if (cislo >= kKategorie[k].od && cislo <= kKategorie[k].po)
                kategorie = static_cast<int>(k) + 1;
        if (kod.size() != 8 ||
            kod.mid(2, 2) != QStringLiteral("%1").arg(kategorie, 2, 10, QLatin1Char('0')))
            chyba(QStringLiteral("kód \"%1\" neodpovídá schématu KMkkNNNN kategorie %2")
                      .arg(kod)
                      .arg(kategorie));
        if (kody.contains(kod))
            chyba(QStringLiteral("kód \"%1\" se opakuje").arg(kod));
        kody.insert(kod);
        const QString text = o.Otazka().simplified();
        if (texty.contains(text))
            chyba(QStringLiteral("stejné znění má už jiná otázka"));
        texty.insert(text);

        const QString obrazek = o.Obrazek();
        if (ProblemCestyObrazku(obrazek).isEmpty() && !obrazek.isEmpty() &&
            QImage(data.filePath(obrazek)).isNull())
            chyba(QStringLiteral("obrázek \"%1\" chybí nebo ho nelze načíst").arg(obrazek));
    }
    if (platnych != 757)
        chyby << QStringLiteral("Platných otázek je %1 místo 757.").arg(platnych);
    for (const char* skupinaProfilu : kSkupiny) {
        for (const TOddilTestu& oddil : kOddilyTestu) {
            int zasoba = 0;
            for (int cislo = oddil.od; cislo <= std::min(oddil.po, d.Count()); ++cislo) {
                const TXMLOtazkaType o = d[cislo - 1];
                if (o.Poznamka().isEmpty() && PatriDoSkupiny(o.Skupina().left(kSirkaSkupina),
                                                             QString::fromUtf8(skupinaProfilu)))
                    ++zasoba;
            }
            if (zasoba < 2 * oddil.pocet)
                chyby << QStringLiteral("Skupina %1 má v oddílu %2–%3 jen %4 platných otázek.")
                             .arg(QString::fromUtf8(skupinaProfilu))
                             .arg(oddil.od)
                             .arg(oddil.po)
                             .arg(zasoba);
        }
    }
    chyby << KontrolaFormy(d) << KontrolaDuplicit(d) << KontrolaObrazku(d, data);
    chyby << KontrolaFormy(d) << KontrolaDuplicit(d) << KontrolaObrazku(d, data);
    return chyby;
}
