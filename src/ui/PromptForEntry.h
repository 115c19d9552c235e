// The small modal dialog that asks for one list entry: a prompt, one line of text, OK and Cancel.
#pragma once

#include <functional>
#include <optional>

#include <QDialog>
#include <QSize>
#include <QString>

class QFont;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vorlex::ui {

/// The most characters a user can type into the entry prompt.
inline constexpr int kMaxEntryLength = 255;

/// The average character width of `font` (the 52 letters A to Z and a to z written together, divided by
/// 52, rounded down) and its character height; the base of the prompt's dialog units.
QSize AverageCharSize(const QFont& font);

/// Moves the top-level `widget` (already at its final size) to the centre of `centreOn`, kept on the screen
/// (a negative coordinate becomes 0, one that would run past the screen's right or bottom edge is pulled
/// back). When `centreOn` is null or hidden, `widget` is centred on its screen.
void CentreOn(QWidget* widget, QWidget* centreOn);

/// The entry prompt, laid out in dialog units of its font: horizontal units are a quarter of the average
/// character width, vertical units an eighth of the character height, each product rounded to the nearest
/// pixel. Usually shown through PromptForEntry; tests build it directly.
class PromptDialog : public QDialog {
    Q_OBJECT

  public:
    /// A prompt titled `caption` showing `prompt` above an edit that holds `value`, all of it selected.
    /// The dialog is centred on `centreOn` when that is visible, else on its screen.
    PromptDialog(const QString& caption, const QString& prompt, const QString& value, QWidget* centreOn);

    /// The text in the edit.
    QString Value() const;

    QLabel* PromptLabel() const { return label_; }         ///< the word-wrapped prompt
    QLineEdit* Edit() const { return edit_; }              ///< the entry's text
    QPushButton* OkButton() const { return ok_; }          ///< "OK", the default button
    QPushButton* CancelButton() const { return cancel_; }  ///< "Cancel", also the Esc key

  private:
    QLabel* label_;
    QLineEdit* edit_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

/// What a prompt asks; handed to the test hook.
struct PromptRequest {
    QString caption;
    QString prompt;
    QString value;
};

/// Answers prompts in place of the user (tests): the text confirmed with OK, or nothing for Cancel. The
/// answer is cut like the edit would cut typed text. An empty hook restores the real dialog.
using PromptHook = std::function<std::optional<QString>(const PromptRequest&)>;
void SetPromptHook(PromptHook hook);

/// Shows the prompt modally, centred on the main window (BoxParent()). Returns true when the user confirms
/// with OK and then replaces `value` with the text typed; on Cancel, Esc or the close box returns false and
/// leaves `value` alone. Typing stops at kMaxEntryLength characters; a longer starting value (an entry
/// loaded from a file) is shown whole, so confirming it unchanged does not cut it.
bool PromptForEntry(const QString& caption, const QString& prompt, QString& value);

}  // namespace vorlex::ui
