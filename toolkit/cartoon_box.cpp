// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cartoon_box.h"

#include "services.h"
#include "unit_widgets.h"

#include <QBuffer>
#include <QImageReader>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>
#include <utility>

namespace tk {

namespace {

constexpr int kCheckMs = 5;
// GIFs that ask for no delay at all are shown as browsers show them.
constexpr int kShortestDelayMs = 20;
constexpr int kStandInDelayMs = 100;

void leaveOut(QImage& image, int colour) {
    const QRgb left = toQColor(colour).rgb() & 0xFFFFFF;
    for (int row = 0; row < image.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int column = 0; column < image.width(); ++column) {
            if ((line[column] & 0xFFFFFF) == left) {
                line[column] = 0;
            }
        }
    }
}

} // namespace

int SpriteFrames::frameAt(std::int64_t ms) const {
    if (period <= 0) {
        return 0;
    }
    std::int64_t into = ms % period;
    if (into < 0) {
        into += period;
    }
    for (std::size_t i = 0; i < delays.size(); ++i) {
        if (into < delays[i]) {
            return static_cast<int>(i);
        }
        into -= delays[i];
    }
    return 0;
}

std::shared_ptr<const SpriteFrames> prepareFrames(const QByteArray& picture, int zoom,
                                                  int transparentColour) {
    auto frames = std::make_shared<SpriteFrames>();
    QByteArray data = picture;
    QBuffer source(&data);
    source.open(QIODevice::ReadOnly);
    QImageReader reader(&source);
    const int perMille = zoom > 0 ? zoom : 1000;
    for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read()) {
        // The frame just read is shown this long.
        const int delay = reader.nextImageDelay();
        frame = frame.convertToFormat(QImage::Format_ARGB32);
        if (transparentColour != kNoColour) {
            leaveOut(frame, transparentColour);
        }
        const QSize drawn(std::max(1, frame.width() * perMille / 1000),
                          std::max(1, frame.height() * perMille / 1000));
        frame = frame.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (drawn != frame.size()) {
            frame = frame.scaled(drawn, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        frames->size = drawn;
        frames->images.push_back(frame);
        frames->delays.push_back(delay < kShortestDelayMs ? kStandInDelayMs : delay);
        if (!reader.supportsAnimation()) {
            break;
        }
    }
    if (frames->animated()) {
        for (const int delay : frames->delays) {
            frames->period += delay;
        }
    }
    return frames;
}

SpriteTemplate::SpriteTemplate(QWidget* parent) : QWidget(parent) {}

void SpriteTemplate::setPicture(const QByteArray& picture) {
    picture_ = picture;
    frames_.reset();
    update();
}

void SpriteTemplate::setZoom(int perMille) {
    zoom_ = perMille;
    frames_.reset();
    update();
}

void SpriteTemplate::setTransparentColour(int colour) {
    transparentColour_ = colour;
    frames_.reset();
    update();
}

// Objects already made keep the frames they were made with.
std::shared_ptr<const SpriteFrames> SpriteTemplate::frames() {
    if (!frames_) {
        frames_ = prepareFrames(picture_, zoom_, transparentColour_);
    }
    return frames_;
}

void SpriteTemplate::paintEvent(QPaintEvent*) {
    const auto shown = frames();
    if (!shown->images.empty()) {
        QPainter(this).drawImage(0, 0, shown->images.front());
    }
}

CartoonBox::CartoonBox(QWidget* parent) : DrawPanel(parent) {
    setStretchesBackground(false);
    animationStart_ = TickCount();
}

CartoonBox::~CartoonBox() {
    if (timerId_ >= 0) {
        if (Clock* clock = services().clock) {
            clock->stopTimer(timerId_);
        }
    }
}

CartoonBox::SpriteObject* CartoonBox::object(int id) {
    return id >= 1 && id <= objectCount() ? &objects_[static_cast<std::size_t>(id - 1)] : nullptr;
}

const CartoonBox::SpriteObject* CartoonBox::object(int id) const {
    return const_cast<CartoonBox*>(this)->object(id);
}

QRect CartoonBox::drawnRect(const SpriteObject& sprite) const {
    return QRect(
        QPoint(static_cast<int>(sprite.position.x()), static_cast<int>(sprite.position.y())),
        sprite.frames->size);
}

QPointF CartoonBox::centreOf(const SpriteObject& sprite) const {
    return sprite.position +
           QPointF(sprite.frames->size.width() / 2, sprite.frames->size.height() / 2);
}

int CartoonBox::add(SpriteObject sprite) {
    objects_.push_back(std::move(sprite));
    const int index = objectCount() - 1;
    const SpriteObject& added = objects_.back();
    if (drawnRect(added).intersects(rect())) {
        setShown(index, true);
        update(drawnRect(added));
    }
    if (added.motion) {
        startMoving(index);
    }
    updateClock();
    return index + 1;
}

int CartoonBox::createObject(SpriteTemplate& model, int x, int y) {
    SpriteObject sprite;
    sprite.position = QPointF(x, y);
    sprite.frames = model.frames();
    return add(std::move(sprite));
}

int CartoonBox::copyObject(int id) {
    const SpriteObject* source = object(id);
    if (!source) {
        return 0;
    }
    SpriteObject copy = *source;
    return add(std::move(copy));
}

std::optional<QPointF> CartoonBox::objectPosition(int id) const {
    const SpriteObject* sprite = object(id);
    return sprite ? std::optional<QPointF>(sprite->position) : std::nullopt;
}

bool CartoonBox::isMoving(int id) const {
    const SpriteObject* sprite = object(id);
    return sprite && sprite->motion;
}

void CartoonBox::setShown(int index, bool shown) {
    const auto at = std::lower_bound(shown_.begin(), shown_.end(), index);
    const bool listed = at != shown_.end() && *at == index;
    if (shown && !listed) {
        shown_.insert(at, index);
    } else if (!shown && listed) {
        shown_.erase(at);
    }
}

void CartoonBox::startMoving(int index) {
    if (std::find(movers_.begin(), movers_.end(), index) == movers_.end()) {
        movers_.push_back(index);
    }
}

void CartoonBox::autoAdvance(int id, int step, int interval, const std::vector<int>& path,
                             int repeat) {
    SpriteObject* sprite = object(id);
    if (!sprite) {
        return;
    }
    const int index = id - 1;
    // Whatever motion the object had (its own or one copied) gives way.
    sprite->motion.reset();
    if (step <= 0) {
        std::erase(movers_, index);
        updateClock();
        return;
    }
    Motion motion;
    motion.path = flattenPath(path);
    motion.origin = centreOf(*sprite);
    motion.step = step;
    motion.interval = interval;
    motion.lastMove = TickCount();
    motion.runsLeft = std::max(1, repeat);
    sprite->motion = std::move(motion);
    startMoving(index);
    updateClock();
}

void CartoonBox::moveTo(int index, QPointF position, std::vector<QRect>& changed) {
    SpriteObject& sprite = objects_[static_cast<std::size_t>(index)];
    const QRect before = drawnRect(sprite);
    sprite.position = position;
    const QRect after = drawnRect(sprite);
    if (before == after) {
        return;
    }
    const bool wasShown = before.intersects(rect());
    const bool isShown = after.intersects(rect());
    if (wasShown != isShown) {
        setShown(index, isShown);
    }
    if (wasShown || isShown) {
        changed.push_back(before.united(after));
    }
}

// Overlapping changes are painted as one rectangle: Qt would cut them into
// many small pieces, each a copy and a clip of its own.
void CartoonBox::repaintChanged(std::vector<QRect>& changed) {
    for (std::size_t i = 0; i < changed.size(); ++i) {
        for (std::size_t j = i + 1; j < changed.size();) {
            if (changed[i].intersects(changed[j])) {
                changed[i] |= changed[j];
                changed.erase(changed.begin() + static_cast<std::ptrdiff_t>(j));
                j = i + 1;
            } else {
                ++j;
            }
        }
    }
    for (const QRect& area : changed) {
        update(area);
    }
}

void CartoonBox::tick() {
    const std::int64_t now = TickCount();
    std::vector<std::pair<int, QPoint>> stopped;
    std::vector<QRect> changed;
    for (auto mover = movers_.begin(); mover != movers_.end();) {
        SpriteObject& sprite = objects_[static_cast<std::size_t>(*mover)];
        Motion& motion = *sprite.motion;
        if (now - motion.lastMove < motion.interval) {
            ++mover;
            continue;
        }
        motion.lastMove = now;
        if (motion.progress.next >= motion.path.size()) {
            // A run ended at the last point; the next one sets out from the start.
            motion.progress = {};
        }
        bool ended = stepAlong(motion.path, motion.progress, motion.step);
        if (ended && motion.runsLeft > 1) {
            --motion.runsLeft;
            ended = false;
        }
        const QPointF centre = motion.origin + QPointF(motion.progress.x, motion.progress.y);
        const QPointF half(sprite.frames->size.width() / 2, sprite.frames->size.height() / 2);
        moveTo(*mover, centre - half, changed);
        if (ended) {
            objects_[static_cast<std::size_t>(*mover)].motion.reset();
            stopped.emplace_back(
                *mover + 1, QPoint(static_cast<int>(centre.x()), static_cast<int>(centre.y())));
            mover = movers_.erase(mover);
        } else {
            ++mover;
        }
    }
    repaintChanged(changed);
    refreshFrames(now);
    updateClock();
    // Handlers may create, copy and start objects: they run once the
    // objects are settled.
    const QPointer<CartoonBox> alive(this);
    for (const auto& [id, centre] : stopped) {
        if (!alive) {
            return;
        }
        if (onAdvanceStopped) {
            onAdvanceStopped(id, centre);
        }
    }
}

void CartoonBox::refreshFrames(std::int64_t now) {
    for (const int index : shown_) {
        const SpriteObject& sprite = objects_[static_cast<std::size_t>(index)];
        if (sprite.frames->animated() &&
            sprite.frames->frameAt(now - animationStart_) != sprite.paintedFrame) {
            update(drawnRect(sprite));
        }
    }
}

// The 5 ms check runs only while something moves; shown animations are
// looked at as often as their quickest frame changes; else the box sleeps.
void CartoonBox::updateClock() {
    int period = 0;
    if (!movers_.empty()) {
        period = kCheckMs;
    } else {
        for (const int index : shown_) {
            const SpriteFrames& frames = *objects_[static_cast<std::size_t>(index)].frames;
            if (frames.animated()) {
                const int quickest = *std::min_element(frames.delays.begin(), frames.delays.end());
                period = period == 0 ? quickest : std::min(period, quickest);
            }
        }
    }
    if (period == timerPeriod_) {
        return;
    }
    Clock* clock = services().clock;
    if (timerId_ >= 0 && clock) {
        clock->stopTimer(timerId_);
    }
    timerId_ = -1;
    timerPeriod_ = period;
    if (period > 0 && clock) {
        timerId_ = clock->startTimer(period, [this] { tick(); });
    }
}

void CartoonBox::resizeEvent(QResizeEvent* event) {
    DrawPanel::resizeEvent(event);
    shown_.clear();
    for (int index = 0; index < objectCount(); ++index) {
        if (drawnRect(objects_[static_cast<std::size_t>(index)]).intersects(rect())) {
            shown_.push_back(index);
        }
    }
    updateClock();
}

void CartoonBox::paintEvent(QPaintEvent* event) {
    if (canvas().size() != size()) {
        DrawPanel::resizeEvent(nullptr);
    }
    QPainter painter(this);
    // The canvas is opaque: copying it needs no blending.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& area : event->region()) {
        painter.drawImage(area, canvas(), area);
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const std::int64_t now = TickCount() - animationStart_;
    for (const int index : shown_) {
        SpriteObject& sprite = objects_[static_cast<std::size_t>(index)];
        const QRect drawn = drawnRect(sprite);
        if (sprite.frames->images.empty() || !event->region().intersects(drawn)) {
            continue;
        }
        sprite.paintedFrame = sprite.frames->frameAt(now);
        painter.drawImage(drawn.topLeft(),
                          sprite.frames->images[static_cast<std::size_t>(sprite.paintedFrame)]);
    }
}

namespace {

CartoonBox* boxOf(UnitRef unit) {
    return qobject_cast<CartoonBox*>(unit.widget());
}

} // namespace

int MeasureText(UnitRef box, const Text& text) {
    CartoonBox* b = boxOf(box);
    return b ? b->textWidth(text) : 0;
}

void WriteText(UnitRef box, int x, int y, const Text& text) {
    if (CartoonBox* b = boxOf(box)) {
        b->writeAt(x, y, text);
    }
}

void ClearArea(UnitRef box, int left, int top, int width, int height) {
    if (CartoonBox* b = boxOf(box)) {
        b->clear(left, top, width, height);
    }
}

int CreateObject(UnitRef box, UnitRef model, int x, int y) {
    CartoonBox* b = boxOf(box);
    auto* t = qobject_cast<SpriteTemplate*>(model.widget());
    return b && t ? b->createObject(*t, x, y) : 0;
}

int CopyObject(UnitRef box, int id) {
    CartoonBox* b = boxOf(box);
    return b ? b->copyObject(id) : 0;
}

void AutoAdvance(UnitRef box, int id, int step, int interval, const std::vector<int>& path,
                 int repeat) {
    if (CartoonBox* b = boxOf(box)) {
        b->autoAdvance(id, step, interval, path, repeat);
    }
}

int ObjectCount(UnitRef box) {
    CartoonBox* b = boxOf(box);
    return b ? b->objectCount() : 0;
}

std::optional<QPointF> ObjectPosition(UnitRef box, int id) {
    CartoonBox* b = boxOf(box);
    return b ? b->objectPosition(id) : std::nullopt;
}

} // namespace tk
