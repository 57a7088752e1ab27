// What the Optional Features dialog shows and stores: every control's state read from the image
// when the dialog opens, written back into exactly its bytes and bits on "OK", and the input
// rules its fields enforce. The Qt dialog only moves this state to and from its widgets.
#pragma once

#include "image/RadioImage.h"
#include "options/SettingsArea.h"

#include <string>
#include <vector>

namespace tevano {

// Positions of the picked combo-box entries (-1 when none is picked), check flags and texts.
struct OptionalFeaturesState {
    int timeOutSteps = 0;         // the spin's position, 0 to 40
    std::string timeText = "OFF"; // what the time field shows for it
    int squelchLevel = -1;        // "0" to "9"
    int language = -1;            // "Chinese", "English", "Off"
    int voxSwitch = -1;           // "On", "Off"
    int voxGain = -1;             // "OFF", "1" to "10"
    int priorityChannel = -1;     // "1" to "128"
    int roger = -1;               // "Off", "1" to "10"
    int optSignal = -1;           // "MSK", "DTMF", "CCIR", "OFF"
    bool beep = false;
    bool batterySave = false;
    bool scrambler = false;
    bool beginOfTx = false;
    bool endOfTx = false;
    std::string groupId;
    std::string id;
    std::string callId;
    std::string checkId;
    std::string killId;
    std::string listenId;
};

// Entry positions of the lists whose stored value is not the position itself.
enum LanguagePosition { kLanguageChinese = 0, kLanguageEnglish = 1, kLanguageOff = 2 };
enum VoxSwitchPosition { kVoxOn = 0, kVoxOff = 1 };

constexpr int kSquelchEntries = 10;
constexpr int kVoxGainEntries = 11;
constexpr int kRogerEntries = 11;
constexpr std::size_t kTimeTextMaxLength = 10;

// The "Priority Channel" entries the dialog fills in when it opens: "1" to "128".
std::vector<std::string> PriorityChannelEntries();

// The state of every control for the image, as the dialog opens.
OptionalFeaturesState OpenOptionalFeatures(const RadioImage& image);

// Writes the state into the image as "OK" does. Touches 0x812 whole, bits 4-5 of 0x810,
// 0x813 to 0x815, bits 0-2 of 0x816, 0x817 to 0x81A and the six ID fields; nothing else.
void AcceptOptionalFeatures(const OptionalFeaturesState& state, RadioImage& image);

// Whether accepting changed what a save or a write to the radio would store: any byte but bit 7
// of 0x812, which the next channel encode puts back from the "Manul Setting" list. An OK without
// edits so leaves the document unmodified.
bool AcceptChangedDocument(const RadioImage& before, const RadioImage& after);

// Moves the time-out spin, held to 0..40 without wrapping, and updates the time text.
void SetTimeOutSteps(OptionalFeaturesState& state, int steps);

// Input rules of the ID fields.

// "Group ID" takes digits only.
constexpr bool GroupIdAccepts(char c) {
    return c >= '0' && c <= '9';
}

// "ID" and "Call ID" show what is typed in upper case; the other ID fields show it as typed
// (and store it in upper case all the same).
constexpr bool ShownInUpperCase(IdField field) {
    return field == IdField::Id || field == IdField::Call;
}

// Key codes for the key filter below; digit and letter keys are given by the upper-case ASCII
// code of their key cap. Shift+Tab is Tab.
constexpr int kBackspaceKey = 0x08;
constexpr int kTabKey = 0x09;
constexpr int kEnterKey = 0x0D;
constexpr int kEscapeKey = 0x1B;

// The key filter of the "ID" field: while it has the focus, only the digit keys of the main
// keyboard, the letter keys and Backspace go into it; the arrows, Delete, blank and the
// numeric keypad's digits are swallowed. Tab, Shift+Tab, Enter (the keypad's too) and Escape do
// what they do in every field, so the keyboard is never held in it.
constexpr bool IdFieldKeyPasses(int keyCode, bool onNumericKeypad) {
    if (keyCode == kTabKey || keyCode == kEnterKey || keyCode == kEscapeKey) {
        return true;
    }
    if (onNumericKeypad) {
        return false;
    }
    return (keyCode >= '0' && keyCode <= '9') || (keyCode >= 'A' && keyCode <= 'Z') ||
           keyCode == kBackspaceKey;
}

} // namespace tevano
