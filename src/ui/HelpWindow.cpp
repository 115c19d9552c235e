#include "ui/HelpWindow.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeySequence>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/Launch.h"
#include "platform/Paths.h"
#include "ui/Glyphs.h"
#include "ui/MessageBoxes.h"
#include "ui/Scale.h"

namespace vorlex::ui {

namespace {

constexpr const char* kHelpContextProperty = "vorlexHelpContext";

HelpHook& Hook() {
    static HelpHook hook;
    return hook;
}

QToolButton* MakeToolButton(QWidget* parent, const QString& text, const char* themeIcon) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setIcon(QIcon::fromTheme(QString::fromLatin1(themeIcon)));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

QString HelpPageName(int context) {
    return context == kHelpContents ? QStringLiteral("index.html")
                                    : QStringLiteral("context%1.html").arg(context);
}

QString DefaultHelpFolder() {
    return QString::fromStdString(platform::ProgramFolder()) + "VorlexHelp/";
}

HelpWindow::HelpWindow(const QString& helpFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(helpFolder) {
    if (!folder_.endsWith('/')) {
        folder_ += '/';
    }
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Vorlex Help"));
    setWindowIcon(AppIcon());
    const double scale = DesktopScale();
    QSize size(Scaled(780, scale), Scaled(600, scale));
    if (const QScreen* s = screen()) {
        size = size.boundedTo(s->availableGeometry().size());
    }
    resize(size);

    auto* contents = MakeToolButton(this, QStringLiteral("&Contents"), "go-home");
    back_ = MakeToolButton(this, QStringLiteral("&Back"), "go-previous");
    forward_ = MakeToolButton(this, QStringLiteral("&Forward"), "go-next");
    auto* close = MakeToolButton(this, QStringLiteral("C&lose"), "window-close");
    back_->setEnabled(false);
    forward_->setEnabled(false);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenLinks(false);
    browser_->setSearchPaths({folder_});

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(4, 4, 4, 0);
    bar->addWidget(contents);
    bar->addWidget(back_);
    bar->addWidget(forward_);
    bar->addStretch(1);
    bar->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(bar);
    layout->addWidget(browser_, 1);

    connect(contents, &QToolButton::clicked, this, [this] { ShowContext(kHelpContents); });
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(close, &QToolButton::clicked, this, &QWidget::close);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::OpenLink);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("Vorlex Help")
                                       : QStringLiteral("Vorlex Help - ") + title);
    });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void HelpWindow::ShowContext(int context) {
    QString page = folder_ + HelpPageName(context);
    if (!QFileInfo(page).isFile()) {
        page = folder_ + HelpPageName(kHelpContents);
    }
    if (!QFileInfo(page).isFile()) {
        ShowNotice();
        return;
    }
    showsPage_ = true;
    browser_->setSource(QUrl::fromLocalFile(page));
}

void HelpWindow::ShowNotice() {
    showsPage_ = false;
    browser_->clearHistory();
    browser_->setHtml(
        QStringLiteral("<h2>Help is not available</h2>"
                       "<p>The help pages were not found in the folder <code>%1</code>.</p>"
                       "<p>They are installed with Vorlex, in the folder <code>VorlexHelp</code> "
                       "beside the program. Vorlex works the same without them.</p>")
            .arg(QDir::toNativeSeparators(folder_).toHtmlEscaped()));
    setWindowTitle(QStringLiteral("Vorlex Help"));
}

void HelpWindow::OpenLink(const QUrl& link) {
    const QUrl target = browser_->source().resolved(link);
    if (!target.isLocalFile()) {
        platform::OpenUrl(target.toString().toStdString());
        return;
    }
    if (!QFileInfo(target.toLocalFile()).isFile()) {
        return;  // a broken link leaves the page as it is
    }
    showsPage_ = true;
    browser_->setSource(target);
}

void SetHelpHook(HelpHook hook) {
    Hook() = std::move(hook);
}

void ShowHelp(int context) {
    if (Hook()) {
        Hook()(context);
        return;
    }
    // Over an open modal dialog the window belongs to the dialog: a window of the main window's would be
    // blocked by the dialog, seen but neither scrolled, clicked nor closed.
    QWidget* owner =
        QApplication::activeModalWidget() != nullptr ? QApplication::activeModalWidget() : BoxParent();
    static QPointer<HelpWindow> window;
    if (window.isNull()) {
        window = new HelpWindow(DefaultHelpFolder(), owner);
        window->setAttribute(Qt::WA_DeleteOnClose);
    } else if (window->parentWidget() != owner) {
        window->setParent(owner, window->windowFlags());
    }
    window->ShowContext(context);
    window->show();
    window->raise();
    window->activateWindow();
}

void SetHelpContext(QWidget* widget, int context) {
    widget->setProperty(kHelpContextProperty, context == 0 ? QVariant() : QVariant(context));
}

int HelpContextOf(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        const QVariant context = widget->property(kHelpContextProperty);
        if (context.isValid() && context.toInt() != 0) {
            return context.toInt();
        }
        if (widget->isWindow()) {
            break;
        }
    }
    return kHelpContents;
}

void InstallHelpKey(QWidget* window) {
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), window);
    f1->setContext(Qt::WindowShortcut);
    QObject::connect(f1, &QShortcut::activated, window, [window] {
        QWidget* focus = QApplication::focusWidget();
        ShowHelp(HelpContextOf(focus != nullptr && window->isAncestorOf(focus) ? focus : window));
    });
}

}  // namespace vorlex::ui
