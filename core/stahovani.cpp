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
    beh_ = {};
    beh_.celkem = velikost_;
    beh_.startCas.start(); // monotonic: a download across midnight keeps its figures
    std::unique_ptr<QNetworkReply> odpoved(
        http.get(PozadavekNaKatalog(adresa_, DoMilisekund(limitTicha_))));
    odpoved->setReadBufferSize(kVyrovnavaci);
    beh_.odpoved = odpoved.get();
    Prijimej();
    if (!beh_.konec) {
        // What arrived together with the end of the reply.
        ZapisDostupne();
        if (!Chyba && (odpoved->error() != QNetworkReply::NoError || !beh_.stavOveren ||
                       (beh_.delkaOdpovedi >= 0 && Prijato != beh_.delkaOdpovedi)))
            Chyba = true;
    }
    beh_.odpoved = nullptr;
    odpoved.reset();
    Dokonci();
}

void StahovaniKatalogu::Prijimej() {
    QEventLoop smycka;
    beh_.smycka = &smycka;
    connect(beh_.odpoved, &QNetworkReply::readyRead, &smycka, [this] {
        if (beh_.konec)
            return;
        ZapisDostupne();
        ZkontrolujZastaveni();
    });
    connect(beh_.odpoved, &QNetworkReply::finished, &smycka, &QEventLoop::quit);
    QTimer hlidac;
    connect(&hlidac, &QTimer::timeout, &smycka, [this] { ZkontrolujZastaveni(); });
    hlidac.start(kHlidaniMs);
    if (!beh_.odpoved->isFinished())
        smycka.exec();
    hlidac.stop();
    beh_.smycka = nullptr;
}

void StahovaniKatalogu::Ukoncit() {
    beh_.konec = true;
    beh_.odpoved->abort();
    if (beh_.smycka)
        beh_.smycka->quit();
}

void StahovaniKatalogu::OverStav() {
    const OdpovedServeru o = PrectiOdpoved(*beh_.odpoved);
    if (!o.spojeno)
        return;
    beh_.stavOveren = true;
    if (o.stav < 200 || o.stav > 299) {
        // An error status is a failure: its body (an error page) is never written, only
        // read to its end, so that the reply finishes on its own (aborting it while Qt
        // still reports its status would report twice).
        Chyba = true;
        beh_.zahazovat = true;
    } else if (o.velikost >= 0) {
        beh_.celkem = o.velikost;
        beh_.delkaOdpovedi = o.velikost;
    }
}

void StahovaniKatalogu::ZapisDostupne() {
    if (!beh_.stavOveren)
        OverStav();
    if (beh_.zahazovat) {
        beh_.zahozeno += beh_.odpoved->skip(beh_.odpoved->bytesAvailable());
        if (beh_.zahozeno > kChybovaStranka)
            Ukoncit();
        return;
    }
    char blok[kBlok];
    for (;;) {
        const qint64 precteno = beh_.odpoved->read(blok, kBlok);
        if (precteno <= 0)
            break;
        if (soubor_->write(blok, precteno) != precteno) {
            ChybaZapisu = PopisChybySouboru(*soubor_);
            Chyba = true;
            Ukoncit();
            return;
        }
        Prijato += precteno;
    }
    if (Prijato - beh_.odeslanoNaDisk >= kDavkaNaDisk && soubor_->flush()) {
        // Start writing the finished part to the disk now, without waiting for it, so
        // that the sync at the end has little left to do.
        ::sync_file_range(soubor_->handle(), beh_.odeslanoNaDisk, Prijato - beh_.odeslanoNaDisk,
                          SYNC_FILE_RANGE_WRITE);
        beh_.odeslanoNaDisk = Prijato;
    }
    const qint64 ted = beh_.startCas.elapsed();
    if (ted - beh_.posledniPrubeh >= kIntervalPrubehuMs) {
        beh_.posledniPrubeh = ted;
        emit Prubeh(Prijato, beh_.celkem, ted);
    }
}

void StahovaniKatalogu::ZkontrolujZastaveni() {
    if (!beh_.konec && zastavit_.load()) {
        Chyba = true;
        Preruseno = true;
        Ukoncit();
    }
}

void StahovaniKatalogu::Dokonci() {
    // On the disk before the window renames it over the catalogue.
    if (!Chyba && !soubor_->flush()) {
        ChybaZapisu = PopisChybySouboru(*soubor_);
        Chyba = true;
    } else if (!Chyba && ::fdatasync(soubor_->handle()) != 0) {
        ChybaZapisu = PopisChybySystemu(errno);
        Chyba = true;
    }
    emit Prubeh(Prijato, beh_.celkem, beh_.startCas.elapsed());
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
