#include "ui/PromptForEntry.h"

#include <algorithm>

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "ui/MessageBoxes.h"

namespace vorlex::ui {

namespace {

PromptHook& Hook() {
    static PromptHook hook;
    return hook;
}

/// n dialog units of `unitsPerChar` to a character of size `charSize`, rounded to the nearest pixel.
int Units(int n, int charSize, int unitsPerChar) {
    return (n * charSize + unitsPerChar / 2) / unitsPerChar;
}

}  // namespace

QSize AverageCharSize(const QFont& font) {
    QFontMetrics fm(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {fm.horizontalAdvance(letters) / 52, fm.height()};
}

void CentreOn(QWidget* widget, QWidget* centreOn) {
    QScreen* screen = centreOn != nullptr ? centreOn->screen() : widget->screen();
    QRect area;
    if (centreOn != nullptr && centreOn->isVisible()) {
        area = centreOn->frameGeometry();
    } else if (screen != nullptr) {
        area = screen->geometry();
    }
    if (!area.isValid()) {
        return;
    }
    const QSize size = widget->isVisible() ? widget->frameGeometry().size() : widget->size();
    int x = area.left() + (area.width() - size.width()) / 2;
    int y = area.top() + (area.height() - size.height()) / 2;
    if (screen != nullptr) {
        const QRect s = screen->availableGeometry();
        x = x < s.left() ? s.left() : std::min(x, s.left() + s.width() - size.width());
        y = y < s.top() ? s.top() : std::min(y, s.top() + s.height() - size.height());
    }
    widget->move(x, y);
}

PromptDialog::PromptDialog(const QString& caption, const QString& prompt, const QString& value,
                           QWidget* centreOn)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      label_(new QLabel(prompt, this)),
      edit_(new QLineEdit(this)),
      ok_(new QPushButton(tr("OK"), this)),
      cancel_(new QPushButton(tr("Cancel"), this)) {
    setWindowTitle(caption);
    const QSize ch = AverageCharSize(font());
    auto hu = [&](int n) { return Units(n, ch.width(), 4); };
    auto vu = [&](int n) { return Units(n, ch.height(), 8); };

    label_->setWordWrap(true);
    const int labelWidth = hu(164);
    label_->setGeometry(hu(8), vu(8), labelWidth, label_->heightForWidth(labelWidth));

    const int editTop = label_->y() + label_->height() + 5;
    edit_->setGeometry(label_->x(), editTop, hu(164), edit_->sizeHint().height());
    // Typing stops at the limit; an entry loaded from a file may be longer and is shown whole.
    edit_->setMaxLength(std::max<int>(kMaxEntryLength, static_cast<int>(value.size())));
    edit_->setText(value);
    edit_->selectAll();

    const int buttonTop = edit_->y() + edit_->height() + 15;
    ok_->setGeometry(hu(38), buttonTop, hu(50), vu(14));
    ok_->setDefault(true);
    cancel_->setGeometry(hu(92), buttonTop, hu(50), vu(14));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(hu(180), buttonTop + vu(14) + 13);
    edit_->setFocus();
    CentreOn(this, centreOn);
}

QString PromptDialog::Value() const {
    return edit_->text();
}

void SetPromptHook(PromptHook hook) {
    Hook() = std::move(hook);
}

bool PromptForEntry(const QString& caption, const QString& prompt, QString& value) {
    if (Hook()) {
        std::optional<QString> answer = Hook()({caption, prompt, value});
        if (!answer) {
            return false;
        }
        value = answer->left(std::max<int>(kMaxEntryLength, static_cast<int>(value.size())));
        return true;
    }
    PromptDialog dialog(caption, prompt, value, BoxParent());
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    value = dialog.Value();
    return true;
}

}  // namespace vorlex::ui
