#include "command_line.h"

#include "integer_field.h"
#include "time_change.h"

namespace stampwright::cli {
namespace {

struct ShiftField {
    const char* name;
    std::int32_t high;
};
constexpr ShiftField kShiftFields[] = {{"hours", 24}, {"minutes", 59}, {"seconds", 59}};

std::vector<std::string_view> SplitAtColons(std::string_view text) {
    std::vector<std::string_view> fields;
    for (std::size_t colon; (colon = text.find(':')) != std::string_view::npos;) {
        fields.push_back(text.substr(0, colon));
        text.remove_prefix(colon + 1);
    }
    fields.push_back(text);
    return fields;
}

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string ShiftError(std::string_view text, std::string_view problem) {
    return "--shift " + std::string(text) + ": " + std::string(problem) +
           "; write it as [+|-]H:M:S, for example --shift -1:30:0";
}

// Splits "--name=value" into name and value; a plain "--name" gets no value.
std::pair<std::string_view, std::optional<std::string_view>> SplitOption(std::string_view arg) {
    const std::size_t equals = arg.find('=');
    if (equals == std::string_view::npos)
        return {arg, std::nullopt};
    return {arg.substr(0, equals), arg.substr(equals + 1)};
}

} // namespace

std::optional<std::int32_t> ParseShift(std::string_view text, std::string& error) {
    std::string_view rest = text;
    int direction = kAdd;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        direction = rest.front() == '-' ? kSubtract : kAdd;
        rest.remove_prefix(1);
    }
    const std::vector<std::string_view> fields = SplitAtColons(rest);
    if (fields.size() != 3) {
        error = ShiftError(text, "expected three numbers separated by colons");
        return std::nullopt;
    }
    std::int32_t values[3] = {};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::optional<std::int32_t> value =
            AllDigits(fields[i]) ? ReadIntegerField(fields[i]) : std::nullopt;
        if (!value || !InRange(*value, 0, kShiftFields[i].high)) {
            error = ShiftError(text, std::string(kShiftFields[i].name) +
                                         " must be a number from 0 to " +
                                         std::to_string(kShiftFields[i].high));
            return std::nullopt;
        }
        values[i] = *value;
    }
    return ComputeOffset(values[0], values[1], values[2], direction);
}

ParsedCommandLine ParseCommandLine(const std::vector<std::string_view>& arguments) {
    CliOptions options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view arg = arguments[i];
        if (optionsEnded || arg.size() < 2 || arg.front() != '-') {
            options.paths.emplace_back(arg);
            continue;
        }
        auto [name, value] = SplitOption(arg);
        const bool takesValue = name == "--shift" || name == "--initials";
        if (takesValue && !value) {
            if (i + 1 == arguments.size())
                return {std::nullopt, std::string(name) + " needs a value; " + std::string(kUsage)};
            value = arguments[++i];
        } else if (!takesValue && value) {
            return {std::nullopt, std::string(name) + " takes no value; " + std::string(kUsage)};
        }
        if (name == "--") {
            optionsEnded = true;
        } else if (name == "--rename") {
            options.mode = RunMode::RenameNow;
        } else if (name == "--help" || name == "-h") {
            options.help = true;
        } else if (name == "--initials") {
            options.initials = std::string(*value);
        } else if (name == "--shift") {
            std::string error;
            const std::optional<std::int32_t> offset = ParseShift(*value, error);
            if (!offset)
                return {std::nullopt, error};
            options.offset = *offset;
        } else {
            return {std::nullopt,
                    "unknown option " + std::string(arg) + "; " + std::string(kUsage)};
        }
    }
    return {options, {}};
}

} // namespace stampwright::cli
