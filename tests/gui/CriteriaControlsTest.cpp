// The criteria block of the real main window: toggles and their exclusions, the syntax check with its
// colours, the expression history, the directory chooser and F1.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSpinBox>
#include <QStyle>
#include <QStyleFactory>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

#include <filesystem>
#include <memory>

#include <gtest/gtest.h>

#include "WindowSeams.h"
#include "config/ListFile.h"

using vorlex::app::TForm1;
using vorlex::test::BoxRecorder;
using vorlex::test::ChooserStub;
using vorlex::test::CountLines;
using vorlex::test::FindLine;
using vorlex::test::HelpRecorder;
using vorlex::test::TempDir;
using vorlex::test::WindowEnv;
namespace base = vorlex::base;

// Qt's own key-press path for shortcuts (what QtTest uses). Returns true when a shortcut took the key.
bool qt_sendShortcutOverrideEvent(QObject* receiver, ulong timestamp, int key,
                                  Qt::KeyboardModifiers modifiers, const QString& text, bool autorepeat,
                                  ushort count);

namespace {

const QColor kOn(125, 210, 125);

QColor ButtonColour(const QToolButton* b) {
    return b->palette().color(QPalette::Button);
}

QColor BoxColour(const TForm1& w) {
    return w.RegExEdit->lineEdit()->palette().color(QPalette::Base);
}

QStringList HistoryItems(const TForm1& w) {
    QStringList items;
    for (int i = 0; i < w.RegExEdit->count(); ++i) {
        items << w.RegExEdit->itemText(i);
    }
    return items;
}

/// Lets events run until `timer` has fired and stopped (a hang guard of a minute).
bool WaitUntilIdle(const QTimer* timer) {
    QElapsedTimer guard;
    guard.start();
    while (timer->isActive() && guard.elapsed() < 60000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return !timer->isActive();
}

/// Types `text` into the expression box as the user would leave it.
void TypeExpression(TForm1& w, const QString& text) {
    w.RegExEdit->setEditText(text);
}

/// Types `text` into `target` key by key, a press and a release per character, as a user at the keyboard
/// does (what QTest::keyClicks sends).
void TypeKeys(QWidget* target, const QString& text) {
    for (QChar c : text) {
        const int key = c.isDigit() ? Qt::Key_0 + c.digitValue() : c.unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &release);
    }
}

}  // namespace

// A number typed above 10,000 becomes 10,000, never the shorter number typed so far: with the box cut to
// 2,000 or 1,234 days, a scan would list files far younger than the user asked for.
TEST(CriteriaControls, DaysTypedAboveTheLimitBecomeTheLimit) {
    TempDir dir;
    TempDir tree;
    tree.File("old.txt", "x");
    dir.File("Vorlex.ini", "[Vorlex]\nDrivePath=" + tree.path + "\n");
    BoxRecorder boxes;
    // The window's clock runs 5,000 days ahead: the file is 5,000 days old.
    TForm1 w(WindowEnv(dir, 5000));
    w.show();
    w.Init();
    QApplication::setActiveWindow(&w);
    for (const QString& typed : {QString("20000"), QString("12345"), QString("100000")}) {
        SCOPED_TRACE(typed.toStdString());
        w.DaysOldEdit->setFocus();
        w.DaysOldEdit->selectAll();
        TypeKeys(w.DaysOldEdit, typed);
        EXPECT_EQ(w.DaysOldEdit->value(), 10000);
        EXPECT_EQ(w.DaysOldEdit->text(), w.DaysOldEdit->locale().toString(10000));
        EXPECT_EQ(w.Ctl().Settings().daysOld, 10000);
        w.ScanNowBitBtn->setFocus();
        EXPECT_EQ(w.DaysOldEdit->value(), 10000);
        w.ScanNowBitBtn->click();
        EXPECT_NE(FindLine(w, "0 files matched search criteria."), nullptr);
        EXPECT_EQ(w.ListView1->model()->rowCount(), 0);
    }
    // A number in range is taken as typed.
    w.DaysOldEdit->setFocus();
    w.DaysOldEdit->selectAll();
    TypeKeys(w.DaysOldEdit, "4999");
    EXPECT_EQ(w.DaysOldEdit->value(), 4999);
    w.ScanNowBitBtn->click();
    EXPECT_EQ(w.ListView1->model()->rowCount(), 1);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST(CriteriaControls, UseRegExSwitchesBothMasksOffAndOffAgainLeavesThemOff) {
    TempDir dir;
    dir.File("Vorlex.ini", "[Vorlex]\nUseIncludeFiles=1\nUseExcludeFiles=1\n");
    BoxRecorder boxes;
    TForm1 w(WindowEnv(dir));
    w.show();
    w.Init();
    const QColor face = ButtonColour(w.UseRegExButton);
    ASSERT_TRUE(w.UseIncludeFilesButton->isChecked());
    ASSERT_TRUE(w.UseExcludeFilesButton->isChecked());
    EXPECT_EQ(ButtonColour(w.UseIncludeFilesButton), kOn);
    EXPECT_TRUE(w.IncludeFilesEdit->isEnabled());
    EXPECT_FALSE(w.RegExEdit->isEnabled());
    EXPECT_FALSE(w.NOTRegExSpeedButton->isEnabled());

    w.UseRegExButton->click();
    EXPECT_TRUE(w.Ctl().Settings().useRegEx);
    EXPECT_TRUE(w.UseRegExButton->isChecked());
    EXPECT_EQ(ButtonColour(w.UseRegExButton), kOn);
    for (QToolButton* mask : {w.UseIncludeFilesButton, w.UseExcludeFilesButton}) {
        SCOPED_TRACE(mask->text().toStdString());
        EXPECT_FALSE(mask->isChecked());
        EXPECT_FALSE(mask->isEnabled());
        EXPECT_EQ(ButtonColour(mask), face);
    }
    EXPECT_FALSE(w.Ctl().Settings().useIncludeFiles);
    EXPECT_FALSE(w.Ctl().Settings().useExcludeFiles);
    EXPECT_FALSE(w.IncludeFilesEdit->isEnabled());
    EXPECT_FALSE(w.IncludeFilesSpeedButton->isEnabled());
    EXPECT_FALSE(w.ExcludeFilesEdit->isEnabled());
    EXPECT_FALSE(w.ExcludeFilesSpeedButton->isEnabled());
    for (QWidget* c : {static_cast<QWidget*>(w.RegExEdit), static_cast<QWidget*>(w.CheckRegExSpeedButton),
                       static_cast<QWidget*>(w.ModifyRegExSpeedButton),
                       static_cast<QWidget*>(w.NOTRegExSpeedButton), w.RegExRadioGroup}) {
        EXPECT_TRUE(c->isEnabled()) << c->objectName().toStdString();
    }

    // "!" pressed while the expression is on keeps its state while it is off and disabled.
    w.NOTRegExSpeedButton->click();
    EXPECT_TRUE(w.Ctl().Settings().notRegEx);

    w.UseRegExButton->click();
    EXPECT_FALSE(w.Ctl().Settings().useRegEx);
    EXPECT_EQ(ButtonColour(w.UseRegExButton), face);
    for (QToolButton* mask : {w.UseIncludeFilesButton, w.UseExcludeFilesButton}) {
        EXPECT_FALSE(mask->isChecked());
        EXPECT_TRUE(mask->isEnabled());
    }
    EXPECT_FALSE(w.Ctl().Settings().useIncludeFiles);
    EXPECT_FALSE(w.IncludeFilesEdit->isEnabled());
    EXPECT_FALSE(w.RegExEdit->isEnabled());
    EXPECT_FALSE(w.NOTRegExSpeedButton->isEnabled());
    EXPECT_TRUE(w.NOTRegExSpeedButton->isChecked());
    EXPECT_TRUE(w.Ctl().Settings().notRegEx);

    // A mask toggle on its own touches nothing else.
    w.UseIncludeFilesButton->click();
    EXPECT_TRUE(w.Ctl().Settings().useIncludeFiles);
    EXPECT_TRUE(w.IncludeFilesEdit->isEnabled());
    EXPECT_FALSE(w.Ctl().Settings().useExcludeFiles);
    EXPECT_FALSE(w.ExcludeFilesEdit->isEnabled());
    EXPECT_FALSE(w.Ctl().Settings().useRegEx);

    // The state of "!" is saved with the settings.
    w.SaveSettingsBitBtn->click();
    EXPECT_NE(dir.Read("Vorlex.ini").find("NOTRegEx=1"), std::string::npos) << dir.Read("Vorlex.ini");
    EXPECT_NE(dir.Read("Vorlex.ini").find("UseRegEx=0"), std::string::npos);
    EXPECT_TRUE(boxes.boxes.empty());
}

// An "on" toggle shows exactly its light green on screen, whatever the style: most pixels inside its frame
// are that colour (the caption and the frame take the rest); an "off" toggle shows none of it.
TEST(CriteriaControls, OnTogglesPaintExactlyTheirGreenInEveryStyle) {
    TempDir dir;
    dir.File("Vorlex.ini", "[Vorlex]\nUseIncludeFiles=1\n");
    BoxRecorder boxes;
    TForm1 w(WindowEnv(dir));
    w.show();
    w.Init();
    ASSERT_TRUE(w.UseIncludeFilesButton->isChecked());
    ASSERT_FALSE(w.UseRegExButton->isChecked());
    auto greenShare = [](QToolButton* b) {
        const QImage image = b->grab().toImage();
        const QRect inner = image.rect().adjusted(3, 3, -3, -3);
        int green = 0;
        for (int y = inner.top(); y <= inner.bottom(); ++y) {
            for (int x = inner.left(); x <= inner.right(); ++x) {
                green += image.pixelColor(x, y).rgb() == kOn.rgb() ? 1 : 0;
            }
        }
        return static_cast<double>(green) / (inner.width() * inner.height());
    };
    for (const char* name : {"Fusion", "Windows"}) {
        SCOPED_TRACE(name);
        std::unique_ptr<QStyle> style(QStyleFactory::create(name));
        ASSERT_NE(style, nullptr);
        for (QToolButton* b : {w.UseIncludeFilesButton, w.UseRegExButton}) {
            b->setStyle(style.get());
        }
        const QImage on = w.UseIncludeFilesButton->grab().toImage();
        EXPECT_EQ(on.pixelColor(4, on.height() / 2), kOn)
            << on.pixelColor(4, on.height() / 2).name().toStdString();
        EXPECT_GT(greenShare(w.UseIncludeFilesButton), 0.5);
        EXPECT_EQ(greenShare(w.UseRegExButton), 0.0);
        for (QToolButton* b : {w.UseIncludeFilesButton, w.UseRegExButton}) {
            b->setStyle(nullptr);
        }
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST(CriteriaControls, SyntaxCheckColoursTheBoxLogsAndColourComesBack) {
    TempDir dir;
    dir.File("Vorlex.ini", "[Vorlex]\nUseRegEx=1\n");
    BoxRecorder boxes;
    TForm1 w(WindowEnv(dir));
    w.show();
    w.Init();
    const QColor normal = BoxColour(w);

    TypeExpression(w, "bee(hive|line)");
    w.CheckRegExSpeedButton->click();
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(BoxColour(w), QColor(0xA2, 0xF3, 0xA2));
    const auto* ok = FindLine(w, "RegEx syntax is OK for expression bee(hive|line)");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->colour, base::kBlack);
    EXPECT_EQ(ok->style, base::LogStyle::Regular);
    EXPECT_TRUE(w.Timer2->isActive());
    EXPECT_EQ(w.Timer2->interval(), 3000);
    w.Timer2Timer();
    EXPECT_EQ(BoxColour(w), normal);
    EXPECT_FALSE(w.Timer2->isActive());

    TypeExpression(w, "a(b");
    w.CheckRegExSpeedButton->click();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].title, "Vorlex:");
    EXPECT_EQ(boxes.boxes[0].icon, vorlex::ui::BoxIcon::Error);
    EXPECT_TRUE(boxes.boxes[0].text.startsWith(
        "Syntax Exception: \nTPerlRegEx.Compile() - Error in regex at offset 3: "))
        << boxes.boxes[0].text.toStdString();
    EXPECT_EQ(BoxColour(w), QColor(0xFF, 0xAB, 0xAB));
    const auto* bad = FindLine(w, "RegEx syntax is incorrect for expression a(b");
    ASSERT_NE(bad, nullptr);
    EXPECT_EQ(bad->colour, base::kRed);
    EXPECT_EQ(bad->style, base::LogStyle::Regular);
    ASSERT_TRUE(w.Timer2->isActive());
    // The timer's own firing gives the colour back.
    ASSERT_TRUE(WaitUntilIdle(w.Timer2));
    EXPECT_EQ(BoxColour(w), normal);

    // An empty box fails quietly: the colour and the line, but no box.
    TypeExpression(w, "");
    w.CheckRegExSpeedButton->click();
    EXPECT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(BoxColour(w), QColor(0xFF, 0xAB, 0xAB));
    const auto* empty = FindLine(w, "RegEx syntax is incorrect for expression ");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->colour, base::kRed);
    w.Timer2Timer();
    EXPECT_EQ(BoxColour(w), normal);
}

TEST(CriteriaControls, HistoryGrowsOncePerExpressionAndClearingKeepsTheTickedEntries) {
    TempDir dir;
    TempDir tree;
    tree.File("a.txt", "x");
    ASSERT_EQ(
        vorlex::config::WriteListFile(dir.path + "/Vorlex.regex",
                                      {{"zeta", true}, {"Alpha", true}, {"beta", false}, {"gamma", true}}),
        0);
    dir.File("Vorlex.ini", "[Vorlex]\nDrivePath=" + tree.path + "\nRegExEdit=stored\n");
    BoxRecorder boxes;
    TForm1 w(WindowEnv(dir));
    w.show();
    w.Init();
    const QStringList ticked{"Alpha", "gamma", "zeta"};
    EXPECT_EQ(HistoryItems(w), ticked);
    EXPECT_EQ(w.RegExEdit->currentText(), "stored");

    // The same expression in two letter cases is added once, at the top; the expression need not be on.
    TypeExpression(w, "Bee(hive|line)");
    w.ScanNowBitBtn->click();
    TypeExpression(w, "bEE(HIVE|line)");
    w.ScanNowBitBtn->click();
    EXPECT_EQ(HistoryItems(w), (QStringList{"Bee(hive|line)", "Alpha", "gamma", "zeta"}));
    // An entry of the list file already there is not added again.
    TypeExpression(w, "GAMMA");
    w.ScanNowBitBtn->click();
    EXPECT_EQ(w.RegExEdit->count(), 4);
    // An empty box adds one empty item at the top, once.
    TypeExpression(w, "");
    w.ScanNowBitBtn->click();
    w.ScanNowBitBtn->click();
    EXPECT_EQ(HistoryItems(w), (QStringList{"", "Bee(hive|line)", "Alpha", "gamma", "zeta"}));
    EXPECT_TRUE(boxes.boxes.empty());

    // "Clear RegEx History" from the box's menu: an empty box, exactly the ticked entries, in their order.
    TypeExpression(w, "something");
    ASSERT_NE(w.RegExPopupMenu, nullptr);
    QList<QAction*> actions = w.RegExPopupMenu->actions();
    ASSERT_EQ(actions.size(), 1);
    EXPECT_EQ(actions[0]->text(), "Clear RegEx History");
    actions[0]->trigger();
    EXPECT_EQ(w.RegExEdit->currentText(), "");
    EXPECT_EQ(HistoryItems(w), ticked);
    EXPECT_EQ(w.Ctl().Settings().regExEdit, "");

    // Without the list file the history is empty.
    std::filesystem::remove(dir.path + "/Vorlex.regex");
    actions[0]->trigger();
    EXPECT_EQ(w.RegExEdit->count(), 0);
}

// Typing in the expression box opens its list (when it has items); the keys typed meanwhile still reach the
// box, which keeps exactly the typed text and its cursor: nothing is completed.
TEST(CriteriaControls, TypingOpensTheHistoryListWithoutCompleting) {
    TempDir dir;
    ASSERT_EQ(vorlex::config::WriteListFile(dir.path + "/Vorlex.regex", {{"abcdef", true}, {"abx", true}}),
              0);
    dir.File("Vorlex.ini", "[Vorlex]\nUseRegEx=1\n");
    BoxRecorder boxes;
    TForm1 w(WindowEnv(dir));
    w.show();
    w.Init();
    QApplication::setActiveWindow(&w);
    QLineEdit* line = w.RegExEdit->lineEdit();
    ASSERT_EQ(w.RegExEdit->count(), 2);
    line->setFocus();
    // Keys go where the window system sends them: to an open pop-up's focus, else to the focused control.
    auto typeKeys = [](const QString& text) {
        QWidget* popup = QApplication::activePopupWidget();
        QWidget* target = popup != nullptr && popup->focusWidget() != nullptr ? popup->focusWidget()
                          : popup != nullptr                                  ? popup
                                                                              : QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        TypeKeys(target, text);
    };
    typeKeys("a");
    EXPECT_TRUE(w.RegExEdit->view()->isVisible());
    typeKeys("b");
    EXPECT_TRUE(w.RegExEdit->view()->isVisible());
    EXPECT_EQ(line->text(), "ab");
    EXPECT_EQ(line->cursorPosition(), 2);
    EXPECT_EQ(w.RegExEdit->currentText(), "ab");
    EXPECT_EQ(w.Ctl().Settings().regExEdit, "ab");
    // A key typed with the cursor inside the text goes there.
    line->setCursorPosition(1);
    typeKeys("z");
    EXPECT_EQ(line->text(), "azb");
    EXPECT_EQ(line->cursorPosition(), 2);
    w.RegExEdit->hidePopup();

    // An empty history opens nothing.
    std::filesystem::remove(dir.path + "/Vorlex.regex");
    w.RegExPopupMenu->actions()[0]->trigger();
    ASSERT_EQ(w.RegExEdit->count(), 0);
    line->setFocus();
    typeKeys("q");
    EXPECT_FALSE(w.RegExEdit->view()->isVisible());
    EXPECT_EQ(line->text(), "q");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST(CriteriaControls, ChoosingADirectoryLogsThePathOnlyInDebugMode) {
    TempDir dir;
    TempDir tree;
    dir.File("Vorlex.ini", "[Vorlex]\nDebug=1\nDrivePath=" + tree.path + "\n");
    BoxRecorder boxes;
    const QString chosen = QString::fromStdString(tree.Dir("chosen"));
    ChooserStub chooser(chosen);
    TForm1 w(WindowEnv(dir));
    w.show();
    w.Init();
    ASSERT_NE(FindLine(w, "DEBUG via INI = True"), nullptr);

    w.SelectDrivePathBtn->click();
    ASSERT_EQ(chooser.starts.size(), 1u);
    EXPECT_EQ(chooser.starts[0], QString::fromStdString(tree.path));
    EXPECT_EQ(w.DrivePathEdit->text(), chosen);
    EXPECT_EQ(w.Ctl().Settings().drivePath, chosen.toStdString());
    const auto* line = FindLine(w, "Path selected = " + chosen.toStdString());
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->colour, base::kGreen);

    // Cancelled: the path stays, the line names where the chooser started.
    chooser.Answer(std::nullopt);
    w.SelectDrivePathBtn->click();
    EXPECT_EQ(w.DrivePathEdit->text(), chosen);
    EXPECT_EQ(CountLines(w, "Path selected = " + chosen.toStdString()), 2);

    // A vanished directory: the chooser starts in the start-up working directory.
    std::filesystem::remove(chosen.toStdString());
    w.SelectDrivePathBtn->click();
    ASSERT_EQ(chooser.starts.size(), 3u);
    EXPECT_EQ(chooser.starts[2], QString::fromStdString(dir.path + "/"));

    // Debug mode off: no line.
    w.Ctl().SetDebugMode(false);
    chooser.Answer(QString::fromStdString(tree.path));
    const size_t before = w.Ctl().LogModel().Entries().size();
    w.SelectDrivePathBtn->click();
    EXPECT_EQ(w.DrivePathEdit->text(), QString::fromStdString(tree.path));
    EXPECT_EQ(w.Ctl().LogModel().Entries().size(), before);
    EXPECT_TRUE(boxes.boxes.empty());
}

// The directory chooser takes a typed name of a directory that does not exist yet: it asks whether to
// create it; No goes back to the chooser, Yes takes the name (and creates nothing).
TEST(CriteriaControls, ChooserTakesATypedNewDirectoryAfterAskingYes) {
    TempDir dir;
    TempDir tree;
    dir.File("Vorlex.ini", "[Vorlex]\nDrivePath=" + tree.path + "\n");
    TForm1 w(WindowEnv(dir));
    w.show();
    w.Init();
    std::vector<vorlex::ui::BoxRequest> boxes;
    std::vector<vorlex::ui::BoxResult> answers{vorlex::ui::BoxResult::No, vorlex::ui::BoxResult::Yes};
    vorlex::ui::SetMessageBoxHook([&](const vorlex::ui::BoxRequest& r) {
        boxes.push_back(r);
        const auto answer = answers.empty() ? vorlex::ui::BoxResult::Ok : answers.front();
        if (!answers.empty()) {
            answers.erase(answers.begin());
        }
        return answer;
    });
    const QString wanted = QString::fromStdString(tree.path + "/new folder");
    bool stayedAfterNo = false;
    // The user, once the chooser is up: types the new name and confirms, answers No, confirms again.
    QTimer::singleShot(0, &w, [&] {
        QWidget* chooser = QApplication::activeModalWidget();
        ASSERT_NE(chooser, nullptr);
        auto* edit = chooser->findChild<QLineEdit*>("DirectoryEdit");
        auto* ok = chooser->findChild<QPushButton*>("OkButton");
        if (edit == nullptr || ok == nullptr) {
            ADD_FAILURE() << "the chooser offers no place to type a directory";
            static_cast<QDialog*>(chooser)->reject();
            return;
        }
        EXPECT_EQ(edit->text().toStdString(), tree.path);
        edit->setText(wanted);
        ok->click();
        stayedAfterNo = chooser->isVisible();
        ok->click();
    });
    w.SelectDrivePathBtn->click();
    vorlex::ui::SetMessageBoxHook({});

    EXPECT_TRUE(stayedAfterNo);
    ASSERT_EQ(boxes.size(), 2u);
    for (const auto& box : boxes) {
        EXPECT_EQ(box.title, "Vorlex:");
        EXPECT_EQ(box.text, "The specified directory does not exist. Create it?");
        EXPECT_EQ(box.buttons, vorlex::ui::BoxButtons::YesNo);
    }
    EXPECT_EQ(w.DrivePathEdit->text(), wanted);
    EXPECT_EQ(w.Ctl().Settings().drivePath, wanted.toStdString());
    EXPECT_FALSE(std::filesystem::exists(wanted.toStdString()));
}

TEST(CriteriaControls, F1AsksForTheHelpOfTheFocusedControl) {
    TempDir dir;
    dir.File("Vorlex.ini", "[Vorlex]\nUseRegEx=1\n");
    HelpRecorder help;
    TForm1 w(WindowEnv(dir));
    w.show();
    w.Init();
    QApplication::setActiveWindow(&w);
    auto pressF1 = [] {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_TRUE(qt_sendShortcutOverrideEvent(focus, 0, Qt::Key_F1, Qt::NoModifier, QString(), false, 1));
    };
    w.DaysOldEdit->setFocus();
    pressF1();
    w.RegExEdit->setFocus();
    pressF1();
    w.CloseBitBtn->setFocus();
    pressF1();
    EXPECT_EQ(help.contexts, (std::vector<int>{60, 90, 60}));
}
