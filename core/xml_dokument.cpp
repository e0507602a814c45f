#include "core/xml_dokument.h"

#include "core/chyba.h"
#include "core/chyby_systemu.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Whitespace-only text is kept where it is the whole text of an element (a protocol
// list of spaces); whitespace between elements carries no meaning and is dropped, so a
// save writes none.
constexpr unsigned int kVolbyCteni = pugi::parse_default | pugi::parse_ws_pcdata_single;

QString nazevSouboru(const QString& soubor) {
    return QStringLiteral("\"%1\"").arg(soubor);
}

QString popisChyby(pugi::xml_parse_status stav) {
    switch (stav) {
    case pugi::status_out_of_memory:
        return QStringLiteral("nedostatek paměti");
    case pugi::status_unrecognized_tag:
        return QStringLiteral("nerozpoznaná značka");
    case pugi::status_bad_pi:
        return QStringLiteral("chybná deklarace nebo instrukce pro zpracování");
    case pugi::status_bad_comment:
        return QStringLiteral("chybný komentář");
    case pugi::status_bad_cdata:
        return QStringLiteral("chybná sekce CDATA");
    case pugi::status_bad_doctype:
        return QStringLiteral("chybná deklarace typu dokumentu");
    case pugi::status_bad_pcdata:
        return QStringLiteral("chybný text");
    case pugi::status_bad_start_element:
        return QStringLiteral("chybná počáteční značka elementu");
    case pugi::status_bad_attribute:
        return QStringLiteral("chybný atribut");
    case pugi::status_bad_end_element:
        return QStringLiteral("chybná koncová značka elementu");
    case pugi::status_end_element_mismatch:
        return QStringLiteral("koncová značka neodpovídá počáteční (soubor může být zkrácený)");
    case pugi::status_append_invalid_root:
    case pugi::status_no_document_element:
        return QStringLiteral("soubor je prázdný nebo neobsahuje kořenový element");
    default:
        return QStringLiteral("vnitřní chyba čtení XML");
    }
}

// Line and column (both from 1, the column in characters) of a byte offset in UTF-8 text.
std::pair<int, int> radekASloupec(const QByteArray& utf8, qsizetype offset) {
    offset = std::clamp<qsizetype>(offset, 0, utf8.size());
    int radek = 1;
    int sloupec = 1;
    for (qsizetype i = 0; i < offset; ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c == '\n') {
            ++radek;
            sloupec = 1;
        } else if ((c & 0xC0) != 0x80) {
            ++sloupec;
        }
    }
    return {radek, sloupec};
}

// Offset of the first byte that is not valid UTF-8, or -1.
qsizetype chybaUtf8(const QByteArray& data) {
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData());
    const qsizetype n = data.size();
    qsizetype i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int delka = 0;
        unsigned int kod = 0;
        if ((c & 0xE0) == 0xC0) {
            delka = 2;
            kod = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            delka = 3;
            kod = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            delka = 4;
            kod = c & 0x07;
        } else {
            return i;
        }
        if (i + delka > n)
            return i;
        for (int k = 1; k < delka; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return i;
            kod = (kod << 6) | (p[i + k] & 0x3F);
        }
        const unsigned int nejmensi[] = {0, 0, 0x80, 0x800, 0x10000};
        if (kod < nejmensi[delka] || kod > 0x10FFFF || (kod >= 0xD800 && kod <= 0xDFFF))
            return i;
        i += delka;
    }
    return -1;
}

// The encoding named in the XML declaration, or "" when there is none.
QString deklarovaneKodovani(const QByteArray& data) {
    if (!data.startsWith("<?xml"))
        return {};
    const qsizetype konec = data.indexOf("?>");
    if (konec < 0)
        return {};
    static const QRegularExpression vzor(
        QStringLiteral(R"(encoding\s*=\s*["']([A-Za-z0-9._:-]+)["'])"));
    const auto shoda = vzor.match(QString::fromLatin1(data.left(konec)));
    return shoda.hasMatch() ? shoda.captured(1) : QString();
}

// Brings the file's bytes to UTF-8, whatever encoding its BOM or declaration gives.
QByteArray naUtf8(const QByteArray& data, const QString& soubor) {
    auto prevod = [&](QStringDecoder dekoder, const QString& kodovani) {
        if (!dekoder.isValid())
            throw KolomatChyba(QStringLiteral("Soubor %1 používá nepodporované kódování \"%2\".")
                                   .arg(nazevSouboru(soubor), kodovani));
        const QString text = dekoder(data);
        if (dekoder.hasError())
            throw KolomatChyba(
                QStringLiteral("Soubor %1 obsahuje znaky, které v kódování \"%2\" neexistují.")
                    .arg(nazevSouboru(soubor), kodovani));
        QByteArray utf8 = text.toUtf8();
        // The declaration still names the old encoding; pugixml is told UTF-8 anyway.
        return utf8;
    };
    const bool bomUtf8 = data.startsWith("\xEF\xBB\xBF");
    if (data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF"))
        return prevod(QStringDecoder(QStringConverter::Utf16, QStringDecoder::Flag::Stateless),
                      QStringLiteral("UTF-16"));

    // A UTF-8 BOM outweighs the declaration, but the bytes after it are checked all the
    // same: taken unchecked, they were saved back as a file that no longer read.
    const QByteArray bezBom = bomUtf8 ? data.mid(3) : data;
    const QString kodovani = bomUtf8 ? QString() : deklarovaneKodovani(data);
    const QString male = kodovani.toLower();
    if (male.isEmpty() || male == u"utf-8" || male == u"utf8") {
        const qsizetype spatne = QByteArrayView(bezBom).isValidUtf8() ? -1 : chybaUtf8(bezBom);
        if (spatne >= 0) {
            const auto [radek, sloupec] = radekASloupec(bezBom.left(spatne), spatne);
            throw KolomatChyba(QStringLiteral("Soubor %1 není uložen v kódování UTF-8 "
                                              "(neplatný znak na řádku %2, sloupci %3).")
                                   .arg(nazevSouboru(soubor))
                                   .arg(radek)
                                   .arg(sloupec));
        }
        return bezBom;
    }
    return prevod(QStringDecoder(kodovani.toLatin1().constData()), kodovani);
}

struct ZapisDoPole : pugi::xml_writer {
    QByteArray& cil;
    explicit ZapisDoPole(QByteArray& c) : cil(c) {}
    void write(const void* data, size_t size) override {
        cil.append(static_cast<const char*>(data), static_cast<qsizetype>(size));
    }
};

} // namespace

QString XmlPrvek::jmeno() const {
    return QString::fromUtf8(uzel_.name());
}

QString XmlPrvek::text(const char* potomek) const {
    return QString::fromUtf8(uzel_.child(potomek).text().get());
}

void XmlPrvek::nastavText(const char* potomek, const QString& hodnota) {
    pugi::xml_node prvek = uzel_.child(potomek);
    if (prvek.empty())
        prvek = uzel_.append_child(potomek);
    while (pugi::xml_node obsah = prvek.first_child())
        prvek.remove_child(obsah);
    if (!hodnota.isEmpty())
        prvek.append_child(pugi::node_pcdata).set_value(hodnota.toUtf8().constData());
}

int XmlPrvek::pocetPolozek(const char* jmeno) const {
    int pocet = 0;
    for ([[maybe_unused]] pugi::xml_node p : uzel_.children(jmeno))
        ++pocet;
    return pocet;
}

std::vector<XmlPrvek> XmlPrvek::polozky(const char* jmeno) const {
    std::vector<XmlPrvek> vysledek;
    for (pugi::xml_node p : uzel_.children(jmeno))
        vysledek.emplace_back(p);
    return vysledek;
}

XmlPrvek XmlPrvek::vlozPolozku(const char* jmeno, int index) {
    int i = 0;
    for (pugi::xml_node p : uzel_.children(jmeno)) {
        if (i++ == index)
            return XmlPrvek(uzel_.insert_child_before(jmeno, p));
    }
    return XmlPrvek(uzel_.append_child(jmeno));
}

int XmlPrvek::indexPolozky(const char* jmeno, const XmlPrvek& polozka) const {
    int i = 0;
    for (pugi::xml_node p : uzel_.children(jmeno)) {
        if (p == polozka.uzel_)
            return i;
        ++i;
    }
    return -1;
}

void XmlPrvek::odeber(const XmlPrvek& potomek) {
    uzel_.remove_child(potomek.uzel_);
}

QByteArray XmlPrvek::doBajtu() const {
    QByteArray vysledek;
    ZapisDoPole zapis(vysledek);
    uzel_.print(zapis, "", pugi::format_raw | pugi::format_no_empty_element_tags,
                pugi::encoding_utf8);
    return vysledek;
}

XmlDokument::XmlDokument() : dokument_(std::make_unique<pugi::xml_document>()) {}
XmlDokument::XmlDokument(XmlDokument&&) noexcept = default;
XmlDokument& XmlDokument::operator=(XmlDokument&&) noexcept = default;
XmlDokument::~XmlDokument() = default;

XmlDokument XmlDokument::nacti(const QString& soubor, const char* koren) {
    QFile f(soubor);
    if (!f.exists())
        throw KolomatChyba(
            QStringLiteral("Soubor %1 nebyl v pracovní složce nalezen.").arg(nazevSouboru(soubor)));
    if (!f.open(QIODevice::ReadOnly))
        throw KolomatChyba(QStringLiteral("Soubor %1 nelze otevřít pro čtení (%2).")
                               .arg(nazevSouboru(soubor), PopisChybySouboru(f)));
    const QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw KolomatChyba(QStringLiteral("Soubor %1 nelze přečíst (%2).")
                               .arg(nazevSouboru(soubor), PopisChybySouboru(f)));
    return zBajtu(data, soubor, koren);
}

XmlDokument XmlDokument::zBajtu(const QByteArray& data, const QString& soubor, const char* koren) {
    const QByteArray utf8 = naUtf8(data, soubor);
    XmlDokument d;
    // Parsed in place over a copy of its own, which is quicker than pugixml's own copy;
    // the original stays for the line and column of an error.
    d.zdroj_ = utf8;
    d.zdroj_.detach();
    const pugi::xml_parse_result vysledek = d.dokument_->load_buffer_inplace(
        d.zdroj_.data(), static_cast<size_t>(d.zdroj_.size()), kVolbyCteni, pugi::encoding_utf8);
    if (!vysledek) {
        if (vysledek.status == pugi::status_no_document_element)
            throw KolomatChyba(QStringLiteral("Soubor %1 je prázdný nebo neobsahuje žádný "
                                              "element XML.")
                                   .arg(nazevSouboru(soubor)));
        const auto [radek, sloupec] = radekASloupec(utf8, vysledek.offset);
        throw KolomatChyba(
            QStringLiteral("Soubor %1 není platný dokument XML: %2 (řádek %3, sloupec %4).")
                .arg(nazevSouboru(soubor), popisChyby(vysledek.status))
                .arg(radek)
                .arg(sloupec));
    }
    const pugi::xml_node korenovy = d.dokument_->document_element();
    if (koren && std::strcmp(korenovy.name(), koren) != 0)
        throw KolomatChyba(QStringLiteral("Soubor %1 nemá kořenový element <%2>, ale <%3>.")
                               .arg(nazevSouboru(soubor), QString::fromUtf8(koren),
                                    QString::fromUtf8(korenovy.name())));
    return d;
}

XmlDokument XmlDokument::novy(const char* koren) {
    XmlDokument d;
    d.dokument_->append_child(koren);
    return d;
}

XmlPrvek XmlDokument::koren() const {
    return XmlPrvek(dokument_->document_element());
}

XmlDokument XmlDokument::kopie() const {
    XmlDokument d;
    d.dokument_->reset(*dokument_);
    return d;
}

QByteArray XmlDokument::doBajtu() const {
    QByteArray vysledek("<?xml version=\"1.0\"?>\n");
    ZapisDoPole zapis(vysledek);
    dokument_->save(zapis, "",
                    pugi::format_raw | pugi::format_no_declaration |
                        pugi::format_no_empty_element_tags,
                    pugi::encoding_utf8);
    return vysledek;
}

void XmlDokument::uloz(const QString& soubor) const {
    ZapisSoubor(soubor, doBajtu());
}

void ZapisSoubor(const QString& soubor, const QByteArray& data) {
    const bool existoval = QFileInfo::exists(soubor);
    QSaveFile f(soubor);
    const auto selhani = [&](const QString& duvod) {
        QString text =
            QStringLiteral("Soubor %1 nelze uložit (%2).").arg(nazevSouboru(soubor), duvod);
        if (existoval)
            text += QStringLiteral(" Jeho předchozí obsah zůstal zachován.");
        return KolomatChyba(text);
    };
    if (!f.open(QIODevice::WriteOnly))
        throw selhani(PopisChybySouboru(f));
    // A short file stays in QSaveFile's buffer until commit, which does not notice when
    // writing it out fails (a full disk) and would put an empty file in place of the
    // old one; flushed here, the failure is seen and the old file kept. Qt also ignores
    // a failed sync, where a delayed write error would show.
    bool zapsano = f.write(data) == data.size() && f.flush();
    QString chyba = PopisChybySouboru(f);
#ifdef Q_OS_UNIX
    if (zapsano && ::fdatasync(f.handle()) != 0) {
        zapsano = false;
        chyba = PopisChybySystemu(errno);
    }
#endif
    if (!zapsano) {
        f.cancelWriting();
        throw selhani(chyba);
    }
    if (!f.commit())
        throw selhani(PopisChybySouboru(f));
}

int textNaCislo(const QString& text, const QString& soubor, const char* prvek) {
    bool ok = false;
    const int cislo = text.toInt(&ok, 10);
    if (!ok)
        throw KolomatChyba(QStringLiteral("Soubor %1: hodnotu \"%2\" elementu <%3> nelze "
                                          "převést na celé číslo.")
                               .arg(nazevSouboru(soubor), text, QString::fromUtf8(prvek)));
    return cislo;
}
