// The error manager for libjpeg: fatal errors long-jump out, nothing is ever printed.
#include "JpegLibrary.h"

namespace {

void ErrorExit(j_common_ptr cinfo) {
    auto* manager = reinterpret_cast<JpegErrorManager*>(cinfo->err);
    manager->Code = cinfo->err->msg_code;
    cinfo->err->format_message(cinfo, manager->Message);
    std::longjmp(manager->Jump, 1);
}

void EmitMessage(j_common_ptr cinfo, int level) {
    if (level < 0) cinfo->err->num_warnings++;
}

void OutputMessage(j_common_ptr) {}

}  // namespace

jpeg_error_mgr* InitJpegErrorManager(JpegErrorManager* manager) {
    jpeg_error_mgr* err = jpeg_std_error(&manager->Public);
    err->error_exit = ErrorExit;
    err->emit_message = EmitMessage;
    err->output_message = OutputMessage;
    manager->Code = 0;
    manager->Message[0] = '\0';
    return err;
}
