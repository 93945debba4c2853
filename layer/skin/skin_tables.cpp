#include "layer/skin/skin_tables.h"

namespace vimo {

namespace {

// Each row is one element: its prefix, then the suffixes read for it with their defaults, in the
// order they are read. "Key = default" is a single key.

// Note kap: "\VimoNote\Skin.VimoNote", section VimoNoteSkin, 90 keys.
constexpr const char kNoteSkin[] = R"(
Icon: Width 200, Height 300
BackgroundDefault = empty
Background1 = empty
Background2 = empty
Background3 = empty
Background4 = empty
Background: CutLeft 0, CutRight 0, CutTop 0, CutBottom 0, Alpha 100, Red 100, Green 100, Blue 100
Lock: PosX 10, PosY 10, Width 20, Height 20, FileName empty, RightDock 0, BottomDock 0
Alarm: PosX 40, PosY 10, Width 20, Height 20, FileName empty, RightDock 0, BottomDock 0
Date: PosX 0, PosY 0, Width 0, Height 0, RightDock 0, BottomDock 0, Font "Arial", Size 0, Type 0, HPos 0, VPos 0,
    Alpha 0, Red 0, Green 0, Blue 0, Shadowed 0
Link: PosX 40, PosY 10, Width 20, Height 20, FileName empty, RightDock 0, BottomDock 0, Font "Arial", Size 0,
    Type 0, HPos 0, VPos 0, Alpha 0, Red 0, Green 0, Blue 0, Shadowed 0
Edit: PosX 5, PosY 5, Width IconWidth-10, Height IconHeight-10, MarginLeft 1, MarginRight 1, MarginTop 1,
    MarginBottom 1
EditBackground: Alpha 0, Red 255, Green 255, Blue 255
EditBackgroundFocused: Alpha 180, Red 255, Green 255, Blue 255
EditVScroll: Size 10
EditHScroll: Size 10
EditScroll: Alpha 180, Red 150, Green 150, Blue 150
EditFocusFrame: Size 1, Alpha 255, Red 0, Green 0, Blue 0
EditText: Shadowed 1
)";

// Photo album kap: "\VimoPhotoAlbum\Skin.VimoPhotoAlbum", section VimoPhotoAlbumSkin, 23 keys.
constexpr const char kPhotoAlbumSkin[] = R"(
Icon: Width 300, Height 200
Background: FileName empty, CutLeft 0, CutRight 0, CutTop 0, CutBottom 0, Alpha 100, Red 100, Green 100, Blue 100
Lock: PosX 10, PosY 10, Width 20, Height 20, FileName empty, RightDock 0, BottomDock 0
Image: MarginLeft 10, MarginRight 10, MarginTop 10, MarginBottom 10, AlphaPercent 100
)";

// Calculator kap: "\VimoCalc\Skin.VimoCalc", section VimoCalcSkin, 155 keys.
constexpr const char kCalcSkin[] = R"(
Icon: Width 200, Height 300
Background: FileName empty, CutLeft 0, CutRight 0, CutTop 0, CutBottom 0, Alpha 100, Red 100, Green 100, Blue 100
Lock: PosX 10, PosY 10, Width 20, Height 20, FileName empty
Screen: XPos 10, YPos 10, Width 180, Height 40
ScreenBackgroundImage: FileName empty
ScreenBackground: ImageAlphaPercent 255, CutLeft 0, CutRight 0, CutTop 0, CutBottom 0, Alpha 255, Red 200,
    Green 200, Blue 200
ScreenText: MarginLeft 0, MarginRight 0, MarginTop 0, MarginBottom 0, Font "Arial", Size 24, Alpha 255, Red 0,
    Green 0, Blue 0, Shadowed 1
ButtonShowBackground = 1
ButtonBackground: Alpha 255, Red 100, Green 100, Blue 100
ButtonShowLabel = 1
ButtonShowFocus = 1
ButtonLabel: Font "Arial", Size 20, Shadowed 1, Alpha 255, Red 0, Green 0, Blue 0
Button0: FileName empty, XPos 10, YPos 250, Width 40, Height 40
Button1: FileName empty, XPos 10, YPos 205, Width 40, Height 40
Button2: FileName empty, XPos 55, YPos 205, Width 40, Height 40
Button3: FileName empty, XPos 100, YPos 205, Width 40, Height 40
Button4: FileName empty, XPos 10, YPos 160, Width 40, Height 40
Button5: FileName empty, XPos 55, YPos 160, Width 40, Height 40
Button6: FileName empty, XPos 100, YPos 160, Width 40, Height 40
Button7: FileName empty, XPos 10, YPos 115, Width 40, Height 40
Button8: FileName empty, XPos 55, YPos 115, Width 40, Height 40
Button9: FileName empty, XPos 100, YPos 115, Width 40, Height 40
ButtonP: FileName empty, XPos 55, YPos 250, Width 40, Height 40
ButtonPM: FileName empty, XPos 100, YPos 250, Width 40, Height 40
ButtonC: FileName empty, XPos 10, YPos 65, Width 40, Height 40
ButtonCE: FileName empty, XPos 55, YPos 65, Width 40, Height 40
ButtonR: FileName empty, XPos 150, YPos 250, Width 40, Height 40
ButtonA: FileName empty, XPos 150, YPos 205, Width 40, Height 40
ButtonM: FileName empty, XPos 150, YPos 160, Width 40, Height 40
ButtonX: FileName empty, XPos 150, YPos 115, Width 40, Height 40
ButtonD: FileName empty, XPos 150, YPos 65, Width 40, Height 40
ButtonPC: FileName empty, XPos 100, YPos 65, Width 40, Height 40
)";

// Clock kap: "\VimoClock\Skin.VimoClock", section VimoClockSkin, 51 keys.
constexpr const char kClockSkin[] = R"(
Icon: Width 200, Height 100
Background: FileName empty, CutLeft 0, CutRight 0, CutTop 0, CutBottom 0, Alpha 100, Red 100, Green 100, Blue 100
Lock: PosX 10, PosY 10, Width 20, Height 20, FileName empty
Alarm: PosX 40, PosY 10, Width 20, Height 20, FileName empty
ClockTime: PosX 10, PosY 10, Width 180, Height 70, Font "Arial", Size 30, Alpha 255, Red 0, Green 0, Blue 0,
    Shadowed 1, DoubledAlpha 0, DoubledRed 0, DoubledGreen 0, DoubledBlue 0
ClockDate: PosX 10, PosY 70, Width 180, Height 20, Font "Arial", Size 12, Alpha 255, Red 0, Green 0, Blue 0,
    Shadowed 1, DoubledAlpha 0, DoubledRed 0, DoubledGreen 0, DoubledBlue 0
)";

// Calendar kap: "\VimoCalendar\Skin.VimoCalendar", section VimoCalendarSkin, 105 keys.
constexpr const char kCalendarSkin[] = R"(
Icon: Width 200, Height 100
Background: FileName empty, CutLeft 0, CutRight 0, CutTop 0, CutBottom 0, Alpha 100, Red 100, Green 100, Blue 100
Lock: PosX 10, PosY 10, Width 20, Height 20, FileName empty
BtnPrev: XPos 100, YPos 100, Width 100, Height 100, FileName empty, Font "Arial", Size 100, Type 100, Alpha 100,
    Red 100, Green 100, Blue 100, Shadowed 100
BtnNext: XPos 100, YPos 100, Width 100, Height 100, FileName empty, Font "Arial", Size 100, Type 100, Alpha 100,
    Red 100, Green 100, Blue 100, Shadowed 100
Title: XPos 100, YPos 100, Width 100, Height 100, Font "Arial", Size 100, Type 100, Alpha 100, Red 100, Green 100,
    Blue 100, Shadowed 100
TextDays = "MTWTFSS"
TextBase: XPos 100, YPos 100, Width 100, Height 100
TextBaseSpaceX = 100
TextBaseSpaceY = 100
Text: Font "Arial", Size 100, Type 100, Alpha 100, Red 100, Green 100, Blue 100, Shadowed 100
TodayRect: Alpha 100, Red 100, Green 100, Blue 100
TodayFrame: Size 100, Alpha 100, Red 100, Green 100, Blue 100
Today: FileName empty, Font "Arial", Size 100, Type 100, Alpha 100, Red 100, Green 100, Blue 100, Shadowed 100
NoteRect: Alpha 100, Red 100, Green 100, Blue 100
NoteFrame: Size 100, Alpha 100, Red 100, Green 100, Blue 100
Note: FileName empty, Font "Arial", Size 100, Type 100, Alpha 100, Red 100, Green 100, Blue 100, Shadowed 100
)";

// RSS reader kap: "\VimoNews\Skin.VimoNews", section VimoNewsSkin, 110 keys.
constexpr const char kNewsSkin[] = R"(
Icon: Width 200, Height 300
Background: FileName empty, CutLeft 0, CutRight 0, CutTop 0, CutBottom 0, Alpha 100, Red 100, Green 100, Blue 100
Lock: PosX 10, PosY 10, Width 20, Height 20, FileName empty, RightDock 0, BottomDock 0
Title: PosX 10, PosY 10, Width 10, Height 10
TitleBk: FileName empty, CutLeft 10, CutRight 10, CutTop 10, CutBottom 10, Alpha 10, Red 10, Green 10, Blue 10
Title: Font "Arial", Size 10, Alpha 10, Red 10, Green 10, Blue 10, Shadowed 100, DoubledAlpha 10, DoubledRed 10,
    DoubledGreen 10, DoubledBlue 10
HScroll: PosX 10, PosY 10, Width 10, Height 10
HScrollBkInactive: Alpha 10, Red 10, Green 10, Blue 10
HScrollBkActive: Alpha 10, Red 10, Green 10, Blue 10
Contener: PosX 10, PosY 10, Width 10, Height 10
ContenerMax: Width 10
NewsTitle: PosX 10, Height 10
NewsTitleBk: Alpha 10, Red 10, Green 10, Blue 10
NewsTitle: Font "Arial", Size 10, Alpha 10, Red 10, Green 10, Blue 10, Shadowed 100, DoubledAlpha 10, DoubledRed 10,
    DoubledGreen 10, DoubledBlue 10
NewsDate: PosX 10, Height 10
NewsDateBk: Alpha 10, Red 10, Green 10, Blue 10
NewsDate: Font "Arial", Size 10, Alpha 10, Red 10, Green 10, Blue 10, Shadowed 100, DoubledAlpha 10, DoubledRed 10,
    DoubledGreen 10, DoubledBlue 10
NewsContent: PosX 10, Height 10
NewsContentBk: Alpha 10, Red 10, Green 10, Blue 10
NewsContent: Font "Arial", Size 10, Alpha 10, Red 10, Green 10, Blue 10, Shadowed 100, DoubledAlpha 10,
    DoubledRed 10, DoubledGreen 10, DoubledBlue 10
)";

// Link folder kap: "\VimoLink\Skin.VimoLink", section VimoLinkSkin, 77 keys.
constexpr const char kLinkSkin[] = R"(
Icon: Width 10, Height 10
Folder: FileName empty
File: FileName empty
Link: FileName empty
Background: FileName empty, CutLeft 10, CutRight 10, CutTop 10, CutBottom 10, Alpha 10, Red 10, Green 10, Blue 10
Lock: PosX 10, PosY 10, Width 10, Height 10, FileName empty, RightDock 10, BottomDock 10
Title: PosX 10, PosY 10, Width 10, Height 10
TitleBk: Alpha 10, Red 10, Green 10, Blue 10
Title: Font "Arial", Size 10, Alpha 10, Red 10, Green 10, Blue 10, Shadowed 100, DoubledAlpha 10, DoubledRed 10,
    DoubledGreen 10, DoubledBlue 10
HScroll: PosX 10, PosY 10, Width 10, Height 10
HScrollBkInactive: Alpha 10, Red 10, Green 10, Blue 10
HScrollBkActive: Alpha 10, Red 10, Green 10, Blue 10
Contener: PosX 10, PosY 10, Width 10, Height 10
ContenerMax: Width 10
Link: Height 10
LinkVSpacing = 10
LinkBk: Alpha 10, Red 10, Green 10, Blue 10
Link: Font "Arial", Size 10, Type 10, HPos 10, VPos 10, Alpha 10, Red 10, Green 10, Blue 10, Shadowed 10,
    DoubledAlpha 10, DoubledRed 10, DoubledGreen 10, DoubledBlue 10
)";

// Media player remote kap: "\VimoRemoteWMP\Skin.VimoRemoteWMP", section VimoRemoteWMPSkin, 100 keys.
constexpr const char kRemoteWmpSkin[] = R"(
Icon: Width 200, Height 100
Background: FileName empty, CutLeft 0, CutRight 0, CutTop 0, CutBottom 0, Alpha 100, Red 100, Green 100, Blue 100
Lock: PosX 10, PosY 10, Width 20, Height 20, FileName empty
ShowScreen = 1
Screen: PosX 20, PosY 20, Width 100, Height 100
Title: PosX 10, PosY 10, Width 10, Height 10
TitleBk: FileName empty, CutLeft 10, CutRight 10, CutTop 10, CutBottom 10, Alpha 10, Red 10, Green 10, Blue 10
Title: Font "Arial", Size 10, Alpha 10, Red 10, Green 10, Blue 10, Shadowed 100, DoubledAlpha 10, DoubledRed 10,
    DoubledGreen 10, DoubledBlue 10
Time: PosX 10, PosY 10, Width 10, Height 10
TimeBk: FileName empty, CutLeft 10, CutRight 10, CutTop 10, CutBottom 10, Alpha 10, Red 10, Green 10, Blue 10
Time: Font "Arial", Size 10, Alpha 10, Red 10, Green 10, Blue 10, Shadowed 100, DoubledAlpha 10, DoubledRed 10,
    DoubledGreen 10, DoubledBlue 10
BtnPlay: PosX 10, PosY 10, Width 10, Height 10, FileName empty
BtnPause: FileName empty
BtnStop: PosX 10, PosY 10, Width 10, Height 10, FileName empty
BtnPrevious: PosX 10, PosY 10, Width 10, Height 10, FileName empty
BtnNext: PosX 10, PosY 10, Width 10, Height 10, FileName empty
BtnReverse: PosX 10, PosY 10, Width 10, Height 10, FileName empty
BtnForward: PosX 10, PosY 10, Width 10, Height 10, FileName empty
)";

// Mail alert kap: "\VimoMail\Skin.VimoMail", section VimoMailSkin, 52 keys.
constexpr const char kMailSkin[] = R"(
Icon: Width 200, Height 100
Background: FileName empty, CutLeft 0, CutRight 0, CutTop 0, CutBottom 0, Alpha 100, Red 100, Green 100, Blue 100
Lock: PosX 10, PosY 10, Width 20, Height 20, FileName empty
MailName: PosX 10, PosY 10, Width 10, Height 10, Font "Arial", Size 10, Alpha 10, Red 10, Green 10, Blue 10,
    Shadowed 10, DoubledAlpha 10, DoubledRed 10, DoubledGreen 10, DoubledBlue 10
MailPics: PosX 10, PosY 10, Width 10, Height 10
MailPicsNoMailName = empty
MailPicsMailName = empty
MailTxt: PosX 10, PosY 10, Width 10, Height 10, Font "Arial", Size 10, Alpha 10, Red 10, Green 10, Blue 10,
    Shadowed 10, DoubledAlpha 10, DoubledRed 10, DoubledGreen 10, DoubledBlue 10
)";

// Web search kap, data file: "\VimoGoogle\Data.VimoGoogle", section VimoGoogleData, 3 keys.
constexpr const char kGoogleData[] = R"(
SearchBeginURL = empty
SearchEndURL = empty
NavigateURL = empty
)";

// Web search kap: "\VimoGoogle\Skin.VimoGoogle", section VimoGoogleSkin, 58 keys.
constexpr const char kGoogleSkin[] = R"(
Icon: Width 200, Height 100
Background: FileName empty, CutLeft 0, CutRight 0, CutTop 0, CutBottom 0, Alpha 100, Red 100, Green 100, Blue 100
Lock: PosX 10, PosY 10, Width 20, Height 20, FileName empty
TitleIcon: PosX 20, PosY 20, Width 20, Height 20, FileName empty
Edit: PosX 20, PosY 20, Width 20, Height 20, MarginLeft 20, MarginRight 20, MarginTop 20, MarginBottom 20
EditBackground: Alpha 20, Red 20, Green 20, Blue 20
EditBackgroundFocused: Alpha 20, Red 20, Green 20, Blue 20
EditHScroll: Size 20
EditScroll: Alpha 20, Red 20, Green 20, Blue 20
EditFocusFrame: Size 20, Alpha 20, Red 20, Green 20, Blue 20
Edit: Font "Arial", Size 20, Alpha 20, Red 20, Green 20, Blue 20, Shadowed 20, DoubledAlpha 20, DoubledRed 20,
    DoubledGreen 20, DoubledBlue 20
)";

// Remote kap dock: "\VimoRemoteKap\Skin.VimoRemoteKap", section VimoRemoteKapSkin, 43 keys.
constexpr const char kRemoteKapSkin[] = R"(
Width = 200
Height = 100
Background: FileName empty, CutLeft 0, CutRight 0, CutTop 0, CutBottom 0, Alpha 100, Red 100, Green 100, Blue 100
Lock: PosX 10, PosY 10, Width 20, Height 20, FileName empty, RightDock 0, BottomDock 0
MarginLeft = 0
MarginRight = 0
MarginTop = 0
MarginBottom = 0
Icon: Width 0, Height 0
IconHSpacing = 0
IconVSpacing = 0
IconScaleNormal = 0
IconVPosition = 0
IconTitleOnlyHover = 0
IconTitle: Font "Arial", Size 0, HPos 0, VPos 0, Type 0, Alpha 0, Red 0, Green 0, Blue 0, Shadowed 0,
    DoubledAlpha 0, DoubledRed 0, DoubledGreen 0, DoubledBlue 0
)";

// Window bar: "\VimoRemoteWin\Skin.VimoRemoteWin", section VimoRemoteWinSkin, 90 keys.
constexpr const char kRemoteWinSkin[] = R"(
Icon: Width 200, Height 100
Background: FileName empty, CutLeft 0, CutRight 0, CutTop 0, CutBottom 0, Alpha 100, Red 100, Green 100, Blue 100
Lock: PosX 10, PosY 10, Width 20, Height 20, FileName empty, RightDock 0, BottomDock 0
MarginLeft = 0
MarginRight = 0
MarginTop = 0
MarginBottom = 0
Screen: Width 0, Height 0
ScreenHSpacing = 0
ScreenVSpacing = 0
ScrollHMargin = 0
Scroll: Width 0, Height 0
ScrollOnRight = 0
ScrollInactive: Alpha 0, Red 0, Green 0, Blue 0
ScrollActive: Alpha 0, Red 0, Green 0, Blue 0
BackgroundRect: Alpha 150, Red 255, Green 255, Blue 255
Window: MarginLeft 0, MarginRight 0, MarginTop 0, MarginBottom 0
WindowHPosition = 0
WindowVPosition = 0
WindowScale = 70
Window: LuminosityPercent 80
TitleOnlyHover = 0
Title: Font "Arial", Size 16, Type 0, VPos 1, HPos 0
TitleOrientation = 0
Title: Alpha 255, Red 0, Green 0, Blue 0, MarginTop 5, MarginBottom 5, MarginLeft 5, MarginRight 5, Shadowed 1,
    DoubledAlpha 255, DoubledRed 200, DoubledGreen 200, DoubledBlue 200
TextOnlyHover = 0
Text: Font "Arial", Size 10, Type 0, VPos 2, HPos 0
TextOrientation = 0
Text: Alpha 255, Red 0, Green 0, Blue 0, MarginTop 5, MarginBottom 5, MarginLeft 5, MarginRight 5, Shadowed 1,
    DoubledAlpha 0, DoubledBlue 255, DoubledRed 255, DoubledGreen 255
)";

// Weather kap, data file: "\VimoWeather\Data.VimoWeather", section VimoWeatherData, 4 keys.
constexpr const char kWeatherData[] = R"(
SearchRSSURL = empty
BeginRSSURL = empty
EndRSSURL = empty
NavigateURL = empty
)";

// Weather kap: "\VimoWeather\Skin.VimoWeather", section VimoWeatherSkin, 69 keys.
constexpr const char kWeatherSkin[] = R"(
Icon: Width 200, Height 100
Background: FileName empty, CutLeft 0, CutRight 0, CutTop 0, CutBottom 0, Alpha 100, Red 100, Green 100, Blue 100
Lock: PosX 10, PosY 10, Width 20, Height 20, FileName empty, RightDock 20, BottomDock 20
Contener: PosX 20, PosY 20, Width 20, Height 20
BlockSpacing = 20
BlockBackground: Alpha 20, Red 20, Green 20, Blue 20
Image: MarginTop 20, MarginBottom 20, MarginLeft 20, MarginRight 20, HPos 20, VPos 20
Temp: MarginTop 20, MarginBottom 20, MarginLeft 20, MarginRight 20, HPos 20, VPos 20, Font "Arial", Size 20,
    Type 20, Alpha 20, Red 20, Green 20, Blue 20, Shadowed 20, DoubledAlpha 20, DoubledRed 20, DoubledGreen 20,
    DoubledBlue 20
Infos: MarginTop 20, MarginBottom 20, MarginLeft 20, MarginRight 20, HPos 20, VPos 20, Font "Arial", Size 20,
    Type 20, Alpha 20, Red 20, Green 20, Blue 20, Shadowed 20, DoubledAlpha 20, DoubledRed 20, DoubledGreen 20,
    DoubledBlue 20
)";

// Account book kap: "\VimoAccount\Skin.VimoAccount", section VimoAccountSkin, 125 keys.
constexpr const char kAccountSkin[] = R"(
Icon: Width 200, Height 100
Background: FileName empty, CutLeft 0, CutRight 0, CutTop 0, CutBottom 0, Alpha 100, Red 100, Green 100, Blue 100
Lock: PosX 10, PosY 10, Width 20, Height 20, FileName empty, RightDock 20, BottomDock 20
Contener: PosX 20, PosY 20, Width 20, Height 20
BtnPrev: XPos 100, YPos 100, Width 100, Height 100, FileName empty
BtnNext: XPos 100, YPos 100, Width 100, Height 100, FileName empty
Month: XPos 100, YPos 100, Width 100, Height 100, Font "Arial", Size 100, Type 100, Alpha 100, Red 100, Green 100,
    Blue 100, Shadowed 100
Name: XPos 10, YPos 10, Width 10, Height 10, Font "Arial", Size 10, Alpha 10, Red 10, Green 10, Blue 10,
    Shadowed 10, DoubledAlpha 10, DoubledRed 10, DoubledGreen 10, DoubledBlue 10
BlockSpacing = 20
Block: Width 20, Height 20
BlockBackground: Alpha 20, Red 20, Green 20, Blue 20
DateComment: Font "Arial", Size 10, Type 10, HPos 10, VPos 10, Alpha 10, Red 10, Green 10, Blue 10, Shadowed 10,
    DoubledAlpha 10, DoubledRed 10, DoubledGreen 10, DoubledBlue 10
Checked: FileName empty, HPos 10, VPos 10
AmountIn: Font "Arial", Size 10, Type 10, HPos 10, VPos 10, Alpha 10, Red 10, Green 10, Blue 10, Shadowed 10,
    DoubledAlpha 10, DoubledRed 10, DoubledGreen 10, DoubledBlue 10
AmountOut: Font "Arial", Size 10, Type 10, HPos 10, VPos 10, Alpha 10, Red 10, Green 10, Blue 10, Shadowed 10,
    DoubledAlpha 10, DoubledRed 10, DoubledGreen 10, DoubledBlue 10
FinalAmount: Font "Arial", Size 10, Type 10, HPos 10, VPos 10, Alpha 10, Red 10, Green 10, Blue 10, Shadowed 10,
    DoubledAlpha 10, DoubledRed 10, DoubledGreen 10, DoubledBlue 10
)";

// Trash kap: "\VimoTrash\Skin.VimoTrash", section VimoTrashSkin, 75 keys.
constexpr const char kTrashSkin[] = R"(
Icon: Width 10, Height 10
Kap: FileName empty
Background: FileName empty, CutLeft 10, CutRight 10, CutTop 10, CutBottom 10, Alpha 10, Red 10, Green 10, Blue 10
Lock: PosX 10, PosY 10, Width 10, Height 10, FileName empty, RightDock 10, BottomDock 10
Title: PosX 10, PosY 10, Width 10, Height 10
TitleBk: Alpha 10, Red 10, Green 10, Blue 10
Title: Font "Arial", Size 10, Alpha 10, Red 10, Green 10, Blue 10, Shadowed 100, DoubledAlpha 10, DoubledRed 10,
    DoubledGreen 10, DoubledBlue 10
HScroll: PosX 10, PosY 10, Width 10, Height 10
HScrollBkInactive: Alpha 10, Red 10, Green 10, Blue 10
HScrollBkActive: Alpha 10, Red 10, Green 10, Blue 10
Contener: PosX 10, PosY 10, Width 10, Height 10
ContenerMax: Width 10
Trash: Height 10
TrashVSpacing = 10
TrashBk: Alpha 10, Red 10, Green 10, Blue 10
Trash: Font "Arial", Size 10, Type 10, HPos 10, VPos 10, Alpha 10, Red 10, Green 10, Blue 10, Shadowed 10,
    DoubledAlpha 10, DoubledRed 10, DoubledGreen 10, DoubledBlue 10
)";

constexpr std::array<SkinTableText, kSkinFileCount> kTables = {{
    {SkinType::Note, SkinFileRole::Skin, kNoteSkin},
    {SkinType::PhotoAlbum, SkinFileRole::Skin, kPhotoAlbumSkin},
    {SkinType::Calc, SkinFileRole::Skin, kCalcSkin},
    {SkinType::Calendar, SkinFileRole::Skin, kCalendarSkin},
    {SkinType::Clock, SkinFileRole::Skin, kClockSkin},
    {SkinType::Account, SkinFileRole::Skin, kAccountSkin},
    {SkinType::Weather, SkinFileRole::Data, kWeatherData},
    {SkinType::Weather, SkinFileRole::Skin, kWeatherSkin},
    {SkinType::News, SkinFileRole::Skin, kNewsSkin},
    {SkinType::Link, SkinFileRole::Skin, kLinkSkin},
    {SkinType::Trash, SkinFileRole::Skin, kTrashSkin},
    {SkinType::RemoteWmp, SkinFileRole::Skin, kRemoteWmpSkin},
    {SkinType::Mail, SkinFileRole::Skin, kMailSkin},
    {SkinType::Google, SkinFileRole::Data, kGoogleData},
    {SkinType::Google, SkinFileRole::Skin, kGoogleSkin},
    {SkinType::RemoteKap, SkinFileRole::Skin, kRemoteKapSkin},
    {SkinType::RemoteWin, SkinFileRole::Skin, kRemoteWinSkin},
}};

} // namespace

const std::array<SkinTableText, kSkinFileCount>& SkinTables() { return kTables; }

std::vector<std::shared_ptr<const SkinFileSchema>> BuildSkinSchemas() {
    std::vector<std::shared_ptr<const SkinFileSchema>> schemas;
    schemas.reserve(kTables.size());
    for (const SkinTableText& table : kTables) schemas.push_back(ParseSkinTable(table.type, table.role, table.rows));
    return schemas;
}

} // namespace vimo
