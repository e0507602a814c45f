#include "core/historie.h"

#include "core/XML_otazky.h"
#include "core/XML_protokoly.h"
#include "core/XML_vysledky.h"
#include "core/chyba.h"
#include "core/pomocne_fce.h"
#include "core/procvicovani_chyb.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <map>
#include <optional>
#include <tuple>

namespace {

// SQLite's primary result codes that a learner's machine can produce.
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteReadonly = 8;
constexpr int kSqliteIoerr = 10;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteFull = 13;
constexpr int kSqliteCantopen = 14;
constexpr int kSqliteNotadb = 26;

const QString kFormatCasu = QStringLiteral("yyyy-MM-dd HH:mm:ss");

int kodChyby(const QSqlError& chyba) {
    bool ok = false;
    const int kod = chyba.nativeErrorCode().toInt(&ok);
    return ok ? (kod & 0xFF) : -1;
}

bool poskozena(const QSqlError& chyba) {
    const int kod = kodChyby(chyba);
    return kod == kSqliteCorrupt || kod == kSqliteNotadb;
}

void pripravVlozeni(QSqlQuery& q) {
    q.prepare(QStringLiteral("INSERT INTO odpovedi (profil, cas, rezim, cislo, kod, zvoleno, "
                             "spravne, napoveda) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
}

// A null QString binds as SQL NULL; the columns hold "" for no text.
QString text(const QString& s) {
    return s.isNull() ? QStringLiteral("") : s;
}

// An unknown time (a hand-edited date) is stored as "".
QString cas(const QDateTime& kdy) {
    return text(kdy.toString(kFormatCasu));
}

bool vloz(QSqlQuery& q, const ZaznamOdpovedi& o) {
    q.addBindValue(text(o.Profil));
    q.addBindValue(cas(o.Cas));
    q.addBindValue(text(o.Rezim));
    q.addBindValue(o.Cislo);
    q.addBindValue(text(o.Kod));
    q.addBindValue(text(o.Zvoleno));
    q.addBindValue(o.Spravne ? 1 : 0);
    q.addBindValue(o.Napoveda ? 1 : 0);
    return q.exec();
}

} // namespace

HistorieOdpovedi::HistorieOdpovedi(const QString& soubor)
    : soubor_(soubor),
      spojeni_(QStringLiteral("kolomat-historie-%1").arg(reinterpret_cast<quintptr>(this))) {}

HistorieOdpovedi::~HistorieOdpovedi() {
    Zavrit();
}

void HistorieOdpovedi::Zavrit() {
    if (!QSqlDatabase::contains(spojeni_))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(spojeni_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(spojeni_);
    otevreno_ = false;
}

QString HistorieOdpovedi::ChybaSql(const QString& co, const QSqlError& chyba) const {
    QString duvod;
    switch (kodChyby(chyba)) {
    case kSqliteFull:
        duvod = QStringLiteral("na disku není volné místo");
        break;
    case kSqliteReadonly:
        duvod = QStringLiteral("soubor nebo složka je jen pro čtení");
        break;
    case kSqliteBusy:
    case kSqliteLocked:
        duvod = QStringLiteral("databázi právě používá jiný program");
        break;
    case kSqliteCantopen:
        duvod = QStringLiteral("soubor nelze otevřít ani vytvořit");
        break;
    case kSqliteIoerr:
        duvod = QStringLiteral("chyba vstupu a výstupu disku");
        break;
    case kSqliteCorrupt:
    case kSqliteNotadb:
        duvod = QStringLiteral("soubor je poškozený nebo to není databáze");
        break;
    default:
        duvod = QStringLiteral("chyba databáze č. %1").arg(chyba.nativeErrorCode());
    }
    return QStringLiteral("%1 historie odpovědí \"%2\" se nezdařil (%3). Výsledky a protokoly "
                          "se ukládají jako dřív.")
        .arg(co, soubor_, duvod);
}

QString HistorieOdpovedi::Otevrit() {
    Zavrit();
    nepouzitelna_.clear();
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        nepouzitelna_ = QStringLiteral("Historii odpovědí \"%1\" nelze vést, protože chybí "
                                       "ovladač databáze SQLite (balíček libqt6sql6-sqlite). "
                                       "Výsledky a protokoly se ukládají jako dřív.")
                            .arg(soubor_);
        return nepouzitelna_;
    }
    QString hlaseni;
    for (int pokus = 0; pokus < 2; ++pokus) {
        const bool nova = !QFileInfo::exists(soubor_);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), spojeni_);
            db.setDatabaseName(soubor_);
            // Another program holding the file makes an answer fail at once rather than
            // freeze the window while it waits.
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=40"));
            if (!db.open()) {
                nepouzitelna_ = ChybaSql(QStringLiteral("Přístup k"), db.lastError());
                db = {};
                Zavrit();
                return nepouzitelna_;
            }
            QSqlQuery dotaz(db);
            const bool zdrava = dotaz.exec(QStringLiteral("PRAGMA quick_check(1)")) &&
                                dotaz.next() && dotaz.value(0).toString() == u"ok";
            if (!zdrava && !nova &&
                (poskozena(dotaz.lastError()) || dotaz.lastError().type() == QSqlError::NoError)) {
                db = {};
                dotaz = QSqlQuery();
                Zavrit();
                hlaseni = OdlozitPoskozenou();
                if (!nepouzitelna_.isEmpty())
                    return nepouzitelna_;
                continue;
            }
            if (!zdrava) {
                nepouzitelna_ = ChybaSql(QStringLiteral("Přístup k"), dotaz.lastError());
                dotaz = QSqlQuery();
                db = {};
                Zavrit();
                return nepouzitelna_;
            }
            dotaz.exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
            dotaz.exec(QStringLiteral("PRAGMA synchronous=FULL"));
        }
        otevreno_ = true;
        QSqlQuery verze(QSqlDatabase::database(spojeni_));
        int cislo = 0;
        if (verze.exec(QStringLiteral("PRAGMA user_version")) && verze.next())
            cislo = verze.value(0).toInt();
        // A statement left open would keep the migration from dropping an index.
        verze.finish();
        if (cislo > kVerzeSchematu) {
            nepouzitelna_ = QStringLiteral("Historii odpovědí \"%1\" zapsala novější verze "
                                           "programu; tato verze ji nemění. Výsledky a "
                                           "protokoly se ukládají jako dřív.")
                                .arg(soubor_);
            verze = QSqlQuery();
            Zavrit();
            return nepouzitelna_;
        }
        const QString problem = cislo == 0 ? Vytvorit() : Migrovat(cislo);
        if (!problem.isEmpty()) {
            nepouzitelna_ = problem;
            verze = QSqlQuery();
            Zavrit();
            return hlaseni.isEmpty() ? problem : hlaseni + u'\n' + problem;
        }
        return hlaseni;
    }
    return hlaseni;
}

QString HistorieOdpovedi::OdlozitPoskozenou() {
    const QString odlozena =
        soubor_ + QStringLiteral(".poskozeny-") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    if (!QFile::rename(soubor_, odlozena)) {
        nepouzitelna_ = QStringLiteral("Historie odpovědí \"%1\" je poškozená a nepodařilo se ji "
                                       "odložit stranou. Výsledky a protokoly se ukládají jako "
                                       "dřív.")
                            .arg(soubor_);
        return {};
    }
    // A journal beside it belongs to the damaged file, never to the new one.
    const QString denik = soubor_ + QStringLiteral("-journal");
    if (QFileInfo::exists(denik))
        QFile::rename(denik, odlozena + QStringLiteral("-journal"));
    return QStringLiteral("Historie odpovědí \"%1\" byla poškozená. Byla odložena jako \"%2\" "
                          "a založena znovu. Výsledky a protokoly zůstaly beze změny.")
        .arg(soubor_, odlozena);
}

// A profile's answers by question in the order given, with what the statistics need of
// each: reading them never touches the table.
const char* const kIndexOtazek = "CREATE INDEX IF NOT EXISTS odpovedi_otazky ON odpovedi "
                                 "(profil, cislo, id, spravne, napoveda)";

// The schema, with what the XML files already hold, in one transaction: a
// creation cut short leaves no half history, and the next start does it again.
QString HistorieOdpovedi::Vytvorit() {
    QSqlDatabase db = QSqlDatabase::database(spojeni_);
    if (!db.transaction())
        return ChybaSql(QStringLiteral("Založení"), db.lastError());
    QSqlQuery q(db);
    const char* const prikazy[] = {
        "CREATE TABLE IF NOT EXISTS odpovedi (id INTEGER PRIMARY KEY, profil TEXT NOT NULL, "
        "cas TEXT NOT NULL, rezim TEXT NOT NULL, cislo INTEGER NOT NULL, kod TEXT NOT NULL, "
        "zvoleno TEXT NOT NULL, spravne INTEGER NOT NULL, napoveda INTEGER NOT NULL)",
        kIndexOtazek,
        "CREATE TABLE IF NOT EXISTS oznacene (profil TEXT NOT NULL, cislo INTEGER NOT NULL, "
        "PRIMARY KEY (profil, cislo))",
    };
    for (const char* prikaz : prikazy) {
        if (!q.exec(QString::fromLatin1(prikaz))) {
            const QString chyba = ChybaSql(QStringLiteral("Založení"), q.lastError());
            db.rollback();
            return chyba;
        }
    }
    const QString importu = Importovat();
    if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(kVerzeSchematu)) || !db.commit()) {
        const QString chyba = ChybaSql(QStringLiteral("Založení"), q.lastError());
        db.rollback();
        return chyba;
    }
    return importu;
}

// Each later version of the schema adds its step here, from the version found.
// Version 1 had the index by question without the answers' outcome. The new index only
// speeds reading up: when it cannot be written (a read-only folder), the history is used
// as it is and every query still gives the same answers.
QString HistorieOdpovedi::Migrovat(int verze) {
    if (verze >= kVerzeSchematu)
        return {};
    QSqlDatabase db = QSqlDatabase::database(spojeni_);
    if (!db.transaction())
        return {};
    QSqlQuery q(db);
    if (!q.exec(QString::fromLatin1(kIndexOtazek)) ||
        !q.exec(QStringLiteral("DROP INDEX IF EXISTS odpovedi_profil")) ||
        !q.exec(QStringLiteral("PRAGMA user_version = %1").arg(kVerzeSchematu)) || !db.commit())
        db.rollback();
    return {};
}

// What the learner already has: every answer of every protocol, and the wrong answers
// of every stored practice and exam run. A file that cannot be read is passed over.
QString HistorieOdpovedi::Importovat() {
    std::vector<ZaznamOdpovedi> odpovedi;
    std::optional<TOtazka> katalog;
    try {
        katalog.emplace();
    } catch (const KolomatChyba&) {
        // The codes stay empty.
    }
    const auto kod = [&](int cislo) {
        if (!katalog || cislo < 1 || cislo > katalog->Dokument().Count())
            return QString();
        return katalog->Dokument()[cislo - 1].Kod();
    };
    try {
        if (SouborNaDisku(kSouborProtokolu)) {
            const TXMLProtokolyType protokoly = NacistProtokoly();
            for (const TXMLProtokolType& p : protokoly.Zaznamy()) {
                const QDateTime kdy = TextNaDatumACas(p.Text("DatumACas"));
                for (const PoziceTestu& o : PoziceZaznamu(p))
                    if (o.Cislo > 0)
                        odpovedi.push_back({p.Profil(), kdy, kRezimTest, o.Cislo, kod(o.Cislo),
                                            o.Odpoved, o.Spravne(), false});
            }
        }
    } catch (const KolomatChyba&) {
        // Reported where the protocols are used; the history starts without them.
    }
    try {
        if (SouborNaDisku(kSouborVysledku)) {
            const TXMLVysledkyType vysledky = NacistVysledky();
            for (const TXMLVysledekType& v : vysledky.Zaznamy()) {
                const QDateTime kdy(TextNaDatum(v.Prvek().text("Datum")),
                                    TextNaCasDne(v.Prvek().text("Cas")));
                const QString rezim =
                    v.TypTestu() == kTypZkouseni ? kRezimZkouseni : kRezimProcvicovani;
                const std::vector<int> napovedy = CislaZeSeznamu(v.SNapovedouCisla());
                for (int cislo : CislaZeSeznamu(v.SpatneCisla())) {
                    const bool napoveda =
                        std::find(napovedy.begin(), napovedy.end(), cislo) != napovedy.end();
                    odpovedi.push_back(
                        {v.Profil(), kdy, rezim, cislo, kod(cislo), {}, false, napoveda});
                }
            }
        }
    } catch (const KolomatChyba&) {
        // As above.
    }
    // In the order they were given, as if they had been logged then.
    std::stable_sort(
        odpovedi.begin(), odpovedi.end(),
        [](const ZaznamOdpovedi& a, const ZaznamOdpovedi& b) { return a.Cas < b.Cas; });
    QSqlQuery q(QSqlDatabase::database(spojeni_));
    pripravVlozeni(q);
    for (const ZaznamOdpovedi& o : odpovedi)
        if (!vloz(q, o))
            return ChybaSql(QStringLiteral("Převzetí dřívějších výsledků do"), q.lastError());
    return {};
}

QString HistorieOdpovedi::Zapsat(const ZaznamOdpovedi& odpoved) {
    return Zapsat(std::vector<ZaznamOdpovedi>{odpoved});
}

QString HistorieOdpovedi::Zapsat(const std::vector<ZaznamOdpovedi>& odpovedi) {
    // A history that cannot be used was told about when it was opened.
    if (!otevreno_)
        return {};
    QSqlDatabase db = QSqlDatabase::database(spojeni_);
    if (!db.transaction())
        return ChybaSql(QStringLiteral("Zápis do"), db.lastError());
    QSqlQuery q(db);
    pripravVlozeni(q);
    for (const ZaznamOdpovedi& o : odpovedi) {
        if (!vloz(q, o)) {
            const QString chyba = ChybaSql(QStringLiteral("Zápis do"), q.lastError());
            db.rollback();
            return chyba;
        }
    }
    if (!db.commit()) {
        const QString chyba = ChybaSql(QStringLiteral("Zápis do"), db.lastError());
        db.rollback();
        return chyba;
    }
    return {};
}

std::vector<OdpovediOtazky> HistorieOdpovedi::OdpovediProfilu(const QString& profil) const {
    std::vector<OdpovediOtazky> vysledek;
    if (!otevreno_)
        return vysledek;
    QSqlQuery q(QSqlDatabase::database(spojeni_));
    q.setForwardOnly(true);
    // An answer found with the hint is not known yet.
    q.prepare(QStringLiteral("SELECT cislo, spravne != 0 AND napoveda = 0 FROM odpovedi WHERE "
                             "profil = ? ORDER BY cislo, id"));
    q.addBindValue(text(profil));
    if (!q.exec())
        return vysledek;
    while (q.next()) {
        const int cislo = q.value(0).toInt();
        if (vysledek.empty() || vysledek.back().Cislo != cislo)
            vysledek.push_back({cislo, {}, {}});
        vysledek.back().Spravne.push_back(q.value(1).toInt() != 0);
    }
    // The time of each question's last mistake: one row a question, not one an answer.
    QSqlQuery chyby(QSqlDatabase::database(spojeni_));
    chyby.setForwardOnly(true);
    chyby.prepare(QStringLiteral(
        "SELECT cislo, cas FROM odpovedi WHERE id IN (SELECT max(id) FROM odpovedi WHERE "
        "profil = ? AND NOT (spravne != 0 AND napoveda = 0) GROUP BY cislo) ORDER BY cislo"));
    chyby.addBindValue(text(profil));
    if (!chyby.exec())
        return {};
    auto otazka = vysledek.begin();
    while (chyby.next()) {
        const int cislo = chyby.value(0).toInt();
        otazka = std::lower_bound(otazka, vysledek.end(), cislo,
                                  [](const OdpovediOtazky& o, int c) { return o.Cislo < c; });
        if (otazka != vysledek.end() && otazka->Cislo == cislo)
            otazka->PosledniChyba = QDateTime::fromString(chyby.value(1).toString(), kFormatCasu);
    }
    return vysledek;
}

std::vector<UspesnostDne> HistorieOdpovedi::UspesnostPoDnech(const QString& profil) const {
    std::vector<UspesnostDne> vysledek;
    if (!otevreno_)
        return vysledek;
    QSqlQuery q(QSqlDatabase::database(spojeni_));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT substr(cas, 1, 10) AS den, count(*), "
                             "sum(spravne != 0 AND napoveda = 0) FROM odpovedi WHERE profil = ? "
                             "AND rezim IN (?, ?) AND cas != '' GROUP BY den ORDER BY den"));
    q.addBindValue(text(profil));
    q.addBindValue(kRezimProcvicovani);
    q.addBindValue(kRezimZkouseni);
    if (!q.exec())
        return vysledek;
    while (q.next()) {
        const QDate den = QDate::fromString(q.value(0).toString(), Qt::ISODate);
        if (den.isValid())
            vysledek.push_back({den, q.value(1).toInt(), q.value(2).toInt()});
    }
    return vysledek;
}

std::vector<ZaznamOdpovedi> HistorieOdpovedi::ZaznamyProfilu(const QString& profil) const {
    std::vector<ZaznamOdpovedi> vysledek;
    if (!otevreno_)
        return vysledek;
    QSqlQuery q(QSqlDatabase::database(spojeni_));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT cas, rezim, cislo, kod, zvoleno, spravne, napoveda FROM "
                             "odpovedi WHERE profil = ? ORDER BY id"));
    q.addBindValue(text(profil));
    if (!q.exec())
        return vysledek;
    while (q.next())
        vysledek.push_back({profil, QDateTime::fromString(q.value(0).toString(), kFormatCasu),
                            q.value(1).toString(), q.value(2).toInt(), q.value(3).toString(),
                            q.value(4).toString(), q.value(5).toInt() != 0,
                            q.value(6).toInt() != 0});
    return vysledek;
}

std::vector<int> HistorieOdpovedi::ChybneOtazky(const QString& profil) const {
    std::vector<int> vysledek;
    if (!otevreno_)
        return vysledek;
    QSqlQuery q(QSqlDatabase::database(spojeni_));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT cislo, spravne, napoveda, cas, id FROM odpovedi WHERE "
                             "profil = ? ORDER BY cislo, id"));
    q.addBindValue(text(profil));
    if (!q.exec())
        return vysledek;
    // Per question: when it was last missed (its time, then its row for answers of the
    // same second, such as a point test's) and the right answers in a row since.
    struct Chyba {
        QString cas;
        qint64 radek = -1;
        int rada = 0;
    };
    std::map<int, Chyba> otazky;
    while (q.next()) {
        Chyba& o = otazky[q.value(0).toInt()];
        // An answer found with the hint is not known yet.
        if (q.value(1).toInt() != 0 && q.value(2).toInt() == 0) {
            ++o.rada;
        } else {
            o.cas = q.value(3).toString();
            o.radek = q.value(4).toLongLong();
            o.rada = 0;
        }
    }
    std::vector<std::pair<const Chyba*, int>> kandidati;
    for (const auto& [cislo, o] : otazky)
        if (o.radek >= 0 && o.rada < 2)
            kandidati.emplace_back(&o, cislo);
    // The stored time sorts as text; the most recent first.
    std::sort(kandidati.begin(), kandidati.end(), [](const auto& a, const auto& b) {
        return std::tie(a.first->cas, a.first->radek) > std::tie(b.first->cas, b.first->radek);
    });
    for (const auto& k : kandidati)
        vysledek.push_back(k.second);
    return vysledek;
}

std::vector<int> HistorieOdpovedi::Oznacene(const QString& profil) const {
    std::vector<int> vysledek;
    if (!otevreno_)
        return vysledek;
    QSqlQuery q(QSqlDatabase::database(spojeni_));
    q.prepare(QStringLiteral("SELECT cislo FROM oznacene WHERE profil = ? ORDER BY cislo"));
    q.addBindValue(text(profil));
    if (q.exec())
        while (q.next())
            vysledek.push_back(q.value(0).toInt());
    return vysledek;
}

bool HistorieOdpovedi::JeOznacena(const QString& profil, int cislo) const {
    if (!otevreno_)
        return false;
    QSqlQuery q(QSqlDatabase::database(spojeni_));
    q.prepare(QStringLiteral("SELECT 1 FROM oznacene WHERE profil = ? AND cislo = ?"));
    q.addBindValue(text(profil));
    q.addBindValue(cislo);
    return q.exec() && q.next();
}

QString HistorieOdpovedi::NastavOznaceni(const QString& profil, int cislo, bool oznacit) {
    if (!otevreno_)
        return nepouzitelna_;
    QSqlQuery q(QSqlDatabase::database(spojeni_));
    q.prepare(oznacit
                  ? QStringLiteral("INSERT OR IGNORE INTO oznacene (profil, cislo) VALUES (?, ?)")
                  : QStringLiteral("DELETE FROM oznacene WHERE profil = ? AND cislo = ?"));
    q.addBindValue(text(profil));
    q.addBindValue(cislo);
    if (!q.exec())
        return ChybaSql(QStringLiteral("Zápis do"), q.lastError());
    return {};
}

QString HistorieOdpovedi::PrejmenujProfil(const QString& stary, const QString& novy) {
    if (!otevreno_)
        return nepouzitelna_;
    QSqlDatabase db = QSqlDatabase::database(spojeni_);
    if (!db.transaction())
        return ChybaSql(QStringLiteral("Přejmenování v"), db.lastError());
    QSqlQuery q(db);
    for (const QString& tabulka : {QStringLiteral("odpovedi"), QStringLiteral("oznacene")}) {
        q.prepare(QStringLiteral("UPDATE %1 SET profil = ? WHERE profil = ?").arg(tabulka));
        q.addBindValue(text(novy));
        q.addBindValue(text(stary));
        if (!q.exec()) {
            const QString chyba = ChybaSql(QStringLiteral("Přejmenování v"), q.lastError());
            db.rollback();
            return chyba;
        }
    }
    if (!db.commit())
        return ChybaSql(QStringLiteral("Přejmenování v"), db.lastError());
    return {};
}

QString HistorieOdpovedi::SmazProfil(const QString& profil) {
    if (!otevreno_)
        return nepouzitelna_;
    QSqlDatabase db = QSqlDatabase::database(spojeni_);
    if (!db.transaction())
        return ChybaSql(QStringLiteral("Smazání v"), db.lastError());
    QSqlQuery q(db);
    for (const QString& tabulka : {QStringLiteral("odpovedi"), QStringLiteral("oznacene")}) {
        q.prepare(QStringLiteral("DELETE FROM %1 WHERE profil = ?").arg(tabulka));
        q.addBindValue(text(profil));
        if (!q.exec()) {
            const QString chyba = ChybaSql(QStringLiteral("Smazání v"), q.lastError());
            db.rollback();
            return chyba;
        }
    }
    if (!db.commit())
        return ChybaSql(QStringLiteral("Smazání v"), db.lastError());
    return {};
}
