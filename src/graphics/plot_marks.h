#pragma once
// The values the engineer places on the diagrams with "Plot X": up to 90 marks, of which
// "Clr X" takes back the most recent one; the marks not taken back are drawn again after every
// redraw and on the printed page.

#include <cstddef>
#include <string_view>
#include <vector>

#include "graphics/readout.h"
#include "graphics/response_diagrams.h"

namespace spanlyx {

struct PlotMark {
    double beam_x = 0;
    double shear = 0, moment = 0, deflection = 0;  // as the read-out showed them
    bool cleared = false;
};

class PlotMarks {
  public:
    static constexpr std::size_t kSlots = 90;

    // Stores the values the read-out fields show (read as numbers, as the fields read them).
    // False, and nothing stored, once all slots are used.
    bool plot(std::string_view real_x, std::string_view shear, std::string_view moment,
              std::string_view deflection);
    bool plot(const ReadOut& shown) {
        return plot(shown.real_x, shown.shear, shown.moment, shown.deflection);
    }
    // Takes back the most recent mark; pressing again takes back nothing more.
    void clear_last();
    // A new sweep starts with no marks.
    void reset() { slots_.clear(); }

    const std::vector<PlotMark>& entries() const { return slots_; }
    std::vector<PlotMark> placed() const;

  private:
    std::vector<PlotMark> slots_;
};

// Writes the marks not cleared onto the three diagrams, each non-zero value at its place.
void draw_plot_marks(const DiagramCanvases& canvases, const PlotMarks& marks,
                     const DiagramSetup& setup);

}  // namespace spanlyx
