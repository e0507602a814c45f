// Python's http.server on 127.0.0.1 serving one folder, started for a test or a
// benchmark on a free port and stopped with it.
#pragma once

#include <QProcess>
#include <QString>
#include <QUrl>

class HttpServerPython {
public:
    // Starts the server and waits until it accepts connections.
    explicit HttpServerPython(const QString& slozka);
    ~HttpServerPython();
    HttpServerPython(const HttpServerPython&) = delete;
    HttpServerPython& operator=(const HttpServerPython&) = delete;

    bool bezi() const { return port_ != 0; }
    QUrl adresa() const;

private:
    QProcess proces_;
    quint16 port_ = 0;
};

// A port on 127.0.0.1 on which nothing listens at the moment.
quint16 VolnyPort();

// Sets a file's modification time (the server sends it as Last-Modified).
bool NastavCasSouboru(const QString& soubor, const QDateTime& cas);
