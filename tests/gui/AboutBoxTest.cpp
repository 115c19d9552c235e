// The about box: its layout, the version text on every showing, the hidden debug switch, the web address;
// and the glyphs and program icon it draws from the resources.
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

#include "ConvenienceSeams.h"
#include "app/Version.h"
#include "ui/AboutBox.h"
#include "ui/Glyphs.h"

using vorlex::test::RecordingLauncher;
using vorlex::test::RecordingLog;
namespace ui = vorlex::ui;
namespace base = vorlex::base;

namespace {

void Click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton) {
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, button, button, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

/// A box with a debug flag of its own, as the controller would provide it.
struct AboutFixture {
    RecordingLog log;
    bool debug = false;
    QWidget main;
    ui::TAboutBox box{&main, log, [this] { return debug; }, [this](bool on) { debug = on; }};
};

}  // namespace

TEST(AboutBox, IsAFixedDialogWithIconAndDefaultOK) {
    AboutFixture f;
    EXPECT_EQ(f.box.windowTitle(), QStringLiteral("About..."));
    EXPECT_EQ(f.box.size(), QSize(376, 271));
    EXPECT_EQ(f.box.minimumSize(), f.box.maximumSize());  // not resizable
    auto* icon = f.box.findChild<QLabel*>(QStringLiteral("ProgramIcon"));
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->pixmap().isNull());
    EXPECT_TRUE(f.box.OKBitBtn()->isDefault());
    EXPECT_EQ(f.box.URLLabel()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(f.box.Version()->cursor().shape(), Qt::ArrowCursor);  // the switch is not announced
}

TEST(AboutBox, ShowsTheVersionTextEveryTimeItIsShown) {
    AboutFixture f;
    for (int showing = 0; showing < 2; ++showing) {
        f.box.Version()->setText(QStringLiteral("stale"));
        f.box.show();
        EXPECT_EQ(f.box.Version()->text(), QStringLiteral("Version 2.1 Release 1 Build 70"));
        EXPECT_EQ(f.box.Version()->text().toStdString(), vorlex::app::GetVersionText());
        EXPECT_EQ(f.box.URLLabel()->text(), QString::fromLatin1(ui::TAboutBox::kWebAddress));
        f.box.OKBitBtn()->click();
        EXPECT_FALSE(f.box.isVisible());
        EXPECT_EQ(f.box.result(), QDialog::Accepted);
    }
}

TEST(AboutBox, ClickingTheVersionTwiceTurnsDebugOnAndOff) {
    AboutFixture f;
    f.box.show();
    Click(f.box.Version());
    EXPECT_TRUE(f.debug);
    Click(f.box.Version());
    EXPECT_FALSE(f.debug);
    Click(f.box.Version(), Qt::RightButton);  // only a left click counts
    EXPECT_FALSE(f.debug);

    ASSERT_EQ(f.log.lines.size(), 2u);
    EXPECT_EQ(f.log.lines[0].message, "DEBUG = True");
    EXPECT_EQ(f.log.lines[1].message, "DEBUG = False");
    for (const auto& line : f.log.lines) {
        EXPECT_EQ(line.colour, base::kRed);
        EXPECT_EQ(line.style, base::LogStyle::Bold);
    }
    f.box.hide();
}

TEST(AboutBox, WebAddressOpensInTheDefaultBrowser) {
    AboutFixture f;
    RecordingLauncher launcher;
    f.box.show();
    Click(f.box.URLLabel());
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].argv, (std::vector<std::string>{"xdg-open", ui::TAboutBox::kWebAddress}));
    EXPECT_TRUE(f.log.lines.empty());
    f.box.hide();
}

TEST(Glyphs, EachListedGlyphHasABuiltInPicture) {
    for (const char* name :
         {"edit-find", "edit-delete", "process-stop", "help-about", "help-contents", "window-close",
          "document-save", "folder-open", "view-list-details", "tools-check-spelling", "dialog-ok"}) {
        const QIcon builtIn = ui::BuiltInGlyph(name);
        ASSERT_FALSE(builtIn.isNull()) << name;
        EXPECT_TRUE(builtIn.availableSizes().contains(QSize(16, 16))) << name;
        EXPECT_TRUE(builtIn.availableSizes().contains(QSize(32, 32))) << name;
        // Something is drawn: not a blank square.
        const QImage image = builtIn.pixmap(QSize(16, 16)).toImage();
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                opaque += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
            }
        }
        EXPECT_GT(opaque, 16) << name;
        EXPECT_FALSE(ui::Glyph(name).isNull()) << name;
    }
    EXPECT_TRUE(ui::BuiltInGlyph("no-such-glyph").isNull());
    EXPECT_TRUE(ui::BuiltInGlyph(nullptr).isNull());
    EXPECT_TRUE(ui::AppIcon().availableSizes().contains(QSize(256, 256)));
}
