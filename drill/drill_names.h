// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names of the drill panel's units.

namespace drill {

constexpr const char* kStart = "超级按钮b_开始";
constexpr const char* kListenAgain = "超级按钮b_再听一遍";
constexpr const char* kNextWord = "超级按钮b_下一题";
constexpr const char* kConfirm = "超级按钮b_确定背单词";
constexpr const char* kLeave = "超级按钮b_退出背单词";
constexpr const char* kUnitList = "组合框_背单词课时选择";
constexpr const char* kOrderList = "组合框_背单词顺序选择";
constexpr const char* kShowMeaning = "选择框_是否显示中文";
constexpr const char* kStatusLine = "透明标签单词总数和错误";
constexpr const char* kAnswerBox = "编辑框背单词";
constexpr const char* kMissRecord = "编辑框错误记录";
constexpr const char* kSign = "透明标签_对错判断";
constexpr const char* kMeaningLine = "透明标签_背单词的汉语翻译";

} // namespace drill
