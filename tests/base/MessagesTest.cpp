#include "base/Messages.h"
#include "base/FileMessages.h"
#include "base/FileResult.h"
#include "base/NoteTexts.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

namespace tevano {
namespace {

TEST(Messages, TextsAsTheProgramShowsThem) {
    EXPECT_EQ(MessageText(MessageId::FrequencyOutOfRange, Language::English),
              "Error Data Format，Please input again");
    EXPECT_EQ(MessageText(MessageId::FrequencyOffStep, Language::Chinese),
              "输入数据错误，请按6.25K/5k/2.5k的倍数重新输入");
    EXPECT_EQ(MessageText(MessageId::FrequencyOffStepEnter, Language::Chinese),
              "输入数据错误，请按6.25K/5k/2.5K的倍数重新输入");
    EXPECT_EQ(MessageText(MessageId::NotEnoughBytes, Language::English),
              "not received enough  byte");
    EXPECT_EQ(MessageText(MessageId::ConfirmLanguageChange, Language::Chinese),
              " 请确认是否修改语言");
    EXPECT_EQ(MessageText(MessageId::CalibrationFailed, Language::English),
              " Error had happen ,need try again");
    EXPECT_EQ(Message(MessageId::CommunicationError).buttons, Buttons::RetryCancel);
    EXPECT_EQ(Message(MessageId::RadioTypeMismatch).buttons, Buttons::OkCancel);
    EXPECT_EQ(Message(MessageId::ConfirmLanguageChange).buttons, Buttons::YesNo);
}

TEST(Messages, EnglishOnlyTextsAreEnglishInChinese) {
    EXPECT_EQ(MessageText(MessageId::ResourceModuleMissingAtStart, Language::Chinese),
              "Load Resource DLL english.dll Fail");
    EXPECT_EQ(MessageText(MessageId::ResourceModuleMissingOnSwitch, Language::Chinese),
              "Load Dll Resources fail");
    EXPECT_EQ(UiText(TextId::StatusWaitingRadio, Language::Chinese),
              "Waiting the response from radio....");
    EXPECT_EQ(UiText(TextId::ReadingTitle, Language::Chinese), "Reading Data Progress");
}

TEST(Messages, SaveChangesNamesTheDocument) {
    EXPECT_EQ(SaveChangesText("demo.sin", Language::English), "Save changes to demo.sin?");
    EXPECT_EQ(SaveChangesText("demo.sin", Language::Chinese), "是否保存对 demo.sin 的修改?");
}

TEST(FileMessages, SayWhatWentWrongAndWhatToDo) {
    const std::string missing =
        FileErrorText({FileError::OpenFailed, ENOENT}, "/tmp/x.sin", Language::English);
    EXPECT_NE(missing.find("\"/tmp/x.sin\""), std::string::npos);
    EXPECT_NE(missing.find("No such file"), std::string::npos);
    const std::string save =
        FileErrorText({FileError::WriteFailed, ENOSPC}, "a.sin", Language::English);
    EXPECT_NE(save.find("left as it was"), std::string::npos);
    EXPECT_NE(FileErrorText({FileError::TooShort, 0}, "a.sin", Language::Chinese).find("3168"),
              std::string::npos);
    EXPECT_EQ(FileErrorText({}, "a.sin", Language::English), "");
}

// A Chinese text that lost a placeholder would show less than the English one.
TEST(NoteTexts, BothLanguagesCarryTheSamePlaceholders) {
    const auto placeholders = [](const std::string& text) {
        std::vector<std::string> found;
        for (std::size_t at = text.find('<'); at != std::string::npos;
             at = text.find('<', at + 1)) {
            found.push_back(text.substr(at, text.find('>', at) - at + 1));
        }
        return found;
    };
    for (int id = 0; id < static_cast<int>(NoteId::Count); ++id) {
        const std::string english = NoteText(static_cast<NoteId>(id), Language::English);
        const std::string chinese = NoteText(static_cast<NoteId>(id), Language::Chinese);
        EXPECT_NE(english, chinese) << english;
        EXPECT_EQ(placeholders(english), placeholders(chinese)) << english;
    }
    EXPECT_EQ(FillNote(NoteId::FileNotRegular, Language::Chinese, {{"<file>", "a.sin"}}),
              "\"a.sin\" 不是普通文件。");
    // A file named like a placeholder stays as it is named.
    EXPECT_EQ(FillNote(NoteId::FileReadOnly, Language::English,
                       {{"<file>", "<reason>"}, {"<reason>", ": x"}}),
              "\"<reason>\" is read-only: x. It was left as it was; save to another place.");
}

} // namespace
} // namespace tevano
