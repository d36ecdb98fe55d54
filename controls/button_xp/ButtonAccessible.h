#pragma once

#include <QAccessibleWidget>

namespace voxtrel {

class Button_XP;

// What assistive technology sees of a Button_XP: a push button named by its caption, with
// its focus and enabled state, whose press action clicks it as Space does.
class ButtonAccessible : public QAccessibleWidget {
public:
    explicit ButtonAccessible(Button_XP* Button);

    QString text(QAccessible::Text Kind) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& Action) override;

    // Installs the factory that gives every Button_XP this interface; once per process.
    static void Install();
};

} // namespace voxtrel
