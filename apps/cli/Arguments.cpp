#include "Arguments.h"

#include "base/PrintableText.h"

#include <cstdio>

namespace tevano::cli {

namespace {

const Option* Find(const std::vector<Option>& options, const std::string& name) {
    for (const Option& option : options) {
        if (name == option.name) {
            return &option;
        }
    }
    return nullptr;
}

} // namespace

std::optional<Arguments> Arguments::Parse(const std::vector<std::string>& args,
                                          const std::vector<Option>& options, std::string usage,
                                          std::string& error) {
    Arguments parsed;
    parsed.usage_ = std::move(usage);
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            parsed.positional_.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const Option* option = Find(options, arg);
        if (option == nullptr) {
            error = "unknown option " + arg;
            return std::nullopt;
        }
        if (option->value == nullptr) {
            parsed.options_.emplace_back(arg, std::string());
        } else if (i + 1 < args.size()) {
            parsed.options_.emplace_back(arg, args[++i]);
        } else {
            error = "option " + arg + " needs a value (" + option->value + ")";
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

Language Arguments::ChosenLanguage() const {
    return Has("--chinese") ? Language::Chinese : Language::English;
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

int Arguments::Misuse(const std::string& problem) const {
    return cli::Misuse(problem, usage_);
}

// What a message may carry from a file or the command line never reaches the terminal raw.
int Fail(const std::string& message) {
    std::fprintf(stderr, "tevano-cli: %s\n", PrintableText(message, true).c_str());
    return 1;
}

int Misuse(const std::string& problem, const std::string& usage) {
    std::fprintf(stderr, "tevano-cli: %s\nusage: tevano-cli %s\n",
                 PrintableText(problem, true).c_str(), usage.c_str());
    return 2;
}

} // namespace tevano::cli
