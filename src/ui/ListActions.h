// The result list's actions on the selected row: copy it to the clipboard, open a file manager or a
// terminal at its folder, and the list's context menu that offers them.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/LogSink.h"

class QAction;
class QClipboard;
class QMenu;
class QWidget;

namespace vorlex::ui {

/// The seven cell texts of one result row in column order, as the list shows them (File: raw path bytes).
using RowCells = std::array<std::string, 7>;

/// The clipboard text of a row: the column headings and the cells, each line joined by tabs, no final line
/// break. A cell with a blank, tab, quote or control character is quoted (quotes doubled); the File text
/// only when it holds a tab or control character, so the text always stays two tab-delimited lines.
std::string CopyLineText(const RowCells& row);

/// The folder a row stands for: the File text up to its last '/' (kept only for "/"); empty without a '/'.
std::string RowFolder(std::string_view fileText);

/// "Copy Line to Clipboard": puts CopyLineText of `row` on `clipboard` (the application's when null) and logs
/// it. Without a selected row nothing happens.
void CopyLine(const std::optional<RowCells>& row, base::LogSink& log, QClipboard* clipboard = nullptr);

/// "Explorer Here": opens the user's file manager at the row's folder (platform::OpenFolder) and logs
/// "Explorer opened to " + folder; when it could not be started, logs the reason in red instead. Without
/// a selected row nothing happens and nothing is logged.
void ExplorerHere(const std::optional<RowCells>& row, base::LogSink& log);

/// "Command Prompt Here": opens a terminal whose shell starts in the row's folder (platform::OpenTerminal)
/// and logs "Command Prompt opened to " + folder; when it could not be started (none installed, or the
/// folder no longer exists), logs the reason in red instead. Without a selected row nothing happens and
/// nothing is logged.
void CmdPromptHere(const std::optional<RowCells>& row, base::LogSink& log);

/// The context menu `ListViewPopupMenu` of the result list and its three actions.
struct ListViewPopupMenu {
    QMenu* menu = nullptr;
    QAction* copyLine = nullptr;       ///< "Copy Line to Clipboard (Double-click)", Ctrl+C
    QAction* explorerHere = nullptr;   ///< "Explorer Here", Ctrl+E
    QAction* cmdPromptHere = nullptr;  ///< "Command Prompt Here", Ctrl+P
};

/// Builds `ListViewPopupMenu` for the result list `list` (which owns it): the three actions with their
/// captions, hints and shortcuts (working while the list has the focus); the menu pops up on a right click.
ListViewPopupMenu BuildListViewPopupMenu(QWidget* list, std::function<void()> onCopyLine,
                                         std::function<void()> onExplorerHere,
                                         std::function<void()> onCmdPromptHere);

}  // namespace vorlex::ui
