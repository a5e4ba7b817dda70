// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The test ground: a hand-driven clock, a recording sound output and a
// scripted desktop, installed for the life of a fixture; and helpers that
// press, click, type and read units as a child would, on real widgets.

#include "fake_platform.h"
#include "manual_clock.h"
#include "recording_sound.h"
#include "services.h"
#include "unit_ref.h"

#include <QPoint>
#include <gtest/gtest.h>
#include <string>

namespace testing_ground {

class Ground {
  public:
    Ground();
    ~Ground();
    Ground(const Ground&) = delete;
    Ground& operator=(const Ground&) = delete;

    ManualClock clock;
    RecordingSound sound;
    FakePlatform platform;

  private:
    tk::Services saved_;
};

// A fixture with the ground installed.
class GroundTest : public ::testing::Test {
  protected:
    Ground ground;
};

// Left button down and up over the unit, at (x, y) inside it (default: its
// centre).
void click(tk::UnitRef unit);
void press(tk::UnitRef unit, int x = -1, int y = -1);
void release(tk::UnitRef unit, int x = -1, int y = -1);
void moveMouse(tk::UnitRef unit, int x, int y);
// Left button down and up at a point of the window, delivered as the
// desktop would: to whatever unit lies there.
void clickAt(tk::Window& window, QPoint at);
// The same click, queued as the desktop queues input while the program is
// busy: it is handled when queued events next run (settle()).
void queueClickAt(tk::Window& window, QPoint at);
// The mouse moves to a point of the window, no button held, as the desktop
// reports it.
void moveAt(tk::Window& window, QPoint at);
// Types UTF-8 text into the focused unit, key by key.
void type(tk::UnitRef unit, const std::string& utf8);
void pressKey(tk::UnitRef unit, int qtKey);
// The child picks item index from a drop-down list.
void pick(tk::UnitRef combo, int index);
// A unit's caption or text, as UTF-8.
std::string captionOf(tk::UnitRef unit);
// Lets queued work (deferred closes, posted events, painting) run.
void settle();

} // namespace testing_ground
