#pragma once
// Clickable web addresses in a rich text box. While the box is hooked, the addresses in its
// text show as links, and a left press on one opens it in the browser; the press goes on to the
// box as usual. One box is hooked at a time.
#include <QList>
#include <QString>

class QTextEdit;
class QWidget;

struct LinkRange {
    int start = 0;   // offset in the paragraph
    int length = 0;
    bool operator==(const LinkRange&) const = default;
};

// The web addresses in one paragraph: scheme addresses (https:, http:, ftp:, mailto:, ...) and
// addresses beginning "www.", up to the next blank, without trailing punctuation.
QList<LinkRange> FindLinks(const QString& paragraph);

// Hooks the box; the parent is the pane that holds it. Does nothing while a box is hooked.
void EnableAutoUrlDetect(QTextEdit* hWndRichText, QWidget* hWndParent);
// Unhooks the box; does nothing when none is hooked.
void DisableAutoUrlDetect();

// The longest link handed to the browser; a longer one is cut to it.
inline constexpr int kLongestLink = 1023;
