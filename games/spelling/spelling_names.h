// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names of the word spelling window's units.

namespace spelling {

constexpr const char* kBackground = "图片框_背景";
constexpr const char* kInstructions = "透明标签_帮助";
constexpr const char* kMeaning = "透明标签_汉语";
// The letter cells' names begin so; the window defines them left to right.
constexpr const char* kCellPrefix = "透明标签_字母";
constexpr const char* kResult = "透明标签_结果";
constexpr const char* kUnitList = "组合框_单词排序课时选择";
constexpr const char* kShowMeaning = "选择框_单词翻译";
constexpr const char* kPronunciation = "选择框_排序读音开关";
constexpr const char* kRedo = "超级按钮_重做";
constexpr const char* kListenAgain = "超级按钮_再听一遍";
constexpr const char* kNextWord = "超级按钮_排序开始";
constexpr const char* kAnswer = "超级按钮_答案";
constexpr const char* kBack = "超级按钮_提交答案1";

} // namespace spelling
