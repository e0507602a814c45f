// "Statistika učení": per category the questions in force, seen, mastered and the success
// rate; the chance to pass the point test now with its range and the expected points;
// the tests taken so far; up to three categories to practise; the 20 questions missed
// most often. It reads the history, the catalogue and the protocols and writes nothing.
#pragma once

#include "core/pripravenost.h"
#include "core/statistika.h"
#include "widgets/info.h"

#include <QDialog>

#include <array>
#include <memory>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;
class QTextDocument;

class TStatistika : public QDialog {
    Q_OBJECT
public:
    TStatistika(QWidget* vlastnik, const TInfo& info);
    ~TStatistika() override;

    // Reads the profile's answers and the catalogue and fills the window. Throws
    // KolomatChyba when the history is not open or the catalogue cannot be read.
    void FormCreate();

    // Practice of a suggested category's least mastered questions (index into
    // Odhad().Doporucene), or of the most missed ones: asked for through
    // widgets/pozadavek_procvicovani, the window closes with kProcvicitChybne.
    void btnDoporuceniClick(int poradi);
    void btnNejcastejiChybneClick();
    void btnGrafClick();
    void btnTiskClick();
    void btnPdfClick();

    // The whole content as a document for print and PDF; every text from the data is
    // escaped.
    void SestavDokument(QTextDocument& dokument) const;

    const OdhadSlozeni& Odhad() const { return odhad_; }
    const std::array<StatistikaKategorie, kKategorii>& Kategorie() const { return kategorie_; }
    const std::vector<CastoChybna>& Chybne() const { return chybne_; }

    QTableWidget* tabKategorie = nullptr;
    QLabel* lbSance = nullptr;
    QLabel* lbRozmezi = nullptr;
    QLabel* lbBody = nullptr;
    QLabel* lbTesty = nullptr;
    QLabel* lbVysvetleni = nullptr;
    std::array<QLabel*, 3> lbDoporuceni{};
    std::array<QPushButton*, 3> btnDoporuceni{};
    QTableWidget* tabChybne = nullptr;
    QPushButton* btnNejcastejiChybne = nullptr;
    QPushButton* btnGraf = nullptr;
    QPushButton* btnTisk = nullptr;
    QPushButton* btnPdf = nullptr;
    QPushButton* btnZavrit = nullptr;

private:
    void VyplnKategorie();
    void VyplnOdhad();
    void VyplnChybne();

    TInfo info_;
    std::unique_ptr<ModelZnalosti> model_;
    OdhadSlozeni odhad_;
    std::array<StatistikaKategorie, kKategorii> kategorie_{};
    std::vector<CastoChybna> chybne_;
    std::vector<QString> textyChybnych_; // the question texts of chybne_
    std::vector<BodyTestu> testy_;
    QString chybaProtokolu_; // why the tests could not be read, "" when they could
    int odpovedi_ = 0;       // all the profile's answers
};
