#pragma once

#include "desktop/board_view.h"
#include "desktop/desktop_window.h"
#include "desktop/qt_text.h"
#include "model/charges.h"
#include "model/field.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

// A fresh main window on a fresh program state, driven by real input events.
class Window : public testing::Test {
  protected:
    void SetUp() override { form = std::make_unique<DesktopWindow>(); }
    const InteractionState& state() const { return form->logic().state(); }
    // The board's charges and grids, the grids writable to set up what a readout shows.
    int charge_count() const { return form->logic().board_state().charges.count(); }
    const Charge& charge(int slot) const { return form->logic().board_state().charges.slot(slot); }
    FieldGrids& grids() { return form->logic().board_state().grids; }
    void TearDown() override { form.reset(); }

    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void click(std::string_view name) { click(form->control<QAbstractButton>(name)); }
    BoardView* board_view() const { return form->control<BoardView>("board"); }
    // Pointer events straight to the board, at any position (QTest treats (0, 0) as "centre").
    void send(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, at, board_view()->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(board_view(), &event);
    }
    void move_to(int column, int row) {
        send(QEvent::MouseMove, QPointF(column + 0.5, row + 0.5), Qt::NoButton, Qt::NoButton);
    }
    void click_board(int column, int row) {
        move_to(column, row);
        const QPointF at(column + 0.5, row + 0.5);
        send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
    // The six tool buttons, in the order of Toggle.
    std::array<QToolButton*, 6> six() const {
        std::array<QToolButton*, 6> tools{};
        for (std::size_t i = 0; i < tools.size(); ++i)
            tools[i] = form->control<QToolButton>(toggle_names[i]);
        return tools;
    }
    // Which of the six are down.
    std::array<bool, 6> six_down() const {
        std::array<bool, 6> down{};
        for (std::size_t i = 0; i < down.size(); ++i) down[i] = six()[i]->isChecked();
        return down;
    }
    Rgb pixel(int column, int row) { return form->board().pixel(column, row); }

    std::unique_ptr<DesktopWindow> form;
};

// Runs action and answers the modal box it opens; returns the box's text, or nothing when no
// box appeared. The box is always closed, so a test never hangs on it.
template <class Action> std::optional<QString> answer_message_box(Action action) {
    std::optional<QString> seen;
    QTimer closer;
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (box->icon() == QMessageBox::Critical && box->buttons().size() == 1)
                seen = box->text();
            box->accept();
        }
    });
    closer.start();
    action();
    closer.stop();
    return seen;
}
