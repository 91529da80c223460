// PDF pages through poppler's cairo renderer: the page's paper white, its content over it.
#include "PdfMapSource.h"

#include <poppler.h>

namespace {

constexpr double kPointsPerInch = 72;
// The parsed document's own memory beyond the file's bytes: fonts, caches.
constexpr uint64_t kDocumentOverhead = 32u << 20;

}  // namespace

PdfMapSource::PdfMapSource(FileHandle file, const std::string& path, const MapSourceOptions& options)
    : VectorMapSource(path, options), Page_(options.Page.value_or(1)) {
    DocumentBytes_ = FileSize(file) + kDocumentOverhead;
    // poppler takes the descriptor and closes it with the document.
    GError* error = nullptr;
    Document_.reset(poppler_document_new_from_fd(file.Release(), nullptr, &error));
    if (Document_ == nullptr) {
        const bool encrypted = error != nullptr && error->domain == POPPLER_ERROR && error->code == POPPLER_ERROR_ENCRYPTED;
        const std::string text = TakeErrorText(error);
        if (encrypted) Fail("the PDF is encrypted and needs a password");
        Fail("not a readable PDF (" + text + ")");
    }
    const int pages = poppler_document_get_n_pages(Document_.get());
    if (Page_ < 1 || Page_ > pages) {
        const std::string count = pages == 1 ? "1 page" : std::to_string(pages) + " pages";
        Fail("there is no page " + std::to_string(Page_) + ": the PDF has " + count);
    }
    PageHandle_.reset(poppler_document_get_page(Document_.get(), Page_ - 1));
    if (PageHandle_ == nullptr) Fail("page " + std::to_string(Page_) + " cannot be read");
    double width = 0, height = 0;
    poppler_page_get_size(PageHandle_.get(), &width, &height);
    SetExtent(width, height, kPointsPerInch);
}

std::string PdfMapSource::Description() const { return "PDF page " + std::to_string(Page_) + " " + ScaleText(); }

void PdfMapSource::Render(cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, ExtentWidth(), ExtentHeight());
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill(cr);
    poppler_page_render(PageHandle_.get(), cr);
}
