// The saves of Vysledky.xml, Protokoly.xml, Profily.xml and the protocol text export
// under failure: a child killed (SIGKILL) at random moments while it saves, and a
// read-only or full disk under every save.
#include "core/XML_profily.h"
#include "core/XML_protokoly.h"
#include "core/XML_vysledky.h"
#include "core/chyba.h"
#include "core/pomocne_fce.h"
#include "core/protokol_text.h"
#include "pointtest/vysledkyT.h"
#include "profiles/profil_trida.h"
#include "results/vysledkyPZ.h"
#include "tests/odolnost_zaznamy.h"
#include "tests/podpora/maly_disk.h"
#include "tests/podpora/pracovni_slozka.h"
#include "tests/podpora/testovaci_main.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>

#include <unistd.h>

#include <functional>

namespace {

// Kills of the child; each round runs at most kKol rounds of its four saves.
constexpr int kZabiti = 150;
constexpr int kKol = 5;

// What the files hold: records of results and protocols, profiles created after the
// logged-in one, and its font size.
struct Stav {
    int vysledky = 0;
    int protokoly = 0;
    int profily = 0;
    int velikost = kPocatecniVelikost;

    int& podle(char klic) {
        return klic == 'V' ? vysledky : klic == 'P' ? protokoly : klic == 'F' ? profily : velikost;
    }
    int soucet() const { return vysledky + protokoly + profily + velikost; }
    QString text() const {
        return QStringLiteral("výsledky %1, protokoly %2, profily %3, velikost písma %4")
            .arg(vysledky)
            .arg(protokoly)
            .arg(profily)
            .arg(velikost);
    }
};

// The file must be a whole document as the program writes it: parsed and written back,
// it gives the same bytes.
QString celyDokument(const QString& soubor, const char* koren) {
    const QByteArray data = PracovniSlozka::precti(soubor);
    if (data.isEmpty())
        return QStringLiteral("%1 je prázdný").arg(soubor);
    if (XmlDokument::zBajtu(data, soubor, koren).doBajtu() != data)
        return QStringLiteral("%1 není celý dokument, jak ho program zapisuje").arg(soubor);
    return {};
}

QString mimo(const char* co, int nalezeno, int potvrzeno) {
    return QStringLiteral("%1: v souboru %2, potvrzeno %3 (smí být jen %3 nebo %4)")
        .arg(QLatin1String(co))
        .arg(nalezeno)
        .arg(potvrzeno)
        .arg(potvrzeno + 1);
}

QString zkontrolujVysledky(int potvrzeno, int& nalezeno) {
    if (!QFileInfo::exists(kSouborVysledku)) {
        nalezeno = 0;
        return potvrzeno == 0 ? QString() : QStringLiteral("Vysledky.xml zmizel");
    }
    if (QString chyba = celyDokument(kSouborVysledku, "Vysledky"); !chyba.isEmpty())
        return chyba;
    const TXMLVysledkyType koren = NacistVysledky();
    nalezeno = koren.Count();
    if (nalezeno != potvrzeno && nalezeno != potvrzeno + 1)
        return mimo("Vysledky.xml", nalezeno, potvrzeno);
    int n = 0;
    for (const TXMLVysledekType& z : koren.Zaznamy()) {
        const TVysledek e = VysledekCislo(++n);
        if (z.TypTestu() != e.TypTestu || z.Profil() != e.Profil || z.Datum() != e.Datum ||
            z.Cas() != e.Cas || z.Skupina() != e.Skupina || z.Kategorie() != e.Kategorie ||
            z.PocetOtazek() != e.PocetOtazek || z.Spatne() != e.Spatne ||
            z.SNapovedou() != e.SNapovedou || z.SNapovedouCisla() != e.SNapovedouCisla ||
            z.Uspesnost() != e.Uspesnost || z.SpatneCisla() != e.SpatneCisla)
            return QStringLiteral("Vysledky.xml: záznam %1 není ten zapsaný").arg(n);
    }
    return {};
}

QString zkontrolujProtokoly(int potvrzeno, int& nalezeno) {
    if (!QFileInfo::exists(kSouborProtokolu)) {
        nalezeno = 0;
        return potvrzeno == 0 ? QString() : QStringLiteral("Protokoly.xml zmizel");
    }
    if (QString chyba = celyDokument(kSouborProtokolu, "Protokoly"); !chyba.isEmpty())
        return chyba;
    const TXMLProtokolyType koren = NacistProtokoly();
    nalezeno = koren.Count();
    if (nalezeno != potvrzeno && nalezeno != potvrzeno + 1)
        return mimo("Protokoly.xml", nalezeno, potvrzeno);
    int n = 0;
    for (const TXMLProtokolType& z : koren.Zaznamy()) {
        const TProtokol e = ProtokolCislo(++n);
        if (z.Profil() != e.Profil || z.DatumACas() != e.DatumACas || z.Skupina() != e.Skupina ||
            z.DelkaTestu() != e.DelkaTestu || z.Spravne() != e.Spravne ||
            z.PocetBodu() != e.PocetBodu || z.MinPocetBodu() != e.MinPocetBodu ||
            z.Verdikt() != e.Verdikt || z.Body() != e.Body || z.Odpoved() != e.Odpoved ||
            z.SpravnaOdpoved() != e.SpravnaOdpoved || z.SkutCis() != e.SkutCis)
            return QStringLiteral("Protokoly.xml: záznam %1 není ten zapsaný").arg(n);
    }
    return {};
}

// Opened as the program opens it at login.
QString zkontrolujProfily(int potvrzeno, int potvrzenaVelikost, int& nalezeno, int& velikost) {
    if (QString chyba = celyDokument(kSouborProfilu, "Profily"); !chyba.isEmpty())
        return chyba;
    TProfil profil;
    profil.Otevrit();
    const QStringList nazvy = profil.Nazvy();
    nalezeno = static_cast<int>(nazvy.size()) - 1;
    if (nalezeno != potvrzeno && nalezeno != potvrzeno + 1)
        return mimo("Profily.xml (profily)", nalezeno, potvrzeno);
    QStringList ocekavane{kProfilOdolnosti};
    for (int n = 1; n <= nalezeno; ++n)
        ocekavane << NazevProfilu(n);
    if (nazvy != ocekavane)
        return QStringLiteral("Profily.xml: profily %1").arg(nazvy.join(u' '));
    if (nalezeno > 0) {
        if (!profil.Nacti(NazevProfilu(nalezeno)) || profil.Heslo != HesloProfilu(nalezeno) ||
            profil.Pismo_velikost != 12)
            return QStringLiteral("Profily.xml: poslední profil není ten vytvořený");
    }
    if (!profil.Nacti(kProfilOdolnosti) || !profil.Heslo.isEmpty() || profil.Skupina != u"B")
        return QStringLiteral("Profily.xml: profil %1 není ten uložený").arg(kProfilOdolnosti);
    velikost = profil.Pismo_velikost;
    if (velikost != potvrzenaVelikost && velikost != potvrzenaVelikost + 1)
        return mimo("Profily.xml (velikost písma)", velikost, potvrzenaVelikost);
    return {};
}

QString zkontrolujSoubory(const Stav& potvrzeno, Stav& nalezeno) {
    try {
        QString chyba = zkontrolujVysledky(potvrzeno.vysledky, nalezeno.vysledky);
        if (chyba.isEmpty())
            chyba = zkontrolujProtokoly(potvrzeno.protokoly, nalezeno.protokoly);
        if (chyba.isEmpty())
            chyba = zkontrolujProfily(potvrzeno.profily, potvrzeno.velikost, nalezeno.profily,
                                      nalezeno.velikost);
        // The child saves one file at a time: one save at most was cut short.
        if (chyba.isEmpty() && nalezeno.soucet() > potvrzeno.soucet() + 1)
            chyba = QStringLiteral("víc než jedno uložení navíc");
        return chyba;
    } catch (const KolomatChyba& e) {
        return e.text();
    }
}

// Files in the working folder other than the three data files: the temporary file of a
// save that was killed after it was written out under its temporary name and before it
// replaced the data file. They are never read by the program.
QString cizeSoubory(int& pocet) {
    static const QRegularExpression docasny(
        QStringLiteral(R"(^(Vysledky|Protokoly|Profily)\.xml\.\w+$)"));
    pocet = 0;
    const QStringList vse =
        QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& nazev : vse) {
        if (nazev == kSouborVysledku || nazev == kSouborProtokolu || nazev == kSouborProfilu)
            continue;
        if (!docasny.match(nazev).hasMatch())
            return QStringLiteral("neznámý soubor %1").arg(nazev);
        ++pocet;
    }
    return {};
}

// Reads the child's report ("start V P F U", then "X n" per completed save) into the
// confirmed state; every report must follow from the previous one.
QString prectiHlaseni(const QByteArray& vystup, Stav& potvrzeno, bool& hotovo) {
    hotovo = false;
    const QList<QByteArray> radky = vystup.split('\n');
    if (!vystup.endsWith('\n'))
        return QStringLiteral("neúplný řádek hlášení \"%1\"").arg(QString::fromUtf8(radky.last()));
    for (qsizetype i = 0; i + 1 < radky.size(); ++i) {
        const QList<QByteArray> casti = radky[i].split(' ');
        if (i == 0) {
            const QByteArray ocekavany = QStringLiteral("start %1 %2 %3 %4")
                                             .arg(potvrzeno.vysledky)
                                             .arg(potvrzeno.protokoly)
                                             .arg(potvrzeno.profily)
                                             .arg(potvrzeno.velikost)
                                             .toUtf8();
            if (radky[i] != ocekavany)
                return QStringLiteral("dítě začalo \"%1\", čekáno \"%2\"")
                    .arg(QString::fromUtf8(radky[i]), QString::fromUtf8(ocekavany));
        } else if (radky[i] == "hotovo") {
            hotovo = true;
        } else if (casti.size() == 2 && casti[0].size() == 1 &&
                   QByteArray("VPFU").contains(casti[0])) {
            int& hodnota = potvrzeno.podle(casti[0][0]);
            if (casti[1].toInt() != hodnota + 1)
                return QStringLiteral("hlášení \"%1\" nenavazuje").arg(QString::fromUtf8(radky[i]));
            ++hodnota;
        } else {
            return QStringLiteral("neznámé hlášení \"%1\"").arg(QString::fromUtf8(radky[i]));
        }
    }
    return {};
}

// Runs the child until it has said "start".
QString spustDite(QProcess& dite, QByteArray& vystup) {
    dite.setProgram(QStringLiteral(KOLOMAT_ZAPISOVAC));
    dite.setArguments({QString::number(kKol)});
    dite.setWorkingDirectory(QDir::currentPath());
    dite.start();
    if (!dite.waitForStarted(10000))
        return QStringLiteral("dítě se nespustilo: %1").arg(dite.errorString());
    while (!vystup.contains('\n')) {
        if (!dite.waitForReadyRead(20000))
            return QStringLiteral("dítě nehlásí start: %1")
                .arg(QString::fromLocal8Bit(dite.readAllStandardError()));
        vystup += dite.readAllStandardOutput();
    }
    return {};
}

// The error of one failing save: a KolomatChyba naming the file, saying that it could
// not be saved and, when the file was there before, that it kept its content.
QString chybaUlozeni(const std::function<void()>& ulozeni, const QString& soubor, bool existoval) {
    try {
        ulozeni();
    } catch (const KolomatChyba& e) {
        if (!e.text().contains(QStringLiteral("Soubor \"%1\" nelze uložit").arg(soubor)))
            return QStringLiteral("%1: chyba bez názvu souboru: %2").arg(soubor, e.text());
        if (e.text().contains(u"předchozí obsah zůstal zachován") != existoval)
            return QStringLiteral("%1: chyba mluví o předchozím obsahu nepravdivě: %2")
                .arg(soubor, e.text());
        return {};
    }
    return QStringLiteral("%1: uložení na nezapisovatelný disk ohlásilo úspěch").arg(soubor);
}

// The saves on a disk that cannot take them (made so by znepristupni): each reports
// its error and no file changes; once zpristupni has undone it, the same objects save
// as if the failed attempts had never been made.
void overSelhaniUkladani(const std::function<bool()>& znepristupni,
                         const std::function<bool()>& zpristupni) {
    TProfil profil;
    profil.Otevrit();
    profil.Vytvor(kProfilOdolnosti, QString());
    QVERIFY(profil.Nacti(kProfilOdolnosti));
    PridatVysledek(VysledekCislo(1));
    PridatVysledek(VysledekCislo(2));
    PridatProtokol(ProtokolCislo(1));
    PridatProtokol(ProtokolCislo(2));
    ZapisSoubor(QStringLiteral("protokol.txt"), "Protokol testu\r\n");
    TXMLVysledkyType vysledky = NacistVysledky();
    TXMLProtokolyType protokoly = NacistProtokoly();
    // An empty folder for the first save of each file.
    QVERIFY(QDir().mkdir(QStringLiteral("nova")));

    QVERIFY2(znepristupni(), "disk se nepodařilo znepřístupnit");
    const QMap<QString, QByteArray> predtim = obsahSlozky();
    QVERIFY(predtim.contains(kSouborVysledku) && predtim.contains(kSouborProfilu));

    const QString souborProtokolu = kSouborProtokolu;
    const QString souborProfilu = kSouborProfilu;
    const std::pair<QString, std::function<void()>> existujici[] = {
        {kSouborVysledku, [] { PridatVysledek(VysledekCislo(3)); }},
        {kSouborVysledku, [&] { SmazatVysledek(vysledky, vysledky[0]); }},
        {kSouborVysledku, [&] { SmazatVysledky(vysledky, vysledky.Zaznamy()); }},
        {souborProtokolu, [] { PridatProtokol(ProtokolCislo(3)); }},
        {souborProtokolu, [&] { SmazatProtokol(protokoly, protokoly[1]); }},
        {souborProtokolu, [&] { SmazatProtokoly(protokoly, protokoly.Zaznamy()); }},
        {souborProfilu, [&] { profil.Vytvor(QStringLiteral("Petr"), QStringLiteral("x")); }},
        {souborProfilu,
         [&] {
             profil.Pismo_velikost = 20;
             profil.Uloz();
         }},
        {souborProfilu, [&] { profil.Smaz(kProfilOdolnosti); }},
        {QStringLiteral("protokol.txt"),
         [] { UlozTextDoSouboru(QStringLiteral("protokol.txt"), QStringLiteral("Nový text")); }},
    };
    for (const auto& [soubor, ulozeni] : existujici) {
        const QString chyba = chybaUlozeni(ulozeni, soubor, true);
        QVERIFY2(chyba.isEmpty(), qPrintable(chyba));
    }
    QCOMPARE(vysledky.Count(), 2);
    QCOMPARE(protokoly.Count(), 2);
    QCOMPARE(profil.Nazvy(), QStringList{kProfilOdolnosti});

    const QString novyText = QStringLiteral("novy.txt");
    QString chyba =
        chybaUlozeni([&] { UlozTextDoSouboru(novyText, QStringLiteral("Text")); }, novyText, false);
    QVERIFY2(chyba.isEmpty(), qPrintable(chyba));
    {
        const QString predchozi = QDir::currentPath();
        QDir::setCurrent(QStringLiteral("nova"));
        TProfil prvni;
        prvni.Otevrit();
        const std::pair<QString, std::function<void()>> nove[] = {
            {kSouborVysledku, [] { PridatVysledek(VysledekCislo(1)); }},
            {souborProtokolu, [] { PridatProtokol(ProtokolCislo(1)); }},
            {souborProfilu, [&] { prvni.Vytvor(QStringLiteral("Petr"), QString()); }},
        };
        for (const auto& [soubor, ulozeni] : nove) {
            chyba = chybaUlozeni(ulozeni, soubor, false);
            if (!chyba.isEmpty())
                break;
        }
        QDir::setCurrent(predchozi);
        QVERIFY2(chyba.isEmpty(), qPrintable(chyba));
        QCOMPARE(prvni.Nazvy(), QStringList());
    }
    // Nothing lost, nothing half-written, no temporary file left behind.
    const QMap<QString, QByteArray> potom = obsahSlozky();
    QCOMPARE(potom.keys(), predtim.keys());
    for (auto i = predtim.cbegin(); i != predtim.cend(); ++i)
        QVERIFY2(potom.value(i.key()) == i.value(),
                 qPrintable(i.key() + QStringLiteral(" se změnil")));

    // The same objects save once the disk takes it: the failed attempts left no trace.
    QVERIFY2(zpristupni(), "disk se nepodařilo zpřístupnit");
    profil.Vytvor(QStringLiteral("Petr"), QStringLiteral("x"));
    profil.Pismo_velikost = 20;
    profil.Uloz();
    SmazatVysledek(vysledky, vysledky[0]);
    PridatProtokol(ProtokolCislo(3));
    TProfil znovu;
    znovu.Otevrit();
    QCOMPARE(znovu.Nazvy(), (QStringList{kProfilOdolnosti, QStringLiteral("Petr")}));
    QVERIFY(znovu.Nacti(kProfilOdolnosti));
    QCOMPARE(znovu.Pismo_velikost, 20);
    const TXMLVysledkyType vSouboru = NacistVysledky();
    QCOMPARE(vSouboru.Count(), 1);
    QCOMPARE(vSouboru[0].PocetOtazek(), 2);
    const TXMLProtokolyType protokolyVSouboru = NacistProtokoly();
    QCOMPARE(protokolyVSouboru.Count(), 3);
    QCOMPARE(protokolyVSouboru[2].PocetBodu(), 3);
}

} // namespace

class TestOdolnostUkladani : public QObject {
    Q_OBJECT
private slots:
    // SIGKILL at random moments of a child that saves all three files in a loop: after
    // every kill each file is whole and holds what the last completed save wrote, or
    // what the interrupted one was writing.
    void zabitiBehemUkladani() {
        PracovniSlozka slozka;
        QVERIFY(slozka.platna());
        {
            TProfil profil;
            profil.Otevrit();
            profil.Vytvor(kProfilOdolnosti, QString());
        }
        const QByteArray zadane = qgetenv("KOLOMAT_SEMINKO");
        const quint32 seminko =
            zadane.isEmpty() ? QRandomGenerator::system()->generate() : zadane.toUInt();
        QRandomGenerator nahoda(seminko);
        int kolo = 0;
        const auto kde = [&](const QString& co) {
            return QStringLiteral("%1 (semínko %2, zabití %3; zopakovat: KOLOMAT_SEMINKO=%2)")
                .arg(co)
                .arg(seminko)
                .arg(kolo);
        };

        // One full run, unkilled, gives the span over which the kills are spread.
        Stav potvrzeno;
        qint64 trvaniUs = 0;
        {
            QProcess dite;
            QByteArray vystup;
            QString chyba = spustDite(dite, vystup);
            QVERIFY2(chyba.isEmpty(), qPrintable(chyba));
            QElapsedTimer hodiny;
            hodiny.start();
            while (!vystup.contains("hotovo\n") && dite.waitForReadyRead(30000))
                vystup += dite.readAllStandardOutput();
            trvaniUs = hodiny.nsecsElapsed() / 1000;
            dite.closeWriteChannel();
            QVERIFY(dite.waitForFinished(10000));
            vystup += dite.readAllStandardOutput();
            QVERIFY2(dite.exitStatus() == QProcess::NormalExit && dite.exitCode() == 0,
                     dite.readAllStandardError().constData());
            bool hotovo = false;
            chyba = prectiHlaseni(vystup, potvrzeno, hotovo);
            QVERIFY2(chyba.isEmpty(), qPrintable(chyba));
            QVERIFY(hotovo);
            QCOMPARE(potvrzeno.vysledky, kKol);
            Stav nalezeno;
            chyba = zkontrolujSoubory(potvrzeno, nalezeno);
            QVERIFY2(chyba.isEmpty(), qPrintable(chyba));
            QCOMPARE(nalezeno.soucet(), potvrzeno.soucet());
        }

        int poPotvrzeni = 0; // kills that came after a save had completed, before its report
        int nejviceCizich = 0;
        for (kolo = 1; kolo <= kZabiti; ++kolo) {
            QProcess dite;
            QByteArray vystup;
            QString chyba = spustDite(dite, vystup);
            QVERIFY2(chyba.isEmpty(), qPrintable(kde(chyba)));
            QThread::usleep(
                static_cast<unsigned long>(nahoda.bounded(static_cast<int>(trvaniUs * 6 / 5 + 1))));
            dite.kill();
            QVERIFY2(dite.waitForFinished(10000),
                     qPrintable(kde(QStringLiteral("dítě neskončilo"))));
            vystup += dite.readAllStandardOutput();
            QVERIFY2(dite.exitStatus() == QProcess::CrashExit,
                     qPrintable(kde(QStringLiteral("dítě skončilo samo: ") +
                                    QString::fromLocal8Bit(dite.readAllStandardError()))));

            bool hotovo = false;
            chyba = prectiHlaseni(vystup, potvrzeno, hotovo);
            QVERIFY2(chyba.isEmpty(), qPrintable(kde(chyba)));
            Stav nalezeno;
            chyba = zkontrolujSoubory(potvrzeno, nalezeno);
            QVERIFY2(chyba.isEmpty(),
                     qPrintable(kde(chyba + QStringLiteral("; potvrzeno: ") + potvrzeno.text())));
            if (nalezeno.soucet() != potvrzeno.soucet())
                ++poPotvrzeni;
            int cizich = 0;
            chyba = cizeSoubory(cizich);
            QVERIFY2(chyba.isEmpty(), qPrintable(kde(chyba)));
            // At most one left by each kill, never more.
            QVERIFY2(cizich <= kolo, qPrintable(kde(QStringLiteral("dočasné soubory přibývají"))));
            nejviceCizich = std::max(nejviceCizich, cizich);
            potvrzeno = nalezeno;
        }
        kolo = kZabiti;

        // The program's own windows open the files the kills left.
        TPZVysledky procvicovani(nullptr, kProfilOdolnosti, kVysledkyProcvicovani);
        TPZVysledky zkouseni(nullptr, kProfilOdolnosti, kVysledkyZkouseni);
        QCOMPARE(static_cast<int>(procvicovani.Zaznamy().size() + zkouseni.Zaznamy().size()),
                 potvrzeno.vysledky);
        TTVysledky testy(nullptr, kProfilOdolnosti);
        testy.FormCreate();
        QCOMPARE(static_cast<int>(testy.Zaznamy().size()), potvrzeno.protokoly);
        qInfo("%d zabití (semínko %u, rozptyl %lld µs): %s; %d zabití mezi dokončeným uložením "
              "a jeho hlášením; nejvýš %d dočasných souborů",
              kZabiti, seminko, static_cast<long long>(trvaniUs), qPrintable(potvrzeno.text()),
              poPotvrzeni, nejviceCizich);
    }

    // A disk remounted read-only under the working folder.
    void jenProCteni() {
        PracovniSlozka slozka;
        MalyDisk disk;
        if (!disk.pripojen())
            QSKIP(qPrintable(QStringLiteral("potřebuje root a mount tmpfs (mount: ") +
                             disk.chyba() + u')'));
        overSelhaniUkladani([&] { return disk.jenProCteni(true); },
                            [&] { return disk.jenProCteni(false); });
    }

    // A small disk filled up with a ballast file.
    void plnyDisk() {
        PracovniSlozka slozka;
        MalyDisk disk;
        if (!disk.pripojen())
            QSKIP(qPrintable(QStringLiteral("potřebuje root a mount tmpfs (mount: ") +
                             disk.chyba() + u')'));
        overSelhaniUkladani(zaplnDisk, [] { return QFile::remove(QStringLiteral("zatez")); });
    }
};

KOLOMAT_TEST_MAIN(TestOdolnostUkladani)
#include "test_odolnost_ukladani.moc"
