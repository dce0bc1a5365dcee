#pragma once

#include <cstdio>
#include <jpeglib.h>

#include <csetjmp>

namespace veridi {

// libjpeg's default error handler ends the process. This one jumps back to the caller's
// setjmp point instead; the caller then destroys the codec and reports failure. Only plain C
// data may live between setjmp and longjmp in the caller's frame.
struct JpegErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    // Warnings that mean the data ended early are fatal for a picture: libjpeg would otherwise
    // hand back a half-grey image.
    bool failOnTruncation = true;
};

// Installs the manager into a codec's error field and returns the base to assign.
jpeg_error_mgr* installJpegErrorManager(JpegErrorManager& manager);

} // namespace veridi
