// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names of the sentence-ordering window's units.

namespace ordering {

constexpr const char* kWindowName = "排序窗口";
constexpr const char* kBackground = "图片框排序的背景";
constexpr const char* kWordFrame = "分组框_随机的单词";
// Word label k is kWordLabel followed by k, tagged 100 + k.
constexpr const char* kWordLabel = "透明标签p_打乱的单词";
constexpr const char* kTranslation = "透明标签p_汉语翻译";
constexpr const char* kTranslationLines[] = {"分组框_边线4", "分组框_边线3", "分组框_竖边线4",
                                             "分组框_竖边线3"};
constexpr const char* kArrangedLine = "透明标签p_排列好的";
constexpr const char* kArrangedLines[] = {"分组框_边线1", "分组框_边线2", "分组框_竖边线1",
                                          "分组框_竖边线2"};
constexpr const char* kPronunciation = "选择框_排序读音开关";
constexpr const char* kTranslationSwitch = "选择框_排序汉语翻译开关";
constexpr const char* kNext = "超级按钮_排序开始";
constexpr const char* kListenAgain = "超级按钮_再听一遍";
constexpr const char* kRedo = "超级按钮_重做";
constexpr const char* kOk = "超级按钮_提交答案";
constexpr const char* kAnswer = "超级按钮_答案";
constexpr const char* kBack = "超级按钮_提交答案1";

constexpr int kWordLabels = 10;
constexpr int kFirstWordTag = 101;

} // namespace ordering
