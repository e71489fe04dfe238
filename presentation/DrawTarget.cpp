#include "DrawTarget.h"

#include "Metafile.h"

namespace qx {

void DrawTarget::drawMetafile(const Metafile& metafile, const DeviceRect& box) { metafile.play(*this, box); }

}  // namespace qx
