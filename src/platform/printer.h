#pragma once
// The default printer. Prints a rich-text document without a dialog.
#include <QPageLayout>
#include <QString>
#include <QStringList>

class QTextDocument;

namespace platform {

// Prints on the default printer; false when there is no printer or printing failed.
bool PrintDocument(const QTextDocument& document);

// While one exists, printing goes to PDF files in a folder (print1.pdf, print2.pdf, ...) and
// the plain text of every printout is kept; with noPrinter set, printing fails as with no printer.
class PrinterRecorder {
public:
    explicit PrinterRecorder(QString pdfFolder = {});
    ~PrinterRecorder();
    PrinterRecorder(const PrinterRecorder&) = delete;
    PrinterRecorder& operator=(const PrinterRecorder&) = delete;

    void setNoPrinter(bool none) { noPrinter_ = none; }
    // The paper and margins of the PDF pages; unset, those of a PDF printer.
    void setPageLayout(const QPageLayout& layout) { pageLayout_ = layout; }
    const QStringList& printedTexts() const { return texts_; }
    const QStringList& pdfFiles() const { return pdfs_; }
    bool print(const QTextDocument& document);

private:
    QString folder_;
    bool noPrinter_ = false;
    QPageLayout pageLayout_;
    QStringList texts_;
    QStringList pdfs_;
    PrinterRecorder* previous_;
};

}  // namespace platform
