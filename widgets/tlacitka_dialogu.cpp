#include "widgets/tlacitka_dialogu.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

TlacitkaDialogu RadekOkStorno(QDialog* dialog) {
    auto* radek = new QDialogButtonBox(dialog);
    QPushButton* ok = radek->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    QPushButton* storno = radek->addButton(QStringLiteral("&Storno"), QDialogButtonBox::RejectRole);
    storno->setObjectName(QStringLiteral("btnStorno"));
    QObject::connect(radek, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return {radek, ok, storno};
}
