#include "kolomat_aplikace.h"

#include "zpravy.h"

KolomatAplikace::KolomatAplikace(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Program Kolomat"));
}

bool KolomatAplikace::notify(QObject* prijemce, QEvent* udalost) {
    bool vysledek = false;
    const bool ok =
        zpravy::zachyt(activeWindow(), [&] { vysledek = QApplication::notify(prijemce, udalost); });
    return ok && vysledek;
}
