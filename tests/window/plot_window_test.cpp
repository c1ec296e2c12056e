// "Wykres wzdłuż odcinka": the plot's window beside the panel, read by the pointer and the
// keys, copied and saved.
#include "window_fixture.h"

#include "desktop/measurement_panel.h"
#include "desktop/plot_window.h"

#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>

class PlotShown : public Window {
  protected:
    void SetUp() override {
        Window::SetUp();
        ASSERT_TRUE(form->logic().open_setup("v1;p80,0;n-80,0;mA40,0;mB-40,0"));
        form->control<QAction>("measurements_item")->trigger();
        QTest::mouseClick(form->panel().control<QPushButton>("plot_button"), Qt::LeftButton);
    }
    PlotWindow& plot() const { return form->plot_window(); }
    QString label(const char* name) const { return plot().control<QLabel>(name)->text(); }
};

TEST_F(PlotShown, OpensBesideThePanelAndIsReadByPointerAndKeys) {
    ASSERT_TRUE(plot().isVisible());
    EXPECT_TRUE(plot().windowFlags().testFlag(Qt::Tool));
    EXPECT_TRUE(label("plot_summary").contains(QStringLiteral("V = 0 przy s = 40,00.")));
    auto* view = plot().control<QWidget>("line_plot");
    QTest::mouseMove(view, QPoint(static_cast<int>((plot_left_edge + plot_right_edge) / 2), 100));
    EXPECT_EQ(label("plot_reading"), QStringLiteral("s = 40,00, V = 0,000, E∥ = 3,1250"));
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_TRUE(label("plot_reading").startsWith(QStringLiteral("s = 50,00,")));
    // What is shown is the logic's picture, drawn one to one.
    EXPECT_EQ(view->grab().toImage().convertToFormat(QImage::Format_RGB32).pixel(0, 0),
              plot_image(form->logic().plot_picture(), 1).pixel(0, 0));
    plot().close();
    EXPECT_FALSE(form->logic().plot_open());
}

TEST(PlotPlace, BesideThePanelOrTheWindowCoveringNeither) {
    const QRect screen(0, 0, 1920, 1080);
    const QSize plot(490, 470);
    struct Case {
        QRect main, panel;
        QPoint want;
    };
    for (const Case& c : {Case{{100, 100, 650, 480}, {758, 100, 490, 590}, {1256, 100}},
                          Case{{700, 100, 650, 480}, {1358, 100, 490, 590}, {202, 100}},
                          Case{{0, 0, 650, 480}, {658, 0, 490, 590}, {1156, 0}},
                          Case{{0, 0, 1000, 480}, {1010, 0, 900, 500}, {1010, 508}},
                          Case{{0, 0, 1900, 1000}, {0, 0, 10, 10}, {1430, 610}}})
        EXPECT_EQ(plot_place(c.main, c.panel, plot, screen), c.want) << c.want.x();
}

TEST_F(PlotShown, CopiesAndSavesThePictureAndTheSamples) {
    plot().copy_plot();
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    const std::string svg = form->logic().plot_picture();
    EXPECT_EQ(copied->data(QStringLiteral("image/svg+xml")),
              QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
    EXPECT_EQ(qvariant_cast<QImage>(copied->imageData()).size(), QSize(plot_width, plot_height));
    plot().copy_samples();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
              form->logic().plot_samples_text());

    QTemporaryDir dir;
    struct Case {
        int type;
        const char* name;
        const char* saved;
        QSize png;
    };
    for (const Case& c : {Case{0, "w", "w.svg", {}}, Case{1, "w1.png", "w1.png", {464, 300}},
                          Case{2, "w2", "w2.png", {928, 600}}}) {
        plot().choose_target = [&](const QString&, const QStringList&, const QString&) {
            return std::optional(std::pair{dir.filePath(QString::fromLatin1(c.name)), c.type});
        };
        plot().save_plot();
        QFile file(dir.filePath(QString::fromLatin1(c.saved)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.saved;
        const QByteArray bytes = file.readAll();
        if (c.png.isEmpty())
            EXPECT_EQ(bytes.toStdString(), svg);
        else
            EXPECT_EQ(QImage::fromData(bytes, "PNG").size(), c.png) << c.saved;
    }
}
