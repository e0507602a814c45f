#include "core/kontrola_serveru.h"

#include <QFileInfo>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTimeZone>

namespace {

QDateTime httpDatum(const QByteArray& hodnota) {
    const QString text = QString::fromLatin1(hodnota).simplified();
    // The usual form: Sun, 06 Nov 1994 08:49:37 GMT (or with a numeric zone).
    QDateTime kdy = QDateTime::fromString(text, QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"));
    if (!kdy.isValid())
        kdy = QDateTime::fromString(text, Qt::RFC2822Date);
    if (!kdy.isValid()) // the obsolete RFC 850 form: Sunday, 06-Nov-94 08:49:37 GMT
        kdy = QDateTime::fromString(text, QStringLiteral("dddd, dd-MMM-yy hh:mm:ss 'GMT'"));
    if (!kdy.isValid()) // the asctime form: Sun Nov 6 08:49:37 1994
        kdy = QDateTime::fromString(text, QStringLiteral("ddd MMM d hh:mm:ss yyyy"));
    if (!kdy.isValid())
        return {};
    if (kdy.date().year() < 1970) // two-digit years of the RFC 850 form
        kdy = kdy.addYears(100);
    if (kdy.timeSpec() == Qt::LocalTime) // the forms with "GMT" were read without a zone
        kdy = QDateTime(kdy.date(), kdy.time(), QTimeZone::utc());
    return kdy.toUTC();
}

qint64 delka(const QByteArray& hodnota) {
    const QByteArray text = hodnota.trimmed();
    if (text.isEmpty() || text.size() > 18)
        return -1;
    for (char c : text)
        if (c < '0' || c > '9')
            return -1;
    return text.toLongLong();
}

} // namespace

OdpovedServeru PrectiHlavicky(int stav, const QList<std::pair<QByteArray, QByteArray>>& hlavicky) {
    OdpovedServeru o;
    o.spojeno = true;
    o.stav = stav;
    for (const auto& [jmeno, hodnota] : hlavicky) {
        if (jmeno.compare("Content-Length", Qt::CaseInsensitive) == 0)
            o.velikost = delka(hodnota);
        else if (jmeno.compare("Last-Modified", Qt::CaseInsensitive) == 0)
            o.zmeneno = httpDatum(hodnota);
    }
    return o;
}

OdpovedServeru PrectiOdpoved(QNetworkReply& odpoved) {
    const QVariant stav = odpoved.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!stav.isValid()) {
        OdpovedServeru o;
        o.neduveryhodny = odpoved.error() == QNetworkReply::SslHandshakeFailedError;
        return o;
    }
    QList<std::pair<QByteArray, QByteArray>> hlavicky;
    for (const auto& [jmeno, hodnota] : odpoved.rawHeaderPairs())
        hlavicky.append({jmeno, hodnota});
    return PrectiHlavicky(stav.toInt(), hlavicky);
}

VysledekKontroly PorovnejSServerem(const OdpovedServeru& odpoved, const QString& katalog,
                                   const QDateTime& ted) {
    if (odpoved.neduveryhodny)
        return VysledekKontroly::Neduveryhodny;
    if (!odpoved.spojeno || odpoved.stav < 200 || odpoved.stav > 299)
        return VysledekKontroly::Selhala;
    const QFileInfo soubor(katalog);
    if (!soubor.isFile())
        return VysledekKontroly::Selhala;
    if (!odpoved.zmeneno.isValid())
        return VysledekKontroly::Aktualni;
    const QDateTime hranice = ted.addSecs(kTolerance);
    if (odpoved.zmeneno > hranice)
        return VysledekKontroly::DatumServeru;
    QDateTime mistni = soubor.lastModified();
    if (mistni > hranice)
        return VysledekKontroly::Novejsi;
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
    const QString autority = qEnvironmentVariable("KOLOMAT_CA_CERTIFIKATY");
    if (!autority.isEmpty()) {
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.addCaCertificates(QSslCertificate::fromPath(autority, QSsl::Pem));
        pozadavek.setSslConfiguration(tls);
    }
    return pozadavek;
}
