// JPEG inspection: a walk over the marker segments for the frame type, then a full decode that
// counts every warning (a cut or damaged file decodes with warnings only).
#include "JpegInspect.h"

#include <vector>

#include "JpegLibrary.h"

namespace {

struct InspectErrorManager {
    JpegErrorManager Base;
    char FirstWarning[JMSG_LENGTH_MAX];
};

void KeepFirstWarning(j_common_ptr cinfo, int level) {
    if (level >= 0) return;
    auto* manager = reinterpret_cast<InspectErrorManager*>(cinfo->err);
    if (cinfo->err->num_warnings++ == 0) cinfo->err->format_message(cinfo, manager->FirstWarning);
}

// The marker of the first frame header (0xC0 to 0xCF but DHT, JPG and DAC), or 0 when none comes
// before the first scan or the end of the data.
int FrameMarker(std::span<const uint8_t> bytes) {
    if (bytes.size() < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8) return 0;
    size_t pos = 2;
    while (pos + 4 <= bytes.size()) {
        if (bytes[pos] != 0xFF) return 0;
        const int marker = bytes[pos + 1];
        if (marker == 0xFF) {  // fill byte
            ++pos;
            continue;
        }
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) return marker;
        if (marker == 0xDA || marker == 0xD9) return 0;
        pos += 2 + ((static_cast<size_t>(bytes[pos + 2]) << 8) | bytes[pos + 3]);
    }
    return 0;
}

// The decode proper; nothing with a destructor lives between setjmp and the jumps.
bool DecodeAll(std::span<const uint8_t> bytes, JpegInspection& result, uint8_t* row, size_t rowSize) {
    jpeg_decompress_struct cinfo{};
    InspectErrorManager err{};
    cinfo.err = InitJpegErrorManager(&err.Base);
    cinfo.err->emit_message = KeepFirstWarning;
    if (setjmp(err.Base.Jump)) {
        // A warning before the error (a file cut short) says more than the error it led to.
        char text[JMSG_LENGTH_MAX];
        cinfo.err->format_message(reinterpret_cast<j_common_ptr>(&cinfo), text);
        result.Problem = cinfo.err->num_warnings > 0 ? err.FirstWarning : text;
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    result.Width = static_cast<int>(cinfo.image_width);
    result.Height = static_cast<int>(cinfo.image_height);
    // Speed over fidelity: only whether the data decode matters here.
    cinfo.dct_method = JDCT_IFAST;
    cinfo.do_fancy_upsampling = FALSE;
    cinfo.out_color_space = JCS_GRAYSCALE == cinfo.jpeg_color_space ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(&cinfo);
    if (static_cast<size_t>(cinfo.output_width) * static_cast<size_t>(cinfo.output_components) > rowSize) {
        ERREXIT(&cinfo, JERR_OUT_OF_MEMORY);
    }
    JSAMPROW rows[1] = {row};
    while (cinfo.output_scanline < cinfo.output_height) jpeg_read_scanlines(&cinfo, rows, 1);
    jpeg_finish_decompress(&cinfo);
    const bool warned = cinfo.err->num_warnings > 0;
    if (warned) result.Problem = err.FirstWarning;
    jpeg_destroy_decompress(&cinfo);
    return !warned;
}

}  // namespace

JpegInspection InspectJpeg(std::span<const uint8_t> bytes) {
    JpegInspection result;
    result.Baseline = FrameMarker(bytes) == 0xC0;
    // A row of the largest picture the library accepts, in three components.
    std::vector<uint8_t> row(static_cast<size_t>(JPEG_MAX_DIMENSION) * 3);
    result.Clean = DecodeAll(bytes, result, row.data(), row.size());
    return result;
}
