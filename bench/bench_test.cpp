// Assembling a point test, and appending to, listing and deleting from a Protokoly.xml
// of 10 000 records.
//   build/bench/bench_test [--benchmark_repetitions=5]
#include "core/XML_protokoly.h"
#include "core/pomocne_fce.h"
#include "core/sestava_testu.h"
#include "tests/podpora/generator_katalogu.h"
#include "tests/podpora/pracovni_slozka.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <benchmark/benchmark.h>

namespace {

constexpr int kZaznamu = 10000;
constexpr int kProfilu = 20;

// The shipped catalogue when the data folder is given, else a generated one.
QString katalog() {
    const QString data = qEnvironmentVariable("KOLOMAT_DATA");
    if (!data.isEmpty() && QFileInfo::exists(data + QStringLiteral("/otazky.xml")))
        return data + QStringLiteral("/otazky.xml");
    ZapisKatalog(QStringLiteral("otazky.xml"));
    return QStringLiteral("otazky.xml");
}

TProtokol protokol(int i) {
    QStringList body, odpovedi, spravne, cisla;
    for (int p = 0; p < kPolozekSeznamu; ++p) {
        body << QStringLiteral("2");
        odpovedi << (p % 7 ? QStringLiteral("A") : QString());
        spravne << QStringLiteral("B");
        cisla << QString::number(1 + (i + p * 31) % 802);
    }
    return {QStringLiteral("Profil %1").arg(i % kProfilu),
            QDateTime(QDate(2026, 1, 1), QTime(8, 0)).addSecs(i * 60),
            QStringLiteral("B"),
            QStringLiteral("21:13"),
            20,
            40,
            43,
            QStringLiteral("Neprošel"),
            SpojSeznam(body),
            SpojSeznam(odpovedi),
            SpojSeznam(spravne),
            SpojSeznam(cisla)};
}

// Protokoly.xml with 10 000 records of 20 interleaved profiles, written in one save.
void zapisProtokoly() {
    TXMLProtokolyType koren = NoveProtokoly();
    for (int i = 0; i < kZaznamu; ++i) {
        const TProtokol p = protokol(i);
        TXMLProtokolType z = koren.Add();
        ZapisProtokol(z, p);
    }
    koren.Uloz();
}

void SestavitTest(benchmark::State& stav) {
    PracovniSlozka slozka;
    TOtazka databaze(katalog());
    std::uint32_t seed = 1;
    nahoda::NastavHodiny([&seed] { return seed++; });
    for (auto _ : stav)
        benchmark::DoNotOptimize(SestavTest(databaze, QStringLiteral("T")));
    nahoda::NastavHodiny({});
}
BENCHMARK(SestavitTest)->Unit(benchmark::kMicrosecond);

// What opening the test window costs: its own database, then the draw.
void OtevritDatabaziASestavit(benchmark::State& stav) {
    PracovniSlozka slozka;
    const QString soubor = katalog();
    for (auto _ : stav) {
        TOtazka databaze(soubor);
        benchmark::DoNotOptimize(SestavTest(databaze, QStringLiteral("B")));
    }
}
BENCHMARK(OtevritDatabaziASestavit)->Unit(benchmark::kMillisecond);

void PridatKDesetiTisicum(benchmark::State& stav) {
    PracovniSlozka slozka;
    zapisProtokoly();
    const TProtokol p = protokol(kZaznamu);
    for (auto _ : stav)
        PridatProtokol(p);
    stav.counters["bajtu"] = static_cast<double>(QFileInfo(kSouborProtokolu).size());
}
BENCHMARK(PridatKDesetiTisicum)->Unit(benchmark::kMillisecond);

void VypsatProfilZDesetiTisic(benchmark::State& stav) {
    PracovniSlozka slozka;
    zapisProtokoly();
    for (auto _ : stav) {
        const TXMLProtokolyType koren = NacistProtokoly();
        const auto zaznamy = ProtokolyProfilu(koren, QStringLiteral("Profil 7"));
        benchmark::DoNotOptimize(zaznamy.size());
    }
}
BENCHMARK(VypsatProfilZDesetiTisic)->Unit(benchmark::kMillisecond);

// Deleting one record of an open document: the copy written first, then the removal.
void SmazatJedenZDesetiTisic(benchmark::State& stav) {
    PracovniSlozka slozka;
    zapisProtokoly();
    TXMLProtokolyType koren = NacistProtokoly();
    for (auto _ : stav) {
        const auto zaznamy = ProtokolyProfilu(koren, QStringLiteral("Profil 7"));
        SmazatProtokol(koren, zaznamy.at(zaznamy.size() / 2));
    }
}
BENCHMARK(SmazatJedenZDesetiTisic)->Unit(benchmark::kMillisecond)->Iterations(100);

// "Vymaž vše" for one profile's 500 records among 10 000.
void SmazatProfilZDesetiTisic(benchmark::State& stav) {
    PracovniSlozka slozka;
    for (auto _ : stav) {
        stav.PauseTiming();
        zapisProtokoly();
        TXMLProtokolyType koren = NacistProtokoly();
        const auto zaznamy = ProtokolyProfilu(koren, QStringLiteral("Profil 7"));
        stav.ResumeTiming();
        SmazatProtokoly(koren, zaznamy);
    }
}
BENCHMARK(SmazatProfilZDesetiTisic)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication aplikace(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
