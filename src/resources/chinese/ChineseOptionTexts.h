// The Chinese words of the two settings dialogs, Optional Features and Side Key: their labels
// and list entries. The Chinese resource module builds the dialogs from them, and the settings
// report prints the same words for the same settings.
#pragma once

#include "resources/layout/OptionalFeaturesLayout.h"
#include "resources/layout/SideKeyLayout.h"

namespace tevano::res {

inline constexpr features::Texts kChineseFeatureTexts = {
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
inline constexpr sidekey::Texts kChineseSideKeyTexts = {
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
} // namespace tevano::res
