#include "braille/BrailleList.h"

#include <string_view>

#include "braille/TextToCells.h"

namespace noma {

namespace {

struct RowSource {
    std::string_view name;
    std::vector<std::string_view> keys;  // UTF-8 as typed; the first one gives the cells
    std::string_view before = {};        // what must precede the key for this reading
};

struct PageSource {
    std::string_view title;
    std::vector<RowSource> rows;
};

// The cells that typing `key` after `before` adds.
std::vector<BrailleCell> cellsOfKey(std::string_view before, std::string_view key) {
    const std::vector<BrailleCell> context = convertEnteredText(before);
    std::vector<BrailleCell> cells = convertEnteredText(std::string(before) + std::string(key));
    cells.erase(cells.begin(), cells.begin() + static_cast<long>(context.size()));
    return cells;
}

BrailleListRow makeRow(const RowSource& source) {
    BrailleListRow row;
    row.name = std::string(source.name);
    for (std::string_view key : source.keys) {
        if (!row.keys.empty()) row.keys += ' ';
        row.keys += key;
    }
    row.cells = cellsOfKey(source.before, source.keys.front());
    for (BrailleCell cell : row.cells) {
        if (!row.braille.empty()) row.braille += ' ';
        row.braille += sixPositionText(cell);
    }
    return row;
}

const std::vector<PageSource>& sources() {
    static const std::vector<PageSource> kPages = {
        {"一般記号",
         {
             {"句点　。　（日本文）", {"｡"}},
             {"読点　、　（日本文）", {"､"}},
             {"疑問符　？　（日本文）", {"?"}},
             {"感嘆符　！", {"!"}},
             {"コロン　：", {":"}},
             {"セミコロン　；", {";"}},
             {"中点　・", {"･"}},
             {"アポストロフィー　’", {"'"}},
             {"アンド記号　＆", {"&"}},
             {"パーセント　％", {"%"}},
             {"数符", {"#"}},
             {"小数点　．　（数字中）", {"."}, "1"},
             {"外字符", {"$"}},
             {"大文字符", {"@6@"}},
             {"外国語引用符開く", {"\"", "{"}},
             {"外国語引用符閉じる", {"@\"", "}"}},
             {"ピリオド　．　（英文）", {"."}, "a"},
             {"コンマ　，　（英文）", {","}},
             {"疑問符　？　（英文）", {"?"}, "a"},
         }},
        {"数学記号",
         {
             {"等号　＝", {"="}},
             {"プラス　＋", {"+"}},
             {"マイナス　－", {"¥-", "-"}},
             {"かける　×", {"*"}},
             {"割る　÷", {"/"}},
             {"不等号　≦", {"<="}},
             {"不等号　≧", {">="}},
             {"累乗", {"@^", "^"}},
             {"数式のかっこ開く", {"("}},
             {"数式のかっこ閉じる", {")"}},
             {"数符", {"#"}},
             {"小数点　．", {"."}, "1"},
         }},
        {"囲み符号",
         {
             {"第１カギ", {"｢", "｣"}},
             {"第２カギ開く", {"¥¥｢"}},
             {"第２カギ閉じる", {"¥¥｣"}},
             {"二重カギ開く", {"¥｢"}},
             {"二重カギ閉じる", {"¥｣"}},
             {"第１カッコ", {"(", ")"}},
             {"第２カッコ開く", {"¥¥(", "["}},
             {"第２カッコ閉じる", {"¥¥)", "]"}},
             {"二重カッコ開く", {"¥("}},
             {"二重カッコ閉じる", {"¥)"}},
             {"第１指示符開く", {"<"}},
             {"第１指示符閉じる", {">"}},
             {"第２指示符開く", {"¥<"}},
             {"第２指示符閉じる", {"¥>"}},
             {"第３指示符開く", {"¥¥<"}},
             {"第３指示符閉じる", {"¥¥>"}},
         }},
        {"関係符号他",
         {
             {"第１つなぎ符", {"_"}},
             {"第２つなぎ符", {"@@_"}},
             {"棒線　――", {"ｰｰ"}},
             {"点線　……", {"@.", "@｡"}},
             {"文中注記符", {"@:"}},
             {"波線　～", {"@_", "~"}},
             {"左向き矢印　←", {"@<"}},
             {"右向き矢印　→", {"@>"}},
             {"両向き矢印　←→", {"@-@", "@ｰ@"}},
             {"第１星印", {"@*"}},
             {"第２星印", {"@@*"}},
             {"第１小見出し符", {"@@1"}},
             {"第２小見出し符", {"@@2"}},
         }},
    };
    return kPages;
}

}  // namespace

const std::vector<BrailleListPage>& brailleListPages() {
    static const std::vector<BrailleListPage> kPages = [] {
        std::vector<BrailleListPage> pages;
        for (const PageSource& source : sources()) {
            BrailleListPage page;
            page.title = std::string(source.title);
            for (const RowSource& row : source.rows) page.rows.push_back(makeRow(row));
            pages.push_back(std::move(page));
        }
        return pages;
    }();
    return kPages;
}

}  // namespace noma
