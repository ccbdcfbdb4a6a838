#pragma once

// Command identifiers of the menus, the toolbar and the accelerators. The prompt of a command (status-bar
// text, line feed, tool tip) is the string of the same number in the string table.
namespace cmd {
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
// Print, Print Preview and Export PDF: the channel sheet.
inline constexpr int kFilePrint = 57607;
inline constexpr int kFilePrintPreview = 57609;
inline constexpr int kFileExportPdf = 32830;
// A copy from the clone archive as a new untitled document, or compared with the document.
inline constexpr int kFileOpenArchive = 32831;
// First of the four recent-file entries; without files it is the greyed "Recent File" place holder.
inline constexpr int kFileMruFirst = 57616;
inline constexpr int kFileMruCount = 4;
inline constexpr int kAppExit = 57665;

inline constexpr int kEditUndo = 57643;
inline constexpr int kEditRedo = 57644;
inline constexpr int kEditCut = 57635;
inline constexpr int kEditMemory = 32771;
inline constexpr int kEditCopy = 57634;
inline constexpr int kEditPaste = 57637;
inline constexpr int kEditClear = 57632;
inline constexpr int kEditDelete = 32801;
inline constexpr int kEditInsert = 32802;
// The channel list's Delete key: Clear on the selected row at once, without asking whether Clear is
// enabled. No menu, toolbar button or accelerator shows it.
inline constexpr int kEditClearKey = 32833;
inline constexpr int kNextPane = 57680;
inline constexpr int kPrevPane = 57681;

inline constexpr int kDtmfAutoDial = 32780;
inline constexpr int kCommonSetting = 32779;
inline constexpr int kViewToolbar = 59392;
inline constexpr int kViewStatusBar = 59393;

inline constexpr int kComPort1 = 32790;
inline constexpr int kComPort2 = 32791;
inline constexpr int kComPort3 = 32792;
inline constexpr int kComPort4 = 32793;
// Added to the COM Port menu by the document: the device each port slot stands for.
inline constexpr int kPortDevices = 32794;
// The transceiver profile setup again, from the COM Port menu: the version read or chosen by hand.
inline constexpr int kTransceiverSetup = 32845;

inline constexpr int kCloneRead = 32774;
inline constexpr int kCloneWrite = 32775;
inline constexpr int kCloneInformation = 32776;
// The document compared with what the transceiver holds, read into a document of its own.
inline constexpr int kCloneCompare = 32832;
// The port, the cable and the transceiver checked step by step, the memory left alone.
inline constexpr int kCloneCheckCable = 32834;

// Channel interchange (File menu) and operations on many channels (Edit menu).
inline constexpr int kFileImportCsv = 32820;
inline constexpr int kFileExportCsv = 32821;
inline constexpr int kFileCompare = 32822;
inline constexpr int kEditFind = 32823;
inline constexpr int kEditFindNext = 32824;
inline constexpr int kEditMoveUp = 32825;
inline constexpr int kEditMoveDown = 32826;
inline constexpr int kEditSortChannels = 32827;
inline constexpr int kEditCompactChannels = 32828;
inline constexpr int kEditFillRange = 32829;

inline constexpr int kHelpContents = 57666;
inline constexpr int kHelpTopics = 57667;
inline constexpr int kAppAbout = 57664;
} // namespace cmd

// Identifiers of the status-bar panes.
namespace pane {
inline constexpr int kIndicatorCaps = 59137;
inline constexpr int kIndicatorNum = 59138;
inline constexpr int kIndicatorScroll = 59139;
inline constexpr int kCallSign = 5065;
} // namespace pane
