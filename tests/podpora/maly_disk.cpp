#include "tests/podpora/maly_disk.h"

#include "tests/podpora/pracovni_slozka.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <functional>

MalyDisk::MalyDisk() : predchozi_(QDir::currentPath()), cesta_(QDir::current().filePath("disk")) {
    QDir().mkdir(cesta_);
    if (::mount("tmpfs", QFile::encodeName(cesta_).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                "size=64k,mode=0755") != 0) {
        chyba_ = QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    pripojen_ = true;
    QDir::setCurrent(cesta_);
}

MalyDisk::~MalyDisk() {
    QDir::setCurrent(predchozi_);
    if (pripojen_ && ::umount2(QFile::encodeName(cesta_).constData(), 0) != 0)
        ::umount2(QFile::encodeName(cesta_).constData(), MNT_DETACH);
}

bool MalyDisk::jenProCteni(bool ano) {
    const unsigned long volby = MS_REMOUNT | MS_NOSUID | MS_NODEV | (ano ? MS_RDONLY : 0);
    return ::mount(nullptr, QFile::encodeName(cesta_).constData(), nullptr, volby, "size=64k") == 0;
}

bool zaplnDisk() {
    QFile zatez(QStringLiteral("zatez"));
    if (!zatez.open(QIODevice::WriteOnly))
        return false;
    const QByteArray blok(1024, 'x');
    for (int i = 0; i < 1024; ++i)
        if (zatez.write(blok) != blok.size() || !zatez.flush())
            break;
    zatez.close();
    QFile pokus(QStringLiteral("pokus"));
    const bool plny =
        !pokus.open(QIODevice::WriteOnly) || pokus.write("x", 1) != 1 || !pokus.flush();
    pokus.close();
    pokus.remove();
    return plny;
}

QMap<QString, QByteArray> obsahSlozky() {
    QMap<QString, QByteArray> obsah;
    const QDir slozka;
    std::function<void(const QString&)> projdi = [&](const QString& podslozka) {
        const QDir d(podslozka);
        for (const QFileInfo& i : d.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                  QDir::NoDotAndDotDot)) {
            const QString nazev = slozka.relativeFilePath(i.filePath());
            if (i.isDir())
                projdi(i.filePath());
            else
                obsah.insert(nazev, PracovniSlozka::precti(i.filePath()));
        }
    };
    projdi(QStringLiteral("."));
    return obsah;
}
