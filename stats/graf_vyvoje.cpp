#include "stats/graf_vyvoje.h"

#include "core/sestava_testu.h"
#include "widgets/okna.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace {

qint64 Ms(const QDateTime& kdy) {
    return kdy.toMSecsSinceEpoch();
}

// A chart with a time axis from od to do_ (a day either side, so that a single point
// is not drawn on the edge) and a value axis from 0 to nejvic.
QChart* NovyGraf(const QString& titulek, QDateTime od, QDateTime do_, double nejvic,
                 const QString& popisHodnot) {
    auto* graf = new QChart;
    graf->setTitle(titulek);
    graf->legend()->setAlignment(Qt::AlignBottom);
    auto* osaCasu = new QDateTimeAxis;
    osaCasu->setFormat(QStringLiteral("d. M. yyyy"));
    osaCasu->setRange(od.addDays(-1), do_.addDays(1));
    osaCasu->setTickCount(5);
    graf->addAxis(osaCasu, Qt::AlignBottom);
    auto* osaHodnot = new QValueAxis;
    osaHodnot->setRange(0, nejvic);
    osaHodnot->setTickCount(6); // 0, 10, ... 50 points; 0, 20, ... 100 %
    osaHodnot->setLabelFormat(QStringLiteral("%d"));
    osaHodnot->setTitleText(popisHodnot);
    graf->addAxis(osaHodnot, Qt::AlignLeft);
    return graf;
}

void Pripoj(QChart* graf, QAbstractSeries* rada) {
    graf->addSeries(rada);
    for (QAbstractAxis* osa : graf->axes())
        rada->attachAxis(osa);
}

QWidget* Prazdna(const QString& text) {
    auto* popisek = new QLabel(text);
    popisek->setTextFormat(Qt::PlainText);
    popisek->setAlignment(Qt::AlignCenter);
    popisek->setWordWrap(true);
    return popisek;
}

QChartView* Pohled(QChart* graf, const QString& jmeno) {
    auto* pohled = new QChartView(graf);
    pohled->setRenderHint(QPainter::Antialiasing);
    pohled->setAccessibleName(jmeno);
    return pohled;
}

} // namespace

TGrafVyvoje::TGrafVyvoje(QWidget* vlastnik, const std::vector<BodyTestu>& testy,
                         const std::vector<UspesnostDne>& dny)
    : QDialog(vlastnik) {
    setObjectName(QStringLiteral("TGrafVyvoje"));
    setWindowTitle(QStringLiteral("Graf vývoje"));
    resize(640, 440);
    tabGrafy = new QTabWidget(this);
    tabGrafy->setObjectName(QStringLiteral("tabGrafy"));
    tabGrafy->addTab(StranaTestu(testy), QStringLiteral("&Test na body"));
    tabGrafy->addTab(StranaDnu(dny), QStringLiteral("&Procvičování a zkoušení"));
    auto* tlacitka = new QDialogButtonBox(this);
    QPushButton* zavrit =
        tlacitka->addButton(QStringLiteral("&Zavřít"), QDialogButtonBox::RejectRole);
    zavrit->setObjectName(QStringLiteral("btnZavrit"));
    connect(tlacitka, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->addWidget(tabGrafy);
    rozvrzeni->addWidget(tlacitka);
}

QWidget* TGrafVyvoje::StranaTestu(const std::vector<BodyTestu>& testy) {
    if (testy.empty())
        return Prazdna(QStringLiteral("Zatím jste nenapsali žádný test na body."));
    QChart* graf = NovyGraf(QStringLiteral("Body v testech na body"), testy.front().Kdy,
                            testy.back().Kdy, kMaximumBodu, QStringLiteral("body"));
    radaBodu = new QLineSeries;
    radaBodu->setName(QStringLiteral("Získané body"));
    radaBodu->setPointsVisible(true);
    for (const BodyTestu& t : testy)
        radaBodu->append(static_cast<double>(Ms(t.Kdy)), t.Body);
    radaMinima = new QLineSeries;
    radaMinima->setName(QStringLiteral("Potřebné minimum (%1 bodů)").arg(kMinimumBodu));
    radaMinima->append(static_cast<double>(Ms(testy.front().Kdy.addDays(-1))), kMinimumBodu);
    radaMinima->append(static_cast<double>(Ms(testy.back().Kdy.addDays(1))), kMinimumBodu);
    QPen pero(Qt::red);
    pero.setStyle(Qt::DashLine);
    radaMinima->setPen(pero);
    Pripoj(graf, radaBodu);
    Pripoj(graf, radaMinima);
    grafTestu = Pohled(graf, QStringLiteral("Graf bodů v testech na body"));
    return grafTestu;
}

QWidget* TGrafVyvoje::StranaDnu(const std::vector<UspesnostDne>& dny) {
    if (dny.empty())
        return Prazdna(QStringLiteral("Zatím jste neodpověděli na žádnou otázku v procvičování "
                                      "ani ve zkoušení."));
    const auto poledne = [](const QDate& den) { return QDateTime(den, QTime(12, 0)); };
    QChart* graf =
        NovyGraf(QStringLiteral("Úspěšnost v procvičování a zkoušení po dnech"),
                 poledne(dny.front().Den), poledne(dny.back().Den), 100, QStringLiteral("%"));
    radaUspesnosti = new QLineSeries;
    radaUspesnosti->setName(QStringLiteral("Správné odpovědi za den (%)"));
    radaUspesnosti->setPointsVisible(true);
    for (const UspesnostDne& d : dny)
        if (d.Odpovedi > 0)
            radaUspesnosti->append(static_cast<double>(Ms(poledne(d.Den))),
                                   100.0 * d.Spravnych / d.Odpovedi);
    Pripoj(graf, radaUspesnosti);
    grafDnu = Pohled(graf, QStringLiteral("Graf úspěšnosti po dnech"));
    return grafDnu;
}

void OtevritGrafVyvoje(QWidget* vlastnik, const std::vector<BodyTestu>& testy,
                       const QString& profil, const HistorieOdpovedi* historie) {
    std::vector<UspesnostDne> dny;
    if (historie && historie->Otevreno())
        dny = historie->UspesnostPoDnech(profil);
    OtevriModalne<TGrafVyvoje>(vlastnik, Umisteni::NadVlastnikem, testy, dny);
}
