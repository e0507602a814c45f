// The answer history: logging one answer as a run does (its own transaction, synced to
// the disk), and choosing the questions of "Procvičovat chybné otázky" on a history of
// 100 000 answers of 50 profiles (2 000 each): the history's choice, the shipped catalogue
// read and the run kept to the questions the group may practise, as the menu item does.
//   build/bench/bench_historie [--benchmark_repetitions=5]
#include "core/XML_otazky.h"
#include "core/historie.h"
#include "core/procvicovani_chyb.h"
#include "tests/podpora/pracovni_slozka.h"

#include <QCoreApplication>
#include <QFile>

#include <benchmark/benchmark.h>

namespace {

constexpr int kProfilu = 50;
constexpr int kOdpovediProfilu = 2000;

QString profil(int i) {
    return QStringLiteral("Profil %1").arg(i);
}

// Answer k of a profile: questions spread over the catalogue, one in four wrong, the
// times a minute apart.
ZaznamOdpovedi odpoved(int p, int k) {
    return {profil(p),
            QDateTime(QDate(2026, 1, 1), QTime(8, 0)).addSecs(60L * k),
            k % 3 ? kRezimProcvicovani : kRezimTest,
            (k * 37 + p) % 802 + 1,
            QStringLiteral("KM010001"),
            QStringLiteral("B"),
            k % 4 != 0,
            false};
}

// 2 000 answers of each of the 50 profiles.
void naplnHistorii(HistorieOdpovedi& historie) {
    for (int p = 0; p < kProfilu; ++p) {
        std::vector<ZaznamOdpovedi> odpovedi;
        for (int k = 0; k < kOdpovediProfilu; ++k)
            odpovedi.push_back(odpoved(p, k));
        historie.Zapsat(odpovedi);
    }
}

void ZapsatOdpoved(benchmark::State& stav) {
    PracovniSlozka slozka;
    HistorieOdpovedi historie;
    if (!historie.Otevrit().isEmpty()) {
        stav.SkipWithError("the history cannot be opened");
        return;
    }
    int k = 0;
    for (auto _ : stav) {
        const QString chyba = historie.Zapsat(odpoved(0, k++));
        if (!chyba.isEmpty())
            stav.SkipWithError(qPrintable(chyba));
    }
}
BENCHMARK(ZapsatOdpoved)->Unit(benchmark::kMillisecond);

void VybratChybne(benchmark::State& stav) {
    PracovniSlozka slozka;
    if (!QFile::copy(QStringLiteral(KOLOMAT_DATA_DIR "/otazky.xml"),
                     QStringLiteral("otazky.xml"))) {
        stav.SkipWithError("the shipped catalogue is missing");
        return;
    }
    HistorieOdpovedi historie;
    if (!historie.Otevrit().isEmpty()) {
        stav.SkipWithError("the history cannot be opened");
        return;
    }
    naplnHistorii(historie);
    size_t vybrano = 0;
    for (auto _ : stav) {
        const std::vector<int> chybne = historie.ChybneOtazky(profil(kProfilu / 2));
        const TOtazka databaze;
        vybrano =
            OtazkyKProcviceni(databaze.Dokument(), chybne, QStringLiteral("B"), kVychoziPocetOtazek)
                .size();
    }
    stav.counters["vybrano"] = static_cast<double>(vybrano);
    stav.counters["kandidatu"] =
        static_cast<double>(historie.ChybneOtazky(profil(kProfilu / 2)).size());
}
BENCHMARK(VybratChybne)->Unit(benchmark::kMillisecond);

// The history's choice alone, without the catalogue.
void ChybneZHistorie(benchmark::State& stav) {
    PracovniSlozka slozka;
    HistorieOdpovedi historie;
    if (!historie.Otevrit().isEmpty()) {
        stav.SkipWithError("the history cannot be opened");
        return;
    }
    naplnHistorii(historie);
    for (auto _ : stav)
        benchmark::DoNotOptimize(historie.ChybneOtazky(profil(kProfilu / 2)).size());
}
BENCHMARK(ChybneZHistorie)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication aplikace(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
