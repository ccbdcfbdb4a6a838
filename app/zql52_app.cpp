#include "app/zql52_app.h"

#include "app/document_wiring.h"
#include "app/file_hand_over.h"
#include "app/initial_setup_dialog.h"
#include "app/single_instance.h"
#include "app/tone_player.h"
#include "app/zql52_doc.h"
#include "clone/clone_session.h"
#include "core/settings_store.h"
#include "settings/qt_settings_store.h"
#include "ui/channel_list_view.h"
#include "ui/main_frame.h"
#include "ui/widgets/wait_cursor.h"

#include <QApplication>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

CZQL52App* g_application = nullptr;

// A termination signal (SIGTERM, SIGINT) only writes a byte here; the user-interface thread reads it and
// closes the main window as the close box would, so the settings are stored and a modified document is
// not lost unasked. A request that comes before the main window is shown closes it as soon as it is.
int g_signalPipe[2] = {-1, -1};

extern "C" void OnTerminationSignal(int /*signal*/)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[0], &byte, 1);
}

const QString kSetupFlag = QStringLiteral("S");

// Flags are written after "-" or, as on the program's original platform, after "/". A path starts with
// "/" too: one with a folder in it, or one that exists, is a file name.
bool IsOtherFlag(const QString& argument)
{
    if (argument.size() < 2) {
        return false;
    }
    if (argument.startsWith(QLatin1Char('-'))) {
        return true;
    }
    return argument.startsWith(QLatin1Char('/')) && argument.indexOf(QLatin1Char('/'), 1) < 0 &&
           !QFileInfo::exists(argument);
}

} // namespace

CZQL52App::CZQL52App() : CZQL52App(SOptions{}) {}

CZQL52App::CZQL52App(SOptions options) : m_options(std::move(options)) {}

CZQL52App::~CZQL52App()
{
    ExitInstance();
}

CZQL52App* CZQL52App::Instance()
{
    return g_application;
}

CZQL52App::SCommandLine CZQL52App::ParseCommandLine(const QStringList& arguments)
{
    SCommandLine commandLine;
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        const QString& argument = arguments.at(index);
        if (argument == QLatin1Char('/') + kSetupFlag || argument == QLatin1Char('-') + kSetupFlag) {
            commandLine.setupFlag = true;
        } else if (IsOtherFlag(argument)) {
            // Other flags mean nothing to this program.
        } else if (commandLine.fileName.isEmpty()) {
            commandLine.fileName = argument;
        }
    }
    return commandLine;
}

bool CZQL52App::NeedsSetup(const SCommandLine& commandLine) const
{
    return commandLine.setupFlag || m_settings->GetInt(settings::kSetupInfo, settings::kSetupDone, 0) == 0;
}

bool CZQL52App::InitInstance(const QStringList& arguments)
{
    m_exitCode = 0;
    // Before the lock: once the lock file exists a termination request is always handled.
    if (m_options.handleTerminationSignals) {
        InstallTerminationHandler();
    }
    m_instance = m_options.lockDirectory.isEmpty()
                     ? std::make_unique<CSingleInstance>()
                     : std::make_unique<CSingleInstance>(m_options.lockDirectory);
    switch (m_instance->TryAcquire()) {
    case CSingleInstance::EResult::Acquired:
        break;
    case CSingleInstance::EResult::HeldByAnother:
        // A second copy ends silently: it hands the file it names, if any, to the running one, and
        // leaves that one alone otherwise.
        if (const QString fileName = ParseCommandLine(arguments).fileName; !fileName.isEmpty()) {
            CFileHandOver::Send(m_instance->SocketPath(), QFileInfo(fileName).absoluteFilePath(),
                                kHandOverTimeoutMs);
        }
        m_instance.reset();
        return false;
    case CSingleInstance::EResult::Failed:
        // Only a running copy may keep this one from starting; without the lock a second copy could start.
        qWarning("zql52: starting without the single-instance lock: %s", qPrintable(m_instance->ErrorText()));
        break;
    }
    g_application = this;
    if (m_instance->IsHeld()) {
        ListenForHandOver();
    }

    m_settings = m_options.settingsFile.isEmpty()
                     ? std::make_unique<CQtSettingsStore>()
                     : std::make_unique<CQtSettingsStore>(m_options.settingsFile);
    if (m_options.tones != nullptr) {
        m_tones = m_options.tones;
    } else {
        m_ownTones = std::make_unique<CAlsaTonePlayer>();
        m_tones = m_ownTones.get();
    }

    const SCommandLine commandLine = ParseCommandLine(arguments);
    if (NeedsSetup(commandLine)) {
        RunInitialSetup();
    }

    {
        CWaitCursor wait;
        m_document = std::make_unique<CZQL52Doc>(*m_settings, *m_tones, Clock());
        if (m_options.serialDevices) {
            m_document->SetSerialDevices(m_options.serialDevices);
        }
        m_frame = std::make_unique<CMainFrame>(*m_settings);
        // Another window left open (the help) must not keep the program alive without its main window.
        QObject::connect(m_frame.get(), &CMainFrame::Closed, qApp, &QCoreApplication::quit,
                         Qt::QueuedConnection);
        m_view = new CZQL52View(*m_document, m_frame.get());
        m_frame->setCentralWidget(m_view);
        ConnectDocumentView(*m_document, *m_view);
        m_fileCommands = ConnectDocumentFrame(*m_document, *m_view, *m_frame);

        const bool opened = commandLine.fileName.isEmpty() ? m_document->OnNewDocument()
                                                           : m_document->OnOpenDocument(commandLine.fileName);
        if (!opened) {
            m_exitCode = 1;
            return false;
        }
    }

    m_frame->ShowFrame();
    m_view->setFocus();
    m_frame->SetCallSignText(
        QString::fromStdString(m_settings->GetString(settings::kSetupInfo, settings::kCallSign, "")));
    if (m_terminationRequested) {
        QMetaObject::invokeMethod(m_frame.get(), &QWidget::close, Qt::QueuedConnection);
    }
    OpenHandedOverFiles();
    return true;
}

void CZQL52App::ListenForHandOver()
{
    m_handOver = std::make_unique<CFileHandOver>(m_instance->SocketPath());
    if (!m_handOver->Listen()) {
        qWarning("zql52: a second start cannot hand its file to this copy: no socket %s",
                 qPrintable(m_instance->SocketPath()));
        m_handOver.reset();
        return;
    }
    QObject::connect(m_handOver.get(), &CFileHandOver::FileReceived, m_handOver.get(),
                     [this](const QString& path) { OnFileHandedOver(path); });
}

void CZQL52App::OnFileHandedOver(const QString& path)
{
    m_handedOver.append(path);
    // Out of the socket's handler: opening may ask whether to save first.
    QMetaObject::invokeMethod(
        m_handOver.get(), [this] { OpenHandedOverFiles(); }, Qt::QueuedConnection);
}

void CZQL52App::OpenHandedOverFiles()
{
    if (m_handedOver.isEmpty() || !m_frame || !m_frame->isVisible()) {
        return;
    }
    // A dialog (the setup, a clone in progress, a prompt) finishes first: the document must not change
    // under it.
    if (QApplication::activeModalWidget() != nullptr) {
        QTimer::singleShot(kHandOverRetryMs, m_handOver.get(), [this] { OpenHandedOverFiles(); });
        return;
    }
    if (m_frame->isMinimized()) {
        m_frame->showNormal();
    }
    m_frame->raise();
    m_frame->activateWindow();
    while (!m_handedOver.isEmpty() && QApplication::activeModalWidget() == nullptr) {
        m_document->OpenFile(m_handedOver.takeFirst());
    }
    if (!m_handedOver.isEmpty()) {
        OpenHandedOverFiles();
    }
}

void CZQL52App::RunInitialSetup()
{
    CCloneSession session(nullptr, Clock());
    session.SetPortMap(m_settings.get());
    CInitialSetupDlg dialog(*m_settings, session, *m_tones);
    if (m_options.serialDevices) {
        dialog.SetSerialDevices(m_options.serialDevices);
    }
    dialog.exec();
}

void CZQL52App::InstallTerminationHandler()
{
    if (g_signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0) {
        return;
    }
    m_terminationNotifier = std::make_unique<QSocketNotifier>(g_signalPipe[1], QSocketNotifier::Read);
    QObject::connect(m_terminationNotifier.get(), &QSocketNotifier::activated, m_terminationNotifier.get(),
                     [this] { OnTerminationRequest(); });
    struct sigaction action
    {
    };
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

void CZQL52App::OnTerminationRequest()
{
    char byte = 0;
    [[maybe_unused]] const ssize_t got = ::read(g_signalPipe[1], &byte, 1);
    m_terminationRequested = true;
    if (m_frame && m_frame->isVisible()) {
        m_frame->close();
    } else if (QWidget* modal = QApplication::activeModalWidget()) {
        // The initial setup: as if cancelled; the main window closes once it is shown.
        modal->close();
    }
}

int CZQL52App::ExitInstance()
{
    m_terminationNotifier.reset();
    m_handOver.reset();
    m_handedOver.clear();
    // The list stores its column widths and the document its port, so both go before the settings.
    m_view = nullptr;
    m_fileCommands.reset();
    m_frame.reset();
    m_document.reset();
    m_ownTones.reset();
    m_tones = nullptr;
    m_settings.reset();
    if (m_instance) {
        m_instance->Release();
        m_instance.reset();
    }
    if (g_application == this) {
        g_application = nullptr;
    }
    return m_exitCode;
}
