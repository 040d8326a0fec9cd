#include "graphics/label_layout.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace spanlyx {
namespace {

// Boxes that share no more than a rounding error do not overlap.
constexpr double kOverlapSlack = 1e-9;
// Anchors this close, in shares of the area, are the same point.
constexpr double kSameAnchorShare = 1e-6;
// Texts are drawn with a pen of this width; only its colour shows.
constexpr double kTextPenWidth = 1;

bool same_anchor(const std::optional<LabelAnchor>& a, const std::optional<LabelAnchor>& b,
                 const AreaScale& area) {
    return a && b && std::abs(a->x - b->x) <= std::abs(area.width) * kSameAnchorShare &&
           std::abs(a->y - b->y) <= std::abs(area.height) * kSameAnchorShare;
}

}  // namespace

bool LabelBox::overlaps(const LabelBox& other) const {
    return left < other.right - kOverlapSlack && other.left < right - kOverlapSlack &&
           bottom < other.top - kOverlapSlack && other.bottom < top - kOverlapSlack;
}

LabelLayout::LabelLayout(Canvas& canvas, const AreaScale& area) : canvas_(canvas), area_(area) {}

void LabelLayout::set_style(Rgb colour, double font_size) {
    style_ = {colour, font_size};
    canvas_.set_font_size(font_size);
}

bool LabelLayout::duplicate(const LabelRequest& request) {
    if (!request.anchor)
        return false;
    for (const PlacedLabel& drawn : placed_) {
        if (drawn.text == request.text && same_anchor(drawn.anchor, request.anchor, area_))
            return true;
    }
    for (Entry& entry : entries_) {
        if (entry.request.text == request.text &&
            same_anchor(entry.request.anchor, request.anchor, area_)) {
            // The text written stands for both: it matters as much as the more important.
            entry.request.rank = std::max(entry.request.rank, request.rank);
            return true;
        }
    }
    return false;
}

void LabelLayout::keep_clear(const std::vector<PlacedLabel>& drawn) {
    placed_.insert(placed_.end(), drawn.begin(), drawn.end());
}

void LabelLayout::add(LabelRequest request) {
    if (request.places.empty() || request.text.empty() || duplicate(request))
        return;
    const TextExtent extent = canvas_.text_extent(request.text);
    entries_.push_back({std::move(request), style_, extent, std::nullopt});
}

std::vector<LabelPlace> LabelLayout::stacked(LabelPlace first, std::string_view text, int direction,
                                             int rows) const {
    // One text height on the drawing, in user units that may grow either way.
    const double step = canvas_.text_extent(text).height * (area_.height < 0 ? 1.0 : -1.0);
    std::vector<LabelPlace> places{first};
    for (int row = 1; row <= rows; ++row)
        places.push_back({first.left, first.top + direction * row * step});
    return places;
}

LabelBox LabelLayout::box_at(const Entry& entry, const LabelPlace& place) const {
    // Texts hang from their top edge: downwards on the drawing, whichever way y grows.
    const double hang = area_.height < 0 ? -entry.extent.height : entry.extent.height;
    const double y1 = place.top;
    const double y2 = place.top + hang;
    return {place.left, place.left + entry.extent.width, std::min(y1, y2), std::max(y1, y2)};
}

bool LabelLayout::inside_area(const LabelBox& box) const {
    const double left = std::min(area_.left, area_.left + area_.width);
    const double right = std::max(area_.left, area_.left + area_.width);
    const double bottom = std::min(area_.top, area_.top + area_.height);
    const double top = std::max(area_.top, area_.top + area_.height);
    return box.left >= left - kOverlapSlack && box.right <= right + kOverlapSlack &&
           box.bottom >= bottom - kOverlapSlack && box.top <= top + kOverlapSlack;
}

void LabelLayout::place_all() {
    // The more important first; among equals, the order of the drawing.
    std::vector<std::size_t> order(entries_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return entries_[a].request.rank > entries_[b].request.rank;
    });
    std::vector<LabelBox> taken;
    for (const PlacedLabel& drawn : placed_)
        taken.push_back(drawn.box);
    for (std::size_t index : order) {
        Entry& entry = entries_[index];
        const std::vector<LabelPlace>& places = entry.request.places;
        for (std::size_t p = 0; p < places.size() && !entry.place; ++p) {
            const LabelBox box = box_at(entry, places[p]);
            // The first place is where the text always stood, inside the area or not.
            if (p > 0 && !inside_area(box))
                continue;
            const bool free = std::none_of(taken.begin(), taken.end(), [&](const LabelBox& other) {
                return box.overlaps(other);
            });
            if (free)
                entry.place = p;
        }
        if (!entry.place && entry.request.rank == LabelRank::Kept)
            entry.place = 0;
        if (entry.place)
            taken.push_back(box_at(entry, places[*entry.place]));
    }
}

std::size_t LabelLayout::draw() {
    place_all();
    std::size_t left_out = 0;
    std::optional<Style> drawn_style;
    for (const Entry& entry : entries_) {
        if (!entry.place) {
            ++left_out;
            continue;
        }
        if (!drawn_style || !(drawn_style->colour == entry.style.colour) ||
            drawn_style->font_size != entry.style.font_size) {
            canvas_.set_pen(entry.style.colour, kTextPenWidth);
            canvas_.set_font_size(entry.style.font_size);
            drawn_style = entry.style;
        }
        const LabelPlace& place = entry.request.places[*entry.place];
        canvas_.text(place.left, place.top, entry.request.text);
        placed_.push_back({entry.request.text, entry.request.anchor, box_at(entry, place)});
    }
    entries_.clear();
    return left_out;
}

}  // namespace spanlyx
