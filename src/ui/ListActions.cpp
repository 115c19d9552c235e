#include "ui/ListActions.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QIcon>
#include <QMenu>
#include <QWidget>

#include "base/LogSink.h"
#include "platform/Errors.h"
#include "platform/Launch.h"
#include "scan/ResultRow.h"

namespace vorlex::ui {

namespace {

/// True for the characters that force a cell into quotes: control characters (DEL included) and blanks.
bool IsBlankOrControl(unsigned char c) {
    return c <= ' ' || c == 0x7F;
}

bool NeedsQuotes(std::string_view cell) {
    for (const char c : cell) {
        if (IsBlankOrControl(static_cast<unsigned char>(c)) || c == '"') {
            return true;
        }
    }
    return false;
}

bool HasControlCharacter(std::string_view text) {
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < ' ' || u == 0x7F) {
            return true;
        }
    }
    return false;
}

void AppendQuoted(std::string& out, std::string_view cell) {
    out.push_back('"');
    for (const char c : cell) {
        if (c == '"') {
            out.push_back('"');
        }
        out.push_back(c);
    }
    out.push_back('"');
}

const std::string* SelectedFile(const std::optional<RowCells>& row) {
    return row ? &(*row)[0] : nullptr;
}

}  // namespace

std::string CopyLineText(const RowCells& row) {
    std::string text;
    for (int c = 0; c < static_cast<int>(scan::Column::Count); ++c) {
        if (c > 0) {
            text.push_back('\t');
        }
        text += scan::ColumnCaption(static_cast<scan::Column>(c));
    }
    text.push_back('\n');
    if (HasControlCharacter(row[0])) {
        AppendQuoted(text, row[0]);
    } else {
        text += row[0];
    }
    for (size_t i = 1; i < row.size(); ++i) {
        text.push_back('\t');
        if (NeedsQuotes(row[i])) {
            AppendQuoted(text, row[i]);
        } else {
            text += row[i];
        }
    }
    return text;
}

std::string RowFolder(std::string_view fileText) {
    const size_t slash = fileText.rfind('/');
    if (slash == std::string_view::npos) {
        return {};
    }
    return std::string(fileText.substr(0, slash == 0 ? 1 : slash));
}

void CopyLine(const std::optional<RowCells>& row, base::LogSink& log, QClipboard* clipboard) {
    if (!row) {
        return;
    }
    if (clipboard == nullptr) {
        clipboard = QGuiApplication::clipboard();
    }
    const std::string text = CopyLineText(*row);
    clipboard->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    log.WriteLog("Copied to clipboard.", base::kBlack, base::LogStyle::Regular);
}

void ExplorerHere(const std::optional<RowCells>& row, base::LogSink& log) {
    const std::string* file = SelectedFile(row);
    if (file == nullptr) {
        return;
    }
    const std::string folder = RowFolder(*file);
    const int error = platform::OpenFolder(folder);
    if (error != 0) {
        log.WriteLog("Could not start xdg-open for " + folder + ": " + platform::ErrorText(error), base::kRed,
                     base::LogStyle::Regular);
        return;
    }
    log.WriteLog("Explorer opened to " + folder, base::kBlack, base::LogStyle::Regular);
}

void CmdPromptHere(const std::optional<RowCells>& row, base::LogSink& log) {
    const std::string* file = SelectedFile(row);
    if (file == nullptr) {
        return;
    }
    const std::string folder = RowFolder(*file);
    const int error = platform::OpenTerminal(folder);
    if (error != 0) {
        log.WriteLog("Could not start " + platform::TerminalProgram() + " in " + folder + ": " +
                         platform::ErrorText(error),
                     base::kRed, base::LogStyle::Regular);
        return;
    }
    log.WriteLog("Command Prompt opened to " + folder, base::kBlack, base::LogStyle::Regular);
}

ListViewPopupMenu BuildListViewPopupMenu(QWidget* list, std::function<void()> onCopyLine,
                                         std::function<void()> onExplorerHere,
                                         std::function<void()> onCmdPromptHere) {
    ListViewPopupMenu result;
    result.menu = new QMenu(list);
    result.menu->setObjectName(QStringLiteral("ListViewPopupMenu"));

    struct Item {
        const char* caption;
        const char* hint;
        QKeySequence shortcut;
        const char* themeIcon;
        std::function<void()> slot;
        QAction** out;
    };
    const Item items[] = {
        {"Copy Line to Clipboard (Double-click)",
         "Copy the selected file to the clipboard (Tab delimited format)", QKeySequence(Qt::CTRL | Qt::Key_C),
         "edit-copy", std::move(onCopyLine), &result.copyLine},
        {"Explorer Here", "Open Windows Explorer window at the file's path.",
         QKeySequence(Qt::CTRL | Qt::Key_E), "system-file-manager", std::move(onExplorerHere),
         &result.explorerHere},
        {"Command Prompt Here", "Open a Command Prompt at the file's path.",
         QKeySequence(Qt::CTRL | Qt::Key_P), "utilities-terminal", std::move(onCmdPromptHere),
         &result.cmdPromptHere},
    };
    for (const Item& item : items) {
        auto* action = new QAction(QString::fromUtf8(item.caption), result.menu);
        action->setStatusTip(QString::fromUtf8(item.hint));
        action->setShortcut(item.shortcut);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        action->setIcon(QIcon::fromTheme(QString::fromLatin1(item.themeIcon)));
        if (item.slot) {
            QObject::connect(action, &QAction::triggered, action, [slot = item.slot] { slot(); });
        }
        result.menu->addAction(action);
        // The shortcut belongs to the list: it fires while the list (or its viewport) has the focus.
        list->addAction(action);
        *item.out = action;
    }

    list->setContextMenuPolicy(Qt::CustomContextMenu);
    QMenu* menu = result.menu;
    QObject::connect(list, &QWidget::customContextMenuRequested, menu, [list, menu](const QPoint& pos) {
        // A scroll area reports the position in its viewport's coordinates.
        const auto* area = qobject_cast<QAbstractScrollArea*>(list);
        const QWidget* origin = area != nullptr ? area->viewport() : list;
        menu->popup(origin->mapToGlobal(pos));
    });
    return result;
}

}  // namespace vorlex::ui
