// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drawing surface that keeps what was drawn on it until cleared.

#include "text.h"
#include "unit_def.h"

#include <QImage>
#include <QWidget>
#include <memory>

class QPainter;
class QTextLayout;

namespace tk {

class DrawPanel : public QWidget {
    Q_OBJECT
  public:
    explicit DrawPanel(QWidget* parent);
    ~DrawPanel() override;

    void setBackgroundPicture(const QByteArray& picture);
    // Stretched over the panel (the default), or at its top-left corner
    // over the background colour.
    void setStretchesBackground(bool stretches);
    void setBackgroundColour(int colour);
    void setPanelFont(const Font& font);
    void setTextColour(int colour);
    void setPen(int colour, int width);

    void clear();
    void clear(int left, int top, int width, int height);
    void setWritePosition(int x, int y);
    QPoint writePosition() const { return writePosition_; }
    void write(const Text& text);
    void writeAt(int x, int y, const Text& text);
    void drawLine(int x1, int y1, int x2, int y2);
    // copyMode -c leaves out the pixels of colour c.
    void drawPicture(const QImage& picture, int x, int y, int width = 0, int height = 0,
                     int copyMode = 0);
    int textWidth(const Text& text) const;
    const QImage& canvas() const { return canvas_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void paintBackground(const QRect& area);
    const QImage& backgroundFor(QSize size);
    void drawText(QPainter& painter, int x, int y, const Text& text);
    const QTextLayout& laidOut(const Text& text);
    const QImage& stripFor(const Text& text, int y);
    void copyRows(const QImage& strip, int left);

    QImage canvas_;
    QImage background_;
    QImage scaledBackground_;
    bool stretchesBackground_ = true;
    int backgroundColour_ = 0xFFFFFF;
    QFont font_;
    int textColour_ = 0;
    int penColour_ = 0;
    int penWidth_ = 1;
    QPoint writePosition_;
    // A ticking line writes and measures the same text every tick: the last
    // one is kept laid out, and its width.
    Text laidOutText_;
    std::unique_ptr<QTextLayout> layout_;
    mutable Text measuredText_;
    mutable int measuredWidth_ = 0;
    // The canvas holds the background colour alone.
    bool blank_ = true;
    // The last text written on a blank canvas, on its background colour as
    // wide as the text and as high as the canvas, its left edge margin
    // pixels before the write position.
    struct TextStrip {
        Text text;
        int top = 0;
        int textColour = 0;
        int backgroundColour = 0;
        int margin = 0;
        QImage image;
    };
    TextStrip strip_;
};

// A picture for DrawPicture, decoded from JPEG or GIF bytes.
QImage LoadPicture(const QByteArray& data);

} // namespace tk
