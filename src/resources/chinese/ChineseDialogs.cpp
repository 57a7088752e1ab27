// The Chinese dialog templates: the layouts, ids and list orders of the English ones with Chinese
// words. Entries that are numbers or signalling codes ("MSK", "DTMF", "QT"...) stay as they are.
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

constexpr features::Texts kFeatures = {
    .caption = "可选功能",
    .functionSet = "功能设置",
    .timeOutTimer = "发射限时",
    .squelchLevel = "静噪等级",
    .languageChoose = "语言选择",
    .voxSwitch = "声控开关",
    .voxGainLevel = "声控灵敏度",
    .priorityChannel = "优先频道",
    .roger = "尾音提示",
    .beep = "按键音",
    .batterySave = "省电",
    .scramblerActivation = "启用扰频",
    .idGroup = " ID",
    .groupId = "组ID",
    .id = "本机ID",
    .callId = "呼叫ID",
    .checkId = "检测ID",
    .killId = "遥毙ID",
    .listenId = "监听ID",
    .beginOfTx = "发射开始时发送",
    .endOfTx = "发射结束时发送",
    .optSignal = "频率模式下的可选信令",
    .pf1 = "PF1",
    .pf2 = "PF2",
    .repeaterMskInvert = "中继MSK反相",
    .ok = "确定",
    .cancel = "取消",
    .languages = {"中文", "英文", "关"},
    .onOff = {"开", "关"},
    .voxGains = {"关", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
    .rogers = {"关", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
    .optSignals = {"MSK", "DTMF", "CCIR", "关"},
};
constexpr auto kFeaturesControls = features::Controls(kFeatures);

constexpr sidekey::Texts kSideKey = {
    .caption = "侧键设置",
    .sideKey1 = "侧键1",
    .sideKey2 = "侧键2",
    .shortPress = "短按",
    .longPress = "长按",
    .functions = {"无功能", "监听", "扫描开/关", "扫描临时删除", "高/低功率", "脱网对讲",
                  "收发频率反转", "声控开/关", "扰频开/关"},
    .ok = "确定",
    .cancel = "取消",
};
constexpr auto kSideKeyControls = sidekey::Controls(kSideKey);

} // namespace

const DialogTemplate kDialogs[] = {
    about::Dialog(kAbout, kAboutControls),
    form::Dialog(kFormControls),
    progress::Dialog(kProgressControls),
    testmode::Dialog(kTestMode, kTestModeControls),
    features::Dialog(kFeatures, kFeaturesControls),
    sidekey::Dialog(kSideKey, kSideKeyControls),
};
const int kDialogCount = int(std::size(kDialogs));

} // namespace tevano::res
