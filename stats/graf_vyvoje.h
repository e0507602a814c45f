// The trend chart: the points of every point test over time against the 43 needed, and
// the success rate of practice and exam per day. It only shows what it is given.
#pragma once

#include "core/historie.h"
#include "core/statistika.h"

#include <QDialog>

#include <vector>

class QLabel;
class QTabWidget;
class QChartView;
class QLineSeries;

class TGrafVyvoje : public QDialog {
    Q_OBJECT
public:
    TGrafVyvoje(QWidget* vlastnik, const std::vector<BodyTestu>& testy,
                const std::vector<UspesnostDne>& dny);

    QTabWidget* tabGrafy = nullptr;
    // Null when there is nothing to draw; the tab then says so in words.
    QChartView* grafTestu = nullptr;
    QChartView* grafDnu = nullptr;
    QLineSeries* radaBodu = nullptr;       // one point per test: time, points
    QLineSeries* radaMinima = nullptr;     // the 43 points needed, across the time shown
    QLineSeries* radaUspesnosti = nullptr; // one point per day: noon, percent

private:
    QWidget* StranaTestu(const std::vector<BodyTestu>& testy);
    QWidget* StranaDnu(const std::vector<UspesnostDne>& dny);
};

// Opens the chart of a profile's tests, already read by the window that asks, with the
// days of its history (none when the history is not open).
void OtevritGrafVyvoje(QWidget* vlastnik, const std::vector<BodyTestu>& testy,
                       const QString& profil, const HistorieOdpovedi* historie);
