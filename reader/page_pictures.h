// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Page pictures decoded once at the size they are shown, kept in a cache of
// bounded size, with the pages around the shown one decoded ahead on a
// worker thread. Only the UI thread calls these; the worker hands its
// pictures back to it by a queued call.

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QThreadPool>
#include <cstddef>
#include <cstdint>
#include <future>
#include <map>
#include <utility>

namespace tk {
class Window;
}

namespace reader {

// The JPEG of reader page 0-35, or the drill background for page 36.
QByteArray pictureData(int page);
// Decodes straight at size: a large JPEG then costs a fraction of a full
// decode, and painting needs no scaling.
QImage decodePicture(const QByteArray& data, QSize size);

class PagePictures : public QObject {
    Q_OBJECT
  public:
    // Enough for every page at 800 x 540, a third of them at full screen.
    static constexpr std::size_t kDefaultBudget = 128u << 20;

    explicit PagePictures(std::size_t budgetBytes = kDefaultBudget, QObject* parent = nullptr);
    ~PagePictures() override;

    // The page's picture at size: from the cache, from the worker (waiting
    // for it), or decoded here and now.
    QImage picture(int page, QSize size);
    // Starts decoding the page at size on the worker unless it is cached or
    // already on its way.
    void decodeAhead(int page, QSize size);
    bool isCached(int page, QSize size) const;
    // Waits for the worker and takes in what it decoded.
    void settle();
    void clear();

    std::size_t cachedBytes() const { return cachedBytes_; }
    int decodes() const { return decodes_; }

  private:
    using Key = std::pair<int, std::pair<int, int>>;
    struct Cached {
        QImage image;
        std::uint64_t lastUse = 0;
    };
    static Key keyOf(int page, QSize size) { return {page, {size.width(), size.height()}}; }
    void adopt(Key key);
    void keep(const Key& key, QImage image);

    std::size_t budget_;
    std::size_t cachedBytes_ = 0;
    std::uint64_t uses_ = 0;
    int decodes_ = 0;
    std::map<Key, Cached> cache_;
    std::map<Key, std::shared_future<QImage>> pending_;
    QThreadPool worker_;
};

// The reader's one cache; it goes, with its worker, when the application
// object goes.
PagePictures& pagePictures();

// Puts the page's picture into its box at the box's size, releases the
// picture of the page shown before, and has the neighbouring pages decoded
// ahead.
void showPagePicture(tk::Window& window, int page);

} // namespace reader
