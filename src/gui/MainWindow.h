// The main window TForm1: every control at its designed place, forwarding its events to the controller.
#pragma once

#include <QElapsedTimer>
#include <QString>

#include <QWidget>
#include <array>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/Controller.h"
#include "app/ControllerView.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTableView;
class QTimer;
class QToolButton;
class QSpinBox;
class QButtonGroup;
class QMenu;

namespace vorlex::ui {
class TAboutBox;
class TForm4;
}  // namespace vorlex::ui

namespace vorlex::app {

class GuiResultModel;

/// The one main window of the program. It owns the controller and shows its state.
class TForm1 final : public QWidget, public ControllerView {
    Q_OBJECT
  public:
    /// Designed client size at scale 1. At the layout scale it is also the minimum size, cut to the screen's
    /// available area where that is smaller.
    static constexpr int kDesignWidth = 617;
    static constexpr int kDesignHeight = 624;

    explicit TForm1(Environment env, QWidget* parent = nullptr);
    ~TForm1() override;

    /// The controller the window drives.
    Controller& Ctl() { return *controller_; }

    /// Restores the window if minimised and brings it to the front (a second start asked for it).
    void BringToFront();

    /// The start-up sequence: runs once the window exists; shows the window when start-up succeeds.
    void Init();

    // ControllerView
    void LogChanged() override;
    void FlushLog() override;
    void ShowMessage(const Message& message) override;
    void KeepAlive() override;
    void BusyChanged(bool busy) override;
    void RowsChanged() override;
    void RowUpdated(std::size_t index) override;
    void SetDeleteEnabled(bool enabled) override;
    void CriteriaChanged() override;
    void ClearRegExHistory() override;
    void AddRegExHistory(const std::string& expression) override;
    void Terminate(int code) override;

    /// Picks a directory for DrivePathButtonClick: returns the chosen path, or nothing on cancel. Tests
    /// replace it; the default shows the directory dialog.
    using DirectoryChooser = std::function<std::optional<QString>(QWidget* parent, const QString& start)>;
    static void SetDirectoryChooser(DirectoryChooser chooser);

    // Handlers of the criteria controls.
    void CheckRegExSpeedButtonClick();
    void DrivePathButtonClick();
    void IncludeFiles();
    void ExcludeFiles();
    void SaveSettingsBitBtnClick();
    void AutoSaveOnExitCheckBoxClick();
    // Handlers of the result list and the bottom row.
    void CopyLine();
    void ExplorerHere();
    void CmdPromptHere();
    /// Applies the saved window geometry (interactive start), brought inside the available area of the
    /// screen it lands on; the layout is scaled for that screen first.
    void ReadFormSettings();
    /// Saves the window geometry; a failure is logged and never stops the close.
    void SaveFormSettings();

    ui::TForm4* Form4 = nullptr;
    ui::TAboutBox* AboutBox = nullptr;
    QMenu* RegExPopupMenu = nullptr;
    QMenu* ListViewPopupMenu = nullptr;

    /// The factor the designed pixel numbers are scaled by: the desktop font's pixel size over 11, lowered
    /// where the screen is too small for it, never below 1.
    double LayoutScale() const { return scale_; }

    /// Splits the work panel: the list takes the upper half, the log the rest after an 8-pixel gap (scaled).
    void Panel1Resize();
    /// Gives the expression box its normal colour back after a syntax check.
    void Timer2Timer();

    // Controls, named as designed, for the handlers and the tests.
    QFrame* Bevel1 = nullptr;
    QLabel* Label1 = nullptr;
    QSpinBox* DaysOldEdit = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* DelEmptyDirsCheckBox = nullptr;
    QCheckBox* AutoSaveOnExitCheckBox = nullptr;
    QCheckBox* MoveToTrashCheckBox = nullptr;
    QPushButton* SaveSettingsBitBtn = nullptr;
    QLabel* DrivePathLabel = nullptr;
    QLineEdit* DrivePathEdit = nullptr;
    QToolButton* SelectDrivePathBtn = nullptr;
    QToolButton* UseIncludeFilesButton = nullptr;
    QLineEdit* IncludeFilesEdit = nullptr;
    QToolButton* IncludeFilesSpeedButton = nullptr;
    QToolButton* UseExcludeFilesButton = nullptr;
    QLineEdit* ExcludeFilesEdit = nullptr;
    QToolButton* ExcludeFilesSpeedButton = nullptr;
    QToolButton* UseRegExButton = nullptr;
    QComboBox* RegExEdit = nullptr;
    QToolButton* CheckRegExSpeedButton = nullptr;
    QToolButton* ModifyRegExSpeedButton = nullptr;
    QToolButton* NOTRegExSpeedButton = nullptr;
    QWidget* RegExRadioGroup = nullptr;
    QButtonGroup* RegExRadioButtons = nullptr;
    QPushButton* ScanNowBitBtn = nullptr;
    QPushButton* DeleteBitBtn = nullptr;
    QPushButton* StopBitBtn = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QWidget* Panel1 = nullptr;
    QTableView* ListView1 = nullptr;
    QPlainTextEdit* RichEdit1 = nullptr;
    QPushButton* AboutBitBtn = nullptr;
    QPushButton* HelpBitBtn = nullptr;
    QPushButton* CloseBitBtn = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    GuiResultModel* ResultModel = nullptr;

    /// Captions that do not fit their designed width with `font` (empty when all fit).
    QStringList ClippedCaptions(const QFont& font) const;

    /// The Close button: saves the geometry (and the criteria when auto-save is on), then ends.
    void CloseBitBtnClick();

  protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void BuildControls();
    /// Picks the largest font size, up to 11 pixels at the layout scale, at which every caption fits its
    /// place.
    void FitFont();
    void SetTabOrder();
    /// Sets the layout scale for a screen whose available area is `area` (invalid: no limit), then the
    /// icon sizes, column widths, font, minimum size and every control's place.
    void ApplyScale(const QRect& area);
    /// Gives the window the client size of `wanted` (at least the minimum) and its frame the position of
    /// `wanted`, moved and shrunk so that the frame lies inside `area` (invalid: as it is).
    void PlaceInside(const QRect& wanted, const QRect& area);
    /// Places every control from its designed place at the layout scale, following the window's size.
    void LayoutAnchored();
    /// The seven cells of the selected row (File as raw bytes), or nothing without a selection.
    std::optional<std::array<std::string, 7>> SelectedRowCells() const;
    /// Shows `text` in the expression box's background colour for a syntax-check result.
    void PaintRegExEdit(const QColor& colour);
    /// Runs a scan or deletion from a button, unless one runs already, and ends the program afterwards if a
    /// close came meanwhile.
    template <typename F>
    void RunOperation(F&& op);

    std::unique_ptr<Controller> controller_;
    std::vector<QWidget*> controls_;  ///< the controls of the control table, in its order
    double scale_ = 1;
    QElapsedTimer keepAlive_;
    QTimer* logFlush_ = nullptr;
    size_t logShown_ = 0;
    std::uint64_t logGeneration_ = 0;
    bool closePending_ = false;
    bool operating_ = false;   ///< a button's scan or deletion is under way, busy or not
    bool refreshing_ = false;  ///< controls are being set from the criteria: their signals change nothing
};

}  // namespace vorlex::app
