#pragma once
// The global settings object: the options of VimoKap.ini (section "VimoKap"), the program
// directory every data path is built on, and the skin records of all kap types.
#include <array>
#include <string>

#include "base/profile_store.h"
#include "layer/skin/skin_set.h"

namespace vimo {

class Settings {
public:
    static constexpr const char* kSection = "VimoKap";
    static constexpr std::size_t kStringBuffer = kProfileStringBuffer;
    static constexpr std::size_t kMaxProgramDir = 199;

    std::string programDir;
    std::string skinName = "Default";
    std::string defaultIcon;
    int createPosX = 30, createPosY = 30;
    int remoteKapAlwaysOnTop = 1, remoteWinAlwaysOnTop = 1;
    int hideTaskbarOnStartup = 0;
    int loadRemoteWin = 1, loadRemoteKap = 1;
    int remoteKapAutoHide = 0, remoteWinAutoHide = 0;
    int remoteKapFadeInOut = 1, remoteWinFadeInOut = 1;
    int remoteKapHideDelay = 10, remoteWinHideDelay = 10;
    std::string remoteKapTrigger = "Left", remoteWinTrigger = "Left";
    std::array<std::string, 10> exclude;
    int remoteWinPosX = 30, remoteWinPosY = 30, remoteWinPosWidth = 100, remoteWinPosHeight = 100;
    int winDetectDelay = 1;
    int remoteWinOneWinMode = 0, remoteWinMinimizeMaximized = 0, remoteWinKillNewWinMode = 0;
    std::string remoteWinKillNewWinApp;
    SkinSet skins; // the skin records of every kap type

    Settings() = default;
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    // Fills every option from "<currentDir>\VimoKap.ini" (missing values take their defaults), then
    // loads the skin records of the skin it names.
    void Load(const ProfileStore& store, const std::string& currentDir);
    // The options alone: the skin records stay as they were.
    void LoadOptions(const ProfileStore& store, const std::string& currentDir);
    // Writes every key in the file's fixed order.
    void Save(ProfileStore& store) const;

    std::string IniPath() const { return programDir + "\\VimoKap.ini"; }
    std::string SkinDir() const { return programDir + "\\Skin\\" + skinName; }
    std::string DefaultIconPath() const { return SkinDir() + "\\DefaultIcon.png"; }
};

// Reads a string key of VimoKap.ini: at most 97 characters, "NULL" in any case means empty.
std::string ReadSettingString(const ProfileStore& store, const std::string& path, const std::string& key,
                              const std::string& def);

} // namespace vimo
