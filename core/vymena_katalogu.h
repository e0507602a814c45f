// Putting a downloaded question database in place of the learner's one.
#pragma once

#include <QDateTime>
#include <QString>
#include <QTemporaryFile>

#include <memory>

// A new, open file in the working folder for a download: created exclusively (never
// through an existing name or link; on Linux without a name until fileName() is asked,
// so that a killed download leaves nothing), named otazky.temp.XXXXXX, and kept when
// closed. What a killed update left behind (otazky.temp, otazky.temp.*; a link is
// removed, never followed) is removed first. Throws KolomatChyba when it cannot be
// created.
std::unique_ptr<QTemporaryFile> NovySouborStahovani();

// The catalogue check of a downloaded file: "" when it may replace the catalogue,
// otherwise the message for the learner (what is wrong, and that the catalogue stays).
// Reads only files, so it may run on the download thread.
QString KontrolaStazenehoKatalogu(const QString& stazeny, const QString& katalog);

// Dates a checked download with the server's time and renames it over the catalogue in
// one step, so that at every moment there is either the old or the new complete
// catalogue. On failure the download is deleted, the catalogue stays as it was, and
// KolomatChyba says what went wrong.
void NahraditKatalog(const QString& stazeny, const QString& katalog, const QDateTime& serverCas);
