// The answer history Historie.db: one row per answer a learner confirmed in practice,
// exam and the point test, and the questions a learner marked. An SQLite database in the
// working folder (Qt SQL, QSQLITE), beside the four XML files and independent of them:
// whatever happens to it, they are neither read for it nor changed by it (the import
// at its creation only reads them).
//
// Every answer is its own transaction, synced to the disk (synchronous=FULL) through a
// rollback journal, which works on a network folder too. A database that is damaged is
// moved aside as Historie.db.poskozeny-<date> (never deleted) and started anew. A
// failure is told in Czech, naming the file; the caller decides when to show it.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

inline const QString kSouborHistorie = QStringLiteral("Historie.db");

// How an answer was given.
inline const QString kRezimProcvicovani = QStringLiteral("procvicovani");
inline const QString kRezimZkouseni = QStringLiteral("zkouseni");
inline const QString kRezimTest = QStringLiteral("test");

struct ZaznamOdpovedi {
    QString Profil;
    QDateTime Cas;   // local date and time
    QString Rezim;   // kRezimProcvicovani, kRezimZkouseni, kRezimTest
    int Cislo = 0;   // the question's number
    QString Kod;     // its code at that time
    QString Zvoleno; // the chosen letters in the catalogue's order ("" = none)
    bool Spravne = false;
    bool Napoveda = false;
};

// One question's answers of one profile, in the order they were given.
struct OdpovediOtazky {
    int Cislo = 0;
    std::vector<bool> Spravne; // right without the hint

    QDateTime PosledniChyba; // invalid when never wrong
};

// The answers of one day in practice and exam runs.
struct UspesnostDne {
    QDate Den;
    int Odpovedi = 0;
    int Spravnych = 0; // right without the hint
};

class HistorieOdpovedi {
public:
    // The database file (relative to the working folder); nothing is opened yet.
    explicit HistorieOdpovedi(const QString& soubor = kSouborHistorie);
    ~HistorieOdpovedi();
    HistorieOdpovedi(const HistorieOdpovedi&) = delete;
    HistorieOdpovedi& operator=(const HistorieOdpovedi&) = delete;

    // Opens the database, creating it (and importing what Protokoly.xml and
    // Vysledky.xml already hold, each once) when there is none, and brings an older
    // schema up to date. Returns "" or the message for the learner: a damaged database
    // moved aside and started anew, or one that cannot be used at all (then every
    // later operation fails quietly with the same message).
    QString Otevrit();
    bool Otevreno() const { return otevreno_; }
    // Why the history cannot be used ("" when it is open).
    QString Duvod() const { return nepouzitelna_; }

    // Appends one answer in its own transaction. "" or the message for the learner
    // (also "" when the history could not be opened: that was told then).
    QString Zapsat(const ZaznamOdpovedi& odpoved);
    // Appends several answers (a point test's 25) in one transaction.
    QString Zapsat(const std::vector<ZaznamOdpovedi>& odpovedi);

    // Every answer of a profile, by question, in the order given.
    std::vector<OdpovediOtazky> OdpovediProfilu(const QString& profil) const;
    // A profile's practice and exam answers per day, oldest first.
    std::vector<UspesnostDne> UspesnostPoDnech(const QString& profil) const;
    // Every answer of a profile with its time, oldest first.
    std::vector<ZaznamOdpovedi> ZaznamyProfilu(const QString& profil) const;

    // The questions a profile has yet to master: its latest answer to them was wrong, or
    // it has not answered them right twice in a row since its last mistake; the most
    // recently missed first.
    std::vector<int> ChybneOtazky(const QString& profil) const;

    // The questions a profile marked, ascending.
    std::vector<int> Oznacene(const QString& profil) const;
    bool JeOznacena(const QString& profil, int cislo) const;
    // Marks or unmarks; returns "" or the message for the learner.
    QString NastavOznaceni(const QString& profil, int cislo, bool oznacit);

    // The history follows its profile: a rename moves it, a deletion deletes it.
    QString PrejmenujProfil(const QString& stary, const QString& novy);
    QString SmazProfil(const QString& profil);

    // The schema this program writes (PRAGMA user_version).
    // 2: the index of a profile's answers by question also holds whether each was right,
    // so that the statistics read them without touching the table.
    static constexpr int kVerzeSchematu = 2;

private:
    QString ChybaSql(const QString& co, const class QSqlError& chyba) const;
    QString Vytvorit();
    QString Migrovat(int verze);
    QString Importovat();
    QString OdlozitPoskozenou();
    void Zavrit();

    QString soubor_;
    QString spojeni_;
    bool otevreno_ = false;
    QString nepouzitelna_; // why the database cannot be used ("" = it can)
};
