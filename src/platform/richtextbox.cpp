#include "platform/richtextbox.h"

#include "platform/printer.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace platform {
namespace {
// A paragraph of this many blanks or more, underlined, is a rule line across the box.
constexpr int kRuleLineBlanks = 64;

bool IsRuleText(const QString& text) {
    if (text.size() < kRuleLineBlanks) return false;
    for (QChar c : text) {
        if (c != QLatin1Char(' ')) return false;
    }
    return true;
}
}  // namespace

RichTextBox::RichTextBox(QTextDocument* document)
    : owned_(document ? nullptr : std::make_unique<QTextDocument>()),
      document_(document ? document : owned_.get()),
      cursor_(document_) {}

RichTextBox::~RichTextBox() = default;

void RichTextBox::attachView(QTextEdit* view) {
    view_ = view;
    if (view_) {
        view_->setDocument(document_);
        syncView();
    }
}

void RichTextBox::setDefaultFont(const QFont& font) { document_->setDefaultFont(font); }

QString RichTextBox::Text() const {
    QStringList paragraphs;
    for (QTextBlock b = document_->begin(); b.isValid(); b = b.next()) paragraphs << b.text();
    return paragraphs.join(QLatin1String("\r\n"));
}

void RichTextBox::setText(const QString& text) {
    cursor_.select(QTextCursor::Document);
    cursor_.removeSelectedText();
    cursor_.setBlockFormat(QTextBlockFormat());
    cursor_.setCharFormat(QTextCharFormat());
    bold_ = false;
    underline_ = false;
    if (!text.isEmpty()) setSelText(text);
    cursor_.setPosition(0);
    syncView();
}

int RichTextBox::toDocumentPosition(int textPosition) const {
    if (textPosition <= 0) return 0;
    int text = 0;
    for (QTextBlock b = document_->begin(); b.isValid(); b = b.next()) {
        const int len = b.length() - 1;  // without the paragraph separator
        if (textPosition <= text + len) return b.position() + (textPosition - text);
        text += len;
        if (!b.next().isValid()) return b.position() + len;
        text += 2;  // CR LF
        if (textPosition < text) return b.position() + len;  // between CR and LF
    }
    return document_->characterCount() - 1;
}

int RichTextBox::toTextPosition(int documentPosition) const {
    int text = 0;
    for (QTextBlock b = document_->begin(); b.isValid(); b = b.next()) {
        const int len = b.length() - 1;
        if (documentPosition <= b.position() + len) return text + std::max(0, documentPosition - b.position());
        text += len + 2;
    }
    return text > 0 ? text - 2 : 0;
}

int RichTextBox::SelStart() const { return toTextPosition(cursor_.selectionStart()); }

void RichTextBox::setSelStart(int position) {
    cursor_.setPosition(toDocumentPosition(position));
    readFormatAtCaret();
    syncView();
}

int RichTextBox::SelLength() const {
    return toTextPosition(cursor_.selectionEnd()) - toTextPosition(cursor_.selectionStart());
}

void RichTextBox::setSelLength(int length) {
    const int start = SelStart();
    cursor_.setPosition(toDocumentPosition(start));
    cursor_.setPosition(toDocumentPosition(start + std::max(0, length)), QTextCursor::KeepAnchor);
    syncView();
}

QString RichTextBox::SelText() const {
    QString text = cursor_.selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    return text;
}

void RichTextBox::setSelText(const QString& text) {
    if (cursor_.hasSelection()) cursor_.removeSelectedText();
    QTextCharFormat format;
    format.setFontWeight(bold_ ? QFont::Bold : QFont::Normal);
    format.setFontUnderline(underline_);
    const int firstBlock = cursor_.blockNumber();
    cursor_.beginEditBlock();
    int start = 0;
    for (int i = 0; i <= text.size(); ++i) {
        const bool end = i == text.size();
        const QChar c = end ? QChar() : text.at(i);
        if (!end && c != QLatin1Char('\r') && c != QLatin1Char('\n')) continue;
        if (i > start) cursor_.insertText(text.mid(start, i - start), format);
        if (end) break;
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) ++i;
        QTextBlockFormat next = cursor_.blockFormat();
        next.clearProperty(QTextFormat::BlockTrailingHorizontalRulerWidth);
        cursor_.insertBlock(next, format);
        start = i + 1;
    }
    cursor_.endEditBlock();
    cursor_.setCharFormat(format);
    markRuleLines(firstBlock, cursor_.blockNumber());
    syncView();
}

void RichTextBox::setSelBold(bool bold) {
    bold_ = bold;
    if (cursor_.hasSelection()) {
        QTextCharFormat f;
        f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
        cursor_.mergeCharFormat(f);
    }
}

void RichTextBox::setSelUnderline(bool underline) {
    underline_ = underline;
    if (cursor_.hasSelection()) {
        QTextCharFormat f;
        f.setFontUnderline(underline);
        cursor_.mergeCharFormat(f);
    }
}

int RichTextBox::SelAlignment() const {
    const Qt::Alignment a = cursor_.blockFormat().alignment();
    if (a & Qt::AlignHCenter) return kAlignCenter;
    if (a & Qt::AlignRight) return kAlignRight;
    return kAlignLeft;
}

void RichTextBox::setSelAlignment(int alignment) {
    QTextBlockFormat f;
    f.setAlignment(alignment == kAlignCenter ? Qt::AlignHCenter
                   : alignment == kAlignRight ? Qt::AlignRight
                                              : Qt::AlignLeft);
    cursor_.mergeBlockFormat(f);
}

bool RichTextBox::SelPrint() const {
    if (!cursor_.hasSelection()) return PrintDocument(*document_);
    QTextDocument part;
    part.setDefaultFont(document_->defaultFont());
    QTextCursor(&part).insertFragment(cursor_.selection());
    return PrintDocument(part);
}

void RichTextBox::syncView() {
    if (!view_) return;
    QTextCursor shown(document_);
    shown.setPosition(cursor_.anchor());
    shown.setPosition(cursor_.position(), QTextCursor::KeepAnchor);
    view_->setTextCursor(shown);
    view_->ensureCursorVisible();
}

void RichTextBox::readFormatAtCaret() {
    const QTextCharFormat f = cursor_.charFormat();
    bold_ = f.fontWeight() >= QFont::Bold;
    underline_ = f.fontUnderline();
}

// A paragraph of blanks draws no underline; give it a horizontal rule so it shows as a
// line across the box. The blanks stay in the text.
void RichTextBox::markRuleLines(int fromBlock, int toBlock) {
    for (int n = fromBlock; n <= toBlock; ++n) {
        QTextBlock block = document_->findBlockByNumber(n);
        if (!block.isValid() || !IsRuleText(block.text())) continue;
        if (!block.begin().fragment().charFormat().fontUnderline()) continue;
        QTextCursor c(block);
        QTextBlockFormat f;
        f.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth, QTextLength(QTextLength::PercentageLength, 100));
        c.mergeBlockFormat(f);
    }
}

}  // namespace platform
