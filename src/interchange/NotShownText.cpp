#include "interchange/NotShownText.h"

#include <algorithm>
#include <map>
#include <string_view>
#include <utility>
#include <vector>

namespace noma::interchange {

namespace {

std::vector<std::pair<std::string, int>> mostFrequentFirst(const NotShown& notShown) {
    std::vector<std::pair<std::string, int>> items(notShown.begin(), notShown.end());
    std::stable_sort(items.begin(), items.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    return items;
}

const std::map<std::string, std::string, std::less<>>& names() {
    static const std::map<std::string, std::string, std::less<>> table = {
        // what the import itself counts
        {"cue note", "キューの音符"},
        {"dot in a triplet", "３連符の中の付点"},
        {"enharmonic spelling", "異名同音で書き換えた音"},
        {"fermata on a bar line", "小節線の上のフェルマータ"},
        {"mark on a whole note", "全音符につく記号"},
        {"note of a second voice", "第２声部の音符"},
        {"second sound at one moment", "同じ時刻の２つめの音"},
        {"senza misura", "無拍子の指定"},
        {"sostenuto pedal", "ソステヌートペダル"},
        {"staccato with staccatissimo", "スタッカートとスタッカーティシモの重なり"},
        {"tie on a dotted or triplet note", "付点音符や３連符のタイ"},
        {"tie of a lower chord note", "和音の下の音のタイ"},
        {"title", "題名"},
        {"title cells past the page's edge", "ページからはみ出した題名の点字"},
        {"triple dot", "複複付点"},
        {"unflagged grace note", "旗のない装飾音符"},
        // MusicXML notations and directions
        {"accordion-registration", "アコーディオンのレジスター"},
        {"bracket", "かっこ線"},
        {"caesura", "カエスーラ"},
        {"coda", "コーダ"},
        {"dashes", "破線"},
        {"delayed-turn", "遅延ターン"},
        {"detached-legato", "デタッシェ・レガート"},
        {"doit", "ドイト"},
        {"down-bow", "ダウンボウ"},
        {"falloff", "フォールオフ"},
        {"fingering", "指番号"},
        {"fret", "フレット番号"},
        {"glissando", "グリッサンド"},
        {"harmonic", "ハーモニクス"},
        {"inverted-mordent", "逆モルデント"},
        {"inverted-turn", "逆ターン"},
        {"metronome", "メトロノーム記号"},
        {"mordent", "モルデント"},
        {"octave-shift", "オクターブ記号"},
        {"open-string", "開放弦"},
        {"pluck", "はじく奏法"},
        {"plop", "プロップ"},
        {"rehearsal", "練習番号"},
        {"scoop", "スクープ"},
        {"segno", "セーニョ"},
        {"shake", "シェイク"},
        {"slide", "スライド"},
        {"snap-pizzicato", "スナップ・ピチカート"},
        {"spiccato", "スピッカート"},
        {"stopped", "ストップ奏法"},
        {"stress", "ストレス"},
        {"string", "弦番号"},
        {"strong-accent", "強いアクセント"},
        {"technical", "奏法記号"},
        {"thumb-position", "親指の位置"},
        {"tremolo", "トレモロ"},
        {"trill-mark", "トリル"},
        {"turn", "ターン"},
        {"unstress", "アンストレス"},
        {"up-bow", "アップボウ"},
        {"vertical-turn", "縦のターン"},
        {"wavy-line", "トリルの波線"},
    };
    return table;
}

std::string_view afterPrefix(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix ? text.substr(prefix.size())
                                                   : std::string_view{};
}

std::string_view beforeSuffix(std::string_view text, std::string_view suffix) {
    if (text.size() <= suffix.size() || text.substr(text.size() - suffix.size()) != suffix)
        return {};
    return text.substr(0, text.size() - suffix.size());
}

// The texts the import writes in braille, whose cells can be lost for a reason.
std::string textKindName(std::string_view kind) {
    if (kind == "lyric") return "歌詞";
    if (kind == "dynamics") return "強弱記号";
    if (kind == "words") return "文字の指示";
    if (kind == "time signature") return "拍子記号";
    return std::string(kind);
}

}  // namespace

std::string japaneseNameOf(const std::string& kind) {
    if (const auto found = names().find(kind); found != names().end()) return found->second;
    static const std::pair<std::string_view, std::string_view> kTextLosses[] = {
        {" in kanji", "漢字の"},
        {" braille cannot spell", "点字で書けない"},
        {" past the page's edge", "ページの端からはみ出す"},
        {" without room", "置く場所のない"},
        {" on a full page", "記号が上限に達したページの"},
    };
    for (const auto& [suffix, why] : kTextLosses) {
        if (const std::string_view text = beforeSuffix(kind, suffix); !text.empty())
            return std::string(why) + textKindName(text);
    }
    if (const std::string_view time = afterPrefix(kind, "time signature "); !time.empty())
        return "拍子記号「" + std::string(time) + "」";
    if (const std::string_view ratio = afterPrefix(kind, "tuplet "); !ratio.empty())
        return std::string(ratio) + "の連符";
    if (const std::string_view number = afterPrefix(kind, "ending "); !number.empty())
        return "番号「" + std::string(number) + "」の反復括弧";
    if (const std::string_view sign = beforeSuffix(kind, " clef"); !sign.empty()) {
        // An octave clef is transcribed like its plain sign, and only its octave is lost.
        if (const std::string_view plain = afterPrefix(sign, "octave "); !plain.empty())
            return "オクターブ記号つきの" + japaneseNameOf(std::string(plain) + " clef");
        if (sign == "G") return "ト音記号";
        if (sign == "F") return "ヘ音記号";
        if (sign == "C") return "ハ音記号";
        if (sign == "percussion") return "打楽器の音部記号";
        if (sign == "TAB") return "タブ譜";
        return std::string(sign) + "の音部記号";
    }
    if (const std::string_view type = beforeSuffix(kind, " note"); !type.empty()) {
        if (type == "breve") return "倍全音符";
        if (type == "long" || type == "maxima") return "倍全音符より長い音符";
        return "「" + std::string(type) + "」の音符";
    }
    return kind;
}

std::string notShownText(const NotShown& notShown) {
    if (notShown.empty()) return {};
    std::string text = "not shown: ";
    bool first = true;
    for (const auto& [kind, count] : mostFrequentFirst(notShown)) {
        if (!first) text += ", ";
        first = false;
        text += std::to_string(count) + " × " + kind;
    }
    return text;
}

std::string notShownTextJapanese(const NotShown& notShown) {
    if (notShown.empty()) return {};
    std::string text = "表示できないもの：";
    bool first = true;
    for (const auto& [kind, count] : mostFrequentFirst(notShown)) {
        if (!first) text += "、";
        first = false;
        text += japaneseNameOf(kind) + " " + std::to_string(count);
    }
    return text;
}

}  // namespace noma::interchange
