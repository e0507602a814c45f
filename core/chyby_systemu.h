// The system's reason for a failed file operation, in Czech. Qt and the C library give
// their reasons in English ("Permission denied", "file to open is a directory"); every
// message of the program names the file and says why in Czech.
#pragma once

#include <QString>

class QFileDevice;

// The reason behind an errno value.
QString PopisChybySystemu(int cisloChyby);
// The reason a file operation of f failed, from its error text and kind.
QString PopisChybySouboru(const QFileDevice& f);
