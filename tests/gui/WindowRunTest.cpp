// The real main window through a whole session: settings saved and read back by a new window, the two ways
// of closing, an unwritable settings file, a scan with the clipboard line, and a failure inside a scan.
#include <sys/stat.h>

#include <chrono>
#include <thread>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include "WindowSeams.h"
#include "config/IniFile.h"

using vorlex::app::TForm1;
using vorlex::test::BoxRecorder;
using vorlex::test::ChooserStub;
using vorlex::test::CountLines;
using vorlex::test::FindLine;
using vorlex::test::TempDir;
using vorlex::test::WindowEnv;
namespace base = vorlex::base;

namespace {

/// The value of `key` in section "Vorlex" of the settings file in `dir` (nothing when absent).
std::optional<std::string> IniValue(const TempDir& dir, const std::string& key) {
    vorlex::config::IniFile ini(dir.Read("Vorlex.ini"));
    return ini.ReadValue("Vorlex", key);
}

}  // namespace

// What the user sets through the window and saves is what the next window shows.
TEST(WindowRun, SavedSettingsComeBackInANewWindow) {
    TempDir dir;
    TempDir tree;
    BoxRecorder boxes;
    ChooserStub chooser(QString::fromStdString(tree.path));
    {
        TForm1 w(WindowEnv(dir));
        w.show();
        w.Init();
        w.DaysOldEdit->setValue(1234);
        w.SelectDrivePathBtn->click();
        w.UseExcludeFilesButton->click();
        w.ExcludeFilesEdit->setText("*.bak,\"my file.txt\"");
        w.UseRegExButton->click();
        w.RegExEdit->setEditText("bee(hive|line)");
        w.NOTRegExSpeedButton->click();
        w.RegExRadioButtons->button(2)->click();
        w.DelEmptyDirsCheckBox->click();
        EXPECT_FALSE(w.MoveToTrashCheckBox->isChecked()) << "a file without the key means off";
        w.MoveToTrashCheckBox->click();
        w.SaveSettingsBitBtn->click();
        const auto* saved = FindLine(w, "Settings Saved.");
        ASSERT_NE(saved, nullptr);
        EXPECT_EQ(saved->colour, base::kBlack);
    }
    TForm1 again(WindowEnv(dir));
    again.show();
    again.Init();
    EXPECT_EQ(again.DaysOldEdit->value(), 1234);
    EXPECT_EQ(again.DrivePathEdit->text().toStdString(), tree.path);
    EXPECT_TRUE(again.UseRegExButton->isChecked());
    // The expression switched the masks off; their text stays.
    EXPECT_FALSE(again.UseExcludeFilesButton->isChecked());
    EXPECT_EQ(again.ExcludeFilesEdit->text(), "*.bak,\"my file.txt\"");
    EXPECT_EQ(again.RegExEdit->currentText(), "bee(hive|line)");
    EXPECT_TRUE(again.NOTRegExSpeedButton->isChecked());
    EXPECT_TRUE(again.RegExRadioButtons->button(2)->isChecked());
    EXPECT_FALSE(again.DelEmptyDirsCheckBox->isChecked());
    EXPECT_TRUE(again.MoveToTrashCheckBox->isChecked());
    EXPECT_TRUE(again.Ctl().Settings().moveToTrash);
    EXPECT_EQ(IniValue(dir, "MoveToTrash"), "1");
    EXPECT_EQ(again.Ctl().Settings().daysOld, 1234);
    EXPECT_TRUE(again.Ctl().Settings().doNotDeleteEmptyDirs);
    EXPECT_TRUE(again.Ctl().Settings().notRegEx);
    EXPECT_EQ(again.Ctl().Settings().regExPathFile, 2);
    EXPECT_TRUE(boxes.boxes.empty());
}

// With "Auto Save Save on Exit" ticked the Close button saves the criteria; the title-bar close saves only
// the window's geometry.
TEST(WindowRun, CloseButtonSavesCriteriaTitleBarCloseOnlyGeometry) {
    TempDir dir;
    BoxRecorder boxes;
    {
        TForm1 w(WindowEnv(dir));
        w.show();
        w.Init();
        w.AutoSaveOnExitCheckBox->click();
        // Ticking the box writes its key at once.
        EXPECT_EQ(IniValue(dir, "AutoSaveOnExit"), "1");
        EXPECT_EQ(IniValue(dir, "DaysOld"), std::nullopt);
        w.DaysOldEdit->setValue(77);
        w.CloseBitBtn->click();
        EXPECT_TRUE(w.Ctl().Ending());
        EXPECT_EQ(w.Ctl().ExitCode(), 0);
        EXPECT_NE(FindLine(w, "Settings Saved."), nullptr);
    }
    EXPECT_EQ(IniValue(dir, "DaysOld"), "77");
    EXPECT_EQ(IniValue(dir, "Width"), "617");
    {
        TForm1 w(WindowEnv(dir));
        w.show();
        w.Init();
        EXPECT_TRUE(w.AutoSaveOnExitCheckBox->isChecked());
        EXPECT_EQ(w.DaysOldEdit->value(), 77);
        w.DaysOldEdit->setValue(88);
        w.resize(700, 650);
        w.close();
        EXPECT_TRUE(w.Ctl().Ending());
        EXPECT_EQ(w.Ctl().ExitCode(), 0);
        EXPECT_EQ(FindLine(w, "Settings Saved."), nullptr);
    }
    EXPECT_EQ(IniValue(dir, "DaysOld"), "77");
    EXPECT_EQ(IniValue(dir, "Width"), "700");
    EXPECT_EQ(IniValue(dir, "Height"), "650");
    EXPECT_TRUE(boxes.boxes.empty());
}

// A settings file that cannot be written never keeps the program from ending, whichever way it is closed,
// and stays as it was.
TEST(WindowRun, ReadOnlySettingsFileNeverPreventsClosing) {
    for (bool closeButton : {false, true}) {
        SCOPED_TRACE(closeButton ? "Close button" : "title bar");
        TempDir dir;
        const std::string ini = dir.File("Vorlex.ini", "[Vorlex]\nAutoSaveOnExit=1\nDaysOld=12\n");
        ASSERT_EQ(chmod(ini.c_str(), 0444), 0);
        BoxRecorder boxes;
        TForm1 w(WindowEnv(dir));
        w.show();
        w.Init();
        w.DaysOldEdit->setValue(13);
        if (closeButton) {
            w.CloseBitBtn->click();
        } else {
            w.close();
        }
        EXPECT_TRUE(w.Ctl().Ending());
        EXPECT_EQ(w.Ctl().ExitCode(), 0);
        EXPECT_EQ(dir.Read("Vorlex.ini"), "[Vorlex]\nAutoSaveOnExit=1\nDaysOld=12\n");
        EXPECT_GE(CountLines(w, "Unable to write to " + ini), 1);
        // Only the auto-save of the criteria reports its failure in a box; the geometry's is logged.
        EXPECT_EQ(boxes.boxes.size(), closeButton ? 1u : 0u);
        chmod(ini.c_str(), 0644);
    }
}

// A real scan fills the list; the clipboard line of a selected row is the heading and that row; without a
// selection nothing happens.
TEST(WindowRun, CopyLineAfterAScan) {
    TempDir dir;
    TempDir tree;
    const std::string file = tree.File("my docs/report 1.txt", std::string(3000, 'x'));
    tree.File("other.txt", "x");
    dir.File("Vorlex.ini", "[Vorlex]\nDrivePath=" + tree.path + "\n");
    BoxRecorder boxes;
    TForm1 w(WindowEnv(dir));
    w.show();
    w.Init();
    w.ScanNowBitBtn->click();
    ASSERT_EQ(w.ListView1->model()->rowCount(), 2);
    EXPECT_TRUE(w.DeleteBitBtn->isEnabled());
    EXPECT_NE(FindLine(w, "2 files matched search criteria."), nullptr);

    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setText("kept");
    w.ListView1->clearSelection();
    const size_t before = w.Ctl().LogModel().Entries().size();
    w.CopyLine();
    EXPECT_EQ(clipboard->text(), "kept");
    EXPECT_EQ(w.Ctl().LogModel().Entries().size(), before);

    // The first row in the order of the File text is the file in "my docs".
    w.ListView1->selectRow(0);
    emit w.ListView1->doubleClicked(w.ListView1->model()->index(0, 0));
    const QStringList lines = clipboard->text().split('\n');
    ASSERT_EQ(lines.size(), 2) << clipboard->text().toStdString();
    EXPECT_EQ(lines[0], "File\tCreated\tModified\tAccessed\tAge (Days)\tSize (KB)\tStatus");
    const QStringList cells = lines[1].split('\t');
    ASSERT_EQ(cells.size(), 7);
    EXPECT_EQ(cells[0].toStdString(), file);
    for (int c = 1; c < 4; ++c) {
        // A date and time hold a blank, so they come quoted.
        EXPECT_TRUE(cells[c].startsWith('"') && cells[c].endsWith('"')) << cells[c].toStdString();
        EXPECT_EQ(cells[c].mid(1, cells[c].size() - 2), w.ListView1->model()->index(0, c).data().toString());
    }
    EXPECT_EQ(cells[4], "40");
    EXPECT_EQ(cells[5], "3");
    EXPECT_EQ(cells[6], "Found");
    EXPECT_FALSE(clipboard->text().contains('\r'));
    const auto* copied = FindLine(w, "Copied to clipboard.");
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->colour, base::kBlack);
    EXPECT_TRUE(boxes.boxes.empty());
}

// A failure inside an interactive scan is reported once and leaves the window usable.
TEST(WindowRun, FailureInsideAScanLeavesTheWindowUsable) {
    TempDir dir;
    TempDir tree;
    tree.File("a.txt", "x");
    dir.File("Vorlex.ini", "[Vorlex]\nDrivePath=" + tree.path + "\nUseIncludeFiles=1\nIncludeFiles=[abc\n");
    BoxRecorder boxes;
    TForm1 w(WindowEnv(dir));
    w.show();
    w.Init();
    ASSERT_EQ(w.IncludeFilesEdit->text(), "[abc");
    w.ScanNowBitBtn->click();

    const std::string message = "'[abc' is an invalid mask at (5)";
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].title, "Vorlex: GENERAL EXCEPTION ERROR:");
    EXPECT_EQ(boxes.boxes[0].text.toStdString(), message);
    EXPECT_EQ(boxes.boxes[0].icon, vorlex::ui::BoxIcon::Error);

    const auto* aborted = FindLine(w, "Aborted due to Exception");
    ASSERT_NE(aborted, nullptr);
    EXPECT_EQ(aborted->colour, base::kBlack);
    EXPECT_EQ(aborted->style, base::LogStyle::Bold);
    EXPECT_EQ(CountLines(w, "Exception Message = " + message), 2);
    EXPECT_EQ(CountLines(w, "Exception Class Name = vorlex::scan::EMaskException"), 2);
    const auto* stack = FindLine(w, "Stack Dump:");
    ASSERT_NE(stack, nullptr);
    EXPECT_EQ(stack->colour, base::kBlue);
    EXPECT_EQ(stack->style, base::LogStyle::Bold);
    EXPECT_NE(FindLine(w, "Dumping System Info:"), nullptr);

    // The controls are given back and the program goes on.
    EXPECT_FALSE(w.Ctl().Ending());
    EXPECT_FALSE(w.Ctl().Busy());
    EXPECT_TRUE(w.ScanNowBitBtn->isEnabled());
    EXPECT_TRUE(w.CloseBitBtn->isEnabled());
    EXPECT_TRUE(w.DaysOldEdit->isEnabled());
    EXPECT_FALSE(w.StopBitBtn->isEnabled());
    EXPECT_FALSE(w.ProgressBar1->isVisible());

    // A corrected mask scans normally.
    w.IncludeFilesEdit->setText("*.txt");
    w.ScanNowBitBtn->click();
    EXPECT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(FindLine(w, "1 files matched search criteria."), nullptr);
    EXPECT_EQ(w.ListView1->model()->rowCount(), 1);
}

// A second click on Scan Now, waiting while the first runs, starts nothing when the first gives the controls
// back from inside its run (here its failure report lets events run).
TEST(WindowRun, AClickWaitingDuringADebugScanStartsNoSecondScan) {
    TempDir dir;
    TempDir tree;
    tree.File("a.txt", "x");
    dir.File("Vorlex.ini",
             "[Vorlex]\nDebug=1\nDrivePath=" + tree.path + "\nUseIncludeFiles=1\nIncludeFiles=[abc\n");
    BoxRecorder boxes;
    TForm1 w(WindowEnv(dir));
    w.show();
    w.Init();
    ASSERT_TRUE(w.Ctl().DebugMode());
    QTimer::singleShot(0, w.ScanNowBitBtn, [&w] { w.ScanNowBitBtn->click(); });
    // Long enough since the last event pass for the run's keep-alive to let events run.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    w.ScanNowBitBtn->click();

    EXPECT_EQ(CountLines(w, "Aborted due to Exception"), 1);
    EXPECT_EQ(boxes.boxes.size(), 1u);
    EXPECT_FALSE(w.Ctl().Busy());
    EXPECT_TRUE(w.ScanNowBitBtn->isEnabled());
}

// Closing through the title bar while a scan runs stops the scan, then saves the window's geometry as the
// title-bar close always does, and ends.
TEST(WindowRun, TitleBarCloseDuringAScanSavesTheGeometryAndEnds) {
    TempDir dir;
    TempDir tree;
    tree.File("a.txt", "x");
    dir.File("Vorlex.ini", "[Vorlex]\nDrivePath=" + tree.path + "\n");
    BoxRecorder boxes;
    TForm1 w(WindowEnv(dir));
    w.show();
    w.Init();
    w.resize(700, 650);
    bool closedWhileBusy = false;
    QTimer::singleShot(0, &w, [&w, &closedWhileBusy] {
        closedWhileBusy = w.Ctl().Busy();
        w.close();
    });
    // Long enough since the last event pass for the run's keep-alive to let events run.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    w.ScanNowBitBtn->click();
    ASSERT_TRUE(closedWhileBusy);
    EXPECT_TRUE(w.Ctl().Ending());
    EXPECT_EQ(w.Ctl().ExitCode(), 0);
    EXPECT_EQ(IniValue(dir, "Width"), "700");
    EXPECT_EQ(IniValue(dir, "Height"), "650");
    EXPECT_TRUE(boxes.boxes.empty());
}

// In debug mode the warning that Stop does not work is painted before the pause, and clicks on Scan Now
// made during the pause start no second scan once the first has ended.
TEST(WindowRun, DebugPauseShowsItsWarningAndDropsTheClicksMadeMeanwhile) {
    TempDir dir;
    dir.File("Vorlex.ini", "[Vorlex]\nDebug=1\nDrivePath=" + dir.path + "/missing\n");
    BoxRecorder boxes;
    vorlex::app::Environment env = WindowEnv(dir);
    env.debugPauseMs = 400;
    TForm1 w(std::move(env));
    w.show();
    w.Init();
    ASSERT_TRUE(w.Ctl().DebugMode());
    const QString warning = "WARNING: The STOP button will not work when Debug is On";

    // What the log shows at each of its paints.
    struct PaintWatch : QObject {
        TForm1* window = nullptr;
        QStringList lastLines;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) {
                lastLines << window->RichEdit1->document()->lastBlock().text();
            }
            return false;
        }
    } watch;
    watch.window = &w;
    w.RichEdit1->viewport()->installEventFilter(&watch);

    // Two clicks while the window waits: they queue up, as the window system's would.
    const QPointF centre = QRectF(w.ScanNowBitBtn->rect()).center();
    std::vector<QEvent*> clicks;
    for (int i = 0; i < 2; ++i) {
        clicks.push_back(new QMouseEvent(QEvent::MouseButtonPress, centre,
                                         w.ScanNowBitBtn->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton,
                                         Qt::NoModifier));
        clicks.push_back(new QMouseEvent(QEvent::MouseButtonRelease, centre,
                                         w.ScanNowBitBtn->mapToGlobal(centre), Qt::LeftButton, Qt::NoButton,
                                         Qt::NoModifier));
    }
    std::thread user([&w, &clicks] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        for (QEvent* e : clicks) {
            QCoreApplication::postEvent(w.ScanNowBitBtn, e);
        }
    });
    w.ScanNowBitBtn->click();
    user.join();
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
    }

    EXPECT_EQ(CountLines(w, warning.toStdString()), 1);
    EXPECT_EQ(CountLines(w, "ERROR: Path " + dir.path + "/missing does not exist."), 1);
    bool warningPainted = false;
    for (const QString& line : watch.lastLines) {
        warningPainted = warningPainted || line.endsWith(warning);
    }
    EXPECT_TRUE(warningPainted) << watch.lastLines.join(" | ").toStdString();
    EXPECT_TRUE(w.ScanNowBitBtn->isEnabled());
    EXPECT_TRUE(boxes.boxes.empty());
}
