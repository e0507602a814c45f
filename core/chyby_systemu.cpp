#include "core/chyby_systemu.h"

#include <QFileDevice>

#include <array>
#include <cerrno>
#include <cstring>

namespace {

struct Duvod {
    int cislo;
    const char* text; // UTF-8
};

constexpr std::array<Duvod, 22> kDuvody{{
    {EACCES, "přístup odepřen"},
    {EPERM, "operace není povolena"},
    {ENOENT, "soubor nebo složka neexistuje"},
    {EISDIR, "je to složka, ne soubor"},
    {ENOTDIR, "část cesty není složka"},
    {ENOSPC, "na disku není volné místo"},
    {EDQUOT, "byla překročena kvóta disku"},
    {EROFS, "disk je připojen jen pro čtení"},
    {EEXIST, "soubor už existuje"},
    {EBUSY, "soubor je používán"},
    {ETXTBSY, "soubor je používán"},
    {EMFILE, "program má otevřeno příliš mnoho souborů"},
    {ENFILE, "systém má otevřeno příliš mnoho souborů"},
    {ENAMETOOLONG, "název je příliš dlouhý"},
    {ELOOP, "cesta obsahuje příliš mnoho odkazů"},
    {EIO, "chyba vstupu a výstupu disku"},
    {ENOMEM, "nedostatek paměti"},
    {EFBIG, "soubor je příliš velký"},
    {EXDEV, "soubor nelze přesunout na jiný disk"},
    {ENXIO, "zařízení není dostupné"},
    {EAGAIN, "prostředek je dočasně nedostupný"},
    {EINVAL, "neplatný argument"},
}};

} // namespace

QString PopisChybySystemu(int cisloChyby) {
    for (const Duvod& d : kDuvody)
        if (d.cislo == cisloChyby)
            return QString::fromUtf8(d.text);
    return QStringLiteral("chyba systému č. %1").arg(cisloChyby);
}

QString PopisChybySouboru(const QFileDevice& f) {
    // Qt's reason is the C library's text for errno, or one of its own few texts.
    const QString text = f.errorString();
    for (const Duvod& d : kDuvody)
        if (text == QString::fromLocal8Bit(std::strerror(d.cislo)))
            return QString::fromUtf8(d.text);
    if (text.contains(QLatin1String("is a directory"), Qt::CaseInsensitive))
        return PopisChybySystemu(EISDIR);
    switch (f.error()) {
    case QFileDevice::NoError:
        return QStringLiteral("neznámá chyba");
    case QFileDevice::ReadError:
        return QStringLiteral("chyba při čtení");
    case QFileDevice::WriteError:
        return QStringLiteral("chyba při zápisu");
    case QFileDevice::FatalError:
        return QStringLiteral("závažná chyba souborového systému");
    case QFileDevice::ResourceError:
        return QStringLiteral("nedostatek systémových prostředků nebo místa na disku");
    case QFileDevice::OpenError:
        return QStringLiteral("soubor nelze otevřít");
    case QFileDevice::AbortError:
        return QStringLiteral("operace byla přerušena");
    case QFileDevice::TimeOutError:
        return QStringLiteral("vypršel časový limit");
    case QFileDevice::RemoveError:
        return QStringLiteral("soubor nelze odstranit");
    case QFileDevice::RenameError:
        return QStringLiteral("soubor nelze přejmenovat");
    case QFileDevice::PositionError:
        return QStringLiteral("chyba při posunu v souboru");
    case QFileDevice::ResizeError:
        return QStringLiteral("velikost souboru nelze změnit");
    case QFileDevice::PermissionsError:
        return PopisChybySystemu(EACCES);
    case QFileDevice::CopyError:
        return QStringLiteral("soubor nelze zkopírovat");
    case QFileDevice::UnspecifiedError:
        break;
    }
    return QStringLiteral("neznámá chyba");
}
