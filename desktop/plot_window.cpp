#include "desktop/plot_window.h"

#include "app/form.h"
#include "app/words.h"
#include "desktop/board_picture.h"
#include "desktop/fonts.h"
#include "desktop/measurement_panel.h"
#include "desktop/qt_text.h"

#include <QBuffer>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <utility>

QImage plot_image(const std::string& svg, int scale) {
    QSvgRenderer renderer(QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
    QImage image(plot_width * scale, plot_height * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

PlotView::PlotView(WindowLogic& logic, std::function<void()> changed, QWidget* parent)
    : QWidget(parent), logic_(logic), changed_(std::move(changed)) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlotView::show_picture(const std::string& svg) {
    if (svg == svg_) return;
    svg_ = svg;
    image_ = plot_image(svg_, 1);
    update();
}

void PlotView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2.0));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void PlotView::mouseMoveEvent(QMouseEvent* event) {
    logic_.read_plot_at(event->position().x());
    changed_();
}

void PlotView::keyPressEvent(QKeyEvent* event) {
    const int step = event->modifiers().testFlag(Qt::ShiftModifier) ? 10 : 1;
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
        logic_.step_plot_reading(event->key() == Qt::Key_Left ? -step : step);
        changed_();
        return;
    }
    QWidget::keyPressEvent(event);
}

QPoint plot_place(const QRect& main_frame, const QRect& panel_frame, QSize frame,
                  const QRect& screen) {
    constexpr int gap = 8;
    const QPoint candidates[] = {
        {panel_frame.right() + 1 + gap, panel_frame.top()},
        {main_frame.left() - gap - frame.width(), main_frame.top()},
        {panel_frame.left(), panel_frame.bottom() + 1 + gap},
        {panel_frame.left(), panel_frame.top() - gap - frame.height()},
    };
    for (const QPoint at : candidates) {
        const QRect r(at, frame);
        if (screen.contains(r) && !r.intersects(main_frame) && !r.intersects(panel_frame))
            return at;
    }
    return {screen.right() + 1 - frame.width(), screen.bottom() + 1 - frame.height()};
}

PlotWindow::PlotWindow(WindowLogic& logic, Screen& screen, QWidget* main_window, QWidget* beside,
                       std::function<void()> changed)
    : QWidget(beside, Qt::Tool), logic_(logic), screen_(screen), main_window_(main_window),
      beside_(beside), changed_(std::move(changed)) {
    build();
    summary_timer_.setSingleShot(true);
    QObject::connect(&summary_timer_, &QTimer::timeout, this, [this] { show_summary(); });
    choose_target = [this](const QString& title, const QStringList& types, const QString& name) {
        return ask_save_target(this, title, types, name, false);
    };
}

void PlotWindow::build() {
    for (const FormControl& c : plot_controls()) {
        const QString caption = qt_text(c.caption);
        if (c.kind == FormControlKind::window) {
            dress_tool_window(*this, c);
            widgets_.add(c.name, this);
            continue;
        }
        QWidget* w = nullptr;
        if (c.kind == FormControlKind::plot) {
            w = new PlotView(logic_, changed_, this);
        } else if (c.kind == FormControlKind::label) {
            auto* l = new QLabel(caption, this);
            l->setWordWrap(true);
            l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            w = l;
        } else {
            w = make_form_button(c, this);
        }
        widgets_.place(w, c);
        // The reading and the summary keep their box; the summary wraps inside it.
        if (c.kind == FormControlKind::label) w->setFixedSize(c.width, c.height);
    }
    const std::pair<const char*, void (PlotWindow::*)()> buttons[] = {
        {"copy_plot_button", &PlotWindow::copy_plot},
        {"save_plot_button", &PlotWindow::save_plot},
        {"copy_samples_button", &PlotWindow::copy_samples},
        {"save_samples_button", &PlotWindow::save_samples},
    };
    for (const auto& [name, handler] : buttons)
        QObject::connect(control<QPushButton>(name), &QPushButton::clicked, this,
                         [this, handler = handler] { (this->*handler)(); });
}

void PlotWindow::mirror() {
    if (!logic_.plot_open()) {
        if (isVisible()) hide();
        return;
    }
    control<PlotView>("line_plot")->show_picture(logic_.plot_picture());
    auto* reading = control<QLabel>("plot_reading");
    const QString read = qt_text(logic_.panel_text("plot_reading"));
    if (reading->text() != read) reading->setText(read);
    // What is said of the plot follows a dragged charge at most once a second, so that a screen
    // reader finishes a sentence before the next; the last one always shows.
    summary_due_ = qt_text(logic_.panel_text("plot_summary"));
    const qint64 wait = summary_clock_.isValid() ? 1000 - summary_clock_.elapsed() : 0;
    if (wait <= 0)
        show_summary();
    else if (!summary_timer_.isActive())
        summary_timer_.start(static_cast<int>(wait));
    if (isVisible()) return;
    if (!placed_) {
        const QScreen* screen = beside_->screen();
        move(plot_place(main_window_->frameGeometry(), beside_->frameGeometry(),
                        frameGeometry().size(),
                        screen != nullptr ? screen->availableGeometry() : QRect()));
        placed_ = true;
    }
    show();
}

void PlotWindow::show_summary() {
    auto* label = control<QLabel>("plot_summary");
    if (label->text() == summary_due_) return;
    label->setText(summary_due_);
    summary_clock_.start();
}

void PlotWindow::copy_plot() {
    const std::string svg = logic_.plot_picture();
    auto* mime = new QMimeData;
    mime->setImageData(plot_image(svg, 1));
    mime->setData(QStringLiteral("image/svg+xml"),
                  QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
    QGuiApplication::clipboard()->setMimeData(mime);
    screen_.announce(logic_.words().plot_copied);
}

void PlotWindow::save_plot() {
    const Words& w = logic_.words();
    const QStringList types{qt_text(w.svg_files), qt_text(w.png_files_1x), qt_text(w.png_files_2x)};
    const auto target = choose_target(qt_text(w.save_plot), types, qt_text(w.plot_file_name));
    if (!target) return;
    const std::string svg = logic_.plot_picture();
    QByteArray bytes(svg.data(), static_cast<qsizetype>(svg.size()));
    QString path = target->first;
    if (target->second >= 1) {
        QImage image = plot_image(svg, target->second == 2 ? 2 : 1);
        bytes.clear();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        if (path.endsWith(QStringLiteral(".svg"))) path.chop(4);
        if (!path.endsWith(QStringLiteral(".png"))) path += QStringLiteral(".png");
    } else if (!path.endsWith(QStringLiteral(".svg"))) {
        path += QStringLiteral(".svg");
    }
    save(path, bytes);
}

void PlotWindow::copy_samples() {
    QGuiApplication::clipboard()->setText(qt_text(logic_.plot_samples_text()));
    screen_.announce(logic_.words().samples_copied);
}

void PlotWindow::save_samples() {
    const Words& w = logic_.words();
    const auto target =
        choose_target(qt_text(w.save_table), {qt_text(w.csv_files)}, qt_text(w.samples_file_name));
    if (!target) return;
    const std::string csv = logic_.plot_samples_csv();
    save(target->first, QByteArray(csv.data(), static_cast<qsizetype>(csv.size())));
}

void PlotWindow::save(const QString& path, const QByteArray& bytes) {
    const std::optional<QString> failure = save_file(path, bytes);
    if (!failure) return;
    screen_.show_error(
        fill(logic_.words().save_failed,
             {QDir::toNativeSeparators(path).toStdString(), failure->toStdString()}));
}

void PlotWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (logic_.plot_open()) act([this] { logic_.toggle_plot(); });
}
