// The texts of one row of the two list windows: a stored practice or exam run, and a
// stored point test.
#pragma once

#include "core/XML_protokoly.h"
#include "core/XML_vysledky.h"

#include <QStringList>

// Date, time, group, questions, wrong, hinted, success "%". Throws KolomatChyba naming
// the file when a number or a date does not convert.
QStringList RadekVysledku(const TXMLVysledekType& zaznam);
// Date and time, group, points, verdict; a value that does not convert is shown as it
// is stored.
QStringList RadekProtokolu(const TXMLProtokolType& zaznam);
