#include "options/SideKeyForm.h"

#include "options/SettingsArea.h"

namespace tevano {

namespace {

int Pick(int code) {
    return code < kSideKeyFunctionCount ? code : -1;
}

std::uint8_t KeyByte(int shortPress, int longPress, std::uint8_t current) {
    const int shortCode = shortPress >= 0 ? shortPress : SideKeyShortPress(current);
    const int longCode = longPress >= 0 ? longPress : SideKeyLongPress(current);
    return SideKeyByte(shortCode, longCode);
}

} // namespace

SideKeyState OpenSideKeys(const RadioImage& image) {
    SideKeyState state;
    state.key1Short = Pick(SideKeyShortPress(image[kSideKey1Byte]));
    state.key1Long = Pick(SideKeyLongPress(image[kSideKey1Byte]));
    state.key2Short = Pick(SideKeyShortPress(image[kSideKey2Byte]));
    state.key2Long = Pick(SideKeyLongPress(image[kSideKey2Byte]));
    return state;
}

void AcceptSideKeys(const SideKeyState& state, RadioImage& image) {
    image[kSideKey1Byte] = KeyByte(state.key1Short, state.key1Long, image[kSideKey1Byte]);
    image[kSideKey2Byte] = KeyByte(state.key2Short, state.key2Long, image[kSideKey2Byte]);
}

} // namespace tevano
