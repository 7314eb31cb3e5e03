#pragma once
// A rich text box with the selection-based model the report writers use, over a QTextDocument.
// Positions count characters of Text(), where a paragraph break is CR LF (two characters).
#include <QFont>
#include <QPointer>
#include <QString>
#include <QTextCursor>
#include <memory>

class QTextDocument;
#include <QTextEdit>

namespace platform {

enum Alignment { kAlignLeft = 0, kAlignRight = 1, kAlignCenter = 2 };

class RichTextBox {
public:
    // Works on the given document, or on a document of its own when none is given.
    explicit RichTextBox(QTextDocument* document = nullptr);
    ~RichTextBox();
    RichTextBox(const RichTextBox&) = delete;
    RichTextBox& operator=(const RichTextBox&) = delete;

    QTextDocument* document() const { return document_; }
    // Shows the document in a text edit whose caret follows SelStart.
    void attachView(QTextEdit* view);
    QTextEdit* view() const { return view_; }
    void setDefaultFont(const QFont& font);

    QString Text() const;
    void setText(const QString& text);

    int SelStart() const;
    void setSelStart(int position);
    int SelLength() const;
    void setSelLength(int length);

    QString SelText() const;
    // Replaces the selection with text in the current bold and underline; the caret stands after it.
    // CR LF (or a CR or LF alone) starts a new paragraph with the current paragraph's alignment.
    void setSelText(const QString& text);

    bool SelBold() const { return bold_; }
    void setSelBold(bool bold);
    bool SelUnderline() const { return underline_; }
    void setSelUnderline(bool underline);
    int SelAlignment() const;
    void setSelAlignment(int alignment);

    // Prints the selection, or the whole text when nothing is selected; false without a printer.
    bool SelPrint() const;

    // Text() offsets and document positions.
    int toDocumentPosition(int textPosition) const;
    int toTextPosition(int documentPosition) const;

private:
    void syncView();
    void readFormatAtCaret();
    void markRuleLines(int fromBlock, int toBlock);

    std::unique_ptr<QTextDocument> owned_;
    QTextDocument* document_;
    QTextCursor cursor_;
    QPointer<QTextEdit> view_;
    bool bold_ = false;
    bool underline_ = false;
};

}  // namespace platform
