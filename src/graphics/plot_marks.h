#pragma once
// The values the engineer places on the diagrams with "Plot X": up to 90 marks, of which
// "Clr X" takes back the most recent one; the marks not taken back are drawn again after every
// redraw and on the printed page.

#include <cstddef>
#include <vector>

#include "graphics/readout.h"
#include "graphics/response_diagrams.h"

namespace spanlyx {

struct PlotMark {
    double beam_x = 0;
    // The values of the point the read-out showed, as sampled (deflection in inches or the
    // length unit), so a mark is not rounded twice.
    double shear = 0, moment = 0, deflection = 0;
    bool cleared = false;
};

class PlotMarks {
  public:
    static constexpr std::size_t kSlots = 90;

    // Stores the point the read-out shows, at the beam position its Beam X field reads.
    // False, and nothing stored, once all slots are used.
    bool plot(const ReadOut& shown);
    // Takes back the most recent mark; pressing again takes back nothing more.
    void clear_last();
    // A new sweep starts with no marks.
    void reset() { slots_.clear(); }

    const std::vector<PlotMark>& entries() const { return slots_; }
    std::vector<PlotMark> placed() const;

  private:
    std::vector<PlotMark> slots_;
};

// Writes the marks not cleared onto the three diagrams, each non-zero value at its place. A
// mark that would cover another text (one of `drawn`, the diagrams' own values, or another
// mark) moves a row further out or to the other side of the curve, and is written where it
// belongs when no place is free; a mark alike to a value already written there is not
// written again.
void draw_plot_marks(const DiagramCanvases& canvases, const PlotMarks& marks,
                     const DiagramSetup& setup, const DiagramTexts& drawn = {});

}  // namespace spanlyx
