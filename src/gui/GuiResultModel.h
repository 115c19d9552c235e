// The result list's model: a virtual table over the controller's rows, formatted only when shown.
#pragma once

#include <QAbstractTableModel>

namespace vorlex::app {

class Controller;

/// Read-only table model of the result rows; a million rows cost no widgets and no preformatted text.
class GuiResultModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit GuiResultModel(const Controller& controller, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    /// The controller's rows changed wholesale: the view starts over.
    void Reset();
    /// Rows were appended (a scan in progress): the view learns of the new ones only.
    void Sync();
    /// The text of one cell, as shown.
    QString CellText(int row, int column) const;

  private:
    const Controller& controller_;
    int shownRows_ = 0;  ///< the row count the view knows; the model never reports more than it was told
};

}  // namespace vorlex::app
