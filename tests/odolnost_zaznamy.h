// The records that the saving child (zapisovac_ukladani) writes and the crash test
// expects: record n (from 1) is a function of n alone, so that a file read back after a
// kill can be checked record by record.
#pragma once

#include "core/XML_protokoly.h"
#include "core/XML_vysledky.h"

#include <QDate>
#include <QDateTime>
#include <QStringList>
#include <QTime>

#include <vector>

inline const QString kProfilOdolnosti = QStringLiteral("Jan");
// The font size the crash test gives the logged-in profile before the child first runs.
inline constexpr int kPocatecniVelikost = 12;

// PocetOtazek carries n; the long lists make every save a write of some size.
inline TVysledek VysledekCislo(int n) {
    std::vector<int> spatne;
    for (int i = 0; i < 40; ++i)
        spatne.push_back((n * 7 + i * 13) % 802 + 1);
    TVysledek v;
    v.TypTestu = n % 2 ? kTypProcvicovani : kTypZkouseni;
    v.Profil = kProfilOdolnosti;
    v.Datum = QDate(2026, 1, 1).addDays(n % 3000);
    v.Cas = QTime(0, 0).addSecs(n % 86400);
    v.Skupina = QStringLiteral("B");
    v.Kategorie = QStringLiteral("1111111");
    v.PocetOtazek = n;
    v.Spatne = n % 7;
    v.SNapovedou = n % 3;
    v.SNapovedouCisla = SeznamCisel({n % 802 + 1});
    v.Uspesnost = n % 101;
    v.SpatneCisla = SeznamCisel(spatne);
    return v;
}

// PocetBodu carries n.
inline TProtokol ProtokolCislo(int n) {
    QStringList body, odpovedi, spravne, cisla;
    for (int i = 0; i < kPolozekSeznamu; ++i) {
        body << QString::number((n + i) % 3 + 1);
        odpovedi << QString(QChar(u'A' + (n + i) % 3));
        spravne << QString(QChar(u'A' + i % 3));
        cisla << QString::number((n * 31 + i * 17) % 802 + 1);
    }
    TProtokol p;
    p.Profil = kProfilOdolnosti;
    p.DatumACas = QDateTime(QDate(2026, 1, 1), QTime(8, 0)).addSecs(n * 61L);
    p.Skupina = QStringLiteral("B");
    p.DelkaTestu = QStringLiteral("12:34");
    p.Spravne = n % 26;
    p.PocetBodu = n;
    p.MinPocetBodu = 43;
    p.Verdikt = n % 2 ? QStringLiteral("Prošel") : QStringLiteral("Neprošel");
    p.Body = SpojSeznam(body);
    p.Odpoved = SpojSeznam(odpovedi);
    p.SpravnaOdpoved = SpojSeznam(spravne);
    p.SkutCis = SpojSeznam(cisla);
    return p;
}

// Profile n (from 1) that the child creates after the logged-in one.
inline QString NazevProfilu(int n) {
    return QStringLiteral("Profil%1").arg(n);
}
inline QString HesloProfilu(int n) {
    return QStringLiteral("heslo%1").arg(n);
}
