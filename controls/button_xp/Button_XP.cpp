#include "controls/button_xp/Button_XP.h"

#include "controls/button_xp/AccessKey.h"
#include "controls/button_xp/ButtonAccessible.h"
#include "controls/button_xp/DefaultButtonHost.h"
#include "controls/button_xp/KeyCodes.h"
#include "controls/button_xp/PropertyBag.h"
#include "controls/button_xp/SystemColors.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QRegion>
#include <QShortcut>
#include <cmath>
#include <limits>

namespace voxtrel {
namespace {

constexpr auto ShippedVersion = "030102-155";
constexpr int TwipsPerPixel = 15;
constexpr int MinimumSide = 150 / TwipsPerPixel; // 150 twips
constexpr qint16 SpaceKey = 32;                  // the platform's key code of Space

const QString OverWav = QStringLiteral(".\\resources\\over.wav");
const QString ClickWav = QStringLiteral(".\\resources\\click.wav");

QVariant storedBool(bool value) {
    return QVariant::fromValue<qint16>(value ? -1 : 0);
}
QVariant storedInt16(qint16 value) {
    return QVariant::fromValue<qint16>(value);
}
QVariant storedInt32(qint32 value) {
    return QVariant::fromValue<qint32>(value);
}
QVariant storedColor(quint32 value) {
    return QVariant::fromValue<qint32>(static_cast<qint32>(value));
}

// Qt pointer shapes for the surface's pointer codes; 0 is the default and 99 the picture.
Qt::CursorShape shapeForPointer(qint16 code) {
    switch (code) {
    case 1:
        return Qt::ArrowCursor;
    case 2:
        return Qt::CrossCursor;
    case 3:
        return Qt::IBeamCursor;
    case 4:
        return Qt::ArrowCursor;
    case 5:
        return Qt::SizeAllCursor;
    case 6:
        return Qt::SizeBDiagCursor;
    case 7:
        return Qt::SizeVerCursor;
    case 8:
        return Qt::SizeFDiagCursor;
    case 9:
        return Qt::SizeHorCursor;
    case 10:
        return Qt::UpArrowCursor;
    case 11:
        return Qt::WaitCursor;
    case 12:
        return Qt::ForbiddenCursor;
    case 13:
        return Qt::BusyCursor;
    case 14:
        return Qt::WhatsThisCursor;
    case 15:
        return Qt::SizeAllCursor;
    default:
        return Qt::ArrowCursor;
    }
}

// Typed reads from the property store; false means the stored value has the wrong type.
bool toInt64(const QVariant& v, qlonglong& out) {
    if (v.metaType().id() == QMetaType::Bool) {
        out = v.toBool() ? -1 : 0;
        return true;
    }
    bool ok = false;
    out = v.toLongLong(&ok);
    return ok;
}

} // namespace

Button_XP::Button_XP(QWidget* parent, ButtonHost* host, ButtonServices services)
    : QWidget(parent), m_Services(services.WithDefaults()) {
    ButtonAccessible::Install(); // a screen reader hears a button, not an unnamed pane
    if (host) {
        m_Host = host;
    } else {
        m_OwnHost = std::make_unique<DefaultButtonHost>(this, m_Services.Urls.get());
        m_Host = m_OwnHost.get();
    }
    // Creation: a standard font with change handling, pixel coordinates (Qt's own), and
    // the timer that notices the pointer leaving, off for now.
    SetGFont(StdFontData{});
    m_OverTimer.setInterval(10);
    connect(&m_OverTimer, &QTimer::timeout, this, &Button_XP::OverTimerTick);
    m_imgHAND.fill(Qt::white);

    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QCoreApplication::instance()->installEventFilter(this); // for a new palette
}

Button_XP::~Button_XP() {
    Terminate();
}

bool Button_XP::Fail(ErrorCode code) {
    m_LastError = code;
    return false;
}

void Button_XP::Notify(const QString& name) {
    m_Host->PropertyChanged(name);
}

// ---- properties ------------------------------------------------------------------------

bool Button_XP::Enabled() const {
    return !testAttribute(Qt::WA_ForceDisabled);
}

void Button_XP::setEnabled(bool New_Enabled) {
    m_LastError = NoError;
    QWidget::setEnabled(New_Enabled);
    Notify(QStringLiteral("Enabled"));
    Refresh();
}

StdFont* Button_XP::Font() const {
    return g_Font.get();
}

void Button_XP::setFont(const StdFont* New_Font) {
    m_LastError = NoError;
    if (!New_Font || !g_Font) {
        Fail(InvalidValue);
        return;
    }
    // Six attributes, in this order; weight and character set stay as they were.
    const StdFontData d = New_Font->data();
    m_SettingFont = true;
    g_Font->setName(d.Name);
    g_Font->setSize(d.Size);
    g_Font->setBold(d.Bold);
    g_Font->setItalic(d.Italic);
    g_Font->setUnderline(d.Underline);
    g_Font->setStrikethrough(d.Strikethrough);
    m_SettingFont = false;
    Notify(QStringLiteral("Font"));
}

void Button_XP::SetGFont(const StdFontData& fontData) {
    // One font object for the control's whole life: whoever holds it keeps a live object
    // whose changes reach the control, whatever is loaded into it later.
    if (g_Font) {
        g_Font->assign(fontData);
        return;
    }
    g_Font = std::make_shared<StdFont>(fontData);
    connect(g_Font.get(), &StdFont::FontChanged, this, [this](const QString&) {
        ApplyFontToSurface();
        Refresh();
        if (!m_SettingFont) {
            Notify(QStringLiteral("Font")); // a holder changed it: the container must know
        }
    });
}

void Button_XP::ApplyFontToSurface() {
    if (g_Font) {
        m_SurfaceFont = g_Font->data();
        QWidget::setFont(m_SurfaceFont.toQFont());
    }
}

quintptr Button_XP::hwnd() const {
    return static_cast<quintptr>(winId());
}

qint32 Button_XP::MousePointer() const {
    return m_MousePointer;
}

void Button_XP::setMousePointer(qint32 New_MousePointer) {
    m_LastError = NoError;
    if (New_MousePointer < std::numeric_limits<qint16>::min() ||
        New_MousePointer > std::numeric_limits<qint16>::max()) {
        Fail(Overflow);
        return;
    }
    // The platform's pointer codes: 0 to 15, and 99 for the custom MouseIcon.
    if (!((New_MousePointer >= 0 && New_MousePointer <= 15) || New_MousePointer == 99)) {
        Fail(InvalidValue);
        return;
    }
    m_MousePointer = static_cast<qint16>(New_MousePointer);
    ApplyPointer();
    Notify(QStringLiteral("MousePointer"));
}

void Button_XP::ApplyPointer() {
    if (m_MousePointer == 0) {
        unsetCursor();
    } else if (m_MousePointer == 99) {
        if (m_MouseIcon && m_MouseIcon->kind() == ButtonPicture::Kind::Bitmap) {
            const QPoint hot = m_MouseIcon->hotSpot();
            setCursor(QCursor(QPixmap::fromImage(m_MouseIcon->image()), hot.x(), hot.y()));
        } else if (m_MouseIcon && m_MouseIcon->kind() == ButtonPicture::Kind::Icon) {
            setCursor(QCursor(m_MouseIcon->icon().pixmap(32, 32)));
        } else {
            unsetCursor();
        }
    } else {
        setCursor(shapeForPointer(m_MousePointer));
    }
}

PictureRef Button_XP::MouseIcon() const {
    return m_MouseIcon;
}

void Button_XP::setMouseIcon(const PictureRef& New_MouseIcon) {
    m_LastError = NoError;
    m_MouseIcon = New_MouseIcon;
    ApplyPointer();
    Notify(QStringLiteral("MouseIcon"));
}

bool Button_XP::ShowFocusRect() const {
    return m_ShowFocusRect;
}

void Button_XP::setShowFocusRect(bool New_ShowFocusRect) {
    m_LastError = NoError;
    m_ShowFocusRect = New_ShowFocusRect;
    Notify(QStringLiteral("ShowFocusRect"));
    Refresh();
}

QString Button_XP::URL() const {
    return m_URL;
}

void Button_XP::setURL(const QString& New_URL) {
    m_LastError = NoError;
    m_URL = New_URL;
    Notify(QStringLiteral("URL"));
}

QString Button_XP::Caption() const {
    return m_Caption;
}

void Button_XP::setCaption(const QString& New_Caption) {
    m_LastError = NoError;
    m_Caption = New_Caption;
    Notify(QStringLiteral("Caption"));
    UpdateAccessKey();
    Refresh();
}

qint32 Button_XP::ButtonStyle() const {
    return m_ButtonStyle;
}

void Button_XP::setButtonStyle(qint32 New_ButtonStyle) {
    m_LastError = NoError;
    m_ButtonStyle = New_ButtonStyle;
    Notify(QStringLiteral("ButtonStyle"));
    if (New_ButtonStyle == 3) {
        setTransparentBG(false);
    }
    HandleResize();
}

qint32 Button_XP::PicturePosition() const {
    return m_PicturePosition;
}

void Button_XP::setPicturePosition(qint32 New_PicturePosition) {
    m_LastError = NoError;
    m_PicturePosition = New_PicturePosition;
    Notify(QStringLiteral("PicturePosition"));
    Refresh();
}

PictureRef Button_XP::Picture() const {
    return m_CurrentPicture;
}

void Button_XP::setPicture(const PictureRef& New_Picture) {
    m_LastError = NoError;
    m_CurrentPicture = New_Picture;
    m_NormalPicture = New_Picture;
    if (!m_CurrentPicture) {
        m_OriginalPicSizeW = 32;
        m_OriginalPicSizeH = 32;
    } else {
        // The picture's natural size in pixels at this screen's resolution.
        const QSize px = m_CurrentPicture->pixelSize();
        const double scale = logicalDpiX() > 0 ? logicalDpiX() / 96.0 : 1.0;
        m_OriginalPicSizeW = static_cast<qint32>(std::nearbyint(px.width() * scale));
        m_OriginalPicSizeH = static_cast<qint32>(std::nearbyint(px.height() * scale));
    }
    Notify(QStringLiteral("Picture"));
    if (m_PictureSize == 2) {
        m_PictureWidth = m_OriginalPicSizeW;
        m_PictureHeight = m_OriginalPicSizeH;
    }
    Refresh();
}

qint32 Button_XP::PictureWidth() const {
    return m_PictureWidth;
}

void Button_XP::setPictureWidth(qint32 New_PictureWidth) {
    m_LastError = NoError;
    m_PictureWidth = New_PictureWidth;
    Notify(QStringLiteral("PictureWidth"));
    Refresh();
}

qint32 Button_XP::PictureHeight() const {
    return m_PictureHeight;
}

void Button_XP::setPictureHeight(qint32 New_PictureHeight) {
    m_LastError = NoError;
    m_PictureHeight = New_PictureHeight;
    Notify(QStringLiteral("PictureHeight"));
    Refresh();
}

qint32 Button_XP::PictureSize() const {
    return m_PictureSize;
}

void Button_XP::setPictureSize(qint32 New_PictureSize) {
    m_LastError = NoError;
    m_PictureSize = New_PictureSize;
    Notify(QStringLiteral("PictureSize"));
    switch (New_PictureSize) {
    case 0:
        m_PictureWidth = m_PictureHeight = 16;
        break;
    case 1:
        m_PictureWidth = m_PictureHeight = 32;
        break;
    case 2:
        if (m_CurrentPicture) {
            m_PictureWidth = m_OriginalPicSizeW;
            m_PictureHeight = m_OriginalPicSizeH;
        } else {
            m_PictureWidth = m_PictureHeight = 32;
        }
        break;
    default:
        break;
    }
    Refresh();
}

PictureRef Button_XP::PictureHover() const {
    return m_PictureHover;
}

void Button_XP::setPictureHover(const PictureRef& New_PictureHover) {
    m_LastError = NoError;
    m_PictureHover = New_PictureHover;
    Notify(QStringLiteral("PictureHover"));
}

quint32 Button_XP::XPColor_Pressed() const {
    return m_XPColor_Pressed;
}

void Button_XP::setXPColor_Pressed(quint32 New_XPColor_Pressed) {
    m_LastError = NoError;
    m_XPColor_Pressed = New_XPColor_Pressed;
    Notify(QStringLiteral("XPColor_Pressed"));
}

quint32 Button_XP::XPColor_Hover() const {
    return m_XPColor_Hover;
}

void Button_XP::setXPColor_Hover(quint32 New_XPColor_Hover) {
    m_LastError = NoError;
    m_XPColor_Hover = New_XPColor_Hover;
    Notify(QStringLiteral("XPColor_Hover"));
}

bool Button_XP::XPDefaultColors() const {
    return m_XPDefaultColors;
}

void Button_XP::setXPDefaultColors(bool New_XPDefaultColors) {
    m_LastError = NoError;
    m_XPDefaultColors = New_XPDefaultColors;
    Notify(QStringLiteral("XPDefaultColors"));
}

quint32 Button_XP::BackColor() const {
    return m_BackColor;
}

void Button_XP::setBackColor(quint32 New_BackColor) {
    m_LastError = NoError;
    m_BackColor = New_BackColor;
    m_Face.SurfaceBackColor = New_BackColor;
    Notify(QStringLiteral("BackColor"));
    ApplySurfaceColors();
    Refresh();
}

quint32 Button_XP::ForeColor() const {
    return m_ForeColor;
}

void Button_XP::setForeColor(quint32 New_ForeColor) {
    m_LastError = NoError;
    m_ForeColor = New_ForeColor;
    Notify(QStringLiteral("ForeColor"));
    ApplySurfaceColors();
    Refresh();
}

void Button_XP::ApplySurfaceColors() {
    // The surface's own colours follow BackColor and ForeColor.
    QPalette p = palette();
    p.setColor(QPalette::Window, ToQColor(TranslateColor(m_BackColor)));
    p.setColor(QPalette::Button, ToQColor(TranslateColor(m_BackColor)));
    p.setColor(QPalette::WindowText, ToQColor(TranslateColor(m_ForeColor)));
    p.setColor(QPalette::ButtonText, ToQColor(TranslateColor(m_ForeColor)));
    setPalette(p);
}

QVariant Button_XP::SoundOver() const {
    return QVariant(m_SoundOver);
}

void Button_XP::setSoundOver(const QVariant& New_SoundOver) {
    m_LastError = NoError;
    if (!New_SoundOver.canConvert<QString>()) {
        Fail(TypeMismatch);
        return;
    }
    m_SoundOver = New_SoundOver.toString();
    Notify(QStringLiteral("SoundOver"));
}

QString Button_XP::SoundClick() const {
    return m_SoundClick;
}

void Button_XP::setSoundClick(const QString& New_SoundClick) {
    m_LastError = NoError;
    m_SoundClick = New_SoundClick;
    Notify(QStringLiteral("SoundClick"));
}

QString Button_XP::version() const {
    return QString::fromLatin1(ShippedVersion);
}

void Button_XP::setversion(const QString& New_version) {
    m_LastError = NoError;
    Q_UNUSED(New_version);
}

bool Button_XP::DefCurHand() const {
    return m_DefCurHand;
}

void Button_XP::setDefCurHand(bool New_DefCurHand) {
    m_LastError = NoError;
    m_DefCurHand = New_DefCurHand;
    Notify(QStringLiteral("DefCurHand"));
}

bool Button_XP::XPShowBorderAlways() const {
    return m_XPShowBorderAlways;
}

void Button_XP::setXPShowBorderAlways(bool New_XPShowBorderAlways) {
    m_LastError = NoError;
    m_XPShowBorderAlways = New_XPShowBorderAlways;
    Notify(QStringLiteral("XPShowBorderAlways"));
}

quint32 Button_XP::MaskColor() const {
    return m_MaskColor;
}

void Button_XP::setMaskColor(quint32 New_MaskColor) {
    m_LastError = NoError;
    m_MaskColor = New_MaskColor;
    Notify(QStringLiteral("MaskColor"));
    Refresh();
}

bool Button_XP::TransparentBG() const {
    return m_TransparentBG;
}

void Button_XP::setTransparentBG(bool New_TransparentBG) {
    m_LastError = NoError;
    m_TransparentBG = New_TransparentBG;
    Notify(QStringLiteral("TransparentBG"));
    Refresh();
}

qint16 Button_XP::BEVEL() const {
    return m_BEVEL;
}

void Button_XP::setBEVEL(qint16 New_BEVEL) {
    m_LastError = NoError;
    m_BEVEL = New_BEVEL;
    Notify(QStringLiteral("BEVEL"));
    Refresh();
}

qint16 Button_XP::BEVELDEPTH() const {
    return m_BEVELDEPTH;
}

void Button_XP::setBEVELDEPTH(qint16 New_BEVELDEPTH) {
    m_LastError = NoError;
    m_BEVELDEPTH = New_BEVELDEPTH;
    Notify(QStringLiteral("BEVELDEPTH"));
    Refresh();
}

// ---- persistence -----------------------------------------------------------------------

void Button_XP::InitProperties() {
    m_BackColor = 0x8000000F;
    m_ForeColor = 0x80000012;
    m_ShowFocusRect = true;
    const StdFontData ambient = m_Host->AmbientFont();
    m_SurfaceFont = ambient;
    QWidget::setFont(ambient.toQFont());
    SetGFont(ambient);
    m_Caption = m_Host->AmbientDisplayName();
    m_PicturePosition = 1;
    m_ButtonStyle = 2;
    m_PictureWidth = 32;
    m_PictureHeight = 32;
    m_PictureSize = 1;
    m_PictureHover = ButtonPicture::empty();
    m_NormalPicture = ButtonPicture::empty();
    m_URL.clear();
    m_XPColor_Pressed = 0x80000014;
    m_XPColor_Hover = 0x80000016;
    m_XPDefaultColors = true;
    m_SoundOver = OverWav;
    m_SoundClick = ClickWav;
    m_DefCurHand = false;
    m_XPShowBorderAlways = false;
    m_MaskColor = 0;
    m_TransparentBG = false;
    m_BEVEL = 1;
    m_BEVELDEPTH = 8;
}

bool Button_XP::ReadProperties(PropertyBag& PropBag) {
    m_LastError = NoError;
    const QString ambientName = m_Host->AmbientDisplayName();
    const QVariant ambientFont = QVariant::fromValue(m_Host->AmbientFont());
    qlonglong n = 0;

    auto readInt = [&](const char* key, qlonglong def, qlonglong lo, qlonglong hi, auto& field) {
        const QVariant v = PropBag.ReadProperty(QLatin1String(key), QVariant::fromValue(def));
        if (!toInt64(v, n)) {
            return Fail(TypeMismatch);
        }
        if (n < lo || n > hi) {
            return Fail(Overflow);
        }
        field = static_cast<std::remove_reference_t<decltype(field)>>(n);
        return true;
    };
    auto readColor = [&](const char* key, quint32 def, quint32& field) {
        const QVariant v = PropBag.ReadProperty(QLatin1String(key), storedColor(def));
        if (!toInt64(v, n)) {
            return Fail(TypeMismatch);
        }
        if (n < std::numeric_limits<qint32>::min() || n > std::numeric_limits<quint32>::max()) {
            return Fail(Overflow);
        }
        field = static_cast<quint32>(n);
        return true;
    };
    auto readBool = [&](const char* key, bool def, bool& field) {
        const QVariant v = PropBag.ReadProperty(QLatin1String(key), storedBool(def));
        if (!toInt64(v, n)) {
            return Fail(TypeMismatch);
        }
        field = n != 0;
        return true;
    };
    auto readString = [&](const char* key, const QString& def, QString& field) {
        const QVariant v = PropBag.ReadProperty(QLatin1String(key), QVariant(def));
        if (!v.canConvert<QString>()) {
            return Fail(TypeMismatch);
        }
        field = v.toString();
        return true;
    };
    auto readPicture = [&](const char* key, PictureRef& field) {
        const QVariant v =
            PropBag.ReadProperty(QLatin1String(key), QVariant::fromValue(PictureRef()));
        if (v.isValid() && v.metaType() != QMetaType::fromType<PictureRef>()) {
            return Fail(TypeMismatch);
        }
        field = v.value<PictureRef>();
        return true;
    };
    auto readFont = [&](StdFontData& field) {
        const QVariant v = PropBag.ReadProperty(QStringLiteral("Font"), ambientFont);
        if (v.metaType() != QMetaType::fromType<StdFontData>()) {
            return Fail(TypeMismatch);
        }
        field = v.value<StdFontData>();
        return true;
    };
    constexpr qlonglong I32Min = std::numeric_limits<qint32>::min();
    constexpr qlonglong I32Max = std::numeric_limits<qint32>::max();
    constexpr qlonglong I16Min = std::numeric_limits<qint16>::min();
    constexpr qlonglong I16Max = std::numeric_limits<qint16>::max();

    // 1-2: the colours, each applied to the surface at once.
    if (!readColor("BackColor", 0x8000000F, m_BackColor)) {
        return false;
    }
    m_Face.SurfaceBackColor = m_BackColor;
    ApplySurfaceColors();
    if (!readColor("ForeColor", 0x80000012, m_ForeColor)) {
        return false;
    }
    ApplySurfaceColors();
    // 3-5.
    if (!readBool("ShowFocusRect", true, m_ShowFocusRect) ||
        !readString("Caption", ambientName, m_Caption) ||
        !readInt("PicturePosition", 1, I32Min, I32Max, m_PicturePosition) ||
        !readInt("ButtonStyle", 2, I32Min, I32Max, m_ButtonStyle) ||
        !readPicture("Picture", m_CurrentPicture) ||
        !readInt("PictureWidth", 32, I32Min, I32Max, m_PictureWidth) ||
        !readInt("PictureHeight", 32, I32Min, I32Max, m_PictureHeight) ||
        !readInt("PictureSize", 1, I32Min, I32Max, m_PictureSize) ||
        !readInt("OriginalPicSizeW", 32, I32Min, I32Max, m_OriginalPicSizeW) ||
        !readInt("OriginalPicSizeH", 32, I32Min, I32Max, m_OriginalPicSizeH)) {
        return false;
    }
    // 6: the surface font, then the same key again into the font object.
    StdFontData font;
    if (!readFont(font)) {
        return false;
    }
    m_SurfaceFont = font;
    QWidget::setFont(font.toQFont());
    if (!readFont(font)) {
        return false;
    }
    SetGFont(font);
    // 7-8.
    if (!readPicture("PictureHover", m_PictureHover) || !readPicture("Picture", m_NormalPicture)) {
        return false;
    }
    PictureRef icon;
    if (!readPicture("MouseIcon", icon)) {
        return false;
    }
    setMouseIcon(icon);
    // 9: the surface's enabled flag and pointer code, without their setters.
    bool enabled = true;
    if (!readBool("Enabled", true, enabled)) {
        return false;
    }
    QWidget::setEnabled(enabled);
    qint16 pointer = 0;
    if (!readInt("MousePointer", 0, I16Min, I16Max, pointer)) {
        return false;
    }
    m_MousePointer = pointer;
    ApplyPointer();
    // 10.
    QString soundOver;
    if (!readString("URL", QString(), m_URL) ||
        !readColor("XPColor_Pressed", 0x80000014, m_XPColor_Pressed) ||
        !readColor("XPColor_Hover", 0x80000016, m_XPColor_Hover) ||
        !readBool("XPDefaultColors", true, m_XPDefaultColors) ||
        !readString("SoundOver", OverWav, m_SoundOver) ||
        !readString("SoundClick", ClickWav, m_SoundClick) ||
        !readBool("DefCurHand", false, m_DefCurHand) ||
        !readBool("XPShowBorderAlways", false, m_XPShowBorderAlways) ||
        !readColor("MaskColor", 0, m_MaskColor) ||
        !readBool("TransparentBG", false, m_TransparentBG) ||
        !readInt("BEVEL", 1, I16Min, I16Max, m_BEVEL) ||
        !readInt("BEVELDEPTH", 8, I16Min, I16Max, m_BEVELDEPTH)) {
        return false;
    }
    // 11-12.
    UpdateAccessKey();
    HandleResize();
    return true;
}

bool Button_XP::WriteProperties(PropertyBag& PropBag) const {
    const QString ambientName = m_Host->AmbientDisplayName();
    const QVariant ambientFont = QVariant::fromValue(m_Host->AmbientFont());
    const QVariant none = QVariant::fromValue(PictureRef());
    PropBag.WriteProperty(QStringLiteral("Caption"), m_Caption, ambientName);
    PropBag.WriteProperty(QStringLiteral("PicturePosition"), storedInt32(m_PicturePosition),
                          storedInt32(1));
    PropBag.WriteProperty(QStringLiteral("ButtonStyle"), storedInt32(m_ButtonStyle),
                          storedInt32(2));
    PropBag.WriteProperty(QStringLiteral("Picture"), QVariant::fromValue(m_CurrentPicture), none);
    PropBag.WriteProperty(QStringLiteral("PictureWidth"), storedInt32(m_PictureWidth),
                          storedInt32(32));
    PropBag.WriteProperty(QStringLiteral("PictureHeight"), storedInt32(m_PictureHeight),
                          storedInt32(32));
    PropBag.WriteProperty(QStringLiteral("PictureSize"), storedInt32(m_PictureSize),
                          storedInt32(1));
    PropBag.WriteProperty(QStringLiteral("OriginalPicSizeW"), storedInt32(m_OriginalPicSizeW),
                          storedInt32(32));
    PropBag.WriteProperty(QStringLiteral("OriginalPicSizeH"), storedInt32(m_OriginalPicSizeH),
                          storedInt32(32));
    PropBag.WriteProperty(QStringLiteral("PictureHover"), QVariant::fromValue(m_PictureHover),
                          none);
    PropBag.WriteProperty(QStringLiteral("Enabled"), storedBool(Enabled()), storedBool(true));
    PropBag.WriteProperty(QStringLiteral("Font"), QVariant::fromValue(m_SurfaceFont), ambientFont);
    PropBag.WriteProperty(QStringLiteral("MouseIcon"), QVariant::fromValue(MouseIcon()), none);
    PropBag.WriteProperty(QStringLiteral("MousePointer"), storedInt16(m_MousePointer),
                          storedInt16(0));
    PropBag.WriteProperty(QStringLiteral("ShowFocusRect"), storedBool(m_ShowFocusRect),
                          storedBool(true));
    PropBag.WriteProperty(QStringLiteral("URL"), m_URL, QString());
    PropBag.WriteProperty(QStringLiteral("XPColor_Pressed"), storedColor(m_XPColor_Pressed),
                          storedColor(0x80000014));
    PropBag.WriteProperty(QStringLiteral("XPColor_Hover"), storedColor(m_XPColor_Hover),
                          storedColor(0x80000016));
    PropBag.WriteProperty(QStringLiteral("XPDefaultColors"), storedBool(m_XPDefaultColors),
                          storedBool(true));
    PropBag.WriteProperty(QStringLiteral("BackColor"), storedColor(m_BackColor),
                          storedColor(0x8000000F));
    PropBag.WriteProperty(QStringLiteral("ForeColor"), storedColor(m_ForeColor),
                          storedColor(0x80000012));
    PropBag.WriteProperty(QStringLiteral("SoundOver"), m_SoundOver, OverWav);
    PropBag.WriteProperty(QStringLiteral("SoundClick"), m_SoundClick, ClickWav);
    PropBag.WriteProperty(QStringLiteral("DefCurHand"), storedBool(m_DefCurHand),
                          storedBool(false));
    PropBag.WriteProperty(QStringLiteral("XPShowBorderAlways"), storedBool(m_XPShowBorderAlways),
                          storedBool(false));
    PropBag.WriteProperty(QStringLiteral("MaskColor"), storedColor(m_MaskColor), storedColor(0));
    PropBag.WriteProperty(QStringLiteral("TransparentBG"), storedBool(m_TransparentBG),
                          storedBool(false));
    PropBag.WriteProperty(QStringLiteral("BEVEL"), storedInt16(m_BEVEL), storedInt16(1));
    PropBag.WriteProperty(QStringLiteral("BEVELDEPTH"), storedInt16(m_BEVELDEPTH), storedInt16(8));
    return true;
}

void Button_XP::Terminate() {
    if (g_Font) {
        // Its change handling ends; the object itself stays valid for whoever holds it.
        disconnect(g_Font.get(), nullptr, this, nullptr);
    }
    m_OverTimer.stop();
}

// ---- painting --------------------------------------------------------------------------

QSize Button_XP::FacePixels(qreal ratio) const {
    return {FaceCanvas::DevicePixels(std::max(width(), 1), ratio),
            FaceCanvas::DevicePixels(std::max(height(), 1), ratio)};
}

void Button_XP::Refresh() {
    // The face is painted at the screen's device pixel ratio, not enlarged from the
    // control's own pixels: its lines stay one device pixel and its caption sharp.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = FacePixels(ratio);
    if (m_BackBuffer.size() != pixels || m_BackBuffer.devicePixelRatio() != ratio) {
        m_BackBuffer = QImage(pixels, QImage::Format_RGB32);
        m_BackBuffer.setDevicePixelRatio(ratio);
    }
    RenderFace(m_BackBuffer);
    ++m_RefreshCount;
    update(); // the finished image reaches the screen in one piece
    emit Refreshed();
}

FaceState Button_XP::CurrentFaceState() const {
    FaceState s;
    s.W = width();
    s.H = height();
    s.ButtonStyle = m_ButtonStyle;
    s.BackColor = m_BackColor;
    s.ForeColor = m_ForeColor;
    s.BEVEL = m_BEVEL;
    s.BEVELDEPTH = m_BEVELDEPTH;
    s.XPDefaultColors = m_XPDefaultColors;
    s.XPColor_Hover = m_XPColor_Hover;
    s.XPColor_Pressed = m_XPColor_Pressed;
    s.XPShowBorderAlways = m_XPShowBorderAlways;
    s.TransparentBG = m_TransparentBG;
    s.ShowFocusRect = m_ShowFocusRect;
    s.CurrentPicture = m_CurrentPicture;
    s.Caption = m_Caption;
    s.PicturePosition = m_PicturePosition;
    s.PictureWidth = m_PictureWidth;
    s.PictureHeight = m_PictureHeight;
    s.MaskColor = m_MaskColor;
    s.Font = m_SurfaceFont.toQFont();
    s.HasFocus = m_HasFocus;
    s.IsPressed = m_IsPressed;
    s.IsMouseOver = m_IsMouseOver;
    s.Enabled = Enabled();
    s.UserMode = m_Host->UserMode();
    s.IsDefaultButton = m_Host->IsDefaultButton();
    if (m_TransparentBG) {
        s.ParentPicture = m_Host->ParentPicture();
        const QPointF at = m_Host->ExtenderPosition();
        const double units =
            m_Host->ParentUnitsPerPixel() > 0 ? m_Host->ParentUnitsPerPixel() : 1.0;
        // To whole pixels, halves to the even neighbour.
        s.ParentOffset =
            QPoint(int(std::nearbyint(at.x() / units)), int(std::nearbyint(at.y() / units)));
    }
    return s;
}

void Button_XP::RenderFace(QImage& image) {
    FacePainter::Paint(CurrentFaceState(), m_Face, image);
}

void Button_XP::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF(); // changes when the window moves to another screen
    if (m_BackBuffer.size() != FacePixels(ratio) || m_BackBuffer.devicePixelRatio() != ratio) {
        Refresh();
    }
    QPainter p(this);
    p.drawImage(0, 0, m_BackBuffer);
}

// ---- interaction -----------------------------------------------------------------------

void Button_XP::HandlePress(qint16 button, qint16 shift, float x, float y) {
    m_LastButton = button;
    m_LastShift = shift;
    m_LastX = x;
    m_LastY = y;
    if (button != 2) {
        m_IsPressed = true;
        Refresh();
    }
    emit MouseDown(button, shift, x, y);
}

void Button_XP::HandleRelease(qint16 button, qint16 shift, float x, float y) {
    m_IsPressed = false;
    if (button != 2) {
        Refresh();
        if (x >= 0 && x < width() && y >= 0 && y < height()) {
            PlayButtonSound(m_SoundClick);
            emit Click();
            GoToURL();
        }
    }
    emit MouseUp(button, shift, x, y);
}

namespace {
// Back, Forward and the other extra buttons are ignored, as the platform ignores them.
bool IsButtonOfTheControl(Qt::MouseButton button) {
    return button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton;
}
} // namespace

void Button_XP::mousePressEvent(QMouseEvent* event) {
    if (!IsButtonOfTheControl(event->button())) {
        event->ignore();
        return;
    }
    const QPointF pos = event->position();
    HandlePress(ButtonFromQt(event->button()), ShiftMaskFromQt(event->modifiers()), float(pos.x()),
                float(pos.y()));
}

void Button_XP::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!IsButtonOfTheControl(event->button())) {
        event->ignore();
        return;
    }
    // The second press of a double click replays the first press, with the mouse held
    // by this control until the release.
    grabMouse();
    m_Grabbed = true;
    HandlePress(m_LastButton, m_LastShift, m_LastX, m_LastY);
}

void Button_XP::mouseMoveEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    qint16 button = ButtonFromQt(event->buttons());
    qint16 shift = ShiftMaskFromQt(event->modifiers());
    float x = float(pos.x());
    float y = float(pos.y());
    if (x >= 0 && x < width() && y >= 0 && y < height() && !m_IsMouseOver) {
        m_OverTimer.start();
        m_IsMouseOver = true;
        // An empty hover picture counts as none: the normal picture stays.
        if (m_PictureHover && m_PictureHover->kind() != ButtonPicture::Kind::Empty) {
            m_CurrentPicture = m_PictureHover;
        }
        qint16 s = shift;
        emit MouseIn(s);
        Refresh();
        QCoreApplication::processEvents();
    }
    emit MouseMove(button, shift, x, y);
}

void Button_XP::mouseReleaseEvent(QMouseEvent* event) {
    if (!IsButtonOfTheControl(event->button())) {
        event->ignore();
        return;
    }
    if (m_Grabbed) {
        releaseMouse();
        m_Grabbed = false;
    }
    const QPointF pos = event->position();
    HandleRelease(ButtonFromQt(event->button()), ShiftMaskFromQt(event->modifiers()),
                  float(pos.x()), float(pos.y()));
}

void Button_XP::OverTimerTick() {
    if (m_Services.Pointer->WidgetUnderPointer() == this) {
        return;
    }
    m_OverTimer.stop();
    m_IsMouseOver = false;
    m_CurrentPicture = m_NormalPicture;
    qint16 shift = m_LastShift;
    emit MouseOut(shift);
    Refresh();
    if (m_IsPressed) {
        // Away from the control a held button shows a raised face, but stays held.
        m_IsPressed = false;
        Refresh();
        m_IsPressed = true;
    }
}

void Button_XP::keyPressEvent(QKeyEvent* event) {
    qint16 keyCode = VirtualKeyFromQt(event->key(), event->modifiers());
    qint16 shift = ShiftMaskFromQt(event->modifiers());
    // Only the first key-down of a held key can press: the repeats of a Space (or an Enter,
    // which comes as one) held down in a message box reach the control once the box has
    // closed, and they are not a press of it.
    const bool firstDown = !event->isAutoRepeat();
    if (!m_KeyIsDown) {
        if (keyCode == SpaceKey && firstDown) {
            m_IsPressed = true;
            m_IsMouseOver = true;
            Refresh();
        }
        m_KeyIsDown = true;
    }
    if (keyCode == SpaceKey && firstDown) {
        // Only a Space that went down here may click when it goes up: the release of a key
        // pressed in a dialog that has just closed is not a click.
        m_SpaceIsDown = true;
    }
    emit KeyDown(keyCode, shift);
    const QString text = event->text();
    if (!text.isEmpty() && text.front().unicode() < 256) {
        qint16 ascii = static_cast<qint16>(text.front().unicode());
        emit KeyPress(ascii);
    }
}

void Button_XP::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) {
        return; // a held key goes up once, when it is really let go
    }
    qint16 keyCode = VirtualKeyFromQt(event->key(), event->modifiers());
    qint16 shift = ShiftMaskFromQt(event->modifiers());
    if (keyCode == SpaceKey && m_SpaceIsDown) {
        m_SpaceIsDown = false;
        m_IsPressed = false;
        m_IsMouseOver = false;
        Refresh();
        HandleRelease(1, shift, 0, 0);
    }
    m_KeyIsDown = false;
    emit KeyUp(keyCode, shift);
}

void Button_XP::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    m_HasFocus = true;
    Refresh();
}

void Button_XP::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    m_HasFocus = false;
    m_IsPressed = false;
    // A key held when the focus left goes up elsewhere, or here only after coming back.
    m_KeyIsDown = false;
    m_SpaceIsDown = false;
    Refresh();
}

bool Button_XP::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QCoreApplication::instance() &&
        event->type() == QEvent::ApplicationPaletteChange) {
        // A new application palette (another desktop theme): the face is painted again in
        // the system colours as they are now, as the platform's are.
        ApplySurfaceColors();
        Refresh();
    }
    return false;
}

void Button_XP::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    HandleResize();
}

void Button_XP::HandleResize() {
    if (width() < MinimumSide) {
        resize(MinimumSide, height());
    }
    if (height() < MinimumSide) {
        resize(width(), MinimumSide);
    }
    m_ButtonWidth = width();
    m_ButtonHeight = height();
    m_FocusRect = QRect(QPoint(4, 4), QPoint(m_ButtonWidth - 4 - 1, m_ButtonHeight - 4 - 1));
    if (m_ButtonStyle == 3) {
        ApplyRoundedRegion();
    } else {
        clearMask(); // only the themed style has notched corners
    }
    Refresh();
}

void Button_XP::ApplyRoundedRegion() {
    const int W = m_ButtonWidth;
    const int H = m_ButtonHeight;
    // Rectangles as (left, top, right, bottom), right and bottom exclusive.
    auto rect = [](int l, int t, int r, int b) { return QRegion(l, t, r - l, b - t); };
    QRegion region = rect(0, 0, W, H);
    region -= rect(0, 0, 2, 1);
    region -= rect(0, H - 1, 2, H);
    region -= rect(W - 2, 0, W, 1);
    region -= rect(W - 2, H - 1, W, H);
    region -= rect(0, 1, 1, 2);
    region -= rect(0, H - 2, 1, H - 1);
    region -= rect(W - 1, 1, W, 2);
    region -= rect(W - 1, H - 2, W, H - 1);
    setMask(region);
}

void Button_XP::UpdateAccessKey() {
    m_AccessKey = AccessKeyFromCaption(m_Caption);
    if (m_AccessKey.isEmpty()) {
        delete m_Shortcut;
        m_Shortcut = nullptr;
        return;
    }
    if (!m_Shortcut) {
        m_Shortcut = new QShortcut(this);
        m_Shortcut->setContext(Qt::WindowShortcut);
        connect(m_Shortcut, &QShortcut::activated, this, &Button_XP::AccessKeyActivated);
    }
    const int key = m_AccessKey.front().toUpper().unicode();
    m_Shortcut->setKey(QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(key))));
}

void Button_XP::AccessKeyActivated() {
    if (Enabled()) {
        emit Click();
        GoToURL();
    }
}

void Button_XP::GoToURL() {
    if (m_URL.left(7) == QLatin1String("mailto:")) {
        m_Services.Urls->Open(QUrl(m_URL), window());
    } else if (!m_URL.isEmpty()) {
        m_Host->NavigateTo(m_URL);
    }
}

bool Button_XP::PlayButtonSound(const QString& file) {
    if (file.isEmpty()) {
        return false;
    }
    // Stored paths use backslashes; they are relative to the current folder.
    QString path = file;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return m_Services.Sound->Play(QDir::current().absoluteFilePath(QDir::cleanPath(path)));
}

} // namespace voxtrel
