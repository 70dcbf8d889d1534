// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/recording_canvas.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

class CanvasState : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPixelSize(13);
        font.setBold(true);
        canvas.SetLabelAppearance(Qt::black, font, QColor(0xFF, 0x00, 0x00));
    }
    RecordingCanvas canvas{607, 519};
};

TEST_F(CanvasState, ColourOnAClearBrushMakesItSolid)
{
    canvas.SetBrushStyle(BrushStyle::bsClear);
    EXPECT_EQ(canvas.Brush().color, QColor(Qt::white));
    canvas.SetBrushColor(QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(canvas.Brush().style, BrushStyle::bsSolid);
    EXPECT_EQ(canvas.Brush().color, QColor(0xFF, 0xFF, 0x00));
}

TEST_F(CanvasState, ColourOnAHatchedBrushKeepsTheHatch)
{
    canvas.SetBrushStyle(BrushStyle::bsFDiagonal);
    canvas.SetBrushColor(QColor(0x00, 0x00, 0xFF));
    EXPECT_EQ(canvas.Brush().style, BrushStyle::bsFDiagonal);
}

TEST_F(CanvasState, RefreshLeavesAClearBrushAndTheLabelFontButKeepsThePen)
{
    canvas.SetPenColor(QColor(0x80, 0x80, 0x80));
    canvas.SetPenWidth(3);
    canvas.SetBrushColor(Qt::black);
    canvas.SetFont(QFont(QStringLiteral("Verdana")), Qt::white);
    canvas.MoveTo(10, 20);

    canvas.Refresh();

    EXPECT_EQ(canvas.Brush().style, BrushStyle::bsClear);
    EXPECT_EQ(canvas.Brush().color, QColor(Qt::white));
    EXPECT_EQ(canvas.Font().pixelSize(), 13);
    EXPECT_TRUE(canvas.Font().bold());
    EXPECT_EQ(canvas.FontColor(), QColor(0xFF, 0x00, 0x00));
    EXPECT_EQ(canvas.Pen().width, 3);
    EXPECT_EQ(canvas.Pen().color, QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(canvas.PenPos(), QPoint(10, 20));
}

TEST_F(CanvasState, EllipseRightAfterRefreshIsOnlyOutlined)
{
    canvas.SetBrushColor(QColor(0xFF, 0xFF, 0x00));
    canvas.Refresh();
    canvas.Ellipse(103, 59, 503, 459);
    ASSERT_EQ(canvas.Ops().size(), 2u);
    EXPECT_EQ(canvas.Ops()[1].toString(), "Ellipse(103,59,503,459) pen=#000000,1,solid brush=clear");
}

TEST_F(CanvasState, RefreshStartsTheLogOfANewRedraw)
{
    canvas.MoveTo(1, 2);
    canvas.LineTo(3, 4);
    canvas.Refresh();
    canvas.LineTo(5, 6);
    ASSERT_EQ(canvas.Ops().size(), 2u);
    EXPECT_EQ(canvas.Ops()[0].toString(), "Refresh()");
    EXPECT_EQ(canvas.Ops()[1].toString(), "LineTo(5,6) pen=#000000,1,solid");
}

TEST_F(CanvasState, TextOutMovesThePenToTheEndOfTheText)
{
    canvas.Refresh();
    canvas.TextOut(100, 50, QStringLiteral("B"));
    EXPECT_EQ(canvas.PenPos(), QPoint(100 + QFontMetrics(canvas.Font()).horizontalAdvance("B"), 50));
    EXPECT_EQ(canvas.Ops().back().toString(), "TextOut(100,50) \"B\" font=#ff0000 brush=clear");
}

TEST_F(CanvasState, LineToMovesThePenAndPenPosCanBeSet)
{
    canvas.MoveTo(0, 0);
    canvas.LineTo(7, 9);
    EXPECT_EQ(canvas.PenPos(), QPoint(7, 9));
    canvas.SetPenPos(QPoint(425, 129));
    EXPECT_EQ(canvas.PenPos(), QPoint(425, 129));
    EXPECT_EQ(canvas.Ops().back().toString(), "PenPos(425,129)");
}

} // namespace
