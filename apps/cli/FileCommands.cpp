// tevano-cli resave and new: documents saved exactly as the program's File Save saves them.

#include "CliCommands.h"
#include "DemoChannels.h"

#include "grid/ChannelFileOps.h"
#include "grid/ChannelGridLayout.h"
#include "grid/HeadlessChannelForm.h"
#include "shell/FileMessages.h"

#include <cstdio>

namespace tevano::cli {

int Fail(const std::string& message) {
    std::fprintf(stderr, "tevano-cli: %s\n", message.c_str());
    return 1;
}

int ResaveCommand(const Arguments& args) {
    const bool english = !args.chinese;
    const std::string& in = args.positional[0];
    const std::string& out = args.positional[1];
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
    const bool english = !args.chinese;
    const std::string& path = args.positional[0];
    RadioImage image{};
    MakeNewImage(image);
    HeadlessChannelForm form(english);
    ShowImage(image, form.Form(), english);
    if (args.demo) {
        WriteDemoChannels(form.grid, english);
    }
    const FileResult result = SaveChannelFile(path, form.Form(), image);
    if (!result.Ok()) {
        return Fail(FileErrorText(result, path, english));
    }
    return 0;
}

} // namespace tevano::cli
