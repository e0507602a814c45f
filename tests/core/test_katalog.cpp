// The shipped catalogue passes every rule of the catalogue check, and the check itself
// catches each kind of broken catalogue.
#include "core/XML_otazky.h"
#include "core/forma_katalogu.h"
#include "core/kontrola_katalogu.h"
#include "core/xml_dokument.h"
#include "tests/podpora/generator_katalogu.h"
#include "tests/podpora/pracovni_slozka.h"
#include <QTest>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>

#include <functional>

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

// The check of the shipped catalogue changed by uprav(question, its number).
QStringList kontrolaUpraveneho(const std::function<void(XmlPrvek, int)>& uprav) {
    XmlDokument dokument =
        XmlDokument::nacti(dataProjektu() + QStringLiteral("/otazky.xml"), "otazky");
    int cislo = 0;
    for (const XmlPrvek& o : dokument.koren().polozky("otazka"))
        uprav(o, ++cislo);
    dokument.uloz(QStringLiteral("otazky.xml"));
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

    // Each rule on what a learner could guess from form, and on the pictures, catches
    // a catalogue that breaks it.
    void kontrolaFormy() {
        PracovniSlozka slozka;
        const auto odpoved = [](XmlPrvek o, bool spravna) {
            QStringList pismena;
            for (const char* p : {"A", "B", "C"}) {
                const bool je = o.text("Spravne") == QLatin1String(p);
                if (je == spravna && !o.text(p).isEmpty())
                    pismena << QLatin1String(p);
            }
            return pismena;
        };
        const auto prodluz = [](XmlPrvek o, const QString& pismeno, const QString& konec) {
            const QByteArray p = pismeno.toLatin1();
            o.nastavText(p.constData(), o.text(p.constData()) + konec);
        };

        // The correct answer made the longest of every question.
        QStringList chyby = kontrolaUpraveneho([&](XmlPrvek o, int) {
            for (const QString& p : odpoved(o, true))
                prodluz(o, p, QStringLiteral(" a dále podle okolností provozu na místě."));
        });
        QVERIFY2(obsahuje(chyby, QStringLiteral("V celém katalogu je správná odpověď nejdelší")),
                 qPrintable(chyby.mid(0, 3).join(u'\n')));
        // An absolute word in every wrong answer.
        chyby = kontrolaUpraveneho([&](XmlPrvek o, int) {
            for (const QString& p : odpoved(o, false))
                prodluz(o, p, QStringLiteral(", a to vždy"));
        });
        QVERIFY(obsahuje(chyby, QStringLiteral("Absolutní slova")));
        // One letter correct throughout a category.
        chyby = kontrolaUpraveneho([&](XmlPrvek o, int cislo) {
            if (cislo >= 684 && cislo <= 771)
                o.nastavText("Spravne", QStringLiteral("A"));
        });
        QVERIFY(obsahuje(chyby, QStringLiteral("V kategorii 684–771 je písmeno A správné")));
        QVERIFY(obsahuje(chyby, QStringLiteral("V kategorii 684–771 má")));
        // A situation without its picture, and two sharing one.
        chyby = kontrolaUpraveneho([&](XmlPrvek o, int cislo) {
            if (cislo == 554)
                o.nastavText("Obrazek", {});
            if (cislo == 555)
                o.nastavText("Obrazek", QStringLiteral("grafika/situace/s01.png"));
        });
        QVERIFY(obsahuje(chyby, QStringLiteral("Otázka 554: dopravní situace nemá obrázek")));
        QVERIFY(obsahuje(chyby, QStringLiteral("Otázka 555: obrázek \"grafika/situace/s01.png\" "
                                               "už má jiná situace")));
        // Sign questions without their signs.
        chyby = kontrolaUpraveneho([&](XmlPrvek o, int cislo) {
            if (cislo >= 309 && cislo <= 380)
                o.nastavText("Obrazek", {});
        });
        QVERIFY(obsahuje(chyby, QStringLiteral("otázek o značkách")));
    }

    // Question 2 made a copy of question 1 in other words: a near duplicate.
    void skoroStejnaOtazka() {
        PracovniSlozka slozka;
        QByteArray xml = PracovniSlozka::precti(dataProjektu() + QStringLiteral("/otazky.xml"));
        const qsizetype od1 = xml.indexOf("<otazka>");
        const qsizetype od2 = xml.indexOf("<otazka>", od1 + 1);
        const qsizetype od3 = xml.indexOf("<otazka>", od2 + 1);
        QByteArray kopie = xml.mid(od1, od2 - od1);
        kopie.replace("<Kod>KM010001</Kod>", "<Kod>KM010002</Kod>");
        kopie.replace("</Otazka>", " tedy</Otazka>");
        xml.replace(od2, od3 - od2, kopie);
        PracovniSlozka::zapis(QStringLiteral("otazky.xml"), xml);
        const QStringList chyby = KontrolaKatalogu(QStringLiteral("otazky.xml"), dataProjektu());
        QVERIFY2(obsahuje(chyby, QStringLiteral("Otázky 1 (KM010001) a 2 (KM010002) se ptají "
                                                "skoro stejnými slovy")),
                 qPrintable(chyby.join(u'\n')));
    }

    // Every picture needs its @2x file of twice the size beside it.
    void obrazekDvojnasobny() {
        PracovniSlozka slozka;
        ZapisKatalog(); // pictures grafika/obr2.png and grafika/obr4.png, no @2x
        const TOtazka databaze;
        QStringList chyby = KontrolaObrazku(databaze.Dokument(), QDir::current());
        QVERIFY2(obsahuje(chyby, QStringLiteral("\"grafika/obr2@2x.png\"")),
                 qPrintable(chyby.join(u'\n')));
        QImage dvakrat(240, 60, QImage::Format_RGB32);
        dvakrat.fill(Qt::white);
        QVERIFY(dvakrat.save(QStringLiteral("grafika/obr2@2x.png")));
        chyby = KontrolaObrazku(databaze.Dokument(), QDir::current());
        QVERIFY(!obsahuje(chyby, QStringLiteral("obr2@2x")));
        QVERIFY(obsahuje(chyby, QStringLiteral("obr4@2x")));
    }

    void podobnost_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<double>("podobnost");
        QTest::newRow("stejne") << "Řidič smí jet 50 km/h."
                                << "řidič SMÍ jet 50 km/h" << 1.0;
        QTest::newRow("jine") << "Tramvaj má přednost."
                              << "Cyklista musí zastavit." << 0.0;
        // Words are taken by their first five letters: the cases of a word match.
        QTest::newRow("pady") << "řidičem vozidla"
                              << "řidiči vozidlo" << 1.0;
        QTest::newRow("polovina") << "řidič smí odbočit"
                                  << "řidič nesmí couvat" << 0.2;
        QTest::newRow("kratka slova") << "a je to"
                                      << "b je ti" << 0.0;
    }
    void podobnost() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(double, podobnost);
        QCOMPARE(Podobnost(a, b), podobnost);
    }

    void absolutniSlova_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("absolutni");
        QTest::newRow("vzdy") << "Dává vždy přednost." << true;
        QTest::newRow("na zacatku") << "Nikdy nesmí." << true;
        QTest::newRow("sousloví") << "V žádném případě ne." << true;
        QTest::newRow("jen") << "jen chodcům" << true;
        QTest::newRow("jenze") << "jenže chodcům" << false;
        QTest::newRow("pouzdro") << "v pouzdru" << false;
        QTest::newRow("nejvyse") << "nejvýše 50 km/h" << false;
    }
    void absolutniSlova() {
        QFETCH(QString, text);
        QFETCH(bool, absolutni);
        QCOMPARE(ObsahujeAbsolutniSlovo(text), absolutni);
    }
};

QTEST_GUILESS_MAIN(TestKatalog)
#include "test_katalog.moc"
