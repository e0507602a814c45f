// The point test window: 25 questions drawn by sections, a 30-minute countdown, letter
// panels and keys, evaluation with the verdict box and the protocol record, and the
// review in which the correct answers and the wrong choices are coloured.
//
// The main window constructs it with the profile's settings, calls FormCreate (which
// may fail before anything starts) and shows it modally.
#pragma once

#include "core/XML_otazky.h"
#include "core/bodovy_test.h"
#include "widgets/info.h"

#include <QDateTime>
#include <QDialog>

#include <memory>
#include <optional>

class QGroupBox;
class QLabel;
class QScrollArea;
class QPushButton;
class QTextEdit;
class QTimer;

class TTestForm : public QDialog {
    Q_OBJECT
public:
    TTestForm(QWidget* vlastnik, const TInfo& info);
    ~TTestForm() override;

    // Opens the question database, draws the test, shows position 1 and the start
    // message, then starts the countdown. Throws KolomatChyba (database missing or
    // broken, a section that cannot be filled) with nothing started.
    void FormCreate();

    bool Bezi() const { return bezi_; }
    bool Vyhodnocen() const { return test_ && test_->Vyhodnocen(); }
    int SekundyZbyva() const { return sekundyZbyva_; }
    const TBodovyTest& Test() const { return *test_; }

    // Handlers (public so that the tests can call the timer without waiting).
    void pAClick(QWidget* panel);
    // Acts on A, B and C while the test runs; returns whether the key was used.
    bool FormKeyPress(const QString& znak);
    void btnNasledujiciClick();
    void btnPredchoziClick();
    void btnVyhodnotitClick();
    void btnUkoncitClick();
    void Timer1Timer();

    QGroupBox* gbOtazka = nullptr;
    QTextEdit* mO = nullptr;
    QLabel* pA = nullptr;
    QLabel* pB = nullptr;
    QLabel* pC = nullptr;
    QTextEdit* mA = nullptr;
    QTextEdit* mB = nullptr;
    QTextEdit* mC = nullptr;
    QLabel* img = nullptr;
    QScrollArea* skOtazka = nullptr;
    QWidget* pObsah = nullptr;
    QWidget* pInfo = nullptr;
    QGroupBox* gbVstup = nullptr;
    QLabel* lbUzivatel = nullptr;
    QLabel* lbSkupina = nullptr;
    QLabel* lbBody = nullptr;
    QLabel* lbCas = nullptr;
    QLabel* lbMinBod = nullptr;
    QPushButton* btnPredchozi = nullptr;
    QPushButton* btnNasledujici = nullptr;
    QPushButton* btnVyhodnotit = nullptr;
    QPushButton* btnUkoncit = nullptr;
    QGroupBox* gbVyhodnoceni = nullptr;
    QLabel* lbDoba = nullptr;
    QLabel* lbOdpovedi = nullptr;
    QLabel* lbPocetBodu = nullptr;
    QLabel* lbTestSlozen = nullptr;
    QLabel* lbProtokol = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    void closeEvent(QCloseEvent* udalost) override;
    void reject() override;
    void keyPressEvent(QKeyEvent* udalost) override;
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    void VytvorOvladaci();
    void ZobrazOtazku();
    void RozmistiOtazku();
    int RozmistiNaSirku(int uzsi);
    void ZvetsitObrazek();
    void ObarviPanely();
    void ObarviRevizi();
    void ZapsatDoHistorie();
    // Writes the protocol record; false (after telling the user why) when it failed.
    bool ZapisProtokol();
    void PrepniNaRevizi();
    // While the test runs, closing must be confirmed; afterwards it needs no question.
    bool MuzeZavrit();

    TInfo info_;
    std::unique_ptr<TOtazka> databaze_;
    std::optional<TBodovyTest> test_;
    int minimumBodu_ = kMinimumBodu;
    int sekundyZbyva_ = kDelkaTestu;
    int pozice_ = 1;
    QString obrazek_; // the picture of the question shown, "" when it has none
    QDateTime zacatek_;
    bool bezi_ = false;
    bool zavira_ = false;
    // The close question is open: a countdown that runs out meanwhile waits for it.
    bool dotazNaKonec_ = false;
    bool vyhodnotitPoDotazu_ = false;
};
