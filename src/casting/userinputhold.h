#pragma once
// While a hold lives, no user input reaches any window: clicks, keys and shortcuts that arrive
// wait and are delivered once the hold ends, and requests to close a window are refused.
#include <QObject>
#include <QPointer>
#include <memory>
#include <utility>
#include <vector>

class QEvent;

class UserInputHold : public QObject {
public:
    UserInputHold();
    ~UserInputHold() override;
    UserInputHold(const UserInputHold&) = delete;
    UserInputHold& operator=(const UserInputHold&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
};
