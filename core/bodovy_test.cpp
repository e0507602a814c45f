#include "core/bodovy_test.h"

#include "core/chyba.h"
#include "core/pomocne_fce.h"

#include <QStringList>

namespace {

size_t misto(int pozice) {
    if (pozice < 1 || pozice > kOtazekTestu)
        throw KolomatChyba(QStringLiteral("Test nemá otázku na pozici %1.").arg(pozice));
    return static_cast<size_t>(pozice - 1);
}

} // namespace

const TOtazkaTestu& TBodovyTest::operator[](int pozice) const {
    return otazky_[misto(pozice)];
}

QString TBodovyTest::Spravne(int pozice) const {
    return spravne_[misto(pozice)];
}

bool TBodovyTest::Vyber(int pozice, QChar pismeno) {
    TOtazkaTestu& o = otazky_[misto(pozice)];
    if (pismeno != u'A' && pismeno != u'B' && pismeno != u'C')
        return false;
    if (pismeno == u'C' && o.PocetOdpovedi < 3)
        return false;
    if (o.Odpoved.contains(pismeno))
        o.Odpoved.remove(pismeno);
    else
        o.Odpoved = QString(pismeno);
    return true;
}

void TBodovyTest::Vyhodnot(const TXMLOtazkyType& databaze) {
    std::array<QString, kOtazekTestu> spravne;
    int body = 0;
    int spatne = 0;
    QStringList spatneCisla;
    for (int p = 1; p <= kOtazekTestu; ++p) {
        const TOtazkaTestu& o = otazky_[misto(p)];
        spravne[misto(p)] = databaze[o.Index].Spravne();
        if (o.Odpoved == spravne[misto(p)]) {
            body += o.Body;
        } else {
            ++spatne;
            spatneCisla << QString::number(p);
        }
    }
    spravne_ = spravne;
    body_ = body;
    spatne_ = spatne;
    spatneCisla_ = spatneCisla.join(QStringLiteral(", "));
    vyhodnocen_ = true;
}

QString TBodovyTest::ZpravaVyhodnoceni(bool casVyprsel) const {
    const QString predpona =
        casVyprsel ? QStringLiteral("Čas vymezený pro test uplynul! - ") : QString();
    const QString verdikt = Slozen() ? QStringLiteral("Test byl úspěšně vyřešen!")
                                     : QStringLiteral("Test nebyl úspěšně vyřešen!");
    return predpona + verdikt + QStringLiteral("\r\n") +
           QStringLiteral(" - Dosáhli jste %1 bodů z %2 možných, minimem pro složení testu "
                          "bylo %3 bodů")
               .arg(body_)
               .arg(kMaximumBodu)
               .arg(kMinimumBodu) +
           QStringLiteral("\r\n") +
           QStringLiteral(" - Počet špatných odpovědí byl: %1, jejich čísla jsou ").arg(spatne_) +
           spatneCisla_ + QStringLiteral("\r\n") +
           QStringLiteral("Více se dozvíte z protokolu po stisku klávesy OK");
}

TProtokol TBodovyTest::Protokol(const QString& profil, const QString& skupina,
                                const QDateTime& zacatek, int sekundZbyva) const {
    QStringList body;
    QStringList odpovedi;
    QStringList spravne;
    QStringList cisla;
    for (int p = 1; p <= kOtazekTestu; ++p) {
        const TOtazkaTestu& o = otazky_[misto(p)];
        body << QString::number(o.Body);
        odpovedi << o.Odpoved;
        spravne << spravne_[misto(p)];
        cisla << QString::number(o.SkutCislo);
    }
    TProtokol z;
    z.Profil = profil;
    z.DatumACas = zacatek;
    z.Skupina = skupina;
    z.DelkaTestu = CasNaText(kDelkaTestu - sekundZbyva);
    z.Spravne = kOtazekTestu - spatne_;
    z.PocetBodu = body_;
    z.MinPocetBodu = kMinimumBodu;
    z.Verdikt = Slozen() ? QStringLiteral("Prošel") : QStringLiteral("Neprošel");
    z.Body = SpojSeznam(body);
    z.Odpoved = SpojSeznam(odpovedi);
    z.SpravnaOdpoved = SpojSeznam(spravne);
    z.SkutCis = SpojSeznam(cisla);
    return z;
}
