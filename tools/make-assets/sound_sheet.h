// The sounds' part of the contact sheet: each sound's shape and how loud it measures.
#pragma once

#include <QImage>

namespace glintrow::assets {

// The contact sheet's pictures with a panel of the sounds below them. Needs a QGuiApplication,
// which the panel's text is laid out with.
QImage addSoundPanel(const QImage& pictures);

} // namespace glintrow::assets
