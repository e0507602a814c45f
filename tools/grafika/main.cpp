// Paints every registered picture into the given data folder:
//   kolomat_grafika <data folder> [name filter]
// The output is deterministic, so regenerating the committed PNG files is a no-op
// unless a drawing changed.
#include "obrazky.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: kolomat_grafika <data folder> [name filter]\n");
        return 2;
    }
    const QDir cil(QString::fromLocal8Bit(argv[1]));
    const QString filtr = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();

    auto obrazky = grafika::registr();
    std::sort(obrazky.begin(), obrazky.end(),
              [](const auto& a, const auto& b) { return a.soubor < b.soubor; });
    int chyby = 0;
    int hotovo = 0;
    for (const auto& o : obrazky) {
        if (!filtr.isEmpty() && !o.soubor.contains(filtr))
            continue;
        // Every picture the program shows also at twice its size, name@2x.png, for
        // high-density screens and the enlarged view: the same drawing, scaled. The icon
        // has its own sizes.
        const int meritek = o.soubor.startsWith(QStringLiteral("grafika/")) ? 2 : 1;
        for (int meritko = 1; meritko <= meritek; ++meritko) {
            QImage obraz(o.velikost * meritko, QImage::Format_ARGB32);
            obraz.fill(o.pruhledny ? Qt::transparent : Qt::white);
            {
                QPainter p(&obraz);
                p.setRenderHint(QPainter::Antialiasing);
                p.setRenderHint(QPainter::TextAntialiasing);
                p.scale(meritko, meritko);
                o.kresli(p, o.velikost);
            }
            QString cesta = cil.filePath(o.soubor);
            if (meritko == 2)
                cesta.insert(cesta.lastIndexOf(u'.'), QStringLiteral("@2x"));
            QDir().mkpath(QFileInfo(cesta).path());
            if (!obraz.save(cesta, "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(cesta));
                ++chyby;
            } else {
                ++hotovo;
            }
        }
    }
    std::printf("%d pictures written, %d failed\n", hotovo, chyby);
    return chyby == 0 ? 0 : 1;
}
