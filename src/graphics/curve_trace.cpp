#include "graphics/curve_trace.h"

#include <algorithm>
#include <cmath>

namespace spanlyx {

CurveTrace::CurveTrace(Canvas& canvas, Mode mode, double left, double width)
    : canvas_(canvas),
      mode_(mode),
      left_(left),
      columns_per_unit_(width != 0 ? canvas.device_width_pixels() / std::abs(width) : 0.0) {}

long long CurveTrace::column_of(double x) const {
    return static_cast<long long>(std::floor((x - left_) * columns_per_unit_));
}

void CurveTrace::add(double x, double y) {
    if (mode_ == Mode::Straight) {
        if (have_exit_)
            canvas_.line(exit_.x, exit_.y, x, y);
        exit_ = {x, y};
        have_exit_ = true;
        return;
    }
    const long long column = column_of(x);
    if (column_open_ && column == column_) {
        last_ = {x, y};
        low_ = std::min(low_, y);
        high_ = std::max(high_, y);
        return;
    }
    flush_column();
    start_column(column, x, y);
}

void CurveTrace::start_column(long long column, double x, double y) {
    const bool beside = have_exit_ && column == column_ + 1;
    column_open_ = true;
    column_ = column;
    first_ = last_ = {x, y};
    low_ = high_ = y;
    if (beside) {
        canvas_.line(exit_.x, exit_.y, x, exit_.y);
        low_ = std::min(low_, exit_.y);
        high_ = std::max(high_, exit_.y);
    } else if (have_exit_) {
        canvas_.line(exit_.x, exit_.y, x, y);
    }
}

// The column is covered from its smallest to its largest value at the x of its first point and
// left at its last point.
void CurveTrace::flush_column() {
    if (!column_open_)
        return;
    if (low_ < high_)
        canvas_.line(first_.x, low_, first_.x, high_);
    if (last_.x != first_.x)
        canvas_.line(first_.x, last_.y, last_.x, last_.y);
    exit_ = last_;
    have_exit_ = true;
    column_open_ = false;
}

void CurveTrace::finish() {
    flush_column();
}

}  // namespace spanlyx
