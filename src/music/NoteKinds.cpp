#include "music/NoteKinds.h"

#include "document/SymbolKind.h"

namespace noma {

int noteValueOf(int kind) {
    switch (kind) {
        case kZenOnpu:
            return 1;
        case k2bunonpu:
            return 2;
        case k4bunonpu:
        case k4bunonpuU:
            return 4;
        case k8bunonpu:
        case k8bunonpuU:
            return 8;
        case kN16bunonpu:
        case k16bunonpuU:
            return 16;
        case k32bunonpu:
        case k32bunonpuU:
            return 32;
        case k64bunonpu:
        case k64bunonpuU:
            return 64;
        case kN128bunonpu:
        case k128bunonpuU:
            return 128;
        default:
            return 0;
    }
}

int restValueOf(int kind) {
    switch (kind) {
        case k2bunkyuuhu:
            return 2;
        case k4bunkyuuhu:
            return 4;
        case k8bunkyuuhu:
            return 8;
        case k16bunkyuuhu:
            return 16;
        case k32bunkyuuhu:
            return 32;
        case k64bunkyuuhu:
            return 64;
        case k128bunkyuuhu:
            return 128;
        default:
            return 0;
    }
}

bool isStemmedNote(int kind) {
    return kind != kZenOnpu && noteValueOf(kind) != 0;
}

bool isFlaggedNote(int kind) {
    return noteValueOf(kind) >= 8;
}

}  // namespace noma
