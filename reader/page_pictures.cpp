// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_pictures.h"

#include "catalogue.h"
#include "page_names.h"
#include "reader_state.h"
#include "window.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QPointer>
#include <QRunnable>

namespace reader {

QByteArray pictureData(int page) {
    return page == kDrillPage ? content::picture(content::PictureRole::DrillBackground)
                              : content::pagePicture(page);
}

QImage decodePicture(const QByteArray& data, QSize size) {
    QByteArray bytes = data;
    QBuffer source(&bytes);
    source.open(QIODevice::ReadOnly);
    QImageReader reader(&source);
    if (!size.isEmpty()) {
        reader.setScaledSize(size);
    }
    return reader.read();
}

PagePictures::PagePictures(std::size_t budgetBytes, QObject* parent)
    : QObject(parent), budget_(budgetBytes) {
    // One worker: the UI thread keeps the other core.
    worker_.setMaxThreadCount(1);
}

PagePictures::~PagePictures() {
    worker_.waitForDone();
}

QImage PagePictures::picture(int page, QSize size) {
    const Key key = keyOf(page, size);
    if (pending_.count(key) != 0) {
        adopt(key);
    }
    const auto found = cache_.find(key);
    if (found != cache_.end()) {
        found->second.lastUse = ++uses_;
        return found->second.image;
    }
    QImage image = decodePicture(pictureData(page), size);
    ++decodes_;
    keep(key, image);
    return image;
}

void PagePictures::decodeAhead(int page, QSize size) {
    const Key key = keyOf(page, size);
    if (size.isEmpty() || cache_.count(key) != 0 || pending_.count(key) != 0) {
        return;
    }
    auto promise = std::make_shared<std::promise<QImage>>();
    pending_.emplace(key, promise->get_future().share());
    const QByteArray data = pictureData(page);
    worker_.start(QRunnable::create([this, promise, data, size, key] {
        promise->set_value(decodePicture(data, size));
        QMetaObject::invokeMethod(
            this, [this, key] { adopt(key); }, Qt::QueuedConnection);
    }));
}

bool PagePictures::isCached(int page, QSize size) const {
    return cache_.count(keyOf(page, size)) != 0;
}

void PagePictures::adopt(Key key) {
    const auto found = pending_.find(key);
    if (found == pending_.end()) {
        return;
    }
    QImage image = found->second.get();
    pending_.erase(found);
    ++decodes_;
    keep(key, std::move(image));
}

void PagePictures::keep(const Key& key, QImage image) {
    if (image.isNull()) {
        return;
    }
    cachedBytes_ += static_cast<std::size_t>(image.sizeInBytes());
    cache_[key] = {std::move(image), ++uses_};
    // The least recently used go first; the one just kept always stays.
    while (cachedBytes_ > budget_ && cache_.size() > 1) {
        auto oldest = cache_.end();
        for (auto it = cache_.begin(); it != cache_.end(); ++it) {
            if (it->first != key &&
                (oldest == cache_.end() || it->second.lastUse < oldest->second.lastUse)) {
                oldest = it;
            }
        }
        cachedBytes_ -= static_cast<std::size_t>(oldest->second.image.sizeInBytes());
        cache_.erase(oldest);
    }
}

void PagePictures::settle() {
    worker_.waitForDone();
    while (!pending_.empty()) {
        adopt(pending_.begin()->first);
    }
}

void PagePictures::clear() {
    settle();
    cache_.clear();
    cachedBytes_ = 0;
}

PagePictures& pagePictures() {
    static QPointer<PagePictures> instance;
    if (!instance) {
        instance = new PagePictures(PagePictures::kDefaultBudget, QCoreApplication::instance());
    }
    return *instance;
}

void showPagePicture(tk::Window& window, int page) {
    ReaderState& s = state();
    if (s.picturePage >= 0 && s.picturePage != page) {
        window.unit(pagePictureName(s.picturePage)).setImage(QImage());
    }
    tk::UnitRef box = window.unit(pagePictureName(page));
    box.setImage(pagePictures().picture(page, QSize(box.width(), box.height())));
    s.picturePage = page;
    for (const int next : {page + 1, page - 1}) {
        if (next >= 0 && next < kDrillPage) {
            const tk::UnitRef neighbour = window.unit(pagePictureName(next));
            pagePictures().decodeAhead(next, QSize(neighbour.width(), neighbour.height()));
        }
    }
}

} // namespace reader
