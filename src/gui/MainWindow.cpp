#include "gui/MainWindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QTableView>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <QToolButton>

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include <algorithm>

#include "config/ListFile.h"
#include "config/Validation.h"
#include "gui/GuiResultModel.h"
#include "scan/RowFormat.h"
#include "ui/AboutBox.h"
#include "ui/DirectoryChooser.h"
#include "ui/Glyphs.h"
#include "ui/HelpWindow.h"
#include "ui/ListActions.h"
#include "ui/ListEditor.h"
#include "ui/MessageBoxes.h"
#include "ui/Scale.h"

namespace vorlex::app {

namespace {

/// The days box: a number typed above the maximum becomes the maximum at once. A plain spin box refuses the
/// key that makes the number too large and keeps the shorter number typed so far (20000 would stay 2,000),
/// which would list files younger than the user asked for.
class DaysSpinBox : public QSpinBox {
  public:
    using QSpinBox::QSpinBox;

  protected:
    QValidator::State validate(QString& input, int& pos) const override {
        QValidator::State state = QSpinBox::validate(input, pos);
        if (state != QValidator::Invalid) {
            return state;
        }
        QString digits = input.trimmed();
        digits.remove(locale().groupSeparator());
        bool ok = false;
        const qlonglong typed = locale().toLongLong(digits, &ok);
        const bool allDigits = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        });
        // Digits too many even for a 64-bit number (not ok) are above the maximum as well.
        if (!allDigits || (ok && typed <= maximum())) {
            return state;
        }
        input = textFromValue(maximum());
        pos = static_cast<int>(input.size());
        return QValidator::Acceptable;
    }
};

/// Where the window opens before any saved position applies.
constexpr QPoint kDesignPosition(297, 198);

/// The least designed height the window is shrunk to on a small screen: the panel at a third of its 333.
constexpr int kLeastDesignHeight = 402;

/// Point size of the NOT button's caption at scale 1.
constexpr double kNotCaptionPoints = 10;

/// A sticky toggle: when on, the inside of its pressed frame is exactly its palette's button colour. Styles
/// shade a pressed button's colour (Fusion by a gradient, Windows by a dither), which would lose the green.
class ToggleButton : public QToolButton {
  public:
    using QToolButton::QToolButton;

  protected:
    void paintEvent(QPaintEvent* e) override {
        if (!isChecked()) {
            QToolButton::paintEvent(e);
            return;
        }
        QStylePainter p(this);
        QStyleOptionToolButton opt;
        initStyleOption(&opt);
        p.drawPrimitive(QStyle::PE_PanelButtonTool, opt);
        const int frame = std::max(1, style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, this));
        p.fillRect(rect().adjusted(frame, frame, -frame, -frame), palette().color(QPalette::Button));
        p.drawControl(QStyle::CE_ToolButtonLabel, opt);
    }
};

QColor ToQColor(base::LogColour c) {
    return QColor(c.r, c.g, c.b);
}

const QColor kToggleOn(125, 210, 125);
const QColor kSyntaxPassed(0xA2, 0xF3, 0xA2);
const QColor kSyntaxFailed(0xFF, 0xAB, 0xAB);

TForm1::DirectoryChooser& Chooser() {
    static TForm1::DirectoryChooser chooser;
    return chooser;
}

}  // namespace

TForm1::TForm1(Environment env, QWidget* parent) : QWidget(parent) {
    controller_ = std::make_unique<Controller>(*this, std::move(env));
    setObjectName("TForm1");
    setWindowTitle("Vorlex");
    BuildControls();
    SetTabOrder();
    const QRect area = screen() != nullptr ? screen()->availableGeometry() : QRect();
    ApplyScale(area);
    PlaceInside(
        QRect(kDesignPosition, QSize(ui::Scaled(kDesignWidth, scale_), ui::Scaled(kDesignHeight, scale_))),
        area);

    logFlush_ = new QTimer(this);
    logFlush_->setSingleShot(true);
    logFlush_->setInterval(30);
    connect(logFlush_, &QTimer::timeout, this, &TForm1::FlushLog);
    keepAlive_.start();
    ui::SetBoxParent(this);
}

TForm1::~TForm1() {
    ui::SetBoxParent(nullptr);
}

namespace {

/// The kinds of the window's fixed controls (PathEdit: a read-only box the user fills by a dialog).
enum class Kind { Frame, Label, Days, Check, Push, PathEdit, Toggle, Tool, Combo, Group, Progress };

/// The help page of a control F1 does not reach.
constexpr int kNoHelp = -1;

/// How a control follows the window's size beyond the scaled design (none: it keeps its place and size).
enum Anchor : unsigned { kGrowRight = 1, kGrowDown = 2, kFollowRight = 4, kFollowBottom = 8 };

/// One control at its designed place (scale 1); a label (width 0) takes the size of its caption.
struct ControlSpec {
    Kind kind;
    const char* name;
    void (*keep)(TForm1&, QWidget*);  ///< stores the control in its member
    const char* caption;
    int x, y, width, height;
    const char* hint;
    const char* glyph = nullptr;  ///< icon name (ui::Glyph); a tool button with one shows no caption
    int help = ui::kHelpGeneral;  ///< help page of F1; kNoHelp for none
    unsigned anchors = 0;         ///< Anchor flags
};

/// Stores `w` in the window's member `Member`.
template <auto Member>
void Keep(TForm1& form, QWidget* w) {
    form.*Member = static_cast<std::remove_reference_t<decltype(form.*Member)>>(w);
}

const char* const kPathHint = "Choose another drive/path to search. Includes subdirectories.";

// In creation order, which is also the order of stacking.
const ControlSpec kControls[] = {
    {Kind::Frame, "Bevel1", Keep<&TForm1::Bevel1>, "", 8, 3, 602, 194, nullptr, nullptr, ui::kHelpGeneral,
     kGrowRight},
    {Kind::Label, "Label1", Keep<&TForm1::Label1>, "Remove files older than", 16, 18, 0, 0, nullptr, nullptr,
     kNoHelp},
    {Kind::Days, "DaysOldEdit", Keep<&TForm1::DaysOldEdit>, "", 132, 15, 61, 21,
     "Age files must be before being deleted."},
    {Kind::Label, "Label2", Keep<&TForm1::Label2>, "days.", 198, 18, 0, 0, nullptr, nullptr, kNoHelp},
    {Kind::Check, "DelEmptyDirsCheckBox", Keep<&TForm1::DelEmptyDirsCheckBox>, "Delete Empty Directories",
     266, 17, 151, 17, nullptr},
    {Kind::Check, "AutoSaveOnExitCheckBox", Keep<&TForm1::AutoSaveOnExitCheckBox>, "Auto Save Save on Exit",
     266, 33, 151, 17, nullptr},
    {Kind::Push, "SaveSettingsBitBtn", Keep<&TForm1::SaveSettingsBitBtn>, "Save Settings", 496, 16, 103, 25,
     "Save the current screen settings.", "document-save"},
    {Kind::Label, "DrivePathLabel", Keep<&TForm1::DrivePathLabel>,
     "Drive Path to Search: (Includes subdirectories)", 16, 56, 0, 0, nullptr, nullptr, kNoHelp},
    {Kind::PathEdit, "DrivePathEdit", Keep<&TForm1::DrivePathEdit>, "", 16, 56, 553, 21, kPathHint},
    {Kind::Tool, "SelectDrivePathBtn", Keep<&TForm1::SelectDrivePathBtn>, "...", 576, 56, 23, 21, kPathHint,
     "folder-open"},
    {Kind::Toggle, "UseIncludeFilesButton", Keep<&TForm1::UseIncludeFilesButton>, "Include Files", 16, 84, 81,
     21, "Toggle use of file types to include in the search."},
    {Kind::PathEdit, "IncludeFilesEdit", Keep<&TForm1::IncludeFilesEdit>, "", 103, 84, 466, 21,
     "Include a file in the search."},
    {Kind::Tool, "IncludeFilesSpeedButton", Keep<&TForm1::IncludeFilesSpeedButton>, "...", 576, 84, 23, 21,
     "Include a file in the search.", "view-list-details"},
    {Kind::Toggle, "UseExcludeFilesButton", Keep<&TForm1::UseExcludeFilesButton>, "Exclude Files", 16, 116,
     81, 21, "Toggle use of file types to exclude from the search."},
    {Kind::PathEdit, "ExcludeFilesEdit", Keep<&TForm1::ExcludeFilesEdit>, "", 103, 116, 466, 21,
     "Exclude a file in the search."},
    {Kind::Tool, "ExcludeFilesSpeedButton", Keep<&TForm1::ExcludeFilesSpeedButton>, "...", 576, 116, 23, 21,
     "Exclude a file in the search.", "view-list-details"},
    {Kind::Toggle, "UseRegExButton", Keep<&TForm1::UseRegExButton>, "Use RegEx", 16, 147, 81, 21,
     "Toggle use of regular expression (RegEx).", nullptr, ui::kHelpRegEx},
    {Kind::Combo, "RegExEdit", Keep<&TForm1::RegExEdit>, "", 103, 147, 438, 21,
     "Regular expression (RegEx) applied to path and filename.", nullptr, ui::kHelpRegEx},
    {Kind::Tool, "CheckRegExSpeedButton", Keep<&TForm1::CheckRegExSpeedButton>, "\u2713", 546, 147, 23, 21,
     "Syntax check Regular Expression (RegEx) statement.", "tools-check-spelling", ui::kHelpRegEx},
    {Kind::Tool, "ModifyRegExSpeedButton", Keep<&TForm1::ModifyRegExSpeedButton>, "R", 576, 147, 23, 21,
     "Manage popular Regular Expression (RegEx) list.", nullptr, ui::kHelpRegEx},
    {Kind::Tool, "NOTRegExSpeedButton", Keep<&TForm1::NOTRegExSpeedButton>, "!", 103, 172, 23, 21,
     "NOT boolean logic applied to Regular expression (RegEx) statement.", nullptr, ui::kHelpRegEx},
    {Kind::Group, "RegExRadioGroup", Keep<&TForm1::RegExRadioGroup>, "", 148, 162, 285, 31,
     "Determines what part of the Path and File the Regular Expression is applied to.", nullptr,
     ui::kHelpRegEx},
    {Kind::Check, "MoveToTrashCheckBox", Keep<&TForm1::MoveToTrashCheckBox>, "Move to Trash", 466, 174, 131,
     17,
     "Move the listed files to the trash instead of deleting them. Files on a file system without a trash "
     "are "
     "kept (TrashOrDelete=1 in Vorlex.ini deletes them)."},
    {Kind::Push, "ScanNowBitBtn", Keep<&TForm1::ScanNowBitBtn>, "Scan Now", 8, 204, 89, 25,
     "Scan for files older than specified days and other criteria (Does not delete)", "edit-find"},
    {Kind::Push, "DeleteBitBtn", Keep<&TForm1::DeleteBitBtn>, "Delete Files", 105, 204, 89, 25,
     "Delete the files listed.", "edit-delete"},
    {Kind::Push, "StopBitBtn", Keep<&TForm1::StopBitBtn>, "&Stop", 201, 204, 75, 25,
     "Stop the current operation.", "process-stop"},
    {Kind::Progress, "ProgressBar1", Keep<&TForm1::ProgressBar1>, "", 289, 204, 321, 25, nullptr, nullptr,
     kNoHelp},
    {Kind::Group, "Panel1", Keep<&TForm1::Panel1>, "", 8, 235, 601, 333, nullptr, nullptr, kNoHelp,
     kGrowRight | kGrowDown},
    {Kind::Push, "AboutBitBtn", Keep<&TForm1::AboutBitBtn>, "&About...", 8, 574, 75, 25, "About Vorlex ...",
     "help-about", ui::kHelpGeneral, kFollowBottom},
    {Kind::Push, "HelpBitBtn", Keep<&TForm1::HelpBitBtn>, "&Help", 89, 574, 75, 25,
     "Display application help. [F1]", "help-contents", ui::kHelpGeneral, kFollowBottom},
    {Kind::Push, "CloseBitBtn", Keep<&TForm1::CloseBitBtn>, "&Close", 534, 574, 75, 25,
     "Exit the application.", "window-close", ui::kHelpGeneral, kFollowRight | kFollowBottom},
};

QWidget* MakeControl(const ControlSpec& c, QWidget* parent) {
    const QString caption = QString::fromUtf8(c.caption);
    QWidget* w = nullptr;
    switch (c.kind) {
        case Kind::Frame: {
            auto* f = new QFrame(parent);
            f->setFrameShape(QFrame::Panel);
            f->setFrameShadow(QFrame::Raised);
            w = f;
            break;
        }
        case Kind::Label:
            w = new QLabel(caption, parent);
            break;
        case Kind::Days:
            w = new DaysSpinBox(parent);
            break;
        case Kind::Check:
            w = new QCheckBox(caption, parent);
            break;
        case Kind::Push:
            w = new QPushButton(caption, parent);
            break;
        case Kind::PathEdit: {
            auto* e = new QLineEdit(parent);
            e->setReadOnly(true);
            w = e;
            break;
        }
        case Kind::Toggle:
        case Kind::Tool: {
            auto* b = c.kind == Kind::Toggle ? new ToggleButton(parent) : new QToolButton(parent);
            b->setText(caption);
            if (c.kind == Kind::Toggle) {
                b->setCheckable(true);
                b->setAutoFillBackground(true);
            }
            w = b;
            break;
        }
        case Kind::Combo:
            w = new QComboBox(parent);
            break;
        case Kind::Group:
            w = new QWidget(parent);
            break;
        case Kind::Progress:
            w = new QProgressBar(parent);
            break;
    }
    w->setObjectName(c.name);
    if (c.hint != nullptr) {
        w->setStatusTip(QString::fromUtf8(c.hint));
    }
    if (c.glyph != nullptr) {
        auto* b = static_cast<QAbstractButton*>(w);
        b->setIcon(ui::Glyph(c.glyph));
        if (c.kind == Kind::Tool) {
            b->setText(QString());
        }
    }
    if (c.help != kNoHelp) {
        ui::SetHelpContext(w, c.help);
    }
    return w;
}

}  // namespace

void TForm1::BuildControls() {
    for (const ControlSpec& c : kControls) {
        controls_.push_back(MakeControl(c, this));
        c.keep(*this, controls_.back());
    }

    DaysOldEdit->setRange(config::kMinDaysOld, config::kMaxDaysOld);
    DaysOldEdit->setGroupSeparatorShown(true);
    DrivePathLabel->setBuddy(DrivePathEdit);
    RegExEdit->setEditable(true);
    RegExEdit->setMaxVisibleItems(10);
    RegExEdit->setInsertPolicy(QComboBox::NoInsert);
    RegExEdit->setCompleter(nullptr);
    RegExEdit->setContextMenuPolicy(Qt::CustomContextMenu);
    auto colourCaption = [](QToolButton* b, const QColor& colour, int points) {
        QFont bf = b->font();
        bf.setBold(true);
        if (points > 0) {
            bf.setPointSize(points);
        }
        b->setFont(bf);
        QPalette p = b->palette();
        // Only the enabled look is coloured; a disabled button greys out like the others.
        p.setColor(QPalette::Active, QPalette::ButtonText, colour);
        p.setColor(QPalette::Inactive, QPalette::ButtonText, colour);
        b->setPalette(p);
    };
    colourCaption(ModifyRegExSpeedButton, QColor(0, 0, 255), 0);
    NOTRegExSpeedButton->setCheckable(true);
    colourCaption(NOTRegExSpeedButton, QColor(255, 0, 0), 10);

    RegExRadioButtons = new QButtonGroup(this);
    const char* items[] = {"Path + File", "Path Only", "File Only"};
    for (int i = 0; i < 3; ++i) {
        auto* rb = new QRadioButton(items[i], RegExRadioGroup);
        rb->setObjectName(QString("RegExRadioItem%1").arg(i));
        rb->setStatusTip(RegExRadioGroup->statusTip());
        RegExRadioButtons->addButton(rb, i);
    }
    RegExRadioButtons->button(0)->setChecked(true);

    DeleteBitBtn->setEnabled(false);
    StopBitBtn->setEnabled(false);
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, StopBitBtn, [this] {
        if (StopBitBtn->isEnabled()) {
            StopBitBtn->click();
        }
    });

    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setVisible(false);

    Panel1->installEventFilter(this);

    ListView1 = new QTableView(Panel1);
    ListView1->setObjectName("ListView1");
    ResultModel = new GuiResultModel(*controller_, this);
    ListView1->setModel(ResultModel);
    ListView1->setShowGrid(true);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setWordWrap(false);
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    ListView1->verticalHeader()->setVisible(false);
    // Fixed row heights keep a million rows cheap: the view never measures them.
    ListView1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ListView1->horizontalHeader()->setHighlightSections(false);
    ListView1->setStatusTip("Search results.");

    RichEdit1 = new QPlainTextEdit(Panel1);
    RichEdit1->setObjectName("RichEdit1");
    RichEdit1->setReadOnly(true);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    {
        QPalette p = RichEdit1->palette();
        p.setColor(QPalette::Base, p.color(QPalette::ToolTipBase));
        p.setColor(QPalette::Text, p.color(QPalette::WindowText));
        RichEdit1->setPalette(p);
    }

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(true);

    Timer1 = new QTimer(this);
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this,
            [this] { ProgressBar1->setValue((ProgressBar1->value() + 20) % 100); });
    Timer2 = new QTimer(this);
    Timer2->setInterval(3000);
    Timer2->setSingleShot(true);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);

    connect(ScanNowBitBtn, &QPushButton::clicked, this,
            [this] { RunOperation([this] { controller_->ScanNow(); }); });
    connect(DeleteBitBtn, &QPushButton::clicked, this,
            [this] { RunOperation([this] { controller_->DeleteFiles(); }); });
    connect(StopBitBtn, &QPushButton::clicked, this, [this] { controller_->StopBitBtnClick(); });
    connect(CloseBitBtn, &QPushButton::clicked, this, &TForm1::CloseBitBtnClick);

    setWindowIcon(ui::AppIcon());

    // Criteria controls: each change of the user is handed to the controller.
    connect(UseRegExButton, &QToolButton::clicked, this, [this] { controller_->ToggleUseRegEx(false); });
    connect(UseIncludeFilesButton, &QToolButton::clicked, this,
            [this] { controller_->ToggleUseIncludeFiles(false); });
    connect(UseExcludeFilesButton, &QToolButton::clicked, this,
            [this] { controller_->ToggleUseExcludeFiles(false); });
    connect(NOTRegExSpeedButton, &QToolButton::clicked, this,
            [this](bool on) { controller_->SetNotRegEx(on); });
    connect(CheckRegExSpeedButton, &QToolButton::clicked, this, &TForm1::CheckRegExSpeedButtonClick);
    connect(SelectDrivePathBtn, &QToolButton::clicked, this, &TForm1::DrivePathButtonClick);
    DrivePathEdit->installEventFilter(this);
    IncludeFilesEdit->installEventFilter(this);
    ExcludeFilesEdit->installEventFilter(this);
    connect(IncludeFilesSpeedButton, &QToolButton::clicked, this, &TForm1::IncludeFiles);
    connect(ExcludeFilesSpeedButton, &QToolButton::clicked, this, &TForm1::ExcludeFiles);
    connect(ModifyRegExSpeedButton, &QToolButton::clicked, this,
            [this] { Form4->Execute(config::ListEditorMode::RegEx); });
    connect(SaveSettingsBitBtn, &QPushButton::clicked, this, &TForm1::SaveSettingsBitBtnClick);
    connect(AutoSaveOnExitCheckBox, &QCheckBox::clicked, this, &TForm1::AutoSaveOnExitCheckBoxClick);
    connect(DelEmptyDirsCheckBox, &QCheckBox::clicked, this,
            [this](bool on) { controller_->SetDeleteEmptyDirs(on); });
    connect(MoveToTrashCheckBox, &QCheckBox::clicked, this,
            [this](bool on) { controller_->SetMoveToTrash(on); });
    connect(DaysOldEdit, &QSpinBox::valueChanged, this, [this](int v) {
        if (!refreshing_) {
            controller_->SetDaysOld(v);
        }
    });
    connect(RegExEdit, &QComboBox::currentTextChanged, this, [this](const QString& t) {
        if (!refreshing_) {
            controller_->SetRegEx(t.toStdString());
        }
    });
    connect(RegExRadioButtons, &QButtonGroup::idClicked, this, [this](int id) {
        if (!refreshing_) {
            controller_->SetRegExTarget(id);
        }
    });
    // Typing opens the history list; the keys typed while it is open still edit the box.
    connect(RegExEdit->lineEdit(), &QLineEdit::textEdited, this, [this] {
        if (RegExEdit->count() > 0 && !RegExEdit->view()->isVisible()) {
            RegExEdit->showPopup();
        }
    });
    RegExEdit->view()->installEventFilter(this);
    RegExPopupMenu = new QMenu(RegExEdit);
    RegExPopupMenu->setObjectName("RegExPopupMenu");
    QAction* clearHistory = RegExPopupMenu->addAction("Clear RegEx History");
    clearHistory->setStatusTip("Clear RegEx history leaving only default values.");
    connect(clearHistory, &QAction::triggered, this,
            [this] { controller_->Guarded([this] { ClearRegExHistory(); }); });
    connect(RegExEdit, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { RegExPopupMenu->popup(RegExEdit->mapToGlobal(p)); });

    // Result list actions.
    auto popup = ui::BuildListViewPopupMenu(
        ListView1, [this] { CopyLine(); }, [this] { ExplorerHere(); }, [this] { CmdPromptHere(); });
    ListViewPopupMenu = popup.menu;
    ListViewPopupMenu->setObjectName("ListViewPopupMenu");
    connect(ListView1, &QTableView::doubleClicked, this, [this] { CopyLine(); });
    // A pop-up menu is a window of its own: the hints of its items stop there unless passed on.
    RegExPopupMenu->installEventFilter(this);
    ListViewPopupMenu->installEventFilter(this);

    // Bottom row, dialogs and help.
    connect(AboutBitBtn, &QPushButton::clicked, this, [this] { AboutBox->exec(); });
    connect(HelpBitBtn, &QPushButton::clicked, this, [] { ui::ShowHelp(ui::kHelpContents); });
    AboutBox = new ui::TAboutBox(
        this, *controller_, [this] { return controller_->DebugMode(); },
        [this](bool on) { controller_->SetDebugMode(on); });
    ui::ListEditorContext editor;
    editor.programPath = controller_->Env().programPath;
    editor.log = controller_.get();
    editor.isValidFileType = [](const std::string& m) {
        return config::IsValidFileType(m) ? std::string() : std::string("invalid");
    };
    editor.syntaxCheckRegEx = [this](const std::string& r) {
        config::RegExCheck c = config::SyntaxCheckRegEx(controller_->SharedRegEx(), r);
        return c.valid ? std::string() : (c.error.empty() ? std::string("empty") : c.error);
    };
    Form4 = new ui::TForm4(editor, this);
    Form4->SetTargets(IncludeFilesEdit, ExcludeFilesEdit, RegExEdit);
    connect(IncludeFilesEdit, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!refreshing_) {
            controller_->SetIncludeFiles(t.toStdString());
        }
    });
    connect(ExcludeFilesEdit, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!refreshing_) {
            controller_->SetExcludeFiles(t.toStdString());
        }
    });
    ui::SetHelpContext(ListView1, ui::kHelpGeneral);
    ui::SetHelpContext(RichEdit1, ui::kHelpGeneral);
    ui::InstallHelpKey(this);
}

QStringList TForm1::ClippedCaptions(const QFont& font) const {
    QStringList clipped;
    QFontMetrics fm(font);
    QFont bold = font;
    bold.setBold(true);
    QFontMetrics fmBold(bold);
    auto check = [&](const QWidget* w, const QString& text, int available, bool isBold = false) {
        int need = (isBold ? fmBold : fm).horizontalAdvance(QString(text).remove('&'));
        if (need > available) {
            clipped
                << QString("%1 \"%2\" needs %3 of %4").arg(w->objectName(), text).arg(need).arg(available);
        }
    };
    // Labels end where the next control starts.
    check(Label1, Label1->text(), DaysOldEdit->x() - Label1->x() - 2);
    check(Label2, Label2->text(), DelEmptyDirsCheckBox->x() - Label2->x() - 2);
    check(DrivePathLabel, DrivePathLabel->text(), DrivePathEdit->width());
    const QStyle* st = style();
    const int indicator =
        st->pixelMetric(QStyle::PM_IndicatorWidth) + st->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    for (const QCheckBox* c : {DelEmptyDirsCheckBox, AutoSaveOnExitCheckBox, MoveToTrashCheckBox}) {
        check(c, c->text(), c->width() - indicator);
    }
    const int radio = st->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                      st->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    for (const QAbstractButton* b : RegExRadioButtons->buttons()) {
        check(b, b->text(), b->width() - radio);
    }
    const int margin =
        2 * st->pixelMetric(QStyle::PM_ButtonMargin) + 2 * st->pixelMetric(QStyle::PM_DefaultFrameWidth);
    for (const QAbstractButton* b : {static_cast<QAbstractButton*>(UseIncludeFilesButton),
                                     static_cast<QAbstractButton*>(UseExcludeFilesButton),
                                     static_cast<QAbstractButton*>(UseRegExButton)}) {
        check(b, b->text(), b->width() - margin);
    }
    for (const QPushButton* b : {SaveSettingsBitBtn, ScanNowBitBtn, DeleteBitBtn, StopBitBtn, AboutBitBtn,
                                 HelpBitBtn, CloseBitBtn}) {
        int glyph = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
        check(b, b->text(), b->width() - margin - glyph);
    }
    return clipped;
}

void TForm1::FitFont() {
    QFont f = QApplication::font();
    for (int px = ui::Scaled(ui::kDesignFontPixels, scale_); px >= 8; --px) {
        f.setPixelSize(px);
        if (ClippedCaptions(f).isEmpty()) {
            break;
        }
    }
    setFont(f);
    // The two bold captions have fonts of their own.
    QFont modify = ModifyRegExSpeedButton->font();
    modify.setFamily(f.family());
    modify.setPixelSize(f.pixelSize());
    ModifyRegExSpeedButton->setFont(modify);
    QFont notFont = NOTRegExSpeedButton->font();
    notFont.setFamily(f.family());
    notFont.setPointSizeF(kNotCaptionPoints * scale_);
    NOTRegExSpeedButton->setFont(notFont);
    for (QLabel* l : {Label1, Label2, DrivePathLabel}) {
        l->adjustSize();
    }
    ListView1->verticalHeader()->setDefaultSectionSize(QFontMetrics(f).height() + 4);
    // A desktop theme may give headers a font of their own, which the window's would not replace.
    ListView1->horizontalHeader()->setFont(f);
}

void TForm1::ApplyScale(const QRect& area) {
    // Without a screen there is no limit.
    const QSize room = area.isValid() ? area.marginsRemoved(ui::FrameMargins(this)).size()
                                      : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // The desktop's font sets the scale; a screen too small for the scaled design lowers it, never below 1.
    scale_ = std::max(1.0, std::min({ui::DesktopScale(), room.width() / static_cast<double>(kDesignWidth),
                                     room.height() / static_cast<double>(kLeastDesignHeight)}));
    for (size_t i = 0; i < std::size(kControls); ++i) {
        if (kControls[i].glyph != nullptr) {
            const int side = ui::Scaled(kControls[i].kind == Kind::Tool ? 14 : 16, scale_);
            static_cast<QAbstractButton*>(controls_[i])->setIconSize(QSize(side, side));
        }
    }
    const int widths[] = {350, 130, 130, 130, 70, 100, 100};
    for (int i = 0; i < 7; ++i) {
        ListView1->setColumnWidth(i, ui::Scaled(widths[i], scale_));
    }
    LayoutAnchored();
    FitFont();
    setMinimumSize(
        QSize(ui::Scaled(kDesignWidth, scale_), ui::Scaled(kDesignHeight, scale_)).boundedTo(room));
    LayoutAnchored();
}

void TForm1::PlaceInside(const QRect& wanted, const QRect& area) {
    const QMargins frame = ui::FrameMargins(this);
    const QSize size = wanted.size().expandedTo(minimumSize());
    const QRect outer = area.isValid() ? ui::FitInside(QRect(wanted.topLeft(), size.grownBy(frame)), area)
                                       : QRect(wanted.topLeft(), size.grownBy(frame));
    resize(outer.size().shrunkBy(frame));
    move(outer.topLeft());
}

void TForm1::SetTabOrder() {
    QWidget* order[] = {DaysOldEdit,
                        DelEmptyDirsCheckBox,
                        SaveSettingsBitBtn,
                        DrivePathEdit,
                        ExcludeFilesEdit,
                        IncludeFilesEdit,
                        RegExEdit,
                        ScanNowBitBtn,
                        DeleteBitBtn,
                        StopBitBtn,
                        ListView1,
                        RichEdit1,
                        AboutBitBtn,
                        HelpBitBtn,
                        CloseBitBtn,
                        RegExRadioButtons->button(0),
                        AutoSaveOnExitCheckBox,
                        MoveToTrashCheckBox};
    for (size_t i = 0; i + 1 < std::size(order); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }
}

void TForm1::BringToFront() {
    if (isMinimized()) {
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    }
    show();
    raise();
    activateWindow();
}

void TForm1::SetDirectoryChooser(DirectoryChooser chooser) {
    Chooser() = std::move(chooser);
}

void TForm1::RowUpdated(std::size_t index) {
    QModelIndex first = ResultModel->index(static_cast<int>(index), 0);
    QModelIndex last = ResultModel->index(static_cast<int>(index), ResultModel->columnCount() - 1);
    emit ResultModel->dataChanged(first, last);
}

void TForm1::SetDeleteEnabled(bool enabled) {
    DeleteBitBtn->setEnabled(enabled);
}

void TForm1::CriteriaChanged() {
    const config::Settings& st = controller_->Settings();
    refreshing_ = true;
    DaysOldEdit->setValue(config::ClampDaysOld(st.daysOld));
    DrivePathEdit->setText(QString::fromUtf8(st.drivePath));
    IncludeFilesEdit->setText(QString::fromUtf8(st.includeFiles));
    ExcludeFilesEdit->setText(QString::fromUtf8(st.excludeFiles));
    if (RegExEdit->currentText() != QString::fromUtf8(st.regExEdit)) {
        RegExEdit->setEditText(QString::fromUtf8(st.regExEdit));
    }
    if (QAbstractButton* b = RegExRadioButtons->button(st.regExPathFile)) {
        b->setChecked(true);
    }
    DelEmptyDirsCheckBox->setChecked(!st.doNotDeleteEmptyDirs);
    AutoSaveOnExitCheckBox->setChecked(st.autoSaveOnExit);
    MoveToTrashCheckBox->setChecked(st.moveToTrash);
    auto paint = [](QToolButton* b, bool on) {
        b->setChecked(on);
        QPalette p = b->palette();
        p.setColor(QPalette::Button, on ? kToggleOn : QApplication::palette().color(QPalette::Button));
        b->setPalette(p);
    };
    paint(UseRegExButton, st.useRegEx);
    paint(UseIncludeFilesButton, st.useIncludeFiles);
    paint(UseExcludeFilesButton, st.useExcludeFiles);
    for (QWidget* w :
         std::initializer_list<QWidget*>{RegExEdit, ModifyRegExSpeedButton, CheckRegExSpeedButton,
                                         NOTRegExSpeedButton, RegExRadioGroup}) {
        w->setEnabled(st.useRegEx);
    }
    NOTRegExSpeedButton->setChecked(st.notRegEx);
    IncludeFilesEdit->setEnabled(st.useIncludeFiles);
    IncludeFilesSpeedButton->setEnabled(st.useIncludeFiles);
    ExcludeFilesEdit->setEnabled(st.useExcludeFiles);
    ExcludeFilesSpeedButton->setEnabled(st.useExcludeFiles);
    UseIncludeFilesButton->setEnabled(!st.useRegEx);
    UseExcludeFilesButton->setEnabled(!st.useRegEx);
    refreshing_ = false;
}

void TForm1::ClearRegExHistory() {
    refreshing_ = true;
    RegExEdit->clear();
    for (const auto& e : ui::SortedListEntries(controller_->RegExListEntries())) {
        if (e.checked) {
            RegExEdit->addItem(QString::fromUtf8(e.text));
        }
    }
    // Adding to an empty box makes the first item its text; the box itself stays empty.
    RegExEdit->setEditText(QString());
    refreshing_ = false;
    controller_->SetRegEx({});
}

void TForm1::AddRegExHistory(const std::string& expression) {
    QString text = QString::fromUtf8(expression);
    for (int i = 0; i < RegExEdit->count(); ++i) {
        if (RegExEdit->itemText(i).compare(text, Qt::CaseInsensitive) == 0) {
            return;
        }
    }
    refreshing_ = true;
    RegExEdit->insertItem(0, text);
    RegExEdit->setEditText(text);
    refreshing_ = false;
}

void TForm1::PaintRegExEdit(const QColor& colour) {
    QPalette p = RegExEdit->palette();
    p.setColor(QPalette::Base, colour);
    RegExEdit->setPalette(p);
    if (QLineEdit* line = RegExEdit->lineEdit()) {
        line->setPalette(p);
    }
}

void TForm1::CheckRegExSpeedButtonClick() {
    std::string text = RegExEdit->currentText().toStdString();
    config::RegExCheck check = config::SyntaxCheckRegEx(controller_->SharedRegEx(), text);
    if (!check.valid && !check.error.empty() && controller_->InteractiveMode()) {
        ui::BoxRequest r;
        r.title = "Vorlex:";
        r.text = "Syntax Exception: \n" + QString::fromUtf8(check.error);
        r.icon = ui::BoxIcon::Error;
        ui::ShowMessageBox(nullptr, r);
    }
    if (check.valid) {
        PaintRegExEdit(kSyntaxPassed);
        controller_->WriteLog("RegEx syntax is OK for expression " + text, base::kBlack,
                              base::LogStyle::Regular);
    } else {
        PaintRegExEdit(kSyntaxFailed);
        controller_->WriteLog("RegEx syntax is incorrect for expression " + text, base::kRed,
                              base::LogStyle::Regular);
    }
    QApplication::beep();
    if (!Timer2->isActive()) {
        Timer2->start();
    }
}

void TForm1::DrivePathButtonClick() {
    QString shown = DrivePathEdit->text();
    QString start = !shown.isEmpty() && QFileInfo(shown).isDir()
                        ? shown
                        : QString::fromUtf8(controller_->Env().currentPath);
    std::optional<QString> chosen = Chooser() ? Chooser()(this, start) : ui::ChooseDirectory(this, start);
    if (chosen) {
        DrivePathEdit->setText(*chosen);
        controller_->SetDrivePath(chosen->toStdString());
    }
    controller_->WriteDebugLog("Path selected = " + (chosen ? *chosen : start).toStdString());
}

void TForm1::IncludeFiles() {
    if (IncludeFilesEdit->isEnabled()) {
        Form4->Execute(config::ListEditorMode::Include);
    }
}

void TForm1::ExcludeFiles() {
    if (ExcludeFilesEdit->isEnabled()) {
        Form4->Execute(config::ListEditorMode::Exclude);
    }
}

void TForm1::SaveSettingsBitBtnClick() {
    controller_->Guarded([this] {
        controller_->SetAutoSaveOnExit(AutoSaveOnExitCheckBox->isChecked());
        controller_->SaveSettings();
    });
}

void TForm1::AutoSaveOnExitCheckBoxClick() {
    controller_->SetAutoSaveOnExit(AutoSaveOnExitCheckBox->isChecked());
    controller_->Guarded([this] { controller_->SaveAutoSaveOnExit(); });
}

std::optional<std::array<std::string, 7>> TForm1::SelectedRowCells() const {
    QModelIndexList selected = ListView1->selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        return std::nullopt;
    }
    size_t row = static_cast<size_t>(selected.first().row());
    const auto& rows = controller_->Rows();
    if (row >= rows.size()) {
        return std::nullopt;
    }
    std::array<std::string, 7> cells;
    cells[0] = rows[row].path;
    for (int c = 1; c < 7; ++c) {
        cells[static_cast<size_t>(c)] =
            controller_->Formatter().CellText(rows[row], static_cast<scan::Column>(c));
    }
    return cells;
}

void TForm1::CopyLine() {
    ui::CopyLine(SelectedRowCells(), *controller_, QApplication::clipboard());
}

void TForm1::ExplorerHere() {
    ui::ExplorerHere(SelectedRowCells(), *controller_);
}

void TForm1::CmdPromptHere() {
    ui::CmdPromptHere(SelectedRowCells(), *controller_);
}

void TForm1::ReadFormSettings() {
    config::WindowGeometry current{x(), y(), width(), height(), config::WindowState::Normal};
    config::WindowGeometry g = controller_->SavedWindowGeometry(current);
    // A position or size saved on another (larger) screen is brought inside the screen it lands on.
    const QRect wanted(g.left, g.top, g.width, g.height);
    const QRect area = ui::AvailableAreaFor(wanted, this);
    ApplyScale(area);
    PlaceInside(wanted, area);
    if (g.state == config::WindowState::Maximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

void TForm1::SaveFormSettings() {
    // The normal bounds also for a maximised or minimised window.
    QRect r = (isMaximized() || isMinimized()) && normalGeometry().isValid() ? normalGeometry() : geometry();
    // The position is that of the frame, as move() takes it back; the size is the client's.
    const QMargins frame = ui::FrameMargins(this);
    config::WindowGeometry g{r.x() - frame.left(), r.y() - frame.top(), r.width(), r.height(),
                             isMaximized()   ? config::WindowState::Maximized
                             : isMinimized() ? config::WindowState::Minimized
                                             : config::WindowState::Normal};
    controller_->SaveWindowGeometry(g);
}

void TForm1::Init() {
    bool goOn = false;
    controller_->Guarded([&] { goOn = controller_->Init(); });
    if (!goOn || controller_->Ending()) {
        return;
    }
    // The saved window geometry is applied before the window becomes visible.
    ReadFormSettings();
    show();
}

void TForm1::LayoutAnchored() {
    if (controls_.empty()) {
        return;  // a resize while the controls are being made
    }
    const int dw = width() - ui::Scaled(kDesignWidth, scale_);
    const int dh = height() - ui::Scaled(kDesignHeight, scale_);
    for (size_t i = 0; i < std::size(kControls); ++i) {
        const ControlSpec& c = kControls[i];
        QRect r = ui::Scaled(QRect(c.x, c.y, c.width, c.height), scale_);
        r.setWidth(r.width() + ((c.anchors & kGrowRight) != 0 ? dw : 0));
        r.setHeight(r.height() + ((c.anchors & kGrowDown) != 0 ? dh : 0));
        r.translate((c.anchors & kFollowRight) != 0 ? dw : 0, (c.anchors & kFollowBottom) != 0 ? dh : 0);
        if (c.width == 0) {
            controls_[i]->move(r.topLeft());
        } else {
            controls_[i]->setGeometry(r);
        }
    }
    // The label stands right above its box.
    DrivePathLabel->move(DrivePathEdit->x(),
                         DrivePathEdit->y() - DrivePathLabel->height() - ui::Scaled(1, scale_));
    for (QAbstractButton* b : RegExRadioButtons->buttons()) {
        b->setGeometry(ui::Scaled(QRect(RegExRadioButtons->id(b) * 95, 6, 95, 20), scale_));
    }
    const int bar = ui::Scaled(19, scale_);
    StatusBar1->setGeometry(0, height() - bar, width(), bar);
    Panel1Resize();
}

void TForm1::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    LayoutAnchored();
}

bool TForm1::eventFilter(QObject* watched, QEvent* e) {
    if (watched == Panel1 && e->type() == QEvent::Resize) {
        Panel1Resize();
    }
    if (e->type() == QEvent::StatusTip && (watched == RegExPopupMenu || watched == ListViewPopupMenu)) {
        StatusBar1->showMessage(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    if (watched == RegExEdit->view() && e->type() == QEvent::KeyPress) {
        // The open list keeps its navigation keys (arrows, pages, Enter, Escape); editing keys go to the box.
        const auto* key = static_cast<QKeyEvent*>(e);
        const bool editing = (!key->text().isEmpty() && key->text().at(0).isPrint()) ||
                             key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete ||
                             key->key() == Qt::Key_Left || key->key() == Qt::Key_Right ||
                             key->key() == Qt::Key_Home || key->key() == Qt::Key_End;
        if (editing && (key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0) {
            QApplication::sendEvent(RegExEdit->lineEdit(), e);
            return true;
        }
    }
    if (e->type() == QEvent::MouseButtonRelease) {
        auto* w = static_cast<QWidget*>(watched);
        if (w->isEnabled()) {
            if (watched == DrivePathEdit) {
                QTimer::singleShot(0, this, &TForm1::DrivePathButtonClick);
            } else if (watched == IncludeFilesEdit) {
                QTimer::singleShot(0, this, &TForm1::IncludeFiles);
            } else if (watched == ExcludeFilesEdit) {
                QTimer::singleShot(0, this, &TForm1::ExcludeFiles);
            }
        }
    }
    return QWidget::eventFilter(watched, e);
}

void TForm1::Panel1Resize() {
    const int h = Panel1->height();
    const int w = Panel1->width();
    const int listHeight = h / 2;
    const int gap = ui::Scaled(8, scale_);
    ListView1->setGeometry(0, 0, w, listHeight);
    RichEdit1->setGeometry(0, listHeight + gap, w, h - listHeight - gap);
}

void TForm1::Timer2Timer() {
    QLineEdit* line = RegExEdit->lineEdit();
    if (line != nullptr) {
        line->setPalette(QPalette());
    }
    RegExEdit->setPalette(QPalette());
    Timer2->stop();
}

bool TForm1::event(QEvent* e) {
    if (e->type() == QEvent::StatusTip) {
        // Hints go to the status bar; there are no pop-up tooltips.
        StatusBar1->showMessage(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QWidget::event(e);
}

void TForm1::LogChanged() {
    if (!logFlush_->isActive()) {
        logFlush_->start();
    }
}

void TForm1::FlushLog() {
    logFlush_->stop();
    const auto& log = controller_->LogModel();
    if (log.Generation() != logGeneration_) {
        RichEdit1->clear();
        logShown_ = 0;
        logGeneration_ = log.Generation();
    }
    const auto& entries = log.Entries();
    if (logShown_ >= entries.size()) {
        return;
    }
    QTextCursor cursor(RichEdit1->document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    QTextCharFormat plain;
    plain.setForeground(QColor(0, 0, 0));
    plain.setFontWeight(QFont::Normal);
    for (; logShown_ < entries.size(); ++logShown_) {
        const auto& e = entries[logShown_];
        if (!RichEdit1->document()->isEmpty()) {
            cursor.insertBlock();
        }
        if (!e.plain) {
            cursor.insertText(QString::fromUtf8(e.timestamp) + ' ', plain);
        }
        QTextCharFormat fmt;
        fmt.setForeground(ToQColor(e.colour));
        fmt.setFontWeight(e.style == base::LogStyle::Bold ? QFont::Bold : QFont::Normal);
        cursor.insertText(QString::fromUtf8(e.message), fmt);
    }
    cursor.endEditBlock();
    // Keep the last line in view.
    RichEdit1->verticalScrollBar()->setValue(RichEdit1->verticalScrollBar()->maximum());
    // Painted now: the caller may wait next without letting events run (the debug pause).
    RichEdit1->viewport()->repaint();
    if (isActiveWindow()) {
        RichEdit1->setFocus();
    }
}

void TForm1::ShowMessage(const Message& message) {
    ui::BoxRequest r;
    r.title = QString::fromUtf8(message.title);
    r.text = QString::fromUtf8(message.text);
    // Same order as Message::Icon.
    constexpr ui::BoxIcon kIcons[] = {ui::BoxIcon::None, ui::BoxIcon::Error, ui::BoxIcon::Warning,
                                      ui::BoxIcon::Information};
    r.icon = kIcons[static_cast<int>(message.icon)];
    ui::ShowMessageBox(isVisible() ? this : nullptr, r);
}

void TForm1::KeepAlive() {
    // Let events run on a time basis, so the per-file cost stays near the walk's own.
    if (keepAlive_.elapsed() >= 25) {
        FlushLog();
        ResultModel->Sync();
        QCoreApplication::processEvents();
        keepAlive_.restart();
    }
}

void TForm1::BusyChanged(bool busy) {
    for (QWidget* w : {static_cast<QWidget*>(ScanNowBitBtn), static_cast<QWidget*>(CloseBitBtn),
                       static_cast<QWidget*>(DaysOldEdit), static_cast<QWidget*>(DrivePathEdit),
                       static_cast<QWidget*>(SelectDrivePathBtn), static_cast<QWidget*>(SaveSettingsBitBtn),
                       static_cast<QWidget*>(DelEmptyDirsCheckBox)}) {
        w->setEnabled(!busy);
    }
    if (busy) {
        DeleteBitBtn->setEnabled(false);
    }
    StopBitBtn->setEnabled(busy);
    ProgressBar1->setValue(0);
    ProgressBar1->setVisible(busy);
    ProgressBar1->setEnabled(busy);
    if (busy) {
        Timer1->start();
    } else {
        Timer1->stop();
    }
}

void TForm1::RowsChanged() {
    ResultModel->Reset();
}

void TForm1::Terminate(int code) {
    hide();
    QCoreApplication::exit(code);
}

template <typename F>
void TForm1::RunOperation(F&& op) {
    // A click that waited while a run let events through (its keep-alive, its failure report) starts nothing.
    if (operating_ || controller_->Busy()) {
        return;
    }
    operating_ = true;
    controller_->Guarded(op);
    // Clicks queued while the run let no events through (the debug pause) reach the guard above now,
    // instead of each starting another run once it has ended.
    QCoreApplication::processEvents();
    operating_ = false;
    FlushLog();
    if (closePending_ && !controller_->Ending()) {
        // The close that came during the run ends as any title-bar close: with the geometry saved.
        SaveFormSettings();
        controller_->ExitProgram(0);
    }
}

void TForm1::CloseBitBtnClick() {
    SaveFormSettings();
    if (AutoSaveOnExitCheckBox->isChecked()) {
        controller_->Guarded([this] { controller_->SaveSettings(); });
    }
    controller_->ExitProgram(0);
}

void TForm1::closeEvent(QCloseEvent* e) {
    if (controller_->Ending()) {
        e->accept();
        return;
    }
    if (controller_->Busy()) {
        // The running scan or deletion winds down first; the program ends right after it.
        closePending_ = true;
        controller_->StopBitBtnClick();
        e->ignore();
        return;
    }
    SaveFormSettings();
    controller_->ExitProgram(0);
    e->accept();
}

}  // namespace vorlex::app
