#pragma once

namespace rv::command {

// Every menu item, accelerator, context-menu item and forwarded button press
// arrives at the main window as one of these numbers.
inline constexpr int kNew = 19;
inline constexpr int kOpen = 20;
inline constexpr int kSave = 21;
inline constexpr int kSaveAs = 22;
inline constexpr int kPrint = 23;  // becomes 24, 25 or 26 by the tab showing
inline constexpr int kPrintData = 24;
inline constexpr int kPrintEquation = 25;
inline constexpr int kPrintGraph = 26;
inline constexpr int kExit = 27;
inline constexpr int kEditMode = 28;
inline constexpr int kCopy = 29;  // becomes 30, 36 or 35 by the tab showing
inline constexpr int kCopyData = 30;
inline constexpr int kPasteData = 31;
inline constexpr int kCutData = 32;
inline constexpr int kClearData = 33;
inline constexpr int kSelectAll = 34;
inline constexpr int kCopyGraph = 35;
inline constexpr int kCopyEquation = 36;
inline constexpr int kInsert = 37;
inline constexpr int kDelete = 38;
inline constexpr int kFormat = 39;
inline constexpr int kScale = 40;
inline constexpr int kVariables = 41;
inline constexpr int kHelpTopics = 42;
inline constexpr int kWhatsThis = 43;
inline constexpr int kAbout = 44;
inline constexpr int kShowData = 45;
inline constexpr int kShowEquations = 46;
inline constexpr int kShowGraph = 47;
inline constexpr int kCalculate = 48;
inline constexpr int kStop = 49;
inline constexpr int kStats = 50;
inline constexpr int kMaximize = 60;
inline constexpr int kDraw = 61;
inline constexpr int kOptions = 62;
inline constexpr int kRotate = 63;
// Undo, Redo and the exports, numbered clear of every other command.
inline constexpr int kUndo = 70;
inline constexpr int kRedo = 71;
inline constexpr int kExportData = 72;
inline constexpr int kExportGraph = 73;
inline constexpr int kImport = 74;
inline constexpr int kFirstRecentFile = 401;
inline constexpr int kLastRecentFile = 404;

}  // namespace rv::command
