// The online update of the question database: the window Tupdate, which asks the
// update server whether its catalogue is newer than otazky.xml, and the worker thread
// THTTPThread, which downloads it into a temporary file otazky.temp.XXXXXX created anew
// in the working folder. The window then checks the file and renames it over
// otazky.xml, or deletes it and keeps the old catalogue.
#pragma once

#include "core/stahovani.h"

#include <QDateTime>
#include <QDialog>
#include <QThread>
#include <QUrl>

#include <chrono>
#include <memory>

class QFile;
class QGroupBox;
class QTemporaryFile;
class QLabel;
class QNetworkAccessManager;
class QNetworkReply;
class QProgressBar;
class QPushButton;

// The worker thread of a download: it runs the core's StahovaniKatalogu, whose
// progress and status signals the window receives on the interface thread.
class THTTPThread : public QThread {
    Q_OBJECT
public:
    // The download's parameters, see StahovaniKatalogu.
    THTTPThread(const QUrl& adresa, QFile* Soubor, qint64 velikost,
                std::chrono::milliseconds limitTicha, const QString& katalog,
                QObject* rodic = nullptr);

    // The stop request, safe from any thread.
    void Zastavit() { Stahovani.Zastavit(); }

    // Its results (Chyba, Preruseno, ChybaZapisu, ChybaKatalogu, Prijato) are read once
    // the thread has finished.
    StahovaniKatalogu Stahovani;

protected:
    void run() override;
};

class Tupdate : public QDialog {
    Q_OBJECT
public:
    // Shows itself over its owner and starts the check at once; it closes and frees
    // itself when the update is over. server is the server's base address; the
    // catalogue is at /kolomat/files/otazky.xml under it. limitTicha bounds the wait
    // for a silent server.
    explicit Tupdate(QWidget* vlastnik, const QUrl& server = VychoziServer(),
                     std::chrono::milliseconds limitTicha = std::chrono::seconds(20));
    ~Tupdate() override;

    // The base address the program was built with.
    static QUrl VychoziServer();
    static QUrl AdresaKatalogu(const QUrl& server);

    // "Zrušit": stops a running download (or the check); does nothing as "OK".
    void btnOKClick();
    bool StahujeSe() const { return Stahovani != nullptr; }

    QLabel* lbNadpis = nullptr;
    QLabel* lbPopis1 = nullptr;
    QLabel* lbPopis2 = nullptr;
    QGroupBox* gbServer = nullptr;
    QLabel* lbServer = nullptr;
    QGroupBox* gbData = nullptr;
    QLabel* lbPrijatoN = nullptr;
    QLabel* lbPrijato = nullptr;
    QLabel* lbCasDoKonceN = nullptr;
    QLabel* lbCasDoKonce = nullptr;
    QLabel* lbRychlostN = nullptr;
    QLabel* lbRychlost = nullptr;
    QLabel* lbVelikostN = nullptr;
    QLabel* lbVelikost = nullptr;
    QLabel* lbCasN = nullptr;
    QLabel* lbCas = nullptr;
    QProgressBar* Progress = nullptr;
    QPushButton* btnOK = nullptr;
    QNetworkAccessManager* http = nullptr;

protected:
    // The close box and Esc act like "Zrušit": a running download is stopped first
    // and the window closes after its end has been reported.
    void closeEvent(QCloseEvent* udalost) override;
    void reject() override;

private:
    void VytvorOvladace();
    void FormCreate();
    void OdpovedHlavicky();
    void ZacitStahovani(qint64 velikost);
    void NastavVelikost(qint64 velikost);
    void ZobrazPrubeh(qint64 prijato, qint64 celkem, qint64 uplynuloMs);
    // The thread's end handler, on the interface thread after the thread has finished.
    void KonecStahovani();
    void ZrusitKontrolu();
    void Zavrit();

    const QUrl adresa_;
    const std::chrono::milliseconds limitTicha_;
    QNetworkReply* hlavicka_ = nullptr;
    std::unique_ptr<QTemporaryFile> Soubor;
    std::unique_ptr<THTTPThread> Stahovani;
    QDateTime ServerDatum;
    qint64 velikost_ = -1;
    int meritko_ = 0;
    bool hlasiSe_ = false; // a result is being reported: the window waits for it
    bool zavrit_ = false;  // the update is over: the window may close
};
