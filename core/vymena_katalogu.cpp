#include "core/vymena_katalogu.h"

#include "core/chyba.h"
#include "core/chyby_systemu.h"
#include "core/kontrola_katalogu.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdio>

namespace {

// How many of the check's findings the message lists; a broken file can have hundreds.
constexpr qsizetype kVypsanychProblemu = 5;

const QString kVzorDocasneho = QStringLiteral("otazky.temp.XXXXXX");
const QStringList kPozustatky{QStringLiteral("otazky.temp"), QStringLiteral("otazky.temp.*")};

[[noreturn]] void selhani(const QString& stazeny, const QString& text) {
    QFile::remove(stazeny);
    throw KolomatChyba(text);
}

} // namespace

std::unique_ptr<QTemporaryFile> NovySouborStahovani() {
    const QDir slozka(QStringLiteral("."));
    for (const QString& nazev :
         slozka.entryList(kPozustatky, QDir::Files | QDir::System | QDir::Hidden))
        QFile::remove(nazev);
    auto soubor = std::make_unique<QTemporaryFile>(kVzorDocasneho);
    // Renamed into place or removed by the update itself.
    soubor->setAutoRemove(false);
    if (!soubor->open())
        throw KolomatChyba(QStringLiteral("Dočasný soubor pro stahovanou databázi otázek se v "
                                          "pracovní složce nepodařilo vytvořit (%1). Databáze "
                                          "otázek zůstala beze změny.")
                               .arg(PopisChybySouboru(*soubor)));
    return soubor;
}

QString KontrolaStazenehoKatalogu(const QString& stazeny, const QString& katalog) {
    const QStringList problemy = KontrolaStrukturyKatalogu(stazeny);
    if (problemy.isEmpty())
        return {};
    QStringList vypis = problemy.first(std::min(problemy.size(), kVypsanychProblemu));
    if (problemy.size() > kVypsanychProblemu)
        vypis << QStringLiteral("... a dalších %1 problémů.")
                     .arg(problemy.size() - kVypsanychProblemu);
    return QStringLiteral("Stažená databáze otázek je neúplná nebo poškozená, proto nebyla "
                          "použita. Databáze otázek \"%1\" zůstala beze změny.\n\n%2")
        .arg(katalog, vypis.join(u'\n'));
}

void NahraditKatalog(const QString& stazeny, const QString& katalog, const QDateTime& serverCas) {
    QFile soubor(stazeny);
    if (!soubor.open(QIODevice::ReadWrite | QIODevice::ExistingOnly) ||
        !soubor.setFileTime(serverCas, QFileDevice::FileModificationTime))
        selhani(stazeny, QStringLiteral("Stažené databázi otázek \"%1\" se nepodařilo nastavit "
                                        "datum (%2). Databáze otázek \"%3\" zůstala beze změny.")
                             .arg(stazeny, PopisChybySouboru(soubor), katalog));
    soubor.close();

    // rename(2) replaces the old file atomically; QFile::rename would refuse to.
    if (std::rename(QFile::encodeName(stazeny).constData(),
                    QFile::encodeName(katalog).constData()) != 0) {
        const QString duvod = PopisChybySystemu(errno);
        selhani(stazeny, QStringLiteral("Databázi otázek \"%1\" se nepodařilo nahradit staženou "
                                        "verzí (%2). Databáze otázek zůstala beze změny.")
                             .arg(katalog, duvod));
    }
}
