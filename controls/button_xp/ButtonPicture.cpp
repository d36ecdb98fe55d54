#include "controls/button_xp/ButtonPicture.h"

namespace voxtrel {

std::shared_ptr<const ButtonPicture> ButtonPicture::empty() {
    return std::make_shared<const ButtonPicture>();
}

std::shared_ptr<const ButtonPicture> ButtonPicture::fromImage(const QImage& image, QPoint hotSpot) {
    auto p = std::make_shared<ButtonPicture>();
    if (!image.isNull()) {
        p->m_Kind = Kind::Bitmap;
        p->m_Image = image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32)
                                             : image.convertToFormat(QImage::Format_RGB32);
        p->m_Size = image.size();
        p->m_HotSpot = hotSpot;
    }
    return p;
}

std::shared_ptr<const ButtonPicture> ButtonPicture::fromIcon(const QIcon& icon, QSize naturalSize) {
    auto p = std::make_shared<ButtonPicture>();
    if (!icon.isNull()) {
        p->m_Kind = Kind::Icon;
        p->m_Icon = icon;
        p->m_Size = naturalSize;
    }
    return p;
}

} // namespace voxtrel
