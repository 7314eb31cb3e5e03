#include "platform/dialogs.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <algorithm>

namespace platform {
namespace {
constexpr double kLeastTitlePoints = 10;
constexpr int kTitleBarItemLines = 8;
}  // namespace

int TitleBarWidth(const QString& title) {
    QFont font = QGuiApplication::font();
    font.setBold(true);
    font.setPointSizeF(std::max(font.pointSizeF(), kLeastTitlePoints));
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + kTitleBarItemLines * metrics.height();
}

}  // namespace platform
