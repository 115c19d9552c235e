#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTextBlock>

#include <filesystem>

#include <gtest/gtest.h>

#include "LogHtml.h"
#include "TempDir.h"
#include "gui/MainWindow.h"
#include "platform/Paths.h"
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
