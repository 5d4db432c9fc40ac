#include "draw/jpeg_error.h"

namespace {

[[noreturn]] void JumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

void Silent(j_common_ptr, int) {}

} // namespace

void UseJpegError(jpeg_common_struct& info, JpegError& error) {
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = JumpBack;
    error.manager.emit_message = Silent;
}
