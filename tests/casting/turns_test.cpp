// The picture turns of a card box, checked pixel by pixel.
#include "casting/cardbox.h"
#include "casting/modRotate90.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

// A picture in four colours, one per quarter: red top left, green top right, blue bottom left,
// yellow bottom right.
QPixmap Quarters(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    const int w = width / 2;
    const int h = height / 2;
    painter.fillRect(0, 0, w, h, Qt::red);
    painter.fillRect(w, 0, width - w, h, Qt::green);
    painter.fillRect(0, h, w, height - h, Qt::blue);
    painter.fillRect(w, h, width - w, height - h, Qt::yellow);
    painter.end();
    return QPixmap::fromImage(image);
}

QColor At(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }

QImage Rgb(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_RGB32); }

}  // namespace

TEST(PictureTurns, AQuarterTurnLaysTheCardAcrossKeepingItsCorner) {
    CardBox box;
    box.setPicture(Quarters(40, 60));
    box.move(30, 20);
    ASSERT_EQ(box.size(), QSize(42, 62));

    RotatePicture90(box);

    EXPECT_EQ(box.size(), QSize(62, 42));
    EXPECT_EQ(box.pos(), QPoint(30, 20));
    const QImage shown = box.Image().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(60, 40));
    // The picture's top edge now runs down the right-hand side, its left edge along the top.
    EXPECT_EQ(At(shown, 59, 0), QColor(Qt::red));
    EXPECT_EQ(At(shown, 59, 39), QColor(Qt::green));
    EXPECT_EQ(At(shown, 0, 0), QColor(Qt::blue));
    EXPECT_EQ(At(shown, 0, 39), QColor(Qt::yellow));
    // The box's picture stays upright.
    EXPECT_EQ(Rgb(box.Picture()), Rgb(Quarters(40, 60)));
}

TEST(PictureTurns, AQuarterTurnOfASquareBoxKeepsItsSize) {
    CardBox box;
    box.setPicture(Quarters(50, 50));
    RotatePicture90(box);
    EXPECT_EQ(box.size(), QSize(52, 52));
    EXPECT_EQ(At(box.Image(), 49, 0), QColor(Qt::red));
}

TEST(PictureTurns, LoadingAPictureAfterAQuarterTurnShowsItUpright) {
    CardBox box;
    box.setPicture(Quarters(40, 60));
    RotatePicture90(box);
    box.setPicture(Quarters(40, 60));
    EXPECT_EQ(box.size(), QSize(42, 62));
    EXPECT_EQ(At(box.Image(), 0, 0), QColor(Qt::red));
}

TEST(PictureTurns, AHalfTurnTurnsTheCardUpsideDownAndTwiceGivesItBack) {
    CardBox box;
    box.setPicture(Quarters(40, 60));
    box.move(7, 9);

    RotatePicture180(box);
    EXPECT_EQ(box.size(), QSize(42, 62));
    EXPECT_EQ(box.pos(), QPoint(7, 9));
    const QImage once = Rgb(box.Picture());
    EXPECT_EQ(At(once, 0, 0), QColor(Qt::yellow));
    EXPECT_EQ(At(once, 39, 59), QColor(Qt::red));
    EXPECT_EQ(At(once, 39, 0), QColor(Qt::blue));
    EXPECT_EQ(box.Image().convertToFormat(QImage::Format_RGB32), once);

    RotatePicture180(box);
    EXPECT_EQ(Rgb(box.Picture()), Rgb(Quarters(40, 60)));
}

TEST(PictureTurns, AHalfTurnStretchesThePictureOverALargerBox) {
    CardBox box;
    box.setPicture(Quarters(20, 20));
    box.resize(102, 82);
    RotatePicture180(box);
    EXPECT_EQ(box.size(), QSize(102, 82));
    const QImage turned = Rgb(box.Picture());
    ASSERT_EQ(turned.size(), QSize(100, 80));
    EXPECT_EQ(At(turned, 99, 79), QColor(Qt::red));
    EXPECT_EQ(At(turned, 2, 2), QColor(Qt::yellow));
}

TEST(PictureTurns, TurningAnEmptyBoxLeavesItEmpty) {
    CardBox box;
    box.resize(147, 252);
    RotatePicture180(box);
    EXPECT_TRUE(box.Picture().isNull());
    EXPECT_EQ(box.size(), QSize(147, 252));
    RotatePicture90(box);
    EXPECT_TRUE(box.Image().isNull());
    EXPECT_EQ(box.size(), QSize(252, 147));
}

TEST(PictureTurns, ABoxPaintsItsPictureWhetherEnabledOrNot) {
    CardBox box;
    box.setPicture(Quarters(40, 60));
    box.setEnabled(false);
    const QImage grabbed = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(At(grabbed, CardBox::kBorder + 5, CardBox::kBorder + 5), QColor(Qt::red));
    EXPECT_EQ(At(grabbed, CardBox::kBorder + 35, CardBox::kBorder + 55), QColor(Qt::yellow));
}
