// The fixed-width text of a stored point-test protocol, and its export as a Windows
// text file (Windows-1250, CR LF).
#pragma once

#include "core/XML_otazky.h"
#include "core/XML_protokoly.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The texts of one record as stored; nothing here needs to convert.
struct TObsahProtokolu {
    QString Profil;
    QString DatumACas; // already as shown: "5.12.2026 14:03:11"
    QString Skupina;
    QString DelkaTestu;
    QString Spravne;
    QString PocetBodu;
    QString MinPocetBodu;
    QString Verdikt;
    QString Body;
    QString Odpoved;
    QString SpravnaOdpoved;
    QString SkutCis;
};

// A record's texts; a date that does not convert is shown as it is stored.
TObsahProtokolu ObsahZaznamu(const TXMLProtokolType& zaznam);
// DatumACas as the windows show it (the time left out at exactly midnight), or the
// stored text itself when it is not a date.
QString DatumACasZaznamu(const TXMLProtokolType& zaznam);

// The code of a question by its real number, or nothing when there is no such question.
using HledaniKodu = std::function<std::optional<QString>(int skutCislo)>;
HledaniKodu KodyZDatabaze(const TXMLOtazkyType& databaze);

struct TTextProtokolu {
    QStringList Radky;
    // Positions (1..25) whose real number did not convert or is not in the database:
    // their lines have a blank code column.
    QList<int> BezKodu;
};

inline constexpr int kSirkaRadkuProtokolu = 57;

// The 40 lines: header, table of the 25 positions, verdict and total line.
TTextProtokolu SestavTextProtokolu(const TObsahProtokolu& obsah, const HledaniKodu& kod);
// One question line: position, real number, code, answer, correct answer, points; an
// "x" at character 4 for a wrong answer, the points at the end for a right one.
QString RadekOtazky(int pozice, const QString& skutCislo, const QString& kod,
                    const QString& odpoved, const QString& spravne, const QString& body);
// The caption of the protocol window.
QString TitulekProtokolu(const TObsahProtokolu& obsah);

// The text as the file holds it: every line (the last one included) ended by CR LF, in
// Windows-1250; a character that Windows-1250 lacks becomes "?". A final line break of
// the text ends its last line and adds no empty one.
QByteArray TextProSoubor(const QString& text);
// Writes that file atomically. Throws KolomatChyba naming the file when it cannot.
void UlozTextDoSouboru(const QString& soubor, const QString& text);
