#include "ui/MessageBoxes.h"

#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace vorlex::ui {

namespace {

MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}

QPointer<QWidget>& Parent() {
    static QPointer<QWidget> parent;
    return parent;
}

}  // namespace

void SetMessageBoxHook(MessageBoxHook hook) {
    Hook() = std::move(hook);
}

void SetBoxParent(QWidget* mainWindow) {
    Parent() = mainWindow;
}

QWidget* BoxParent() {
    return Parent().data();
}

BoxResult ShowMessageBox(QWidget* centreOn, const BoxRequest& request) {
    if (Hook()) {
        return Hook()(request);
    }
    // The box has no owner window (it gets its own task-bar entry), but it is placed over the main window.
    QMessageBox box;
    box.setWindowTitle(request.title);
    box.setText(request.text);
    switch (request.icon) {
        case BoxIcon::Error:
            box.setIcon(QMessageBox::Critical);
            break;
        case BoxIcon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case BoxIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case BoxIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case BoxIcon::None:
            break;
    }
    switch (request.buttons) {
        case BoxButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case BoxButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case BoxButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
    }
    box.adjustSize();
    QRect area;
    if (centreOn != nullptr && centreOn->isVisible()) {
        area = centreOn->frameGeometry();
    } else if (QScreen* screen = box.screen()) {
        area = screen->availableGeometry();
    }
    if (area.isValid()) {
        box.move(area.center() - QPoint(box.width() / 2, box.height() / 2));
    }
    QTimer timeout;
    if (request.closeAfterMs > 0) {
        timeout.setSingleShot(true);
        QObject::connect(&timeout, &QTimer::timeout, &box, [&box] { box.done(QMessageBox::Ok); });
        timeout.start(request.closeAfterMs);
    }
    std::unique_ptr<QSocketNotifier> wake;
    if (request.closeOnReadable >= 0) {
        wake = std::make_unique<QSocketNotifier>(request.closeOnReadable, QSocketNotifier::Read);
        QObject::connect(wake.get(), &QSocketNotifier::activated, &box,
                         [&box] { box.done(QMessageBox::Ok); });
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return BoxResult::Yes;
        case QMessageBox::No:
            return BoxResult::No;
        case QMessageBox::Cancel:
            return BoxResult::Cancel;
        default:
            return BoxResult::Ok;
    }
}

}  // namespace vorlex::ui
