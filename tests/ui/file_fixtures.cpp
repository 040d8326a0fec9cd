#include "file_fixtures.h"

#include <QFile>
#include <QtGlobal>

namespace spanlyx::testing {

std::string one_span_file(const std::string& tag) {
    const std::string unit = tag[0] == 'M' ? "(m)" : tag == "E2" ? "(in)" : "(ft)";
    const std::string text =
        "Spanlyx Program\n# OF COMMENT LINES (0-4)\n 0 \nEND COMMENTS\nMetric E,M,M2,M3 Or M4\n" +
        tag +
        "\nnumber of spans\n1\ntotal length \n10\nSTART MEMBER INFO\n"
        "MEMBER NUMBER\n 1 \nmember length \n10\nmember I\n 12.5 \nmember E  \n200\n"
        "member release\n 0 \n******** Number of uniform loads\n1\n"
        "dist 1 from the left end of member " +
        unit +
        "\n 0 \nuniform load #1\n 1000 \n"
        "dist 2 from the left end of member " +
        unit +
        "\n 10 \nuniform load #2\n 1000 \n"
        "******** Number of point loads\n0\n******** Number of Applied Moments\n0\n"
        "Number of Joints\n 2 \n"
        "Joint Number\n 1 \nJoint Restraint  Y\n 1 \nJoint Restraint  Z\n 1 \n"
        "Joint Number\n 2 \nJoint Restraint  Y\n 1 \nJoint Restraint  Z\n 0 \n";
    std::string crlf;
    for (char c : text)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return crlf;
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
    for (const QByteArray& line : QByteArray::fromStdString(read_file(path)).split('\n'))
        lines.push_back((line.endsWith('\r') ? line.chopped(1) : line).toStdString());
    return lines;
}

}  // namespace spanlyx::testing
