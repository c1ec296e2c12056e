#pragma once

#include "app/screen.h"
#include "app/window_logic.h"
#include "desktop/form_widgets.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// The plot along the pair's segment as the logic draws it (SVG), shown one to one; the pointer
// over it and the left and right arrows read it, sample by sample.
class PlotView final : public QWidget {
  public:
    PlotView(WindowLogic& logic, std::function<void()> changed, QWidget* parent);
    // Shows the picture, parsing it only when it changed.
    void show_picture(const std::string& svg);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    WindowLogic& logic_;
    std::function<void()> changed_;
    std::string svg_;
    QImage image_;
};

// Where the plot's frame goes: right of the panel's, left of the main window's, below or above
// the panel's, the first that is on the screen and covers neither window; the screen's
// bottom-right corner where none is.
QPoint plot_place(const QRect& main_frame, const QRect& panel_frame, QSize frame,
                  const QRect& screen);

// The plot's picture rendered at a scale: what is copied and saved as PNG.
QImage plot_image(const std::string& svg, int scale);

// "Wykres wzdłuż odcinka": a tool window of its own, built from the plot's form table, shown
// while the logic has the plot open.
class PlotWindow final : public QWidget {
  public:
    PlotWindow(WindowLogic& logic, Screen& screen, QWidget* main_window, QWidget* beside,
               std::function<void()> changed);

    template <class T = QObject> T* control(std::string_view name) const {
        return widgets_.control<T>(name);
    }

    // Opens, closes and fills the window as the logic has it.
    void mirror();

    void copy_plot();
    void save_plot();
    void copy_samples();
    void save_samples();
    // Asks where to save, with the file types given; the desktop's dialog unless replaced. The
    // chosen path and the index of the type, or nothing when cancelled.
    std::function<std::optional<std::pair<QString, int>>(
        const QString& title, const QStringList& types, const QString& name)>
        choose_target;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void build();
    void save(const QString& path, const QByteArray& bytes);
    void show_summary();
    template <class Call> void act(Call call) {
        call();
        changed_();
    }

    WindowLogic& logic_;
    Screen& screen_;
    QWidget* main_window_;
    QWidget* beside_;
    std::function<void()> changed_;
    FormWidgets widgets_;
    bool placed_ = false;
    QString summary_due_;
    QElapsedTimer summary_clock_;
    QTimer summary_timer_;
};
