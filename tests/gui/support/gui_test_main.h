#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

// Several Qt Test classes share one test executable, and CTest runs each in a process of its own: "EXE
// NAME [Qt Test arguments]" runs the class registered under NAME (the base name of its source file, such
// as "tst_main_frame"); "EXE" alone runs them all, one after the other.
namespace gui_test {

using Factory = std::function<std::unique_ptr<QObject>()>;
// A step run first in main, before the application object exists; a value ends the process with that
// exit code. For tests that start this executable as a helper process of their own.
using EarlyStep = std::function<std::optional<int>(int argc, char** argv)>;

bool Register(const char* sourceFile, Factory factory);
bool RegisterEarlyStep(EarlyStep step);

// The arguments that run the current test class again in a child process, followed by the given Qt Test
// arguments (such as the name of one test function).
QStringList ArgumentsForThisTest(const QStringList& testArguments);

} // namespace gui_test

// Registers a test class of this source file; it takes the place of QTEST_MAIN.
#define ZQ_GUI_TEST(TestClass)                                                                               \
    namespace {                                                                                              \
    const bool g_registered##TestClass = gui_test::Register(                                                 \
        __FILE__, [] { return std::unique_ptr<QObject>(std::make_unique<TestClass>()); });                   \
    }
