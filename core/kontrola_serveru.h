// The decision of the first request: is the server's question database newer than the
// learner's one?
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <utility>

class QNetworkReply;
class QUrl;
class QNetworkRequest;

// What the answer to the HEAD request said.
struct OdpovedServeru {
    bool spojeno = false;       // an HTTP answer came at all
    bool neduveryhodny = false; // the server's TLS certificate was not trusted
    int stav = 0;               // its status code
    qint64 velikost = -1;       // Content-Length, -1 when absent
    QDateTime zmeneno;          // Last-Modified, invalid when absent
};
OdpovedServeru PrectiOdpoved(QNetworkReply& odpoved);
// The same from the status code and the raw header lines as the server sent them: a
// Content-Length that is not a plain decimal number counts as absent, and Last-Modified
// is read in any of the three HTTP date forms (invalid when it is none of them).
OdpovedServeru PrectiHlavicky(int stav, const QList<std::pair<QByteArray, QByteArray>>& hlavicky);

enum class VysledekKontroly {
    Selhala,       // no answer, an error status, or the local catalogue's time is unreadable
    Neduveryhodny, // the server's certificate was refused
    Aktualni,      // the local catalogue is as new as the server's or newer
    Novejsi,       // the server has a newer one
    DatumServeru,  // the server's time lies in the future: its clock is wrong
};

// How far a time may lie ahead of the clock before it counts as wrong.
inline constexpr qint64 kTolerance = 24 * 60 * 60; // seconds

// Compares the server's Last-Modified time with the modification time of the local
// catalogue, both to whole seconds. Without a Last-Modified time nothing can be newer.
// A server time more than a day ahead of ted is the server's fault and replaces
// nothing; a local time that far ahead (left by such a server once) counts as older
// than any server time, so that it never locks out a correct server.
VysledekKontroly PorovnejSServerem(const OdpovedServeru& odpoved, const QString& katalog,
                                   const QDateTime& ted = QDateTime::currentDateTimeUtc());

// A request for the catalogue on the update server: redirects followed (never from
// https to http), no proxy (set on the manager), given up after limitTichaMs without
// any data, and over https trusting the system's authorities and those in the file
// named by KOLOMAT_CA_CERTIFIKATY (a school's own server, or a test's).
QNetworkRequest PozadavekNaKatalog(const QUrl& adresa, int limitTichaMs);
