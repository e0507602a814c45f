// Shared by the tests of practice, exam and results: the main window with the settings
// a test needs, marks that can be told apart, and driving the dialogs and a run.
#pragma once

#include "app/main.h"
#include "profiles/profil_trida.h"
#include "tests/podpora/generator_katalogu.h"
#include "views/dotaz_procvic_zk.h"
#include "views/rezimy.h"
#include "views/textove_pole.h"
#include "views/vyhodnoceniPZ.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <functional>

// The main window whose modes run with the settings the test sets here.
class OknoTestu : public THlavniFormular {
public:
    TInfo nastaveni;
    TInfo VyplnitInfo() override {
        TInfo info = THlavniFormular::VyplnitInfo();
        info.Nazev = nastaveni.Nazev;
        info.Kategorie = nastaveni.Kategorie;
        info.Skupina = nastaveni.Skupina;
        info.Protokoly = nastaveni.Protokoly;
        info.Postupny_vyber = nastaveni.Postupny_vyber;
        return info;
    }
};

// The main window of a learner of group B, shown, with the answer history at hand and
// the questions of the practice run going on.
class OknoSHistorii : public OknoTestu {
public:
    explicit OknoSHistorii(const QString& profil) {
        nastaveni.Nazev = profil;
        nastaveni.Skupina = QStringLiteral("B");
        show();
    }
    HistorieOdpovedi& historie() { return AktualniProfil().Historie; }
    TProcvicovani& procvicovani() { return *AktualniProfil().Procvicovani; }
    // The numbers of the practice run that is going on, in the order asked.
    QList<int> beh() {
        QList<int> cisla;
        if (procvicovani().JeAktivni())
            for (const TVybranaOtazka& v : procvicovani().Beh().Vybrane)
                cisla << v.Cislo;
        return cisla;
    }
};

template <class T = QWidget> T* prvek(QWidget* okno, const char* jmeno) {
    return okno->findChild<T*>(QString::fromLatin1(jmeno));
}

// The three answer marks in colours of their own, so that a test sees which one shows.
inline void ZapisBarevneZnacky() {
    ZapisZnacky();
    const std::pair<const char*, Qt::GlobalColor> barvy[] = {
        {"yes", Qt::green}, {"no", Qt::red}, {"mistake", Qt::blue}};
    for (const auto& [jmeno, barva] : barvy) {
        QImage obrazek(20, 20, QImage::Format_RGB32);
        obrazek.fill(barva);
        obrazek.save(QStringLiteral("grafika/%1.png").arg(QLatin1String(jmeno)));
    }
}

// "yes", "no" or "mistake" for a visible mark, "" for a hidden one.
inline QString Znacka(QWidget* okno, const char* jmeno) {
    auto* z = prvek<QLabel>(okno, jmeno);
    if (!z || z->isHidden())
        return {};
    const QColor c = z->pixmap().toImage().pixelColor(0, 0);
    if (c == QColor(Qt::green))
        return QStringLiteral("yes");
    if (c == QColor(Qt::red))
        return QStringLiteral("no");
    if (c == QColor(Qt::blue))
        return QStringLiteral("mistake");
    return QStringLiteral("?");
}

// The number of the question shown, from its header.
inline int CisloOtazky(QWidget* okno) {
    static const QRegularExpression vzor(QStringLiteral("^Otázka číslo (\\d+)"));
    const auto shoda = vzor.match(prvek<QLabel>(okno, "lbCislo")->text());
    return shoda.hasMatch() ? shoda.captured(1).toInt() : 0;
}

// The slot letter in which the correct answer of the shown question stands, found by
// its text (generated catalogues write "Odpověď X na otázku N.").
inline QChar SpravnySlot(QWidget* okno) {
    const int n = CisloOtazky(okno);
    const QString spravna =
        QStringLiteral("Odpověď %1 na otázku %2.").arg(SpravnaOdpoved(n)).arg(n);
    const char* pole[] = {"mA", "mB", "mC"};
    for (int i = 0; i < 3; ++i)
        if (prvek<TextovePole>(okno, pole[i])->text() == spravna)
            return QChar(u'A' + i);
    return QChar();
}

inline QChar SpatnySlot(QWidget* okno) {
    return SpravnySlot(okno) == u'A' ? QChar(u'B') : QChar(u'A');
}

inline Qt::Key KlavesaSlotu(QChar slot) {
    return static_cast<Qt::Key>(Qt::Key_A + (slot.unicode() - u'A'));
}

// Chooses the right or a wrong answer and confirms it with Enter.
inline void Odpovez(THlavniFormular& okno, bool spravne) {
    const QChar slot = spravne ? SpravnySlot(&okno) : SpatnySlot(&okno);
    QTest::keyClick(okno.btn, KlavesaSlotu(slot));
    QTest::keyClick(okno.btn, Qt::Key_Return);
}

// Calls zkus on the event loop until it returns true (at most about two seconds).
inline void Opakuj(std::function<bool()> zkus, int zbyva = 200) {
    QTimer::singleShot(zbyva == 200 ? 0 : 10, [zkus, zbyva] {
        if (!zkus() && zbyva > 0)
            Opakuj(zkus, zbyva - 1);
    });
}

// Runs code on the modal window of type T as soon as it shows, then closes it (OK).
template <class T> void NaOkno(std::function<void(T&)> akce, bool* videno = nullptr) {
    Opakuj([akce, videno] {
        auto* okno = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!okno)
            return false;
        if (videno)
            *videno = true;
        if (akce)
            akce(*okno);
        if (okno->isVisible())
            okno->accept();
        return true;
    });
}

// Starts practice or exam through its menu item; the dialog is set by uprav (or left
// as it opens) and closed with its start button.
inline void Spust(QAction* polozka, std::function<void(TDotazProcvicovaniZkouseni&)> uprav = {}) {
    NaOkno<TDotazProcvicovaniZkouseni>([uprav](TDotazProcvicovaniZkouseni& d) {
        if (uprav)
            uprav(d);
        QTest::mouseClick(d.btnStart, Qt::LeftButton);
    });
    polozka->trigger();
}

// The run list of a dialog started in order from the first candidate.
inline std::function<void(TDotazProcvicovaniZkouseni&)> Pocet(int pocet) {
    return [pocet](TDotazProcvicovaniZkouseni& d) { d.cbPocetOtazek->setValue(pocet); };
}
