#pragma once

#include "desktop/board_view.h"
#include "desktop/desktop_window.h"
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
    // Pointer events straight to the board, at any position (QTest treats (0, 0) as "centre").
    void send(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, at, form->Image1->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(form->Image1, &event);
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
    // Which of the six are down, in the order SpeedB1..SpeedB6.
    std::array<bool, 6> six_down() const {
        return {form->SpeedB1->isChecked(), form->SpeedB2->isChecked(), form->SpeedB3->isChecked(),
                form->SpeedB4->isChecked(), form->SpeedB5->isChecked(), form->SpeedB6->isChecked()};
    }
    Rgb pixel(int column, int row) { return form->board().pixel(column, row); }
    std::array<QToolButton*, 6> six() const {
        return {form->SpeedB1, form->SpeedB2, form->SpeedB3,
                form->SpeedB4, form->SpeedB5, form->SpeedB6};
    }

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
