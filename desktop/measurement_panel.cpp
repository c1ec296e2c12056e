#include "desktop/measurement_panel.h"

#include "app/form.h"
#include "app/words.h"
#include "desktop/board_picture.h"
#include "desktop/fonts.h"
#include "desktop/qt_text.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTableWidget>
#include <algorithm>
#include <utility>

namespace {

// The room left between the two windows.
constexpr int window_gap = 8;

QStringList qt_texts(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& t : texts) list << qt_text(t);
    return list;
}

} // namespace

void show_table_words(QWidget& window, std::span<const FormControl> table, Language language) {
    for (const FormControl& c : table) {
        const FormWords w = form_texts(c, language);
        if (c.kind == FormControlKind::window) {
            window.setWindowTitle(qt_text(w.caption));
            continue;
        }
        auto* widget = window.findChild<QWidget*>(qt_text(c.name));
        if (widget == nullptr) continue;
        if (auto* button = qobject_cast<QPushButton*>(widget))
            button->setText(qt_text(w.caption));
        else if (auto* label = qobject_cast<QLabel*>(widget); label && !c.caption.empty())
            label->setText(qt_text(w.caption));
        widget->setToolTip(qt_text(w.hint));
        widget->setAccessibleName(qt_text(w.accessible_name));
    }
}

void dress_tool_window(QWidget& window, const FormControl& entry) {
    window.setObjectName(qt_text(entry.name));
    window.setWindowTitle(qt_text(entry.caption));
    window.setFixedSize(entry.width, entry.height);
    window.setFont(control_font(entry.font));
    QPalette face = window.palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    window.setPalette(face);
    window.setAutoFillBackground(true);
}

QPoint panel_place(const QRect& main_frame, QSize panel_frame, const QRect& screen) {
    // Moved up or down as far as needed to stay on the screen, never above its top.
    const int top = std::max(
        screen.top(), std::min(main_frame.top(), screen.bottom() + 1 - panel_frame.height()));
    const int right = main_frame.right() + 1 + window_gap;
    if (right + panel_frame.width() <= screen.right() + 1) return {right, top};
    const int left = main_frame.left() - window_gap - panel_frame.width();
    if (left >= screen.left()) return {left, top};
    return {std::max(screen.left(), screen.right() + 1 - panel_frame.width()), top};
}

MeasurementPanel::MeasurementPanel(WindowLogic& logic, Screen& screen, QWidget* main_window,
                                   std::function<void()> changed)
    : QWidget(main_window, Qt::Tool), logic_(logic), screen_(screen), main_window_(main_window),
      changed_(std::move(changed)) {
    build();
    connect_controls();
    choose_csv_target = [this] { return ask_csv_target(this, logic_.words()); };
}

void MeasurementPanel::build() {
    // Every control from the panel's table, in the Tab order of the table, as the main window
    // is built from its own.
    for (const FormControl& c : panel_controls()) {
        const QString caption = qt_text(c.caption);
        if (c.kind == FormControlKind::window) {
            dress_tool_window(*this, c);
            widgets_.add(c.name, this);
            continue;
        }
        QWidget* parent = control<QWidget>(c.parent);
        QWidget* w = nullptr;
        switch (c.kind) {
        case FormControlKind::label:
            w = new QLabel(caption, parent);
            break;
        case FormControlKind::push_button:
        case FormControlKind::toggle_button:
            w = make_form_button(c, parent);
            break;
        case FormControlKind::choice:
            w = new QComboBox(parent);
            break;
        case FormControlKind::table: {
            auto* t = new QTableWidget(parent);
            t->setEditTriggers(QAbstractItemView::NoEditTriggers);
            t->setSelectionBehavior(QAbstractItemView::SelectRows);
            t->setSelectionMode(QAbstractItemView::SingleSelection);
            t->setWordWrap(false);
            t->horizontalHeader()->setHighlightSections(false);
            // Rows as high as the text, so the eight points fit without scrolling.
            t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
            t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 4);
            // A point's letter names its row; a recorded row is named by its number.
            t->verticalHeader()->setVisible(c.name == "recorded_table");
            if (c.name == "recorded_table") t->installEventFilter(this);
            w = t;
            break;
        }
        default:
            continue;
        }
        widgets_.place(w, c);
    }
}

void MeasurementPanel::connect_controls() {
    for (const auto& [name, object] : widgets_.all()) {
        if (auto* button = qobject_cast<QPushButton*>(object)) {
            if (name == "copy_table_button")
                connect(button, &QPushButton::clicked, this, [this] { copy_table(); });
            else if (name == "save_table_button")
                connect(button, &QPushButton::clicked, this, [this] { save_table(); });
            else
                connect(button, &QPushButton::clicked, this,
                        [this, name = name] { act([&] { logic_.click(name); }); });
        } else if (auto* choice = qobject_cast<QComboBox*>(object)) {
            connect(choice, &QComboBox::activated, this,
                    [this, name = name](int index) { act([&] { logic_.choose(name, index); }); });
        }
    }
    connect(control<QTableWidget>("recorded_table"), &QTableWidget::currentCellChanged, this,
            [this](int row) {
                if (row != logic_.selected_recorded_row())
                    act([&] { logic_.select_recorded_row(row); });
            });
    record = new QAction(this);
    record->setShortcut(QKeySequence(qt_text(record_shortcut)));
    connect(record, &QAction::triggered, this,
            [this] { act([&] { logic_.click("record_button"); }); });
    addAction(record);
    main_window_->addAction(record);
}

void MeasurementPanel::mirror() {
    const bool open = logic_.panel_open();
    // Closed, the panel leaves the main window's keys as they were.
    record->setEnabled(open);
    if (!open) {
        if (isVisible()) hide();
        return;
    }
    if (!isVisible()) {
        // Beside the main window's frame, the panel's own taken to be as thick.
        const QRect frame = main_window_->frameGeometry();
        const QSize decoration = frame.size() - main_window_->size();
        const QScreen* screen = main_window_->screen();
        move(panel_place(frame, size() + decoration, screen ? screen->availableGeometry() : frame));
        show();
    }
    for (const FormControl& c : panel_controls()) {
        switch (c.kind) {
        case FormControlKind::label: {
            auto* label = control<QLabel>(c.name);
            const QString text = qt_text(logic_.panel_text(c.name));
            if (label->text() == text) break;
            label->setText(text);
            label->adjustSize();
            break;
        }
        case FormControlKind::toggle_button:
            control<QPushButton>(c.name)->setChecked(logic_.panel_down(c.name));
            break;
        case FormControlKind::choice: {
            auto* choice = control<QComboBox>(c.name);
            const QSignalBlocker quiet(choice);
            const QStringList items = qt_texts(logic_.panel_choices(c.name));
            QStringList shown;
            for (int i = 0; i < choice->count(); ++i) shown << choice->itemText(i);
            if (shown != items) {
                choice->clear();
                choice->addItems(items);
            }
            choice->setCurrentIndex(logic_.panel_chosen(c.name));
            break;
        }
        case FormControlKind::table:
            show_table(c.name);
            break;
        default:
            break;
        }
    }
    const bool rows = !logic_.recorded().empty();
    for (std::string_view name : {"clear_table_button", "copy_table_button", "save_table_button"})
        control<QPushButton>(name)->setEnabled(rows);
    control<QPushButton>("delete_row_button")->setEnabled(logic_.selected_recorded_row() >= 0);
}

void MeasurementPanel::show_table(std::string_view name) {
    auto* table = control<QTableWidget>(name);
    const QSignalBlocker quiet(table);
    TableView view = logic_.panel_table(name);
    TableView& shown = shown_[std::string(name)];
    if (view != shown) {
        const bool grew = view.rows.size() > shown.rows.size();
        if (view.headers != shown.headers) {
            table->setColumnCount(static_cast<int>(view.headers.size()));
            table->setHorizontalHeaderLabels(qt_texts(view.headers));
        }
        table->setRowCount(static_cast<int>(view.rows.size()));
        for (int r = 0; r < table->rowCount(); ++r) {
            const auto& row = view.rows[static_cast<std::size_t>(r)];
            for (int col = 0; col < table->columnCount(); ++col) {
                const QString text = col < static_cast<int>(row.size())
                                         ? qt_text(row[static_cast<std::size_t>(col)])
                                         : QString();
                if (QTableWidgetItem* item = table->item(r, col))
                    item->setText(text);
                else
                    table->setItem(r, col, new QTableWidgetItem(text));
            }
        }
        table->resizeColumnsToContents();
        if (grew) table->scrollToBottom();
        shown = std::move(view);
    }
    if (name != "recorded_table") return;
    const int row = logic_.selected_recorded_row();
    if (table->currentRow() == row) return;
    if (row < 0) {
        table->setCurrentIndex({});
        table->clearSelection();
    } else {
        table->setCurrentCell(row, 0);
        table->selectRow(row);
    }
}

void MeasurementPanel::copy_table() {
    if (logic_.recorded().empty()) {
        screen_.announce(logic_.words().table_empty);
        return;
    }
    QGuiApplication::clipboard()->setText(qt_text(logic_.recorded_table_text()));
    screen_.announce(fill(logic_.words().table_copied, {std::to_string(logic_.recorded().size())}));
}

void MeasurementPanel::save_table() {
    if (logic_.recorded().empty()) {
        screen_.announce(logic_.words().table_empty);
        return;
    }
    const std::optional<QString> path = choose_csv_target();
    if (!path) return;
    const std::string csv = logic_.recorded_table_csv();
    const std::optional<QString> failure =
        save_file(*path, QByteArray(csv.data(), static_cast<qsizetype>(csv.size())));
    if (!failure) return;
    screen_.show_error(
        fill(logic_.words().save_table_failed,
             {QDir::toNativeSeparators(*path).toStdString(), failure->toStdString()}));
}

void MeasurementPanel::closeEvent(QCloseEvent* event) {
    event->accept();
    if (logic_.panel_open()) act([this] { logic_.toggle_measurement_panel(); });
}

void MeasurementPanel::keyPressEvent(QKeyEvent* event) {
    // Enter presses the focused button, as in the main window.
    auto* button = qobject_cast<QAbstractButton*>(focusWidget());
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && button != nullptr && button->isEnabled() &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && !event->isAutoRepeat()) {
        button->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool MeasurementPanel::eventFilter(QObject* watched, QEvent* event) {
    // Ctrl+C in the recorded table copies the whole table, not the one cell a table view would,
    // and no shortcut of the window takes the key first.
    const auto type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::ShortcutOverride) &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) &&
        watched == control<QTableWidget>("recorded_table")) {
        event->accept();
        if (type == QEvent::KeyPress) copy_table();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

std::optional<QString> ask_csv_target(QWidget* parent, const Words& w) {
    const auto target = ask_save_target(parent, qt_text(w.save_table), {qt_text(w.csv_files)},
                                        qt_text(w.csv_file_name), false, QStringLiteral("csv"));
    if (!target) return std::nullopt;
    return target->first;
}
