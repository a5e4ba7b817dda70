// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Faults in a window table: a unit named twice, a container that is not a
// container unit defined before it, a binding to no unit, and, while the
// program runs, a handler asking for a unit the window does not have. The
// program carries on past every one of them (the unit lands on the window,
// the binding is dropped, the reference is empty); the tests fail on them.

#include "unit_def.h"

#include <string>
#include <vector>

namespace tk {

std::vector<std::string> tableFaults(const WindowDef& definition);

// Kept until taken; the test ground takes them after every test.
void reportTableFault(std::string fault);
std::vector<std::string> takeTableFaults();

} // namespace tk
