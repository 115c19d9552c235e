#include "ui/Glyphs.h"

#include <QFile>
#include <QString>

#include <cstring>

// The resources live in a static library: nothing refers to their initialiser, so the linker would drop
// it unless it is called explicitly. Q_INIT_RESOURCE must be used outside any namespace.
static void InitVorlexResources() {
    Q_INIT_RESOURCE(vorlex);
}

namespace vorlex::ui {

namespace {

void EnsureResources() {
    static const bool done = [] {
        InitVorlexResources();
        return true;
    }();
    (void)done;
}

constexpr const char* kBuiltIn[] = {
    "edit-find",         "edit-delete",          "process-stop",  "help-about",
    "help-contents",     "window-close",         "document-save", "folder-open",
    "view-list-details", "tools-check-spelling", "dialog-ok",
};

bool HasBuiltIn(const char* name) {
    for (const char* known : kBuiltIn) {
        if (std::strcmp(known, name) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

QIcon BuiltInGlyph(const char* name) {
    if (name == nullptr || !HasBuiltIn(name)) {
        return {};
    }
    EnsureResources();
    QIcon icon;
    for (const int size : {16, 32}) {
        const QString file = QStringLiteral(":/glyphs/%1-%2.png").arg(QString::fromLatin1(name)).arg(size);
        if (QFile::exists(file)) {
            icon.addFile(file, QSize(size, size));
        }
    }
    return icon;
}

QIcon Glyph(const char* name) {
    if (name == nullptr) {
        return {};
    }
    return QIcon::fromTheme(QString::fromLatin1(name), BuiltInGlyph(name));
}

QIcon AppIcon() {
    EnsureResources();
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString file = QStringLiteral(":/icons/vorlex-%1.png").arg(size);
        if (QFile::exists(file)) {
            icon.addFile(file, QSize(size, size));
        }
    }
    return icon;
}

}  // namespace vorlex::ui
