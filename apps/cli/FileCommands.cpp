// tevano-cli resave and new: documents saved exactly as the program's File Save saves them.

#include "Arguments.h"
#include "CliCommands.h"
#include "DemoChannels.h"

#include "base/FileMessages.h"
#include "grid/ChannelFileOps.h"
#include "grid/ChannelGridLayout.h"
#include "grid/HeadlessChannelForm.h"

namespace tevano::cli {

int ResaveCommand(const Arguments& args) {
    if (args.Positional().size() != 2) {
        return args.Misuse("resave takes an input and an output file");
    }
    const bool english = !args.Has("--chinese");
    const std::string& in = args.Positional()[0];
    const std::string& out = args.Positional()[1];
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

int NewCommand(const Arguments& args) {
    if (args.Positional().size() != 1) {
        return args.Misuse("new takes one file");
    }
    const bool english = !args.Has("--chinese");
    const std::string& path = args.Positional()[0];
    RadioImage image{};
    MakeNewImage(image);
    HeadlessChannelForm form(english);
    ShowImage(image, form.Form(), english);
    if (args.Has("--demo")) {
        WriteDemoChannels(form.grid, english);
    }
    const FileResult result = SaveChannelFile(path, form.Form(), image);
    if (!result.Ok()) {
        return Fail(FileErrorText(result, path, english));
    }
    return 0;
}

} // namespace tevano::cli
