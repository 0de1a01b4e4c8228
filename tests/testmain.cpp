#include "testmain.h"

#include <QApplication>
#include <QTest>
#include <cstring>
#include <memory>

namespace testing_registry {
std::vector<std::pair<const char *, Factory>> &all()
{
    static std::vector<std::pair<const char *, Factory>> registry;
    return registry;
}
} // namespace testing_registry

// Usage: test_<folder> [ClassName] [QtTest options]. With a class name only that class runs.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const char *only = nullptr;
    std::vector<char *> args(argv, argv + argc);
    if (argc > 1 && argv[1][0] != '-') {
        only = argv[1];
        args.erase(args.begin() + 1);
    }
    int failures = 0;
    for (auto &[name, make] : testing_registry::all()) {
        if (only && std::strcmp(only, name) != 0)
            continue;
        std::unique_ptr<QObject> test(make());
        failures += QTest::qExec(test.get(), int(args.size()), args.data());
    }
    return failures == 0 ? 0 : 1;
}
