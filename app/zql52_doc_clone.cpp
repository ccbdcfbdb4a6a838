#include "app/cable_check_dialog.h"
#include "app/clone_compare.h"
#include "app/gui_clone_host.h"
#include "app/information_dialog.h"
#include "app/initial_setup_dialog.h"
#include "app/zql52_doc.h"
#include "clone/cable_check.h"
#include "clone/clone_archive.h"
#include "clone/clone_session.h"
#include "core/rig/radio_data.h"
#include "core/settings_store.h"
#include "operations/written_channels.h"
#include "res/load_string.h"
#include "ui/differences_dialog.h"
#include "ui/widgets/message_box.h"
#include "ui/widgets/wait_cursor.h"

// The document's COM Port and Cloning commands, with the close held back while a transfer runs.

namespace {

QString Paragraph(const QString& first, const QString& second)
{
    return first + QStringLiteral("\n\n") + second;
}

} // namespace

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

void CZQL52Doc::TransceiverSetup()
{
    {
        // A session of its own, as at start-up: the dialog gives it its own host.
        CCloneSession session(nullptr, m_clock);
        session.SetPortMap(&m_settings);
        CInitialSetupDlg dialog(m_settings, session, m_tones, DialogParent());
        dialog.SetSerialDevices(m_serialDevices);
        dialog.exec();
        m_session->SetPort(dialog.SelectedPort());
    }
    // The channels stay as they are; their limits and rules follow the version now stored.
    const bool edited = m_data->IsEdited();
    m_data->ResetProfile();
    m_data->ApplyProfile(m_data->GetProfile());
    m_data->SetEdited(edited);
    Q_EMIT CallSignChanged(
        QString::fromStdString(m_settings.GetString(settings::kSetupInfo, settings::kCallSign, "")));
    Q_EMIT DocumentChanged();
    RefreshCommandUi();
}

void CZQL52Doc::ReportOutcome(ECloneCommand command, int outcome)
{
    const SCloneOutcomeTexts texts = CloneOutcomeTexts(command, outcome);
    if (texts.statusId != 0) {
        ShowOutcome(LoadString(texts.statusId));
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
    OfferDiagnosis(outcome);
    CloseIfHeld();
}

void CZQL52Doc::CloneWrite()
{
    if (MessageBox::OkCancel(DialogParent(), LoadString(ids::kWriteToTransceiver), MessageBox::Icon::None) !=
        MessageBox::Answer::Ok) {
        return;
    }
    // Saving for the write heals the channels the transceiver cannot use: say what each becomes.
    if (const std::string warning = IllegalChannelsWarning(*m_data); !warning.empty()) {
        if (MessageBox::OkCancel(DialogParent(), QString::fromStdString(warning),
                                 MessageBox::Icon::Warning) != MessageBox::Answer::Ok) {
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
    OfferDiagnosis(outcome);
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
        ShowOutcome(QString::fromStdString(commands.ArchiveFailure()));
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
        OfferDiagnosis(outcome);
        return;
    }
    CInformationDlg dialog(DialogParent());
    dialog.SetModel(LoadString(ids::kMachineName));
    dialog.SetComment(QString::fromLatin1(m_session->GetInformation().Comment()));
    dialog.exec();
}

CCableCheckDlg& CZQL52Doc::CableCheckDialog()
{
    if (m_cableCheck.isNull()) {
        // Not modal: it stays beside the window while the user mends the cable and tries again.
        m_cableCheck = new CCableCheckDlg(m_settings, DialogParent());
        m_cableCheck->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_cableCheck->SetPort(m_session->GetPortName(), m_data->GetProfile());
    return *m_cableCheck;
}

void CZQL52Doc::OfferDiagnosis(int outcome)
{
    // Only a failure on the line or at the port: the other outcomes' messages say all there is.
    if (outcome != clone_outcome::kCommunicationFailure && outcome != clone_outcome::kPortFailure) {
        return;
    }
    const std::string seen = DescribeTransfer(m_session->GetTrace());
    if (seen.empty() || m_closeHeld) {
        return;
    }
    CCableCheckDlg& dialog = CableCheckDialog();
    dialog.SetSeen(QString::fromStdString(seen));
    dialog.show();
    dialog.raise();
}

void CZQL52Doc::CloneCheckCable()
{
    CCableCheckDlg& dialog = CableCheckDialog();
    dialog.SetSeen(QString());
    dialog.show();
    dialog.raise();
    dialog.RunCheck();
}
