// The about box `TAboutBox`: the program's name, icon and version, the web address, and a hidden switch
// for debug logging on the version label.
#pragma once

#include <functional>

#include <QDialog>

#include "base/LogSink.h"

class QFrame;
class QLabel;
class QPushButton;

namespace vorlex::ui {

/// The about box. Created once with the main window as parent and shown modally (exec) on demand; it
/// holds no state of its own. Every time it is shown it sets the version label from app::GetVersionText
/// and the web address and the two notice lines. A click on the version label runs ToggleDebugMode; a
/// click on the web address opens it with the default browser (platform::OpenUrl).
class TAboutBox : public QDialog {
    Q_OBJECT

  public:
    /// The web address the box shows and opens.
    static constexpr const char* kWebAddress = "https://vorlex.invalid/";

    /// `getDebug` and `setDebug` read and write the program's `DebugMode`; `log` receives the
    /// "DEBUG = " lines. All three must outlive the box.
    TAboutBox(QWidget* parent, base::LogSink& log, std::function<bool()> getDebug,
              std::function<void(bool)> setDebug);

    /// Flips `DebugMode`, logs "DEBUG = True" or "DEBUG = False" in red bold and sounds the default beep.
    /// The change is not saved to the settings file here.
    void ToggleDebugMode();

    /// Hands the web address to the user's default handler; the result is not checked.
    void URLLabelClick();

    QLabel* Version() const { return version_; }         ///< the version label (`Version`)
    QLabel* URLLabel() const { return urlLabel_; }       ///< the web address (`URLLabel`)
    QPushButton* OKBitBtn() const { return okButton_; }  ///< the OK button (`OKBitBtn`)

  protected:
    /// `FormShow`: fills the texts and centres the box on the main window, inside its screen.
    void showEvent(QShowEvent* event) override;
    /// Turns clicks on the version label and the web address into their actions.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormShow();

    base::LogSink& log_;
    std::function<bool()> getDebug_;
    std::function<void(bool)> setDebug_;
    QFrame* panel_ = nullptr;
    QLabel* programIcon_ = nullptr;
    QLabel* productName_ = nullptr;
    QLabel* version_ = nullptr;
    QLabel* notice1_ = nullptr;
    QLabel* notice2_ = nullptr;
    QLabel* urlLabel_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

}  // namespace vorlex::ui
