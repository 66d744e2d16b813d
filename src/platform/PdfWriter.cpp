#include "platform/PdfWriter.h"

#include <zlib.h>

#include <unistd.h>
#include <string_view>

#include "platform/FileIo.h"
#include "platform/RunDeflate.h"
#include "platform/Utf8.h"

namespace noma {

namespace {

constexpr int kCatalogObject = 1;
constexpr int kPagesObject = 2;
constexpr int kInfoObject = 3;

// A length in points with four decimals, written without the C library so that no locale
// can turn the decimal point into a comma.
std::string points(int pixels, int dpi) {
    const long long tenThousandths =
        (static_cast<long long>(pixels) * 72 * 10000 + dpi / 2) / static_cast<long long>(dpi);
    std::string text = std::to_string(tenThousandths / 10000);
    const long long fraction = tenThousandths % 10000;
    if (fraction != 0) {
        std::string digits = std::to_string(fraction);
        digits.insert(0, 4 - digits.size(), '0');
        while (digits.back() == '0') digits.pop_back();
        text += "." + digits;
    }
    return text;
}

// A text string: literal when it is plain ASCII, otherwise UTF-16BE in hex.
std::string pdfText(std::string_view utf8) {
    bool ascii = true;
    for (char c : utf8)
        ascii =
            ascii && static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7F;
    if (ascii) {
        std::string out = "(";
        for (char c : utf8) {
            if (c == '(' || c == ')' || c == '\\') out += '\\';
            out += c;
        }
        return out + ")";
    }
    std::u16string units;
    for (char32_t cp : decodeUtf8(utf8)) {
        if (cp >= 0x10000) {
            cp -= 0x10000;
            units += static_cast<char16_t>(0xD800 + (cp >> 10));
            units += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            units += static_cast<char16_t>(cp);
        }
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out = "<FEFF";
    for (char16_t u : units) {
        for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(u >> shift) & 0xF];
    }
    return out + ">";
}

// The picture's RGB samples, row by row, deflated.
bool deflateRgb(const Canvas& picture, std::string& out) {
    z_stream z{};
    if (deflateInit(&z, Z_DEFAULT_COMPRESSION) != Z_OK) return false;
    const size_t width = static_cast<size_t>(picture.width());
    std::vector<unsigned char> row(width * 3);
    std::vector<unsigned char> chunk(1 << 16);
    bool ok = true;
    for (int y = 0; y < picture.height() && ok; ++y) {
        const uint32_t* in = picture.data() + static_cast<size_t>(y) * width;
        for (size_t x = 0; x < width; ++x) {
            row[3 * x] = static_cast<unsigned char>(redOf(in[x]));
            row[3 * x + 1] = static_cast<unsigned char>(greenOf(in[x]));
            row[3 * x + 2] = static_cast<unsigned char>(blueOf(in[x]));
        }
        z.next_in = row.data();
        z.avail_in = static_cast<uInt>(row.size());
        const int flush = y + 1 == picture.height() ? Z_FINISH : Z_NO_FLUSH;
        int status = Z_OK;
        do {
            z.next_out = chunk.data();
            z.avail_out = static_cast<uInt>(chunk.size());
            status = deflate(&z, flush);
            if (status == Z_STREAM_ERROR) {
                ok = false;
                break;
            }
            out.append(reinterpret_cast<const char*>(chunk.data()), chunk.size() - z.avail_out);
        } while (z.avail_out == 0 || (flush == Z_FINISH && status != Z_STREAM_END));
    }
    deflateEnd(&z);
    return ok;
}

}  // namespace

PdfWriter::PdfWriter(const std::string& path, std::string title)
    : path_(path), file_(path, ".noma-print-"), title_(std::move(title)) {
    open();
}

PdfWriter::~PdfWriter() = default;

void PdfWriter::open() {
    if (!file_.ok()) {
        fail(file_.failure());
        return;
    }
    write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
    beginObject();  // the catalog
    write("<< /Type /Catalog /Pages 2 0 R >>\nendobj\n");
    objectOffsets_.push_back(0);  // the page tree comes last, when the pages are known
    beginObject();                // the document information
    write("<< /Title " + pdfText(title_) + " /Producer (NOMA) >>\nendobj\n");
}

void PdfWriter::fail(const std::string& reason) {
    if (reason_.empty()) reason_ = reason;
}

Status PdfWriter::status() const {
    if (reason_.empty()) return {};
    return Failure{"ファイルに保存できませんでした。\n" + path_,
                   "cannot write " + path_ + ": " + reason_};
}

int PdfWriter::beginObject() {
    objectOffsets_.push_back(offset_);
    const int number = static_cast<int>(objectOffsets_.size());
    write(std::to_string(number) + " 0 obj\n");
    return number;
}

void PdfWriter::write(const std::string& text) {
    writeBytes(text.data(), text.size());
}

void PdfWriter::writeBytes(const void* data, size_t size) {
    if (!reason_.empty()) return;
    if (!file_.write(std::string_view(static_cast<const char*>(data), size))) {
        fail(file_.failure());
        return;
    }
    offset_ += size;
}

Status PdfWriter::addPage(const Canvas& picture, int dpi) {
    if (!reason_.empty()) return status();
    if (finished_) fail("the document is finished");
    if (picture.width() <= 0 || picture.height() <= 0 || dpi <= 0) fail("empty page");
    if (!reason_.empty()) return status();
    // Print pages are grey; a picture with colour goes through the general compressor.
    std::string samples;
    const bool grey = deflateGreyRuns(picture, samples);
    if (!grey) {
        samples.clear();
        if (!deflateRgb(picture, samples)) {
            fail("the page cannot be compressed");
            return status();
        }
    }

    const int image = beginObject();
    write("<< /Type /XObject /Subtype /Image /Width " + std::to_string(picture.width()) +
          " /Height " + std::to_string(picture.height()) + " /ColorSpace " +
          (grey ? "/DeviceGray" : "/DeviceRGB") +
          " /BitsPerComponent 8 /Filter /FlateDecode /Length " + std::to_string(samples.size()) +
          " >>\nstream\n");
    writeBytes(samples.data(), samples.size());
    write("\nendstream\nendobj\n");
    samples = {};

    const std::string width = points(picture.width(), dpi);
    const std::string height = points(picture.height(), dpi);
    const std::string content = "q\n" + width + " 0 0 " + height + " 0 0 cm\n/Im0 Do\nQ\n";
    const int contents = beginObject();
    write("<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content +
          "endstream\nendobj\n");

    const int page = beginObject();
    write("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + width + " " + height +
          "] /Resources << /XObject << /Im0 " + std::to_string(image) + " 0 R >> >> /Contents " +
          std::to_string(contents) + " 0 R >>\nendobj\n");
    pageObjects_.push_back(page);
    return status();
}

Status PdfWriter::finish() {
    if (!reason_.empty()) {
        file_.abandon();
        return status();
    }
    if (finished_) return {};
    // Readers refuse a document without pages; there is nothing to show anyway.
    if (pageObjects_.empty()) {
        file_.abandon();
        fail("no page was printed");
        return status();
    }
    objectOffsets_[kPagesObject - 1] = offset_;
    std::string kids;
    for (int page : pageObjects_) kids += std::to_string(page) + " 0 R ";
    write(std::to_string(kPagesObject) + " 0 obj\n<< /Type /Pages /Kids [" + kids + "] /Count " +
          std::to_string(pageObjects_.size()) + " >>\nendobj\n");

    const uint64_t xref = offset_;
    std::string table = "xref\n0 " + std::to_string(objectOffsets_.size() + 1) + "\n";
    table += "0000000000 65535 f \n";
    for (uint64_t at : objectOffsets_) {
        std::string digits = std::to_string(at);
        table += std::string(10 - digits.size(), '0') + digits + " 00000 n \n";
    }
    write(table);
    write("trailer\n<< /Size " + std::to_string(objectOffsets_.size() + 1) + " /Root " +
          std::to_string(kCatalogObject) + " 0 R /Info " + std::to_string(kInfoObject) +
          " 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n");

    if (reason_.empty() && !file_.commit()) fail(file_.failure());
    if (!reason_.empty()) {
        file_.abandon();
        return status();
    }
    finished_ = true;
    return {};
}

}  // namespace noma
