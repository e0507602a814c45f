// The results store Vysledky.xml and its list and details windows.
#include "core/XML_vysledky.h"
#include "results/podrobnostiPZ.h"
#include "results/vysledkyPZ.h"
#include "tests/beh_podpora.h"
#include "tests/podpora/pracovni_slozka.h"
#include "tests/podpora/testovaci_main.h"
#include "tests/podpora/zaznam_zprav.h"

#include <QHeaderView>
#include <QProcess>
#include <QScrollBar>
#include <QTableView>

namespace {

TVysledek Zaznam(const QString& profil, const QString& typ, int pocet = 20) {
    TVysledek v;
    v.TypTestu = typ;
    v.Profil = profil;
    v.Datum = QDate(2006, 12, 5);
    v.Cas = QTime(14, 7, 33);
    v.Skupina = QStringLiteral("B");
    v.Kategorie = QStringLiteral("1111111");
    v.PocetOtazek = pocet;
    v.Spatne = 3;
    v.SNapovedou = 1;
    v.SNapovedouCisla = SeznamCisel({17});
    v.Uspesnost = 83;
    v.SpatneCisla = SeznamCisel({4, 17, 250});
    return v;
}

// PocetOtazek of every record in the file, in file order.
QList<int> Pocty() {
    QList<int> pocty;
    const TXMLVysledkyType koren = NacistVysledky();
    for (const TXMLVysledekType& z : koren.Zaznamy())
        pocty << z.PocetOtazek();
    return pocty;
}

// Makes the working folder unwritable (for root too, where chattr works); false when
// this machine cannot.
class ZamcenaSlozka {
public:
    explicit ZamcenaSlozka(const QString& cesta) : cesta_(cesta) {
        QFile::setPermissions(cesta_, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), cesta_});
        QFile pokus(cesta_ + QStringLiteral("/pokus"));
        zamceno_ = !pokus.open(QIODevice::WriteOnly);
        pokus.remove();
    }
    ~ZamcenaSlozka() {
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), cesta_});
        QFile::setPermissions(cesta_, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
    }
    bool zamceno() const { return zamceno_; }

private:
    QString cesta_;
    bool zamceno_ = false;
};

} // namespace

class TestVysledky : public QObject {
    Q_OBJECT
private slots:
    void zapisPoPrvcich() {
        PracovniSlozka slozka;
        PridatVysledek(Zaznam(QStringLiteral("Jana"), kTypProcvicovani));
        const QByteArray prvni =
            "<Vysledek><TypTestu>Procvicovani</TypTestu><Profil>Jana</Profil>"
            "<Datum>5.12.2006</Datum><Cas>14:07:33</Cas><Skupina>B</Skupina>"
            "<Kategorie>1111111</Kategorie><PocetOtazek>20</PocetOtazek><Spatne>3</Spatne>"
            "<SNapovedou>1</SNapovedou><SNapovedouCisla>17</SNapovedouCisla>"
            "<Uspesnost>83</Uspesnost><SpatneCisla>4, 17, 250</SpatneCisla></Vysledek>";
        QCOMPARE(PracovniSlozka::precti(kSouborVysledku),
                 "<?xml version=\"1.0\"?>\n<Vysledky>" + prvni + "</Vysledky>");
        // An exam with no wrong answer: empty lists stay elements; the first record is
        // kept byte for byte; indentation added by hand is not.
        PracovniSlozka::zapis(kSouborVysledku, "<?xml version=\"1.0\"?>\n<Vysledky>\n  " + prvni +
                                                   "\n</Vysledky>\n");
        TVysledek zk = Zaznam(QStringLiteral("Jana"), kTypZkouseni, 5);
        zk.Datum = QDate(2024, 1, 9);
        zk.Cas = QTime(9, 5, 3);
        zk.Spatne = zk.SNapovedou = 0;
        zk.SpatneCisla = zk.SNapovedouCisla = QString();
        PridatVysledek(zk);
        QCOMPARE(PracovniSlozka::precti(kSouborVysledku),
                 "<?xml version=\"1.0\"?>\n<Vysledky>" + prvni +
                     "<Vysledek><TypTestu>Zkouseni</TypTestu><Profil>Jana</Profil>"
                     "<Datum>9.1.2024</Datum><Cas>9:05:03</Cas><Skupina>B</Skupina>"
                     "<Kategorie>1111111</Kategorie><PocetOtazek>5</PocetOtazek>"
                     "<Spatne>0</Spatne><SNapovedou>0</SNapovedou>"
                     "<SNapovedouCisla></SNapovedouCisla><Uspesnost>83</Uspesnost>"
                     "<SpatneCisla></SpatneCisla></Vysledek></Vysledky>");
        const TXMLVysledkyType soubor = NacistVysledky();
        const TXMLVysledekType z = soubor[1];
        QCOMPARE(z.Datum(), QDate(2024, 1, 9));
        QCOMPARE(z.Cas(), QTime(9, 5, 3));
    }

    void cteniAChybneHodnoty() {
        PracovniSlozka slozka;
        // A date and time in the system locale's forms read back too.
        const QLocale system = QLocale::system();
        PracovniSlozka::zapis(
            kSouborVysledku,
            "<Vysledky><Vysledek><Datum>" +
                system.toString(QDate(2007, 3, 1), QLocale::ShortFormat).toUtf8() +
                "</Datum><Cas>" + system.toString(QTime(8, 0, 1), QLocale::LongFormat).toUtf8() +
                "</Cas><PocetOtazek>x1</PocetOtazek></Vysledek>"
                "<Vysledek><Datum>zítra</Datum><Cas></Cas><Spatne/></Vysledek>"
                "<Vysledek><Datum> 05.12.2006 </Datum><Cas>24:00:00</Cas></Vysledek>"
                "<Vysledek><Datum>31.2.2020</Datum><Cas>7 hodin</Cas></Vysledek></Vysledky>");
        const TXMLVysledkyType koren = NacistVysledky();
        QCOMPARE(koren[0].Datum(), QDate(2007, 3, 1));
        QCOMPARE(koren[0].Cas(), QTime(8, 0, 1));
        QCOMPARE(koren[0].Profil(), QString()); // a missing text child reads as empty
        const auto chyba = [](auto&& cteni) {
            try {
                cteni();
            } catch (const KolomatChyba& e) {
                return e.text();
            }
            return QString();
        };
        const QString pocet = chyba([&] { koren[0].PocetOtazek(); });
        QVERIFY(pocet.contains(QStringLiteral("\"Vysledky.xml\"")) &&
                pocet.contains(QStringLiteral("<PocetOtazek>")) &&
                pocet.contains(QStringLiteral("x1")));
        QVERIFY(chyba([&] { koren[1].Datum(); }).contains(QStringLiteral("<Datum>")));
        QVERIFY(chyba([&] { koren[1].Cas(); }).contains(QStringLiteral("<Cas>")));
        QVERIFY(chyba([&] { koren[1].Spatne(); }).contains(QStringLiteral("<Spatne>")));
        QVERIFY(chyba([&] { koren[1].Uspesnost(); }).contains(QStringLiteral("<Uspesnost>")));
        QCOMPARE(koren[2].Datum(), QDate(2006, 12, 5)); // a leading zero, blanks around
        QVERIFY(chyba([&] { koren[2].Cas(); }).contains(QStringLiteral("24:00:00")));
        QVERIFY(chyba([&] { koren[3].Datum(); }).contains(QStringLiteral("31.2.2020")));
        QVERIFY(chyba([&] { koren[3].Cas(); }).contains(QStringLiteral("7 hodin")));
    }

    void vyberAMazani() {
        PracovniSlozka slozka;
        // Interleaved: Jana's practice runs 1, 3, 6 (3 and 6 alike), her exam 2, and
        // runs of profiles whose names differ only in case or a blank.
        const QList<std::pair<QString, QString>> zaznamy{
            {QStringLiteral("Jana"), kTypProcvicovani},
            {QStringLiteral("Jana"), kTypZkouseni},
            {QStringLiteral("Jana"), kTypProcvicovani},
            {QStringLiteral("jana"), kTypProcvicovani},
            {QStringLiteral("Jana "), kTypProcvicovani},
            {QStringLiteral("Jana"), kTypProcvicovani}};
        for (int i = 0; i < zaznamy.size(); ++i)
            PridatVysledek(Zaznam(zaznamy[i].first, zaznamy[i].second, i == 5 ? 3 : i + 1));
        TXMLVysledkyType koren = NacistVysledky();
        const auto jana = VysledkyProfilu(koren, QStringLiteral("Jana"), kTypProcvicovani);
        QCOMPARE(jana.size(), size_t(3));
        QCOMPARE(VysledkyProfilu(koren, QStringLiteral("Jana"), kTypZkouseni).size(), size_t(1));
        QVERIFY(VysledkyProfilu(koren, QStringLiteral("JANA"), kTypProcvicovani).empty());

        // By identity: of the two alike records, the one asked for goes.
        SmazatVysledek(koren, jana[2]);
        QCOMPARE(Pocty(), (QList<int>{1, 2, 3, 4, 5}));
        SmazatVysledky(koren, {jana[0], jana[1]});
        QCOMPARE(Pocty(), (QList<int>{2, 4, 5}));
        QCOMPARE(koren.Count(), 3);

        // A delete whose save fails changes neither the file nor the open document.
        const QByteArray pred = PracovniSlozka::precti(kSouborVysledku);
        {
            ZamcenaSlozka zamek(slozka.cesta());
            if (!zamek.zamceno())
                QSKIP("the working folder cannot be made unwritable here");
            const auto vse = koren.Zaznamy();
            QVERIFY_THROWS_EXCEPTION(KolomatChyba, SmazatVysledky(koren, vse));
            QVERIFY_THROWS_EXCEPTION(KolomatChyba, SmazatVysledek(koren, vse[0]));
            QVERIFY_THROWS_EXCEPTION(KolomatChyba,
                                     PridatVysledek(Zaznam(QStringLiteral("Jana"), kTypZkouseni)));
            QCOMPARE(koren.Count(), 3);
            QCOMPARE(koren[0].PocetOtazek(), 2);
        }
        QCOMPARE(PracovniSlozka::precti(kSouborVysledku), pred);
        SmazatVysledek(koren, koren[1]);
        QCOMPARE(Pocty(), (QList<int>{2, 5}));

        // A delete works on the file as it is now: a record that reached the file after
        // this document was read stays, and one that went meanwhile is not missed.
        PridatVysledek(Zaznam(QStringLiteral("Jana"), kTypProcvicovani, 9));
        {
            TXMLVysledkyType jiny = NacistVysledky();
            SmazatVysledek(jiny, jiny[0]);
        }
        QCOMPARE(Pocty(), (QList<int>{5, 9}));
        SmazatVysledek(koren, koren[1]); // the record of 5 questions, now first in the file
        QCOMPARE(Pocty(), (QList<int>{9}));
        SmazatVysledek(koren, koren[0]); // gone already: nothing else is touched
        QCOMPARE(Pocty(), (QList<int>{9}));
        QCOMPARE(koren.Count(), 0);
    }

    void neplatnySouborNeniPrepsan() {
        PracovniSlozka slozka;
        for (const QByteArray& obsah :
             {QByteArray(), QByteArray("<Vysledky><Vysledek>"), QByteArray("<Protokoly/>")}) {
            PracovniSlozka::zapis(kSouborVysledku, obsah);
            QVERIFY_THROWS_EXCEPTION(KolomatChyba,
                                     PridatVysledek(Zaznam(QStringLiteral("A"), kTypZkouseni)));
            QCOMPARE(PracovniSlozka::precti(kSouborVysledku), obsah);
        }
        QFile::remove(kSouborVysledku);
        QDir().mkdir(kSouborVysledku); // there, but not a file that can be read
        QVERIFY_THROWS_EXCEPTION(KolomatChyba,
                                 PridatVysledek(Zaznam(QStringLiteral("A"), kTypZkouseni)));
        QVERIFY(QFileInfo(kSouborVysledku).isDir());
    }

    void seznamAMazaniVOkne() {
        PracovniSlozka slozka;
        OknoTestu okno;
        okno.nastaveni.Nazev = QStringLiteral("Jana");
        okno.show();
        ZaznamZprav zpravy;
        okno.Procviovn1->trigger();
        QCOMPARE(zpravy.posledni(), QStringLiteral("Protokol procvičování zatím nebyl vytvořen!"));
        QCOMPARE(zpravy.posledniDruh(), zpravy::Druh::Informace);
        okno.Zkouen1->trigger();
        QCOMPARE(zpravy.posledni(), QStringLiteral("Protokol zkoušení zatím nebyl vytvořen!"));

        for (int i = 1; i <= 6; ++i)
            PridatVysledek(Zaznam(i % 3 == 0 ? QStringLiteral("Petr") : QStringLiteral("Jana"),
                                  i == 4 ? kTypZkouseni : kTypProcvicovani, i));
        // Jana's practice runs: 1, 2, 5; her exam: 4; Petr's: 3, 6.
        bool videno = false;
        NaOkno<TPZVysledky>(
            [](TPZVysledky& s) {
                QCOMPARE(s.windowTitle(),
                         QStringLiteral("Seznam výsledků procvičování, Uživatel: Jana"));
                QCOMPARE(s.size(), QSize(553, 329));
                QAbstractItemModel* m = s.sgTab->model();
                QCOMPARE(m->columnCount(), 7);
                QCOMPARE(m->rowCount(), 3);
                const QStringList nadpisy{
                    "Datum vystavení",  "Čas",      "Skupina", "Počet otázek", "Špatné odpovědi",
                    "Použití nápovědy", "Úspěšnost"};
                const QList<int> sirky{100, 50, 60, 80, 90, 90, 80};
                for (int c = 0; c < 7; ++c) {
                    QCOMPARE(m->headerData(c, Qt::Horizontal).toString(), nadpisy[c]);
                    // The designed width, or wider when the font needs it.
                    const int sirka = s.sgTab->horizontalHeader()->sectionSize(c);
                    QVERIFY(sirka >= sirky[c]);
                    const QFontMetrics metriky(s.sgTab->font());
                    QVERIFY(sirka > metriky.horizontalAdvance(nadpisy[c]));
                    QVERIFY(sirka > metriky.horizontalAdvance(m->index(0, c).data().toString()));
                }
                QCOMPARE(s.sgTab->rowHeight(0), 20);
                // Every heading can be read whole without scrolling: the columns are a
                // little wider together than the grid.
                QVERIFY(!s.sgTab->horizontalScrollBar()->isVisible());
                QHeaderView* zahlavi = s.sgTab->horizontalHeader();
                for (int c = 0; c < 7; ++c)
                    QVERIFY2(zahlavi->sectionViewportPosition(c) +
                                     QFontMetrics(zahlavi->font()).horizontalAdvance(nadpisy[c]) <
                                 s.sgTab->viewport()->width(),
                             qPrintable(nadpisy[c]));
                const QStringList radek{"5.12.2006", "14:07:33", "B", "2", "3", "1", "83%"};
                for (int c = 0; c < 7; ++c)
                    QCOMPARE(m->index(1, c).data().toString(), radek[c]);
                QCOMPARE(s.VybranyRadek(), 0);

                s.sgTab->selectRow(1);
                QTest::mouseClick(s.btnVymazatZaznam, Qt::LeftButton);
                QCOMPARE(Pocty(), (QList<int>{1, 3, 4, 5, 6}));
                QCOMPARE(m->rowCount(), 2);
                QCOMPARE(m->index(1, 3).data().toString(), QStringLiteral("5"));
                QCOMPARE(s.VybranyRadek(), 1); // the same row number, when it exists
                QTest::mouseClick(s.btnVymazatVse, Qt::LeftButton);
                QCOMPARE(Pocty(), (QList<int>{3, 4, 6}));
                QCOMPARE(m->rowCount(), 1);
                QCOMPARE(m->index(0, 0).data().toString(), QString());
                for (QWidget* w : std::initializer_list<QWidget*>{
                         s.sgTab, s.btnPodrobnosti, s.btnVymazatZaznam, s.btnVymazatVse})
                    QVERIFY(!w->isEnabled());
                QVERIFY(s.btnOK->isEnabled());
            },
            &videno);
        okno.Procviovn1->trigger();
        QVERIFY(videno);
        QCOMPARE(okno.TypVysledku, 0);

        // The exam list of the same profile; a profile with no runs gets an empty list.
        NaOkno<TPZVysledky>([](TPZVysledky& s) {
            QCOMPARE(s.windowTitle(), QStringLiteral("Seznam výsledků zkoušení, Uživatel: Jana"));
            QCOMPARE(s.Zaznamy().size(), size_t(1));
        });
        okno.Zkouen1->trigger();
        QCOMPARE(okno.TypVysledku, 1);
        okno.nastaveni.Nazev = QStringLiteral("Eva");
        NaOkno<TPZVysledky>([](TPZVysledky& s) {
            QVERIFY(s.Zaznamy().empty());
            QVERIFY(!s.btnPodrobnosti->isEnabled());
        });
        okno.Procviovn1->trigger();

        // A record that does not convert is named in one error and left out of the list;
        // deleting the others never changes or drops it.
        const QByteArray necitelny("<Vysledek><TypTestu>Zkouseni</TypTestu><Profil>Eva</Profil>"
                                   "<Datum>1.1.2020</Datum><Cas>1:00:00</Cas><PocetOtazek>"
                                   "dvacet</PocetOtazek></Vysledek>");
        PracovniSlozka::zapis(kSouborVysledku, "<Vysledky></Vysledky>");
        PridatVysledek(Zaznam(QStringLiteral("Eva"), kTypZkouseni, 5));
        QByteArray obsah = PracovniSlozka::precti(kSouborVysledku);
        obsah.replace("<Vysledky>", "<Vysledky>" + necitelny);
        PracovniSlozka::zapis(kSouborVysledku, obsah);
        PridatVysledek(Zaznam(QStringLiteral("Eva"), kTypZkouseni, 7));
        zpravy.vymaz();
        NaOkno<TPZVysledky>([](TPZVysledky& s) {
            QCOMPARE(s.Zaznamy().size(), size_t(2));
            QCOMPARE(s.Zaznamy()[0].PocetOtazek(), 5);
            QTest::mouseClick(s.btnVymazatVse, Qt::LeftButton);
            QVERIFY(s.Zaznamy().empty());
        });
        okno.Zkouen1->trigger();
        QCOMPARE(zpravy.pocet(), 1);
        QCOMPARE(zpravy.posledniDruh(), zpravy::Druh::Chyba);
        QVERIFY(zpravy.posledni().contains(QStringLiteral("\"Vysledky.xml\"")));
        QVERIFY(zpravy.posledni().contains(QStringLiteral("záznam č. 1:")));
        QVERIFY(zpravy.posledni().contains(QStringLiteral("dvacet")));
        QCOMPARE(PracovniSlozka::precti(kSouborVysledku),
                 QByteArray("<?xml version=\"1.0\"?>\n<Vysledky>") + necitelny +
                     QByteArray("</Vysledky>"));
    }

    void podrobnosti_data() {
        QTest::addColumn<QString>("kategorie");
        QTest::addColumn<QList<int>>("horni"); // tops of the shown lines
        QTest::addColumn<int>("vyska");
        QTest::newRow("vse") << "1111111" << QList<int>{50, 64, 78, 92, 106, 120, 134} << 310;
        QTest::newRow("1 a 3") << "1010000" << QList<int>{50, 64} << 240;
        QTest::newRow("jen 7") << "0000001" << QList<int>{50} << 226;
        QTest::newRow("2, 4, 7") << "0101001" << QList<int>{50, 64, 78} << 254;
        QTest::newRow("zadna") << "0000000" << QList<int>{} << 310;
        QTest::newRow("kratka") << "11" << QList<int>{50, 64} << 240;
    }
    void podrobnosti() {
        QFETCH(QString, kategorie);
        QFETCH(QList<int>, horni);
        QFETCH(int, vyska);
        PracovniSlozka slozka;
        TVysledek v = Zaznam(QStringLiteral("Jana"), kTypProcvicovani);
        v.Kategorie = kategorie;
        PridatVysledek(v);
        const TXMLVysledkyType koren = NacistVysledky();
        TPZPodrobnosti okno(nullptr, koren[0], kVysledkyProcvicovani);
        QCOMPARE(okno.size(), QSize(350, vyska));
        QList<int> zobrazene;
        for (QLabel* l : okno.lbRadky)
            if (!l->isHidden())
                zobrazene << l->y();
        QCOMPARE(zobrazene, horni);
        const int posun = 310 - vyska;
        QCOMPARE(okno.btnOK->y(), 278 - posun);
        QCOMPARE(okno.lbPocet->y(), 158 - posun);
        QVERIFY(okno.btnOK->geometry().bottom() < okno.height());
    }

    void podrobnostiTexty() {
        PracovniSlozka slozka;
        PridatVysledek(Zaznam(QStringLiteral("Jana"), kTypProcvicovani));
        TVysledek zk = Zaznam(QStringLiteral("Jana"), kTypZkouseni);
        zk.Spatne = 0;
        zk.SpatneCisla.clear();
        PridatVysledek(zk);
        const TXMLVysledkyType koren = NacistVysledky();
        ZaznamZprav zpravy;

        TPZPodrobnosti p(nullptr, koren[0], kVysledkyProcvicovani);
        QCOMPARE(p.windowTitle(), QStringLiteral("Procvičování - 5.12.2006, 14:07:33"));
        QCOMPARE(p.lbUzivatel->text(), QStringLiteral("Uživatel: Jana"));
        QCOMPARE(p.lbSkupina->text(), QStringLiteral("Skupina: B"));
        QCOMPARE(p.lbPocet->text(), QStringLiteral("Počet otázek: 20"));
        QCOMPARE(p.lbSpravne->text(), QStringLiteral("Správných odpovědí: 17"));
        QCOMPARE(p.lbSpatne->text(), QStringLiteral("Špatných odpovědí: 3"));
        QCOMPARE(p.lbNapoveda->text(), QStringLiteral("Použití nápovědy: 1"));
        QCOMPARE(p.lbUspesnost->text(), QStringLiteral("Úspěšnost: 83%"));
        QCOMPARE(p.lbRadky[1]->text(), QStringLiteral("Zásady bezpečné jízdy a ovládání vozidla"));
        QTest::mouseClick(p.btnSpatne, Qt::LeftButton);
        QCOMPARE(zpravy.posledni(), QStringLiteral("Špatně zodpovězené otázky: 4, 17, 250"));
        QTest::mouseClick(p.btnNapoveda, Qt::LeftButton);
        QCOMPARE(zpravy.posledni(), QStringLiteral("Otázky, u nichž byla použita nápověda: 17"));
        QCOMPARE(zpravy.posledniDruh(), zpravy::Druh::Informace);

        TPZPodrobnosti z(nullptr, koren[1], kVysledkyZkouseni);
        QCOMPARE(z.windowTitle(), QStringLiteral("Zkoučení - 5.12.2006, 14:07:33"));
        QVERIFY(!z.lbNapoveda->isEnabled());
        QCOMPARE(z.lbNapoveda->text(), QStringLiteral("Použití nápovědy: "));
        QVERIFY(!z.btnNapoveda->isEnabled());
        QVERIFY(!z.btnSpatne->isEnabled());
    }
};

KOLOMAT_TEST_MAIN(TestVysledky)
#include "test_vysledky.moc"
