// The protocol store Protokoly.xml (round trips, whitespace of the lists, profiles,
// deletes that fail), the fixed-width protocol text, and the exported file's bytes.
#include "XML_protokoly.h"
#include "chyba.h"
#include "pracovni_slozka.h"
#include "protokol_text.h"
#include "testovaci_main.h"

#include <QDir>

namespace {

const QString k24Mezer = QString(24, u' ');

TProtokol protokol(const QString& profil, int body = 44) {
    TProtokol p;
    p.Profil = profil;
    p.DatumACas = QDateTime(QDate(2026, 12, 5), QTime(14, 3, 11));
    p.Skupina = QStringLiteral("B");
    p.DelkaTestu = QStringLiteral("12:34");
    p.Spravne = 23;
    p.PocetBodu = body;
    p.MinPocetBodu = 43;
    p.Verdikt = body >= 43 ? QStringLiteral("Prošel") : QStringLiteral("Neprošel");
    p.Body = QStringLiteral("2 2 2 2 2 2 2 2 2 2 2 2 2 2 1 1 1 4 4 4 1 1 2 2 1");
    p.Odpoved = k24Mezer;
    p.SpravnaOdpoved = QStringLiteral("A B C A B C A B C A B C A B C A B C A B C A B C A");
    p.SkutCis = QStringLiteral("3 17 25 41 57 64 99 120 200 308 452 470 500 552 309 333 451 553 "
                               "600 612 613 683 684 771 802");
    return p;
}

QStringList profily(const TXMLProtokolyType& koren) {
    QStringList jmena;
    for (const TXMLProtokolType& z : koren.Zaznamy())
        jmena << z.Profil() + u'/' + QString::number(z.PocetBodu());
    return jmena;
}

QString chybaZ(const std::function<void()>& operace) {
    try {
        operace();
    } catch (const KolomatChyba& e) {
        return e.text();
    }
    return {};
}

// The hand-made record of the text tests: position 5 unanswered, 18 wrong.
TObsahProtokolu obsah() {
    TObsahProtokolu o;
    o.Profil = QStringLiteral("Jana Nováková");
    o.DatumACas = QStringLiteral("5.12.2026 14:03:11");
    o.Skupina = QStringLiteral("B");
    o.DelkaTestu = QStringLiteral("12:34");
    o.Spravne = QStringLiteral("23");
    o.PocetBodu = QStringLiteral("44");
    o.MinPocetBodu = QStringLiteral("43");
    o.Verdikt = QStringLiteral("Prošel");
    o.Body = QStringLiteral("2 2 2 2 2 2 2 2 2 2 2 2 2 2 1 1 1 4 4 4 1 1 2 2 1");
    o.Odpoved = QStringLiteral("A A A A  A A A A A A A A A A A A B A A A A A A A");
    o.SpravnaOdpoved = QStringLiteral("A A A A A A A A A A A A A A A A A A A A A A A A A");
    o.SkutCis = QStringLiteral("3 17 25 41 57 64 99 120 200 308 452 470 500 552 309 333 451 553 "
                               "600 612 613 683 684 771 802");
    return o;
}

std::optional<QString> kodTK(int cislo) {
    if (cislo < 1 || cislo > 802)
        return std::nullopt;
    return QStringLiteral("TK%1").arg(cislo, 6, 10, QLatin1Char('0'));
}

} // namespace

class TestProtokoly : public QObject {
    Q_OBJECT
private slots:
    void pridaniVytvoriSoubor() {
        PracovniSlozka slozka;
        PridatProtokol(protokol(QStringLiteral("Jana")));
        const QByteArray data = PracovniSlozka::precti(kSouborProtokolu);
        QVERIFY(data.startsWith("<?xml version=\"1.0\"?>"));
        QCOMPARE(data.count("<Protokol>"), 1);
        // The twelve children in their order, the empty answers kept as spaces.
        const QByteArray ocekavany =
            "<Protokoly><Protokol><Profil>Jana</Profil><DatumACas>5.12.2026 14:03:11"
            "</DatumACas><Skupina>B</Skupina><DelkaTestu>12:34</DelkaTestu><Spravne>23"
            "</Spravne><PocetBodu>44</PocetBodu><MinPocetBodu>43</MinPocetBodu><Verdikt>"
            "Prošel</Verdikt><Body>2 2 2 2 2 2 2 2 2 2 2 2 2 2 1 1 1 4 4 4 1 1 2 2 1</Body>"
            "<Odpoved>" +
            k24Mezer.toUtf8() + "</Odpoved><SpravnaOdpoved>";
        QVERIFY2(data.contains(ocekavany), data.constData());

        PridatProtokol(protokol(QStringLiteral("Petr"), 30));
        const TXMLProtokolyType koren = NacistProtokoly();
        QCOMPARE(profily(koren), (QStringList{"Jana/44", "Petr/30"}));
    }

    void kulataCestaSMezerami() {
        PracovniSlozka slozka;
        TProtokol p = protokol(QStringLiteral("Žofie Řeháková"));
        PridatProtokol(p);
        p.Odpoved = QStringLiteral(" A  B") + QString(21, u' ');
        PridatProtokol(p);

        const TXMLProtokolyType koren = NacistProtokoly();
        QCOMPARE(koren.Count(), 2);
        const TXMLProtokolType prvni = koren[0];
        QCOMPARE(prvni.Profil(), QStringLiteral("Žofie Řeháková"));
        QCOMPARE(prvni.Odpoved(), k24Mezer);
        QCOMPARE(RozdelSeznam(prvni.Odpoved()), QStringList(25, QString()));
        QCOMPARE(prvni.DatumACas(), p.DatumACas);
        QCOMPARE(prvni.Spravne(), 23);
        QCOMPARE(prvni.MinPocetBodu(), 43);
        QCOMPARE(RozdelSeznam(prvni.SkutCis()).at(24), QStringLiteral("802"));

        const QStringList druhe = RozdelSeznam(koren[1].Odpoved());
        QCOMPARE(druhe.size(), 25);
        QCOMPARE(druhe.at(0), QString());
        QCOMPARE(druhe.at(1), QStringLiteral("A"));
        QCOMPARE(druhe.at(2), QString());
        QCOMPARE(druhe.at(3), QStringLiteral("B"));
        QCOMPARE(druhe.count(QString()), 23);
        QCOMPARE(SpojSeznam(druhe), koren[1].Odpoved());
    }

    void rucneUpravenySoubor() {
        PracovniSlozka slozka;
        // Indented by an editor, in the system locale's date form: the indentation between
        // elements means nothing, the list of spaces keeps every space.
        PracovniSlozka::zapis(kSouborProtokolu,
                              "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n"
                              "<Protokoly>\r\n  <Protokol>\r\n    <Profil>Jana</Profil>\r\n"
                              "    <DatumACas>5.12.2026 0:00:00</DatumACas>\r\n"
                              "    <PocetBodu>50</PocetBodu>\r\n"
                              "    <Odpoved>" +
                                  k24Mezer.toLatin1() +
                                  "</Odpoved>\r\n  </Protokol>\r\n  <Jiny/>\r\n</Protokoly>\r\n");
        TXMLProtokolyType koren = NacistProtokoly();
        QCOMPARE(koren.Count(), 1);
        QCOMPARE(koren[0].Odpoved(), k24Mezer);
        QCOMPARE(koren[0].PocetBodu(), 50);
        QCOMPARE(DatumACasZaznamu(koren[0]), QStringLiteral("5.12.2026"));
        // A record missing its numbers fails only where they are read, naming the file.
        QVERIFY(chybaZ([&] { koren[0].Spravne(); }).contains(kSouborProtokolu));

        // Appending keeps the foreign element and the old record as they were.
        PridatProtokol(protokol(QStringLiteral("Petr")));
        koren = NacistProtokoly();
        QCOMPARE(koren.Count(), 2);
        QCOMPARE(koren[0].Odpoved(), k24Mezer);
        QVERIFY(PracovniSlozka::precti(kSouborProtokolu).contains("<Jiny></Jiny>"));
    }

    void poskozenySouborZustava() {
        PracovniSlozka slozka;
        const QByteArray zkraceny = "<?xml version=\"1.0\"?><Protokoly><Protokol><Profil>Ja";
        PracovniSlozka::zapis(kSouborProtokolu, zkraceny);
        const QString chyba = chybaZ([] { PridatProtokol(protokol(QStringLiteral("Jana"))); });
        QVERIFY2(chyba.contains(u"\"Protokoly.xml\""), qPrintable(chyba));
        QVERIFY(chyba.contains(u"řádek 1"));
        QCOMPARE(PracovniSlozka::precti(kSouborProtokolu), zkraceny);

        PracovniSlozka::zapis(kSouborProtokolu, "<Vysledky/>");
        QVERIFY(chybaZ([] { NacistProtokoly(); }).contains(u"<Protokoly>"));
        QCOMPARE(PracovniSlozka::precti(kSouborProtokolu), QByteArray("<Vysledky/>"));
    }

    void profilyAMazani() {
        PracovniSlozka slozka;
        const char* poradi[] = {"Jana", "Petr", "jana", "Jana", "Petr", "Jana"};
        int body = 10;
        for (const char* jmeno : poradi)
            PridatProtokol(protokol(QString::fromUtf8(jmeno), body++));

        TXMLProtokolyType koren = NacistProtokoly();
        std::vector<TXMLProtokolType> jana = ProtokolyProfilu(koren, QStringLiteral("Jana"));
        QCOMPARE(jana.size(), size_t(3));
        QCOMPARE(jana[0].PocetBodu(), 10);
        QCOMPARE(jana[1].PocetBodu(), 13);
        QCOMPARE(jana[2].PocetBodu(), 15);
        QCOMPARE(ProtokolyProfilu(koren, QStringLiteral("jana")).size(), size_t(1));
        QVERIFY(ProtokolyProfilu(koren, QStringLiteral("JANA")).empty());

        // The middle one of Jana's three goes, by identity: the file loses that element.
        SmazatProtokol(koren, jana[1]);
        QCOMPARE(profily(NacistProtokoly()),
                 (QStringList{"Jana/10", "Petr/11", "jana/12", "Petr/14", "Jana/15"}));

        // All of Jana's, interleaved with others: the others stay in their order.
        jana = ProtokolyProfilu(koren, QStringLiteral("Jana"));
        SmazatProtokoly(koren, jana);
        QCOMPARE(profily(koren), (QStringList{"Petr/11", "jana/12", "Petr/14"}));
        QCOMPARE(profily(NacistProtokoly()), profily(koren));

        SmazatProtokoly(koren, ProtokolyProfilu(koren, QStringLiteral("Petr")));
        SmazatProtokoly(koren, ProtokolyProfilu(koren, QStringLiteral("jana")));
        QCOMPARE(NacistProtokoly().Count(), 0);
        QVERIFY(PracovniSlozka::precti(kSouborProtokolu).contains("<Protokoly></Protokoly>"));
    }

    void neuspesneUlozeniNicNemeni() {
        PracovniSlozka slozka;
        for (const char* jmeno : {"Jana", "Petr", "Jana"})
            PridatProtokol(protokol(QString::fromUtf8(jmeno)));
        TXMLProtokolyType koren = NacistProtokoly();
        const std::vector<TXMLProtokolType> jana = ProtokolyProfilu(koren, QStringLiteral("Jana"));

        // The file cannot be replaced: a folder stands in its place.
        QVERIFY(QFile::rename(kSouborProtokolu, QStringLiteral("zaloha.xml")));
        QVERIFY(QDir().mkdir(kSouborProtokolu));
        QVERIFY(chybaZ([&] { SmazatProtokoly(koren, jana); }).contains(kSouborProtokolu));
        QVERIFY(chybaZ([&] { SmazatProtokol(koren, jana[0]); }).contains(kSouborProtokolu));
        // The document still holds every record, and the handles still work.
        QCOMPARE(koren.Count(), 3);
        QCOMPARE(koren.IndexOf(jana[1]), 2);
        QVERIFY(chybaZ([] {
                    PridatProtokol(protokol(QStringLiteral("Eva")));
                }).contains(kSouborProtokolu));

        QVERIFY(QDir().rmdir(kSouborProtokolu));
        QVERIFY(QFile::rename(QStringLiteral("zaloha.xml"), kSouborProtokolu));
        SmazatProtokol(koren, jana[1]);
        QCOMPARE(profily(NacistProtokoly()), (QStringList{"Jana/44", "Petr/44"}));
    }

    void textProtokolu() {
        const TTextProtokolu t = SestavTextProtokolu(obsah(), kodTK);
        const QStringList ocekavane{
            " Uživatel : Jana Nováková",
            "",
            "  Skupina : B",
            "  Maximální dosažitelný počet bodů: : 50",
            "  Minimální potřeba počtu bodů : 43",
            "  Datum a čas testu : 5.12.2026 14:03:11",
            "  Délka testu : 12:34",
            "",
            "  Otázka  Skutečné   Kód dle    Odpověď  Správná  Získané",
            "   číslo     číslo  věstníku  uživatele  odpověď     body",
            "  -------------------------------------------------------",
            "       1         3  TK000003          A        A        2",
            "       2        17  TK000017          A        A        2",
            "       3        25  TK000025          A        A        2",
            "       4        41  TK000041          A        A        2",
            "   x   5        57  TK000057                   A        0",
            "       6        64  TK000064          A        A        2",
            "       7        99  TK000099          A        A        2",
            "       8       120  TK000120          A        A        2",
            "       9       200  TK000200          A        A        2",
            "      10       308  TK000308          A        A        2",
            "      11       452  TK000452          A        A        2",
            "      12       470  TK000470          A        A        2",
            "      13       500  TK000500          A        A        2",
            "      14       552  TK000552          A        A        2",
            "      15       309  TK000309          A        A        1",
            "      16       333  TK000333          A        A        1",
            "      17       451  TK000451          A        A        1",
            "   x  18       553  TK000553          B        A        0",
            "      19       600  TK000600          A        A        4",
            "      20       612  TK000612          A        A        4",
            "      21       613  TK000613          A        A        1",
            "      22       683  TK000683          A        A        1",
            "      23       684  TK000684          A        A        2",
            "      24       771  TK000771          A        A        2",
            "      25       802  TK000802          A        A        1",
            "  -------------------------------------------------------",
            "     Prošel",
            "  -------------------------------------------------------",
            "           Celkem :                  23                44",
        };
        QCOMPARE(t.Radky.size(), ocekavane.size());
        for (qsizetype i = 0; i < ocekavane.size(); ++i)
            QCOMPARE(t.Radky.at(i), ocekavane.at(i));
        QVERIFY(t.BezKodu.isEmpty());
        QCOMPARE(TitulekProtokolu(obsah()),
                 QStringLiteral("Test z 5.12.2026 14:03:11; Uživatel: Jana Nováková"));
    }

    void spatnaCislaOtazek() {
        TObsahProtokolu o = obsah();
        o.SkutCis = QStringLiteral("3 x17 25 41 57 64 99 120 200 308 452 470 500 552 309 333 451 "
                                   "553 600 612 613 683 684 771 9999");
        const TTextProtokolu t = SestavTextProtokolu(o, kodTK);
        QCOMPARE(t.BezKodu, (QList<int>{2, 25}));
        QCOMPARE(t.Radky.at(12),
                 QStringLiteral("       2       x17                    A        A        2"));
        QCOMPARE(t.Radky.at(35),
                 QStringLiteral("      25      9999                    A        A        1"));
        QCOMPARE(t.Radky.at(11).mid(20, 8), QStringLiteral("TK000003"));

        // No database at all: every code column blank, still 40 lines.
        const TTextProtokolu bez = SestavTextProtokolu(o, HledaniKodu());
        QCOMPARE(bez.Radky.size(), 40);
        QCOMPARE(bez.BezKodu.size(), 25);

        // A list cut short reads its missing items as empty: no crash, wrong marks.
        o.Odpoved = QStringLiteral("A A");
        o.Body.clear();
        const TTextProtokolu kratky = SestavTextProtokolu(o, kodTK);
        QCOMPARE(kratky.Radky.at(11),
                 QStringLiteral("       1         3  TK000003          A        A        0"));
        QCOMPARE(kratky.Radky.at(13).at(3), u'x');
    }

    void bajtySouboru() {
        // Windows-1250: Ž 0x8E, á 0xE1, č 0xE8, ř 0xF8, Ů 0xD9; CR LF after every line.
        QCOMPARE(TextProSoubor(QStringLiteral("Žáček\nřŮ")), QByteArray("\x8E\xE1\xE8"
                                                                        "ek\r\n\xF8\xD9\r\n"));
        // A final line break ends the last line; it adds no empty one.
        QCOMPARE(TextProSoubor(QStringLiteral("a\n\nb\n")), QByteArray("a\r\n\r\nb\r\n"));
        QCOMPARE(TextProSoubor(QStringLiteral("a\r\nb")), QByteArray("a\r\nb\r\n"));
        QCOMPARE(TextProSoubor(QString()), QByteArray());
        // What Windows-1250 lacks becomes "?", one per character (a surrogate pair is one).
        QCOMPARE(TextProSoubor(QStringLiteral("ΩřĦ😀€")), QByteArray("?\xF8??\x80\r\n"));

        PracovniSlozka slozka;
        UlozTextDoSouboru(QStringLiteral("p.txt"), QStringLiteral("Uživatel"));
        QCOMPARE(PracovniSlozka::precti(QStringLiteral("p.txt")), QByteArray("U\x9Eivatel\r\n"));
        QVERIFY(QDir().mkdir(QStringLiteral("slozka.txt")));
        QVERIFY(chybaZ([] {
                    UlozTextDoSouboru(QStringLiteral("slozka.txt"), QStringLiteral("x"));
                }).contains(u"\"slozka.txt\""));
    }
};

KOLOMAT_TEST_MAIN(TestProtokoly)
#include "test_protokoly.moc"
