// The icon's gem at a few dozen pixels, laid on the pixel grid so that it stays crisp.
#pragma once

#include <QImage>

namespace glintrow::assets {

// Gem `kind` as a size × size ARGB picture of whole pixels, each wholly inside the gem or wholly
// outside it: a one-pixel dark outline, the crown as four flat bands around the table, the table
// as four flat triangles, and the glint as a small cross. Each facet takes the colour the full
// gem shows there, pushed apart from the others.
QImage paintPixelGem(int kind, int size);

} // namespace glintrow::assets
