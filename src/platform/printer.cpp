#include "platform/printer.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace platform {
namespace {
PrinterRecorder* g_printer = nullptr;
}

bool PrintDocument(const QTextDocument& document) {
    if (g_printer) return g_printer->print(document);
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return false;
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid()) return false;
    document.print(&printer);
    return printer.printerState() != QPrinter::Error;
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
        document.print(&printer);
        pdfs_ << file;
    }
    return true;
}

}  // namespace platform
