#pragma once

#include <cstdio>
#include <jpeglib.h>

#include <csetjmp>

namespace veridi {

// libjpeg's default error handler ends the process. This one jumps back to the caller's
// setjmp point instead; the caller then destroys the codec and reports failure. Only plain C
// data may live between setjmp and longjmp in the caller's frame. The warning that the data
// ended early is fatal too: libjpeg would otherwise hand back a half-grey picture.
struct JpegErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

// Installs the manager into a codec's error field and returns the base to assign.
jpeg_error_mgr* installJpegErrorManager(JpegErrorManager& manager);

} // namespace veridi
