// Help: the pages shipped with the program, the help window with and without them, the context look-up
// and F1.
#include <filesystem>
#include <set>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "ConvenienceSeams.h"
#include "Files.h"
#include "TempDir.h"
#include "ui/HelpWindow.h"

using vorlex::test::NoMessageBoxes;

// Qt's own entry for a mouse event from the window system (what QtTest uses): the event takes the path of
// a real click, modal blocking included.
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers mods, int timestamp);
using vorlex::test::ReadWholeFile;
using vorlex::test::RecordingLauncher;
namespace ui = vorlex::ui;
namespace fs = std::filesystem;

namespace {

/// The help pages as they are shipped (the build copies this folder beside the program).
const fs::path kHelpSource = fs::path(__FILE__).parent_path() / ".." / ".." / "data" / "VorlexHelp";

QString HelpFolder() {
    return QString::fromStdString(fs::canonical(kHelpSource).string()) + "/";
}

/// Records the contexts ShowHelp is asked for, for one test.
struct HelpRequests {
    HelpRequests() {
        ui::SetHelpHook([this](int context) { contexts.push_back(context); });
    }
    ~HelpRequests() { ui::SetHelpHook({}); }
    std::vector<int> contexts;
};

}  // namespace

TEST(HelpPages, ContentsAndBothContextPagesExistAndEveryLinkLeadsSomewhere) {
    EXPECT_EQ(ui::HelpPageName(ui::kHelpContents), QStringLiteral("index.html"));
    EXPECT_EQ(ui::HelpPageName(ui::kHelpGeneral), QStringLiteral("context60.html"));
    EXPECT_EQ(ui::HelpPageName(ui::kHelpRegEx), QStringLiteral("context90.html"));
    for (const int context : {ui::kHelpContents, ui::kHelpGeneral, ui::kHelpRegEx}) {
        EXPECT_TRUE(fs::is_regular_file(kHelpSource / ui::HelpPageName(context).toStdString())) << context;
    }

    const QRegularExpression link(QStringLiteral(R"re((?:href|src)="([^"#]*)(#[^"]*)?")re"));
    const QRegularExpression anchor(QStringLiteral(R"re(\bid="([^"]+)")re"));
    int pages = 0;
    for (const auto& entry : fs::directory_iterator(kHelpSource)) {
        if (entry.path().extension() != ".html") {
            continue;
        }
        ++pages;
        const QString html = QString::fromStdString(ReadWholeFile(entry.path()));
        EXPECT_TRUE(html.contains(QStringLiteral("<title>"))) << entry.path();
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const QString target = m.captured(1);
            if (target.startsWith(QStringLiteral("http")) || target.startsWith(QStringLiteral("mailto:"))) {
                continue;
            }
            const fs::path file = target.isEmpty() ? entry.path() : kHelpSource / target.toStdString();
            ASSERT_TRUE(fs::is_regular_file(file)) << entry.path() << " links to " << target.toStdString();
            // A link to a place in a page needs that place.
            if (m.hasCaptured(2)) {
                std::set<QString> ids;
                const QString targetHtml = QString::fromStdString(ReadWholeFile(file));
                for (auto ids_it = anchor.globalMatch(targetHtml); ids_it.hasNext();) {
                    ids.insert(ids_it.next().captured(1));
                }
                EXPECT_TRUE(ids.count(m.captured(2).mid(1)) == 1)
                    << entry.path() << " links to " << (target + m.captured(2)).toStdString();
            }
        }
    }
    EXPECT_GE(pages, 3);
}

TEST(HelpWindow, ShowsThePageOfAContextAndFollowsLinks) {
    NoMessageBoxes noBoxes;
    RecordingLauncher launcher;
    ui::HelpWindow window(HelpFolder());

    window.ShowContext(ui::kHelpRegEx);
    EXPECT_TRUE(window.ShowsPage());
    EXPECT_TRUE(window.Browser()->source().toLocalFile().endsWith(QStringLiteral("/context90.html")));
    EXPECT_FALSE(window.Browser()->documentTitle().isEmpty());
    EXPECT_TRUE(window.windowTitle().startsWith(QStringLiteral("Vorlex Help - ")));

    window.ShowContext(ui::kHelpGeneral);
    EXPECT_TRUE(window.Browser()->source().toLocalFile().endsWith(QStringLiteral("/context60.html")));

    // A context without a page of its own shows the contents.
    window.ShowContext(42);
    EXPECT_TRUE(window.Browser()->source().toLocalFile().endsWith(QStringLiteral("/index.html")));

    // A page link opens in the window; a web address goes to the browser; a broken link changes nothing.
    emit window.Browser()->anchorClicked(QUrl(QStringLiteral("context90.html")));
    EXPECT_TRUE(window.Browser()->source().toLocalFile().endsWith(QStringLiteral("/context90.html")));
    emit window.Browser()->anchorClicked(QUrl(QStringLiteral("no-such-page.html")));
    EXPECT_TRUE(window.Browser()->source().toLocalFile().endsWith(QStringLiteral("/context90.html")));
    emit window.Browser()->anchorClicked(QUrl(QStringLiteral("https://www.pcre.org/")));
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].argv, (std::vector<std::string>{"xdg-open", "https://www.pcre.org/"}));
}

TEST(HelpWindow, MissingHelpGivesANoticeAndNoBox) {
    NoMessageBoxes noBoxes;
    vorlex::test::TempDir dir;
    ui::HelpWindow window(QString::fromStdString(dir.path + "/VorlexHelp"));
    for (const int context : {ui::kHelpContents, ui::kHelpGeneral, ui::kHelpRegEx}) {
        window.ShowContext(context);
        EXPECT_FALSE(window.ShowsPage());
        EXPECT_TRUE(window.Browser()->toPlainText().contains(QStringLiteral("Help is not available")));
        EXPECT_TRUE(
            window.Browser()->toPlainText().contains(QString::fromStdString(dir.path + "/VorlexHelp/")));
    }

    // With the contents alone, a context page that is missing falls back to them.
    dir.File("VorlexHelp/index.html", "<html><head><title>Contents</title></head><body>x</body></html>");
    window.ShowContext(ui::kHelpRegEx);
    EXPECT_TRUE(window.ShowsPage());
    EXPECT_TRUE(window.Browser()->source().toLocalFile().endsWith(QStringLiteral("/index.html")));
}

TEST(ShowHelp, WithoutHelpBesideTheProgramTheWindowShowsTheNotice) {
    // The test program's folder holds no VorlexHelp folder.
    ASSERT_FALSE(fs::exists(ui::DefaultHelpFolder().toStdString()));
    NoMessageBoxes noBoxes;
    ui::ShowHelp(ui::kHelpGeneral);
    ui::HelpWindow* shown = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* help = qobject_cast<ui::HelpWindow*>(widget); help != nullptr && help->isVisible()) {
            shown = help;
        }
    }
    ASSERT_NE(shown, nullptr);
    EXPECT_FALSE(shown->ShowsPage());
    // Asking again reuses the window.
    ui::ShowHelp(ui::kHelpContents);
    int windows = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        windows += qobject_cast<ui::HelpWindow*>(widget) != nullptr && widget->isVisible() ? 1 : 0;
    }
    EXPECT_EQ(windows, 1);
    shown->close();
}

// Help asked for from a modal dialog (the list editor) opens in a window the user can work in while the
// dialog stays open: clicks reach it.
TEST(ShowHelp, HelpFromAModalDialogTakesClicks) {
    NoMessageBoxes noBoxes;
    // A help window closed before is gone first, as it is after any return to the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QDialog dialog;
    dialog.setModal(true);
    dialog.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
    ui::ShowHelp(ui::kHelpGeneral);
    ui::HelpWindow* shown = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* help = qobject_cast<ui::HelpWindow*>(widget); help != nullptr && help->isVisible()) {
            shown = help;
        }
    }
    ASSERT_NE(shown, nullptr);
    ASSERT_NE(shown->windowHandle(), nullptr);

    struct PressCounter : QObject {
        QWidget* window = nullptr;
        int presses = 0;
        bool eventFilter(QObject* watched, QEvent* e) override {
            if (e->type() == QEvent::MouseButtonPress && watched->isWidgetType() &&
                static_cast<QWidget*>(watched)->window() == window) {
                ++presses;
            }
            return false;
        }
    } counter;
    counter.window = shown;
    QApplication::instance()->installEventFilter(&counter);
    const QPoint at = shown->Browser()->mapTo(shown, shown->Browser()->rect().center());
    qt_handleMouseEvent(shown->windowHandle(), at, shown->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                        QEvent::MouseButtonPress, Qt::NoModifier, 0);
    qt_handleMouseEvent(shown->windowHandle(), at, shown->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                        QEvent::MouseButtonRelease, Qt::NoModifier, 0);
    QApplication::processEvents();
    QApplication::instance()->removeEventFilter(&counter);
    EXPECT_GE(counter.presses, 1);
    shown->close();
    dialog.close();
}

TEST(HelpContext, NearestEnclosingControlDecides) {
    QWidget window;
    auto* regexGroup = new QGroupBox(&window);
    auto* regexEdit = new QComboBox(regexGroup);
    auto* daysEdit = new QLineEdit(&window);
    auto* label = new QLineEdit(&window);
    ui::SetHelpContext(regexGroup, ui::kHelpRegEx);
    ui::SetHelpContext(daysEdit, ui::kHelpGeneral);

    EXPECT_EQ(ui::HelpContextOf(regexEdit), ui::kHelpRegEx);
    EXPECT_EQ(ui::HelpContextOf(daysEdit), ui::kHelpGeneral);
    EXPECT_EQ(ui::HelpContextOf(label), ui::kHelpContents);
    EXPECT_EQ(ui::HelpContextOf(nullptr), ui::kHelpContents);
    ui::SetHelpContext(&window, ui::kHelpGeneral);
    EXPECT_EQ(ui::HelpContextOf(label), ui::kHelpGeneral);
    ui::SetHelpContext(regexGroup, 0);
    EXPECT_EQ(ui::HelpContextOf(regexEdit), ui::kHelpGeneral);
}

TEST(HelpContext, F1AsksForTheFocusedControlsContext) {
    HelpRequests requests;
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* regexEdit = new QComboBox(&window);
    regexEdit->setEditable(true);
    auto* daysEdit = new QLineEdit(&window);
    layout->addWidget(regexEdit);
    layout->addWidget(daysEdit);
    ui::SetHelpContext(regexEdit, ui::kHelpRegEx);
    ui::SetHelpContext(daysEdit, ui::kHelpGeneral);
    ui::InstallHelpKey(&window);
    window.show();
    QApplication::setActiveWindow(&window);

    auto* f1 = window.findChild<QShortcut*>();
    ASSERT_NE(f1, nullptr);
    EXPECT_EQ(f1->key(), QKeySequence(Qt::Key_F1));
    regexEdit->setFocus();
    QWidget* focus = QApplication::focusWidget();
    ASSERT_TRUE(focus == regexEdit || regexEdit->isAncestorOf(focus));
    emit f1->activated();
    daysEdit->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), daysEdit);
    emit f1->activated();
    EXPECT_EQ(requests.contexts, (std::vector<int>{ui::kHelpRegEx, ui::kHelpGeneral}));
}
