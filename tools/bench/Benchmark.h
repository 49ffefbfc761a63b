#pragma once
// Named benchmarks of qvl-bench. Each registers itself from its own file and prints
// "name: value" lines, ending with "ratio <name>: X" where it compares two ways.
#include <QString>
#include <functional>

namespace bench {

using Body = std::function<void()>;

struct Registrar {
    Registrar(const char* name, Body body);
};

void print(const QString& name, double value, const char* unit = "");
void printRatio(const QString& name, double ratio);
// Milliseconds taken by fn, best of `repeat` runs.
double timeMs(const std::function<void()>& fn, int repeat = 1);

}  // namespace bench

#define QVL_BENCHMARK(name) \
    static void bench_##name(); \
    static ::bench::Registrar registrar_##name(#name, bench_##name); \
    static void bench_##name()
