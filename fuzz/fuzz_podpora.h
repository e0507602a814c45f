// What the fuzz targets share: a private working folder (the readers open files by bare
// name in the current folder) and the check that whatever was read can be written back
// and read again.
#pragma once

#include "core/xml_dokument.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace fuzz {

inline void doSlozky() {
    static QTemporaryDir slozka;
    static const bool jsme = QDir::setCurrent(slozka.path());
    if (!jsme)
        std::abort();
}

inline QByteArray bajty(const uint8_t* data, size_t velikost) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(velikost));
}

inline void zapis(const char* soubor, const QByteArray& obsah) {
    QFile f(QString::fromLatin1(soubor));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(obsah) != obsah.size())
        std::abort();
}

// A document the program accepted must survive its own save: the saved bytes parse.
inline void overZapis(const XmlDokument& dokument, const QString& soubor, const char* koren) {
    const QByteArray ulozene = dokument.doBajtu();
    try {
        XmlDokument::zBajtu(ulozene, soubor, koren);
    } catch (...) {
        std::abort();
    }
}

} // namespace fuzz
