#include "app/MainLayout.h"

#include <QCoreApplication>

#include "app/Artwork.h"
#include "controls/button_xp/Button_XP.h"
#include "controls/button_xp/MemoryPropertyBag.h"
#include "names/NameFileLayout.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QToolButton>
#include <algorithm>

namespace voxtrel {
namespace {

constexpr int NameMargin = 8; // between a long name and the banner's right edge

QFont namedFont(const QString& family, double points, bool bold) {
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QString Label2Text() {
    return QCoreApplication::translate("voxtrel::MainLayout",
                                       "1)Other Version-unnamed_1845.bin\n\n"
                                       "2)English Version-unnamed_1846.bin\n\n"
                                       "3)Other Version-unnamed_1847.bin\n\n"
                                       "4)Other Version-unnamed_1848.bin\n\n"
                                       "5)Other Version-unnamed_1849.bin\n\n"
                                       "6)Other Version-unnamed_1850.bin\n\n"
                                       "7)Other Version-unnamed_1852.bin\n\n"
                                       "8)Other Version-unnamed_1853.bin\n\n"
                                       "9)Other Version-unnamed_1854.bin");
}

// The Quick Save button's designed properties, loaded as the container loads them.
void loadDesignedProperties(Button_XP* button) {
    MemoryPropertyBag designed;
    StdFontData font;
    font.Name = QStringLiteral("MS Sans Serif");
    font.Size = 8.25;
    designed.set(QStringLiteral("Caption"),
                 QCoreApplication::translate("voxtrel::MainLayout", "Quick Save"));
    designed.set(QStringLiteral("ButtonStyle"), QVariant::fromValue<qint32>(3));
    designed.set(QStringLiteral("Font"), QVariant::fromValue(font));
    designed.set(QStringLiteral("MousePointer"), QVariant::fromValue<qint16>(99));
    designed.set(QStringLiteral("MouseIcon"), QVariant::fromValue(ButtonPicture::fromImage(
                                                  Artwork::HandPointer(), Artwork::HandHotSpot())));
    designed.set(QStringLiteral("Enabled"), QVariant::fromValue<qint16>(0));
    button->ReadProperties(designed);
}

using Drawing = QImage (*)(int width, int height, qreal ratio);

// Gives a picture label its drawing for its size at its device pixel ratio, unless it shows
// that already.
void showArtwork(QLabel* label, Drawing draw) {
    const qreal ratio = label->devicePixelRatioF();
    const QPixmap shown = label->pixmap();
    if (!shown.isNull() && shown.devicePixelRatio() == ratio &&
        shown.deviceIndependentSize().toSize() == label->size()) {
        return;
    }
    label->setPixmap(QPixmap::fromImage(draw(label->width(), label->height(), ratio)));
}

// Draws a picture label's artwork again when it is painted at another device pixel ratio
// than its picture's, as when the window moves to a screen of another scale.
class ArtworkAtRatio : public QObject {
public:
    ArtworkAtRatio(QLabel* label, Drawing draw) : QObject(label), m_Label(label), m_Draw(draw) {
        label->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            showArtwork(m_Label, m_Draw);
        }
        return false;
    }

private:
    QLabel* m_Label;
    Drawing m_Draw;
};

// Paints the name label's text elided at its right edge when it is wider than the label can
// grow, with the whole name as its tooltip; the label's text stays the whole name.
class ElidedName : public QObject {
public:
    explicit ElidedName(QLabel* label) : QObject(label), m_Label(label) {
        label->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Paint) {
            return false;
        }
        const QString text = m_Label->text();
        const QRect room = m_Label->contentsRect();
        const QString shown = m_Label->fontMetrics().elidedText(text, Qt::ElideRight, room.width());
        m_Label->setToolTip(shown == text ? QString() : text);
        QPainter p(m_Label);
        p.setFont(m_Label->font());
        p.setPen(m_Label->palette().color(m_Label->foregroundRole()));
        p.drawText(room, int(m_Label->alignment()), shown);
        return true;
    }

private:
    QLabel* m_Label;
};

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

MainControls MainControls::Build(QWidget* Window, ButtonHost* Host,
                                 const ButtonServices& Services) {
    MainControls c;
    c.Client = named(new QWidget(Window), "client");
    c.Client->setMinimumSize(MainLayout::Client);
    c.Client->setAutoFillBackground(true);
    // The designed white ground, and with it the dark text of the labels on it (the name
    // on the banner, the file frame and its list of versions), whatever the desktop's
    // theme; the list and the fields keep the theme's colours, ground and text alike.
    QPalette white = c.Client->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    c.Client->setPalette(white);

    // The pictures are decoration: a screen reader hears what they show.
    c.Image1 = named(new QLabel(c.Client), "Image1");
    c.Image1->setAccessibleName(
        QCoreApplication::translate("voxtrel::MainLayout", "Voxtrel banner"));
    new ArtworkAtRatio(c.Image1, Artwork::Banner);

    c.Image2 = named(new QLabel(c.Client), "Image2");
    c.Image2->setAccessibleName(QCoreApplication::translate(
        "voxtrel::MainLayout", "Football pitch with a ball, and GOAL!"));
    new ArtworkAtRatio(c.Image2, Artwork::Pitch);

    c.List1 = named(new QListView(c.Client), "List1");
    c.List1->setAccessibleName(QCoreApplication::translate("voxtrel::MainLayout", "Names"));
    c.List1->setSelectionMode(QAbstractItemView::SingleSelection);
    c.List1->setUniformItemSizes(true);
    c.List1->setStyleSheet(
        QStringLiteral("QListView#List1:focus { border: 1px dotted palette(text); }"));
    c.List1->setEditTriggers(QAbstractItemView::NoEditTriggers);

    c.txtSearch = named(new QLineEdit(c.Client), "txtSearch");
    c.txtSearch->setAccessibleName(QCoreApplication::translate("voxtrel::MainLayout", "Search"));
    c.txtSearch->setText(QCoreApplication::translate("voxtrel::MainLayout", "Search..."));

    c.Filter = named(new QToolButton(c.Client), "Filter");
    c.Filter->setCheckable(true);
    c.Filter->setText(QStringLiteral("\u2261"));
    c.Filter->setToolTip(QCoreApplication::translate(
        "voxtrel::MainLayout", "Show only the names that hold the search text (Ctrl+Shift+F)"));
    c.Filter->setAccessibleName(QCoreApplication::translate("voxtrel::MainLayout", "Filter"));
    // Out of the designed tab order (list, search, name, Quick Save); Ctrl+Shift+F reaches it.
    c.Filter->setFocusPolicy(Qt::ClickFocus);

    c.txt0 = named(new QLineEdit(c.Client), "txt0");
    c.txt0->setAccessibleName(QCoreApplication::translate("voxtrel::MainLayout", "Name"));
    c.txt0->setMaxLength(static_cast<int>(layout::NameSize));
    c.txt0->setEnabled(false);

    c.cmdQSave = named(new Button_XP(c.Client, Host, Services), "cmdQSave");
    loadDesignedProperties(c.cmdQSave);

    c.Label1 = named(new QLabel(c.Client), "Label1");
    c.Label1->setFont(namedFont(QStringLiteral("Arial"), 12, true));
    c.Label1->setAttribute(Qt::WA_TranslucentBackground);
    c.Label1->setTextFormat(Qt::PlainText);
    new ElidedName(c.Label1);

    c.Frame1 =
        named(new QGroupBox(QCoreApplication::translate("voxtrel::MainLayout", "File dt0f.img"),
                            c.Client),
              "Frame1");
    c.Frame1->setAutoFillBackground(true);
    c.Frame1->setPalette(white);

    c.Label2 = named(new QLabel(Label2Text(), c.Frame1), "Label2");
    c.Label2->move(MainLayout::FileList);
    c.Label2->setFont(namedFont(QStringLiteral("MS Sans Serif"), 9.75, true));
    c.Label2->adjustSize();

    c.Place(MainLayout::Client);
    QWidget::setTabOrder(c.List1, c.txtSearch);
    QWidget::setTabOrder(c.txtSearch, c.txt0);
    QWidget::setTabOrder(c.txt0, c.cmdQSave);
    return c;
}

void MainControls::Place(QSize Size) const {
    using namespace MainLayout;
    const int grow = std::max(0, Size.width() - MainLayout::Client.width());
    const int taller = std::max(0, Size.height() - MainLayout::Client.height());
    // The list takes a third of the added width; what stands right of it moves over by as
    // much, and the name field and the banner take the rest.
    const int wider = grow / 3;
    const QPoint right(wider, 0);
    List1->setGeometry(List.adjusted(0, 0, wider, taller));
    txtSearch->setGeometry(SearchBox.translated(0, taller).adjusted(0, 0, wider, 0));
    Filter->setGeometry(FilterToggle.translated(wider, taller));
    txt0->setGeometry(NameField.translated(right).adjusted(0, 0, grow - wider, 0));
    Image1->setGeometry(Banner.translated(right).adjusted(0, 0, grow - wider, 0));
    showArtwork(Image1, Artwork::Banner);
    Image2->setGeometry(Pitch.translated(right));
    showArtwork(Image2, Artwork::Pitch);
    cmdQSave->setGeometry(QuickSave.translated(right));
    Label1->move(NameLabel + right);
    // A long name ends at the banner's right edge.
    Label1->setMaximumWidth(Image1->geometry().right() + 1 - Label1->x() - NameMargin);
    Label1->adjustSize();
    Frame1->setGeometry(FileFrame.translated(right));
}

} // namespace voxtrel
