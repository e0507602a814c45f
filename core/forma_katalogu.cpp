#include "core/forma_katalogu.h"

#include "core/XML_otazky.h"
#include "core/kategorie.h"
#include "core/obrazek_otazky.h"

#include <QImageReader>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <vector>

namespace {

// Pairs that the word measure finds alike but that ask different facts, reviewed one
// by one (for example the minimum ages of two licence groups).
constexpr std::array<std::pair<const char*, const char*>, 0> kRuzneVPodstate{};

struct Otazka {
    int cislo = 0;
    int kategorie = 0; // 1..7
    QString kod;
    QString text;
    QString spravna;
    QStringList spatne;
    QChar pismeno;
    QString obrazek;
};

int kategorieCisla(int cislo) {
    for (size_t k = 0; k < kKategorie.size(); ++k)
        if (cislo >= kKategorie[k].od && cislo <= kKategorie[k].po)
            return static_cast<int>(k) + 1;
    return 0;
}

// The questions in force with a correct letter that names an answer.
std::vector<Otazka> otazkyVPlatnosti(const TXMLOtazkyType& d) {
    std::vector<Otazka> otazky;
    for (int i = 0; i < d.Count(); ++i) {
        const TXMLOtazkaType o = d[i];
        if (!o.Poznamka().isEmpty() || o.Spravne().size() != 1)
            continue;
        Otazka q;
        q.cislo = i + 1;
        q.kategorie = kategorieCisla(q.cislo);
        q.kod = o.Kod();
        q.text = o.Otazka();
        q.pismeno = o.Spravne().front();
        q.obrazek = o.Obrazek();
        const std::pair<QChar, QString> odpovedi[] = {{u'A', o.A()}, {u'B', o.B()}, {u'C', o.C()}};
        for (const auto& [pismeno, text] : odpovedi) {
            if (text.isEmpty())
                continue;
            if (pismeno == q.pismeno)
                q.spravna = text;
            else
                q.spatne << text;
        }
        if (!q.spravna.isEmpty() && q.kategorie > 0)
            otazky.push_back(q);
    }
    return otazky;
}

std::vector<QString> slova(const QString& text) {
    static const QRegularExpression slovo(QStringLiteral("\\w+"),
                                          QRegularExpression::UseUnicodePropertiesOption);
    std::vector<QString> vysledek;
    for (const QRegularExpressionMatch& m : slovo.globalMatch(text.toLower()))
        if (m.capturedLength() >= 3)
            vysledek.push_back(m.captured().left(5));
    std::sort(vysledek.begin(), vysledek.end());
    vysledek.erase(std::unique(vysledek.begin(), vysledek.end()), vysledek.end());
    return vysledek;
}

double podobnostMnozin(const std::vector<QString>& a, const std::vector<QString>& b) {
    size_t spolecnych = 0;
    for (size_t i = 0, j = 0; i < a.size() && j < b.size();) {
        if (a[i] < b[j]) {
            ++i;
        } else if (b[j] < a[i]) {
            ++j;
        } else {
            ++spolecnych;
            ++i;
            ++j;
        }
    }
    const size_t vsech = a.size() + b.size() - spolecnych;
    return vsech == 0 ? 0.0 : static_cast<double>(spolecnych) / static_cast<double>(vsech);
}

QString rozsah(int kategorie) {
    const TKategorie& k = kKategorie[static_cast<size_t>(kategorie - 1)];
    return QStringLiteral("%1–%2").arg(k.od).arg(k.po);
}

QString procenta(double podil) {
    return QString::number(qRound(podil * 100.0)) + QStringLiteral(" %");
}

QString cestaDvojnasobku(const QString& cesta) {
    const qsizetype tecka = cesta.lastIndexOf(u'.');
    return cesta.left(tecka) + QStringLiteral("@2x") + cesta.mid(tecka);
}

} // namespace

bool ObsahujeAbsolutniSlovo(const QString& text) {
    static const QRegularExpression absolutni(
        QStringLiteral("(?<!\\w)(vždy|vždycky|nikdy|pouze|jen|jenom|jedině|výhradně|zásadně|"
                       "kdykoli|kdykoliv|v žádném případě|za žádných okolností|"
                       "za všech okolností|v každém případě|bez výjimky)(?!\\w)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return absolutni.match(text).hasMatch();
}

double Podobnost(const QString& a, const QString& b) {
    return podobnostMnozin(slova(a), slova(b));
}

std::array<FormaOdpovedi, 8> SpocitejFormu(const TXMLOtazkyType& databaze) {
    std::array<FormaOdpovedi, 8> forma{};
    const std::vector<Otazka> otazky = otazkyVPlatnosti(databaze);
    for (size_t i = 0; i < otazky.size(); ++i) {
        const Otazka& q = otazky[i];
        for (FormaOdpovedi* f : {&forma[0], &forma[static_cast<size_t>(q.kategorie)]}) {
            ++f->spravnych;
            f->spravnychAbsolutnich += ObsahujeAbsolutniSlovo(q.spravna) ? 1 : 0;
            for (const QString& spatna : q.spatne) {
                ++f->spatnych;
                f->spatnychAbsolutnich += ObsahujeAbsolutniSlovo(spatna) ? 1 : 0;
            }
            if (q.spatne.size() == 2) {
                ++f->trojic;
                const qsizetype d = q.spravna.size();
                f->nejdelsich += d > std::max(q.spatne[0].size(), q.spatne[1].size()) ? 1 : 0;
                f->nejkratsich += d < std::min(q.spatne[0].size(), q.spatne[1].size()) ? 1 : 0;
                const qsizetype k = QStringLiteral("ABC").indexOf(q.pismeno);
                if (k >= 0)
                    ++f->pismena[static_cast<size_t>(k)];
            }
            if (i > 0 && otazky[i - 1].cislo == q.cislo - 1 &&
                otazky[i - 1].kategorie == q.kategorie) {
                ++f->sousedu;
                f->opakovani += otazky[i - 1].pismeno == q.pismeno ? 1 : 0;
            }
        }
    }
    return forma;
}

QStringList KontrolaFormy(const TXMLOtazkyType& databaze) {
    QStringList chyby;
    const std::array<FormaOdpovedi, 8> forma = SpocitejFormu(databaze);
    for (size_t k = 0; k < forma.size(); ++k) {
        const FormaOdpovedi& f = forma[k];
        const QString kde = k == 0 ? QStringLiteral("V celém katalogu")
                                   : QStringLiteral("V kategorii %1").arg(rozsah(int(k)));
        const double mez = k == 0 ? kNejvysePodilCelkem : kNejvysePodilKategorie;
        if (f.trojic == 0)
            continue;
        const double nejdelsi = double(f.nejdelsich) / f.trojic;
        const double nejkratsi = double(f.nejkratsich) / f.trojic;
        if (nejdelsi > mez)
            chyby << QStringLiteral("%1 je správná odpověď nejdelší u %2 otázek se třemi "
                                    "odpověďmi (nejvýše %3).")
                         .arg(kde, procenta(nejdelsi), procenta(mez));
        if (nejkratsi > mez)
            chyby << QStringLiteral("%1 je správná odpověď nejkratší u %2 otázek se třemi "
                                    "odpověďmi (nejvýše %3).")
                         .arg(kde, procenta(nejkratsi), procenta(mez));
        if (k == 0) {
            const double vSpravnych = double(f.spravnychAbsolutnich) / std::max(1, f.spravnych);
            const double veSpatnych = double(f.spatnychAbsolutnich) / std::max(1, f.spatnych);
            if (veSpatnych > kNejvyseAbsolutnich * vSpravnych)
                chyby << QStringLiteral("Absolutní slova (vždy, nikdy, pouze, ...) stojí v %1 "
                                        "špatných a jen v %2 správných odpovědí.")
                             .arg(procenta(veSpatnych), procenta(vSpravnych));
            continue;
        }
        for (size_t p = 0; p < 3; ++p) {
            const double podil = double(f.pismena[p]) / f.trojic;
            if (podil < kPismenoOd || podil > kPismenoDo)
                chyby << QStringLiteral("%1 je písmeno %2 správné u %3 otázek se třemi "
                                        "odpověďmi (má být %4 až %5).")
                             .arg(kde, QString(QChar(u'A' + char16_t(p))), procenta(podil),
                                  procenta(kPismenoOd), procenta(kPismenoDo));
        }
        if (f.sousedu > 0) {
            const double opakovani = double(f.opakovani) / f.sousedu;
            if (opakovani < kOpakovaniOd || opakovani > kOpakovaniDo)
                chyby << QStringLiteral("%1 má %2 sousedních otázek stejné správné písmeno "
                                        "(má být %3 až %4).")
                             .arg(kde, procenta(opakovani), procenta(kOpakovaniOd),
                                  procenta(kOpakovaniDo));
        }
    }
    return chyby;
}

QStringList KontrolaDuplicit(const TXMLOtazkyType& databaze) {
    const std::vector<Otazka> otazky = otazkyVPlatnosti(databaze);
    std::vector<std::vector<QString>> mnoziny;
    mnoziny.reserve(otazky.size());
    for (const Otazka& q : otazky)
        mnoziny.push_back(slova(q.text + u' ' + q.spravna));
    QSet<QString> povolene;
    for (const auto& [a, b] : kRuzneVPodstate)
        povolene << QString::fromLatin1(a) + u'/' + QString::fromLatin1(b);
    QStringList chyby;
    for (size_t i = 0; i < otazky.size(); ++i) {
        for (size_t j = i + 1; j < otazky.size(); ++j) {
            // A different picture makes a different question.
            if (otazky[i].obrazek != otazky[j].obrazek)
                continue;
            const double p = podobnostMnozin(mnoziny[i], mnoziny[j]);
            if (p < kPodobnost || povolene.contains(otazky[i].kod + u'/' + otazky[j].kod))
                continue;
            chyby << QStringLiteral("Otázky %1 (%2) a %3 (%4) se ptají skoro stejnými slovy "
                                    "(podobnost %5).")
                         .arg(otazky[i].cislo)
                         .arg(otazky[i].kod)
                         .arg(otazky[j].cislo)
                         .arg(otazky[j].kod)
                         .arg(p, 0, 'f', 2);
        }
    }
    return chyby;
}

QStringList KontrolaObrazku(const TXMLOtazkyType& databaze, const QDir& data) {
    QStringList chyby;
    const std::vector<Otazka> otazky = otazkyVPlatnosti(databaze);
    QSet<QString> sceny;
    int situaci = 0;
    int znacek = 0;
    int znacekSObrazkem = 0;
    for (const Otazka& q : otazky) {
        if (q.kategorie == 4) {
            ++situaci;
            if (q.obrazek.isEmpty())
                chyby << QStringLiteral("Otázka %1: dopravní situace nemá obrázek.").arg(q.cislo);
            else if (sceny.contains(q.obrazek))
                chyby << QStringLiteral("Otázka %1: obrázek \"%2\" už má jiná situace.")
                             .arg(q.cislo)
                             .arg(q.obrazek);
            else
                sceny << q.obrazek;
        }
        if (q.kategorie == 2) {
            ++znacek;
            znacekSObrazkem += q.obrazek.isEmpty() ? 0 : 1;
        }
    }
    if (situaci > 0 && sceny.size() < kNejmeneScenSituaci)
        chyby << QStringLiteral("Dopravní situace mají jen %1 různých obrázků (nejméně %2).")
                     .arg(sceny.size())
                     .arg(kNejmeneScenSituaci);
    if (znacek > 0 && znacekSObrazkem < kPodilZnacekSObrazkem * znacek)
        chyby << QStringLiteral("Obrázek má jen %1 z %2 otázek o značkách (nejméně %3).")
                     .arg(znacekSObrazkem)
                     .arg(znacek)
                     .arg(procenta(kPodilZnacekSObrazkem));

    // Every picture also at twice its size, for high-density screens and the enlarged
    // view.
    QSet<QString> cesty;
    for (int i = 0; i < databaze.Count(); ++i)
        if (const QString obrazek = databaze[i].Obrazek();
            !obrazek.isEmpty() && ProblemCestyObrazku(obrazek).isEmpty())
            cesty << obrazek;
    for (const QString& cesta : cesty) {
        const QSize jednou = QImageReader(data.filePath(cesta)).size();
        const QSize dvakrat = QImageReader(data.filePath(cestaDvojnasobku(cesta))).size();
        if (jednou.isValid() && dvakrat != jednou * 2)
            chyby << QStringLiteral("Obrázek \"%1\" nemá vedle sebe \"%2\" dvojnásobné "
                                    "velikosti.")
                         .arg(cesta, cestaDvojnasobku(cesta));
    }
    return chyby;
}
