#include "catalogue/report.h"

#include "catalogue/arrays.h"
#include "catalogue/cards.h"
#include "catalogue/spreads.h"
#include "platform/richtextbox.h"

namespace {
const QString kCrLf = QStringLiteral("\r\n");
// A rule line is this many underlined blanks, whatever the width of the box.
const QString kRuleBlanks = QString(512, QLatin1Char(' '));

const QString kBanner = QStringLiteral(
    "Corvantelle the most popular online discussion forum. A place to learn, to share and to make new friends.");
const QString kClosingText =
    QStringLiteral("Thank You for using CV Ruda Dored Ivadezo Radadudu. Come spend some time with us online at ") +
    kMakerSite + QStringLiteral(". The best online discussion forum for every esoteric.");

void Write(platform::RichTextBox& box, const QString& text) { box.setSelText(text); }

void WriteBold(platform::RichTextBox& box, const QString& text) {
    box.setSelBold(true);
    box.setSelText(text);
    box.setSelBold(false);
}

void WriteUnderlined(platform::RichTextBox& box, const QString& text) {
    box.setSelUnderline(true);
    box.setSelText(text);
    box.setSelUnderline(false);
}

// How each spread frames its description below the header line.
void WriteDescription(platform::RichTextBox& box, const TarotSpread& spread) {
    const QString& name = spread.strDisplayName;
    if (name == QLatin1String("One Card") || name == QLatin1String("Two Cards") ||
        name == QLatin1String("Three Cards")) {
        Write(box, kCrLf + spread.strDescription + kCrLf);
        Write(box, kCrLf);
    } else if (name == QLatin1String("Eliphas Levy Wheel Spread(Hollin)")) {
        Write(box, kCrLf);
        Write(box, kCrLf + spread.strDescription);
        Write(box, kCrLf);
    } else {
        Write(box, kCrLf + spread.strDescription);
        Write(box, kCrLf);
    }
}
}  // namespace

QString& strPositionSpread() {
    static QString spread;
    return spread;
}

void WriteReportHeader(platform::RichTextBox& box, const QString& spreadName) {
    box.setSelStart(box.Text().size());
    box.setSelBold(false);
    box.setSelUnderline(false);

    WriteBold(box, kBanner + kCrLf + kCrLf);
    box.setSelBold(true);
    box.setSelAlignment(platform::kAlignCenter);
    Write(box, QStringLiteral("Visit ") + kCrLf);
    box.setSelBold(false);
    WriteBold(box, kMakerSite + QStringLiteral(" ") + kCrLf);
    box.setSelBold(true);
    Write(box, QStringLiteral("Now ") + kCrLf);
    box.setSelAlignment(platform::kAlignLeft);
    box.setSelBold(false);
    WriteUnderlined(box, kRuleBlanks + kCrLf);

    const TarotSpread* spread = SpreadByName(spreadName);
    if (!spread) return;
    WriteBold(box, spread->strHeader);
    WriteDescription(box, *spread);
    WriteUnderlined(box, kRuleBlanks + kCrLf + kCrLf);
}

void WritePositionText(platform::RichTextBox& box, int position) {
    const TarotSpread* spread = SpreadByName(strPositionSpread());
    if (!spread || position < 0 || position >= spread->lngCardCount) return;
    const SpreadPosition& p = spread->arrPositions[position];
    WriteBold(box, p.strTitle);
    Write(box, p.blnSameLine ? p.strMeaning : kCrLf + p.strMeaning);
}

void WriteCardReadings(platform::RichTextBox& box, const CardArray& drawnCards, const CardArray& reversedCards) {
    const ReadingState& state = State();
    strPositionSpread() = state.reading.strSpreadName;
    if (strPositionSpread().isEmpty()) strPositionSpread() = state.opened.strOpenedSpreadName;

    // An automatic cast's array ends in a spare element that is not reported.
    const int count = static_cast<int>(drawnCards.size());
    const int last = state.reading.blnManualMode ? count - 1 : count - 2;

    for (int i = 0; i <= last; ++i) {
        const std::int32_t id = drawnCards[i];
        if (const TarotCard* card = CardById(id)) {
            const bool reversed = IsInArray(id, reversedCards);
            WritePositionText(box, i);
            WriteBold(box, kCrLf + kCrLf + (reversed ? ReversedTitle(*card) : card->strTitle));
            Write(box, kCrLf + (reversed ? card->strReversed : card->strUpright));
        }
        WriteUnderlined(box, kCrLf + kRuleBlanks + kCrLf);
    }
    WriteBold(box, kCrLf + kClosingText + kCrLf);
}
