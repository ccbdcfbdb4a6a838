#include "app/early_start.h"
#include "app/zql52_app.h"
#include "res/icons.h"
#include "res/translations.h"

#include <QApplication>
#include <memory>

int main(int argc, char* argv[])
{
    if (const auto exitCode = early_start::Run(argc, argv)) {
        return *exitCode;
    }
    auto guard = std::make_unique<early_start::PlatformGuard>();
    QApplication application(argc, argv);
    guard.reset();
    QApplication::setOrganizationName(QStringLiteral("Velk"));
    QApplication::setApplicationName(QStringLiteral("ZQ-L52"));
    QApplication::setDesktopFileName(QStringLiteral("zql52"));
    QApplication::setWindowIcon(AppIcon());
    InstallDesktopLanguage();

    CZQL52App app;
    if (!app.InitInstance(QApplication::arguments())) {
        return app.ExitInstance();
    }
    const int result = QApplication::exec();
    const int exitCode = app.ExitInstance();
    return result != 0 ? result : exitCode;
}
