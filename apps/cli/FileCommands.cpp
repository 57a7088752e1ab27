// tevano-cli resave and new: documents saved exactly as the program's File Save saves them.

#include "Arguments.h"
#include "CliCommands.h"
#include "DemoChannels.h"

#include "grid/ChannelFileOps.h"
#include "grid/ChannelGridLayout.h"
#include "grid/HeadlessChannelForm.h"
#include "shell/FileMessages.h"

namespace tevano::cli {

int ResaveCommand(const std::vector<std::string>& argv) {
    constexpr const char* kUsage = "resave IN OUT [--chinese]";
    std::string error;
    const auto args = Arguments::Parse(argv, {"--chinese"}, {}, error);
    if (!args || args->Positional().size() != 2) {
        return Misuse(args ? "resave takes an input and an output file" : error, kUsage);
    }
    const bool english = !args->Has("--chinese");
    const std::string& in = args->Positional()[0];
    const std::string& out = args->Positional()[1];
    RadioImage image{};
    MakeNewImage(image);
    HeadlessChannelForm form(english);
    FileResult result = OpenChannelFile(in, image, form.Form(), english);
    if (!result.Ok()) {
        return Fail(FileErrorText(result, in, english));
    }
    result = SaveChannelFile(out, form.Form(), image);
    if (!result.Ok()) {
        return Fail(FileErrorText(result, out, english));
    }
    return 0;
}

int NewCommand(const std::vector<std::string>& argv) {
    constexpr const char* kUsage = "new FILE [--demo] [--chinese]";
    std::string error;
    const auto args = Arguments::Parse(argv, {"--chinese", "--demo"}, {}, error);
    if (!args || args->Positional().size() != 1) {
        return Misuse(args ? "new takes one file" : error, kUsage);
    }
    const bool english = !args->Has("--chinese");
    const std::string& path = args->Positional()[0];
    RadioImage image{};
    MakeNewImage(image);
    HeadlessChannelForm form(english);
    ShowImage(image, form.Form(), english);
    if (args->Has("--demo")) {
        WriteDemoChannels(form.grid, english);
    }
    const FileResult result = SaveChannelFile(path, form.Form(), image);
    if (!result.Ok()) {
        return Fail(FileErrorText(result, path, english));
    }
    return 0;
}

} // namespace tevano::cli
