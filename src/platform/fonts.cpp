#include "platform/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace platform {
namespace {
// A stand-in family is set a little smaller than the family it stands in for: the windows'
// boxes were sized for the named family with little room to spare.
constexpr double kStandInScale = 0.95;
}  // namespace

QString ResolveFontFamily(const QString& family) {
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(family, Qt::CaseInsensitive)) return family;
    for (const char* fallback : {"DejaVu Sans", "Liberation Sans", "Noto Sans"}) {
        if (installed.contains(QString::fromLatin1(fallback), Qt::CaseInsensitive)) return QString::fromLatin1(fallback);
    }
    return family;
}

QFont ProgramFont(const QString& family, double pointSize, bool bold) {
    QFont font(ResolveFontFamily(family));
    const bool standIn = font.family().compare(family, Qt::CaseInsensitive) != 0;
    font.setPointSizeF(standIn ? pointSize * kStandInScale : pointSize);
    const bool black = family.compare(QLatin1String("Arial Black"), Qt::CaseInsensitive) == 0;
    if (black && standIn) {
        font.setWeight(QFont::Black);
    } else {
        font.setBold(bold);
    }
    return font;
}

}  // namespace platform
