#include "graphics/recording_canvas.h"

#include <gtest/gtest.h>

#include <variant>

namespace spanlyx {
namespace {

TEST(RecordingCanvas, TextExtentIsAFixedCellThroughTheCurrentScale) {
    RecordingCanvas canvas;  // 800 x 200 pixels
    canvas.set_font_size(10);
    // Before a scale is set user units are pixels: 4 cells of 6 x 12 pixels.
    EXPECT_DOUBLE_EQ(canvas.text_extent("abcd").width, 24);
    EXPECT_DOUBLE_EQ(canvas.text_extent("abcd").height, 12);
    // 11 units across 800 pixels, 6 units (upwards) over 200 pixels.
    canvas.set_scale(-0.5, 5, 11, -6);
    EXPECT_DOUBLE_EQ(canvas.text_extent("abcd").width, 24.0 * 11 / 800);
    EXPECT_DOUBLE_EQ(canvas.text_extent("abcd").height, 12.0 * 6 / 200);
    EXPECT_DOUBLE_EQ(canvas.text_extent("").width, 0);

    RecordingCanvas small(400, 100);
    small.set_font_size(5);
    small.set_scale(0, 0, 4, 2);
    EXPECT_DOUBLE_EQ(small.text_extent("xy").width, 2 * 3.0 * 4 / 400);
    EXPECT_DOUBLE_EQ(small.text_extent("xy").height, 6.0 * 2 / 100);
}

// The other tests rely on these queries; a query that always matched would let them pass.
TEST(RecordingCanvas, RecordsCallsInOrderWithThePenAndFontInForce) {
    RecordingCanvas canvas;
    canvas.clear();
    canvas.set_scale(0, 10, 10, -10);
    canvas.set_pen(kRed, 2);
    canvas.line(0, 0, 1, 1);
    canvas.set_pen(kBlack, 3);
    canvas.line(2, 2, 3, 3);
    canvas.circle(1, 2, 0.5);
    canvas.arc(1, 2, 0.2, 0, 1);
    canvas.set_font_size(7);
    canvas.text(4, 5, "P");

    ASSERT_EQ(canvas.calls().size(), 10u);
    EXPECT_TRUE(std::holds_alternative<ClearCall>(canvas.calls()[0]));
    EXPECT_TRUE(std::holds_alternative<TextCall>(canvas.calls()[9]));
    EXPECT_EQ(canvas.clear_count(), 1u);
    ASSERT_EQ(canvas.lines(kRed, 2).size(), 1u);
    EXPECT_EQ(canvas.lines(kRed, 2)[0].x2, 1);
    EXPECT_TRUE(canvas.lines(kBlack, 2).empty());
    EXPECT_TRUE(canvas.has_line(3, 3, 2, 2));  // either direction
    EXPECT_FALSE(canvas.has_line(3, 3, 2, 2.1));
    EXPECT_TRUE(canvas.has_line(3, 3, 2, 2.1, 0.2));
    EXPECT_EQ(canvas.circles_at(1, 2, 0.5).at(0).colour, kBlack);
    EXPECT_TRUE(canvas.circles_at(1, 2, 0.6).empty());
    EXPECT_EQ(canvas.arcs().at(0).pen_width, 3);
    EXPECT_EQ(canvas.texts_equal("P").at(0).font_size, 7);
    EXPECT_TRUE(canvas.texts_equal("p").empty());

    canvas.reset_recording();
    EXPECT_TRUE(canvas.calls().empty());
    canvas.line(0, 0, 1, 0);  // the pen stays in force
    EXPECT_EQ(canvas.lines(kBlack, 3).size(), 1u);
}

}  // namespace
}  // namespace spanlyx
