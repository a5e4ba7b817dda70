// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A word-finding window on the test ground, and the child's ways of playing
// it: clicks delivered as the desktop delivers them, to whatever unit lies
// under the pointer, and the minute passing on the hand-driven clock.

#include "cartoon_box.h"
#include "catalogue.h"
#include "games/errors/error_report.h"
#include "games/finding/finding_names.h"
#include "games/finding/finding_window.h"
#include "support/ground.h"
#include "window.h"

#include <QImage>
#include <QPoint>
#include <memory>
#include <string>
#include <vector>

namespace finding_tests {

using finding::Direction;

class FindingTest : public testing_ground::GroundTest {
  protected:
    void SetUp() override { content::loadBook(); }

    // Any report window that opens from now on is read and closed.
    void readReports() {
        for (int i = 0; i < 8; ++i) {
            ground.platform.insideNextWindow.push_back([this](tk::Window& report) {
                reports.push_back(testing_ground::captionOf(report.unit(errors::kReportBox)));
                tk::UnloadWindow(&report);
            });
        }
    }

    void open(Direction direction) {
        game = std::make_shared<finding::FindingGame>(direction, errors);
        window = tk::CreateWindow(finding::findingWindow(game));
        readReports();
    }

    tk::UnitRef unit(const char* name) const { return window->unit(name); }
    std::string caption(const char* name) const { return testing_ground::captionOf(unit(name)); }
    tk::UnitRef box() const { return unit(finding::kBox); }

    // A point on the card where its text is written.
    static QPoint onCard(int slot) {
        const finding::Place p = finding::slotPlace(slot);
        return {p.centreX, p.textTop + 10};
    }
    void clickAt(QPoint at) const { testing_ground::clickAt(*window, at); }
    void answerRight() const { clickAt(onCard(game->question.answerSlot)); }
    void answerWrongCard() const { clickAt(onCard(game->question.answerSlot % 4 + 1)); }
    void wait(int ms) { ground.clock.advance(ms); }

    int messageCount() const { return static_cast<int>(ground.platform.messages.size()); }
    const testing_ground::FakePlatform::Message& lastMessage() const {
        return ground.platform.messages.back();
    }
    tk::Clip effect(content::Effect which) const { return content::effect(which); }

    tk::TextArray errors;
    std::shared_ptr<finding::FindingGame> game;
    std::unique_ptr<tk::Window> window;
    std::vector<std::string> reports; // UTF-8, as each report window showed them
};

} // namespace finding_tests
