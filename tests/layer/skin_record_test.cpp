#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "kapframe/settings.h"
#include "base/problem_log.h"
#include "base/text_util.h"
#include "layer/skin/file_case.h"
#include "layer/skin/skin_layout.h"
#include "layer/skin/skin_set.h"

namespace vimo {
namespace {

// Profile reads the way the platform does them: names compared without case, missing keys give
// the default, numbers read up to the first non-digit, strings cut to the buffer. Every read is
// logged.
class FakeProfileStore : public ProfileStore {
public:
    struct Read {
        std::string path, section, key;
        std::size_t bufferSize; // 0 for whole numbers
    };

    void Set(const std::string& path, const std::string& section, const std::string& key, const std::string& value) {
        values_[Id(path, section, key)] = value;
    }

    int ReadInt(const std::string& path, const std::string& section, const std::string& key, int def) const override {
        reads.push_back({path, section, key, 0});
        auto it = values_.find(Id(path, section, key));
        if (it == values_.end() || it->second.empty()) return def;
        return static_cast<int>(std::strtol(it->second.c_str(), nullptr, 10));
    }

    std::string ReadString(const std::string& path, const std::string& section, const std::string& key,
                           const std::string& def, std::size_t bufferSize) const override {
        reads.push_back({path, section, key, bufferSize});
        auto it = values_.find(Id(path, section, key));
        std::string value = it == values_.end() ? def : it->second;
        return value.substr(0, bufferSize - 1);
    }

    bool WriteString(const std::string& path, const std::string& section, const std::string& key,
                     const std::string& value) override {
        Set(path, section, key, value);
        return true;
    }

    // A file exists once a key has been put into it.
    bool FileExists(const std::string& path) const override {
        const std::string prefix = ToUpperAscii(path + "|");
        auto it = values_.lower_bound(prefix);
        return it != values_.end() && it->first.compare(0, prefix.size(), prefix) == 0;
    }

    mutable std::vector<Read> reads;

private:
    static std::string Id(const std::string& path, const std::string& section, const std::string& key) {
        return ToUpperAscii(path + "|" + section + "|" + key);
    }
    std::map<std::string, std::string> values_;
};

constexpr const char kProgramDir[] = "C:\\Program Files\\VimoKap";

// The lines of the problem log while it lives.
class LoggedProblems {
public:
    LoggedProblems() : previous_(SetProblemSink([this](const std::string& line) { lines.push_back(line); })) {}
    ~LoggedProblems() { SetProblemSink(std::move(previous_)); }
    LoggedProblems(const LoggedProblems&) = delete;
    LoggedProblems& operator=(const LoggedProblems&) = delete;

    std::vector<std::string> lines;

private:
    ProblemSink previous_;
};

std::string SkinFile(const std::string& skin, const std::string& word, const char* kind = "Skin") {
    return std::string(kProgramDir) + "\\Skin\\" + skin + "\\" + word + "\\" + kind + "." + word;
}

class SkinFixture : public ::testing::Test {
protected:
    SkinFixture() { settings.programDir = kProgramDir; }

    // Writes a key into the skin file of a type of the current skin.
    void Put(const std::string& word, const std::string& key, const std::string& value) {
        store.Set(SkinFile(settings.skinName, word), word + "Skin", key, value);
    }

    const SkinRecord& Load(SkinType type) {
        skins.Load(store, settings.SkinDir());
        return skins.Skin(type);
    }

    FakeProfileStore store;
    Settings settings;
    SkinSet skins;
};

// --- Defaults when the skin folder is missing -------------------------------------------------

TEST_F(SkinFixture, EveryTypeTakesItsDefaultsWithoutSkinFolder) {
    skins.Load(store, settings.SkinDir());
    const std::map<SkinType, std::pair<int, int>> designSizes = {
        {SkinType::Note, {200, 300}},     {SkinType::PhotoAlbum, {300, 200}}, {SkinType::Calc, {200, 300}},
        {SkinType::Calendar, {200, 100}}, {SkinType::Clock, {200, 100}},      {SkinType::Account, {200, 100}},
        {SkinType::Weather, {200, 100}},  {SkinType::News, {200, 300}},       {SkinType::Link, {10, 10}},
        {SkinType::Trash, {10, 10}},      {SkinType::RemoteWmp, {200, 100}},  {SkinType::Mail, {200, 100}},
        {SkinType::Google, {200, 100}},   {SkinType::RemoteKap, {200, 100}},  {SkinType::RemoteWin, {200, 100}},
    };
    ASSERT_EQ(skins.Records().size(), 17u);
    for (SkinType type : kSkinTypes) {
        const SkinRecord& skin = skins.Skin(type);
        const SkinSize design = DesignSize(skin);
        EXPECT_EQ(std::make_pair(design.width, design.height), designSizes.at(type)) << skin.TypeWord();
        EXPECT_EQ(skin.FilePath(), SkinFile("Default", skin.TypeWord())) << skin.TypeWord();
        for (const SkinKey& key : skin.Schema().Keys()) {
            if (key.kind == SkinKeyKind::FileName) {
                EXPECT_EQ(skin.Str(key.name), "") << key.name;
            }
            if (key.kind == SkinKeyKind::String && key.text == "Arial") {
                EXPECT_EQ(skin.Str(key.name), "ARIAL") << key.name;
            }
        }
    }
    EXPECT_EQ(skins.Skin(SkinType::Note).Int("EditWidth"), 190);
    EXPECT_EQ(skins.Skin(SkinType::Note).Int("EditHeight"), 290);
    EXPECT_EQ(skins.Skin(SkinType::Calc).Int("ButtonCEXPos"), 55);
    EXPECT_EQ(skins.Skin(SkinType::Calendar).Str("TextDays"), "MTWTFSS");
    EXPECT_EQ(skins.Skin(SkinType::RemoteKap).Int("IconWidth"), 0);
    EXPECT_EQ(skins.Skin(SkinType::RemoteWin).Int("WindowScale"), 70);
    EXPECT_EQ(skins.Skin(SkinType::RemoteWin).Int("TextDoubledBlue"), 255);
    EXPECT_EQ(skins.Skin(SkinType::News).Int("TitleShadowed"), 100);
    EXPECT_EQ(skins.Data(SkinType::Weather).Str("SearchRSSURL"), "");
    EXPECT_EQ(skins.Data(SkinType::Google).Str("NavigateURL"), "");
}

TEST_F(SkinFixture, NoteEditSizeFollowsIconSizeFromFile) {
    Put("VimoNote", "IconWidth", "250");
    Put("VimoNote", "IconHeight", "120");
    const SkinRecord& note = Load(SkinType::Note);
    EXPECT_EQ(note.Int("EditWidth"), 240);
    EXPECT_EQ(note.Int("EditHeight"), 110);

    Put("VimoNote", "EditHeight", "50");
    EXPECT_EQ(Load(SkinType::Note).Int("EditHeight"), 50);
    EXPECT_EQ(skins.Skin(SkinType::Note).Int("EditWidth"), 240);

    Put("VimoNote", "IconWidth", "-2147483648");
    EXPECT_EQ(Load(SkinType::Note).Int("EditWidth"), INT_MIN) << "the default stops at the end of int";
}

// --- Strings -----------------------------------------------------------------------------------

TEST_F(SkinFixture, NullInAnyCaseIsEmpty) {
    Put("VimoPhotoAlbum", "BackgroundFileName", "null");
    Put("VimoPhotoAlbum", "LockFileName", "NuLl");
    Put("VimoNote", "LinkFont", "NULL");
    Put("VimoNote", "Background1", "nULL");
    EXPECT_EQ(Load(SkinType::PhotoAlbum).Str("BackgroundFileName"), "");
    EXPECT_EQ(skins.Skin(SkinType::PhotoAlbum).Str("LockFileName"), "");
    EXPECT_EQ(skins.Skin(SkinType::Note).Str("LinkFont"), "");
    EXPECT_EQ(skins.Skin(SkinType::Note).ImagePath("Background1"), "");
}

TEST_F(SkinFixture, StringsAreUpperCasedButDataAddressesKeepTheirCaseAndAllAreCutTo97Characters) {
    const std::string longFont(60, 'a');
    Put("VimoClock", "ClockTimeFont", "Courier New" + longFont + longFont);
    Put("VimoClock", "ClockDateFont", "tahoma");
    store.Set(SkinFile("Default", "VimoGoogle", "Data"), "VimoGoogleData", "SearchBeginURL",
              "http://search.example/q?x=");
    const SkinRecord& clock = Load(SkinType::Clock);
    EXPECT_EQ(clock.Str("ClockTimeFont"), ToUpperAscii("Courier New" + longFont + longFont).substr(0, 97));
    EXPECT_EQ(clock.Str("ClockDateFont"), "TAHOMA");
    EXPECT_EQ(skins.Data(SkinType::Google).Str("SearchBeginURL"), "http://search.example/q?x=");
    for (const auto& read : store.reads)
        if (read.bufferSize != 0) {
            ASSERT_EQ(read.bufferSize, 98u) << read.key;
        }
}

TEST_F(SkinFixture, FileNamesLiveInTheTypeFolder) {
    Put("VimoNote", "LockFileName", "lock.png");
    Put("VimoNote", "AlarmFileName", "Sub\\alarm.png");
    Put("VimoNote", "BackgroundDefault", "Yellow.png");
    const std::string folder = std::string(kProgramDir) + "\\Skin\\Default\\VimoNote\\";
    const SkinRecord& note = Load(SkinType::Note);
    EXPECT_EQ(note.Folder(), folder);
    EXPECT_EQ(note.Str("LockFileName"), folder + "LOCK.PNG");
    EXPECT_EQ(note.Str("AlarmFileName"), folder + "SUB\\ALARM.PNG");
    EXPECT_EQ(note.Str("LinkFileName"), "");
    EXPECT_EQ(note.Str("BackgroundDefault"), "YELLOW.PNG");
    EXPECT_EQ(note.ImagePath("BackgroundDefault"), folder + "YELLOW.PNG");
    EXPECT_EQ(note.ImagePath("LockFileName"), folder + "LOCK.PNG");
}

TEST_F(SkinFixture, NumbersFromFileReplaceDefaults) {
    Put("VimoCalc", "Button0XPos", "77");
    Put("VimoCalc", "Button0YPos", "abc");
    Put("VimoCalc", "Button0Width", "");
    const SkinRecord& calc = Load(SkinType::Calc);
    EXPECT_EQ(calc.Int("Button0XPos"), 77);
    EXPECT_EQ(calc.Int("Button0YPos"), 0);
    EXPECT_EQ(calc.Int("Button0Width"), 40);
}

// --- Key requests ------------------------------------------------------------------------------

TEST_F(SkinFixture, RequestsForKeysTheTypeDoesNotHaveAreLoggedAndReadAsDefaults) {
    EXPECT_THROW(skins.Skin(SkinType::Note), SkinKeyError); // not loaded yet
    const SkinRecord& calc = Load(SkinType::Calc);
    LoggedProblems problems;
    EXPECT_EQ(calc.Int("LockRightDock"), 0); // the calculator's lock does not dock
    EXPECT_EQ(calc.Int("lockposx"), 0);      // exact spelling only
    EXPECT_EQ(calc.Int("LockFileName"), 0);  // a string asked as a number
    EXPECT_EQ(calc.Str("LockPosX"), "");     // a number asked as a string
    EXPECT_EQ(calc.ImagePath("LockPosX"), "");
    EXPECT_NO_THROW(calc.Int("LockPosX"));
    EXPECT_EQ(problems.lines, (std::vector<std::string>{
                                  "VimoCalcSkin has no key LockRightDock", "VimoCalcSkin has no key lockposx",
                                  "VimoCalcSkin key LockFileName is a string", "VimoCalcSkin key LockPosX is a number",
                                  "VimoCalcSkin key LockPosX is a number"}));
    EXPECT_THROW(skins.Data(SkinType::Note), SkinKeyError);
    EXPECT_THROW(skins.Skin("VimoNothing"), SkinKeyError);
    EXPECT_EQ(&skins.Skin("vimocalc"), &calc);
}

TEST_F(SkinFixture, TextStylesTakeTypeAndOutlineOnlyWhereTheTypeHasThem) {
    Put("VimoClock", "ClockTimeDoubledAlpha", "90");
    Put("VimoNote", "DateType", "2");
    skins.Load(store, settings.SkinDir());
    LoggedProblems problems;
    const LayerTextStyle time = skins.Skin(SkinType::Clock).TextStyle("ClockTime");
    EXPECT_EQ(time.type, 0);
    ASSERT_TRUE(time.doubled.has_value());
    EXPECT_EQ(time.doubled->alpha, 90);
    const LayerTextStyle date = skins.Skin(SkinType::Note).TextStyle("Date");
    EXPECT_EQ(date.type, 2);
    EXPECT_FALSE(date.doubled.has_value());
    EXPECT_TRUE(problems.lines.empty());
}

// --- Loading all types -------------------------------------------------------------------------

TEST_F(SkinFixture, LoadReadsEveryFileAndKeyInOrder) {
    skins.Load(store, settings.SkinDir());
    EXPECT_TRUE(store.reads.empty()); // no file is there: every key takes its default unasked
    for (const SkinRecord& record : skins.Records())
        store.Set(record.FilePath(), record.Schema().Section(), "Made", "1");
    skins.Load(store, settings.SkinDir());
    std::vector<std::string> files;
    std::map<std::string, std::vector<std::string>> keysByFile;
    for (const auto& read : store.reads) {
        if (files.empty() || files.back() != read.path) files.push_back(read.path);
        keysByFile[read.path].push_back(read.key);
    }
    const std::vector<std::string> expected = {
        SkinFile("Default", "VimoNote"),
        SkinFile("Default", "VimoPhotoAlbum"),
        SkinFile("Default", "VimoCalc"),
        SkinFile("Default", "VimoCalendar"),
        SkinFile("Default", "VimoClock"),
        SkinFile("Default", "VimoAccount"),
        SkinFile("Default", "VimoWeather", "Data"),
        SkinFile("Default", "VimoWeather"),
        SkinFile("Default", "VimoNews"),
        SkinFile("Default", "VimoLink"),
        SkinFile("Default", "VimoTrash"),
        SkinFile("Default", "VimoRemoteWMP"),
        SkinFile("Default", "VimoMail"),
        SkinFile("Default", "VimoGoogle", "Data"),
        SkinFile("Default", "VimoGoogle"),
        SkinFile("Default", "VimoRemoteKap"),
        SkinFile("Default", "VimoRemoteWin"),
    };
    EXPECT_EQ(files, expected);
    for (const SkinRecord& record : skins.Records()) {
        std::vector<std::string> names;
        for (const SkinKey& key : record.Schema().Keys()) names.push_back(key.name);
        EXPECT_EQ(keysByFile[record.FilePath()], names) << record.FilePath();
    }
    for (const auto& read : store.reads) {
        const std::string word = read.path.substr(read.path.rfind('.') + 1);
        const bool data = read.path.find("\\Data.") != std::string::npos;
        ASSERT_EQ(read.section, word + (data ? "Data" : "Skin"));
    }
}

TEST_F(SkinFixture, LoadAfterSkinChangeReadsEveryType) {
    skins.Load(store, settings.SkinDir());
    settings.skinName = "Blue";
    int width = 500;
    for (SkinType type : kSkinTypes) {
        const std::string word = SkinTypeWord(type);
        Put(word, type == SkinType::RemoteKap ? "Width" : "IconWidth", std::to_string(width++));
        Put(word, "LockFileName", "lock.png");
    }
    store.Set(SkinFile("Blue", "VimoWeather", "Data"), "VimoWeatherData", "NavigateURL", "http://w");
    store.Set(SkinFile("Blue", "VimoGoogle", "Data"), "VimoGoogleData", "SearchBeginURL", "http://g");
    store.reads.clear();

    skins.Load(store, settings.SkinDir());
    EXPECT_EQ(store.reads.size(), 1230u); // every key of the 17 files once
    width = 500;
    for (SkinType type : kSkinTypes) {
        const SkinRecord& skin = skins.Skin(type);
        EXPECT_EQ(DesignSize(skin).width, width++) << skin.TypeWord();
        EXPECT_EQ(skin.FilePath(), SkinFile("Blue", skin.TypeWord()));
        EXPECT_EQ(skin.Str("LockFileName"),
                  std::string(kProgramDir) + "\\Skin\\Blue\\" + skin.TypeWord() + "\\LOCK.PNG");
    }
    EXPECT_EQ(skins.Data(SkinType::Weather).Str("NavigateURL"), "http://w");
    EXPECT_EQ(skins.Data(SkinType::Google).FilePath(), SkinFile("Blue", "VimoGoogle", "Data"));
}

// --- Layout ------------------------------------------------------------------------------------

TEST(SkinDock, DockedCoordinateMovesOnlyWhenFlagged) {
    EXPECT_EQ(DockedCoordinate(10, 1, 260, 200), 70);
    EXPECT_EQ(DockedCoordinate(10, 0, 260, 200), 10);
    EXPECT_EQ(DockedCoordinate(10, 20, 260, 200), 70);
    EXPECT_EQ(DockedCoordinate(10, 1, 200, 200), 10);
    EXPECT_EQ(DockedCoordinate(30, 1, 150, 200), -20);
}

TEST_F(SkinFixture, LockDockedToTheRightFollowsTheKapWidth) {
    Put("VimoNote", "LockRightDock", "1");
    Put("VimoNote", "LockBottomDock", "1");
    Put("VimoNote", "LockPosY", "15");
    Put("VimoNote", "AlarmRightDock", "0");
    const SkinRecord& note = Load(SkinType::Note);
    const LayerRect lock = ElementRect(note, "Lock", {260, 340});
    EXPECT_EQ(lock.x, 70);
    EXPECT_EQ(lock.y, 55);
    EXPECT_EQ(lock.width, 20);
    EXPECT_EQ(lock.height, 20);
    const LayerRect alarm = ElementRect(note, "Alarm", {260, 340});
    EXPECT_EQ(alarm.x, 40);
    EXPECT_EQ(alarm.y, 10);
    const LayerRect atDesign = ElementRect(note, "Lock", {200, 300});
    EXPECT_EQ(atDesign.x, 10);
    EXPECT_EQ(atDesign.y, 15);
}

TEST_F(SkinFixture, ElementsWithXPosAndWithoutDockKeys) {
    Put("VimoCalc", "Button7XPos", "12");
    const SkinRecord& calc = Load(SkinType::Calc);
    const LayerRect button = ElementRect(calc, "Button7", {400, 400});
    EXPECT_EQ(button.x, 12);
    EXPECT_EQ(button.y, 115);
    EXPECT_EQ(button.width, 40);
    EXPECT_EQ(ElementRect(calc, "Lock", {400, 400}).x, 10);
    LoggedProblems problems;
    EXPECT_EQ(ElementRect(calc, "Nothing", {400, 400}).width, 0);
    EXPECT_EQ(problems.lines.size(), 4u) << "XPos, YPos, Width and Height";
}

TEST_F(SkinFixture, DockDesignSizeIsWidthAndHeight) {
    Put("VimoRemoteKap", "Width", "300");
    Put("VimoRemoteKap", "Height", "80");
    Put("VimoRemoteKap", "IconWidth", "48");
    Put("VimoRemoteKap", "LockRightDock", "1");
    const SkinRecord& dock = Load(SkinType::RemoteKap);
    EXPECT_EQ(DesignSize(dock).width, 300);
    EXPECT_EQ(DesignSize(dock).height, 80);
    EXPECT_EQ(ElementRect(dock, "Lock", {360, 80}).x, 70);
}

TEST_F(SkinFixture, ContenerGrowsWithTheKapUpToItsContentWidth) {
    Put("VimoNews", "ContenerPosX", "5");
    Put("VimoNews", "ContenerPosY", "30");
    Put("VimoNews", "ContenerWidth", "180");
    Put("VimoNews", "ContenerHeight", "200");
    Put("VimoNews", "ContenerMaxWidth", "400");
    const SkinRecord& news = Load(SkinType::News);
    const LayerRect area = ContenerRect(news, {260, 350});
    EXPECT_EQ(area.x, 5);
    EXPECT_EQ(area.y, 30);
    EXPECT_EQ(area.width, 240);
    EXPECT_EQ(area.height, 250);
    EXPECT_EQ(ContenerRect(news, {150, 250}).width, 130);

    EXPECT_EQ(ContenerMaxKapWidth(news), 420);
    const SkinSize wide = ClampContenerKapSize(news, {1000, 100});
    EXPECT_EQ(wide.width, 420);
    EXPECT_EQ(wide.height, 300);
    const SkinSize narrow = ClampContenerKapSize(news, {150, 900});
    EXPECT_EQ(narrow.width, 200);
    EXPECT_EQ(narrow.height, 900);

    EXPECT_EQ(ContenerScrollOriginX(news, 200, 50), -110);
    EXPECT_EQ(ContenerScrollOriginX(news, 200, 0), 0);
    EXPECT_EQ(ContenerScrollOriginX(news, 200, 33), -72); // 220 * 33 / 100 = 72.6, truncated
    EXPECT_EQ(ContenerScrollOriginX(news, 420, 100), 0);
}

TEST_F(SkinFixture, ContenerWithoutMaxWidthHasNoMaximumKapWidth) {
    const SkinRecord& weather = Load(SkinType::Weather);
    const SkinSize size = ClampContenerKapSize(weather, {1000, 50});
    EXPECT_EQ(size.width, 1000);
    EXPECT_EQ(size.height, 100);
    LoggedProblems problems;
    ContenerMaxKapWidth(weather);
    EXPECT_EQ(problems.lines, std::vector<std::string>{"VimoWeatherSkin has no key ContenerMaxWidth"});
}

// --- Images on a file system that tells cases apart ---------------------------------------------

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vimo-skin-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

void Touch(const std::filesystem::path& file) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << "png";
}

TEST(SkinImages, UpperCasedNamesAreFoundOnDisk) {
    TempFolder temp;
    const auto noteDir = temp.Path() / "Skin" / "Default" / "VimoNote";
    Touch(noteDir / "lock.png");
    Touch(noteDir / "Images" / "Alarm.Png");

    Settings settings;
    settings.programDir = temp.Path().string();
    FakeProfileStore store;
    const std::string file = settings.programDir + "\\Skin\\Default\\VimoNote\\Skin.VimoNote";
    store.Set(file, "VimoNoteSkin", "LockFileName", "lock.png");
    store.Set(file, "VimoNoteSkin", "AlarmFileName", "images/alarm.png");
    store.Set(file, "VimoNoteSkin", "LinkFileName", "missing.png");
    SkinSet skins;
    skins.Load(store, settings.SkinDir());
    const SkinRecord& note = skins.Skin(SkinType::Note);

    EXPECT_EQ(ResolveFileCase(note.Str("LockFileName")), (noteDir / "lock.png").string());
    EXPECT_EQ(ResolveFileCase(note.Str("AlarmFileName")), (noteDir / "Images" / "Alarm.Png").string());
    EXPECT_EQ(ResolveFileCase(note.Str("LinkFileName")), note.Str("LinkFileName"));
}

} // namespace
} // namespace vimo
