// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window made from its definition: it owns its units, routes their events
// to the bound handlers one at a time, and closes only when no handler of
// its own is running.

#include "unit_ref.h"

#include <QWidget>
#include <climits>
#include <functional>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

namespace tk {

class Window : public QWidget {
    Q_OBJECT
  public:
    explicit Window(const WindowDef& definition, QWidget* parent = nullptr);
    ~Window() override;

    const std::string& name() const { return name_; }
    UnitRef unit(std::string_view name);
    UnitRef self() { return UnitRef(this, kSelf); }
    int unitCount() const { return static_cast<int>(units_.size()); }

    // Runs the handler bound to the unit's event, if any. index kSelf is the
    // window itself.
    void dispatch(int index, Event event, const EventArgs& args = {});
    bool hasBinding(int index, Event event) const;
    void requestClose();
    bool isClosing() const { return closeRequested_; }
    void startDrag(int index);
    UnitRef clone(int sourceIndex, int containerIndex);

    static constexpr int kSelf = -2;

    struct Entry {
        std::string name;
        Kind kind = Kind::Label;
        QPointer<QObject> object;
        Text tag;
        Text caption;
        Text hint;
        Font font;
        int textColor = kNoColour;
        int backgroundColor = kNoColour;
        int alignment = 0;
        QByteArray picture;
    };
    Entry* entry(int index);
    const Entry* entry(int index) const;

  signals:
    void closed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    int addUnit(const UnitDef& definition, QWidget* container);
    QWidget* containerWidget(const UnitDef& definition);
    void finishClose();
    int indexOf(const QObject* object) const;

    std::string name_;
    std::vector<Entry> units_;
    std::map<std::pair<int, Event>, Handler> handlers_;
    std::map<std::string, int, std::less<>> byName_;
    QImage background_;
    int depth_ = 0;
    bool closeRequested_ = false;
    bool closedEmitted_ = false;
    int dragIndex_ = -1;
    QPoint dragOffset_;
    int cloneCount_ = 0;
};

// Window services. LoadWindow runs the window's own event loop until it
// closes when modal is true (every screen opens its windows so).
bool LoadWindow(const WindowDef& definition, Window* parent = nullptr, bool modal = true);
void UnloadWindow(Window* window);

// Creates and shows a window without entering its loop: for tests and for
// LoadWindow itself. A modal one blocks input to every other window.
std::unique_ptr<Window> CreateWindow(const WindowDef& definition, Window* parent = nullptr,
                                     bool modal = false);

// Unit services.
UnitRef EventUnit();
// A handler that runs work on the window of the unit that raised the event.
Handler OnEventWindow(std::function<void(Window&, const EventArgs&)> work);
UnitRef FindUnitByTag(Window* window, int tag);
UnitArray FindUnits(Window* window, std::string_view namePrefix = {},
                    std::string_view kindName = {}, long long minTag = LLONG_MIN,
                    long long maxTag = LLONG_MAX);
int ItemData(UnitRef combo, int index);
Text ItemText(UnitRef combo, int index);
void SetFocus(UnitRef unit);
void BeginMoveDrag(UnitRef unit);
UnitRef CloneUnit(UnitRef source, UnitRef container);

} // namespace tk
