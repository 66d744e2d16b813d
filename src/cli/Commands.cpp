#include "cli/BrailleCommands.h"
#include "cli/CliSupport.h"
#include "cli/ImportCommand.h"
#include "cli/MusicCommands.h"
#include "cli/PrintCommand.h"
#include "cli/RenderCommands.h"
#include "cli/ReplayCommand.h"
#include "cli/ScoreCommands.h"

namespace noma::cli {

namespace {

const std::vector<OptionSpec> kCommon = {{"--help", false}, {"--folder", true}};

std::vector<OptionSpec> with(std::vector<OptionSpec> options) {
    options.insert(options.end(), kCommon.begin(), kCommon.end());
    return options;
}

const std::vector<OptionSpec> kPageOptions = {{"--type", true},   {"--key", true},
                                              {"--top", true},    {"--interval", true},
                                              {"--staves", true}, {"-o", true}};

std::vector<OptionSpec> plus(std::vector<OptionSpec> options, std::vector<OptionSpec> more) {
    options.insert(options.end(), more.begin(), more.end());
    return with(options);
}

}  // namespace

const std::vector<Command>& commands() {
    static const std::vector<Command> kCommands = {
        {"new",
         "noma-cli new [--orientation portrait|landscape] [--type 1..4] [--key 0..14]\n"
         "             [--pitch 6..10] [--top 3..30] [--interval 6..20] [--staves N] -o OUT.nmg\n"
         "  Creates a one-page score as the new-score dialog's OK does.\n"
         "  Defaults: portrait, type 1, key 0, pitch 8, top 12, interval 10,\n"
         "  staves = as many as fit (a picked count is corrected as the dialog corrects it).\n",
         plus({{"--orientation", true}, {"--pitch", true}}, kPageOptions), runNew},
        {"page-add",
         "noma-cli page-add IN.nmg [--type T] [--key K] [--top M] [--interval I] [--staves N]\n"
         "                  -o OUT.nmg\n"
         "  Appends a page, its defaults taken from the last page as the add-page dialog does.\n",
         with(kPageOptions), runPageAdd},
        {"page-insert",
         "noma-cli page-insert IN.nmg --at N [--type T] [--key K] [--top M] [--interval I]\n"
         "                     [--staves N] -o OUT.nmg\n"
         "  Inserts a new page as page N, its defaults taken from the page before it.\n",
         plus({{"--at", true}}, kPageOptions), runPageInsert},
        {"page-delete",
         "noma-cli page-delete IN.nmg --page N -o OUT.nmg\n"
         "  Deletes page N; a one-page score keeps its page, emptied.\n",
         with({{"--page", true}, {"-o", true}}), runPageDelete},
        {"info",
         "noma-cli info IN.nmg\n"
         "  Validates the score and prints 'pages P pitch V orientation O', then per page\n"
         "  'page N type T symbols S top M staves C interval I capacity K'.\n",
         with({}), runInfo},
        {"records",
         "noma-cli records IN.nmg [--page N]\n"
         "  Prints the records of page N (default 1): 'index: f0 f1 ... f9'.\n",
         with({{"--page", true}}), runRecords},
        {"render",
         "noma-cli render IN.nmg [--page N] [--display braille|kana|alphabet] [--grid 0..6]\n"
         "                [--hot] [--no-rules] [--search KIND] -o OUT.png\n"
         "  Writes the page's view image as the main window shows it after a redraw with no\n"
         "  tool armed: same size, same pixels. Defaults: page 1, braille shown as dots,\n"
         "  no grid, no hot positions, ruled lines on blank pages, no search marks.\n"
         "  --grid G     grid points every G columns and G rows\n"
         "  --hot        marks every symbol's hot position\n"
         "  --no-rules   hides the ruled lines of blank pages\n"
         "  --search K   marks every symbol of kind (tool mode) K as the search window does\n",
         with({{"--page", true},
               {"--display", true},
               {"--grid", true},
               {"--hot", false},
               {"--no-rules", false},
               {"--search", true},
               {"-o", true}}),
         runRender},
        {"thumbnails",
         "noma-cli thumbnails IN.nmg -o OUT.png\n"
         "  Writes the picture of the thumbnail window: every page reduced, five to a row,\n"
         "  with its page number.\n",
         with({{"-o", true}}), runThumbnails},
        {"braille",
         "noma-cli braille [--text TEXT | --romaji TEXT] [--kana-only]\n"
         "  Converts TEXT as the braille writing window's direct entry does and prints the\n"
         "  cells on one line, each as its raised dot numbers (256 = dots 2, 5, 6; 0 = blank).\n"
         "  TEXT is UTF-8, read from standard input when not given; half-width katakana are\n"
         "  U+FF61..U+FF9F, the yen sign may be typed as U+00A5 or '\\'.\n"
         "  --romaji  converts romaji to half-width katakana first, as romaji entry does.\n"
         "  --kana-only  prints the half-width katakana that would be converted, not cells.\n",
         with({{"--text", true}, {"--romaji", true}, {"--kana-only", false}}), runBraille},
        {"midi",
         "noma-cli midi IN.nmg [--tempo 10..300] [--timbre 0..11] [--staves treble|bass|both]\n"
         "              [--pages A-B] -o OUT.mid\n"
         "  Writes the Standard MIDI File that the MIDI dialog's save writes.\n"
         "  Defaults: tempo 120, timbre item 0 (piano), treble staves, all pages.\n"
         "  Timbres: 0 piano, 1 marimba, 2 reed organ, 3 steel guitar, 4 violin, 5 cello,\n"
         "  6 voice aah, 7 synth voice, 8 trumpet, 9 oboe, 10 flute, 11 ocarina.\n",
         with({{"--tempo", true},
               {"--timbre", true},
               {"--staves", true},
               {"--pages", true},
               {"-o", true}}),
         runMidi},
        {"export",
         "noma-cli export IN.nmg [--pages A-B] [--staves treble|bass|both] -o OUT.musicxml\n"
         "  Writes the music that midi reads from those pages and staves as a MusicXML 4.0\n"
         "  score (uncompressed, score-partwise): measures from the bar lines, the key from\n"
         "  the key-signature symbols, tempo 120 and the piano.\n"
         "  --staves both makes two parts: the treble staves, then the bass staves.\n",
         with({{"--staves", true}, {"--pages", true}, {"-o", true}}), runExport},
        {"play",
         "noma-cli play IN.nmg [--tempo 10..300] [--timbre 0..11] [--staves treble|bass|both]\n"
         "              [--pages A-B] [--wav OUT.wav]\n"
         "  Plays the pages as the MIDI dialog's play does (writing NOMAtoMIDI.mid in the\n"
         "  program folder) and returns when the music has ended; Ctrl-C stops it.\n"
         "  --wav renders the audio into a WAV file instead, needing no sound device.\n",
         with({{"--tempo", true},
               {"--timbre", true},
               {"--staves", true},
               {"--pages", true},
               {"--wav", true}}),
         runPlay},
        {"describe",
         "noma-cli describe IN.nmg [--page N] [--staves treble|bass|both]\n"
         "  Prints the page as text, the way the editor's page view reads it to a screen\n"
         "  reader: per stave its clef and key, then one line per measure with the notes\n"
         "  (name, octave, value) and rests as midi reads them, the marks beside them and\n"
         "  braille cells as the kana they spell. Defaults: page 1, both staves.\n",
         with({{"--page", true}, {"--staves", true}}), runDescribe},
        {"transpose",
         "noma-cli transpose IN.nmg --key 0..14 --shift -7..7 [--pages A-B] -o OUT.nmg\n"
         "  Transposes as the transposition dialog's execute does: removes the key signatures,\n"
         "  moves the notes and their marks by --shift staff steps (positive = up) and puts\n"
         "  the signature of key --key beside every clef left of column 30.\n",
         with({{"--key", true}, {"--shift", true}, {"--pages", true}, {"-o", true}}), runTranspose},
        {"print",
         "noma-cli print IN.nmg --mode tactile|ink [--dpi N] [--strength 1..6]\n"
         "               [--magnification 50..300] [--braille kana|alphabet|braille]\n"
         "               [--font-size 8..20] [--pages A-B] [--copies N] [--paper a4|a3|b4|b5]\n"
         "               [--preview relief|flat|issues] -o OUT.pdf|OUT.png\n"
         "  Prints the pages as the print dialog's job prints them on a printer of --dpi dots\n"
         "  per inch (20..1200, default 600), in the order and number of pages the job prints\n"
         "  (copies collated; a first page after the last is refused: nothing would print).\n"
         "  A PDF gets one lossless picture per page; a PNG is the first printed page at the\n"
         "  print resolution.\n"
         "  The paper turns with the score's orientation.\n"
         "  --mode tactile   ３Ｄ印刷: greys by --strength (1 darkest .. 6 lightest, default 3)\n"
         "  --mode ink       墨字印刷: black at --magnification percent (default 100), braille\n"
         "                   as dots or translated (--braille, default braille) in text of\n"
         "                   --font-size points (default 12)\n"
         "  Defaults: all pages, one copy (1..100), A4.\n"
         "  --preview relief|flat|issues  (tactile, -o OUT.png) writes instead the editor's\n"
         "                   relief preview of the first printed page at the print resolution:\n"
         "                   the greys as relief lit from the upper left, the flat greys, or\n"
         "                   the relief with the checks: red where two figures come closer\n"
         "                   than 3 mm, blue around braille cells that touch a figure.\n",
         with({{"--mode", true},
               {"--dpi", true},
               {"--strength", true},
               {"--magnification", true},
               {"--braille", true},
               {"--font-size", true},
               {"--pages", true},
               {"--copies", true},
               {"--paper", true},
               {"--preview", true},
               {"-o", true}}),
         runPrint},
        {"replay",
         "noma-cli replay (IN.nmg | --new [new's options]) SCRIPT [--png OUT.png] -o OUT.nmg\n"
         "  Runs a scripted editing session through the editor's handlers and saves the result.\n"
         "  Every message box is printed as 'message: TEXT' and answered by the next queued\n"
         "  'answer' line, or with its default button (OK, or No where there is no OK).\n"
         "  Script lines (blank and '#' lines are ignored):\n"
         "    mode N | press left|right|middle X Y | move X Y | release left|right|middle X Y\n"
         "    click X Y | key NAME [shift] | answer ok|yes|no|cancel\n"
         "    command undo|region-move|region-copy|region-erase|clip-copy|clip-cut|clip-paste|\n"
         "            rules|hot|grid N|display kana|alphabet|braille|page N|next-page|\n"
         "            previous-page|top-margin M|history-undo|history-redo\n"
         "    braille-mode romaji|direct|sixkey     the braille window's entry mode\n"
         "    braille-type TEXT                     typed into its text field\n"
         "    braille-key NAME [shift] [up]         a key down (or up) in its input field\n"
         "    braille-close                         closes the braille window\n"
         "  --png writes the final view image, preview and overlays included.\n",
         plus({{"--new", false}, {"--orientation", true}, {"--pitch", true}, {"--png", true}},
              kPageOptions),
         runReplay},
        {"import",
         "noma-cli import IN.musicxml|IN.xml|IN.mxl [--parts LIST] [--pitch 6..10]\n"
         "                [--orientation portrait|landscape] [--top 3..30] [--interval 6..20]\n"
         "                -o OUT.nmg\n"
         "  Reads a MusicXML score (score-partwise or score-timewise, 2.0 to 4.0; .mxl is the\n"
         "  compressed container) and lays it out as a tactile score: staves, clefs and key\n"
         "  signatures as staff construction makes them, then the notes, rests, accidentals,\n"
         "  dots, ties, slurs, triplets, marks and bar lines, each measure whole on a stave,\n"
         "  pages added as needed. What the symbols cannot show is listed on standard error\n"
         "  ('not shown: 2 × trill, 1 × turn').\n"
         "  --parts 1,3   imports those parts (1-based, in score order; default all)\n"
         "  --interval I  the stave interval; without it the interval widens (up to 20) until\n"
         "                every note lies on the rows its stave is read from\n"
         "  Defaults as for new: portrait, pitch 8, top 12, interval 10.\n",
         with({{"--parts", true},
               {"--pitch", true},
               {"--orientation", true},
               {"--top", true},
               {"--interval", true},
               {"-o", true}}),
         runImport},
    };
    return kCommands;
}

}  // namespace noma::cli
