// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names of the matching window's units.

namespace matching {

constexpr const char* kWindowName = "连连看窗口";
constexpr const char* kBoard = "画板_底图";
constexpr const char* kTimeBar = "进度条_时间";
constexpr const char* kTimer = "时钟1";
constexpr const char* kMusicBox = "选择框_背景音乐";
constexpr const char* kDifficultyList = "组合框_难易";
constexpr const char* kLessonList = "组合框_背单词课时选择";
constexpr const char* kExit = "超级按钮_退出";

} // namespace matching
