// The online update of the question database: the window Tupdate, which asks the
// update server whether its catalogue is newer than otazky.xml, and the worker thread
// THTTPThread, which downloads it into a temporary file otazky.temp.XXXXXX created anew
// in the working folder. The window then checks the file and renames it over
// otazky.xml, or deletes it and keeps the old catalogue.
#pragma once

#include <QDateTime>
#include <QDialog>
#include <QThread>
#include <QUrl>

#include <atomic>
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

// Downloads one URL into an open file on its own thread, with an HTTP client created
// there, and runs the catalogue check on the complete file. The body goes to the file
// in 4096-byte reads; the progress and the status line go out as signals, which the
// window receives on the interface thread.
class THTTPThread : public QThread {
    Q_OBJECT
public:
    // velikost is the size the first request announced (-1 unknown); the download gives
    // up after limitTicha without any data from the server. katalog is the file the
    // download is to replace (named in the check's message).
    THTTPThread(const QUrl& adresa, QFile* Soubor, qint64 velikost,
                std::chrono::milliseconds limitTicha, const QString& katalog,
                QObject* rodic = nullptr);

    // The stop request, safe from any thread. The download stops at its next chunk, or
    // within a tenth of a second when the server sends nothing.
    void Zastavit() { zastavit_.store(true); }

    // Written by the thread, read once it has finished.
    bool Chyba = false;     // the download failed or was stopped
    bool Preruseno = false; // the user stopped it
    QString ChybaZapisu;    // why otazky.temp could not be written ("" = it could)
    QString ChybaKatalogu;  // a complete download that is no valid catalogue: why
    qint64 Prijato = 0;

    // How often at most the progress goes out while data arrives; the last figures
    // always go out at the end.
    static constexpr qint64 kIntervalPrubehuMs = 100;

signals:
    void Stav(const QString& text);
    void Prubeh(qint64 prijato, qint64 celkem, qint64 uplynuloMs);

protected:
    void run() override;

private:
    const QUrl adresa_;
    QFile* const soubor_;
    const qint64 velikost_;
    const std::chrono::milliseconds limitTicha_;
    const QString katalog_;
    std::atomic<bool> zastavit_{false};
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
