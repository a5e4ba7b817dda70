// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Contact sheets: every spread small, with its hotspots outlined and
// numbered, to check at a glance that each hotspot covers what it plays.

#include "maker_files.h"
#include "pictures.h"
#include "pictures_draw.h"
#include "pictures_kit.h"

#include <QFontMetricsF>
#include <QImageReader>
#include <array>

namespace bookmaker {

namespace {

constexpr int kPerSheet = 12;
constexpr int kColumns = 3;
constexpr int kThumbWidth = 600;
constexpr int kThumbHeight = kThumbWidth * draw::kBoxHeight / draw::kBoxWidth;
constexpr int kCaption = 24;
constexpr int kGap = 12;
constexpr qreal kScale = qreal(kThumbWidth) / draw::kBoxWidth;

struct Mark {
    tk::Rect rect;
    int number = 0;
    QColor colour;
};

struct SheetPage {
    int bookPage = 0;
    std::vector<Mark> marks;
};

QColor colourOf(ItemKind kind) {
    switch (kind) {
    case ItemKind::Heading:
        return QColor("#d32f2f");
    case ItemKind::Line:
        return QColor("#1565c0");
    case ItemKind::Bubble:
        return QColor("#2e7d32");
    case ItemKind::Word:
        return QColor("#ef6c00");
    case ItemKind::Picture:
        return QColor("#7b1fa2");
    case ItemKind::Block:
        return QColor("#00838f");
    }
    return Qt::black;
}

std::vector<SheetPage> sheetPages(const BookSource& book,
                                  const std::vector<WordListEntry>& page70) {
    std::vector<SheetPage> pages;
    for (const Spread& spread : book.spreads) {
        SheetPage page{spread.bookPage, {}};
        for (const Item& item : spread.items) {
            page.marks.push_back({item.rect, item.number, colourOf(item.kind)});
        }
        for (const AnswerBox& box : book.answerBoxes) {
            if (box.bookPage == spread.bookPage) {
                page.marks.push_back({box.rect, 0, QColor("#e91e63")});
            }
        }
        pages.push_back(std::move(page));
    }
    SheetPage words{70, {}};
    for (std::size_t i = 0; i < page70.size(); ++i) {
        words.marks.push_back({page70[i].rect, int(i) + 1, QColor("#1565c0")});
    }
    pages.push_back(std::move(words));
    SheetPage classroom{74, {}};
    for (const Page74Hotspot& hotspot : book.page74) {
        classroom.marks.push_back({hotspot.rect, hotspot.number, QColor("#2e7d32")});
    }
    pages.push_back(std::move(classroom));
    return pages;
}

void drawThumb(QPainter& painter, const SheetPage& page, const QImage& picture, QPointF at) {
    const QRectF frame(at.x(), at.y() + kCaption, kThumbWidth, kThumbHeight);
    const QString caption =
        page.bookPage == 70 || page.bookPage == 74
            ? QStringLiteral("pages %1-%2 (%3 hotspots)")
                  .arg(page.bookPage)
                  .arg(page.bookPage + 1)
                  .arg(page.marks.size())
            : QStringLiteral("pages %1-%2").arg(page.bookPage).arg(page.bookPage + 1);
    painter.setFont(kit::bookFont(17, true));
    painter.setPen(QColor("#263238"));
    painter.drawText(QPointF(at.x() + 2, at.y() + 18), caption);
    if (picture.isNull()) {
        painter.fillRect(frame, QColor("#cccccc"));
        painter.drawText(frame, Qt::AlignCenter, QStringLiteral("missing"));
    } else {
        painter.drawImage(frame, picture);
    }
    painter.setPen(QPen(QColor("#90a4ae"), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
    const QFont font = kit::bookFont(9, true);
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    for (const Mark& mark : page.marks) {
        const QRectF box(frame.left() + mark.rect.left * kScale,
                         frame.top() + mark.rect.top * kScale, mark.rect.width * kScale,
                         mark.rect.height * kScale);
        painter.setPen(QPen(mark.colour, 1.2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
        if (mark.number > 0) {
            const QString number = QString::number(mark.number);
            const QRectF tag(box.left(), box.top(), metrics.horizontalAdvance(number) + 3, 10);
            painter.fillRect(tag, mark.colour);
            painter.setPen(Qt::white);
            painter.drawText(tag, Qt::AlignCenter, number);
        }
    }
}

} // namespace

bool renderContactSheet(const BookSource& book, const std::vector<WordListEntry>& page70,
                        const std::filesystem::path& pagesDir, const std::filesystem::path& outDir,
                        std::string& error) {
    const std::vector<SheetPage> pages = sheetPages(book, page70);
    const int sheets = (int(pages.size()) + kPerSheet - 1) / kPerSheet;
    bool ok = true;
    for (int sheet = 0; sheet < sheets; ++sheet) {
        const int first = sheet * kPerSheet;
        const int count = std::min(kPerSheet, int(pages.size()) - first);
        const int rows = (count + kColumns - 1) / kColumns;
        QImage image = kit::blankImage(kColumns * (kThumbWidth + kGap) + kGap,
                                       rows * (kThumbHeight + kCaption + kGap) + kGap, Qt::white);
        QPainter painter(&image);
        kit::prepare(painter);
        for (int i = 0; i < count; ++i) {
            const SheetPage& page = pages[std::size_t(first + i)];
            const std::filesystem::path file =
                pagesDir / ("page" + twoDigits(page.bookPage) + ".jpg");
            QImageReader reader(QString::fromStdString(file.string()));
            reader.setScaledSize(QSize(kThumbWidth, kThumbHeight));
            const QImage picture = reader.read();
            if (picture.isNull() && ok) {
                ok = false;
                error = "cannot read " + file.string();
            }
            drawThumb(painter, page, picture,
                      QPointF(kGap + (i % kColumns) * (kThumbWidth + kGap),
                              kGap + (i / kColumns) * (kThumbHeight + kCaption + kGap)));
        }
        painter.end();
        std::string writeError;
        if (!kit::saveImage(image, outDir / ("sheet" + std::to_string(sheet + 1) + ".png"), -1,
                            writeError) &&
            ok) {
            ok = false;
            error = writeError;
        }
    }
    return ok;
}

} // namespace bookmaker
