#pragma once

#include "Picture.h"

#include <QString>

namespace veridi {

// Reads the picture a PICTURE command names. The extension (bmp, jpg, jpeg, ico, wmf, emf,
// tif, tiff, in any case) decides how it is decoded; another extension, a missing file or one
// that does not decode gives an empty slot. A file that exists but cannot be read throws
// FileError.
PictureSlot loadPictureFile(const QString& fileName);

} // namespace veridi
