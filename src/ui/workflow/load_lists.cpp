#include "ui/workflow/load_lists.h"

#include <cassert>

namespace spanlyx {
namespace {

constexpr std::array kPointFields = {Control::pxtext, Control::ptext};
constexpr std::array kUniformFields = {Control::uniformx1text, Control::uniformtext,
                                       Control::uniformx2text, Control::uniformtext2};
constexpr std::array kMomentFields = {Control::momentxtext, Control::momenttext};

const LoadListControls kUniform{LoadKind::Uniform,   Control::uniforms,      Control::unumber,
                                Control::Command4,   Control::uniformx1text, kUniformFields,
                                Control::uniformcase};
const LoadListControls kPoint{LoadKind::Point,   Control::points, Control::pnumber,
                              Control::Command3, Control::pxtext, kPointFields,
                              Control::pointcase};
const LoadListControls kMoment{LoadKind::Moment,   Control::moments,     Control::mnumber,
                               Control::Command5,  Control::momentxtext, kMomentFields,
                               Control::momentcase};

}  // namespace

const LoadListControls& load_list(LoadKind kind) {
    switch (kind) {
        case LoadKind::Uniform:
            return kUniform;
        case LoadKind::Point:
            return kPoint;
        case LoadKind::Moment:
            return kMoment;
    }
    assert(false && "unknown load kind");
    return kPoint;
}

int load_count(const Span& span, LoadKind kind) {
    switch (kind) {
        case LoadKind::Uniform:
            return static_cast<int>(span.uniforms.size());
        case LoadKind::Point:
            return static_cast<int>(span.points.size());
        case LoadKind::Moment:
            return static_cast<int>(span.moments.size());
    }
    return 0;
}

bool load_blank(const Span& span, LoadKind kind, int number) {
    assert(number >= 1 && number <= load_count(span, kind));
    const auto k = static_cast<std::size_t>(number - 1);
    switch (kind) {
        case LoadKind::Uniform: {
            const UniformLoad& u = span.uniforms[k];
            return u.x1 == 0 && u.x2 == 0 && u.w1 == 0 && u.w2 == 0;
        }
        case LoadKind::Point:
            return span.points[k].x == 0 && span.points[k].load.value == 0;
        case LoadKind::Moment:
            return span.moments[k].x == 0 && span.moments[k].value == 0;
    }
    return false;
}

LoadCase& load_case_of(Span& span, LoadKind kind, int number) {
    assert(number >= 1 && number <= load_count(span, kind));
    const auto k = static_cast<std::size_t>(number - 1);
    switch (kind) {
        case LoadKind::Uniform:
            return span.uniforms[k].load_case;
        case LoadKind::Point:
            return span.points[k].load_case;
        case LoadKind::Moment:
            return span.moments[k].load_case;
    }
    assert(false && "unknown load kind");
    return span.points[k].load_case;
}

}  // namespace spanlyx
