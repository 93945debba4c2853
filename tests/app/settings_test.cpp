// The global settings object against VimoKap.ini held in the in-memory INI store.
#include "kapframe/settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expected_save_order.h"
#include "support/ini_profile_store.h"

namespace vimo {
namespace {

using testdata::kSaveOrder;

const std::string kDir = "C:\\Program Files\\VimoKap";
const std::string kIni = kDir + "\\VimoKap.ini";

struct IntField {
    const char* key;
    int Settings::*member;
    int def;
};

const IntField kIntFields[] = {
    {"CreatePosX", &Settings::createPosX, 30},
    {"CreatePosY", &Settings::createPosY, 30},
    {"RemoteKAPAlwaysOnTop", &Settings::remoteKapAlwaysOnTop, 1},
    {"RemoteWINAlwaysOnTop", &Settings::remoteWinAlwaysOnTop, 1},
    {"RemoteWINPosX", &Settings::remoteWinPosX, 30},
    {"RemoteWINPosY", &Settings::remoteWinPosY, 30},
    {"RemoteWINPosWidth", &Settings::remoteWinPosWidth, 100},
    {"RemoteWINPosHeight", &Settings::remoteWinPosHeight, 100},
    {"WinDetectDelay", &Settings::winDetectDelay, 1},
    {"RemoteWINOneWinMode", &Settings::remoteWinOneWinMode, 0},
    {"RemoteWINMinimizeMaximized", &Settings::remoteWinMinimizeMaximized, 0},
    {"RemoteWINKillNewWinMode", &Settings::remoteWinKillNewWinMode, 0},
    {"HideTaskbarOnStartup", &Settings::hideTaskbarOnStartup, 0},
    {"LoadRemoteWIN", &Settings::loadRemoteWin, 1},
    {"LoadRemoteKAP", &Settings::loadRemoteKap, 1},
    {"RemoteKAPAutoHide", &Settings::remoteKapAutoHide, 0},
    {"RemoteWINAutoHide", &Settings::remoteWinAutoHide, 0},
    {"RemoteKAPFadeInOut", &Settings::remoteKapFadeInOut, 1},
    {"RemoteWINFadeInOut", &Settings::remoteWinFadeInOut, 1},
    {"RemoteKAPHideDelay", &Settings::remoteKapHideDelay, 10},
    {"RemoteWINHideDelay", &Settings::remoteWinHideDelay, 10},
};

// The string keys other than SkinName and DefaultIcon, which depend on each other.
struct StringField {
    const char* key;
    std::string Settings::*member;
    const char* def;
};

const StringField kStringFields[] = {
    {"RemoteWINKillNewWinApp", &Settings::remoteWinKillNewWinApp, ""},
    {"RemoteKAPTrigger", &Settings::remoteKapTrigger, "Left"},
    {"RemoteWINTrigger", &Settings::remoteWinTrigger, "Left"},
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find("\r\n", pos);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

class SettingsTest : public ::testing::Test {
protected:
    void GivenIni(const std::string& body) { store_.SetFile(kIni, "[VimoKap]\r\n" + body); }
    void Load(const std::string& dir = kDir) { settings_.Load(store_, dir); }

    MemoryProfileStore store_;
    Settings settings_;
};

TEST_F(SettingsTest, WithoutAFileEveryOptionHasItsDefault) {
    Load();
    EXPECT_EQ(settings_.programDir, kDir);
    EXPECT_EQ(settings_.skinName, "Default");
    EXPECT_EQ(settings_.defaultIcon, kDir + "\\Skin\\Default\\DefaultIcon.png");
    for (const IntField& field : kIntFields) EXPECT_EQ(settings_.*field.member, field.def) << field.key;
    for (const StringField& field : kStringFields) EXPECT_EQ(settings_.*field.member, field.def) << field.key;
    for (const std::string& exclude : settings_.exclude) EXPECT_EQ(exclude, "");
    EXPECT_FALSE(store_.HasFile(kIni)) << "loading writes nothing";
}

TEST_F(SettingsTest, FirstSaveWritesEveryKeyInOrder) {
    Load();
    settings_.Save(store_);
    std::vector<std::string> lines = Lines(store_.FileText(kIni));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "[VimoKap]");
    std::vector<std::string> keys;
    for (std::size_t i = 1; i < lines.size(); ++i) keys.push_back(lines[i].substr(0, lines[i].find('=')));
    EXPECT_EQ(keys, kSaveOrder);
    EXPECT_EQ(lines[1], "SkinName=Default");
    EXPECT_EQ(lines[2], "DefaultIcon=" + kDir + "\\Skin\\Default\\DefaultIcon.png");
    EXPECT_EQ(lines[3], "CreatePosX=30");
    EXPECT_EQ(lines[15], "RemoteWINKillNewWinApp=") << "an empty string is an empty value";
    EXPECT_EQ(lines[25], "RemoteKAPTrigger=Left");
    EXPECT_EQ(lines.back(), "Exclude9=");
}

TEST_F(SettingsTest, NumbersAreSavedAsSignedDecimal) {
    Load();
    settings_.createPosX = -250;
    settings_.remoteWinPosWidth = 2147483647;
    settings_.remoteWinPosHeight = -2147483647 - 1;
    settings_.Save(store_);
    const std::string text = store_.FileText(kIni);
    EXPECT_NE(text.find("\r\nCreatePosX=-250\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nRemoteWINPosWidth=2147483647\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nRemoteWINPosHeight=-2147483648\r\n"), std::string::npos);
}

TEST_F(SettingsTest, NullInAnyLetterCaseReadsAsEmpty) {
    GivenIni("SkinName=nULl\r\nRemoteWINKillNewWinApp=NULL\r\nRemoteKAPTrigger=null\r\nRemoteWINTrigger=Null\r\n"
             "Exclude0=NULL\r\nExclude4=\"null\"\r\nExclude9=  NuLl  \r\nExclude1=NULLs\r\nExclude2=NUL\r\n");
    Load();
    EXPECT_EQ(settings_.skinName, "");
    EXPECT_EQ(settings_.remoteWinKillNewWinApp, "");
    EXPECT_EQ(settings_.remoteKapTrigger, "");
    EXPECT_EQ(settings_.remoteWinTrigger, "");
    EXPECT_EQ(settings_.exclude[0], "");
    EXPECT_EQ(settings_.exclude[4], "");
    EXPECT_EQ(settings_.exclude[9], "");
    EXPECT_EQ(settings_.exclude[1], "NULLs");
    EXPECT_EQ(settings_.exclude[2], "NUL");
}

TEST_F(SettingsTest, StringsKeepAtMost97Characters) {
    const std::string longText(300, 'x');
    GivenIni("SkinName=" + longText + "\r\nExclude3=" + std::string(97, 'e') + "\r\nExclude4=" + std::string(98, 'f') +
             "\r\nRemoteKAPTrigger=\"" + std::string(120, 't') + "\"\r\n");
    Load();
    EXPECT_EQ(settings_.skinName, std::string(97, 'x'));
    EXPECT_EQ(settings_.exclude[3], std::string(97, 'e'));
    EXPECT_EQ(settings_.exclude[4], std::string(97, 'f'));
    EXPECT_EQ(settings_.remoteKapTrigger, std::string(97, 't')) << "a cut value keeps no quote";
}

TEST_F(SettingsTest, DamagedFileGivesDefaultsOrWhatTheProfileReaderMakesOfIt) {
    store_.SetFile(kIni, std::string("\x01\x02\xff garbage\r\n[[[\r\n=====\r\n") + std::string(5000, 'z') +
                             "\r\n[VimoKap]\r\n"
                             "CreatePosX=abc\r\nCreatePosY=\r\nRemoteWINPosX=12abc\r\n"
                             "RemoteWINPosWidth=99999999999\r\nWinDetectDelay=-4\r\nLoadRemoteWIN\r\n"
                             "RemoteKAPHideDelay=\"15\"\r\nRemoteWINHideDelay= 0x1E \r\nSkinName\r\n"
                             "RemoteWINTrigger=" +
                             std::string(4000, 'r') + "\r\n[VimoKap\r\nLoadRemoteKAP=0");
    Load();
    EXPECT_EQ(settings_.createPosX, 0) << "text that is no number";
    EXPECT_EQ(settings_.createPosY, 30) << "an empty value";
    EXPECT_EQ(settings_.remoteWinPosX, 12);
    EXPECT_EQ(settings_.remoteWinPosWidth, 1215752191) << "overlong numbers wrap in 32 bits";
    EXPECT_EQ(settings_.winDetectDelay, -4) << "stored numbers are used unchanged";
    EXPECT_EQ(settings_.loadRemoteWin, 1) << "a key without '='";
    EXPECT_EQ(settings_.remoteKapHideDelay, 15);
    EXPECT_EQ(settings_.remoteWinHideDelay, 30);
    EXPECT_EQ(settings_.skinName, "Default");
    EXPECT_EQ(settings_.remoteWinTrigger, std::string(97, 'r'));
    EXPECT_EQ(settings_.loadRemoteKap, 0) << "a '[' line without ']' starts no section";
}

TEST_F(SettingsTest, DefaultIconMustNameAnExistingFile) {
    store_.SetFile("D:\\Icons\\Mine.png", "");
    GivenIni("SkinName=Blue\r\nDefaultIcon=d:\\icons\\MINE.png\r\n");
    Load();
    EXPECT_EQ(settings_.defaultIcon, "d:\\icons\\MINE.png") << "file names ignore letter case";

    store_.RemoveFile("D:\\Icons\\Mine.png");
    Load();
    EXPECT_EQ(settings_.defaultIcon, kDir + "\\Skin\\Blue\\DefaultIcon.png");

    GivenIni("SkinName=Blue\r\nDefaultIcon=NULL\r\n");
    Load();
    EXPECT_EQ(settings_.defaultIcon, kDir + "\\Skin\\Blue\\DefaultIcon.png");
}

TEST_F(SettingsTest, ProgramDirectoryIsTheCurrentDirectory) {
    GivenIni("SkinName=Here\r\n");
    store_.SetFile("D:\\Elsewhere\\VimoKap.ini", "[VimoKap]\r\nSkinName=There\r\n");
    Load("D:\\Elsewhere");
    EXPECT_EQ(settings_.programDir, "D:\\Elsewhere");
    EXPECT_EQ(settings_.skinName, "There");
    EXPECT_EQ(settings_.SkinDir(), "D:\\Elsewhere\\Skin\\There");
    settings_.createPosX = 5;
    settings_.Save(store_);
    EXPECT_EQ(store_.ReadInt("D:\\Elsewhere\\VimoKap.ini", "VimoKap", "CreatePosX", 0), 5);
    EXPECT_EQ(store_.FileText(kIni), "[VimoKap]\r\nSkinName=Here\r\n");
}

TEST_F(SettingsTest, ProgramDirectoryKeepsAtMost199Characters) {
    const std::string longDir = "C:\\" + std::string(260, 'd');
    const std::string cut = longDir.substr(0, 199);
    store_.SetFile(cut + "\\VimoKap.ini", "[VimoKap]\r\nCreatePosX=77\r\n");
    Load(longDir);
    EXPECT_EQ(settings_.programDir, cut);
    EXPECT_EQ(settings_.createPosX, 77);

    const std::string exact = "C:\\" + std::string(196, 'e');
    Load(exact);
    EXPECT_EQ(settings_.programDir, exact);
}

TEST_F(SettingsTest, SaveThenLoadGivesTheSameValues) {
    store_.SetFile("E:\\Pics\\Icon.png", "");
    Load();
    settings_.skinName = "Blue Sky";
    settings_.defaultIcon = "E:\\Pics\\Icon.png";
    int value = -3;
    for (const IntField& field : kIntFields) settings_.*field.member = value++ * 7;
    settings_.remoteWinKillNewWinApp = "notepad.exe";
    settings_.remoteKapTrigger = "Bottom";
    settings_.remoteWinTrigger = "Right";
    for (std::size_t i = 0; i < settings_.exclude.size(); ++i)
        settings_.exclude[i] = i % 3 ? "C:\\Apps\\app " + std::to_string(i) + ".exe" : "";
    settings_.Save(store_);

    Settings loaded;
    loaded.Load(store_, kDir);
    EXPECT_EQ(loaded.skinName, settings_.skinName);
    EXPECT_EQ(loaded.defaultIcon, settings_.defaultIcon);
    for (const IntField& field : kIntFields) EXPECT_EQ(loaded.*field.member, settings_.*field.member) << field.key;
    for (const StringField& field : kStringFields)
        EXPECT_EQ(loaded.*field.member, settings_.*field.member) << field.key;
    for (std::size_t i = 0; i < settings_.exclude.size(); ++i)
        EXPECT_EQ(loaded.exclude[i], settings_.exclude[i]) << "Exclude" << i;

    // A second save of the same values leaves the file as it was.
    const std::string first = store_.FileText(kIni);
    loaded.Save(store_);
    EXPECT_EQ(store_.FileText(kIni), first);
}

} // namespace
} // namespace vimo
