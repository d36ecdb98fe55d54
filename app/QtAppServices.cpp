#include "app/QtAppServices.h"

#include "app/ChangePreviewDialog.h"

#include "dialogs/Scn_Common_Dialog.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace voxtrel {

void QtMessageBoxes::Show(QWidget* Owner, const QString& Text, const QString& Title, Icon Kind,
                          const QString& Detail) {
    QMessageBox box(Owner);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setWindowTitle(Title);
    box.setText(Text);
    box.setInformativeText(Detail);
    box.setIcon(Kind == Icon::Information ? QMessageBox::Information
                : Kind == Icon::Warning   ? QMessageBox::Warning
                                          : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

MessageBoxes::Answer QtMessageBoxes::AskToSave(QWidget* Owner, const QString& Text,
                                               const QString& Title) {
    QMessageBox box(QMessageBox::Warning, Title, Text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, Owner);
    box.setObjectName(QStringLiteral("AskToSave"));
    box.button(QMessageBox::Discard)
        ->setText(QStringLiteral("&Discard")); // D answers from the keyboard
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Answer::Save;
    case QMessageBox::Discard:
        return Answer::Discard;
    default:
        return Answer::Cancel;
    }
}

bool QtMessageBoxes::AskYesNo(QWidget* Owner, const QString& Text, const QString& Title) {
    QMessageBox box(QMessageBox::Question, Title, Text, QMessageBox::Yes | QMessageBox::No, Owner);
    box.setObjectName(QStringLiteral("AskYesNo"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

int QtMessageBoxes::Choose(QWidget* Owner, const QString& Text, const QString& Title,
                           const QStringList& Buttons) {
    QMessageBox box(QMessageBox::Warning, Title, Text, QMessageBox::NoButton, Owner);
    box.setObjectName(QStringLiteral("Choose"));
    QList<QAbstractButton*> buttons;
    for (const QString& text : Buttons) {
        buttons << box.addButton(text, text == Buttons.back() ? QMessageBox::RejectRole
                                                              : QMessageBox::AcceptRole);
    }
    if (!buttons.isEmpty()) {
        box.setDefaultButton(qobject_cast<QPushButton*>(buttons.back()));
        box.setEscapeButton(buttons.back());
    }
    box.exec();
    const int chosen = static_cast<int>(buttons.indexOf(box.clickedButton()));
    return chosen < 0 ? static_cast<int>(Buttons.size()) - 1 : chosen;
}

bool QtLinkOpener::Open(const QUrl& Url, QWidget* Owner) {
    Q_UNUSED(Owner);
    return QDesktopServices::openUrl(Url);
}

QString QtFileDialogs::OpenPath(QWidget* Owner, const QString& Title, const QString& Dir,
                                const QString& Filter) {
    return QFileDialog::getOpenFileName(Owner, Title, Dir, Filter);
}

QString QtFileDialogs::SavePath(QWidget* Owner, const QString& Title, const QString& Suggested,
                                const QString& Filter) {
    return QFileDialog::getSaveFileName(Owner, Title, Suggested, Filter);
}

AppServices AppServices::WithDefaults() const {
    AppServices s = *this;
    if (!s.Messages) {
        s.Messages = std::make_shared<QtMessageBoxes>();
    }
    if (!s.Links) {
        s.Links = std::make_shared<QtLinkOpener>();
    }
    if (!s.NewOpenDialog) {
        s.NewOpenDialog = [] { return std::make_unique<Scn_Common_Dialog>(); };
    }
    if (!s.Files) {
        s.Files = std::make_shared<QtFileDialogs>();
    }
    if (!s.Preview) {
        s.Preview = std::make_shared<ChangePreviewDialog>();
    }
    s.Button = s.Button.WithDefaults();
    return s;
}

} // namespace voxtrel
