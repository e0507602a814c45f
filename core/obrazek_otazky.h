// The picture of a question, read safely. A catalogue may come from a server or be
// edited by hand, so its picture paths are not trusted: a picture is taken only from
// the working folder's grafika/, by a relative path without "..", and only from a
// regular file of a bounded size. The file is checked before it is read, so no
// directory, device or named pipe is ever opened (a pipe would block the window).
#pragma once

#include <QImage>
#include <QString>

inline const QString kSlozkaObrazku = QStringLiteral("grafika/");
// No picture of the program is near this; a larger file is no picture of it.
inline constexpr qint64 kNejvetsiObrazek = 4 * 1024 * 1024;

// What is wrong with a picture path as written in the catalogue ("" when nothing):
// empty is allowed (no picture); otherwise at most 50 characters, relative, under
// grafika/, without "..", "\" or control characters.
QString ProblemCestyObrazku(const QString& cesta);

// Reads the picture of a path that the rule allows, relative to the current folder:
// the file must lie inside grafika/ (also after following links) and be a regular file
// of at most kNejvetsiObrazek bytes. At a device pixel ratio above 1 the file
// name@2x.png beside it is taken instead when it exists, with its ratio set to 2, so
// that the picture keeps its size and is sharp. A null image when there is no usable
// picture.
QImage NactiObrazekOtazky(const QString& cesta, qreal pomerPixelu = 1.0);

// The bytes of a file inside grafika/ under the rules above, or nothing.
QByteArray PrectiSouborObrazku(const QString& cesta);
