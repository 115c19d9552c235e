#include "ui/ListEditor.h"

#include <algorithm>

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QShowEvent>
#include <QStyle>

#include "platform/Errors.h"
#include "ui/HelpWindow.h"
#include "ui/PromptForEntry.h"
#include "ui/Scale.h"

namespace vorlex::ui {

namespace {

/// The entry's bytes as loaded, so entries the user does not change are saved byte for byte even when
/// they are not valid UTF-8.
constexpr int kRawRole = Qt::UserRole + 1;

const char* Caption(config::ListEditorMode mode) {
    switch (mode) {
        case config::ListEditorMode::Include:
            return "Files to Search For";
        case config::ListEditorMode::Exclude:
            return "Files to Ignore in Search";
        case config::ListEditorMode::RegEx:
            return "Manage Regular Expressions";
    }
    return "";
}

std::string Utf8(const QString& s) {
    return s.toUtf8().toStdString();
}

QString FromUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

/// A button at its designed place `place` grown by `scale`.
QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, const char* hint, QRect place,
                        const QIcon& icon, double scale) {
    auto* b = new QPushButton(QIcon(icon), QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromUtf8(name));
    b->setGeometry(Scaled(place, scale));
    b->setIconSize(QSize(Scaled(16, scale), Scaled(16, scale)));
    b->setToolTip(QString::fromUtf8(hint));
    b->setStatusTip(QString::fromUtf8(hint));
    return b;
}

}  // namespace

bool ListOrderLess(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

std::vector<config::ListEntry> SortedListEntries(std::vector<config::ListEntry> entries) {
    std::vector<std::pair<QString, config::ListEntry>> keyed;
    keyed.reserve(entries.size());
    for (auto& e : entries) {
        keyed.emplace_back(FromUtf8(e.text), std::move(e));
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& x, const auto& y) { return ListOrderLess(x.first, y.first); });
    entries.clear();
    for (auto& k : keyed) {
        entries.push_back(std::move(k.second));
    }
    return entries;
}

TForm4::TForm4(ListEditorContext context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      context_(std::move(context)) {
    setObjectName(QStringLiteral("TForm4"));
    const double scale = DesktopScale();
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8 * scale);
    setFont(font);
    setFixedSize(Scaled(QRect(0, 0, 335, 238), scale).size());
    // Every control of the dialog shares its help page.
    SetHelpContext(this, kHelpGeneral);
    InstallHelpKey(this);

    JvCheckListBox1 = new QListWidget(this);
    JvCheckListBox1->setObjectName(QStringLiteral("JvCheckListBox1"));
    JvCheckListBox1->setGeometry(Scaled(QRect(8, 8, 225, 220), scale));
    JvCheckListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    JvCheckListBox1->installEventFilter(this);

    QStyle* s = style();
    AddBitBtn = MakeButton(this, "AddBitBtn", "Add", "Add an entry into the list. [Insert key]",
                           QRect(248, 8, 75, 25), QIcon::fromTheme(QStringLiteral("list-add")), scale);
    RemoveBitBtn = MakeButton(
        this, "RemoveBitBtn", "Remove", "Remove and entry from the list. [Delete key]",
        QRect(248, 46, 75, 25),
        QIcon::fromTheme(QStringLiteral("list-remove"), s->standardIcon(QStyle::SP_TrashIcon)), scale);
    ChangeBitBtn = MakeButton(this, "ChangeBitBtn", "Change", "Edit the selected entry in the list.",
                              QRect(248, 83, 75, 25), QIcon(), scale);
    CancelBitBtn = MakeButton(this, "CancelBitBtn", "Cancel", "Cancel any changes.", QRect(248, 168, 75, 25),
                              s->standardIcon(QStyle::SP_DialogCancelButton), scale);
    ApplyBitBtn = MakeButton(this, "ApplyBitBtn", "Apply", "Apply changes and close.",
                             QRect(248, 203, 75, 25), s->standardIcon(QStyle::SP_DialogOkButton), scale);
    ApplyBitBtn->setDefault(true);

    connect(AddBitBtn, &QPushButton::clicked, this, [this] { AddFile(); });
    connect(RemoveBitBtn, &QPushButton::clicked, this, [this] { RemoveFile(); });
    connect(ChangeBitBtn, &QPushButton::clicked, this, [this] { ChangeFile(); });
    connect(JvCheckListBox1, &QListWidget::itemDoubleClicked, this, [this] { ChangeFile(); });
    connect(CancelBitBtn, &QPushButton::clicked, this, [this] {
        CancelBitBtnClick();
        reject();
    });
    connect(ApplyBitBtn, &QPushButton::clicked, this, [this] {
        // The dialog closes with OK even when saving fails.
        auto close = qScopeGuard([this] { accept(); });
        ApplyBitBtnClick();
    });
}

void TForm4::SetTargets(QLineEdit* includeFilesEdit, QLineEdit* excludeFilesEdit, QComboBox* regExEdit) {
    includeFilesEdit_ = includeFilesEdit;
    excludeFilesEdit_ = excludeFilesEdit;
    regExEdit_ = regExEdit;
}

void TForm4::SetMode(config::ListEditorMode mode) {
    mode_ = mode;
}

int TForm4::Execute(config::ListEditorMode mode) {
    SetMode(mode);
    return exec();
}

void TForm4::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        FormShow();
        CentreOn(this, BoxParent() != nullptr ? BoxParent() : parentWidget());
    }
    QDialog::showEvent(event);
}

bool TForm4::eventFilter(QObject* watched, QEvent* event) {
    if (watched == JvCheckListBox1 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Insert && key->modifiers() == Qt::NoModifier) {
            AddFile();
            return true;
        }
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            RemoveFile();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm4::FormShow() {
    setWindowTitle(QString::fromUtf8(Caption(mode_)));
    JvCheckListBox1->clear();
    loadError_ = 0;
    const std::string path = config::ListFilePath(context_.programPath, mode_);
    int rc = LoadFile(path);
    if (rc != 0 && rc != platform::kErrorFileNotFound) {
        // Remembered so that Apply cannot replace a list it never saw with an empty one.
        loadError_ = rc;
        ReportError("Unable to read " + path + "\nREASON: " + platform::ErrorText(rc));
    }
}

int TForm4::LoadFile(const std::string& path) {
    JvCheckListBox1->clear();
    std::vector<config::ListEntry> entries;
    int rc = config::ReadListFile(path, entries);
    for (const config::ListEntry& e : SortedListEntries(std::move(entries))) {
        auto* item = new QListWidgetItem(FromUtf8(e.text), JvCheckListBox1);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(e.checked ? Qt::Checked : Qt::Unchecked);
        item->setData(kRawRole, QByteArray(e.text.data(), static_cast<qsizetype>(e.text.size())));
    }
    return rc;
}

int TForm4::SaveFile(const std::string& path) const {
    return config::WriteListFile(path, Entries());
}

std::vector<config::ListEntry> TForm4::Entries() const {
    std::vector<config::ListEntry> entries;
    for (int i = 0; i < JvCheckListBox1->count(); ++i) {
        const QListWidgetItem* item = JvCheckListBox1->item(i);
        entries.push_back(
            {item->data(kRawRole).toByteArray().toStdString(), item->checkState() == Qt::Checked});
    }
    return entries;
}

QListWidgetItem* TForm4::InsertSorted(const config::ListEntry& entry) {
    const QString text = FromUtf8(entry.text);
    int row = 0;
    while (row < JvCheckListBox1->count() && !ListOrderLess(text, JvCheckListBox1->item(row)->text())) {
        ++row;
    }
    auto* item = new QListWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(entry.checked ? Qt::Checked : Qt::Unchecked);
    item->setData(kRawRole, QByteArray(entry.text.data(), static_cast<qsizetype>(entry.text.size())));
    JvCheckListBox1->insertItem(row, item);
    return item;
}

int TForm4::FindNoCase(const QString& text) const {
    for (int i = 0; i < JvCheckListBox1->count(); ++i) {
        if (QString::compare(JvCheckListBox1->item(i)->text(), text, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

QListWidgetItem* TForm4::Selected() const {
    const QList<QListWidgetItem*> selected = JvCheckListBox1->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

BoxResult TForm4::Box(const QString& text, BoxIcon icon, BoxButtons buttons) const {
    return ShowMessageBox(BoxParent(), {QStringLiteral("Vorlex:"), text, icon, buttons});
}

bool TForm4::CheckEntry(const QString& text) {
    const std::string utf8 = Utf8(text);
    if (mode_ == config::ListEditorMode::RegEx) {
        std::string why = context_.syntaxCheckRegEx ? context_.syntaxCheckRegEx(utf8) : std::string();
        if (text.isEmpty() && why.empty()) {
            why = "empty";
        }
        if (why.empty()) {
            return true;
        }
        // The compiler's complaint comes first, centred on the screen; an empty text fails without it.
        if (!text.isEmpty()) {
            ShowMessageBox(nullptr,
                           {QStringLiteral("Vorlex:"), QStringLiteral("Syntax Exception: \n") + FromUtf8(why),
                            BoxIcon::Error, BoxButtons::Ok});
        }
        Box(text + QStringLiteral(" is not a valid Regular Expression."), BoxIcon::Error);
        return false;
    }
    std::string why = context_.isValidFileType ? context_.isValidFileType(utf8) : std::string();
    if (text.isEmpty() && why.empty()) {
        why = "empty";
    }
    if (why.empty()) {
        return true;
    }
    Box(text + QStringLiteral(" is not a valid file type."), BoxIcon::Error);
    return false;
}

void TForm4::AddFile() {
    const bool regEx = mode_ == config::ListEditorMode::RegEx;
    QString value;
    if (!PromptForEntry(regEx ? QStringLiteral("RegEx to Add") : QStringLiteral("File Name/Type to Add"),
                        regEx ? QStringLiteral("Enter RegEx:") : QStringLiteral("Enter file Name/Type:"),
                        value)) {
        return;
    }
    if (!CheckEntry(value)) {
        return;
    }
    // Already listed (in any letter case): nothing to do and nothing to say.
    if (FindNoCase(value) >= 0) {
        return;
    }
    InsertSorted({Utf8(value), true});
}

void TForm4::RemoveFile() {
    QListWidgetItem* item = Selected();
    if (item == nullptr) {
        return;
    }
    if (Box(QStringLiteral("Remove ") + item->text() + QStringLiteral(" ?"), BoxIcon::Question,
            BoxButtons::YesNo) == BoxResult::Yes) {
        delete item;
    }
}

void TForm4::ChangeFile() {
    QListWidgetItem* item = Selected();
    if (item == nullptr) {
        return;
    }
    const bool regEx = mode_ == config::ListEditorMode::RegEx;
    QString value = item->text();
    if (!PromptForEntry(
            regEx ? QStringLiteral("Change RegEx") : QStringLiteral("Change File Name/Type"),
            regEx ? QStringLiteral("Change Regular Expression:") : QStringLiteral("Change file Name/Type:"),
            value)) {
        return;
    }
    if (!CheckEntry(value)) {
        return;
    }
    // The selected entry counts too: "changing" it to its own text is reported as well.
    if (FindNoCase(value) >= 0) {
        Box(regEx ? QStringLiteral("Expression: \n") + value + QStringLiteral("\nalready exists in the list.")
                  : value + QStringLiteral(" already exists in the list."),
            BoxIcon::Warning);
        return;
    }
    // The entry keeps its place and its tick until the list is next loaded.
    item->setText(value);
    item->setData(kRawRole, value.toUtf8());
}

void TForm4::ApplyBitBtnClick() {
    const std::string path = config::ListFilePath(context_.programPath, mode_);
    if (loadError_ != 0) {
        ReportError("Unable to write to " + path + "\nREASON: " + platform::ErrorText(loadError_));
        return;
    }
    if (int rc = SaveFile(path); rc != 0) {
        ReportError("Unable to write to " + path + "\nREASON: " + platform::ErrorText(rc));
        return;
    }
    const std::vector<config::ListEntry> entries = Entries();
    if (mode_ == config::ListEditorMode::RegEx) {
        Log("Regular Expressions changed.");
        if (regExEdit_ == nullptr) {
            return;
        }
        // Adding the first item to an empty box would make it the box's text; the text must stay.
        const QString text = regExEdit_->currentText();
        const int index = regExEdit_->currentIndex();
        for (const config::ListEntry& e : entries) {
            const QString item = FromUtf8(e.text);
            if (e.checked && regExEdit_->findText(item, Qt::MatchFixedString) < 0) {
                regExEdit_->addItem(item);
            }
        }
        if (regExEdit_->currentIndex() != index) {
            regExEdit_->setCurrentIndex(index);
        }
        regExEdit_->setEditText(text);
        return;
    }
    const bool include = mode_ == config::ListEditorMode::Include;
    QLineEdit* field = include ? includeFilesEdit_.data() : excludeFilesEdit_.data();
    const std::string joined = config::JoinTickedEntries(entries);
    std::string previous;
    if (field != nullptr) {
        previous = Utf8(field->text());
        field->setText(FromUtf8(joined));
    }
    Log(include ? "Include files changed:" : "Exclude files changed:");
    Log("From: " + previous);
    Log("To: " + joined);
}

void TForm4::CancelBitBtnClick() {}

void TForm4::Log(const std::string& line) const {
    if (context_.log != nullptr) {
        context_.log->WriteLog(line, base::kBlack, base::LogStyle::Regular);
    }
}

void TForm4::ReportError(const std::string& message) const {
    if (context_.reportError) {
        context_.reportError(message);
    } else {
        Box(FromUtf8(message), BoxIcon::Error);
    }
}

}  // namespace vorlex::ui
