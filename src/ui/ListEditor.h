// The list editor TForm4: adds, removes, changes and ticks the entries of one of the three list files.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QDialog>
#include <QPointer>

#include "base/LogSink.h"
#include "config/ListFile.h"
#include "ui/MessageBoxes.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace vorlex::ui {

/// Tests whether a text may become an entry: returns "" when it may, otherwise the reason. Must not show
/// anything itself; the editor shows the boxes.
using EntryValidator = std::function<std::string(const std::string& text)>;

/// Everything the editor needs from the rest of the program.
struct ListEditorContext {
    /// Folder of the list files, with its trailing '/' (ProgramPath).
    std::string programPath;
    /// Receives the lines Apply logs (black, regular). May be null (nothing is logged).
    base::LogSink* log = nullptr;
    /// The file-mask test (IsValidFileType) for the modes Include and Exclude.
    EntryValidator isValidFileType;
    /// The expression test (SyntaxCheckRegEx) for the mode RegEx; the reason it gives is the compiler's
    /// message with the error offset, which the editor shows after "Syntax Exception: " and a line feed.
    EntryValidator syntaxCheckRegEx;
    /// Receives a list file's read or write failure ("Unable to write to PATH", a line feed, "REASON: "
    /// and the system's text). Unset: an error box titled "Vorlex:" shows it.
    std::function<void(const std::string& message)> reportError;
};

/// True when `a` sorts before `b` in the editor's list: code-point order of the case-folded texts, so the
/// order ignores letter case beyond ASCII too (not locale-aware).
bool ListOrderLess(const QString& a, const QString& b);

/// `entries` in the editor's display order: sorted by ListOrderLess, entries equal but for case keep their
/// file order. ClearRegExHistory uses it to fill the expression history in the editor's order.
std::vector<config::ListEntry> SortedListEntries(std::vector<config::ListEntry> entries);

/// The list editor dialog (caption by mode, 335 x 238 client pixels and Tahoma 8 pt, both grown by the
/// desktop font's scale). Created once by the main window and shown modally with Execute(); it can be built
/// and driven without the main window (tests).
class TForm4 : public QDialog {
    Q_OBJECT

  public:
    /// The dialog; `parent` is the main window (it stays a top-level window of its own).
    explicit TForm4(ListEditorContext context, QWidget* parent = nullptr);

    /// The main window's fields Apply writes the ticked entries to (mask fields, expression list); null
    /// targets are skipped.
    void SetTargets(QLineEdit* includeFilesEdit, QLineEdit* excludeFilesEdit, QComboBox* regExEdit);

    /// Sets ListEditorMode, the list the next opening works on.
    void SetMode(config::ListEditorMode mode);

    /// Sets the mode and shows the dialog modally; returns QDialog::Accepted after Apply, else Rejected.
    int Execute(config::ListEditorMode mode);

    /// Runs on every opening: the mode's caption, the list loaded from the mode's file.
    void FormShow();
    /// "Add" or the Insert key: asks for a new entry, checks it and adds it ticked at its sorted place.
    void AddFile();
    /// "Remove" or the Delete key: asks "Remove " + text + " ?" and removes the selected entry on Yes.
    void RemoveFile();
    /// "Change" or a double-click: asks for a new text of the selected entry, checks it, keeps its tick.
    void ChangeFile();
    /// "Apply" or Enter: saves the list, hands the ticked entries to the targets, logs it, closes Accepted.
    void ApplyBitBtnClick();
    /// "Cancel": does nothing; the button's close result discards the edits.
    void CancelBitBtnClick();

    /// Fills the list from the list file `path`. Returns 0 or the read error (kErrorFileNotFound if missing).
    int LoadFile(const std::string& path);
    /// Writes the list to `path` in display order. Returns 0 or the write error.
    int SaveFile(const std::string& path) const;
    /// The entries in display order.
    std::vector<config::ListEntry> Entries() const;

    QListWidget* JvCheckListBox1;  ///< the check list
    QPushButton* AddBitBtn;        ///< "Add"
    QPushButton* RemoveBitBtn;     ///< "Remove"
    QPushButton* ChangeBitBtn;     ///< "Change"
    QPushButton* CancelBitBtn;     ///< "Cancel" (Esc)
    QPushButton* ApplyBitBtn;      ///< "Apply" (Enter)

  protected:
    /// Runs FormShow and centres the dialog on the main window each time it opens.
    void showEvent(QShowEvent* event) override;
    /// The list's keys: Insert runs AddFile, Delete runs RemoveFile (JvCheckListBox1KeyDown).
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    /// Runs the mode's validator; shows the boxes of a refused text and returns false.
    bool CheckEntry(const QString& text);
    /// Index of the entry equal to `text` without regard to case, -1 when there is none.
    int FindNoCase(const QString& text) const;
    /// Adds `entry` at its sorted place (after entries that sort equal).
    QListWidgetItem* InsertSorted(const config::ListEntry& entry);
    /// The selected entry, null when none.
    QListWidgetItem* Selected() const;
    /// Shows a box titled "Vorlex:" over the main window.
    BoxResult Box(const QString& text, BoxIcon icon, BoxButtons buttons = BoxButtons::Ok) const;
    /// Logs one black, regular line.
    void Log(const std::string& line) const;
    /// Hands a file error to the context's handler, or shows it.
    void ReportError(const std::string& message) const;

    ListEditorContext context_;
    config::ListEditorMode mode_ = config::ListEditorMode::Include;
    int loadError_ = 0;  ///< the read error of the last opening, 0 when the list loaded or was missing
    QPointer<QLineEdit> includeFilesEdit_;
    QPointer<QLineEdit> excludeFilesEdit_;
    QPointer<QComboBox> regExEdit_;
};

}  // namespace vorlex::ui
