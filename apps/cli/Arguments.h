// The command line of one tevano-cli command: positional arguments and "--" options, some of
// which take a value ("--retries 3").
#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tevano::cli {

class Arguments {
public:
    // Splits the arguments; an option not named in flags or valueOptions, or a value option
    // without its value, is an error, described in `error`.
    static std::optional<Arguments> Parse(const std::vector<std::string>& args,
                                          const std::set<std::string>& flags,
                                          const std::set<std::string>& valueOptions,
                                          std::string& error);

    const std::vector<std::string>& Positional() const { return positional_; }
    bool Has(std::string_view option) const;
    std::optional<std::string> Value(std::string_view option) const;

private:
    std::vector<std::string> positional_;
    std::vector<std::pair<std::string, std::string>> options_;
};

// Prints "tevano-cli: <message>" on stderr and returns 1, the status of a failed command.
// Control characters and bytes that are not UTF-8 are printed as \xNN.
int Fail(const std::string& message);

// Prints "tevano-cli: <problem>" and the command's usage line on stderr and returns 2, escaped
// as Fail escapes.
int Misuse(const std::string& problem, const char* usage);

} // namespace tevano::cli
