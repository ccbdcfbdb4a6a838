#pragma once

#include "../../clone/clone_test_support.h"
#include "app/tone_player.h"
#include "app/zql52_app.h"
#include "gui_test_support.h"

#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <string>

class CMainFrame;
class CZQL52Doc;
class CZQL52View;

// The whole program inside the test process: settings in a temporary INI file, the single-instance lock in
// a temporary folder, no sound, termination signals left alone.
class CAppFixture
{
public:
    CAppFixture();
    ~CAppFixture();
    CAppFixture(const CAppFixture&) = delete;
    CAppFixture& operator=(const CAppFixture&) = delete;

    // Setup done with the given version bytes, so no setup dialog comes up at the start.
    void MarkSetupDone(int destination = 5, int level = 0, int flags = 0);
    // COM<slot> stands for the path.
    void MapPort(unsigned slot, const QString& path);
    // The serial devices the Port Devices dialog offers; none unless set, whatever the machine has.
    void SetSerialDevices(const QList<CPortDevicesDlg::SDetected>& devices) { m_serialDevices = devices; }
    // A path in the fixture's own temporary folder.
    QString TempPath(const QString& name) const;

    // A new application started with the arguments after the program name.
    bool Start(const QStringList& arguments = {});
    // Ends the running application as the program's exit does (without closing the frame first).
    int Stop();

    CZQL52App& App() { return *m_app; }
    CZQL52Doc& Doc();
    CMainFrame& Frame();
    CZQL52View& View();
    CTestSettings& Settings() { return m_settings; }
    QString LockDirectory() const { return m_lockDir.path(); }
    CNullTonePlayer& Tones() { return m_tones; }

private:
    CTestSettings m_settings;
    QTemporaryDir m_lockDir;
    QTemporaryDir m_files;
    CNullTonePlayer m_tones;
    QList<CPortDevicesDlg::SDetected> m_serialDevices;
    // Clone sessions skip their pauses; the transceiver on the other end still runs in real time.
    CTestClock m_clock;
    std::unique_ptr<CZQL52App> m_app;
};

// The whole program for a USA transceiver with the 50 MHz band (setup 5,0,2), started, with what the
// tests that drive it through its window ask of it.
struct SRunningProgram
{
    SRunningProgram();

    CMainFrame& Frame() { return app.Frame(); }
    CZQL52View& View() { return app.View(); }
    CZQL52Doc& Doc() { return app.Doc(); }
    // The radio data's whole image, as IMAGE answers it.
    std::string Image();
    QString Cell(int row, int column);
    // The state of a command's action after the frame has updated it.
    bool Enabled(int command);
    QString Text(int command);
    QString UndoText();
    // Brings the frame up and gives the list the keyboard.
    bool ShowActive();

    CAppFixture app;
    bool started = false;
};
