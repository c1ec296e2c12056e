#include "desktop/form_widgets.h"

#include "desktop/fonts.h"
#include "desktop/qt_text.h"

QPushButton* make_form_button(const FormControl& entry, QWidget* parent) {
    auto* button = new QPushButton(qt_text(entry.caption), parent);
    button->setAutoDefault(false);
    button->setCheckable(entry.kind == FormControlKind::toggle_button);
    return button;
}

bool FormWidgets::place(QWidget* widget, const FormControl& entry) {
    widget->setObjectName(qt_text(entry.name));
    widget->setFont(control_font(entry.font));
    if (entry.kind == FormControlKind::label) {
        widget->move(entry.left, entry.top);
        widget->setMinimumWidth(entry.width);
        widget->adjustSize();
    } else if (entry.kind == FormControlKind::board) {
        widget->move(entry.left, entry.top);
    } else {
        widget->setGeometry(entry.left, entry.top, entry.width, entry.height);
    }
    if (!entry.hint.empty()) widget->setToolTip(qt_text(entry.hint));
    if (!entry.accessible_name.empty()) widget->setAccessibleName(qt_text(entry.accessible_name));
    add(entry.name, widget);
    if (!(widget->focusPolicy() & Qt::TabFocus)) return false;
    const bool first = previous_stop_ == nullptr;
    if (!first) QWidget::setTabOrder(previous_stop_, widget);
    previous_stop_ = widget;
    return first;
}
