// Draws the program's pictures: card faces of the two decks into cards/, spread diagrams into
// pic/, the embedded window pictures with their resource list, and the icon in the desktop's
// larger sizes (icon48.png to icon256.png beside them, installed only). Everything is drawn here
// with QPainter; the output depends only on this code and the installed fonts.
//
//   picturegen <program folder> <resource folder>
#include "catalogue/cards.h"
#include "catalogue/spreads.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <cmath>
#include <functional>
#include <numbers>

namespace {

constexpr int kCardWidth = 145;  // a card box shows 145 x 250 pixels plus its border
constexpr int kCardHeight = 250;
constexpr int kDiagramWidth = 145;  // the selection window's diagram box, 2175 x 3735 twips
constexpr int kDiagramHeight = 249;
constexpr double kPi = std::numbers::pi;

// ---------------------------------------------------------------------------------------------
// The two decks' looks.
struct Style {
    bool marseilles;
    QColor paper, frame, ink, band, bandText;
    QColor red, blue, yellow, green, flesh, sky, ground, purple, grey;
    qreal line;
    QString titleFamily;
};

Style RiderWaite() {
    return {false,
            QColor(255, 253, 246),
            QColor(40, 40, 48),
            QColor(45, 40, 50),
            QColor(255, 255, 255),
            QColor(30, 30, 40),
            QColor(206, 64, 56),
            QColor(70, 120, 200),
            QColor(242, 196, 48),
            QColor(110, 176, 90),
            QColor(246, 214, 182),
            QColor(160, 212, 240),
            QColor(150, 196, 110),
            QColor(122, 92, 168),
            QColor(150, 150, 160),
            1.2,
            QStringLiteral("DejaVu Serif")};
}

Style Marseilles() {
    return {true,
            QColor(243, 228, 190),
            QColor(20, 16, 12),
            QColor(20, 16, 12),
            QColor(240, 196, 60),
            QColor(20, 16, 12),
            QColor(196, 40, 36),
            QColor(36, 72, 156),
            QColor(240, 190, 40),
            QColor(60, 140, 110),
            QColor(244, 200, 160),
            QColor(120, 170, 220),
            QColor(200, 150, 70),
            QColor(36, 72, 156),
            QColor(110, 100, 90),
            2.0,
            QStringLiteral("DejaVu Sans")};
}

// Maps fractions of a rectangle to points, so shapes scale with the drawing area.
struct Frame {
    QRectF r;
    QPointF at(qreal fx, qreal fy) const { return {r.left() + fx * r.width(), r.top() + fy * r.height()}; }
    qreal w(qreal f) const { return f * r.width(); }
    qreal h(qreal f) const { return f * r.height(); }
    QRectF box(qreal fx, qreal fy, qreal fw, qreal fh) const { return {at(fx, fy), QSizeF(w(fw), h(fh))}; }
};

void Outline(QPainter& p, const Style& s, const QColor& fill) {
    p.setPen(QPen(s.ink, s.line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
}

QPolygonF StarPolygon(QPointF centre, qreal outer, qreal inner, int points, qreal turn = -kPi / 2) {
    QPolygonF star;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal radius = i % 2 == 0 ? outer : inner;
        const qreal a = turn + i * kPi / points;
        star << QPointF(centre.x() + radius * std::cos(a), centre.y() + radius * std::sin(a));
    }
    return star;
}

QString Roman(int n) {
    if (n == 0) return QStringLiteral("0");
    static const std::pair<int, const char*> digits[] = {{10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}};
    QString out;
    for (const auto& [value, text] : digits) {
        while (n >= value) {
            out += QLatin1String(text);
            n -= value;
        }
    }
    return out;
}

// The largest font of the family, up to `points`, whose text fits the width.
QFont FittingFont(const QString& family, qreal points, bool bold, const QString& text, qreal width) {
    // Measure on an image like the ones drawn: its resolution, not the screen's, sizes the text.
    static const QImage measure(1, 1, QImage::Format_RGB32);
    QFont font(family);
    font.setBold(bold);
    for (qreal size = points; size > 4.0; size -= 0.25) {
        font.setPointSizeF(size);
        if (QFontMetricsF(font, &measure).horizontalAdvance(text) <= width) break;
    }
    return font;
}

// ---------------------------------------------------------------------------------------------
// Suit symbols, drawn into a box (portrait for cups, swords and wands).
enum Suit { kCups, kPentacles, kSwords, kWands };

void DrawCup(QPainter& p, const Style& s, const QRectF& b) {
    const Frame f{b};
    QPainterPath cup;
    cup.moveTo(f.at(0.1, 0.08));
    cup.lineTo(f.at(0.9, 0.08));
    cup.cubicTo(f.at(0.9, 0.45), f.at(0.7, 0.55), f.at(0.56, 0.58));
    cup.lineTo(f.at(0.56, 0.78));
    cup.cubicTo(f.at(0.7, 0.82), f.at(0.82, 0.86), f.at(0.84, 0.94));
    cup.lineTo(f.at(0.16, 0.94));
    cup.cubicTo(f.at(0.18, 0.86), f.at(0.3, 0.82), f.at(0.44, 0.78));
    cup.lineTo(f.at(0.44, 0.58));
    cup.cubicTo(f.at(0.3, 0.55), f.at(0.1, 0.45), f.at(0.1, 0.08));
    Outline(p, s, s.marseilles ? s.yellow : s.yellow.lighter(105));
    p.drawPath(cup);
    Outline(p, s, s.marseilles ? s.red : s.blue.lighter(130));
    p.drawEllipse(QRectF(f.at(0.1, 0.02), QSizeF(f.w(0.8), f.h(0.12))));
}

void DrawPentacle(QPainter& p, const Style& s, const QRectF& b) {
    const qreal d = std::min(b.width(), b.height());
    const QRectF disc(b.center() - QPointF(d / 2, d / 2), QSizeF(d, d));
    Outline(p, s, s.yellow);
    p.drawEllipse(disc);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(disc.adjusted(d * 0.1, d * 0.1, -d * 0.1, -d * 0.1));
    QPolygonF star;
    for (int i = 0; i < 5; ++i) {
        const qreal a = -kPi / 2 + i * 4 * kPi / 5;
        star << disc.center() + QPointF(0.38 * d * std::cos(a), 0.38 * d * std::sin(a));
    }
    p.setBrush(s.marseilles ? s.red : s.paper);
    p.drawPolygon(star, Qt::WindingFill);
}

void DrawSword(QPainter& p, const Style& s, const QRectF& b) {
    const Frame f{b};
    QPolygonF blade{f.at(0.5, 0.0), f.at(0.62, 0.1), f.at(0.6, 0.7), f.at(0.4, 0.7), f.at(0.38, 0.1)};
    Outline(p, s, s.marseilles ? s.blue.lighter(160) : QColor(226, 232, 240));
    p.drawPolygon(blade);
    Outline(p, s, s.marseilles ? s.yellow : s.yellow.darker(110));
    p.drawRoundedRect(QRectF(f.at(0.12, 0.7), QSizeF(f.w(0.76), f.h(0.06))), 2, 2);
    Outline(p, s, s.marseilles ? s.red : QColor(120, 80, 50));
    p.drawRect(QRectF(f.at(0.44, 0.76), QSizeF(f.w(0.12), f.h(0.16))));
    Outline(p, s, s.yellow);
    p.drawEllipse(QRectF(f.at(0.4, 0.9), QSizeF(f.w(0.2), f.h(0.09))));
}

void DrawWand(QPainter& p, const Style& s, const QRectF& b) {
    const Frame f{b};
    const qreal thick = std::max<qreal>(2.0, f.w(0.22));
    p.setPen(QPen(s.ink, thick + 2 * s.line, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(f.at(0.5, 0.04), f.at(0.5, 0.96));
    p.setPen(QPen(s.marseilles ? s.green : QColor(176, 124, 72), thick, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(f.at(0.5, 0.04), f.at(0.5, 0.96));
    if (b.height() > 18) {
        Outline(p, s, s.marseilles ? s.red : s.green);
        for (qreal y : {0.22, 0.5}) {
            p.drawEllipse(QRectF(f.at(0.56, y), QSizeF(f.w(0.34), f.h(0.08))));
            p.drawEllipse(QRectF(f.at(0.1, y + 0.12), QSizeF(f.w(0.34), f.h(0.08))));
        }
    }
}

void DrawSuit(QPainter& p, const Style& s, Suit suit, const QRectF& b) {
    switch (suit) {
    case kCups: DrawCup(p, s, b); break;
    case kPentacles: DrawPentacle(p, s, b); break;
    case kSwords: DrawSword(p, s, b); break;
    case kWands: DrawWand(p, s, b); break;
    }
}

// ---------------------------------------------------------------------------------------------
// Figures and emblems of the Major Arcana.
void DrawFigure(QPainter& p, const Style& s, QPointF head, qreal size, const QColor& robe) {
    const QPointF foot = head + QPointF(0, size * 2.6);
    QPolygonF body{head + QPointF(-size * 0.35, size * 0.55), head + QPointF(size * 0.35, size * 0.55),
                   foot + QPointF(size * 0.75, 0), foot + QPointF(-size * 0.75, 0)};
    Outline(p, s, robe);
    p.drawPolygon(body);
    Outline(p, s, s.flesh);
    p.drawEllipse(head, size * 0.45, size * 0.5);
}

void DrawCrown(QPainter& p, const Style& s, const QRectF& b) {
    const Frame f{b};
    QPolygonF crown{f.at(0, 1), f.at(0, 0.3), f.at(0.2, 0.65), f.at(0.35, 0.1), f.at(0.5, 0.6),
                    f.at(0.65, 0.1), f.at(0.8, 0.65), f.at(1, 0.3), f.at(1, 1)};
    Outline(p, s, s.yellow);
    p.drawPolygon(crown);
}

void DrawMajorEmblem(QPainter& p, const Style& s, int id, const QRectF& area) {
    const Frame f{area};
    const qreal u = area.width();
    switch (id) {
    case 0: {  // Death: a skull above a scythe
        p.setPen(QPen(s.ink, u * 0.05, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(f.at(0.2, 0.95), f.at(0.8, 0.25));
        QPainterPath blade;
        blade.moveTo(f.at(0.8, 0.25));
        blade.cubicTo(f.at(0.55, 0.12), f.at(0.3, 0.2), f.at(0.15, 0.35));
        blade.cubicTo(f.at(0.35, 0.28), f.at(0.6, 0.28), f.at(0.78, 0.32));
        Outline(p, s, s.grey.lighter(150));
        p.drawPath(blade);
        Outline(p, s, s.paper);
        p.drawEllipse(QRectF(f.at(0.32, 0.45), QSizeF(f.w(0.36), f.h(0.26))));
        p.drawRect(QRectF(f.at(0.4, 0.66), QSizeF(f.w(0.2), f.h(0.09))));
        p.setBrush(s.ink);
        p.drawEllipse(QRectF(f.at(0.38, 0.53), QSizeF(f.w(0.09), f.h(0.07))));
        p.drawEllipse(QRectF(f.at(0.53, 0.53), QSizeF(f.w(0.09), f.h(0.07))));
        break;
    }
    case 1: {  // The Hermit: a staff and a lantern with a star
        p.setPen(QPen(s.ink, u * 0.04, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(f.at(0.3, 0.1), f.at(0.3, 0.95));
        QRadialGradient glow(f.at(0.62, 0.42), u * 0.35);
        glow.setColorAt(0, QColor(255, 240, 150, 200));
        glow.setColorAt(1, QColor(255, 240, 150, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(f.at(0.62, 0.42), u * 0.35, u * 0.35);
        Outline(p, s, s.yellow.lighter(120));
        p.drawRect(QRectF(f.at(0.5, 0.3), QSizeF(f.w(0.24), f.h(0.22))));
        p.setBrush(s.yellow);
        p.drawPolygon(StarPolygon(f.at(0.62, 0.41), u * 0.08, u * 0.03, 6));
        p.setPen(QPen(s.ink, s.line));
        p.drawLine(f.at(0.62, 0.3), f.at(0.62, 0.2));
        DrawFigure(p, s, f.at(0.42, 0.62), u * 0.13, s.grey);
        break;
    }
    case 2: {  // Judgement: a trumpet from a cloud
        Outline(p, s, QColor(235, 240, 250));
        for (qreal x : {0.2, 0.4, 0.6, 0.8}) p.drawEllipse(f.at(x, 0.16), u * 0.16, u * 0.11);
        QPolygonF trumpet{f.at(0.45, 0.22), f.at(0.55, 0.22), f.at(0.8, 0.7), f.at(0.58, 0.78)};
        Outline(p, s, s.yellow);
        p.drawPolygon(trumpet);
        Outline(p, s, s.paper);
        p.drawRect(QRectF(f.at(0.62, 0.45), QSizeF(f.w(0.2), f.h(0.14))));
        p.setPen(QPen(s.red, u * 0.03));
        p.drawLine(f.at(0.72, 0.46), f.at(0.72, 0.58));
        p.drawLine(f.at(0.64, 0.52), f.at(0.8, 0.52));
        DrawFigure(p, s, f.at(0.25, 0.7), u * 0.09, s.flesh);
        break;
    }
    case 3: {  // Justice: the scales
        p.setPen(QPen(s.ink, u * 0.035, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(f.at(0.5, 0.12), f.at(0.5, 0.9));
        p.drawLine(f.at(0.15, 0.25), f.at(0.85, 0.25));
        p.setPen(QPen(s.ink, s.line));
        for (qreal x : {0.15, 0.85}) {
            p.drawLine(f.at(x, 0.25), f.at(x - 0.12, 0.55));
            p.drawLine(f.at(x, 0.25), f.at(x + 0.12, 0.55));
            Outline(p, s, s.yellow);
            p.drawChord(QRectF(f.at(x - 0.14, 0.48), QSizeF(f.w(0.28), f.h(0.14))), 180 * 16, 180 * 16);
        }
        Outline(p, s, s.red);
        p.drawRect(QRectF(f.at(0.38, 0.88), QSizeF(f.w(0.24), f.h(0.06))));
        Outline(p, s, s.yellow);
        p.drawEllipse(f.at(0.5, 0.12), u * 0.04, u * 0.04);
        break;
    }
    case 4: {  // Strength: a lion's head under the figure of eight
        Outline(p, s, QColor(230, 150, 50));
        p.drawPolygon(StarPolygon(f.at(0.5, 0.6), u * 0.36, u * 0.26, 14));
        Outline(p, s, QColor(245, 200, 110));
        p.drawEllipse(f.at(0.5, 0.6), u * 0.22, u * 0.22);
        p.setBrush(s.ink);
        p.drawEllipse(f.at(0.42, 0.56), u * 0.025, u * 0.025);
        p.drawEllipse(f.at(0.58, 0.56), u * 0.025, u * 0.025);
        p.drawPolygon(QPolygonF{f.at(0.46, 0.64), f.at(0.54, 0.64), f.at(0.5, 0.68)});
        p.setPen(QPen(s.ink, u * 0.03));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(f.at(0.41, 0.16), u * 0.09, u * 0.06);
        p.drawEllipse(f.at(0.59, 0.16), u * 0.09, u * 0.06);
        break;
    }
    case 5: {  // Temperance: water poured between two cups
        DrawCup(p, s, f.box(0.08, 0.15, 0.3, 0.3));
        DrawCup(p, s, f.box(0.62, 0.55, 0.3, 0.3));
        QPainterPath stream;
        stream.moveTo(f.at(0.3, 0.2));
        stream.cubicTo(f.at(0.6, 0.2), f.at(0.7, 0.35), f.at(0.76, 0.55));
        p.setPen(QPen(s.sky.darker(110), u * 0.05, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(stream);
        Outline(p, s, s.yellow);
        p.drawPolygon(QPolygonF{f.at(0.5, 0.6), f.at(0.6, 0.78), f.at(0.4, 0.78)});
        break;
    }
    case 6: {  // The Fool: sun, mountains, a cliff edge and a white rose
        Outline(p, s, s.yellow);
        p.drawEllipse(f.at(0.75, 0.15), u * 0.12, u * 0.12);
        Outline(p, s, s.paper);
        p.drawPolygon(QPolygonF{f.at(0.0, 0.6), f.at(0.25, 0.3), f.at(0.45, 0.6)});
        p.drawPolygon(QPolygonF{f.at(0.3, 0.6), f.at(0.55, 0.35), f.at(0.8, 0.6)});
        Outline(p, s, s.ground.darker(120));
        p.drawPolygon(QPolygonF{f.at(0.0, 0.7), f.at(0.7, 0.7), f.at(0.6, 1.0), f.at(0.0, 1.0)});
        Outline(p, s, s.paper);
        p.drawPolygon(StarPolygon(f.at(0.3, 0.82), u * 0.08, u * 0.05, 5));
        DrawFigure(p, s, f.at(0.55, 0.45), u * 0.08, s.red);
        break;
    }
    case 7: {  // The Chariot: a canopy of stars over a car on two wheels
        Outline(p, s, s.blue);
        p.drawRect(QRectF(f.at(0.15, 0.12), QSizeF(f.w(0.7), f.h(0.1))));
        p.setBrush(s.yellow);
        for (qreal x : {0.25, 0.4, 0.55, 0.7}) p.drawPolygon(StarPolygon(f.at(x, 0.17), u * 0.04, u * 0.016, 5));
        p.setPen(QPen(s.ink, s.line * 1.5));
        p.drawLine(f.at(0.2, 0.22), f.at(0.2, 0.55));
        p.drawLine(f.at(0.8, 0.22), f.at(0.8, 0.55));
        Outline(p, s, s.grey.lighter(140));
        p.drawRect(QRectF(f.at(0.12, 0.55), QSizeF(f.w(0.76), f.h(0.2))));
        Outline(p, s, s.red);
        p.drawEllipse(f.at(0.25, 0.8), u * 0.1, u * 0.1);
        p.drawEllipse(f.at(0.75, 0.8), u * 0.1, u * 0.1);
        DrawFigure(p, s, f.at(0.5, 0.3), u * 0.09, s.blue.lighter(130));
        break;
    }
    case 8: {  // The Devil: horns over an inverted star
        Outline(p, s, s.ink);
        QPolygonF star = StarPolygon(f.at(0.5, 0.25), u * 0.16, u * 0.07, 5, kPi / 2);
        p.setBrush(s.red);
        p.drawPolygon(star);
        Outline(p, s, s.red.darker(140));
        p.drawPolygon(QPolygonF{f.at(0.3, 0.5), f.at(0.7, 0.5), f.at(0.5, 0.85)});
        Outline(p, s, s.paper);
        p.drawPolygon(QPolygonF{f.at(0.32, 0.52), f.at(0.2, 0.38), f.at(0.38, 0.5)});
        p.drawPolygon(QPolygonF{f.at(0.68, 0.52), f.at(0.8, 0.38), f.at(0.62, 0.5)});
        p.setBrush(s.yellow);
        p.drawEllipse(f.at(0.43, 0.6), u * 0.03, u * 0.03);
        p.drawEllipse(f.at(0.57, 0.6), u * 0.03, u * 0.03);
        p.setPen(QPen(s.ink, s.line * 1.5));
        p.drawLine(f.at(0.25, 0.9), f.at(0.75, 0.9));
        break;
    }
    case 9: {  // The Emperor: crown and sceptre
        DrawCrown(p, s, f.box(0.22, 0.12, 0.56, 0.22));
        Outline(p, s, s.red);
        p.drawRect(QRectF(f.at(0.2, 0.34), QSizeF(f.w(0.6), f.h(0.06))));
        p.setPen(QPen(s.ink, u * 0.045, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(f.at(0.5, 0.5), f.at(0.5, 0.95));
        Outline(p, s, s.yellow);
        p.drawEllipse(f.at(0.5, 0.5), u * 0.07, u * 0.07);
        p.setPen(QPen(s.ink, u * 0.03));
        p.drawLine(f.at(0.42, 0.62), f.at(0.58, 0.62));
        break;
    }
    case 10: {  // The Empress: a crown of stars over the sign of Venus
        Outline(p, s, s.yellow);
        for (int i = 0; i < 7; ++i) {
            const qreal a = kPi + i * kPi / 6;
            const QPointF c = f.at(0.5, 0.4) + QPointF(u * 0.3 * std::cos(a), u * 0.3 * std::sin(a));
            p.drawPolygon(StarPolygon(c, u * 0.05, u * 0.02, 5));
        }
        p.setPen(QPen(s.green.darker(110), u * 0.05));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(f.at(0.5, 0.52), u * 0.14, u * 0.14);
        p.drawLine(f.at(0.5, 0.52) + QPointF(0, u * 0.14), f.at(0.5, 0.95));
        p.drawLine(f.at(0.38, 0.82), f.at(0.62, 0.82));
        break;
    }
    case 11: {  // The Hanged Man: hanging by one foot from a living tree
        p.setPen(QPen(QColor(120, 80, 40), u * 0.06, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(f.at(0.15, 0.1), f.at(0.85, 0.1));
        p.drawLine(f.at(0.2, 0.1), f.at(0.2, 0.95));
        p.drawLine(f.at(0.8, 0.1), f.at(0.8, 0.95));
        p.setPen(QPen(s.ink, s.line));
        p.drawLine(f.at(0.5, 0.1), f.at(0.5, 0.75) - QPointF(0, u * 0.11 * 2.6));
        p.save();
        p.translate(f.at(0.5, 0.75));
        p.rotate(180);
        p.translate(-f.at(0.5, 0.75));
        DrawFigure(p, s, f.at(0.5, 0.75), u * 0.11, s.blue.lighter(120));
        p.restore();
        p.setPen(QPen(s.yellow, u * 0.02));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(f.at(0.5, 0.75), u * 0.1, u * 0.1);
        break;
    }
    case 12: {  // The Hierophant: the triple cross and two crossed keys
        p.setPen(QPen(s.yellow.darker(120), u * 0.05, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(f.at(0.5, 0.08), f.at(0.5, 0.62));
        p.drawLine(f.at(0.4, 0.16), f.at(0.6, 0.16));
        p.drawLine(f.at(0.35, 0.26), f.at(0.65, 0.26));
        p.drawLine(f.at(0.3, 0.36), f.at(0.7, 0.36));
        for (int side : {-1, 1}) {
            p.setPen(QPen(side < 0 ? s.yellow.darker(110) : s.grey, u * 0.035, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(f.at(0.5 - 0.25 * side, 0.7), f.at(0.5 + 0.25 * side, 0.95));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(f.at(0.5 - 0.27 * side, 0.68), u * 0.05, u * 0.05);
        }
        break;
    }
    case 13: {  // The High Priestess: two pillars and the moon at her feet
        Outline(p, s, s.ink);
        p.drawRect(QRectF(f.at(0.1, 0.1), QSizeF(f.w(0.16), f.h(0.85))));
        Outline(p, s, s.paper);
        p.drawRect(QRectF(f.at(0.74, 0.1), QSizeF(f.w(0.16), f.h(0.85))));
        DrawFigure(p, s, f.at(0.5, 0.3), u * 0.11, s.blue);
        QPainterPath moon;
        moon.addEllipse(f.at(0.5, 0.85), u * 0.12, u * 0.07);
        QPainterPath cut;
        cut.addEllipse(f.at(0.5, 0.8), u * 0.12, u * 0.07);
        Outline(p, s, s.yellow);
        p.drawPath(moon.subtracted(cut));
        break;
    }
    case 14: {  // The Lovers: two hearts under a radiant sun
        p.setPen(QPen(s.yellow, u * 0.02));
        for (int i = 0; i < 12; ++i) {
            const qreal a = i * kPi / 6;
            p.drawLine(f.at(0.5, 0.2) + QPointF(u * 0.12 * std::cos(a), u * 0.12 * std::sin(a)),
                       f.at(0.5, 0.2) + QPointF(u * 0.2 * std::cos(a), u * 0.2 * std::sin(a)));
        }
        Outline(p, s, s.yellow);
        p.drawEllipse(f.at(0.5, 0.2), u * 0.1, u * 0.1);
        auto heart = [&](QPointF c, qreal r, const QColor& colour) {
            QPainterPath h;
            h.moveTo(c + QPointF(0, r * 0.9));
            h.cubicTo(c + QPointF(-r * 1.4, -r * 0.2), c + QPointF(-r * 0.6, -r * 1.2), c + QPointF(0, -r * 0.4));
            h.cubicTo(c + QPointF(r * 0.6, -r * 1.2), c + QPointF(r * 1.4, -r * 0.2), c + QPointF(0, r * 0.9));
            Outline(p, s, colour);
            p.drawPath(h);
        };
        heart(f.at(0.38, 0.65), u * 0.2, s.red);
        heart(f.at(0.62, 0.68), u * 0.2, s.red.lighter(130));
        break;
    }
    case 15: {  // The Magician: the figure of eight over a table with the four suits
        p.setPen(QPen(s.ink, u * 0.03));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(f.at(0.42, 0.1), u * 0.08, u * 0.05);
        p.drawEllipse(f.at(0.58, 0.1), u * 0.08, u * 0.05);
        p.setPen(QPen(s.ink, u * 0.04, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(f.at(0.5, 0.2), f.at(0.5, 0.5));
        Outline(p, s, QColor(176, 124, 72));
        p.drawRect(QRectF(f.at(0.05, 0.62), QSizeF(f.w(0.9), f.h(0.06))));
        p.drawRect(QRectF(f.at(0.12, 0.68), QSizeF(f.w(0.06), f.h(0.3))));
        p.drawRect(QRectF(f.at(0.82, 0.68), QSizeF(f.w(0.06), f.h(0.3))));
        const Suit suits[] = {kCups, kPentacles, kSwords, kWands};
        for (int i = 0; i < 4; ++i) DrawSuit(p, s, suits[i], f.box(0.08 + 0.22 * i, 0.42, 0.18, 0.2));
        break;
    }
    case 16: {  // The Moon: a crescent between two towers, dew falling
        Outline(p, s, s.grey.lighter(130));
        p.drawRect(QRectF(f.at(0.04, 0.55), QSizeF(f.w(0.18), f.h(0.4))));
        p.drawRect(QRectF(f.at(0.78, 0.55), QSizeF(f.w(0.18), f.h(0.4))));
        QPainterPath moon;
        moon.addEllipse(f.at(0.5, 0.32), u * 0.24, u * 0.24);
        QPainterPath cut;
        cut.addEllipse(f.at(0.62, 0.27), u * 0.2, u * 0.2);
        Outline(p, s, s.yellow.lighter(115));
        p.drawPath(moon.subtracted(cut));
        p.setBrush(s.yellow);
        for (qreal x : {0.3, 0.45, 0.6, 0.72}) p.drawEllipse(f.at(x, 0.68 + 0.04 * std::sin(x * 20)), u * 0.02, u * 0.03);
        p.setPen(QPen(s.sky.darker(130), u * 0.03));
        p.drawLine(f.at(0.3, 0.95), f.at(0.7, 0.95));
        break;
    }
    case 17: {  // The Star: one great star, seven small ones and the water below
        Outline(p, s, s.yellow);
        p.drawPolygon(StarPolygon(f.at(0.5, 0.32), u * 0.26, u * 0.1, 8));
        for (int i = 0; i < 7; ++i) {
            const qreal x = 0.1 + 0.8 * i / 6.0;
            p.drawPolygon(StarPolygon(f.at(x, i % 2 ? 0.1 : 0.62), u * 0.05, u * 0.02, 8));
        }
        p.setPen(QPen(s.blue, u * 0.025));
        for (qreal y : {0.8, 0.88, 0.96}) {
            QPainterPath wave;
            wave.moveTo(f.at(0.05, y));
            for (int k = 0; k < 4; ++k)
                wave.quadTo(f.at(0.05 + 0.225 * k + 0.11, y - 0.03), f.at(0.05 + 0.225 * (k + 1), y));
            p.setBrush(Qt::NoBrush);
            p.drawPath(wave);
        }
        break;
    }
    case 18: {  // The Sun: a face among straight and wavy rays, sunflowers below
        for (int i = 0; i < 16; ++i) {
            const qreal a = i * kPi / 8;
            p.setPen(QPen(i % 2 ? s.red : s.yellow.darker(110), u * 0.03, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(f.at(0.5, 0.38) + QPointF(u * 0.22 * std::cos(a), u * 0.22 * std::sin(a)),
                       f.at(0.5, 0.38) + QPointF(u * 0.36 * std::cos(a), u * 0.36 * std::sin(a)));
        }
        Outline(p, s, s.yellow);
        p.drawEllipse(f.at(0.5, 0.38), u * 0.2, u * 0.2);
        p.setBrush(s.ink);
        p.drawEllipse(f.at(0.43, 0.35), u * 0.02, u * 0.02);
        p.drawEllipse(f.at(0.57, 0.35), u * 0.02, u * 0.02);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(f.at(0.42, 0.36), QSizeF(f.w(0.16), f.h(0.08))), 200 * 16, 140 * 16);
        for (qreal x : {0.2, 0.5, 0.8}) {
            Outline(p, s, s.yellow.darker(105));
            p.drawPolygon(StarPolygon(f.at(x, 0.86), u * 0.08, u * 0.04, 8));
            p.setBrush(QColor(120, 70, 30));
            p.drawEllipse(f.at(x, 0.86), u * 0.03, u * 0.03);
        }
        break;
    }
    case 19: {  // The Tower: struck by lightning, its crown thrown off
        Outline(p, s, s.grey.lighter(130));
        p.drawRect(QRectF(f.at(0.35, 0.3), QSizeF(f.w(0.3), f.h(0.65))));
        p.setBrush(s.ink);
        p.drawRect(QRectF(f.at(0.45, 0.45), QSizeF(f.w(0.1), f.h(0.08))));
        p.drawRect(QRectF(f.at(0.45, 0.7), QSizeF(f.w(0.1), f.h(0.08))));
        p.save();
        p.translate(f.at(0.7, 0.22));
        p.rotate(25);
        p.translate(-f.at(0.7, 0.22));
        DrawCrown(p, s, f.box(0.55, 0.14, 0.3, 0.1));
        p.restore();
        Outline(p, s, s.yellow);
        p.drawPolygon(QPolygonF{f.at(0.1, 0.02), f.at(0.32, 0.14), f.at(0.24, 0.16), f.at(0.42, 0.3),
                                f.at(0.2, 0.2), f.at(0.27, 0.18)});
        p.setBrush(s.red);
        for (qreal x : {0.3, 0.7}) p.drawPolygon(StarPolygon(f.at(x, 0.5), u * 0.05, u * 0.02, 5));
        break;
    }
    case 20: {  // The World: the wreath with a dancer, the four creatures in the corners
        p.setPen(QPen(s.green, u * 0.06));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(f.at(0.5, 0.52), u * 0.26, f.h(0.36));
        DrawFigure(p, s, f.at(0.5, 0.34), u * 0.09, s.purple);
        const QColor creatures[] = {s.paper, s.yellow.darker(110), QColor(176, 124, 72), s.flesh};
        const QPointF corners[] = {f.at(0.1, 0.1), f.at(0.9, 0.1), f.at(0.1, 0.92), f.at(0.9, 0.92)};
        for (int i = 0; i < 4; ++i) {
            Outline(p, s, creatures[i]);
            p.drawEllipse(corners[i], u * 0.07, u * 0.07);
        }
        break;
    }
    case 21: {  // Wheel Fortune: the turning wheel
        Outline(p, s, s.yellow.lighter(110));
        p.drawEllipse(f.at(0.5, 0.5), u * 0.38, u * 0.38);
        Outline(p, s, s.blue.lighter(140));
        p.drawEllipse(f.at(0.5, 0.5), u * 0.28, u * 0.28);
        p.setPen(QPen(s.ink, s.line * 1.3));
        for (int i = 0; i < 8; ++i) {
            const qreal a = i * kPi / 4;
            p.drawLine(f.at(0.5, 0.5), f.at(0.5, 0.5) + QPointF(u * 0.38 * std::cos(a), u * 0.38 * std::sin(a)));
        }
        Outline(p, s, s.red);
        p.drawEllipse(f.at(0.5, 0.5), u * 0.07, u * 0.07);
        break;
    }
    default: break;
    }
}

// ---------------------------------------------------------------------------------------------
// What a card face shows, from its id.
struct Face {
    int id;
    QString title;
    bool major;
    int number;  // the Major Arcana's numeral; 1 (Ace) to 14 (King) for the Minor Arcana
    Suit suit;
};

Face FaceOf(int id, const Style& style) {
    // Traditional numbers of the Major Arcana, by card id; the Marseilles deck swaps
    // Strength and Justice.
    static const int majorNumbers[22] = {13, 9, 20, 11, 8, 14, 0, 7, 15, 4, 3, 12, 5, 2, 6, 1, 18, 17, 19, 16, 21, 10};
    Face face{id, CardTitle(id), id < kMajorArcanaCount, 0, kCups};
    if (face.major) {
        face.number = majorNumbers[id];
        if (style.marseilles && (id == 3 || id == 4)) face.number = id == 3 ? 8 : 11;
        return face;
    }
    static const int ranks[13] = {3, 4, 5, 6, 7, 8, 9, 10, 1, 14, 12, 11, 13};  // Three .. Queen
    if (id == 77) return {id, face.title, false, 2, kPentacles};
    if (id <= 24) return {id, face.title, false, 2, id == 22 ? kCups : id == 23 ? kSwords : kWands};
    static const Suit suits[4] = {kCups, kPentacles, kSwords, kWands};
    face.number = ranks[(id - 25) / 4];
    face.suit = suits[(id - 25) % 4];
    return face;
}

QString CornerMark(int number) {
    switch (number) {
    case 1: return QStringLiteral("A");
    case 11: return QStringLiteral("P");
    case 12: return QStringLiteral("Kn");
    case 13: return QStringLiteral("Q");
    case 14: return QStringLiteral("K");
    default: return QString::number(number);
    }
}

QString TopLabel(const Face& face) {
    if (face.major) return Roman(face.number);
    if (face.number == 1) return QStringLiteral("ACE");
    if (face.number <= 10) return Roman(face.number);
    return {};
}

// Pip places for two to ten pips, as fractions of the art area.
std::vector<QPointF> PipPlaces(int n) {
    const qreal l = 0.28, c = 0.5, r = 0.72;
    switch (n) {
    case 2: return {{c, 0.22}, {c, 0.78}};
    case 3: return {{c, 0.16}, {c, 0.5}, {c, 0.84}};
    case 4: return {{l, 0.22}, {r, 0.22}, {l, 0.78}, {r, 0.78}};
    case 5: return {{l, 0.2}, {r, 0.2}, {c, 0.5}, {l, 0.8}, {r, 0.8}};
    case 6: return {{l, 0.16}, {r, 0.16}, {l, 0.5}, {r, 0.5}, {l, 0.84}, {r, 0.84}};
    case 7: return {{l, 0.14}, {r, 0.14}, {c, 0.32}, {l, 0.5}, {r, 0.5}, {l, 0.86}, {r, 0.86}};
    case 8: return {{l, 0.12}, {r, 0.12}, {c, 0.3}, {l, 0.5}, {r, 0.5}, {c, 0.7}, {l, 0.88}, {r, 0.88}};
    case 9: return {{l, 0.12}, {r, 0.12}, {l, 0.37}, {r, 0.37}, {c, 0.5}, {l, 0.63}, {r, 0.63}, {l, 0.88}, {r, 0.88}};
    default: return {{l, 0.1}, {r, 0.1}, {c, 0.24}, {l, 0.38}, {r, 0.38}, {l, 0.62}, {r, 0.62}, {c, 0.76}, {l, 0.9}, {r, 0.9}};
    }
}

void DrawCourt(QPainter& p, const Style& s, const Face& face, const QRectF& area) {
    const Frame f{area};
    const qreal u = area.width();
    const QColor robes[4] = {s.blue, s.green, s.purple, s.red};
    const QColor robe = robes[face.suit];
    if (face.number == 12) {  // Knight: a horse under the rider
        const QColor coat = s.marseilles ? s.paper : QColor(235, 230, 220);
        p.setPen(QPen(s.ink, u * 0.06, Qt::SolidLine, Qt::RoundCap));
        for (qreal x : {0.28, 0.4, 0.6, 0.72}) p.drawLine(f.at(x, 0.72), f.at(x + (x < 0.5 ? -0.03 : 0.03), 0.95));
        p.setPen(QPen(coat, u * 0.035, Qt::SolidLine, Qt::RoundCap));
        for (qreal x : {0.28, 0.4, 0.6, 0.72}) p.drawLine(f.at(x, 0.72), f.at(x + (x < 0.5 ? -0.03 : 0.03), 0.95));
        Outline(p, s, coat);
        p.drawPolygon(QPolygonF{f.at(0.7, 0.64), f.at(0.82, 0.42), f.at(0.9, 0.4), f.at(0.98, 0.5),
                                f.at(0.95, 0.54), f.at(0.86, 0.52), f.at(0.8, 0.7)});
        p.drawEllipse(QRectF(f.at(0.18, 0.58), QSizeF(f.w(0.62), f.h(0.18))));
        p.setPen(QPen(s.ink, u * 0.03, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(f.at(0.19, 0.63), f.at(0.08, 0.78));
    }
    const qreal headY = face.number == 12 ? 0.28 : 0.3;
    DrawFigure(p, s, f.at(0.42, headY), u * 0.16, robe);
    switch (face.number) {
    case 14: DrawCrown(p, s, f.box(0.32, headY - 0.14, 0.2, 0.08)); break;
    case 13:
        DrawCrown(p, s, f.box(0.34, headY - 0.13, 0.16, 0.06));
        p.setPen(QPen(s.yellow, u * 0.015));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(f.at(0.42, headY), u * 0.11, u * 0.11);
        break;
    case 12:
        Outline(p, s, s.grey.lighter(130));
        p.drawChord(QRectF(f.at(0.33, headY - 0.07), QSizeF(f.w(0.18), f.h(0.1))), 0, 180 * 16);
        Outline(p, s, s.red);
        p.drawEllipse(f.at(0.42, headY - 0.09), u * 0.05, u * 0.02);
        break;
    default:  // Page: a cap with a feather
        Outline(p, s, s.red);
        p.drawChord(QRectF(f.at(0.32, headY - 0.07), QSizeF(f.w(0.2), f.h(0.08))), 0, 180 * 16);
        p.setPen(QPen(s.yellow, u * 0.02, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(f.at(0.48, headY - 0.05), f.at(0.56, headY - 0.12));
        break;
    }
    if (face.number == 12)
        DrawSuit(p, s, face.suit, f.box(0.68, 0.06, 0.26, face.suit == kPentacles ? 0.16 : 0.3));
    else
        DrawSuit(p, s, face.suit, f.box(0.62, 0.22, 0.3, face.suit == kPentacles ? 0.2 : 0.4));
}

// The Marseilles way with swords and batons: curved blades interlaced in an oval, batons
// crossed in a lattice, and a straight one through the middle when the count is odd.
void DrawMarseillesPips(QPainter& p, const Style& s, const Face& face, const QRectF& area) {
    const Frame f{area};
    const int pairs = face.number / 2;
    const bool middle = face.number % 2 == 1;
    if (face.suit == kSwords) {
        for (int i = 0; i < pairs; ++i) {
            const qreal inset = 0.06 + 0.28 * i / std::max(1, pairs);
            const QRectF oval = f.box(inset, 0.06, 1 - 2 * inset, 0.88);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(s.ink, 5.0, Qt::SolidLine, Qt::FlatCap));
            p.drawArc(oval, 100 * 16, 160 * 16);
            p.drawArc(oval, -80 * 16, 160 * 16);
            p.setPen(QPen(s.blue.lighter(150), 2.6, Qt::SolidLine, Qt::FlatCap));
            p.drawArc(oval, 100 * 16, 160 * 16);
            p.drawArc(oval, -80 * 16, 160 * 16);
        }
        if (middle) DrawSword(p, s, f.box(0.4, 0.08, 0.2, 0.84));
    } else {
        const qreal spread = 0.5 / std::max(1, pairs);
        for (int i = 0; i < pairs; ++i) {
            const qreal d = (i - (pairs - 1) / 2.0) * spread;
            for (int dir : {1, -1}) {
                const QPointF a = f.at(0.5 + d - 0.3 * dir, 0.06), b = f.at(0.5 + d + 0.3 * dir, 0.94);
                p.setPen(QPen(s.ink, 7.0, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(a, b);
                p.setPen(QPen(dir > 0 ? s.red : s.blue, 4.4, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(a, b);
            }
        }
        if (middle) DrawWand(p, s, f.box(0.4, 0.04, 0.2, 0.92));
    }
    // Flowers in the corners.
    Outline(p, s, s.red);
    for (QPointF c : {f.at(0.1, 0.5), f.at(0.9, 0.5)}) p.drawPolygon(StarPolygon(c, 6, 3, 5));
}

void DrawArt(QPainter& p, const Style& s, const Face& face, const QRectF& area) {
    if (face.major) {
        DrawMajorEmblem(p, s, face.id, area.adjusted(4, 4, -4, -4));
    } else if (face.number == 1) {
        const Frame f{area};
        if (s.marseilles) {  // a crown of straight rays
            p.setPen(QPen(s.red, 1.6));
            for (int i = 0; i < 24; ++i) {
                const qreal a = i * kPi / 12;
                p.drawLine(area.center() + QPointF(area.width() * 0.36 * std::cos(a), area.width() * 0.36 * std::sin(a)),
                           area.center() + QPointF(area.width() * 0.46 * std::cos(a), area.width() * 0.46 * std::sin(a)));
            }
        } else {
            QRadialGradient glow(area.center(), area.width() * 0.5);
            glow.setColorAt(0, QColor(255, 250, 210, 220));
            glow.setColorAt(1, QColor(255, 250, 210, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(glow);
            p.drawEllipse(area.center(), area.width() * 0.5, area.width() * 0.5);
        }
        DrawSuit(p, s, face.suit, face.suit == kPentacles ? f.box(0.15, 0.25, 0.7, 0.5) : f.box(0.27, 0.12, 0.46, 0.76));
    } else if (face.number <= 10 && s.marseilles && (face.suit == kSwords || face.suit == kWands)) {
        DrawMarseillesPips(p, s, face, area);
    } else if (face.number <= 10) {
        const Frame f{area};
        const int n = face.number;
        const bool disc = face.suit == kPentacles;
        const qreal pw = n <= 3 ? (disc ? 0.34 : 0.26) : n <= 6 ? (disc ? 0.28 : 0.22) : (disc ? 0.24 : 0.18);
        const qreal ph = disc ? pw * area.width() / area.height() : (n <= 3 ? 0.24 : n <= 6 ? 0.2 : 0.16);
        for (QPointF c : PipPlaces(n)) DrawSuit(p, s, face.suit, f.box(c.x() - pw / 2, c.y() - ph / 2, pw, ph));
    } else {
        DrawCourt(p, s, face, area);
    }
}

QImage DrawCard(int id, const Style& s) {
    const Face face = FaceOf(id, s);
    QImage image(kCardWidth, kCardHeight, QImage::Format_RGB32);
    image.fill(s.marseilles ? s.paper : QColor(255, 255, 255));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QRectF card(0, 0, kCardWidth, kCardHeight);
    const QRectF inner = card.adjusted(6, 6, -6, -6);
    const QRectF top(inner.left(), inner.top(), inner.width(), 20);
    const QRectF bottom(inner.left(), inner.bottom() - 26, inner.width(), 26);
    const QRectF art(inner.left(), top.bottom(), inner.width(), bottom.top() - top.bottom());

    // Frame and picture ground.
    if (s.marseilles) {
        p.setPen(QPen(s.frame, 2.5));
        p.setBrush(s.paper);
        p.drawRect(inner);
        p.setPen(QPen(s.frame, 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawRect(inner.adjusted(-3, -3, 3, 3));
        const bool scene = face.major || face.number == 1 || face.number > 10;
        if (scene) {  // flat sky and ground; the pip cards stand on bare paper
            p.setPen(Qt::NoPen);
            p.setBrush(s.sky.lighter(125));
            p.drawRect(art.adjusted(1, 1, -1, -art.height() * 0.35));
            p.setBrush(s.ground.lighter(115));
            p.drawRect(QRectF(art.left() + 1, art.bottom() - art.height() * 0.18, art.width() - 2, art.height() * 0.18 - 1));
        }
    } else {
        p.setPen(QPen(QColor(200, 196, 190), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);
        QLinearGradient sky(art.topLeft(), art.bottomLeft());
        sky.setColorAt(0, s.sky.lighter(105));
        sky.setColorAt(0.7, QColor(252, 236, 190));
        sky.setColorAt(1, s.ground);
        p.setPen(QPen(s.frame, 1.2));
        p.setBrush(sky);
        p.drawRect(inner.adjusted(0, 0, 0, 0));
    }
    p.save();
    p.setClipRect(art.adjusted(1, 1, -1, -1));
    DrawArt(p, s, face, art.adjusted(2, 4, -2, -4));
    p.restore();

    // The number at the top, the title at the bottom.
    p.setPen(QPen(s.frame, s.marseilles ? 2.0 : 1.2));
    p.setBrush(s.band);
    p.drawRect(top);
    p.drawRect(bottom);
    p.setPen(s.bandText);
    const QString label = TopLabel(face);
    if (!label.isEmpty()) {
        p.setFont(FittingFont(s.titleFamily, 9.5, true, label, top.width() - 8));
        p.drawText(top, Qt::AlignCenter, label);
    }
    if (!face.major) {
        const QString mark = CornerMark(face.number);
        p.setFont(FittingFont(s.titleFamily, 7.5, true, mark, 18));
        p.drawText(top.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, mark);
        p.drawText(top.adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, mark);
    }
    const QString title = s.marseilles ? face.title.toUpper() : face.title;
    p.setFont(FittingFont(s.titleFamily, s.marseilles ? 8.0 : 8.5, true, title, bottom.width() - 8));
    p.drawText(bottom, Qt::AlignCenter, title);
    return image;
}

// ---------------------------------------------------------------------------------------------
// The card back: a deep blue field with a star pattern.
QImage DrawCardBack(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(255, 255, 255));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal border = std::max(1.5, width * 0.05);
    const QRectF field = QRectF(0, 0, width, height).adjusted(border, border, -border, -border);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(34, 40, 110));
    p.drawRect(field);
    p.setPen(QPen(QColor(230, 190, 80), std::max(0.8, width * 0.012)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(field.adjusted(border, border, -border, -border));
    const qreal step = std::max(5.0, width / 6.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 100, 190));
    for (qreal y = field.top() + step; y < field.bottom() - step / 2; y += step)
        for (qreal x = field.left() + step; x < field.right() - step / 2; x += step)
            p.drawPolygon(StarPolygon({x, y}, step * 0.22, step * 0.09, 4));
    p.setBrush(QColor(240, 200, 90));
    p.drawPolygon(StarPolygon(field.center(), width * 0.26, width * 0.1, 8));
    return image;
}

// ---------------------------------------------------------------------------------------------
// A spread's pattern: its card boxes at their corners, numbered, the crossing card across.
QImage DrawDiagram(const TarotSpread& spread) {
    constexpr qreal cardW = 2205, cardH = 3780;  // a card box in twips
    QImage image(kDiagramWidth, kDiagramHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient felt(0, 0, 0, kDiagramHeight);
    felt.setColorAt(0, QColor(24, 92, 58));
    felt.setColorAt(1, QColor(14, 64, 40));
    p.fillRect(image.rect(), felt);
    p.setPen(QPen(QColor(214, 178, 90), 2));
    p.drawRect(QRectF(1, 1, kDiagramWidth - 2, kDiagramHeight - 2));

    // The spread's name at the top, in up to two lines.
    QFont nameFont(QStringLiteral("DejaVu Sans"));
    nameFont.setBold(true);
    nameFont.setPointSizeF(6.5);
    p.setFont(nameFont);
    p.setPen(QColor(250, 240, 210));
    const QRectF nameBox(5, 4, kDiagramWidth - 10, 24);
    p.drawText(nameBox, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, spread.strDisplayName);

    // A turned box keeps its corner and swaps its width and height.
    auto boxOf = [&](const SpreadPosition& pos) {
        return pos.blnTurned ? QRectF(pos.sngLeft, pos.sngTop, cardH, cardW) : QRectF(pos.sngLeft, pos.sngTop, cardW, cardH);
    };
    QRectF extent;
    for (const SpreadPosition& pos : spread.arrPositions) extent = extent.isNull() ? boxOf(pos) : extent.united(boxOf(pos));
    const QRectF room(8, nameBox.bottom() + 4, kDiagramWidth - 16, kDiagramHeight - nameBox.bottom() - 12);
    const qreal scale = std::min(room.width() / extent.width(), room.height() / extent.height());
    const QPointF origin(room.center().x() - extent.width() * scale / 2, room.center().y() - extent.height() * scale / 2);
    auto toImage = [&](const QRectF& twips) {
        return QRectF(origin + (twips.topLeft() - extent.topLeft()) * scale, twips.size() * scale);
    };

    QFont numberFont(QStringLiteral("DejaVu Sans"));
    numberFont.setBold(true);
    const qreal narrow = cardW * scale;
    numberFont.setPixelSize(std::max(7, static_cast<int>(narrow * 0.5)));
    p.setFont(numberFont);
    // The crossing card lies on top; the card under it shows its number below it.
    QRectF across;
    for (const SpreadPosition& pos : spread.arrPositions)
        if (pos.blnTurned) across = toImage(boxOf(pos));
    auto drawBox = [&](const SpreadPosition& pos) {
        const QRectF r = toImage(boxOf(pos)).adjusted(0.5, 0.5, -0.5, -0.5);
        p.setPen(QPen(QColor(60, 40, 20), 1));
        p.setBrush(QColor(250, 244, 226));
        p.drawRoundedRect(r, 2, 2);
        QRectF label = r;
        if (!pos.blnTurned && !across.isNull() && r.intersects(across) && across.contains(r.center()))
            label = QRectF(r.left(), across.bottom(), r.width(), r.bottom() - across.bottom());
        p.setPen(QColor(150, 30, 60));
        p.drawText(label, Qt::AlignCenter, QString::number(pos.intPosition + 1));
    };
    for (const SpreadPosition& pos : spread.arrPositions)
        if (!pos.blnTurned) drawBox(pos);
    for (const SpreadPosition& pos : spread.arrPositions)
        if (pos.blnTurned) drawBox(pos);
    return image;
}

// ---------------------------------------------------------------------------------------------
// Pseudo-random but fixed star fields.
struct Stars {
    quint32 state = 20240613u;
    qreal next() {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / static_cast<qreal>(1u << 24);
    }
};

void DrawStarField(QPainter& p, const QRectF& area, int count, const QColor& colour, qreal maxSize) {
    Stars random;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF c(area.left() + random.next() * area.width(), area.top() + random.next() * area.height());
        const qreal size = 0.6 + random.next() * maxSize;
        QColor shade = colour;
        shade.setAlphaF(0.35 + 0.65 * random.next());
        p.setBrush(shade);
        if (size > maxSize * 0.8) p.drawPolygon(StarPolygon(c, size * 1.8, size * 0.5, 4));
        else p.drawEllipse(c, size * 0.6, size * 0.6);
    }
}

QImage DrawSplash() {
    QImage image(500, 334, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QLinearGradient night(0, 0, 0, 334);
    night.setColorAt(0, QColor(16, 14, 48));
    night.setColorAt(1, QColor(58, 30, 88));
    p.fillRect(image.rect(), night);
    DrawStarField(p, QRectF(0, 0, 500, 334), 160, QColor(255, 250, 220), 1.6);

    // A crescent moon.
    QPainterPath moon;
    moon.addEllipse(QPointF(430, 62), 30, 30);
    QPainterPath cut;
    cut.addEllipse(QPointF(444, 52), 26, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 232, 160));
    p.drawPath(moon.subtracted(cut));

    // Three cards fanned out.
    const Style rider = RiderWaite();
    const int fan[3] = {16, 17, 18};  // The Moon, The Star, The Sun
    const qreal angles[3] = {-20, 0, 20};
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(140, 330);
        p.rotate(angles[i]);
        p.scale(0.82, 0.82);
        p.translate(-kCardWidth / 2.0, -kCardHeight - 40);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 90));
        p.drawRoundedRect(QRectF(4, 5, kCardWidth, kCardHeight), 7, 7);
        p.drawImage(QPointF(0, 0), DrawCard(fan[i], rider));
        p.restore();
    }

    // The program's name.
    const QString name = QStringLiteral("Adarizu Dudiruvo");
    const QFont titleFont = FittingFont(QStringLiteral("DejaVu Serif"), 20, true, name, 196);
    p.setFont(titleFont);
    p.setPen(QColor(240, 200, 90));
    p.drawText(QRectF(285, 100, 205, 40), Qt::AlignCenter, QStringLiteral("CV Vezor"));
    p.drawText(QRectF(285, 136, 205, 40), Qt::AlignCenter, name);
    QFont subFont(QStringLiteral("DejaVu Serif"));
    subFont.setItalic(true);
    subFont.setPointSizeF(12);
    p.setFont(subFont);
    p.setPen(QColor(230, 224, 250));
    p.drawText(QRectF(285, 182, 205, 24), Qt::AlignCenter, QStringLiteral("Tarot Readings"));
    QFont versionFont(QStringLiteral("DejaVu Sans"));
    versionFont.setPointSizeF(9);
    p.setFont(versionFont);
    p.setPen(QColor(190, 180, 220));
    p.drawText(QRectF(285, 210, 205, 20), Qt::AlignCenter, QStringLiteral("Version 1.55"));
    p.setPen(QPen(QColor(240, 200, 90, 160), 1));
    p.drawLine(QPointF(317, 236), QPointF(457, 236));
    return image;
}

// The querent and selection windows' background: pale parchment with a faint zodiac wheel.
QImage DrawBackground() {
    QImage image(600, 413, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient wash(0, 0, 600, 413);
    wash.setColorAt(0, QColor(250, 244, 228));
    wash.setColorAt(1, QColor(236, 230, 246));
    p.fillRect(image.rect(), wash);
    DrawStarField(p, QRectF(0, 0, 600, 413), 90, QColor(200, 180, 120), 1.4);
    const QPointF centre(420, 236);
    p.setPen(QPen(QColor(210, 196, 160), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 150, 150);
    p.drawEllipse(centre, 118, 118);
    p.drawEllipse(centre, 40, 40);
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * kPi / 6;
        p.drawLine(centre + QPointF(40 * std::cos(a), 40 * std::sin(a)), centre + QPointF(150 * std::cos(a), 150 * std::sin(a)));
        p.setBrush(QColor(226, 214, 180));
        p.drawPolygon(StarPolygon(centre + QPointF(134 * std::cos(a + kPi / 12), 134 * std::sin(a + kPi / 12)), 6, 2.5, 5));
        p.setBrush(Qt::NoBrush);
    }
    return image;
}

// The application icon in the 16 standard colours: a card with a gold star.
QImage DrawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const int k = size / 16;  // 1 for 16 x 16, 2 for 32 x 32
    const QRect card(3 * k, 1 * k, 10 * k, 14 * k);
    p.fillRect(card, QColor(0, 0, 128));
    p.fillRect(card.adjusted(1, 1, -1, -1), QColor(255, 255, 255));
    p.fillRect(card.adjusted(k + 1, k + 1, -k - 1, -k - 1), QColor(0, 0, 128));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 0));
    p.drawPolygon(StarPolygon(QPointF(card.center().x() + 0.5, card.center().y() + 0.5), 3.4 * k, 1.4 * k, 5));
    p.end();
    QList<QRgb> colours = {qRgba(0, 0, 0, 0),     qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),
                           qRgb(128, 128, 0),     qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128),
                           qRgb(192, 192, 192),   qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),
                           qRgb(255, 255, 0),     qRgb(255, 0, 255),   qRgb(0, 255, 255), qRgb(255, 255, 255)};
    return image.convertToFormat(QImage::Format_Indexed8, colours, Qt::ThresholdDither | Qt::AvoidDither);
}

// ---------------------------------------------------------------------------------------------
bool Save(const QImage& image, const QString& path) {
    QImageWriter writer(path);
    if (path.endsWith(QLatin1String(".jpg"))) {
        writer.setFormat("jpeg");
        writer.setQuality(92);
    } else {
        writer.setFormat("png");
    }
    if (writer.write(image)) return true;
    QTextStream(stderr) << "picturegen: cannot write " << path << ": " << writer.errorString() << "\n";
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        QTextStream(stderr) << "usage: picturegen <program folder> <resource folder>\n";
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString res = QString::fromLocal8Bit(argv[2]);
    if (!QDir().mkpath(out + "/cards") || !QDir().mkpath(out + "/pic") || !QDir().mkpath(res)) return 1;

    bool ok = true;
    const std::pair<const char*, Style> decks[] = {{"r", RiderWaite()}, {"m", Marseilles()}};
    for (const auto& [letter, style] : decks) {
        for (int id = 0; id < kCardCount; ++id)
            ok &= Save(DrawCard(id, style), QStringLiteral("%1/cards/%2%3.jpg").arg(out, QLatin1String(letter)).arg(id));
    }
    for (const TarotSpread& spread : Spreads())
        ok &= Save(DrawDiagram(spread), QStringLiteral("%1/pic/c%2.jpg").arg(out).arg(spread.intIndex));

    const std::pair<const char*, QImage> embedded[] = {
        {"splash.jpg", DrawSplash()},
        {"background.jpg", DrawBackground()},
        {"cardback.jpg", DrawCardBack(kCardWidth, kCardHeight)},
        {"icon32.png", DrawIcon(32)},
        {"icon16.png", DrawIcon(16)},
    };
    QString list;
    for (const auto& [name, image] : embedded) {
        ok &= Save(image, res + "/" + QLatin1String(name));
        list += QStringLiteral("    <file>%1</file>\n").arg(QLatin1String(name));
    }
    // The icon in the desktop's sizes, beside the embedded ones, for the install step.
    for (const int size : {48, 64, 128, 256}) ok &= Save(DrawIcon(size), QStringLiteral("%1/icon%2.png").arg(res).arg(size));
    QFile qrc(res + "/pictures.qrc");
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 1;
    QTextStream(&qrc) << "<RCC>\n  <qresource prefix=\"/pictures\">\n" << list << "  </qresource>\n</RCC>\n";
    return ok ? 0 : 1;
}
