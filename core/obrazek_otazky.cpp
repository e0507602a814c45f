#include "core/obrazek_otazky.h"

#include "core/XML_otazky.h"

#include <QDir>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The 2x file of a picture: grafika/a/s01.png -> grafika/a/s01@2x.png.
QString cestaDvojnasobku(const QString& cesta) {
    const qsizetype tecka = cesta.lastIndexOf(u'.');
    const qsizetype lomitko = cesta.lastIndexOf(u'/');
    if (tecka <= lomitko)
        return cesta + QStringLiteral("@2x");
    return cesta.left(tecka) + QStringLiteral("@2x") + cesta.mid(tecka);
}

} // namespace

QString ProblemCestyObrazku(const QString& cesta) {
    if (cesta.isEmpty())
        return {};
    if (cesta.size() > kSirkaObrazek)
        return QStringLiteral("cesta k obrázku je delší než %1 znaků").arg(kSirkaObrazek);
    for (QChar z : cesta)
        if (z.unicode() < 0x20 || z == u'\\' || z.category() == QChar::Other_Control)
            return QStringLiteral("cesta k obrázku obsahuje nepovolený znak");
    if (!cesta.startsWith(kSlozkaObrazku) || cesta.size() == kSlozkaObrazku.size())
        return QStringLiteral("obrázek neleží ve složce %1").arg(kSlozkaObrazku);
    for (const QString& cast : cesta.split(u'/'))
        if (cast == QStringLiteral("..") || cast == QStringLiteral("."))
            return QStringLiteral("cesta k obrázku obsahuje \"%1\"").arg(cast);
    return {};
}

QByteArray PrectiSouborObrazku(const QString& cesta) {
    if (!ProblemCestyObrazku(cesta).isEmpty() || cesta.isEmpty())
        return {};
    // The folder and the file as they really are: a link may not lead out of grafika/.
    const QString slozka = QDir(kSlozkaObrazku).canonicalPath();
    const QString soubor = QFileInfo(cesta).canonicalFilePath();
    if (slozka.isEmpty() || soubor.isEmpty() || !soubor.startsWith(slozka + u'/'))
        return {};
    // Opened without following a link and without waiting (a pipe would block), and
    // taken only when it is a regular file of a sensible size.
    const int fd = ::open(QFile::encodeName(soubor).constData(),
                          O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {};
    QByteArray data;
    struct stat udaje {};
    if (::fstat(fd, &udaje) == 0 && S_ISREG(udaje.st_mode) && udaje.st_size > 0 &&
        udaje.st_size <= kNejvetsiObrazek) {
        data.resize(static_cast<qsizetype>(udaje.st_size));
        qsizetype precteno = 0;
        while (precteno < data.size()) {
            const ssize_t n =
                ::read(fd, data.data() + precteno, static_cast<size_t>(data.size() - precteno));
            if (n <= 0)
                break;
            precteno += n;
        }
        data.truncate(precteno);
    }
    ::close(fd);
    return data;
}

QImage NactiObrazekOtazky(const QString& cesta, qreal pomerPixelu) {
    if (pomerPixelu > 1.0) {
        QImage ostry = QImage::fromData(PrectiSouborObrazku(cestaDvojnasobku(cesta)));
        if (!ostry.isNull()) {
            ostry.setDevicePixelRatio(2.0);
            return ostry;
        }
    }
    return QImage::fromData(PrectiSouborObrazku(cesta));
}
