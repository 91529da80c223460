// Internal glue shared by the decoder and encoder: the error manager that turns the library's
// fatal exit into a long jump, and the quiet message handlers.
#pragma once

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

struct JpegErrorManager {
    jpeg_error_mgr Public;
    jmp_buf Jump;
    int Code;
    char Message[JMSG_LENGTH_MAX];  // the library's own text of the fatal error
};

/// Installs the program's error handling: fatal errors jump back to Jump with Code and Message set, warnings
/// and trace messages are discarded.
jpeg_error_mgr* InitJpegErrorManager(JpegErrorManager* manager);
