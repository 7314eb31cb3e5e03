#include "shell/modRTBAutoUrlDetect.h"

#include "platform/browser.h"

#include <QAbstractTextDocumentLayout>
#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QTextEdit>
#include <memory>

namespace {
const QRegularExpression& LinkPattern() {
    static const QRegularExpression pattern(
        QStringLiteral(R"((?<![\w.@/:])((?:https?|ftp|file|mailto|news|nntp|telnet|gopher|wais|prospero):|www\.)[^\s<>"]+)"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

bool IsTrailingPunctuation(QChar c) { return QStringLiteral(".,;:!?)]}'").contains(c); }

// Draws the links of the box as links; the document's own formats stay as they are.
class LinkHighlighter : public QSyntaxHighlighter {
public:
    using QSyntaxHighlighter::QSyntaxHighlighter;

protected:
    void highlightBlock(const QString& text) override {
        QTextCharFormat link;
        link.setForeground(QColor(0, 0, 255));
        link.setFontUnderline(true);
        for (const LinkRange& r : FindLinks(text)) setFormat(r.start, r.length, link);
    }
};

// The link under a point of the box's viewport, or the empty text.
QString LinkAt(QTextEdit* box, const QPoint& point) {
    const QPointF inDocument(point.x() + box->horizontalScrollBar()->value(), point.y() + box->verticalScrollBar()->value());
    const int position = box->document()->documentLayout()->hitTest(inDocument, Qt::ExactHit);
    if (position < 0) return {};
    const QTextBlock block = box->document()->findBlock(position);
    if (!block.isValid()) return {};
    const int offset = position - block.position();
    const QString text = block.text();
    for (const LinkRange& r : FindLinks(text)) {
        if (offset >= r.start && offset < r.start + r.length) return text.mid(r.start, r.length);
    }
    return {};
}

class LinkClicks : public QObject {
public:
    explicit LinkClicks(QTextEdit* box) : box_(box), viewport_(box->viewport()) {}

protected:
    // Only mouse events touch the box: other events also come while it is being destroyed.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != viewport_) return false;
        if (event->type() == QEvent::MouseButtonPress) {
            auto* press = static_cast<QMouseEvent*>(event);
            if (press->button() == Qt::LeftButton) {
                const QString link = LinkAt(box_, press->position().toPoint());
                if (!link.isEmpty()) platform::OpenInBrowser(link.left(kLongestLink));
            }
        } else if (event->type() == QEvent::MouseMove) {
            auto* move = static_cast<QMouseEvent*>(event);
            const bool overLink = !LinkAt(box_, move->position().toPoint()).isEmpty();
            box_->viewport()->setCursor(overLink ? Qt::PointingHandCursor : Qt::IBeamCursor);
        }
        return false;  // the box handles the press as usual
    }

private:
    QTextEdit* box_;
    QObject* viewport_;
};

// The one hook of the program.
struct Hook {
    QPointer<QTextEdit> richText;
    QPointer<QWidget> parent;
    std::unique_ptr<LinkClicks> clicks;
    QPointer<LinkHighlighter> highlighter;
    bool hooked = false;
};

Hook& TheHook() {
    static Hook hook;
    return hook;
}
}  // namespace

QList<LinkRange> FindLinks(const QString& paragraph) {
    QList<LinkRange> links;
    auto matches = LinkPattern().globalMatch(paragraph);
    while (matches.hasNext()) {
        const QRegularExpressionMatch m = matches.next();
        int length = static_cast<int>(m.capturedLength(0));
        while (length > 0 && IsTrailingPunctuation(paragraph.at(m.capturedStart(0) + length - 1))) --length;
        if (length <= m.capturedLength(1)) continue;  // a scheme or "www." with nothing after it
        links.append({static_cast<int>(m.capturedStart(0)), length});
    }
    return links;
}

void EnableAutoUrlDetect(QTextEdit* hWndRichText, QWidget* hWndParent) {
    Hook& hook = TheHook();
    if (hook.hooked && hook.richText) return;
    DisableAutoUrlDetect();
    if (!hWndRichText) return;
    hook.richText = hWndRichText;
    hook.parent = hWndParent;
    hook.clicks = std::make_unique<LinkClicks>(hWndRichText);
    hWndRichText->viewport()->setMouseTracking(true);
    hWndRichText->viewport()->installEventFilter(hook.clicks.get());
    hook.highlighter = new LinkHighlighter(hWndRichText->document());
    hook.hooked = true;
}

void DisableAutoUrlDetect() {
    Hook& hook = TheHook();
    if (!hook.hooked) return;
    if (hook.richText) {
        hook.richText->viewport()->removeEventFilter(hook.clicks.get());
        hook.richText->viewport()->unsetCursor();
    }
    if (hook.highlighter) {
        hook.highlighter->setDocument(nullptr);
        delete hook.highlighter.data();
    }
    hook.clicks.reset();
    hook.hooked = false;
}
