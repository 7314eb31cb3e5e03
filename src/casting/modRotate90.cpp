#include "casting/modRotate90.h"

#include "casting/cardbox.h"

#include <QTransform>

void RotatePicture90(CardBox& box) {
    const int w = box.width();
    const int h = box.height();
    if (!box.Image().isNull()) box.setImage(box.Image().transformed(QTransform().rotate(90)));
    box.resize(h, w);
    box.update();
}

void RotatePicture180(CardBox& box) {
    if (box.Picture().isNull()) {
        box.update();
        return;
    }
    const QSize inner = box.innerSize();
    QImage image = box.Picture().toImage();
    if (!inner.isEmpty() && image.size() != inner) {
        image = image.scaled(inner, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    image = image.transformed(QTransform().rotate(180));
    const QPoint corner = box.pos();
    const QSize size = box.size();
    box.setPicture(QPixmap::fromImage(image));
    box.setGeometry(QRect(corner, size));
}
