#pragma once
// Blocking pauses and letting pending events run.
#include <vector>

namespace platform {

// Blocks the calling thread for the given time; nothing else runs meanwhile.
void Sleep(int milliseconds);

// Lets pending paint and timer events run. User input stays queued, so no click can
// re-enter the work under way.
void DoEvents();

// While one exists, pauses return at once and are recorded.
class PauseRecorder {
public:
    PauseRecorder();
    ~PauseRecorder();
    PauseRecorder(const PauseRecorder&) = delete;
    PauseRecorder& operator=(const PauseRecorder&) = delete;
    const std::vector<int>& pauses() const { return pauses_; }
    void record(int ms) { pauses_.push_back(ms); }

private:
    std::vector<int> pauses_;
    PauseRecorder* previous_;
};

}  // namespace platform
