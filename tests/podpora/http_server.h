// Python's http.server on 127.0.0.1 serving one folder, started for a test or a
// benchmark on a free port and stopped with it; over https when given a certificate
// and its key (the test authority in tls/ signed one for 127.0.0.1).
#pragma once

#include <QProcess>
#include <QString>
#include <QUrl>

class HttpServerPython {
public:
    // Starts the server and waits until it accepts connections.
    explicit HttpServerPython(const QString& slozka, const QString& certifikat = {},
                              const QString& klic = {});
    ~HttpServerPython();
    HttpServerPython(const HttpServerPython&) = delete;
    HttpServerPython& operator=(const HttpServerPython&) = delete;

    bool bezi() const { return port_ != 0; }
    QUrl adresa() const;

private:
    QProcess proces_;
    quint16 port_ = 0;
    bool https_ = false;
};

// A port on 127.0.0.1 on which nothing listens at the moment.
quint16 VolnyPort();

// The test authority's certificate, and the server certificate it signed for 127.0.0.1
// with its key (files in tests/podpora/tls/, valid until 2126).
QString TestovaciAutorita();
QString TestovaciCertifikat();
QString TestovaciKlic();

// Sets a file's modification time (the server sends it as Last-Modified).
bool NastavCasSouboru(const QString& soubor, const QDateTime& cas);
