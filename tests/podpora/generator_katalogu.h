// Writes question databases for the tests: 802 numbered questions with predictable
// texts, some removed, some with two answers, some with a picture.
#pragma once

#include <QMap>
#include <QSet>
#include <QSize>
#include <QString>

struct NastaveniKatalogu {
    int pocet = 802;
    QSet<int> vyrazene{5, 310, 460, 600, 650, 700, 790};
    QSet<int> dveOdpovedi{3, 320, 470};
    // Picture questions and the pixel size of their picture grafika/obr<N>.png.
    QMap<int, QSize> obrazky{{2, QSize(120, 30)}, {4, QSize(120, 400)}};
    QMap<int, QString> skupiny;       // default "ABCD"
    QMap<int, QString> textyOtazek;   // default "Otázka číslo N katalogu?"
    QMap<int, QString> textyOdpovedi; // answer A of question N (B and C stay default)
};

// The correct letter of question n in generated catalogues.
QString SpravnaOdpoved(int cislo, const NastaveniKatalogu& nastaveni = {});
QString KodOtazky(int cislo);

// Writes the catalogue as soubor (UTF-8) and its pictures under grafika/.
void ZapisKatalog(const QString& soubor = QStringLiteral("otazky.xml"),
                  const NastaveniKatalogu& nastaveni = {});
// Writes the six answer marks under grafika/.
void ZapisZnacky();
