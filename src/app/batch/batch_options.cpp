#include "batch/batch_options.h"

#include "model/number_text.h"
#include "report/calculation_report.h"

namespace spanlyx {

std::string batch_usage_text() {
    return "Usage: spanlyx-report [options] BEAM.cb\n"
           "Analyses a continuous beam saved by Spanlyx and writes its results file.\n"
           "\n"
           "Options:\n"
           "  --detailed          detailed matrix output instead of the brief one\n"
           "  -o, --output FILE   write to FILE instead of standard output\n"
           "  --settings FILE     decimals and options from this sx.ini; default: the\n"
           "                      user's sx.ini in the data folder when it exists, else\n"
           "                      the defaults\n"
           "  --json              one JSON document instead of the text report; an\n"
           "                      extreme that a span does not have is null\n"
           "  --interval STEP     values at every STEP along each span (rounded to\n"
           "                      hundredths)\n"
           "  --at X              values at X from the left end of every span at least X\n"
           "                      long (rounded to hundredths)\n"
           "  --zero-residual     zero out the integration residual of the moment at a\n"
           "                      free far end, as the window does when it starts (the\n"
           "                      default)\n"
           "  --keep-residual     keep that residual in the moment extremes\n"
           "  --samples FILE.csv  every sampled point as CSV (beam_x, span, span_x, shear,\n"
           "                      moment, deflection) in the units of the report\n"
           "  --diagrams FILE     the loading, shear, moment and deflection diagrams as\n"
           "                      the results window draws them: FILE.png, an image of\n"
           "                      1024 x 560 pixels, or FILE.pdf, a page of that size\n"
           "                      (needs a build with the window program)\n"
           "  --report FILE.pdf   the calculation report as a PDF: input, method, tables\n"
           "                      of results and the diagrams, paged and titled (needs a\n"
           "                      build with the window program)\n"
           "  --paper a4|letter   the report's paper; default: Letter for the imperial\n"
           "                      systems (E, E2), A4 for the metric ones\n"
           "  --envelope NAME     with --diagrams: draw the live-load envelope of the\n"
           "                      beam's combination NAME (the maximum and minimum\n"
           "                      curves, each span's extremes written) instead of the\n"
           "                      diagrams as entered\n"
           "  --export-json FILE  the beam (not its results) as a JSON beam document,\n"
           "                      \"-\" for standard output, and no analysis; BEAM itself\n"
           "                      may be a .cb file or a JSON beam (first character \"{\")\n"
           "  -h, --help          this text\n"
           "  --version           the program version\n"
           "\n"
           "Every file is written beside its target and renamed over it when complete:\n"
           "a failed or interrupted run leaves the old file as it was.\n"
           "\n"
           "Exit status: 0 analysed; 1 the beam was refused (no loads, a load rule, a\n"
           "zero section or modulus, an unreadable or malformed file, a corrupted\n"
           "settings file, an --envelope NAME the beam has no combination of); 2 the\n"
           "structure is unstable; 64 a usage error; 74 an output could not be\n"
           "written; 129, 130, 143 interrupted by SIGHUP, SIGINT, SIGTERM (temporary\n"
           "files removed). The DATE/TIME lines honour SOURCE_DATE_EPOCH.\n";
}

std::optional<DiagramsFormat> diagrams_format(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    for (char& c : extension) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    if (extension == ".png")
        return DiagramsFormat::Png;
    if (extension == ".pdf")
        return DiagramsFormat::Pdf;
    return std::nullopt;
}

namespace {

std::optional<double> positive_number(const std::string& text) {
    const std::optional<double> value = parse_number(text);
    if (!value || *value <= 0)
        return std::nullopt;
    return value;
}

}  // namespace

BatchOptionsOutcome parse_batch_options(const std::vector<std::string>& arguments) {
    BatchOptionsOutcome out;
    BatchOptions& o = out.options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        const bool has_value = i + 1 < arguments.size();
        auto value_of = [&](const char* what) -> std::optional<std::string> {
            if (!has_value) {
                out.error = a + " needs " + what;
                return std::nullopt;
            }
            return arguments[++i];
        };
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--version") {
            o.version = true;
        } else if (a == "--detailed") {
            o.detailed = true;
        } else if (a == "--json") {
            o.json = true;
        } else if (a == "--zero-residual" || a == "--keep-residual") {
            const bool zero = a == "--zero-residual";
            if (o.zero_residual && *o.zero_residual != zero) {
                out.error = "--zero-residual and --keep-residual exclude each other";
                return out;
            }
            o.zero_residual = zero;
        } else if (a == "-o" || a == "--output") {
            const auto v = value_of("a file name");
            if (!v)
                return out;
            o.output_path = *v;
        } else if (a == "--settings") {
            const auto v = value_of("a settings file");
            if (!v)
                return out;
            o.settings_path = *v;
        } else if (a == "--samples") {
            const auto v = value_of("a CSV file name");
            if (!v)
                return out;
            o.samples_csv_path = *v;
        } else if (a == "--diagrams") {
            const auto v = value_of("a .png or .pdf file name");
            if (!v)
                return out;
            const auto format = diagrams_format(*v);
            if (!format) {
                out.error = "--diagrams writes a .png or .pdf file, not \"" + *v + "\"";
                return out;
            }
            o.diagrams_path = *v;
            o.diagrams_format = *format;
        } else if (a == "--report") {
            const auto v = value_of("a PDF file name");
            if (!v)
                return out;
            o.report_path = *v;
        } else if (a == "--paper") {
            const auto v = value_of("a4 or letter");
            if (!v)
                return out;
            if (!parse_paper(*v)) {
                out.error = "--paper takes a4 or letter, not \"" + *v + "\"";
                return out;
            }
            o.paper = *v;
        } else if (a == "--envelope") {
            const auto v = value_of("a combination name");
            if (!v)
                return out;
            o.envelope = *v;
        } else if (a == "--export-json") {
            const auto v = value_of("a JSON file name");
            if (!v)
                return out;
            o.export_json_path = *v;
        } else if (a == "--interval" || a == "--at") {
            const auto v = value_of("a positive number");
            if (!v)
                return out;
            const auto number = positive_number(*v);
            // Sampled points lie on whole hundredths: the step and the distance are rounded to
            // them.
            const double rounded = number ? round_to_decimals(*number, 2) : 0.0;
            if (!number || rounded <= 0) {
                out.error = a + " needs a positive number of at least 0.01, not \"" + *v + "\"";
                return out;
            }
            (a == "--interval" ? o.interval : o.at) = rounded;
        } else if (!a.empty() && a[0] == '-' && a != "-") {
            out.error = "unknown option " + a;
            return out;
        } else if (o.beam_path.empty()) {
            o.beam_path = a;
        } else {
            out.error = "only one beam file can be analysed at a time";
            return out;
        }
    }
    if (!o.help && !o.version && o.beam_path.empty())
        out.error = "no beam file given";
    else if (!o.paper.empty() && o.report_path.empty())
        out.error = "--paper chooses the paper of --report, which is missing";
    else if (o.envelope && o.diagrams_path.empty())
        out.error = "--envelope draws the diagrams: it needs --diagrams FILE";
    return out;
}

}  // namespace spanlyx
