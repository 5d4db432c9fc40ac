#pragma once

#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <jpeglib.h>

// libjpeg reports a fatal error by calling error_exit, which must not return: ours jumps back to the setjmp
// of the function that called into the library. Warnings (a truncated file, say) are not fatal.
struct JpegError {
    jpeg_error_mgr manager{};
    std::jmp_buf jump{};
};

// Points `info`'s error handling at `error`.
void UseJpegError(jpeg_common_struct& info, JpegError& error);

// libjpeg's memory for one picture is capped, so a crafted or enormous file fails instead of filling memory.
inline constexpr long kJpegMemoryLimit = 48L << 20;
