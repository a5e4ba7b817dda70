// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sprite box: a drawing panel (background picture and written text)
// with sprite objects moving over it along paths, on the toolkit's clock;
// and the sprite template objects are made from.

#include "clock.h"
#include "draw_panel.h"
#include "sprite_path.h"
#include "unit_ref.h"

#include <QByteArray>
#include <QImage>
#include <QPointF>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tk {

// A sprite's picture as it is drawn: zoomed, its transparent colour left
// out, every frame of an animated GIF with its delay. Made once per template
// and shared by all objects made from it.
struct SpriteFrames {
    std::vector<QImage> images; // premultiplied, all of one size
    std::vector<int> delays;    // ms
    int period = 0;             // ms of one round; 0 for a still picture
    QSize size{0, 0};
    bool animated() const { return images.size() > 1; }
    // The frame shown ms into the animation.
    int frameAt(std::int64_t ms) const;
};

// zoom in per mille; a colour of kNoColour leaves every pixel in.
std::shared_ptr<const SpriteFrames> prepareFrames(const QByteArray& picture, int zoom,
                                                  int transparentColour);

// The model of new objects: a hidden unit whose picture and drawing settings
// the objects take. Its own rectangle has no effect on them.
class SpriteTemplate : public QWidget {
    Q_OBJECT
  public:
    explicit SpriteTemplate(QWidget* parent);
    void setPicture(const QByteArray& picture);
    void setZoom(int perMille);
    void setTransparentColour(int colour);
    int zoom() const { return zoom_; }
    int transparentColour() const { return transparentColour_; }
    std::shared_ptr<const SpriteFrames> frames();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QByteArray picture_;
    int zoom_ = 1000;
    int transparentColour_ = kNoColour;
    std::shared_ptr<const SpriteFrames> frames_;
};

class CartoonBox : public DrawPanel {
    Q_OBJECT
  public:
    explicit CartoonBox(QWidget* parent);
    ~CartoonBox() override;

    // Object ids count up from 1; 0 is no object.
    int createObject(SpriteTemplate& model, int x, int y);
    int copyObject(int id);
    void autoAdvance(int id, int step, int interval, const std::vector<int>& path, int repeat);
    int objectCount() const { return static_cast<int>(objects_.size()); }
    std::optional<QPointF> objectPosition(int id) const;
    bool isMoving(int id) const;

    // An object's motion came to its end: its id and where its centre stopped.
    std::function<void(int id, QPoint centre)> onAdvanceStopped;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Motion {
        std::vector<PathPoint> path;
        PathProgress progress;
        QPointF origin; // the centre where the path starts
        int step = 0;
        int interval = 0;
        std::int64_t lastMove = 0;
        int runsLeft = 1;
    };
    struct SpriteObject {
        QPointF position;
        std::shared_ptr<const SpriteFrames> frames;
        std::optional<Motion> motion;
        int paintedFrame = 0;
    };

    SpriteObject* object(int id);
    const SpriteObject* object(int id) const;
    int add(SpriteObject sprite);
    QRect drawnRect(const SpriteObject& sprite) const;
    QPointF centreOf(const SpriteObject& sprite) const;
    void moveTo(int index, QPointF position, std::vector<QRect>& changed);
    void repaintChanged(std::vector<QRect>& changed);
    void setShown(int index, bool shown);
    void startMoving(int index);
    void tick();
    void refreshFrames(std::int64_t now);
    void updateClock();

    std::vector<SpriteObject> objects_;
    // Indices of the objects that lie in the box, in id order, and of those
    // in motion: objects at rest outside the box cost nothing.
    std::vector<int> shown_;
    std::vector<int> movers_;
    Clock::TimerId timerId_ = -1;
    int timerPeriod_ = 0;
    std::int64_t animationStart_ = 0;
};

// Sprite box services. Coordinates are box pixels from its top-left corner.
// Font size and text colour are the unit's (UnitRef::setFontSize,
// setTextColor); so is the background (UnitRef::setPicture), which lies at
// the corner unstretched, and a new one clears what was written.
int MeasureText(UnitRef box, const Text& text);
void WriteText(UnitRef box, int x, int y, const Text& text);
// Restores the background inside the rectangle; objects are not touched.
void ClearArea(UnitRef box, int left, int top, int width, int height);
// A visible object with the template's picture and settings, its top-left
// corner at (x, y); 0 when box or template is not one.
int CreateObject(UnitRef box, UnitRef model, int x, int y);
// The same picture, settings, place and motion as object id.
int CopyObject(UnitRef box, int id);
// Starts the object along the path (segments as flattenPath reads them,
// offsets from its centre): every interval ms it moves step pixels, and at
// the path's end the box raises AutoAdvanceStopped. A repeat count n above 1
// runs the path n times, each run from its start. A step of 0 or less stops
// the object where it is.
void AutoAdvance(UnitRef box, int id, int step, int interval, const std::vector<int>& path,
                 int repeat);
int ObjectCount(UnitRef box);
std::optional<QPointF> ObjectPosition(UnitRef box, int id);

} // namespace tk
