// The results file at 10 000 records: appending one record (what the end of every
// practice or exam run does) and opening the list window on it.
//   build/bench/bench_vysledky [--benchmark_repetitions=5]
#include "core/XML_vysledky.h"
#include "core/pomocne_fce.h"
#include "results/vysledkyPZ.h"
#include "tests/podpora/pracovni_slozka.h"

#include <QApplication>
#include <QFileInfo>

#include <benchmark/benchmark.h>

namespace {

constexpr int kZaznamu = 10000;

TVysledek Zaznam(int i) {
    TVysledek v;
    v.TypTestu = i % 2 ? kTypZkouseni : kTypProcvicovani;
    v.Profil = QStringLiteral("Profil %1").arg(i % 4);
    v.Datum = QDate(2024, 1, 1).addDays(i % 365);
    v.Cas = QTime(8, 0).addSecs(i);
    v.Skupina = QStringLiteral("B");
    v.Kategorie = QStringLiteral("1111111");
    v.PocetOtazek = 20;
    v.Spatne = 3;
    v.SNapovedou = 1;
    v.SNapovedouCisla = SeznamCisel({17});
    v.Uspesnost = 83;
    v.SpatneCisla = SeznamCisel({4, 17, 250});
    return v;
}

// Writes Vysledky.xml with n records as the program writes them; with jedenProfil all
// are one profile's practice runs.
void ZapisSoubor(int n, bool jedenProfil) {
    QByteArray xml("<?xml version=\"1.0\"?>\n<Vysledky>");
    for (int i = 0; i < n; ++i) {
        const TVysledek v = Zaznam(jedenProfil ? 0 : i);
        xml += QStringLiteral("<Vysledek><TypTestu>%1</TypTestu><Profil>%2</Profil><Datum>%3"
                              "</Datum><Cas>%4</Cas><Skupina>%5</Skupina><Kategorie>%6"
                              "</Kategorie><PocetOtazek>%7</PocetOtazek><Spatne>%8</Spatne>"
                              "<SNapovedou>%9</SNapovedou>")
                   .arg(v.TypTestu, v.Profil, DatumNaText(v.Datum), CasDneNaText(v.Cas), v.Skupina,
                        v.Kategorie, QString::number(v.PocetOtazek), QString::number(v.Spatne),
                        QString::number(v.SNapovedou))
                   .toUtf8();
        xml += QStringLiteral("<SNapovedouCisla>%1</SNapovedouCisla><Uspesnost>%2</Uspesnost>"
                              "<SpatneCisla>%3</SpatneCisla></Vysledek>")
                   .arg(v.SNapovedouCisla, QString::number(v.Uspesnost), v.SpatneCisla)
                   .toUtf8();
    }
    xml += "</Vysledky>";
    PracovniSlozka::zapis(kSouborVysledku, xml);
}

void PridatJedenZaznam(benchmark::State& stav) {
    PracovniSlozka slozka;
    ZapisSoubor(kZaznamu, false);
    stav.counters["bajtu"] = static_cast<double>(QFileInfo(kSouborVysledku).size());
    int i = 0;
    for (auto _ : stav) {
        // The file grows by one record per iteration: under 1 % over the whole run.
        PridatVysledek(Zaznam(i++));
    }
}
BENCHMARK(PridatJedenZaznam)->Unit(benchmark::kMillisecond);

// Opening the list: reading the file, picking the profile's records, converting them
// and showing the window. Argument: how many of the 10 000 records are listed.
void OtevritSeznam(benchmark::State& stav) {
    PracovniSlozka slozka;
    const bool vse = stav.range(0) == kZaznamu;
    ZapisSoubor(kZaznamu, vse);
    for (auto _ : stav) {
        TPZVysledky okno(nullptr, QStringLiteral("Profil 0"), kVysledkyProcvicovani);
        okno.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(okno.Zaznamy().size());
    }
}
BENCHMARK(OtevritSeznam)->Arg(2500)->Arg(kZaznamu)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikace(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
