#include "core/pomocne_fce.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <chrono>
#include <cmath>

namespace {

QString dveCislice(int n) {
    if (n < 1)
        return QStringLiteral("00");
    if (n <= 9)
        return QLatin1Char('0') + QString::number(n);
    return QString::number(n);
}

const QString kFormatDatumu = QStringLiteral("d.M.yyyy");
const QString kFormatCasu = QStringLiteral("H:mm:ss");

} // namespace

QString CasNaText(int sekundy) {
    const int m = sekundy / 60;
    const int s = sekundy % 60;
    return dveCislice(m) + QLatin1Char(':') + dveCislice(s);
}

QString CasSlovy(int sekundy) {
    sekundy = std::max(sekundy, 0);
    const int s = sekundy % 60;
    const int m = sekundy / 60;
    QString slovoSekund;
    if (s == 1)
        slovoSekund = QStringLiteral("sekunda");
    else if (s >= 2 && s <= 4)
        slovoSekund = QStringLiteral("sekundy");
    else
        slovoSekund = QStringLiteral("sekund");
    QString slovoMinut;
    if (m == 1)
        slovoMinut = QStringLiteral("minuta");
    else if (m >= 2 && m <= 4)
        slovoMinut = QStringLiteral("minuty");
    else
        slovoMinut = QStringLiteral("minut");

    const QString sekundyText = QString::number(s) + QLatin1Char(' ') + slovoSekund;
    const QString minutyText = QString::number(m) + QLatin1Char(' ') + slovoMinut;
    if (s != 0 && m != 0)
        return minutyText + QStringLiteral(", ") + sekundyText;
    if (m == 0)
        return sekundyText; // also "0 sekund" for a test evaluated at once
    return minutyText;
}

bool TextNaBool(const QString& text) {
    return text == u"1";
}

QString BoolNaText(bool b) {
    return b ? QStringLiteral("1") : QStringLiteral("0");
}

bool SouborExistuje(const QString& nazev) {
    if (nazev.isEmpty() || QFileInfo(nazev).isDir())
        return false;
    QFile f(nazev);
    return f.open(QIODevice::ReadOnly);
}

bool SouborNaDisku(const QString& nazev) {
    return !nazev.isEmpty() && QFileInfo::exists(nazev);
}

int Uspesnost(int spravnych, int zodpovezeno) {
    if (zodpovezeno <= 0)
        return 0;
    const double x = static_cast<double>(spravnych) / zodpovezeno * 100.0;
    const double dolu = std::floor(x);
    const double zbytek = x - dolu;
    if (zbytek > 0.5)
        return static_cast<int>(dolu) + 1;
    if (zbytek < 0.5)
        return static_cast<int>(dolu);
    const int d = static_cast<int>(dolu);
    return d % 2 == 0 ? d : d + 1;
}

QString Orizni(const QString& text, int n) {
    if (text.size() <= n)
        return text;
    if (n > 0 && text.at(n - 1).isHighSurrogate())
        --n;
    return text.left(n);
}

QString DatumNaText(const QDate& datum) {
    return datum.toString(kFormatDatumu);
}

QString CasDneNaText(const QTime& cas) {
    return cas.toString(kFormatCasu);
}

QString DatumACasNaText(const QDateTime& kdy) {
    return DatumNaText(kdy.date()) + QLatin1Char(' ') + CasDneNaText(kdy.time());
}

QString DatumACasKZobrazeni(const QDateTime& kdy) {
    if (kdy.time() == QTime(0, 0))
        return DatumNaText(kdy.date());
    return DatumACasNaText(kdy);
}

QDate TextNaDatum(const QString& text) {
    const QString t = text.trimmed();
    QDate d = QDate::fromString(t, kFormatDatumu);
    if (!d.isValid())
        d = QLocale::system().toDate(t, QLocale::ShortFormat);
    return d;
}

QTime TextNaCasDne(const QString& text) {
    const QString t = text.trimmed();
    QTime c = QTime::fromString(t, kFormatCasu);
    if (!c.isValid())
        c = QLocale::system().toTime(t, QLocale::LongFormat);
    if (!c.isValid())
        c = QLocale::system().toTime(t, QLocale::ShortFormat);
    return c;
}

QDateTime TextNaDatumACas(const QString& text) {
    const QString t = text.trimmed();
    QDateTime kdy = QDateTime::fromString(t, kFormatDatumu + QLatin1Char(' ') + kFormatCasu);
    if (kdy.isValid())
        return kdy;
    // A date alone stands for midnight.
    const QDate datum = QDate::fromString(t, kFormatDatumu);
    if (datum.isValid())
        return QDateTime(datum, QTime(0, 0));
    const QLocale system = QLocale::system();
    kdy = system.toDateTime(t, system.dateFormat(QLocale::ShortFormat) + QLatin1Char(' ') +
                                   system.timeFormat(QLocale::LongFormat));
    if (!kdy.isValid())
        kdy = system.toDateTime(t, QLocale::ShortFormat);
    return kdy;
}

namespace nahoda {

namespace {
std::uint32_t g_seed = 0;

std::function<std::uint32_t()>& hodiny() {
    static std::function<std::uint32_t()> h;
    return h;
}
} // namespace

void Randomize() {
    if (hodiny()) {
        g_seed = hodiny()();
        return;
    }
    const auto tiky = std::chrono::steady_clock::now().time_since_epoch().count();
    g_seed = static_cast<std::uint32_t>(tiky);
}

std::uint32_t Random(std::uint32_t n) {
    g_seed = g_seed * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(g_seed) * n) >> 32);
}

std::uint32_t Seed() {
    return g_seed;
}

void NastavSeed(std::uint32_t seed) {
    g_seed = seed;
}

void NastavHodiny(std::function<std::uint32_t()> h) {
    hodiny() = std::move(h);
}

} // namespace nahoda
