// The list of one profile's stored practice or exam runs (Vysledky.xml), with the
// details of a run and deleting one record or all of them.
#pragma once

#include "core/XML_vysledky.h"

#include <QDialog>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QPushButton;
class QTableView;
class ModelRadku;

// Which runs the list shows.
inline constexpr std::uint8_t kVysledkyProcvicovani = 0;
inline constexpr std::uint8_t kVysledkyZkouseni = 1;

inline constexpr int kSloupcuVysledku = 7;

class TPZVysledky : public QDialog {
    Q_OBJECT
public:
    // Reads Vysledky.xml (none listed when it is missing) and lists the records of the
    // profile and kind that can be read; the others are named in one error message and
    // stay in the file untouched. Throws KolomatChyba, with no window shown, when the
    // file cannot be read at all.
    TPZVysledky(QWidget* vlastnik, const QString& profil, std::uint8_t typVysledku);
    ~TPZVysledky() override;

    void btnOKClick() { accept(); }
    void btnPodrobnostiClick();
    void btnVymazatZaznamClick();
    void btnVymazatVseClick();

    const std::vector<TXMLVysledekType>& Zaznamy() const { return zaznamy_; }
    // Why the records of the profile that are not listed could not be read ("" = none).
    const QString& Necitelne() const { return necitelne_; }
    int VybranyRadek() const;

    QTableView* sgTab = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnPodrobnosti = nullptr;
    QPushButton* btnVymazatZaznam = nullptr;
    QPushButton* btnVymazatVse = nullptr;

    // The record handed to the details window while it is open.
    std::optional<TXMLVysledekType> VybranyVysledek;

private:
    // Reads the file as it is now into the lists.
    void Nacist();
    void Naplnit(int vybrany);

    QString profil_;
    std::uint8_t typ_;
    QString necitelne_;
    std::optional<TXMLVysledkyType> dokument_;
    std::vector<TXMLVysledekType> zaznamy_;
    std::vector<QStringList> radky_;
    ModelRadku* model_ = nullptr;
};
