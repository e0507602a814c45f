#include "widgets/model_radku.h"

ModelRadku::ModelRadku(QStringList nadpisy, QObject* rodic)
    : QAbstractTableModel(rodic), nadpisy_(std::move(nadpisy)) {}

void ModelRadku::Nastav(std::vector<QStringList> radky) {
    beginResetModel();
    radky_ = std::move(radky);
    endResetModel();
}

int ModelRadku::rowCount(const QModelIndex& rodic) const {
    if (rodic.isValid())
        return 0;
    return std::max<int>(1, static_cast<int>(radky_.size()));
}

int ModelRadku::columnCount(const QModelIndex& rodic) const {
    return rodic.isValid() ? 0 : static_cast<int>(nadpisy_.size());
}

QVariant ModelRadku::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    const auto r = static_cast<size_t>(index.row());
    if (r >= radky_.size())
        return QString();
    return radky_[r].value(index.column());
}

QVariant ModelRadku::headerData(int sekce, Qt::Orientation smer, int role) const {
    if (role != Qt::DisplayRole || smer != Qt::Horizontal || sekce < 0 || sekce >= nadpisy_.size())
        return {};
    return nadpisy_.at(sekce);
}
