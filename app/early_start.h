#pragma once

#include <optional>
#include <string>
#include <string_view>

// What the desktop program does before it creates its QApplication: it answers --version and --help,
// which need no display, and refuses plainly to start without one, where Qt would abort with a core
// dump.
namespace early_start {

inline constexpr int kExitNoDisplay = 1;

// The platform plugin Qt will load: the value of "-platform NAME" (or "--platform NAME") on the
// command line, else the QT_QPA_PLATFORM variable (null: unset); empty for Qt's default.
std::string PlatformName(int argc, char** argv, const char* platformVariable);

// Whether a window can be opened on that platform. An explicit platform (offscreen, xcb, a list) is
// trusted, and a failure inside Qt is caught by PlatformGuard; Qt's default needs DISPLAY or
// WAYLAND_DISPLAY (null or empty: unset).
bool DisplayAvailable(std::string_view platform, const char* display, const char* waylandDisplay);

// The message printed when no display was found; `reason` says what was missing.
std::string NoDisplayMessage(std::string_view reason);

// Answers --version and --help and checks for a display. Returns the exit status when the program must
// end here, without creating its QApplication.
std::optional<int> Run(int argc, char** argv);

// While it lives, Qt's fatal "no platform plugin could be initialized" (a display that is set but
// cannot be reached) ends the program with NoDisplayMessage and kExitNoDisplay instead of an abort.
class PlatformGuard
{
public:
    PlatformGuard();
    ~PlatformGuard();
    PlatformGuard(const PlatformGuard&) = delete;
    PlatformGuard& operator=(const PlatformGuard&) = delete;
};

} // namespace early_start
