#include "ui/diagram_pictures.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <memory>
#include <optional>

#include "graphics/envelope_diagrams.h"
#include "graphics/loading_diagram.h"
#include "graphics/response_diagrams.h"
#include "ui/painter_canvas.h"
#include "ui/text_encoding.h"

namespace spanlyx {
namespace {

QColor qt_colour(Rgb colour) {
    return {colour.red, colour.green, colour.blue};
}

// Painters and canvases over the three diagram pictures, for one drawing.
class ResponseCanvases {
  public:
    ResponseCanvases(const ResponsePictures& pictures, QColor background) {
        for (std::size_t i = 0; i < pictures.size(); ++i) {
            QImage& picture = *pictures[i];
            painters_[i].emplace(&picture);
            const QSizeF logical = QSizeF(picture.size()) / picture.devicePixelRatio();
            canvases_[i].emplace(*painters_[i], QRectF(QPointF(0, 0), logical));
            canvases_[i]->set_background(background);
        }
    }

    DiagramCanvases canvases() { return {*canvases_[0], *canvases_[1], *canvases_[2]}; }

  private:
    std::array<std::optional<QPainter>, 3> painters_;
    std::array<std::optional<PainterCanvas>, 3> canvases_;
};

DiagramSetup setup_of(const PictureInput& input, const NumberPatterns& patterns) {
    return {input.beam, input.response, patterns, input.settings.speed_up == 'y', input.printing};
}

}  // namespace

QSize design_size(DiagramId id) {
    constexpr int kWidth = 960;
    switch (id) {
        case DiagramId::Loading:
            return {kWidth, 160};
        case DiagramId::Shear:
            return {kWidth, 130};
        case DiagramId::Moment:
        case DiagramId::Deflection:
            return {kWidth, 135};
    }
    return {kWidth, 135};
}

QImage blank_picture(QSize size, double pixel_ratio, const PictureInput& input) {
    const QSize device = (QSizeF(size.expandedTo(QSize(1, 1))) * pixel_ratio).toSize();
    QImage picture(device, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(pixel_ratio);
    picture.fill(qt_colour(diagram_background(input.settings, input.printing)));
    return picture;
}

void paint_loading(QImage& picture, const PictureInput& input) {
    QPainter painter(&picture);
    const QSizeF logical = QSizeF(picture.size()) / picture.devicePixelRatio();
    PainterCanvas canvas(painter, QRectF(QPointF(0, 0), logical));
    canvas.set_background(qt_colour(diagram_background(input.settings, input.printing)));
    draw_loading_diagram(canvas, input.beam, input.results);
}

DiagramTexts paint_diagrams(const ResponsePictures& pictures, const PictureInput& input,
                            SampleSource& samples, const ProgressCallback& progress) {
    ResponseCanvases canvases(pictures,
                              qt_colour(diagram_background(input.settings, input.printing)));
    const NumberPatterns patterns = input.settings.patterns();
    if (input.envelope) {
        const EnvelopeSetup setup{input.beam,
                                  input.envelope->options,
                                  input.envelope->combination,
                                  input.envelope->envelope,
                                  patterns,
                                  input.printing,
                                  progress};
        draw_envelope_diagrams(canvases.canvases(), setup);
        return {};
    }
    if (progress) {
        ProgressSampleSource counted(samples, progress);
        DiagramTexts texts = draw_diagrams(canvases.canvases(), setup_of(input, patterns), counted);
        progress(100);
        return texts;
    }
    return draw_diagrams(canvases.canvases(), setup_of(input, patterns), samples);
}

void paint_marks(const ResponsePictures& pictures, const PictureInput& input,
                 const PlotMarks& marks, const DiagramTexts& drawn) {
    if (marks.placed().empty() || input.envelope)
        return;
    ResponseCanvases canvases(pictures,
                              qt_colour(diagram_background(input.settings, input.printing)));
    const NumberPatterns patterns = input.settings.patterns();
    draw_plot_marks(canvases.canvases(), marks, setup_of(input, patterns), drawn);
}

void paint_axis_letters(QPainter& painter, const QRectF& cell, std::string_view letter,
                        std::string_view unit) {
    QFont font = QGuiApplication::font();
    const double base = font.pointSizeF() > 0 ? font.pointSizeF() : 9;
    font.setPointSizeF(base * 1.6);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QRectF upper(cell.left(), cell.top(), cell.width(), cell.height() / 2);
    painter.drawText(upper, Qt::AlignHCenter | Qt::AlignBottom, decode_text(letter));
    font.setPointSizeF(base);
    font.setBold(false);
    painter.setFont(font);
    const QRectF lower(cell.left(), cell.center().y(), cell.width(), cell.height() / 2);
    painter.drawText(lower, Qt::AlignHCenter | Qt::AlignTop, decode_text(unit));
}

std::optional<SamplePoint> ProgressSampleSource::record(std::int64_t number) {
    reached(number);
    return inner_.record(number);
}

bool ProgressSampleSource::scan(std::int64_t first, std::int64_t last, const Visitor& visit) {
    // The share is worked out once per block of records, not per point.
    constexpr std::int64_t kBlock = 1 << 14;
    return inner_.scan(first, last, [&](std::int64_t number, const SamplePoint& point) {
        if (number % kBlock == 0)
            reached(number);
        return visit(number, point);
    });
}

void ProgressSampleSource::reached(std::int64_t number) {
    const std::int64_t total = inner_.count();
    const int percent = total > 0 ? static_cast<int>(number * 100 / total) : 100;
    if (percent != shown_ && progress_) {
        shown_ = percent;
        progress_(percent);
    }
}

}  // namespace spanlyx
