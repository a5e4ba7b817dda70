// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_table.h"

#include <map>
#include <utility>

namespace tk {

namespace {

std::vector<std::string>& reported() {
    static std::vector<std::string> faults;
    return faults;
}

bool holdsUnits(Kind kind) {
    // A sprite box holds its sprite templates, as the designs place them.
    return kind == Kind::GroupBox || kind == Kind::PicBox || kind == Kind::PageControl ||
           kind == Kind::DrawPanel || kind == Kind::CartoonBox;
}

} // namespace

std::vector<std::string> tableFaults(const WindowDef& definition) {
    std::vector<std::string> faults;
    const auto fault = [&](const std::string& what) {
        faults.push_back(definition.name + ": " + what);
    };
    std::map<std::string, const UnitDef*, std::less<>> defined;
    for (const UnitDef& unit : definition.units) {
        if (!unit.container.empty()) {
            const auto container = defined.find(unit.container);
            if (container == defined.end()) {
                fault(unit.name + " is in " + unit.container + ", which is not defined before it");
            } else if (!holdsUnits(container->second->kind)) {
                fault(unit.name + " is in " + unit.container + ", which holds no units");
            } else if (container->second->kind == Kind::PageControl &&
                       (unit.page < 0 ||
                        unit.page >= static_cast<int>(container->second->pages.size()))) {
                fault(unit.name + " is on page " + std::to_string(unit.page) + " of " +
                      unit.container + ", which has no such page");
            }
        }
        if (!defined.emplace(unit.name, &unit).second) {
            fault(unit.name + " is defined twice");
        }
    }
    for (const Binding& binding : definition.bindings) {
        if (!binding.unit.empty() && !defined.contains(binding.unit)) {
            fault("a handler is bound to " + binding.unit + ", which is not defined");
        }
    }
    return faults;
}

void reportTableFault(std::string fault) {
    reported().push_back(std::move(fault));
}

std::vector<std::string> takeTableFaults() {
    return std::exchange(reported(), {});
}

} // namespace tk
