// The OK/Storno row at the bottom of a dialog: a QDialogButtonBox with the program's
// texts and accelerators ("&OK", the default button, and "&Storno"), the buttons named
// btnOK and btnStorno. Storno rejects the dialog; OK is the dialog's own to connect,
// since it checks its fields before it closes.
#pragma once

class QDialog;
class QDialogButtonBox;
class QPushButton;

struct TlacitkaDialogu {
    QDialogButtonBox* radek;
    QPushButton* ok;
    QPushButton* storno;
};

TlacitkaDialogu RadekOkStorno(QDialog* dialog);
