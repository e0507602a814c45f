// The shipped catalogue passes every rule of the catalogue check, and the check itself
// catches each kind of broken catalogue.
#include "core/kontrola_katalogu.h"
#include "tests/podpora/pracovni_slozka.h"
#include "tests/podpora/testovaci_main.h"

#include <QDir>
#include <QFile>

namespace {

QString dataProjektu() {
    return qEnvironmentVariable("KOLOMAT_DATA");
}

// The shipped catalogue copied into the working folder with a textual change (made
// kolikrat times; -1 for every occurrence).
QStringList kontrolaUpravene(const QByteArray& co, const QByteArray& naCo, int kolikrat = 1) {
    QByteArray xml = PracovniSlozka::precti(dataProjektu() + QStringLiteral("/otazky.xml"));
    if (kolikrat < 0) {
        xml.replace(co, naCo);
        kolikrat = 0;
    }
    qsizetype od = 0;
    for (int i = 0; i < kolikrat; ++i) {
        od = xml.indexOf(co, od);
        if (od < 0)
            return {QStringLiteral("test: text to change not found")};
        xml.replace(od, co.size(), naCo);
        od += naCo.size();
    }
    PracovniSlozka::zapis(QStringLiteral("otazky.xml"), xml);
    return KontrolaKatalogu(QStringLiteral("otazky.xml"), dataProjektu());
}

bool obsahuje(const QStringList& chyby, const QString& cast) {
    for (const QString& c : chyby)
        if (c.contains(cast))
            return true;
    return false;
}

} // namespace

class TestKatalog : public QObject {
    Q_OBJECT
private slots:
    void dodanyKatalogProjdeKontrolou() {
        const QString data = dataProjektu();
        QVERIFY2(!data.isEmpty(), "KOLOMAT_DATA names the shipped data folder");
        const QStringList chyby = KontrolaKatalogu(data + QStringLiteral("/otazky.xml"), data);
        QVERIFY2(chyby.isEmpty(), qPrintable(chyby.mid(0, 20).join(u'\n')));
        QCOMPARE(KontrolaStrukturyKatalogu(data + QStringLiteral("/otazky.xml")), QStringList());
        for (const char* znacka : {"yes", "no", "mistake", "yes_info", "no_info", "mistake_info"})
            QVERIFY2(
                QFile::exists(data + QStringLiteral("/grafika/%1.png").arg(QLatin1String(znacka))),
                znacka);
        QVERIFY(QFile::exists(data + QStringLiteral("/Help/index.htm")));
    }

    void kontrolaOdhaliChyby() {
        PracovniSlozka slozka;
        // Each change breaks one rule; the check must name it.
        QVERIFY(obsahuje(kontrolaUpravene("<Kod>KM010002</Kod>", "<Kod>KM010001</Kod>"),
                         QStringLiteral("opakuje")));
        QVERIFY(obsahuje(kontrolaUpravene("<Kod>KM010002</Kod>", "<Kod>KM020002</Kod>"),
                         QStringLiteral("schématu")));
        QVERIFY(obsahuje(kontrolaUpravene("<Poznamka></Poznamka>", "<Poznamka>pryč</Poznamka>"),
                         QStringLiteral("756")));
        QVERIFY(obsahuje(kontrolaUpravene("<Skupina>ABCD</Skupina>", "<Skupina>ABCDE</Skupina>"),
                         QStringLiteral("skupina")));
        QVERIFY(obsahuje(kontrolaUpravene("<Obrazek>grafika/znacky/", "<Obrazek>grafika/chybi/"),
                         QStringLiteral("obrázek")));
        QVERIFY(obsahuje(kontrolaUpravene("<Spravne>A</Spravne>", "<Spravne>D</Spravne>"),
                         QStringLiteral("není A, B ani C")));
        QVERIFY(
            obsahuje(kontrolaUpravene("<C></C><Spravne>B</Spravne>", "<C></C><Spravne>C</Spravne>"),
                     QStringLiteral("nemá text")));
        // Removing group C from every question of a section starves that group.
        QVERIFY(obsahuje(kontrolaUpravene("<Skupina>ABCD</Skupina>", "<Skupina>ABD</Skupina>", -1),
                         QStringLiteral("Skupina C")));
        QVERIFY(obsahuje(kontrolaUpravene("</otazka>\n</otazky>", "</otazka>\n<otazka/></otazky>"),
                         QStringLiteral("803")));
    }
};

KOLOMAT_TEST_MAIN(TestKatalog)
#include "test_katalog.moc"
