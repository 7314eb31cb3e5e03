#include "platform/printer.h"

#include <QAbstractTextDocumentLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <memory>

namespace platform {
namespace {
PrinterRecorder* g_printer = nullptr;

// Prints the document alone, laid out on the printer's pages within its printable area. A
// document without a page size of its own would be printed with 2 cm margins and a page number
// on every page.
bool PrintOnPages(const QTextDocument& document, QPrinter& printer) {
    const std::unique_ptr<QTextDocument> pages(document.clone());
    pages->documentLayout()->setPaintDevice(&printer);
    pages->setPageSize(QSizeF(printer.width(), printer.height()));
    pages->print(&printer);
    return printer.printerState() != QPrinter::Error;
}
}  // namespace

bool PrintDocument(const QTextDocument& document) {
    if (g_printer) return g_printer->print(document);
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return false;
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid()) return false;
    return PrintOnPages(document, printer);
}

PrinterRecorder::PrinterRecorder(QString pdfFolder) : folder_(std::move(pdfFolder)), previous_(g_printer) {
    g_printer = this;
}
PrinterRecorder::~PrinterRecorder() { g_printer = previous_; }

bool PrinterRecorder::print(const QTextDocument& document) {
    if (noPrinter_) return false;
    texts_ << document.toPlainText();
    if (!folder_.isEmpty()) {
        const QString file = folder_ + QStringLiteral("/print%1.pdf").arg(texts_.size());
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        if (pageLayout_.isValid()) printer.setPageLayout(pageLayout_);
        PrintOnPages(document, printer);
        pdfs_ << file;
    }
    return true;
}

}  // namespace platform
