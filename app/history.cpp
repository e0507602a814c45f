#include "app/history.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

const QString& THistorie::TextHistorie() {
    static const QString text = QStringLiteral(
        "7.12.2026\n"
        "---------\n"
        " - První vydání programu Kolomat.\n"
        " - Prohlížení všech 802 otázek katalogu se správnými odpověďmi, u vyřazených otázek "
        "poznámka o vyřazení.\n"
        " - Procvičování a zkoušení otázek vybraných podle kategorií, postupně nebo "
        "náhodně.\n"
        " - Test na body: 25 otázek v sedmi oddílech, 50 bodů, 43 bodů k úspěchu, 30 minut, "
        "po testu kontrola odpovědí.\n"
        " - Výsledky procvičování a zkoušení a protokoly testů pro každý profil; protokol "
        "testu lze uložit do textového souboru.\n"
        " - Profily s heslem; nastavení kategorií, skupiny řidičského oprávnění, ukládaných "
        "protokolů, pořadí otázek a písma.\n"
        " - Aktualizace databáze otázek ze serveru; stažená databáze se před použitím "
        "zkontroluje a původní zůstane zachována, když se aktualizace nezdaří.\n"
        " - Nápověda, informace o programu a tato historie.\n");
    return text;
}

THistorie::THistorie(QWidget* vlastnik) : QDialog(vlastnik) {
    setObjectName(QStringLiteral("Historie"));
    setWindowTitle(QStringLiteral("Historie oprav a aktualizací"));
    resize(622, 406);
    auto* svisle = new QVBoxLayout(this);
    svisle->setContentsMargins(0, 0, 0, 0);
    Memo1 = new QPlainTextEdit(TextHistorie(), this);
    Memo1->setAccessibleName(QStringLiteral("Historie oprav a aktualizací"));
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    svisle->addWidget(Memo1);
}
