#include "gui_test_main.h"

#include <QApplication>
#include <QFileInfo>
#include <QtTest>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

std::map<std::string, gui_test::Factory>& Tests()
{
    static std::map<std::string, gui_test::Factory> tests;
    return tests;
}

std::vector<gui_test::EarlyStep>& EarlySteps()
{
    static std::vector<gui_test::EarlyStep> steps;
    return steps;
}

std::string g_current;

int RunTest(const std::string& name, const gui_test::Factory& factory, int argc, char** argv)
{
    g_current = name;
    const std::unique_ptr<QObject> test = factory();
    return QTest::qExec(test.get(), argc, argv);
}

} // namespace

namespace gui_test {

bool Register(const char* sourceFile, Factory factory)
{
    const std::string name = QFileInfo(QString::fromLocal8Bit(sourceFile)).completeBaseName().toStdString();
    return Tests().emplace(name, std::move(factory)).second;
}

bool RegisterEarlyStep(EarlyStep step)
{
    EarlySteps().push_back(std::move(step));
    return true;
}

QStringList ArgumentsForThisTest(const QStringList& testArguments)
{
    return QStringList(QString::fromStdString(g_current)) + testArguments;
}

} // namespace gui_test

int main(int argc, char** argv)
{
    for (const gui_test::EarlyStep& step : EarlySteps()) {
        if (const std::optional<int> exitCode = step(argc, argv)) {
            return *exitCode;
        }
    }
    QApplication application(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);

    if (argc >= 2 && argv[1][0] != '-') {
        const auto test = Tests().find(argv[1]);
        if (test == Tests().end()) {
            std::fprintf(stderr, "no test class %s in this executable\n", argv[1]);
            return 2;
        }
        // Qt Test sees the program name and the arguments after the class name.
        argv[1] = argv[0];
        return RunTest(test->first, test->second, argc - 1, argv + 1);
    }
    int failed = 0;
    for (const auto& [name, factory] : Tests()) {
        failed += RunTest(name, factory, argc, argv) != 0 ? 1 : 0;
    }
    return failed;
}
