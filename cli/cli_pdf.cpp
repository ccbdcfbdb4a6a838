#include "cli/cli_common.h"
#include "interchange/channel_sheet.h"
#include "print/channel_sheet_painter.h"

#include <QGuiApplication>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>

// PDF files for "export": the channel sheet painted with QtGui on the offscreen platform, so that no
// display is needed.
namespace cli {

namespace {

constexpr const char* kApplicationName = "zql52-cli";

// Today, or the day of SOURCE_DATE_EPOCH (in UTC) so that a build or a test makes the same file twice.
std::chrono::year_month_day PrintedDate()
{
    std::time_t now = std::time(nullptr);
    std::tm parts{};
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch != nullptr && *epoch != '\0') {
        now = static_cast<std::time_t>(std::strtoll(epoch, nullptr, 10));
        gmtime_r(&now, &parts);
    } else {
        localtime_r(&now, &parts);
    }
    return std::chrono::year_month_day{std::chrono::year(parts.tm_year + 1900),
                                       std::chrono::month(static_cast<unsigned>(parts.tm_mon + 1)),
                                       std::chrono::day(static_cast<unsigned>(parts.tm_mday))};
}

// Qt's own notes (such as a missing runtime folder on a headless machine) are no concern of the user's;
// only its critical messages get through.
void QuietMessages(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
}

} // namespace

bool ChannelSheetPdf(ICommandTarget& data, const std::string& file, bool all, std::string& pdf,
                     std::string& /*error*/)
{
    channel_sheet::SOptions options;
    options.blankChannels = all;
    options.commonSettings = all;
    options.dtmfMemories = all;
    const channel_sheet::SSheet sheet = channel_sheet::BuildSheet(
        data, std::filesystem::path(file).filename().string(), PrintedDate(), options);

    // Fonts and painting need a QGuiApplication; it must never look for a display. It also takes the
    // user's locale for the C library, which the radio data's number texts must not follow afterwards.
    const std::string locale = std::setlocale(LC_ALL, nullptr);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    int argc = 1;
    char name[] = "zql52-cli";
    char* argv[] = {name, nullptr};
    {
        QGuiApplication application(argc, argv);
        QGuiApplication::setApplicationName(QString::fromLatin1(kApplicationName));
        const QByteArray bytes =
            sheet_print::ChannelSheetPdf(sheet, sheet_print::DefaultPageSize(QLocale::system()));
        pdf.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
    }
    std::setlocale(LC_ALL, locale.c_str());
    return true;
}

} // namespace cli
