// The readiness estimate and the statistics window: the chance to pass from 10 000 drawn
// tests on the shipped catalogue for a learner with 100 000 answers, and opening
// "Statistika učení" on that history with 300 protocols in Protokoly.xml, until the
// window is painted.
//   build/bench/bench_statistika [--benchmark_repetitions=5]
#include "core/XML_otazky.h"
#include "core/XML_protokoly.h"
#include "core/historie.h"
#include "core/pripravenost.h"
#include "stats/statistika_okno.h"
#include "tests/podpora/pracovni_slozka.h"
#include "tests/podpora/protokol_testu.h"

#include <QApplication>
#include <QFile>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

const QString kProfil = QStringLiteral("Jana");
constexpr int kOdpovedi = 100000;
constexpr int kProtokolu = 300;

// The shipped catalogue, 100 000 answers of the learner (questions spread over the
// catalogue, one in four wrong, a minute apart) and 300 of her tests.
struct Data {
    PracovniSlozka slozka;
    HistorieOdpovedi historie;
    bool pripraveno = false;

    Data() {
        if (!QFile::copy(QStringLiteral(KOLOMAT_DATA_DIR "/otazky.xml"),
                         QStringLiteral("otazky.xml")) ||
            !historie.Otevrit().isEmpty())
            return;
        std::vector<ZaznamOdpovedi> odpovedi;
        for (int k = 0; k < kOdpovedi; ++k)
            odpovedi.push_back({kProfil, QDateTime(QDate(2026, 1, 1), QTime(8, 0)).addSecs(60L * k),
                                kRezimProcvicovani, (k * 37) % 802 + 1, QStringLiteral("KM010001"),
                                QStringLiteral("A"), k % 4 != 0, false});
        if (!historie.Zapsat(odpovedi).isEmpty())
            return;
        for (int i = 0; i < kProtokolu; ++i)
            PridatProtokol(ProtokolSBody(
                kProfil, QDateTime(QDate(2026, 1, 1), QTime(9, 0)).addDays(i), 30 + i % 21));
        pripraveno = true;
    }
};

Data& data() {
    static Data d;
    return d;
}

void OdhadSlozeni(benchmark::State& stav) {
    if (!data().pripraveno) {
        stav.SkipWithError("the data could not be prepared");
        return;
    }
    const TOtazka katalog;
    const ModelZnalosti model(katalog.Dokument(), QStringLiteral("B"),
                              data().historie.OdpovediProfilu(kProfil));
    double sance = 0;
    for (auto _ : stav)
        sance = OdhadniSlozeni(model).Sance;
    stav.counters["sance_pct"] = sance * 100;
}
BENCHMARK(OdhadSlozeni)->Unit(benchmark::kMillisecond);

// The parts of the opening: the learner's answers from the history, and the catalogue.
void OdpovediZHistorie(benchmark::State& stav) {
    if (!data().pripraveno) {
        stav.SkipWithError("the data could not be prepared");
        return;
    }
    for (auto _ : stav)
        benchmark::DoNotOptimize(data().historie.OdpovediProfilu(kProfil).size());
}
BENCHMARK(OdpovediZHistorie)->Unit(benchmark::kMillisecond);

void NacistKatalog(benchmark::State& stav) {
    if (!data().pripraveno) {
        stav.SkipWithError("the data could not be prepared");
        return;
    }
    for (auto _ : stav) {
        const TOtazka katalog;
        benchmark::DoNotOptimize(katalog.Dokument().Count());
    }
}
BENCHMARK(NacistKatalog)->Unit(benchmark::kMillisecond);

void OtevritStatistiku(benchmark::State& stav) {
    if (!data().pripraveno) {
        stav.SkipWithError("the data could not be prepared");
        return;
    }
    TInfo info;
    info.Nazev = kProfil;
    info.Historie = &data().historie;
    for (auto _ : stav) {
        auto okno = std::make_unique<TStatistika>(nullptr, info);
        okno->FormCreate();
        okno->show();
        okno->repaint();
        QApplication::processEvents();
        stav.PauseTiming();
        okno.reset();
        QApplication::processEvents();
        stav.ResumeTiming();
    }
}
BENCHMARK(OtevritStatistiku)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikace(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
