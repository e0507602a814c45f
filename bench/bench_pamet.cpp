// Peak memory of a typical session on the shipped catalogue: log in, browse all 802
// questions, practise 20 until done, sit a point test and read its review, open the
// test results and the protocol. Prints the peak resident set size at the end.
//   /usr/bin/time -v build/bench/bench_pamet   ("Maximum resident set size")
#include "app/kolomat_aplikace.h"
#include "bench/mereni_oken.h"
#include "bench/program_na_datech.h"
#include "pointtest/protokolT.h"
#include "pointtest/test.h"
#include "pointtest/vysledkyT.h"
#include "views/dotaz_procvic_zk.h"
#include "views/vyhodnoceniPZ.h"

#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTextEdit>

#include <sys/resource.h>

#include <cstdio>

namespace {

void Prohlizeni(THlavniFormular& okno) {
    okno.Prohletotzky1->trigger();
    auto* cislo = okno.findChild<QSpinBox*>(QStringLiteral("seCislo"));
    for (int i = 1; i <= 802; ++i) {
        cislo->setValue(i);
        QCoreApplication::processEvents();
    }
    okno.Konec_rezimu1->trigger();
}

void Procvicovani(THlavniFormular& okno) {
    PrvniSnimek dialog(OknoTridy<TDotazProcvicovaniZkouseni>());
    dialog.Start([](QWidget* w) {
        auto* d = static_cast<TDotazProcvicovaniZkouseni*>(w);
        d->cbPocetOtazek->setValue(20);
        d->btnStart->click();
    });
    okno.Procviovatotzky1->trigger();
    dialog.Ms();
    PrvniSnimek vyhodnoceni(OknoTridy<TPZVyhodnoceni>());
    for (int krok = 0; krok < 100 && okno.Stav() == THlavniFormular::StavMenu::Procvicovani;
         ++krok) {
        QCoreApplication::processEvents();
        QTest::keyClick(okno.btn, SpravnaKlavesa(okno));
        QTest::keyClick(okno.btn, Qt::Key_Return);
        QCoreApplication::processEvents();
        vyhodnoceni.Start(zavri);
        QTest::keyClick(okno.btn, Qt::Key_Return);
    }
    if (okno.Stav() != THlavniFormular::StavMenu::Necinny)
        throw std::runtime_error("the practice run did not end");
    vyhodnoceni.Ms();
}

void TestNaBody(THlavniFormular& okno) {
    PrvniSnimek test(OknoTridy<TTestForm>());
    test.Start([](QWidget* w) {
        auto* t = static_cast<TTestForm*>(w);
        for (int p = 1; p <= 25; ++p) {
            QTest::keyClick(t->mO, 'a');
            t->btnNasledujici->click();
            QCoreApplication::processEvents();
        }
        t->btnVyhodnotit->click();
        for (int p = 1; p < 25; ++p) {
            t->btnNasledujici->click();
            QCoreApplication::processEvents();
        }
        t->btnUkoncit->click();
    });
    okno.Testnabody1->trigger();
    test.Ms();
}

void ProtokolTestu(THlavniFormular& okno) {
    PrvniSnimek seznam(OknoTridy<TTVysledky>());
    PrvniSnimek protokol(OknoTridy<TTProtokol>());
    seznam.Start([&](QWidget* w) {
        protokol.Start(zavri);
        static_cast<TTVysledky*>(w)->btnProtokol->click();
        protokol.Ms();
        zavri(w);
    });
    okno.Vsledkytestunabody1->trigger();
    seznam.Ms();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    KolomatAplikace aplikace(argc, argv);
    try {
        Program program;
        THlavniFormular& okno = *program.okno;
        Prohlizeni(okno);
        Procvicovani(okno);
        TestNaBody(okno);
        ProtokolTestu(okno);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_pamet: %s\n", e.what());
        return 1;
    }
    rusage vyuziti{};
    getrusage(RUSAGE_SELF, &vyuziti);
    std::printf("peak resident set size: %.1f MB\n", static_cast<double>(vyuziti.ru_maxrss) / 1024);
    return 0;
}
