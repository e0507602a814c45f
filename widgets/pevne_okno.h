// The window style of the point-test windows: fixed size, system menu and minimise only,
// in the dialog font of the main window.
#pragma once

#include <QDialog>

inline void PevneOkno(QDialog* okno, int sirka, int vyska) {
    QFont pismo(QStringLiteral("MS Shell Dlg"));
    pismo.setPixelSize(11);
    okno->setFont(pismo);
    okno->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                         Qt::WindowCloseButtonHint);
    okno->setFixedSize(sirka, vyska);
}
