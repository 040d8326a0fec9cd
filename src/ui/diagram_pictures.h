#pragma once
// The four pictures of the results window drawn into images: the loading diagram, and the
// shear, moment and deflection diagrams with the "Plot X" marks over them. The window shows
// them, and the batch tool's export stacks them, so both draw alike.

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <array>
#include <string_view>
#include <utility>

#include "graphics/plot_marks.h"  // first: see there

#include "analysis/analysis_results.h"
#include "graphics/sample_source.h"
#include "model/beam.h"
#include "model/settings.h"
#include "response/envelope.h"
#include "response/span_response.h"

namespace spanlyx {

// The four drawing areas, top to bottom.
enum class DiagramId { Loading, Shear, Moment, Deflection };
inline constexpr std::array<DiagramId, 4> kDiagramIds = {DiagramId::Loading, DiagramId::Shear,
                                                         DiagramId::Moment, DiagramId::Deflection};

// The size an area opens with, in logical pixels: one width for all four, so that they share
// one horizontal scale, and heights in the proportions of the window's design.
QSize design_size(DiagramId id);

// A combination's envelope shown in place of the diagrams as entered.
struct ShownEnvelope {
    const SessionOptions& options;        // as the session analysed the beam
    std::size_t combination = 0;          // index into the beam's combinations
    const CombinationEnvelope& envelope;  // its extremes
};

// What a drawing of the results reads: the beam as analysed, its analysis and sweep, the
// settings (decimals, white background, speed-up) and whether a print is being prepared
// (white background, black curves); and the envelope shown instead of the beam as entered, if
// any.
struct PictureInput {
    const Beam& beam;
    const AnalysisResults& results;
    const ResponseOutcome& response;
    const Settings& settings;
    bool printing = false;
    const ShownEnvelope* envelope = nullptr;
};

// A picture of `size` logical pixels at the given device pixel ratio, filled with the
// background of the drawing areas.
QImage blank_picture(QSize size, double pixel_ratio, const PictureInput& input);

// The loading diagram over the whole picture.
void paint_loading(QImage& picture, const PictureInput& input);

// Shear, moment and deflection in one pass over the sampled points, or the shown envelope's
// in one pass over the grid; progress runs from 0 to 100 as the points are read. Returns the
// texts written on the diagrams as entered (none for an envelope).
using ResponsePictures = std::array<QImage*, 3>;
DiagramTexts paint_diagrams(const ResponsePictures& pictures, const PictureInput& input,
                            SampleSource& samples, const ProgressCallback& progress = {});

// The "Plot X" marks not taken back, over the diagrams as entered (none over an envelope),
// clear of the texts the diagrams hold.
void paint_marks(const ResponsePictures& pictures, const PictureInput& input,
                 const PlotMarks& marks, const DiagramTexts& drawn = {});

// "V", "M" or "D" over its unit, centred in a cell beside a diagram, as the window shows them.
void paint_axis_letters(QPainter& painter, const QRectF& cell, std::string_view letter,
                        std::string_view unit);

// A sample source that reports how far through the records its reader has come.
class ProgressSampleSource final : public SampleSource {
  public:
    ProgressSampleSource(SampleSource& inner, ProgressCallback progress)
        : inner_(inner), progress_(std::move(progress)) {}

    std::int64_t count() const override { return inner_.count(); }
    std::optional<SamplePoint> record(std::int64_t number) override;
    bool scan(std::int64_t first, std::int64_t last, const Visitor& visit) override;
    std::optional<std::int64_t> find_first_at(long long beam_x_hundredths) override {
        return inner_.find_first_at(beam_x_hundredths);
    }

  private:
    void reached(std::int64_t number);

    SampleSource& inner_;
    ProgressCallback progress_;
    int shown_ = -1;
};

}  // namespace spanlyx
