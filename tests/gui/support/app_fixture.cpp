#include "app_fixture.h"

#include "app/zql52_doc.h"
#include "clone/port_map.h"
#include "core/command_ids.h"
#include "core/rig/radio_data.h"
#include "core/settings_store.h"
#include "ui/channel_list_view.h"
#include "ui/main_frame.h"

#include <QAction>
#include <QDir>
#include <QTest>

CAppFixture::CAppFixture() = default;

CAppFixture::~CAppFixture()
{
    Stop();
}

void CAppFixture::MarkSetupDone(int destination, int level, int flags)
{
    ISettingsStore& store = m_settings.Store();
    store.SetInt(settings::kSetupInfo, settings::kSetupDone, 1);
    store.SetInt(settings::kSetupInfo, settings::kDestination, destination);
    store.SetInt(settings::kSetupInfo, settings::kExpandLevel, level);
    store.SetInt(settings::kSetupInfo, settings::kOptionFlags, flags);
}

void CAppFixture::MapPort(unsigned slot, const QString& path)
{
    m_settings.Store().SetString(settings::kCommPort, PortDeviceValueName(slot), path.toStdString());
}

QString CAppFixture::TempPath(const QString& name) const
{
    return QDir(m_files.path()).filePath(name);
}

bool CAppFixture::Start(const QStringList& arguments)
{
    Stop();
    CZQL52App::SOptions options;
    options.settingsFile = m_settings.IniPath();
    options.lockDirectory = m_lockDir.path();
    options.tones = &m_tones;
    options.clock = &m_clock;
    options.handleTerminationSignals = false;
    options.serialDevices = [this] { return m_serialDevices; };
    m_app = std::make_unique<CZQL52App>(options);
    return m_app->InitInstance(QStringList({QStringLiteral("zql52")}) + arguments);
}

int CAppFixture::Stop()
{
    if (!m_app) {
        return 0;
    }
    const int exitCode = m_app->ExitInstance();
    m_app.reset();
    return exitCode;
}

CZQL52Doc& CAppFixture::Doc()
{
    return *m_app->Document();
}

CMainFrame& CAppFixture::Frame()
{
    return *m_app->MainFrame();
}

CZQL52View& CAppFixture::View()
{
    return *m_app->View();
}

SRunningProgram::SRunningProgram()
{
    app.MarkSetupDone(5, 0, 2);
    started = app.Start();
}

std::string SRunningProgram::Image()
{
    return Doc().GetRadioData().Execute("IMAGE");
}

QString SRunningProgram::Cell(int row, int column)
{
    return View().model()->index(row, column).data().toString();
}

bool SRunningProgram::Enabled(int command)
{
    Frame().UpdateCommandUi();
    return Frame().Action(command)->isEnabled();
}

QString SRunningProgram::Text(int command)
{
    Frame().UpdateCommandUi();
    return Frame().Action(command)->text();
}

QString SRunningProgram::UndoText()
{
    return Text(cmd::kEditUndo);
}

bool SRunningProgram::ShowActive()
{
    Frame().activateWindow();
    View().setFocus();
    return QTest::qWaitForWindowActive(&Frame());
}
