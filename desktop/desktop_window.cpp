#include "desktop/desktop_window.h"

#include "app/form.h"
#include "app/glyphs.h"
#include "app/words.h"
#include "desktop/board_picture.h"
#include "desktop/board_view.h"
#include "desktop/fonts.h"
#include "desktop/glyph_icon.h"
#include "desktop/help_dialogs.h"
#include "desktop/language_setting.h"
#include "desktop/measurement_panel.h"
#include "desktop/plot_window.h"
#include "desktop/polish_qt.h"
#include "desktop/qt_text.h"

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDropEvent>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleHints>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cmath>

namespace {

// A group box whose caption is set into the top edge of its frame, as the panel is laid out for.
class PanelGroup final : public QGroupBox {
  public:
    PanelGroup(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const int middle = fontMetrics().height() / 2;
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(0, middle, width() - 1, height() - middle - 1);
        p.setPen(palette().color(QPalette::Light));
        p.drawRect(1, middle + 1, width() - 3, height() - middle - 3);
        const QString text = title();
        const QRect caption(8, 0, fontMetrics().horizontalAdvance(text) + 2,
                            fontMetrics().height());
        p.fillRect(caption, palette().color(QPalette::Window));
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(caption, Qt::AlignCenter, text);
    }
};

} // namespace

DesktopWindow::DesktopWindow(QWidget* parent) : QMainWindow(parent) {
    const FormControl& form = form_controls().front();
    setWindowTitle(qt_text(form.caption));
    // Fixed size: it can be minimised but neither resized nor maximised.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(control_font(form.font));
    logic_ = std::make_unique<WindowLogic>(*this);
    const QStyleHints* hints = QGuiApplication::styleHints();
    logic_->set_double_click_rule({static_cast<double>(hints->mouseDoubleClickInterval()),
                                   static_cast<double>(hints->mouseDoubleClickDistance()),
                                   static_cast<double>(hints->touchDoubleTapDistance())});
    build_layout();
    build_menu();
    connect_handlers();
    picture_commands_ = new PictureCommands(*logic_, board_view_, *this, [this] { mirror(); });
    panel_ = new MeasurementPanel(*logic_, *this, this, [this] { mirror(); });
    // "Pomiary" by its key closes the panel from inside it too.
    panel_->addAction(control<QAction>("measurements_item"));
    plot_window_ = new PlotWindow(*logic_, *this, this, panel_, [this] { mirror(); });
    plot_window_->addAction(control<QAction>("measurements_item"));
    build_history_actions();
    // The language chosen last; the window is built in Polish and keeps its size in any.
    if (const Language language = remembered_language(); language != logic_->language())
        logic_->set_language(language);
    setAcceptDrops(true);
    // The menu bar's height is known only now: the whole window takes one size, and a window
    // manager lets nobody drag it larger.
    setFixedSize(sizeHint());
    centre_on_screen();
    show();
    // Shown, the window knows its frame, which may move the centre by a pixel or two.
    centre_on_screen();
    apply_glyphs();
    mirror();
    board_view_->update();
    qApp->installEventFilter(this);
}

DesktopWindow::~DesktopWindow() {
    qApp->removeEventFilter(this);
    // Gone before the logic its controls forward to, which the members take with them.
    delete panel_; // the plot window with it
    panel_ = nullptr;
    plot_window_ = nullptr;
}

void DesktopWindow::build_layout() {
    // Every control from the form's table, each in its parent at its place, named by its form
    // name; those a user reaches with Tab in the table's order.
    for (const FormControl& c : form_controls()) {
        const QString caption = qt_text(c.caption);
        QWidget* parent = control<QWidget>(c.parent);
        QWidget* w = nullptr;
        switch (c.kind) {
        case FormControlKind::window: {
            auto* client = new QWidget(this);
            client->setFixedSize(c.width, c.height);
            QPalette face = client->palette();
            face.setColor(QPalette::Window, face.color(QPalette::Button));
            client->setPalette(face);
            client->setAutoFillBackground(true);
            setCentralWidget(client);
            widgets_.add(c.name, client);
            continue;
        }
        case FormControlKind::group_box:
            w = new PanelGroup(caption, parent);
            w->setAccessibleName(caption.trimmed());
            break;
        case FormControlKind::label: {
            auto* l = new QLabel(caption, parent);
            l->move(c.left, c.top);
            l->setMinimumWidth(c.width);
            readout_.push_back(l);
            w = l;
            break;
        }
        case FormControlKind::progress_bar: {
            auto* bar = new QProgressBar(parent);
            bar->setRange(0, progress_start_max);
            bar->setValue(0);
            bar->setTextVisible(false);
            progress_bar_ = bar;
            w = bar;
            break;
        }
        case FormControlKind::tool_button: {
            auto* b = new QToolButton(parent);
            b->setCheckable(true);
            b->setAutoRaise(false);
            b->setIconSize(QSize(c.width - 4, c.height - 4));
            w = b;
            break;
        }
        case FormControlKind::push_button:
        case FormControlKind::toggle_button:
            w = make_form_button(c, parent);
            break;
        case FormControlKind::board:
            board_view_ =
                new BoardView([this]() -> const Canvas& { return logic_->shown_board(); }, parent);
            w = board_view_;
            break;
        case FormControlKind::choice:
        case FormControlKind::table:
        case FormControlKind::plot:
            continue; // only the measurement panel has these
        }
        // The window opens with the focus on the first stop, not on the board, which would show
        // its cursor to someone who came with the mouse.
        if (widgets_.place(w, c)) w->setFocus();
    }
}

void DesktopWindow::build_menu() {
    // The language items show which one is chosen, one at a time.
    auto* languages_shown = new QActionGroup(this);
    for (const MenuItem& item : menu_items()) {
        const QString caption = qt_text(item.caption);
        QObject* made = nullptr;
        if (item.submenu) {
            made = menuBar()->addMenu(caption);
        } else if (item.parent.empty()) {
            made = menuBar()->addAction(caption);
        } else {
            made = control<QMenu>(item.parent)->addAction(caption);
        }
        made->setObjectName(qt_text(item.name));
        if (auto* action = qobject_cast<QAction*>(made); action && !item.shortcut.empty())
            action->setShortcut(QKeySequence(qt_text(item.shortcut)));
        widgets_.add(item.name, made);
        for (const Language language : languages)
            if (WindowLogic::language_item(language) == item.name) {
                auto* action = static_cast<QAction*>(made);
                action->setCheckable(true);
                action->setChecked(language == logic_->language());
                languages_shown->addAction(action);
            }
    }
}

void DesktopWindow::language_changed() {
    // Called while the window is built, the words are shown once it is.
    if (undo_action_ == nullptr) return;
    remember_language(logic_->language());
    install_qt_texts(*qApp, logic_->words().code);
    show_words();
    mirror();
}

void DesktopWindow::show_words() {
    const Language language = logic_->language();
    for (const FormControl& c : form_controls()) {
        const FormWords w = form_texts(c, language);
        if (c.kind == FormControlKind::window) {
            setWindowTitle(qt_text(w.caption));
            continue;
        }
        auto* widget = control<QWidget>(c.name);
        if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            group->setTitle(qt_text(w.caption));
            group->setAccessibleName(qt_text(w.caption).trimmed());
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            button->setText(qt_text(w.caption));
        }
        widget->setToolTip(qt_text(w.hint));
        if (!w.accessible_name.empty() || c.kind != FormControlKind::group_box)
            widget->setAccessibleName(qt_text(w.accessible_name));
    }
    for (const MenuItem& item : menu_items()) {
        const QString caption = qt_text(form_texts(item, language).caption);
        if (auto* menu = control<QMenu>(item.name))
            menu->setTitle(caption);
        else if (auto* action = control<QAction>(item.name))
            action->setText(caption);
        if (WindowLogic::language_item(language) == item.name)
            control<QAction>(item.name)->setChecked(true);
    }
    undo_action_->setText(qt_text(logic_->words().undo));
    redo_action_->setText(qt_text(logic_->words().redo));
    picture_commands_->show_words();
    if (panel_) show_table_words(*panel_, panel_controls(), language);
    if (plot_window_) show_table_words(*plot_window_, plot_controls(), language);
}

void DesktopWindow::centre_on_screen() {
    if (QScreen* screen = QApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

std::array<QAbstractButton*, toggle_count> DesktopWindow::toggles() const {
    std::array<QAbstractButton*, toggle_count> buttons{};
    for (int i = 0; i < toggle_count; ++i)
        buttons[static_cast<std::size_t>(i)] = control<QAbstractButton>(toggle_names[i]);
    return buttons;
}

void DesktopWindow::connect_handlers() {
    // Every control goes to the logic by its form name; the window then shows what the logic
    // made of it.
    for (const auto& [name, object] : widgets_.all()) {
        auto forward = [this, name = name] {
            logic_->click(name);
            mirror();
        };
        if (auto* button = qobject_cast<QAbstractButton*>(object))
            connect(button, &QAbstractButton::clicked, this, forward);
        else if (auto* item = qobject_cast<QAction*>(object))
            connect(item, &QAction::triggered, this, forward);
    }
    board_view_->on_pointer = [this](BoardView::PointerPhase phase, const PointerEvent& e) {
        switch (phase) {
        case BoardView::PointerPhase::pressed:
            logic_->pointer_pressed(e);
            break;
        case BoardView::PointerPhase::moved:
            logic_->pointer_moved(e);
            if (logic_->dragging()) board_view_->update();
            break;
        case BoardView::PointerPhase::released:
            logic_->pointer_released(e);
            break;
        }
        mirror();
    };
    // A dragged charge's moves only note where it is wanted; its board is redrawn as the view
    // paints, so a burst of moves between two frames costs one redraw.
    board_view_->on_frame = [this] {
        if (logic_->frame()) mirror();
    };
    board_view_->on_key = [this](BoardKey key, bool shift, bool repeat) {
        logic_->board_key(key, shift, repeat);
        mirror();
    };
}

void DesktopWindow::build_history_actions() {
    undo_action_ = new QAction(qt_text(logic_->words().undo), this);
    undo_action_->setShortcuts(QKeySequence::Undo);
    // Ctrl+Y and Ctrl+Shift+Z both, whichever the desktop names Redo; a key listed twice would
    // make the shortcut ambiguous and do nothing.
    QList<QKeySequence> redo_keys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence& key :
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)})
        if (!redo_keys.contains(key)) redo_keys << key;
    redo_action_ = new QAction(qt_text(logic_->words().redo), this);
    redo_action_->setShortcuts(redo_keys);
    connect(undo_action_, &QAction::triggered, this, [this] {
        logic_->undo();
        mirror();
    });
    connect(redo_action_, &QAction::triggered, this, [this] {
        logic_->redo();
        mirror();
    });
    auto* line = new QAction(this);
    line->setSeparator(true);
    board_view_->addActions({line, undo_action_, redo_action_});
    addActions({undo_action_, redo_action_});
}

void DesktopWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!may_hold_board(*event->mimeData()) || !(event->possibleActions() & Qt::CopyAction))
        return event->ignore();
    // Only ever a copy: a file manager deletes a file whose move was accepted.
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void DesktopWindow::dragMoveEvent(QDragMoveEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void DesktopWindow::dropEvent(QDropEvent* event) {
    const std::optional<BoardSource> source = board_source(*event->mimeData());
    if (!source || !(event->possibleActions() & Qt::CopyAction)) return event->ignore();
    event->setDropAction(Qt::CopyAction);
    event->accept();
    // Opened after the drop has ended: an error box inside it would hold the program the drag
    // came from until the box is closed.
    QTimer::singleShot(0, this,
                       [this, opened = *source] { picture_commands_->open_source(opened); });
}

bool DesktopWindow::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if ((type == QEvent::MouseButtonPress || type == QEvent::TouchBegin) &&
        watched != board_view_ && watched->isWidgetType() &&
        (static_cast<QWidget*>(watched)->window() == this ||
         static_cast<QWidget*>(watched)->window() == panel_ ||
         static_cast<QWidget*>(watched)->window() == plot_window_))
        logic_->pressed_elsewhere();
    return QMainWindow::eventFilter(watched, event);
}

void DesktopWindow::mirror() {
    const auto buttons = toggles();
    for (int i = 0; i < toggle_count; ++i)
        buttons[static_cast<std::size_t>(i)]->setChecked(logic_->down(static_cast<Toggle>(i)));
    const auto& texts = logic_->labels();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const QString text = qt_text(texts[i]);
        if (readout_[i]->text() == text) continue;
        readout_[i]->setText(text);
        readout_[i]->adjustSize();
    }
    board_view_->setToolTip(logic_->board_tooltip() ? qt_text(logic_->words().board_hint)
                                                    : QString());
    board_view_->show_cursor(QPoint(logic_->cursor()[0], logic_->cursor()[1]));
    constexpr Qt::CursorShape shapes[] = {Qt::ArrowCursor, Qt::OpenHandCursor,
                                          Qt::ClosedHandCursor};
    const Qt::CursorShape shape = shapes[static_cast<int>(logic_->pointer_shape())];
    if (board_view_->cursor().shape() != shape) board_view_->setCursor(shape);
    undo_action_->setEnabled(logic_->can_undo());
    redo_action_->setEnabled(logic_->can_redo());
    if (panel_) panel_->mirror();
    if (plot_window_) plot_window_->mirror();
}

void DesktopWindow::keyPressEvent(QKeyEvent* event) {
    // Escape puts back a charge being dragged, wherever the focus is.
    if (event->key() == Qt::Key_Escape && logic_->dragging()) {
        logic_->board_key(BoardKey::escape, false);
        mirror();
        return;
    }
    // Buttons answer Space themselves; Enter, which they pass up, presses the focused one too.
    auto* button = qobject_cast<QAbstractButton*>(focusWidget());
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && button != nullptr &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && !event->isAutoRepeat()) {
        button->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void DesktopWindow::apply_glyphs() {
    const auto buttons = toggles();
    for (const GlyphImage& glyph : glyph_images(palette().color(QPalette::Button).rgb())) {
        QAbstractButton* button = buttons[static_cast<std::size_t>(glyph.button)];
        const QImage image(reinterpret_cast<const uchar*>(glyph.argb.data()), glyph.width,
                           glyph.height, glyph.width * 4, QImage::Format_ARGB32);
        button->setIcon(crisp_glyph_icon(image.copy()));
        button->setIconSize(QSize(glyph.width, glyph.height));
    }
}

void DesktopWindow::board_changed() {
    if (board_view_ && !board_view_->painting()) board_view_->update();
}

void DesktopWindow::open_description() {
    show_description(this, logic_->words().code);
}

void DesktopWindow::open_about() {
    show_about(this, logic_->words().code);
}

void DesktopWindow::announce(std::string_view phrase) {
    // The board describes what it shows, and tells screen readers that the description changed.
    board_view_->setAccessibleDescription(qt_text(phrase));
    QAccessibleEvent changed(board_view_, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void DesktopWindow::end_program() {
    QCoreApplication::exit(0);
}

void DesktopWindow::show_error(std::string_view text) {
    QMessageBox box(QMessageBox::Critical, windowTitle(), qt_text(text), QMessageBox::Ok, this);
    box.exec();
}

void DesktopWindow::progress_set_position(int position) {
    // A position is set at the start and at the end of a pass: the bar paints normally again.
    progress_bar_->setUpdatesEnabled(true);
    progress_bar_->setValue(position);
}

void DesktopWindow::progress_set_max(int max) {
    progress_bar_->setMaximum(max);
    // During the pass the bar would repaint itself on every visible change; it is painted from
    // repaint_progress_when_due instead.
    progress_bar_->setUpdatesEnabled(false);
    progress_clock_.start();
    progress_painted_at_ = 0;
}

void DesktopWindow::progress_step() {
    progress_bar_->setValue(std::min(progress_bar_->value() + 1, progress_bar_->maximum()));
    repaint_progress_when_due();
}

void DesktopWindow::repaint_progress_when_due() {
    // The computation holds the event loop, so the bar is painted here directly, about once a
    // frame, without taking any pending input.
    constexpr qint64 frame_ms = 16;
    if (!progress_clock_.isValid()) progress_clock_.start();
    const qint64 now = progress_clock_.elapsed();
    if (now - progress_painted_at_ >= frame_ms) {
        progress_painted_at_ = now;
        const bool held = !progress_bar_->updatesEnabled();
        progress_bar_->setUpdatesEnabled(true);
        progress_bar_->repaint();
        progress_bar_->setUpdatesEnabled(!held);
    }
}
