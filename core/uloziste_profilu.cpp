#include "core/uloziste_profilu.h"

#include "core/XML_protokoly.h"
#include "core/XML_vysledky.h"
#include "core/chyba.h"
#include "core/pomocne_fce.h"

#include <QRegularExpression>

#include <optional>

namespace {

// Upper case for the letters a–z only: Čeněk and čeněk stay different names.
QString velkaAscii(QString text) {
    for (QChar& c : text)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    return text;
}

KolomatChyba chybaPrevodu(const QString& profil, const char* pole, const QString& hodnota,
                          const QString& co) {
    return KolomatChyba(QStringLiteral("Profil \"%1\" v souboru \"%2\" nelze načíst: hodnotu "
                                       "\"%3\" položky %4 nelze převést na %5.")
                            .arg(profil, kSouborProfilu, hodnota, QString::fromLatin1(pole), co));
}

QString logickaNaText(bool b) {
    return b ? QStringLiteral("-1") : QStringLiteral("0");
}

} // namespace

bool TextNaLogickou(const QString& text, bool* ok) {
    static const QRegularExpression cislo(QStringLiteral(R"(^\s*[+-]?(\d+(\.\d*)?|\.\d+)\s*$)"));
    *ok = true;
    if (cislo.match(text).hasMatch())
        return text.trimmed().toDouble() != 0.0;
    if (text.compare(u"true", Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(u"false", Qt::CaseInsensitive) == 0)
        return false;
    *ok = false;
    return false;
}

void UlozisteProfilu::Otevrit() {
    XMLProfil = {};
    XMLProfily = SouborNaDisku(kSouborProfilu) ? TXMLProfilyType::Nacti() : TXMLProfilyType();
}

TXMLProfilType UlozisteProfilu::Najdi(const QString& nazev) const {
    const QString hledany = velkaAscii(nazev);
    for (const TXMLProfilType& p : XMLProfily.Profily())
        if (velkaAscii(p.Nazev()) == hledany)
            return p;
    return {};
}

QStringList UlozisteProfilu::Nazvy() const {
    QStringList nazvy;
    for (const TXMLProfilType& p : XMLProfily.Profily())
        nazvy << p.Nazev();
    return nazvy;
}

bool UlozisteProfilu::Nacti(const QString& nazev) {
    const TXMLProfilType profil = Najdi(nazev);
    if (!profil.platny())
        return false;
    const TProfilTexty t = PrectiTexty(profil);
    const QString jmeno = Orizni(t.Nazev, 30);

    bool ok = false;
    const bool stavovyRadek = TextNaLogickou(t.Stavovy_radek, &ok);
    if (!ok)
        throw chybaPrevodu(jmeno, "Stavovy_radek", t.Stavovy_radek, QStringLiteral("ano/ne"));
    const bool postupnyVyber = TextNaLogickou(t.Postupny_vyber, &ok);
    if (!ok)
        throw chybaPrevodu(jmeno, "Postupny_vyber", t.Postupny_vyber, QStringLiteral("ano/ne"));
    const int velikost = t.Pismo_velikost.trimmed().toInt(&ok, 10);
    if (!ok)
        throw chybaPrevodu(jmeno, "Pismo_velikost", t.Pismo_velikost, QStringLiteral("celé číslo"));

    XMLProfil = profil;
    Nazev = jmeno;
    Heslo = Orizni(t.Heslo, 50);
    Kategorie = Orizni(t.Kategorie, 7);
    Skupina = Orizni(t.Skupina, 2);
    Protokoly = Orizni(t.Protokoly, 3);
    Stavovy_radek = stavovyRadek;
    Postupny_vyber = postupnyVyber;
    Pismo_font = t.Pismo_font;
    Pismo_velikost = velikost;
    return true;
}

void UlozisteProfilu::Vytvor(const QString& nazev, const QString& heslo) {
    if (Existuje(nazev))
        return;
    TXMLProfilType novy = XMLProfily.Add();
    ZapisTexty(novy, {nazev, heslo, QStringLiteral("1111111"), QStringLiteral("B"),
                      QStringLiteral("111"), QStringLiteral("1"), QStringLiteral("1"),
                      QStringLiteral("Arial"), QStringLiteral("12")});
    try {
        XMLProfily.Uloz();
    } catch (...) {
        XMLProfily.Odeber(novy);
        throw;
    }
}

void UlozisteProfilu::Uloz() {
    if (!XMLProfil.platny())
        throw KolomatChyba(QStringLiteral("Není přihlášen žádný profil, nastavení nelze uložit."));
    const TProfilTexty predtim = PrectiTexty(XMLProfil);
    ZapisTexty(XMLProfil,
               {Nazev, Heslo, Kategorie, Skupina, Protokoly, logickaNaText(Stavovy_radek),
                logickaNaText(Postupny_vyber), Pismo_font, QString::number(Pismo_velikost)});
    try {
        XMLProfily.Uloz();
    } catch (...) {
        ZapisTexty(XMLProfil, predtim);
        throw;
    }
}

QString UlozisteProfilu::Prejmenuj(const QString& novy) {
    const QString stary = Nazev;
    Nazev = novy;
    try {
        Uloz();
    } catch (...) {
        Nazev = stary;
        throw;
    }
    // A history that cannot be used has nothing of the profile.
    return Historie.Otevreno() ? Historie.PrejmenujProfil(stary, novy) : QString();
}

bool UlozisteProfilu::Smaz(const QString& nazev) {
    TXMLProfilType profil;
    for (const TXMLProfilType& p : XMLProfily.Profily()) {
        if (p.Nazev() == nazev) {
            profil = p;
            break;
        }
    }
    if (!profil.platny())
        return false;

    // Read the other two files first: a broken one stops the deletion before any change.
    std::optional<TXMLVysledkyType> vysledky;
    if (SouborNaDisku(kSouborVysledku))
        vysledky.emplace(NacistVysledky());
    std::optional<TXMLProtokolyType> protokoly;
    if (SouborNaDisku(kSouborProtokolu))
        protokoly.emplace(NacistProtokoly());

    XMLProfily.UlozBez(XMLProfily.IndexOf(profil));
    if (XMLProfil == profil)
        XMLProfil = {};
    XMLProfily.Odeber(profil);

    QStringList nezdarilo;
    if (vysledky && OdebratVysledkyProfilu(*vysledky, nazev) > 0) {
        try {
            vysledky->Uloz();
        } catch (const KolomatChyba& e) {
            nezdarilo << e.text();
        }
    }
    if (protokoly && OdebratProtokolyProfilu(*protokoly, nazev) > 0) {
        try {
            protokoly->Uloz();
        } catch (const KolomatChyba& e) {
            nezdarilo << e.text();
        }
    }
    // The answer history goes with the profile's records (a history that cannot be
    // used has nothing of it).
    if (Historie.Otevreno()) {
        const QString chyba = Historie.SmazProfil(nazev);
        if (!chyba.isEmpty())
            nezdarilo << chyba;
    }
    if (!nezdarilo.isEmpty())
        throw KolomatChyba(QStringLiteral("Profil \"%1\" byl smazán, ale jeho záznamy se "
                                          "nepodařilo odstranit:\n%2")
                               .arg(nazev, nezdarilo.join(u'\n')));
    return true;
}
