// The question panel that every study mode draws on the main window (TView) and
// browse mode (TProhlizeni).
//
// A view owns two panels on the main window's central area, made on its first run and
// kept (hidden) between runs: pOtazka with the question, pInfo the strip below it. The
// per-run controls are built by Priprav and freed by Ukonci. The question itself comes
// from the view's own TOtazka, opened at the start of every run.
//
// pOtazka stands in a scroll area (skOtazka). While the question fits, the panel is
// exactly the visible area and the layout is the fixed one; when a large font makes it
// longer, the panel grows downwards and a vertical scroll bar appears, so that the
// question, every answer and the picture stay reachable and nothing overlaps.
#pragma once

#include "core/XML_otazky.h"
#include "widgets/info.h"

#include <QPointer>
#include <QScrollArea>
#include <QWidget>

#include <memory>

class QLabel;
class QSpinBox;
class QShortcut;
class TextovePole;

// The key that marks or unmarks the question shown.
inline constexpr Qt::Key kKlavesaOznaceni = Qt::Key_O;

class TView {
public:
    TView();
    virtual ~TView();
    TView(const TView&) = delete;
    TView& operator=(const TView&) = delete;

    bool JeAktivni() const { return Aktivni; }

    // Starts a run: opens the question database and builds the controls. Throws
    // KolomatChyba (database missing or broken) with nothing built and the view idle.
    void Priprav(const TInfo& info);
    // Loads question cislo and, when it is in force, shows it with its answers in the
    // order poradi (a permutation of "ABC": the letter at position 1 goes to slot a).
    void ZobrazOtazku(int cislo, const QString& poradi);
    void VyplnOdpoved(TextovePole* box, QChar pismeno);
    // Marks the question shown, or unmarks a marked one, in the profile's history; a
    // history that cannot be written is told and the mark stays as it was.
    void PrepniOznaceni();
    bool ZobrazenaOznacena() const;
    // Re-expresses the loaded question in display order (texts and correct letter).
    void PrehodOdpovedi(const QString& poradi);
    void Rozmisti();
    // Ends the run: frees the per-run controls and the database, hides the panels.
    void Ukonci();

    // For the windows and tests that look at the panel.
    QWidget* PanelOtazky() const { return pOtazka; }
    QScrollArea* PosuvOtazky() const { return skOtazka; }
    // The height of the question's content laid out by Rozmisti.
    int SpodekObsahu() const { return spodekObsahu_; }
    QWidget* PanelInfo() const { return pInfo; }

protected:
    // Lays out the main window again so that the panels have their final sizes.
    void Rozvrhni();
    // The visible part of the question panel.
    QSize Viditelne() const;
    // Makes the panel as tall as vyska (at least the visible height): with a scroll bar
    // when it is taller.
    void NastavVyskuPanelu(int vyska);
    // The picture of the shown question in a window of its own, twice its size.
    void ZvetsitObrazek();

    // Room the view needs below the question's content (browse mode's box), and its
    // place once the question is laid out.
    virtual int RezervaDole() const { return 0; }
    virtual void PoRozmisteni() {}
    QFont PismoOtazky() const;

    TInfo Info;
    std::unique_ptr<TOtazka> Databaze;
    QPointer<QScrollArea> skOtazka;
    QPointer<QWidget> pOtazka;
    QPointer<QWidget> pInfo;
    QLabel* imgA = nullptr;
    QLabel* imgB = nullptr;
    QLabel* imgC = nullptr;
    QLabel* imgObrazek = nullptr;
    TextovePole* mA = nullptr;
    TextovePole* mB = nullptr;
    TextovePole* mC = nullptr;
    TextovePole* mO = nullptr;
    QLabel* lbCislo = nullptr;
    QLabel* lbA = nullptr;
    QLabel* lbB = nullptr;
    QLabel* lbC = nullptr;
    QLabel* imgInfo = nullptr;
    QLabel* lbInfo = nullptr;
    QLabel* lbInfoText = nullptr;
    QLabel* lbRezim = nullptr;
    QLabel* lbUzivatel = nullptr;
    bool Aktivni = false;
    bool PanelyVytvoreny = false;
    // The catalogue's letters of the answers in slots a), b), c) of the shown question.
    QString poradiOdpovedi_;

protected:
    // Opens the enlarged picture on a click on it; and, where a field keeps the
    // shortcuts from the view, takes the keys that enlarge the picture and mark the
    // question.
    class OvladaniPanelu : public QObject {
    public:
        explicit OvladaniPanelu(TView& view) : view_(view) {}
        bool eventFilter(QObject* objekt, QEvent* udalost) override;

    private:
        TView& view_;
    };
    std::unique_ptr<OvladaniPanelu> ovladani_;

private:
    void VytvorPanely();
    void PojmenujProCtecku();
    // Shows or hides the mark of the question shown.
    void UkazOznaceni();
    QShortcut* klavesaZvetseni_ = nullptr;
    QShortcut* klavesaOznaceni_ = nullptr;
    QLabel* lbOznacena = nullptr;
    int zobrazeneCislo_ = 0;
    // Places the question, the answers and the picture at the given panel width; returns
    // the bottom of the content.
    int RozmistiNaSirku(int w);
    int spodekObsahu_ = 0;
    // The shown question's picture was found and loaded (a picture that cannot be
    // loaded is left out and the question laid out as one without a picture).
    bool obrazekNacten = false;
};

class TProhlizeni : public TView {
public:
    TProhlizeni() = default;
    ~TProhlizeni() override;

    // Starts browse mode on question 1. Throws KolomatChyba like Priprav.
    void Spustit(const TInfo& info);
    void Ukaz(int cislo, const QString& poradi);
    void ZobrazOdpovedi(bool zobrazit);
    void ZobrazZnacky(bool zobrazit);
    void seCisloChanged(int hodnota);
    void Ukoncit();

    QSpinBox* VolbaCisla() const { return seCislo; }

protected:
    int RezervaDole() const override;
    void PoRozmisteni() override { UmistiNaPrani(); }

private:
    // The "Prohlížení na přání" box at the bottom right of the panel, below the
    // question when the question reaches down there.
    void UmistiNaPrani();
    TextovePole* mPoznamka = nullptr;
    QWidget* pNaPrani = nullptr;
    QLabel* lbNaPrani = nullptr;
    QSpinBox* seCislo = nullptr;
};
