#pragma once

#include <QIcon>
#include <QImage>
#include <QMetaType>
#include <memory>

namespace voxtrel {

// A picture object for the button. A picture may hold a bitmap (drawn with MaskColor left
// out), an icon (drawn with its own transparency), or nothing at all: an empty picture is a
// picture, unlike the absence of one (a null PictureRef).
class ButtonPicture {
public:
    enum class Kind { Empty, Bitmap, Icon };

    ButtonPicture() = default;
    static std::shared_ptr<const ButtonPicture> empty();
    static std::shared_ptr<const ButtonPicture> fromImage(const QImage& image,
                                                          QPoint hotSpot = {-1, -1});
    static std::shared_ptr<const ButtonPicture> fromIcon(const QIcon& icon,
                                                         QSize naturalSize = {32, 32});

    Kind kind() const { return m_Kind; }
    const QImage& image() const { return m_Image; }
    const QIcon& icon() const { return m_Icon; }
    // The natural size in pixels (0 × 0 for an empty picture).
    QSize pixelSize() const { return m_Size; }
    // Where a pointer made from this picture points; (-1, -1) is the middle.
    QPoint hotSpot() const { return m_HotSpot; }

private:
    Kind m_Kind = Kind::Empty;
    QImage m_Image;
    QIcon m_Icon;
    QSize m_Size{0, 0};
    QPoint m_HotSpot{-1, -1};
};

using PictureRef = std::shared_ptr<const ButtonPicture>;

} // namespace voxtrel

Q_DECLARE_METATYPE(voxtrel::PictureRef)
