#include "app/qt_settings_store.h"
#include "app/single_instance.h"
#include "core/settings_store.h"
#include "res/icons.h"
#include "ui/main_frame.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Velk"));
    QApplication::setApplicationName(QStringLiteral("ZQ-L52"));
    QApplication::setWindowIcon(AppIcon());

    // A second copy ends at once and silently; the running one is left alone.
    CSingleInstance instance;
    if (!instance.TryAcquire()) {
        return 0;
    }

    CQtSettingsStore settings;
    CMainFrame frame(settings);
    frame.ShowFrame();
    frame.SetCallSignText(
        QString::fromStdString(settings.GetString(settings::kSetupInfo, settings::kCallSign, "")));
    return QApplication::exec();
}
