#include "app/zql52_app.h"
#include "res/icons.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Velk"));
    QApplication::setApplicationName(QStringLiteral("ZQ-L52"));
    QApplication::setWindowIcon(AppIcon());

    CZQL52App app;
    if (!app.InitInstance(QApplication::arguments())) {
        return app.ExitInstance();
    }
    const int result = QApplication::exec();
    const int exitCode = app.ExitInstance();
    return result != 0 ? result : exitCode;
}
