#include "tests/podpora/http_server.h"

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

// http.server behind TLS: the same handler, the listening socket wrapped.
const char* const kHttpsServer = R"(
import functools, http.server, ssl, sys
slozka, port, certifikat, klic = sys.argv[1:5]
obsluha = functools.partial(http.server.SimpleHTTPRequestHandler, directory=slozka)
server = http.server.ThreadingHTTPServer(("127.0.0.1", int(port)), obsluha)
tls = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
tls.load_cert_chain(certifikat, klic)
server.socket = tls.wrap_socket(server.socket, server_side=True)
server.serve_forever()
)";

bool odpovida(quint16 port) {
    QTcpSocket spojeni;
    spojeni.connectToHost(QHostAddress::LocalHost, port);
    return spojeni.waitForConnected(200);
}

} // namespace

QString TestovaciAutorita() {
    return QStringLiteral(KOLOMAT_TESTY_TLS "/ca.pem");
}

QString TestovaciCertifikat() {
    return QStringLiteral(KOLOMAT_TESTY_TLS "/server.pem");
}

QString TestovaciKlic() {
    return QStringLiteral(KOLOMAT_TESTY_TLS "/server.key");
}

HttpServerPython::HttpServerPython(const QString& slozka, const QString& certifikat,
                                   const QString& klic)
    : https_(!certifikat.isEmpty()) {
    proces_.setProgram(QStringLiteral("python3"));
    proces_.setStandardOutputFile(QProcess::nullDevice());
    proces_.setStandardErrorFile(QProcess::nullDevice());
    // Another program may take the free port before the server does: try a few.
    for (int pokus = 0; pokus < 3 && port_ == 0; ++pokus) {
        const quint16 port = VolnyPort();
        if (https_)
            proces_.setArguments({QStringLiteral("-c"), QString::fromUtf8(kHttpsServer), slozka,
                                  QString::number(port), certifikat, klic});
        else
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
    return QUrl(QStringLiteral("%1://127.0.0.1:%2")
                    .arg(https_ ? QStringLiteral("https") : QStringLiteral("http"))
                    .arg(port_));
}
