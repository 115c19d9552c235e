// The result list's actions: the clipboard line, the row folder, the file manager and terminal starts with
// their log lines, and the context menu.
#include <cerrno>
#include <filesystem>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "ConvenienceSeams.h"
#include "TempDir.h"
#include "ui/ListActions.h"

using vorlex::test::EnvGuard;
using vorlex::test::RecordingLauncher;
using vorlex::test::RecordingLog;
using vorlex::ui::RowCells;
namespace ui = vorlex::ui;
namespace base = vorlex::base;

// Qt's own key-press path for shortcuts (what QtTest uses): the focused widget may claim the key first,
// otherwise the shortcut map runs. Returns true when a shortcut took the key.
bool qt_sendShortcutOverrideEvent(QObject* receiver, ulong timestamp, int key,
                                  Qt::KeyboardModifiers modifiers, const QString& text, bool autorepeat,
                                  ushort count);

namespace {

/// Presses `key` with Ctrl on the focused widget as the keyboard would.
void PressCtrl(Qt::Key key) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    if (qt_sendShortcutOverrideEvent(focus, 0, key, Qt::ControlModifier, QString(), false, 1)) {
        return;
    }
    QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier);
    QApplication::sendEvent(focus, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::ControlModifier);
    QApplication::sendEvent(focus, &release);
}

const std::string kHeading = "File\tCreated\tModified\tAccessed\tAge (Days)\tSize (KB)\tStatus\n";

RowCells FileRow(std::string file, std::string status = "Found") {
    return {std::move(file), "03/14/2024 09:26:53", "03/14/2024 09:26:53", "06/01/2024", "81",
            "1,024",         std::move(status)};
}

}  // namespace

TEST(CopyLineText, QuotesCellsWithBlanksButNeverTheFileOrPlainCells) {
    EXPECT_EQ(ui::CopyLineText(FileRow("/home/ann/My Files/report 2023.txt")),
              kHeading +
                  "/home/ann/My Files/report 2023.txt\t\"03/14/2024 09:26:53\"\t\"03/14/2024 09:26:53\"\t"
                  "06/01/2024\t81\t1,024\tFound");
    EXPECT_EQ(
        ui::CopyLineText(FileRow("/srv/a.tmp", "Deleted")),
        kHeading +
            "/srv/a.tmp\t\"03/14/2024 09:26:53\"\t\"03/14/2024 09:26:53\"\t06/01/2024\t81\t1,024\tDeleted");
    EXPECT_EQ(ui::CopyLineText(FileRow("/srv/a.tmp", "NOT Deleted")),
              kHeading +
                  "/srv/a.tmp\t\"03/14/2024 09:26:53\"\t\"03/14/2024 "
                  "09:26:53\"\t06/01/2024\t81\t1,024\t\"NOT Deleted\"");
}

TEST(CopyLineText, DirectoryRowsAndQuotesInsideCells) {
    const RowCells dir = {"/srv/old dir/", "01/02/2020", "01/02/2020 23:58:59", "",
                          "1500",          "0",          "Dir NOT Deleted"};
    EXPECT_EQ(
        ui::CopyLineText(dir),
        kHeading + "/srv/old dir/\t01/02/2020\t\"01/02/2020 23:58:59\"\t\t1500\t0\t\"Dir NOT Deleted\"");
    const RowCells removed = {"/srv/x/", "a\"b", "tab\there", "del\x7f", "7", "0", "Dir Deleted"};
    EXPECT_EQ(ui::CopyLineText(removed),
              kHeading + "/srv/x/\t\"a\"\"b\"\t\"tab\there\"\t\"del\x7f\"\t7\t0\t\"Dir Deleted\"");
}

TEST(CopyLineText, QuotesAFileNameOnlyForALineFeedOrTab) {
    // Blanks and quotes in a file name are copied as they are.
    EXPECT_EQ(ui::CopyLineText(FileRow("/srv/say \"hi\".txt")).substr(kHeading.size(), 17),
              "/srv/say \"hi\".txt");
    // A line feed or tab in a file name would break the two-line layout: such a name is quoted.
    const std::string text = ui::CopyLineText(FileRow("/srv/two\nlines\t\"x\".txt"));
    EXPECT_EQ(text.substr(kHeading.size(), 27), "\"/srv/two\nlines\t\"\"x\"\".txt\"\t");
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_NE(text.back(), '\n');
}

TEST(RowFolder, FileRowsGiveTheirFolderAndDirectoryRowsThemselves) {
    EXPECT_EQ(ui::RowFolder("/home/ann/My Files/report.txt"), "/home/ann/My Files");
    EXPECT_EQ(ui::RowFolder("/srv/old dir/"), "/srv/old dir");
    EXPECT_EQ(ui::RowFolder("/core"), "/");
    EXPECT_EQ(ui::RowFolder("/top/"), "/top");
    EXPECT_EQ(ui::RowFolder("no-separator"), "");
}

TEST(CopyLine, PutsTheLineOnTheClipboardOnlyForASelectedRow) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("kept"));
    RecordingLog log;
    ui::CopyLine(std::nullopt, log);
    EXPECT_EQ(clipboard->text(), QStringLiteral("kept"));
    EXPECT_TRUE(log.lines.empty());

    const RowCells row = FileRow("/home/ann/café.txt");
    ui::CopyLine(row, log, clipboard);
    EXPECT_EQ(clipboard->text().toStdString(), ui::CopyLineText(row));
    EXPECT_EQ(clipboard->text().count('\n'), 1);
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(log.lines[0].message, "Copied to clipboard.");
    EXPECT_EQ(log.lines[0].colour, base::kBlack);
    EXPECT_EQ(log.lines[0].style, base::LogStyle::Regular);
}

TEST(ExplorerAndCmdPromptHere, OpenTheRowFolderAndLogIt) {
    vorlex::test::TempDir dir;
    const std::string folder = dir.Dir("old files");
    const std::string file = dir.File("old files/a b.tmp", "x");
    EnvGuard terminal("TERMINAL", std::nullopt);
    RecordingLauncher launcher;
    RecordingLog log;

    ui::ExplorerHere(FileRow(file), log);
    ui::CmdPromptHere(FileRow(file), log);
    ui::ExplorerHere(FileRow(folder + "/", "Dir Deleted"), log);
    ui::CmdPromptHere(FileRow("/vorlex-root-file.tmp"), log);

    ASSERT_EQ(launcher.calls.size(), 4u);
    EXPECT_EQ(launcher.calls[0].argv, (std::vector<std::string>{"xdg-open", folder}));
    EXPECT_EQ(launcher.calls[0].workingDir, "");
    EXPECT_EQ(launcher.calls[1].argv, (std::vector<std::string>{"x-terminal-emulator"}));
    EXPECT_EQ(launcher.calls[1].workingDir, folder);
    EXPECT_EQ(launcher.calls[2].argv, (std::vector<std::string>{"xdg-open", folder}));
    EXPECT_EQ(launcher.calls[3].workingDir, "/");

    ASSERT_EQ(log.lines.size(), 4u);
    EXPECT_EQ(log.lines[0].message, "Explorer opened to " + folder);
    EXPECT_EQ(log.lines[1].message, "Command Prompt opened to " + folder);
    EXPECT_EQ(log.lines[2].message, "Explorer opened to " + folder);
    EXPECT_EQ(log.lines[3].message, "Command Prompt opened to /");
    for (const auto& line : log.lines) {
        EXPECT_EQ(line.colour, base::kBlack);
        EXPECT_EQ(line.style, base::LogStyle::Regular);
    }
}

// When nothing could be started the log says why, in red, and never claims that anything was opened.
TEST(ExplorerAndCmdPromptHere, LogTheReasonInRedWhenNothingStarts) {
    vorlex::test::TempDir dir;
    const std::string file = dir.File("gone/a.tmp", "x");
    const std::string folder = dir.path + "/gone";
    std::filesystem::remove_all(folder);
    RecordingLog log;

    // The real launcher: the terminal cannot start in a folder that is gone ("true" would start harmlessly
    // in one that exists).
    {
        EnvGuard terminal("TERMINAL", "true");
        ui::CmdPromptHere(FileRow(file), log);
    }
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(log.lines[0].message, "Could not start true in " + folder + ": No such file or directory");
    EXPECT_EQ(log.lines[0].colour, base::kRed);

    // No file manager and no terminal anywhere in PATH, the folder there: still nothing opened.
    log.lines.clear();
    const std::string here = dir.Dir("here");
    const std::string empty = dir.Dir("no programs");
    {
        EnvGuard path("PATH", empty);
        EnvGuard terminal("TERMINAL", std::nullopt);
        ui::ExplorerHere(FileRow(here + "/b.tmp"), log);
        ui::CmdPromptHere(FileRow(here + "/b.tmp"), log);
    }
    ASSERT_EQ(log.lines.size(), 2u);
    EXPECT_EQ(log.lines[0].message, "Could not start xdg-open for " + here + ": No such file or directory");
    EXPECT_EQ(log.lines[1].message,
              "Could not start x-terminal-emulator in " + here + ": No such file or directory");
    for (const auto& line : log.lines) {
        EXPECT_EQ(line.colour, base::kRed);
        EXPECT_EQ(line.style, base::LogStyle::Regular);
    }

    // A file manager that cannot be started, with debug on: the reason once, no claim.
    log.lines.clear();
    log.debug = true;
    RecordingLauncher launcher;
    launcher.answer = EACCES;
    ui::ExplorerHere(FileRow(file), log);
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(log.lines[0].message, "Could not start xdg-open for " + folder + ": Permission denied");
    EXPECT_EQ(log.lines[0].colour, base::kRed);
}

TEST(ExplorerAndCmdPromptHere, DoNothingWithoutASelectedRow) {
    RecordingLauncher launcher;
    RecordingLog log;
    log.debug = true;
    ui::ExplorerHere(std::nullopt, log);
    ui::CmdPromptHere(std::nullopt, log);
    EXPECT_TRUE(launcher.calls.empty());
    EXPECT_TRUE(log.lines.empty());
}

TEST(ListViewPopupMenu, OffersTheThreeActionsOnTheList) {
    QTreeWidget list;
    int copies = 0, explorers = 0, prompts = 0;
    const ui::ListViewPopupMenu popup = ui::BuildListViewPopupMenu(
        &list, [&] { ++copies; }, [&] { ++explorers; }, [&] { ++prompts; });

    ASSERT_NE(popup.menu, nullptr);
    EXPECT_EQ(popup.menu->objectName(), QStringLiteral("ListViewPopupMenu"));
    EXPECT_EQ(popup.menu->parent(), &list);
    const QList<QAction*> actions = popup.menu->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0], popup.copyLine);
    EXPECT_EQ(actions[1], popup.explorerHere);
    EXPECT_EQ(actions[2], popup.cmdPromptHere);

    EXPECT_EQ(popup.copyLine->text(), QStringLiteral("Copy Line to Clipboard (Double-click)"));
    EXPECT_EQ(popup.copyLine->statusTip(),
              QStringLiteral("Copy the selected file to the clipboard (Tab delimited format)"));
    EXPECT_EQ(popup.copyLine->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
    EXPECT_EQ(popup.explorerHere->text(), QStringLiteral("Explorer Here"));
    EXPECT_EQ(popup.explorerHere->statusTip(),
              QStringLiteral("Open Windows Explorer window at the file's path."));
    EXPECT_EQ(popup.explorerHere->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
    EXPECT_EQ(popup.cmdPromptHere->text(), QStringLiteral("Command Prompt Here"));
    EXPECT_EQ(popup.cmdPromptHere->statusTip(), QStringLiteral("Open a Command Prompt at the file's path."));
    EXPECT_EQ(popup.cmdPromptHere->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));

    for (QAction* action : actions) {
        EXPECT_EQ(action->shortcutContext(), Qt::WidgetWithChildrenShortcut);
        EXPECT_TRUE(list.actions().contains(action));  // so the shortcut works while the list has focus
    }
    EXPECT_EQ(list.contextMenuPolicy(), Qt::CustomContextMenu);

    popup.explorerHere->trigger();
    popup.cmdPromptHere->trigger();
    popup.cmdPromptHere->trigger();
    EXPECT_EQ(copies, 0);
    EXPECT_EQ(explorers, 1);
    EXPECT_EQ(prompts, 2);
}

TEST(ListViewPopupMenu, ShortcutsWorkWhileTheListHasTheFocus) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* list = new QTreeWidget(&window);
    auto* other = new QLineEdit(&window);
    layout->addWidget(list);
    layout->addWidget(other);
    list->setColumnCount(2);
    list->addTopLevelItem(
        new QTreeWidgetItem(QStringList{QStringLiteral("/srv/a.tmp"), QStringLiteral("Found")}));
    list->setCurrentItem(list->topLevelItem(0));
    int copies = 0, explorers = 0, prompts = 0;
    ui::BuildListViewPopupMenu(
        list, [&] { ++copies; }, [&] { ++explorers; }, [&] { ++prompts; });
    window.show();
    QApplication::setActiveWindow(&window);
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));

    list->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), list);
    PressCtrl(Qt::Key_C);
    PressCtrl(Qt::Key_E);
    PressCtrl(Qt::Key_P);
    EXPECT_EQ(copies, 1);
    EXPECT_EQ(explorers, 1);
    EXPECT_EQ(prompts, 1);
    // The list's own copy of the current cell did not run instead.
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));

    // Elsewhere in the window the keys keep their own meaning.
    other->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), other);
    PressCtrl(Qt::Key_E);
    PressCtrl(Qt::Key_P);
    EXPECT_EQ(explorers, 1);
    EXPECT_EQ(prompts, 1);
}
