#include "ui/NativeControls.h"

#include "ui/Application.h"
#include "ui/Form.h"

namespace brivane::ui {

NativeControl::NativeControl(Form& owner, std::string name, platform::NativeKind kind)
    : owner_(owner), name_(std::move(name)), kind_(kind) {
    handle_ = platform::current().createNative(owner_.handle(), kind_, this);
    owner_.addNative(this);
    applyStyle();
}

NativeControl::~NativeControl() {
    owner_.removeNative(this);
    platform::current().destroyNative(handle_);
}

void NativeControl::setBounds(int left, int top, int width, int height) {
    const Rect next{left, top, left + width, top + height};
    if (next == bounds_) return;
    bounds_ = next;
    platform::current().setNativeBounds(handle_, bounds_);
}

void NativeControl::setVisible(bool visible) {
    visible_ = visible;
    platform::current().setNativeVisible(handle_, visible_);
}

void NativeControl::applyStyle() { platform::current().setNativeStyle(handle_, style_); }

void NativeControl::setFont(const Font& font) {
    font_ = font;
    style_.font = font.spec();
    style_.textColor = font.color;
    applyStyle();
}

void NativeControl::setColor(Argb background) {
    style_.background = background;
    applyStyle();
}

void NativeControl::setBorder(bool border) {
    style_.border = border;
    applyStyle();
}

void NativeControl::setItemHeight(int height) {
    style_.itemHeight = height;
    applyStyle();
}

void NativeControl::setCursor(Cursor cursor) {
    style_.cursor = cursor;
    applyStyle();
}

void NativeControl::setHint(const std::string& hint) {
    style_.hint = hint;
    applyStyle();
}

void NativeControl::setTabOrder(int order) {
    style_.tabOrder = order;
    applyStyle();
}

void NativeControl::selectionChangedByUser(int index) {
    Application::instance().dispatch([&] { userSelected(index); });
}

void NativeControl::clicked() {
    Application::instance().dispatch([&] {
        if (onClick) onClick();
    });
}

void NativeControl::doubleClicked() {
    Application::instance().dispatch([&] {
        if (onDblClick) onDblClick();
    });
}

void NativeControl::keyDown(int key, ShiftState shift) {
    Application::instance().dispatch([&] {
        if (onKeyDown) onKeyDown(key, shift);
    });
}

void NativeControl::textChangedByUser(const std::string& text) {
    Application::instance().dispatch([&] { userEdited(text); });
}

ListBox::ListBox(Form& owner, std::string name)
    : NativeControl(owner, std::move(name), platform::NativeKind::ListBox) {}

void ListBox::addItem(const std::string& text) {
    items_.push_back(text);
    platform::current().listInsert(handle(), count() - 1, text);
}

void ListBox::deleteItem(int index) {
    if (index < 0 || index >= count()) return;
    items_.erase(items_.begin() + index);
    platform::current().listDelete(handle(), index);
    // As the system's list box does: deleting the selected line leaves none selected, deleting
    // one above it keeps the same line selected.
    if (index == itemIndex_) itemIndex_ = -1;
    else if (index < itemIndex_) --itemIndex_;
}

void ListBox::clear() {
    items_.clear();
    itemIndex_ = -1;
    platform::current().listClear(handle());
}

void ListBox::setItemIndex(int index) {
    itemIndex_ = index >= 0 && index < count() ? index : -1;
    platform::current().listSelect(handle(), itemIndex_);
}

void ListBox::userSelected(int index) { itemIndex_ = index >= 0 && index < count() ? index : -1; }

Edit::Edit(Form& owner, std::string name)
    : NativeControl(owner, std::move(name), platform::NativeKind::Edit) {}

void Edit::setText(const std::string& text) {
    text_ = text;
    platform::current().setNativeText(handle(), text_);
}

Button::Button(Form& owner, std::string name)
    : NativeControl(owner, std::move(name), platform::NativeKind::Button) {}

void Button::setCaption(const std::string& caption) {
    caption_ = caption;
    platform::current().setNativeText(handle(), caption_);
}

}  // namespace brivane::ui
