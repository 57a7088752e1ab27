// The command line of one tevano-cli command: positional arguments and the command's options,
// switches ("--tsv") and options that take a value ("--retries 3").
#pragma once

#include "base/Language.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tevano::cli {

// One option of a command, with the line the command's help gives it.
struct Option {
    const char* name;
    const char* value; // the value's name in the usage line ("N"); nullptr for a switch
    const char* help;
    bool required = false; // shown without brackets; the command checks that it is given
};

class Arguments {
public:
    // Splits the arguments by the command's options. An option that is not among them names
    // itself ("unknown option --bogus"); one that takes a value but comes last lacks it. "-"
    // alone is positional (standard input or output), and so is everything after "--".
    static std::optional<Arguments> Parse(const std::vector<std::string>& args,
                                          const std::vector<Option>& options, std::string usage,
                                          std::string& error);

    const std::vector<std::string>& Positional() const { return positional_; }
    bool Has(std::string_view option) const;
    std::optional<std::string> Value(std::string_view option) const;
    // The language of the command's texts and messages: Chinese with --chinese.
    Language ChosenLanguage() const;

    // Prints "tevano-cli: <problem>" and the command's usage line on stderr and returns 2.
    int Misuse(const std::string& problem) const;

private:
    std::vector<std::string> positional_;
    std::vector<std::pair<std::string, std::string>> options_;
    std::string usage_;
};

// Prints "tevano-cli: <message>" on stderr and returns 1, the status of a failed command.
// Control characters and bytes that are not UTF-8 are printed as \xNN.
int Fail(const std::string& message);

// Prints "tevano-cli: <problem>" and the command's usage line on stderr and returns 2, escaped
// as Fail escapes.
int Misuse(const std::string& problem, const std::string& usage);

} // namespace tevano::cli
