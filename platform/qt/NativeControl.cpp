#include "platform/qt/NativeControl.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPalette>
#include <QPointer>
#include <QScrollBar>
#include <QToolTip>

#include "platform/qt/FontBook.h"
#include "platform/qt/TopWindow.h"

namespace brivane::platform::qt {

namespace {

struct KeyCode {
    int qtKey;
    int vk;
};

// Keys whose virtual-key code is not their own character code. Shifted symbols share the code
// of their unshifted key, as on a US keyboard.
constexpr KeyCode KeyTable[] = {
    {Qt::Key_Backspace, 8},
    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},
    {Qt::Key_Clear, 12},
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},
    {Qt::Key_Print, 44},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
    {Qt::Key_Meta, 91},
    {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
    {Qt::Key_Semicolon, 186},
    {Qt::Key_Colon, 186},
    {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},
    {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},
    {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},
    {Qt::Key_Slash, 191},
    {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192},
    {Qt::Key_AsciiTilde, 192},
    {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, 220},
    {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, 221},
    {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
    {Qt::Key_Exclam, '1'},
    {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},
    {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'},
};

// The number pad has codes of its own.
constexpr KeyCode KeypadTable[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},  {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},   {Qt::Key_Comma, 110}, {Qt::Key_Slash, 111},
};

Qt::CursorShape shapeOf(Cursor cursor) {
    switch (cursor) {
        case Cursor::Hand:
            return Qt::PointingHandCursor;
        case Cursor::IBeam:
            return Qt::IBeamCursor;
        case Cursor::Arrow:
            break;
    }
    return Qt::ArrowCursor;
}

QString cssColor(Argb argb) { return QColor::fromRgb(argb & 0xFFFFFFu).name(); }

// The kit hears of a key before the control handles it (the handler may take the control
// away: callers check that it is still there).
void reportKey(NativeListener* listener, QKeyEvent* event) {
    int vk = virtualKeyOf(event->key(), event->modifiers());
    if (vk != 0) listener->keyDown(vk, shiftStateOf(event->modifiers(), Qt::NoButton));
}

// Moving onto a native control leaves the kit's painted widgets beneath it.
void tellWindowOnEnter(QWidget* control) {
    if (auto* window = dynamic_cast<TopWindow*>(control->window())) window->pointerLeftForChild();
}

}  // namespace

int virtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::KeypadModifier) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 96 + (qtKey - Qt::Key_0);
        for (const KeyCode& k : KeypadTable) {
            if (k.qtKey == qtKey) return k.vk;
        }
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return '0' + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
    for (const KeyCode& k : KeyTable) {
        if (k.qtKey == qtKey) return k.vk;
    }
    return 0;
}

// --- list box ---------------------------------------------------------------------------------

ListBoxControl::ListBoxControl(QWidget* parent, NativeListener* listener)
    : QListWidget(parent), listener_(listener) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setTextElideMode(Qt::ElideNone);
    // The selection, not the keyboard focus's entry: focusing an empty-handed list moves the
    // latter to the first entry without selecting anything.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        QList<QListWidgetItem*> selected = selectedItems();
        userMovedTo(selected.isEmpty() ? -1 : row(selected.first()));
    });
}

void ListBoxControl::select(int index) {
    QSignalBlocker quiet(this);
    if (index < 0 || index >= count()) {
        setCurrentRow(-1);
        clearSelection();
    } else {
        setCurrentRow(index);
    }
}

void ListBoxControl::userMovedTo(int row) {
    // Only the user's own moves get here: the kit's changes run with signals blocked.
    listener_->selectionChangedByUser(row);
    if (byMouse_) {
        moved_ = true;  // the click follows on release
    } else if (byKey_) {
        listener_->clicked();
    }
}

void ListBoxControl::keyPressEvent(QKeyEvent* event) {
    QPointer<ListBoxControl> alive(this);
    reportKey(listener_, event);
    if (!alive) return;
    byKey_ = true;
    QListWidget::keyPressEvent(event);
    if (alive) byKey_ = false;
}

void ListBoxControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        byMouse_ = true;
        moved_ = false;
    }
    QListWidget::mousePressEvent(event);
}

void ListBoxControl::mouseReleaseEvent(QMouseEvent* event) {
    QPointer<ListBoxControl> alive(this);
    bool overItem = itemAt(event->position().toPoint()) != nullptr;
    QListWidget::mouseReleaseEvent(event);
    if (!alive || event->button() != Qt::LeftButton || !byMouse_) return;
    byMouse_ = false;
    if (moved_ || overItem) listener_->clicked();
}

void ListBoxControl::mouseDoubleClickEvent(QMouseEvent* event) {
    QPointer<ListBoxControl> alive(this);
    bool overItem = itemAt(event->position().toPoint()) != nullptr;
    QListWidget::mouseDoubleClickEvent(event);
    if (!alive || event->button() != Qt::LeftButton) return;
    if (overItem) {
        byMouse_ = false;  // the release that ends a double click is no click
        listener_->doubleClicked();
    }
}

bool ListBoxControl::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        // The hint belongs to the whole control, not to its entries.
        auto* help = static_cast<QHelpEvent*>(event);
        if (toolTip().isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), toolTip(), viewport());
        }
        return true;
    }
    return QListWidget::viewportEvent(event);
}

void ListBoxControl::enterEvent(QEnterEvent* event) {
    tellWindowOnEnter(this);
    QListWidget::enterEvent(event);
}

// --- edit box ---------------------------------------------------------------------------------

EditControl::EditControl(QWidget* parent, NativeListener* listener)
    : QLineEdit(parent), listener_(listener) {
    connect(this, &QLineEdit::textEdited, this,
            [this](const QString& text) { listener_->textChangedByUser(text.toStdString()); });
}

void EditControl::keyPressEvent(QKeyEvent* event) {
    QPointer<EditControl> alive(this);
    reportKey(listener_, event);
    if (alive) QLineEdit::keyPressEvent(event);
}

void EditControl::enterEvent(QEnterEvent* event) {
    tellWindowOnEnter(this);
    QLineEdit::enterEvent(event);
}

// --- button -----------------------------------------------------------------------------------

ButtonControl::ButtonControl(QWidget* parent, NativeListener* listener)
    : QPushButton(parent), listener_(listener) {
    connect(this, &QPushButton::clicked, this, [this] { listener_->clicked(); });
}

void ButtonControl::keyPressEvent(QKeyEvent* event) {
    QPointer<ButtonControl> alive(this);
    reportKey(listener_, event);
    if (alive) QPushButton::keyPressEvent(event);
}

void ButtonControl::enterEvent(QEnterEvent* event) {
    tellWindowOnEnter(this);
    QPushButton::enterEvent(event);
}

// --- style ------------------------------------------------------------------------------------

void applyNativeStyle(QWidget* control, NativeKind kind, const NativeStyle& style,
                      FontBook& fonts) {
    control->setFont(fonts.font(style.font));

    QPalette palette = control->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base, QColor::fromRgb(style.background & 0xFFFFFFu));
        palette.setColor(group, QPalette::Text, QColor::fromRgb(style.textColor & 0xFFFFFFu));
    }
    if (kind == NativeKind::Button) {
        palette.setColor(QPalette::ButtonText, QColor::fromRgb(style.textColor & 0xFFFFFFu));
    }
    control->setPalette(palette);

    if (kind == NativeKind::ListBox) {
        auto* list = static_cast<QListWidget*>(control);
        QString sheet;
        if (!style.border) {
            // The flat frame: one dark line around a plain list, and a narrow dark scroll bar
            // that leaves the names as much of the width as it can.
            sheet += QStringLiteral(
                         "QListWidget { background-color: %1; color: %2; border: 1px solid "
                         "#5c5c5c; outline: 0; }"
                         "QScrollBar:vertical { background: #161616; width: 9px; margin: 0; "
                         "border: 0; }"
                         "QScrollBar::handle:vertical { background: #5c5c5c; min-height: 12px; "
                         "margin: 1px; border-radius: 3px; }"
                         "QScrollBar::handle:vertical:hover { background: #808080; }"
                         "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { "
                         "height: 0; border: 0; background: none; }"
                         "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { "
                         "background: none; }")
                         .arg(cssColor(style.background), cssColor(style.textColor));
        }
        sheet += QStringLiteral(
                     "QListWidget::item { height: %1px; padding: 0 0 0 1px; margin: 0; border: "
                     "0; }"
                     "QListWidget::item:selected { background-color: palette(highlight); "
                     "color: palette(highlighted-text); }")
                     .arg(style.itemHeight > 0 ? style.itemHeight : 13);
        list->setStyleSheet(sheet);
        if (style.border) {
            list->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        }
    }

    if (style.cursor == Cursor::Arrow) {
        control->unsetCursor();  // the control's own pointer (the text pointer of an edit box)
    } else {
        control->setCursor(shapeOf(style.cursor));
    }
    QString hint = QString::fromStdString(style.hint);
    control->setToolTip(hint);
    if (hint.isEmpty() && QToolTip::isVisible()) QToolTip::hideText();
}

}  // namespace brivane::platform::qt
