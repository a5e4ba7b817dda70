// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names of the word-finding windows' units, the same in both.

namespace finding {

constexpr const char* kBox = "动画框";
constexpr const char* kFlower = "动画物体_鲜花1";
constexpr const char* kTimeLeft = "透明标签_剩余时间";
constexpr const char* kNext = "超级按钮_下一题";
constexpr const char* kExit = "超级按钮_退出";
constexpr const char* kLessonList = "组合框_背单词课时选择";
constexpr const char* kTimer = "时钟1";

} // namespace finding
