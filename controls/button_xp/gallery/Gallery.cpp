// Writes one PNG contact sheet of Button_XP faces on a mid-grey ground: a row per style (0 to
// 4) with a column per state, then rows for icons, disabled pictures, BEVEL 2 and 3, and the
// picture positions 0 to 3. Usage: button_xp_gallery OUTPUT.png
#include "controls/button_xp/FacePainter.h"
#include "controls/button_xp/SystemColors.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <functional>

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

// A 16 x 16 icon: a blue diamond with transparent corners.
QIcon diamondIcon() {
    QImage img(16, 16, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            if (std::abs(x - 8) + std::abs(y - 8) < 8) {
                img.setPixel(x, y, qRgba(40, 90, 220, 255));
            }
        }
    }
    return QIcon(QPixmap::fromImage(img));
}

FaceState baseState(int style, int bw, int bh) {
    FaceState s;
    s.W = bw;
    s.H = bh;
    s.ButtonStyle = style;
    s.Caption = QStringLiteral("&Quick Save");
    s.Font = QFont("Liberation Sans", 8);
    s.PictureWidth = s.PictureHeight = 16;
    s.MaskColor = 0x00FF00FF;
    return s;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: button_xp_gallery OUTPUT.png\n");
        return 2;
    }
    const QStringList columns = {"design",  "rest",     "hover",   "pressed",
                                 "focused", "disabled", "picture", "picture only"};
    const int cellW = 130, cellH = 46, bw = 116, bh = 30, left = 92, top = 24;
    const PictureRef picture = ButtonPicture::fromImage(discPicture());
    const PictureRef icon = ButtonPicture::fromIcon(diamondIcon(), {16, 16});

    // Styles 0 and 1 in turn with a deeper bevel, at rest in the first four columns and
    // pressed in the others.
    const auto bevelled = [&](qint16 bevel, int c) {
        FaceState s = baseState(c % 2, bw, bh);
        s.BEVEL = bevel;
        s.IsPressed = c >= 4;
        s.IsMouseOver = c >= 4;
        return s;
    };
    // The rows under the five style rows: each a label and one face per column.
    struct Extra {
        QString label;
        std::function<FaceState(int column)> face;
    };
    const QList<Extra> extras = {
        {"icon 16 at 24",
         [&](int c) {
             FaceState s = baseState(c % 5, bw, bh);
             s.CurrentPicture = icon;
             s.PictureWidth = s.PictureHeight = 24;
             s.Caption = c < 5 ? QStringLiteral("Icon") : QString();
             s.IsMouseOver = c == 2 || c == 7;
             s.Enabled = c != 5;
             return s;
         }},
        {"disabled picture",
         [&](int c) {
             FaceState s = baseState(c % 5, bw, bh);
             s.CurrentPicture = c < 5 ? picture : icon;
             s.Enabled = false;
             return s;
         }},
        {"BEVEL 2", [&](int c) { return bevelled(2, c); }},
        {"BEVEL 3", [&](int c) { return bevelled(3, c); }},
        {"positions 0-3",
         [&](int c) {
             FaceState s = baseState(c < 4 ? 4 : 0, bw, bh + 10);
             s.CurrentPicture = picture;
             s.PicturePosition = c % 4;
             s.Caption = QStringLiteral("Pos %1").arg(c % 4);
             return s;
         }},
    };

    // A mid-grey sheet, so that the white highlight edges show.
    QImage sheet(left + cellW * int(columns.size()), top + cellH * int(5 + extras.size()),
                 QImage::Format_RGB32);
    sheet.fill(QColor(128, 128, 128));
    QPainter p(&sheet);
    p.setFont(QFont("Liberation Sans", 8));
    p.setPen(Qt::white);
    for (int c = 0; c < columns.size(); ++c) {
        p.drawText(QRect(left + c * cellW, 4, cellW, 16), Qt::AlignCenter, columns[c]);
    }
    auto drawCell = [&](int row, int column, FaceState s) {
        FaceMemory m;
        m.SurfaceBackColor = s.BackColor;
        QImage face(s.W, s.H, QImage::Format_RGB32);
        FacePainter::Paint(s, m, face);
        p.drawImage(left + column * cellW + (cellW - s.W) / 2,
                    top + row * cellH + (cellH - s.H) / 2, face);
    };
    for (int style = 0; style < 5; ++style) {
        p.drawText(QRect(4, top + style * cellH, left - 8, cellH), Qt::AlignVCenter | Qt::AlignLeft,
                   QStringLiteral("style %1").arg(style));
        for (int c = 0; c < columns.size(); ++c) {
            FaceState s = baseState(style, bw, bh);
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
            drawCell(style, c, s);
        }
    }
    for (int e = 0; e < extras.size(); ++e) {
        const int row = 5 + e;
        p.drawText(QRect(4, top + row * cellH, left - 8, cellH), Qt::AlignVCenter | Qt::AlignLeft,
                   extras[e].label);
        for (int c = 0; c < columns.size(); ++c) {
            drawCell(row, c, extras[e].face(c));
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
