// A small disk for the tests of failing saves: a tmpfs of 64 KiB mounted on a folder
// of the working folder (root only; pripojen() says whether it worked), which can be
// remounted read-only or filled up.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

class MalyDisk {
public:
    // Mounts the disk on "disk" in the working folder and makes it the working folder.
    MalyDisk();
    // Leaves it and unmounts it.
    ~MalyDisk();
    MalyDisk(const MalyDisk&) = delete;
    MalyDisk& operator=(const MalyDisk&) = delete;

    bool pripojen() const { return pripojen_; }
    QString chyba() const { return chyba_; }
    bool jenProCteni(bool ano);

private:
    QString predchozi_;
    QString cesta_;
    bool pripojen_ = false;
    QString chyba_;
};

// Fills the disk of the working folder with a ballast file "zatez" until a write fails;
// whether it is full.
bool zaplnDisk();

// Every file below the working folder with its content.
QMap<QString, QByteArray> obsahSlozky();
