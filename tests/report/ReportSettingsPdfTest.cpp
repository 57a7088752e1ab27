// The report's first page says what the Optional Features and Side Key dialogs show for the same
// image, word for word and in both languages: a new document, and one with every setting of
// both dialogs changed and stored as the dialogs store it.

#include "ReportPdf.h"

#include "image/RadioImage.h"
#include "options/OptionalFeaturesForm.h"
#include "options/SideKeyForm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace tevano {
namespace {

using testing::ProcessRun;
using testing::Word;

// The lines of a page as their words give them, blanks left out, so that a field reads the same
// however the face spaces its words.
std::vector<std::string> Lines(const std::vector<Word>& words) {
    std::vector<std::string> lines;
    for (const std::vector<Word>& line : testing::TextLines(words)) {
        std::string text;
        for (const Word& word : line) {
            text += word.text;
        }
        lines.push_back(text);
    }
    return lines;
}

std::string WithoutBlanks(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}

class ReportSettingsPdfTest : public testing::ReportPdfTest {
protected:
    // Every field stands whole on one line of page 1.
    void ExpectFirstPage(const RadioImage& image, const char* option,
                         const std::vector<std::string>& fields) {
        testing::WriteBytes(Path("settings.sin"),
                            std::vector<std::uint8_t>(image.begin(), image.end()));
        const std::string pdf = Path("settings.pdf");
        const ProcessRun run =
            Report(std::string(option) + "'" + Path("settings.sin") + "' -o '" + pdf + "'");
        ASSERT_EQ(run.status, 0) << run.err;
        const std::vector<std::string> lines = Lines(Words(pdf, 1).words);
        for (const std::string& field : fields) {
            const std::string wanted = WithoutBlanks(field);
            const bool found =
                std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
                    return line.find(wanted) != std::string::npos;
                });
            std::string page;
            for (const std::string& line : lines) {
                page += line + "\n";
            }
            EXPECT_TRUE(found) << option << "page 1 lacks \"" << field << "\"\n" << page;
        }
    }

    // Every setting of both dialogs away from a new document's, stored as "OK" stores it.
    static RadioImage ChangedImage() {
        RadioImage image{};
        MakeNewImage(image);
        OptionalFeaturesState options = OpenOptionalFeatures(image);
        SetTimeOutSteps(options, 40);
        options.squelchLevel = 9;
        options.language = kLanguageEnglish;
        options.voxSwitch = kVoxOn;
        options.voxGain = 10;
        options.priorityChannel = 127;
        options.roger = 10;
        options.optSignal = 1;
        options.beep = false;
        options.batterySave = false;
        options.scrambler = true;
        options.beginOfTx = true;
        options.endOfTx = true;
        options.groupId = "1234";
        options.id = "AB12";
        options.callId = "C3";
        options.checkId = "D4";
        options.killId = "E5";
        options.listenId = "F6";
        AcceptOptionalFeatures(options, image);
        AcceptSideKeys({3, 4, 5, 6}, image);
        return image;
    }
};

TEST_F(ReportSettingsPdfTest, ANewDocumentReadsAsTheDialogsShowIt) {
    RadioImage image{};
    MakeNewImage(image);
    ExpectFirstPage(image, "",
                    {"Side Key1 Short Press: Monitor", "Long Press: Scan ON/OFF",
                     "Side Key2 Short Press: Vox ON/OFF", "Long Press: Scrambler ON/OFF",
                     "Squelch Level: 5", "Beep Warning: Enable", "Scrambler Activation:Disable",
                     "Vox Function:Off", "Vox Gain Level:OFF", "Opt Signal In Frequent Mode: OFF",
                     "Battery Save:Enable", "Total Tx Time(s):OFF", "Begin of Tx:Disable",
                     "End of Tx: Disable", "Language Choose: Off", "Priority Channel: 1",
                     "Roger: Off"});
    ExpectFirstPage(image, "--chinese ",
                    {"侧键1 短按: 监听", "长按: 扫描开/关", "侧键2 短按: 声控开/关",
                     "长按: 扰频开/关", "静噪等级: 5", "报警音提示: 打开", "扰频器激活:关闭",
                     "Vox 功能:关", "Vox 增益电平:关", "频率模式下的可选信令: 关", "电池省电:启动",
                     "发射时间(s):OFF", "发射开始:关闭", "发射结束:关闭", "语言选择: 关",
                     "优先频道: 1", "尾音提示: 关"});
}

TEST_F(ReportSettingsPdfTest, EveryChangedSettingReadsAsTheDialogsShowIt) {
    const RadioImage image = ChangedImage();
    ExpectFirstPage(image, "",
                    {"Side Key1 Short Press: Scan Temperary Delete",
                     "Long Press: High/Low Power",
                     "Side Key2 Short Press: Talk Around",
                     "Long Press: Reverse Frequency",
                     "Squelch Level: 9",
                     "Beep Warning: Disable",
                     "Scrambler Activation:Enable",
                     "Vox Function:On",
                     "Vox Gain Level:10",
                     "Opt Signal In Frequent Mode: DTMF",
                     "PTT ID: AB12",
                     "Battery Save:Disable",
                     "Total Tx Time(s):600",
                     "Begin of Tx:Enable",
                     "End of Tx: Enable",
                     "Language Choose: English",
                     "Priority Channel: 128",
                     "Roger: 10",
                     "Group ID: 1234",
                     "Call ID: C3",
                     "Check ID: D4",
                     "Kill ID: E5",
                     "Listen ID: F6"});
    ExpectFirstPage(image, "--chinese ",
                    {"侧键1 短按: 扫描临时删除",
                     "长按: 高/低功率",
                     "侧键2 短按: 脱网对讲",
                     "长按: 收发频率反转",
                     "静噪等级: 9",
                     "报警音提示: 关闭",
                     "扰频器激活:打开",
                     "Vox 功能:开",
                     "Vox 增益电平:10",
                     "频率模式下的可选信令: DTMF",
                     "PTT ID: AB12",
                     "电池省电:关闭",
                     "发射时间(s):600",
                     "发射开始:打开",
                     "发射结束:打开",
                     "语言选择: 英文",
                     "优先频道: 128",
                     "尾音提示: 10",
                     "组ID: 1234",
                     "呼叫ID: C3",
                     "检测ID: D4",
                     "遥毙ID: E5",
                     "监听ID: F6"});
}

} // namespace
} // namespace tevano
