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

/// The seven cell texts of one result row in column order: File (the full path, raw bytes of the name; a
/// directory row ends in '/'), Created, Modified, Accessed, Age (Days), Size (KB), Status, as the list shows
/// them.
using RowCells = std::array<std::string, 7>;

/// The clipboard text of a row: the seven column headings joined by tabs, one line feed, then the row's
/// cells joined by tabs, with no line break at the end. A cell holding a blank, a tab, a double quote or
/// another control character is enclosed in double quotes with its quotes doubled; other cells are copied
/// as they are. The File text is copied as it is, blanks and quotes included; only when it holds a tab or
/// a control character (a file name may hold a line feed) is it quoted like a cell, so that the text
/// always stays two tab-delimited lines.
std::string CopyLineText(const RowCells& row);

/// The folder a row stands for: the File text up to its last '/', without that '/' unless nothing else
/// is left. A file row gives the file's folder, a directory row (ending in '/') the directory itself, and
/// a file directly under the root gives "/". A text without any '/' gives an empty folder.
std::string RowFolder(std::string_view fileText);

/// "Copy Line to Clipboard": puts CopyLineText of `row` on `clipboard` (the application's clipboard when
/// null), replacing its content, and logs "Copied to clipboard.". Without a selected row (`row` empty)
/// nothing happens and nothing is logged.
void CopyLine(const std::optional<RowCells>& row, base::LogSink& log, QClipboard* clipboard = nullptr);

/// "Explorer Here": opens the user's file manager at the row's folder (platform::OpenFolder) and logs
/// "Explorer opened to " + folder, also when the file manager could not be started (a debug line then
/// gives the reason). Without a selected row nothing happens and nothing is logged.
void ExplorerHere(const std::optional<RowCells>& row, base::LogSink& log);

/// "Command Prompt Here": opens a terminal whose shell starts in the row's folder (platform::OpenTerminal)
/// and logs "Command Prompt opened to " + folder, also when the terminal could not be started, for example
/// because the folder no longer exists (a debug line then gives the reason). Without a selected row
/// nothing happens and nothing is logged.
void CmdPromptHere(const std::optional<RowCells>& row, base::LogSink& log);

/// The context menu `ListViewPopupMenu` of the result list and its three actions.
struct ListViewPopupMenu {
    QMenu* menu = nullptr;
    QAction* copyLine = nullptr;       ///< "Copy Line to Clipboard (Double-click)", Ctrl+C
    QAction* explorerHere = nullptr;   ///< "Explorer Here", Ctrl+E
    QAction* cmdPromptHere = nullptr;  ///< "Command Prompt Here", Ctrl+P
};

/// Builds `ListViewPopupMenu` for the result list `list` (which owns the menu): the three actions in
/// order with their captions, their hints as status tips (shown in a QMainWindow's status bar while the
/// item is under the mouse) and their shortcuts. The actions are also added to `list` with
/// Qt::WidgetWithChildrenShortcut, so the shortcuts work while the list has the keyboard focus. The menu
/// pops up on a right click on the list (its context-menu policy becomes Qt::CustomContextMenu). Each
/// action calls its function when triggered. A double click on the list is not wired here.
ListViewPopupMenu BuildListViewPopupMenu(QWidget* list, std::function<void()> onCopyLine,
                                         std::function<void()> onExplorerHere,
                                         std::function<void()> onCmdPromptHere);

}  // namespace vorlex::ui
