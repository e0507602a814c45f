// The real program on the shipped data, for the benchmarks that drive its windows: a
// scratch folder with the catalogue and pictures, a logged-in learner, boxes answered.
#pragma once

#include "app/main.h"
#include "core/XML_otazky.h"
#include "tests/podpora/pracovni_slozka.h"
#include "tests/podpora/prihlaseni.h"
#include "views/textove_pole.h"
#include "widgets/zpravy.h"

#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

#include <memory>
#include <stdexcept>

// The main window of a logged-in learner, shown, in a folder with the shipped data.
struct Program {
    PracovniSlozka slozka;
    std::unique_ptr<THlavniFormular> okno;

    Program() {
        const QString data = QStringLiteral(KOLOMAT_DATA_DIR);
        QFile::copy(data + QStringLiteral("/otazky.xml"), QStringLiteral("otazky.xml"));
        QDir().mkdir(QStringLiteral("grafika"));
        for (const QString& obrazek :
             QDir(data + QStringLiteral("/grafika")).entryList(QDir::Files))
            QFile::copy(data + QStringLiteral("/grafika/") + obrazek,
                        QStringLiteral("grafika/") + obrazek);
        // Every box is answered "yes" at once: the benchmark times windows, not people.
        zpravy::nastavOdpovidac([](zpravy::Druh, const QString&) { return true; });
        okno = std::make_unique<THlavniFormular>();
        // Nothing listens there: the update window opens and its check fails at once.
        okno->ServerAktualizace = QUrl(QStringLiteral("http://127.0.0.1:9"));
        PrihlasProfil(*okno);
        okno->show();
        if (!QTest::qWaitForWindowExposed(okno.get()))
            throw std::runtime_error("the main window was not shown");
    }
    ~Program() {
        okno.reset();
        zpravy::nastavOdpovidac({});
    }
};

inline void zavri(QWidget* okno) {
    if (auto* dialog = qobject_cast<QDialog*>(okno))
        dialog->done(QDialog::Rejected);
    else
        okno->close();
}

// The slot (A, B or C) in which the right answer of the question shown stands.
inline Qt::Key SpravnaKlavesa(THlavniFormular& okno) {
    const QString hlavicka = okno.findChild<QLabel*>(QStringLiteral("lbCislo"))->text();
    static const QRegularExpression vzor(QStringLiteral("^Otázka číslo (\\d+)"));
    TOtazka db;
    db.Nacti(vzor.match(hlavicka).captured(1).toInt());
    const QString spravna = db.Spravne == u"A" ? db.A : db.Spravne == u"B" ? db.B : db.C;
    const char* pole[] = {"mA", "mB", "mC"};
    for (int i = 0; i < 3; ++i)
        if (okno.findChild<TextovePole*>(QString::fromLatin1(pole[i]))->text() == spravna)
            return static_cast<Qt::Key>(Qt::Key_A + i);
    throw std::runtime_error("the right answer is not among those shown");
}
