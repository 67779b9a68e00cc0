// The native controls a window carries above the kit's painting: a list box (QListWidget), a
// one-line edit box (QLineEdit) and a push button (QPushButton). Each reports the user's actions
// to the kit; the kit's own changes come in through the setters and raise no event.
#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <string>

#include "platform/platform.h"

namespace brivane::platform::qt {

class FontBook;

// The Windows virtual-key code of a Qt key, 0 when there is none.
int virtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);

class ListBoxControl final : public QListWidget {
public:
    ListBoxControl(QWidget* parent, NativeListener* listener);

    void select(int index);  // -1 clears; raises no event

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    void userMovedTo(int row);

    NativeListener* listener_;
    bool byKey_ = false;    // a key press is being handled
    bool byMouse_ = false;  // a left press is being handled (until its release)
    bool moved_ = false;    // the selection moved during that press
};

class EditControl final : public QLineEdit {
public:
    EditControl(QWidget* parent, NativeListener* listener);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    NativeListener* listener_;
};

class ButtonControl final : public QPushButton {
public:
    ButtonControl(QWidget* parent, NativeListener* listener);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    NativeListener* listener_;
};

// Applies the kit's style (font, colours, frame, item height, pointer, hint) to a control.
void applyNativeStyle(QWidget* control, NativeKind kind, const NativeStyle& style, FontBook& fonts);

}  // namespace brivane::platform::qt
