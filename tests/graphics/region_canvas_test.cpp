#include "graphics/region_canvas.h"

#include <gtest/gtest.h>

#include <numbers>

#include "graphics/recording_canvas.h"

namespace spanlyx {
namespace {

constexpr double kTol = 1e-9;

TEST(RegionCanvas, MapsAnAreaWithYUpOntoARectangleOfAPageWithYDown) {
    // A page of 10 x 20 units on 800 x 400 pixels; the region is the rectangle from (2, 4),
    // 5 wide and 2 high, showing x -0.5..10.5 and y 5 down to -3 (y up).
    RecordingCanvas page(800, 400);
    page.set_scale(0, 0, 10, 20);
    RegionCanvas region(page, 10, {2, 4, 5, 2});
    region.set_scale(-0.5, 5, 11, -8);
    page.reset_recording();

    // The region's corners and the point (0, 0) of its own system.
    region.line(-0.5, 5, 10.5, -3);
    ASSERT_EQ(page.lines().size(), 1u);
    EXPECT_TRUE(page.has_line(2, 4, 7, 6, kTol));
    region.line(0, 0, 0, 0);
    EXPECT_NEAR(page.lines()[1].x1, 2 + 0.5 * 5 / 11, kTol);
    EXPECT_NEAR(page.lines()[1].y1, 4 + 5 * 2.0 / 8, kTol);

    // Radii are horizontal lengths; arcs turn over with the y axis.
    region.circle(0, 0, 1.1);
    EXPECT_NEAR(page.circles().at(0).radius, 0.5, kTol);
    region.arc(0, 0, 1.1, 0, std::numbers::pi / 3);
    EXPECT_NEAR(page.arcs().at(0).start, 0, kTol);
    EXPECT_NEAR(page.arcs().at(0).end, -std::numbers::pi / 3, kTol);

    // Text extents come back in the region's units, texts keep their top-left corner.
    page.set_font_size(10);
    const TextExtent on_page = page.text_extent("abc");
    const TextExtent in_region = region.text_extent("abc");
    EXPECT_NEAR(in_region.width, on_page.width * 11 / 5, kTol);
    EXPECT_NEAR(in_region.height, on_page.height * 8 / 2, kTol);
    region.text(10.5, 5, "abc");
    EXPECT_NEAR(page.texts().at(0).x, 7, kTol);
    EXPECT_NEAR(page.texts().at(0).y, 4, kTol);

    // Half the page's width in pixels for half its width in units.
    EXPECT_NEAR(region.device_width_pixels(), 400, kTol);
}

}  // namespace
}  // namespace spanlyx
