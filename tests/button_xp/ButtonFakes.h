#pragma once

#include "controls/button_xp/ButtonHost.h"
#include "controls/button_xp/ButtonServices.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace voxtrel::test {

// Records every call the control makes on its container, in order, in one shared log.
class RecordingHost : public ButtonHost {
public:
    explicit RecordingHost(QStringList& log) : m_Log(log) {}
    QString AmbientDisplayName() const override { return QStringLiteral("cmdTest"); }
    StdFontData AmbientFont() const override {
        StdFontData f;
        f.Name = QStringLiteral("Liberation Sans");
        f.Size = 9;
        return f;
    }
    void PropertyChanged(const QString& Name) override {
        m_Log << QStringLiteral("notify:") + Name;
    }
    void NavigateTo(const QString& Url) override { m_Log << QStringLiteral("navigate:") + Url; }
    bool UserMode() const override { return userMode; }
    bool IsDefaultButton() const override { return isDefault; }
    QImage ParentPicture() const override { return parentPicture; }
    QPointF ExtenderPosition() const override { return position; }
    double ParentUnitsPerPixel() const override { return unitsPerPixel; }

    bool userMode = true;
    bool isDefault = false;
    QImage parentPicture;
    QPointF position;
    double unitsPerPixel = 1.0;

private:
    QStringList& m_Log;
};

class FakePointer : public PointerLocator {
public:
    QWidget* WidgetUnderPointer() const override { return under; }
    QPointer<QWidget> under;
};

class FakeSound : public SoundPlayer {
public:
    explicit FakeSound(QStringList& log) : m_Log(log) {}
    bool Play(const QString& FilePath) override {
        m_Log << QStringLiteral("sound:") + FilePath;
        return true;
    }

private:
    QStringList& m_Log;
};

class FakeUrls : public UrlOpener {
public:
    explicit FakeUrls(QStringList& log) : m_Log(log) {}
    void Open(const QUrl& Url, QWidget* Owner) override {
        m_Log << QStringLiteral("shell:") + Url.toString();
        lastOwner = Owner;
    }
    QWidget* lastOwner = nullptr;

private:
    QStringList& m_Log;
};

} // namespace voxtrel::test
