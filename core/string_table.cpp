#include "core/string_table.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

struct SStringEntry
{
    int id;
    std::string_view text;
};

// Kept in ascending order of identifiers: the look-up is a binary search.
constexpr SStringEntry kStrings[] = {
    {ids::kDocTemplate, "ZQ-L52\n\nZQ-L52 Data\nData Files (*.VLK)\n.vlk\nZQ-L52.Document\nZQ-L52 Document"},
    {ids::kCloningCaption, "Cloning"},

    {ids::kCloneCompleted, " Cloning completed."},
    {ids::kCannotReadCloneData, " Err: Cannot read cloning data."},
    {ids::kCannotWriteCloneData, " Err: Cannot write cloning data."},
    {ids::kIllegalInformation, " Err: Illegal information."},
    {ids::kCannotBeProgrammed, " The transceiver cannot be programmed. The cause may be:\n\n"
                               " 1) The transceiver has not been cloned.\n"
                               " 2) The transceiver's EEPROM is damaged.\n"
                               " 3) The transceiver's revision number is not compatible\n"
                               "    with the programming software.\n\n"
                               " In cases 1 or 2, the transceiver requires factory\n"
                               " maintenance. In case 3, the transceiver cannot be\n"
                               " programmed using this program.\n\n"},
    {ids::kCloneTerminated, " Terminated cloning.  "},
    {ids::kCannotAccessPort, " Err: Cannot access RS-232C port."},
    {ids::kCloneWriteSucceeded, " Clone writing succeeded. \n\n"
                                " Turn the transceiver power off and on to use \n"
                                " the transceiver under its new conditions.\n"},
    {ids::kCheckPortCablePower, " Check the following:\n\n"
                                " - The RS-232C port settings.\n"
                                " - Cloning cable connections.\n"
                                " - Transceiver power is ON."},
    {ids::kNowReading, " Now reading <- TR"},
    {ids::kNowWriting, " Now writing -> TR"},
    {ids::kReadFromTransceiver, " Read from transceiver"},
    {ids::kDataEdited, " Data has been edited."},
    {ids::kWriteToTransceiver, " Write to transceiver"},
    {ids::kCannotInsert, " The last CH(99ch) is not blank. Cannot insert a blank channel."},
    {ids::kVersionMismatch, " Err: Version number does not match."},
    {ids::kOverwriteHere, " Overwite here ?    "},
    {ids::kCheckPortCableSoftware, " Check the following:\r\n\r\n"
                                   " - The RS-232C port settings.\r\n"
                                   " - Cloning cable connections.\r\n"
                                   " - Appropriate cloning software for the transceiver is being used.\r\n"
                                   " - The revision number of the transceiver.\n"},
    {ids::kSetupIntroduction,
     "Thank you for purchasing this Velk ZQ-L52 cloning software.\r\n\r\n"
     "To use this software, the transceiver's version must be recognized.  "
     "Therefore the following start-up operation is necessary in advance.\r\n\r\n"
     "If an VL-L52 is not on hand, push [Cancel] to skip the initial setup."
     "This program can be used to edit data although actual cloning operations cannot be performed in "
     "such cases.\r\n\r\n"
     "START-UP OPERATION\r\n\r\n"
     "(1) Be sure the transceiver and PC are connected using the cloning cable."
     "If they are not yet connected, turn all power OFF, then connect the cable in advance.\r\n\r\n"
     "(2) Turn the transceiver power ON and select the RS-232C port.\r\n\r\n"
     "(3) Push [OK] to start the initial setup.\r\n\r\n"},
    {ids::kCallSignLabel, "Call Sign"},
    {ids::kComPortLabel, "COM Port"},
    {ids::kBlankCallSign, "      "},
    {ids::kVersionNotSetUp, " The transceiver cannot be programmed with the\n"
                            "current setting. The transceiver's version \n"
                            "does not match the initial setup.\n"},

    {ids::kAutoRepeaterOffJpn, "Off"},
    {ids::kAutoRepeaterOffUsa, "Off"},
    {ids::kAutoRepeaterOn, "On"},
    {ids::kAutoRepeaterOn1, "ON1: Duplex Only"},
    {ids::kAutoRepeaterOn2, "ON2: Duplex & Tone"},
    {ids::kAutoRepeaterNone, "---"},
    {ids::kAutoPowerOffOff, "Off"},
    {ids::kAutoPowerOff20, "20 min"},
    {ids::kAutoPowerOff40, "40 min"},
    {ids::kAutoPowerOff60, "60 min"},
    {ids::kLabelAutoPowerOff, "Auto Power-OFF"},
    {ids::kLabelRfPower, "RF Power"},
    {ids::kLabelAutoRepeater, "Auto Repeater"},
    {ids::kLabelScanTimer, "Scan Timer"},
    {ids::kLabelRitSelection, "RIT Selection"},
    {ids::kLabelMicFunction, "KQ18/A Function"},
    {ids::kLabelLcdContrast, "LCD Contrast"},
    {ids::kLabelBacklight, "Display Back Light"},
    {ids::kScanPauseUntilSignal, "P-2: Pauses until signal"},
    {ids::kScanPause10s, "T-10: Pauses 10 sec"},
    {ids::kMicNormal1, "Normal 1"},
    {ids::kMicNormal2, "Normal 2"},
    {ids::kMicSimple, "Simple"},
    {ids::kLcdLow, "1: Low"},
    {ids::kLcdHigh, "2: High"},
    {ids::kBacklightOff, "Off"},
    {ids::kBacklightAuto, "Automatic"},
    {ids::kBacklightOn, "On"},
    {ids::kLabelBeep, "Operation Beep"},
    {ids::kLabelIndicationMode, "Indication Mode"},
    {ids::kLabelPowerSave, "Power Save"},
    {ids::kLabelVoltageIndication, "Voltage Indication"},
    {ids::kRfPowerLow, "Low"},
    {ids::kRfPowerHigh, "High"},
    {ids::kLabelComment, "Comment"},

    {cmd::kEditMemory, "Edit Memory\nEdit Memory"},
    {cmd::kCloneRead, "Read From Transceiver\nClone in"},
    {cmd::kCloneWrite, "Write to Transceiver\nClone out"},
    {cmd::kCloneInformation, "Read Information\nClone info."},
    {cmd::kCommonSetting, "Indicate Others Sheet\nCommon Sheet"},
    {cmd::kDtmfAutoDial, "Indicate DTMF Autodial Sheet\nAutoDial Sheet"},
    {cmd::kComPort1, "Use COM1\nCOM1"},
    {cmd::kComPort2, "Use COM2\nCOM2"},
    {cmd::kComPort3, "Use COM3\nCOM3"},
    {cmd::kComPort4, "Use COM4\nCOM4"},
    {cmd::kPortDevices, "Choose the serial device of each COM port\nPort Devices"},
    {cmd::kEditDelete, "Delete\nDelete"},
    {cmd::kEditInsert, "Insert\nInsert"},
    {cmd::kFileImportCsv, "Import channels from a CSV file\nImport CSV"},
    {cmd::kFileExportCsv, "Export the channels to a CSV file\nExport CSV"},
    {cmd::kFileCompare, "Compare the data with a clone data file\nCompare with File"},
    {cmd::kEditFind, "Find a channel by its name or frequency\nFind"},
    {cmd::kEditFindNext, "Find the next channel that matches\nFind Next"},
    {cmd::kEditMoveUp, "Move the selected channel up one row\nMove Up"},
    {cmd::kEditMoveDown, "Move the selected channel down one row\nMove Down"},
    {cmd::kEditSortChannels, "Sort the memory channels of a range\nSort Channels"},
    {cmd::kEditCompactChannels, "Close the gaps between the memory channels of a range\nCompact Channels"},
    {cmd::kEditFillRange, "Set one field on the memory channels of a range\nFill Range"},
    {cmd::kFileExportPdf, "Save the channel sheet as a PDF file\nExport PDF"},
    {cmd::kFileOpenArchive,
     "Open or compare a copy from the archive of every read and write\nOpen from Archive"},
    {cmd::kCloneCompare, "Compare the document with the data in the transceiver\nCompare with Transceiver"},
    {cmd::kCloneCheckCable, "Check the port, the cable and the transceiver step by step\nCheck Cable"},
    {cmd::kTransceiverSetup, "Read the transceiver's version again, or choose it by hand\nTransceiver Setup"},

    {ids::kSettingCaption, "Setting"},
    {ids::kReady, "Ready"},

    {cmd::kFileNew, "Create a new document\nNew"},
    {cmd::kFileOpen, "Open an existing document\nOpen"},
    {cmd::kFileSave, "Save the active document\nSave"},
    {cmd::kFileSaveAs, "Save the active document with a new name\nSave As"},
    {cmd::kFilePrint, "Print the channel sheet of the active document\nPrint"},
    {cmd::kFilePrintPreview, "Display the channel sheet as it will be printed\nPrint Preview"},
    {cmd::kFileMruFirst, "Open this document"},
    {cmd::kFileMruFirst + 1, "Open this document"},
    {cmd::kFileMruFirst + 2, "Open this document"},
    {cmd::kFileMruFirst + 3, "Open this document"},
    {cmd::kEditClear, "Clear\nClear"},
    {cmd::kEditCopy, "Copy the selection and put it on the Clipboard\nCopy"},
    {cmd::kEditCut, "Cut the selection and put it on the Clipboard\nCut"},
    {cmd::kEditPaste, "Insert Clipboard contents\nPaste"},
    {cmd::kEditUndo, "Undo the last change\nUndo"},
    {cmd::kEditRedo, "Redo the change that was undone\nRedo"},
    {cmd::kAppAbout, "Display program information and version\nAbout"},
    {cmd::kAppExit, "Quit the application; prompts to save the document\nExit"},
    {cmd::kHelpContents, "Show the contents of the user manual\nHelp Contents"},
    {cmd::kHelpTopics, "List the topics of the user manual\nHelp Topics"},
    {cmd::kNextPane, "Switch to the next window pane\nNext Pane"},
    {cmd::kPrevPane, "Switch back to the previous window pane\nPrevious Pane"},

    {ids::kIndicatorCaps, "CAP"},
    {ids::kIndicatorNum, "NUM"},
    {ids::kIndicatorScroll, "SCRL"},
    {cmd::kViewToolbar, "Show or hide the toolbar\nToggle Toolbar"},
    {cmd::kViewStatusBar, "Show or hide the status bar\nToggle Status Bar"},

    {ids::kAppTitle, "ZQ-L52"},
    {ids::kUntitled, "Untitled"},
    {ids::kFrameTitleFormat, "%1 - %2"},
    {ids::kToolbarTitle, "Toolbar"},
    {ids::kStatusBarTitle, "Status Bar"},
    {ids::kRecentFileFormat, "&%1 %2"},

    {ids::kMenuFile, "&File"},
    {ids::kMenuEdit, "&Edit"},
    {ids::kMenuView, "&View"},
    {ids::kMenuComPort, "&COM Port"},
    {ids::kMenuCloning, "&Cloning"},
    {ids::kMenuHelp, "&Help"},

    {ids::kItemNew, "&New\tCtrl+N"},
    {ids::kItemOpen, "&Open...\tCtrl+O"},
    {ids::kItemSave, "&Save\tCtrl+S"},
    {ids::kItemSaveAs, "Save &As..."},
    {ids::kItemRecentFile, "Recent File"},
    {ids::kItemExit, "E&xit"},
    {ids::kItemUndo, "&Undo\tCtrl+Z"},
    {ids::kItemRedo, "&Redo\tCtrl+Y"},
    {ids::kItemEditMemory, "&Edit Memory...\tEnter"},
    {ids::kItemCopy, "&Copy\tCtrl+C"},
    {ids::kItemPaste, "&Paste\tCtrl+V"},
    {ids::kItemClear, "Clear\tDel"},
    {ids::kItemDelete, "Delete"},
    {ids::kItemInsert, "Insert\t"},
    {ids::kItemDtmfAutoDial, "&DTMF AutoDial..."},
    {ids::kItemCommonSetting, "&Common Setting..."},
    {ids::kItemToolbar, "&Toolbar"},
    {ids::kItemStatusBar, "&Status Bar"},
    {ids::kItemCom1, "COM1"},
    {ids::kItemCom2, "COM2"},
    {ids::kItemCom3, "COM3"},
    {ids::kItemCom4, "COM4"},
    {ids::kItemCloneRead, "&Read <- TR"},
    {ids::kItemCloneWrite, "&Write -> TR"},
    {ids::kItemCloneInformation, "&Information..."},
    {ids::kItemHelpContents, "&Contents"},
    {ids::kItemHelpTopics, "&Help Topics"},
    {ids::kItemAbout, "&About ZQ-L52..."},

    {ids::kAboutCaption, "About ZQ-L52"},
    {ids::kAboutVersion, "ZQ-L52 Rev.1.0"},
    {ids::kButtonOk, "OK"},
    {ids::kButtonCancel, "Cancel"},
    {ids::kButtonYes, "&Yes"},
    {ids::kButtonNo, "&No"},

    {ids::kInformationCaption, "Information"},
    {ids::kInformationModel, "Model"},
    {ids::kInformationComment, "Comment"},
    {ids::kInformationUnknown, "unknown"},
    {ids::kInformationCommentPlaceholder, "WWWWWWWWWWWWWWWW"},
    {ids::kMachineName, "VL-L52"},

    {ids::kSetupCaption, "ZQ-L52 Initial Setup"},
    {ids::kPortName1, "COM1"},
    {ids::kPortName2, "COM2"},
    {ids::kPortName3, "COM3"},
    {ids::kPortName4, "COM4"},

    {ids::kComPortErrorCaption, " COM Port Error    "},
    {ids::kPortNotOpen, " not Open "},
    {ids::kPortInvalidSetting, " invarid setting "},
    {ids::kPortWriteError, " write error "},
    {ids::kPortReadError, " read error "},

    {ids::kColumnChannel, "CH"},
    {ids::kColumnFrequency, "Frequency"},
    {ids::kColumnDuplex, "Duplex"},
    {ids::kColumnOffset, "Offset freq."},
    {ids::kColumnName, "Name"},
    {ids::kColumnTone, "Tone"},
    {ids::kColumnRepeaterTone, "Repeater Tone"},
    {ids::kColumnCtcss, "CTCSS freq."},
    {ids::kColumnSkip, "Skip"},
    {ids::kColumnMode, "Mode  "},
    {ids::kColumnFiller, ""},

    {ids::kCommonPageCaption, " Common "},

    {ids::kHelpWindowTitle, "ZQ-L52 Help"},
    {ids::kSerialPermissionHint, " The serial device %1 exists, but this user may not use it.\n\n"
                                 " On Linux, serial devices belong to the group \"dialout\". Join it with\n\n"
                                 "     sudo usermod -aG dialout $USER\n\n"
                                 " then log out and log in again."},
    {ids::kPortDeviceFormat, "%1 (%2)"},
    {ids::kAllFilesFilter, "All Files (*)"},
    {ids::kHelpBack, "&Back"},
    {ids::kHelpHome, "&Contents"},
    {ids::kHelpClose, "Close"},

    {ids::kEditMemoryCaption, "Edit Memory ch"},
    {ids::kEditLabelFrequency, "Operating Frequency"},
    {ids::kEditLabelDuplex, "Dup"},
    {ids::kEditDuplexOff, "OFF"},
    {ids::kEditDuplexMinus, "-Dup"},
    {ids::kEditDuplexPlus, "+Dup"},
    {ids::kEditLabelOffset, "Offset Freq."},
    {ids::kEditLabelName, "Name"},
    {ids::kEditToneBox, "Tone / ToneSquelch"},
    {ids::kEditToneOff, "OFF"},
    {ids::kEditToneTone, "TONE"},
    {ids::kEditToneTsql, "TSQL"},
    {ids::kEditModeBox, "Mode"},
    {ids::kEditModeFm, "FM"},
    {ids::kEditModeAm, "AM"},
    {ids::kEditModeWfm, "WFM"},
    {ids::kEditModeNarrowFm, "NarrowFM"},
    {ids::kEditMemorySkip, "Memory Skip"},
    {ids::kEditLabelTuningStep, "Tuning Step"},
    {ids::kEditProgramSkip, "Program Skip "},

    {ids::kDtmfCaption, "DTMF Autodial"},
    {ids::kDtmfChannelBox, "Channel Selection"},
    {ids::kDtmfSpeedBox, "Speed"},

    {ids::kOpenCaption, "Open"},
    {ids::kSaveAsCaption, "Save As"},
    {ids::kSaveChangesFormat, "Save changes to %1?"},
    {ids::kOpenFailedFormat, " Cannot open the file\n %1\n\n%2"},
    {ids::kSaveFailedFormat, " Cannot save the file\n %1\n\n%2"},
    {ids::kFileCannotRead, " The file does not exist, or this user may not read it."},
    {ids::kFileCannotWrite, " The file cannot be written there: the folder does not exist, this user may\n"
                            " not write in it, or the disk is full. The file was left as it was."},
    {ids::kFileFormatError, " It is not a clone data file, or one of its lines is damaged."},
    {ids::kFileDataOverflow, " It holds data for addresses outside the transceiver's memory."},
    {ids::kFileMismatchModel, " It was made for another transceiver model."},
    {ids::kFileMismatchRevision, " It was made for another revision of the transceiver."},
    {ids::kFileNotEnoughData, " It does not hold the whole memory of the transceiver."},
    {ids::kFileOtherError, " The data could not be read or written (%1)."},
    {ids::kFileChangedOnDiskFormat,
     " The file\n %1\n was changed by another program since it was opened or saved here.\n\n"
     " OK saves over it and the other program's changes are lost; Cancel leaves the file as it is."},

    {ids::kItemPortDevices, "Port &Devices..."},
    {ids::kPortDevicesCaption, "Port Devices"},
    {ids::kPortDevicesIntro,
     "The serial device each COM port stands for. Pick a detected device or type its path."},
    {ids::kSetupDevicesButton, "&Devices..."},
    {ids::kDetectedDeviceFormat, "%1 - %2"},
    {ids::kInformationSeparator, ":"},

    {ids::kUndoFormat, "&Undo %1\tCtrl+Z"},
    {ids::kRedoFormat, "&Redo %1\tCtrl+Y"},
    {ids::kStepEditMemory, "Edit Memory"},
    {ids::kStepPaste, "Paste"},
    {ids::kStepClear, "Clear"},
    {ids::kStepDelete, "Delete"},
    {ids::kStepInsert, "Insert"},
    {ids::kStepCommonSetting, "Common Setting"},
    {ids::kStepDtmfAutoDial, "DTMF AutoDial"},
    {ids::kStepCloneRead, "Read <- TR"},
    {ids::kIllegalChannelsWritten, " The transceiver cannot use these channels (marked \"?\" in the list).\n"
                                   " Written to it, they become:\n\n"
                                   "%1"},
    {ids::kIllegalChannelWrittenEmptyFormat, " %1: an empty channel"},
    {ids::kIllegalChannelWrittenAsFormat, " %1: %2 MHz %3 (what the transceiver holds there by default)"},

    {ids::kDtmfMemoryFormat, "D%1"},
    {ids::kDtmfLineFormat, "%1  %2"},

    {ids::kArchiveCopyFailed, " The clone archive copy could not be saved: %1"},
    {ids::kItemOpenArchive, "Open from A&rchive..."},
    {ids::kItemCloneCompare, "&Compare with Transceiver..."},
    {ids::kArchiveCaption, "Open from Archive"},
    {ids::kArchiveIntroFormat,
     "Copies of every read from and write to the transceiver, newest first, kept in %1"},
    {ids::kArchiveEmpty, "The archive holds no copies yet: the next read or write keeps the first one."},
    {ids::kArchiveColumnDate, "Date"},
    {ids::kArchiveColumnTime, "Time"},
    {ids::kArchiveColumnOperation, "Operation"},
    {ids::kArchiveColumnChannels, "Channels"},
    {ids::kArchiveColumnComment, "Comment"},
    {ids::kArchiveRead, "Read <- TR"},
    {ids::kArchiveWrite, "Write -> TR"},
    {ids::kArchiveUnknownChannels, "?"},
    {ids::kArchiveKeepCopies, "&Keep a copy of every read and write"},
    {ids::kArchiveOpenButton, "&Open"},
    {ids::kArchiveCompareButton, "&Compare"},
    {ids::kArchiveShowFolderButton, "Show &Folder"},
    {ids::kArchiveCloseButton, "C&lose"},
    {ids::kArchiveFolderNotShown, " The folder\n %1\n could not be shown: no file manager answered."},
    {ids::kCompareTransceiverTitle, "Compare with Transceiver"},
    {ids::kCompareTransceiverSide, "the transceiver"},

    {ids::kItemPrint, "&Print...\tCtrl+P"},
    {ids::kItemPrintPreview, "Print Pre&view..."},
    {ids::kItemExportPdf, "&Export PDF..."},
    {ids::kPrintOptionsCaption, "Print Options"},
    {ids::kPrintBlankChannels, "Include &blank channels"},
    {ids::kPrintCommonSettings, "&Common settings"},
    {ids::kPrintDtmfMemories, "&DTMF memories"},
    {ids::kPrintPreviewCaption, "Print Preview"},
    {ids::kExportPdfCaption, "Export PDF"},
    {ids::kPdfFilesFilter, "PDF Files (*.pdf)"},
    {ids::kExportPdfFailedFormat, " Cannot write the PDF file\n %1\n\n %2"},

    {ids::kItemImportCsv, "&Import CSV..."},
    {ids::kItemExportCsv, "Expor&t CSV..."},
    {ids::kItemCompareFile, "Co&mpare with File..."},
    {ids::kItemFind, "&Find...\tCtrl+F"},
    {ids::kItemFindNext, "Find &Next\tF3"},
    {ids::kItemMoveUp, "Mo&ve Up\tCtrl+Up"},
    {ids::kItemMoveDown, "Move Do&wn\tCtrl+Down"},
    {ids::kItemSortChannels, "&Sort Channels..."},
    {ids::kItemCompactChannels, "Co&mpact Channels..."},
    {ids::kItemFillRange, "F&ill Range..."},
    {ids::kStepImportCsv, "Import CSV"},
    {ids::kStepSortChannels, "Sort Channels"},
    {ids::kStepCompactChannels, "Compact Channels"},
    {ids::kStepFillRange, "Fill Range"},
    {ids::kStepMoveUp, "Move Up"},
    {ids::kStepMoveDown, "Move Down"},

    {ids::kFindCaption, "Find"},
    {ids::kFindLabel, "Find &what:"},
    {ids::kFindHint, "Finds a channel whose name contains the text or whose frequency begins with it.\n"
                     "F3 finds the next one."},
    {ids::kFindNotFoundFormat, " Not found: %1"},
    {ids::kFindFoundFormat, " Found: %1 (%2 of %3)"},

    {ids::kRangeBox, "Memory channels"},
    {ids::kRangeFrom, "&From:"},
    {ids::kRangeTo, "&To:"},
    {ids::kSortCaption, "Sort Channels"},
    {ids::kSortKeyLabel, "Sort &by:"},
    {ids::kSortKeyFrequency, "Frequency"},
    {ids::kSortKeyName, "Name"},
    {ids::kSortKeyTone, "Tone, then frequency"},
    {ids::kSortOrderBox, "Order"},
    {ids::kSortAscending, "&Ascending"},
    {ids::kSortDescending, "&Descending"},
    {ids::kSortHint, "Channels move whole; blank channels go to the end of the range.\n"
                     "Channels with equal keys keep their order."},
    {ids::kCompactCaption, "Compact Channels"},
    {ids::kCompactHint, "The channels in use move up to close the gaps, keeping their order;\n"
                        "blank channels go to the end of the range."},
    {ids::kFillCaption, "Fill Range"},
    {ids::kFillFieldLabel, "F&ield:"},
    {ids::kFillValueLabel, "&Value:"},
    {ids::kFillOffsetLabel, "&Offset (MHz):"},
    {ids::kFillHint, "Sets the value on every channel in use in the range. Channels where the\n"
                     "value is not allowed are left as they were and reported."},
    {ids::kFillFieldDuplex, "Duplex"},
    {ids::kFillFieldOffset, "Offset (MHz)"},
    {ids::kFillFieldTone, "Tone"},
    {ids::kFillFieldRepeaterTone, "rToneFreq (repeater tone)"},
    {ids::kFillFieldTsqlTone, "cToneFreq (TSQL tone)"},
    {ids::kFillFieldMode, "Mode"},
    {ids::kFillFieldSkip, "Skip"},
    {ids::kFillValueNone, "(none)"},
    {ids::kFillDuplexMinus, "- (shift down)"},
    {ids::kFillDuplexPlus, "+ (shift up)"},
    {ids::kFillModeWfm, "WFM (Wide FM)"},
    {ids::kFillModeNfm, "NFM (FM Narrow)"},
    {ids::kFillSkipOn, "S (skip)"},
    {ids::kFillOffsetKeep, "keep each channel's offset"},
    {ids::kFillOffsetExample, "e.g. 0.6"},
    {ids::kRangeOrderRefusedFormat,
     " The range From %1 To %2 holds no channel.\n\n From must not be after To: change one of them."},
    {ids::kFillReportIntro,
     "Channels changed: %1. These channels were left as they were or hold the value in another form:"},
    {ids::kFillSkippedFormat, "%1 skipped: %2"},
    {ids::kFillAdjustedFormat, "%1 adjusted: %2"},
    {ids::kFillRefusedFormat, " Cannot fill the range.\n\n %1"},

    {ids::kImportCaption, "Import CSV"},
    {ids::kExportCaption, "Export CSV"},
    {ids::kCsvFilter, "CSV Files (*.csv *.CSV)"},
    {ids::kImportUnreadableFormat, " Cannot import the file\n %1\n\n %2"},
    {ids::kImportedFormat, " Imported %1"},
    {ids::kExportAllQuestion, " Export the program-scan edges and call channels as well?"},
    {ids::kExportedFormat, " Exported %1"},
    {ids::kCompareCaption, "Compare with File"},
    {ids::kCompareTitleFormat, "Compare with File - %1"},
    {ids::kCompareIntroFormat, "Each line shows the value in this document, then -> and the value in %1."},
    {ids::kNoDifferences, "No differences"},

    {ids::kImportPreviewTitleFormat, "Import CSV - %1"},
    {ids::kImportPreviewIntro,
     "Nothing is changed until you press OK. Each row of the file, the channel it goes to and what that "
     "channel will hold:"},
    {ids::kImportPlaceLabel, "&Place rows:"},
    {ids::kImportPlaceLocation, "At their Location"},
    {ids::kImportPlaceOrder, "In file order, from a channel on"},
    {ids::kImportPlaceFree, "Into blank channels only, from a channel on"},
    {ids::kImportFromLabel, "&From channel:"},
    {ids::kImportFitting, "Only rows the transceiver can &use"},
    {ids::kImportSummaryFormat,
     "Rows stored: %1. Rows skipped: %2. Channels in use overwritten (marked *): %3."},
    {ids::kImportOverwriteMark, " *"},
    {ids::kImportColumnLine, "Line"},
    {ids::kImportColumnChannel, "CH"},
    {ids::kImportColumnFrequency, "Frequency"},
    {ids::kImportColumnDuplex, "Duplex"},
    {ids::kImportColumnOffset, "Offset"},
    {ids::kImportColumnTone, "Tone"},
    {ids::kImportColumnName, "Name"},
    {ids::kImportColumnMode, "Mode"},
    {ids::kImportColumnNote, "Note"},
    {ids::kItemTransceiverSetup, "&Transceiver Setup..."},
    {ids::kSetupVersionBox, "Transceiver version"},
    {ids::kSetupReadVersion, "&Read it from the transceiver"},
    {ids::kSetupChooseVersion, "C&hoose it here (no transceiver needed)"},
    {ids::kSetupDestinationLabel, "Des&tination"},
    {ids::kSetupCoverageLabel, "Co&verage level"},
    {ids::kSetupBand50, "&50 MHz band"},
    {ids::kSetupDestinationFormat, "%1 - %2"},
    {ids::kItemCheckCable, "Check Ca&ble..."},
    {ids::kCheckCaption, "Check Cable"},
    {ids::kCheckIntroFormat, "Checks %1 step by step. Nothing is written to the transceiver's memory."},
    {ids::kCheckAgainButton, "Check &Again"},
    {ids::kCheckCableButton, "Check Ca&ble..."},
    {ids::kCheckPassed, "OK"},
    {ids::kCheckFailed, "FAILED"},
    {ids::kCheckNotRun, "not checked"},
    {ids::kCheckCloseButton, "&Close"},
    {ids::kStepDeviceExists, "The device exists"},
    {ids::kStepMayOpen, "It may be opened"},
    {ids::kStepFree, "It is free"},
    {ids::kStepLineSettings, "The line takes 9600 8N1"},
    {ids::kStepEcho, "The cable echoes"},
    {ids::kStepAnswer, "The transceiver answers"},
    {ids::kFoundDeviceFormat, "%1 is there."},
    {ids::kFoundNoDeviceFormat, "%1 does not exist. Serial devices there now: %2."},
    {ids::kFoundNoSerialDevices, "none"},
    {ids::kAdvisePlugAdapter, "Is the USB adapter plugged in? Then choose its device for the port."},
    {ids::kFoundMayOpen, "This user may read and write it."},
    {ids::kFoundNoPermissionFormat, "This user may not open %1: it belongs to the group %2."},
    {ids::kFoundNotInGroupFormat, "The user is not in the group %1."},
    {ids::kFoundInGroupNotLoginFormat,
     "The user is in the group %1, but this login started before joining it."},
    {ids::kAdviseJoinGroupFormat, "Join the group with\n  sudo usermod -aG %1 $USER\n"
                                  "then log out and log in again: a new login is needed."},
    {ids::kAdviseLoginAgain, "Log out and log in again: the group counts from a new login."},
    {ids::kFoundCannotOpenFormat, "The system refuses to open it: %1."},
    {ids::kFoundFree, "No other program holds it."},
    {ids::kFoundBusy, "Another program holds it."},
    {ids::kFoundBusyHolderFormat, "Another program holds it: %1."},
    {ids::kFoundHolderFormat, "process %1 (%2)"},
    {ids::kAdviseCloseHolder, "Close that program (a terminal program, a modem manager, another cloning "
                              "program), then check again."},
    {ids::kFoundLineOk, "9600 bit/s, 8 data bits, no parity, 1 stop bit."},
    {ids::kFoundLineRefusedFormat, "The device does not take the line settings: %1."},
    {ids::kAdviseNotSerial, "It may not be a serial port: choose the cable's device."},
    {ids::kFoundEchoRightFormat, "The %1 test bytes came back as sent."},
    {ids::kFoundNoEcho, "Nothing came back."},
    {ids::kAdviseNoEcho, "Not a cloning cable, or not plugged into this port."},
    {ids::kFoundEchoGarbledFormat, "%1 of %2 test bytes came back, not as sent."},
    {ids::kAdviseGarbled,
     "Loose plug or noise: push the plugs home and keep the cable away from the antenna."},
    {ids::kFoundAnswerFormat, "Model %1, version %2, comment \"%3\"."},
    {ids::kFoundMatches, "It matches the transceiver setup."},
    {ids::kFoundOtherModelFormat, "It is not the model and revision this program programs (%1)."},
    {ids::kAdviseOtherModel, "This program cannot program that transceiver."},
    {ids::kFoundOtherVersionFormat, "Its version %1 is not the transceiver setup's %2."},
    {ids::kAdviseOtherVersion, "Set the transceiver setup to the transceiver's version, or use the file "
                               "made for it."},
    {ids::kFoundNoAnswer, "The cable echoed the request, but no answer came."},
    {ids::kAdviseNoAnswer, "The transceiver is off or not in clone mode."},
    {ids::kFoundBrokenAnswer, "The answer came, but broken."},
    {ids::kSeenCaption, "What was seen on the line"},
    {ids::kSeenPortFormat, "The port %1 could not be opened. %2"},
    {ids::kSeenNothing, "Nothing came back on the line, not even the echo of what was sent: not a cloning "
                        "cable, or not plugged into this port."},
    {ids::kSeenEchoNoAnswer, "The cable echoed the request, but the transceiver did not answer: the "
                             "transceiver is off or not in clone mode."},
    {ids::kSeenEchoChanged, "The echo came back changed: loose plug or noise."},
    {ids::kSeenBrokenInformation,
     "The transceiver's information answer arrived broken: loose plug or noise."},
    {ids::kSeenBrokenFrameFormat, "A broken frame arrived at record %1: loose plug or noise."},
    {ids::kSeenBrokenEndFormat, "The end of the data arrived broken after %1 records: loose plug or noise."},
    {ids::kSeenStoppedFormat, "The line fell silent after record %1."},
    {ids::kSeenRefusedFormat, "The transceiver took %1 records and refused the write."},
    {ids::kSeenLineFailed, "The line failed during the transfer: the adapter was unplugged, or its device "
                           "went away."},
    {ids::kSeenNoEchoOfRequest, "Bytes came back, but not the echo of the request: loose plug or noise."},
    {ids::kPortGoneFormat, "%1 - not connected"},
    {ids::kPortGoneTip, "The device is not there now: plug the cable in, or choose its device in COM Port > "
                        "Port Devices..."},
    {ids::kAccChannelList, "Channels"},
    {ids::kAccCellFormat, "%1 %2"},
    {ids::kAccRowFormat, "%1, %2"},
    {ids::kAccNotAllowed, "not allowed for this transceiver version"},
    {ids::kAccSetupInstructions, "Instructions"},
    {ids::kAccDtmfMemories, "DTMF memories"},
    {ids::kAccDtmfDigits, "Digits"},
    {ids::kAccArchiveCopies, "Copies"},
    {ids::kPortDevicesLabel1, "COM&1"},
    {ids::kPortDevicesLabel2, "COM&2"},
    {ids::kPortDevicesLabel3, "COM&3"},
    {ids::kPortDevicesLabel4, "COM&4"},
    {ids::kAnnounceOpenedFormat, "%1 opened."},
    {ids::kAnnounceNotOpenedFormat, "%1 was not opened."},
    {ids::kAnnounceSavedFormat, "%1 saved."},
    {ids::kAnnounceNotSavedFormat, "%1 was not saved."},
    {ids::kCsvNoteFormat, "line %1: %2"},
    {ids::kCsvRowSkippedFormat, "%1, row skipped"},
    {ids::kCsvTooLargeFormat,
     "the file holds %1 bytes, more than any channel list (%2 MiB), nothing imported"},
    {ids::kCsvNoHeader, "no header line, nothing imported"},
    {ids::kCsvNoColumnFormat, "no %1 column, nothing imported"},
    {ids::kCsvColumnRepeatedFormat, "column %1 is given again as column %2, only column %3 is read"},
    {ids::kCsvQuoteNotClosed, "a quoted field is not closed"},
    {ids::kCsvInsideQuoteFormat, "inside the quoted field that line %1 leaves open"},
    {ids::kCsvNoLocation, "no Location"},
    {ids::kCsvLocationNotChannelFormat, "Location %1 is not a channel (0-99, P0A-P9B, CALL_...)"},
    {ids::kCsvNoFrequency, "no Frequency"},
    {ids::kCsvFrequencyRefusedFormat, "Frequency %1 cannot be stored"},
    {ids::kCsvDuplexRefusedFormat, "Duplex %1 cannot be stored"},
    {ids::kCsvSplitNoTransmitFormat, "Duplex 'split' takes the transmit frequency from Offset, and %1"},
    {ids::kCsvSplitOffsetBlank, "it is blank"},
    {ids::kCsvSplitOffsetNoneFormat, "%1 is none"},
    {ids::kCsvSplitTooFarFormat,
     "Duplex 'split' transmits on %1, %2 MHz from the receive frequency, more than the largest offset (%3)"},
    {ids::kCsvSplitStoredFormat, "Duplex 'split' transmitting on %1 stored as %2"},
    {ids::kCsvSplitNoDuplex, "no duplex"},
    {ids::kCsvSplitDuplexFormat, "Duplex %1 Offset %2"},
    {ids::kCsvSplitCannotHoldFormat,
     "Duplex 'split' transmits on %1, which the channel cannot hold (it would transmit on %2)"},
    {ids::kCsvOutsideBandsFormat, "%1 is outside the transceiver's bands"},
    {ids::kCsvNoFreeChannel, "no free channel left"},
    {ids::kCsvLocationRepeatedFormat, "Location %1 is also on line %2, this row replaces it"},
    {ids::kRangeRefusedFormat, "Memory channels %1-%2 are not a range within %3-%4."},
    {ids::kMoveNoRowFormat, "There is no row %1."},
    {ids::kMoveFixedRowFormat, "%1 does not move: program-scan edges and call channels keep their rows."},
    {ids::kMoveOneRow, "A channel moves one row up or down at a time."},
    {ids::kMoveFirstFormat, "%1 is the first memory channel: it cannot move up."},
    {ids::kMoveLastFormat, "%1 is the last memory channel: it cannot move down."},
    {ids::kFillSameFormat, "%1 cannot be filled: every channel would hold the same."},
    {ids::kFillModeRefusedFormat, "Mode %1 is not allowed at %2, left as it was"},
    {ids::kFillStoredAsFormat, "%1 %2 stored as %3"},
    {ids::kSheetMemoryTitle, "Memory channels"},
    {ids::kSheetEdgeTitle, "Program-scan edges"},
    {ids::kSheetCallTitle, "Call channels"},
    {ids::kSheetSettingsTitle, "Common settings"},
    {ids::kSheetDtmfTitle, "DTMF memories"},
    {ids::kSheetNoMemoryChannels, "No memory channels in use."},
    {ids::kSheetInUseFormat, "%1 of %2 in use"},
    {ids::kSheetIllegalLegend, "? marks a channel the transceiver would not accept as it is."},
    {ids::kSheetSettingHeader, "Setting"},
    {ids::kSheetValueHeader, "Value"},
    {ids::kSheetDtmfMemoryHeader, "Memory"},
    {ids::kSheetDtmfDigitsHeader, "Digits"},
    {ids::kSheetPrintedFormat, "Printed %1"},
    {ids::kSheetPageFormat, "Page %1 of %2"},
    {ids::kSheetCoverageNormal, "normal coverage"},
    {ids::kSheetCoverageExpanded, "expanded coverage"},
    {ids::kSheetCoverageCellular, "expanded coverage with the cellular bands"},
    {ids::kSheetBandsWith50, "bands 50/144/430/1200 MHz"},
    {ids::kSheetBandsWithout50, "bands 144/430/1200 MHz"},
    {ids::kSheetProfileFormat, "%1, destination %2, %3, %4"},
    {ids::kSheetSwitchOn, "On"},
    {ids::kSheetSwitchOff, "Off"},
    {ids::kSheetContinuedFormat, "%1 (continued)"},
    {ids::kFieldWithoutDuplex, "without duplex"},
    {ids::kFieldWithoutTone, "without a tone"},
    {ids::kFieldWithoutSkip, "without skip"},
    {ids::kFieldWithoutName, "without a name"},
    {ids::kFieldBlankValue, "(blank)"},
    {ids::kFieldCannotBeBlankFormat, "%1 cannot be blank"},
    {ids::kFieldRefusedFormat, "%1 %2 cannot be stored"},
    {ids::kFieldStoredAsFormat, "%1 %2 stored as %3"},
    {ids::kFieldNotAToneFormat, "%1 %2 is not a tone"},
    {ids::kFieldNearestToneFormat, "%1 is not a tone, stored %2"},
    {ids::kFieldRoundedFormat, "%1 %2 rounded to %3"},
    {ids::kFieldCallNoNameFormat, "a call channel has no name, Name %1 not stored"},
    {ids::kFieldOnlyMemorySkipFormat, "only memory channels skip, Skip %1 not stored"},
    {ids::kFieldModeStoredFormat, "Mode %1 is not allowed at %2, stored %3"},
    {ids::kFieldRefusedStoredFormat, "%1, stored %2"},
    {ids::kFieldBlankChannelFormat, "%1 is blank: give it a Frequency to use it"},
    {ids::kFieldOutsideBandsFormat, "%1 is outside the transceiver's bands, stored and marked ?"},
    {ids::kHintNoFrequency, "no frequency"},
    {ids::kHintNotAFrequency, "not a frequency"},
    {ids::kHintKeepsFormat, "%1: OK keeps %2"},
    {ids::kHintBlanksFormat, "%1: OK will blank the channel"},
    {ids::kHintStoredAsFormat, "will be stored as %1"},
    {ids::kHintOutsideBands, "outside this transceiver's bands: stored with ?"},
    {ids::kHintOutsideNameSetFormat, "characters outside A-Z 0-9 ( ) * + - . / : = become blanks: %1"},
    {ids::kHintSixCharactersFormat, "only six characters are kept: %1"},
    {ids::kHintModeNotAllowedFormat, "%1 is not allowed here: %2"},
};

constexpr bool IsStrictlyAscending()
{
    for (std::size_t i = 1; i < std::size(kStrings); ++i) {
        if (kStrings[i - 1].id >= kStrings[i].id) {
            return false;
        }
    }
    return true;
}
static_assert(IsStrictlyAscending(), "string table entries must be sorted by identifier and unique");

std::map<int, std::string>& TranslatedTexts()
{
    static std::map<int, std::string> texts;
    return texts;
}

const SStringEntry* Find(int id)
{
    const auto* end = std::end(kStrings);
    const auto* it = std::lower_bound(std::begin(kStrings), end, id,
                                      [](const SStringEntry& e, int v) { return e.id < v; });
    return it != end && it->id == id ? it : nullptr;
}

} // namespace

std::string_view EnglishText(int id)
{
    const SStringEntry* entry = Find(id);
    return entry != nullptr ? entry->text : std::string_view();
}

std::string_view StringText(int id)
{
    const auto& translated = TranslatedTexts();
    if (const auto it = translated.find(id); it != translated.end()) {
        return it->second;
    }
    return EnglishText(id);
}

bool HasString(int id)
{
    return Find(id) != nullptr;
}

std::string FormatText(int id, std::initializer_list<std::string_view> arguments)
{
    const std::string_view text = StringText(id);
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const auto number = static_cast<size_t>(next - '0');
        if (text[i] == '%' && next >= '1' && next <= '9' && number <= arguments.size()) {
            result += *(arguments.begin() + (number - 1));
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::vector<int> StringIds()
{
    std::vector<int> result;
    result.reserve(std::size(kStrings));
    for (const SStringEntry& entry : kStrings) {
        result.push_back(entry.id);
    }
    return result;
}

void SetTranslatedTexts(std::map<int, std::string> texts)
{
    TranslatedTexts() = std::move(texts);
}
