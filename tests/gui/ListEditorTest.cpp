// The list editor on the offscreen platform: boxes and prompts are answered by hooks, files are real.
#include <sys/stat.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>
#include <pcre2.h>

#include "TempDir.h"
#include "config/ListFile.h"
#include "ui/HelpWindow.h"
#include "ui/ListEditor.h"
#include "ui/MessageBoxes.h"
#include "ui/PromptForEntry.h"

using namespace vorlex;
using config::ListEditorMode;
using config::ListEntry;

// Qt's own key-press path for shortcuts (what QtTest uses): returns true when a shortcut took the key.
bool qt_sendShortcutOverrideEvent(QObject* receiver, ulong timestamp, int key,
                                  Qt::KeyboardModifiers modifiers, const QString& text, bool autorepeat,
                                  ushort count);

namespace {

struct LogLine {
    std::string text;
    base::LogColour colour;
    base::LogStyle style;
};

class RecordingLog : public base::LogSink {
  public:
    void WriteLog(std::string_view message, base::LogColour colour, base::LogStyle style) override {
        lines.push_back({std::string(message), colour, style});
    }
    void WriteDebugLog(std::string_view) override {}
    bool DebugMode() const override { return false; }
    std::vector<std::string> Texts() const {
        std::vector<std::string> t;
        std::transform(lines.begin(), lines.end(), std::back_inserter(t),
                       [](const LogLine& l) { return l.text; });
        return t;
    }
    std::vector<LogLine> lines;
};

/// The file-mask rule the program uses: not empty, none of the eight forbidden characters.
std::string MaskCheck(const std::string& t) {
    return !t.empty() && t.find_first_of("\"/:<>?\\|") == std::string::npos ? "" : "not a file type";
}

/// A real compile with PCRE2, giving its own message for a bad expression.
std::string RegExCheck(const std::string& text) {
    if (text.empty()) {
        return "empty";
    }
    int code = 0;
    PCRE2_SIZE offset = 0;
    pcre2_code* re =
        pcre2_compile(reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(),
                      PCRE2_CASELESS | PCRE2_UTF | PCRE2_MATCH_INVALID_UTF, &code, &offset, nullptr);
    if (re != nullptr) {
        pcre2_code_free(re);
        return "";
    }
    PCRE2_UCHAR buffer[256];
    pcre2_get_error_message(code, buffer, sizeof buffer);
    return "Error in regex at offset " + std::to_string(offset) + ": " +
           reinterpret_cast<const char*>(buffer);
}

class ListEditorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ui::SetMessageBoxHook([this](const ui::BoxRequest& r) {
            boxes.push_back(r);
            return r.buttons == ui::BoxButtons::YesNo ? boxAnswer : ui::BoxResult::Ok;
        });
        ui::SetPromptHook([this](const ui::PromptRequest& r) -> std::optional<QString> {
            prompts.push_back(r);
            if (answers.empty()) {
                ADD_FAILURE() << "unexpected prompt " << r.caption.toStdString();
                return std::nullopt;
            }
            std::optional<QString> a = answers.front();
            answers.pop_front();
            return a;
        });
        ui::ListEditorContext ctx;
        ctx.programPath = dir.path + "/";
        ctx.log = &log;
        ctx.isValidFileType = MaskCheck;
        ctx.syntaxCheckRegEx = RegExCheck;
        ctx.reportError = [this](const std::string& m) { errors.push_back(m); };
        editor = std::make_unique<ui::TForm4>(ctx);
        editor->SetTargets(&includeEdit, &excludeEdit, &regExEdit);
        regExEdit.setEditable(true);
    }
    void TearDown() override {
        ui::SetMessageBoxHook({});
        ui::SetPromptHook({});
    }

    /// Opens the editor without blocking, as Execute() would open it.
    void Open(ListEditorMode mode) {
        editor->SetMode(mode);
        editor->show();
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> t;
        for (int i = 0; i < editor->JvCheckListBox1->count(); ++i) {
            t.push_back(editor->JvCheckListBox1->item(i)->text().toStdString());
        }
        return t;
    }
    void Select(const std::string& text) {
        auto found = editor->JvCheckListBox1->findItems(QString::fromStdString(text), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        editor->JvCheckListBox1->setCurrentItem(found.first());
    }
    void Key(QWidget* w, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
    }
    std::string WriteList(ListEditorMode mode, const std::vector<ListEntry>& entries) {
        std::string path = config::ListFilePath(dir.path + "/", mode);
        EXPECT_EQ(config::WriteListFile(path, entries), 0);
        return path;
    }

    test::TempDir dir;
    RecordingLog log;
    QLineEdit includeEdit;
    QLineEdit excludeEdit;
    QComboBox regExEdit;
    std::unique_ptr<ui::TForm4> editor;
    std::vector<ui::BoxRequest> boxes;
    ui::BoxResult boxAnswer = ui::BoxResult::Yes;
    std::vector<ui::PromptRequest> prompts;
    std::deque<std::optional<QString>> answers;
    std::vector<std::string> errors;
};

}  // namespace

TEST_F(ListEditorTest, TheControlsSitAtTheirPlaces) {
    Open(ListEditorMode::Include);
    EXPECT_EQ(editor->size(), QSize(335, 238));
    EXPECT_EQ(editor->JvCheckListBox1->geometry(), QRect(8, 8, 225, 220));
    EXPECT_EQ(editor->AddBitBtn->geometry(), QRect(248, 8, 75, 25));
    EXPECT_EQ(editor->RemoveBitBtn->geometry(), QRect(248, 46, 75, 25));
    EXPECT_EQ(editor->ChangeBitBtn->geometry(), QRect(248, 83, 75, 25));
    EXPECT_EQ(editor->CancelBitBtn->geometry(), QRect(248, 168, 75, 25));
    EXPECT_EQ(editor->ApplyBitBtn->geometry(), QRect(248, 203, 75, 25));
    EXPECT_EQ(editor->RemoveBitBtn->toolTip(), "Remove and entry from the list. [Delete key]");
    const std::pair<ListEditorMode, const char*> captions[] = {
        {ListEditorMode::Include, "Files to Search For"},
        {ListEditorMode::Exclude, "Files to Ignore in Search"},
        {ListEditorMode::RegEx, "Manage Regular Expressions"}};
    for (const auto& [mode, caption] : captions) {
        editor->hide();
        Open(mode);
        EXPECT_EQ(editor->windowTitle(), caption);
    }
}

// F1 on any control of the editor asks for the editor's help page.
TEST_F(ListEditorTest, F1OnEveryControlAsksForTheEditorsHelpPage) {
    std::vector<int> contexts;
    ui::SetHelpHook([&contexts](int context) { contexts.push_back(context); });
    Open(ListEditorMode::Exclude);
    QApplication::setActiveWindow(editor.get());
    const std::vector<QWidget*> controls = {editor->JvCheckListBox1, editor->AddBitBtn,
                                            editor->RemoveBitBtn,    editor->ChangeBitBtn,
                                            editor->CancelBitBtn,    editor->ApplyBitBtn};
    for (QWidget* control : controls) {
        control->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), control) << control->objectName().toStdString();
        EXPECT_TRUE(qt_sendShortcutOverrideEvent(control, 0, Qt::Key_F1, Qt::NoModifier, QString(), false, 1))
            << control->objectName().toStdString();
    }
    ui::SetHelpHook({});
    EXPECT_EQ(contexts, std::vector<int>(controls.size(), ui::kHelpGeneral));
}

TEST_F(ListEditorTest, AddingAMaskAndApplyingWritesTheListAndTheField) {
    includeEdit.setText("*.old");  // the list comes from the file, never from the field
    Open(ListEditorMode::Include);
    EXPECT_EQ(editor->JvCheckListBox1->count(), 0);

    answers.push_back(QString("*.tmp"));
    editor->AddBitBtn->click();
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0].caption, "File Name/Type to Add");
    EXPECT_EQ(prompts[0].prompt, "Enter file Name/Type:");
    EXPECT_EQ(prompts[0].value, "");
    EXPECT_EQ(editor->JvCheckListBox1->item(0)->checkState(), Qt::Checked);

    editor->ApplyBitBtn->click();
    EXPECT_EQ(editor->result(), QDialog::Accepted);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(dir.Read("Vorlex.incl"), std::string("\x01\0\0\0\x05\0\0\0*.tmp", 13));
    EXPECT_EQ(includeEdit.text(), "*.tmp");
    EXPECT_EQ(excludeEdit.text(), "");
    EXPECT_EQ(log.Texts(), (std::vector<std::string>{"Include files changed:", "From: *.old", "To: *.tmp"}));
    for (const LogLine& l : log.lines) {
        EXPECT_EQ(l.colour, base::kBlack);
        EXPECT_EQ(l.style, base::LogStyle::Regular);
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ListEditorTest, ApplyJoinsTickedEntriesInDisplayOrderAndSavesThemAll) {
    WriteList(ListEditorMode::Exclude,
              {{"*.tmp", true}, {"*.log", false}, {"old file*.txt", true}, {"*.bak", true}});
    excludeEdit.setText("before");
    Open(ListEditorMode::Exclude);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"*.bak", "*.log", "*.tmp", "old file*.txt"}));
    editor->ApplyBitBtn->click();
    EXPECT_EQ(excludeEdit.text(), "*.bak,*.tmp,old file*.txt");
    EXPECT_EQ(log.Texts(), (std::vector<std::string>{"Exclude files changed:", "From: before",
                                                     "To: *.bak,*.tmp,old file*.txt"}));
    std::vector<ListEntry> saved;
    ASSERT_EQ(config::ReadListFile(dir.path + "/Vorlex.excl", saved), 0);
    EXPECT_EQ(saved, (std::vector<ListEntry>{
                         {"*.bak", true}, {"*.log", false}, {"*.tmp", true}, {"old file*.txt", true}}));

    // Unticking everything empties the field; the lines are logged even when nothing changes.
    log.lines.clear();
    Open(ListEditorMode::Exclude);
    for (int i = 0; i < editor->JvCheckListBox1->count(); ++i) {
        editor->JvCheckListBox1->item(i)->setCheckState(Qt::Unchecked);
    }
    editor->ApplyBitBtn->click();
    EXPECT_EQ(excludeEdit.text(), "");
    EXPECT_EQ(log.Texts(), (std::vector<std::string>{
                               "Exclude files changed:", "From: *.bak,*.tmp,old file*.txt", "To: "}));
    log.lines.clear();
    Open(ListEditorMode::Exclude);
    editor->ApplyBitBtn->click();
    EXPECT_EQ(log.Texts(), (std::vector<std::string>{"Exclude files changed:", "From: ", "To: "}));
}

TEST_F(ListEditorTest, InvalidAndDuplicateMasksAreRefused) {
    WriteList(ListEditorMode::Include, {{"*.tmp", false}});
    Open(ListEditorMode::Include);
    for (const char* bad : {"a?b.txt", "C:\\x", "a|b", ""}) {
        boxes.clear();
        answers.push_back(QString(bad));
        editor->AddBitBtn->click();
        ASSERT_EQ(boxes.size(), 1u) << bad;
        EXPECT_EQ(boxes[0].text, QString(bad) + " is not a valid file type.");
        EXPECT_EQ(boxes[0].title, "Vorlex:");
        EXPECT_EQ(boxes[0].icon, ui::BoxIcon::Error);
    }
    boxes.clear();
    answers.push_back(QString("*.TMP"));
    editor->AddBitBtn->click();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(Texts(), std::vector<std::string>{"*.tmp"});
    EXPECT_EQ(editor->JvCheckListBox1->item(0)->checkState(), Qt::Unchecked);

    answers.push_back(QString("*.*"));
    answers.push_back(std::nullopt);  // Cancel adds nothing
    editor->AddBitBtn->click();
    editor->AddBitBtn->click();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"*.*", "*.tmp"}));
}

TEST_F(ListEditorTest, EntriesStaySortedWithoutRegardToCase) {
    WriteList(ListEditorMode::Include, {{"b.txt", true},
                                        {"C.txt", true},
                                        {"\xC3\x89t\xC3\xA9.doc", true},
                                        {"a.txt", false},
                                        {"\xC3\xA9"
                                         "a.doc",
                                         true}});
    Open(ListEditorMode::Include);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"a.txt", "b.txt", "C.txt",
                                                 "\xC3\xA9"
                                                 "a.doc",
                                                 "\xC3\x89t\xC3\xA9.doc"}));
    answers.push_back(QString("B.doc"));
    answers.push_back(QString("Z.doc"));
    answers.push_back(QString("0.doc"));
    editor->AddBitBtn->click();
    editor->AddBitBtn->click();
    editor->AddBitBtn->click();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"0.doc", "a.txt", "B.doc", "b.txt", "C.txt", "Z.doc",
                                                 "\xC3\xA9"
                                                 "a.doc",
                                                 "\xC3\x89t\xC3\xA9.doc"}));
    // The expression history is filled in the same order.
    std::vector<ListEntry> sorted = ui::SortedListEntries({{"b", true}, {"A", true}, {"a", false}});
    EXPECT_EQ(sorted, (std::vector<ListEntry>{{"A", true}, {"a", false}, {"b", true}}));
}

TEST_F(ListEditorTest, ChangeReplacesTheTextInPlaceAndRefusesDuplicates) {
    WriteList(ListEditorMode::Include, {{"*.a", true}, {"*.b", false}, {"*.c", true}});
    Open(ListEditorMode::Include);
    answers.push_back(QString("*.zz"));
    editor->ChangeBitBtn->click();  // nothing selected: no prompt
    EXPECT_TRUE(prompts.empty());

    Select("*.b");
    editor->ChangeBitBtn->click();
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0].caption, "Change File Name/Type");
    EXPECT_EQ(prompts[0].prompt, "Change file Name/Type:");
    EXPECT_EQ(prompts[0].value, "*.b");
    // The changed entry keeps its place and its tick until the next loading.
    EXPECT_EQ(Texts(), (std::vector<std::string>{"*.a", "*.zz", "*.c"}));
    EXPECT_EQ(editor->JvCheckListBox1->item(1)->checkState(), Qt::Unchecked);
    EXPECT_TRUE(boxes.empty());

    // Its own text, or another entry's in another case, is a duplicate.
    for (const char* dup : {"*.zz", "*.A"}) {
        boxes.clear();
        answers.push_back(QString(dup));
        editor->ChangeBitBtn->click();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, QString(dup) + " already exists in the list.");
        EXPECT_EQ(boxes[0].icon, ui::BoxIcon::Warning);
    }
    boxes.clear();
    answers.push_back(QString("a/b"));
    editor->ChangeBitBtn->click();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "a/b is not a valid file type.");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"*.a", "*.zz", "*.c"}));

    // A double-click changes as well.
    answers.push_back(QString("*.d"));
    emit editor->JvCheckListBox1->itemDoubleClicked(editor->JvCheckListBox1->currentItem());
    EXPECT_EQ(Texts(), (std::vector<std::string>{"*.a", "*.d", "*.c"}));
}

TEST_F(ListEditorTest, ExpressionsAreSyntaxChecked) {
    WriteList(ListEditorMode::RegEx, {{"bee(hive|line)", true}});
    Open(ListEditorMode::RegEx);
    answers.push_back(QString("a(b"));
    editor->AddBitBtn->click();
    EXPECT_EQ(prompts.back().caption, "RegEx to Add");
    EXPECT_EQ(prompts.back().prompt, "Enter RegEx:");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(boxes[0].text.startsWith("Syntax Exception: \nError in regex at offset 3: "))
        << boxes[0].text.toStdString();
    EXPECT_EQ(boxes[1].text, "a(b is not a valid Regular Expression.");

    // An empty expression fails without the compiler's box.
    boxes.clear();
    answers.push_back(QString(""));
    editor->AddBitBtn->click();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, " is not a valid Regular Expression.");

    boxes.clear();
    Select("bee(hive|line)");
    answers.push_back(QString("BEE(HIVE|LINE)"));
    editor->ChangeBitBtn->click();
    EXPECT_EQ(prompts.back().caption, "Change RegEx");
    EXPECT_EQ(prompts.back().prompt, "Change Regular Expression:");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Expression: \nBEE(HIVE|LINE)\nalready exists in the list.");

    boxes.clear();
    answers.push_back(QString("^bee(s)?$"));
    editor->ChangeBitBtn->click();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(Texts(), std::vector<std::string>{"^bee(s)?$"});
}

TEST_F(ListEditorTest, RemoveAsksFirstAndKeysWork) {
    WriteList(ListEditorMode::Include, {{"*.a", true}, {"*.b", true}});
    Open(ListEditorMode::Include);
    editor->RemoveBitBtn->click();  // nothing selected: nothing asked
    EXPECT_TRUE(boxes.empty());

    Select("*.a");
    boxAnswer = ui::BoxResult::No;
    editor->RemoveBitBtn->click();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Remove *.a ?");
    EXPECT_EQ(boxes[0].buttons, ui::BoxButtons::YesNo);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"*.a", "*.b"}));

    boxAnswer = ui::BoxResult::Yes;
    Key(editor->JvCheckListBox1, Qt::Key_Delete);
    EXPECT_EQ(Texts(), std::vector<std::string>{"*.b"});

    answers.push_back(QString("*.c"));
    Key(editor->JvCheckListBox1, Qt::Key_Insert);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"*.b", "*.c"}));
}

TEST_F(ListEditorTest, CancelAndEscapeKeepFileAndFieldAndEnterApplies) {
    const std::string path = WriteList(ListEditorMode::Include, {{"*.a", true}});
    const std::string before = dir.Read("Vorlex.incl");
    includeEdit.setText("*.a");
    Open(ListEditorMode::Include);
    answers.push_back(QString("*.b"));
    editor->AddBitBtn->click();
    editor->CancelBitBtn->click();
    EXPECT_EQ(editor->result(), QDialog::Rejected);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(dir.Read("Vorlex.incl"), before);
    EXPECT_EQ(includeEdit.text(), "*.a");
    EXPECT_TRUE(log.lines.empty());

    // Reopening starts from the file again; Esc closes like Cancel.
    Open(ListEditorMode::Include);
    EXPECT_EQ(Texts(), std::vector<std::string>{"*.a"});
    answers.push_back(QString("*.b"));
    editor->AddBitBtn->click();
    Key(editor->JvCheckListBox1, Qt::Key_Escape);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(dir.Read("Vorlex.incl"), before);

    // Enter in the list presses Apply.
    Open(ListEditorMode::Include);
    answers.push_back(QString("*.b"));
    editor->AddBitBtn->click();
    editor->JvCheckListBox1->setFocus();
    Key(editor->JvCheckListBox1, Qt::Key_Return);
    EXPECT_EQ(editor->result(), QDialog::Accepted);
    EXPECT_EQ(includeEdit.text(), "*.a,*.b");
}

TEST_F(ListEditorTest, ApplyingExpressionsAppendsNewTickedOnesToTheHistory) {
    WriteList(ListEditorMode::RegEx, {{"X", true}, {"c", false}, {"b", true}, {"new", true}});
    regExEdit.addItems({"first", "x"});
    regExEdit.setEditText("typed now");
    Open(ListEditorMode::RegEx);
    editor->ApplyBitBtn->click();
    QStringList items;
    for (int i = 0; i < regExEdit.count(); ++i) {
        items << regExEdit.itemText(i);
    }
    EXPECT_EQ(items, (QStringList{"first", "x", "b", "new"}));
    EXPECT_EQ(regExEdit.currentText(), "typed now");
    EXPECT_EQ(log.Texts(), std::vector<std::string>{"Regular Expressions changed."});

    // Into an empty history the first item must not become the box's text.
    QComboBox empty;
    empty.setEditable(true);
    empty.setEditText("typed alone");
    editor->SetTargets(&includeEdit, &excludeEdit, &empty);
    Open(ListEditorMode::RegEx);
    editor->ApplyBitBtn->click();
    EXPECT_EQ(empty.count(), 3);
    EXPECT_EQ(empty.currentText(), "typed alone");
}

TEST_F(ListEditorTest, AFailedSaveClosesTheDialogAndLeavesTheField) {
    std::string path = WriteList(ListEditorMode::Include, {{"*.a", true}});
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    includeEdit.setText("kept");
    Open(ListEditorMode::Include);
    answers.push_back(QString("*.b"));
    editor->AddBitBtn->click();
    editor->ApplyBitBtn->click();
    EXPECT_EQ(editor->result(), QDialog::Accepted);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(includeEdit.text(), "kept");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("Unable to write to " + path + "\nREASON: ", 0), 0u) << errors[0];
    EXPECT_TRUE(log.lines.empty());
    std::vector<ListEntry> still;
    ASSERT_EQ(config::ReadListFile(path, still), 0);
    EXPECT_EQ(still, (std::vector<ListEntry>{{"*.a", true}}));
}

TEST_F(ListEditorTest, AListThatCannotBeReadIsNeverOverwritten) {
    // A link in the file's place is not read (links are never followed); Apply, which would replace the
    // link, must not put an empty list in place of one it never loaded.
    const std::string target = dir.File("elsewhere", config::SerializeListFile({{"keep(me)?", true}}));
    std::filesystem::create_symlink(target, dir.path + "/Vorlex.regex");
    Open(ListEditorMode::RegEx);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("Unable to read " + dir.path + "/Vorlex.regex\nREASON: ", 0), 0u) << errors[0];
    editor->ApplyBitBtn->click();
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[1].rfind("Unable to write to " + dir.path + "/Vorlex.regex", 0), 0u) << errors[1];
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path + "/Vorlex.regex"));
    EXPECT_EQ(dir.Read("elsewhere"), config::SerializeListFile({{"keep(me)?", true}}));
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(ListEditorTest, DamagedAndLongEntriesLoadAndSaveBackWhole) {
    const std::string longEntry = std::string(300, 'L') + ".txt";
    std::string bytes = config::SerializeListFile({{longEntry, true},
                                                   {"bad\xFF"
                                                    "bytes",
                                                    false}});
    bytes += std::string("\x01\0\0\0\x0A\0\0\0*.tm", 12);  // claims 10 bytes, holds 4
    dir.File("Vorlex.incl", bytes);
    Open(ListEditorMode::Include);
    ASSERT_EQ(editor->JvCheckListBox1->count(), 2);
    EXPECT_TRUE(errors.empty());
    editor->ApplyBitBtn->click();
    std::vector<ListEntry> saved;
    ASSERT_EQ(config::ReadListFile(dir.path + "/Vorlex.incl", saved), 0);
    EXPECT_EQ(saved, (std::vector<ListEntry>{{"bad\xFF"
                                              "bytes",
                                              false},
                                             {longEntry, true}}));
    EXPECT_EQ(includeEdit.text().toStdString(), longEntry);
}

TEST(PromptForEntry, LayoutFollowsTheFontsDialogUnits) {
    ui::PromptDialog d("Caption", "Enter file Name/Type:", "start", nullptr);
    const QSize ch = ui::AverageCharSize(d.font());
    ASSERT_GT(ch.width(), 0);
    auto hu = [&](int n) { return (n * ch.width() + 2) / 4; };
    auto vu = [&](int n) { return (n * ch.height() + 4) / 8; };
    EXPECT_EQ(d.windowTitle(), "Caption");
    EXPECT_EQ(d.width(), hu(180));
    EXPECT_EQ(d.PromptLabel()->pos(), QPoint(hu(8), vu(8)));
    EXPECT_TRUE(d.PromptLabel()->wordWrap());
    EXPECT_EQ(d.Edit()->x(), d.PromptLabel()->x());
    EXPECT_EQ(d.Edit()->y(), d.PromptLabel()->y() + d.PromptLabel()->height() + 5);
    EXPECT_EQ(d.Edit()->width(), hu(164));
    EXPECT_EQ(d.OkButton()->geometry(),
              QRect(hu(38), d.Edit()->y() + d.Edit()->height() + 15, hu(50), vu(14)));
    EXPECT_EQ(d.CancelButton()->geometry().topLeft(), QPoint(hu(92), d.OkButton()->y()));
    EXPECT_EQ(d.height(), d.OkButton()->y() + d.OkButton()->height() + 13);
    EXPECT_TRUE(d.OkButton()->isDefault());
    EXPECT_EQ(d.Edit()->selectedText(), "start");
}

TEST(PromptForEntry, TypingStopsAt255CharactersButLongerEntriesStayWhole) {
    ui::PromptDialog d("c", "p", "", nullptr);
    d.show();
    const QString typed(300, QChar('t'));
    QKeyEvent key(QEvent::KeyPress, Qt::Key_T, Qt::NoModifier, typed);
    QApplication::sendEvent(d.Edit(), &key);
    EXPECT_EQ(d.Value(), QString(255, QChar('t')));

    const QString longEntry(400, QChar('L'));
    ui::PromptDialog whole("c", "p", longEntry, nullptr);
    EXPECT_EQ(whole.Value(), longEntry);

    // Enter confirms, Esc cancels.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(d.Edit(), &enter);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    whole.show();
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(whole.Edit(), &esc);
    EXPECT_EQ(whole.result(), QDialog::Rejected);
}
