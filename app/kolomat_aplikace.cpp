#include "kolomat_aplikace.h"

#include "zpravy.h"

#include <QIcon>

KolomatAplikace::KolomatAplikace(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Program Kolomat"));
    // Ties the windows to the installed menu entry kolomat.desktop (its icon on Wayland).
    setDesktopFileName(QStringLiteral("kolomat"));
    QIcon ikona;
    for (const int velikost : {16, 32, 48, 64, 128, 256})
        ikona.addFile(QStringLiteral(":/ikona/kolomat_%1.png").arg(velikost),
                      QSize(velikost, velikost));
    setWindowIcon(ikona);
}

bool KolomatAplikace::notify(QObject* prijemce, QEvent* udalost) {
    bool vysledek = false;
    const bool ok =
        zpravy::zachyt(activeWindow(), [&] { vysledek = QApplication::notify(prijemce, udalost); });
    return ok && vysledek;
}
