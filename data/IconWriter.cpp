// Writes the program icon as the desktop's icon theme wants it: PNGs of the usual sizes drawn
// by the same code as the window icon, and an SVG traced from the treble clef the icon shows.
//   noma_icon_writer OUTDIR   ->  OUTDIR/hicolor/NxN/apps/noma.png,
//   OUTDIR/hicolor/scalable/apps/noma.svg
#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/FileIo.h"
#include "platform/PngFile.h"
#include "render/PalettePictures.h"
#include "render/Templates.h"

namespace {

using namespace noma;

// One path of pixel runs, on a white square as the window icon is.
std::string clefSvg() {
    const Canvas clef = render::templatePicture(render::TemplateId::TrebleClef, kBlack);
    const int size = clef.height();
    const int left = (size - clef.width()) / 2;
    std::string path;
    for (int y = 0; y < clef.height(); ++y) {
        for (int x = 0; x < clef.width();) {
            if (clef.getPixel(x, y) != kBlack) {
                ++x;
                continue;
            }
            int end = x;
            while (end < clef.width() && clef.getPixel(end, y) == kBlack) ++end;
            char run[64];
            std::snprintf(run, sizeof run, "M%d %dh%dv1h-%dz", left + x, y, end - x, end - x);
            path += run;
            x = end;
        }
    }
    const std::string n = std::to_string(size);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
           n + "\" height=\"" + n + "\" viewBox=\"0 0 " + n + " " + n +
           "\" shape-rendering=\"crispEdges\">\n"
           "<rect width=\"" +
           n + "\" height=\"" + n +
           "\" fill=\"#fff\"/>\n"
           "<path fill=\"#000\" d=\"" +
           path + "\"/>\n</svg>\n";
}

// The failure's gloss names the file already.
bool written(const noma::Status& status) {
    if (status.ok()) return true;
    std::fprintf(stderr, "noma_icon_writer: %s\n", status.failure().gloss.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: noma_icon_writer OUTDIR\n");
        return 2;
    }
    const std::string theme = std::string(argv[1]) + "/hicolor";
    bool ok = true;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const std::string n = std::to_string(size);
        const std::string folder = theme + "/" + n + "x" + n + "/apps";
        std::filesystem::create_directories(folder);
        ok = written(writePngFile(render::programIconPicture(size), folder + "/noma.png")) && ok;
    }
    const std::string scalable = theme + "/scalable/apps";
    std::filesystem::create_directories(scalable);
    ok = written(writeFileAtomically(scalable + "/noma.svg", clefSvg())) && ok;
    return ok ? 0 : 1;
}
