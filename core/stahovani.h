// The download of a newer question database: one GET into an open file, in 4096-byte
// reads, with the progress and the status line going out as signals, and the catalogue
// check of the complete file. A plain object: the update window's worker thread runs
// Stahni, whose own event loop drives the request; the signals reach the window's
// thread queued.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QUrl>

#include <atomic>
#include <chrono>

class QEventLoop;
class QFile;
class QNetworkReply;

// A time limit as the milliseconds Qt's network functions take.
int DoMilisekund(std::chrono::milliseconds limit);

class StahovaniKatalogu : public QObject {
    Q_OBJECT
public:
    // velikost is the size the first request announced (-1 unknown); the download gives
    // up after limitTicha without any data from the server. katalog is the file the
    // download is to replace (named in the check's message).
    StahovaniKatalogu(const QUrl& adresa, QFile* soubor, qint64 velikost,
                      std::chrono::milliseconds limitTicha, const QString& katalog);

    // The whole download, on the calling thread. A failed download (or one that is no
    // valid catalogue) is closed and removed before it returns.
    void Stahni();
    // The stop request, safe from any thread. The download stops at its next chunk, or
    // within a twentieth of a second when the server sends nothing.
    void Zastavit() { zastavit_.store(true); }

    // Written by Stahni, read once it has returned.
    bool Chyba = false;     // the download failed or was stopped
    bool Preruseno = false; // the user stopped it
    QString ChybaZapisu;    // why the file could not be written ("" = it could)
    QString ChybaKatalogu;  // a complete download that is no valid catalogue: why
    qint64 Prijato = 0;

    // How often at most the progress goes out while data arrives; the last figures
    // always go out at the end.
    static constexpr qint64 kIntervalPrubehuMs = 100;

signals:
    void Stav(const QString& text);
    void Prubeh(qint64 prijato, qint64 celkem, qint64 uplynuloMs);

private:
    // The steps of Stahni.
    void Prijimej();
    void Ukoncit();
    void OverStav();
    void ZapisDostupne();
    void ZkontrolujZastaveni();
    void Dokonci();

    // The state of one download.
    struct Beh {
        QNetworkReply* odpoved = nullptr;
        QEventLoop* smycka = nullptr;
        QElapsedTimer startCas;
        qint64 celkem = -1;
        bool stavOveren = false;
        bool konec = false;
        bool zahazovat = false; // an error page: read to its end, never written
        qint64 zahozeno = 0;
        qint64 odeslanoNaDisk = 0;
        qint64 delkaOdpovedi = -1; // the GET's own Content-Length
        qint64 posledniPrubeh = -kIntervalPrubehuMs;
    };
    Beh beh_;

    const QUrl adresa_;
    QFile* const soubor_;
    const qint64 velikost_;
    const std::chrono::milliseconds limitTicha_;
    const QString katalog_;
    std::atomic<bool> zastavit_{false};
};
