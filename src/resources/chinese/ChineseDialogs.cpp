// The Chinese dialog templates: the layouts, ids and list orders of the English ones with Chinese
// words. Entries that are numbers or signalling codes ("MSK", "DTMF", "QT"...) stay as they are.
#include "resources/chinese/ChineseOptionTexts.h"
#include "resources/layout/AboutLayout.h"
#include "resources/layout/FormLayout.h"
#include "resources/layout/OptionalFeaturesLayout.h"
#include "resources/layout/ProgressLayout.h"
#include "resources/layout/SideKeyLayout.h"
#include "resources/layout/TestModeLayout.h"
#include "resources/module/LanguageParts.h"

#include <iterator>

namespace tevano::res {

namespace {

constexpr about::Texts kAbout = {
    .caption = "关于",
    .programName = "  Tevano 通信软件",
    .versionLine = "版本 " TEVANO_VERSION,
    .copyrightLine = "版权所有 (C) Tevano 通信",
    .purposeLine = "Tevano 手持对讲机编程软件",
    .ok = "确定",
};
constexpr auto kAboutControls = about::Controls(kAbout);

constexpr form::Texts kForm = {
    .typeSetting = "整机设置",
    .type = "机型",
    .field = "频段",
    .txPowerRank = "发射功率等级",
    .manualSetting = "手动设置",
    .manualSettingEntries = {"开启", "关闭"},
};
constexpr auto kFormControls = form::Controls(kForm);

constexpr progress::Texts kProgress = {
    .start = "开始",
    .cancel = "取消",
    .progress = "进度：",
    .notStarted = "   尚未开始",
};
constexpr auto kProgressControls = progress::Controls(kProgress);

constexpr testmode::Texts kTestMode = {
    .caption = "Tevano 调试模式",
    .viewGroup = "Static",
    .defaultButton = "默认值",
    .receive = "接收",
    .transmit = "发射",
    .frequencyMHz = "频率\n(MHz)",
    .tone = "信令",
    .toneMethod = "信令\n方式",
    .stepValue = "步进",
    .chooseDebugFrequency = "选择调试频率",
    .high = "高(MHz)",
    .middle = "中(MHz)",
    .low = "低(MHz)",
    .parameterValue = "参数值",
    .min = "最小",
    .max = "最大",
    .currentValue = "当前值",
    .start = "开始",
    .hiddenDefault = "Button1",
};
constexpr auto kTestModeControls = testmode::Controls(kTestMode);

constexpr auto kFeaturesControls = features::Controls(kChineseFeatureTexts);

constexpr auto kSideKeyControls = sidekey::Controls(kChineseSideKeyTexts);

} // namespace

const DialogTemplate kDialogs[] = {
    about::Dialog(kAbout, kAboutControls),
    form::Dialog(kFormControls),
    progress::Dialog(kProgressControls),
    testmode::Dialog(kTestMode, kTestModeControls),
    features::Dialog(kChineseFeatureTexts, kFeaturesControls),
    sidekey::Dialog(kChineseSideKeyTexts, kSideKeyControls),
};
const int kDialogCount = int(std::size(kDialogs));

} // namespace tevano::res
