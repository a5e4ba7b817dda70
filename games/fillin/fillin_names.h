// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names of the fill-in window's units.

namespace fillin {

constexpr const char* kBackground = "图片框填一填的背景";
constexpr const char* kQuestionLine = "透明标签_填一填的题目";
constexpr const char* kAnswerBox = "编辑框_要填入内容的";
constexpr const char* kChineseHint = "透明标签_填一填的汉语提示";
constexpr const char* kAnswerHint = "透明标签_填一填的答案提示";
constexpr const char* kChineseSwitch = "选择框汉语提示";
constexpr const char* kReadAloudSwitch = "选择框是否读音";
constexpr const char* kNextQuestion = "超级按钮_下一题";
constexpr const char* kListenAgain = "超级按钮_再听一遍";
constexpr const char* kAnswer = "超级按钮_答案";
constexpr const char* kConfirm = "超级按钮_确定";
constexpr const char* kExit = "超级按钮_退出";
constexpr const char* kStart = "按钮开始";

} // namespace fillin
