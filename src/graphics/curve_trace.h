#pragma once
// Draws a curve through points given in order of x. Every point may go into the drawing
// (`Exact`): the points that fall into one device pixel column are drawn as one vertical stroke
// from their smallest to their largest value, so that nothing is lost and the number of lines
// stays within a few per column. A column right beside the one before is reached by a step (a
// horizontal stroke of under two pixels, then the vertical stroke takes in the value it came
// from), so a jump between neighbouring points stays vertical; columns further apart are joined
// by a straight line. Or each point is joined to the one before by a straight line
// (`Straight`), for points already thinned out.

#include "graphics/canvas.h"

namespace spanlyx {

class CurveTrace {
  public:
    enum class Mode { Exact, Straight };

    // left and width: the horizontal user scale of the canvas, whose device width tells the
    // pixel columns.
    CurveTrace(Canvas& canvas, Mode mode, double left, double width);

    void add(double x, double y);
    // Draws what is still held; call once after the last point.
    void finish();

  private:
    struct Point {
        double x = 0, y = 0;
    };
    long long column_of(double x) const;
    void start_column(long long column, double x, double y);
    void flush_column();

    Canvas& canvas_;
    Mode mode_;
    double left_;
    double columns_per_unit_;

    bool have_exit_ = false;
    Point exit_;  // where the drawn curve ends so far

    bool column_open_ = false;
    long long column_ = 0;
    Point first_, last_;
    double low_ = 0, high_ = 0;
};

}  // namespace spanlyx
