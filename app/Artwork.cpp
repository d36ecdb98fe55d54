#include "app/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>

namespace voxtrel::Artwork {

namespace {

// An image of width x height drawn at ratio: that many device pixels per pixel, with the ratio
// set on it so that a painter on it draws in pixels.
QImage AtRatio(int width, int height, qreal ratio, QImage::Format format) {
    QImage img(qRound(width * ratio), qRound(height * ratio), format);
    img.setDevicePixelRatio(ratio);
    return img;
}

} // namespace

QImage Banner(int width, int height, qreal ratio) {
    QImage img = AtRatio(width, height, ratio, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Dark green behind the white title, light from where the name is written on it, at
    // BannerLightFrom, to the end, however wide the banner grows.
    QLinearGradient g(0, 0, width, 0);
    const auto at = [width](int x) { return std::clamp(double(x) / width, 0.0, 1.0); };
    g.setColorAt(0, QColor(18, 70, 38));
    g.setColorAt(at(BannerLightFrom - 130), QColor(40, 128, 64));
    g.setColorAt(at(BannerLightFrom), QColor(196, 226, 204));
    g.setColorAt(1, QColor(232, 244, 236));
    p.fillRect(QRect(0, 0, width, height), g);
    // Mown stripes.
    for (int x = -height; x < width; x += 28) {
        QPainterPath stripe;
        stripe.moveTo(x, height);
        stripe.lineTo(x + 14, height);
        stripe.lineTo(x + 14 + height, 0);
        stripe.lineTo(x + height, 0);
        p.fillPath(stripe, QColor(255, 255, 255, 18));
    }
    p.setPen(QPen(QColor(255, 255, 255, 200), 2));
    p.drawLine(0, height - 3, width, height - 3);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(height / 2);
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(f);
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRect(12, 0, width / 2, height), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("VOXTREL"));
    return img;
}

QImage Pitch(int width, int height, qreal ratio) {
    QImage img = AtRatio(width, height, ratio, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 8; ++i) {
        p.fillRect(QRectF(i * width / 8.0, 0, width / 8.0 + 1, height),
                   i % 2 ? QColor(52, 140, 70) : QColor(62, 156, 80));
    }
    QPen line(QColor(245, 250, 245), 2);
    p.setPen(line);
    p.setBrush(Qt::NoBrush);
    const QRectF field(10, 10, width - 20, height - 20);
    p.drawRect(field);
    p.drawLine(QPointF(field.center().x(), field.top()),
               QPointF(field.center().x(), field.bottom()));
    p.drawEllipse(field.center(), height / 6.0, height / 6.0);
    const double boxH = field.height() * 0.55;
    const double boxW = field.width() * 0.14;
    p.drawRect(QRectF(field.left(), field.center().y() - boxH / 2, boxW, boxH));
    p.drawRect(QRectF(field.right() - boxW, field.center().y() - boxH / 2, boxW, boxH));
    // A speech bubble: the commentary that speaks the names.
    const QRectF bubble(field.center().x() + 18, field.top() + 12, 76, 34);
    p.setBrush(QColor(255, 255, 255, 235));
    p.setPen(QPen(QColor(30, 60, 40), 1.5));
    p.drawRoundedRect(bubble, 10, 10);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(16);
    f.setBold(true);
    p.setFont(f);
    p.drawText(bubble, Qt::AlignCenter, QStringLiteral("GOAL!"));
    // The ball.
    QRadialGradient ball(field.center() - QPointF(3, 3), 9);
    ball.setColorAt(0, Qt::white);
    ball.setColorAt(1, QColor(200, 200, 200));
    p.setBrush(ball);
    p.setPen(QPen(Qt::black, 1));
    p.drawEllipse(field.center(), 7, 7);
    return img;
}

QImage AppIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setBrush(QColor(40, 128, 64));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(10, 12, 44, 28), 8, 8);
    QPolygonF tail;
    tail << QPointF(20, 38) << QPointF(18, 50) << QPointF(30, 39);
    p.drawPolygon(tail);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(20);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(18, 70, 38));
    p.drawText(QRectF(10, 12, 44, 28), Qt::AlignCenter, QStringLiteral("Ab"));
    return img;
}

QImage HandPointer() {
    // A pointing hand, index finger up, black outline on white.
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    hand.moveTo(10, 2);
    hand.cubicTo(8, 2, 8, 4, 8, 5);
    hand.lineTo(8, 16);
    hand.lineTo(6, 14);
    hand.cubicTo(4, 12, 1, 14, 3, 17);
    hand.lineTo(9, 26);
    hand.cubicTo(10, 28, 12, 29, 14, 29);
    hand.lineTo(21, 29);
    hand.cubicTo(24, 29, 25, 27, 25, 24);
    hand.lineTo(25, 15);
    hand.cubicTo(25, 13, 22, 13, 22, 15);
    hand.cubicTo(22, 12, 19, 12, 19, 14);
    hand.cubicTo(19, 11, 16, 11, 16, 13);
    hand.lineTo(12, 13);
    hand.lineTo(12, 5);
    hand.cubicTo(12, 4, 12, 2, 10, 2);
    p.setBrush(Qt::white);
    p.setPen(QPen(Qt::black, 1.2));
    p.drawPath(hand);
    p.drawLine(QPointF(16, 13), QPointF(16, 19));
    p.drawLine(QPointF(19, 14), QPointF(19, 19));
    p.drawLine(QPointF(22, 15), QPointF(22, 19));
    return img;
}

QPoint HandHotSpot() {
    return {10, 2};
}

} // namespace voxtrel::Artwork
