#pragma once

#include "controls/button_xp/ButtonHost.h"
#include "controls/button_xp/ButtonPicture.h"
#include "controls/button_xp/ButtonServices.h"
#include "controls/button_xp/FacePainter.h"
#include "controls/button_xp/StdFont.h"

#include <QImage>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <memory>

class QShortcut;

namespace voxtrel {

class PropertyBag;

// A push button that draws its own face in one of five styles, keeps its properties in the
// container's property store, and raises its own mouse, keyboard and click events.
class Button_XP : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(voxtrel::StdFont* Font READ Font WRITE setFont)
    Q_PROPERTY(quintptr hwnd READ hwnd)
    Q_PROPERTY(qint32 MousePointer READ MousePointer WRITE setMousePointer)
    Q_PROPERTY(voxtrel::PictureRef MouseIcon READ MouseIcon WRITE setMouseIcon)
    Q_PROPERTY(bool ShowFocusRect READ ShowFocusRect WRITE setShowFocusRect)
    Q_PROPERTY(QString URL READ URL WRITE setURL)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(qint32 ButtonStyle READ ButtonStyle WRITE setButtonStyle)
    Q_PROPERTY(qint32 PicturePosition READ PicturePosition WRITE setPicturePosition)
    Q_PROPERTY(voxtrel::PictureRef Picture READ Picture WRITE setPicture)
    Q_PROPERTY(qint32 PictureWidth READ PictureWidth WRITE setPictureWidth)
    Q_PROPERTY(qint32 PictureHeight READ PictureHeight WRITE setPictureHeight)
    Q_PROPERTY(qint32 PictureSize READ PictureSize WRITE setPictureSize)
    Q_PROPERTY(voxtrel::PictureRef PictureHover READ PictureHover WRITE setPictureHover)
    Q_PROPERTY(quint32 XPColor_Pressed READ XPColor_Pressed WRITE setXPColor_Pressed)
    Q_PROPERTY(quint32 XPColor_Hover READ XPColor_Hover WRITE setXPColor_Hover)
    Q_PROPERTY(bool XPDefaultColors READ XPDefaultColors WRITE setXPDefaultColors)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(QVariant SoundOver READ SoundOver WRITE setSoundOver)
    Q_PROPERTY(QString SoundClick READ SoundClick WRITE setSoundClick)
    Q_PROPERTY(QString version READ version WRITE setversion)
    Q_PROPERTY(bool DefCurHand READ DefCurHand WRITE setDefCurHand)
    Q_PROPERTY(bool XPShowBorderAlways READ XPShowBorderAlways WRITE setXPShowBorderAlways)
    Q_PROPERTY(quint32 MaskColor READ MaskColor WRITE setMaskColor)
    Q_PROPERTY(bool TransparentBG READ TransparentBG WRITE setTransparentBG)
    Q_PROPERTY(qint16 BEVEL READ BEVEL WRITE setBEVEL)
    Q_PROPERTY(qint16 BEVELDEPTH READ BEVELDEPTH WRITE setBEVELDEPTH)

public:
    // Errors a property operation can end with (the control shows no messages of its own).
    enum ErrorCode : qint32 { NoError = 0, Overflow = 6, TypeMismatch = 13, InvalidValue = 380 };

    // host: the container's services; null gives a DefaultButtonHost for the parent widget.
    // The host must outlive the control.
    explicit Button_XP(QWidget* parent = nullptr, ButtonHost* host = nullptr,
                       ButtonServices services = {});
    ~Button_XP() override;

    Q_INVOKABLE void Refresh();
    bool Enabled() const;
    void setEnabled(bool New_Enabled);
    StdFont* Font() const;
    void setFont(const StdFont* New_Font);
    quintptr hwnd() const;
    qint32 MousePointer() const;
    void setMousePointer(qint32 New_MousePointer);
    PictureRef MouseIcon() const;
    void setMouseIcon(const PictureRef& New_MouseIcon);
    bool ShowFocusRect() const;
    void setShowFocusRect(bool New_ShowFocusRect);
    Q_INVOKABLE void GoToURL();
    QString URL() const;
    void setURL(const QString& New_URL);
    QString Caption() const;
    void setCaption(const QString& New_Caption);
    qint32 ButtonStyle() const;
    void setButtonStyle(qint32 New_ButtonStyle);
    qint32 PicturePosition() const;
    void setPicturePosition(qint32 New_PicturePosition);
    PictureRef Picture() const;
    void setPicture(const PictureRef& New_Picture);
    qint32 PictureWidth() const;
    void setPictureWidth(qint32 New_PictureWidth);
    qint32 PictureHeight() const;
    void setPictureHeight(qint32 New_PictureHeight);
    qint32 PictureSize() const;
    void setPictureSize(qint32 New_PictureSize);
    PictureRef PictureHover() const;
    void setPictureHover(const PictureRef& New_PictureHover);
    quint32 XPColor_Pressed() const;
    void setXPColor_Pressed(quint32 New_XPColor_Pressed);
    quint32 XPColor_Hover() const;
    void setXPColor_Hover(quint32 New_XPColor_Hover);
    bool XPDefaultColors() const;
    void setXPDefaultColors(bool New_XPDefaultColors);
    // Returns/sets the background color used to display text and graphics in an object.
    quint32 BackColor() const;
    void setBackColor(quint32 New_BackColor);
    // Returns/sets the foreground color used to display text and graphics in an object.
    quint32 ForeColor() const;
    void setForeColor(quint32 New_ForeColor);
    QVariant SoundOver() const;
    void setSoundOver(const QVariant& New_SoundOver);
    QString SoundClick() const;
    void setSoundClick(const QString& New_SoundClick);
    // FileVersion
    QString version() const;
    void setversion(const QString& New_version);
    bool DefCurHand() const;
    void setDefCurHand(bool New_DefCurHand);
    bool XPShowBorderAlways() const;
    void setXPShowBorderAlways(bool New_XPShowBorderAlways);
    // Returns/sets the color that specifies transparent areas in the MaskPicture.
    quint32 MaskColor() const;
    void setMaskColor(quint32 New_MaskColor);
    bool TransparentBG() const;
    void setTransparentBG(bool New_TransparentBG);
    qint16 BEVEL() const;
    void setBEVEL(qint16 New_BEVEL);
    qint16 BEVELDEPTH() const;
    void setBEVELDEPTH(qint16 New_BEVELDEPTH);

    // The container's callbacks: first placement, loading, saving and teardown. Loading
    // and saving return false when a step failed; LastError says why, and the steps before
    // it keep their effect.
    void InitProperties();
    bool ReadProperties(PropertyBag& PropBag);
    bool WriteProperties(PropertyBag& PropBag) const;
    void Terminate();

    // The error that ended the last failing operation.
    ErrorCode LastError() const { return m_LastError; }

    // State read by painting and by tests.
    bool HasFocus() const { return m_HasFocus; }
    bool IsPressed() const { return m_IsPressed; }
    bool IsMouseOver() const { return m_IsMouseOver; }
    PictureRef CurrentPicture() const { return m_CurrentPicture; }
    QString AccessKey() const { return m_AccessKey; }
    QRect FocusRect() const { return m_FocusRect; }
    qint32 OriginalPicSizeW() const { return m_OriginalPicSizeW; }
    qint32 OriginalPicSizeH() const { return m_OriginalPicSizeH; }
    const QTimer& OverTimer() const { return m_OverTimer; }
    const QImage& BackBuffer() const { return m_BackBuffer; }
    // What the next paint reads.
    FaceState CurrentFaceState() const;
    int RefreshCount() const { return m_RefreshCount; }

signals:
    void Click();
    void KeyDown(qint16& KeyCode, qint16& Shift);
    void KeyPress(qint16& KeyAscii);
    void KeyUp(qint16& KeyCode, qint16& Shift);
    void MouseDown(qint16& Button, qint16& Shift, float& X, float& Y);
    void MouseMove(qint16& Button, qint16& Shift, float& X, float& Y);
    void MouseUp(qint16& Button, qint16& Shift, float& X, float& Y);
    void MouseIn(qint16& Shift);
    void MouseOut(qint16& Shift);
    // After every Refresh, once the new face is in the back buffer.
    void Refreshed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    // Renders the whole face into image.
    void RenderFace(QImage& image);
    QSize FacePixels(qreal ratio) const; // the back buffer's size in device pixels

private:
    void Notify(const QString& name);
    void HandlePress(qint16 button, qint16 shift, float x, float y);
    void HandleRelease(qint16 button, qint16 shift, float x, float y);
    void OverTimerTick();
    void HandleResize();
    void ApplyRoundedRegion();
    void UpdateAccessKey();
    void AccessKeyActivated();
    bool PlayButtonSound(const QString& file);
    void ApplyFontToSurface();
    void SetGFont(const StdFontData& fontData);
    void ApplyPointer();
    void ApplySurfaceColors();
    bool Fail(ErrorCode code);

    std::unique_ptr<ButtonHost> m_OwnHost;
    ButtonHost* m_Host = nullptr;
    ButtonServices m_Services;

    QTimer m_OverTimer;
    QImage m_imgHAND{32, 32, QImage::Format_RGB32}; // kept for compatibility; never shown
    QShortcut* m_Shortcut = nullptr;
    QString m_AccessKey;

    qint32 m_ButtonWidth = 0;
    qint32 m_ButtonHeight = 0;
    QRect m_FocusRect;
    qint32 m_OriginalPicSizeW = 0;
    qint32 m_OriginalPicSizeH = 0;
    PictureRef m_NormalPicture;
    PictureRef m_PictureHover;
    QString m_Caption;
    qint32 m_PicturePosition = 0;
    qint32 m_ButtonStyle = 0;
    PictureRef m_CurrentPicture;
    qint32 m_PictureWidth = 0;
    qint32 m_PictureHeight = 0;
    qint32 m_PictureSize = 0;
    bool m_HasFocus = false;
    bool m_IsPressed = false;
    bool m_IsMouseOver = false;
    qint16 m_LastButton = 0;
    qint16 m_LastShift = 0;
    float m_LastX = 0;
    float m_LastY = 0;
    bool m_KeyIsDown = false;
    bool m_SpaceIsDown = false; // Space went down on the control, which kept the focus since
    bool m_Grabbed = false;
    QString m_URL;
    bool m_ShowFocusRect = false;
    qint16 m_BEVEL = 0;
    qint16 m_BEVELDEPTH = 0;
    bool m_TransparentBG = false;
    quint32 m_MaskColor = 0;
    bool m_XPShowBorderAlways = false;
    bool m_DefCurHand = false;
    QString m_SoundOver;
    QString m_SoundClick;
    quint32 m_ForeColor = 0;
    quint32 m_BackColor = 0;
    bool m_XPDefaultColors = false;
    quint32 m_XPColor_Pressed = 0;
    quint32 m_XPColor_Hover = 0;
    std::shared_ptr<StdFont> g_Font;
    bool m_SettingFont = false; // the Font setter is copying its six attributes
    StdFontData m_SurfaceFont;
    qint16 m_MousePointer = 0;
    PictureRef m_MouseIcon;

    FaceMemory m_Face;
    QImage m_BackBuffer;
    int m_RefreshCount = 0;
    ErrorCode m_LastError = NoError;
};

} // namespace voxtrel
