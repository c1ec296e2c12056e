#pragma once

#include "app/form.h"

#include <QObject>
#include <QPushButton>
#include <QWidget>
#include <map>
#include <string>
#include <string_view>

// A push or toggle button of a form table, with its caption: never a dialog's default button,
// which Enter would press from anywhere in the window.
QPushButton* make_form_button(const FormControl& entry, QWidget* parent);

// A window's widgets by their form names, as it builds them from its form table: each named,
// placed and described as its entry says, and the Tab stops in the table's order.
class FormWidgets {
  public:
    // The control of this form name, or nullptr when there is none of that type.
    template <class T = QObject> T* control(std::string_view name) const {
        const auto at = controls_.find(name);
        return at == controls_.end() ? nullptr : dynamic_cast<T*>(at->second);
    }
    const std::map<std::string, QObject*, std::less<>>& all() const { return controls_; }
    void add(std::string_view name, QObject* control) { controls_.emplace(name, control); }

    // Names the widget, gives it its face, its place (a label at least as wide as its entry
    // and as wide as its text, the board at its corner), its hint and spoken name, puts it next
    // in the Tab order and keeps it by name. True when it is the first Tab stop.
    bool place(QWidget* widget, const FormControl& entry);

  private:
    std::map<std::string, QObject*, std::less<>> controls_;
    QWidget* previous_stop_ = nullptr;
};
