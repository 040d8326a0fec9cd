#include "report_test_support.h"

#include <gtest/gtest.h>

#include <ctime>

namespace spanlyx::test {

std::vector<std::string> crlf_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "text does not end with CRLF";
            break;
        }
        lines.push_back(text.substr(start, end - start));
        if (lines.back().find('\n') != std::string::npos)
            ADD_FAILURE() << "bare LF in a line";
        start = end + 2;
    }
    return lines;
}

int find_line(const std::vector<std::string>& lines, std::string_view prefix, int from) {
    for (int i = from; i < static_cast<int>(lines.size()); ++i) {
        if (lines[static_cast<std::size_t>(i)].starts_with(prefix))
            return i;
    }
    return -1;
}

HandCase hand_case(UnitSystem units, const std::vector<double>& lengths) {
    HandCase c;
    c.beam.units = units;
    c.model.units = units;
    double x = 0;
    c.model.joint_coord.push_back({0.0, 0.0});
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        Span span;
        span.length = HeldNumber::computed(lengths[i]);
        span.inertia = 1990.656;
        span.modulus = HeldNumber::typed("30000000");
        c.beam.spans.push_back(span);
        x += lengths[i];
        c.model.joint_coord.push_back({x, 0.0});
        const int start = static_cast<int>(i + 1);
        c.model.members.push_back({start, start + 1, start, start, Release::None});
        c.model.span_inertia_analysis.push_back(0.096);
        c.model.span_fem.push_back({});
        c.results.member_force_local.push_back({});
    }
    for (std::size_t j = 0; j < c.model.joint_coord.size(); ++j) {
        c.beam.joints.push_back({1, 0});
        c.model.supports.push_back({static_cast<int>(j + 1), {1, 1, 0}});
    }
    const std::size_t joints = c.model.joint_coord.size();
    c.results.stable = true;
    c.results.joint_disp_y.assign(joints, 0.0);
    c.results.joint_rotation.assign(joints, 0.0);
    c.results.reaction_shear.assign(joints, 0.0);
    c.results.reaction_moment.assign(joints, 0.0);
    c.context.input_file_path = "/home/eng/beams/cantilever.cb";
    strptime("2026-12-06 13:05:09", "%Y-%m-%d %H:%M:%S", &c.context.when);
    c.context.patterns = {.shear = "0.00", .moment = "0.000", .axial = "0.0"};
    return c;
}

HandCase cantilever(UnitSystem units) {
    HandCase c = hand_case(units, {10.0});
    c.beam.joints = {{1, 1}, {0, 0}};
    c.model.supports = {{1, {1, 1, 1}}, {2, {1, 0, 0}}};
    c.beam.spans[0].uniforms.push_back({0.0, 1.2, 10.0, 1.2});
    c.model.span_fem[0] = {6.0, 10.0, 6.0, -10.0};
    c.results.member_force_local[0] = {0.0, 12.0, 60.0, 0.0, 0.0, 0.0};
    c.results.joint_disp_y = {0.0, -0.075};
    c.results.joint_rotation = {0.0, -0.01};
    c.results.reaction_shear = {12.0, 0.0};
    c.results.reaction_moment = {60.0, 0.0};
    return c;
}

}  // namespace spanlyx::test
