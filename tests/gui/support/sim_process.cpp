#include "sim_process.h"

#include <QFileInfo>

bool CQtSimProcess::Start(const QString& linkPath, const QStringList& arguments)
{
    m_link = linkPath;
    std::vector<std::string> options = {"--link", linkPath.toStdString()};
    for (const QString& argument : arguments) {
        options.push_back(argument.toStdString());
    }
    // The simulator makes the link before it prints the device line.
    return m_process.Start(options) && QFileInfo::exists(linkPath);
}
