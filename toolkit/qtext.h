// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a widget shows a GBK text, it becomes Unicode; only there.

#include "text.h"

#include <QString>

namespace tk {

QString toQString(std::string_view gbk);
Text fromQString(const QString& text);

} // namespace tk
