#pragma once
// Beams, sampled points and extremes built by hand for the diagram tests, with the geometry of
// the recording canvas so that expected positions can be worked out independently.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string_view>
#include <vector>

#include "graphics/recording_canvas.h"
#include "graphics/report_pages.h"
#include "model/beam.h"
#include "response/sample_point.h"
#include "response/span_extremes.h"
#include "response/span_response.h"

namespace spanlyx::test {

// Width of one character in user units on the recording canvas: a cell of 0.6 x the font size
// pixels on 800 pixels for 11 units.
inline double char_width(double font_size) {
    return 0.6 * font_size * 11.0 / 800.0;
}
// Height of one text line in user units on an area of the given scale height (200 pixels).
inline double text_height(double font_size, double scale_height) {
    return 1.2 * font_size * std::abs(scale_height) / 200.0;
}
// One device pixel column of an 800-pixel area 11 units wide.
inline constexpr double kPixel = 11.0 / 800.0;

inline Beam beam_of(const std::vector<double>& lengths, UnitSystem units = UnitSystem::E) {
    Beam beam;
    beam.units = units;
    for (double length : lengths) {
        Span span;
        span.length = HeldNumber::computed(length);
        beam.spans.push_back(span);
    }
    beam.joints.resize(lengths.size() + 1);
    return beam;
}

// Values of the three quantities at (span from 1, span_x).
struct Values {
    double shear = 0, moment = 0, deflection = 0;
};
using ValueAt = std::function<Values(int span, double span_x)>;

// The points the sweep writes: the beam's left end, then every hundredth of every span from
// span_x 0.01 to its end; a span's left end is the end of the span before it.
inline std::vector<SamplePoint> sampled(const std::vector<double>& lengths, const ValueAt& at) {
    std::vector<SamplePoint> points;
    double start = 0;
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        const int span = static_cast<int>(i) + 1;
        const long long steps = std::llround(lengths[i] * 100);
        for (long long n = (i == 0 ? 0 : 1); n <= steps; ++n) {
            const double span_x = static_cast<double>(n) / 100;
            const Values v = at(span, span_x);
            SamplePoint point;
            point.beam_x = std::round((start + span_x) * 100000) / 100000;
            point.span = static_cast<std::int16_t>(span);
            point.span_x = span_x;
            point.shear = v.shear;
            point.moment = v.moment;
            point.deflection = v.deflection;
            points.push_back(point);
        }
        start += lengths[i];
    }
    return points;
}

inline ResponseOutcome response_of(const std::vector<SpanExtremes>& spans,
                                   const std::vector<double>& lengths) {
    ResponseOutcome response;
    response.span_extremes = spans;
    double start = 0;
    for (double length : lengths) {
        response.span_start.push_back(start);
        start += length;
    }
    response.beam_extremes = beam_extremes(spans);  // as the sweep derives them
    return response;
}

// Largest distance from the axis among the lines of this colour.
inline double largest_drawn(const RecordingCanvas& canvas, Rgb colour) {
    double largest = 0;
    for (const LineCall& l : canvas.lines()) {
        if (l.colour == colour)
            largest = std::max({largest, std::abs(l.y1), std::abs(l.y2)});
    }
    return largest;
}

// The first scale set on the canvas, as {left, top, width, height}.
inline std::array<double, 4> first_scale(const RecordingCanvas& canvas) {
    const std::vector<ScaleCall> scales = canvas.scales();
    EXPECT_FALSE(scales.empty());
    return scales.empty()
               ? std::array<double, 4>{}
               : std::array{scales[0].left, scales[0].top, scales[0].width, scales[0].height};
}

// The single text with this content; fails the test when there is not exactly one.
inline TextCall only_text(const RecordingCanvas& canvas, std::string_view content) {
    const std::vector<TextCall> found = canvas.texts_equal(content);
    EXPECT_EQ(found.size(), 1u) << content;
    return found.empty() ? TextCall{} : found[0];
}

// One recording canvas per report page, as many pixels as the sheet has points, so that its
// character cells are 0.6 x the font size points wide.
class RecordedPages final : public ReportPageTarget {
  public:
    explicit RecordedPages(PaperSize size) : sheet(size) {}
    Canvas& page(int index) override {
        EXPECT_EQ(index, static_cast<int>(pages.size())) << "pages are asked for in order";
        pages.push_back(std::make_unique<RecordingCanvas>(sheet.width, sheet.height));
        return *pages.back();
    }
    PaperSize sheet;
    std::vector<std::unique_ptr<RecordingCanvas>> pages;
};

inline bool all_finite(const RecordingCanvas& canvas) {
    for (const LineCall& l : canvas.lines()) {
        if (!std::isfinite(l.x1) || !std::isfinite(l.y1) || !std::isfinite(l.x2) ||
            !std::isfinite(l.y2))
            return false;
    }
    for (const TextCall& t : canvas.texts()) {
        if (!std::isfinite(t.x) || !std::isfinite(t.y))
            return false;
    }
    return true;
}

}  // namespace spanlyx::test
