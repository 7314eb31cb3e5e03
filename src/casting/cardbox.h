#pragma once
// A card box of the card table: shows its picture inside a one-pixel border, whether enabled or
// not, and takes the size of each picture it is given.
#include <QImage>
#include <QPixmap>
#include <QWidget>

class CardBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBorder = 1;

    explicit CardBox(QWidget* parent = nullptr);

    // The picture the box holds. Setting one shows it and sizes the box to it; an empty picture
    // leaves the box empty at its size.
    const QPixmap& Picture() const { return picture_; }
    void setPicture(const QPixmap& picture);

    // What the box shows: the picture, or a turned drawing of it.
    const QImage& Image() const { return image_; }
    void setImage(const QImage& image);

    QSize innerSize() const;

    // Whether the box shows the face of a card (not its design back, not empty).
    bool holdsCardFace() const { return holdsCardFace_; }
    void setHoldsCardFace(bool face) { holdsCardFace_ = face; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    QImage image_;
    bool holdsCardFace_ = false;
};
