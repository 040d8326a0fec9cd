// The JSON beam. The reader checks the document's shape (keys, types, required values) and lowers
// it to the value lines of the .cb layout, each remembered with its place in the document; the .cb
// parser then builds and checks the beam from those lines, so lengths, sections, counts, joints,
// live loads and combinations are refused by one piece of code whatever the input was.

#include "storage/beam_json.h"

#include <algorithm>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "model/number_text.h"
#include "model/windows_1252.h"
#include "storage/beam_file_labels.h"
#include "storage/beam_file_parser.h"
#include "storage/file_io.h"

namespace spanlyx {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;
namespace label = beam_file;

constexpr std::string_view kFormat = "spanlyx-beam";
constexpr int kVersion = 1;

// A refusal of the document's shape, naming the place.
struct ShapeRefusal {
    std::string message;
};

[[noreturn]] void refuse(const std::string& place, const std::string& why) {
    throw ShapeRefusal{place + ": " + why};
}

std::string in_quotes(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// What a value of the wrong type is, in words.
std::string found(const json& value) {
    switch (value.type()) {
        case json::value_t::string:
            return "the text " + in_quotes(value.get_ref<const std::string&>());
        case json::value_t::boolean:
            return value.get<bool>() ? "true" : "false";
        case json::value_t::null:
            return "null";
        case json::value_t::array:
            return "a list";
        case json::value_t::object:
            return "an object";
        default:
            return "the number " + value.dump();
    }
}

std::string at(const std::string& place, const std::string& key) {
    return place.empty() ? key : place + "." + key;
}
std::string at(const std::string& place, std::size_t index) {
    return place + "[" + std::to_string(index) + "]";
}

// The JSON beam lowered to .cb lines, each with the place a refusal at it names.
// The imperial E rule of the E field for a number of the document; a negative one is left as it
// is, so that its refusal shows the value given.
double entered_psi(double given) {
    return given >= 0 ? imperial_entered_modulus(given) : given;
}

class Lowering {
  public:
    BeamReadResult build() {
        std::vector<std::string_view> views(lines_.begin(), lines_.end());
        const LinePlace place = [this](std::size_t line) {
            return line >= 1 && line <= places_.size() ? places_[line - 1]
                                                       : std::string("the document");
        };
        BeamReadResult read = parse_beam_lines(std::move(views), place);
        read.line = 0;
        return read;
    }

    void document(const json& doc) {
        if (!doc.is_object())
            refuse("the beam", "expected a JSON object, found " + found(doc));
        keys(doc, "",
             {"format", "version", "units", "comments", "spans", "joints", "combinations"});
        const std::string format = text(required(doc, "", "format", "a text"), "format");
        if (format != kFormat)
            refuse("format", "expected " + in_quotes(kFormat) + ", found " + in_quotes(format));
        const json& version = required(doc, "", "version", "1");
        if (!version.is_number() || version != kVersion)
            refuse("version", "expected 1, found " + found(version));

        put(label::kTitle, "the document");
        comments(doc);
        put(label::kUnitTag, "units");
        const std::string units = text(required(doc, "", "units", "a text"), "units");
        if (!parse_unit_tag(units))
            refuse("units",
                   R"(expected "E", "E2", "M", "M2", "M3" or "M4", found )" + in_quotes(units));
        put(units, "units");
        imperial_ = is_imperial(*parse_unit_tag(units));

        const json& spans = list(required(doc, "", "spans", "a list"), "spans");
        put(label::kSpanCount, "spans");
        put(padded_integer(static_cast<long long>(spans.size())), "spans");
        put(label::kTotalLength, "spans");
        put("", "spans");  // the total follows from the spans
        put(label::kStartMembers, "spans");
        for (std::size_t m = 0; m < spans.size(); ++m)
            span(spans[m], at("spans", m), m + 1);

        joints(required(doc, "", "joints", "a list"));
        extensions(doc, spans);
    }

  private:
    void put(std::string_view line, const std::string& place) {
        lines_.emplace_back(line);
        places_.push_back(place);
    }

    static void keys(const json& object, const std::string& place,
                     std::initializer_list<std::string_view> known) {
        for (const auto& item : object.items()) {
            bool is_known = false;
            for (std::string_view key : known)
                is_known = is_known || item.key() == key;
            if (!is_known)
                refuse(at(place, item.key()), "unknown key");
        }
    }

    static const json* optional(const json& object, const char* key) {
        const auto it = object.find(key);
        return it == object.end() ? nullptr : &*it;
    }
    // A value that must be given; what names its type in the refusal ("a number").
    static const json& required(const json& object, const std::string& place, const char* key,
                                const char* what) {
        const json* value = optional(object, key);
        if (!value)
            refuse(at(place, key), std::string("expected ") + what + ", found nothing");
        return *value;
    }
    static const json& list(const json& value, const std::string& place) {
        if (!value.is_array())
            refuse(place, "expected a list, found " + found(value));
        return value;
    }
    static const json& object(const json& value, const std::string& place) {
        if (!value.is_object())
            refuse(place, "expected an object, found " + found(value));
        return value;
    }
    static std::string text(const json& value, const std::string& place) {
        if (!value.is_string())
            refuse(place, "expected a text, found " + found(value));
        return value.get<std::string>();
    }
    // A text that becomes one line of the file, in its code page.
    static std::string line_text(const json& value, const std::string& place) {
        const std::string utf8 = text(value, place);
        if (utf8.find('\n') != std::string::npos)
            refuse(place, "expected one line of text, found a line end");
        return utf8_to_windows_1252(utf8);
    }
    // A number as a .cb value line: in the file's own general form when that holds the value
    // exactly (so a refusal shows it as a beam file would), else JSON's shortest form that reads
    // back to the same double. Neither depends on the locale, and the file's reader takes both.
    void number(const json& object, const std::string& place, const char* key,
                double (*entered)(double) = nullptr) {
        const json& value = required(object, place, key, "a number");
        if (!value.is_number())
            refuse(at(place, key), "expected a number, found " + found(value));
        const auto exact = entered ? entered(value.get<double>()) : value.get<double>();
        const std::string filed = general_number(exact);
        put(parse_number(filed) == exact ? filed : json(exact).dump(), at(place, key));
    }

    void comments(const json& doc) {
        put(label::kCommentCount, "comments");
        const json* given = optional(doc, "comments");
        if (!given) {
            put(padded_integer(0), "comments");
        } else {
            list(*given, "comments");
            put(padded_integer(static_cast<long long>(given->size())), "comments");
            for (std::size_t c = 0; c < given->size(); ++c)
                put(line_text((*given)[c], at("comments", c)), at("comments", c));
        }
        put(label::kEndComments, "comments");
    }

    void span(const json& given, const std::string& place, std::size_t number_of_span) {
        object(given, place);
        keys(given, place,
             {"length", "I", "width", "depth", "E", "release", "distributed", "point", "moment"});
        put(label::kMemberNumber, place);
        put(padded_integer(static_cast<long long>(number_of_span)), place);
        put(label::kMemberLength, place);
        number(given, place, "length");
        const bool has_i = optional(given, "I") != nullptr;
        const bool has_section = optional(given, "width") || optional(given, "depth");
        if (has_i && has_section)
            refuse(place, "expected I, or width and depth, not both");
        if (has_i) {
            put(label::kMemberInertia, place);
            number(given, place, "I");
        } else if (has_section) {
            put(label::kMemberDepth, place);
            number(given, place, "depth");
            put(label::kMemberWidth, place);
            number(given, place, "width");
        } else {
            refuse(place, "expected I, or width and depth, found neither");
        }
        put(label::kMemberModulus, place);
        // As in the E field, an imperial E below 30 is millions of psi.
        number(given, place, "E", imperial_ ? &entered_psi : nullptr);
        put(label::kMemberRelease, place);
        if (optional(given, "release"))
            number(given, place, "release");
        else
            put(padded_integer(0), at(place, "release"));
        loads(given, place);
    }

    // Each load kind: its count, then per load its lines in the .cb order.
    void loads(const json& span, const std::string& place) {
        struct Kind {
            const char* key;
            std::string_view count_label;
            std::vector<std::pair<const char*, std::string_view>> values;
        };
        // The distance labels are not read back; the metric ones stand for all.
        const std::vector<Kind> kinds = {
            {"distributed",
             label::kUniformCount,
             {{"x1", label::first_distance_label(false, true)},
              {"w1", label::kUniformW1},
              {"x2", label::second_distance_label(false, true)},
              {"w2", label::kUniformW2}}},
            {"point",
             label::kPointCount,
             {{"x", label::load_distance_label(false, true)}, {"P", label::kPointValue}}},
            {"moment",
             label::kMomentCount,
             {{"x", label::load_distance_label(false, true)}, {"M", label::kMomentValue}}},
        };
        for (const Kind& kind : kinds) {
            const std::string kind_place = at(place, kind.key);
            put(kind.count_label, kind_place);
            const json* given = optional(span, kind.key);
            if (!given) {
                put(padded_integer(0), kind_place);
                continue;
            }
            list(*given, kind_place);
            put(padded_integer(static_cast<long long>(given->size())), kind_place);
            for (std::size_t k = 0; k < given->size(); ++k) {
                const std::string load_place = at(kind_place, k);
                const json& load = object((*given)[k], load_place);
                std::vector<std::string_view> known = {"case"};
                for (const auto& [key, value_label] : kind.values) {
                    known.push_back(key);
                    put(value_label, load_place);
                    number(load, load_place, key);
                }
                for (const auto& item : load.items()) {
                    if (std::find(known.begin(), known.end(), item.key()) == known.end())
                        refuse(at(load_place, item.key()), "unknown key");
                }
                live_.push_back(is_live(load, load_place));
                live_places_.push_back(at(load_place, "case"));
            }
        }
    }

    static bool is_live(const json& load, const std::string& place) {
        const json* given = optional(load, "case");
        if (!given)
            return false;
        const std::string value = text(*given, at(place, "case"));
        if (value != "dead" && value != "live")
            refuse(at(place, "case"), R"(expected "dead" or "live", found )" + in_quotes(value));
        return value == "live";
    }

    void joints(const json& given) {
        list(given, "joints");
        put(label::kJointCount, "joints");
        put(padded_integer(static_cast<long long>(given.size())), "joints");
        for (std::size_t j = 0; j < given.size(); ++j) {
            const std::string place = at("joints", j);
            const json& joint = object(given[j], place);
            keys(joint, place, {"y", "z", "ky", "kz", "settlement", "imposed_rotation"});
            const std::string y = restraint(required(joint, place, "y", "a text"), at(place, "y"));
            const std::string z = restraint(required(joint, place, "z", "a text"), at(place, "z"));
            put(label::kJointNumber, place);
            put(padded_integer(static_cast<long long>(j + 1)), place);
            put(label::kRestraintY, place);
            put(padded_integer(y == "fixed" ? 1 : 0), at(place, "y"));
            put(label::kRestraintZ, place);
            put(padded_integer(z == "fixed" ? 1 : 0), at(place, "z"));
            // A stiffness goes with a spring and a movement with a fixed coordinate only.
            only_with(joint, place, "ky", "y", y, "spring");
            only_with(joint, place, "kz", "z", z, "spring");
            only_with(joint, place, "settlement", "y", y, "fixed");
            only_with(joint, place, "imposed_rotation", "z", z, "fixed");
            if (y == "spring" || z == "spring" || optional(joint, "settlement") ||
                optional(joint, "imposed_rotation"))
                elastic_.push_back({j, y == "spring", z == "spring"});
        }
    }

    static std::string restraint(const json& value, const std::string& place) {
        const std::string word = text(value, place);
        if (word != "fixed" && word != "free" && word != "spring")
            refuse(place, R"(expected "fixed", "free" or "spring", found )" + in_quotes(word));
        return word;
    }

    static void only_with(const json& joint, const std::string& place, const char* key,
                          const char* coordinate, const std::string& kind, const char* wanted) {
        if (kind == wanted && std::string_view(wanted) == "spring" && !optional(joint, key))
            refuse(at(place, key), "expected a number, found nothing");
        if (kind != wanted && optional(joint, key))
            refuse(at(place, key),
                   std::string("expected only with \"") + coordinate + "\": \"" + wanted + "\"");
    }

    // The springs and movements of the joints that have any, as the .cb sub-section lists them.
    void spring_lines(const json& joints) {
        put(label::kSprings, "joints");
        put(label::kSpringJointCount, "joints");
        put(padded_integer(static_cast<long long>(elastic_.size())), "joints");
        for (const ElasticJoint& e : elastic_) {
            const std::string place = at("joints", e.index);
            const json& joint = joints[e.index];
            put(label::kSpringJoint, place);
            put(padded_integer(static_cast<long long>(e.index + 1)), place);
            put(label::kSpringY, at(place, "y"));
            put(padded_integer(e.spring_y ? 1 : 0), at(place, "y"));
            put(label::kStiffnessY, place);
            number_or_zero(joint, place, "ky");
            put(label::kSpringZ, at(place, "z"));
            put(padded_integer(e.spring_z ? 1 : 0), at(place, "z"));
            put(label::kStiffnessZ, place);
            number_or_zero(joint, place, "kz");
            put(label::kSettlement, place);
            number_or_zero(joint, place, "settlement");
            put(label::kImposedRotation, place);
            number_or_zero(joint, place, "imposed_rotation");
        }
    }

    void number_or_zero(const json& object, const std::string& place, const char* key) {
        if (optional(object, key))
            number(object, place, key);
        else
            put(padded_integer(0), at(place, key));
    }

    // The block after the joints, with the same sub-sections as a .cb file.
    void extensions(const json& doc, const json& spans) {
        const json* combinations = optional(doc, "combinations");
        if (combinations)
            list(*combinations, "combinations");
        bool any_live = false;
        for (const bool live : live_)
            any_live = any_live || live;
        if (!any_live && (!combinations || combinations->empty()) && elastic_.empty())
            return;
        put(label::kStartExtensions, "the document");
        if (any_live)
            live_loads(spans);
        if (combinations && !combinations->empty())
            combination_lines(*combinations);
        if (!elastic_.empty())
            spring_lines(doc.at("joints"));
        put(label::kEndExtensions, "the document");
    }

    void live_loads(const json& spans) {
        long long count = 0;
        for (const bool live : live_)
            count += live ? 1 : 0;
        put(label::kLiveLoads, "the document");
        put(label::kLiveLoadCount, "the document");
        put(padded_integer(count), "the document");
        std::size_t next = 0;  // loads in the order they were lowered
        for (std::size_t m = 0; m < spans.size(); ++m) {
            long long kind_code = 0;
            for (const char* key : {"distributed", "point", "moment"}) {
                ++kind_code;
                const json* given = optional(spans[m], key);
                const std::size_t loads = given ? given->size() : 0;
                for (std::size_t k = 0; k < loads; ++k, ++next) {
                    if (!live_[next])
                        continue;
                    const std::string& place = live_places_[next];
                    put(label::kLiveLoadSpan, place);
                    put(padded_integer(static_cast<long long>(m + 1)), place);
                    put(label::kLiveLoadKind, place);
                    put(padded_integer(kind_code), place);
                    put(label::kLiveLoadNumber, place);
                    put(padded_integer(static_cast<long long>(k + 1)), place);
                }
            }
        }
    }

    void combination_lines(const json& given) {
        put(label::kCombinations, "combinations");
        put(label::kCombinationCount, "combinations");
        put(padded_integer(static_cast<long long>(given.size())), "combinations");
        for (std::size_t k = 0; k < given.size(); ++k) {
            const std::string place = at("combinations", k);
            object(given[k], place);
            keys(given[k], place, {"name", "dead", "live"});
            put(label::kCombinationName, place);
            put(line_text(required(given[k], place, "name", "a text"), at(place, "name")),
                at(place, "name"));
            put(label::kDeadFactor, place);
            number(given[k], place, "dead");
            put(label::kLiveFactor, place);
            number(given[k], place, "live");
        }
    }

    bool imperial_ = false;
    std::vector<std::string> lines_;
    std::vector<std::string> places_;
    std::vector<bool> live_;  // per load, in the order lowered
    std::vector<std::string> live_places_;
    // Joints with a spring or a movement, in joint order.
    struct ElasticJoint {
        std::size_t index;
        bool spring_y;
        bool spring_z;
    };
    std::vector<ElasticJoint> elastic_;
};

// A JSON number carries no typed text: the values become computed ones, written in the
// general number form when the beam is saved as a .cb file.
void forget_texts(Beam& beam) {
    beam.spans_text.clear();
    for (Span& span : beam.spans) {
        span.length.text.clear();
        span.modulus.text.clear();
        span.count_text = {};
        for (PointLoad& load : span.points)
            load.load.text.clear();
    }
}

// The value a .cb file of the beam holds: the general form's 15 significant digits.
double as_filed(double value) {
    return parse_number(general_number(value)).value_or(value);
}

const char* case_word(LoadCase load_case) {
    return load_case == LoadCase::Live ? "live" : "dead";
}
const char* restraint_word(int restraint, bool spring) {
    if (restraint == 1)
        return "fixed";
    return spring ? "spring" : "free";
}

// A joint as the document gives it: its stiffnesses with its springs, its movements when it has
// any, and nothing more for a joint that is only fixed or free. As in a beam file, a spring on a
// fixed coordinate or a movement of one that is not fixed is left out.
ordered_json joint_json(const Joint& joint) {
    ordered_json out = ordered_json::object();
    out["y"] = restraint_word(joint.restraint_y, joint.spring_y);
    out["z"] = restraint_word(joint.restraint_z, joint.spring_z);
    if (joint.spring_y && joint.restraint_y != 1)
        out["ky"] = as_filed(joint.ky);
    if (joint.spring_z && joint.restraint_z != 1)
        out["kz"] = as_filed(joint.kz);
    if (joint.settlement != 0 && joint.restraint_y == 1)
        out["settlement"] = as_filed(joint.settlement);
    if (joint.imposed_rotation != 0 && joint.restraint_z == 1)
        out["imposed_rotation"] = as_filed(joint.imposed_rotation);
    return out;
}

ordered_json span_json(const Beam& beam, const Span& span) {
    ordered_json out = ordered_json::object();
    out["length"] = as_filed(span.length.value);
    if (beam.inertia_entered) {
        out["I"] = as_filed(inertia_to_entry(beam.units, span.inertia));
    } else {
        out["width"] = as_filed(span.width);
        out["depth"] = as_filed(span.depth);
    }
    out["E"] = as_filed(modulus_to_entry(beam.units, span.modulus.value));
    out["release"] = static_cast<int>(span.release);
    ordered_json distributed = ordered_json::array();
    for (const UniformLoad& load : span.uniforms) {
        distributed.push_back({{"x1", as_filed(load.x1)},
                               {"w1", as_filed(load.w1)},
                               {"x2", as_filed(load.x2)},
                               {"w2", as_filed(load.w2)},
                               {"case", case_word(load.load_case)}});
    }
    ordered_json point = ordered_json::array();
    for (const PointLoad& load : span.points) {
        point.push_back({{"x", as_filed(load.x)},
                         {"P", as_filed(load.load.value)},
                         {"case", case_word(load.load_case)}});
    }
    ordered_json moment = ordered_json::array();
    for (const MomentLoad& load : span.moments) {
        moment.push_back({{"x", as_filed(load.x)},
                          {"M", as_filed(load.value)},
                          {"case", case_word(load.load_case)}});
    }
    out["distributed"] = std::move(distributed);
    out["point"] = std::move(point);
    out["moment"] = std::move(moment);
    return out;
}

}  // namespace

bool is_json_beam(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && text[first] == '{';
}

BeamReadResult parse_beam_json(std::string_view text) {
    BeamReadResult refused;
    json doc;
    // JSON parsers keep the last of two equal keys without a word: such a document is refused,
    // since which value was meant is unknown.
    std::vector<std::set<std::string>> keys_seen;
    const json::parser_callback_t no_repeated_keys = [&keys_seen](int, json::parse_event_t event,
                                                                  json& parsed) {
        if (event == json::parse_event_t::object_start) {
            keys_seen.emplace_back();
        } else if (event == json::parse_event_t::object_end) {
            keys_seen.pop_back();
        } else if (event == json::parse_event_t::key) {
            const auto& key = parsed.get_ref<const std::string&>();
            if (!keys_seen.back().insert(key).second)
                throw ShapeRefusal{"The JSON beam cannot be read: the key " + in_quotes(key) +
                                   " is given twice in one object"};
        }
        return true;
    };
    try {
        doc = json::parse(text, no_repeated_keys);
    } catch (const ShapeRefusal& refusal) {
        refused.message = refusal.message;
        return refused;
    } catch (const json::exception& error) {
        // "[json.exception.parse_error.101] parse error at line 2, column 5: ..." without its code.
        std::string what = error.what();
        const std::size_t code_end = what.find("] ");
        refused.message = "The JSON beam cannot be read: " +
                          (code_end == std::string::npos ? what : what.substr(code_end + 2));
        return refused;
    }
    Lowering lowering;
    try {
        lowering.document(doc);
    } catch (const ShapeRefusal& refusal) {
        refused.message = refusal.message;
        return refused;
    }
    BeamReadResult read = lowering.build();
    if (read.beam)
        forget_texts(*read.beam);
    return read;
}

std::optional<std::string> json_cannot_hold(const Beam& beam) {
    if (!is_imperial(beam.units))
        return std::nullopt;
    for (std::size_t m = 0; m < beam.spans.size(); ++m) {
        const double psi = beam.spans[m].modulus.value;
        if (psi > 0 && psi < kImperialModulusMillionsBelow)
            return "span " + std::to_string(m + 1) + ": E of " + general_number(psi) +
                   " psi cannot be written as a JSON beam, which reads an E below 30 as "
                   "millions of psi";
    }
    return std::nullopt;
}

std::string format_beam_json(const Beam& beam) {
    ordered_json doc = ordered_json::object();
    doc["format"] = kFormat;
    doc["version"] = kVersion;
    doc["units"] = unit_tag(beam.units);
    ordered_json comments = ordered_json::array();
    for (const std::string& comment : beam.comments) {
        if (!comment.empty())
            comments.push_back(windows_1252_to_utf8(single_line(comment)));
    }
    doc["comments"] = std::move(comments);
    ordered_json spans = ordered_json::array();
    for (const Span& span : beam.spans)
        spans.push_back(span_json(beam, span));
    doc["spans"] = std::move(spans);
    ordered_json joints = ordered_json::array();
    for (const Joint& joint : beam.joints)
        joints.push_back(joint_json(joint));
    doc["joints"] = std::move(joints);
    ordered_json combinations = ordered_json::array();
    for (const Combination& combination : beam.combinations) {
        combinations.push_back({{"name", windows_1252_to_utf8(single_line(combination.name))},
                                {"dead", as_filed(combination.dead)},
                                {"live", as_filed(combination.live)}});
    }
    doc["combinations"] = std::move(combinations);
    return doc.dump(2) + "\n";
}

BeamReadResult parse_beam_document(std::string_view text) {
    return is_json_beam(text) ? parse_beam_json(text) : parse_beam_file(text);
}

BeamReadResult read_beam_document(const std::filesystem::path& path) {
    std::string bytes;
    if (std::optional<std::string> error = read_whole_file(path, bytes)) {
        BeamReadResult refused;
        refused.message = std::move(*error);
        return refused;
    }
    return parse_beam_document(bytes);
}

}  // namespace spanlyx
