#include "gui/GuiResultModel.h"

#include "app/Controller.h"
#include "scan/RowFormat.h"

namespace vorlex::app {

GuiResultModel::GuiResultModel(const Controller& controller, QObject* parent)
    : QAbstractTableModel(parent), controller_(controller) {}

int GuiResultModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

int GuiResultModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(scan::Column::Count);
}

QString GuiResultModel::CellText(int row, int column) const {
    const auto& rows = controller_.Rows();
    if (row < 0 || static_cast<size_t>(row) >= rows.size()) {
        return {};
    }
    // fromUtf8 shows invalid bytes of a name as U+FFFD.
    return QString::fromUtf8(
        controller_.Formatter().CellText(rows[static_cast<size_t>(row)], static_cast<scan::Column>(column)));
}

QVariant GuiResultModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return CellText(index.row(), index.column());
    }
    if (role == Qt::TextAlignmentRole) {
        auto col = static_cast<scan::Column>(index.column());
        bool right = col == scan::Column::AgeDays || col == scan::Column::SizeKB;
        return QVariant::fromValue(Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft));
    }
    return {};
}

QVariant GuiResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return QString::fromUtf8(scan::ColumnCaption(static_cast<scan::Column>(section)));
    }
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole) {
        auto col = static_cast<scan::Column>(section);
        bool right = col == scan::Column::AgeDays || col == scan::Column::SizeKB;
        return QVariant::fromValue(Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft));
    }
    return {};
}

void GuiResultModel::Reset() {
    beginResetModel();
    shownRows_ = static_cast<int>(controller_.Rows().size());
    endResetModel();
}

void GuiResultModel::Sync() {
    int now = static_cast<int>(controller_.Rows().size());
    if (now < shownRows_) {
        Reset();
    } else if (now > shownRows_) {
        beginInsertRows({}, shownRows_, now - 1);
        shownRows_ = now;
        endInsertRows();
    }
}

}  // namespace vorlex::app
