// The main window: the three menu bars, the status bar, the login, and the client area
// on which the question views build their panels.
#pragma once

#include "core/vyber_otazek.h"
#include "widgets/info.h"

#include <QMainWindow>
#include <QPointer>
#include <QUrl>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QStatusBar;
class TProfil;
class Tupdate;

class THlavniFormular : public QMainWindow {
    Q_OBJECT
public:
    THlavniFormular();
    ~THlavniFormular() override;

    // Shows the window, creates the profile and runs the login. Returns false when the
    // login was cancelled or the profiles file cannot be read; the window is then closed.
    bool FormCreate();
    // The profiles file could not be read at the start: the program ends with an error.
    bool StartSelhal() const { return startSelhal_; }
    // A later start in the same working folder was refused: the window (or the dialog
    // it shows) comes to the front and says why no second one opened.
    void PrivolatDopredu();

    enum class StavMenu { Necinny, Prohlizeni, Procvicovani };
    StavMenu Stav() const;

    bool Prihlasit();
    void ObnovitStav();
    // Virtual so that tests can run the modes with the settings they need.
    virtual TInfo VyplnitInfo();
    // Lists the stored runs of a kind (0 practice, 1 exam) for the profile.
    void OtevritVysledky(std::uint8_t typ);
    TProfil& AktualniProfil() { return *aktualniProfil; }

    // Menu handlers.
    void Ukoni1Click();
    void Pejmenovat1Click();
    void Zmnitheslo1Click();
    void Odhlsitse1Click();
    void Nastaven1Click();
    void Zobrazitstavovdek1Click();
    void Uloitnastaven1Click();
    void Prohletotzky1Click();
    void Konec_rezimu1Click();
    void Testnabody1Click();
    void Vsledkytestunabody1Click();
    void StatistikaUceniClick();
    // Opens the update window beside the main window; while an update runs, the item
    // brings its window forward instead of starting another.
    void Provstaktualizaci1Click();
    void Informaceoprogramu1Click();
    void Historieopravaaktualizac1Click();
    void Npovda1Click();

    // The update server's base address (tests point it at a server of their own).
    QUrl ServerAktualizace;
    QPointer<Tupdate> Aktualizace;
    void Procviovatotzky1Click();
    void Zkouetotzky1Click();
    void Konecreimu1Click();
    void Oznasprvnouodpov1Click();
    void Procviovn1Click();
    void Zkouen1Click();
    // Practice of the questions the profile answered wrong and of those it marked.
    void ProcvicovatChybneClick();
    void ProcvicovatOznaceneClick();
    // Marks or unmarks the question of the running mode.
    void OznacitOtazkuClick();

    // The run list that the options dialog fills and the practice or exam view takes.
    std::vector<TVybranaOtazka> VybraneOtazky;
    // Which runs the results list shows: 0 practice, 1 exam.
    std::uint8_t TypVysledku = 0;

    QMenuBar* MainMenu1 = nullptr;
    QMenuBar* MainMenu2 = nullptr;
    QMenuBar* MainMenu3 = nullptr;

    QAction* Ukoni1 = nullptr;
    QAction* Pejmenovat1 = nullptr;
    QAction* Zmnitheslo1 = nullptr;
    QAction* Odhlsitse1 = nullptr;
    QAction* Zvolenskupina1 = nullptr;
    QAction* Nastaven1 = nullptr;
    QAction* Provstaktualizaci1 = nullptr;
    QAction* Zobrazitstavovdek1 = nullptr;
    QAction* Uloitnastaven1 = nullptr;
    QAction* Prohletotzky1 = nullptr;
    QAction* Procviovatotzky1 = nullptr;
    QAction* Zkouetotzky1 = nullptr;
    QAction* Testnabody1 = nullptr;
    QAction* ProcvicovatChybne1 = nullptr;
    QAction* ProcvicovatOznacene1 = nullptr;
    QMenu* Vsledkyz1 = nullptr;
    QAction* Procviovn1 = nullptr;
    QAction* Zkouen1 = nullptr;
    QAction* Vsledkytestunabody1 = nullptr;
    QAction* StatistikaUceni1 = nullptr;
    QAction* Informaceoprogramu1 = nullptr;
    QAction* Historieopravaaktualizac1 = nullptr;
    QAction* Npovda1 = nullptr;

    QAction* Konec_rezimu1 = nullptr;
    QAction* Oprogramu1 = nullptr;
    QAction* Konecreimu1 = nullptr;
    QAction* Oznasprvnouodpov1 = nullptr;
    QAction* Oprogramu2 = nullptr;
    QAction* OznacitOtazku1 = nullptr; // browse
    QAction* OznacitOtazku2 = nullptr; // practice and exam

    QStatusBar* StatusBar = nullptr;
    std::array<QLabel*, 4> Panely{};
    QPushButton* btn = nullptr;

protected:
    bool event(QEvent* udalost) override;
    void closeEvent(QCloseEvent* udalost) override;

private:
    void VytvorMenu();
    void VytvorMenuProgramAProfil();
    void VytvorMenuKonfigurace();
    void VytvorMenuStartAVysledky();
    void VytvorMenuInformace();
    void VytvorMenuRezimu();
    QAction* Polozka(QMenu* menu, const QString& text, const QString& hint, const char* jmeno,
                     void (THlavniFormular::*akce)());
    void VytvorStavovyRadek();
    // Shows the hint of the menu item under the mouse in panel 1.
    void ZobrazHint(const QString& hint);
    // Back to the idle menu bar and the status bar as its menu item says.
    void ObnovitHlavniMenu();
    // The options dialog, then the practice or the exam run on what it chose.
    void SpustitProcvicovaniZkouseni(bool zkouseni);
    // The practice or exam run of VybraneOtazky.
    void SpustitBeh(bool zkouseni);
    // A practice run of the questions cisla that the profile may practise, at most
    // nejvic; when none is left, the message zadne and no run.
    void ProcvicitOtazky(const std::vector<int>& cisla, int nejvic, const QString& zadne);
    // The practice run a results window asked for as it closed, if any.
    void ProcvicitPozadovane();
    void OtevritVysledkyZ(std::uint8_t typ, const QString& zadne);

    std::unique_ptr<TProfil> aktualniProfil;
    bool startSelhal_ = false;
};
