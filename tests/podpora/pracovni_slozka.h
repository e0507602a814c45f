// A fresh temporary working folder for one test: the program reads and writes its data
// files by bare name in the current folder, so each test runs in its own.
#pragma once

#include <QString>
#include <QTemporaryDir>

class PracovniSlozka {
public:
    PracovniSlozka();
    ~PracovniSlozka();
    PracovniSlozka(const PracovniSlozka&) = delete;
    PracovniSlozka& operator=(const PracovniSlozka&) = delete;

    QString cesta(const QString& soubor = {}) const;
    bool platna() const { return slozka_.isValid(); }

    static void zapis(const QString& soubor, const QByteArray& obsah);
    static QByteArray precti(const QString& soubor);

private:
    QTemporaryDir slozka_;
    QString predchozi_;
};
