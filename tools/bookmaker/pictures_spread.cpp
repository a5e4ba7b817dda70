// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The printed spreads: two pages side by side, every item inside its
// hotspot rectangle.

#include "book_index.h"
#include "book_pages.h"
#include "pictures_draw.h"
#include "pictures_kit.h"
#include "pictures_things.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <tuple>

namespace bookmaker::draw {

namespace {

using kit::Align;
using kit::qs;

constexpr qreal S = kSpreadScale;
// Page-box pixels of type: below the minimum a child reads with difficulty.
constexpr qreal kMinText = 11;
constexpr qreal kMinSmallText = 9;

struct PageStyle {
    QColor paper;
    QColor accent;
    QString label;
};

PageStyle styleOf(int bookPage) {
    struct Block {
        int last;
        const char* paper;
        const char* accent;
        const char* label;
    };
    static const std::array<Block, 10> blocks{{
        {10, "#fff5d9", "#e0620d", "Unit 1"},
        {20, "#fdeaf2", "#c2185b", "Unit 2"},
        {30, "#e9f5de", "#2e7d32", "Unit 3"},
        {34, "#efeafb", "#6a4fb3", "Recycle 1"},
        {44, "#e4f0fb", "#1565c0", "Unit 4"},
        {54, "#ffeee0", "#c6421b", "Unit 5"},
        {64, "#e0f5f1", "#00796b", "Unit 6"},
        {68, "#f3ecf9", "#8e24aa", "Recycle 2"},
        {72, "#fff9e8", "#8d5a2b", "Word List  单词表"},
        {999, "#e8f3fd", "#0277bd", "Classroom English  课堂用语"},
    }};
    for (const Block& block : blocks) {
        if (bookPage <= block.last) {
            return {QColor(block.paper), QColor(block.accent), QString::fromUtf8(block.label)};
        }
    }
    return {};
}

QRectF device(const tk::Rect& r) {
    return QRectF(r.left * S, r.top * S, r.width * S, r.height * S);
}

QRectF device(qreal left, qreal top, qreal width, qreal height) {
    return QRectF(left * S, top * S, width * S, height * S);
}

const QColor kInk("#1d2b3a");

// The two pages, the gutter and the page numbers.
QImage blankSpread(int bookPage) {
    const PageStyle style = styleOf(bookPage);
    QImage image =
        kit::blankImage(kBoxWidth * kSpreadScale, kBoxHeight * kSpreadScale, style.paper);
    QPainter painter(&image);
    kit::prepare(painter);
    for (int page = 0; page < 2; ++page) {
        const qreal x0 = page * 400;
        // A soft light patch in the middle of the page, like printed paper.
        QRadialGradient glow(device(x0 + 200, 260, 0, 0).topLeft(), 330 * S);
        glow.setColorAt(0, kit::mix(style.paper, Qt::white, 0.55));
        glow.setColorAt(1, style.paper);
        painter.fillRect(device(x0, 0, 400, kBoxHeight), glow);
        // Footer: a band with the unit's name and the page number.
        const bool left = page == 0;
        const QRectF band = device(x0 + 12, 523, 376, 13);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kit::mix(style.paper, style.accent, 0.14));
        painter.drawRoundedRect(band, 6.5 * S, 6.5 * S);
        const QRectF number = device(left ? x0 + 8 : x0 + 368, 520, 24, 19);
        painter.setBrush(style.accent);
        painter.drawRoundedRect(number, 9.5 * S, 9.5 * S);
        kit::FittedText digits = kit::fitText({QString::number(bookPage + page),
                                               number.adjusted(2 * S, 2 * S, -2 * S, -2 * S), 9 * S,
                                               14 * S, false, true, false});
        kit::drawFitted(painter, digits, number.adjusted(2 * S, 2 * S, -2 * S, -2 * S), Qt::white,
                        Align::Centre);
        const QRectF labelBox = device(left ? x0 + 40 : x0 + 20, 524, 320, 11);
        kit::FittedText label =
            kit::fitText({style.label, labelBox, 8 * S, 10 * S, false, false, false});
        const qreal width = QFontMetricsF(label.font).horizontalAdvance(style.label);
        const qreal x = left ? labelBox.left() : labelBox.right() - width;
        kit::drawLine(painter, QPointF(x, labelBox.bottom() - 2.5 * S), style.label, label.font,
                      kit::mix(style.accent, style.paper, 0.25));
    }
    // Gutter: a shadow on both sides of the fold and the fold itself.
    QLinearGradient shade(device(388, 0, 0, 0).topLeft(), device(412, 0, 0, 0).topLeft());
    shade.setColorAt(0, QColor(0, 0, 0, 0));
    shade.setColorAt(0.5, QColor(0, 0, 0, 40));
    shade.setColorAt(1, QColor(0, 0, 0, 0));
    painter.fillRect(device(388, 0, 24, kBoxHeight), shade);
    painter.setPen(QPen(QColor(0, 0, 0, 70), 0.6 * S));
    painter.drawLine(QPointF(400 * S, 0), QPointF(400 * S, kBoxHeight * S));
    return image;
}

struct ItemContext {
    int bookPage = 0;
    PageStyle style;
    std::vector<QRectF> keepClear; // answer boxes: text is laid out around them
    Warnings* warnings = nullptr;
};

void warn(const ItemContext& context, const std::string& what, const std::string& message) {
    context.warnings->push_back("page " + std::to_string(context.bookPage) + " " + what + ": " +
                                message);
}

// The largest part of the box that misses every answer box.
QRectF clearOf(const ItemContext& context, QRectF box) {
    for (const QRectF& keep : context.keepClear) {
        const QRectF k = keep.adjusted(-2 * S, -2 * S, 2 * S, 2 * S);
        if (!box.intersects(k)) {
            continue;
        }
        const std::array<QRectF, 4> parts{
            QRectF(box.left(), box.top(), k.left() - box.left(), box.height()),
            QRectF(k.right(), box.top(), box.right() - k.right(), box.height()),
            QRectF(box.left(), box.top(), box.width(), k.top() - box.top()),
            QRectF(box.left(), k.bottom(), box.width(), box.bottom() - k.bottom())};
        const auto area = [](const QRectF& r) {
            return r.width() > 0 && r.height() > 0 ? r.width() * r.height() : 0.0;
        };
        box = *std::max_element(parts.begin(), parts.end(), [&](const QRectF& a, const QRectF& b) {
            return area(a) < area(b);
        });
    }
    return box;
}

// Fits and draws text in the box; warns when even the smallest readable
// size does not fit.
void printText(QPainter& painter, const ItemContext& context, const std::string& what,
               const QString& text, const QRectF& box, const QColor& colour, Align align,
               qreal maxBoxPixels, bool bold, bool wrap, qreal minBoxPixels = kMinText) {
    if (text.trimmed().isEmpty()) {
        return;
    }
    if (box.width() <= 0 || box.height() <= 0) {
        warn(context, what, "no room for its text");
        return;
    }
    kit::FitRequest request{text, box, minBoxPixels * S, maxBoxPixels * S, wrap, bold, false};
    const kit::FittedText fitted = kit::fitText(request);
    if (!fitted.fits) {
        std::string message = "\"";
        message += text.toStdString();
        message += "\" does not fit " + std::to_string(int(box.width() / S)) + " x " +
                   std::to_string(int(box.height() / S)) + " at the smallest readable size";
        warn(context, what, message);
    }
    kit::drawFitted(painter, fitted, box, colour, align);
}

// A square at the left of the box for an item's emoji; the rest of the box
// is returned in `rest`.
QRectF sideSquare(const QRectF& box, qreal maxShare, QRectF& rest) {
    const qreal side = std::min(box.height(), box.width() * maxShare);
    const qreal gap = side * 0.08;
    rest = QRectF(box.left() + side + gap, box.top(), box.width() - side - gap, box.height());
    return QRectF(box.left(), box.center().y() - side / 2, side, side);
}

void emojiOrWarn(QPainter& painter, const ItemContext& context, const std::string& what,
                 const std::string& emoji, const QRectF& box) {
    if (!kit::drawEmoji(painter, emoji, box)) {
        warn(context, what, "no picture for emoji \"" + emoji + "\"");
    }
}

QString printedLines(const std::string& print) {
    return qs(print).replace(QStringLiteral(" / "), QStringLiteral("\n"));
}

// How an item is laid out before it is drawn: its frame, its emoji and its
// fitted text.
struct ItemPlan {
    const Item* item = nullptr;
    QRectF box;
    QRectF frame;       // banner, bubble body, card or block frame
    QPainterPath shape; // bubble outline with its tail
    QRectF emoji;       // empty when no emoji is drawn
    bool emojiLeftOut = false;
    QString text;
    QString forcedBreak; // heading: "Unit N" on a line of its own
    QRectF textBox;
    kit::FittedText fitted;
    qreal maxPixels = 0;
    bool bold = false;
    bool wrap = true;
};

kit::FittedText fitIn(const QString& text, const QRectF& box, qreal maxBoxPixels, bool bold,
                      bool wrap) {
    if (box.width() <= 0 || box.height() <= 0) {
        return {};
    }
    return kit::fitText({text, box, kMinText * S, maxBoxPixels * S, wrap, bold, false});
}

void fitPlan(ItemPlan& plan) {
    plan.fitted = fitIn(plan.text, plan.textBox, plan.maxPixels, plan.bold, plan.wrap);
    if (!plan.forcedBreak.isEmpty()) {
        kit::FittedText broken =
            fitIn(plan.forcedBreak, plan.textBox, plan.maxPixels, plan.bold, plan.wrap);
        if (broken.fits && (!plan.fitted.fits || plan.fitted.lines.size() > 1) &&
            broken.pixelSize >= plan.fitted.pixelSize * 0.9) {
            plan.fitted = broken;
        }
    }
}

bool textFits(const ItemPlan& plan) {
    return plan.text.trimmed().isEmpty() || plan.fitted.fits;
}

// Lays the item out with its emoji taking up to `share` of the width (none
// at 0).
ItemPlan layoutItem(const ItemContext& context, const Item& item, qreal share) {
    ItemPlan plan;
    plan.item = &item;
    plan.box = device(item.rect);
    const QRectF box = plan.box;
    const auto side = [&](QRectF area) {
        if (share <= 0) {
            return area;
        }
        QRectF rest;
        plan.emoji = sideSquare(area, share, rest);
        return rest;
    };
    switch (item.kind) {
    case ItemKind::Heading: {
        plan.frame = box;
        const qreal radius = std::min(box.height() * 0.32, 14 * S);
        plan.textBox = side(
            box.adjusted(radius * 0.7, box.height() * 0.1, -radius * 0.7, -box.height() * 0.12));
        plan.text = qs(item.english);
        static const QRegularExpression unit(QStringLiteral("^(Unit \\d+) (.+)$"));
        if (const auto match = unit.match(plan.text); match.hasMatch()) {
            plan.forcedBreak = match.captured(1) + u'\n' + match.captured(2);
        }
        plan.maxPixels = 40;
        plan.bold = true;
        break;
    }
    case ItemKind::Line:
        plan.textBox = clearOf(context, side(box.adjusted(0.5 * S, 0.5 * S, -0.5 * S, -0.5 * S)));
        plan.text = item.english == "$" ? printedLines(item.print) : qs(item.english);
        plan.maxPixels = 30;
        break;
    case ItemKind::Bubble: {
        const QRectF area = side(box);
        const bool speaker = share > 0;
        // The tail points down-left, or left at the speaker; it stays in the box.
        const qreal tail = std::clamp(std::min(area.height(), area.width()) * 0.2, 3 * S, 9 * S);
        // Half the outline's width stays inside the box too.
        plan.frame = speaker ? area.adjusted(tail, 0.5 * S, -1 * S, -1 * S)
                             : area.adjusted(0.5 * S, 0.5 * S, -1 * S, -tail);
        const QRectF& body = plan.frame;
        const qreal radius = std::min(body.height() * 0.35, 12 * S);
        plan.shape.addRoundedRect(body, radius, radius);
        QPainterPath point;
        if (speaker) {
            const qreal y = body.top() + body.height() * 0.62;
            point.moveTo(body.left() + 0.5 * S, y - tail * 0.6);
            point.lineTo(area.left() + 0.5 * S, y + tail * 0.5);
            point.lineTo(body.left() + 0.5 * S, y + tail * 0.25);
        } else {
            const qreal x = body.left() + std::min(body.width() * 0.22, 24 * S);
            point.moveTo(x, body.bottom() - 0.5 * S);
            point.lineTo(x - tail * 0.7, area.bottom() - 1.2 * S);
            point.lineTo(x + tail * 0.9, body.bottom() - 0.5 * S);
        }
        point.closeSubpath();
        plan.shape = plan.shape.united(point);
        const qreal pad = std::min(radius * 0.55, 6 * S);
        plan.textBox =
            clearOf(context, body.adjusted(pad, body.height() * 0.06, -pad, -body.height() * 0.06));
        plan.text = qs(item.english);
        plan.maxPixels = 28;
        break;
    }
    case ItemKind::Word: {
        plan.frame = box.adjusted(0, 0, -0.8 * S, -1 * S);
        const QRectF inner = box.adjusted(2 * S, 2 * S, -2.8 * S, -2.5 * S);
        const qreal textHeight =
            std::clamp(inner.height() * 0.3, std::min(14 * S, inner.height() * 0.5), 24 * S);
        plan.emoji = QRectF(inner.left(), inner.top() + 1 * S, inner.width(),
                            inner.height() - textHeight - 2 * S);
        plan.textBox = QRectF(inner.left(), inner.bottom() - textHeight, inner.width(), textHeight);
        plan.text = qs(item.english);
        plan.maxPixels = 24;
        plan.bold = true;
        plan.wrap = false;
        break;
    }
    case ItemKind::Picture:
        if (!item.drawnByArt) {
            plan.emoji = box.adjusted(0.5 * S, 0.5 * S, -0.5 * S, -0.5 * S);
        }
        break;
    case ItemKind::Block: {
        plan.frame = box.adjusted(0.5 * S, 0.5 * S, -0.5 * S, -0.5 * S);
        const qreal radius = std::min(std::min(box.width(), box.height()) * 0.12, 9 * S);
        plan.textBox =
            clearOf(context,
                    side(box.adjusted(radius * 0.6 + 2 * S, 3 * S, -radius * 0.6 - 2 * S, -3 * S)));
        plan.text = printedLines(item.print);
        if (plan.text.isEmpty() && item.english != "$") {
            plan.text = qs(item.english);
        }
        plan.maxPixels = 24;
        break;
    }
    }
    fitPlan(plan);
    return plan;
}

// The layout with the largest emoji at the side that still lets the text
// fit; the emoji is left out when nothing else helps.
ItemPlan planItem(const ItemContext& context, const Item& item) {
    const bool sideEmoji =
        !item.emoji.empty() && item.kind != ItemKind::Word && item.kind != ItemKind::Picture;
    if (!sideEmoji) {
        return layoutItem(context, item, 0);
    }
    for (const qreal share : {0.3, 0.18}) {
        ItemPlan plan = layoutItem(context, item, share);
        if (textFits(plan)) {
            return plan;
        }
    }
    ItemPlan plan = layoutItem(context, item, 0);
    plan.emojiLeftOut = true;
    return plan;
}

// Bubbles (and framed blocks) of one page share a size where they can: none
// prints much larger than the rest. Their frames fill the hotspots whatever
// the size of their text.
void evenOut(std::vector<ItemPlan>& plans, ItemKind kind) {
    std::vector<qreal> sizes;
    for (const ItemPlan& plan : plans) {
        if (plan.item->kind == kind && plan.fitted.fits) {
            sizes.push_back(plan.fitted.pixelSize);
        }
    }
    if (sizes.size() < 3) {
        return;
    }
    std::nth_element(sizes.begin(), sizes.begin() + std::ptrdiff_t(sizes.size() / 2), sizes.end());
    const qreal cap = sizes[sizes.size() / 2] * 1.2;
    for (ItemPlan& plan : plans) {
        if (plan.item->kind == kind && plan.fitted.pixelSize > cap) {
            plan.maxPixels = cap / S;
            fitPlan(plan);
        }
    }
}

// Items of one kind in hotspots of one size are parallel (a row of word
// cards, the questions of a dialogue): they print at one size.
void oneSizePerGroup(std::vector<ItemPlan>& plans) {
    std::vector<SizedText> texts;
    for (const ItemPlan& plan : plans) {
        const bool sized = !plan.text.trimmed().isEmpty() && plan.fitted.fits;
        texts.push_back({int(plan.item->kind), plan.item->rect.width, plan.item->rect.height,
                         sized ? plan.fitted.pixelSize : 0});
    }
    const std::vector<qreal> shared = sharedSizes(texts);
    for (std::size_t i = 0; i < plans.size(); ++i) {
        if (shared[i] > 0 && shared[i] < plans[i].fitted.pixelSize) {
            plans[i].maxPixels = shared[i] / S;
            fitPlan(plans[i]);
        }
    }
}

void drawPlan(QPainter& painter, const ItemContext& context, const ItemPlan& plan) {
    const Item& item = *plan.item;
    const std::string what = "item " + std::to_string(item.number);
    const QColor accent = context.style.accent;
    QColor textColour = kInk;
    Align align = Align::Centre;
    painter.save();
    switch (item.kind) {
    case ItemKind::Heading: {
        const QRectF& box = plan.frame;
        const qreal radius = std::min(box.height() * 0.32, 14 * S);
        QLinearGradient fill(box.topLeft(), box.bottomLeft());
        fill.setColorAt(0, kit::mix(accent, Qt::white, 0.18));
        fill.setColorAt(1, accent);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 30));
        painter.drawRoundedRect(box.adjusted(0.8 * S, 1.2 * S, 0, 0), radius, radius);
        painter.setBrush(fill);
        painter.drawRoundedRect(box.adjusted(0, 0, -0.8 * S, -1.2 * S), radius, radius);
        textColour = Qt::white;
        break;
    }
    case ItemKind::Line:
        align = Align::Left;
        break;
    case ItemKind::Bubble:
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 26));
        painter.drawPath(plan.shape.translated(0.6 * S, 1 * S));
        painter.setBrush(Qt::white);
        painter.setPen(QPen(kit::mix(accent, Qt::white, 0.15), 0.9 * S));
        painter.drawPath(plan.shape);
        break;
    case ItemKind::Word: {
        const qreal radius = std::min(std::min(plan.box.width(), plan.box.height()) * 0.14, 8 * S);
        kit::drawCard(painter, plan.frame, radius, Qt::white, kit::mix(accent, Qt::white, 0.3),
                      0.9 * S, 1 * S);
        break;
    }
    case ItemKind::Picture:
        break;
    case ItemKind::Block: {
        const qreal radius = std::min(std::min(plan.box.width(), plan.box.height()) * 0.12, 9 * S);
        painter.setPen(QPen(kit::mix(accent, Qt::white, 0.35), 1 * S));
        painter.setBrush(kit::mix(context.style.paper, Qt::white, 0.7));
        painter.drawRoundedRect(plan.frame, radius, radius);
        align = Align::Left;
        break;
    }
    }
    painter.restore();
    if (!plan.emoji.isEmpty()) {
        if (item.emoji.empty()) {
            warn(context, what, "needs an emoji");
        } else if (!kit::drawEmoji(painter, item.emoji, plan.emoji)) {
            warn(context, what, "no picture for emoji \"" + item.emoji + "\"");
        }
    }
    if (plan.emojiLeftOut) {
        warn(context, what, "emoji left out: no room beside the text");
    }
    if (plan.text.trimmed().isEmpty()) {
        return;
    }
    if (!plan.fitted.fits) {
        std::string message = "\"";
        message += plan.text.toStdString();
        message += "\" does not fit " + std::to_string(int(plan.textBox.width() / S)) + " x " +
                   std::to_string(int(plan.textBox.height() / S)) +
                   " at the smallest readable size";
        warn(context, what, message);
    }
    kit::drawFitted(painter, plan.fitted, plan.textBox, textColour, align);
}

constexpr qreal kMaxDecorationText = 30;

void decoration(QPainter& painter, const ItemContext& context, const Decoration& d, int index,
                qreal textPixels) {
    const QRectF box = device(d.rect);
    const std::string what = "decoration " + std::to_string(index);
    switch (d.kind) {
    case DecorationKind::Panel: {
        const QColor fill = d.colour.empty() ? QColor(255, 255, 255, 150) : QColor(qs(d.colour));
        const qreal radius = std::min(std::min(box.width(), box.height()) * 0.1, 12 * S);
        if (!d.scene.empty()) {
            things::drawBackdrop(painter, box, radius, d.scene);
            break;
        }
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawRoundedRect(box, radius, radius);
        painter.restore();
        break;
    }
    case DecorationKind::Art:
        emojiOrWarn(painter, context, what, d.emoji, box);
        break;
    case DecorationKind::Text: {
        const QColor colour =
            d.colour.empty() ? kit::mix(kInk, context.style.accent, 0.4) : QColor(qs(d.colour));
        printText(painter, context, what, printedLines(d.print), box, colour, Align::Centre,
                  textPixels, false, true, kMinSmallText);
        break;
    }
    }
}

// Printed texts in boxes of one size are parallel (the section headings of
// a page): they print at one size.
std::vector<qreal> decorationTextSizes(const std::vector<Decoration>& list) {
    std::vector<SizedText> texts;
    for (const Decoration& d : list) {
        qreal size = 0;
        if (d.kind == DecorationKind::Text) {
            const kit::FittedText fitted =
                kit::fitText({printedLines(d.print), device(d.rect), kMinSmallText * S,
                              kMaxDecorationText * S, true, false, false});
            size = fitted.fits ? fitted.pixelSize / S : 0;
        }
        texts.push_back({int(d.kind), d.rect.width, d.rect.height, size});
    }
    std::vector<qreal> sizes = sharedSizes(texts);
    for (qreal& size : sizes) {
        size = size > 0 ? size : kMaxDecorationText;
    }
    return sizes;
}

void decorations(QPainter& painter, const ItemContext& context,
                 const std::vector<Decoration>& list) {
    const std::vector<qreal> textSizes = decorationTextSizes(list);
    // Panels lie under the art and the text.
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = 0; i < list.size(); ++i) {
            if ((list[i].kind == DecorationKind::Panel) == (pass == 0)) {
                decoration(painter, context, list[i], int(i) + 1, textSizes[i]);
            }
        }
    }
}

// Where a tick box is shown on the page.
QRectF tickPlace(const tk::Rect& r) {
    const content::Corner corner = content::tickBoxCorner(r, 1, 1);
    return device(corner.left, corner.top, r.width, r.height);
}

void answerBoxes(QPainter& painter, const std::vector<AnswerBox>& boxes, int bookPage) {
    for (const AnswerBox& box : boxes) {
        if (box.bookPage != bookPage) {
            continue;
        }
        switch (box.kind) {
        case AnswerBox::Kind::Listen:
            listenBadge(painter, device(box.rect));
            break;
        case AnswerBox::Kind::Tick:
        case AnswerBox::Kind::Write: {
            const QRectF place =
                box.kind == AnswerBox::Kind::Tick ? tickPlace(box.rect) : device(box.rect);
            painter.save();
            painter.setPen(QPen(QColor(90, 110, 130, 150), 0.8 * S));
            painter.setBrush(QColor(255, 255, 255, 200));
            painter.drawRoundedRect(place.adjusted(-1.5 * S, -1.5 * S, 1.5 * S, 1.5 * S), 2.5 * S,
                                    2.5 * S);
            painter.restore();
            break;
        }
        }
    }
}

std::vector<QRectF> keepClearOn(const std::vector<AnswerBox>& boxes, int bookPage) {
    std::vector<QRectF> out;
    for (const AnswerBox& box : boxes) {
        if (box.bookPage == bookPage) {
            out.push_back(box.kind == AnswerBox::Kind::Tick ? tickPlace(box.rect)
                                                            : device(box.rect));
        }
    }
    return out;
}

} // namespace

std::vector<qreal> sharedSizes(const std::vector<SizedText>& texts) {
    std::map<std::tuple<int, int, int>, qreal> smallest;
    for (const SizedText& text : texts) {
        if (text.size > 0) {
            const auto key = std::make_tuple(text.kind, text.width, text.height);
            const auto found = smallest.find(key);
            smallest[key] =
                found == smallest.end() ? text.size : std::min(found->second, text.size);
        }
    }
    std::vector<qreal> out;
    for (const SizedText& text : texts) {
        out.push_back(text.size > 0 ? smallest[std::make_tuple(text.kind, text.width, text.height)]
                                    : 0);
    }
    return out;
}

void listenBadge(QPainter& painter, const QRectF& box) {
    painter.save();
    kit::prepare(painter);
    const qreal side = std::min(box.width(), box.height());
    const QRectF square(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    QLinearGradient fill(square.topLeft(), square.bottomRight());
    fill.setColorAt(0, QColor("#ff8fc0"));
    fill.setColorAt(1, QColor("#e8468f"));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(square, side * 0.22, side * 0.22);
    // A pair of beamed eighth notes in white.
    const qreal u = side / 20;
    painter.setBrush(Qt::white);
    const auto head = [&](qreal cx, qreal cy) {
        painter.save();
        painter.translate(cx * u + square.left(), cy * u + square.top());
        painter.rotate(-22);
        painter.drawEllipse(QRectF(-2.6 * u, -1.9 * u, 5.2 * u, 3.8 * u));
        painter.restore();
    };
    head(6.3, 14.4);
    head(13.3, 12.9);
    const qreal x1 = square.left() + 8.4 * u;
    const qreal x2 = square.left() + 15.4 * u;
    painter.drawRect(QRectF(x1, square.top() + 5.2 * u, 1.3 * u, 9 * u));
    painter.drawRect(QRectF(x2, square.top() + 3.8 * u, 1.3 * u, 9 * u));
    QPainterPath beam;
    beam.moveTo(x1, square.top() + 5.2 * u);
    beam.lineTo(x2 + 1.3 * u, square.top() + 3.8 * u);
    beam.lineTo(x2 + 1.3 * u, square.top() + 6.4 * u);
    beam.lineTo(x1, square.top() + 7.8 * u);
    beam.closeSubpath();
    painter.drawPath(beam);
    painter.restore();
}

QImage lessonSpread(const Spread& spread, const std::vector<AnswerBox>& boxes, Warnings& warnings) {
    QImage image = blankSpread(spread.bookPage);
    QPainter painter(&image);
    kit::prepare(painter);
    ItemContext context{spread.bookPage, styleOf(spread.bookPage),
                        keepClearOn(boxes, spread.bookPage), &warnings};
    decorations(painter, context, spread.decorations);
    std::vector<ItemPlan> plans;
    for (const Item& item : spread.items) {
        plans.push_back(planItem(context, item));
    }
    evenOut(plans, ItemKind::Bubble);
    evenOut(plans, ItemKind::Block);
    oneSizePerGroup(plans);
    for (const ItemPlan& plan : plans) {
        drawPlan(painter, context, plan);
    }
    answerBoxes(painter, boxes, spread.bookPage);
    return image;
}

QImage wordListSpread(const BookSource& book, Warnings& warnings) {
    constexpr int page = 70;
    QImage image = blankSpread(page);
    QPainter painter(&image);
    kit::prepare(painter);
    const ItemContext context{page, styleOf(page), {}, &warnings};
    int lastUnit = 0;
    for (const WordListEntry& entry : wordListPrint(book)) {
        const Word& word = book.units.at(entry.unit)[std::size_t(entry.word - 1)];
        const std::string what =
            "unit " + std::to_string(entry.unit) + " word " + std::to_string(entry.word);
        if (entry.unit != lastUnit) {
            // The unit's name on the row above its first word.
            const QRectF tag =
                device(entry.rect.left, entry.rect.top - kWordListHeading + 1, 58, 15);
            painter.save();
            painter.setPen(Qt::NoPen);
            painter.setBrush(styleOf(entry.unit * 10).accent); // a page of the unit
            painter.drawRoundedRect(tag, 7.5 * S, 7.5 * S);
            painter.restore();
            kit::FittedText name = kit::fitText({"Unit " + QString::number(entry.unit),
                                                 tag.adjusted(4 * S, 1 * S, -4 * S, -1 * S), 8 * S,
                                                 12 * S, false, true, false});
            kit::drawFitted(painter, name, tag.adjusted(4 * S, 1 * S, -4 * S, -1 * S), Qt::white,
                            Align::Centre);
            lastUnit = entry.unit;
        }
        printText(painter, context, what, qs(word.english),
                  device(entry.rect).adjusted(1 * S, 0, -1 * S, 0), kInk, Align::Left, 13, true,
                  false);
        const QRectF meaning =
            device(entry.rect.left + 1, entry.rect.top + entry.rect.height, 150, kWordListMeaning);
        printText(painter, context, what + " meaning", qs(word.meaning), meaning, QColor("#5b4a3a"),
                  Align::Left, kWordListMeaning, false, false);
    }
    return image;
}

std::vector<WordListEntry> wordListPrint(const BookSource& book) {
    static constexpr std::array<int, 4> columns{25, 200, 430, 605};
    constexpr int top = 14;
    constexpr int bottom = 516;
    // A word's row: the word, then its meaning at the smallest readable size.
    constexpr int tightest = 1 + 13 + kWordListMeaning;
    std::vector<WordListEntry> out;
    // The widest row pitch at which every word fits the four columns.
    for (int pitch = 28; pitch >= tightest; --pitch) {
        out.clear();
        std::size_t column = 0;
        int y = top;
        for (const auto& [unit, words] : book.units) {
            if (words.empty()) {
                continue;
            }
            if (y + kWordListHeading + pitch > bottom) {
                ++column;
                y = top;
            }
            y += kWordListHeading;
            for (std::size_t k = 0; k < words.size(); ++k) {
                if (y + pitch > bottom) {
                    ++column;
                    y = top;
                }
                out.push_back({unit,
                               int(k) + 1,
                               {columns[std::min(column, columns.size() - 1)], y + 1, 120, 13}});
                y += pitch;
            }
        }
        if (column < columns.size()) {
            break;
        }
    }
    return out;
}

std::vector<WordListEntry> wordListLayout(const BookSource& book) {
    const std::vector<WordListEntry> printed = wordListPrint(book);
    std::vector<WordListEntry> hotspots = page70Order(book);
    for (WordListEntry& hotspot : hotspots) {
        const auto at = std::find_if(printed.begin(), printed.end(), [&](const WordListEntry& e) {
            return e.unit == hotspot.unit && e.word == hotspot.word;
        });
        hotspot.rect = at->rect;
    }
    return hotspots;
}

QImage classroomSpread(const BookSource& book, Warnings& warnings) {
    constexpr int page = 74;
    QImage image = blankSpread(page);
    QPainter painter(&image);
    kit::prepare(painter);
    const ItemContext context{page, styleOf(page), {}, &warnings};
    decorations(painter, context, book.page74Decorations);
    // The title, unless the page prints its own: on the first page top that
    // no hotspot or printed text covers.
    const auto printsTitle = [](const Decoration& d) {
        return d.kind == DecorationKind::Text &&
               qs(d.print).contains(QStringLiteral("Classroom English"), Qt::CaseInsensitive);
    };
    const auto& extras = book.page74Decorations;
    if (std::none_of(extras.begin(), extras.end(), printsTitle)) {
        const std::array<tk::Rect, 2> places{tk::Rect{20, 12, 360, 30}, tk::Rect{420, 12, 360, 30}};
        const auto isFree = [&](const tk::Rect& place) {
            const QRectF box = device(place);
            return std::none_of(book.page74.begin(), book.page74.end(),
                                [&](const auto& h) { return device(h.rect).intersects(box); }) &&
                   std::none_of(extras.begin(), extras.end(), [&](const Decoration& d) {
                       return d.kind == DecorationKind::Text && device(d.rect).intersects(box);
                   });
        };
        const auto free = std::find_if(places.begin(), places.end(), isFree);
        if (free == places.end()) {
            warn(context, "title", "no free page top for it; drawn on the left page");
        }
        Item banner;
        banner.kind = ItemKind::Heading;
        banner.rect = free == places.end() ? places[0] : *free;
        banner.english = "Classroom English";
        drawPlan(painter, context, planItem(context, banner));
    }
    static const std::array<const char*, 6> chipColours{"#ffe3ec", "#e2f1ff", "#e6f7dc",
                                                        "#fff1cc", "#efe6ff", "#dff6f3"};
    for (const Page74Hotspot& hotspot : book.page74) {
        const QRectF box = device(hotspot.rect);
        const QColor fill(chipColours[std::size_t(hotspot.number) % chipColours.size()]);
        const qreal radius = std::min(box.height() * 0.45, 12 * S);
        kit::drawCard(painter, box.adjusted(0, 0, -0.6 * S, -0.8 * S), radius, fill,
                      kit::mix(fill, context.style.accent, 0.55), 0.8 * S, 0.8 * S);
        const std::string what = "hotspot " + std::to_string(hotspot.number);
        printText(painter, context, what, printedLines(hotspot.print),
                  box.adjusted(radius * 0.5 + 1 * S, 1.5 * S, -radius * 0.5 - 1.6 * S, -2.3 * S),
                  kInk, Align::Centre, 20, false, true);
        // The phrase's Chinese under its chip, as small as the book prints.
        const QRectF chinese(box.left() + radius * 0.5, box.bottom(), kClassroomMeaningWidth * S,
                             kClassroomMeaning * S);
        printText(painter, context, what + " Chinese", qs(hotspot.chinese), chinese,
                  QColor("#4a5a6a"), Align::Left, kClassroomMeaning, false, false);
    }
    return image;
}

} // namespace bookmaker::draw
