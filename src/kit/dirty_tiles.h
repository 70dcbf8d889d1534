#pragma once

#include <QImage>
#include <QRect>

#include <vector>

// The parts of a picture painted since it was last made whole, kept as
// 16 × 16 tiles, so that overlapping strokes are restored only once and a
// slanting ray restores a strip along itself rather than its whole box.
class DirtyTiles {
public:
    void reset(const QSize& size);
    void mark(const QRect& rect);
    bool empty() const { return marked_ == 0; }
    // Copies the marked tiles of `from` into `to`, both of the reset size,
    // and forgets them.
    void copyBack(const QImage& from, QImage& to);

private:
    static constexpr int kTile = 16;
    QSize size_;
    int columns_ = 0;
    int rows_ = 0;
    int marked_ = 0;
    std::vector<unsigned char> tiles_;
};
