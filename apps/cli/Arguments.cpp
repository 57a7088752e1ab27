#include "Arguments.h"

#include "image/PrintableText.h"

#include <cstdio>

namespace tevano::cli {

std::optional<Arguments> Arguments::Parse(const std::vector<std::string>& args,
                                          const std::set<std::string>& flags,
                                          const std::set<std::string>& valueOptions,
                                          std::string& error) {
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg[0] != '-') {
            parsed.positional_.push_back(arg);
        } else if (flags.count(arg) != 0) {
            parsed.options_.emplace_back(arg, std::string());
        } else if (valueOptions.count(arg) != 0) {
            if (i + 1 >= args.size()) {
                error = "option " + arg + " needs a value";
                return std::nullopt;
            }
            parsed.options_.emplace_back(arg, args[++i]);
        } else {
            error = "unknown option " + arg;
            return std::nullopt;
        }
    }
    return parsed;
}

bool Arguments::Has(std::string_view option) const {
    for (const auto& [name, value] : options_) {
        if (name == option) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> Arguments::Value(std::string_view option) const {
    std::optional<std::string> last;
    for (const auto& [name, value] : options_) {
        if (name == option) {
            last = value;
        }
    }
    return last;
}

// What a message may carry from a file or the command line never reaches the terminal raw.
int Fail(const std::string& message) {
    std::fprintf(stderr, "tevano-cli: %s\n", PrintableText(message, true).c_str());
    return 1;
}

int Misuse(const std::string& problem, const char* usage) {
    std::fprintf(stderr, "tevano-cli: %s\nusage: tevano-cli %s\n",
                 PrintableText(problem, true).c_str(), usage);
    return 2;
}

} // namespace tevano::cli
