#pragma once
// The random source: doubles in [0, 1) with 53 random bits, never 1.0.
#include <deque>

namespace platform {

// Seeds the source from a high-resolution clock; two seedings never repeat.
void Randomize();

// The next value r, 0 <= r < 1.
double Rnd();

// A choice among count things starting at first: first + floor(count * r), in double.
int RandomChoice(int first, int count, double r);

// While one exists, Rnd returns the scripted values in order, then values of a fixed seed.
class ScriptedRandom {
public:
    explicit ScriptedRandom(std::deque<double> values = {});
    ~ScriptedRandom();
    ScriptedRandom(const ScriptedRandom&) = delete;
    ScriptedRandom& operator=(const ScriptedRandom&) = delete;

    void push(double value) { values_.push_back(value); }
    bool exhausted() const { return values_.empty(); }
    int taken() const { return taken_; }
    int seedings() const { return seedings_; }
    double next();
    void seeded() { ++seedings_; }

private:
    std::deque<double> values_;
    int taken_ = 0;
    int seedings_ = 0;
    unsigned long long fallbackState_ = 0x9E3779B97F4A7C15ull;
    ScriptedRandom* previous_;
};

}  // namespace platform
