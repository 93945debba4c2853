#pragma once
// The texts a layer element writes into its last error when a skin value is refused. The part
// concerned is switched off; the element keeps drawing its other parts.
namespace vimo {

constexpr const char* kMsgBackgroundFileName = "BackgroundImageFileName : Bad Value";
constexpr const char* kMsgBackgroundDimension = "BackgroundImageDimension : Bad parameter";
constexpr const char* kMsgBackgroundCut = "BackgroundImageCut : Bad parameter";
constexpr const char* kMsgImageFileName = "ImageFileName : Bad Value";
constexpr const char* kMsgImageDimension = "ImageDimension : Bad parameter";
constexpr const char* kMsgWindowMargin = "WindowMargin : Bad parameter";
constexpr const char* kMsgTitleMargin = "TitleMargin : Bad parameter";
constexpr const char* kMsgTextMargin = "TextMargin : Bad parameter";
constexpr const char* kMsgEditMargin = "EditMargin : Bad parameter";

} // namespace vimo
