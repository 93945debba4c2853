#include "kapframe/settings.h"

#include "base/text_util.h"

namespace vimo {

std::string ReadSettingString(const ProfileStore& store, const std::string& path, const std::string& key,
                              const std::string& def) {
    std::string value = store.ReadString(path, Settings::kSection, key, def, Settings::kStringBuffer);
    return IsNullWord(value) ? std::string() : value;
}

void Settings::Load(const ProfileStore& store, const std::string& currentDir) {
    LoadOptions(store, currentDir);
    skins.Load(store, SkinDir());
}

void Settings::LoadOptions(const ProfileStore& store, const std::string& currentDir) {
    programDir = currentDir.substr(0, kMaxProgramDir);
    const std::string path = IniPath();
    auto str = [&](const char* key, const std::string& def) { return ReadSettingString(store, path, key, def); };
    auto num = [&](const char* key, int def) { return store.ReadInt(path, kSection, key, def); };

    skinName = str("SkinName", "Default");
    defaultIcon = str("DefaultIcon", DefaultIconPath());
    if (!store.FileExists(defaultIcon)) defaultIcon = DefaultIconPath();

    createPosX = num("CreatePosX", 30);
    createPosY = num("CreatePosY", 30);
    remoteKapAlwaysOnTop = num("RemoteKAPAlwaysOnTop", 1);
    remoteWinAlwaysOnTop = num("RemoteWINAlwaysOnTop", 1);
    remoteWinPosX = num("RemoteWINPosX", 30);
    remoteWinPosY = num("RemoteWINPosY", 30);
    remoteWinPosWidth = num("RemoteWINPosWidth", 100);
    remoteWinPosHeight = num("RemoteWINPosHeight", 100);
    winDetectDelay = num("WinDetectDelay", 1);
    remoteWinOneWinMode = num("RemoteWINOneWinMode", 0);
    remoteWinMinimizeMaximized = num("RemoteWINMinimizeMaximized", 0);
    remoteWinKillNewWinMode = num("RemoteWINKillNewWinMode", 0);
    remoteWinKillNewWinApp = str("RemoteWINKillNewWinApp", "");
    hideTaskbarOnStartup = num("HideTaskbarOnStartup", 0);
    loadRemoteWin = num("LoadRemoteWIN", 1);
    loadRemoteKap = num("LoadRemoteKAP", 1);
    remoteKapAutoHide = num("RemoteKAPAutoHide", 0);
    remoteWinAutoHide = num("RemoteWINAutoHide", 0);
    remoteKapFadeInOut = num("RemoteKAPFadeInOut", 1);
    remoteWinFadeInOut = num("RemoteWINFadeInOut", 1);
    remoteKapHideDelay = num("RemoteKAPHideDelay", 10);
    remoteWinHideDelay = num("RemoteWINHideDelay", 10);
    remoteKapTrigger = str("RemoteKAPTrigger", "Left");
    remoteWinTrigger = str("RemoteWINTrigger", "Left");
    for (std::size_t i = 0; i < exclude.size(); ++i) exclude[i] = str(("Exclude" + std::to_string(i)).c_str(), "");
}

void Settings::Save(ProfileStore& store) const {
    const std::string path = IniPath();
    auto put = [&](const char* key, const std::string& value) { store.WriteString(path, kSection, key, value); };
    auto num = [&](const char* key, int value) { put(key, std::to_string(value)); };

    put("SkinName", skinName);
    put("DefaultIcon", defaultIcon);
    num("CreatePosX", createPosX);
    num("CreatePosY", createPosY);
    num("RemoteKAPAlwaysOnTop", remoteKapAlwaysOnTop);
    num("RemoteWINAlwaysOnTop", remoteWinAlwaysOnTop);
    num("RemoteWINPosX", remoteWinPosX);
    num("RemoteWINPosY", remoteWinPosY);
    num("RemoteWINPosWidth", remoteWinPosWidth);
    num("RemoteWINPosHeight", remoteWinPosHeight);
    num("WinDetectDelay", winDetectDelay);
    num("RemoteWINOneWinMode", remoteWinOneWinMode);
    num("RemoteWINMinimizeMaximized", remoteWinMinimizeMaximized);
    num("RemoteWINKillNewWinMode", remoteWinKillNewWinMode);
    put("RemoteWINKillNewWinApp", remoteWinKillNewWinApp);
    num("HideTaskbarOnStartup", hideTaskbarOnStartup);
    num("LoadRemoteWIN", loadRemoteWin);
    num("LoadRemoteKAP", loadRemoteKap);
    num("RemoteKAPAutoHide", remoteKapAutoHide);
    num("RemoteWINAutoHide", remoteWinAutoHide);
    num("RemoteKAPFadeInOut", remoteKapFadeInOut);
    num("RemoteWINFadeInOut", remoteWinFadeInOut);
    num("RemoteKAPHideDelay", remoteKapHideDelay);
    num("RemoteWINHideDelay", remoteWinHideDelay);
    put("RemoteKAPTrigger", remoteKapTrigger);
    put("RemoteWINTrigger", remoteWinTrigger);
    for (std::size_t i = 0; i < exclude.size(); ++i) put(("Exclude" + std::to_string(i)).c_str(), exclude[i]);
}

} // namespace vimo
