#include "image/RadioImage.h"

namespace tevano {

namespace {

struct DefaultByte {
    std::size_t offset;
    std::uint8_t value;
};

// Settings a new radio image starts with; every other byte stays 0xFF.
constexpr DefaultByte kNewImageSettings[] = {
    {0x80A, 0xEE}, {0x80B, 0x38}, {0x810, 0x80}, {0x811, 0xA8}, {0x812, 0xC4},
    {0x813, 0x05}, {0x814, 0x00}, {0x815, 0x01}, {0x816, 0x03}, {0x817, 0x04},
    {0x818, 0x00}, {0x819, 0x00}, {0x81A, 0x01}, {0x81D, 0x12}, {0x81E, 0x78},
};

} // namespace

void MakeNewImage(RadioImage& image) {
    image.fill(0xFF);
    for (const DefaultByte& setting : kNewImageSettings) {
        image[setting.offset] = setting.value;
    }
}

} // namespace tevano
