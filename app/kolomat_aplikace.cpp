#include "kolomat_aplikace.h"

#include "zpravy.h"

#include <QFont>
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
    // The windows are laid out for the Windows fonts they name. Where those are missing,
    // their metric-compatible counterparts keep the texts inside their fixed places; a
    // generic fallback (DejaVu Sans) is wider and would cut them off.
    const QString sans[] = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")};
    const QString mono[] = {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine")};
    QFont::insertSubstitutions(QStringLiteral("MS Shell Dlg"), {sans[0], sans[1]});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {sans[0], sans[1]});
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {mono[0], mono[1]});
}

bool KolomatAplikace::notify(QObject* prijemce, QEvent* udalost) {
    bool vysledek = false;
    const bool ok =
        zpravy::zachyt(activeWindow(), [&] { vysledek = QApplication::notify(prijemce, udalost); });
    return ok && vysledek;
}
