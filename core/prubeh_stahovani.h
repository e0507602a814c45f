// The texts of a download in progress: sizes, speeds and durations as the update window
// shows them. No windows here, so that the figures can be checked on their own.
#pragma once

#include <QString>
#include <QtGlobal>

// A count of bytes with two decimals and the locale's decimal separator, in B below
// 1024 bytes, in kB below 1024 kB, otherwise in MB: "0,00 B", "1,50 kB", "1,00 MB".
QString FormatVelikost(double bajtu);

// A duration as hours, minutes and seconds: "0:01:05" (the hours are not wrapped at 24).
QString TrvaniNaText(qint64 sekund);

// What the window shows for one moment of a download. An empty text means "keep what
// the label shows": the speed and the remaining time are not known before any time has
// passed, and the remaining time never without the total size.
struct TextyPrubehu {
    QString prijato;
    QString cas;
    QString rychlost;
    QString casDoKonce;
};

// prijato bytes received of celkem (-1 = size unknown) after uplynuloMs milliseconds.
TextyPrubehu SpocitejPrubeh(qint64 prijato, qint64 celkem, qint64 uplynuloMs);

// A progress bar counts in int: sizes beyond its range are shown in coarser steps.
// Returns the number of bits by which byte counts are shifted for the bar.
int MeritkoPrubehu(qint64 celkem);
