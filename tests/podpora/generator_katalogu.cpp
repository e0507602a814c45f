#include "tests/podpora/generator_katalogu.h"

#include "tests/podpora/pracovni_slozka.h"

#include <QDir>
#include <QImage>
#include <QPainter>

QString SpravnaOdpoved(int cislo, const NastaveniKatalogu& nastaveni) {
    const int pismen = nastaveni.dveOdpovedi.contains(cislo) ? 2 : 3;
    return QString(QChar(u'A' + static_cast<char16_t>(cislo % pismen)));
}

QString KodOtazky(int cislo) {
    return QStringLiteral("TK%1").arg(cislo, 6, 10, QLatin1Char('0'));
}

void ZapisKatalog(const QString& soubor, const NastaveniKatalogu& n) {
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<otazky>\n";
    auto prvek = [&](const char* jmeno, const QString& text) {
        xml += '<';
        xml += jmeno;
        xml += '>';
        xml += text.toHtmlEscaped().toUtf8();
        xml += "</";
        xml += jmeno;
        xml += '>';
    };
    for (int c = 1; c <= n.pocet; ++c) {
        xml += "<otazka>";
        prvek("Kod", KodOtazky(c));
        prvek("Otazka", n.textyOtazek.value(c, QStringLiteral("Otázka číslo %1 katalogu?").arg(c)));
        prvek("A", n.textyOdpovedi.value(c, QStringLiteral("Odpověď A na otázku %1.").arg(c)));
        prvek("B", QStringLiteral("Odpověď B na otázku %1.").arg(c));
        prvek("C", n.dveOdpovedi.contains(c) ? QString()
                                             : QStringLiteral("Odpověď C na otázku %1.").arg(c));
        prvek("Spravne", SpravnaOdpoved(c, n));
        prvek("Skupina", n.skupiny.value(c, QStringLiteral("ABCD")));
        prvek("Obrazek",
              n.obrazky.contains(c) ? QStringLiteral("grafika/obr%1.png").arg(c) : QString());
        prvek("Poznamka", n.vyrazene.contains(c) ? QStringLiteral("Vyřazena novelou.") : QString());
        xml += "</otazka>\n";
    }
    xml += "</otazky>\n";
    PracovniSlozka::zapis(soubor, xml);

    QDir().mkpath(QStringLiteral("grafika"));
    for (auto i = n.obrazky.cbegin(); i != n.obrazky.cend(); ++i) {
        QImage obrazek(i.value(), QImage::Format_RGB32);
        obrazek.fill(Qt::darkCyan);
        obrazek.save(QStringLiteral("grafika/obr%1.png").arg(i.key()));
    }
}

void ZapisZnacky() {
    QDir().mkpath(QStringLiteral("grafika"));
    const char* znacky[] = {"yes", "no", "mistake"};
    for (const char* z : znacky) {
        QImage velka(20, 20, QImage::Format_RGB32);
        velka.fill(Qt::green);
        velka.save(QStringLiteral("grafika/%1.png").arg(QLatin1String(z)));
        QImage mala(16, 16, QImage::Format_RGB32);
        mala.fill(Qt::green);
        mala.save(QStringLiteral("grafika/%1_info.png").arg(QLatin1String(z)));
    }
}
