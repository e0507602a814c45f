#include "update/aktualizace.h"

#include "core/chyby_systemu.h"
#include "core/kontrola_serveru.h"
#include "core/pomocne_fce.h"
#include "core/prubeh_stahovani.h"
#include "core/vymena_katalogu.h"
#include "widgets/okna.h"
#include "widgets/zpravy.h"

#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryFile>
#include <QTimer>
#include <QVBoxLayout>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

#ifndef KOLOMAT_SERVER_AKTUALIZACE
#define KOLOMAT_SERVER_AKTUALIZACE "http://127.0.0.1:8000"
#endif

namespace {

const QString kKatalog = QStringLiteral("otazky.xml");
// The download goes to a file created anew (never through an existing name or link);
// the name marks it as the program's own, so that what a killed update left behind can
// be found and removed.
const QString kVzorDocasneho = QStringLiteral("otazky.temp.XXXXXX");
const QStringList kPozustatky{QStringLiteral("otazky.temp"), QStringLiteral("otazky.temp.*")};
const QString kCestaKatalogu = QStringLiteral("/kolomat/files/otazky.xml");
const QString kTlacitkoKonec = QStringLiteral("OK");

// The body is read in chunks of this size; the reply buffers at most kVyrovnavaci bytes
// ahead of the reads (without a limit Qt would keep the whole body in memory).
constexpr qint64 kBlok = 4096;
constexpr qint64 kVyrovnavaci = 256 * 1024;
// Every so many bytes the written part is handed to the disk.
constexpr qint64 kDavkaNaDisk = 2 * 1024 * 1024;
// An error page longer than this is not read to its end.
constexpr qint64 kChybovaStranka = 1024 * 1024;
// How often the thread looks at the stop request while the server is silent.
constexpr int kHlidaniMs = 50;

const QString kNeniSpojeni = QStringLiteral("Nepodařilo se připojit k serveru! Prosím "
                                            "zkontrolujte vaše připojení k Internetu či "
                                            "nastavení firewallu.");
const QString kSpojeniPreruseno = QStringLiteral("Spojení bylo přerušeno! Prosím zkontrolujte "
                                                 "vaše připojení k Internetu či nastavení "
                                                 "firewallu.");

// Removes temporary downloads that an update killed mid-way left in the working folder
// (also the fixed name older versions used). A link is removed, never followed.
void odstranPozustatky() {
    const QDir slozka(QStringLiteral("."));
    for (const QString& nazev :
         slozka.entryList(kPozustatky, QDir::Files | QDir::System | QDir::Hidden))
        QFile::remove(nazev);
}

int doMilisekund(std::chrono::milliseconds limit) {
    return static_cast<int>(std::min<std::chrono::milliseconds::rep>(limit.count(), INT_MAX));
}

QLabel* popisek(const QString& text, QWidget* rodic, const char* jmeno) {
    auto* l = new QLabel(text, rodic);
    l->setTextFormat(Qt::PlainText);
    l->setObjectName(QString::fromLatin1(jmeno));
    return l;
}

} // namespace

// ---------------------------------------------------------------------------------------

THTTPThread::THTTPThread(const QUrl& adresa, QFile* Soubor, qint64 velikost,
                         std::chrono::milliseconds limitTicha, const QString& katalog,
                         QObject* rodic)
    : QThread(rodic), adresa_(adresa), soubor_(Soubor), velikost_(velikost),
      limitTicha_(limitTicha), katalog_(katalog) {}

void THTTPThread::run() {
    // Everything network-related is created here, so that it lives on this thread.
    QNetworkAccessManager http;
    http.setProxy(QNetworkProxy::NoProxy);
    emit Stav(QStringLiteral("Stahuji data..."));
    QElapsedTimer StartCas; // monotonic: a download across midnight keeps its figures
    StartCas.start();
    std::unique_ptr<QNetworkReply> odpoved(
        http.get(PozadavekNaKatalog(adresa_, doMilisekund(limitTicha_))));
    odpoved->setReadBufferSize(kVyrovnavaci);

    qint64 celkem = velikost_;
    bool stavOveren = false;
    bool konec = false;
    qint64 posledniPrubeh = -kIntervalPrubehuMs;
    QEventLoop smycka;

    auto ukoncit = [&] {
        konec = true;
        odpoved->abort();
        smycka.quit();
    };
    // An error status is a failure: its body (an error page) is never written, only
    // read to its end, so that the reply finishes on its own (aborting it while Qt
    // still reports its status would report twice).
    bool zahazovat = false;
    qint64 zahozeno = 0;
    qint64 odeslanoNaDisk = 0;
    qint64 delkaOdpovedi = -1; // the GET's own Content-Length
    auto overStav = [&] {
        const OdpovedServeru o = PrectiOdpoved(*odpoved);
        if (!o.spojeno)
            return;
        stavOveren = true;
        if (o.stav < 200 || o.stav > 299) {
            Chyba = true;
            zahazovat = true;
        } else if (o.velikost >= 0) {
            celkem = o.velikost;
            delkaOdpovedi = o.velikost;
        }
    };
    auto zapisDostupne = [&] {
        if (!stavOveren)
            overStav();
        if (zahazovat) {
            zahozeno += odpoved->skip(odpoved->bytesAvailable());
            if (zahozeno > kChybovaStranka)
                ukoncit();
            return;
        }
        char blok[kBlok];
        for (;;) {
            const qint64 precteno = odpoved->read(blok, kBlok);
            if (precteno <= 0)
                break;
            if (soubor_->write(blok, precteno) != precteno) {
                ChybaZapisu = PopisChybySouboru(*soubor_);
                Chyba = true;
                ukoncit();
                return;
            }
            Prijato += precteno;
        }
        if (Prijato - odeslanoNaDisk >= kDavkaNaDisk && soubor_->flush()) {
            // Start writing the finished part to the disk now, without waiting for it,
            // so that the sync at the end has little left to do.
            ::sync_file_range(soubor_->handle(), odeslanoNaDisk, Prijato - odeslanoNaDisk,
                              SYNC_FILE_RANGE_WRITE);
            odeslanoNaDisk = Prijato;
        }
        const qint64 ted = StartCas.elapsed();
        if (ted - posledniPrubeh >= kIntervalPrubehuMs) {
            posledniPrubeh = ted;
            emit Prubeh(Prijato, celkem, ted);
        }
    };
    auto zkontrolujZastaveni = [&] {
        if (!konec && zastavit_.load()) {
            Chyba = true;
            Preruseno = true;
            ukoncit();
        }
    };

    connect(odpoved.get(), &QNetworkReply::readyRead, &smycka, [&] {
        if (konec)
            return;
        zapisDostupne();
        zkontrolujZastaveni();
    });
    connect(odpoved.get(), &QNetworkReply::finished, &smycka, &QEventLoop::quit);
    QTimer hlidac;
    connect(&hlidac, &QTimer::timeout, &smycka, zkontrolujZastaveni);
    hlidac.start(kHlidaniMs);
    if (!odpoved->isFinished())
        smycka.exec();
    hlidac.stop();

    if (!konec) {
        // What arrived together with the end of the reply.
        zapisDostupne();
        if (!Chyba) {
            if (odpoved->error() != QNetworkReply::NoError || !stavOveren ||
                (delkaOdpovedi >= 0 && Prijato != delkaOdpovedi))
                Chyba = true;
        }
    }
    // On the disk before the window renames it over the catalogue.
    if (!Chyba && !soubor_->flush()) {
        ChybaZapisu = PopisChybySouboru(*soubor_);
        Chyba = true;
    } else if (!Chyba && ::fdatasync(soubor_->handle()) != 0) {
        ChybaZapisu = PopisChybySystemu(errno);
        Chyba = true;
    }
    odpoved.reset();
    emit Prubeh(Prijato, celkem, StartCas.elapsed());
    emit Stav(Chyba ? QStringLiteral("Spojení přerušeno...")
                    : QStringLiteral("Stahování dokončeno..."));
    // The check and the deletion of a failed download happen here rather than in the
    // end handler: for a large file either would hold up the window.
    if (!Chyba)
        ChybaKatalogu = KontrolaStazenehoKatalogu(soubor_->fileName(), katalog_);
    if (Chyba || !ChybaKatalogu.isEmpty()) {
        soubor_->close();
        QFile::remove(soubor_->fileName());
    }
}

// ---------------------------------------------------------------------------------------

QUrl Tupdate::VychoziServer() {
    return QUrl(QStringLiteral(KOLOMAT_SERVER_AKTUALIZACE));
}

QUrl Tupdate::AdresaKatalogu(const QUrl& server) {
    QUrl adresa = server;
    QString cesta = adresa.path();
    while (cesta.endsWith(u'/'))
        cesta.chop(1);
    adresa.setPath(cesta + kCestaKatalogu);
    return adresa;
}

Tupdate::Tupdate(QWidget* vlastnik, const QUrl& server, std::chrono::milliseconds limitTicha)
    : QDialog(vlastnik), adresa_(AdresaKatalogu(server)), limitTicha_(limitTicha) {
    setObjectName(QStringLiteral("update"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Aktualizace programu Kolomat"));
    VytvorOvladace();
    FormCreate();
}

Tupdate::~Tupdate() {
    // Closed with its owner (the program ends) while a download runs: the thread must
    // not outlive the window it reports to.
    if (Stahovani) {
        Stahovani->Zastavit();
        Stahovani->wait();
        Stahovani.reset();
    }
    if (Soubor) {
        Soubor->close();
        QFile::remove(Soubor->fileName());
        Soubor.reset();
    }
}

void Tupdate::VytvorOvladace() {
    auto* svisle = new QVBoxLayout(this);

    lbNadpis =
        popisek(QStringLiteral("Aktualizace databáze otázek programu Kolomat"), this, "lbNadpis");
    QFont nadpis = lbNadpis->font();
    nadpis.setBold(true);
    nadpis.setUnderline(true);
    lbNadpis->setFont(nadpis);
    lbPopis1 =
        popisek(QStringLiteral("Probíhá stahování aktualizačního souboru."), this, "lbPopis1");
    lbPopis2 = popisek(
        QStringLiteral("Po ukončení stahování bude automaticky provedena aktualizace databáze."),
        this, "lbPopis2");
    QFont tucne = lbPopis1->font();
    tucne.setBold(true);
    for (QLabel* l : {lbNadpis, lbPopis1, lbPopis2}) {
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        if (l != lbNadpis)
            l->setFont(tucne);
        svisle->addWidget(l);
    }

    gbServer = new QGroupBox(QStringLiteral("Server"), this);
    gbServer->setObjectName(QStringLiteral("gbServer"));
    auto* server = new QVBoxLayout(gbServer);
    lbServer = popisek(QStringLiteral("Spojuji se..."), gbServer, "lbServer");
    server->addWidget(lbServer);
    svisle->addWidget(gbServer);

    gbData = new QGroupBox(QStringLiteral("Stahovaná data"), this);
    gbData->setObjectName(QStringLiteral("gbData"));
    auto* mrizka = new QGridLayout(gbData);
    auto radek = [&](int r, QLabel*& nazev, const QString& textNazvu, const char* jmenoNazvu,
                     QLabel*& hodnota, const QString& textHodnoty, const char* jmenoHodnoty) {
        nazev = popisek(textNazvu, gbData, jmenoNazvu);
        hodnota = popisek(textHodnoty, gbData, jmenoHodnoty);
        mrizka->addWidget(nazev, r, 0);
        mrizka->addWidget(hodnota, r, 1);
    };
    radek(0, lbPrijatoN, QStringLiteral("Přijato bytů:"), "lbPrijatoN", lbPrijato,
          QStringLiteral("0 B"), "lbPrijato");
    radek(1, lbCasDoKonceN, QStringLiteral("Zbývající čas:"), "lbCasDoKonceN", lbCasDoKonce,
          QStringLiteral("?:??:??"), "lbCasDoKonce");
    radek(2, lbRychlostN, QStringLiteral("Rychlost:"), "lbRychlostN", lbRychlost,
          QStringLiteral("0 B/s"), "lbRychlost");
    radek(3, lbVelikostN, QStringLiteral("Velikost:"), "lbVelikostN", lbVelikost,
          QStringLiteral("Neznámá velikost"), "lbVelikost");
    radek(4, lbCasN, QStringLiteral("Strávený čas:"), "lbCasN", lbCas, QStringLiteral("0:00:00"),
          "lbCas");
    mrizka->setColumnStretch(1, 1);
    svisle->addWidget(gbData);

    Progress = new QProgressBar(this);
    Progress->setObjectName(QStringLiteral("Progress"));
    Progress->setTextVisible(false);
    svisle->addWidget(Progress);

    btnOK = new QPushButton(QStringLiteral("Zrušit"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    svisle->addWidget(btnOK, 0, Qt::AlignHCenter);
    connect(btnOK, &QPushButton::clicked, this, &Tupdate::btnOKClick);

    setFixedSize(420, sizeHint().height());
}

void Tupdate::FormCreate() {
    Vycentruj(this, parentWidget());
    show();
    Progress->setValue(0);

    // The check runs without blocking the window; a silent server ends it after
    // limitTicha with the connection error.
    http = new QNetworkAccessManager(this);
    http->setObjectName(QStringLiteral("http"));
    http->setProxy(QNetworkProxy::NoProxy);
    hlavicka_ = http->head(PozadavekNaKatalog(adresa_, doMilisekund(limitTicha_)));
    connect(hlavicka_, &QNetworkReply::finished, this, &Tupdate::OdpovedHlavicky);
}

void Tupdate::OdpovedHlavicky() {
    QNetworkReply* odpoved = std::exchange(hlavicka_, nullptr);
    if (!odpoved)
        return;
    odpoved->deleteLater();
    hlasiSe_ = true;
    lbServer->setText(QStringLiteral("Přijímám odpověď..."));
    const OdpovedServeru o = PrectiOdpoved(*odpoved);
    switch (PorovnejSServerem(o, kKatalog)) {
    case VysledekKontroly::Selhala:
        lbServer->setText(QStringLiteral("Spojení se nezdařilo..."));
        zpravy::chyba(this, kNeniSpojeni);
        Zavrit();
        return;
    case VysledekKontroly::Aktualni:
        lbServer->setText(QStringLiteral("Odpojuji se..."));
        zpravy::oznameni(this, QStringLiteral("Vaše databáze otázek je zcela aktuální. "
                                              "Nezapomeňte pravidelně provádět kontrolu "
                                              "existence novější databáze."));
        Zavrit();
        return;
    case VysledekKontroly::Neduveryhodny:
        lbServer->setText(QStringLiteral("Spojení se nezdařilo..."));
        zpravy::chyba(this, QStringLiteral("Server aktualizací se neprokázal důvěryhodným "
                                           "certifikátem, proto bylo spojení odmítnuto. Databáze "
                                           "otázek zůstala beze změny."));
        Zavrit();
        return;
    case VysledekKontroly::DatumServeru:
        lbServer->setText(QStringLiteral("Odpojuji se..."));
        zpravy::chyba(this, QStringLiteral("Server aktualizací uvádí u databáze otázek datum %1, "
                                           "které leží v budoucnosti, takže má zřejmě chybně "
                                           "nastavené hodiny. Databáze otázek zůstala beze změny; "
                                           "zkuste aktualizaci později.")
                                .arg(DatumACasNaText(o.zmeneno.toLocalTime())));
        Zavrit();
        return;
    case VysledekKontroly::Novejsi:
        ServerDatum = o.zmeneno;
        ZacitStahovani(o.velikost);
        return;
    }
}

void Tupdate::ZacitStahovani(qint64 velikost) {
    NastavVelikost(velikost);
    odstranPozustatky();
    Soubor = std::make_unique<QTemporaryFile>(kVzorDocasneho);
    // Renamed into place or removed by the window itself.
    Soubor->setAutoRemove(false);
    if (!Soubor->open()) {
        const QString duvod = PopisChybySouboru(*Soubor);
        Soubor.reset();
        lbServer->setText(QStringLiteral("Spojení přerušeno..."));
        zpravy::chyba(this, QStringLiteral("Dočasný soubor pro stahovanou databázi otázek se v "
                                           "pracovní složce nepodařilo vytvořit (%1). Databáze "
                                           "otázek zůstala beze změny.")
                                .arg(duvod));
        Zavrit();
        return;
    }
    Stahovani =
        std::make_unique<THTTPThread>(adresa_, Soubor.get(), velikost, limitTicha_, kKatalog);
    connect(Stahovani.get(), &THTTPThread::Stav, lbServer, &QLabel::setText);
    connect(Stahovani.get(), &THTTPThread::Prubeh, this, &Tupdate::ZobrazPrubeh);
    connect(Stahovani.get(), &QThread::finished, this, &Tupdate::KonecStahovani);
    hlasiSe_ = false;
    Stahovani->start();
}

void Tupdate::NastavVelikost(qint64 velikost) {
    velikost_ = velikost;
    if (velikost <= 0) {
        // No size: the bar shows activity without an end.
        Progress->setRange(0, 0);
        return;
    }
    meritko_ = MeritkoPrubehu(velikost);
    Progress->setRange(0, static_cast<int>(velikost >> meritko_));
    lbVelikost->setText(FormatVelikost(static_cast<double>(velikost)));
}

void Tupdate::ZobrazPrubeh(qint64 prijato, qint64 celkem, qint64 uplynuloMs) {
    if (velikost_ < 0 && celkem >= 0)
        NastavVelikost(celkem); // only the download itself told the size
    if (velikost_ > 0)
        Progress->setValue(static_cast<int>(std::min(prijato, velikost_) >> meritko_));
    const TextyPrubehu t = SpocitejPrubeh(prijato, velikost_, uplynuloMs);
    lbPrijato->setText(t.prijato);
    lbCas->setText(t.cas);
    if (!t.rychlost.isEmpty())
        lbRychlost->setText(t.rychlost);
    if (!t.casDoKonce.isEmpty())
        lbCasDoKonce->setText(t.casDoKonce);
}

void Tupdate::KonecStahovani() {
    if (!Stahovani)
        return;
    Stahovani->wait();
    const bool chyba = Stahovani->Chyba;
    const bool preruseno = Stahovani->Preruseno;
    const QString chybaZapisu = Stahovani->ChybaZapisu;
    const QString chybaKatalogu = Stahovani->ChybaKatalogu;
    Stahovani.reset();
    const QString docasny = Soubor->fileName();
    Soubor->close();
    Soubor.reset();
    btnOK->setText(kTlacitkoKonec);
    hlasiSe_ = true;

    if (chyba) {
        QFile::remove(docasny);
        if (preruseno)
            zpravy::chyba(this, QStringLiteral("Spojení bylo přerušeno uživatelem!"));
        else if (!chybaZapisu.isEmpty())
            zpravy::chyba(this, QStringLiteral("Stahovanou databázi otázek se nepodařilo zapsat "
                                               "do souboru \"%1\" (%2). Databáze otázek zůstala "
                                               "beze změny.")
                                    .arg(docasny, chybaZapisu));
        else
            zpravy::chyba(this, kSpojeniPreruseno);
    } else if (!chybaKatalogu.isEmpty()) {
        QFile::remove(docasny);
        zpravy::chyba(this, chybaKatalogu);
    } else {
        const QString problem =
            zpravy::textChyby([&] { NahraditKatalog(docasny, kKatalog, ServerDatum); });
        if (problem.isEmpty())
            zpravy::oznameni(this, QStringLiteral("Databáze otázek byla úspěšně aktualizována!"));
        else
            zpravy::chyba(this, problem);
    }
    Zavrit();
}

void Tupdate::btnOKClick() {
    if (btnOK->text() == kTlacitkoKonec)
        return;
    if (Stahovani) {
        Stahovani->Zastavit();
        return;
    }
    if (hlavicka_) {
        ZrusitKontrolu();
        Zavrit();
    }
}

void Tupdate::ZrusitKontrolu() {
    QNetworkReply* odpoved = std::exchange(hlavicka_, nullptr);
    if (!odpoved)
        return;
    odpoved->disconnect(this);
    odpoved->abort();
    odpoved->deleteLater();
}

void Tupdate::closeEvent(QCloseEvent* udalost) {
    if (zavrit_) {
        udalost->accept();
        return;
    }
    if (Stahovani) {
        // The window closes once the thread has ended and its end has been reported.
        Stahovani->Zastavit();
        udalost->ignore();
        return;
    }
    if (hlasiSe_) {
        udalost->ignore();
        return;
    }
    ZrusitKontrolu();
    zavrit_ = true;
    udalost->accept();
}

void Tupdate::reject() {
    close();
}

void Tupdate::Zavrit() {
    zavrit_ = true;
    close();
}
