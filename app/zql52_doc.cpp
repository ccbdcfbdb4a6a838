#include "app/zql52_doc.h"

#include "app/edit_history.h"
#include "app/gui_clone_host.h"
#include "clone/clone_protocol.h"
#include "clone/clone_session.h"
#include "clone/port_map.h"
#include "core/settings_store.h"
#include "core/temporary_file.h"
#include "res/load_string.h"
#include "ui/widgets/wait_cursor.h"

#include <QAction>
#include <QFileInfo>
#include <algorithm>
#include <iterator>
#include <unistd.h>

namespace {

constexpr int kPortCommands[] = {cmd::kComPort1, cmd::kComPort2, cmd::kComPort3, cmd::kComPort4};
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
    : QObject(parent), m_settings(settings), m_tones(tones), m_clock(clock),
      m_data(std::make_unique<CL52RadioData>(&settings)), m_cloneFile(MakeTemporaryFile(kExchangeFilePrefix))
{
    setObjectName(QStringLiteral("document"));
    m_host = std::make_unique<CGuiCloneHost>(m_tones, [this](const QString& text) { ShowStatus(text); });
    m_session = std::make_unique<CCloneSession>(m_host.get(), m_clock);
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
        {cmd::kTransceiverSetup, &CZQL52Doc::TransceiverSetup},
        {cmd::kCloneRead, &CZQL52Doc::CloneRead},
        {cmd::kCloneWrite, &CZQL52Doc::CloneWrite},
        {cmd::kCloneInformation, &CZQL52Doc::CloneInformation},
        {cmd::kFileOpenArchive, &CZQL52Doc::OpenFromArchive},
        {cmd::kCloneCompare, &CZQL52Doc::CloneCompare},
        {cmd::kCloneCheckCable, &CZQL52Doc::CloneCheckCable},
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
    QString text = PortItemText(slot, m_settings);
    QString tip = text;
    // A USB adapter that was pulled out, or came back under another name: the item says so.
    if (!QFileInfo::exists(QString::fromStdString(ResolvePortDevice(PortSlotName(slot), &m_settings)))) {
        text = LoadString(ids::kPortGoneFormat).arg(text);
        tip = text + QLatin1Char('\n') + LoadString(ids::kPortGoneTip);
    }
    SetItemText(action, QString(text).replace(QLatin1Char('&'), QStringLiteral("&&")));
    if (action.toolTip() != tip) {
        action.setToolTip(tip);
    }
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

void CZQL52Doc::RecordRowEdit(int nameId, int rowBefore, int rowAfter, const std::function<void()>& change)
{
    const std::string before = m_history->CurrentImage();
    change();
    m_history->Push(nameId, before, m_history->CurrentImage(), rowBefore, rowAfter);
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
        AfterUndoOrRedo();
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
        AfterUndoOrRedo();
    }
}

void CZQL52Doc::AfterUndoOrRedo()
{
    SyncModifiedWithSavedImage();
    Q_EMIT DocumentChanged();
    if (m_history->SelectedRow() != CEditHistory::kNoRow) {
        Q_EMIT RowSelected(m_history->SelectedRow());
    }
    RefreshCommandUi();
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

QWidget* CZQL52Doc::DialogParent() const
{
    return m_window.data();
}

void CZQL52Doc::ShowStatus(const QString& text)
{
    Q_EMIT StatusText(text);
}

void CZQL52Doc::ShowOutcome(const QString& text)
{
    Q_EMIT StatusText(text);
    Q_EMIT Announcement(text);
}
