#pragma once
// Small helpers for the casting tests: a card table that records what a cast does to it,
// random values that draw chosen ids, and a folder of card pictures of our own.
#include "casting/engine.h"
#include "catalogue/spreads.h"
#include "platform/richtextbox.h"
#include "state/readingstate.h"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <cmath>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <vector>

// The random value that makes a draw from the pool give the id.
inline double ValueFor(std::int32_t id, casting::CardPool pool) {
    return (static_cast<double>(id - pool.first) + 0.5) / static_cast<double>(pool.size);
}

inline const double kLargestBelowOne = std::nextafter(1.0, 0.0);

// The reading state as a fresh selection window leaves it.
inline void FreshState() {
    State() = ReadingState{};
    State().Reset();
}

inline void ChooseSpread(const QString& name, bool minor = false, bool major = false, bool reverse = false) {
    ReadingState& state = State();
    state.reading.strSpreadName = name;
    const TarotSpread* spread = SpreadByName(name);
    state.reading.lngCardCount = spread ? spread->lngCardCount : -1;
    state.reading.blnManualMode = false;
    state.options.blnMinorArcana = minor;
    state.options.blnMajorArcana = major;
    state.options.blnAllowReverse = reverse;
    state.options.blnAutoCastPressed = true;
    state.options.blnManualPressed = false;
}

// Calls back each time pending events are let run (as a cast or a deal does before every draw
// attempt) for as long as the callback asks for more and the watcher lives.
class WhileEventsRun : public QObject {
public:
    explicit WhileEventsRun(std::function<bool()> callback) : callback_(std::move(callback)) { Post(); }

protected:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::User) return QObject::event(event);
        if (callback_()) Post();
        return true;
    }

private:
    void Post() { QCoreApplication::postEvent(this, new QEvent(QEvent::User)); }
    std::function<bool()> callback_;
};

// A card table that keeps what was done to it.
class RecordingTable : public casting::CardTableSurface {
public:
    enum class Shown { None, Upright, Reversed, Across };

    void ShowBox(int k) override {
        log.push_back(QStringLiteral("show %1").arg(k));
        visible.insert(k);
    }
    void ShowLabel(int k) override {
        log.push_back(QStringLiteral("label %1").arg(k));
        labelled.insert(k);
    }
    void PlaceBox(int k, float left, float top) override {
        log.push_back(QStringLiteral("place %1").arg(k));
        places[k] = {left, top};
    }
    void HideBoxesFrom(int k) override {
        log.push_back(QStringLiteral("hide from %1").arg(k));
        for (int i = k; i < 21; ++i) {
            visible.erase(i);
            labelled.erase(i);
        }
    }
    void LoadCardPicture(int k, std::int32_t id) override { picture(k, id, Shown::Upright); }
    void ShowCrossingCard(int k, std::int32_t id) override { picture(k, id, Shown::Across); }
    void ShowReversedCard(int k, std::int32_t id) override { picture(k, id, Shown::Reversed); }
    std::int32_t& CandidateCard() override { return candidate; }

    QStringList log;
    std::set<int> visible;
    std::set<int> labelled;
    std::map<int, std::pair<float, float>> places;
    std::map<int, std::pair<std::int32_t, Shown>> pictures;
    std::int32_t candidate = 0;

private:
    void picture(int k, std::int32_t id, Shown how) {
        log.push_back(QStringLiteral("picture %1").arg(k));
        pictures[k] = {id, how};
    }
};

// Writes card pictures r0..r77 and m0..m77 of our own into <folder>/cards: every card a colour
// of its own, with a white square in its top-left corner so that a turn can be seen.
inline void WriteCardPictures(const QString& folder, const QStringList& letters = {QStringLiteral("r"), QStringLiteral("m")}) {
    QDir().mkpath(folder + QStringLiteral("/cards"));
    QDir().mkpath(folder + QStringLiteral("/pic"));
    for (const QString& letter : letters) {
        for (int id = 0; id < 78; ++id) {
            QImage face(145, 250, QImage::Format_RGB32);
            const int value = letter == QLatin1String("r") ? 120 : 200;
            face.fill(QColor::fromHsv((id * 37) % 360, 220, value));
            QPainter painter(&face);
            painter.fillRect(0, 0, 40, 40, Qt::white);
            painter.end();
            face.save(folder + QStringLiteral("/cards/") + letter + QString::number(id) + QStringLiteral(".jpg"), "JPG", 95);
        }
    }
}

inline QImage Rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }
