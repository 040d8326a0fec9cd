#include "file_fixtures.h"

#include <QFile>
#include <QtGlobal>

namespace spanlyx::testing {

std::string one_span_file(const std::string& tag, const std::vector<std::string>& comments) {
    const bool metric = tag[0] == 'M';
    const std::string unit = metric ? "(m)" : tag == "E2" ? "(in)" : "(ft)";
    std::vector<std::string> lines = {"Spanlyx Program", "# OF COMMENT LINES (0-4)",
                                      " " + std::to_string(comments.size()) + " "};
    lines.insert(lines.end(), comments.begin(), comments.end());
    const std::vector<std::string> rest = {
        "END COMMENTS",
        "Metric E,M,M2,M3 Or M4",
        tag,
        "number of spans",
        "1",
        "total length ",
        "10",
        "START MEMBER INFO",
        "MEMBER NUMBER",
        " 1 ",
        "member length ",
        "10",
        "member I",
        " 12.5 ",
        "member E  ",
        "200",
        "member release",
        " 0 ",
        "******** Number of uniform loads",
        "1",
        "dist 1 from the left end of member " + unit,
        " 0 ",
        "uniform load #1",
        " 1000 ",
        "dist 2 from the left end of member " + unit,
        " 10 ",
        "uniform load #2",
        " 1000 ",
        "******** Number of point loads",
        "0",
        "******** Number of Applied Moments",
        "0",
        "Number of Joints",
        " 2 ",
        "Joint Number",
        " 1 ",
        "Joint Restraint  Y",
        " 1 ",
        "Joint Restraint  Z",
        " 1 ",
        "Joint Number",
        " 2 ",
        "Joint Restraint  Y",
        " 1 ",
        "Joint Restraint  Z",
        " 0 ",
    };
    lines.insert(lines.end(), rest.begin(), rest.end());
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

void write_file(const QString& path, const std::string& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string read_file(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

std::vector<std::string> file_lines(const QString& path) {
    std::vector<std::string> lines;
    const std::string text = read_file(path);
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

}  // namespace spanlyx::testing
