#include "kontrola_serveru.h"

#include <QFileInfo>
#include <QNetworkReply>
#include <QNetworkRequest>

OdpovedServeru PrectiOdpoved(QNetworkReply& odpoved) {
    OdpovedServeru o;
    const QVariant stav = odpoved.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    o.spojeno = stav.isValid();
    o.stav = stav.toInt();
    const QVariant velikost = odpoved.header(QNetworkRequest::ContentLengthHeader);
    if (velikost.isValid())
        o.velikost = velikost.toLongLong();
    o.zmeneno = odpoved.header(QNetworkRequest::LastModifiedHeader).toDateTime();
    return o;
}

VysledekKontroly PorovnejSServerem(const OdpovedServeru& odpoved, const QString& katalog) {
    if (!odpoved.spojeno || odpoved.stav < 200 || odpoved.stav > 299)
        return VysledekKontroly::Selhala;
    const QFileInfo soubor(katalog);
    if (!soubor.isFile())
        return VysledekKontroly::Selhala;
    if (!odpoved.zmeneno.isValid())
        return VysledekKontroly::Aktualni;
    QDateTime mistni = soubor.lastModified();
    mistni = mistni.addMSecs(-mistni.time().msec());
    QDateTime serverovy = odpoved.zmeneno;
    serverovy = serverovy.addMSecs(-serverovy.time().msec());
    return mistni >= serverovy ? VysledekKontroly::Aktualni : VysledekKontroly::Novejsi;
}

QNetworkRequest PozadavekNaKatalog(const QUrl& adresa, int limitTichaMs) {
    QNetworkRequest pozadavek(adresa);
    pozadavek.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                           QNetworkRequest::NoLessSafeRedirectPolicy);
    pozadavek.setRawHeader("Accept", "text/html, */*");
    pozadavek.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Kolomat"));
    pozadavek.setTransferTimeout(limitTichaMs);
    return pozadavek;
}
