#include "platform/randomsource.h"

#include <chrono>
#include <cmath>
#include <random>

namespace platform {
namespace {
ScriptedRandom* g_script = nullptr;

std::mt19937_64& Engine() {
    static std::mt19937_64 engine{std::random_device{}()};
    return engine;
}

double ToUnit(unsigned long long bits) { return static_cast<double>(bits >> 11) * 0x1.0p-53; }

// splitmix64: a small, well-mixed fallback for scripted runs.
unsigned long long SplitMix(unsigned long long& state) {
    unsigned long long z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
}  // namespace

void Randomize() {
    if (g_script) {
        g_script->seeded();
        return;
    }
    static unsigned long long counter = 0;
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seq{static_cast<unsigned>(ticks), static_cast<unsigned>(static_cast<unsigned long long>(ticks) >> 32),
                      static_cast<unsigned>(++counter), static_cast<unsigned>(std::random_device{}())};
    Engine().seed(seq);
}

double Rnd() {
    if (g_script) return g_script->next();
    return ToUnit(Engine()());
}

int RandomChoice(int first, int count, double r) {
    return first + static_cast<int>(std::floor(static_cast<double>(count) * r));
}

ScriptedRandom::ScriptedRandom(std::deque<double> values) : values_(std::move(values)), previous_(g_script) {
    g_script = this;
}
ScriptedRandom::~ScriptedRandom() { g_script = previous_; }

double ScriptedRandom::next() {
    ++taken_;
    if (!values_.empty()) {
        double v = values_.front();
        values_.pop_front();
        return v;
    }
    return ToUnit(SplitMix(fallbackState_));
}

}  // namespace platform
