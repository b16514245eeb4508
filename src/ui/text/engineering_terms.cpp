#include "ui/text/engineering_terms.h"

#include <array>

namespace gm::ui::text {

namespace {

struct Term {
    std::string_view english;
    std::string_view chinese;
};

// By identifier.
constexpr std::array<Term, kEngineeringTermCount> kTerms{{
    {"Office Mode", "办公模式"},                                       // 0
    {"Gaming Mode", "游戏模式"},                                       // 1
    {"Profile3", "第三模式"},                                          // 2
    {"Advanced", "高级设置"},                                          // 3
    {"Breathing Light", "呼吸灯"},                                     // 4
    {"Macro", "宏"},                                                   // 5
    {"Update", "固件更新"},                                            // 6
    {"Engineer Mode", "工程模式"},                                     // 7
    {"Load", "载入"},                                                  // 8
    {"Save", "保存"},                                                  // 9
    {"Default", "恢复默认"},                                           // 10
    {"Import Base Macro", "导入基础宏"},                               // 11
    {"Import Fire Macro", "导入枪键宏"},                               // 12
    {"Load Patch Code", "载入补丁代码"},                               // 13
    {"LED Setting", "灯光设置"},                                       // 14
    {"LED Mode:", "灯光模式:"},                                        // 15
    {"LED Type:", "灯光类型:"},                                        // 16
    {"LED Number:", "灯珠数量:"},                                      // 17
    {"RGB LED", "RGB 灯"},                                             // 18
    {"Sync LED", "同步灯"},                                            // 19
    {"ZK LED", "ZK 灯"},                                               // 20
    {"MCU LED", "MCU 灯"},                                             // 21
    {"LED Step:", "灯光级数:"},                                        // 22
    {"LED Light Mode:", "亮度模式:"},                                  // 23
    {"Half Light", "半亮"},                                            // 24
    {"All Light", "全亮"},                                             // 25
    {"Off", "关闭"},                                                   // 26
    {"Random", "随机"},                                                // 27
    {"Sequence", "顺序"},                                              // 28
    {"Fixed", "固定"},                                                 // 29
    {"Blend", "混色"},                                                 // 30
    {"CPI Breath", "CPI 呼吸"},                                        // 31
    {"Sync Breath", "同步呼吸"},                                       // 32
    {"Sync No-breath", "同步常亮"},                                    // 33
    {"Random", "随机"},                                                // 34
    {"Blend", "混色"},                                                 // 35
    {"Fixed", "固定"},                                                 // 36
    {"CPI Breath", "CPI 呼吸"},                                        // 37
    {"CPI Breath", "CPI 呼吸"},                                        // 38
    {"Colorful Light", "炫彩"},                                        // 39
    {"Rainbow", "彩虹"},                                               // 40
    {"Floe Light", "流光"},                                            // 41
    {"Waltz Light", "华尔兹"},                                         // 42
    {"4-Seasons", "四季"},                                             // 43
    {"LED Mode Select", "灯光模式选择"},                               // 44
    {"CPI", "CPI"},                                                    // 45
    {"CPI Steps:", "CPI 档数:"},                                       // 46
    {"Current CPI:", "当前 CPI:"},                                     // 47
    {"CPI 1:", "CPI 1:"},                                              // 48
    {"CPI 2:", "CPI 2:"},                                              // 49
    {"CPI 3:", "CPI 3:"},                                              // 50
    {"CPI 4:", "CPI 4:"},                                              // 51
    {"CPI 5:", "CPI 5:"},                                              // 52
    {"CPI 6:", "CPI 6:"},                                              // 53
    {"CPI 7:", "CPI 7:"},                                              // 54
    {"CPI 8:", "CPI 8:"},                                              // 55
    {"Fire Key", "连发键"},                                            // 56
    {"Fire Key 1:", "连发键1:"},                                       // 57
    {"Fire Key 2:", "连发键2:"},                                       // 58
    {"Fire Key 3:", "连发键3:"},                                       // 59
    {"Repeat", "连发次数"},                                            // 60
    {"Time (*1ms)", "间隔(×1ms)"},                                     // 61
    {"Continue", "按住持续连发"},                                      // 62
    {"VID/PID/USB Description", "VID/PID/USB 描述"},                   // 63
    {"VID:", "VID:"},                                                  // 64
    {"(Hex)", "(十六进制)"},                                           // 65
    {"PID:", "PID:"},                                                  // 66
    {"(Hex)", "(十六进制)"},                                           // 67
    {"USB Description:", "USB 描述:"},                                 // 68
    {"LED Color", "灯光颜色"},                                         // 69
    {"Color1 R:", "颜色1 R:"},                                         // 70
    {"Color1 G:", "颜色1 G:"},                                         // 71
    {"Color1 B:", "颜色1 B:"},                                         // 72
    {"Color2 R:", "颜色2 R:"},                                         // 73
    {"Color2 G:", "颜色2 G:"},                                         // 74
    {"Color2 B:", "颜色2 B:"},                                         // 75
    {"Color3 R:", "颜色3 R:"},                                         // 76
    {"Color3 G:", "颜色3 G:"},                                         // 77
    {"Color3 B:", "颜色3 B:"},                                         // 78
    {"Color4 R:", "颜色4 R:"},                                         // 79
    {"Color4 G:", "颜色4 G:"},                                         // 80
    {"Color4 B:", "颜色4 B:"},                                         // 81
    {"Color5 R:", "颜色5 R:"},                                         // 82
    {"Color5 G:", "颜色5 G:"},                                         // 83
    {"Color5 B:", "颜色5 B:"},                                         // 84
    {"Color6 R:", "颜色6 R:"},                                         // 85
    {"Color6 G:", "颜色6 G:"},                                         // 86
    {"Color6 B:", "颜色6 B:"},                                         // 87
    {"Color7 R:", "颜色7 R:"},                                         // 88
    {"Color7 G:", "颜色7 G:"},                                         // 89
    {"Color7 B:", "颜色7 B:"},                                         // 90
    {"Color8 R:", "颜色8 R:"},                                         // 91
    {"Color8 G:", "颜色8 G:"},                                         // 92
    {"Color8 B:", "颜色8 B:"},                                         // 93
    {"Color9 R:", "颜色9 R:"},                                         // 94
    {"Color9 G:", "颜色9 G:"},                                         // 95
    {"Color9 B:", "颜色9 B:"},                                         // 96
    {"Color10 R:", "颜色10 R:"},                                       // 97
    {"Color10 G:", "颜色10 G:"},                                       // 98
    {"Color10 B:", "颜色10 B:"},                                       // 99
    {"CPI Color", "CPI 颜色"},                                         // 100
    {"LED Breath", "灯光呼吸"},                                        // 101
    {"LED Lower:", "亮度下限:"},                                       // 102
    {"LED Upper:", "亮度上限:"},                                       // 103
    {"Lower Delay:", "下限停留:"},                                     // 104
    {"Upper Delay:", "上限停留:"},                                     // 105
    {"Step Delay:", "渐变间隔:"},                                      // 106
    {"Switch Mouse LED Mode:", "切换灯光模式:"},                       // 107
    {"No", "无"},                                                      // 108
    {"'Back'+'Right Key'", "'右键'+'后退'组合键"},                     // 109
    {"Switch Mouse Gaming Mode:", "切换游戏模式:"},                    // 110
    {"No", "无"},                                                      // 111
    {"Press 'Middle Key'", "长按'中键'"},                              // 112
    {"Press 'CPI Loop'", "长按'CPI循环'"},                             // 113
    {"Press 'CPI +'", "长按'CPI +'"},                                  // 114
    {"Press 'CPI -'", "长按'CPI -'"},                                  // 115
    {"'Back'+'Right Key'", "'右键'+'后退'组合键"},                     // 116
    {"'Forward'+'Right Key'", "'右键'+'前进'组合键"},                  // 117
    {"Enable Gun Key Switch Gaimg Mode", "使能枪键进行游戏模式切换"},  // 118
    {"AIM Key CPI:", "狙击键 CPI:"},                                   // 119
    {"Button Effect Switch:", "按键灯效开关:"},                        // 120
    {"Off", "关闭"},                                                   // 121
    {"On", "打开"},                                                    // 122
    {"Office Mode Color:", "办公模式颜色:"},                           // 123
    {"Gaming Mode Color:", "游戏模式颜色:"},                           // 124
    {"Profile 3 Color:", "第三模式颜色:"},                             // 125
    {"Color 1", "颜色1"},                                              // 126
    {"Color 2", "颜色2"},                                              // 127
    {"Color 3", "颜色3"},                                              // 128
    {"Color 4", "颜色4"},                                              // 129
    {"Color 5", "颜色5"},                                              // 130
    {"Color 6", "颜色6"},                                              // 131
    {"Color 7", "颜色7"},                                              // 132
    {"Color 8", "颜色8"},                                              // 133
    {"Color 9", "颜色9"},                                              // 134
    {"Color 10", "颜色10"},                                            // 135
    {"Fixed Color", "固定颜色"},                                       // 136
    {"USB Report:", "USB 回报率:"},                                    // 137
    {"Sensor Rotation:", "传感器旋转角度:"},                           // 138
    {"Vendor ID:", "厂商 ID:"},                                        // 139
    {"Product ID:", "产品 ID:"},                                       // 140
    {"Current Profile:", "当前模式:"},                                 // 141
    {"Office Mode", "办公模式"},                                       // 142
    {"Gaming Mode", "游戏模式"},                                       // 143
    {"Profile 3", "第三模式"},                                         // 144
    {"Current Profile Color:", "当前模式颜色:"},                       // 145
    {"CPI/Profile Test", "CPI/模式测试"},                              // 146
    {"Profile", "模式"},                                               // 147
    {"Fire Key X/Y Offset", "枪键 X/Y 偏移"},                          // 148
    {"Fire Key Setting", "枪键参数配置"},                              // 149
    {"Is Left Key in Fire Key:", "枪键是否保留左键:"},                 // 150
    {"Fire Key Start:", "枪键起始位置:"},                              // 151
    {"Fire Key Number:", "枪键数量:"},                                 // 152
    {"New Fire Key", "新增枪键"},                                      // 153
    {"Delect Fire Key", "删除枪键"},                                   // 154
}};

// The locale name without an encoding or modifier suffix.
std::string_view baseName(std::string_view localeName) {
    return localeName.substr(0, localeName.find_first_of(".@"));
}

}  // namespace

TermColumn termColumnFor(std::string_view localeName) {
    const std::string_view base = baseName(localeName);
    const bool china = base == "zh_CN" || base == "zh-CN";
    return china ? TermColumn::Chinese : TermColumn::English;
}

std::string_view engineeringTerm(int id, TermColumn column) {
    if (id < 0 || id >= kEngineeringTermCount)
        return {};
    const Term& term = kTerms[static_cast<std::size_t>(id)];
    return column == TermColumn::Chinese ? term.chinese : term.english;
}

}  // namespace gm::ui::text
