// Seeded random use of the desktop window through real events, a short run (the logic alone runs
// far longer headless): buttons, menu items, board clicks, pointer moves and drags past the
// board's edges, with the program's invariants checked after every event.
//
//   ARDENIKA_RANDOM_EVENTS  events in all (default 2000), in sessions of 1000 on a fresh window
//   ARDENIKA_RANDOM_SEED    seed of the first session (default 1); session k uses seed + k
#include "window_fixture.h"

#include "app/form.h"
#include "support/random_session.h"

#include <QAction>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

// Far above any handler's real time even under the sanitizers; only a pass that never ends
// or a dialog left open can take this long.
constexpr qint64 event_bound_ms = 2000;

// Closes every modal dialog as soon as its event loop runs, and counts what it closed.
class ModalCloser {
  public:
    ModalCloser() {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
                ++error_boxes;
                last_error = box->text();
                box->accept();
            } else {
                ++help_dialogs;
                dialog->reject();
            }
        });
        timer_.start();
    }

    int error_boxes = 0;
    int help_dialogs = 0;
    QString last_error;

  private:
    QTimer timer_;
};

} // namespace

class RandomUse : public Window {
  protected:
    struct Totals {
        long events = 0;
        int error_boxes = 0;
        int help_dialogs = 0;
        qint64 slowest_ms = 0;
    };

    // One session of random use from program start; stops at the first broken invariant.
    void run_session(unsigned seed, long count, Totals& totals) {
        TearDown();
        SetUp();
        rng_.seed(seed);
        log_.start(seed);
        held_ = false;
        ModalCloser closer;
        closer_ = &closer;
        while (log_.sent() < count && !HasFatalFailure()) random_step();
        ASSERT_FALSE(held_) << log_.context("session end");
        ASSERT_TRUE(form->findChildren<QDialog*>().isEmpty()) << log_.context("session end");
        totals.events += log_.sent();
        totals.error_boxes += closer.error_boxes;
        totals.help_dialogs += closer.help_dialogs;
        totals.slowest_ms = std::max(totals.slowest_ms, slowest_ms_);
        closer_ = nullptr;
    }

  private:
    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    // Anywhere over the board, sub-pixel positions included.
    QPointF over_board() {
        std::uniform_real_distribution<double> d(0.0, static_cast<double>(board_size));
        return QPointF(d(rng_), d(rng_));
    }
    // Anywhere from far before to far past the board, at sub-pixel positions.
    QPointF anywhere() {
        std::uniform_real_distribution<double> d(-300.0, 700.0);
        return QPointF(d(rng_), d(rng_));
    }
    // Clearly past one edge, so releasing there is never taken for a click.
    QPointF off_board() {
        QPointF p = anywhere();
        while (p.x() > -2.0 && p.x() < 403.0 && p.y() > -2.0 && p.y() < 403.0) p = anywhere();
        return p;
    }
    static std::string where(QPointF p) {
        std::ostringstream out;
        out << "(" << p.x() << ", " << p.y() << ")";
        return out.str();
    }

    void random_step() {
        const int pick = uniform(0, 99);
        if (pick < 30) {
            move(uniform(0, 3) == 0 ? anywhere() : over_board());
        } else if (pick < 55) {
            const QPointF at = over_board();
            move(at);
            press(at);
            release(at);
        } else if (pick < 63) {
            // A drag that leaves the board and comes back to it, or ends beyond it.
            press(over_board());
            for (int k = uniform(1, 6); k > 0 && !HasFatalFailure(); --k)
                move(uniform(0, 1) == 0 ? off_board() : anywhere());
            release(uniform(0, 1) == 0 ? off_board() : over_board());
        } else if (pick < 92) {
            std::vector<std::string_view> buttons;
            for (const FormControl& c : form_controls())
                if (form->control<QAbstractButton>(c.name)) buttons.push_back(c.name);
            const std::string_view name =
                buttons[static_cast<std::size_t>(uniform(0, static_cast<int>(buttons.size()) - 1))];
            event("click " + std::string(name), false, [this, name] { click(name); });
        } else if (pick < 99) {
            constexpr std::string_view pictures[] = {"colour_map_item", "equipotentials_item",
                                                     "equipotential_item", "field_lines_item",
                                                     "field_line_item"};
            QAction* a = form->control<QAction>(pictures[uniform(0, 4)]);
            event("menu " + a->text().toStdString(), false, [&] { a->trigger(); });
        } else {
            QAction* a =
                form->control<QAction>(uniform(0, 1) == 0 ? "description_item" : "about_item");
            const int before = closer_->help_dialogs;
            event("menu " + a->text().toStdString(), false, [&] { a->trigger(); });
            if (HasFatalFailure()) return;
            ASSERT_EQ(closer_->help_dialogs, before + 1) << log_.context("help dialog");
            ASSERT_TRUE(form->findChildren<QDialog*>().isEmpty())
                << log_.context("help dialog kept");
        }
    }

    void move(QPointF at) {
        const Qt::MouseButtons buttons = held_ ? Qt::LeftButton : Qt::NoButton;
        event((held_ ? "drag to " : "move to ") + where(at), false,
              [&] { send(QEvent::MouseMove, at, Qt::NoButton, buttons); });
        if (HasFatalFailure()) return;
        // Off the board, with no button held, a pointer is not the board's to read.
        const bool over = at.x() >= 0 && at.x() < 401 && at.y() >= 0 && at.y() < 401;
        if (!held_ && !over) return;
        // The readout and the hint follow the pointer, read at the nearest board pixel.
        const QString hint = form->control<QPushButton>("field_line_tool")->isChecked() ||
                                     form->control<QPushButton>("equipotential_tool")->isChecked()
                                 ? "Kliknij"
                                 : "";
        ASSERT_EQ(board_view()->toolTip(), hint) << log_.context("hint");
        ASSERT_EQ(form->control<QLabel>("x_readout")->text(),
                  QString("X = %1").arg(state().pointer_column - 200))
            << log_.context("X");
        ASSERT_EQ(form->control<QLabel>("y_readout")->text(),
                  QString("Y = %1").arg(200 - state().pointer_row))
            << log_.context("Y");
    }
    void press(QPointF at) {
        event("press at " + where(at), false,
              [&] { send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); });
        held_ = true;
    }
    void release(QPointF at) {
        const bool click_lands =
            held_ && at.x() >= 0.0 && at.x() < 401.0 && at.y() >= 0.0 && at.y() < 401.0;
        const bool adding = form->control<QToolButton>("add_positive_tool")->isChecked() ||
                            form->control<QToolButton>("add_negative_tool")->isChecked();
        const bool fifteenth =
            click_lands && adding &&
            (state().tool_mode == ToolMode::positive || state().tool_mode == ToolMode::negative) &&
            charge_count() == 14;
        event("release at " + where(at), fifteenth,
              [&] { send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton); });
        held_ = false;
    }

    // Runs one event, timed, and checks every invariant after it.
    template <class Action> void event(const std::string& what, bool fifteenth, Action action) {
        log_.add(what);
        const ProgramState before(form->logic());
        const int boxes_before = closer_->error_boxes;

        QElapsedTimer clock;
        clock.start();
        action();
        const qint64 took = clock.elapsed();
        slowest_ms_ = std::max(slowest_ms_, took);
        ASSERT_LT(took, event_bound_ms) << log_.context("too slow");

        const std::string broken =
            broken_invariant(form->logic().board_state().charges, state(), six_down(),
                             form->control<QPushButton>("field_line_tool")->isChecked(),
                             form->control<QPushButton>("equipotential_tool")->isChecked());
        ASSERT_EQ(broken, "") << log_.context(broken);
        const bool shown = closer_->error_boxes != boxes_before;
        ASSERT_EQ(shown, fifteenth) << log_.context("error box");
        if (shown) {
            ASSERT_EQ(closer_->error_boxes, boxes_before + 1) << log_.context("one box");
            ASSERT_EQ(closer_->last_error, QStringLiteral("Maksymalnie 14 ładunków!"));
            ASSERT_TRUE(ProgramState(form->logic()) == before)
                << log_.context("state after the box");
        }
    }

    std::mt19937 rng_;
    EventLog log_;
    bool held_ = false;
    qint64 slowest_ms_ = 0;
    ModalCloser* closer_ = nullptr;
};

TEST_F(RandomUse, EveryEventKeepsTheStateSoundAndEndsInTime) {
    Totals totals;
    const std::string seeds =
        run_sessions(2000, [&](unsigned seed, long count) { run_session(seed, count, totals); });
    std::cout << "random use: " << totals.events << " events, seeds " << seeds << ", "
              << totals.error_boxes << " error boxes, " << totals.help_dialogs
              << " help dialogs, slowest event " << totals.slowest_ms << " ms\n";
    EXPECT_GT(totals.help_dialogs, 0);
}
