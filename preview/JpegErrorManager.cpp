#include "JpegErrorManager.h"

#include <jerror.h>

namespace veridi {
namespace {

[[noreturn]] void jumpOut(j_common_ptr codec) {
    auto* manager = reinterpret_cast<JpegErrorManager*>(codec->err);
    std::longjmp(manager->jump, 1);
}

void onMessage(j_common_ptr codec, int level) {
    if (level < 0 && codec->err->msg_code == JWRN_JPEG_EOF)
        jumpOut(codec);
    // Other warnings and traces are not worth a message: the picture is drawn or not.
}

void silent(j_common_ptr) {}

} // namespace

jpeg_error_mgr* installJpegErrorManager(JpegErrorManager& manager) {
    jpeg_error_mgr* base = jpeg_std_error(&manager.base);
    base->error_exit = jumpOut;
    base->emit_message = onMessage;
    base->output_message = silent;
    return base;
}

} // namespace veridi
