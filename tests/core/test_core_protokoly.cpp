// The stored protocol lists and the protocol's text: the 25 space-separated items, the
// fixed-width question lines, the 40 lines of a protocol with codes looked up in the
// database, and the Windows text file made of it.
#include "core/XML_otazky.h"
#include "core/XML_protokoly.h"
#include "core/protokol_text.h"
#include "tests/podpora/generator_katalogu.h"
#include "tests/podpora/pracovni_slozka.h"

#include <QTest>

namespace {

QStringList prazdne(int n) {
    return QStringList(n, QString());
}

QStringList cisla(int od, int po) {
    QStringList s;
    for (int i = od; i <= po; ++i)
        s << QString::number(i);
    return s;
}

// Spaces, for the expected fixed-width lines.
QString m(int n) {
    return QString(n, u' ');
}

TObsahProtokolu obsah(const QString& skutCis) {
    TObsahProtokolu o;
    o.Profil = QStringLiteral("Jana");
    o.DatumACas = QStringLiteral("5.12.2026 14:03:11");
    o.Skupina = QStringLiteral("B");
    o.DelkaTestu = QStringLiteral("12:34");
    o.Spravne = QStringLiteral("23");
    o.PocetBodu = QStringLiteral("42");
    o.MinPocetBodu = QStringLiteral("43");
    o.Verdikt = QStringLiteral("Neprošel");
    o.Body = QStringLiteral("2 2 2 2 2 2 2 2 2 2 2 2 2 2 1 1 1 4 4 4 1 1 2 2 1");
    // Position 18 wrong, position 20 unanswered.
    o.Odpoved = QStringLiteral("B C B B A B C A B C C A A C A A B C C  B C A B B");
    o.SpravnaOdpoved = QStringLiteral("B C B B A B C A B C C A A C A A B B C A B C A B B");
    o.SkutCis = skutCis;
    return o;
}

} // namespace

class TestCoreProtokoly : public QObject {
    Q_OBJECT
private slots:
    void rozdelSeznam_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("polozky");
        QTest::newRow("25 items") << cisla(1, 25).join(u' ') << cisla(1, 25);
        QTest::newRow("24 spaces are 25 empty items") << m(24) << prazdne(25);
        QTest::newRow("empty text: 25 empty items") << "" << prazdne(25);
        QTest::newRow("missing items are empty")
            << "1 2 3" + m(22) << QStringList{"1", "2", "3"} + prazdne(22);
        QTest::newRow("empty items inside")
            << "A  C" + m(22) << QStringList{"A", "", "C"} + prazdne(22);
        QTest::newRow("leading space: the first item empty")
            << " A" + m(23) << QStringList{"", "A"} + prazdne(23);
        // Without its spaces a list runs out of separators: items without a following
        // space are empty and the rest is item 25.
        QTest::newRow("short of spaces: the last text is item 25")
            << "A B C" << QStringList{"A", "B"} + prazdne(22) + QStringList{"C"};
        QTest::newRow("one text alone is item 25") << "7" << prazdne(24) + QStringList{"7"};
        QTest::newRow("extra text stays in item 25")
            << cisla(1, 27).join(u' ') << cisla(1, 24) + QStringList{"25 26 27"};
        QTest::newRow("25 spaces: item 25 is a space") << m(25) << prazdne(24) + QStringList{" "};
        QTest::newRow("empty item 25 after 24 items")
            << cisla(1, 24).join(u' ') + u' ' << cisla(1, 24) + prazdne(1);
    }
    void rozdelSeznam() {
        QFETCH(QString, text);
        QFETCH(QStringList, polozky);
        QCOMPARE(RozdelSeznam(text), polozky);
    }

    void spojSeznam_data() {
        QTest::addColumn<QStringList>("polozky");
        QTest::addColumn<QString>("text");
        QTest::newRow("25 numbers") << cisla(1, 25) << cisla(1, 25).join(u' ');
        QTest::newRow("25 empty answers are 24 spaces") << prazdne(25) << m(24);
        QStringList nektere = prazdne(25);
        nektere[0] = QStringLiteral("A");
        nektere[24] = QStringLiteral("C");
        QTest::newRow("first and last answered") << nektere << QStringLiteral("A") + m(24) + u'C';
    }
    void spojSeznam() {
        QFETCH(QStringList, polozky);
        QFETCH(QString, text);
        QCOMPARE(SpojSeznam(polozky), text);
        QCOMPARE(RozdelSeznam(SpojSeznam(polozky)), polozky);
    }

    // Columns: position 8, real number 10, two spaces, code 8, answer 11, correct 9,
    // eight spaces, points 1.
    void radekOtazky_data() {
        QTest::addColumn<int>("pozice");
        QTest::addColumn<QString>("skutCislo");
        QTest::addColumn<QString>("kod");
        QTest::addColumn<QString>("odpoved");
        QTest::addColumn<QString>("spravne");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("radek");
        QTest::newRow("right: the points at the end")
            << 1 << "452"
            << "TK000452"
            << "C"
            << "C"
            << "2"
            << m(7) + "1" + m(7) + "452" + m(2) + "TK000452" + m(10) + "C" + m(8) + "C" + m(8) +
                   "2";
        QTest::newRow("right, 4 points") << 18 << "553"
                                         << "TK000553"
                                         << "B"
                                         << "B"
                                         << "4"
                                         << m(6) + "18" + m(7) + "553" + m(2) + "TK000553" + m(10) +
                                                "B" + m(8) + "B" + m(8) + "4";
        QTest::newRow("wrong: x at character 4, 0 points")
            << 7 << "553"
            << "TK000553"
            << "A"
            << "B"
            << "4"
            << m(3) + "x" + m(3) + "7" + m(7) + "553" + m(2) + "TK000553" + m(10) + "A" + m(8) +
                   "B" + m(8) + "0";
        QTest::newRow("wrong at position 25")
            << 25 << "772"
            << "TK000772"
            << "C"
            << "B"
            << "1"
            << m(3) + "x" + m(2) + "25" + m(7) + "772" + m(2) + "TK000772" + m(10) + "C" + m(8) +
                   "B" + m(8) + "0";
        QTest::newRow("unanswered is wrong") << 10 << "1"
                                             << "TK000001"
                                             << ""
                                             << "B"
                                             << "2"
                                             << m(3) + "x" + m(2) + "10" + m(9) + "1" + m(2) +
                                                    "TK000001" + m(11) + m(8) + "B" + m(8) + "0";
        QTest::newRow("blank code column")
            << 3 << "abc" << m(8) << "A"
            << "A"
            << "1"
            << m(7) + "3" + m(7) + "abc" + m(2) + m(8) + m(10) + "A" + m(8) + "A" + m(8) + "1";
    }
    void radekOtazky() {
        QFETCH(int, pozice);
        QFETCH(QString, skutCislo);
        QFETCH(QString, kod);
        QFETCH(QString, odpoved);
        QFETCH(QString, spravne);
        QFETCH(QString, body);
        QFETCH(QString, radek);
        const QString r = RadekOtazky(pozice, skutCislo, kod, odpoved, spravne, body);
        QCOMPARE(r, radek);
        QCOMPARE(r.size(), kSirkaRadkuProtokolu);
    }

    void textProtokolu_data() {
        QTest::addColumn<QString>("skutCis");
        QTest::addColumn<QList<int>>("bezKodu");
        const QString platna = QStringLiteral(
            "1 2 3 4 6 7 8 9 10 11 452 453 470 500 309 320 400 553 554 555 613 614 684 685 802");
        QTest::newRow("every number in the database") << platna << QList<int>{};
        QTest::newRow("not a number, past the end, zero, negative")
            << QStringLiteral("1 2 abc 4 803 0 8 9 10 11 452 453 470 500 309 320 400 553 554 555 "
                              "613 614 684 -685 802")
            << QList<int>{3, 5, 6, 24};
        QTest::newRow("one item short: item 24 is empty")
            << platna.left(platna.lastIndexOf(u' ')) << QList<int>{24};
        QTest::newRow("no numbers at all")
            << m(24) << QList<int>{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                   14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25};
    }
    void textProtokolu() {
        QFETCH(QString, skutCis);
        QFETCH(QList<int>, bezKodu);
        PracovniSlozka slozka;
        ZapisKatalog();
        const TOtazka databaze;
        const TObsahProtokolu o = obsah(skutCis);
        const TTextProtokolu t = SestavTextProtokolu(o, KodyZDatabaze(databaze.Dokument()));

        QCOMPARE(t.Radky.size(), 40);
        QCOMPARE(t.BezKodu, bezKodu);
        for (const QString& r : t.Radky)
            QVERIFY2(r.size() <= kSirkaRadkuProtokolu, qPrintable(r));
        QVERIFY(t.Radky[0].endsWith(QStringLiteral(": Jana")));
        QVERIFY(t.Radky[2].endsWith(QStringLiteral(": B")));
        QVERIFY(t.Radky[4].endsWith(QStringLiteral(": 43")));
        QVERIFY(t.Radky[5].endsWith(QStringLiteral(": 5.12.2026 14:03:11")));
        QVERIFY(t.Radky[6].endsWith(QStringLiteral(": 12:34")));
        QCOMPARE(t.Radky[37].trimmed(), QStringLiteral("Neprošel"));
        // The rules around the table and the verdict are full width.
        for (int i : {10, 36, 38})
            QCOMPARE(t.Radky[i].size(), kSirkaRadkuProtokolu);
        QCOMPARE(t.Radky[39].size(), kSirkaRadkuProtokolu);
        QVERIFY(t.Radky[39].endsWith(QStringLiteral("42")));
        QVERIFY(t.Radky[39].simplified().endsWith(QStringLiteral(": 23 42")));

        const QStringList cisla = RozdelSeznam(skutCis);
        const QStringList odpovedi = RozdelSeznam(o.Odpoved);
        const QStringList body = RozdelSeznam(o.Body);
        for (int p = 1; p <= 25; ++p) {
            const QString& r = t.Radky[10 + p];
            const QByteArray kde = r.toUtf8();
            QVERIFY2(r.size() == kSirkaRadkuProtokolu, kde.constData());
            QVERIFY2(r.left(8).trimmed().endsWith(QString::number(p)), kde.constData());
            QVERIFY2(r.mid(8, 10).trimmed() == cisla[p - 1], kde.constData());
            const QString kod = bezKodu.contains(p) ? m(8) : KodOtazky(cisla[p - 1].toInt());
            QVERIFY2(r.mid(20, 8) == kod, kde.constData());
            QVERIFY2(r.mid(28, 11).trimmed() == odpovedi[p - 1], kde.constData());
            const bool spatne = p == 18 || p == 20;
            QVERIFY2(r[3] == (spatne ? u'x' : u' '), kde.constData());
            QVERIFY2(r.right(1) == (spatne ? QStringLiteral("0") : body[p - 1]), kde.constData());
        }
    }

    void textProSoubor_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("soubor");
        QTest::newRow("empty") << "" << QByteArray();
        QTest::newRow("one line without a break") << "abc" << QByteArray("abc\r\n");
        QTest::newRow("LF becomes CR LF") << "a\nb" << QByteArray("a\r\nb\r\n");
        QTest::newRow("CR LF stays") << "a\r\nb\r\n" << QByteArray("a\r\nb\r\n");
        QTest::newRow("a lone CR becomes CR LF") << "a\rb" << QByteArray("a\r\nb\r\n");
        QTest::newRow("a final break adds no empty line") << "a\n" << QByteArray("a\r\n");
        QTest::newRow("an empty line inside") << "a\n\nb" << QByteArray("a\r\n\r\nb\r\n");
        QTest::newRow("an empty last line") << "a\n\n" << QByteArray("a\r\n\r\n");
        QTest::newRow("Czech letters in Windows-1250")
            << QStringLiteral("Příliš žluťoučký kůň")
            << QByteArray("P\xf8\xedli\x9a \x9elu\x9do\x75\xe8k\xfd k\xf9\xf2\r\n");
        QTest::newRow("capitals") << QStringLiteral("ŘŠČŽŮ")
                                  << QByteArray("\xd8\x8a\xc8\x8e\xd9\r\n");
        QTest::newRow("euro sign") << QStringLiteral("€") << QByteArray("\x80\r\n");
        QTest::newRow("an arrow cp1250 lacks") << QStringLiteral("a→b") << QByteArray("a?b\r\n");
        QTest::newRow("a character outside the BMP is one ?")
            << QStringLiteral("x\U0001F600y") << QByteArray("x?y\r\n");
        QTest::newRow("Cyrillic") << QStringLiteral("Жa") << QByteArray("?a\r\n");
        QTest::newRow("lacking and present mixed")
            << QStringLiteral("ž→ů\nŽ") << QByteArray("\x9e?\xf9\r\n\x8e\r\n");
    }
    void textProSoubor() {
        QFETCH(QString, text);
        QFETCH(QByteArray, soubor);
        QCOMPARE(TextProSoubor(text), soubor);
    }
};

QTEST_GUILESS_MAIN(TestCoreProtokoly)
#include "test_core_protokoly.moc"
