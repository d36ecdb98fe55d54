// Writes one PNG contact sheet of Button_XP faces: a row per style (0 to 4), a column per
// state. Usage: button_xp_gallery OUTPUT.png
#include "controls/button_xp/FacePainter.h"
#include "controls/button_xp/SystemColors.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

using namespace voxtrel;

namespace {

// A small bitmap picture: a yellow disc with a dark rim on a magenta (masked) ground.
QImage discPicture() {
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(qRgb(255, 0, 255));
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const int dx = x - 8, dy = y - 8, d2 = dx * dx + dy * dy;
            if (d2 < 36) {
                img.setPixel(x, y, qRgb(250, 200, 40));
            } else if (d2 < 56) {
                img.setPixel(x, y, qRgb(120, 70, 0));
            }
        }
    }
    return img;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: button_xp_gallery OUTPUT.png\n");
        return 2;
    }
    const QStringList columns = {"design", "rest", "hover", "pressed", "focused", "disabled", "picture", "picture only"};
    const int cellW = 130, cellH = 46, bw = 116, bh = 30, left = 60, top = 24;
    QImage sheet(left + cellW * int(columns.size()), top + cellH * 5, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    p.setFont(QFont("Liberation Sans", 8));
    for (int c = 0; c < columns.size(); ++c) {
        p.drawText(QRect(left + c * cellW, 4, cellW, 16), Qt::AlignCenter, columns[c]);
    }
    const PictureRef picture = ButtonPicture::fromImage(discPicture());
    for (int style = 0; style < 5; ++style) {
        p.drawText(QRect(4, top + style * cellH, left - 8, cellH), Qt::AlignVCenter | Qt::AlignLeft,
                   QStringLiteral("style %1").arg(style));
        for (int c = 0; c < columns.size(); ++c) {
            FaceState s;
            s.W = bw;
            s.H = bh;
            s.ButtonStyle = style;
            s.Caption = QStringLiteral("&Quick Save");
            s.Font = QFont("Liberation Sans", 8);
            s.PictureWidth = s.PictureHeight = 16;
            s.MaskColor = 0x00FF00FF;
            const QString& col = columns[c];
            s.UserMode = col != "design";
            s.IsMouseOver = col == "hover" || col == "pressed";
            s.IsPressed = col == "pressed";
            s.HasFocus = col == "focused";
            s.Enabled = col != "disabled";
            if (col.startsWith("picture")) {
                s.CurrentPicture = picture;
                s.IsMouseOver = true; // hovered, to show the lift and silhouette of style 2
            }
            if (col == "picture only") {
                s.Caption.clear();
            }
            FaceMemory m;
            m.SurfaceBackColor = s.BackColor;
            QImage face(bw, bh, QImage::Format_RGB32);
            FacePainter::Paint(s, m, face);
            p.drawImage(left + c * cellW + (cellW - bw) / 2, top + style * cellH + (cellH - bh) / 2, face);
        }
    }
    p.end();
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(QFileInfo(out).absolutePath());
    if (!sheet.save(out)) {
        std::fprintf(stderr, "button_xp_gallery: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
