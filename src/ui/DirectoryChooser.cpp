#include "ui/DirectoryChooser.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "ui/MessageBoxes.h"

namespace vorlex::ui {

namespace {

class DirectoryDialog : public QDialog {
  public:
    DirectoryDialog(QWidget* parent, const QString& start) : QDialog(parent) {
        setWindowTitle(QStringLiteral("Select Directory"));
        resize(420, 440);
        model_ = new QFileSystemModel(this);
        model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
        model_->setRootPath(QStringLiteral("/"));

        tree_ = new QTreeView(this);
        tree_->setObjectName(QStringLiteral("DirectoryTree"));
        tree_->setModel(model_);
        for (int column = 1; column < model_->columnCount(); ++column) {
            tree_->hideColumn(column);
        }
        tree_->header()->hide();
        edit_ = new QLineEdit(this);
        edit_->setObjectName(QStringLiteral("DirectoryEdit"));
        auto* label = new QLabel(QStringLiteral("&Directory:"), this);
        label->setBuddy(edit_);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkButton"));
        buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));

        auto* layout = new QVBoxLayout(this);
        layout->addWidget(tree_);
        layout->addWidget(label);
        layout->addWidget(edit_);
        layout->addWidget(buttons);

        const QModelIndex at = model_->index(QDir::cleanPath(start));
        if (at.isValid()) {
            tree_->setCurrentIndex(at);
            tree_->scrollTo(at);
        }
        edit_->setText(QDir::cleanPath(start));
        connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this](const QModelIndex& current) { edit_->setText(model_->filePath(current)); });
        connect(buttons, &QDialogButtonBox::accepted, this, &DirectoryDialog::Confirm);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    }

    QString Chosen() const { return chosen_; }

  private:
    void Confirm() {
        QString name = edit_->text().trimmed();
        if (name.isEmpty()) {
            return;
        }
        if (QDir::isRelativePath(name)) {
            const QModelIndex current = tree_->currentIndex();
            const QString base = current.isValid() ? model_->filePath(current) : QDir::currentPath();
            name = QDir(base).filePath(name);
        }
        name = QDir::cleanPath(name);
        if (!QFileInfo(name).isDir()) {
            BoxRequest ask;
            ask.title = QStringLiteral("Vorlex:");
            ask.text = QStringLiteral("The specified directory does not exist. Create it?");
            ask.icon = BoxIcon::Question;
            ask.buttons = BoxButtons::YesNo;
            if (ShowMessageBox(this, ask) != BoxResult::Yes) {
                return;
            }
        }
        chosen_ = name;
        accept();
    }

    QFileSystemModel* model_ = nullptr;
    QTreeView* tree_ = nullptr;
    QLineEdit* edit_ = nullptr;
    QString chosen_;
};

}  // namespace

std::optional<QString> ChooseDirectory(QWidget* parent, const QString& start) {
    DirectoryDialog dialog(parent, start);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Chosen();
}

}  // namespace vorlex::ui
