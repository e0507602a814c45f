// The question database: loading by number, removed and two-answer questions, the
// fixed widths, the group rule, and every way in which otazky.xml can be broken.
#include "core/XML_otazky.h"
#include "core/chyba.h"
#include "core/kontrola_katalogu.h"
#include "core/obrazek_otazky.h"
#include "tests/podpora/generator_katalogu.h"
#include "tests/podpora/pracovni_slozka.h"
#include <QTest>

#include <QElapsedTimer>
#include <QImage>
#include <QStringEncoder>

#include <sys/stat.h>

namespace {

// The message of the error that creating the question object throws, or "".
QString chybaOtevreni() {
    try {
        TOtazka databaze;
        return {};
    } catch (const KolomatChyba& e) {
        return e.text();
    }
}

QByteArray otazka(const QByteArray& deti) {
    return "<otazka>" + deti + "</otazka>";
}

// A catalogue of 802 plain questions with the given first questions.
QByteArray katalog(const QList<QByteArray>& prvni, int pocet = 802,
                   const QByteArray& deklarace = "<?xml version=\"1.0\"?>") {
    QByteArray xml = deklarace + "\n<otazky>\n";
    for (int i = 0; i < pocet; ++i)
        xml += i < prvni.size() ? prvni[i]
                                : otazka("<Kod>K</Kod><Otazka>Q</Otazka><A>a</A><B>b</B>"
                                         "<C>c</C><Spravne>A</Spravne><Skupina>ABCD</Skupina>") +
                                      "\n";
    return xml + "</otazky>\n";
}

} // namespace

class TestOtazky : public QObject {
    Q_OBJECT
private slots:
    void nactiOtazkuVPlatnosti() {
        PracovniSlozka slozka;
        ZapisKatalog();
        TOtazka databaze;
        QCOMPARE(databaze.Dokument().Count(), 802);
        QCOMPARE(databaze.Nacti(1), 0);
        QVERIFY(databaze.Platna);
        QCOMPARE(databaze.Cislo, 1);
        QCOMPARE(databaze.Kod, KodOtazky(1));
        QCOMPARE(databaze.Otazka, QStringLiteral("Otázka číslo 1 katalogu?"));
        QCOMPARE(databaze.C, QStringLiteral("Odpověď C na otázku 1."));
        QCOMPARE(databaze.Spravne, SpravnaOdpoved(1));
        QCOMPARE(databaze.Nacti(802), 801);
        QCOMPARE(databaze.Dokument()[801].Kod(), KodOtazky(802));
    }

    void vyrazenaOtazkaNechavaPredchozi() {
        PracovniSlozka slozka;
        ZapisKatalog();
        TOtazka databaze;
        QCOMPARE(databaze.Nacti(4), 3);
        QCOMPARE(databaze.Nacti(5), -1);
        QVERIFY(!databaze.Platna);
        QCOMPARE(databaze.Cislo, 4);
        QCOMPARE(databaze.Otazka, QStringLiteral("Otázka číslo 4 katalogu?"));
        // The element itself is still readable directly.
        QCOMPARE(databaze.Dokument()[4].Poznamka(), QStringLiteral("Vyřazena novelou."));
    }

    void dveOdpovedi() {
        PracovniSlozka slozka;
        ZapisKatalog();
        TOtazka databaze;
        QCOMPARE(databaze.Nacti(3), 2);
        QVERIFY(databaze.C.isEmpty());
        QVERIFY(!databaze.B.isEmpty());
    }

    void pevneSirky() {
        PracovniSlozka slozka;
        const QByteArray dlouha(60, 'x');
        PracovniSlozka::zapis(
            QStringLiteral("otazky.xml"),
            katalog({otazka("<Kod>K1</Kod><Otazka>Q</Otazka><A>a</A><B>b</B><Spravne>AB</Spravne>"
                            "<Skupina>ABCDT</Skupina><Obrazek>grafika/" +
                            dlouha + "</Obrazek>"),
                     otazka("<Poznamka>" + QByteArray(130, 'p') + "</Poznamka>")}));
        TOtazka databaze;
        QCOMPARE(databaze.Nacti(1), 0);
        QCOMPARE(databaze.Spravne, QStringLiteral("A"));
        QCOMPARE(databaze.Skupina, QStringLiteral("ABCD"));
        QCOMPARE(databaze.Obrazek.size(), 50);
        QVERIFY(databaze.C.isEmpty()); // a missing child reads as empty text
        QCOMPARE(databaze.Nacti(2), -1);
        QCOMPARE(databaze.Dokument()[1].Poznamka().size(), 130);
    }

    void cisloMimoRozsah() {
        PracovniSlozka slozka;
        ZapisKatalog();
        TOtazka databaze;
        for (int spatne : {0, -1, 803}) {
            try {
                databaze.Nacti(spatne);
                QFAIL("Nacti accepted a number outside the catalogue");
            } catch (const KolomatChyba& e) {
                QVERIFY(e.text().contains(QString::number(spatne)));
            }
            QVERIFY(!databaze.Platna);
        }
    }

    void skupiny() {
        QVERIFY(PatriDoSkupiny(QStringLiteral("ABCD"), QStringLiteral("T")));
        QVERIFY(PatriDoSkupiny(QStringLiteral("T"), QStringLiteral("T")));
        QVERIFY(PatriDoSkupiny(QStringLiteral("CT"), QStringLiteral("T")));
        QVERIFY(!PatriDoSkupiny(QStringLiteral("ABC"), QStringLiteral("T")));
        QVERIFY(!PatriDoSkupiny(QStringLiteral("ABCDT"), QStringLiteral("X")));
        QVERIFY(PatriDoSkupiny(QStringLiteral("B"), QStringLiteral("B1")));
        QVERIFY(PatriDoSkupiny(QStringLiteral("AB"), QStringLiteral("AM")));
        QVERIFY(PatriDoSkupiny(QStringLiteral("A"), QStringLiteral("A1")));
        QVERIFY(!PatriDoSkupiny(QStringLiteral("CD"), QStringLiteral("A1")));
        QVERIFY(!PatriDoSkupiny(QStringLiteral("ABCD"), QString()));
        QVERIFY(!PatriDoSkupiny(QString(), QStringLiteral("B")));
    }

    void poskozenyKatalog_data() {
        QTest::addColumn<QByteArray>("obsah");
        QTest::addColumn<QStringList>("ocekavane");
        QTest::newRow("empty") << QByteArray() << QStringList{"otazky.xml", "prázdný"};
        QTest::newRow("not xml") << QByteArray("Tohle není XML.")
                                 << QStringList{"otazky.xml", "prázdný"};
        QByteArray zkraceny = katalog({});
        zkraceny.chop(zkraceny.size() / 2);
        QTest::newRow("truncated")
            << zkraceny << QStringList{"otazky.xml", "není platný dokument XML", "řádek"};
        QTest::newRow("bad tag") << QByteArray("<otazky>\n<otazka><Kod>1</Kod>\n</otazky>")
                                 << QStringList{"otazky.xml", "řádek 3, sloupec"};
        QTest::newRow("few questions")
            << katalog({}, 801) << QStringList{"otazky.xml", "801", "802"};
        QTest::newRow("other root") << QByteArray("<?xml version=\"1.0\"?><Profily/>")
                                    << QStringList{"otazky.xml", "<otazky>", "<Profily>"};
        QTest::newRow("not utf-8") << QByteArray("<otazky>\n<otazka>\xE8</otazka></otazky>")
                                   << QStringList{"otazky.xml", "UTF-8", "řádku 2"};
        // The BOM claims UTF-8 while the declaration and bytes are Windows-1250.
        QTest::newRow("utf-8 bom, cp1250 bytes")
            << QByteArray("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"windows-1250\"?>\n"
                          "<otazky>\n<otazka>\xD8idi\xE8</otazka></otazky>")
            << QStringList{"otazky.xml", "UTF-8", "řádku 3, sloupci 9"};
        QTest::newRow("unknown encoding")
            << QByteArray("<?xml version=\"1.0\" encoding=\"x-nonsense\"?><otazky/>")
            << QStringList{"otazky.xml", "x-nonsense"};
    }
    void poskozenyKatalog() {
        QFETCH(QByteArray, obsah);
        QFETCH(QStringList, ocekavane);
        PracovniSlozka slozka;
        PracovniSlozka::zapis(QStringLiteral("otazky.xml"), obsah);
        const QString chyba = chybaOtevreni();
        for (const QString& cast : ocekavane)
            QVERIFY2(chyba.contains(cast), qPrintable(chyba));
        QVERIFY(!KontrolaStrukturyKatalogu(QStringLiteral("otazky.xml")).isEmpty());
    }

    void chybejiciKatalog() {
        PracovniSlozka slozka;
        const QString chyba = chybaOtevreni();
        QVERIFY2(chyba.contains(QStringLiteral("\"otazky.xml\"")) &&
                     chyba.contains(QStringLiteral("nalezen")),
                 qPrintable(chyba));
    }

    void jinaKodovani() {
        PracovniSlozka slozka;
        // A catalogue saved in Windows-1250 with its declaration says so.
        const QByteArray utf8 =
            katalog({otazka("<Kod>K</Kod><Otazka>Přednost v jízdě?</Otazka><A>a</A><B>b</B>"
                            "<Spravne>A</Spravne>")},
                    802, "<?xml version=\"1.0\" encoding=\"windows-1250\"?>");
        QStringEncoder doCp1250("windows-1250");
        PracovniSlozka::zapis(QStringLiteral("otazky.xml"), doCp1250(QString::fromUtf8(utf8)));
        TOtazka databaze;
        databaze.Nacti(1);
        QCOMPARE(databaze.Otazka, QStringLiteral("Přednost v jízdě?"));

        // UTF-16 with a byte-order mark.
        QStringEncoder doUtf16(QStringConverter::Utf16LE, QStringEncoder::Flag::WriteBom);
        PracovniSlozka::zapis(QStringLiteral("otazky.xml"), doUtf16(QString::fromUtf8(utf8)));
        TOtazka databaze16;
        databaze16.Nacti(1);
        QCOMPARE(databaze16.Otazka, QStringLiteral("Přednost v jízdě?"));

        // UTF-8 with a byte-order mark.
        PracovniSlozka::zapis(QStringLiteral("otazky.xml"), "\xEF\xBB\xBF" + utf8);
        TOtazka databaze8;
        databaze8.Nacti(1);
        QCOMPARE(databaze8.Otazka, QStringLiteral("Přednost v jízdě?"));
    }

    void kontrolaStruktury() {
        PracovniSlozka slozka;
        NastaveniKatalogu n;
        ZapisKatalog(QStringLiteral("otazky.xml"), n);
        QCOMPARE(KontrolaStrukturyKatalogu(QStringLiteral("otazky.xml")), QStringList());
        // A correct letter that names the missing answer C, or no letter at all.
        PracovniSlozka::zapis(
            QStringLiteral("otazky.xml"),
            katalog({otazka("<A>a</A><B>b</B><Spravne>C</Spravne>"),
                     otazka("<A>a</A><B>b</B><C>c</C><Spravne>D</Spravne>"),
                     otazka("<A>a</A><B>b</B><Spravne>C</Spravne><Poznamka>pryč</Poznamka>")}));
        const QStringList chyby = KontrolaStrukturyKatalogu(QStringLiteral("otazky.xml"));
        QCOMPARE(chyby.size(), 2);
        QVERIFY(chyby[0].startsWith(QStringLiteral("Otázka 1:")));
        QVERIFY(chyby[1].startsWith(QStringLiteral("Otázka 2:")));

        // Texts beyond their bounds and pictures from outside grafika/ are named by
        // question; such a catalogue is never taken in by an update.
        const QString dlouhy(kNejdelsiOtazka + 1, u'x');
        PracovniSlozka::zapis(
            QStringLiteral("otazky.xml"),
            katalog({otazka("<Otazka>" + dlouhy.toUtf8() +
                            "</Otazka><A>a</A><B>b</B>"
                            "<Spravne>A</Spravne>"),
                     otazka("<A>a</A><B>b</B><Spravne>A</Spravne>"
                            "<Obrazek>grafika/../../tajne.png</Obrazek>"),
                     otazka("<Kod>KM0100011</Kod><A>a</A><B>b</B><Spravne>A</Spravne>"),
                     otazka("<A>a</A><B>b</B><Spravne>A</Spravne><Obrazek>/etc/x.png</Obrazek>")}));
        const QStringList meze = KontrolaStrukturyKatalogu(QStringLiteral("otazky.xml"));
        QCOMPARE(meze.size(), 4);
        QVERIFY2(meze[0].startsWith(QStringLiteral("Otázka 1: text otázky má 2001 znaků")),
                 qPrintable(meze[0]));
        QVERIFY2(meze[1].startsWith(QStringLiteral("Otázka 2: cesta k obrázku obsahuje \"..\"")),
                 qPrintable(meze[1]));
        QVERIFY(meze[2].startsWith(QStringLiteral("Otázka 3: kód má 9 znaků")));
        QVERIFY(meze[3].startsWith(QStringLiteral("Otázka 4: obrázek neleží ve složce")));
    }

    void delkaTextuOmezena() {
        PracovniSlozka slozka;
        NastaveniKatalogu n;
        n.textyOtazek[1] = QString(1000000, u'x'); // a megabyte without a space
        n.textyOdpovedi[1] = QString(5000, u'y');
        ZapisKatalog(QStringLiteral("otazky.xml"), n);
        TOtazka databaze;
        databaze.Nacti(1);
        QCOMPARE(databaze.Otazka.size(), kNejdelsiOtazka);
        QCOMPARE(databaze.A.size(), kNejdelsiOdpoved);
    }

    void cestaObrazku_data() {
        QTest::addColumn<QString>("cesta");
        QTest::addColumn<bool>("povolena");
        QTest::newRow("prazdna") << QString() << true;
        QTest::newRow("obrazek") << "grafika/situace/s01.png" << true;
        QTest::newRow("jine jmeno slozky") << "grafika2/s01.png" << false;
        QTest::newRow("jen slozka") << "grafika/" << false;
        QTest::newRow("nahoru") << "grafika/../Profily.xml" << false;
        QTest::newRow("nahoru na konci") << "grafika/a/.." << false;
        QTest::newRow("tecka") << "grafika/./s01.png" << false;
        QTest::newRow("absolutni") << "/etc/passwd" << false;
        QTest::newRow("zpetne lomitko") << "grafika\\..\\x.png" << false;
        QTest::newRow("radek") << "grafika/a\nb.png" << false;
        QTest::newRow("51 znaku") << "grafika/" + QString(43, u'a') << false;
        QTest::newRow("50 znaku") << "grafika/" + QString(42, u'a') << true;
    }
    void cestaObrazku() {
        QFETCH(QString, cesta);
        QFETCH(bool, povolena);
        QCOMPARE(ProblemCestyObrazku(cesta).isEmpty(), povolena);
    }

    // Only regular files inside grafika/ are read; a pipe, a device, a directory or a
    // link out of the folder is refused without being opened, so nothing blocks.
    void obrazekJenZeSlozkyGrafika() {
        PracovniSlozka slozka;
        QDir().mkpath(QStringLiteral("grafika/sub"));
        QImage obraz(10, 20, QImage::Format_RGB32);
        obraz.fill(Qt::red);
        QVERIFY(obraz.save(QStringLiteral("grafika/sub/a.png")));
        QVERIFY(obraz.save(QStringLiteral("tajne.png")));
        QImage velky(20, 40, QImage::Format_RGB32);
        velky.fill(Qt::blue);
        QVERIFY(velky.save(QStringLiteral("grafika/sub/a@2x.png")));
        QVERIFY(QFile::link(slozka.cesta(QStringLiteral("tajne.png")),
                            QStringLiteral("grafika/ven.png")));
        QVERIFY(QFile::link(QStringLiteral("sub/a.png"), QStringLiteral("grafika/uvnitr.png")));
        QVERIFY(::mkfifo("grafika/roura.png", 0600) == 0);
        QDir().mkpath(QStringLiteral("grafika/slozka.png"));
        PracovniSlozka::zapis(QStringLiteral("grafika/obri.png"),
                              QByteArray(kNejvetsiObrazek + 1, 'x'));

        QCOMPARE(NactiObrazekOtazky(QStringLiteral("grafika/sub/a.png")).size(), QSize(10, 20));
        QCOMPARE(NactiObrazekOtazky(QStringLiteral("grafika/uvnitr.png")).size(), QSize(10, 20));
        // At a high density the picture twice the size, keeping its place.
        const QImage ostry = NactiObrazekOtazky(QStringLiteral("grafika/sub/a.png"), 2.0);
        QCOMPARE(ostry.size(), QSize(20, 40));
        QCOMPARE(ostry.devicePixelRatio(), 2.0);
        QCOMPARE(NactiObrazekOtazky(QStringLiteral("grafika/uvnitr.png"), 2.0).size(),
                 QSize(10, 20));

        QElapsedTimer cas;
        cas.start();
        for (const char* cesta : {"grafika/ven.png", "grafika/roura.png", "grafika/slozka.png",
                                  "grafika/obri.png", "grafika/../tajne.png", "grafika/chybi.png"})
            QVERIFY2(NactiObrazekOtazky(QString::fromLatin1(cesta)).isNull(), cesta);
        QVERIFY(NactiObrazekOtazky(slozka.cesta(QStringLiteral("tajne.png"))).isNull());
        QVERIFY(cas.elapsed() < 5000); // a pipe opened for reading would block for good
    }
};

QTEST_GUILESS_MAIN(TestOtazky)
#include "test_otazky.moc"
