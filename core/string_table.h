#pragma once

#include "core/command_ids.h"

#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// The numbered string table: every text the user sees. It needs nothing but the standard library, so
// the command-line tool and the clone layer can share it with the desktop program. Texts are UTF-8 and
// kept exactly, blanks, "\r\n" and "\n" included.
//
// A command's prompt is the string with the command's identifier (see res/command_ids.h): the status-bar
// text, a line feed and the tool-tip text, for example "Read From Transceiver\nClone in".

// The text of an identifier, in the operator's language where the program has a translation of it; empty
// for an identifier the table does not have.
std::string_view StringText(int id);
// The text of an identifier as the table holds it, in English.
std::string_view EnglishText(int id);
// The text of an identifier with "%1" to "%9" replaced by the arguments, in one pass: a "%2" inside the first
// argument stays as it is. A mark without its argument stays too.
std::string FormatText(int id, std::initializer_list<std::string_view> arguments);
// Every identifier of the table, in ascending order.
std::vector<int> StringIds();
// Texts that StringText answers in place of the English ones, by identifier. The desktop program sets them
// once at start, before any window opens and any thread starts; the command-line tool sets none, so its
// output stays English for the scripts that read it.
void SetTranslatedTexts(std::map<int, std::string> texts);
// True when the table has the identifier (some texts are legitimately empty or blank).
bool HasString(int id);

namespace ids {
// Document template: title, default name, type name, filter, extension, registry type and name.
inline constexpr int kDocTemplate = 128;
inline constexpr int kCloningCaption = 156;

// Clone outcomes and confirmations.
inline constexpr int kCloneCompleted = 5026;
inline constexpr int kCannotReadCloneData = 5027;
inline constexpr int kCannotWriteCloneData = 5028;
inline constexpr int kIllegalInformation = 5029;
inline constexpr int kCannotBeProgrammed = 5030;
inline constexpr int kCloneTerminated = 5031;
inline constexpr int kCannotAccessPort = 5032;
inline constexpr int kCloneWriteSucceeded = 5034;
inline constexpr int kCheckPortCablePower = 5035;
inline constexpr int kNowReading = 5040;
inline constexpr int kNowWriting = 5041;
inline constexpr int kReadFromTransceiver = 5054;
inline constexpr int kDataEdited = 5055;
inline constexpr int kWriteToTransceiver = 5056;
inline constexpr int kCannotInsert = 5057;
inline constexpr int kVersionMismatch = 5058;
inline constexpr int kOverwriteHere = 5059;
inline constexpr int kCheckPortCableSoftware = 5061;
inline constexpr int kSetupIntroduction = 5062;
inline constexpr int kCallSignLabel = 5063;
inline constexpr int kComPortLabel = 5064;
inline constexpr int kBlankCallSign = 5065;
inline constexpr int kVersionNotSetUp = 5066;

// Common settings sheet.
inline constexpr int kAutoRepeaterOffJpn = 20100;
inline constexpr int kAutoRepeaterOffUsa = 20101;
inline constexpr int kAutoRepeaterOn = 20102;
inline constexpr int kAutoRepeaterOn1 = 20103;
inline constexpr int kAutoRepeaterOn2 = 20104;
inline constexpr int kAutoRepeaterNone = 20105;
inline constexpr int kAutoPowerOffOff = 20110;
inline constexpr int kAutoPowerOff20 = 20111;
inline constexpr int kAutoPowerOff40 = 20112;
inline constexpr int kAutoPowerOff60 = 20113;
inline constexpr int kLabelAutoPowerOff = 20114;
inline constexpr int kLabelRfPower = 20115;
inline constexpr int kLabelAutoRepeater = 20116;
inline constexpr int kLabelScanTimer = 20117;
inline constexpr int kLabelRitSelection = 20118;
inline constexpr int kLabelMicFunction = 20119;
inline constexpr int kLabelLcdContrast = 20120;
inline constexpr int kLabelBacklight = 20121;
inline constexpr int kScanPauseUntilSignal = 20123;
inline constexpr int kScanPause10s = 20124;
inline constexpr int kMicNormal1 = 20125;
inline constexpr int kMicNormal2 = 20126;
inline constexpr int kMicSimple = 20127;
inline constexpr int kLcdLow = 20128;
inline constexpr int kLcdHigh = 20129;
inline constexpr int kBacklightOff = 20130;
inline constexpr int kBacklightAuto = 20131;
inline constexpr int kBacklightOn = 20132;
inline constexpr int kLabelBeep = 20133;
inline constexpr int kLabelIndicationMode = 20134;
inline constexpr int kLabelPowerSave = 20135;
inline constexpr int kLabelVoltageIndication = 20136;
inline constexpr int kRfPowerLow = 20137;
inline constexpr int kRfPowerHigh = 20138;
inline constexpr int kLabelComment = 20139;
inline constexpr int kSettingCaption = 55302;

// Frame.
inline constexpr int kReady = 57345;
inline constexpr int kIndicatorCaps = pane::kIndicatorCaps;
inline constexpr int kIndicatorNum = pane::kIndicatorNum;
inline constexpr int kIndicatorScroll = pane::kIndicatorScroll;

// Texts without a number of their own in the original resources.
inline constexpr int kAppTitle = 61000;
inline constexpr int kUntitled = 61001;
// "%1 - %2": document name, application title.
inline constexpr int kFrameTitleFormat = 61002;
inline constexpr int kToolbarTitle = 61003;
inline constexpr int kStatusBarTitle = 61004;
// "&%1 %2": number, file name of a recent-file entry.
inline constexpr int kRecentFileFormat = 61005;

inline constexpr int kMenuFile = 61010;
inline constexpr int kMenuEdit = 61011;
inline constexpr int kMenuView = 61012;
inline constexpr int kMenuComPort = 61013;
inline constexpr int kMenuCloning = 61014;
inline constexpr int kMenuHelp = 61015;

inline constexpr int kItemNew = 61020;
inline constexpr int kItemOpen = 61021;
inline constexpr int kItemSave = 61022;
inline constexpr int kItemSaveAs = 61023;
inline constexpr int kItemRecentFile = 61024;
inline constexpr int kItemExit = 61025;
inline constexpr int kItemUndo = 61026;
inline constexpr int kItemRedo = 61027;
inline constexpr int kItemEditMemory = 61028;
inline constexpr int kItemCopy = 61029;
inline constexpr int kItemPaste = 61030;
inline constexpr int kItemClear = 61031;
inline constexpr int kItemDelete = 61032;
inline constexpr int kItemInsert = 61033;
inline constexpr int kItemDtmfAutoDial = 61034;
inline constexpr int kItemCommonSetting = 61035;
inline constexpr int kItemToolbar = 61036;
inline constexpr int kItemStatusBar = 61037;
inline constexpr int kItemCom1 = 61038;
inline constexpr int kItemCom2 = 61039;
inline constexpr int kItemCom3 = 61040;
inline constexpr int kItemCom4 = 61041;
inline constexpr int kItemCloneRead = 61042;
inline constexpr int kItemCloneWrite = 61043;
inline constexpr int kItemCloneInformation = 61044;
inline constexpr int kItemHelpContents = 61045;
inline constexpr int kItemHelpTopics = 61046;
inline constexpr int kItemAbout = 61047;

// About box.
inline constexpr int kAboutCaption = 61100;
inline constexpr int kAboutVersion = 61101;
inline constexpr int kButtonOk = 61102;
inline constexpr int kButtonCancel = 61103;
inline constexpr int kButtonYes = 61104;
inline constexpr int kButtonNo = 61105;

// Information dialog.
inline constexpr int kInformationCaption = 61110;
inline constexpr int kInformationModel = 61111;
inline constexpr int kInformationComment = 61112;
inline constexpr int kInformationUnknown = 61113;
inline constexpr int kInformationCommentPlaceholder = 61114;
inline constexpr int kMachineName = 61115;

// Initial setup dialog.
inline constexpr int kSetupCaption = 61120;
inline constexpr int kPortName1 = 61121;
inline constexpr int kPortName2 = 61122;
inline constexpr int kPortName3 = 61123;
inline constexpr int kPortName4 = 61124;
// The setup from the COM Port menu, and the version chosen by hand in it. "%1 - %2": the destination's
// number and name.
inline constexpr int kItemTransceiverSetup = 61950;
inline constexpr int kSetupVersionBox = 61951;
inline constexpr int kSetupReadVersion = 61952;
inline constexpr int kSetupChooseVersion = 61953;
inline constexpr int kSetupDestinationLabel = 61954;
inline constexpr int kSetupCoverageLabel = 61955;
inline constexpr int kSetupBand50 = 61956;
inline constexpr int kSetupDestinationFormat = 61957;

// Serial port reports.
inline constexpr int kComPortErrorCaption = 61130;
inline constexpr int kPortNotOpen = 61131;
inline constexpr int kPortInvalidSetting = 61132;
inline constexpr int kPortWriteError = 61133;
inline constexpr int kPortReadError = 61134;

// Channel list column headers, in column order.
inline constexpr int kColumnChannel = 61150;
inline constexpr int kColumnFrequency = 61151;
inline constexpr int kColumnDuplex = 61152;
inline constexpr int kColumnOffset = 61153;
inline constexpr int kColumnName = 61154;
inline constexpr int kColumnTone = 61155;
inline constexpr int kColumnRepeaterTone = 61156;
inline constexpr int kColumnCtcss = 61157;
inline constexpr int kColumnSkip = 61158;
inline constexpr int kColumnMode = 61159;
inline constexpr int kColumnFiller = 61160;

inline constexpr int kCommonPageCaption = 61170;

// Help, serial devices and permissions.
inline constexpr int kHelpWindowTitle = 61180;
inline constexpr int kSerialPermissionHint = 61181;
// "%1 (%2)": port name, device path.
inline constexpr int kPortDeviceFormat = 61182;
inline constexpr int kAllFilesFilter = 61183;
inline constexpr int kHelpBack = 61184;
inline constexpr int kHelpHome = 61185;
inline constexpr int kHelpClose = 61186;

// Edit Memory dialog.
inline constexpr int kEditMemoryCaption = 61200;
inline constexpr int kEditLabelFrequency = 61201;
inline constexpr int kEditLabelDuplex = 61202;
inline constexpr int kEditDuplexOff = 61203;
inline constexpr int kEditDuplexMinus = 61204;
inline constexpr int kEditDuplexPlus = 61205;
inline constexpr int kEditLabelOffset = 61206;
inline constexpr int kEditLabelName = 61207;
inline constexpr int kEditToneBox = 61208;
inline constexpr int kEditToneOff = 61209;
inline constexpr int kEditToneTone = 61210;
inline constexpr int kEditToneTsql = 61211;
inline constexpr int kEditModeBox = 61212;
inline constexpr int kEditModeFm = 61213;
inline constexpr int kEditModeAm = 61214;
inline constexpr int kEditModeWfm = 61215;
inline constexpr int kEditModeNarrowFm = 61216;
inline constexpr int kEditMemorySkip = 61217;
inline constexpr int kEditLabelTuningStep = 61218;
inline constexpr int kEditProgramSkip = 61219;

// DTMF Autodial dialog.
inline constexpr int kDtmfCaption = 61300;
inline constexpr int kDtmfChannelBox = 61301;
inline constexpr int kDtmfSpeedBox = 61302;
// Document: file dialogs, the save prompt and file errors.
inline constexpr int kOpenCaption = 61400;
inline constexpr int kSaveAsCaption = 61401;
// "%1": document name.
inline constexpr int kSaveChangesFormat = 61402;
// "%1": file path, "%2": what went wrong in plain words.
inline constexpr int kOpenFailedFormat = 61403;
inline constexpr int kSaveFailedFormat = 61404;
inline constexpr int kFileCannotRead = 61405;
inline constexpr int kFileCannotWrite = 61406;
inline constexpr int kFileFormatError = 61407;
inline constexpr int kFileDataOverflow = 61408;
inline constexpr int kFileMismatchModel = 61409;
inline constexpr int kFileMismatchRevision = 61410;
inline constexpr int kFileNotEnoughData = 61411;
// "%1": the answer word the data layer gave.
inline constexpr int kFileOtherError = 61412;
// Asked before Save writes over a file another program changed since it was opened or saved. "%1": path.
inline constexpr int kFileChangedOnDiskFormat = 61413;

// Port devices: which serial device each of COM1 to COM4 stands for.
inline constexpr int kItemPortDevices = 61420;
inline constexpr int kPortDevicesCaption = 61421;
inline constexpr int kPortDevicesIntro = 61422;
inline constexpr int kSetupDevicesButton = 61423;
// "%1": device path, "%2": what the system says the device is.
inline constexpr int kDetectedDeviceFormat = 61424;
inline constexpr int kInformationSeparator = 61425;

// Undo and redo. "&Undo %1\tCtrl+Z", "&Redo %1\tCtrl+Y": the name of the step.
inline constexpr int kUndoFormat = 61440;
inline constexpr int kRedoFormat = 61441;
// Names of the steps.
inline constexpr int kStepEditMemory = 61442;
inline constexpr int kStepPaste = 61443;
inline constexpr int kStepClear = 61444;
inline constexpr int kStepDelete = 61445;
inline constexpr int kStepInsert = 61446;
inline constexpr int kStepCommonSetting = 61447;
inline constexpr int kStepDtmfAutoDial = 61448;
inline constexpr int kStepCloneRead = 61449;

// Asked before a write when channels in use are not legal for the transceiver. "%1": a line for each,
// what the transceiver gets in its place: "%1" the row label, then the frequency and the mode written.
inline constexpr int kIllegalChannelsWritten = 61460;
inline constexpr int kIllegalChannelWrittenEmptyFormat = 61461;
inline constexpr int kIllegalChannelWrittenAsFormat = 61462;

// DTMF Autodial dialog: "D%1" names a memory by its number; "%1  %2" is a memory list line, the name
// and the digits.
inline constexpr int kDtmfMemoryFormat = 61500;
inline constexpr int kDtmfLineFormat = 61501;

// Clone archive. "%1": why the copy could not be saved.
inline constexpr int kArchiveCopyFailed = 61600;
inline constexpr int kItemOpenArchive = 61601;
inline constexpr int kItemCloneCompare = 61602;
// Open from Archive dialog. "%1": the archive folder.
inline constexpr int kArchiveCaption = 61603;
inline constexpr int kArchiveIntroFormat = 61604;
inline constexpr int kArchiveEmpty = 61605;
inline constexpr int kArchiveColumnDate = 61606;
inline constexpr int kArchiveColumnTime = 61607;
inline constexpr int kArchiveColumnOperation = 61608;
inline constexpr int kArchiveColumnChannels = 61609;
inline constexpr int kArchiveColumnComment = 61610;
inline constexpr int kArchiveRead = 61611;
inline constexpr int kArchiveWrite = 61612;
// Channels in use of a copy that does not load.
inline constexpr int kArchiveUnknownChannels = 61613;
inline constexpr int kArchiveKeepCopies = 61614;
inline constexpr int kArchiveOpenButton = 61615;
inline constexpr int kArchiveCompareButton = 61616;
inline constexpr int kArchiveShowFolderButton = 61617;
inline constexpr int kArchiveCloseButton = 61618;
// "%1": the archive folder.
inline constexpr int kArchiveFolderNotShown = 61619;
// Compare with Transceiver: the title, and the other side in the differences' introduction.
inline constexpr int kCompareTransceiverTitle = 61620;
inline constexpr int kCompareTransceiverSide = 61621;

// Printing the channel sheet: menu items, the options dialog, the PDF file dialog. "%1": file path,
// "%2": what went wrong.
inline constexpr int kItemPrint = 61700;
inline constexpr int kItemPrintPreview = 61701;
inline constexpr int kItemExportPdf = 61702;
inline constexpr int kPrintOptionsCaption = 61703;
inline constexpr int kPrintBlankChannels = 61704;
inline constexpr int kPrintCommonSettings = 61705;
inline constexpr int kPrintDtmfMemories = 61706;
inline constexpr int kPrintPreviewCaption = 61707;
inline constexpr int kExportPdfCaption = 61708;
inline constexpr int kPdfFilesFilter = 61709;
inline constexpr int kExportPdfFailedFormat = 61710;

// Menu items of channel interchange and of the operations on many channels.
inline constexpr int kItemImportCsv = 61800;
inline constexpr int kItemExportCsv = 61801;
inline constexpr int kItemCompareFile = 61802;
inline constexpr int kItemFind = 61803;
inline constexpr int kItemFindNext = 61804;
inline constexpr int kItemMoveUp = 61805;
inline constexpr int kItemMoveDown = 61806;
inline constexpr int kItemSortChannels = 61807;
inline constexpr int kItemCompactChannels = 61808;
inline constexpr int kItemFillRange = 61809;
// Their undo steps.
inline constexpr int kStepImportCsv = 61810;
inline constexpr int kStepSortChannels = 61811;
inline constexpr int kStepCompactChannels = 61812;
inline constexpr int kStepFillRange = 61813;
inline constexpr int kStepMoveUp = 61814;
inline constexpr int kStepMoveDown = 61815;

// Find dialog and its status texts. "%1": the text looked for; "%1 (%2 of %3)": row label, match number,
// number of matches.
inline constexpr int kFindCaption = 61820;
inline constexpr int kFindLabel = 61821;
inline constexpr int kFindHint = 61822;
inline constexpr int kFindNotFoundFormat = 61823;
inline constexpr int kFindFoundFormat = 61824;

// The range of memory channels the Sort, Compact and Fill dialogs work on.
inline constexpr int kRangeBox = 61830;
inline constexpr int kRangeFrom = 61831;
inline constexpr int kRangeTo = 61832;
// A range whose From comes after its To; "%1", "%2": From and To as typed.
inline constexpr int kRangeOrderRefusedFormat = 61864;
// Sort and Compact dialogs.
inline constexpr int kSortCaption = 61833;
inline constexpr int kSortKeyLabel = 61834;
inline constexpr int kSortKeyFrequency = 61835;
inline constexpr int kSortKeyName = 61836;
inline constexpr int kSortKeyTone = 61837;
inline constexpr int kSortOrderBox = 61838;
inline constexpr int kSortAscending = 61839;
inline constexpr int kSortDescending = 61840;
inline constexpr int kSortHint = 61841;
inline constexpr int kCompactCaption = 61842;
inline constexpr int kCompactHint = 61843;
// Fill Range dialog: the fields and the values offered, in the channel lists' exchange forms.
inline constexpr int kFillCaption = 61844;
inline constexpr int kFillFieldLabel = 61845;
inline constexpr int kFillValueLabel = 61846;
inline constexpr int kFillOffsetLabel = 61847;
inline constexpr int kFillHint = 61848;
inline constexpr int kFillFieldDuplex = 61849;
inline constexpr int kFillFieldOffset = 61850;
inline constexpr int kFillFieldTone = 61851;
inline constexpr int kFillFieldRepeaterTone = 61852;
inline constexpr int kFillFieldTsqlTone = 61853;
inline constexpr int kFillFieldMode = 61854;
inline constexpr int kFillFieldSkip = 61855;
inline constexpr int kFillValueNone = 61856;
inline constexpr int kFillDuplexMinus = 61857;
inline constexpr int kFillDuplexPlus = 61858;
inline constexpr int kFillModeWfm = 61859;
inline constexpr int kFillModeNfm = 61860;
inline constexpr int kFillSkipOn = 61861;
inline constexpr int kFillOffsetKeep = 61862;
inline constexpr int kFillOffsetExample = 61863;
// Fill report: "%1" the number of channels changed; "%1 skipped: %2": row label, reason; a refused fill
// "%1": the reason.
inline constexpr int kFillReportIntro = 61870;
inline constexpr int kFillSkippedFormat = 61871;
inline constexpr int kFillAdjustedFormat = 61872;
inline constexpr int kFillRefusedFormat = 61873;

// CSV import and export, and Compare with File. "%1": a file path or name.
inline constexpr int kImportCaption = 61880;
inline constexpr int kExportCaption = 61881;
inline constexpr int kCsvFilter = 61882;
inline constexpr int kImportUnreadableFormat = 61884;
inline constexpr int kImportedFormat = 61885;
inline constexpr int kExportAllQuestion = 61886;
inline constexpr int kExportedFormat = 61887;
inline constexpr int kCompareCaption = 61888;
inline constexpr int kCompareTitleFormat = 61889;
inline constexpr int kCompareIntroFormat = 61890;
inline constexpr int kNoDifferences = 61891;

// The CSV import's preview. The summary's "%1" to "%3": rows stored, rows skipped, channels in use
// overwritten. The column headers are in order, from kImportColumnLine on.
inline constexpr int kImportPreviewTitleFormat = 61920;
inline constexpr int kImportPreviewIntro = 61921;
inline constexpr int kImportPlaceLabel = 61922;
inline constexpr int kImportPlaceLocation = 61923;
inline constexpr int kImportPlaceOrder = 61924;
inline constexpr int kImportPlaceFree = 61925;
inline constexpr int kImportFromLabel = 61926;
inline constexpr int kImportFitting = 61927;
inline constexpr int kImportSummaryFormat = 61928;
inline constexpr int kImportOverwriteMark = 61929;
inline constexpr int kImportColumnLine = 61930;
inline constexpr int kImportColumnChannel = 61931;
inline constexpr int kImportColumnFrequency = 61932;
inline constexpr int kImportColumnDuplex = 61933;
inline constexpr int kImportColumnOffset = 61934;
inline constexpr int kImportColumnTone = 61935;
inline constexpr int kImportColumnName = 61936;
inline constexpr int kImportColumnMode = 61937;
inline constexpr int kImportColumnNote = 61938;
// The cable check: the menu item, its dialog, the steps and what each found ("%1" and on: a device
// path, a group, a process, counts), and what a failed transfer saw on the line.
inline constexpr int kItemCheckCable = 62100;
inline constexpr int kCheckCaption = 62101;
inline constexpr int kCheckIntroFormat = 62102;
inline constexpr int kCheckAgainButton = 62103;
inline constexpr int kCheckCableButton = 62104;
inline constexpr int kCheckPassed = 62105;
inline constexpr int kCheckFailed = 62106;
inline constexpr int kCheckNotRun = 62107;
inline constexpr int kCheckCloseButton = 62108;
inline constexpr int kStepDeviceExists = 62110;
inline constexpr int kStepMayOpen = 62111;
inline constexpr int kStepFree = 62112;
inline constexpr int kStepLineSettings = 62113;
inline constexpr int kStepEcho = 62114;
inline constexpr int kStepAnswer = 62115;
inline constexpr int kFoundDeviceFormat = 62120;
inline constexpr int kFoundNoDeviceFormat = 62121;
inline constexpr int kFoundNoSerialDevices = 62122;
inline constexpr int kAdvisePlugAdapter = 62123;
inline constexpr int kFoundMayOpen = 62124;
inline constexpr int kFoundNoPermissionFormat = 62125;
inline constexpr int kFoundNotInGroupFormat = 62126;
inline constexpr int kFoundInGroupNotLoginFormat = 62127;
inline constexpr int kAdviseJoinGroupFormat = 62128;
inline constexpr int kAdviseLoginAgain = 62129;
inline constexpr int kFoundCannotOpenFormat = 62130;
inline constexpr int kFoundFree = 62131;
inline constexpr int kFoundBusy = 62132;
inline constexpr int kFoundBusyHolderFormat = 62133;
inline constexpr int kFoundHolderFormat = 62134;
inline constexpr int kAdviseCloseHolder = 62135;
inline constexpr int kFoundLineOk = 62136;
inline constexpr int kFoundLineRefusedFormat = 62137;
inline constexpr int kAdviseNotSerial = 62138;
inline constexpr int kFoundEchoRightFormat = 62139;
inline constexpr int kFoundNoEcho = 62140;
inline constexpr int kAdviseNoEcho = 62141;
inline constexpr int kFoundEchoGarbledFormat = 62142;
inline constexpr int kAdviseGarbled = 62143;
inline constexpr int kFoundAnswerFormat = 62144;
inline constexpr int kFoundMatches = 62145;
inline constexpr int kFoundOtherModelFormat = 62146;
inline constexpr int kAdviseOtherModel = 62147;
inline constexpr int kFoundOtherVersionFormat = 62148;
inline constexpr int kAdviseOtherVersion = 62149;
inline constexpr int kFoundNoAnswer = 62150;
inline constexpr int kAdviseNoAnswer = 62151;
inline constexpr int kFoundBrokenAnswer = 62152;
inline constexpr int kSeenCaption = 62160;
inline constexpr int kSeenPortFormat = 62161;
inline constexpr int kSeenNothing = 62162;
inline constexpr int kSeenEchoNoAnswer = 62163;
inline constexpr int kSeenEchoChanged = 62164;
inline constexpr int kSeenBrokenInformation = 62165;
inline constexpr int kSeenBrokenFrameFormat = 62166;
inline constexpr int kSeenBrokenEndFormat = 62167;
inline constexpr int kSeenStoppedFormat = 62168;
inline constexpr int kSeenRefusedFormat = 62169;
inline constexpr int kSeenLineFailed = 62170;
inline constexpr int kSeenNoEchoOfRequest = 62171;
// A COM Port item whose device is not there: "%1" the item's text.
inline constexpr int kPortGoneFormat = 62172;
inline constexpr int kPortGoneTip = 62173;
// What assistive technology says: the names and descriptions of controls whose visible text is not
// enough ("%1" a column's title, "%2" a cell's text), the Port Devices labels with their mnemonics, and
// the outcomes of the file commands ("%1" a file name).
inline constexpr int kAccChannelList = 62200;
inline constexpr int kAccCellFormat = 62201;
inline constexpr int kAccRowFormat = 62202;
inline constexpr int kAccNotAllowed = 62203;
inline constexpr int kAccSetupInstructions = 62204;
inline constexpr int kAccDtmfMemories = 62205;
inline constexpr int kAccDtmfDigits = 62206;
inline constexpr int kAccArchiveCopies = 62207;
inline constexpr int kPortDevicesLabel1 = 62210;
inline constexpr int kPortDevicesLabel2 = 62211;
inline constexpr int kPortDevicesLabel3 = 62212;
inline constexpr int kPortDevicesLabel4 = 62213;
inline constexpr int kAnnounceOpenedFormat = 62220;
inline constexpr int kAnnounceNotOpenedFormat = 62221;
inline constexpr int kAnnounceSavedFormat = 62222;
inline constexpr int kAnnounceNotSavedFormat = 62223;
// Notes of the channel list import, for the window and the command-line tool alike: "%1: %2" the line
// number and what happened there. Column names (Location, Frequency, Duplex, Offset) and values in quotes
// are the file's own and stay as they are.
inline constexpr int kCsvNoteFormat = 62400;
inline constexpr int kCsvRowSkippedFormat = 62401;
inline constexpr int kCsvTooLargeFormat = 62402;
inline constexpr int kCsvNoHeader = 62403;
inline constexpr int kCsvNoColumnFormat = 62404;
inline constexpr int kCsvColumnRepeatedFormat = 62405;
inline constexpr int kCsvQuoteNotClosed = 62406;
inline constexpr int kCsvInsideQuoteFormat = 62407;
inline constexpr int kCsvNoLocation = 62408;
inline constexpr int kCsvLocationNotChannelFormat = 62409;
inline constexpr int kCsvNoFrequency = 62410;
inline constexpr int kCsvFrequencyRefusedFormat = 62411;
inline constexpr int kCsvDuplexRefusedFormat = 62412;
inline constexpr int kCsvSplitNoTransmitFormat = 62413;
inline constexpr int kCsvSplitOffsetBlank = 62414;
inline constexpr int kCsvSplitOffsetNoneFormat = 62415;
inline constexpr int kCsvSplitTooFarFormat = 62416;
inline constexpr int kCsvSplitStoredFormat = 62417;
inline constexpr int kCsvSplitNoDuplex = 62418;
inline constexpr int kCsvSplitDuplexFormat = 62419;
inline constexpr int kCsvSplitCannotHoldFormat = 62420;
inline constexpr int kCsvOutsideBandsFormat = 62421;
inline constexpr int kCsvNoFreeChannel = 62422;
inline constexpr int kCsvLocationRepeatedFormat = 62423;
// Refusals and notes of the operations on many channels: "%1" a row label or a field name, numbers.
inline constexpr int kRangeRefusedFormat = 62430;
inline constexpr int kMoveNoRowFormat = 62431;
inline constexpr int kMoveFixedRowFormat = 62432;
inline constexpr int kMoveOneRow = 62433;
inline constexpr int kMoveFirstFormat = 62434;
inline constexpr int kMoveLastFormat = 62435;
inline constexpr int kFillSameFormat = 62436;
inline constexpr int kFillModeRefusedFormat = 62437;
inline constexpr int kFillStoredAsFormat = 62438;
// The printed channel sheet: table titles and headers, the heading's profile line ("%1" the machine name,
// "%2" the destination's number, "%3" the coverage, "%4" the bands), the page footer.
inline constexpr int kSheetMemoryTitle = 62440;
inline constexpr int kSheetEdgeTitle = 62441;
inline constexpr int kSheetCallTitle = 62442;
inline constexpr int kSheetSettingsTitle = 62443;
inline constexpr int kSheetDtmfTitle = 62444;
inline constexpr int kSheetNoMemoryChannels = 62445;
inline constexpr int kSheetInUseFormat = 62446;
inline constexpr int kSheetIllegalLegend = 62447;
inline constexpr int kSheetSettingHeader = 62448;
inline constexpr int kSheetValueHeader = 62449;
inline constexpr int kSheetDtmfMemoryHeader = 62450;
inline constexpr int kSheetDtmfDigitsHeader = 62451;
inline constexpr int kSheetPrintedFormat = 62452;
inline constexpr int kSheetPageFormat = 62453;
inline constexpr int kSheetCoverageNormal = 62454;
inline constexpr int kSheetCoverageExpanded = 62455;
inline constexpr int kSheetCoverageCellular = 62456;
inline constexpr int kSheetBandsWith50 = 62457;
inline constexpr int kSheetBandsWithout50 = 62458;
inline constexpr int kSheetProfileFormat = 62459;
inline constexpr int kSheetSwitchOn = 62460;
inline constexpr int kSheetSwitchOff = 62461;
inline constexpr int kSheetContinuedFormat = 62462;
// Notes on channel fields as they are stored (the CSV import, `zql52-cli set`, Fill): "%1" a field's
// name as the channel lists write it (Frequency, Offset, Name...), a value or a row label.
inline constexpr int kFieldWithoutDuplex = 62470;
inline constexpr int kFieldWithoutTone = 62471;
inline constexpr int kFieldWithoutSkip = 62472;
inline constexpr int kFieldWithoutName = 62473;
inline constexpr int kFieldBlankValue = 62474;
inline constexpr int kFieldCannotBeBlankFormat = 62475;
inline constexpr int kFieldRefusedFormat = 62476;
inline constexpr int kFieldStoredAsFormat = 62477;
inline constexpr int kFieldNotAToneFormat = 62478;
inline constexpr int kFieldNearestToneFormat = 62479;
inline constexpr int kFieldRoundedFormat = 62480;
inline constexpr int kFieldCallNoNameFormat = 62481;
inline constexpr int kFieldOnlyMemorySkipFormat = 62482;
inline constexpr int kFieldModeStoredFormat = 62483;
inline constexpr int kFieldRefusedStoredFormat = 62484;
inline constexpr int kFieldBlankChannelFormat = 62485;
inline constexpr int kFieldOutsideBandsFormat = 62486;
// The Edit Memory dialog's hints under its fields: "%1" what OK will store.
inline constexpr int kHintNoFrequency = 62490;
inline constexpr int kHintNotAFrequency = 62491;
inline constexpr int kHintKeepsFormat = 62492;
inline constexpr int kHintBlanksFormat = 62493;
inline constexpr int kHintStoredAsFormat = 62494;
inline constexpr int kHintOutsideBands = 62495;
inline constexpr int kHintOutsideNameSetFormat = 62496;
inline constexpr int kHintSixCharactersFormat = 62497;
inline constexpr int kHintModeNotAllowedFormat = 62498;
} // namespace ids
