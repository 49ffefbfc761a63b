#include "tools/bench/Benchmark.h"

#include <QElapsedTimer>
#include <cstdio>
#include <map>
#include <string>

namespace bench {

static std::map<std::string, Body>& registry()
{
    static std::map<std::string, Body> r;
    return r;
}

Registrar::Registrar(const char* name, Body body) { registry()[name] = std::move(body); }

void print(const QString& name, double value, const char* unit)
{
    std::printf("%s: %.3f%s%s\n", qPrintable(name), value, *unit ? " " : "", unit);
    std::fflush(stdout);
}

void printRatio(const QString& name, double ratio)
{
    std::printf("ratio %s: %.2f\n", qPrintable(name), ratio);
    std::fflush(stdout);
}

double timeMs(const std::function<void()>& fn, int repeat)
{
    double best = -1;
    for (int i = 0; i < repeat; ++i) {
        QElapsedTimer t;
        t.start();
        fn();
        const double ms = t.nsecsElapsed() / 1e6;
        if (best < 0 || ms < best)
            best = ms;
    }
    return best;
}

}  // namespace bench

// Usage: qvl-bench [NAME...]; no name runs them all, "--list" lists them.
int main(int argc, char** argv)
{
    auto& all = bench::registry();
    if (argc > 1 && std::string(argv[1]) == "--list") {
        for (const auto& [name, body] : all)
            std::printf("%s\n", name.c_str());
        return 0;
    }
    int status = 0;
    if (argc == 1) {
        for (const auto& [name, body] : all)
            body();
    }
    for (int i = 1; i < argc; ++i) {
        const auto it = all.find(argv[i]);
        if (it == all.end()) {
            std::fprintf(stderr, "no benchmark named %s\n", argv[i]);
            status = 2;
            continue;
        }
        it->second();
    }
    return status;
}
