#pragma once
// Blocking pauses and letting pending events run.
#include <functional>
#include <vector>

class QWidget;

namespace platform {

// Holds the calling thread for the given time. The display server is still answered meanwhile (a
// window manager's ping, a paint of an uncovered window), but clicks, keys and the close requests
// Qt queues wait for its end, and no timer runs. A close that the compositor asks through a call
// (Wayland's) comes in during the pause: callers refuse it with a UserInputHold.
void Sleep(int milliseconds);

// Lets pending paint and timer events run. User input stays queued, so no click can
// re-enter the work under way.
void DoEvents();

// Puts the widget's window on the screen as it stands now, before a blocking pause: pending
// paint work runs (user input stays queued), the whole window is drawn again over whatever
// the display uncovered meanwhile (a menu that just closed) and sent to the display, and on
// X11 the display has drawn it when this returns.
void Refresh(QWidget* widget);

// While one exists, pauses are recorded and return at once (unless set to take their real time).
class PauseRecorder {
public:
    PauseRecorder();
    ~PauseRecorder();
    PauseRecorder(const PauseRecorder&) = delete;
    PauseRecorder& operator=(const PauseRecorder&) = delete;
    const std::vector<int>& pauses() const { return pauses_; }
    void record(int ms);
    // Runs at every pause, where the thread would block: a test looks at the screen then.
    void setAtPause(std::function<void()> atPause) { atPause_ = std::move(atPause); }
    // The pauses, once recorded, take their real time as in the program.
    void setRealTime(bool realTime) { realTime_ = realTime; }
    bool realTime() const { return realTime_; }

private:
    std::vector<int> pauses_;
    std::function<void()> atPause_;
    bool realTime_ = false;
    PauseRecorder* previous_;
};

}  // namespace platform
