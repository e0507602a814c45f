// One running program per working folder. Two copies over the same data files would
// each write back what it read at its start and so lose what the other saved; the
// second start is therefore refused.
//
// The lock is a QLockFile in the working folder (a lock left by a killed program is
// taken over, since its process is gone). The running copy also listens on a local
// socket named after the folder, through which a refused start asks it to come to the
// front.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QLocalServer;

class ZamekSlozky : public QObject {
    Q_OBJECT
public:
    enum class Vysledek {
        Zamceno,   // this is the only program in the folder
        BeziJinde, // another program holds the folder
        BezZamku,  // the lock cannot be made (a read-only folder): the program runs without it
    };

    // The folder's lock file and socket; nothing is taken yet.
    explicit ZamekSlozky(const QString& slozka);
    ~ZamekSlozky() override;

    Vysledek Zamknout();
    // From a refused start: asks the running program to show its window and tell the
    // learner why no second one opened. True when it answered within kCekaniMs.
    bool VyzvatBezici();
    // In the running program: what a later start's request does.
    void PriVyzve(std::function<void()> ukaz) { ukaz_ = std::move(ukaz); }

    static constexpr int kCekaniMs = 3000;
    static QString NazevSoketu(const QString& slozka);

private:
    void prijmout();

    QString slozka_;
    QLockFile zamek_;
    std::unique_ptr<QLocalServer> server_;
    std::function<void()> ukaz_;
};

// The name of the lock file in the working folder.
inline const QString kSouborZamku = QStringLiteral(".kolomat.lock");
