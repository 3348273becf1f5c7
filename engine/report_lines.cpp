#include "report_lines.h"

#include "error_text.h"

#include <cstdio>

namespace stampwright {
namespace {

void AppendQuoted(ReportText& report, std::string_view text) {
    report.push_back('"');
    report.append(text);
    report.push_back('"');
}

} // namespace

void AppendSkippingLine(ReportText& report, std::string_view path) {
    report.append("REM Skipping ");
    AppendQuoted(report, path);
    report.append(", perhaps it doesn't exist?\r\n");
}

void AppendRenamedLine(ReportText& report, std::string_view path, std::string_view newName) {
    report.append("Renamed ");
    AppendQuoted(report, path);
    report.append(" to ");
    report.append(newName);
    report.append(".\r\n");
}

void AppendFailedLine(ReportText& report, std::string_view path, std::string_view newPath,
                      int errorNumber) {
    char code[16];
    std::snprintf(code, sizeof code, "%08x", static_cast<unsigned>(errorNumber));
    report.append("Failed to rename ");
    AppendQuoted(report, path);
    report.append(" to ");
    AppendQuoted(report, newPath);
    report.append(", error code ");
    report.append(code);
    report.append(" (");
    report.append(ErrorText(errorNumber));
    report.append(").\r\n");
}

void AppendBatchLines(ReportText& report, std::string_view path, std::string_view directory,
                      std::string_view name, std::string_view newName) {
    report.append("ren ");
    AppendQuoted(report, name);
    report.push_back(' ');
    AppendQuoted(report, newName);
    report.append("\r\nREM copy ");
    AppendQuoted(report, path);
    report.append(" \"");
    report.append(directory);
    report.append(newName);
    report.append("\"\r\n\r\n");
}

} // namespace stampwright
