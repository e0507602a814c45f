#include "app/kolomat_aplikace.h"

#include "widgets/zpravy.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QIcon>

KolomatAplikace::KolomatAplikace(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Program Kolomat"));
    // Ties the windows to the installed menu entry kolomat.desktop (its icon on Wayland).
    setDesktopFileName(QStringLiteral("kolomat"));
    // Every size the build linked in; each picture's own size tells the icon which it is.
    QIcon ikona;
    for (const QFileInfo& obrazek : QDir(QStringLiteral(":/ikona")).entryInfoList(QDir::Files))
        ikona.addFile(obrazek.filePath());
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
