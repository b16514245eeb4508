#pragma once
// The captions and list items of the engineering page, which does not follow the language
// buttons: 155 terms (identifiers 0..154), each in English and in Chinese. The column is chosen
// once from the user's locale: Chinese for China (zh_CN), English for every other locale.

#include <string_view>

namespace gm::ui::text {

enum class TermColumn { English, Chinese };

inline constexpr int kEngineeringTermCount = 155;

// "zh_CN" or "zh-CN", with or without an encoding or modifier ("zh_CN.UTF-8") picks Chinese.
TermColumn termColumnFor(std::string_view localeName);

// The term in that column; empty for an identifier outside 0..154.
std::string_view engineeringTerm(int id, TermColumn column);

}  // namespace gm::ui::text
