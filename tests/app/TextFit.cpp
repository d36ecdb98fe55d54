#include "TextFit.h"

#include "controls/button_xp/Button_XP.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QTextDocument>

namespace voxtrel::test {
namespace {

// A caption as drawn: "&&" is one ampersand, a single one marks the access key.
QString Drawn(QString Text) {
    Text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    Text.remove(QLatin1Char('&'));
    Text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return Text;
}

int Widest(const QFontMetrics& Metrics, const QStringList& Parts) {
    int widest = 0;
    for (const QString& part : Parts) {
        widest = std::max(widest, Metrics.horizontalAdvance(part));
    }
    return widest;
}

QString Describe(const QWidget* W, const QString& Text, int Needs, int Has) {
    return QStringLiteral("%1 (%2): \"%3\" needs %4 px, has %5")
        .arg(W->objectName(), QString::fromLatin1(W->metaObject()->className()), Text)
        .arg(Needs)
        .arg(Has);
}

// What W's text needs and has, or {0, 0} when W shows no text of a fixed width.
struct Need {
    QString Text;
    int Needs = 0;
    int Has = 0;
};

Need LabelNeed(const QLabel* Label) {
    QString text = Label->text();
    if (text.isEmpty() || !Label->pixmap().isNull()) {
        return {};
    }
    if (Label->textFormat() == Qt::RichText ||
        (Label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
        QTextDocument doc;
        doc.setHtml(text);
        text = doc.toPlainText();
    }
    QStringList parts;
    if (Label->wordWrap()) {
        // A path is the user's, not a text to shorten: it may run on past the box.
        parts = text.split(QRegularExpression(QStringLiteral("\\s+")));
        parts.removeIf([](const QString& Word) { return Word.contains(QLatin1Char('/')); });
    } else {
        parts = text.split(QLatin1Char('\n'));
    }
    const int margins = 2 * Label->margin() + std::max(0, Label->indent());
    return {text, Widest(Label->fontMetrics(), parts), Label->contentsRect().width() - margins};
}

Need ButtonNeed(const QAbstractButton* Button) {
    const QString text = Drawn(Button->text());
    if (text.isEmpty()) {
        return {};
    }
    const QStyle* style = Button->style();
    int beside = 0;
    if (qobject_cast<const QCheckBox*>(Button)) {
        beside = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, Button) +
                 style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, Button);
    } else if (qobject_cast<const QRadioButton*>(Button)) {
        beside = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, Button) +
                 style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, Button);
    } else {
        beside = 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, Button);
    }
    if (!Button->icon().isNull()) {
        beside += Button->iconSize().width() + 4;
    }
    return {text, Button->fontMetrics().horizontalAdvance(text),
            Button->contentsRect().width() - beside};
}

Need LineEditNeed(const QLineEdit* Edit, const QString& Text) {
    if (Text.isEmpty()) {
        return {};
    }
    const QMargins margins = Edit->textMargins();
    const int frame =
        Edit->hasFrame()
            ? 2 * Edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, Edit)
            : 0;
    return {Text, Edit->fontMetrics().horizontalAdvance(Text),
            Edit->contentsRect().width() - margins.left() - margins.right() - frame - 4};
}

QList<Need> Needs(const QWidget* W) {
    if (const auto* label = qobject_cast<const QLabel*>(W)) {
        return {LabelNeed(label)};
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(W)) {
        return {ButtonNeed(button)};
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(W)) {
        return {LineEditNeed(edit, edit->text()), LineEditNeed(edit, edit->placeholderText())};
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(W)) {
        const QString title = Drawn(box->title());
        return {{title, box->fontMetrics().horizontalAdvance(title), box->contentsRect().width()}};
    }
    if (const auto* button = qobject_cast<const Button_XP*>(W)) {
        const QString caption = Drawn(button->Caption());
        return {{caption, button->fontMetrics().horizontalAdvance(caption),
                 button->contentsRect().width() - 8}};
    }
    return {};
}

QList<const QWidget*> Shown(const QWidget* Root) {
    QList<const QWidget*> out{Root};
    for (const QWidget* w : Root->findChildren<QWidget*>()) {
        if (w->isVisibleTo(Root) && !w->isWindow()) {
            out << w;
        }
    }
    return out;
}

} // namespace

QStringList TextFit::Overflows(const QWidget* Root) {
    QStringList out;
    for (const QWidget* w : Shown(Root)) {
        for (const Need& need : Needs(w)) {
            if (need.Needs > need.Has) {
                out << Describe(w, need.Text, need.Needs, need.Has);
            }
        }
    }
    return out;
}

QStringList TextFit::MenuBarOverflows(const QMenuBar* Bar) {
    QStringList out;
    for (QAction* action : Bar->actions()) {
        if (!action->isVisible() || action->isSeparator()) {
            continue;
        }
        const QRect place = Bar->actionGeometry(action);
        if (place.isEmpty() || !Bar->rect().contains(place)) {
            out << QStringLiteral("menu bar: \"%1\" is not shown whole").arg(Drawn(action->text()));
        }
    }
    return out;
}

QStringList TextFit::MenuOverflows(const QMenu* Menu) {
    QStringList out;
    const QScreen* screen = Menu->screen();
    const QRect area = screen->availableGeometry();
    const QSize size = Menu->sizeHint();
    if (size.width() > area.width() || size.height() > area.height() ||
        !area.contains(Menu->geometry())) {
        out << QStringLiteral("menu \"%1\": %2x%3 at %4,%5 runs off the screen %6x%7")
                   .arg(Drawn(Menu->title()))
                   .arg(size.width())
                   .arg(size.height())
                   .arg(Menu->x())
                   .arg(Menu->y())
                   .arg(area.width())
                   .arg(area.height());
    }
    return out;
}

QStringList TextFit::Texts(const QWidget* Root) {
    QStringList out;
    if (!Root->windowTitle().isEmpty()) {
        out << QStringLiteral("title: ") + Root->windowTitle();
    }
    for (const QWidget* w : Shown(Root)) {
        for (const Need& need : Needs(w)) {
            if (!need.Text.isEmpty()) {
                QString text = need.Text;
                text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
                out << QStringLiteral("%1 %2: %3")
                           .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(),
                                text);
            }
        }
        if (!w->toolTip().isEmpty()) {
            out << QStringLiteral("tip %1: %2").arg(w->objectName(), w->toolTip());
        }
    }
    return out;
}

QStringList TextFit::MenuTexts(const QMenu* Menu, const QString& Path) {
    QStringList out;
    for (QAction* action : Menu->actions()) {
        if (action->isSeparator()) {
            continue;
        }
        QString line = Path + QStringLiteral(" > ") + action->text();
        if (!action->shortcut().isEmpty()) {
            line += QLatin1Char('\t') + action->shortcut().toString(QKeySequence::PortableText);
        }
        out << line;
        if (action->menu()) {
            out << MenuTexts(action->menu(), Path + QStringLiteral(" > ") + Drawn(action->text()));
        }
    }
    return out;
}

} // namespace voxtrel::test
