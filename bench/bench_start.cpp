// Start-up: from the start of main to the first painted frame of the profile manager,
// each time in a fresh process (the same start as the program's: application object,
// main window, profiles file read, manager shown), on the shipped catalogue.
//   build/bench/bench_start --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
// The counter proces_ms is the whole child process seen from outside (loading the
// libraries, start-up, closing down).
#include "app/kolomat_aplikace.h"
#include "app/main.h"
#include "bench/mereni_oken.h"
#include "profiles/profil_sprava.h"
#include "profiles/profil_trida.h"
#include "tests/podpora/pracovni_slozka.h"
#include "widgets/zpravy.h"

#include <QDialog>
#include <QProcess>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kJednou = "--jednou";

// The child: one start, its figure in ms on stdout.
int JedenStart(int argc, char** argv, const QElapsedTimer& odZacatku) {
    KolomatAplikace aplikace(argc, argv);
    // Leaving the manager asks whether to end the program: yes.
    zpravy::nastavOdpovidac([](zpravy::Druh, const QString&) { return true; });
    THlavniFormular okno;
    PrvniSnimek snimek(OknoTridy<TProfilSprava>());
    double ms = -1;
    snimek.Start([&](QWidget* sprava) {
        ms = static_cast<double>(odZacatku.nsecsElapsed()) / 1e6;
        static_cast<QDialog*>(sprava)->done(QDialog::Rejected);
    });
    okno.FormCreate();
    std::printf("%.3f\n", ms);
    return ms < 0 ? 1 : 0;
}

void Start(benchmark::State& stav) {
    PracovniSlozka slozka;
    QFile::copy(QStringLiteral(KOLOMAT_DATA_DIR "/otazky.xml"), QStringLiteral("otazky.xml"));
    {
        // A few learners already there, as on a shared family computer.
        TProfil profil;
        profil.Otevrit();
        for (const char* jmeno : {"Jana", "Petr", "Eva", "Tomáš"})
            profil.Vytvor(QString::fromUtf8(jmeno), QString());
    }
    double proces = 0;
    for (auto _ : stav) {
        QProcess dite;
        QElapsedTimer hodiny;
        hodiny.start();
        dite.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kJednou)});
        if (!dite.waitForFinished(30000) || dite.exitCode() != 0) {
            stav.SkipWithError("the child did not show the profile manager");
            return;
        }
        proces += static_cast<double>(hodiny.nsecsElapsed()) / 1e6;
        stav.SetIterationTime(dite.readAllStandardOutput().trimmed().toDouble() / 1000);
    }
    stav.counters["proces_ms"] = benchmark::Counter(proces, benchmark::Counter::kAvgIterations);
}
BENCHMARK(Start)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer odZacatku;
    odZacatku.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 2 && std::strcmp(argv[1], kJednou) == 0)
        return JedenStart(argc, argv, odZacatku);
    QCoreApplication aplikace(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
