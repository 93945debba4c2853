// Differential test of the in-memory INI store against the platform's private-profile functions:
// the same file text is given to both, and every read, every write and every resulting file must
// agree. Awkward files are written by hand and generated from a fixed seed.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "support/ini_profile_store.h"
#include "base/profile_store_win.h"
#include "kapframe/settings.h"

namespace vimo {
namespace {

std::string Escape(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 32 || c > 126 || c == '\\') {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out.size() > 300 ? out.substr(0, 300) + "..." : out;
}

// A fresh folder under the temporary directory; the files named through it are deleted with it.
class ScratchDir {
public:
    ScratchDir() {
        char temp[MAX_PATH + 1] = {};
        GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp) + "vimo-ini-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(GetTickCount());
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ScratchDir() {
        for (const std::string& file : files_) DeleteFileA(file.c_str());
        RemoveDirectoryA(path_.c_str());
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& Path() const { return path_; }
    // A new, unused file path: the platform caches parsed files by name, so no name is reused.
    std::string NewFile() {
        files_.push_back(path_ + "\\f" + std::to_string(files_.size()) + ".ini");
        return files_.back();
    }
    void Track(const std::string& file) { files_.push_back(file); }

private:
    std::string path_;
    std::vector<std::string> files_;
};

void WriteBytes(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

std::optional<std::string> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool IsBlank(char c) { return (c >= '\t' && c <= '\r') || c == ' '; }

std::string Trimmed(const std::string& text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

void AddName(std::vector<std::string>& names, const std::string& name, std::size_t limit) {
    if (names.size() < limit && std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
}

// The section and key names worth asking for in a file: those it holds, as written and trimmed,
// plus a missing name and the empty name.
void NamesIn(const std::string& text, std::vector<std::string>& sections, std::vector<std::string>& keys) {
    for (const char* name : {"S", "s", "Missing", ""}) AddName(sections, name, 10);
    for (const char* name : {"k", "K", "Missing", ""}) AddName(keys, name, 14);
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        std::string trimmed = Trimmed(line);
        std::size_t close = trimmed.rfind(']');
        if (!trimmed.empty() && trimmed[0] == '[' && close != std::string::npos) {
            AddName(sections, trimmed.substr(1, close - 1), 10);
            AddName(sections, Trimmed(trimmed.substr(1, close - 1)), 10);
            continue;
        }
        std::size_t equals = line.find('=');
        AddName(keys, line.substr(0, equals), 14);
        AddName(keys, Trimmed(line.substr(0, equals)), 14);
    }
}

class IniDifferentialTest : public ::testing::Test {
protected:
    // Puts the text on disk and into the memory store; returns the path.
    std::string GivenFile(const std::string& text) {
        std::string path = dir_.NewFile();
        WriteBytes(path, text);
        memory_.SetFile(path, text);
        return path;
    }

    bool Agree(bool same, const std::string& what) {
        if (same) return true;
        if (++mismatches_ <= 40) ADD_FAILURE() << what;
        return false;
    }

    void CompareString(const std::string& path, const std::string& section, const std::string& key,
                       const std::string& def, std::size_t size, const std::string& context) {
        std::string win = win_.ReadString(path, section, key, def, size);
        std::string mem = memory_.ReadString(path, section, key, def, size);
        Agree(win == mem, "ReadString [" + Escape(section) + "] " + Escape(key) + " def '" + Escape(def) + "' size " +
                              std::to_string(size) + ": platform '" + Escape(win) + "', memory '" + Escape(mem) +
                              "' in " + context);
    }

    void CompareInt(const std::string& path, const std::string& section, const std::string& key, int def,
                    const std::string& context) {
        int win = win_.ReadInt(path, section, key, def);
        int mem = memory_.ReadInt(path, section, key, def);
        Agree(win == mem, "ReadInt [" + Escape(section) + "] " + Escape(key) + ": platform " + std::to_string(win) +
                              ", memory " + std::to_string(mem) + " in " + context);
    }

    // Every read of every name the text suggests, through buffers of several sizes.
    void CompareReads(const std::string& path, const std::string& text) {
        std::vector<std::string> sections, keys;
        NamesIn(text, sections, keys);
        const std::string context = "'" + Escape(text) + "'";
        static const char* const kDefaults[] = {"DEF", "d  ", "\"q\"", ""};
        std::size_t n = 0;
        for (const std::string& section : sections) {
            for (const std::string& key : keys) {
                for (std::size_t size : {1u, 2u, 6u, 98u, 1200u})
                    CompareString(path, section, key, kDefaults[n++ % 4], size, context);
                CompareInt(path, section, key, 77, context);
            }
        }
    }

    void CompareFile(const std::string& path, const std::string& context) {
        std::optional<std::string> win = ReadBytes(path);
        ASSERT_TRUE(win.has_value()) << context;
        Agree(*win == memory_.FileText(path), "file text: platform '" + Escape(*win) + "', memory '" +
                                                  Escape(memory_.FileText(path)) + "' after " + context);
    }

    struct Write {
        std::string section, key, value;
    };

    // Applies the writes to both stores; after each the files must hold the same bytes.
    void CompareWrites(const std::optional<std::string>& initial, const std::vector<Write>& writes) {
        std::string path = dir_.NewFile();
        std::string context = initial ? "'" + Escape(*initial) + "'" : std::string("no file");
        if (initial) {
            WriteBytes(path, *initial);
            memory_.SetFile(path, *initial);
        }
        for (const Write& w : writes) {
            bool win = win_.WriteString(path, w.section, w.key, w.value);
            bool mem = memory_.WriteString(path, w.section, w.key, w.value);
            context += " + [" + Escape(w.section) + "] " + Escape(w.key) + "='" + Escape(w.value) + "'";
            Agree(win == mem, "WriteString result differs after " + context);
            // The platform keeps a parsed copy of a file unchanged for two seconds and would
            // answer from it; drop it so that a slow run compares what a fast one does.
            WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
            CompareFile(path, context);
        }
        CompareReads(path, memory_.FileText(path));
    }

    ScratchDir dir_;
    WinProfileStore win_;
    MemoryProfileStore memory_;
    int mismatches_ = 0;
};

const std::string kLong(230, 'L');

const char* const kHandwritten[] = {
    // blanks around names and values
    "[S]\r\n  k  =  v1  \r\n\tK2\t=\tv2\t\r\nk3 = a b  c \r\n",
    // duplicate keys and sections, in several letter cases
    "[S]\r\nk=first\r\nK=second\r\nk=third\r\n[T]\r\nt=1\r\n[s]\r\nk=again\r\nlater=1\r\n[S]\r\nk=more\r\n",
    // quotes
    "[S]\r\nk=\"double\"\r\nd='single'\r\nm=\"mixed'\r\ne=\"\"\r\nq=\"\r\ni=a\"b\"\r\nsp=\" sp \"\r\nx=''\r\n",
    // null words and empty values
    "[S]\r\nk=null\r\nn1=NULL\r\nn2=Null\r\nn3=nULL \r\ne=\r\ne2=   \r\n",
    // whole numbers
    "[S]\r\nk=12\r\na= 12\r\nb=+5\r\nc=12abc\r\nd=0x10\r\nf=abc\r\ng=99999999999\r\nh=-7\r\ni=- 5\r\n"
    "j=0b101\r\nl=0o17\r\nm=0X10\r\nn=4294967295\r\no=-2147483649\r\np=\"42\"\r\nq=1e3\r\nr=--3\r\ns=12.9\r\n",
    // line endings and the last line
    "[S]\nk=lf\nK2=2",
    "[S]\rk=cr\rk2=2\r",
    "[S]\r\r\nk=crcrlf\n\n\rk2=2\r\n\r\n",
    "[S]\r\nk=no end",
    // headers
    "[ S ]\r\nk=1\r\n  [T]  trailing\r\nk=2\r\n[C]x]\r\nk=3\r\n[D\r\nk=4\r\n[]\r\nk=5\r\n[ ]\r\nk=6\r\n"
    "\t[E]\r\nk=7\r\n",
    // lines without '=', comments, nameless lines, lines before any header
    "top=1\r\nk=0\r\n[S]\r\nk\r\nk=5\r\n;k=comment\r\n; k = c2\r\n=7\r\n=8\r\nplain=a=b\r\n#k=hash\r\n",
    // blanks of every kind
    "[S]\r\nk=\v1\v\r\na=\f2\f\r\nb=\x1a"
    "3\x1a\r\n\x1a"
    "c=4\r\n\t \r\n",
    // empty and blank files
    "",
    "\r\n",
    "   \t  ",
    // a file as the program writes it
    "[VimoKap]\r\nSkinName=Default\r\nDefaultIcon=C:\\VimoKap\\Skin\\Default\\DefaultIcon.png\r\nCreatePosX=30\r\n"
    "RemoteKAPTrigger=Left\r\nExclude0=\r\nExclude1=NULL\r\n",
};

TEST_F(IniDifferentialTest, HandwrittenFilesReadAlike) {
    for (const char* text : kHandwritten) CompareReads(GivenFile(text), text);
    const std::string longValues = "[S]\r\nk=" + kLong + "\r\nq=\"" + kLong + "\"\r\nK2=" + std::string(5000, 'x') +
                                   "\r\n" + std::string(3000, 'y') + "\r\nk3=" + std::string(40, '9') + "\r\n";
    CompareReads(GivenFile(longValues), longValues);
}

TEST_F(IniDifferentialTest, QuotedValuesCutAtEveryBufferSize) {
    const std::string text = "[S]\r\nq=\"abcdef\"\r\ns='ab'\r\nr=abcdef\r\n";
    std::string path = GivenFile(text);
    for (const char* key : {"q", "s", "r"})
        for (std::size_t size = 0; size <= 10; ++size) CompareString(path, "S", key, "DEF", size, Escape(text));
}

TEST_F(IniDifferentialTest, MissingFileGivesTheSameDefaults) {
    std::string path = dir_.NewFile();
    for (const char* def : {"", "plain", "trailing   ", "   ", " lead", "\"quoted\"", "'q'", "tab\t"})
        for (std::size_t size : {1u, 3u, 98u}) CompareString(path, "S", "k", def, size, "no file");
    CompareInt(path, "S", "k", -12, "no file");
    EXPECT_FALSE(win_.FileExists(path));
    EXPECT_FALSE(memory_.FileExists(path));
}

TEST_F(IniDifferentialTest, FileNamesIgnoreLetterCase) {
    std::string path = GivenFile("[S]\r\nk=1\r\n");
    std::string upper = path, lower = path;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const std::string& name : {upper, lower}) {
        EXPECT_TRUE(win_.FileExists(name)) << name;
        EXPECT_TRUE(memory_.FileExists(name)) << name;
        CompareString(name, "S", "k", "DEF", 98, "case of " + name);
    }
    EXPECT_FALSE(win_.FileExists(dir_.Path())) << "a folder is no file";
}

// Random files from pieces that the handwritten ones mix by hand.
std::string GeneratedIni(std::mt19937& rng) {
    static const char* const kSections[] = {"S", "s", "T", "VimoKap", " S ", "S]x"};
    static const char* const kKeys[] = {"k", "K", "a", "Key", " k ", "k2", ";k", "[k"};
    static const char* const kValues[] = {"1",   "-7",      "+5",    " 12",  "12abc",     "0x1F", "abc",  "99999999999",
                                          "",    "\"q\"",   "'s'",   "\"",   "\"m'",      "NULL", "null", "Null",
                                          "a=b", "  pad  ", "\tx\t", "0b11", "\"\"",      "- 3",  "0o7",  "x y",
                                          "=",   "\"1\"",   "[z]",   "k=v",  "4294967296"};
    static const char* const kPads[] = {"", "", "", " ", "\t", "  ", "\v", "\x1a"};
    static const char* const kBreaks[] = {"\r\n", "\r\n", "\r\n", "\n", "\r", "\r\r\n", "\n\n", "\r\n\r\n"};
    auto pick = [&rng](const auto& list) {
        return std::string(list[std::uniform_int_distribution<std::size_t>(0, std::size(list) - 1)(rng)]);
    };
    auto pad = [&] { return pick(kPads); };
    std::string text;
    int lines = std::uniform_int_distribution<int>(0, 14)(rng);
    for (int i = 0; i < lines; ++i) {
        switch (std::uniform_int_distribution<int>(0, 11)(rng)) {
        case 0:
        case 1: text += pad() + "[" + pick(kSections) + "]" + pad(); break;
        case 2: text += "[" + pad() + pick(kSections) + pad() + "] junk"; break;
        case 3: text += "[" + pick(kSections); break;
        case 4: text += "[]"; break;
        case 5: text += pick(kKeys); break;
        case 6: text += "=" + pick(kValues); break;
        case 7: text += pad(); break;
        case 8: text += pick(kKeys) + "=" + std::string(210, 'w'); break;
        default: text += pad() + pick(kKeys) + pad() + "=" + pad() + pick(kValues) + pad(); break;
        }
        if (i + 1 < lines || rng() % 2) text += pick(kBreaks);
    }
    return text;
}

TEST_F(IniDifferentialTest, GeneratedFilesReadAlike) {
    std::mt19937 rng(20240611);
    for (int i = 0; i < 100 && mismatches_ < 40; ++i) {
        std::string text = GeneratedIni(rng);
        CompareReads(GivenFile(text), text);
    }
}

TEST_F(IniDifferentialTest, HandwrittenWritesProduceTheSameFile) {
    CompareWrites(std::nullopt, {{"S", "a", "1"}, {"S", "b", "2"}, {"T", "c", "3"}, {"s", "A", "1"}, {"S", "a", "22"}});
    CompareWrites(std::nullopt, {{" T  ", " k  ", "v"}, {"T", "k", "  lead"}, {"T", "e", ""}, {"t", "q", "\"q\""}});
    const std::string messy = "; head\r\n\r\n[S]\r\n  k  =  v  \r\nK=second\r\nbare\r\n;c=1\r\n\r\n\r\n[T]\r\n"
                              "x = 1\n[s]\r\nk=3\r\nonly=later";
    CompareWrites(messy, {{"S", "k", "v"}});
    CompareWrites(messy, {{"s", "K", "new"}});
    CompareWrites(messy, {{"S", "only", "first"}, {"T", "y", "2"}, {"U", "z", "3"}, {"S", "bare", "now"}});
    CompareWrites("[S]\r\nk=5", {{"S", "k", "5"}, {"S", "k", " 5"}, {"S", "k", "5 "}, {"S", "k", "6"}});
    CompareWrites("top=1\r\n[S]\r\nk\r\nk=5\r\n=7\r\n=8\r\nk2=1", {{"S", "k", "6"}, {"", "top", "2"}, {"", "n", "3"}});
    CompareWrites("[S]\ra=1\rb=2", {{"S", "c", "3"}});
    CompareWrites("[S]\na=1\nb=2", {{"S", "b", "3"}});
    CompareWrites("[ A ]\r\n[C]x]\r\nc=3\r\n[D\r\nd=4\r\n[]\r\nf=6\r\n", {{"A", "a", "1"}, {"C]x", "q", "1"}});
    CompareWrites("", {{"S", "a", "1"}});
    CompareWrites("\r\n", {{"S", "a", "1"}});
    CompareWrites("a=1\r\n", {{"S", "a", "1"}});
    CompareWrites(std::nullopt, {{"S", "long", kLong},
                                 {"S", "long", kLong + "x"},
                                 {"S", "nl", "x\r\ny=z"},
                                 {"S", "y", "w"},
                                 {"S", "[k]", "v"},
                                 {"S", "a=b", "v"},
                                 {"S", "tr", "t  "}});
}

TEST_F(IniDifferentialTest, GeneratedWritesProduceTheSameFile) {
    static const char* const kSections[] = {"S", "s", " S ", "T", "New", "VimoKap", "T  "};
    static const char* const kKeys[] = {"k", "K", " k ", "a", "new", "Key2 ", "k2"};
    static const char* const kValues[] = {"1", "v", "", "  lead", "trail  ", "\"q\"", "NULL", "-5", "a=b", "x y"};
    std::mt19937 rng(77031);
    auto pick = [&rng](const auto& list) {
        return std::string(list[std::uniform_int_distribution<std::size_t>(0, std::size(list) - 1)(rng)]);
    };
    for (int i = 0; i < 60 && mismatches_ < 40; ++i) {
        std::optional<std::string> initial;
        if (rng() % 4) initial = GeneratedIni(rng);
        std::vector<Write> writes;
        int count = std::uniform_int_distribution<int>(1, 6)(rng);
        for (int w = 0; w < count; ++w) writes.push_back({pick(kSections), pick(kKeys), pick(kValues)});
        CompareWrites(initial, writes);
    }
}

// The settings file itself, saved and loaded through both stores.
TEST_F(IniDifferentialTest, SettingsSaveAndLoadAlike) {
    dir_.Track(dir_.Path() + "\\VimoKap.ini");
    Settings settings;
    settings.Load(memory_, dir_.Path());
    settings.createPosX = -40;
    settings.remoteWinKillNewWinApp = "C:\\Program Files\\App\\app.exe";
    settings.exclude[2] = "notepad.exe";
    settings.exclude[5] = "  padded";
    settings.Save(win_);
    settings.Save(memory_);
    CompareFile(settings.IniPath(), "saving the settings");

    Settings fromWin, fromMemory;
    fromWin.Load(win_, dir_.Path());
    fromMemory.Load(memory_, dir_.Path());
    EXPECT_EQ(fromWin.createPosX, -40);
    EXPECT_EQ(fromMemory.createPosX, -40);
    EXPECT_EQ(fromWin.remoteWinKillNewWinApp, fromMemory.remoteWinKillNewWinApp);
    EXPECT_EQ(fromWin.defaultIcon, fromMemory.defaultIcon);
    for (std::size_t i = 0; i < fromWin.exclude.size(); ++i) EXPECT_EQ(fromWin.exclude[i], fromMemory.exclude[i]);
    EXPECT_EQ(fromWin.exclude[5], "padded");
}

// The program's batched writes give the file the platform's writes give, but only at Commit.
TEST_F(IniDifferentialTest, BatchedWritesGiveThePlatformsFileAtCommit) {
    const std::string messy =
        "; head\r\n\r\n[VimoKap]\r\n  SkinName  =  Old  \r\nskinname=second\r\nbare\r\n[T]\r\nx = 1";
    const std::string platform = dir_.NewFile(), batched = dir_.NewFile();
    WriteBytes(platform, messy);
    WriteBytes(batched, messy);
    BatchedProfileStore store;
    for (const std::string& path : {platform, batched}) {
        ProfileStore& target = path == platform ? static_cast<ProfileStore&>(win_) : store;
        target.WriteString(path, "VimoKap", "SkinName", "Blue");
        target.WriteString(path, "vimokap", "Exclude1", "notepad.exe");
        target.WriteString(path, "New", "k", " lead");
    }
    EXPECT_EQ(ReadBytes(batched), messy) << "nothing is written before Commit";
    ASSERT_TRUE(store.Commit());
    EXPECT_EQ(Escape(*ReadBytes(batched)), Escape(*ReadBytes(platform)));
    EXPECT_FALSE(ReadBytes(batched + ".new").has_value());
}

} // namespace
} // namespace vimo
