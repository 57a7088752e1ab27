#include "grid/ChannelFileOps.h"

#include "grid/ChannelEncode.h"
#include "grid/ChannelGridLayout.h"
#include "image/ChannelFile.h"

namespace tevano {

FileResult OpenChannelFile(const std::string& path, RadioImage& image, ChannelForm& form) {
    const FileResult result = LoadChannelFile(path, image);
    if (result.Ok()) {
        ShowImage(image, form);
    }
    return result;
}

FileResult SaveChannelFile(const std::string& path, const ChannelForm& form, RadioImage& image) {
    EncodeChannels(form, image);
    return StoreChannelFile(path, image);
}

} // namespace tevano
