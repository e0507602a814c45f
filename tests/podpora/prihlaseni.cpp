#include "tests/podpora/prihlaseni.h"

#include "app/main.h"
#include "profiles/profil_trida.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

void PrihlasProfil(THlavniFormular& okno, const QString& nazev) {
    TProfil& profil = okno.AktualniProfil();
    profil.Otevrit();
    profil.Vytvor(nazev, QString());
    profil.Nacti(nazev);
    okno.ObnovitStav();
}

void NaDialog(const char* trida, std::function<void(QDialog*)> akce, bool* neobjevilSe) {
    auto* casovac = new QTimer;
    auto* hodiny = new QElapsedTimer;
    hodiny->start();
    if (neobjevilSe)
        *neobjevilSe = true;
    casovac->setInterval(5);
    QObject::connect(casovac, &QTimer::timeout, [=] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        const bool nasel = dialog && dialog->inherits(trida) && dialog->isVisible();
        if (!nasel && hodiny->elapsed() < 5000)
            return;
        casovac->stop();
        casovac->deleteLater();
        delete hodiny;
        if (nasel) {
            if (neobjevilSe)
                *neobjevilSe = false;
            akce(dialog);
        }
    });
    casovac->start();
}
