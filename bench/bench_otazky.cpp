// Opening the question database and loading all its questions.
//   build/bench/bench_otazky [--benchmark_repetitions=5]
#include "core/XML_otazky.h"
#include "core/xml_dokument.h"
#include "tests/podpora/generator_katalogu.h"
#include "tests/podpora/pracovni_slozka.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <benchmark/benchmark.h>

namespace {

// The shipped catalogue when the data folder is given, else a generated one.
QString katalog() {
    const QString data = qEnvironmentVariable("KOLOMAT_DATA");
    if (!data.isEmpty() && QFileInfo::exists(data + QStringLiteral("/otazky.xml")))
        return data + QStringLiteral("/otazky.xml");
    ZapisKatalog(QStringLiteral("otazky.xml"));
    return QStringLiteral("otazky.xml");
}

void OtevritKatalog(benchmark::State& stav) {
    PracovniSlozka slozka;
    const QString soubor = katalog();
    for (auto _ : stav) {
        TOtazka databaze(soubor);
        benchmark::DoNotOptimize(databaze.Dokument().Count());
    }
    const auto velikost = QFileInfo(soubor).size();
    stav.SetBytesProcessed(stav.iterations() * velikost);
}
BENCHMARK(OtevritKatalog)->Unit(benchmark::kMillisecond);

// The bytes already in memory: encoding check and XML parse only.
void ParsovatKatalog(benchmark::State& stav) {
    PracovniSlozka slozka;
    const QString soubor = katalog();
    const QByteArray data = PracovniSlozka::precti(soubor);
    for (auto _ : stav)
        benchmark::DoNotOptimize(XmlDokument::zBajtu(data, soubor, "otazky"));
    stav.SetBytesProcessed(stav.iterations() * data.size());
}
BENCHMARK(ParsovatKatalog)->Unit(benchmark::kMillisecond);

void NactiVsech802(benchmark::State& stav) {
    PracovniSlozka slozka;
    TOtazka databaze(katalog());
    for (auto _ : stav) {
        for (int cislo = 1; cislo <= 802; ++cislo)
            benchmark::DoNotOptimize(databaze.Nacti(cislo));
    }
}
BENCHMARK(NactiVsech802)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication aplikace(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
