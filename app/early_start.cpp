#include "app/early_start.h"

#include "zq_version.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace early_start {

namespace {

constexpr const char* kProgram = "zql52";
constexpr const char* kUsage = "usage: zql52 [-S] [FILE]\n"
                               "\n"
                               "  FILE       a clone data file (.vlk) to open\n"
                               "  -S         run the transceiver profile setup again\n"
                               "  --version  print the version and exit\n"
                               "  --help     print this text and exit\n"
                               "\n"
                               "Without a display, use the command-line tool: zql52-cli --help\n";

bool IsSet(const char* value)
{
    return value != nullptr && *value != '\0';
}

QtMessageHandler g_previousHandler = nullptr;

void OnQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg && message.contains(QLatin1String("platform plugin"))) {
        const char* display = std::getenv("DISPLAY");
        const std::string reason = IsSet(display)
                                       ? std::string("the display ") + display + " could not be opened"
                                       : std::string("the window system could not be reached");
        std::fputs(NoDisplayMessage(reason).c_str(), stderr);
        std::fflush(stderr);
        std::_Exit(kExitNoDisplay);
    }
    if (g_previousHandler != nullptr) {
        g_previousHandler(type, context, message);
    }
}

} // namespace

std::string PlatformName(int argc, char** argv, const char* platformVariable)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
            return argv[i + 1];
        }
    }
    return IsSet(platformVariable) ? platformVariable : "";
}

bool DisplayAvailable(std::string_view platform, const char* display, const char* waylandDisplay)
{
    return !platform.empty() || IsSet(display) || IsSet(waylandDisplay);
}

std::string NoDisplayMessage(std::string_view reason)
{
    std::string text = std::string(kProgram) + ": no display was found: ";
    text += reason;
    text += ".\n"
            "The window needs a graphical session. Without one, use the command-line tool:\n"
            "    zql52-cli --help\n"
            "To try the window on a virtual display:\n"
            "    xvfb-run -a zql52\n";
    return text;
}

std::optional<int> Run(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s %s\n", kProgram, kZqVersion);
            return EXIT_SUCCESS;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kUsage, stdout);
            return EXIT_SUCCESS;
        }
    }
    const std::string platform = PlatformName(argc, argv, std::getenv("QT_QPA_PLATFORM"));
    if (!DisplayAvailable(platform, std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"))) {
        std::fputs(NoDisplayMessage("neither DISPLAY nor WAYLAND_DISPLAY is set").c_str(), stderr);
        return kExitNoDisplay;
    }
    return std::nullopt;
}

PlatformGuard::PlatformGuard()
{
    g_previousHandler = qInstallMessageHandler(OnQtMessage);
}

PlatformGuard::~PlatformGuard()
{
    qInstallMessageHandler(g_previousHandler);
    g_previousHandler = nullptr;
}

} // namespace early_start
