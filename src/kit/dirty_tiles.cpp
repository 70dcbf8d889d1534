#include "kit/dirty_tiles.h"

#include <algorithm>
#include <cstring>

void DirtyTiles::reset(const QSize& size)
{
    size_ = size;
    columns_ = (size.width() + kTile - 1) / kTile;
    rows_ = (size.height() + kTile - 1) / kTile;
    tiles_.assign(size_t(columns_) * size_t(rows_), 0);
    marked_ = 0;
}

void DirtyTiles::mark(const QRect& rect)
{
    const QRect inside = rect & QRect(QPoint(0, 0), size_);
    if (inside.isEmpty())
        return;
    for (int row = inside.top() / kTile; row <= inside.bottom() / kTile; ++row) {
        unsigned char* tile = tiles_.data() + size_t(row) * size_t(columns_);
        for (int column = inside.left() / kTile; column <= inside.right() / kTile; ++column) {
            marked_ += tile[column] == 0;
            tile[column] = 1;
        }
    }
}

void DirtyTiles::copyBack(const QImage& from, QImage& to)
{
    if (marked_ == 0)
        return;
    const qsizetype bytesPerLine = to.bytesPerLine();
    uchar* bits = to.bits();
    for (int row = 0; row < rows_; ++row) {
        unsigned char* tile = tiles_.data() + size_t(row) * size_t(columns_);
        const int top = row * kTile, bottom = std::min(top + kTile, size_.height());
        for (int column = 0; column < columns_;) {
            if (!tile[column]) {
                ++column;
                continue;
            }
            const int first = column;
            while (column < columns_ && tile[column])
                tile[column++] = 0;
            const int left = first * kTile, right = std::min(column * kTile, size_.width());
            for (int y = top; y < bottom; ++y)
                std::memcpy(bits + y * bytesPerLine + left * 4, from.constScanLine(y) + left * 4, size_t(right - left) * 4);
        }
    }
    marked_ = 0;
}
