#include "update/aktualizace.h"

#include "core/kontrola_serveru.h"
#include "core/pomocne_fce.h"
#include "core/prubeh_stahovani.h"
#include "core/vymena_katalogu.h"
#include "widgets/okna.h"
#include "widgets/zpravy.h"

#include <QCloseEvent>
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

#ifndef KOLOMAT_SERVER_AKTUALIZACE
#define KOLOMAT_SERVER_AKTUALIZACE "http://127.0.0.1:8000"
#endif

namespace {

const QString kKatalog = QStringLiteral("otazky.xml");
const QString kCestaKatalogu = QStringLiteral("/kolomat/files/otazky.xml");
const QString kTlacitkoKonec = QStringLiteral("OK");

const QString kNeniSpojeni = QStringLiteral("Nepodařilo se připojit k serveru! Prosím "
                                            "zkontrolujte vaše připojení k Internetu či "
                                            "nastavení firewallu.");
const QString kSpojeniPreruseno = QStringLiteral("Spojení bylo přerušeno! Prosím zkontrolujte "
                                                 "vaše připojení k Internetu či nastavení "
                                                 "firewallu.");

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
    : QThread(rodic), Stahovani(adresa, Soubor, velikost, limitTicha, katalog) {}

void THTTPThread::run() {
    Stahovani.Stahni();
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
    hlavicka_ = http->head(PozadavekNaKatalog(adresa_, DoMilisekund(limitTicha_)));
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
    const QString chyba = zpravy::textChyby([&] { Soubor = NovySouborStahovani(); });
    if (!chyba.isEmpty()) {
        lbServer->setText(QStringLiteral("Spojení přerušeno..."));
        zpravy::chyba(this, chyba);
        Zavrit();
        return;
    }
    Stahovani =
        std::make_unique<THTTPThread>(adresa_, Soubor.get(), velikost, limitTicha_, kKatalog);
    connect(&Stahovani->Stahovani, &StahovaniKatalogu::Stav, lbServer, &QLabel::setText);
    connect(&Stahovani->Stahovani, &StahovaniKatalogu::Prubeh, this, &Tupdate::ZobrazPrubeh);
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
    const bool chyba = Stahovani->Stahovani.Chyba;
    const bool preruseno = Stahovani->Stahovani.Preruseno;
    const QString chybaZapisu = Stahovani->Stahovani.ChybaZapisu;
    const QString chybaKatalogu = Stahovani->Stahovani.ChybaKatalogu;
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
