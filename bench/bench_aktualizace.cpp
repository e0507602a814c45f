// Downloading a 100 MB file from a local http.server through the update window (HEAD
// check, worker thread, 4096-byte reads into otazky.temp, progress shown) against
// `curl -o` of the same file, in one run; and how long the interface thread is blocked
// at most while the update runs.
//   build/bench/bench_aktualizace [--benchmark_repetitions=3]
// Counters: curl_s and kolomat_s (time to the end of the download: for the update, from
// opening the window until the status line reads "Stahování dokončeno...", so the HEAD
// check and the sync to disk are included), pomer (kolomat / curl), blok_max_ms (the
// longest gap between 1 ms interface-thread ticks from opening the window to the final
// message), konec_ms (from the end of the download to the final message: the catalogue
// check of the 100 MB file, which is no catalogue, so the old one stays and the next
// iteration downloads again).
#include "tests/podpora/generator_katalogu.h"
#include "tests/podpora/http_server.h"
#include "tests/podpora/pracovni_slozka.h"
#include "update/aktualizace.h"
#include "widgets/zpravy.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <optional>

namespace {

constexpr qint64 kVelikost = 100LL * 1024 * 1024;

struct Prostredi {
    PracovniSlozka slozka;
    std::optional<HttpServerPython> server;
    QUrl soubor;
};

// The served 100 MB file (random bytes: no catalogue) and an older local catalogue.
void Priprav(Prostredi& p) {
    const QString cesta = p.slozka.cesta(QStringLiteral("web/kolomat/files/otazky.xml"));
    PracovniSlozka::zapis(cesta, {});
    QFile f(cesta);
    if (f.open(QIODevice::WriteOnly)) {
        QByteArray blok(1024 * 1024, Qt::Uninitialized);
        for (qint64 i = 0; i < kVelikost / blok.size(); ++i) {
            QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(blok.data()),
                                                  blok.size() / 4);
            f.write(blok);
        }
    }
    f.close();
    NastavCasSouboru(cesta, QDateTime(QDate(2026, 6, 1), QTime(10, 0)));
    ZapisKatalog(QStringLiteral("otazky.xml"));
    NastavCasSouboru(QStringLiteral("otazky.xml"), QDateTime(QDate(2026, 1, 1), QTime(8, 0)));
    p.server.emplace(p.slozka.cesta(QStringLiteral("web")));
    p.soubor = Tupdate::AdresaKatalogu(p.server->adresa());
}

Prostredi& prostredi() {
    static Prostredi p;
    if (!p.server)
        Priprav(p);
    return p;
}

double Curl(const QUrl& soubor) {
    QElapsedTimer hodiny;
    hodiny.start();
    QProcess curl;
    curl.start(QStringLiteral("curl"), {QStringLiteral("-s"), QStringLiteral("-o"),
                                        QStringLiteral("curl.out"), soubor.toString()});
    curl.waitForFinished(-1);
    const double sekund = hodiny.nsecsElapsed() / 1e9;
    if (curl.exitCode() != 0 || QFileInfo(QStringLiteral("curl.out")).size() != kVelikost)
        return -1;
    QFile::remove(QStringLiteral("curl.out"));
    return sekund;
}

struct Mereni {
    double sekund = -1; // from opening the window to the end of the download
    double blokMs = 0;  // longest interface-thread gap up to the final message
    double konecMs = 0; // from the end of the download to the final message
    QString prijato;    // what the window showed as received at the end
};

Mereni Aktualizace(const QUrl& server) {
    Mereni m;
    QElapsedTimer hodiny;
    QPointer<Tupdate> okno;
    qint64 posledniTik = 0;
    qint64 konecStahovani = -1;
    bool ohlaseno = false;
    auto tikni = [&] {
        const qint64 ted = hodiny.nsecsElapsed();
        if (!ohlaseno)
            m.blokMs = std::max(m.blokMs, (ted - posledniTik) / 1e6);
        if (okno && konecStahovani < 0 &&
            okno->lbServer->text() == QStringLiteral("Stahování dokončeno..."))
            konecStahovani = ted;
        posledniTik = ted;
    };
    zpravy::nastavOdpovidac([&](zpravy::Druh, const QString&) {
        tikni();
        ohlaseno = true;
        if (okno)
            m.prijato = okno->lbPrijato->text();
        m.konecMs = (hodiny.nsecsElapsed() - konecStahovani) / 1e6;
        return true;
    });

    QTimer tik;
    tik.setTimerType(Qt::PreciseTimer);
    tik.setInterval(1);
    QObject::connect(&tik, &QTimer::timeout, tikni);

    hodiny.start();
    tik.start();
    okno = new Tupdate(nullptr, server);
    QEventLoop smycka;
    QObject::connect(okno.data(), &QObject::destroyed, &smycka, &QEventLoop::quit);
    smycka.exec();
    tik.stop();
    zpravy::nastavOdpovidac({});
    m.sekund = konecStahovani < 0 ? -1 : konecStahovani / 1e9;
    return m;
}

void Stahovani100MB(benchmark::State& stav) {
    Prostredi& p = prostredi();
    if (!p.server->bezi()) {
        stav.SkipWithError("http.server did not start");
        return;
    }
    Curl(p.soubor); // the file into the page cache
    double curlCelkem = 0, kolomatCelkem = 0, blokMax = 0, konecMax = 0;
    for (auto _ : stav) {
        const double curl = Curl(p.soubor);
        const Mereni m = Aktualizace(p.server->adresa());
        if (curl < 0 || m.sekund < 0 || m.prijato != QStringLiteral("100,00 MB")) {
            stav.SkipWithError("a download did not complete");
            return;
        }
        stav.SetIterationTime(m.sekund);
        curlCelkem += curl;
        kolomatCelkem += m.sekund;
        blokMax = std::max(blokMax, m.blokMs);
        konecMax = std::max(konecMax, m.konecMs);
    }
    const double n = static_cast<double>(stav.iterations());
    stav.counters["curl_s"] = curlCelkem / n;
    stav.counters["kolomat_s"] = kolomatCelkem / n;
    stav.counters["pomer"] = kolomatCelkem / curlCelkem;
    stav.counters["blok_max_ms"] = blokMax;
    stav.counters["konec_ms"] = konecMax;
    stav.SetBytesProcessed(static_cast<int64_t>(stav.iterations()) * kVelikost);
}
BENCHMARK(Stahovani100MB)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikace(argc, argv);
    // Sizes in the Czech form, as a learner sees them.
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    prostredi().server.reset();
    return 0;
}
