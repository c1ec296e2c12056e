#include "desktop/glyph_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <cmath>

namespace {

class GlyphIconEngine final : public QIconEngine {
  public:
    explicit GlyphIconEngine(QImage glyph) : glyph_(std::move(glyph)) {}

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        return glyph_.size().scaled(size, Qt::KeepAspectRatio);
    }
    // The icon asks for device pixels: the logical size times the ratio.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return QPixmap::fromImage(nearest_scaled(glyph_, actualSize(size, mode, state)));
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatioF();
        QPixmap pm = pixmap(QSize(static_cast<int>(std::lround(rect.width() * ratio)),
                                  static_cast<int>(std::lround(rect.height() * ratio))),
                            mode, state);
        pm.setDevicePixelRatio(ratio);
        const QSizeF shown = pm.deviceIndependentSize();
        painter->drawPixmap(QPointF(rect.x() + (rect.width() - shown.width()) / 2,
                                    rect.y() + (rect.height() - shown.height()) / 2),
                            pm);
    }
    QIconEngine* clone() const override { return new GlyphIconEngine(glyph_); }
    QString key() const override { return QStringLiteral("ardenika-glyph"); }

  private:
    QImage glyph_;
};

} // namespace

QImage nearest_scaled(const QImage& image, QSize size) {
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    QImage out(size, QImage::Format_ARGB32);
    const qint64 sw = source.width(), sh = source.height();
    const qint64 dw = size.width(), dh = size.height();
    for (qint64 y = 0; y < dh; ++y) {
        // The centre of output pixel y, (y + 1/2) * sh / dh, in whole numbers.
        const auto* in = reinterpret_cast<const QRgb*>(
            source.constScanLine(static_cast<int>((2 * y + 1) * sh / (2 * dh))));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(static_cast<int>(y)));
        for (qint64 x = 0; x < dw; ++x) line[x] = in[(2 * x + 1) * sw / (2 * dw)];
    }
    return out;
}

QIcon crisp_glyph_icon(const QImage& glyph) {
    return QIcon(new GlyphIconEngine(glyph));
}
