// A generated collection looks like a user's own, at any size:
//
//   tree.wtr        " ニュース0\r\n  ソフト1:x\r\n   Tools2*y\r\n ..."
//   ニュース0.wls    "<NAME>Top page\r\n<URL>http://...\r\n<OPTION>Brows=0 ...\r\n
//                    <TIME>2001/03/04 12:34\r\n<SIZE>1234\r\n<COMMENT>...\r\n" ...
//   Internet.WLS    the root items
//
// Names and texts mix ASCII with Shift-JIS words, some of whose second bytes
// are 0x5C; folders nest up to 8 levels; a few tree lines reuse an earlier
// name and so share its list. Some names, URLs and comments are longer than
// the reader's 254-byte piece.
#include "collection_generator.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

// splitmix64: the same numbers on every platform and library.
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) {}
    uint64_t Next()
    {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    long Below(long n) { return n <= 0 ? 0 : static_cast<long>(Next() % static_cast<uint64_t>(n)); }
    long Between(long low, long high) { return low + Below(high - low + 1); }
    bool Chance(int percent) { return Below(100) < percent; }
    template <size_t N> const char* Pick(const char* const (&words)[N]) { return words[Below(N)]; }

private:
    uint64_t state_;
};

// Shift-JIS (code page 932) bytes, so the output does not depend on the
// compiler's execution character set.
const char* const kJapaneseWords[] = {
    "\x83\x6A\x83\x85\x81\x5B\x83\x58",              // ニュース
    "\x83\x5C\x83\x74\x83\x67",                      // ソフト (0x5C second byte)
    "\x93\xFA\x8B\x4C",                              // 日記
    "\x93\x56\x8B\x43",                              // 天気
    "\x8E\xEF\x96\xA1",                              // 趣味
    "\x89\xB9\x8A\x79",                              // 音楽
    "\x89\x66\x89\xE6",                              // 映画
    "\x97\xB7\x8D\x73",                              // 旅行
    "\x97\xBF\x97\x9D",                              // 料理
    "\x8E\x64\x8E\x96",                              // 仕事
    "\x8C\x66\x8E\xA6\x94\xC2",                      // 掲示板
    "\x95\x5C\x8E\xA6",                              // 表示 (0x5C second byte)
    "\x94\x5C\x97\xCD",                              // 能力 (0x5C second byte)
    "\x97\x5C\x92\xE8",                              // 予定 (0x5C second byte)
    "\xC6\xAD\xB0\xBD",                              // ﾆｭｰｽ (half-width)
    "\xD8\xDD\xB8",                                  // ﾘﾝｸ (half-width)
    "\x8D\x58\x90\x56",                              // 更新
    "\x8C\x9F\x8D\xF5",                              // 検索
    "\x8D\xC5\x90\x56\x8F\xEE\x95\xF1",              // 最新情報
    "\x83\x7A\x81\x5B\x83\x80\x83\x79\x81\x5B\x83\x57",  // ホームページ
    "\x82\xA8\x8B\x43\x82\xC9\x93\xFC\x82\xE8",      // お気に入り
    "\x82\xC5\x82\xB7\x81\x42",                      // です。
};

const char* const kAsciiWords[] = {
    "News", "Tools", "Software", "Diary", "Weather", "Music", "Movies", "Travel",
    "Cooking", "Work", "Links", "Search", "Daily", "Archive", "Friends", "Hobby",
    "update", "page", "the", "of", "latest", "my", "home", "index",
};

const char* const kHosts[] = {
    "www.example.co.jp", "members.example.ne.jp", "homepage.example.or.jp",
    "www.example.com", "user.example.jp", "www2.example.ad.jp",
};

// Words, Japanese and ASCII mixed, until the text has grown by at least bytes.
void AppendWords(Random& random, std::string& out, size_t bytes)
{
    size_t target = out.size() + bytes;
    bool first = true;
    while (out.size() < target) {
        if (!first && random.Chance(60))
            out.push_back(' ');
        first = false;
        out += random.Chance(50) ? random.Pick(kJapaneseWords) : random.Pick(kAsciiWords);
    }
}

// Lengths: mostly short, a few past the 254-byte piece.
size_t TextLength(Random& random, long shortMax, int longPercent)
{
    return random.Chance(longPercent) ? random.Between(200, 600) : random.Between(4, shortMax);
}

void AppendUrl(Random& random, std::string& out)
{
    if (random.Chance(3)) {
        out += "file://C:/My Documents/";
        AppendWords(random, out, random.Between(5, 30));
        out += ".html";
        return;
    }
    out += "http://";
    out += random.Pick(kHosts);
    out += "/~user" + std::to_string(random.Below(5000)) + "/";
    for (long i = random.Between(0, 3); i > 0; --i)
        out += std::string(random.Pick(kAsciiWords)) + "/";
    out += random.Pick(kAsciiWords);
    out += ".html";
    if (random.Chance(4)) {
        out += "?q=";
        for (long i = random.Between(20, 120); i > 0; --i)
            out += std::string(random.Pick(kAsciiWords)) + "+";
    }
}

void AppendOptionLine(Random& random, std::string& out)
{
    out += "<OPTION>Brows=" + std::to_string(random.Below(3));
    out += " Check=1 Span=" + std::to_string(random.Between(1, 72));
    if (random.Chance(30)) {
        out += " META=USE mTYPE=http-equiv mNAME=Last-Modified mCONTENT=";
        AppendWords(random, out, random.Between(4, 40));
    } else if (random.Chance(10)) {
        out += " mTYPE=name mNAME=keywords mCONTENT=";
        AppendWords(random, out, random.Between(4, 20));
    }
    if (random.Chance(3))
        out += " Proxy=proxy;backup;cache.example.ne.jp:8080";
    else if (random.Chance(15))
        out += " Proxy=proxy" + std::to_string(random.Below(20)) + ".example.ne.jp:8080";
    out += "\r\n";
}

void AppendItem(Random& random, std::string& out)
{
    out += "<NAME>";
    if (random.Chance(5))
        out.push_back('*');
    AppendWords(random, out, TextLength(random, 60, 2));
    out += "\r\n<URL>";
    AppendUrl(random, out);
    out += "\r\n";
    if (random.Chance(85))
        AppendOptionLine(random, out);
    if (random.Chance(90)) {
        if (random.Chance(20)) {
            out += "<TIME>no date\r\n";
        } else {
            char date[64];
            std::snprintf(date, sizeof date, "<TIME>%ld/%02ld/%02ld %02ld:%02ld\r\n",
                          random.Between(1997, 2004), random.Between(1, 12), random.Between(1, 28),
                          random.Below(24), random.Below(60));
            out += date;
        }
    }
    if (random.Chance(90))
        out += random.Chance(20) ? std::string("<SIZE>no size\r\n")
                                 : "<SIZE>" + std::to_string(random.Between(200, 400000)) + "\r\n";
    out += "<COMMENT>";
    if (!random.Chance(40))
        AppendWords(random, out, TextLength(random, 80, 8));
    out += "\r\n";
    if (random.Chance(3))
        out += "\r\n";
}

// Items in one list: mostly a few dozen, some hundreds, a few none.
long ListSize(Random& random)
{
    if (random.Chance(3))
        return 0;
    return static_cast<long>(std::exp(static_cast<double>(random.Below(6000)) / 1000.0));
}

int NextDepth(Random& random, int depth)
{
    if (depth == 0)
        return 1;
    long roll = random.Below(100);
    if (roll < 35 && depth < 8)
        return depth + 1;
    if (roll < 75)
        return depth;
    return 1 + static_cast<int>(random.Below(depth));
}

std::string FolderName(Random& random, long index)
{
    std::string name;
    if (random.Chance(4))
        AppendWords(random, name, random.Between(40, 100));
    else
        name = random.Chance(50) ? random.Pick(kJapaneseWords) : random.Pick(kAsciiWords);
    return name + std::to_string(index);
}

struct Output {
    bool ok = true;
    long long bytes = 0;
};

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

void Put(std::FILE* file, const std::string& bytes, Output& output)
{
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
        output.ok = false;
    output.bytes += static_cast<long long>(bytes.size());
}

void Finish(File& file, Output& output)
{
    if (!file || std::fclose(file.release()) != 0)
        output.ok = false;
}

// A list of items, written in parts so that a list of a million items does
// not have to be held whole.
void WriteList(Random& random, const std::string& path, long items, Output& output)
{
    File file(std::fopen(path.c_str(), "wb"), std::fclose);
    std::string part;
    for (long i = 0; i < items; ++i) {
        AppendItem(random, part);
        if (part.size() > (4u << 20)) {
            Put(file.get(), part, output);
            part.clear();
        }
    }
    Put(file.get(), part, output);
    Finish(file, output);
}

}  // namespace

GeneratedCollection GenerateCollection(const std::string& folder, const CollectionRequest& request)
{
    Random random(request.seed);
    GeneratedCollection made;
    Output output;

    // About one item in a hundred lies at the root.
    made.rootItems = request.oneList ? 0 : request.items / 100;
    long remaining = request.items - made.rootItems;

    struct List {
        std::string name;
        long items;
    };
    std::vector<List> lists;
    std::string tree;
    int depth = 0;
    while (remaining > 0) {
        depth = NextDepth(random, depth);
        const List* list = nullptr;
        // A few folders share the list of an earlier folder of the same name.
        if (!request.oneList && lists.size() > 10 && random.Chance(2)) {
            const List& earlier = lists[random.Below(static_cast<long>(lists.size()))];
            if (earlier.items <= remaining)
                list = &earlier;
        }
        if (!list) {
            long items = request.oneList ? remaining : std::min(remaining, ListSize(random));
            lists.push_back(List{FolderName(random, static_cast<long>(lists.size())), items});
            list = &lists.back();
            WriteList(random, folder + "/" + list->name + ".wls", items, output);
        }
        remaining -= list->items;
        made.items += list->items;

        tree.append(static_cast<size_t>(depth), ' ').append(list->name);
        long roll = random.Below(100);
        if (roll < 3)
            tree += ":" + std::to_string(random.Below(100));
        else if (roll < 5)
            tree += "*" + std::to_string(random.Below(100));
        else if (roll < 6)
            tree += "\\" + std::to_string(random.Below(100));
        tree += "\r\n";
        ++made.treeLines;
    }
    WriteList(random, folder + "/Internet.WLS", made.rootItems, output);
    made.items += made.rootItems;
    made.lists = static_cast<long>(lists.size()) + 1;

    made.treePath = folder + "/tree.wtr";
    File file(std::fopen(made.treePath.c_str(), "wb"), std::fclose);
    Put(file.get(), tree, output);
    Finish(file, output);

    made.bytes = output.bytes;
    if (!output.ok)
        made.treePath.clear();
    return made;
}
