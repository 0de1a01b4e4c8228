#pragma once
// Every test class of a folder registers itself here; testmain.cpp runs them all
// in one program, passing the command line on so that -functions etc. still work.
#include <QObject>
#include <functional>
#include <vector>

namespace testing_registry {
using Factory = std::function<QObject *()>;
std::vector<std::pair<const char *, Factory>> &all();
struct Registrar {
    Registrar(const char *name, Factory f) { all().emplace_back(name, std::move(f)); }
};
} // namespace testing_registry

#define UNITDESK_TEST(Class)                                                                                 \
    static testing_registry::Registrar registrar_##Class(#Class, [] { return new Class; });
