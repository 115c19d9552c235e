#include "ui/AboutBox.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>

#include "app/Version.h"
#include "base/LogSink.h"
#include "platform/Launch.h"
#include "ui/Glyphs.h"
#include "ui/Scale.h"

namespace vorlex::ui {

namespace {

constexpr int kClientWidth = 376;
constexpr int kClientHeight = 271;

// The two notice lines; set on every showing like the version text.
constexpr const char* kNotice1 = "Finds files older than a given age and deletes them.";
constexpr const char* kNotice2 =
    "Deleted files go to the trash only with \"Move to Trash\" (/TRASH): check the list first.";

/// A label at the designed place (x, y) grown by `scale`.
QLabel* MakeLabel(QWidget* parent, const char* objectName, int x, int y, double scale) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->move(Scaled(x, scale), Scaled(y, scale));
    return label;
}

/// A left-button release inside `widget`: what counts as a click on a label.
bool IsClick(QWidget* widget, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease) {
        return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    return mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint());
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent, base::LogSink& log, std::function<bool()> getDebug,
                     std::function<void(bool)> setDebug)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      log_(log),
      getDebug_(std::move(getDebug)),
      setDebug_(std::move(setDebug)) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About..."));
    // Designed places, grown by the desktop font's scale.
    const double s = DesktopScale();
    auto at = [s](int x, int y, int width, int height) { return Scaled(QRect(x, y, width, height), s); };
    setFixedSize(at(0, 0, kClientWidth, kClientHeight).size());
    setSizeGripEnabled(false);

    // Panel1: a lowered outer bevel with a raised inner one.
    panel_ = new QFrame(this);
    panel_->setObjectName(QStringLiteral("Panel1"));
    panel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel_->setLineWidth(1);
    panel_->setGeometry(at(8, 8, 360, 218));
    auto* inner = new QFrame(panel_);
    inner->setFrameStyle(QFrame::Panel | QFrame::Raised);
    inner->setLineWidth(1);
    inner->setGeometry(at(1, 1, 358, 216));

    auto* bevel = new QFrame(panel_);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(at(17, 10, 66, 66));

    programIcon_ = new QLabel(panel_);
    programIcon_->setObjectName(QStringLiteral("ProgramIcon"));
    programIcon_->setGeometry(at(17, 10, 65, 65));
    programIcon_->setScaledContents(true);
    programIcon_->setPixmap(AppIcon().pixmap(programIcon_->size()));

    productName_ = MakeLabel(panel_, "ProductName", 88, 21, s);
    QFont nameFont = productName_->font();
    nameFont.setPixelSize(Scaled(24, s));
    nameFont.setBold(true);
    productName_->setFont(nameFont);
    QPalette navy = productName_->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    productName_->setPalette(navy);
    productName_->setText(QStringLiteral("Vorlex"));
    productName_->adjustSize();

    // The version label looks like plain text: its click is a hidden switch, announced nowhere.
    version_ = MakeLabel(panel_, "Version", 88, 51, s);
    version_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    version_->installEventFilter(this);

    notice1_ = MakeLabel(panel_, "Notice1", 16, 81, s);
    notice2_ = MakeLabel(panel_, "Notice2", 16, 99, s);

    urlLabel_ = new QLabel(panel_);
    urlLabel_->setObjectName(QStringLiteral("URLLabel"));
    urlLabel_->setAlignment(Qt::AlignCenter);
    // At least the designed 13 pixels, more where the desktop's font is taller.
    const QRect url = at(2, 196, 356, 13);
    urlLabel_->setGeometry(url.x(), url.y(), url.width(),
                           std::max(url.height(), urlLabel_->fontMetrics().height()));
    QFont urlFont = urlLabel_->font();
    urlFont.setUnderline(true);
    urlLabel_->setFont(urlFont);
    QPalette blue = urlLabel_->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    urlLabel_->setPalette(blue);
    urlLabel_->setCursor(Qt::PointingHandCursor);
    urlLabel_->installEventFilter(this);

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("OKBitBtn"));
    okButton_->setIcon(Glyph("dialog-ok"));
    okButton_->setGeometry(at(150, 240, 76, 25));
    okButton_->setIconSize(QSize(Scaled(16, s), Scaled(16, s)));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    FormShow();
}

void TAboutBox::FormShow() {
    version_->setText(QString::fromStdString(app::GetVersionText()));
    version_->adjustSize();
    urlLabel_->setText(QString::fromLatin1(kWebAddress));
    notice1_->setText(QString::fromLatin1(kNotice1));
    notice1_->adjustSize();
    notice2_->setText(QString::fromLatin1(kNotice2));
    notice2_->adjustSize();
}

void TAboutBox::showEvent(QShowEvent* event) {
    FormShow();
    if (QWidget* main = parentWidget(); main != nullptr && main->isVisible()) {
        const QRect area = main->frameGeometry();
        const QRect centred(area.center() - QPoint(width() / 2, height() / 2), size());
        move(FitInside(centred, AvailableAreaFor(centred, main)).topLeft());
    }
    QDialog::showEvent(event);
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == version_ && IsClick(version_, event)) {
        ToggleDebugMode();
        return true;
    }
    if (watched == urlLabel_ && IsClick(urlLabel_, event)) {
        URLLabelClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutBox::ToggleDebugMode() {
    const bool on = !getDebug_();
    setDebug_(on);
    log_.WriteLog(on ? "DEBUG = True" : "DEBUG = False", base::kRed, base::LogStyle::Bold);
    QApplication::beep();
}

void TAboutBox::URLLabelClick() {
    platform::OpenUrl(urlLabel_->text().toStdString());
}

}  // namespace vorlex::ui
