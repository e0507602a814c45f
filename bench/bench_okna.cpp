// Opening every mode and window of the program, from its menu command to the end of its
// first painted frame, on the shipped catalogue in a scratch folder (offscreen).
//   build/bench/bench_okna --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
// Modes that go on in the main window report the steps after the first as counters (ms).
#include "app/about.h"
#include "app/history.h"
#include "app/kolomat_aplikace.h"
#include "app/napoveda.h"
#include "bench/mereni_oken.h"
#include "bench/program_na_datech.h"
#include "pointtest/protokolT.h"
#include "pointtest/test.h"
#include "pointtest/vysledkyT.h"
#include "profiles/nastaveni.h"
#include "profiles/profil_sprava.h"
#include "results/podrobnostiPZ.h"
#include "results/vysledkyPZ.h"
#include "update/aktualizace.h"
#include "views/dotaz_procvic_zk.h"
#include "views/vyhodnoceniPZ.h"

#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTextEdit>

#include <benchmark/benchmark.h>

namespace {

// Made in main, after the application object and before the first benchmark.
Program* aktualni = nullptr;

Program& program() {
    return *aktualni;
}

// One window opened by a menu command and closed as soon as it is painted.
template <class T> void Okno(benchmark::State& stav, QAction* THlavniFormular::*polozka) {
    THlavniFormular& okno = *program().okno;
    PrvniSnimek snimek(OknoTridy<T>());
    for (auto _ : stav) {
        snimek.Start(zavri);
        (okno.*polozka)->trigger();
        stav.SetIterationTime(snimek.Ms() / 1000);
    }
}

void SpravaProfilu(benchmark::State& stav) {
    THlavniFormular& okno = *program().okno;
    PrvniSnimek snimek(OknoTridy<TProfilSprava>());
    for (auto _ : stav) {
        snimek.Start(zavri);
        okno.Prihlasit();
        stav.SetIterationTime(snimek.Ms() / 1000);
    }
    PrihlasProfil(okno);
}
BENCHMARK(SpravaProfilu)->UseManualTime()->Unit(benchmark::kMillisecond);

void Prohlizeni(benchmark::State& stav) {
    THlavniFormular& okno = *program().okno;
    PrvniSnimek snimek(OknoTridy<THlavniFormular>());
    double dalsi = 0;
    for (auto _ : stav) {
        snimek.Start();
        okno.Prohletotzky1->trigger();
        stav.SetIterationTime(snimek.Ms() / 1000);
        // Moving on to the next question, as the learner does all the time.
        snimek.Start();
        okno.findChild<QSpinBox*>(QStringLiteral("seCislo"))->setValue(2);
        dalsi += snimek.Ms();
        okno.Konec_rezimu1->trigger();
    }
    stav.counters["dalsi_otazka_ms"] =
        benchmark::Counter(dalsi, benchmark::Counter::kAvgIterations);
}
BENCHMARK(Prohlizeni)->UseManualTime()->Unit(benchmark::kMillisecond);

// The options dialog, the start of a one-question run and, once it is answered right,
// its evaluation window, for practice or exam: the dialog is the benchmark's time, the
// two later steps are counters.
void ProcvicovaniZkouseni(benchmark::State& stav, bool zkouseni) {
    THlavniFormular& okno = *program().okno;
    PrvniSnimek dialog(OknoTridy<TDotazProcvicovaniZkouseni>());
    PrvniSnimek beh(OknoTridy<THlavniFormular>());
    PrvniSnimek vyhodnoceni(OknoTridy<TPZVyhodnoceni>());
    double start = 0, konec = 0;
    for (auto _ : stav) {
        dialog.Start([&beh](QWidget* w) {
            auto* d = static_cast<TDotazProcvicovaniZkouseni*>(w);
            d->cbPocetOtazek->setValue(1);
            beh.Start();
            d->btnStart->click();
        });
        (zkouseni ? okno.Zkouetotzky1 : okno.Procviovatotzky1)->trigger();
        stav.SetIterationTime(dialog.Ms() / 1000);
        start += beh.Ms();
        QTest::keyClick(okno.btn, SpravnaKlavesa(okno));
        QTest::keyClick(okno.btn, Qt::Key_Return);
        // Enter on an evaluated answer goes on: here to the end of the run.
        vyhodnoceni.Start(zavri);
        QTest::keyClick(okno.btn, Qt::Key_Return);
        konec += vyhodnoceni.Ms();
    }
    stav.counters["start_behu_ms"] = benchmark::Counter(start, benchmark::Counter::kAvgIterations);
    stav.counters["vyhodnoceni_ms"] = benchmark::Counter(konec, benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(ProcvicovaniZkouseni, Procvicovani, false)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ProcvicovaniZkouseni, Zkouseni, true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The point test: drawing and the window up to its first frame (the start message is
// answered at once); then answering all 25 and the review after the evaluation.
void TestNaBody(benchmark::State& stav) {
    THlavniFormular& okno = *program().okno;
    PrvniSnimek test(OknoTridy<TTestForm>());
    double revize = 0;
    for (auto _ : stav) {
        test.Start([&revize](QWidget* w) {
            auto* t = static_cast<TTestForm*>(w);
            for (int p = 1; p <= 25; ++p) {
                QTest::keyClick(t->mO, 'a');
                t->btnNasledujici->click();
            }
            QElapsedTimer hodiny;
            hodiny.start();
            t->btnVyhodnotit->click();
            t->repaint();
            revize += static_cast<double>(hodiny.nsecsElapsed()) / 1e6;
            t->btnUkoncit->click();
        });
        okno.Testnabody1->trigger();
        stav.SetIterationTime(test.Ms() / 1000);
    }
    stav.counters["vyhodnoceni_a_revize_ms"] =
        benchmark::Counter(revize, benchmark::Counter::kAvgIterations);
}
BENCHMARK(TestNaBody)->UseManualTime()->Unit(benchmark::kMillisecond);

// How many records the list window had to read.
double Zaznamu(const char* soubor, const char* zaznam) {
    return static_cast<double>(PracovniSlozka::precti(QString::fromLatin1(soubor)).count(zaznam));
}

// A window opened by a button of a list window: timed from the click to its first frame.
template <class Seznam, class Detail>
void ZeSeznamu(benchmark::State& stav, QAction* THlavniFormular::*polozka,
               QPushButton* Seznam::*tlacitko) {
    THlavniFormular& okno = *program().okno;
    PrvniSnimek seznam(OknoTridy<Seznam>());
    PrvniSnimek detail(OknoTridy<Detail>());
    double ms = 0;
    for (auto _ : stav) {
        seznam.Start([&](QWidget* w) {
            detail.Start(zavri);
            (static_cast<Seznam*>(w)->*tlacitko)->click();
            ms = detail.Ms();
            zavri(w);
        });
        (okno.*polozka)->trigger();
        seznam.Ms();
        stav.SetIterationTime(ms / 1000);
    }
}

// The results lists need records: the runs above have written them.

void VysledkyProcvicovani(benchmark::State& stav) {
    Okno<TPZVysledky>(stav, &THlavniFormular::Procviovn1);
    stav.counters["zaznamu"] = Zaznamu("Vysledky.xml", "<Vysledek>");
}
BENCHMARK(VysledkyProcvicovani)->UseManualTime()->Unit(benchmark::kMillisecond);

void PodrobnostiVysledku(benchmark::State& stav) {
    ZeSeznamu<TPZVysledky, TPZPodrobnosti>(stav, &THlavniFormular::Procviovn1,
                                           &TPZVysledky::btnPodrobnosti);
}
BENCHMARK(PodrobnostiVysledku)->UseManualTime()->Unit(benchmark::kMillisecond);

void VysledkyTestu(benchmark::State& stav) {
    Okno<TTVysledky>(stav, &THlavniFormular::Vsledkytestunabody1);
    stav.counters["zaznamu"] = Zaznamu("Protokoly.xml", "<Protokol>");
}
BENCHMARK(VysledkyTestu)->UseManualTime()->Unit(benchmark::kMillisecond);

void ProtokolTestu(benchmark::State& stav) {
    ZeSeznamu<TTVysledky, TTProtokol>(stav, &THlavniFormular::Vsledkytestunabody1,
                                      &TTVysledky::btnProtokol);
}
BENCHMARK(ProtokolTestu)->UseManualTime()->Unit(benchmark::kMillisecond);

void Nastaveni(benchmark::State& stav) {
    Okno<TSetup>(stav, &THlavniFormular::Nastaven1);
}
BENCHMARK(Nastaveni)->UseManualTime()->Unit(benchmark::kMillisecond);

void Aktualizace(benchmark::State& stav) {
    Okno<Tupdate>(stav, &THlavniFormular::Provstaktualizaci1);
}
BENCHMARK(Aktualizace)->UseManualTime()->Unit(benchmark::kMillisecond);

void OProgramu(benchmark::State& stav) {
    Okno<TOProgramu>(stav, &THlavniFormular::Informaceoprogramu1);
}
BENCHMARK(OProgramu)->UseManualTime()->Unit(benchmark::kMillisecond);

void Historie(benchmark::State& stav) {
    Okno<THistorie>(stav, &THlavniFormular::Historieopravaaktualizac1);
}
BENCHMARK(Historie)->UseManualTime()->Unit(benchmark::kMillisecond);

void Napoveda(benchmark::State& stav) {
    Okno<TNapovedaForm>(stav, &THlavniFormular::Npovda1);
}
BENCHMARK(Napoveda)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    KolomatAplikace aplikace(argc, argv);
    benchmark::Initialize(&argc, argv);
    Program p;
    aktualni = &p;
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
