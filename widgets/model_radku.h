// The rows of a list window's grid: fixed captions and the texts of the listed records,
// one string per cell. An empty list shows one empty row, as the grids always did.
// Shared by the study results list and the test results list.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

class ModelRadku : public QAbstractTableModel {
public:
    ModelRadku(QStringList nadpisy, QObject* rodic);

    // Replaces all rows (each as long as the captions).
    void Nastav(std::vector<QStringList> radky);
    const std::vector<QStringList>& Radky() const { return radky_; }

    int rowCount(const QModelIndex& rodic = {}) const override;
    int columnCount(const QModelIndex& rodic = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int sekce, Qt::Orientation smer, int role) const override;

private:
    const QStringList nadpisy_;
    std::vector<QStringList> radky_;
};
