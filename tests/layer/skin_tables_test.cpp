#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "layer/skin/skin_tables.h"

namespace vimo {
namespace {

std::vector<std::shared_ptr<const SkinFileSchema>> Schemas() { return BuildSkinSchemas(); }

const SkinFileSchema& SchemaOf(const std::vector<std::shared_ptr<const SkinFileSchema>>& schemas, SkinType type,
                               SkinFileRole role = SkinFileRole::Skin) {
    for (const auto& schema : schemas)
        if (schema->Type() == type && schema->Role() == role) return *schema;
    throw std::runtime_error("no schema");
}

std::vector<std::string> KeyNames(const SkinFileSchema& schema, std::size_t from, std::size_t count) {
    std::vector<std::string> names;
    for (std::size_t i = from; i < from + count && i < schema.Keys().size(); ++i)
        names.push_back(schema.Keys()[i].name);
    return names;
}

const SkinKey& KeyOf(const SkinFileSchema& schema, const std::string& name) {
    const int index = schema.Find(name);
    if (index < 0) throw std::runtime_error("no key " + name);
    return schema.Keys()[static_cast<std::size_t>(index)];
}

TEST(SkinTables, FilesComeInLoadOrderWithDataBeforeSkin) {
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Skin.VimoNote", "VimoNoteSkin"},           {"Skin.VimoPhotoAlbum", "VimoPhotoAlbumSkin"},
        {"Skin.VimoCalc", "VimoCalcSkin"},           {"Skin.VimoCalendar", "VimoCalendarSkin"},
        {"Skin.VimoClock", "VimoClockSkin"},         {"Skin.VimoAccount", "VimoAccountSkin"},
        {"Data.VimoWeather", "VimoWeatherData"},     {"Skin.VimoWeather", "VimoWeatherSkin"},
        {"Skin.VimoNews", "VimoNewsSkin"},           {"Skin.VimoLink", "VimoLinkSkin"},
        {"Skin.VimoTrash", "VimoTrashSkin"},         {"Skin.VimoRemoteWMP", "VimoRemoteWMPSkin"},
        {"Skin.VimoMail", "VimoMailSkin"},           {"Data.VimoGoogle", "VimoGoogleData"},
        {"Skin.VimoGoogle", "VimoGoogleSkin"},       {"Skin.VimoRemoteKap", "VimoRemoteKapSkin"},
        {"Skin.VimoRemoteWin", "VimoRemoteWinSkin"},
    };
    std::vector<std::pair<std::string, std::string>> actual;
    for (const auto& schema : Schemas()) actual.emplace_back(schema->FileName(), schema->Section());
    EXPECT_EQ(actual, expected);
}

TEST(SkinTables, KeyCountsMatchTheDocumentedCounts) {
    const std::vector<std::pair<std::string, std::size_t>> expected = {
        {"VimoNoteSkin", 90},      {"VimoPhotoAlbumSkin", 23}, {"VimoCalcSkin", 155},  {"VimoCalendarSkin", 105},
        {"VimoClockSkin", 51},     {"VimoAccountSkin", 125},   {"VimoWeatherData", 4}, {"VimoWeatherSkin", 69},
        {"VimoNewsSkin", 110},     {"VimoLinkSkin", 77},       {"VimoTrashSkin", 75},  {"VimoRemoteWMPSkin", 100},
        {"VimoMailSkin", 52},      {"VimoGoogleData", 3},      {"VimoGoogleSkin", 58}, {"VimoRemoteKapSkin", 43},
        {"VimoRemoteWinSkin", 90},
    };
    std::vector<std::pair<std::string, std::size_t>> actual;
    for (const auto& schema : Schemas()) actual.emplace_back(schema->Section(), schema->Keys().size());
    EXPECT_EQ(actual, expected);
}

TEST(SkinTables, KeysFollowTheRowsInOrder) {
    const auto schemas = Schemas();
    const SkinFileSchema& note = SchemaOf(schemas, SkinType::Note);
    EXPECT_EQ(KeyNames(note, 0, 9),
              (std::vector<std::string>{"IconWidth", "IconHeight", "BackgroundDefault", "Background1", "Background2",
                                        "Background3", "Background4", "BackgroundCutLeft", "BackgroundCutRight"}));
    EXPECT_EQ(KeyNames(note, 15, 7), (std::vector<std::string>{"LockPosX", "LockPosY", "LockWidth", "LockHeight",
                                                               "LockFileName", "LockRightDock", "LockBottomDock"}));
    EXPECT_EQ(note.Keys().back().name, "EditTextShadowed");

    // An element split over two rows keeps both parts in place.
    const SkinFileSchema& news = SchemaOf(schemas, SkinType::News);
    EXPECT_EQ(KeyNames(news, static_cast<std::size_t>(news.Find("TitleHeight")), 3),
              (std::vector<std::string>{"TitleHeight", "TitleBkFileName", "TitleBkCutLeft"}));
    EXPECT_EQ(KeyNames(news, static_cast<std::size_t>(news.Find("TitleBkBlue")), 2),
              (std::vector<std::string>{"TitleBkBlue", "TitleFont"}));

    // The window bar reads its last colour keys out of the usual order.
    const SkinFileSchema& bar = SchemaOf(schemas, SkinType::RemoteWin);
    EXPECT_EQ(KeyNames(bar, bar.Keys().size() - 4, 4),
              (std::vector<std::string>{"TextDoubledAlpha", "TextDoubledBlue", "TextDoubledRed", "TextDoubledGreen"}));

    const SkinFileSchema& dock = SchemaOf(schemas, SkinType::RemoteKap);
    EXPECT_EQ(KeyNames(dock, 0, 3), (std::vector<std::string>{"Width", "Height", "BackgroundFileName"}));

    const SkinFileSchema& weatherData = SchemaOf(schemas, SkinType::Weather, SkinFileRole::Data);
    EXPECT_EQ(KeyNames(weatherData, 0, 4),
              (std::vector<std::string>{"SearchRSSURL", "BeginRSSURL", "EndRSSURL", "NavigateURL"}));
}

TEST(SkinTables, KindsAndDefaults) {
    const auto schemas = Schemas();
    for (const auto& schema : schemas) {
        for (const SkinKey& key : schema->Keys()) {
            const bool fileName = key.name.size() > 8 && key.name.compare(key.name.size() - 8, 8, "FileName") == 0;
            EXPECT_EQ(key.kind == SkinKeyKind::FileName, fileName) << schema->Section() << " " << key.name;
            if (key.name.size() > 4 && key.name.compare(key.name.size() - 4, 4, "Font") == 0) {
                EXPECT_EQ(key.kind, SkinKeyKind::String) << key.name;
                EXPECT_EQ(key.text, "Arial") << key.name;
            }
            if (schema->Role() == SkinFileRole::Data) {
                EXPECT_EQ(key.kind, SkinKeyKind::String) << key.name;
            }
        }
    }
    const SkinFileSchema& calendar = SchemaOf(schemas, SkinType::Calendar);
    EXPECT_EQ(KeyOf(calendar, "TextDays").kind, SkinKeyKind::String);
    EXPECT_EQ(KeyOf(calendar, "TextDays").text, "MTWTFSS");
    EXPECT_EQ(KeyOf(calendar, "TextBaseSpaceX").number, 100);

    const SkinFileSchema& note = SchemaOf(schemas, SkinType::Note);
    EXPECT_EQ(KeyOf(note, "BackgroundDefault").kind, SkinKeyKind::String);
    EXPECT_EQ(KeyOf(note, "EditBackgroundFocusedAlpha").number, 180);

    const SkinFileSchema& calc = SchemaOf(schemas, SkinType::Calc);
    EXPECT_EQ(KeyOf(calc, "ScreenBackgroundImageAlphaPercent").number, 255);
    EXPECT_EQ(KeyOf(calc, "ButtonPMYPos").number, 250);
}

TEST(SkinTables, OnlyTheNoteEditSizeDependsOnEarlierValues) {
    std::vector<std::string> dependent;
    for (const auto& schema : Schemas()) {
        for (const SkinKey& key : schema->Keys()) {
            if (key.baseIndex < 0) continue;
            const SkinKey& base = schema->Keys()[static_cast<std::size_t>(key.baseIndex)];
            dependent.push_back(schema->Section() + "." + key.name + "=" + base.name + std::to_string(key.number));
        }
    }
    EXPECT_EQ(dependent, (std::vector<std::string>{"VimoNoteSkin.EditWidth=IconWidth-10",
                                                   "VimoNoteSkin.EditHeight=IconHeight-10"}));
}

TEST(SkinTableParser, ReadsRowsAndContinuations) {
    auto schema = ParseSkinTable(SkinType::Clock, SkinFileRole::Skin, R"(
        Icon: Width 200, Height -3
        Title = "A b"
        Lock: PosX 10,
            FileName empty, Size IconWidth+5
    )");
    ASSERT_EQ(schema->Keys().size(), 6u);
    EXPECT_EQ(schema->Keys()[1].number, -3);
    EXPECT_EQ(schema->Keys()[2].name, "Title");
    EXPECT_EQ(schema->Keys()[2].text, "A b");
    EXPECT_EQ(schema->Keys()[3].name, "LockPosX");
    EXPECT_EQ(schema->Keys()[4].kind, SkinKeyKind::FileName);
    EXPECT_EQ(schema->Keys()[5].baseIndex, 0);
    EXPECT_EQ(schema->Keys()[5].number, 5);
}

TEST(SkinTableParser, RejectsMalformedTables) {
    const char* bad[] = {
        "Icon: Width 1, Width 2",              // the same key twice
        "Icon Width 1",                        // neither ':' nor '='
        "Icon: Width",                         // no default
        "Icon: Width ten",                     // not a default
        "Edit: Width IconWidth-10",            // base key not read before
        "Icon: Height 1, Width Height",        // no offset
        "IconWidth = IconWidth-1",             // its own value
        "Lock: FileName \"a.png\"",            // file names default to empty
        "Lock: FileName 0",                    // file names are strings
        "Title: Font \"Ar\"ial\"",             // stray quote
        "Lo ck: PosX 1",                       // bad prefix
        "Title: Font \"Arial\", Color \"x\"y", // unterminated string
    };
    for (const char* row : bad)
        EXPECT_THROW(ParseSkinTable(SkinType::Note, SkinFileRole::Skin, row), SkinKeyError) << row;
}

} // namespace
} // namespace vimo
