#pragma once
// The casting engine behind the card table's six casting routines: which routine the options
// call for, which spread block a cast runs, the draw, the reversal decisions, the order in which
// a block lays its cards out, the replay of an opened reading and the closing steps.
// It drives the card table through CardTableSurface and writes into the report box; it creates
// no widget.
#include "state/readingstate.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

namespace platform {
class RichTextBox;
}

namespace casting {

// When a block lays its boxes out, for the routines that do not always lay out first.
enum class BlockForm {
    DrawFirst,  // draw, then place; each box appears with its picture and its number
    ShowFirst,  // show, number and place every box, then draw
};

// One spread block, tested in the fixed order of CastBlocks().
struct CastBlock {
    const char* spreadName;  // the spread's display name
    int count;               // its card count
    bool nameTested;         // false: recognised by the count alone
    BlockForm form;
};

std::span<const CastBlock> CastBlocks();

// The block whose test holds for the count and spread name, if any. The name is compared
// exactly: same characters, same case, nothing trimmed.
std::optional<int> FindBlock(int count, const QString& spreadName);

struct CardPool {
    std::int32_t first;
    std::int32_t size;
};

// What sets one casting routine apart from the others.
struct CastProfile {
    CardPool pool;
    bool reversals;          // every card but the crossing card may come out reversed
    bool eraseReversed;      // arrReversedCards is emptied before anything else
    bool replays;            // serves a pending replay of an opened reading
    bool alwaysLayoutFirst;  // every block lays out before the draw, whatever its form
    // The options under which the routine casts; any other set casts nothing.
    bool minorArcana;
    bool majorArcana;
    bool allowReverse;
};

inline constexpr CastProfile kWholeDeck{{0, 78}, false, false, true, true, false, false, false};
inline constexpr CastProfile kMinorArcana{{22, 56}, false, false, false, false, true, false, false};
inline constexpr CastProfile kMajorArcana{{0, 22}, false, false, false, false, false, true, false};
inline constexpr CastProfile kWholeDeckReversed{{0, 78}, true, true, false, false, false, false, true};
inline constexpr CastProfile kMinorArcanaReversed{{22, 56}, true, true, false, false, true, false, true};
inline constexpr CastProfile kMajorArcanaReversed{{0, 22}, true, true, false, false, false, true, true};

// The casting routine (1 to 6, DONE1 to DONE6) that the card table's load calls for the options;
// nothing when the cast was not started with "AutoCast" or the options form no row.
std::optional<int> CastRoutineFor(const ReadingOptions& options);

// Whether the three option flags form one of the six rows of the dispatch.
bool OptionsFormARow(const ReadingOptions& options);

// The reversal decision of one position: the value rounded to the nearest whole number, a half
// going to the even neighbour, so only a value above one half reverses.
bool ComesOutReversed(double value);

// Fills drawn[0..] in order with ids from the pool, no id twice: before every attempt the
// pending events run, then one random value gives a candidate, which is drawn again while one
// of the positions already drawn holds it.
void DrawCards(std::span<std::int32_t> drawn, CardPool pool, const std::function<void()>& beforeAttempt,
               std::int32_t& candidate);

// The card table as the engine sees it. Box k and label k serve position k; a k that names no
// box is ignored.
class CardTableSurface {
public:
    virtual ~CardTableSurface() = default;
    virtual void ShowBox(int k) = 0;    // enabled and visible
    virtual void ShowLabel(int k) = 0;  // enabled, then visible
    virtual void PlaceBox(int k, float left, float top) = 0;  // twips
    virtual void HideBoxesFrom(int k) = 0;  // boxes and labels k to 20
    virtual void LoadCardPicture(int k, std::int32_t id) = 0;
    virtual void ShowCrossingCard(int k, std::int32_t id) = 0;  // upright, turned across
    virtual void ShowReversedCard(int k, std::int32_t id) = 0;  // upside down
    virtual std::int32_t& CandidateCard() = 0;  // the draw's candidate, kept by the window
};

struct CastEnvironment {
    // The card table. Its first use may load it; nothing when it cannot be had or was
    // unloaded while the cast let events run.
    std::function<CardTableSurface*()> table;
    std::function<platform::RichTextBox&()> report;
    // Lets pending events run, once before every draw attempt.
    std::function<void()> letEventsRun;
};

// Runs one casting routine with n = no positions on the reading state. A call made while
// another cast is under way does nothing.
void Cast(const CastProfile& profile, int no, const CastEnvironment& env);

bool CastUnderWay();

}  // namespace casting
