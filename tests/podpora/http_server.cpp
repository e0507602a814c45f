#include "http_server.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

quint16 VolnyPort() {
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0))
        return 0;
    return server.serverPort();
}

bool NastavCasSouboru(const QString& soubor, const QDateTime& cas) {
    QFile f(soubor);
    return f.open(QIODevice::ReadWrite | QIODevice::ExistingOnly) &&
           f.setFileTime(cas, QFileDevice::FileModificationTime);
}

namespace {

bool odpovida(quint16 port) {
    QTcpSocket spojeni;
    spojeni.connectToHost(QHostAddress::LocalHost, port);
    return spojeni.waitForConnected(200);
}

} // namespace

HttpServerPython::HttpServerPython(const QString& slozka) {
    proces_.setProgram(QStringLiteral("python3"));
    proces_.setStandardOutputFile(QProcess::nullDevice());
    proces_.setStandardErrorFile(QProcess::nullDevice());
    // Another program may take the free port before the server does: try a few.
    for (int pokus = 0; pokus < 3 && port_ == 0; ++pokus) {
        const quint16 port = VolnyPort();
        proces_.setArguments({QStringLiteral("-m"), QStringLiteral("http.server"),
                              QStringLiteral("--bind"), QStringLiteral("127.0.0.1"),
                              QStringLiteral("--directory"), slozka, QString::number(port)});
        proces_.start();
        if (!proces_.waitForStarted(5000))
            return;
        QElapsedTimer cekani;
        cekani.start();
        while (cekani.elapsed() < 10000 && proces_.state() == QProcess::Running) {
            if (odpovida(port)) {
                port_ = port;
                break;
            }
            QThread::msleep(50);
        }
        if (port_ == 0) {
            proces_.kill();
            proces_.waitForFinished(2000);
        }
    }
}

HttpServerPython::~HttpServerPython() {
    if (proces_.state() != QProcess::NotRunning) {
        proces_.terminate();
        if (!proces_.waitForFinished(2000)) {
            proces_.kill();
            proces_.waitForFinished(2000);
        }
    }
}

QUrl HttpServerPython::adresa() const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port_));
}
