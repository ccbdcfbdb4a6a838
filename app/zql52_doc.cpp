#include "app/zql52_doc.h"

#include "app/clone_compare.h"
#include "app/edit_history.h"
#include "app/gui_clone_host.h"
#include "app/information_dialog.h"
#include "channels/channel_rows.h"
#include "clone/clone_archive.h"
#include "clone/clone_protocol.h"
#include "clone/clone_session.h"
#include "clone/port_map.h"
#include "core/command_text.h"
#include "core/settings_store.h"
#include "core/temporary_file.h"
#include "res/load_string.h"
#include "ui/archive_dialog.h"
#include "ui/differences_dialog.h"
#include "ui/file_comparison.h"
#include "ui/file_failure_text.h"
#include "ui/widgets/file_dialogs.h"
#include "ui/widgets/message_box.h"
#include "ui/widgets/wait_cursor.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <algorithm>
#include <iterator>
#include <unistd.h>

namespace {

// Parts of the document template string, separated by line feeds.
constexpr int kTemplateFilter = 3;
constexpr int kTemplateExtension = 4;

constexpr int kPortCommands[] = {cmd::kComPort1, cmd::kComPort2, cmd::kComPort3, cmd::kComPort4};

QString TemplatePart(int index)
{
    return LoadString(ids::kDocTemplate).section(QLatin1Char('\n'), index, index);
}

QString Paragraph(const QString& first, const QString& second)
{
    return first + QStringLiteral("\n\n") + second;
}

// "&Undo Paste\tCtrl+Z" while there is a step to name, the plain item otherwise.
QString StepItemText(int plainId, int formatId, int stepNameId)
{
    return stepNameId == 0 ? LoadString(plainId) : LoadString(formatId).arg(LoadString(stepNameId));
}

// "COM2 (/dev/ttyUSB0)": a port slot with the device it stands for.
QString PortItemText(unsigned port, const ISettingsStore& settings)
{
    const QString name = QString::fromStdString(PortSlotName(port));
    const QString device = QString::fromStdString(ResolvePortDevice(PortSlotName(port), &settings));
    return LoadString(ids::kPortDeviceFormat).arg(name, device);
}

// Asked for while the program is idle: a menu item keeps its text unless it really changes.
void SetItemText(QAction& action, const QString& text)
{
    if (action.text() != text) {
        action.setText(text);
    }
}

} // namespace

CZQL52Doc::CZQL52Doc(ISettingsStore& settings, ITonePlayer& tones, IClock& clock, QObject* parent)
    : QObject(parent), m_settings(settings), m_tones(tones),
      m_data(std::make_unique<CL52RadioData>(&settings)), m_cloneFile(MakeTemporaryFile(kExchangeFilePrefix))
{
    setObjectName(QStringLiteral("document"));
    m_host = std::make_unique<CGuiCloneHost>(m_tones, [this](const QString& text) { ShowStatus(text); });
    m_session = std::make_unique<CCloneSession>(m_host.get(), clock);
    m_session->SetReadTotal(clone_protocol::kReadTotal);
    m_session->SetPortMap(&m_settings);
    m_session->SetPort(
        static_cast<unsigned>(m_settings.GetInt(settings::kCommPort, settings::kPortNumber, 1)));
    m_data->Initialize();
    m_history = std::make_unique<CEditHistory>(*m_data);
    RememberSavedImage();
}

CZQL52Doc::~CZQL52Doc()
{
    m_settings.SetInt(settings::kCommPort, settings::kPortNumber, static_cast<int>(m_session->GetPort()));
    m_session.reset();
    m_host.reset();
    if (!m_cloneFile.empty()) {
        ::unlink(m_cloneFile.c_str());
    }
}

void CZQL52Doc::SetWindow(QWidget* window)
{
    m_window = window;
    m_host->SetOwner(window);
}

CommandBindings CZQL52Doc::Bindings()
{
    static constexpr SMemberCommand<CZQL52Doc> kCommands[] = {
        {cmd::kFileNew, &CZQL52Doc::FileNew},
        {cmd::kFileOpen, &CZQL52Doc::FileOpen},
        {cmd::kFileSave, &CZQL52Doc::SaveCommand},
        {cmd::kFileSaveAs, &CZQL52Doc::SaveAsCommand},
        {cmd::kEditUndo, &CZQL52Doc::Undo},
        {cmd::kEditRedo, &CZQL52Doc::Redo},
        {cmd::kPortDevices, &CZQL52Doc::EditPortDevices},
        {cmd::kCloneRead, &CZQL52Doc::CloneRead},
        {cmd::kCloneWrite, &CZQL52Doc::CloneWrite},
        {cmd::kCloneInformation, &CZQL52Doc::CloneInformation},
        {cmd::kFileOpenArchive, &CZQL52Doc::OpenFromArchive},
        {cmd::kCloneCompare, &CZQL52Doc::CloneCompare},
        {cmd::kComPort1, &CZQL52Doc::UsePort<1>},
        {cmd::kComPort2, &CZQL52Doc::UsePort<2>},
        {cmd::kComPort3, &CZQL52Doc::UsePort<3>},
        {cmd::kComPort4, &CZQL52Doc::UsePort<4>},
    };
    return MemberBindings<CZQL52Doc>(*this, kCommands);
}

void CZQL52Doc::UpdateCommand(int commandId, QAction& action)
{
    switch (commandId) {
    case cmd::kEditUndo:
        action.setEnabled(CanUndo());
        SetItemText(action, StepItemText(ids::kItemUndo, ids::kUndoFormat, m_history->UndoNameId()));
        return;
    case cmd::kEditRedo:
        action.setEnabled(CanRedo());
        SetItemText(action, StepItemText(ids::kItemRedo, ids::kRedoFormat, m_history->RedoNameId()));
        return;
    default:
        break;
    }
    action.setEnabled(true);
    const auto* const port = std::find(std::begin(kPortCommands), std::end(kPortCommands), commandId);
    if (port == std::end(kPortCommands)) {
        return;
    }
    const unsigned slot = kFirstPortSlot + static_cast<unsigned>(port - std::begin(kPortCommands));
    action.setChecked(m_session->GetPort() == slot);
    // The device each slot stands for; another program (the command-line tool) may change the mapping
    // meanwhile.
    const QString text = PortItemText(slot, m_settings);
    SetItemText(action, QString(text).replace(QLatin1Char('&'), QStringLiteral("&&")));
    if (action.toolTip() != text) {
        action.setToolTip(text);
    }
}

void CZQL52Doc::SaveCommand()
{
    FileSave();
}

void CZQL52Doc::SaveAsCommand()
{
    FileSaveAs();
}

QString CZQL52Doc::GetTitle() const
{
    return m_path.isEmpty() ? LoadString(ids::kUntitled) : QFileInfo(m_path).fileName();
}

bool CZQL52Doc::IsModified()
{
    return m_modified || m_data->IsEdited();
}

void CZQL52Doc::SetModifiedFlag(bool modified)
{
    m_modified = modified;
}

void CZQL52Doc::RecordEdit(int nameId, const std::function<void()>& change)
{
    const std::string before = m_history->CurrentImage();
    change();
    m_history->Push(nameId, before, m_history->CurrentImage());
    RefreshCommandUi();
}

bool CZQL52Doc::CanUndo() const
{
    return m_history->CanUndo();
}

bool CZQL52Doc::CanRedo() const
{
    return m_history->CanRedo();
}

void CZQL52Doc::Undo()
{
    bool undone = false;
    {
        CWaitCursor wait;
        undone = m_history->Undo();
    }
    if (undone) {
        SyncModifiedWithSavedImage();
        Q_EMIT DocumentChanged();
        RefreshCommandUi();
    }
}

void CZQL52Doc::Redo()
{
    bool redone = false;
    {
        CWaitCursor wait;
        redone = m_history->Redo();
    }
    if (redone) {
        SyncModifiedWithSavedImage();
        Q_EMIT DocumentChanged();
        RefreshCommandUi();
    }
}

void CZQL52Doc::RefreshCommandUi()
{
    // A key pressed at once (Delete, then Ctrl+Z) must find Undo enabled already: the idle update may
    // not have come yet.
    Q_EMIT CommandStateChanged();
}

void CZQL52Doc::RememberSavedImage()
{
    m_savedImage = m_history->CurrentImage();
}

void CZQL52Doc::SyncModifiedWithSavedImage()
{
    // Both marks go: the flag a clone read sets, and the radio data's edit flag, which stays on once an
    // edit has been seen.
    if (m_history->CurrentImage() == m_savedImage) {
        m_modified = false;
        m_data->SetEdited(false);
    } else {
        m_modified = true;
    }
}

void CZQL52Doc::SetPathName(const QString& path)
{
    m_path = path.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    Q_EMIT TitleChanged(GetTitle());
    if (!m_path.isEmpty()) {
        Q_EMIT FileUsed(m_path);
    }
}

QWidget* CZQL52Doc::DialogParent() const
{
    return m_window.data();
}

QString CZQL52Doc::DefaultSuffix() const
{
    QString extension = TemplatePart(kTemplateExtension);
    if (extension.startsWith(QLatin1Char('.'))) {
        extension.remove(0, 1);
    }
    return extension;
}

QString CZQL52Doc::FileFilter() const
{
    // File names are case sensitive here: offer the lower-case extension as well as the upper-case one.
    QString filter = TemplatePart(kTemplateFilter);
    const qsizetype close = filter.lastIndexOf(QLatin1Char(')'));
    if (close > 0) {
        filter.insert(close, QStringLiteral(" *.") + DefaultSuffix());
    }
    return filter + QStringLiteral(";;") + LoadString(ids::kAllFilesFilter);
}

bool CZQL52Doc::OnNewDocument()
{
    {
        CWaitCursor wait;
        m_data->Initialize();
    }
    m_modified = false;
    m_history->Clear();
    RememberSavedImage();
    RefreshCommandUi();
    SetPathName(QString());
    Q_EMIT DocumentReplaced();
    return true;
}

bool CZQL52Doc::OnOpenDocument(const QString& path)
{
    return LoadDocument(path, false);
}

bool CZQL52Doc::OpenUntitledCopy(const QString& path)
{
    return LoadDocument(path, true);
}

bool CZQL52Doc::LoadDocument(const QString& path, bool untitled)
{
    std::string result;
    {
        CWaitCursor wait;
        result = m_data->OpenDocument(QFile::encodeName(path).toStdString());
    }
    if (result != answer::kOk) {
        const QString word = QString::fromStdString(result);
        MessageBox::Show(DialogParent(),
                         LoadString(ids::kOpenFailedFormat)
                             .arg(QDir::toNativeSeparators(path), FileFailureText(word, false)),
                         MessageBox::Buttons::Ok, MessageBox::Icon::Warning);
        if (!untitled && !QFileInfo::exists(path)) {
            Q_EMIT FileMissing(path);
        }
        return false;
    }
    m_modified = false;
    m_history->Clear();
    RememberSavedImage();
    RefreshCommandUi();
    SetPathName(untitled ? QString() : path);
    Q_EMIT DocumentReplaced();
    return true;
}

bool CZQL52Doc::OnSaveDocument(const QString& path)
{
    std::string result;
    {
        CWaitCursor wait;
        result = m_data->SaveDocument(QFile::encodeName(path).toStdString());
    }
    if (result != answer::kOk) {
        const QString word = QString::fromStdString(result);
        MessageBox::Show(DialogParent(),
                         LoadString(ids::kSaveFailedFormat)
                             .arg(QDir::toNativeSeparators(path), FileFailureText(word, true)),
                         MessageBox::Buttons::Ok, MessageBox::Icon::Warning);
        return false;
    }
    m_modified = false;
    RememberSavedImage();
    SetPathName(path);
    return true;
}

bool CZQL52Doc::SaveModified()
{
    if (!IsModified()) {
        return true;
    }
    switch (MessageBox::YesNoCancel(DialogParent(), LoadString(ids::kSaveChangesFormat).arg(GetTitle()))) {
    case MessageBox::Answer::Yes:
        return FileSave();
    case MessageBox::Answer::No:
        return true;
    default:
        return false;
    }
}

bool CZQL52Doc::MayClose()
{
    // A save prompt on top of the transfer would stop its polling half-way, and a closed window would
    // leave the transfer running without one.
    if (m_transferRunning) {
        m_closeHeld = true;
        return false;
    }
    return SaveModified();
}

int CZQL52Doc::RunTransfer(const std::function<int()>& transfer)
{
    m_transferRunning = true;
    const int outcome = transfer();
    m_transferRunning = false;
    return outcome;
}

void CZQL52Doc::CloseIfHeld()
{
    if (m_closeHeld) {
        m_closeHeld = false;
        Q_EMIT CloseRequested();
    }
}

void CZQL52Doc::FileNew()
{
    if (SaveModified()) {
        OnNewDocument();
    }
}

void CZQL52Doc::FileOpen()
{
    const QString start = m_path.isEmpty() ? QString() : QFileInfo(m_path).absolutePath();
    const QString path =
        FileDialogs::GetOpenFileName(DialogParent(), LoadString(ids::kOpenCaption), start, FileFilter());
    if (!path.isEmpty() && SaveModified()) {
        OnOpenDocument(path);
    }
}

bool CZQL52Doc::FileSave()
{
    return m_path.isEmpty() ? FileSaveAs() : OnSaveDocument(m_path);
}

bool CZQL52Doc::FileSaveAs()
{
    const QString start = m_path.isEmpty() ? GetTitle() + QLatin1Char('.') + DefaultSuffix() : m_path;
    const QString path = FileDialogs::GetSaveFileName(DialogParent(), LoadString(ids::kSaveAsCaption), start,
                                                      FileFilter(), DefaultSuffix());
    return !path.isEmpty() && OnSaveDocument(path);
}

void CZQL52Doc::OpenRecentFile(const QString& path)
{
    if (SaveModified()) {
        OnOpenDocument(path);
    }
}

void CZQL52Doc::OpenFromArchive()
{
    const CCloneArchive archive(DefaultArchiveFolder());
    CArchiveDlg dialog(archive, m_settings, DialogParent());
    dialog.SetCompareHandler(
        [this, &dialog](const QString& path) { ShowFileComparison(*m_data, path, &dialog); });
    if (dialog.exec() == QDialog::Accepted && SaveModified()) {
        OpenUntitledCopy(dialog.SelectedPath());
    }
}

void CZQL52Doc::SetPort(unsigned port)
{
    m_session->SetPort(port);
}

unsigned CZQL52Doc::GetPort() const
{
    return m_session->GetPort();
}

void CZQL52Doc::EditPortDevices()
{
    CPortDevicesDlg dialog(m_settings, DialogParent(), m_serialDevices);
    if (dialog.exec() == QDialog::Accepted) {
        RefreshCommandUi();
    }
}

void CZQL52Doc::ShowStatus(const QString& text)
{
    Q_EMIT StatusText(text);
}

void CZQL52Doc::ReportOutcome(ECloneCommand command, int outcome)
{
    const SCloneOutcomeTexts texts = CloneOutcomeTexts(command, outcome);
    if (texts.statusId != 0) {
        ShowStatus(LoadString(texts.statusId));
    }
    if (texts.messageId == 0) {
        return;
    }
    QString message = LoadString(texts.messageId);
    if (outcome == clone_outcome::kPortFailure) {
        if (const QString hint = PortAccessHint(*m_session); !hint.isEmpty()) {
            message = Paragraph(message, hint);
        }
    }
    MessageBox::Show(DialogParent(), message, MessageBox::Buttons::Ok,
                     texts.warningIcon ? MessageBox::Icon::Warning : MessageBox::Icon::None);
}

void CZQL52Doc::CloneRead()
{
    if (IsModified()) {
        const QString question =
            LoadString(ids::kReadFromTransceiver) + QLatin1Char(',') + LoadString(ids::kDataEdited);
        if (MessageBox::OkCancel(DialogParent(), question, MessageBox::Icon::None) !=
            MessageBox::Answer::Ok) {
            return;
        }
    }
    CCloneCommands commands(*m_data, *m_session, m_cloneFile);
    UseArchiveSetting(commands);
    int outcome = clone_outcome::kSuccess;
    RecordEdit(ids::kStepCloneRead, [this, &commands, &outcome] {
        CWaitCursor wait;
        outcome = RunTransfer([&commands] { return commands.Read(); });
    });
    if (outcome == clone_outcome::kSuccess) {
        m_modified = true;
        Q_EMIT DocumentChanged();
    }
    ReportOutcome(ECloneCommand::Read, outcome);
    ShowArchiveFailure(commands);
    CloseIfHeld();
}

void CZQL52Doc::CloneWrite()
{
    if (MessageBox::OkCancel(DialogParent(), LoadString(ids::kWriteToTransceiver), MessageBox::Icon::None) !=
        MessageBox::Answer::Ok) {
        return;
    }
    // Saving for the write puts empty channels where the transceiver cannot use a channel: say which.
    if (const std::vector<std::string> illegal = channel_rows::IllegalRowLabels(*m_data); !illegal.empty()) {
        const QString text = LoadString(ids::kIllegalChannelsWritten)
                                 .arg(QString::fromStdString(channel_rows::JoinRowLabels(illegal)));
        if (MessageBox::OkCancel(DialogParent(), text, MessageBox::Icon::Warning) != MessageBox::Answer::Ok) {
            return;
        }
    }
    CCloneCommands commands(*m_data, *m_session, m_cloneFile);
    UseArchiveSetting(commands);
    int outcome = clone_outcome::kSuccess;
    {
        CWaitCursor wait;
        outcome = RunTransfer([&commands] { return commands.Write(); });
    }
    ReportOutcome(ECloneCommand::Write, outcome);
    ShowArchiveFailure(commands);
    CloseIfHeld();
}

void CZQL52Doc::UseArchiveSetting(CCloneCommands& commands) const
{
    if (!ArchiveEnabled(m_settings)) {
        commands.SetArchive(nullptr);
    }
}

void CZQL52Doc::ShowArchiveFailure(const CCloneCommands& commands)
{
    // After the outcome's own text, which would otherwise replace it at once.
    if (!commands.ArchiveFailure().empty()) {
        ShowStatus(QString::fromStdString(commands.ArchiveFailure()));
    }
}

void CZQL52Doc::CloneCompare()
{
    STransceiverComparison comparison;
    {
        CWaitCursor wait;
        RunTransfer([this, &comparison] {
            comparison = CompareWithTransceiver(*m_data, *m_session, m_cloneFile);
            return comparison.outcome;
        });
    }
    ReportOutcome(ECloneCommand::Read, comparison.outcome);
    // A close asked for during the transfer goes first: the list would only hold it up.
    if (comparison.outcome == clone_outcome::kSuccess && !m_closeHeld) {
        CDifferencesDlg dialog(
            LoadString(ids::kCompareTransceiverTitle),
            LoadString(ids::kCompareIntroFormat).arg(LoadString(ids::kCompareTransceiverSide)),
            CDifferencesDlg::Lines(comparison.differences), DialogParent());
        dialog.exec();
    }
    CloseIfHeld();
}

void CZQL52Doc::CloneInformation()
{
    CCloneCommands commands(*m_data, *m_session, m_cloneFile);
    int outcome = clone_outcome::kSuccess;
    {
        CWaitCursor wait;
        outcome = commands.Information();
    }
    if (outcome != clone_outcome::kSuccess) {
        ReportOutcome(ECloneCommand::Information, outcome);
        return;
    }
    CInformationDlg dialog(DialogParent());
    dialog.SetModel(LoadString(ids::kMachineName));
    dialog.SetComment(QString::fromLatin1(m_session->GetInformation().Comment()));
    dialog.exec();
}
