// Prints a report through the report window's "&Print" into a PDF through the printer seam, on
// the page layout of the default printer, and writes the PDF's path to standard output. The
// print queue test compares the page count of what the queue printed with this one's.
//   print_to_seam <report text file> <folder for the PDF>
#include "platform/printer.h"
#include "platform/richtextbox.h"
#include "shell/frmMDI.h"
#include "shell/navigation.h"

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: print_to_seam <report text file> <folder for the PDF>\n");
        return 2;
    }
    QFile report(QString::fromLocal8Bit(argv[1]));
    if (!report.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "print_to_seam: cannot read %s\n", argv[1]);
        return 2;
    }
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull()) {
        std::fprintf(stderr, "print_to_seam: there is no default printer\n");
        return 1;
    }

    platform::PrinterRecorder seam(QString::fromLocal8Bit(argv[2]));
    seam.setPageLayout(QPrinter(printer, QPrinter::HighResolution).pageLayout());
    ReportBox().setText(QString::fromUtf8(report.readAll()));
    platform::Peek<frmMDI>()->cmdPrint_Click();
    frmMDI::UnloadForNewReading();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (seam.pdfFiles().size() != 1) return 1;
    std::printf("%s\n", qPrintable(seam.pdfFiles().front()));
    return 0;
}
