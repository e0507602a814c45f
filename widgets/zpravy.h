// Message boxes of the program, in their five kinds with the program's captions.
// Everything that talks to the user through a message box goes through here, so that
// tests can install an answerer instead of clicking real boxes.
#pragma once

#include "core/chyba.h"

#include <QString>

#include <exception>
#include <functional>

class QWidget;

namespace zpravy {

enum class Druh {
    Chyba,     // "Chybové hlášení programu Kolomat", OK, critical icon
    Varovani,  // "Varování programu Kolomat", Yes/No (Yes default), warning icon
    Oznameni,  // "Oznámení programu Kolomat", OK, information icon
    Informace, // "Informace programu Kolomat", OK, information icon
    Otazka,    // "Otázka programu Kolomat", Yes/No (Yes default), warning icon
};

QString titulek(Druh druh);

// Shows the box modally; for the two question kinds returns true for Yes.
bool ukaz(QWidget* rodic, Druh druh, const QString& text);

inline void chyba(QWidget* rodic, const QString& text) {
    ukaz(rodic, Druh::Chyba, text);
}
inline void oznameni(QWidget* rodic, const QString& text) {
    ukaz(rodic, Druh::Oznameni, text);
}
inline void informace(QWidget* rodic, const QString& text) {
    ukaz(rodic, Druh::Informace, text);
}
inline bool varovani(QWidget* rodic, const QString& text) {
    return ukaz(rodic, Druh::Varovani, text);
}
inline bool otazka(QWidget* rodic, const QString& text) {
    return ukaz(rodic, Druh::Otazka, text);
}

// Replaces the real boxes (tests); the answerer returns the answer to a question.
// An empty function restores the real boxes.
using Odpovidac = std::function<bool(Druh, const QString&)>;
void nastavOdpovidac(Odpovidac odpovidac);

// Runs an operation and returns the text of its failure, or "" when it succeeded.
template <class Operace> QString textChyby(Operace&& operace) noexcept {
    try {
        try {
            operace();
            return {};
        } catch (const KolomatChyba& e) {
            return e.text();
        } catch (const std::exception& e) {
            return QStringLiteral("Vnitřní chyba programu: %1")
                .arg(QString::fromLocal8Bit(e.what()));
        } catch (...) {
            return QStringLiteral("Neznámá vnitřní chyba programu.");
        }
    } catch (...) {
        // Building the text itself failed (out of memory).
        return QStringLiteral("Nedostatek paměti.");
    }
}

// Runs an operation started by the user and reports its failure in the error box, so
// that no exception leaves an event handler. Returns whether it succeeded.
template <class Operace> bool zachyt(QWidget* rodic, Operace&& operace) noexcept {
    const QString text = textChyby(std::forward<Operace>(operace));
    if (text.isEmpty())
        return true;
    try {
        chyba(rodic, text);
    } catch (...) {
        // The error box itself failed; nothing more can be told.
    }
    return false;
}

} // namespace zpravy
