// The online update of the question database against real servers on 127.0.0.1:
// Python's http.server for the normal course, and a small server of the test's own for
// the faults (error statuses, dropped connections, wrong bodies, slow bodies, silence).
#include "app/main.h"
#include "core/XML_otazky.h"
#include "core/kontrola_serveru.h"
#include "core/prubeh_stahovani.h"
#include "core/vymena_katalogu.h"
#include "tests/podpora/generator_katalogu.h"
#include "tests/podpora/http_server.h"
#include "tests/podpora/pracovni_slozka.h"
#include "tests/podpora/testovaci_main.h"
#include "update/aktualizace.h"
#include "views/textove_pole.h"
#include "widgets/zpravy.h"

#include "app/about.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimeZone>

using namespace std::chrono_literals;

namespace {

const QString kUspech = QStringLiteral("Databáze otázek byla úspěšně aktualizována!");
const QString kAktualni = QStringLiteral("Vaše databáze otázek je zcela aktuální. Nezapomeňte "
                                         "pravidelně provádět kontrolu existence novější "
                                         "databáze.");
const QString kNeniSpojeni = QStringLiteral("Nepodařilo se připojit k serveru! Prosím "
                                            "zkontrolujte vaše připojení k Internetu či "
                                            "nastavení firewallu.");
const QString kPreruseno = QStringLiteral("Spojení bylo přerušeno! Prosím zkontrolujte vaše "
                                          "připojení k Internetu či nastavení firewallu.");
const QString kPrerusenoUzivatelem = QStringLiteral("Spojení bylo přerušeno uživatelem!");

const QDateTime kServerovyCas(QDate(2026, 6, 1), QTime(10, 0, 0));
const QDateTime kStaryCas(QDate(2026, 1, 15), QTime(8, 30, 0));

// What a message box said, and what the update window showed at that moment.
struct Snimek {
    zpravy::Druh druh;
    QString text;
    QString server, prijato, velikost, casDoKonce, tlacitko;
    int hodnota = -1, maximum = -1;
};

// Answers the program's message boxes and photographs the update window with each.
class Pozorovatel {
public:
    Pozorovatel() {
        zpravy::nastavOdpovidac([this](zpravy::Druh druh, const QString& text) {
            Snimek s{druh, text, {}, {}, {}, {}, {}, -1, -1};
            if (okno) {
                s.server = okno->lbServer->text();
                s.prijato = okno->lbPrijato->text();
                s.velikost = okno->lbVelikost->text();
                s.casDoKonce = okno->lbCasDoKonce->text();
                s.tlacitko = okno->btnOK->text();
                s.hodnota = okno->Progress->value();
                s.maximum = okno->Progress->maximum();
            }
            snimky.append(s);
            return true;
        });
    }
    ~Pozorovatel() { zpravy::nastavOdpovidac({}); }

    QPointer<Tupdate> okno;
    QList<Snimek> snimky;
};

// The catalogue the server offers: question 1 says it is the new one.
QByteArray NovyKatalog(int pocet = 802) {
    NastaveniKatalogu n;
    n.pocet = pocet;
    n.textyOtazek[1] = QStringLiteral("Nová otázka 1?");
    ZapisKatalog(QStringLiteral("novy.tmp"), n);
    const QByteArray data = PracovniSlozka::precti(QStringLiteral("novy.tmp"));
    QFile::remove(QStringLiteral("novy.tmp"));
    return data;
}

// The learner's catalogue, dated kStaryCas.
QByteArray StaryKatalog() {
    ZapisKatalog(QStringLiteral("otazky.xml"));
    NastavCasSouboru(QStringLiteral("otazky.xml"), kStaryCas);
    return PracovniSlozka::precti(QStringLiteral("otazky.xml"));
}

// A folder for http.server with the catalogue at its path, dated cas.
QString SlozkaServeru(const PracovniSlozka& slozka, const QByteArray& katalog,
                      const QDateTime& cas) {
    const QString soubor = slozka.cesta(QStringLiteral("web/kolomat/files/otazky.xml"));
    PracovniSlozka::zapis(soubor, katalog);
    NastavCasSouboru(soubor, cas);
    return slozka.cesta(QStringLiteral("web"));
}

// Whether a temporary download file is in the working folder.
bool DocasnySoubor() {
    return !QDir()
                .entryList({QStringLiteral("otazky.temp*")}, QDir::Files | QDir::System)
                .isEmpty();
}

// Runs one update and waits until its window has closed itself.
void Aktualizuj(Pozorovatel& p, const QUrl& server, std::chrono::milliseconds limit = 10s) {
    p.okno = new Tupdate(nullptr, server, limit);
    QVERIFY(p.okno->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(p.okno.isNull(), 20000);
}

QString HttpDatum(const QDateTime& cas) {
    return QLocale::c().toString(cas.toUTC(), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"));
}

// The faults a server can show.
enum class Chovani {
    Stav404,
    Stav500,
    HlavickaStav404,
    PreruseniVPolovine,
    TeloNeniKatalog,
    BezDelky,
    BezLastModified,
    PomaleTelo,
    Ticho,
};

class ChybovyServer : public QObject {
public:
    ChybovyServer(Chovani chovani, QByteArray telo) : chovani_(chovani), telo_(std::move(telo)) {
        server_.listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                s->setParent(this);
                connect(s, &QTcpSocket::readyRead, this, [this, s] { prijmi(s); });
            }
        });
    }
    QUrl adresa() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()));
    }
    int pocetGet = 0;

private:
    void prijmi(QTcpSocket* s) {
        QByteArray& pozadavek = pozadavky_[s];
        pozadavek += s->readAll();
        if (!pozadavek.contains("\r\n\r\n"))
            return;
        const bool head = pozadavek.startsWith("HEAD ");
        pozadavek.clear();
        if (chovani_ == Chovani::Ticho)
            return;
        const bool sDelkou = chovani_ != Chovani::BezDelky;
        QByteArray hlavicky = "HTTP/1.1 200 OK\r\n";
        if (chovani_ == Chovani::Stav404 && !head)
            hlavicky = "HTTP/1.1 404 Not Found\r\n";
        if (chovani_ == Chovani::Stav500 && !head)
            hlavicky = "HTTP/1.1 500 Internal Server Error\r\n";
        if (chovani_ == Chovani::HlavickaStav404)
            hlavicky = "HTTP/1.1 404 Not Found\r\n";
        QByteArray telo = telo_;
        if (hlavicky.contains(" 404 ") || hlavicky.contains(" 500 "))
            telo = "<html><body>Chyba serveru</body></html>";
        if (chovani_ != Chovani::BezLastModified)
            hlavicky += "Last-Modified: " + HttpDatum(kServerovyCas).toLatin1() + "\r\n";
        if (sDelkou)
            hlavicky += "Content-Length: " + QByteArray::number(telo.size()) + "\r\n";
        hlavicky += sDelkou ? "Connection: keep-alive\r\n" : "Connection: close\r\n";
        hlavicky += "Content-Type: text/xml\r\n\r\n";
        s->write(hlavicky);
        if (head)
            return;
        ++pocetGet;
        switch (chovani_) {
        case Chovani::PreruseniVPolovine:
            s->write(telo.left(telo.size() / 2));
            s->disconnectFromHost();
            break;
        case Chovani::PomaleTelo:
            s->write(telo.left(10000)); // and then nothing more
            break;
        case Chovani::BezDelky:
            s->write(telo);
            s->disconnectFromHost();
            break;
        default:
            s->write(telo);
        }
    }

    QTcpServer server_;
    Chovani chovani_;
    QByteArray telo_;
    QHash<QTcpSocket*, QByteArray> pozadavky_;
};

// The old catalogue is in place, unchanged, and nothing is left of the download.
void OverNezmeneno(const QByteArray& stary) {
    QCOMPARE(PracovniSlozka::precti(QStringLiteral("otazky.xml")), stary);
    QVERIFY(!DocasnySoubor());
}

} // namespace

class TestAktualizace : public QObject {
    Q_OBJECT
private slots:

    void aktualniDatabaze() {
        PracovniSlozka slozka;
        const QByteArray stary = StaryKatalog();
        HttpServerPython server(SlozkaServeru(slozka, NovyKatalog(), kStaryCas));
        QVERIFY(server.bezi());

        for (const QDateTime& mistni : {kStaryCas, kStaryCas.addSecs(3600)}) {
            NastavCasSouboru(QStringLiteral("otazky.xml"), mistni);
            Pozorovatel p;
            Aktualizuj(p, server.adresa());
            QCOMPARE(p.snimky.size(), 1);
            QCOMPARE(p.snimky[0].druh, zpravy::Druh::Oznameni);
            QCOMPARE(p.snimky[0].text, kAktualni);
            QCOMPARE(p.snimky[0].server, QStringLiteral("Odpojuji se..."));
            QCOMPARE(p.snimky[0].prijato, QStringLiteral("0 B"));
            OverNezmeneno(stary);
        }
    }

    void novejsiDatabazeStazenaAOverena() {
        PracovniSlozka slozka;
        StaryKatalog();
        const QByteArray novy = NovyKatalog();
        HttpServerPython server(SlozkaServeru(slozka, novy, kServerovyCas));
        QVERIFY(server.bezi());

        Pozorovatel p;
        Aktualizuj(p, server.adresa());
        QCOMPARE(p.snimky.size(), 1);
        const Snimek& s = p.snimky[0];
        QCOMPARE(s.druh, zpravy::Druh::Oznameni);
        QCOMPARE(s.text, kUspech);
        QCOMPARE(s.server, QStringLiteral("Stahování dokončeno..."));
        QCOMPARE(s.tlacitko, QStringLiteral("OK"));
        // The display ends on the final figures.
        QCOMPARE(s.prijato, FormatVelikost(static_cast<double>(novy.size())));
        QCOMPARE(s.velikost, FormatVelikost(static_cast<double>(novy.size())));
        QCOMPARE(s.maximum, static_cast<int>(novy.size()));
        QCOMPARE(s.hodnota, s.maximum);

        QCOMPARE(PracovniSlozka::precti(QStringLiteral("otazky.xml")), novy);
        QVERIFY(!DocasnySoubor());
        QCOMPARE(QFileInfo(QStringLiteral("otazky.xml")).lastModified(), kServerovyCas);
        TOtazka databaze;
        QCOMPARE(databaze.Nacti(1), 0);
        QCOMPARE(databaze.Otazka, QStringLiteral("Nová otázka 1?"));
        QCOMPARE(TOProgramu::PopisDatabaze(), QStringLiteral("databáze otázek z: 1.6.2026"));

        // The fresh file carries the server's time, so the next check finds it current.
        Pozorovatel znovu;
        Aktualizuj(znovu, server.adresa());
        QCOMPARE(znovu.snimky.size(), 1);
        QCOMPARE(znovu.snimky[0].text, kAktualni);
    }

    void spojeniSeNezdarilo() {
        PracovniSlozka slozka;
        const QByteArray stary = StaryKatalog();
        ChybovyServer ticho(Chovani::Ticho, NovyKatalog());
        ChybovyServer stav404(Chovani::HlavickaStav404, NovyKatalog());
        const QUrl nikdo(QStringLiteral("http://127.0.0.1:%1").arg(VolnyPort()));
        // Nobody listening, a server that never answers, an error status for the HEAD.
        for (const QUrl& adresa : {nikdo, ticho.adresa(), stav404.adresa()}) {
            Pozorovatel p;
            Aktualizuj(p, adresa, 500ms);
            QCOMPARE(p.snimky.size(), 1);
            QCOMPARE(p.snimky[0].druh, zpravy::Druh::Chyba);
            QCOMPARE(p.snimky[0].text, kNeniSpojeni);
            QCOMPARE(p.snimky[0].server, QStringLiteral("Spojení se nezdařilo..."));
            OverNezmeneno(stary);
        }
        QCOMPARE(stav404.pocetGet, 0);
    }

    void chybiOtazkyXml() {
        PracovniSlozka slozka;
        HttpServerPython server(SlozkaServeru(slozka, NovyKatalog(), kServerovyCas));
        QVERIFY(server.bezi());
        Pozorovatel p;
        Aktualizuj(p, server.adresa());
        QCOMPARE(p.snimky.size(), 1);
        QCOMPARE(p.snimky[0].text, kNeniSpojeni);
        QCOMPARE(p.snimky[0].server, QStringLiteral("Spojení se nezdařilo..."));
        QVERIFY(!QFileInfo::exists(QStringLiteral("otazky.xml")));
        QVERIFY(!DocasnySoubor());
    }

    void chybnaStahovani() {
        PracovniSlozka slozka;
        const QByteArray stary = StaryKatalog();
        // Error statuses and a connection dropped halfway are connection failures.
        for (Chovani c : {Chovani::Stav404, Chovani::Stav500, Chovani::PreruseniVPolovine}) {
            ChybovyServer server(c, NovyKatalog());
            Pozorovatel p;
            Aktualizuj(p, server.adresa());
            // Qt may resend a GET whose connection closed early; it never succeeds.
            QVERIFY(server.pocetGet >= 1);
            QCOMPARE(p.snimky.size(), 1);
            QCOMPARE(p.snimky[0].druh, zpravy::Druh::Chyba);
            QCOMPARE(p.snimky[0].text, kPreruseno);
            QCOMPARE(p.snimky[0].server, QStringLiteral("Spojení přerušeno..."));
            OverNezmeneno(stary);
        }
        // A complete body that is no catalogue, or one with too few questions, is
        // refused by the check and the old catalogue stays.
        for (const QByteArray& telo :
             {QByteArray("<html><body>Stránka nenalezena</body></html>"), NovyKatalog(100)}) {
            ChybovyServer server(Chovani::TeloNeniKatalog, telo);
            Pozorovatel p;
            Aktualizuj(p, server.adresa());
            QCOMPARE(p.snimky.size(), 1);
            QCOMPARE(p.snimky[0].druh, zpravy::Druh::Chyba);
            QVERIFY2(p.snimky[0].text.startsWith(
                         QStringLiteral("Stažená databáze otázek je neúplná nebo poškozená")),
                     qPrintable(p.snimky[0].text));
            QVERIFY(p.snimky[0].text.contains(QStringLiteral("otazky.temp")));
            QCOMPARE(p.snimky[0].server, QStringLiteral("Stahování dokončeno..."));
            OverNezmeneno(stary);
        }
    }

    void bezContentLengthABezLastModified() {
        PracovniSlozka slozka;
        StaryKatalog();
        const QByteArray novy = NovyKatalog();
        {
            ChybovyServer server(Chovani::BezDelky, novy);
            Pozorovatel p;
            Aktualizuj(p, server.adresa());
            QCOMPARE(p.snimky.size(), 1);
            QCOMPARE(p.snimky[0].text, kUspech);
            // Activity without a maximum; the remaining time stays unknown.
            QCOMPARE(p.snimky[0].maximum, 0);
            QCOMPARE(p.snimky[0].casDoKonce, QStringLiteral("?:??:??"));
            QCOMPARE(p.snimky[0].velikost, QStringLiteral("Neznámá velikost"));
            QCOMPARE(p.snimky[0].prijato, FormatVelikost(static_cast<double>(novy.size())));
            QCOMPARE(PracovniSlozka::precti(QStringLiteral("otazky.xml")), novy);
        }
        // Without a Last-Modified time the server's copy cannot be newer.
        const QByteArray stary = StaryKatalog();
        ChybovyServer server(Chovani::BezLastModified, novy);
        Pozorovatel p;
        Aktualizuj(p, server.adresa());
        QCOMPARE(p.snimky.size(), 1);
        QCOMPARE(p.snimky[0].text, kAktualni);
        QCOMPARE(server.pocetGet, 0);
        OverNezmeneno(stary);
    }

    // A planted link in place of the download's file, and a file left by a killed
    // update: neither is written through, both are gone after the update.
    void podvrzenyDocasnySoubor() {
        PracovniSlozka slozka;
        const QByteArray stary = StaryKatalog();
        const QByteArray profily("<Profily><Profil><Nazev>Jan</Nazev></Profil></Profily>");
        PracovniSlozka::zapis(QStringLiteral("Profily.xml"), profily);
        QVERIFY(QFile::link(QStringLiteral("Profily.xml"), QStringLiteral("otazky.temp")));
        PracovniSlozka::zapis(QStringLiteral("otazky.temp.Xy12Ab"), "<otazky><otazka>");
        {
            ChybovyServer server(Chovani::Stav404, NovyKatalog()); // newer, then a failed GET
            Pozorovatel p;
            Aktualizuj(p, server.adresa());
            QCOMPARE(p.snimky.size(), 1);
            QCOMPARE(p.snimky[0].text, kPreruseno);
        }
        QCOMPARE(PracovniSlozka::precti(QStringLiteral("Profily.xml")), profily);
        QVERIFY(!DocasnySoubor());
        QCOMPARE(PracovniSlozka::precti(QStringLiteral("otazky.xml")), stary);

        QVERIFY(QFile::link(QStringLiteral("Profily.xml"), QStringLiteral("otazky.temp")));
        const QByteArray novy = NovyKatalog();
        HttpServerPython server(SlozkaServeru(slozka, novy, kServerovyCas));
        QVERIFY(server.bezi());
        Pozorovatel p;
        Aktualizuj(p, server.adresa());
        QCOMPARE(p.snimky.size(), 1);
        QCOMPARE(p.snimky[0].text, kUspech);
        QCOMPARE(PracovniSlozka::precti(QStringLiteral("otazky.xml")), novy);
        QCOMPARE(PracovniSlozka::precti(QStringLiteral("Profily.xml")), profily);
        QVERIFY(!DocasnySoubor());
    }

    // A server whose clock is decades ahead replaces nothing; a catalogue it once dated
    // in the future does not keep a correct server out.
    void datumServeruVBudoucnosti() {
        PracovniSlozka slozka;
        const QByteArray stary = StaryKatalog();
        const QDateTime budoucnost(QDate(2100, 1, 1), QTime(0, 0));
        {
            HttpServerPython server(SlozkaServeru(slozka, NovyKatalog(), budoucnost));
            QVERIFY(server.bezi());
            Pozorovatel p;
            Aktualizuj(p, server.adresa());
            QCOMPARE(p.snimky.size(), 1);
            QCOMPARE(p.snimky[0].druh, zpravy::Druh::Chyba);
            QVERIFY2(p.snimky[0].text.contains(QStringLiteral("v budoucnosti")),
                     qPrintable(p.snimky[0].text));
            QVERIFY(p.snimky[0].text.contains(QStringLiteral("1.1.2100")));
            OverNezmeneno(stary);
        }
        QVERIFY(NastavCasSouboru(QStringLiteral("otazky.xml"), budoucnost));
        const QByteArray novy = NovyKatalog();
        const QDateTime vcera = QDateTime::currentDateTime().addDays(-1);
        HttpServerPython server(SlozkaServeru(slozka, novy, vcera));
        QVERIFY(server.bezi());
        Pozorovatel p;
        Aktualizuj(p, server.adresa());
        QCOMPARE(p.snimky.size(), 1);
        QCOMPARE(p.snimky[0].text, kUspech);
        QCOMPARE(PracovniSlozka::precti(QStringLiteral("otazky.xml")), novy);
    }

    // Over https with the test authority handed to the program the update works; a
    // server whose certificate nobody vouches for is refused.
    void aktualizacePresHttps() {
        PracovniSlozka slozka;
        const QByteArray stary = StaryKatalog();
        const QByteArray novy = NovyKatalog();
        HttpServerPython server(SlozkaServeru(slozka, novy, kServerovyCas), TestovaciCertifikat(),
                                TestovaciKlic());
        QVERIFY(server.bezi());
        QCOMPARE(server.adresa().scheme(), QStringLiteral("https"));
        {
            qunsetenv("KOLOMAT_CA_CERTIFIKATY");
            Pozorovatel p;
            Aktualizuj(p, server.adresa());
            QCOMPARE(p.snimky.size(), 1);
            QCOMPARE(p.snimky[0].druh, zpravy::Druh::Chyba);
            QVERIFY2(p.snimky[0].text.contains(QStringLiteral("certifikát")),
                     qPrintable(p.snimky[0].text));
            OverNezmeneno(stary);
        }
        qputenv("KOLOMAT_CA_CERTIFIKATY", TestovaciAutorita().toLocal8Bit());
        Pozorovatel p;
        Aktualizuj(p, server.adresa());
        qunsetenv("KOLOMAT_CA_CERTIFIKATY");
        QCOMPARE(p.snimky.size(), 1);
        QCOMPARE(p.snimky[0].text, kUspech);
        QCOMPARE(PracovniSlozka::precti(QStringLiteral("otazky.xml")), novy);
    }

    void zruseniBehemStahovani() {
        PracovniSlozka slozka;
        const QByteArray stary = StaryKatalog();
        ChybovyServer server(Chovani::PomaleTelo, NovyKatalog());
        // "Zrušit", the close box and Esc all stop the download the same way.
        for (int zpusob = 0; zpusob < 3; ++zpusob) {
            Pozorovatel p;
            p.okno = new Tupdate(nullptr, server.adresa(), 20s);
            QTRY_VERIFY_WITH_TIMEOUT(p.okno->lbPrijato->text() != QStringLiteral("0 B"), 10000);
            QVERIFY(p.okno->StahujeSe());
            QCOMPARE(p.okno->btnOK->text(), QStringLiteral("Zrušit"));
            if (zpusob == 0)
                QTest::mouseClick(p.okno->btnOK, Qt::LeftButton);
            else if (zpusob == 1)
                p.okno->close();
            else
                QTest::keyClick(p.okno, Qt::Key_Escape);
            QTRY_VERIFY_WITH_TIMEOUT(p.okno.isNull(), 10000);
            QCOMPARE(p.snimky.size(), 1);
            QCOMPARE(p.snimky[0].druh, zpravy::Druh::Chyba);
            QCOMPARE(p.snimky[0].text, kPrerusenoUzivatelem);
            QCOMPARE(p.snimky[0].server, QStringLiteral("Spojení přerušeno..."));
            QCOMPARE(p.snimky[0].tlacitko, QStringLiteral("OK"));
            OverNezmeneno(stary);
        }

        // The owner goes away during a download (the program ends): the thread is
        // stopped before the window is freed and the partial file is removed.
        auto* vlastnik = new QWidget;
        QPointer<Tupdate> okno = new Tupdate(vlastnik, server.adresa(), 20s);
        QTRY_VERIFY_WITH_TIMEOUT(okno->lbPrijato->text() != QStringLiteral("0 B"), 10000);
        delete vlastnik;
        QVERIFY(okno.isNull());
        OverNezmeneno(stary);
    }

    void vymenaKatalogu() {
        PracovniSlozka slozka;
        // A valid download takes the catalogue's place with the server's date.
        PracovniSlozka::zapis(QStringLiteral("otazky.temp"), NovyKatalog());
        StaryKatalog();
        QCOMPARE(
            KontrolaStazenehoKatalogu(QStringLiteral("otazky.temp"), QStringLiteral("otazky.xml")),
            QString());
        NahraditKatalog(QStringLiteral("otazky.temp"), QStringLiteral("otazky.xml"), kServerovyCas);
        QVERIFY(!DocasnySoubor());
        QCOMPARE(QFileInfo(QStringLiteral("otazky.xml")).lastModified(), kServerovyCas);

        // The rename fails (the target is a folder): the failure is reported, the
        // download removed, the target untouched.
        PracovniSlozka::zapis(QStringLiteral("otazky.temp"), NovyKatalog());
        QDir().mkpath(QStringLiteral("slozka/obsah"));
        QString text;
        try {
            NahraditKatalog(QStringLiteral("otazky.temp"), QStringLiteral("slozka"), kServerovyCas);
        } catch (const KolomatChyba& e) {
            text = e.text();
        }
        QVERIFY2(text.contains(QStringLiteral("nepodařilo nahradit")), qPrintable(text));
        QVERIFY(!QFileInfo::exists(QStringLiteral("otazky.temp")));
        QVERIFY(QFileInfo(QStringLiteral("slozka/obsah")).isDir());
    }

    void zHlavnihoOkna() {
        PracovniSlozka slozka;
        StaryKatalog();
        ZapisZnacky();
        Pozorovatel p;
        THlavniFormular okno;
        okno.show();

        // While one update runs, the menu item brings its window forward.
        ChybovyServer ticho(Chovani::Ticho, {});
        okno.ServerAktualizace = ticho.adresa();
        okno.Provstaktualizaci1->trigger();
        QPointer<Tupdate> prvni = okno.Aktualizace;
        QVERIFY(prvni && prvni->isVisible());
        okno.Provstaktualizaci1->trigger();
        QCOMPARE(okno.Aktualizace.data(), prvni.data());
        QCOMPARE(okno.findChildren<Tupdate*>().size(), 1);
        // "Zrušit" during the check closes it without a word.
        QTest::mouseClick(prvni->btnOK, Qt::LeftButton);
        QTRY_VERIFY(prvni.isNull());
        QVERIFY2(p.snimky.isEmpty(), qPrintable(p.snimky.isEmpty() ? QString() : p.snimky[0].text));

        // An update from the menu, then browsing shows the new catalogue.
        HttpServerPython server(SlozkaServeru(slozka, NovyKatalog(), kServerovyCas));
        QVERIFY(server.bezi());
        okno.ServerAktualizace = server.adresa();
        okno.Provstaktualizaci1->trigger();
        p.okno = okno.Aktualizace;
        QVERIFY(p.okno);
        QTRY_VERIFY_WITH_TIMEOUT(p.okno.isNull(), 20000);
        QCOMPARE(p.snimky.size(), 1);
        QCOMPARE(p.snimky[0].text, kUspech);
        okno.Prohletotzky1->trigger();
        QCOMPARE(okno.findChild<TextovePole*>(QStringLiteral("mO"))->text(),
                 QStringLiteral("Nová otázka 1?"));
        okno.Konec_rezimu1->trigger();
    }
};

KOLOMAT_TEST_MAIN(TestAktualizace)
#include "test_aktualizace.moc"
