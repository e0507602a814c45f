// Answers the program's message boxes during a test and records what they said.
#pragma once

#include "widgets/zpravy.h"

#include <QList>
#include <QString>

struct Zprava {
    zpravy::Druh druh;
    QString text;
};

class ZaznamZprav {
public:
    // Questions get the answers given here in turn, then vychoziOdpoved.
    explicit ZaznamZprav(bool vychoziOdpoved = true);
    ~ZaznamZprav();
    ZaznamZprav(const ZaznamZprav&) = delete;
    ZaznamZprav& operator=(const ZaznamZprav&) = delete;

    void odpovez(bool odpoved) { odpovedi_.append(odpoved); }
    const QList<Zprava>& zpravy() const { return zpravy_; }
    int pocet() const { return static_cast<int>(zpravy_.size()); }
    QString posledni() const { return zpravy_.isEmpty() ? QString() : zpravy_.last().text; }
    zpravy::Druh posledniDruh() const { return zpravy_.last().druh; }
    void vymaz() { zpravy_.clear(); }

private:
    QList<Zprava> zpravy_;
    QList<bool> odpovedi_;
    bool vychozi_;
};
