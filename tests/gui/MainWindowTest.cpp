#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTableView>
#include <QTextBlock>
#include <QToolButton>

#include <cmath>
#include <filesystem>

#include <gtest/gtest.h>

#include "LogHtml.h"
#include "TempDir.h"
#include "gui/MainWindow.h"
#include "platform/Paths.h"
#include "ui/AboutBox.h"
#include "ui/ListEditor.h"
#include "ui/MessageBoxes.h"

using vorlex::app::TForm1;
using vorlex::test::TempDir;

namespace {

/// Records every message box instead of showing it.
struct BoxRecorder {
    std::vector<vorlex::ui::BoxRequest> boxes;
    BoxRecorder() {
        vorlex::ui::SetMessageBoxHook([this](const vorlex::ui::BoxRequest& r) {
            boxes.push_back(r);
            return vorlex::ui::BoxResult::Ok;
        });
    }
    ~BoxRecorder() { vorlex::ui::SetMessageBoxHook({}); }
};

/// Makes the application's (the desktop's) font `pixels` high for as long as it lives.
class DesktopFont {
  public:
    explicit DesktopFont(int pixels) : saved_(QApplication::font()) {
        QFont f = saved_;
        f.setPixelSize(pixels);
        QApplication::setFont(f);
    }
    ~DesktopFont() { QApplication::setFont(saved_); }
    DesktopFont(const DesktopFont&) = delete;
    DesktopFont& operator=(const DesktopFont&) = delete;

  private:
    QFont saved_;
};

vorlex::app::Environment TestEnv(const TempDir& dir) {
    vorlex::app::Environment env;
    env.programPath = dir.path + "/";
    env.currentPath = dir.path + "/";
    env.clock = std::make_shared<vorlex::platform::FixedClock>(vorlex::platform::TimeValue{1796811330, 0});
    return env;
}

}  // namespace

TEST(MainWindow, DesignedSizeIsTheMinimumAndPanelSplitsInHalves) {
    TempDir dir;
    TForm1 w(TestEnv(dir));
    w.show();
    EXPECT_EQ(w.width(), 617);
    EXPECT_EQ(w.height(), 624);
    EXPECT_EQ(w.minimumSize(), QSize(617, 624));
    EXPECT_EQ(w.Panel1->geometry(), QRect(8, 235, 601, 333));
    EXPECT_EQ(w.ListView1->geometry(), QRect(0, 0, 601, 166));
    EXPECT_EQ(w.RichEdit1->geometry(), QRect(0, 174, 601, 159));

    // Growing the window grows the panel (anchored to all sides) and keeps the split.
    w.resize(817, 724);
    QApplication::processEvents();
    EXPECT_EQ(w.Panel1->geometry(), QRect(8, 235, 801, 433));
    EXPECT_EQ(w.ListView1->height(), 216);
    EXPECT_EQ(w.RichEdit1->y(), 224);
    EXPECT_EQ(w.RichEdit1->height(), 209);
    EXPECT_EQ(w.CloseBitBtn->pos(), QPoint(734, 674));
    EXPECT_EQ(w.AboutBitBtn->pos(), QPoint(8, 674));
    // The criteria controls keep their place and size.
    EXPECT_EQ(w.DrivePathEdit->geometry(), QRect(16, 56, 553, 21));
    w.close();
}

TEST(MainWindow, NoCaptionIsClippedAndStartStateIsAsDesigned) {
    TempDir dir;
    TForm1 w(TestEnv(dir));
    EXPECT_TRUE(w.ClippedCaptions(w.font()).isEmpty())
        << w.ClippedCaptions(w.font()).join("; ").toStdString();
    EXPECT_FALSE(w.DeleteBitBtn->isEnabled());
    EXPECT_FALSE(w.StopBitBtn->isEnabled());
    EXPECT_FALSE(w.ProgressBar1->isVisibleTo(&w));
    EXPECT_EQ(w.ListView1->model()->columnCount(), 7);
    EXPECT_EQ(w.ListView1->columnWidth(0), 350);
    EXPECT_EQ(w.ListView1->columnWidth(4), 70);
    EXPECT_EQ(w.ScanNowBitBtn->statusTip(),
              "Scan for files older than specified days and other criteria (Does not delete)");
    // The panel's children split any height: H div 2, then the log after an 8-pixel gap.
    w.Panel1->resize(601, 101);
    w.Panel1Resize();
    EXPECT_EQ(w.ListView1->height(), 50);
    EXPECT_EQ(w.RichEdit1->y(), 58);
    EXPECT_EQ(w.RichEdit1->height(), 43);
}

TEST(MainWindow, StartAndCloseLeaveTheLogWithTheBoldBlueVersionLine) {
    TempDir dir;
    dir.File("VorlexActivity.rtf", "old log");
    dir.File("VorlexFiles.csv", "old csv");
    BoxRecorder boxes;
    {
        TForm1 w(TestEnv(dir));
        w.show();
        w.Init();
        EXPECT_FALSE(w.Ctl().Ending());
        // Start-up deletes the files of the previous run.
        EXPECT_FALSE(std::filesystem::exists(dir.path + "/VorlexActivity.rtf"));
        EXPECT_FALSE(std::filesystem::exists(dir.path + "/VorlexFiles.csv"));
        w.FlushLog();
        EXPECT_TRUE(
            w.RichEdit1->document()->firstBlock().text().endsWith("Vorlex Version 2.1 Release 1 Build 70"));
        w.close();
        EXPECT_TRUE(w.Ctl().Ending());
        EXPECT_EQ(w.Ctl().ExitCode(), 0);
    }
    EXPECT_TRUE(boxes.boxes.empty());
    const std::string html = vorlex::test::LogHtml(dir.path + "/VorlexActivity.rtf");
    EXPECT_NE(html.find("<font color=\"#0000ff\"><b>Vorlex Version 2.1 Release 1 Build 70"),
              std::string::npos)
        << html;
}

TEST(MainWindow, LockedLogFileEndsTheStartWithCodeOneAndWritesNothing) {
    TempDir dir;
    std::string log = dir.File("VorlexActivity.rtf", "held");
    int fd = open(log.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(flock(fd, LOCK_SH), 0);
    BoxRecorder boxes;
    TForm1 w(TestEnv(dir));
    w.show();
    w.Init();
    close(fd);
    EXPECT_TRUE(w.Ctl().Ending());
    EXPECT_EQ(w.Ctl().ExitCode(), 1);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].title, "Vorlex:");
    EXPECT_EQ(boxes.boxes[0].icon, vorlex::ui::BoxIcon::Error);
    EXPECT_EQ(boxes.boxes[0].text.toStdString(), "ERROR: The file " + dir.path +
                                                     "/VorlexActivity.rtf cannot be accessed.\n"
                                                     "REASON: The file is in use by another process");
    // Neither deleted nor rewritten.
    EXPECT_EQ(dir.Read("VorlexActivity.rtf"), "held");
}

TEST(MainWindow, LockedCsvFileIsTestedAfterTheLog) {
    TempDir dir;
    std::string csv = dir.File("VorlexFiles.csv", "held");
    int fd = open(csv.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(flock(fd, LOCK_EX), 0);
    BoxRecorder boxes;
    TForm1 w(TestEnv(dir));
    w.Init();
    close(fd);
    EXPECT_EQ(w.Ctl().ExitCode(), 1);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_TRUE(boxes.boxes[0].text.contains("/VorlexFiles.csv cannot be accessed."));
    EXPECT_EQ(dir.Read("VorlexFiles.csv"), "held");
}

TEST(MainWindow, DebugLinesAppearOnlyInDebugModeAndInGreen) {
    TempDir dir;
    TForm1 w(TestEnv(dir));
    w.Ctl().WriteDebugLog("hidden");
    EXPECT_TRUE(w.Ctl().LogModel().Entries().empty());
    w.Ctl().SetDebugMode(true);
    w.Ctl().WriteDebugLog("shown");
    ASSERT_EQ(w.Ctl().LogModel().Entries().size(), 1u);
    EXPECT_EQ(w.Ctl().LogModel().Entries()[0].colour, vorlex::base::kGreen);
    w.FlushLog();
    // The view follows the end of the log.
    EXPECT_TRUE(w.RichEdit1->document()->lastBlock().text().endsWith("shown"));
}

// A desktop font larger than the designed 11 pixels grows every designed number by its ratio to 11: the
// window, its minimum, the controls, the columns, and the fixed dialogs; every caption still fits.
TEST(MainWindow, LargerDesktopFontGrowsTheLayoutProportionally) {
    TempDir designDir;
    // The font at scale 1: the largest at which the captions fit their designed places.
    const int designPixels = TForm1(TestEnv(designDir)).font().pixelSize();
    for (const int pixels : {16, 22}) {
        SCOPED_TRACE(pixels);
        DesktopFont desktop(pixels);
        TempDir dir;
        TForm1 w(TestEnv(dir));
        w.show();
        const double scale = pixels / 11.0;
        auto px = [scale](int n) { return static_cast<int>(std::lround(n * scale)); };
        // Both edges are scaled, so that controls touching in the design still touch.
        auto rect = [&px](int x, int y, int width, int height) {
            return QRect(px(x), px(y), px(x + width) - px(x), px(y + height) - px(y));
        };
        EXPECT_DOUBLE_EQ(w.LayoutScale(), scale);
        EXPECT_EQ(w.size(), QSize(px(617), px(624)));
        EXPECT_EQ(w.minimumSize(), w.size());
        EXPECT_TRUE(w.screen()->availableGeometry().contains(w.frameGeometry()));
        EXPECT_EQ(w.Bevel1->geometry(), rect(8, 3, 602, 194));
        EXPECT_EQ(w.DrivePathEdit->geometry(), rect(16, 56, 553, 21));
        EXPECT_EQ(w.RegExEdit->geometry(), rect(103, 147, 438, 21));
        EXPECT_EQ(w.Panel1->geometry(), rect(8, 235, 601, 333));
        EXPECT_EQ(w.RichEdit1->y() - w.ListView1->height(), px(8));
        EXPECT_EQ(w.CloseBitBtn->geometry(), rect(534, 574, 75, 25));
        EXPECT_EQ(w.StatusBar1->geometry(), QRect(0, w.height() - px(19), w.width(), px(19)));
        EXPECT_EQ(w.ListView1->columnWidth(0), px(350));
        EXPECT_EQ(w.ListView1->columnWidth(4), px(70));
        // The font grows at least as much as the layout, never beyond the desktop's.
        EXPECT_GE(w.font().pixelSize(), static_cast<int>(designPixels * scale));
        EXPECT_LE(w.font().pixelSize(), pixels);
        EXPECT_TRUE(w.ClippedCaptions(w.font()).isEmpty())
            << w.ClippedCaptions(w.font()).join("; ").toStdString();
        EXPECT_GE(w.ListView1->verticalHeader()->defaultSectionSize(), QFontMetrics(w.font()).height());
        EXPECT_LT(w.DrivePathLabel->geometry().bottom(), w.DrivePathEdit->y());
        EXPECT_EQ(w.Form4->size(), QSize(px(335), px(238)));
        EXPECT_EQ(w.Form4->ApplyBitBtn->geometry(), rect(248, 203, 75, 25));
        EXPECT_EQ(w.AboutBox->size(), QSize(px(376), px(271)));
        EXPECT_EQ(w.AboutBox->OKBitBtn()->geometry(), rect(150, 240, 76, 25));

        // Growing keeps the anchors at the scaled design.
        w.resize(w.width() + 200, w.height() + 100);
        QApplication::processEvents();
        EXPECT_EQ(w.Panel1->geometry(), rect(8, 235, 601, 333).adjusted(0, 0, 200, 100));
        EXPECT_EQ(w.CloseBitBtn->geometry(), rect(534, 574, 75, 25).translated(200, 100));
        w.close();
    }
}

// Wherever a saved position and size would put it, the window opens inside the available area of a screen:
// shrunk to a small one (its layout scaled for that screen, nothing cut off), or moved back from where a
// larger screen used to be. A window that fits opens where it was and saves the same numbers back: the
// position is the frame's (the offscreen frame is 2 pixels wide), the size the client's.
TEST(MainWindow, OpensInsideTheAvailableAreaOfItsScreen) {
    QScreen* small = nullptr;
    for (QScreen* s : QGuiApplication::screens()) {
        small = s->name() == "small" ? s : small;
    }
    ASSERT_NE(small, nullptr);
    const QRect smallArea = small->availableGeometry();
    const QRect largeArea = QGuiApplication::primaryScreen()->availableGeometry();
    struct Case {
        const char* what;
        int pixels;
        QRect saved;
        QRect area;
        bool kept = false;  ///< fits as saved
    };
    const Case cases[] = {
        {"larger than the small screen", 11, QRect(smallArea.x() + 20, 10, 1200, 900), smallArea},
        {"partly off the small screen", 11, QRect(smallArea.x() + 300, 200, 617, 624), smallArea},
        {"large font on the small screen", 22, QRect(smallArea.x() + 20, 10, 1234, 1248), smallArea},
        {"larger than the large screen", 11, QRect(-100, -100, 4000, 3000), largeArea},
        {"on a screen no longer there", 16, QRect(9000, 5000, 900, 900), largeArea},
        {"inside the large screen", 11, QRect(100, 120, 700, 650), largeArea, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DesktopFont desktop(c.pixels);
        TempDir dir;
        dir.File("Vorlex.ini", QString("[Vorlex]\nLeft=%1\nTop=%2\nWidth=%3\nHeight=%4\nWindowState=0\n")
                                   .arg(c.saved.x())
                                   .arg(c.saved.y())
                                   .arg(c.saved.width())
                                   .arg(c.saved.height())
                                   .toStdString());
        BoxRecorder boxes;
        TForm1 w(TestEnv(dir));
        w.show();
        w.Init();
        QApplication::processEvents();
        EXPECT_TRUE(c.area.contains(w.frameGeometry()))
            << w.frameGeometry().x() << "," << w.frameGeometry().y() << " " << w.width() << "x" << w.height();
        EXPECT_EQ(w.minimumSize(), w.minimumSize().boundedTo(c.area.size()));
        QWidget* const visible[] = {w.Bevel1,      w.SaveSettingsBitBtn, w.SelectDrivePathBtn, w.Panel1,
                                    w.AboutBitBtn, w.HelpBitBtn,         w.CloseBitBtn,        w.StatusBar1};
        for (QWidget* control : visible) {
            EXPECT_TRUE(w.rect().contains(control->geometry())) << control->objectName().toStdString();
        }
        EXPECT_GT(w.ListView1->height(), 0);
        EXPECT_LT(w.Bevel1->geometry().bottom(), w.ScanNowBitBtn->y());
        EXPECT_LT(w.Panel1->geometry().bottom(), w.CloseBitBtn->y());
        EXPECT_TRUE(w.ClippedCaptions(w.font()).isEmpty())
            << w.ClippedCaptions(w.font()).join("; ").toStdString();
        EXPECT_TRUE(boxes.boxes.empty());
        if (c.kept) {
            EXPECT_EQ(w.frameGeometry().topLeft(), c.saved.topLeft());
            EXPECT_EQ(w.size(), c.saved.size());
        }
        w.close();
        if (c.kept) {
            const std::string ini = dir.Read("Vorlex.ini");
            for (const QString& key :
                 {QString("Left=%1\n").arg(c.saved.x()), QString("Top=%1\n").arg(c.saved.y()),
                  QString("Width=%1\n").arg(c.saved.width()), QString("Height=%1\n").arg(c.saved.height())}) {
                EXPECT_NE(ini.find(key.toStdString()), std::string::npos) << key.toStdString() << ini;
            }
        }
    }
}

// The hint of the menu item under the mouse shows in the status bar, in both right-click menus.
TEST(MainWindow, MenuItemHintsShowInTheStatusBar) {
    TempDir dir;
    // The expression box, and with it its menu, is usable only with the expression on.
    dir.File("Vorlex.ini", "[Vorlex]\nUseRegEx=1\n");
    BoxRecorder boxes;
    TForm1 w(TestEnv(dir));
    w.show();
    w.Init();
    for (QMenu* menu : {w.RegExPopupMenu, w.ListViewPopupMenu}) {
        SCOPED_TRACE(menu->objectName().toStdString());
        menu->popup(w.mapToGlobal(QPoint(100, 100)));
        ASSERT_TRUE(menu->isVisible());
        for (QAction* action : menu->actions()) {
            ASSERT_FALSE(action->statusTip().isEmpty());
            w.StatusBar1->showMessage(w.ScanNowBitBtn->statusTip());
            menu->setActiveAction(action);
            EXPECT_EQ(w.StatusBar1->currentMessage().toStdString(), action->statusTip().toStdString());
        }
        menu->hide();
    }
    EXPECT_TRUE(boxes.boxes.empty());
}
