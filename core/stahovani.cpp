#include "core/stahovani.h"

#include "core/chyby_systemu.h"
#include "core/kontrola_serveru.h"
#include "core/vymena_katalogu.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QTimer>

#include <cerrno>
#include <climits>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The body is read in chunks of this size; the reply buffers at most kVyrovnavaci bytes
// ahead of the reads (without a limit Qt would keep the whole body in memory).
constexpr qint64 kBlok = 4096;
constexpr qint64 kVyrovnavaci = 256 * 1024;
// Every so many bytes the written part is handed to the disk.
constexpr qint64 kDavkaNaDisk = 2 * 1024 * 1024;
// An error page longer than this is not read to its end.
constexpr qint64 kChybovaStranka = 1024 * 1024;
// How often the download looks at the stop request while the server is silent.
constexpr int kHlidaniMs = 50;

} // namespace

int DoMilisekund(std::chrono::milliseconds limit) {
    return static_cast<int>(std::min<std::chrono::milliseconds::rep>(limit.count(), INT_MAX));
}

StahovaniKatalogu::StahovaniKatalogu(const QUrl& adresa, QFile* soubor, qint64 velikost,
                                     std::chrono::milliseconds limitTicha, const QString& katalog)
    : adresa_(adresa), soubor_(soubor), velikost_(velikost), limitTicha_(limitTicha),
      katalog_(katalog) {}

void StahovaniKatalogu::Stahni() {
    // Everything network-related is created here, so that it lives on this thread.
    QNetworkAccessManager http;
    http.setProxy(QNetworkProxy::NoProxy);
    emit Stav(QStringLiteral("Stahuji data..."));
    QElapsedTimer StartCas; // monotonic: a download across midnight keeps its figures
    StartCas.start();
    std::unique_ptr<QNetworkReply> odpoved(
        http.get(PozadavekNaKatalog(adresa_, DoMilisekund(limitTicha_))));
    odpoved->setReadBufferSize(kVyrovnavaci);

    qint64 celkem = velikost_;
    bool stavOveren = false;
    bool konec = false;
    qint64 posledniPrubeh = -kIntervalPrubehuMs;
    QEventLoop smycka;

    auto ukoncit = [&] {
        konec = true;
        odpoved->abort();
        smycka.quit();
    };
    // An error status is a failure: its body (an error page) is never written, only
    // read to its end, so that the reply finishes on its own (aborting it while Qt
    // still reports its status would report twice).
    bool zahazovat = false;
    qint64 zahozeno = 0;
    qint64 odeslanoNaDisk = 0;
    qint64 delkaOdpovedi = -1; // the GET's own Content-Length
    auto overStav = [&] {
        const OdpovedServeru o = PrectiOdpoved(*odpoved);
        if (!o.spojeno)
            return;
        stavOveren = true;
        if (o.stav < 200 || o.stav > 299) {
            Chyba = true;
            zahazovat = true;
        } else if (o.velikost >= 0) {
            celkem = o.velikost;
            delkaOdpovedi = o.velikost;
        }
    };
    auto zapisDostupne = [&] {
        if (!stavOveren)
            overStav();
        if (zahazovat) {
            zahozeno += odpoved->skip(odpoved->bytesAvailable());
            if (zahozeno > kChybovaStranka)
                ukoncit();
            return;
        }
        char blok[kBlok];
        for (;;) {
            const qint64 precteno = odpoved->read(blok, kBlok);
            if (precteno <= 0)
                break;
            if (soubor_->write(blok, precteno) != precteno) {
                ChybaZapisu = PopisChybySouboru(*soubor_);
                Chyba = true;
                ukoncit();
                return;
            }
            Prijato += precteno;
        }
        if (Prijato - odeslanoNaDisk >= kDavkaNaDisk && soubor_->flush()) {
            // Start writing the finished part to the disk now, without waiting for it,
            // so that the sync at the end has little left to do.
            ::sync_file_range(soubor_->handle(), odeslanoNaDisk, Prijato - odeslanoNaDisk,
                              SYNC_FILE_RANGE_WRITE);
            odeslanoNaDisk = Prijato;
        }
        const qint64 ted = StartCas.elapsed();
        if (ted - posledniPrubeh >= kIntervalPrubehuMs) {
            posledniPrubeh = ted;
            emit Prubeh(Prijato, celkem, ted);
        }
    };
    auto zkontrolujZastaveni = [&] {
        if (!konec && zastavit_.load()) {
            Chyba = true;
            Preruseno = true;
            ukoncit();
        }
    };

    connect(odpoved.get(), &QNetworkReply::readyRead, &smycka, [&] {
        if (konec)
            return;
        zapisDostupne();
        zkontrolujZastaveni();
    });
    connect(odpoved.get(), &QNetworkReply::finished, &smycka, &QEventLoop::quit);
    QTimer hlidac;
    connect(&hlidac, &QTimer::timeout, &smycka, zkontrolujZastaveni);
    hlidac.start(kHlidaniMs);
    if (!odpoved->isFinished())
        smycka.exec();
    hlidac.stop();

    if (!konec) {
        // What arrived together with the end of the reply.
        zapisDostupne();
        if (!Chyba) {
            if (odpoved->error() != QNetworkReply::NoError || !stavOveren ||
                (delkaOdpovedi >= 0 && Prijato != delkaOdpovedi))
                Chyba = true;
        }
    }
    // On the disk before the window renames it over the catalogue.
    if (!Chyba && !soubor_->flush()) {
        ChybaZapisu = PopisChybySouboru(*soubor_);
        Chyba = true;
    } else if (!Chyba && ::fdatasync(soubor_->handle()) != 0) {
        ChybaZapisu = PopisChybySystemu(errno);
        Chyba = true;
    }
    odpoved.reset();
    emit Prubeh(Prijato, celkem, StartCas.elapsed());
    emit Stav(Chyba ? QStringLiteral("Spojení přerušeno...")
                    : QStringLiteral("Stahování dokončeno..."));
    // The check and the deletion of a failed download happen here rather than in the
    // end handler: for a large file either would hold up the window.
    if (!Chyba)
        ChybaKatalogu = KontrolaStazenehoKatalogu(soubor_->fileName(), katalog_);
    if (Chyba || !ChybaKatalogu.isEmpty()) {
        soubor_->close();
        QFile::remove(soubor_->fileName());
    }
}
