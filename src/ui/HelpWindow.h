// Help: the help pages beside the program shown in a window of their own, the Help button's and F1's way
// there, and the help contexts the controls carry.
#pragma once

#include <functional>

#include <QString>
#include <QWidget>

class QTextBrowser;
class QToolButton;
class QUrl;

namespace vorlex::ui {

inline constexpr int kHelpContents = 0;  ///< the table of contents (index.html)
inline constexpr int kHelpGeneral = 60;  ///< the general controls of the main window
inline constexpr int kHelpRegEx = 90;    ///< the regular-expression controls

/// The page of a help context: "index.html" for 0, otherwise "context" + number + ".html".
QString HelpPageName(int context);

/// The help folder: ProgramFolder() + "VorlexHelp/".
QString DefaultHelpFolder();

/// A window that shows the help pages of one folder, with Contents, Back and Forward buttons. Links to
/// other pages of the folder open in the window; web addresses open in the default browser. A missing
/// folder or page is never an error: the window shows a short notice instead.
class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    /// A help window over `helpFolder` (a trailing '/' is optional).
    explicit HelpWindow(const QString& helpFolder = DefaultHelpFolder(), QWidget* parent = nullptr);

    /// Shows the page of `context`; the contents when that page does not exist; a notice naming the
    /// folder when the contents are missing too.
    void ShowContext(int context);

    /// True when the window shows a help page, false when it shows the notice.
    bool ShowsPage() const { return showsPage_; }

    /// The browser that shows the pages.
    QTextBrowser* Browser() const { return browser_; }

  private:
    void OpenLink(const QUrl& link);
    void ShowNotice();

    QString folder_;
    QTextBrowser* browser_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    bool showsPage_ = false;
};

/// Replaces ShowHelp's window (tests): the hook receives the context asked for and nothing is shown. An
/// empty hook restores the window.
using HelpHook = std::function<void(int context)>;
void SetHelpHook(HelpHook hook);

/// The Help button and F1: shows the program's help window at the page of `context` (kHelpContents for the
/// table of contents). The window is created on first use as a window of its own over the main window
/// (ui::BoxParent) and reused while it stays open. Nothing is reported when the help is missing.
void ShowHelp(int context);

/// Gives `widget` the help context `context` (0 removes it).
void SetHelpContext(QWidget* widget, int context);

/// The help context of `widget`, or of its nearest enclosing widget that has one; 0 when none has.
int HelpContextOf(const QWidget* widget);

/// Makes F1 anywhere in `window` show the help of the focused control (HelpContextOf), the table of
/// contents when it has no context.
void InstallHelpKey(QWidget* window);

}  // namespace vorlex::ui
