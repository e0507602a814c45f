// The test results list: the profile's stored point tests from Protokoly.xml, one row
// each; opens a protocol, deletes one record or all of the profile's, shows the trend
// chart.
#pragma once

#include "core/XML_protokoly.h"

#include <QDialog>

#include <optional>
#include <vector>

class HistorieOdpovedi;
class ModelRadku;
class QPushButton;
class QTableView;

class TTVysledky : public QDialog {
    Q_OBJECT
public:
    // The history (may be null) gives the chart its practice and exam days.
    TTVysledky(QWidget* vlastnik, const QString& profil,
               const HistorieOdpovedi* historie = nullptr);

    // Reads Protokoly.xml (a missing file gives an empty list) and fills the grid.
    // Throws KolomatChyba when the file exists but cannot be read.
    void FormCreate();

    void btnOKClick();
    void btnProtokolClick();
    // Both delete without asking and save at once; a failed save (KolomatChyba) leaves
    // the file and the list as they were.
    void btnVymazClick();
    void btnVymazVseClick();
    void btnGrafClick();

    const std::vector<TXMLProtokolType>& Zaznamy() const { return zaznamy_; }

    QTableView* sgTab = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnProtokol = nullptr;
    QPushButton* btnVymaz = nullptr;
    QPushButton* btnVymazVse = nullptr;
    QPushButton* btnGraf = nullptr;

private:
    // Reads the file as it is now.
    void Nacist();
    void Vypln();
    int VybranyRadek() const;

    QString profil_;
    const HistorieOdpovedi* historie_ = nullptr;
    ModelRadku* model_ = nullptr;
    std::optional<TXMLProtokolyType> dokument_;
    std::vector<TXMLProtokolType> zaznamy_;
};
