#include "widgets/zpravy.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace zpravy {

namespace {
Odpovidac& odpovidac() {
    static Odpovidac o;
    return o;
}
} // namespace

QString titulek(Druh druh) {
    switch (druh) {
    case Druh::Chyba:
        return QStringLiteral("Chybové hlášení programu Kolomat");
    case Druh::Varovani:
        return QStringLiteral("Varování programu Kolomat");
    case Druh::Oznameni:
        return QStringLiteral("Oznámení programu Kolomat");
    case Druh::Informace:
        return QStringLiteral("Informace programu Kolomat");
    case Druh::Otazka:
        return QStringLiteral("Otázka programu Kolomat");
    }
    return {};
}

bool ukaz(QWidget* rodic, Druh druh, const QString& text) {
    if (odpovidac())
        return odpovidac()(druh, text);

    const bool dotaz = druh == Druh::Varovani || druh == Druh::Otazka;
    QMessageBox::Icon ikona = QMessageBox::Information;
    if (druh == Druh::Chyba)
        ikona = QMessageBox::Critical;
    else if (dotaz)
        ikona = QMessageBox::Warning;
    QMessageBox box(ikona, titulek(druh), text,
                    dotaz ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, rodic);
    // Messages quote names and values from the data files, which are never markup.
    box.setTextFormat(Qt::PlainText);
    if (dotaz) {
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ano"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&Ne"));
    }
    box.setDefaultButton(dotaz ? QMessageBox::Yes : QMessageBox::Ok);
    return box.exec() == QMessageBox::Yes;
}

void nastavOdpovidac(Odpovidac o) {
    odpovidac() = std::move(o);
}

} // namespace zpravy
