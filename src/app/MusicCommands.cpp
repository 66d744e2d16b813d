#include "app/MusicCommands.h"

#include <algorithm>

#include "app/FormHost.h"
#include "app/MidiPlayback.h"
#include "app/TranspositionForm.h"
#include "document/ScoreDocument.h"
#include "musicxml/ScoreWriter.h"
#include "platform/Dialogs.h"
#include "platform/FileIo.h"

namespace noma {

namespace {

using Buttons = Dialogs::Buttons;
using Icon = Dialogs::Icon;
using Answer = Dialogs::Answer;

void showFailure(Dialogs& dialogs, const Failure& failure) {
    dialogs.message(failure.message, kConfirmTitle, Buttons::Ok, Icon::Exclamation);
}

// True, after telling the user, when the dialog's page range holds no page.
bool emptyRange(int first, int last, const char* message, Dialogs& dialogs) {
    if (first <= last) return false;
    dialogs.message(message, kConfirmTitle, Buttons::Ok, Icon::Exclamation);
    return true;
}

}  // namespace

MidiSettings midiSettingsWithin(const ScoreDocument& doc, MidiSettings settings) {
    const int pageCount = std::clamp(static_cast<int>(doc.header.pageCount), 1, kMaxPages);
    settings.firstPage = std::clamp(settings.firstPage, 1, pageCount);
    settings.lastPage = std::clamp(settings.lastPage, 1, pageCount);
    settings.tempo = std::clamp(settings.tempo, kMinTempo, kMaxTempo);
    return settings;
}

namespace {

// What a save of the music writes: the dialog's texts, the file's extension and its writer.
struct MusicFileKind {
    const char* title;
    const char* filter;
    std::string (*withExtension)(const std::string&);
    Status (*write)(const ScoreDocument&, const MidiSettings&, const std::string&);
    const char* savedMessage;
};

bool saveThroughDialog(const ScoreDocument& doc, const MidiSettings& settings, Dialogs& dialogs,
                       const MusicFileKind& kind) {
    const MidiSettings within = midiSettingsWithin(doc, settings);
    if (emptyRange(within.firstPage, within.lastPage, kMidiEmptyRangeMessage, dialogs))
        return false;
    const std::string suggested = kind.withExtension(doc.currentFileName);
    for (;;) {
        const auto chosen = dialogs.saveFileName(kind.title, kind.filter, suggested);
        if (!chosen) return false;
        // The question is about the file that will be replaced, the one with the extension.
        const std::string path = kind.withExtension(*chosen);
        if (fileExists(path)) {
            const Answer answer = dialogs.message(kMidiOverwriteQuestion, kConfirmTitle,
                                                  Buttons::YesNoCancel, Icon::Question);
            if (answer == Answer::No) continue;
            if (answer != Answer::Yes) return false;
        }
        if (Status written = kind.write(doc, within, path); !written.ok()) {
            showFailure(dialogs, written.failure());
            return false;
        }
        dialogs.message(kind.savedMessage, kConfirmTitle, Buttons::Ok, Icon::None);
        return true;
    }
}

}  // namespace

bool saveMidiThroughDialog(const ScoreDocument& doc, const MidiSettings& settings,
                           Dialogs& dialogs) {
    return saveThroughDialog(
        doc, settings, dialogs,
        {kMidiSaveTitle, kMidiSaveFilter, withMidExtension, writeMidiFile, kMidiSavedMessage});
}

bool exportMusicXmlThroughDialog(const ScoreDocument& doc, const MidiSettings& settings,
                                 Dialogs& dialogs) {
    return saveThroughDialog(doc, settings, dialogs,
                             {kMusicXmlSaveTitle, kMusicXmlSaveFilter, withMusicXmlExtension,
                              writeMusicXmlFile, kMusicXmlSavedMessage});
}

void playMidi(const ScoreDocument& doc, const MidiSettings& settings,
              const std::string& programFolder, MidiPlayback& playback, Dialogs& dialogs) {
    const MidiSettings within = midiSettingsWithin(doc, settings);
    if (emptyRange(within.firstPage, within.lastPage, kMidiEmptyRangeMessage, dialogs)) return;
    const std::string path = playbackMidiPath(programFolder);
    if (Status written = writeMidiFile(doc, within, path); !written.ok()) {
        showFailure(dialogs, written.failure());
        return;
    }
    if (Status played = playback.play(path); !played.ok()) showFailure(dialogs, played.failure());
}

bool runTransposition(ScoreDocument& doc, TranspositionForm& form, FormHost& forms,
                      Dialogs& dialogs) {
    form.activate(doc);
    if (!forms.runTransposition(form)) return false;
    const TranspositionSettings settings = form.settings();
    if (emptyRange(settings.firstPage, settings.lastPage, kTranspositionEmptyRangeMessage, dialogs))
        return false;
    if (Status done = transposePages(doc, settings); !done.ok())
        showFailure(dialogs, done.failure());
    return true;
}

}  // namespace noma
