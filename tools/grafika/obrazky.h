// Registry of the pictures that the generator paints. Each source file of the
// generator registers its pictures with a static KresbaRegistrace object, so adding a
// file to this folder is all it takes to add pictures.
#pragma once

#include <QPainter>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

namespace grafika {

using Kresba = std::function<void(QPainter&, const QSize&)>;

struct Obrazek {
    QString soubor; // path relative to the data folder, e.g. "grafika/znacky/P1.png"
    QSize velikost; // pixel size of the PNG
    bool pruhledny; // transparent background (marks), otherwise white
    Kresba kresli;
};

std::vector<Obrazek>& registr();

struct KresbaRegistrace {
    KresbaRegistrace(const QString& soubor, QSize velikost, Kresba kresli, bool pruhledny = false) {
        registr().push_back({soubor, velikost, pruhledny, std::move(kresli)});
    }
};

} // namespace grafika
