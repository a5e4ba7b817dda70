// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window.h"

#include "cartoon_box.h"
#include "draw_panel.h"
#include "platform.h"
#include "qtext.h"
#include "services.h"
#include "unit_widgets.h"
#include "window_table.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextEdit>
#include <utility>

namespace tk {

namespace {

std::vector<UnitRef>& eventUnits() {
    static std::vector<UnitRef> stack;
    return stack;
}

// Key codes as the screens know them: Enter is 13, letters their capitals.
int keyCode(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Delete:
        return 46;
    default:
        return event.key() <= 0xFF ? event.key() : 0;
    }
}

int mouseKeys(const QMouseEvent& event) {
    int keys = 0;
    if (event.buttons() & Qt::LeftButton) {
        keys |= 1;
    }
    if (event.buttons() & Qt::RightButton) {
        keys |= 2;
    }
    if (event.modifiers() & Qt::ShiftModifier) {
        keys |= 4;
    }
    if (event.modifiers() & Qt::ControlModifier) {
        keys |= 8;
    }
    return keys;
}

} // namespace

std::string kindName(Kind kind) {
    switch (kind) {
    case Kind::Window:
        return "窗口";
    case Kind::Label:
        return "标签";
    case Kind::TransLabel:
        return "透明标签";
    case Kind::SuperBtn:
        return "超级按钮";
    case Kind::Button:
        return "按钮";
    case Kind::PicBox:
        return "图片框";
    case Kind::EditBox:
        return "编辑框";
    case Kind::CheckBox:
        return "选择框";
    case Kind::ComboBox:
        return "组合框";
    case Kind::ProcessBar:
        return "进度条";
    case Kind::Timer:
        return "时钟";
    case Kind::PageControl:
        return "高级选择夹";
    case Kind::DrawPanel:
        return "画板";
    case Kind::GroupBox:
        return "分组框";
    case Kind::RichEdit:
        return "超级编辑框";
    case Kind::CartoonBox:
        return "动画框";
    case Kind::CartoonObject:
        return "动画物体";
    }
    return {};
}

Window::Window(const WindowDef& definition, QWidget* parent)
    : QWidget(parent, Qt::Window), name_(definition.name) {
    setWindowTitle(QString::fromStdString(definition.caption));
    if (!definition.titleBar) {
        setWindowFlag(Qt::FramelessWindowHint);
    }
    setFixedSize(definition.width, definition.height);
    if (definition.left >= 0 && definition.top >= 0) {
        move(definition.left, definition.top);
    }
    if (!definition.background.isEmpty()) {
        background_ = QImage::fromData(definition.background);
    }
    for (std::string& fault : tableFaults(definition)) {
        reportTableFault(std::move(fault));
    }
    units_.reserve(definition.units.size());
    for (const UnitDef& unit : definition.units) {
        addUnit(unit, containerWidget(unit));
    }
    for (const Binding& binding : definition.bindings) {
        if (binding.unit.empty()) {
            handlers_[{kSelf, binding.event}] = binding.handler;
        } else if (const auto found = byName_.find(binding.unit); found != byName_.end()) {
            handlers_[{found->second, binding.event}] = binding.handler;
        }
    }
}

Window::~Window() {
    // Units go with the window; no handler may reach them afterwards.
    auto& stack = eventUnits();
    for (UnitRef& ref : stack) {
        if (ref.window() == this) {
            ref = UnitRef();
        }
    }
}

QWidget* Window::containerWidget(const UnitDef& definition) {
    if (definition.container.empty()) {
        return this;
    }
    const auto found = byName_.find(definition.container);
    if (found == byName_.end()) {
        return this;
    }
    QObject* object = units_[found->second].object;
    if (auto* pages = qobject_cast<QStackedWidget*>(object)) {
        QWidget* page = pages->widget(definition.page);
        return page ? page : pages;
    }
    if (auto* widget = qobject_cast<QWidget*>(object)) {
        return widget;
    }
    return this;
}

int Window::addUnit(const UnitDef& d, QWidget* container) {
    const int index = static_cast<int>(units_.size());
    Entry entry;
    entry.name = d.name;
    entry.kind = d.kind;
    entry.tag = toGbk(d.tag);
    entry.caption = toGbk(d.caption);
    entry.hint = toGbk(d.hint);
    entry.font = d.font;
    entry.textColor = d.textColor;
    entry.backgroundColor = d.backgroundColor;
    entry.alignment = d.alignment;
    entry.picture = d.picture;

    QWidget* widget = nullptr;
    switch (d.kind) {
    case Kind::Window:
        break;
    case Kind::Label:
    case Kind::TransLabel:
        widget = new TextLabel(d.kind == Kind::TransLabel, container);
        break;
    case Kind::SuperBtn: {
        auto* button = new SuperButton(container);
        button->setCheckable(d.twoState);
        button->setFace(d.picture);
        connect(button, &QAbstractButton::clicked, this,
                [this, index] { dispatch(index, Event::Clicked); });
        widget = button;
        break;
    }
    case Kind::Button: {
        auto* button = new QPushButton(container);
        connect(button, &QPushButton::clicked, this,
                [this, index] { dispatch(index, Event::Clicked); });
        widget = button;
        break;
    }
    case Kind::PicBox:
        widget = new PictureBox(container);
        break;
    case Kind::EditBox: {
        if (d.multiLine) {
            auto* lines = new QPlainTextEdit(container);
            lines->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            connect(lines, &QPlainTextEdit::textChanged, this, [this, index, lines] {
                if (Entry* e = this->entry(index)) {
                    e->caption = fromQString(lines->toPlainText().replace('\n', "\r\n"));
                }
                dispatch(index, Event::ContentChanged);
            });
            widget = lines;
            break;
        }
        auto* edit = new QLineEdit(container);
        connect(edit, &QLineEdit::textChanged, this, [this, index](const QString& text) {
            if (Entry* e = this->entry(index)) {
                e->caption = fromQString(text);
            }
            dispatch(index, Event::ContentChanged);
        });
        widget = edit;
        break;
    }
    case Kind::CheckBox: {
        auto* box = new QCheckBox(container);
        connect(box, &QCheckBox::clicked, this, [this, index] { dispatch(index, Event::Clicked); });
        widget = box;
        break;
    }
    case Kind::ComboBox: {
        auto* combo = new QComboBox(container);
        for (const ComboItem& item : d.items) {
            combo->addItem(QString::fromStdString(item.text), item.data);
        }
        combo->setCurrentIndex(d.currentIndex);
        connect(combo, &QComboBox::activated, this,
                [this, index] { dispatch(index, Event::SelectionChanged); });
        widget = combo;
        break;
    }
    case Kind::ProcessBar: {
        auto* bar = new QProgressBar(container);
        bar->setRange(d.minimum, d.maximum);
        bar->setValue(d.position);
        bar->setTextVisible(false);
        widget = bar;
        break;
    }
    case Kind::Timer:
        entry.object = new TimerUnit([this, index] { dispatch(index, Event::Tick); }, this);
        break;
    case Kind::PageControl: {
        auto* pages = new QStackedWidget(container);
        for (std::size_t i = 0; i < d.pages.size(); ++i) {
            pages->addWidget(new QWidget(pages));
        }
        widget = pages;
        break;
    }
    case Kind::DrawPanel: {
        auto* panel = new DrawPanel(container);
        if (d.backgroundColor != kNoColour) {
            panel->setBackgroundColour(d.backgroundColor);
        }
        panel->setPanelFont(d.font);
        if (d.textColor != kNoColour) {
            panel->setTextColour(d.textColor);
        }
        widget = panel;
        break;
    }
    case Kind::GroupBox:
        widget = new QGroupBox(container);
        break;
    case Kind::RichEdit: {
        auto* edit = new QTextEdit(container);
        edit->setReadOnly(true);
        widget = edit;
        break;
    }
    case Kind::CartoonBox: {
        auto* box = new CartoonBox(container);
        if (d.backgroundColor != kNoColour) {
            box->setBackgroundColour(d.backgroundColor);
        }
        box->onAdvanceStopped = [this, index](int id, QPoint centre) {
            EventArgs args;
            args.x = centre.x();
            args.y = centre.y();
            args.object = id;
            dispatch(index, Event::AutoAdvanceStopped, args);
        };
        widget = box;
        break;
    }
    case Kind::CartoonObject: {
        auto* model = new SpriteTemplate(container);
        model->setZoom(d.zoom);
        model->setTransparentColour(d.transparentColor);
        widget = model;
        break;
    }
    }
    if (widget) {
        entry.object = widget;
        widget->setGeometry(d.rect.left, d.rect.top, d.rect.width, d.rect.height);
        widget->installEventFilter(this);
        widget->setMouseTracking(true);
        // A press or move belongs to the unit under the pointer alone.
        widget->setAttribute(Qt::WA_NoMousePropagation);
        if (d.cursor == Cursor::Hand) {
            widget->setCursor(Qt::PointingHandCursor);
        }
    }
    units_.push_back(std::move(entry));
    // A name defined twice keeps its first unit.
    byName_.emplace(d.name, index);

    UnitRef ref(this, index);
    ref.setFont(d.font);
    ref.setCaption(toGbk(d.caption));
    ref.setHint(toGbk(d.hint));
    ref.setAlignment(d.alignment);
    if (d.textColor != kNoColour) {
        ref.setTextColor(d.textColor);
    }
    if (d.backgroundColor != kNoColour) {
        ref.setBackgroundColor(d.backgroundColor);
    }
    if ((d.kind == Kind::PicBox || d.kind == Kind::DrawPanel || d.kind == Kind::CartoonBox ||
         d.kind == Kind::CartoonObject) &&
        !d.picture.isEmpty()) {
        ref.setPicture(d.picture);
    }
    if (widget) {
        widget->setVisible(d.visible);
        ref.setDisabled(d.disabled);
    }
    if (d.kind == Kind::Timer) {
        ref.setInterval(d.interval);
    }
    if (d.kind == Kind::CheckBox) {
        ref.setChecked(d.checked);
    }
    return index;
}

Window::Entry* Window::entry(int index) {
    if (index < 0 || index >= static_cast<int>(units_.size())) {
        return nullptr;
    }
    return &units_[static_cast<std::size_t>(index)];
}

const Window::Entry* Window::entry(int index) const {
    return const_cast<Window*>(this)->entry(index);
}

UnitRef Window::unit(std::string_view name) {
    const auto found = byName_.find(name);
    if (found == byName_.end()) {
        reportTableFault(name_ + ": a handler asks for " + std::string(name) +
                         ", which is not defined");
        return {};
    }
    return UnitRef(this, found->second);
}

int Window::indexOf(const QObject* object) const {
    for (std::size_t i = 0; i < units_.size(); ++i) {
        if (units_[i].object == object) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool Window::hasBinding(int index, Event event) const {
    return handlers_.count({index, event}) != 0;
}

void Window::dispatch(int index, Event event, const EventArgs& args) {
    const auto found = handlers_.find({index, event});
    if (found == handlers_.end()) {
        return;
    }
    // A copy: the handler may rebind or close the window.
    const Handler handler = found->second;
    ++depth_;
    eventUnits().push_back(index == kSelf ? self() : UnitRef(this, index));
    handler(args);
    eventUnits().pop_back();
    --depth_;
    if (depth_ == 0 && closeRequested_) {
        finishClose();
    }
}

void Window::requestClose() {
    closeRequested_ = true;
    if (depth_ == 0) {
        finishClose();
    }
}

void Window::finishClose() {
    if (closedEmitted_) {
        return;
    }
    closedEmitted_ = true;
    dispatch(kSelf, Event::Closed);
    for (Entry& e : units_) {
        if (auto* timer = qobject_cast<TimerUnit*>(e.object)) {
            timer->setInterval(0);
        }
    }
    hide();
    emit closed();
}

void Window::closeEvent(QCloseEvent* event) {
    // Closed from the desktop: wait until our own handlers have returned.
    event->ignore();
    requestClose();
}

void Window::paintEvent(QPaintEvent*) {
    if (background_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.drawImage(rect(), background_);
}

void Window::startDrag(int index) {
    QWidget* widget = UnitRef(this, index).widget();
    if (!widget) {
        return;
    }
    dragIndex_ = index;
    dragOffset_ = widget->mapFromGlobal(QCursor::pos());
}

bool Window::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseMove && type != QEvent::MouseButtonRelease &&
        type != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    const int index = indexOf(watched);
    if (!widget || index < 0 || !widget->isEnabled() || !widget->isVisible()) {
        return QWidget::eventFilter(watched, event);
    }
    if (type == QEvent::KeyPress) {
        EventArgs args;
        args.key = keyCode(*static_cast<QKeyEvent*>(event));
        dispatch(index, Event::KeyPressed, args);
        return false;
    }
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = mouse->position().toPoint();
    if (dragIndex_ == index) {
        if (type == QEvent::MouseMove) {
            widget->move(widget->mapToParent(at) - dragOffset_);
            return true;
        }
        if (type == QEvent::MouseButtonRelease) {
            dragIndex_ = -1;
            return true;
        }
    }
    EventArgs args{at.x(), at.y(), mouseKeys(*mouse), 0};
    // A quick second press comes as a double click: to a child it is a press.
    const bool pressed = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    if (pressed && mouse->button() == Qt::LeftButton) {
        const QPointer<QWidget> alive(widget);
        dispatch(index, Event::LeftPressed, args);
        if (dragIndex_ == index && alive) {
            dragOffset_ = at;
        }
    } else if (type == QEvent::MouseMove) {
        dispatch(index, Event::MouseMoved, args);
    }
    return false;
}

UnitRef Window::clone(int sourceIndex, int containerIndex) {
    const Entry* source = entry(sourceIndex);
    QWidget* sourceWidget = UnitRef(this, sourceIndex).widget();
    if (!source || !sourceWidget) {
        return {};
    }
    QWidget* container = containerIndex == kSelf ? this : UnitRef(this, containerIndex).widget();
    if (!container) {
        return {};
    }
    UnitDef copy;
    copy.name = source->name + "#" + std::to_string(++cloneCount_);
    copy.kind = source->kind;
    copy.rect = {sourceWidget->x(), sourceWidget->y(), sourceWidget->width(),
                 sourceWidget->height()};
    copy.caption = toUtf8(source->caption);
    copy.hint = toUtf8(source->hint);
    copy.tag = toUtf8(source->tag);
    copy.visible = false;
    copy.disabled = !sourceWidget->isEnabled();
    copy.font = source->font;
    copy.textColor = source->textColor;
    copy.backgroundColor = source->backgroundColor;
    copy.alignment = source->alignment;
    copy.picture = source->picture;
    if (const auto* model = qobject_cast<const SpriteTemplate*>(sourceWidget)) {
        copy.zoom = model->zoom();
        copy.transparentColor = model->transparentColour();
    }
    return UnitRef(this, addUnit(copy, container));
}

std::unique_ptr<Window> CreateWindow(const WindowDef& definition, Window* parent, bool modal) {
    auto window = std::make_unique<Window>(definition, parent);
    // Qt takes the modality only from a window not yet shown.
    window->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
    window->dispatch(Window::kSelf, Event::Created);
    if (!window->isClosing()) {
        window->show();
        if (Platform* platform = services().platform) {
            platform->windowShown(*window);
        }
    }
    return window;
}

bool LoadWindow(const WindowDef& definition, Window* parent, bool modal) {
    std::unique_ptr<Window> window = CreateWindow(definition, parent, modal);
    if (window->isClosing()) {
        return true;
    }
    if (!modal) {
        QObject::connect(window.get(), &Window::closed, window.get(), &QObject::deleteLater);
        window.release();
        return true;
    }
    QEventLoop loop;
    QObject::connect(window.get(), &Window::closed, &loop, &QEventLoop::quit);
    loop.exec();
    return true;
}

void UnloadWindow(Window* window) {
    if (window) {
        window->requestClose();
    }
}

UnitRef EventUnit() {
    const auto& stack = eventUnits();
    return stack.empty() ? UnitRef() : stack.back();
}

Handler OnEventWindow(std::function<void(Window&, const EventArgs&)> work) {
    return [work = std::move(work)](const EventArgs& args) {
        if (Window* window = EventUnit().window()) {
            work(*window, args);
        }
    };
}

UnitRef FindUnitByTag(Window* window, int tag) {
    if (!window) {
        return {};
    }
    for (int i = 0; i < window->unitCount(); ++i) {
        if (ToNumber(window->entry(i)->tag) == tag) {
            return UnitRef(window, i);
        }
    }
    reportTableFault(window->name() + ": a handler asks for the unit tagged " +
                     std::to_string(tag) + ", which is not defined");
    return {};
}

UnitArray FindUnits(Window* window, std::string_view namePrefix, std::string_view kind,
                    long long minTag, long long maxTag) {
    UnitArray found;
    if (!window) {
        return found;
    }
    for (int i = 0; i < window->unitCount(); ++i) {
        const Window::Entry* e = window->entry(i);
        if (!std::string_view(e->name).starts_with(namePrefix)) {
            continue;
        }
        if (!kind.empty() && kindName(e->kind) != kind) {
            continue;
        }
        const long long tag = ToNumber(e->tag);
        if (tag < minTag || tag > maxTag) {
            continue;
        }
        found.emplace_back(window, i);
    }
    return found;
}

int ItemData(UnitRef combo, int index) {
    auto* box = qobject_cast<QComboBox*>(combo.widget());
    if (!box || index < 0 || index >= box->count()) {
        return -1;
    }
    return box->itemData(index).toInt();
}

Text ItemText(UnitRef combo, int index) {
    auto* box = qobject_cast<QComboBox*>(combo.widget());
    if (!box || index < 0 || index >= box->count()) {
        return {};
    }
    return fromQString(box->itemText(index));
}

void SetFocus(UnitRef unit) {
    if (QWidget* widget = unit.widget()) {
        widget->setFocus(Qt::OtherFocusReason);
    }
}

void BeginMoveDrag(UnitRef unit) {
    if (Window* window = unit.window()) {
        window->startDrag(unit.index());
    }
}

UnitRef CloneUnit(UnitRef source, UnitRef container) {
    Window* window = source.window();
    if (!window || (!container.isEmpty() && container.window() != window)) {
        return {};
    }
    return window->clone(source.index(), container.isEmpty() ? Window::kSelf : container.index());
}

} // namespace tk
