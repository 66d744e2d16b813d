#include "platform/FontText.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <map>

#include "platform/Utf8.h"

namespace noma {

namespace {

struct Glyph {
    int advance = 0;
    std::vector<InkRun> ink;  // y relative to the baseline
};

struct LineMetrics {
    int ascent = 0;
    int descent = 0;
};

// Faces that show kana, kanji and full-width Latin, in order of preference.
std::string findJapaneseFace() {
    if (!FcInit()) return {};
    const char* const candidates[] = {"IPAGothic", "IPAPGothic", "Noto Sans CJK JP", ":lang=ja"};
    std::string fallback;
    for (const char* name : candidates) {
        FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(name));
        if (pattern == nullptr) continue;
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(nullptr, pattern, &result);
        FcPatternDestroy(pattern);
        if (match == nullptr) continue;
        FcChar8* file = nullptr;
        FcCharSet* charset = nullptr;
        std::string path;
        bool japanese = false;
        if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
            path = reinterpret_cast<const char*>(file);
            japanese = FcPatternGetCharSet(match, FC_CHARSET, 0, &charset) == FcResultMatch &&
                       FcCharSetHasChar(charset, 0x3042) && FcCharSetHasChar(charset, 0xFF41);
        }
        FcPatternDestroy(match);
        if (japanese) return path;
        if (fallback.empty()) fallback = path;
    }
    return fallback;
}

// The one face, loaded on first use and shared by every canvas. Text is drawn only on the
// thread that draws pages (the MIDI player's thread never draws), so nothing here is locked.
class Face {
  public:
    static Face& instance() {
        static Face face;
        return face;
    }

    const std::string& path() const { return path_; }

    TextLayout layout(const std::u32string& text, int pointSize, int dpi) {
        TextLayout out;
        if (face_ == nullptr || !select(pointSize, dpi)) {
            const int pixels = std::max(1, pointSize * dpi / 72);
            out.width = static_cast<int>(text.size()) * ((pixels + 1) / 2);
            out.height = pixels;
            out.ascent = pixels * 7 / 8;
            return out;
        }
        const LineMetrics line = metrics_[sizeKey(pointSize, dpi)];
        out.ascent = line.ascent;
        out.height = line.ascent + line.descent;
        for (char32_t c : text) {
            const Glyph& g = glyph(c, pointSize, dpi);
            for (const InkRun& run : g.ink)
                out.ink.push_back({out.width + run.x, line.ascent + run.y, run.length});
            out.width += g.advance;
        }
        return out;
    }

  private:
    Face() : path_(findJapaneseFace()) {
        if (path_.empty() || FT_Init_FreeType(&library_) != 0) return;
        if (FT_New_Face(library_, path_.c_str(), 0, &face_) != 0) face_ = nullptr;
    }
    ~Face() {
        if (face_ != nullptr) FT_Done_Face(face_);
        if (library_ != nullptr) FT_Done_FreeType(library_);
    }

    static uint64_t sizeKey(int pointSize, int dpi) {
        return (static_cast<uint64_t>(static_cast<uint32_t>(pointSize)) << 32) |
               static_cast<uint32_t>(dpi);
    }

    bool select(int pointSize, int dpi) {
        if (pointSize <= 0 || dpi <= 0) return false;
        const uint64_t key = sizeKey(pointSize, dpi);
        if (key == selected_) return true;
        if (FT_Set_Char_Size(face_, 0, static_cast<FT_F26Dot6>(pointSize) * 64,
                             static_cast<FT_UInt>(dpi), static_cast<FT_UInt>(dpi)) != 0) {
            return false;
        }
        selected_ = key;
        const FT_Size_Metrics& m = face_->size->metrics;
        metrics_[key] = {static_cast<int>((m.ascender + 63) / 64),
                         static_cast<int>((-m.descender + 63) / 64)};
        return true;
    }

    const Glyph& glyph(char32_t c, int pointSize, int dpi) {
        const auto key = std::make_pair(sizeKey(pointSize, dpi), c);
        if (const auto found = glyphs_.find(key); found != glyphs_.end()) return found->second;
        // Every size and character stays, up to a bound that only a long session of prints
        // at ever new resolutions reaches.
        constexpr size_t kMaxGlyphs = 16384;
        if (glyphs_.size() >= kMaxGlyphs) glyphs_.clear();
        Glyph& g = glyphs_[key];
        if (FT_Load_Char(face_, c, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) != 0)
            return g;
        const FT_GlyphSlot slot = face_->glyph;
        g.advance = static_cast<int>((slot->advance.x + 32) / 64);
        const FT_Bitmap& bm = slot->bitmap;
        for (unsigned row = 0; row < bm.rows; ++row) {
            const unsigned char* bits = bm.buffer + static_cast<ptrdiff_t>(row) * bm.pitch;
            int runStart = -1;
            for (unsigned col = 0; col <= bm.width; ++col) {
                bool on = false;
                if (col < bm.width) {
                    on = bm.pixel_mode == FT_PIXEL_MODE_MONO
                             ? ((bits[col / 8] >> (7 - col % 8)) & 1)
                             : bits[col] >= 128;
                }
                if (on && runStart < 0) runStart = static_cast<int>(col);
                if (!on && runStart >= 0) {
                    g.ink.push_back({slot->bitmap_left + runStart,
                                     static_cast<int>(row) - slot->bitmap_top,
                                     static_cast<int>(col) - runStart});
                    runStart = -1;
                }
            }
        }
        return g;
    }

    std::string path_;
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
    uint64_t selected_ = 0;
    std::map<uint64_t, LineMetrics> metrics_;
    std::map<std::pair<uint64_t, char32_t>, Glyph> glyphs_;
};

}  // namespace

TextLayout layoutText(std::string_view utf8, int pointSize, int dpi) {
    return Face::instance().layout(decodeUtf8(utf8), pointSize, dpi);
}

std::string textFacePath() {
    return Face::instance().path();
}

}  // namespace noma
