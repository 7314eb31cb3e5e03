#pragma once
// The writers of the reading report: its header and its card section.
#include "state/readingstate.h"

#include <QString>

namespace platform {
class RichTextBox;
}

// The maker's site as the report shows it.
inline const QString kMakerSite = QStringLiteral("https://www.corvantelle.example/");

// The spread name by which position texts are written; set by WriteCardReadings.
QString& strPositionSpread();

void WriteReportHeader(platform::RichTextBox& box, const QString& spreadName);
void WritePositionText(platform::RichTextBox& box, int position);
void WriteCardReadings(platform::RichTextBox& box, const CardArray& drawnCards, const CardArray& reversedCards);
