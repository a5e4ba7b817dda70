// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The sprite box on real widgets and the hand-driven clock: its drawing
// layer, its objects as drawn, and their path motion.
#include "cartoon_box.h"
#include "support/ground.h"
#include "window.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPaintEvent>
#include <QScreen>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>

using namespace tk;
using namespace testing_ground;

namespace {

constexpr char kBox[] = "动画框";
constexpr char kFlower[] = "动画物体_鲜花1";
constexpr char kStill[] = "动画物体_静止";
const QColor kSky(120, 180, 230);
const QColor kSand(230, 200, 120);
const QColor kWhite(255, 255, 255);

QByteArray pngOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Sky on the left half, sand on the right: a restore from the wrong place
// shows.
QByteArray background(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kSky);
    for (int y = 0; y < height; ++y) {
        for (int x = width / 2; x < width; ++x) {
            image.setPixelColor(x, y, kSand);
        }
    }
    return pngOf(image);
}

QColor backgroundAt(int x) {
    return x < 400 ? kSky : kSand;
}

// 20 x 20, the left half white, the right half red in the first frame and
// blue in the second, 100 ms each (data/README.md).
QByteArray twoFrames() {
    QFile file(QStringLiteral(TEST_DATA_DIR "/half_white_two_frames.gif"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The first frame alone, still.
QByteArray stillPicture() {
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(kWhite);
    for (int y = 0; y < 20; ++y) {
        for (int x = 10; x < 20; ++x) {
            image.setPixelColor(x, y, QColor(255, 0, 0));
        }
    }
    return pngOf(image);
}

bool spriteColour(const QColor& c) {
    return c == QColor(255, 0, 0) || c == QColor(0, 0, 255);
}

const std::vector<std::vector<int>> kFan = {{1, 100, -200, 100, 600},
                                            {1, 100, -400, 100, 600},
                                            {1, -100, -200, -100, 600},
                                            {1, -100, -400, -100, 600},
                                            {1, 0, -500, 0, 600}};

struct Stop {
    int object;
    int x;
    int y;
    std::string unit;
    friend bool operator==(const Stop&, const Stop&) = default;
};

void PrintTo(const Stop& s, std::ostream* out) {
    *out << "object " << s.object << " at " << s.x << "," << s.y << " on " << s.unit;
}

class CartoonBoxTest : public GroundTest {
  protected:
    CartoonBoxTest() {
        WindowDef def;
        def.name = "动画窗口";
        UnitDef boxDef = unitDef(kBox, Kind::CartoonBox, {0, 0, 800, 600});
        boxDef.picture = background(800, 600);
        UnitDef flowerDef = unitDef(kFlower, Kind::CartoonObject, {4, 4, 96, 124}, kBox);
        flowerDef.visible = false;
        flowerDef.picture = twoFrames();
        flowerDef.zoom = 500;
        flowerDef.transparentColor = Rgb(255, 255, 255);
        // Full size, every pixel drawn.
        UnitDef stillDef = unitDef(kStill, Kind::CartoonObject, {4, 4, 96, 124}, kBox);
        stillDef.visible = false;
        stillDef.picture = stillPicture();
        def.units = {boxDef, flowerDef, stillDef};
        def.bindings = {{kBox, Event::AutoAdvanceStopped, [this](const EventArgs& a) {
                             stops.push_back({a.object, a.x, a.y, EventUnit().name()});
                         }}};
        window = CreateWindow(def);
        box = window->unit(kBox);
        flower = window->unit(kFlower);
        still = window->unit(kStill);
    }

    QImage shown() const { return box.widget()->grab().toImage(); }
    QPointF at(int id) const { return ObjectPosition(box, id).value_or(QPointF(-1e9, -1e9)); }
    bool moving(int id) const {
        const auto* b = qobject_cast<const CartoonBox*>(box.widget());
        return b && b->isMoving(id);
    }
    void advance(int ms) {
        ground.clock.advance(ms);
        settle();
    }
    // Five flowers from one point in a fan, as the word games release them.
    std::vector<int> releaseFlowers(int x, int y) {
        std::vector<int> ids{CreateObject(box, flower, x, y)};
        for (int copy = 0; copy < 4; ++copy) {
            ids.push_back(CopyObject(box, ids.front()));
        }
        for (std::size_t i = 0; i < ids.size(); ++i) {
            AutoAdvance(box, ids[i], 10, 30, kFan[i], 1);
        }
        return ids;
    }

    std::unique_ptr<Window> window;
    UnitRef box;
    UnitRef flower;
    UnitRef still;
    std::vector<Stop> stops;
};

TEST_F(CartoonBoxTest, ObjectsAreDrawnAtTheirZoomWithTheTransparentColourLeftOut) {
    ASSERT_FALSE(twoFrames().isEmpty());
    const int half = CreateObject(box, flower, 40, 40);
    const int whole = CreateObject(box, still, 100, 40);
    EXPECT_EQ(half, 1);
    EXPECT_EQ(whole, 2);
    const QImage image = shown();
    struct Probe {
        const char* what;
        int x;
        int y;
        bool sprite;
        QColor colour;
    };
    const Probe probes[] = {
        {"half size: white left out", 42, 45, false, kSky},
        {"half size: the coloured half", 47, 45, true, {}},
        {"half size: 10 wide", 52, 45, false, kSky},
        {"half size: 10 high", 47, 52, false, kSky},
        {"full size: white drawn", 102, 45, false, kWhite},
        {"full size: the coloured half", 115, 58, false, QColor(255, 0, 0)},
        {"full size: 20 wide", 121, 45, false, kSky},
    };
    for (const Probe& p : probes) {
        const QColor c = image.pixelColor(p.x, p.y);
        if (p.sprite) {
            EXPECT_TRUE(spriteColour(c)) << p.what << ": " << c.name().toStdString();
        } else {
            EXPECT_EQ(c, p.colour) << p.what << ": " << c.name().toStdString();
        }
    }
    EXPECT_EQ(ObjectCount(box), 2);
    EXPECT_EQ(CreateObject(box, box, 0, 0), 0) << "the box is no template";
    EXPECT_EQ(CopyObject(box, 3), 0);
    EXPECT_EQ(ObjectCount(box), 2);
}

TEST_F(CartoonBoxTest, AnAnimatedPictureChangesFrameOnTheClockOnlyWhileItIsInTheBox) {
    EXPECT_EQ(ground.clock.runningTimers(), 0);
    CreateObject(box, flower, -100, 700);
    EXPECT_EQ(ground.clock.runningTimers(), 0) << "an animation nobody sees wakes the box";
    CreateObject(box, flower, 40, 40);
    EXPECT_EQ(ground.clock.runningTimers(), 1);
    EXPECT_EQ(shown().pixelColor(47, 45), QColor(255, 0, 0));
    advance(100);
    EXPECT_EQ(shown().pixelColor(47, 45), QColor(0, 0, 255));
    advance(100);
    EXPECT_EQ(shown().pixelColor(47, 45), QColor(255, 0, 0));
}

TEST_F(CartoonBoxTest, TextIsMeasuredWrittenAndClearedOverTheBackground) {
    box.setFontSize(20);
    const int apple = MeasureText(box, "apple"_gbk);
    EXPECT_GT(apple, MeasureText(box, "app"_gbk));
    EXPECT_GT(MeasureText(box, "app"_gbk), 0);
    EXPECT_GT(MeasureText(box, "苹果"_gbk), MeasureText(box, "ab"_gbk));
    EXPECT_EQ(MeasureText(box, Text()), 0);

    WriteText(box, 450, 100, "apple"_gbk);
    WriteText(box, 450, 200, "pear"_gbk);
    const int id = CreateObject(box, flower, 460, 110);
    const auto darkIn = [](const QImage& image, QRect area) {
        int darkest = 255;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                darkest = std::min(darkest, image.pixelColor(x, y).lightness());
            }
        }
        return darkest < 100;
    };
    QImage image = shown();
    EXPECT_TRUE(darkIn(image, QRect(450, 100, apple, 40))) << "no dark text written";
    EXPECT_FALSE(darkIn(image, QRect(380, 60, 68, 200))) << "text left of its place";
    EXPECT_FALSE(darkIn(image, QRect(450, 60, 200, 38))) << "text above its top";

    ClearArea(box, 440, 90, 200, 50);
    image = shown();
    EXPECT_TRUE(darkIn(image, QRect(450, 200, apple, 40))) << "the other word went too";
    for (int y = 90; y < 140; ++y) {
        for (int x = 440; x < 640; ++x) {
            if (!QRect(460, 110, 10, 10).contains(x, y)) {
                ASSERT_EQ(image.pixelColor(x, y), backgroundAt(x)) << x << "," << y;
            }
        }
    }
    EXPECT_TRUE(spriteColour(image.pixelColor(467, 115))) << "the clear erased the object";

    ClearArea(box, -100, -100, 2000, 2000);
    image = shown();
    EXPECT_FALSE(darkIn(image, QRect(440, 190, 200, 50)));
    EXPECT_EQ(image.pixelColor(0, 0), kSky);
    EXPECT_EQ(image.pixelColor(799, 599), kSand);
    EXPECT_TRUE(spriteColour(image.pixelColor(467, 115)));
    EXPECT_EQ(ObjectCount(box), 1);
    EXPECT_EQ(at(id), QPointF(460, 110));
}

TEST_F(CartoonBoxTest, ANewBackgroundLiesAtTheTopLeftCornerUnstretched) {
    box.setPicture(background(200, 100));
    const QImage image = shown();
    EXPECT_EQ(image.pixelColor(50, 50), kSky);
    EXPECT_EQ(image.pixelColor(150, 50), kSand);
    EXPECT_EQ(image.pixelColor(250, 50), kWhite) << "stretched over the box";
    EXPECT_EQ(image.pixelColor(50, 150), kWhite);
}

TEST_F(CartoonBoxTest, FlowersKeepFlyingOverAClearedBox) {
    box.setFontSize(20);
    WriteText(box, 500, 100, "apple"_gbk);
    const std::vector<int> ids = releaseFlowers(200, 300);
    advance(300);
    std::vector<QPointF> before;
    for (const int id : ids) {
        before.push_back(at(id));
    }
    ClearArea(box, 0, 0, 800, 600);
    WriteText(box, 500, 100, "pear"_gbk);
    advance(30);
    const QImage image = shown();
    for (std::size_t i = 0; i < ids.size(); ++i) {
        EXPECT_TRUE(moving(ids[i])) << "flower " << i;
        EXPECT_NE(at(ids[i]), before[i]) << "flower " << i << " stopped at the clear";
        const QPoint colouredHalf = at(ids[i]).toPoint() + QPoint(7, 5);
        EXPECT_TRUE(spriteColour(image.pixelColor(colouredHalf))) << "flower " << i;
    }
    advance(10000);
    // Each ends once, 600 below its start, 100 to the side or straight below.
    EXPECT_EQ(stops.size(), 5U);
    std::map<int, std::pair<int, int>> ends;
    for (const Stop& stop : stops) {
        ends[stop.object] = {stop.x, stop.y};
    }
    EXPECT_EQ(ends, (std::map<int, std::pair<int, int>>{{ids[0], {305, 905}},
                                                        {ids[1], {305, 905}},
                                                        {ids[2], {105, 905}},
                                                        {ids[3], {105, 905}},
                                                        {ids[4], {205, 905}}}));
    EXPECT_EQ(at(ids[0]), QPointF(300, 900));
    EXPECT_EQ(ground.clock.runningTimers(), 0) << "the box wakes with every flower at rest below";
}

TEST_F(CartoonBoxTest, ACopyStartsWhereItsObjectIsAndANewPathReplacesTheCopiedMotion) {
    const int a = CreateObject(box, flower, 100, 100);
    AutoAdvance(box, a, 10, 30, {0, 0, 100}, 1);
    const int b = CopyObject(box, a);
    EXPECT_EQ(at(b), QPointF(100, 100));
    advance(30);
    EXPECT_EQ(at(a), QPointF(100, 110));
    EXPECT_EQ(at(b), QPointF(100, 110)) << "the copy did not take over the motion";
    AutoAdvance(box, b, 10, 30, {0, 50, 0}, 1);
    advance(30);
    EXPECT_EQ(at(a), QPointF(100, 120));
    EXPECT_EQ(at(b), QPointF(110, 110));
    const int c = CopyObject(box, a);
    EXPECT_EQ(at(c), QPointF(100, 120));
    advance(1000);
    EXPECT_EQ(stops,
              (std::vector<Stop>{{b, 155, 115, kBox}, {a, 105, 205, kBox}, {c, 105, 205, kBox}}));
}

TEST_F(CartoonBoxTest, TheStopEventComesOnceAtThePathsEndAndTheCheckThenSleeps) {
    const int id = CreateObject(box, still, 100, 100);
    EXPECT_EQ(ground.clock.runningTimers(), 0);
    AutoAdvance(box, id, 10, 30, {0, 0, 25}, 1);
    EXPECT_EQ(ground.clock.runningTimers(), 1);
    advance(29);
    EXPECT_EQ(at(id), QPointF(100, 100)) << "moved before its interval";
    advance(1);
    EXPECT_EQ(at(id), QPointF(100, 110));
    advance(59);
    EXPECT_EQ(at(id), QPointF(100, 120));
    EXPECT_TRUE(stops.empty());
    advance(1);
    EXPECT_EQ(at(id), QPointF(100, 125));
    EXPECT_EQ(stops, (std::vector<Stop>{{id, 110, 135, kBox}}));
    EXPECT_EQ(ground.clock.runningTimers(), 0);
    advance(1000);
    EXPECT_EQ(stops.size(), 1U);
}

TEST_F(CartoonBoxTest, MotionsReplacedRepeatedAndSlowerStopAsOftenAsTheyEnd) {
    struct Motion {
        int step;
        int interval;
        std::vector<int> path;
        int repeat;
    };
    struct Case {
        const char* what;
        Motion first;
        int replacedAfter; // steps of 30 ms; -1: never
        Motion second;
        std::vector<double> tops; // after each 30 ms
        std::size_t stopCount;
    };
    const Case cases[] = {
        {"replaced half-way",
         {10, 30, {0, 0, 100}, 1},
         2,
         {10, 30, {0, 0, -20}, 1},
         {110, 120, 110, 100, 100},
         1},
        {"run twice, each run from the start",
         {10, 30, {0, 0, 20}, 2},
         -1,
         {},
         {110, 120, 110, 120, 120},
         1},
        {"stopped by a step of 0",
         {10, 30, {0, 0, 100}, 1},
         1,
         {0, 30, {0, 0, 100}, 1},
         {110, 110, 110},
         0},
        {"every 60 ms", {10, 60, {0, 0, 20}, 1}, -1, {}, {100, 110, 110, 120, 120}, 1},
    };
    for (const Case& c : cases) {
        stops.clear();
        const int id = CreateObject(box, still, 100, 100);
        AutoAdvance(box, id, c.first.step, c.first.interval, c.first.path, c.first.repeat);
        for (std::size_t step = 0; step < c.tops.size(); ++step) {
            if (static_cast<int>(step) == c.replacedAfter) {
                AutoAdvance(box, id, c.second.step, c.second.interval, c.second.path,
                            c.second.repeat);
            }
            advance(30);
            EXPECT_EQ(at(id).y(), c.tops[step]) << c.what << ", after step " << step + 1;
        }
        advance(1000);
        EXPECT_EQ(stops.size(), c.stopCount) << c.what;
        EXPECT_EQ(ground.clock.runningTimers(), 0) << c.what;
    }
}

TEST_F(CartoonBoxTest, PressesOverObjectsReachTheBoxInItsCoordinates) {
    WindowDef def;
    UnitDef shifted = unitDef(kBox, Kind::CartoonBox, {50, 40, 400, 300});
    UnitDef model = unitDef(kFlower, Kind::CartoonObject, {}, kBox);
    model.visible = false;
    model.picture = twoFrames();
    def.units = {shifted, model};
    std::vector<std::string> pressed;
    def.bindings = {{kBox, Event::LeftPressed, [&](const EventArgs& a) {
                         pressed.push_back(std::to_string(a.x) + "," + std::to_string(a.y));
                     }}};
    const auto other = CreateWindow(def);
    CreateObject(other->unit(kBox), other->unit(kFlower), 100, 100);
    clickAt(*other, QPoint(160, 150));
    clickAt(*other, QPoint(400, 300));
    EXPECT_EQ(pressed, (std::vector<std::string>{"110,110", "350,260"}));
}

// The pixels each paint of a widget covered.
class PaintedArea : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            long area = 0;
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region()) {
                area += static_cast<long>(r.width()) * r.height();
            }
            largest = std::max(largest, area);
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
    long largest = 0;
    int paints = 0;
};

// A step repaints where flowers were and are, and nothing else; what the
// window then shows is what one whole repaint gives: no trails behind the
// flowers, none of them cut.
TEST_F(CartoonBoxTest, RepaintingOnlyWhatMovedLeavesNoTrails) {
    QScreen* screen = window->screen();
    ASSERT_NE(screen, nullptr);
    box.setFontSize(20);
    WriteText(box, 500, 100, "apple"_gbk);
    settle();
    PaintedArea painted;
    box.widget()->installEventFilter(&painted);
    releaseFlowers(200, 300);
    releaseFlowers(600, 400);
    for (int step = 0; step < 25; ++step) {
        advance(30);
    }
    EXPECT_GE(painted.paints, 25);
    EXPECT_LT(painted.largest, 800 * 600 / 4) << "a step repainted most of the box";
    const QImage onScreen = screen->grabWindow(window->winId(), 0, 0, 800, 600).toImage();
    ASSERT_EQ(onScreen.size(), QSize(800, 600));
    EXPECT_TRUE(onScreen.convertToFormat(QImage::Format_RGB32) ==
                shown().convertToFormat(QImage::Format_RGB32));
}

} // namespace
