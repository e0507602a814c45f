// The child of the crash test (test_odolnost_ukladani): in the current folder it appends
// results and protocols, creates profiles and saves the logged-in profile's settings, in
// a loop, and reports on stdout every save that has returned, so that the test can kill
// it at any moment and know what the files must hold.
//
//   zapisovac_ukladani <rounds>
//
// Prints "start V P F U" (the records found: results, protocols, profiles created after
// the logged-in one, its font size), then after each completed save one of "V n",
// "P n", "F n", "U n", and "hotovo" after the last round; then waits for stdin to close.
#include "core/XML_protokoly.h"
#include "core/XML_vysledky.h"
#include "core/chyba.h"
#include "core/pomocne_fce.h"
#include "core/uloziste_profilu.h"
#include "tests/odolnost_zaznamy.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

void hlas(const char* co, int n) {
    std::printf("%s %d\n", co, n);
    // Flushed at once: a line in the pipe is a save the test may count on.
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication aplikace(argc, argv);
    const int kol = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 0;
    try {
        int v = SouborNaDisku(kSouborVysledku) ? NacistVysledky().Count() : 0;
        int p = SouborNaDisku(kSouborProtokolu) ? NacistProtokoly().Count() : 0;
        UlozisteProfilu profil;
        profil.Otevrit();
        if (!profil.Nacti(kProfilOdolnosti))
            throw KolomatChyba(QStringLiteral("Profil \"%1\" chybí.").arg(kProfilOdolnosti));
        int f = static_cast<int>(profil.Nazvy().size()) - 1;
        int u = profil.Pismo_velikost;
        std::printf("start %d %d %d %d\n", v, p, f, u);
        std::fflush(stdout);

        for (int i = 0; i < kol; ++i) {
            PridatVysledek(VysledekCislo(v + 1));
            hlas("V", ++v);
            PridatProtokol(ProtokolCislo(p + 1));
            hlas("P", ++p);
            profil.Vytvor(NazevProfilu(f + 1), HesloProfilu(f + 1));
            hlas("F", ++f);
            profil.Pismo_velikost = u + 1;
            profil.Uloz();
            hlas("U", ++u);
        }
    } catch (const KolomatChyba& e) {
        std::fprintf(stderr, "chyba: %s\n", e.text().toLocal8Bit().constData());
        return 2;
    }
    std::puts("hotovo");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}
