#include "core/zamek_slozky.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

const QByteArray kVyzva = QByteArrayLiteral("ukaz\n");
const QByteArray kOdpoved = QByteArrayLiteral("ok\n");

} // namespace

ZamekSlozky::ZamekSlozky(const QString& slozka)
    : slozka_(QDir(slozka).canonicalPath()), zamek_(QDir(slozka).filePath(kSouborZamku)) {
    // Only a lock whose process is gone counts as stale, however long it has been held.
    zamek_.setStaleLockTime(0);
}

ZamekSlozky::~ZamekSlozky() = default;

QString ZamekSlozky::NazevSoketu(const QString& slozka) {
    const QByteArray otisk =
        QCryptographicHash::hash(QDir(slozka).canonicalPath().toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("kolomat-") + QString::fromLatin1(otisk.toHex().left(20));
}

ZamekSlozky::Vysledek ZamekSlozky::Zamknout() {
    if (!zamek_.tryLock(0)) {
        if (zamek_.error() == QLockFile::LockFailedError)
            return Vysledek::BeziJinde;
        return Vysledek::BezZamku;
    }
    // The socket of a killed program may still be there; the lock makes it ours.
    const QString nazev = NazevSoketu(slozka_);
    QLocalServer::removeServer(nazev);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (server_->listen(nazev))
        connect(server_.get(), &QLocalServer::newConnection, this, &ZamekSlozky::prijmout);
    else
        server_.reset(); // the program still runs, only without being called forward
    return Vysledek::Zamceno;
}

bool ZamekSlozky::VyzvatBezici() {
    QLocalSocket spojeni;
    spojeni.connectToServer(NazevSoketu(slozka_));
    if (!spojeni.waitForConnected(kCekaniMs))
        return false;
    spojeni.write(kVyzva);
    if (!spojeni.waitForBytesWritten(kCekaniMs))
        return false;
    QByteArray odpoved;
    while (!odpoved.endsWith('\n') && spojeni.waitForReadyRead(kCekaniMs))
        odpoved += spojeni.readAll();
    return odpoved == kOdpoved;
}

void ZamekSlozky::prijmout() {
    while (QLocalSocket* spojeni = server_->nextPendingConnection()) {
        connect(spojeni, &QLocalSocket::disconnected, spojeni, &QObject::deleteLater);
        connect(spojeni, &QLocalSocket::readyRead, this, [this, spojeni] {
            if (!spojeni->canReadLine())
                return;
            if (spojeni->readLine() != kVyzva)
                return;
            spojeni->write(kOdpoved);
            spojeni->flush();
            // Answered first: the request is settled even while a message shows.
            if (ukaz_)
                ukaz_();
        });
    }
}
