#include "platform/lightscheme.h"

#include <QWidget>

namespace platform {

QPalette LightScheme() {
    const QColor window(239, 239, 239);
    const QColor mid = window.darker(130);
    const QColor dark = window.darker(150);
    const QColor shadow = dark.darker(135);
    const QColor disabledText(190, 190, 190);
    QColor placeholder(Qt::black);
    placeholder.setAlpha(128);

    QPalette scheme(Qt::black, window, window.lighter(150), dark, mid, Qt::black, Qt::white);
    scheme.setColor(QPalette::Midlight, mid.lighter(110));
    scheme.setColor(QPalette::Shadow, shadow);
    scheme.setColor(QPalette::Highlight, QColor(48, 140, 198));
    scheme.setColor(QPalette::HighlightedText, Qt::white);
    scheme.setColor(QPalette::Link, Qt::blue);
    scheme.setColor(QPalette::LinkVisited, Qt::magenta);
    scheme.setColor(QPalette::PlaceholderText, placeholder);
    scheme.setColor(QPalette::Disabled, QPalette::WindowText, disabledText);
    scheme.setColor(QPalette::Disabled, QPalette::Text, disabledText);
    scheme.setColor(QPalette::Disabled, QPalette::ButtonText, disabledText);
    scheme.setColor(QPalette::Disabled, QPalette::Base, window);
    scheme.setColor(QPalette::Disabled, QPalette::Dark, QColor(209, 209, 209).darker(110));
    scheme.setColor(QPalette::Disabled, QPalette::Shadow, shadow.lighter(150));
    scheme.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    // Every role is set, so that nothing of the desktop's scheme shows through.
    for (int group = QPalette::Active; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            if (r != QPalette::NoRole) scheme.setBrush(g, r, scheme.brush(g, r));
        }
    }
    return scheme;
}

void UseLightScheme(QWidget* client) {
    client->setPalette(LightScheme());
    client->setAutoFillBackground(true);
}

}  // namespace platform
