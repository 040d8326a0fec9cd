#pragma once
// Placement of the texts of one drawing area so that no two of them overlap. A drawing submits
// each text with the places it may stand at (best first), how much it matters and, for a value,
// the point of the curve it belongs to; the layout measures the texts on the canvas, places the
// more important ones first and moves a text that would cover one already placed to its next
// free place, or leaves it out when it has none. The whole beam's largest and smallest values
// are never left out. A text that collides with nothing keeps its first place, so a drawing
// whose texts never met is drawn as it always was.
//
// Use: make a layout for the canvas and its user system, set the style, add the texts, draw.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/canvas.h"
#include "graphics/diagram_scales.h"

namespace spanlyx {

// How much a text matters; the less important text gives way when two would meet.
enum class LabelRank {
    Detail,   // a span's extreme inside the span, a "Plot X" value
    Support,  // a value at a support (a reaction, a span's end value), a load value
    Kept,     // the whole beam's largest or smallest value: never left out
};

// The top-left corner of a text, in the canvas's user units.
struct LabelPlace {
    double left = 0;
    double top = 0;
};

// A point of the drawing that a value belongs to.
struct LabelAnchor {
    double x = 0;
    double y = 0;
};

struct LabelRequest {
    std::string text;
    // Places to try, best first. The first is where the text stands when nothing is in its way;
    // the others are taken only when they lie wholly inside the drawing area.
    std::vector<LabelPlace> places;
    LabelRank rank = LabelRank::Detail;
    // Two texts alike for one anchor (a value at the end of one span and at the start of the
    // next) are written once.
    std::optional<LabelAnchor> anchor;
};

// The box a text covers, with bottom <= top whichever way y grows.
struct LabelBox {
    double left = 0, right = 0, bottom = 0, top = 0;

    // Touching edges do not count as overlapping.
    bool overlaps(const LabelBox& other) const;
};

// A text already on the drawing: later texts keep clear of it, and one alike for the same anchor
// is not written again.
struct PlacedLabel {
    std::string text;
    std::optional<LabelAnchor> anchor;
    LabelBox box;
};

class LabelLayout {
  public:
    // area: the user system the canvas is drawn in (a negative height: y grows upwards).
    LabelLayout(Canvas& canvas, const AreaScale& area);

    // Colour and font size of the texts added from now on.
    void set_style(Rgb colour, double font_size);
    void add(LabelRequest request);
    // Texts drawn before, by an earlier layout over the same user system.
    void keep_clear(const std::vector<PlacedLabel>& drawn);
    // Places, as request.places, for a text stacked away from a first place: the first place,
    // then `rows` places one text height further each, upwards (+1) or downwards (-1) on the
    // drawing, in the style in force.
    std::vector<LabelPlace> stacked(LabelPlace first, std::string_view text, int direction,
                                    int rows) const;

    // Places the texts and draws those that found a place, in the order they were added.
    // Returns how many were left out.
    std::size_t draw();
    // After draw: the texts drawn, with those kept clear of, for a later layout to keep clear of.
    const std::vector<PlacedLabel>& placed() const { return placed_; }

  private:
    struct Style {
        Rgb colour;
        double font_size = 8;
    };
    struct Entry {
        LabelRequest request;
        Style style;
        TextExtent extent;
        std::optional<std::size_t> place;  // index into request.places once placed
    };

    LabelBox box_at(const Entry& entry, const LabelPlace& place) const;
    bool inside_area(const LabelBox& box) const;
    bool duplicate(const LabelRequest& request);
    void place_all();

    Canvas& canvas_;
    AreaScale area_;
    Style style_;
    std::vector<Entry> entries_;
    std::vector<PlacedLabel> placed_;
};

}  // namespace spanlyx
