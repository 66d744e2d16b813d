#include "musicxml/MxlContainer.h"

#include <zip.h>

#include <cstring>
#include <memory>
#include <pugixml.hpp>

#include "musicxml/ScoreReader.h"

namespace noma::musicxml {

namespace {

Failure badContainer(const char* gloss) {
    return Failure{kBadContainerMessage, gloss};
}

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct EntryCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;
using Entry = std::unique_ptr<zip_file_t, EntryCloser>;

// Inflates one entry, refusing as soon as it grows past the limit, whatever size the archive
// claims for it.
Expected<std::string> readEntry(zip_t* archive, const char* name) {
    const zip_int64_t index = zip_name_locate(archive, name, 0);
    if (index < 0) return badContainer("a file the container names is missing");
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &stat) == 0 &&
        (stat.valid & ZIP_STAT_SIZE) != 0 &&
        stat.size > static_cast<zip_uint64_t>(kMaxScoreBytes)) {
        return Failure{kZipBombMessage, "the compressed file inflates past the size limit"};
    }
    Entry entry(zip_fopen_index(archive, static_cast<zip_uint64_t>(index), 0));
    if (!entry) return badContainer("an entry of the container cannot be opened");
    std::string out;
    char buffer[65536];
    for (;;) {
        const zip_int64_t got = zip_fread(entry.get(), buffer, sizeof buffer);
        if (got < 0) return badContainer("an entry of the container is damaged");
        if (got == 0) break;
        if (static_cast<int64_t>(out.size()) + got > kMaxScoreBytes) {
            return Failure{kZipBombMessage, "the compressed file inflates past the size limit"};
        }
        out.append(buffer, static_cast<size_t>(got));
    }
    return out;
}

}  // namespace

bool looksLikeZip(std::string_view bytes) {
    return bytes.size() >= 4 && bytes.substr(0, 4) == std::string_view("PK\x03\x04", 4);
}

Expected<std::string> extractRootFile(std::string_view zipBytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(zipBytes.data(), zipBytes.size(), 0, &error);
    if (source == nullptr) {
        zip_error_fini(&error);
        return badContainer("not a zip archive");
    }
    Archive archive(zip_open_from_source(source, ZIP_RDONLY, &error));
    zip_error_fini(&error);
    if (!archive) {
        zip_source_free(source);
        return badContainer("not a zip archive");
    }
    Expected<std::string> container = readEntry(archive.get(), "META-INF/container.xml");
    if (!container.ok()) return container;
    pugi::xml_document doc;
    if (!doc.load_buffer(container->data(), container->size(),
                         pugi::parse_default | pugi::parse_doctype)) {
        return badContainer("META-INF/container.xml is not XML");
    }
    for (pugi::xml_node node : doc.children()) {
        if (node.type() == pugi::node_doctype && std::strstr(node.value(), "<!ENTITY") != nullptr) {
            return Failure{kEntityMessage, "the container's DOCTYPE declares entities"};
        }
    }
    const pugi::xml_node rootfile = doc.child("container").child("rootfiles").child("rootfile");
    const char* path = rootfile.attribute("full-path").value();
    if (*path == '\0') return badContainer("the container names no rootfile");
    return readEntry(archive.get(), path);
}

}  // namespace noma::musicxml
