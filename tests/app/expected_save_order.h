#pragma once
// The keys of the settings file in the order the program writes them, for the unit and the
// end-to-end tests alike.
#include <string>
#include <vector>

namespace vimo::testdata {

inline const std::vector<std::string> kSaveOrder = {
    "SkinName",
    "DefaultIcon",
    "CreatePosX",
    "CreatePosY",
    "RemoteKAPAlwaysOnTop",
    "RemoteWINAlwaysOnTop",
    "RemoteWINPosX",
    "RemoteWINPosY",
    "RemoteWINPosWidth",
    "RemoteWINPosHeight",
    "WinDetectDelay",
    "RemoteWINOneWinMode",
    "RemoteWINMinimizeMaximized",
    "RemoteWINKillNewWinMode",
    "RemoteWINKillNewWinApp",
    "HideTaskbarOnStartup",
    "LoadRemoteWIN",
    "LoadRemoteKAP",
    "RemoteKAPAutoHide",
    "RemoteWINAutoHide",
    "RemoteKAPFadeInOut",
    "RemoteWINFadeInOut",
    "RemoteKAPHideDelay",
    "RemoteWINHideDelay",
    "RemoteKAPTrigger",
    "RemoteWINTrigger",
    "Exclude0",
    "Exclude1",
    "Exclude2",
    "Exclude3",
    "Exclude4",
    "Exclude5",
    "Exclude6",
    "Exclude7",
    "Exclude8",
    "Exclude9",
};

} // namespace vimo::testdata
