// Native controls: real controls of the platform (list box, edit box, push button) that lie above
// every graphic control of their form. The kit keeps their state (items, selection, text) so the
// program and its tests read it without a window system; the platform shows it and reports the
// user's changes.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "ui/Bitmap.h"
#include "ui/Control.h"
#include "ui/Font.h"

namespace brivane::ui {

class Form;

class NativeControl : public platform::NativeListener {
public:
    NativeControl(Form& owner, std::string name, platform::NativeKind kind);
    ~NativeControl() override;
    NativeControl(const NativeControl&) = delete;
    NativeControl& operator=(const NativeControl&) = delete;

    const std::string& name() const { return name_; }
    platform::NativeKind kind() const { return kind_; }
    // The control's own window.
    platform::Handle handle() const { return handle_; }

    int left() const { return bounds_.left; }
    int top() const { return bounds_.top; }
    int width() const { return bounds_.width(); }
    int height() const { return bounds_.height(); }
    Rect bounds() const { return bounds_; }
    void setBounds(int left, int top, int width, int height);
    void setLeft(int left) { setBounds(left, top(), width(), height()); }
    void setTop(int top) { setBounds(left(), top, width(), height()); }

    bool visible() const { return visible_; }
    void setVisible(bool visible);

    const platform::NativeStyle& style() const { return style_; }
    Font font() const { return font_; }
    void setFont(const Font& font);
    void setColor(Argb background);
    void setBorder(bool border);
    void setItemHeight(int height);
    void setCursor(Cursor cursor);
    void setHint(const std::string& hint);  // shown as the control's tool tip
    void setTabOrder(int order);

    std::function<void()> onClick;
    std::function<void()> onDblClick;
    // Key codes are the Windows virtual-key codes (13 Enter, 46 Delete...).
    std::function<void(int& key, ShiftState shift)> onKeyDown;

    // platform::NativeListener
    void selectionChangedByUser(int index) override;
    void clicked() override;
    void doubleClicked() override;
    void keyDown(int key, ShiftState shift) override;
    void textChangedByUser(const std::string& text) override;

protected:
    virtual void userSelected(int) {}
    virtual void userEdited(const std::string&) {}
    void applyStyle();

private:
    Form& owner_;
    std::string name_;
    platform::NativeKind kind_;
    platform::Handle handle_ = 0;
    Rect bounds_;
    bool visible_ = true;
    Font font_;
    platform::NativeStyle style_;
};

// A single-selection list box. Setting the selection from the program raises no click. Lines
// are added at the end and deleted anywhere; deleting the first or the last takes constant time,
// so emptying a long list from either end stays linear.
class ListBox : public NativeControl {
public:
    ListBox(Form& owner, std::string name);

    int count() const { return int(items_.size()); }
    const std::string& item(int index) const { return items_.at(std::size_t(index)); }
    // A copy of the lines, first to last.
    std::vector<std::string> items() const { return {items_.begin(), items_.end()}; }
    void addItem(const std::string& text);
    // Deletes the line at `index`; an index outside the list deletes nothing.
    void deleteItem(int index);
    void clear();

    // The selected line, -1 for none.
    int itemIndex() const { return itemIndex_; }
    // Selects a line; -1, or an index outside the list, leaves no line selected.
    void setItemIndex(int index);

protected:
    void userSelected(int index) override;

private:
    std::deque<std::string> items_;
    int itemIndex_ = -1;
};

// A one-line edit box.
class Edit : public NativeControl {
public:
    Edit(Form& owner, std::string name);
    const std::string& text() const { return text_; }
    void setText(const std::string& text);

protected:
    void userEdited(const std::string& text) override { text_ = text; }

private:
    std::string text_;
};

// A push button.
class Button : public NativeControl {
public:
    Button(Form& owner, std::string name);
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);

private:
    std::string caption_;
};

}  // namespace brivane::ui
