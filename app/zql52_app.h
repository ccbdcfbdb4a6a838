#pragma once

#include "app/port_devices_dialog.h"
#include "core/clock.h"

#include <QString>
#include <QStringList>
#include <memory>

class CFileHandOver;
class CMainFrame;
class CSingleInstance;
class CZQL52Doc;
class CZQL52View;
struct SFileCommands;
class ISettingsStore;
class ITonePlayer;
class QSocketNotifier;

// The application: one running copy per user (a second start hands the file it names to the running copy,
// which comes to the front and opens it as File > Open does), the stored settings, the transceiver profile
// setup at the first start (or with the flag "S"), then the document with its frame and channel list, a new
// document or the file named on the command line, and the call sign in the status bar.
class CZQL52App
{
public:
    struct SOptions
    {
        // Empty: the user's settings store.
        QString settingsFile;
        // Empty: the user's runtime folder.
        QString lockDirectory;
        // Null: sounds through ALSA.
        ITonePlayer* tones = nullptr;
        // Null: the steady clock paces clone sessions.
        IClock* clock = nullptr;
        // SIGTERM and SIGINT close the main window; tests running in-process leave the signals alone.
        bool handleTerminationSignals = true;
        // Null: the serial devices the system reports, offered by the Port Devices dialog.
        CPortDevicesDlg::DeviceLister serialDevices;
    };

    struct SCommandLine
    {
        // "/S" or "-S", exactly.
        bool setupFlag = false;
        // The first argument that is not a flag; a path with a folder in it is a file, not a flag.
        QString fileName;
    };

    CZQL52App();
    explicit CZQL52App(SOptions options);
    ~CZQL52App();
    CZQL52App(const CZQL52App&) = delete;
    CZQL52App& operator=(const CZQL52App&) = delete;

    // How long a second start waits for the running copy at each step of the hand-over.
    static constexpr int kHandOverTimeoutMs = 10000;
    // While a dialog is open the running copy keeps a file handed over, and tries again this often.
    static constexpr int kHandOverRetryMs = 250;

    // The arguments as QCoreApplication::arguments() gives them, the program first. False ends the
    // program at once with ExitCode(): 0 for a second copy (which has handed its file, if any, to the
    // running one), 1 when the named file does not open.
    bool InitInstance(const QStringList& arguments);
    // Closes the document and its window, gives up the single-instance lock; answers the exit code.
    int ExitInstance();
    int ExitCode() const { return m_exitCode; }

    static SCommandLine ParseCommandLine(const QStringList& arguments);
    // The running application, or null outside InitInstance ... ExitInstance.
    static CZQL52App* Instance();

    ISettingsStore* Settings() const { return m_settings.get(); }
    CZQL52Doc* Document() const { return m_document.get(); }
    CMainFrame* MainFrame() const { return m_frame.get(); }
    CZQL52View* View() const { return m_view; }

private:
    IClock& Clock() const { return m_options.clock != nullptr ? *m_options.clock : SteadyClock(); }
    bool NeedsSetup(const SCommandLine& commandLine) const;
    void RunInitialSetup();
    void ListenForHandOver();
    void OnFileHandedOver(const QString& path);
    void OpenHandedOverFiles();
    void InstallTerminationHandler();
    void OnTerminationRequest();

    SOptions m_options;
    std::unique_ptr<CSingleInstance> m_instance;
    std::unique_ptr<CFileHandOver> m_handOver;
    // Files handed over while the window could not open them yet, the oldest first.
    QStringList m_handedOver;
    std::unique_ptr<ISettingsStore> m_settings;
    std::unique_ptr<ITonePlayer> m_ownTones;
    ITonePlayer* m_tones = nullptr;
    std::unique_ptr<CZQL52Doc> m_document;
    std::unique_ptr<CMainFrame> m_frame;
    CZQL52View* m_view = nullptr;
    // The File menu's interchange and print commands, run by the frame.
    std::unique_ptr<SFileCommands> m_fileCommands;
    std::unique_ptr<QSocketNotifier> m_terminationNotifier;
    bool m_terminationRequested = false;
    int m_exitCode = 0;
};
