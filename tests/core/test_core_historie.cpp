// The answer history: its creation with the import of the stored runs and tests, the
// choice of the questions to practise, the marks, the profile's rename and deletion, and
// every failure of the database ending in a Czech message with the XML files untouched.
#include "core/XML_otazky.h"
#include "core/XML_protokoly.h"
#include "core/XML_vysledky.h"
#include "core/chyba.h"
#include "core/historie.h"
#include "core/procvicovani_chyb.h"
#include "core/uloziste_profilu.h"
#include "tests/podpora/generator_katalogu.h"
#include "tests/podpora/maly_disk.h"
#include "tests/podpora/pracovni_slozka.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QVariant>

namespace {

const QDateTime kZacatek(QDate(2026, 11, 2), QTime(9, 0));

ZaznamOdpovedi odpoved(const QString& profil, int cislo, bool spravne, int minuta,
                       bool napoveda = false) {
    return {profil,
            kZacatek.addSecs(60L * minuta),
            kRezimProcvicovani,
            cislo,
            KodOtazky(cislo),
            spravne ? QStringLiteral("A") : QStringLiteral("B"),
            spravne,
            napoveda};
}

// A stored test of Jana: positions 1..25 ask questions 101..125, position 3 answered
// wrong, position 7 not answered.
TProtokol protokolJany(const QDateTime& kdy) {
    QStringList cisla, odpovedi, spravne;
    for (int i = 1; i <= kPolozekSeznamu; ++i) {
        cisla << QString::number(100 + i);
        spravne << QStringLiteral("A");
        odpovedi << (i == 3 ? QStringLiteral("C") : i == 7 ? QString() : QStringLiteral("A"));
    }
    TProtokol p;
    p.Profil = QStringLiteral("Jana");
    p.DatumACas = kdy;
    p.Skupina = QStringLiteral("B");
    p.DelkaTestu = QStringLiteral("12:00");
    p.Spravne = 23;
    p.PocetBodu = 46;
    p.Verdikt = QStringLiteral("Prošel");
    p.Body = SpojSeznam(QStringList(kPolozekSeznamu, QStringLiteral("2")));
    p.Odpoved = SpojSeznam(odpovedi);
    p.SpravnaOdpoved = SpojSeznam(spravne);
    p.SkutCis = SpojSeznam(cisla);
    return p;
}

TVysledek vysledek(const QString& profil, const QString& typ, const QDateTime& kdy,
                   const QString& spatne, const QString& napoveda) {
    TVysledek v;
    v.TypTestu = typ;
    v.Profil = profil;
    v.Datum = kdy.date();
    v.Cas = kdy.time();
    v.Skupina = QStringLiteral("B");
    v.Kategorie = QStringLiteral("1111111");
    v.PocetOtazek = 20;
    v.Spatne = static_cast<int>(CislaZeSeznamu(spatne).size());
    v.SpatneCisla = spatne;
    v.SNapovedou = static_cast<int>(CislaZeSeznamu(napoveda).size());
    v.SNapovedouCisla = napoveda;
    v.Uspesnost = 80;
    return v;
}

// The rows of the database file, read by a connection of the test's own.
int pocetRadku(const QString& tabulka) {
    int n = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "kontrola");
        db.setDatabaseName(kSouborHistorie);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("SELECT count(*) FROM ") + tabulka) && q.next())
                n = q.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("kontrola"));
    return n;
}

std::vector<int> cisla(std::initializer_list<int> c) {
    return c;
}

} // namespace

class TestCoreHistorie : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY2(QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")),
                 "the SQLite driver of Qt SQL is missing (libqt6sql6-sqlite)");
    }

    // A new history takes every answer of the stored tests and the wrong answers of the
    // stored runs, in the order they were given, and never a second time.
    void zalozeniPrevezmeZaznamyJednou() {
        PracovniSlozka slozka;
        ZapisKatalog();
        PridatProtokol(protokolJany(kZacatek.addDays(-1)));
        PridatVysledek(vysledek(QStringLiteral("Jana"), kTypProcvicovani, kZacatek.addDays(-2),
                                QStringLiteral("4, 17, 250"), QStringLiteral("17")));
        PridatVysledek(vysledek(QStringLiteral("Petr"), kTypZkouseni, kZacatek.addDays(-3),
                                QStringLiteral("9"), QString()));
        const QByteArray protokoly = PracovniSlozka::precti(kSouborProtokolu);
        const QByteArray vysledky = PracovniSlozka::precti(kSouborVysledku);

        {
            HistorieOdpovedi h;
            QCOMPARE(h.Otevrit(), QString());
            QVERIFY(h.Otevreno());
            const std::vector<ZaznamOdpovedi> jana = h.ZaznamyProfilu(QStringLiteral("Jana"));
            QCOMPARE(jana.size(), size_t(3 + 25));
            // The practice run two days ago comes before the test of yesterday.
            QCOMPARE(jana[0].Rezim, kRezimProcvicovani);
            QCOMPARE(jana[0].Cislo, 4);
            QCOMPARE(jana[0].Kod, KodOtazky(4));
            QVERIFY(!jana[0].Spravne);
            QVERIFY(!jana[0].Napoveda);
            QVERIFY(jana[1].Napoveda); // 17 with the hint
            QCOMPARE(jana[3].Rezim, kRezimTest);
            QCOMPARE(jana[3].Cislo, 101);
            QCOMPARE(jana[3].Zvoleno, QStringLiteral("A"));
            QCOMPARE(jana[3].Cas, kZacatek.addDays(-1));
            QVERIFY(jana[3].Spravne);
            QVERIFY(!jana[5].Spravne); // position 3: C instead of A
            QVERIFY(!jana[9].Spravne); // position 7: no answer
            QCOMPARE(jana[9].Zvoleno, QString());
            const std::vector<ZaznamOdpovedi> petr = h.ZaznamyProfilu(QStringLiteral("Petr"));
            QCOMPARE(petr.size(), size_t(1));
            QCOMPARE(petr[0].Rezim, kRezimZkouseni);
        }
        QCOMPARE(pocetRadku(QStringLiteral("odpovedi")), 29);
        // The import only read the files.
        QCOMPARE(PracovniSlozka::precti(kSouborProtokolu), protokoly);
        QCOMPARE(PracovniSlozka::precti(kSouborVysledku), vysledky);

        // Opened again, with one more test in the file: nothing is imported twice.
        PridatProtokol(protokolJany(kZacatek));
        {
            HistorieOdpovedi h;
            QCOMPARE(h.Otevrit(), QString());
        }
        QCOMPARE(pocetRadku(QStringLiteral("odpovedi")), 29);
    }

    // Files that cannot be read are passed over; the history still starts, empty.
    void zalozeniSNecitelnymiSoubory() {
        PracovniSlozka slozka;
        PracovniSlozka::zapis(kSouborProtokolu, "<Protokoly><Protokol>");
        PracovniSlozka::zapis(kSouborVysledku, "\xff\xfe garbage");
        HistorieOdpovedi h;
        QCOMPARE(h.Otevrit(), QString());
        QVERIFY(h.ZaznamyProfilu(QStringLiteral("Jana")).empty());
        QCOMPARE(PracovniSlozka::precti(kSouborProtokolu), QByteArray("<Protokoly><Protokol>"));
    }

    void zapisAZpetneCteni() {
        PracovniSlozka slozka;
        HistorieOdpovedi h;
        QCOMPARE(h.Otevrit(), QString());
        const QString profil = QStringLiteral("Žaneta \"<b>x</b>\"'; DROP TABLE odpovedi; --");
        ZaznamOdpovedi o = odpoved(profil, 42, true, 0);
        o.Rezim = kRezimZkouseni;
        o.Zvoleno = QStringLiteral("AC");
        QCOMPARE(h.Zapsat(o), QString());
        QCOMPARE(h.Zapsat({odpoved(profil, 42, false, 1, true), odpoved(profil, 7, false, 2)}),
                 QString());
        const std::vector<ZaznamOdpovedi> z = h.ZaznamyProfilu(profil);
        QCOMPARE(z.size(), size_t(3));
        QCOMPARE(z[0].Profil, profil);
        QCOMPARE(z[0].Rezim, kRezimZkouseni);
        QCOMPARE(z[0].Zvoleno, QStringLiteral("AC"));
        QCOMPARE(z[0].Cas, kZacatek);
        QVERIFY(z[0].Spravne);
        QVERIFY(z[1].Napoveda);
        const std::vector<OdpovediOtazky> podle = h.OdpovediProfilu(profil);
        QCOMPARE(podle.size(), size_t(2));
        QCOMPARE(podle[0].Cislo, 7);
        QCOMPARE(podle[1].Cislo, 42);
        // Right, then found with the hint: the hint's answer is not known.
        QCOMPARE(podle[1].Spravne, std::vector<bool>({true, false}));
        QCOMPARE(podle[1].PosledniChyba, kZacatek.addSecs(60));
        QVERIFY(h.ZaznamyProfilu(QStringLiteral("Žaneta")).empty());
        // No text and no time (a hand-edited record) are stored as empty, not refused.
        QCOMPARE(
            h.Zapsat({QString(), QDateTime(), kRezimTest, 3, QString(), QString(), false, false}),
            QString());
        QCOMPARE(h.ZaznamyProfilu(QString()).size(), size_t(1));
    }

    // Which questions "Procvičovat chybné otázky" offers, for the answers of one question
    // given in order (1 right, 0 wrong, n right with the hint).
    void vyberChybnych_data() {
        QTest::addColumn<QString>("odpovedi");
        QTest::addColumn<bool>("nabidnuta");
        QTest::newRow("never answered") << "" << false;
        QTest::newRow("always right") << "111" << false;
        QTest::newRow("latest wrong") << "110" << true;
        QTest::newRow("one right since the mistake") << "01" << true;
        QTest::newRow("two right since the mistake") << "011" << false;
        QTest::newRow("wrong between rights") << "1101" << true;
        QTest::newRow("the hint is no right answer") << "0n1" << true;
        QTest::newRow("the hint alone") << "n" << true;
        QTest::newRow("two right after the hint") << "n11" << false;
    }
    void vyberChybnych() {
        QFETCH(QString, odpovedi);
        QFETCH(bool, nabidnuta);
        PracovniSlozka slozka;
        HistorieOdpovedi h;
        QCOMPARE(h.Otevrit(), QString());
        int minuta = 0;
        for (QChar c : odpovedi)
            QCOMPARE(h.Zapsat(odpoved(QStringLiteral("Jana"), 12, c == u'1', ++minuta, c == u'n')),
                     QString());
        // Another profile's mistake never counts for Jana.
        QCOMPARE(h.Zapsat(odpoved(QStringLiteral("Petr"), 12, false, ++minuta)), QString());
        QCOMPARE(h.ChybneOtazky(QStringLiteral("Jana")) == cisla({12}), nabidnuta);
        if (!nabidnuta)
            QVERIFY(h.ChybneOtazky(QStringLiteral("Jana")).empty());
    }

    // The most recently missed first; the run keeps to the questions in force of the
    // profile's group, each once, at most the given count.
    void poradiAOmezeni() {
        PracovniSlozka slozka;
        NastaveniKatalogu katalog;
        katalog.skupiny[30] = QStringLiteral("CD"); // not for group B
        ZapisKatalog(QStringLiteral("otazky.xml"), katalog);
        HistorieOdpovedi h;
        QCOMPARE(h.Otevrit(), QString());
        const QString jana = QStringLiteral("Jana");
        // Missed at minutes 1..6: 10, 5 (removed), 20, 30 (group C), 40, 10 again.
        const int poradi[] = {10, 5, 20, 30, 40, 10};
        int minuta = 0;
        for (int c : poradi)
            QCOMPARE(h.Zapsat(odpoved(jana, c, false, ++minuta)), QString());
        QCOMPARE(h.ChybneOtazky(jana), cisla({10, 40, 30, 20, 5}));
        // Missed in one moment (a point test's answers): the later logged first.
        QCOMPARE(h.Zapsat({odpoved(jana, 60, false, 9), odpoved(jana, 50, false, 9)}), QString());
        QCOMPARE(h.ChybneOtazky(jana), cisla({50, 60, 10, 40, 30, 20, 5}));

        const TOtazka databaze;
        std::vector<int> vybrane;
        for (const TVybranaOtazka& v :
             OtazkyKProcviceni(databaze.Dokument(), h.ChybneOtazky(jana), QStringLiteral("B"), 20))
            vybrane.push_back(v.Cislo);
        QCOMPARE(vybrane, cisla({50, 60, 10, 40, 20}));
        const auto dve =
            OtazkyKProcviceni(databaze.Dokument(), cisla({40, 40, 999, 0, 20, 10}), "B", 2);
        QCOMPARE(dve.size(), size_t(2));
        QCOMPARE(dve[0].Cislo, 40);
        QCOMPARE(dve[0].Poradi, 39);
        QCOMPARE(dve[1].Cislo, 20);
    }

    void cislaZeSeznamu_data() {
        QTest::addColumn<QString>("seznam");
        QTest::addColumn<std::vector<int>>("cisla");
        QTest::newRow("stored form") << "4, 17, 250" << cisla({4, 17, 250});
        QTest::newRow("empty") << "" << cisla({});
        QTest::newRow("hand-edited") << " 4,17 ,x, -3, 0,,802" << cisla({4, 17, 802});
    }
    void cislaZeSeznamu() {
        QFETCH(QString, seznam);
        QFETCH(std::vector<int>, cisla);
        QCOMPARE(CislaZeSeznamu(seznam), cisla);
    }

    void chybneVTestu() {
        PracovniSlozka slozka;
        TProtokol p = protokolJany(kZacatek);
        QStringList skutCis = RozdelSeznam(p.SkutCis);
        skutCis[2] = QStringLiteral("x"); // position 3 (wrong) lost its number
        p.SkutCis = SpojSeznam(skutCis);
        PridatProtokol(p);
        const TXMLProtokolyType koren = NacistProtokoly();
        QCOMPARE(ChybneVTestu(koren.Zaznamy().front()), cisla({107}));
    }

    void oznaceni() {
        PracovniSlozka slozka;
        HistorieOdpovedi h;
        QCOMPARE(h.Otevrit(), QString());
        const QString jana = QStringLiteral("Jana");
        QCOMPARE(h.NastavOznaceni(jana, 300, true), QString());
        QCOMPARE(h.NastavOznaceni(jana, 12, true), QString());
        QCOMPARE(h.NastavOznaceni(jana, 12, true), QString()); // twice is once
        QCOMPARE(h.NastavOznaceni(QStringLiteral("Petr"), 50, true), QString());
        QCOMPARE(h.Oznacene(jana), cisla({12, 300}));
        QVERIFY(h.JeOznacena(jana, 12));
        QVERIFY(!h.JeOznacena(jana, 50));
        QCOMPARE(h.NastavOznaceni(jana, 12, false), QString());
        QCOMPARE(h.NastavOznaceni(jana, 13, false), QString()); // not marked: nothing
        QCOMPARE(h.Oznacene(jana), cisla({300}));
        QCOMPARE(h.Oznacene(QStringLiteral("Petr")), cisla({50}));
    }

    // The history follows its profile, and only its own: names that merely begin alike
    // are other profiles.
    void prejmenovaniASmazani() {
        PracovniSlozka slozka;
        UlozisteProfilu profily;
        profily.Otevrit();
        QCOMPARE(profily.Historie.Otevrit(), QString());
        for (const QString& jmeno :
             {QStringLiteral("Jana"), QStringLiteral("Jana2"), QStringLiteral("Jan")}) {
            profily.Vytvor(jmeno, QString());
            QCOMPARE(profily.Historie.Zapsat(odpoved(jmeno, 8, false, 1)), QString());
            QCOMPARE(profily.Historie.NastavOznaceni(jmeno, 9, true), QString());
        }
        QVERIFY(profily.Nacti(QStringLiteral("Jana")));
        QCOMPARE(profily.Prejmenuj(QStringLiteral("Jana Nová")), QString());
        QVERIFY(PracovniSlozka::precti(QStringLiteral("Profily.xml")).contains("Jana Nová"));
        const HistorieOdpovedi& h = profily.Historie;
        QVERIFY(h.ZaznamyProfilu(QStringLiteral("Jana")).empty());
        QCOMPARE(h.ZaznamyProfilu(QStringLiteral("Jana Nová")).size(), size_t(1));
        QCOMPARE(h.Oznacene(QStringLiteral("Jana Nová")), cisla({9}));
        QCOMPARE(h.ChybneOtazky(QStringLiteral("Jana Nová")), cisla({8}));

        QVERIFY(profily.Smaz(QStringLiteral("Jana2")));
        QVERIFY(h.ZaznamyProfilu(QStringLiteral("Jana2")).empty());
        QVERIFY(h.Oznacene(QStringLiteral("Jana2")).empty());
        QCOMPARE(h.ZaznamyProfilu(QStringLiteral("Jan")).size(), size_t(1));
        QCOMPARE(h.Oznacene(QStringLiteral("Jan")), cisla({9}));
    }

    // A results file that cannot be read stops the deletion before anything, the
    // history included, is deleted.
    void smazaniPoNecitelnemSouboru() {
        PracovniSlozka slozka;
        UlozisteProfilu profily;
        profily.Otevrit();
        QCOMPARE(profily.Historie.Otevrit(), QString());
        profily.Vytvor(QStringLiteral("Jana"), QString());
        QCOMPARE(profily.Historie.Zapsat(odpoved(QStringLiteral("Jana"), 8, false, 1)), QString());
        PracovniSlozka::zapis(kSouborVysledku, "<Vysledky><Vysledek>");
        QVERIFY_THROWS_EXCEPTION(KolomatChyba, profily.Smaz(QStringLiteral("Jana")));
        QCOMPARE(profily.Historie.ZaznamyProfilu(QStringLiteral("Jana")).size(), size_t(1));
    }

    // A damaged database is moved aside, never deleted, and a new one started; the XML
    // files stay as they were.
    void poskozenaDatabaze_data() {
        QTest::addColumn<QByteArray>("obsah");
        QTest::newRow("not a database") << QByteArray("this is no SQLite file at all\n");
        QByteArray hlavicka("SQLite format 3\0", 16);
        QTest::newRow("damaged pages") << hlavicka + QByteArray(4096 * 3, '\xa5');
    }
    void poskozenaDatabaze() {
        QFETCH(QByteArray, obsah);
        PracovniSlozka slozka;
        PridatVysledek(vysledek(QStringLiteral("Jana"), kTypProcvicovani, kZacatek,
                                QStringLiteral("4"), QString()));
        const QByteArray vysledky = PracovniSlozka::precti(kSouborVysledku);
        PracovniSlozka::zapis(kSouborHistorie, obsah);

        HistorieOdpovedi h;
        const QString hlaseni = h.Otevrit();
        QVERIFY2(hlaseni.contains(QStringLiteral("\"Historie.db\" byla poškozená")),
                 qPrintable(hlaseni));
        QVERIFY(h.Otevreno());
        const QStringList odlozene =
            QDir().entryList({QStringLiteral("Historie.db.poskozeny-*")}, QDir::Files);
        QCOMPARE(odlozene.size(), 1);
        QVERIFY(hlaseni.contains(odlozene.front()));
        QCOMPARE(PracovniSlozka::precti(odlozene.front()), obsah);
        QCOMPARE(PracovniSlozka::precti(kSouborVysledku), vysledky);
        // Started anew, with what the XML files hold.
        QCOMPARE(h.ZaznamyProfilu(QStringLiteral("Jana")).size(), size_t(1));
        QCOMPARE(h.Zapsat(odpoved(QStringLiteral("Jana"), 3, true, 1)), QString());
    }

    // A history of version 1 gets the index of version 2 and keeps every answer; opened
    // read-only, it is read as it is.
    void verze1() {
        PracovniSlozka slozka;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "v1");
            db.setDatabaseName(kSouborHistorie);
            QVERIFY(db.open());
            QSqlQuery q(db);
            for (const char* prikaz :
                 {"CREATE TABLE odpovedi (id INTEGER PRIMARY KEY, profil TEXT NOT NULL, cas TEXT "
                  "NOT NULL, rezim TEXT NOT NULL, cislo INTEGER NOT NULL, kod TEXT NOT NULL, "
                  "zvoleno TEXT NOT NULL, spravne INTEGER NOT NULL, napoveda INTEGER NOT NULL)",
                  "CREATE INDEX odpovedi_profil ON odpovedi (profil, cislo, id)",
                  "CREATE TABLE oznacene (profil TEXT NOT NULL, cislo INTEGER NOT NULL, "
                  "PRIMARY KEY (profil, cislo))",
                  "INSERT INTO odpovedi VALUES (1, 'Jana', '2026-11-02 09:01:00', 'procvicovani', "
                  "7, 'KM010007', 'B', 0, 0)",
                  "INSERT INTO odpovedi VALUES (2, 'Jana', '2026-11-02 09:02:00', 'procvicovani', "
                  "7, 'KM010007', 'A', 1, 0)",
                  "INSERT INTO odpovedi VALUES (3, 'Jana', '2026-11-02 09:03:00', 'procvicovani', "
                  "3, 'KM010003', 'A', 1, 1)",
                  "PRAGMA user_version = 1"})
                QVERIFY2(q.exec(QString::fromLatin1(prikaz)), prikaz);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("v1"));
        const auto nacti = [] {
            HistorieOdpovedi h;
            QString ok = h.Otevrit();
            QList<QString> r;
            for (const OdpovediOtazky& o : h.OdpovediProfilu(QStringLiteral("Jana"))) {
                QString s = QString::number(o.Cislo) + u':';
                for (bool b : o.Spravne)
                    s += b ? u'1' : u'0';
                r << s + u'@' + o.PosledniChyba.toString(QStringLiteral("HH:mm"));
            }
            return std::pair{ok, r};
        };
        const QList<QString> ocekavane{QStringLiteral("3:0@09:03"), QStringLiteral("7:01@09:01")};
        QFile::setPermissions(kSouborHistorie, QFile::ReadOwner);
        if (QFileInfo(kSouborHistorie).isWritable()) {
            // root writes anyway; the read-only case then cannot be made here.
        } else {
            QCOMPARE(nacti(), std::pair(QString(), ocekavane));
        }
        QFile::setPermissions(kSouborHistorie, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(nacti(), std::pair(QString(), ocekavane));
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "v2");
        db.setDatabaseName(kSouborHistorie);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("PRAGMA user_version")) && q.next());
        QCOMPARE(q.value(0).toInt(), HistorieOdpovedi::kVerzeSchematu);
        QVERIFY(q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' AND "
                                      "name LIKE 'odpovedi_%' ORDER BY name")));
        QStringList indexy;
        while (q.next())
            indexy << q.value(0).toString();
        QCOMPARE(indexy, QStringList{QStringLiteral("odpovedi_otazky")});
        q = QSqlQuery();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("v2"));
    }

    // A history written by a later version is left alone.
    void novejsiVerze() {
        PracovniSlozka slozka;
        {
            HistorieOdpovedi h;
            QCOMPARE(h.Otevrit(), QString());
            QCOMPARE(h.Zapsat(odpoved(QStringLiteral("Jana"), 3, true, 1)), QString());
        }
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "verze");
            db.setDatabaseName(kSouborHistorie);
            QVERIFY(db.open());
            QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = 7"));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("verze"));
        const QByteArray pred = PracovniSlozka::precti(kSouborHistorie);
        HistorieOdpovedi h;
        QVERIFY(h.Otevrit().contains(QStringLiteral("novější verze")));
        QVERIFY(!h.Otevreno());
        QCOMPARE(h.Zapsat(odpoved(QStringLiteral("Jana"), 4, true, 2)), QString());
        QVERIFY(!h.NastavOznaceni(QStringLiteral("Jana"), 4, true).isEmpty());
        QCOMPARE(PracovniSlozka::precti(kSouborHistorie), pred);
    }

    // Another program holding the database: the write fails at once with a message,
    // nothing is half written, and it works again once the other lets go.
    void zamcenaDatabaze() {
        PracovniSlozka slozka;
        HistorieOdpovedi h;
        QCOMPARE(h.Otevrit(), QString());
        {
            QSqlDatabase jiny = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "jiny");
            jiny.setDatabaseName(kSouborHistorie);
            QVERIFY(jiny.open());
            QSqlQuery q(jiny);
            QVERIFY(q.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            const QString chyba = h.Zapsat(odpoved(QStringLiteral("Jana"), 3, true, 1));
            QVERIFY2(chyba.contains(QStringLiteral("\"Historie.db\"")) &&
                         chyba.contains(QStringLiteral("jiný program")),
                     qPrintable(chyba));
            QVERIFY(!h.NastavOznaceni(QStringLiteral("Jana"), 3, true).isEmpty());
            QVERIFY(q.exec(QStringLiteral("ROLLBACK")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("jiny"));
        QVERIFY(h.ZaznamyProfilu(QStringLiteral("Jana")).empty());
        QCOMPARE(h.Zapsat(odpoved(QStringLiteral("Jana"), 3, true, 1)), QString());
        QCOMPARE(h.ZaznamyProfilu(QStringLiteral("Jana")).size(), size_t(1));
    }

    // A folder where the database cannot be made: the history is not used, every write
    // is quietly skipped (it was told at the start) and nothing else changes.
    void slozkaJenProCteni() {
        PracovniSlozka slozka;
        MalyDisk disk;
        if (!disk.pripojen())
            QSKIP(qPrintable(QStringLiteral("needs root and a tmpfs mount (mount: ") +
                             disk.chyba() + u')'));
        PridatVysledek(vysledek(QStringLiteral("Jana"), kTypProcvicovani, kZacatek,
                                QStringLiteral("4"), QString()));
        const auto pred = obsahSlozky();
        QVERIFY(disk.jenProCteni(true));
        HistorieOdpovedi h;
        const QString chyba = h.Otevrit();
        QVERIFY(disk.jenProCteni(false));
        QVERIFY2(chyba.contains(QStringLiteral("\"Historie.db\"")), qPrintable(chyba));
        QVERIFY(!h.Otevreno());
        QCOMPARE(h.Zapsat(odpoved(QStringLiteral("Jana"), 3, true, 1)), QString());
        QCOMPARE(obsahSlozky(), pred);
    }

    // A database on a disk that is read-only or full: each write fails with a message
    // naming the file and the reason; the history keeps what it had and the XML files
    // are untouched.
    void selhaniZapisu_data() {
        QTest::addColumn<bool>("plny");
        QTest::addColumn<QString>("duvod");
        QTest::newRow("read-only") << false << QStringLiteral("jen pro čtení");
        QTest::newRow("full disk") << true << QStringLiteral("volné místo");
    }
    void selhaniZapisu() {
        QFETCH(bool, plny);
        QFETCH(QString, duvod);
        PracovniSlozka slozka;
        MalyDisk disk;
        if (!disk.pripojen())
            QSKIP(qPrintable(QStringLiteral("needs root and a tmpfs mount (mount: ") +
                             disk.chyba() + u')'));
        PridatVysledek(vysledek(QStringLiteral("Jana"), kTypProcvicovani, kZacatek,
                                QStringLiteral("4"), QString()));
        {
            HistorieOdpovedi h;
            QCOMPARE(h.Otevrit(), QString());
            QCOMPARE(h.Zapsat(odpoved(QStringLiteral("Jana"), 3, true, 1)), QString());
        }
        const QByteArray vysledky = PracovniSlozka::precti(kSouborVysledku);
        // A disk with open files cannot be remounted read-only.
        QVERIFY(plny ? zaplnDisk() : disk.jenProCteni(true));
        HistorieOdpovedi h;
        QCOMPARE(h.Otevrit(), QString());
        // Enough answers to need new pages of the database.
        std::vector<ZaznamOdpovedi> mnoho;
        for (int i = 0; i < 400; ++i)
            mnoho.push_back(odpoved(QStringLiteral("Jana"), i % 800 + 1, false, i + 2));
        const QString chyba = h.Zapsat(mnoho);
        QVERIFY2(chyba.contains(QStringLiteral("\"Historie.db\" se nezdařil")) &&
                     chyba.contains(duvod),
                 qPrintable(chyba));
        QVERIFY(!h.NastavOznaceni(QStringLiteral("Jana"), 3, true).isEmpty());
        QVERIFY(plny ? QFile::remove(QStringLiteral("zatez")) : disk.jenProCteni(false));
        QCOMPARE(h.Otevrit(), QString());
        QCOMPARE(h.ZaznamyProfilu(QStringLiteral("Jana")).size(), size_t(2));
        QCOMPARE(PracovniSlozka::precti(kSouborVysledku), vysledky);
        QCOMPARE(h.Zapsat(odpoved(QStringLiteral("Jana"), 5, true, 900)), QString());
    }
};

QTEST_GUILESS_MAIN(TestCoreHistorie)
#include "test_core_historie.moc"
