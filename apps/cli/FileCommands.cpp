// tevano-cli resave and new: documents saved exactly as the program's File Save saves them.

#include "Arguments.h"
#include "ChannelDocument.h"
#include "CliCommands.h"
#include "DemoChannels.h"

namespace tevano::cli {

int ResaveCommand(const Arguments& args) {
    if (args.Positional().size() != 2) {
        return args.Misuse("resave takes an input and an output file");
    }
    const Language language = args.ChosenLanguage();
    // The output is held from the read to the rename: when it is also the input (a file saved
    // anew in place), another change to it waits its turn.
    ChannelDocument document(language);
    if (const int failed = document.Lock(args.Positional()[1])) {
        return failed;
    }
    if (const int failed = document.Open(args.Positional()[0])) {
        return failed;
    }
    return document.Save(args.Positional()[1]);
}

int NewCommand(const Arguments& args) {
    if (args.Positional().size() != 1) {
        return args.Misuse("new takes one file");
    }
    const Language language = args.ChosenLanguage();
    ChannelDocument document(language);
    document.ShowNew();
    if (args.Has("--demo")) {
        WriteDemoChannels(document.image, language);
    }
    return document.Save(args.Positional()[0]);
}

} // namespace tevano::cli
