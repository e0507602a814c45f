#include "tests/podpora/pracovni_slozka.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

PracovniSlozka::PracovniSlozka() : predchozi_(QDir::currentPath()) {
    QDir::setCurrent(slozka_.path());
}

PracovniSlozka::~PracovniSlozka() {
    QDir::setCurrent(predchozi_);
}

QString PracovniSlozka::cesta(const QString& soubor) const {
    return soubor.isEmpty() ? slozka_.path() : slozka_.filePath(soubor);
}

void PracovniSlozka::zapis(const QString& soubor, const QByteArray& obsah) {
    QDir().mkpath(QFileInfo(soubor).path());
    QFile f(soubor);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(obsah);
}

QByteArray PracovniSlozka::precti(const QString& soubor) {
    QFile f(soubor);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
