#include "casting/cardbox.h"

#include <QPainter>
#include <algorithm>

CardBox::CardBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CardBox::setPicture(const QPixmap& picture) {
    picture_ = picture;
    image_ = picture.isNull() ? QImage() : picture.toImage();
    if (!picture.isNull()) resize(picture.width() + 2 * kBorder, picture.height() + 2 * kBorder);
    update();
}

void CardBox::setImage(const QImage& image) {
    image_ = image;
    update();
}

QSize CardBox::innerSize() const {
    return QSize(std::max(0, width() - 2 * kBorder), std::max(0, height() - 2 * kBorder));
}

void CardBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Active, QPalette::Base));
    if (!image_.isNull()) painter.drawImage(QPoint(kBorder, kBorder), image_);
    painter.setPen(palette().color(QPalette::Active, QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
