// The profile store Profily.xml: defaults, the Boolean rule, name matching, fixed
// widths, the cascade through the results and protocols, and broken or unwritable files.
#include "core/XML_protokoly.h"
#include "core/XML_vysledky.h"
#include "core/chyba.h"
#include "profiles/profil_trida.h"
#include "tests/podpora/pracovni_slozka.h"
#include "tests/podpora/testovaci_main.h"

#include <QDir>

namespace {

QByteArray profil(const QByteArray& nazev, const QByteArray& stavovy = "1",
                  const QByteArray& postupny = "0", const QByteArray& velikost = "14") {
    return "<Profil><Nazev>" + nazev +
           "</Nazev><Heslo></Heslo><Kategorie>1010101</Kategorie>"
           "<Skupina>C</Skupina><Protokoly>101</Protokoly><Stavovy_radek>" +
           stavovy + "</Stavovy_radek><Postupny_vyber>" + postupny +
           "</Postupny_vyber><Pismo_font>Verdana</Pismo_font><Pismo_velikost>" + velikost +
           "</Pismo_velikost></Profil>";
}

void zapisProfily(const QByteArray& profily) {
    PracovniSlozka::zapis(QStringLiteral("Profily.xml"),
                          "<?xml version=\"1.0\"?>\n<Profily>" + profily + "</Profily>");
}

QByteArray vysledek(const QByteArray& profil, const QByteArray& typ = "Procvicovani") {
    return "<Vysledek><TypTestu>" + typ + "</TypTestu><Profil>" + profil +
           "</Profil><Datum>1.2.2026</Datum><Cas>10:00:00</Cas><Skupina>B</Skupina>"
           "<Kategorie>1111111</Kategorie><PocetOtazek>1</PocetOtazek><Spatne>0</Spatne>"
           "<SNapovedou>0</SNapovedou><SNapovedouCisla></SNapovedouCisla>"
           "<Uspesnost>100</Uspesnost><SpatneCisla></SpatneCisla></Vysledek>";
}

QByteArray protokol(const QByteArray& profil) {
    return "<Protokol><Profil>" + profil +
           "</Profil><DatumACas>1.2.2026 10:00:00</DatumACas>"
           "</Protokol>";
}

QString chybaZ(const std::function<void()>& operace) {
    try {
        operace();
        return {};
    } catch (const KolomatChyba& e) {
        return e.text();
    }
}

} // namespace

class TestProfily : public QObject {
    Q_OBJECT
private slots:
    void novyProfilSVychozimiHodnotami() {
        PracovniSlozka slozka;
        TProfil p;
        p.Otevrit();
        QVERIFY(p.Nazvy().isEmpty());
        QVERIFY2(!QFile::exists(QStringLiteral("Profily.xml")), "nothing is written before a "
                                                                "profile is created");
        p.Vytvor(QStringLiteral("Jan"), QString());
        const QByteArray soubor = PracovniSlozka::precti(QStringLiteral("Profily.xml"));
        QVERIFY(soubor.startsWith("<?xml version=\"1.0\"?>"));
        QVERIFY(!soubor.contains("encoding"));
        QVERIFY(soubor.contains("<Profil><Nazev>Jan</Nazev><Heslo></Heslo><Kategorie>1111111"
                                "</Kategorie><Skupina>B</Skupina><Protokoly>111</Protokoly>"
                                "<Stavovy_radek>1</Stavovy_radek><Postupny_vyber>1"
                                "</Postupny_vyber><Pismo_font>Arial</Pismo_font>"
                                "<Pismo_velikost>12</Pismo_velikost></Profil>"));
        QVERIFY(!soubor.contains("\n<Profil>")); // no indentation

        TProfil znovu;
        znovu.Otevrit();
        QVERIFY(znovu.Nacti(QStringLiteral("Jan")));
        QCOMPARE(znovu.Kategorie, QStringLiteral("1111111"));
        QCOMPARE(znovu.Skupina, QStringLiteral("B"));
        QCOMPARE(znovu.Protokoly, QStringLiteral("111"));
        QVERIFY(znovu.Stavovy_radek);
        QVERIFY(znovu.Postupny_vyber);
        QCOMPARE(znovu.Pismo_font, QStringLiteral("Arial"));
        QCOMPARE(znovu.Pismo_velikost, 12);

        // New profiles are appended last; an existing name (any ASCII case) is ignored.
        znovu.Vytvor(QStringLiteral("Eva"), QStringLiteral("tajne"));
        znovu.Vytvor(QStringLiteral("JAN"), QString());
        QCOMPARE(znovu.Nazvy(), (QStringList{QStringLiteral("Jan"), QStringLiteral("Eva")}));
    }

    void ulozeniLogickychHodnot() {
        PracovniSlozka slozka;
        TProfil p;
        p.Otevrit();
        p.Vytvor(QStringLiteral("Jan"), QString());
        p.Nacti(QStringLiteral("Jan"));
        p.Stavovy_radek = false;
        p.Skupina = QStringLiteral("A1");
        p.Uloz();
        const QByteArray soubor = PracovniSlozka::precti(QStringLiteral("Profily.xml"));
        QVERIFY(soubor.contains("<Stavovy_radek>0</Stavovy_radek><Postupny_vyber>-1"
                                "</Postupny_vyber>"));
        TProfil znovu;
        znovu.Otevrit();
        znovu.Nacti(QStringLiteral("jan"));
        QVERIFY(!znovu.Stavovy_radek);
        QVERIFY(znovu.Postupny_vyber);
        QCOMPARE(znovu.Skupina, QStringLiteral("A1"));
    }

    void pravidloLogickychHodnot() {
        bool ok = false;
        for (const char* pravda : {"-1", "1", "2", "1.5", "True", "TRUE", "true", " 7 "}) {
            QVERIFY2(TextNaLogickou(QString::fromLatin1(pravda), &ok) && ok, pravda);
        }
        for (const char* nepravda : {"0", "False", "fALSE", "0.0", "-0"}) {
            QVERIFY2(!TextNaLogickou(QString::fromLatin1(nepravda), &ok) && ok, nepravda);
        }
        for (const char* spatne : {"", "ano", "1e3", "0x1", "TRUEE", "1,5,"}) {
            TextNaLogickou(QString::fromLatin1(spatne), &ok);
            QVERIFY2(!ok, spatne);
        }
    }

    void neprevoditelneHodnoty_data() {
        QTest::addColumn<QByteArray>("zaznam");
        QTest::addColumn<QString>("pole");
        QTest::newRow("status bar") << profil("Eva", "ano") << "Stavovy_radek";
        QTest::newRow("order") << profil("Eva", "1", "") << "Postupny_vyber";
        QTest::newRow("font size") << profil("Eva", "1", "0", "velké") << "Pismo_velikost";
        QTest::newRow("missing size")
            << QByteArray("<Profil><Nazev>Eva</Nazev><Stavovy_radek>1</Stavovy_radek>"
                          "<Postupny_vyber>1</Postupny_vyber></Profil>")
            << "Pismo_velikost";
    }
    void neprevoditelneHodnoty() {
        QFETCH(QByteArray, zaznam);
        QFETCH(QString, pole);
        PracovniSlozka slozka;
        zapisProfily(profil("Jan") + zaznam);
        TProfil p;
        p.Otevrit();
        QVERIFY(p.Nacti(QStringLiteral("Jan")));
        const QString chyba = chybaZ([&] { p.Nacti(QStringLiteral("Eva")); });
        QVERIFY2(chyba.contains(QStringLiteral("\"Eva\"")) && chyba.contains(pole),
                 qPrintable(chyba));
        QCOMPARE(p.Nazev, QStringLiteral("Jan")); // the fields are untouched
        QCOMPARE(p.Pismo_velikost, 14);
    }

    void jmenaAPevneSirky() {
        PracovniSlozka slozka;
        const QByteArray dlouhe(40, 'x');
        zapisProfily(profil("Jan") + profil("Čeněk") + profil(dlouhe) +
                     "<Profil><Nazev>Kuba</Nazev><Heslo>" + QByteArray(60, 'h') +
                     "</Heslo><Kategorie>111111111</Kategorie><Skupina>ABC</Skupina>"
                     "<Protokoly>1111</Protokoly><Stavovy_radek>1</Stavovy_radek>"
                     "<Postupny_vyber>1</Postupny_vyber><Pismo_velikost>12</Pismo_velikost>"
                     "</Profil>");
        TProfil p;
        p.Otevrit();
        QVERIFY(p.Existuje(QStringLiteral("JAN")));
        QVERIFY(p.Existuje(QStringLiteral("jan")));
        QVERIFY(p.Existuje(QStringLiteral("ČENěK"))); // only a-z ignore their case
        QVERIFY(!p.Existuje(QStringLiteral("ČENĚK")));
        QVERIFY(!p.Existuje(QStringLiteral("čeněk")));
        QVERIFY(!p.Existuje(QStringLiteral("Jan ")));
        QVERIFY(!p.Nacti(QStringLiteral("Nikdo")));

        QVERIFY(p.Nacti(QString::fromLatin1(dlouhe)));
        QCOMPARE(p.Nazev.size(), 30);
        p.Uloz();
        QVERIFY(PracovniSlozka::precti(QStringLiteral("Profily.xml"))
                    .contains("<Nazev>" + QByteArray(30, 'x') + "</Nazev>"));
        QVERIFY(p.Nacti(QStringLiteral("Kuba")));
        QCOMPARE(p.Heslo.size(), 50);
        QCOMPARE(p.Kategorie, QStringLiteral("1111111"));
        QCOMPARE(p.Skupina, QStringLiteral("AB"));
        QCOMPARE(p.Protokoly, QStringLiteral("111"));
        QVERIFY(p.Pismo_font.isEmpty()); // a missing child reads as empty text
    }

    void smazaniSeZaznamy() {
        PracovniSlozka slozka;
        zapisProfily(profil("Jan") + profil("Eva"));
        PracovniSlozka::zapis(QStringLiteral("Vysledky.xml"),
                              "<Vysledky>" + vysledek("Jan") + vysledek("Eva") +
                                  vysledek("Jan", "Zkouseni") + vysledek("Jan") + vysledek("jan") +
                                  vysledek("Eva", "Zkouseni") + "</Vysledky>");
        PracovniSlozka::zapis(QStringLiteral("Protokoly.xml"),
                              "<Protokoly>" + protokol("Jan") + protokol("Jan") + protokol("Eva") +
                                  protokol("JAN") + protokol("Jan") + "</Protokoly>");
        TProfil p;
        p.Otevrit();
        QVERIFY(!p.Smaz(QStringLiteral("JAN"))); // deleting needs the exact name
        QVERIFY(p.Smaz(QStringLiteral("Jan")));
        QCOMPARE(p.Nazvy(), QStringList{QStringLiteral("Eva")});

        TProfil znovu;
        znovu.Otevrit();
        QCOMPARE(znovu.Nazvy(), QStringList{QStringLiteral("Eva")});
        const TXMLVysledkyType vysledky = NacistVysledky();
        QStringList zbyle;
        for (const TXMLVysledekType& z : vysledky.Zaznamy())
            zbyle << z.Profil() + u'/' + z.TypTestu();
        QCOMPARE(zbyle, (QStringList{"Eva/Procvicovani", "jan/Procvicovani", "Eva/Zkouseni"}));
        const TXMLProtokolyType protokoly = NacistProtokoly();
        QStringList zbyleProtokoly;
        for (const TXMLProtokolType& z : protokoly.Zaznamy())
            zbyleProtokoly << z.Profil();
        QCOMPARE(zbyleProtokoly, (QStringList{"Eva", "JAN"}));
    }

    void poskozeneSouboryZustanou() {
        PracovniSlozka slozka;
        // A broken profiles file is reported and never taken for an empty one.
        const QByteArray rozbity = "<?xml version=\"1.0\"?>\n<Profily>" + profil("Jan");
        PracovniSlozka::zapis(QStringLiteral("Profily.xml"), rozbity);
        TProfil p;
        const QString chyba = chybaZ([&] { p.Otevrit(); });
        QVERIFY2(chyba.contains(QStringLiteral("Profily.xml")) &&
                     chyba.contains(QStringLiteral("řádek")),
                 qPrintable(chyba));
        QCOMPARE(PracovniSlozka::precti(QStringLiteral("Profily.xml")), rozbity);

        // A broken results file stops the deletion before any of the three files changes.
        zapisProfily(profil("Jan"));
        const QByteArray profily = PracovniSlozka::precti(QStringLiteral("Profily.xml"));
        const QByteArray vysledky = "<Vysledky>" + vysledek("Jan") + "<Vysledek>";
        const QByteArray protokoly = "<Protokoly>" + protokol("Jan") + "</Protokoly>";
        PracovniSlozka::zapis(QStringLiteral("Vysledky.xml"), vysledky);
        PracovniSlozka::zapis(QStringLiteral("Protokoly.xml"), protokoly);
        TProfil q;
        q.Otevrit();
        const QString chybaSmazani = chybaZ([&] { q.Smaz(QStringLiteral("Jan")); });
        QVERIFY2(chybaSmazani.contains(QStringLiteral("Vysledky.xml")), qPrintable(chybaSmazani));
        QCOMPARE(q.Nazvy(), QStringList{QStringLiteral("Jan")});
        QCOMPARE(PracovniSlozka::precti(QStringLiteral("Profily.xml")), profily);
        QCOMPARE(PracovniSlozka::precti(QStringLiteral("Vysledky.xml")), vysledky);
        QCOMPARE(PracovniSlozka::precti(QStringLiteral("Protokoly.xml")), protokoly);
    }

    void neuspesneUlozeni() {
        PracovniSlozka slozka;
        TProfil p;
        p.Otevrit();
        // Profily.xml stands for a folder here, so that no save can succeed.
        QDir().mkdir(QStringLiteral("Profily.xml"));
        const QString chyba = chybaZ([&] { p.Vytvor(QStringLiteral("Jan"), QString()); });
        QVERIFY2(chyba.contains(QStringLiteral("nelze uložit")), qPrintable(chyba));
        QVERIFY2(p.Nazvy().isEmpty(), "a profile that could not be saved is not kept");
        // Something called Profily.xml that cannot be read is an error, not an empty store.
        TProfil jiny;
        QVERIFY(!chybaZ([&] { jiny.Otevrit(); }).isEmpty());

        QDir().rmdir(QStringLiteral("Profily.xml"));
        p.Vytvor(QStringLiteral("Jan"), QString());
        p.Nacti(QStringLiteral("Jan"));
        QFile::rename(QStringLiteral("Profily.xml"), QStringLiteral("zaloha.xml"));
        QDir().mkdir(QStringLiteral("Profily.xml"));
        p.Skupina = QStringLiteral("T");
        QVERIFY(!chybaZ([&] { p.Uloz(); }).isEmpty());
        // The failed save left the document as it was: once the file can be written
        // again, another profile's save does not carry the unsaved group with it.
        QDir().rmdir(QStringLiteral("Profily.xml"));
        QFile::rename(QStringLiteral("zaloha.xml"), QStringLiteral("Profily.xml"));
        p.Vytvor(QStringLiteral("Eva"), QString());
        const QByteArray ulozeny = PracovniSlozka::precti(QStringLiteral("Profily.xml"));
        QVERIFY(ulozeny.contains("<Nazev>Jan</Nazev><Heslo></Heslo><Kategorie>1111111</Kategorie>"
                                 "<Skupina>B"));
        QVERIFY(!ulozeny.contains("<Skupina>T"));
    }
};

KOLOMAT_TEST_MAIN(TestProfily)
#include "test_profily.moc"
