#!/bin/bash
# Builds the shipped skins: every picture, every skin file and both data files under skins/<Name>.
# Default and Dark share every position, size, file name and key; only colours and pictures differ.
#
#   skins/generate.sh                       regenerate skins/Default and skins/Dark (deterministic:
#                                           same bytes every run)
#   skins/generate.sh NAME                  regenerate one skin (Default or Dark)
#   skins/generate.sh [NAME] --preview DIR  also compose each kap from its skin file into DIR, plus a
#                                           contact sheet (into DIR/<Name> when both skins are built)
#
# Needs ImageMagick 6 (convert, montage) and the Liberation Sans font (previews only).
#
# Default look: light translucent panels with a 10 px corner radius and a soft shadow drawn into an
# 8 px transparent margin of every nine-slice background, one accent blue, dark slate text, no text
# shadows. Every position in the skin files is measured from the window's top-left corner, shadow
# margin included, so content starts at x = 16 (8 px margin + 8 px padding).
# Dark look: the same shapes with dark slate panels, light text, a lighter accent blue and dark
# rows, keys and fields. Note papers keep their light colours: the note text colour is the
# user's, not the skin's.
# Colours are "A R G B" word lists that are split into arguments on purpose.
# shellcheck disable=SC2086
set -euo pipefail
export LC_ALL=C

HERE=$(cd "$(dirname "$0")" && pwd)
SKINS=(Default Dark)
NAME=""
PREVIEW=""
while (($#)); do
    case $1 in
    --preview)
        PREVIEW=${2:?"--preview needs a directory"}
        shift 2
        ;;
    Default | Dark)
        NAME=$1
        shift
        ;;
    *)
        echo "usage: $0 [Default|Dark] [--preview DIR]" >&2
        exit 2
        ;;
    esac
done
# Without a name every skin is built, each by its own run of this script.
if [[ -z "$NAME" ]]; then
    for s in "${SKINS[@]}"; do
        if [[ -n "$PREVIEW" ]]; then
            "$BASH" "$0" "$s" --preview "$PREVIEW/$s"
        else
            "$BASH" "$0" "$s"
        fi
    done
    exit 0
fi
SKIN="$HERE/$NAME"

# ---------------------------------------------------------------------------------------------
# Palette of each skin (A R G B for the skin files, CSS colours for ImageMagick). Both skins set
# the same names; a new colour goes into both.
# ---------------------------------------------------------------------------------------------
case $NAME in
Default)
    INK="255 43 51 64"            # primary text            #2B3340
    MUTED="255 107 117 133"       # secondary text          #6B7585
    ACCENT="255 52 120 246"       # the one accent          #3478F6
    WHITE="255 255 255 255"
    POSITIVE="255 46 139 87"      # incoming amounts        #2E8B57
    NEGATIVE="255 208 69 63"      # outgoing amounts        #D0453F
    ROW="255 234 238 244"         # list rows and blocks    #EAEEF4
    ROW_ACCENT="255 228 238 254"  # highlighted list rows   #E4EEFE
    NONE="0 0 0 0"

    C_INK="#2B3340"
    C_MUTED="#6B7585"
    C_ACCENT="#3478F6"
    C_ACCENT_TOP="#4A8BFA"         # top of the accent tile gradient
    C_ACCENT_BOT="#2A69E6"         # bottom of the accent tile gradient
    C_ACCENT_SOFT="#E4EEFE"
    C_ACCENT_SOFT2="#CFE0FD"
    C_SLATE_TOP="#738096"          # place and shortcut tiles
    C_SLATE_BOT="#56627A"
    C_SURFACE="#F1F4F8"            # keys, fields, rows
    C_PANEL="#FBFCFD"              # panels (drawn at PANEL_OPACITY)
    C_LINE="rgba(15,23,42,0.12)"   # hairline border
    C_SHADOW="rgba(16,24,40,0.30)"
    C_SUN="#F4B43A"
    C_CLOUD="#9DAABD"
    C_CLOUD_DARK="#7C8AA0"
    C_NEGATIVE="#D0453F"
    PANEL_OPACITY=0.94
    PAPER_OPACITY=0.98

    # Colours of single pictures and keys (scroll bars, keys, fields, wells, outlines).
    C_GRIP="rgba(43,51,64,0.35)"            # resize-grip dots of the panels
    C_PAPER_GRIP="rgba(43,51,64,0.35)"      # resize-grip dots of the note papers
    C_PAPER_RULE="rgba(43,51,64,0.10)"      # line under the note's header strip
    C_PAPER_MUTED="#6B7585"                 # padlock and paper clip on the note papers
    C_PAPER_KEYHOLE="white"
    PAPER_MUTED="255 107 117 133"           # attached link on the note papers
    C_KEYHOLE="white"                       # keyhole of the padlock
    C_CUTOUT="white"                        # outline that sets weather parts apart
    C_PRINT="#FFFFFF"                       # photo print
    C_WELL="#E9EDF3"                        # photo well and window-bar tile
    C_WELL_LINE="rgba(15,23,42,0.08)"
    C_TILE_LINE="rgba(15,23,42,0.12)"
    C_SCREEN="#E8EDF4"                      # calculator screen
    C_SCREEN_LINE="rgba(15,23,42,0.10)"
    C_SCREEN_GLOSS="rgba(15,23,42,0.06)"
    C_KEY_DROP="rgba(16,24,40,0.16)"        # one-pixel drop line under a key
    C_KEY="#FFFFFF"                         # digit keys
    C_KEY_FUNC="#EEF1F5"                    # function keys
    C_KEY_LINE="rgba(15,23,42,0.10)"
    C_KEY_OP_LINE="rgba(52,120,246,0.30)"
    C_KEY_EQUAL_LINE="rgba(52,120,246,0.55)"
    C_NOTE_LINE="rgba(52,120,246,0.45)"     # calendar day with a note
    C_FIELD="white"                         # search field and file pictures
    C_FIELD_LINE="rgba(15,23,42,0.16)"
    C_RING="rgba(15,23,42,0.15)"            # mail picture without new mail
    C_CARD="white"                          # the small kap of the trash
    C_CARD_LINE="rgba(15,23,42,0.18)"
    C_CARD_SHADOW="rgba(16,24,40,0.30)"
    C_LOGO_PLATE="none"                     # plate under the weather service's texts
    C_FLAKE="#6E9BEF"                       # snow, sleet and ice
    C_MOON="#F2C14E"
    EDIT_FOCUSED="90 255 255 255"           # note text field while typing
    EDIT_SCROLL="90 43 51 64"
    SCROLL_OFF="30 107 117 133"             # scroll bar track
    SCROLL_ON="70 52 120 246"               # scroll bar thumb
    SCROLL_ON_WIN="90 52 120 246"           # window-bar scroll thumb
    WIN_TILE="255 233 237 243"              # window-bar tile
    TITLE_HALO="230 255 255 255"            # outline of the dock's icon titles
    ;;
Dark)
    INK="255 230 234 240"         # primary text            #E6EAF0
    MUTED="255 154 164 178"       # secondary text          #9AA4B2
    ACCENT="255 91 155 255"       # the one accent          #5B9BFF
    WHITE="255 255 255 255"
    POSITIVE="255 76 195 138"     # incoming amounts        #4CC38A
    NEGATIVE="255 240 106 98"     # outgoing amounts        #F06A62
    ROW="255 42 49 60"            # list rows and blocks    #2A313C
    ROW_ACCENT="255 36 54 82"     # highlighted list rows   #243652
    NONE="0 0 0 0"

    C_INK="#E6EAF0"
    C_MUTED="#9AA4B2"
    C_ACCENT="#5B9BFF"
    C_ACCENT_TOP="#4A8BFA"         # top of the accent tile gradient
    C_ACCENT_BOT="#2A69E6"         # bottom of the accent tile gradient
    C_ACCENT_SOFT="#243652"
    C_ACCENT_SOFT2="#2E4A74"
    C_SLATE_TOP="#5E6B80"          # place and shortcut tiles
    C_SLATE_BOT="#434E60"
    C_SURFACE="#2A313C"            # keys, fields, rows
    C_PANEL="#1E232B"              # panels (drawn at PANEL_OPACITY)
    C_LINE="rgba(255,255,255,0.10)"  # hairline border
    C_SHADOW="rgba(0,0,0,0.45)"
    C_SUN="#F4B43A"
    C_CLOUD="#B3BECE"
    C_CLOUD_DARK="#8D9AAE"
    C_NEGATIVE="#F06A62"
    PANEL_OPACITY=0.92
    PAPER_OPACITY=0.98

    C_GRIP="rgba(230,234,240,0.35)"
    C_PAPER_GRIP="rgba(43,51,64,0.35)"
    C_PAPER_RULE="rgba(43,51,64,0.10)"
    C_PAPER_MUTED="#6B7585"
    C_PAPER_KEYHOLE="white"
    PAPER_MUTED="255 107 117 133"
    C_KEYHOLE="#1E232B"
    C_CUTOUT="#2A313C"             # the block colour, so the outline reads as a gap
    C_PRINT="#262C35"
    C_WELL="#171B21"
    C_WELL_LINE="rgba(255,255,255,0.08)"
    C_TILE_LINE="rgba(255,255,255,0.12)"
    C_SCREEN="#151A20"
    C_SCREEN_LINE="rgba(255,255,255,0.10)"
    C_SCREEN_GLOSS="rgba(255,255,255,0.05)"
    C_KEY_DROP="rgba(0,0,0,0.40)"
    C_KEY="#343C48"
    C_KEY_FUNC="#2A313C"
    C_KEY_LINE="rgba(255,255,255,0.10)"
    C_KEY_OP_LINE="rgba(91,155,255,0.35)"
    C_KEY_EQUAL_LINE="rgba(91,155,255,0.60)"
    C_NOTE_LINE="rgba(91,155,255,0.55)"
    C_FIELD="#151A20"
    C_FIELD_LINE="rgba(255,255,255,0.16)"
    C_RING="rgba(255,255,255,0.14)"
    C_CARD="#343C48"
    C_CARD_LINE="rgba(255,255,255,0.18)"
    C_CARD_SHADOW="rgba(0,0,0,0.50)"
    C_LOGO_PLATE="#E6EAF0"         # the service texts are drawn in fixed dark colours
    C_FLAKE="#8FB4F5"
    C_MOON="#F2C14E"
    EDIT_FOCUSED="90 255 255 255"
    EDIT_SCROLL="90 43 51 64"
    SCROLL_OFF="40 154 164 178"
    SCROLL_ON="90 91 155 255"
    SCROLL_ON_WIN="110 91 155 255"
    WIN_TILE="255 42 49 60"
    TITLE_HALO="230 20 24 30"
    ;;
esac

M=8        # transparent shadow margin of every panel
R=10       # the corner radius
CUT=20     # nine-slice cut of the plain panels: margin + radius + 2

# Note papers: body colour and header band colour
PAPERS=(
    "NOTE_YELLOW.PNG #FFF4B8 #F9E79A"
    "NOTE_BLUE.PNG   #DDEBFF #CADFFC"
    "NOTE_GREEN.PNG  #DDF4E3 #C9EBD2"
    "NOTE_PINK.PNG   #FFE1EA #F9CFDC"
    "NOTE_WHITE.PNG  #FFFFFF #EEF1F5"
)

FONT_REGULAR=/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf
FONT_BOLD=/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf

# ---------------------------------------------------------------------------------------------
# Helpers
# ---------------------------------------------------------------------------------------------

# save OUT convert-arguments... : runs convert and writes a 32-bit RGBA PNG without time stamps.
save() {
    local out=$1
    shift
    convert "$@" -strip -define png:exclude-chunks=date,time "PNG32:$out"
}

# glyph OUT SIZE CANVAS MVG : draws MVG on a CANVASxCANVAS transparent square (CANVAS = 4 x SIZE)
# and box-filters it down to SIZE, which gives clean anti-aliased small pictures.
glyph() {
    local out=$1 size=$2 canvas=$3 mvg=$4
    save "$out" -size "${canvas}x${canvas}" xc:none -draw "stroke-linecap round stroke-linejoin round $mvg" \
        -filter Box -resize "${size}x${size}"
}

# glyph_wh OUT W H MVG : as glyph for a W x H picture drawn at 4x.
glyph_wh() {
    local out=$1 w=$2 h=$3 mvg=$4
    save "$out" -size "$((w * 4))x$((h * 4))" xc:none -draw "stroke-linecap round stroke-linejoin round $mvg" \
        -filter Box -resize "${w}x${h}!"
}

# panel OUT W H FILL [BAND_HEIGHT BAND_FILL [GRIP [OPACITY [EXTRA_MVG]]]]
# A rounded panel inset by M with a soft drop shadow in the margin. BAND_HEIGHT > 0 paints the
# top BAND_HEIGHT pixels of the panel in BAND_FILL (the note's header strip). GRIP = 1 adds the
# resize-grip dots in the bottom-right corner. EXTRA_MVG is drawn on the panel before masking.
panel() {
    local out=$1 w=$2 h=$3 fill=$4 band=${5:-0} bandfill=${6:-none} grip=${7:-0} opacity=${8:-$PANEL_OPACITY}
    local extra=${9:-}
    local x1=$M y1=$M x2=$((w - M - 1)) y2=$((h - M - 1))
    local shape="roundrectangle $x1,$y1 $x2,$y2 $R,$R"
    local bandmvg="" gripmvg=""
    if ((band > 0)); then
        bandmvg="fill $bandfill rectangle 0,0 $w,$((M + band - 1))"
    fi
    if ((grip)); then
        local gx=$((w - M - 6)) gy=$((h - M - 6))
        gripmvg="fill $C_GRIP"
        gripmvg+=" circle $gx,$gy $((gx + 1)).3,$gy circle $((gx - 4)),$gy $((gx - 3)).3,$gy"
        gripmvg+=" circle $gx,$((gy - 4)) $((gx + 1)).3,$((gy - 4))"
    fi
    save "$out" \
        \( -size "${w}x${h}" xc:none -fill "$C_SHADOW" -draw "roundrectangle $x1,$((y1 + 2)) $x2,$((y2 + 2)) $R,$R" \
        -blur 0x3 \
        \( -size "${w}x${h}" xc:none -fill white -draw "$shape" \) -compose DstOut -composite \) \
        \( -size "${w}x${h}" xc:"$fill" -draw "$bandmvg $extra $gripmvg" \
        \( -size "${w}x${h}" xc:black -fill white -draw "$shape" \) -alpha off -compose CopyOpacity -composite \
        -channel A -evaluate multiply "$opacity" +channel \) \
        -compose Over -composite \
        -fill none -stroke "$C_LINE" -strokewidth 1 \
        -draw "roundrectangle $x1.5,$y1.5 $((x2)).5,$((y2)).5 $R,$R"
}

# tile OUT SIZE TOP BOTTOM MVG : a dock icon: a rounded tile with a vertical gradient, a soft shadow
# and a white glyph, drawn on a 256 canvas (glyph coordinates 0..256) and reduced to SIZE.
tile() {
    local out=$1 size=$2 top=$3 bot=$4 mvg=$5
    local shape="roundrectangle 24,20 232,228 44,44"
    save "$out" \
        \( -size 256x256 xc:none -fill "rgba(16,24,40,0.35)" -draw "roundrectangle 24,28 232,236 44,44" -blur 0x7 \) \
        \( -size 256x256 "gradient:$top-$bot" \
        \( -size 256x256 xc:black -fill white -draw "$shape" \) -alpha off -compose CopyOpacity -composite \) \
        -compose Over -composite \
        -draw "stroke-linecap round stroke-linejoin round $mvg" \
        -filter Box -resize "${size}x${size}"
}

# Skin file helpers: kv KEY VALUE, argb PREFIX A R G B
kv() { printf '%s=%s\n' "$1" "$2"; }
argb() {
    local p=$1
    shift
    kv "${p}Alpha" "$1"
    kv "${p}Red" "$2"
    kv "${p}Green" "$3"
    kv "${p}Blue" "$4"
}
# doubled PREFIX A R G B : the one-pixel outline colour keys
doubled() {
    local p=$1
    shift
    kv "${p}DoubledAlpha" "$1"
    kv "${p}DoubledRed" "$2"
    kv "${p}DoubledGreen" "$3"
    kv "${p}DoubledBlue" "$4"
}
rect() { # PREFIX X Y W H with PosX/PosY
    kv "${1}PosX" "$2"
    kv "${1}PosY" "$3"
    kv "${1}Width" "$4"
    kv "${1}Height" "$5"
}
xrect() { # PREFIX X Y W H with XPos/YPos
    kv "${1}XPos" "$2"
    kv "${1}YPos" "$3"
    kv "${1}Width" "$4"
    kv "${1}Height" "$5"
}
cuts() { # PREFIX L R T B
    kv "${1}CutLeft" "$2"
    kv "${1}CutRight" "$3"
    kv "${1}CutTop" "$4"
    kv "${1}CutBottom" "$5"
}
margins() { # PREFIX L R T B
    kv "${1}MarginLeft" "$2"
    kv "${1}MarginRight" "$3"
    kv "${1}MarginTop" "$4"
    kv "${1}MarginBottom" "$5"
}
header() { # TYPEWORD : comment block and section line
    printf '; %s skin, %s. Positions are in pixels from the top-left corner of the window;\n' "$NAME" "$1"
    printf '; the background pictures keep an %d px transparent margin for their shadow.\n' "$M"
    printf '; Generated by skins/generate.sh: edit the script, not this file.\n'
    printf '[%sSkin]\n' "$1"
}
# background_keys FILE L R T B : the Background* keys of a panel without a flat colour under it
background_keys() {
    kv BackgroundFileName "$1"
    cuts Background "$2" "$3" "$4" "$5"
    argb Background $NONE
}
lock_keys() { # X Y RIGHTDOCK BOTTOMDOCK [W H] ; RIGHTDOCK "-" leaves both dock keys out
    rect Lock "$1" "$2" "${5:-16}" "${6:-16}"
    kv LockFileName LOCK.PNG
    if [[ "$3" != "-" ]]; then
        kv LockRightDock "$3"
        kv LockBottomDock "$4"
    fi
}

mkdir -p "$SKIN"
for d in VimoNote VimoPhotoAlbum VimoCalc VimoCalendar VimoClock VimoAccount VimoWeather VimoNews VimoLink \
    VimoTrash VimoRemoteWMP VimoMail VimoGoogle VimoRemoteKap VimoRemoteWin; do
    mkdir -p "$SKIN/$d"
done

# ---------------------------------------------------------------------------------------------
# Shared small pictures
# ---------------------------------------------------------------------------------------------
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

# padlock OUT BODY KEYHOLE : the padlock, 16 x 16, shown while a kap is locked.
padlock() {
    glyph "$1" 16 64 "fill none stroke $2 stroke-width 6 path 'M 22 30 L 22 21 A 10 10 0 0 1 42 21 L 42 30'
    stroke none fill $2 roundrectangle 13,28 51,57 7,7 fill $3 circle 32,41 32,37 rectangle 30,41 34,49"
}
padlock "$TMP/LOCK.PNG" "$C_MUTED" "$C_KEYHOLE"
# Bell, 16 x 16, shown while a note has a reminder.
glyph "$TMP/ALARM.PNG" 16 64 "stroke none fill $C_ACCENT path 'M 14 46 L 17 40 L 17 28 A 15 15 0 0 1 47 28 L 47 40 L 50 46 Z'
    circle 32,52 32,46 circle 32,10 32,6"

for d in VimoNote VimoPhotoAlbum VimoCalc VimoCalendar VimoClock VimoAccount VimoWeather VimoNews VimoLink \
    VimoTrash VimoRemoteWMP VimoMail VimoGoogle VimoRemoteKap VimoRemoteWin; do
    cp "$TMP/LOCK.PNG" "$SKIN/$d/LOCK.PNG"
done

# The plain panels: 64 x 64, cuts 20 on every side; the _GRIP variant for resizable kaps.
panel "$TMP/PANEL.PNG" 64 64 "$C_PANEL"
panel "$TMP/PANEL_GRIP.PNG" 64 64 "$C_PANEL" 0 none 1

# Previous / next chevrons on a round key, 24 x 24 (calendar and account book).
glyph "$TMP/PREV.PNG" 24 96 "fill $C_SURFACE stroke $C_LINE stroke-width 3 circle 48,48 48,4
    fill none stroke $C_INK stroke-width 8 polyline 54,32 38,48 54,64"
glyph "$TMP/NEXT.PNG" 24 96 "fill $C_SURFACE stroke $C_LINE stroke-width 3 circle 48,48 48,4
    fill none stroke $C_INK stroke-width 8 polyline 42,32 58,48 42,64"

# ---------------------------------------------------------------------------------------------
# Note
# ---------------------------------------------------------------------------------------------
NOTE_W=220 NOTE_H=240 NOTE_BAND=28 NOTE_CUT_TOP=40
for p in "${PAPERS[@]}"; do
    read -r file body band <<<"$p"
    C_GRIP=$C_PAPER_GRIP panel "$SKIN/VimoNote/$file" 64 96 "$body" "$NOTE_BAND" "$band" 1 "$PAPER_OPACITY" \
        "fill $C_PAPER_RULE rectangle 0,$((M + NOTE_BAND - 1)) 64,$((M + NOTE_BAND - 1))"
done
cp "$TMP/ALARM.PNG" "$SKIN/VimoNote/ALARM.PNG"
# The papers stay light in every skin, so the note's padlock and clip use the paper colours.
padlock "$SKIN/VimoNote/LOCK.PNG" "$C_PAPER_MUTED" "$C_PAPER_KEYHOLE"
# Paper clip shown in front of an attached link.
glyph "$SKIN/VimoNote/LINK.PNG" 20 80 "fill none stroke $C_PAPER_MUTED stroke-width 7
    path 'M 52 24 L 52 58 A 12 12 0 0 1 28 58 L 28 20 A 8 8 0 0 1 44 20 L 44 54'"

{
    header VimoNote
    kv IconWidth $NOTE_W
    kv IconHeight $NOTE_H
    kv BackgroundDefault NOTE_YELLOW.PNG
    kv Background1 NOTE_BLUE.PNG
    kv Background2 NOTE_GREEN.PNG
    kv Background3 NOTE_PINK.PNG
    kv Background4 NOTE_WHITE.PNG
    cuts Background $CUT $CUT $NOTE_CUT_TOP $CUT
    argb Background $NONE
    lock_keys $((NOTE_W - 34)) 14 1 0
    rect Alarm 16 14 16 16
    kv AlarmFileName ALARM.PNG
    kv AlarmRightDock 0
    kv AlarmBottomDock 0
    # The date line would show "00/00/0000 - 00:00:00" on every note without a reminder and is
    # not refreshed when the reminder changes: it keeps a place in the header but is invisible.
    rect Date 36 12 120 20
    kv DateRightDock 0
    kv DateBottomDock 0
    kv DateFont Arial
    kv DateSize 11
    kv DateType 0
    kv DateHPos 1
    kv DateVPos 0
    argb Date $NONE
    kv DateShadowed 0
    rect Link 16 $((NOTE_H - 38)) $((NOTE_W - 32 - 20)) 22
    kv LinkFileName LINK.PNG
    kv LinkRightDock 0
    kv LinkBottomDock 1
    kv LinkFont Arial
    kv LinkSize 11
    kv LinkType 0
    kv LinkHPos 1
    kv LinkVPos 0
    argb Link $PAPER_MUTED
    kv LinkShadowed 0
    rect Edit 14 42 $((NOTE_W - 28)) $((NOTE_H - 42 - 42))
    margins Edit 4 4 4 4
    argb EditBackground $NONE
    argb EditBackgroundFocused $EDIT_FOCUSED
    kv EditVScrollSize 6
    kv EditHScrollSize 6
    argb EditScroll $EDIT_SCROLL
    kv EditFocusFrameSize 1
    argb EditFocusFrame $NONE
    kv EditTextShadowed 0
} >"$SKIN/VimoNote/Skin.VimoNote"

# ---------------------------------------------------------------------------------------------
# Photo album: a print with a wider bottom border; the picture area is a soft grey well.
# ---------------------------------------------------------------------------------------------
PHOTO_W=300 PHOTO_H=224 PHOTO_MARGIN=18 PHOTO_BOTTOM=36
panel "$SKIN/VimoPhotoAlbum/BACKGROUND.PNG" 64 96 "$C_PRINT" 0 none 1 0.97 \
    "fill $C_WELL stroke $C_WELL_LINE stroke-width 1 roundrectangle $((PHOTO_MARGIN)).5,$((PHOTO_MARGIN)).5 $((64 - PHOTO_MARGIN - 1)).5,$((96 - PHOTO_BOTTOM - 1)).5 4,4"
{
    header VimoPhotoAlbum
    kv IconWidth $PHOTO_W
    kv IconHeight $PHOTO_H
    background_keys BACKGROUND.PNG 24 24 24 42
    lock_keys 18 $((PHOTO_H - 30)) 0 1
    margins Image $PHOTO_MARGIN $PHOTO_MARGIN $PHOTO_MARGIN $PHOTO_BOTTOM
    kv ImageAlphaPercent 100
} >"$SKIN/VimoPhotoAlbum/Skin.VimoPhotoAlbum"

# ---------------------------------------------------------------------------------------------
# Calculator: 4 x 5 keys of 40 x 36 under a 46 px screen.
# ---------------------------------------------------------------------------------------------
CALC_W=220 KEY_W=40 KEY_H=36 KEY_GAP=8 CALC_TOP=74
CALC_H=$((CALC_TOP + 5 * KEY_H + 4 * KEY_GAP + 18))
cp "$TMP/PANEL.PNG" "$SKIN/VimoCalc/BACKGROUND.PNG"
cp "$TMP/LOCK.PNG" "$SKIN/VimoCalc/LOCK.PNG"
save "$SKIN/VimoCalc/SCREEN.PNG" -size 32x32 xc:none \
    -fill "$C_SCREEN" -stroke "$C_SCREEN_LINE" -strokewidth 1 -draw "roundrectangle 0.5,0.5 31.5,31.5 8,8" \
    -fill none -stroke "$C_SCREEN_GLOSS" -draw "line 6,1.5 25,1.5"
# key FILE FILL BORDER : a key with a one-pixel drop line under it
key() {
    save "$SKIN/VimoCalc/$1" -size "${KEY_W}x${KEY_H}" xc:none \
        -fill "$C_KEY_DROP" -draw "roundrectangle 0.5,1.5 $((KEY_W - 1)).5,$((KEY_H - 1)).5 $R,$R" \
        -fill "$2" -stroke "$3" -strokewidth 1 -draw "roundrectangle 0.5,0.5 $((KEY_W - 1)).5,$((KEY_H - 2)).5 $R,$R"
}
key KEY_DIGIT.PNG "$C_KEY" "$C_KEY_LINE"
key KEY_FUNC.PNG "$C_KEY_FUNC" "$C_KEY_LINE"
key KEY_OP.PNG "$C_ACCENT_SOFT" "$C_KEY_OP_LINE"
key KEY_EQUAL.PNG "$C_ACCENT_SOFT2" "$C_KEY_EQUAL_LINE"

calc_key() { # K COLUMN ROW FILE
    kv "Button${1}FileName" "$4"
    xrect "Button$1" $((18 + $2 * (KEY_W + KEY_GAP))) $((CALC_TOP + $3 * (KEY_H + KEY_GAP))) $KEY_W $KEY_H
}
{
    header VimoCalc
    kv IconWidth $CALC_W
    kv IconHeight $CALC_H
    background_keys BACKGROUND.PNG $CUT $CUT $CUT $CUT
    rect Lock 24 33 16 16
    kv LockFileName LOCK.PNG
    xrect Screen 18 18 $((CALC_W - 36)) 46
    kv ScreenBackgroundImageFileName SCREEN.PNG
    kv ScreenBackgroundImageAlphaPercent 100
    cuts ScreenBackground 10 10 10 10
    argb ScreenBackground $NONE
    # The left margin keeps the digits clear of the lock picture drawn on the screen.
    margins ScreenText 28 12 0 0
    kv ScreenTextFont Arial
    kv ScreenTextSize 22
    argb ScreenText $INK
    kv ScreenTextShadowed 0
    kv ButtonShowBackground 0
    argb ButtonBackground $NONE
    kv ButtonShowLabel 1
    kv ButtonShowFocus 0
    kv ButtonLabelFont Arial
    kv ButtonLabelSize 16
    kv ButtonLabelShadowed 0
    argb ButtonLabel $INK
    calc_key 0 0 4 KEY_DIGIT.PNG
    calc_key 1 0 3 KEY_DIGIT.PNG
    calc_key 2 1 3 KEY_DIGIT.PNG
    calc_key 3 2 3 KEY_DIGIT.PNG
    calc_key 4 0 2 KEY_DIGIT.PNG
    calc_key 5 1 2 KEY_DIGIT.PNG
    calc_key 6 2 2 KEY_DIGIT.PNG
    calc_key 7 0 1 KEY_DIGIT.PNG
    calc_key 8 1 1 KEY_DIGIT.PNG
    calc_key 9 2 1 KEY_DIGIT.PNG
    calc_key P 1 4 KEY_DIGIT.PNG
    calc_key PM 2 4 KEY_FUNC.PNG
    calc_key C 0 0 KEY_FUNC.PNG
    calc_key CE 1 0 KEY_FUNC.PNG
    calc_key R 3 4 KEY_EQUAL.PNG
    calc_key A 3 3 KEY_OP.PNG
    calc_key M 3 2 KEY_OP.PNG
    calc_key X 3 1 KEY_OP.PNG
    calc_key D 3 0 KEY_OP.PNG
    calc_key PC 2 0 KEY_FUNC.PNG
} >"$SKIN/VimoCalc/Skin.VimoCalc"

# ---------------------------------------------------------------------------------------------
# Clock
# ---------------------------------------------------------------------------------------------
CLOCK_W=250 CLOCK_H=108
cp "$TMP/PANEL.PNG" "$SKIN/VimoClock/BACKGROUND.PNG"
{
    header VimoClock
    kv IconWidth $CLOCK_W
    kv IconHeight $CLOCK_H
    background_keys BACKGROUND.PNG $CUT $CUT $CUT $CUT
    rect Lock $((CLOCK_W - 32)) $((CLOCK_H - 32)) 14 14
    kv LockFileName LOCK.PNG
    # The clock's alarm picture is always visible and means nothing: none in this skin.
    rect Alarm 16 14 16 16
    kv AlarmFileName NULL
    rect ClockTime 16 18 $((CLOCK_W - 32)) 46
    kv ClockTimeFont Arial
    kv ClockTimeSize 30
    argb ClockTime $INK
    kv ClockTimeShadowed 0
    doubled ClockTime $NONE
    rect ClockDate 16 64 $((CLOCK_W - 32)) 20
    kv ClockDateFont Arial
    kv ClockDateSize 12
    argb ClockDate $MUTED
    kv ClockDateShadowed 0
    doubled ClockDate $NONE
} >"$SKIN/VimoClock/Skin.VimoClock"

# ---------------------------------------------------------------------------------------------
# Calendar: 7 x 7 cells of 28 x 22 with 2 px gaps under a title row.
# ---------------------------------------------------------------------------------------------
CELL_W=28 CELL_H=22 CELL_GAP=2 GRID_X=18 GRID_Y=46
CAL_W=$((GRID_X * 2 + 7 * CELL_W + 6 * CELL_GAP))
CAL_H=$((GRID_Y + 7 * CELL_H + 6 * CELL_GAP + 16))
cp "$TMP/PANEL.PNG" "$SKIN/VimoCalendar/BACKGROUND.PNG"
cp "$TMP/PREV.PNG" "$SKIN/VimoCalendar/PREV.PNG"
cp "$TMP/NEXT.PNG" "$SKIN/VimoCalendar/NEXT.PNG"
glyph_wh "$SKIN/VimoCalendar/TODAY.PNG" $CELL_W $CELL_H "fill $C_ACCENT roundrectangle 2,2 109,85 40,40"
glyph_wh "$SKIN/VimoCalendar/NOTE.PNG" $CELL_W $CELL_H "fill $C_ACCENT_SOFT stroke $C_NOTE_LINE stroke-width 4
    roundrectangle 4,4 107,83 38,38"
calendar_button() { # PREFIX X FILE
    xrect "$1" "$2" 14 24 24
    kv "${1}FileName" "$3"
    # The chevron is in the picture: the "<" / ">" label is drawn fully transparent.
    kv "${1}Font" Arial
    kv "${1}Size" 12
    kv "${1}Type" 2
    argb "$1" $NONE
    kv "${1}Shadowed" 0
}
{
    header VimoCalendar
    kv IconWidth $CAL_W
    kv IconHeight $CAL_H
    background_keys BACKGROUND.PNG $CUT $CUT $CUT $CUT
    rect Lock $((CAL_W - 34)) 18 16 16
    kv LockFileName LOCK.PNG
    calendar_button BtnPrev 18 PREV.PNG
    calendar_button BtnNext $((CAL_W - 62)) NEXT.PNG
    xrect Title 44 14 $((CAL_W - 62 - 48)) 24
    kv TitleFont Arial
    kv TitleSize 14
    kv TitleType 2
    argb Title $INK
    kv TitleShadowed 0
    kv TextDays MTWTFSS
    xrect TextBase $GRID_X $GRID_Y $CELL_W $CELL_H
    kv TextBaseSpaceX $CELL_GAP
    kv TextBaseSpaceY $CELL_GAP
    kv TextFont Arial
    kv TextSize 12
    kv TextType 0
    argb Text $INK
    kv TextShadowed 0
    argb TodayRect $NONE
    kv TodayFrameSize 0
    argb TodayFrame $NONE
    kv TodayFileName TODAY.PNG
    kv TodayFont Arial
    kv TodaySize 12
    kv TodayType 2
    argb Today $WHITE
    kv TodayShadowed 0
    argb NoteRect $NONE
    kv NoteFrameSize 0
    argb NoteFrame $NONE
    kv NoteFileName NOTE.PNG
    kv NoteFont Arial
    kv NoteSize 12
    kv NoteType 2
    argb Note $ACCENT
    kv NoteShadowed 0
} >"$SKIN/VimoCalendar/Skin.VimoCalendar"

# ---------------------------------------------------------------------------------------------
# Account book
# ---------------------------------------------------------------------------------------------
ACC_W=260 ACC_H=300
cp "$TMP/PANEL_GRIP.PNG" "$SKIN/VimoAccount/BACKGROUND.PNG"
cp "$TMP/PREV.PNG" "$SKIN/VimoAccount/PREV.PNG"
cp "$TMP/NEXT.PNG" "$SKIN/VimoAccount/NEXT.PNG"
glyph "$SKIN/VimoAccount/CHECK.PNG" 16 64 "fill none stroke $C_ACCENT stroke-width 8 polyline 14,34 27,47 50,19"
account_text() { # PREFIX SIZE TYPE HPOS A R G B
    kv "${1}Font" Arial
    kv "${1}Size" "$2"
    kv "${1}Type" "$3"
    kv "${1}HPos" "$4"
    kv "${1}VPos" 0
    argb "$1" "$5" "$6" "$7" "$8"
    kv "${1}Shadowed" 0
    doubled "$1" $NONE
}
{
    header VimoAccount
    kv IconWidth $ACC_W
    kv IconHeight $ACC_H
    background_keys BACKGROUND.PNG $CUT $CUT $CUT $CUT
    lock_keys $((ACC_W - 34)) 18 1 0
    rect Contener 16 66 $((ACC_W - 32)) $((ACC_H - 66 - 28))
    xrect BtnPrev 18 14 24 24
    kv BtnPrevFileName PREV.PNG
    xrect BtnNext 188 14 24 24
    kv BtnNextFileName NEXT.PNG
    xrect Month 44 14 142 24
    kv MonthFont Arial
    kv MonthSize 14
    kv MonthType 2
    argb Month $INK
    kv MonthShadowed 0
    xrect Name 18 42 $((ACC_W - 36)) 18
    kv NameFont Arial
    kv NameSize 11
    argb Name $MUTED
    kv NameShadowed 0
    doubled Name $NONE
    kv BlockSpacing 3
    # A line is its text block (BlockWidth wide) followed by its check block; together they
    # fill the list width.
    kv BlockWidth $((ACC_W - 32 - 28))
    kv BlockHeight 24
    argb BlockBackground $ROW
    account_text DateComment 12 0 1 $INK
    kv CheckedFileName CHECK.PNG
    kv CheckedHPos 0
    kv CheckedVPos 0
    account_text AmountIn 12 2 2 $POSITIVE
    account_text AmountOut 12 2 2 $NEGATIVE
    account_text FinalAmount 12 2 2 $ACCENT
} >"$SKIN/VimoAccount/Skin.VimoAccount"

# ---------------------------------------------------------------------------------------------
# Weather: one block of 96 x 112 at the design size; the kap grows by whole blocks.
# ---------------------------------------------------------------------------------------------
WB_W=96 WB_H=112 WB_GAP=6
WEA_W=$((16 + WB_W + 16)) WEA_H=$((16 + WB_H + 24))
cp "$TMP/PANEL_GRIP.PNG" "$SKIN/VimoWeather/BACKGROUND.PNG"
{
    header VimoWeather
    kv IconWidth $WEA_W
    kv IconHeight $WEA_H
    background_keys BACKGROUND.PNG $CUT $CUT $CUT $CUT
    # The blocks cover the panel down to its footer strip: the lock sits there, left of the grip.
    lock_keys 16 $((WEA_H - 23)) 0 1 12 12
    rect Contener 16 16 $WB_W $WB_H
    kv BlockSpacing $WB_GAP
    argb BlockBackground $ROW
    margins Image 16 16 8 52
    kv ImageHPos 0
    kv ImageVPos 0
    margins Temp 4 4 60 28
    kv TempHPos 0
    kv TempVPos 0
    kv TempFont Arial
    kv TempSize 16
    kv TempType 2
    argb Temp $INK
    kv TempShadowed 0
    doubled Temp $NONE
    margins Infos 4 4 84 6
    kv InfosHPos 0
    kv InfosVPos 0
    kv InfosFont Arial
    kv InfosSize 10
    kv InfosType 0
    argb Infos $MUTED
    kv InfosShadowed 0
    doubled Infos $NONE
} >"$SKIN/VimoWeather/Skin.VimoWeather"

{
    printf '; Web addresses of the weather service used by the %s skin.\n' "$NAME"
    printf '; Generated by skins/generate.sh: edit the script, not this file.\n'
    printf '; No public service is set up: the addresses are placeholders (the .invalid domain never\n'
    printf '; resolves). Point them at a server that answers the location search with <loc id=...>\n'
    printf '; elements and the forecast with <cc> and <dayf><day> elements.\n'
    printf '[VimoWeatherData]\n'
    kv SearchRSSURL 'http://weather.example.invalid/search?where='
    kv BeginRSSURL 'http://weather.example.invalid/forecast/'
    kv EndRSSURL '?cc=*&dayf=5'
    kv NavigateURL 'http://weather.example.invalid/local/'
} >"$SKIN/VimoWeather/Data.VimoWeather"

# Weather pictures: "<icon number>.png" as the service numbers its conditions (0 to 47, 44 and
# "na" for not available), 64 x 64, built from a few parts drawn on a 256 canvas.
W_SUN="push graphic-context fill $C_SUN stroke none circle 128,128 128,84
  stroke $C_SUN stroke-width 14 line 128,44 128,30 line 128,212 128,226 line 44,128 30,128 line 212,128 226,128
  line 69,69 59,59 line 187,69 197,59 line 69,187 59,197 line 187,187 197,197 pop graphic-context"
W_SUN_SMALL="push graphic-context translate 2,-6 scale 0.62,0.62 $W_SUN pop graphic-context"
W_SUN_FAIR="push graphic-context translate 26,24 scale 0.8,0.8 $W_SUN pop graphic-context"
W_MOON="push graphic-context fill $C_MOON stroke none path 'M 150 40 A 90 90 0 1 0 216 150 A 70 70 0 1 1 150 40 Z' pop graphic-context"
W_MOON_SMALL="push graphic-context translate 2,-6 scale 0.62,0.62 $W_MOON pop graphic-context"
W_MOON_FAIR="push graphic-context translate 26,24 scale 0.8,0.8 $W_MOON pop graphic-context"
cloud() { # FILL DX DY SCALE : cloud outlined in C_CUTOUT so it stands apart from what is behind it
    echo "push graphic-context translate $2,$3 scale $4,$4
      stroke $C_CUTOUT stroke-width 10 fill $1
      ellipse 96,146 40,40 0,360 ellipse 140,118 54,54 0,360 ellipse 186,152 34,34 0,360
      roundrectangle 56,142 220,186 22,22
      stroke none fill $1
      ellipse 96,146 40,40 0,360 ellipse 140,118 54,54 0,360 ellipse 186,152 34,34 0,360
      roundrectangle 56,142 220,186 22,22 pop graphic-context"
}
W_CLOUD=$(cloud "$C_CLOUD" 0 0 1)
W_CLOUD_HIGH=$(cloud "$C_CLOUD" 0 -22 1)
W_CLOUD_DARK=$(cloud "$C_CLOUD_DARK" 0 -22 1)
W_CLOUD_PART=$(cloud "$C_CLOUD" 36 40 0.82)
W_RAIN="push graphic-context stroke $C_ACCENT stroke-width 12 line 96,186 84,214 line 132,186 120,214 line 168,186 156,214 pop graphic-context"
W_RAIN_HEAVY="push graphic-context stroke $C_ACCENT stroke-width 12 line 84,184 70,222 line 118,184 104,222 line 152,184 138,222 line 186,184 172,222 pop graphic-context"
W_DRIZZLE="push graphic-context stroke $C_ACCENT stroke-width 10 line 100,192 96,204 line 136,192 132,204 line 172,192 168,204 pop graphic-context"
flake() { # X Y : a small six-pointed snow flake
    echo "push graphic-context translate $1,$2 stroke $C_FLAKE stroke-width 7
      line -12,0 12,0 line -6,-10 6,10 line -6,10 6,-10 pop graphic-context"
}
W_SNOW="$(flake 92 202) $(flake 132 212) $(flake 172 202)"
W_SNOW_LIGHT="$(flake 110 204) $(flake 156 204)"
W_SNOW_HEAVY="$(flake 78 198) $(flake 112 218) $(flake 146 198) $(flake 180 218)"
W_SLEET="push graphic-context fill $C_FLAKE stroke none circle 100,206 100,198 circle 164,206 164,198 pop graphic-context
  push graphic-context stroke $C_ACCENT stroke-width 12 line 136,186 124,214 pop graphic-context"
W_HAIL="push graphic-context fill $C_FIELD stroke $C_CLOUD_DARK stroke-width 6 circle 96,204 96,192 circle 132,214 132,202 circle 168,204 168,192 pop graphic-context"
W_ICE="push graphic-context stroke $C_FLAKE stroke-width 8 line 180,196 196,196 line 188,188 188,204 pop graphic-context"
W_BOLT="push graphic-context fill $C_SUN stroke $C_CUTOUT stroke-width 6 path 'M 136 150 L 106 200 L 130 200 L 118 236 L 164 180 L 138 180 L 152 150 Z' pop graphic-context"
W_FOG="push graphic-context stroke $C_CLOUD_DARK stroke-width 12 line 56,196 200,196 line 76,220 220,220 pop graphic-context"
W_HAZE="push graphic-context stroke $C_CLOUD_DARK stroke-width 12 line 40,176 216,176 line 60,200 236,200 line 40,224 200,224 pop graphic-context"
W_WIND="push graphic-context fill none stroke $C_CLOUD_DARK stroke-width 14
  path 'M 40 104 L 168 104 A 24 24 0 1 0 144 80'
  path 'M 40 144 L 196 144 A 22 22 0 1 1 174 166'
  path 'M 40 184 L 128 184' pop graphic-context"
W_TORNADO="push graphic-context fill none stroke $C_CLOUD_DARK stroke-width 14
  line 48,60 208,60 line 68,96 188,96 line 92,132 168,132 line 112,168 148,168 line 124,204 136,204 pop graphic-context"
W_HURRICANE="push graphic-context fill none stroke $C_CLOUD_DARK stroke-width 22
  circle 128,128 128,100
  path 'M 100 128 A 70 70 0 0 1 170 58' path 'M 156 128 A 70 70 0 0 1 86 198' pop graphic-context"
W_THERMO_HOT="push graphic-context fill none stroke $C_NEGATIVE stroke-width 12
  path 'M 196 156 L 196 72 A 14 14 0 0 1 224 72 L 224 156' stroke none fill $C_NEGATIVE circle 210,176 210,150 rectangle 204,96 216,170 pop graphic-context"
W_COLD="push graphic-context stroke $C_ACCENT stroke-width 14
  line 128,40 128,216 line 52,84 204,172 line 52,172 204,84
  line 108,56 128,76 line 148,56 128,76 line 108,200 128,180 line 148,200 128,180 pop graphic-context"
W_NA="push graphic-context stroke $C_CLOUD_DARK stroke-width 16 line 80,128 176,128 pop graphic-context"

weather() { # NUMBER-OR-NAME MVG...
    local name=$1
    shift
    save "$SKIN/VimoWeather/$name.png" -size 256x256 xc:none \
        -draw "stroke-linecap round stroke-linejoin round $*" -filter Box -resize 64x64
}
weather 0 "$W_TORNADO"
weather 1 "$W_CLOUD_DARK $W_RAIN_HEAVY $W_BOLT"
weather 2 "$W_HURRICANE"
weather 3 "$W_CLOUD_DARK $W_RAIN $W_BOLT"
weather 4 "$W_CLOUD_DARK $W_BOLT"
weather 5 "$W_CLOUD_HIGH $W_RAIN $(flake 188 206)"
weather 6 "$W_CLOUD_HIGH $W_SLEET"
weather 7 "$W_CLOUD_HIGH $W_SNOW_LIGHT $W_SLEET"
weather 8 "$W_CLOUD_HIGH $W_DRIZZLE $W_ICE"
weather 9 "$W_CLOUD_HIGH $W_DRIZZLE"
weather 10 "$W_CLOUD_HIGH $W_RAIN $W_ICE"
weather 11 "$W_CLOUD_HIGH $W_RAIN"
weather 12 "$W_CLOUD_HIGH $W_RAIN"
weather 13 "$W_CLOUD_HIGH $W_SNOW_LIGHT"
weather 14 "$W_CLOUD_HIGH $W_SNOW_LIGHT"
weather 15 "$W_WIND $(flake 196 210) $(flake 160 222)"
weather 16 "$W_CLOUD_HIGH $W_SNOW"
weather 17 "$W_CLOUD_HIGH $W_HAIL"
weather 18 "$W_CLOUD_HIGH $W_SLEET"
weather 19 "$W_SUN_SMALL $W_HAZE"
weather 20 "$W_CLOUD_HIGH $W_FOG"
weather 21 "$W_SUN_SMALL $W_HAZE"
weather 22 "$W_HAZE $W_CLOUD_HIGH"
weather 23 "$W_WIND"
weather 24 "$W_WIND"
weather 25 "$W_COLD"
weather 26 "$(cloud "$C_CLOUD_DARK" 62 -34 0.66) $W_CLOUD"
weather 27 "$W_MOON_SMALL $W_CLOUD"
weather 28 "$W_SUN_SMALL $W_CLOUD"
weather 29 "$W_MOON_SMALL $W_CLOUD_PART"
weather 30 "$W_SUN_SMALL $W_CLOUD_PART"
weather 31 "$W_MOON"
weather 32 "$W_SUN"
weather 33 "$W_MOON_FAIR"
weather 34 "$W_SUN_FAIR"
weather 35 "$W_CLOUD_HIGH $W_RAIN $W_HAIL"
weather 36 "$W_SUN_SMALL $W_THERMO_HOT"
weather 37 "$W_SUN_SMALL $W_CLOUD_HIGH $W_BOLT"
weather 38 "$W_SUN_SMALL $W_CLOUD_HIGH $W_BOLT"
weather 39 "$W_SUN_SMALL $W_CLOUD_HIGH $W_RAIN"
weather 40 "$W_SUN_SMALL $W_CLOUD_HIGH $W_RAIN"
weather 41 "$W_CLOUD_HIGH $W_SNOW_HEAVY"
weather 42 "$W_SUN_SMALL $W_CLOUD_HIGH $W_SNOW_LIGHT"
weather 43 "$W_CLOUD_DARK $W_SNOW_HEAVY"
weather 44 "$W_NA"
weather 45 "$W_MOON_SMALL $W_CLOUD_HIGH $W_RAIN"
weather 46 "$W_MOON_SMALL $W_CLOUD_HIGH $W_SNOW_LIGHT"
weather 47 "$W_MOON_SMALL $W_CLOUD_HIGH $W_BOLT"
weather na "$W_NA"
# Service picture of the "Powered by" block: a plain badge in the upper right of its box, so
# that the block's texts (left two thirds) stay clear of it. The kap draws those texts in fixed
# dark colours, so a dark skin lays a light plate (C_LOGO_PLATE) under them.
save "$SKIN/VimoWeather/TWCLogo.png" -size 256x208 xc:none \
    -draw "stroke-linecap round stroke-linejoin round fill $C_LOGO_PLATE roundrectangle 0,0 255,207 24,24
      fill $C_ACCENT roundrectangle 172,4 252,84 20,20
      fill white circle 212,44 212,28
      stroke white stroke-width 7 line 212,14 212,10 line 212,74 212,78 line 182,44 178,44 line 242,44 246,44" \
    -filter Box -resize 64x52!

# ---------------------------------------------------------------------------------------------
# RSS reader
# ---------------------------------------------------------------------------------------------
NEWS_W=300 NEWS_H=340
cp "$TMP/PANEL_GRIP.PNG" "$SKIN/VimoNews/BACKGROUND.PNG"
news_text() { # PREFIX SIZE A R G B
    kv "${1}Font" Arial
    kv "${1}Size" "$2"
    argb "$1" "$3" "$4" "$5" "$6"
    kv "${1}Shadowed" 0
    doubled "$1" $NONE
}
{
    header VimoNews
    kv IconWidth $NEWS_W
    kv IconHeight $NEWS_H
    background_keys BACKGROUND.PNG $CUT $CUT $CUT $CUT
    lock_keys $((NEWS_W - 34)) 16 1 0
    rect Title 16 12 $((NEWS_W - 32 - 24)) 26
    kv TitleBkFileName NULL
    cuts TitleBk 8 8 8 8
    argb TitleBk $NONE
    news_text Title 14 $ACCENT
    rect HScroll 16 $((NEWS_H - 22)) $((NEWS_W - 32 - 24)) 6
    argb HScrollBkInactive $SCROLL_OFF
    argb HScrollBkActive $SCROLL_ON
    rect Contener 16 44 $((NEWS_W - 32)) $((NEWS_H - 44 - 30))
    # Items are a little wider than the list: the kap may grow by the difference, and the
    # horizontal bar pans the rest.
    kv ContenerMaxWidth $((NEWS_W - 32 + 80))
    kv NewsTitlePosX 16
    kv NewsTitleHeight 26
    argb NewsTitleBk $ROW_ACCENT
    news_text NewsTitle 12 $INK
    kv NewsDatePosX 16
    kv NewsDateHeight 18
    argb NewsDateBk $NONE
    news_text NewsDate 10 $MUTED
    kv NewsContentPosX 16
    kv NewsContentHeight 40
    argb NewsContentBk $NONE
    news_text NewsContent 11 $INK
} >"$SKIN/VimoNews/Skin.VimoNews"

# ---------------------------------------------------------------------------------------------
# Link folder
# ---------------------------------------------------------------------------------------------
LINK_W=240 LINK_H=260 LINK_ROW=26
cp "$TMP/PANEL_GRIP.PNG" "$SKIN/VimoLink/BACKGROUND.PNG"
glyph "$SKIN/VimoLink/FOLDER.PNG" 32 128 "fill $C_ACCENT_SOFT2 stroke $C_ACCENT stroke-width 7
    path 'M 16 30 L 50 30 L 62 42 L 112 42 L 112 100 L 16 100 Z' line 16,54 112,54"
glyph "$SKIN/VimoLink/FILE.PNG" 32 128 "fill $C_FIELD stroke $C_MUTED stroke-width 7
    path 'M 32 14 L 76 14 L 98 36 L 98 114 L 32 114 Z' fill none path 'M 76 14 L 76 36 L 98 36'
    stroke-width 6 line 46,60 84,60 line 46,78 84,78 line 46,96 72,96"
glyph "$SKIN/VimoLink/WEB.PNG" 32 128 "fill $C_FIELD stroke $C_ACCENT stroke-width 7 circle 64,64 64,18
    fill none ellipse 64,64 18,46 0,360 line 18,64 110,64 path 'M 26 40 Q 64 50 102 40' path 'M 26 88 Q 64 78 102 88'"
{
    header VimoLink
    kv IconWidth $LINK_W
    kv IconHeight $LINK_H
    kv FolderFileName FOLDER.PNG
    kv FileFileName FILE.PNG
    kv LinkFileName WEB.PNG
    background_keys BACKGROUND.PNG $CUT $CUT $CUT $CUT
    lock_keys $((LINK_W - 34)) 16 1 0
    rect Title 16 12 $((LINK_W - 32 - 24)) 26
    argb TitleBk $NONE
    news_text Title 14 $INK
    rect HScroll 16 $((LINK_H - 22)) $((LINK_W - 32 - 24)) 6
    argb HScrollBkInactive $NONE
    argb HScrollBkActive $SCROLL_ON
    rect Contener 16 44 $((LINK_W - 32)) $((LINK_H - 44 - 30))
    kv ContenerMaxWidth $((LINK_W - 32))
    kv LinkHeight $LINK_ROW
    kv LinkVSpacing 3
    argb LinkBk $ROW
    kv LinkFont Arial
    kv LinkSize 12
    kv LinkType 0
    kv LinkHPos 1
    kv LinkVPos 0
    argb Link $INK
    kv LinkShadowed 0
    doubled Link $NONE
} >"$SKIN/VimoLink/Skin.VimoLink"

# ---------------------------------------------------------------------------------------------
# Trash: one row of items, each a deleted kap with its date and type under it.
# ---------------------------------------------------------------------------------------------
TRASH_W=280 TRASH_ITEM_W=150 TRASH_ITEM_H=72 TRASH_TOP=40
TRASH_H=$((TRASH_TOP + TRASH_ITEM_H + 28))
cp "$TMP/PANEL_GRIP.PNG" "$SKIN/VimoTrash/BACKGROUND.PNG"
# A small kap, drawn in the upper part of its square so that the label under it stays clear.
save "$SKIN/VimoTrash/KAP.PNG" -size 256x256 xc:none \
    \( -size 256x256 xc:none -fill "$C_CARD_SHADOW" -draw "roundrectangle 28,20 228,168 32,32" -blur 0x6 \) \
    -composite -draw "fill $C_CARD stroke $C_CARD_LINE stroke-width 3 roundrectangle 28,10 228,158 32,32
      stroke none fill $C_ACCENT_SOFT2 path 'M 58 12 L 198 12 A 28 28 0 0 1 226 40 L 226 52 L 30 52 L 30 40 A 28 28 0 0 1 58 12 Z'
      stroke $C_MUTED stroke-width 10 stroke-linecap round line 60,84 196,84 line 60,110 196,110 line 60,136 150,136" \
    -filter Box -resize 64x64
{
    header VimoTrash
    kv IconWidth $TRASH_W
    kv IconHeight $TRASH_H
    kv KapFileName KAP.PNG
    background_keys BACKGROUND.PNG $CUT $CUT $CUT $CUT
    lock_keys $((TRASH_W - 34)) 15 1 0
    rect Title 16 12 $((TRASH_W - 32 - 24)) 24
    argb TitleBk $NONE
    news_text Title 13 $INK
    rect HScroll 16 $((TRASH_H - 22)) $((TRASH_W - 32 - 24)) 6
    argb HScrollBkInactive $NONE
    argb HScrollBkActive $SCROLL_ON
    rect Contener 16 $TRASH_TOP $((TRASH_W - 32)) $TRASH_ITEM_H
    # The width of one item of the row.
    kv ContenerMaxWidth $TRASH_ITEM_W
    kv TrashHeight $TRASH_ITEM_H
    # The gap between two items of the row.
    kv TrashVSpacing 6
    argb TrashBk $ROW
    kv TrashFont Arial
    kv TrashSize 10
    kv TrashType 0
    kv TrashHPos 0
    kv TrashVPos 2
    argb Trash $MUTED
    kv TrashShadowed 0
    doubled Trash $NONE
} >"$SKIN/VimoTrash/Skin.VimoTrash"

# ---------------------------------------------------------------------------------------------
# Media player remote
# ---------------------------------------------------------------------------------------------
WMP_W=264 WMP_BTN=32 WMP_BTN_Y=66
WMP_H=$((WMP_BTN_Y + WMP_BTN + 18))
cp "$TMP/PANEL.PNG" "$SKIN/VimoRemoteWMP/BACKGROUND.PNG"
glyph_wh "$SKIN/VimoRemoteWMP/TIME.PNG" 40 18 "fill $C_SURFACE stroke $C_LINE stroke-width 4 roundrectangle 2,2 157,69 34,34"
# wmp_button FILE FILL GLYPH-COLOUR MVG : a round button, 32 x 32, with its glyph
wmp_button() {
    glyph "$SKIN/VimoRemoteWMP/$1" $WMP_BTN 128 "fill $2 stroke $C_LINE stroke-width 3 circle 64,64 64,6
        fill $3 stroke $3 stroke-width 4 $4"
}
wmp_button PLAY.PNG "$C_ACCENT" white "path 'M 52 42 L 52 86 L 88 64 Z'"
wmp_button PAUSE.PNG "$C_ACCENT" white "roundrectangle 46,42 58,86 3,3 roundrectangle 70,42 82,86 3,3"
wmp_button STOP.PNG "$C_SURFACE" "$C_INK" "roundrectangle 46,46 82,82 5,5"
wmp_button PREVIOUS.PNG "$C_SURFACE" "$C_INK" "roundrectangle 40,44 48,84 2,2 path 'M 86 44 L 86 84 L 56 64 Z'"
wmp_button NEXT.PNG "$C_SURFACE" "$C_INK" "roundrectangle 80,44 88,84 2,2 path 'M 42 44 L 42 84 L 72 64 Z'"
wmp_button REVERSE.PNG "$C_SURFACE" "$C_INK" "path 'M 62 46 L 62 82 L 36 64 Z' path 'M 90 46 L 90 82 L 64 64 Z'"
wmp_button FORWARD.PNG "$C_SURFACE" "$C_INK" "path 'M 38 46 L 38 82 L 64 64 Z' path 'M 66 46 L 66 82 L 92 64 Z'"
wmp_bk() { # PREFIX FILE
    kv "${1}BkFileName" "$2"
    cuts "${1}Bk" 9 9 8 8
    argb "${1}Bk" $NONE
}
wmp_btn() { # PREFIX INDEX FILE
    rect "$1" $((16 + $2 * (WMP_BTN + 8))) $WMP_BTN_Y $WMP_BTN $WMP_BTN
    kv "${1}FileName" "$3"
}
{
    header VimoRemoteWMP
    kv IconWidth $WMP_W
    kv IconHeight $WMP_H
    background_keys BACKGROUND.PNG $CUT $CUT $CUT $CUT
    rect Lock $((WMP_W - 32)) 16 14 14
    kv LockFileName LOCK.PNG
    # A compact remote: the video window stays hidden (the full player shows the video).
    kv ShowScreen 0
    rect Screen 16 14 $((WMP_W - 32)) 44
    rect Title 16 14 $((WMP_W - 32 - 22)) 20
    wmp_bk Title NULL
    news_text Title 12 $INK
    rect Time $((WMP_W / 2 - 38)) 38 76 18
    wmp_bk Time TIME.PNG
    news_text Time 11 $MUTED
    wmp_btn BtnPlay 2 PLAY.PNG
    kv BtnPauseFileName PAUSE.PNG
    wmp_btn BtnStop 3 STOP.PNG
    wmp_btn BtnPrevious 0 PREVIOUS.PNG
    wmp_btn BtnNext 5 NEXT.PNG
    wmp_btn BtnReverse 1 REVERSE.PNG
    wmp_btn BtnForward 4 FORWARD.PNG
} >"$SKIN/VimoRemoteWMP/Skin.VimoRemoteWMP"

# ---------------------------------------------------------------------------------------------
# Mail alert
# ---------------------------------------------------------------------------------------------
MAIL_W=230 MAIL_H=84
cp "$TMP/PANEL.PNG" "$SKIN/VimoMail/BACKGROUND.PNG"
ENVELOPE="roundrectangle 28,52 164,140 14,14"
glyph "$SKIN/VimoMail/MAIL_NONE.PNG" 48 192 "fill $C_SURFACE stroke $C_RING stroke-width 4 circle 96,96 96,8
    fill none stroke $C_MUTED stroke-width 10 $ENVELOPE polyline 34,60 96,104 158,60"
glyph "$SKIN/VimoMail/MAIL_NEW.PNG" 48 192 "fill $C_ACCENT stroke none circle 96,96 96,8
    fill none stroke white stroke-width 10 $ENVELOPE polyline 34,60 96,104 158,60
    fill $C_NEGATIVE stroke white stroke-width 8 circle 156,38 156,14"
{
    header VimoMail
    kv IconWidth $MAIL_W
    kv IconHeight $MAIL_H
    background_keys BACKGROUND.PNG $CUT $CUT $CUT $CUT
    rect Lock $((MAIL_W - 30)) 14 14 14
    kv LockFileName LOCK.PNG
    rect MailName 74 17 $((MAIL_W - 74 - 34)) 22
    news_text MailName 13 $INK
    rect MailPics 18 18 48 48
    kv MailPicsNoMailName MAIL_NONE.PNG
    kv MailPicsMailName MAIL_NEW.PNG
    rect MailTxt 74 41 $((MAIL_W - 74 - 34)) 22
    news_text MailTxt 12 $ACCENT
} >"$SKIN/VimoMail/Skin.VimoMail"

# ---------------------------------------------------------------------------------------------
# Web search: the search field is part of the background picture (the kap is not resizable, so
# the picture is drawn at the kap's size and the nine-slice is an identity).
# ---------------------------------------------------------------------------------------------
SEARCH_W=280 SEARCH_H=64
FIELD_X1=56 FIELD_Y1=17 FIELD_X2=$((SEARCH_W - 38)) FIELD_Y2=47
panel "$SKIN/VimoGoogle/BACKGROUND.PNG" $SEARCH_W $SEARCH_H "$C_PANEL" 0 none 0 "$PANEL_OPACITY" \
    "fill $C_FIELD stroke $C_FIELD_LINE stroke-width 1 roundrectangle $FIELD_X1.5,$FIELD_Y1.5 $FIELD_X2.5,$FIELD_Y2.5 $R,$R"
glyph "$SKIN/VimoGoogle/SEARCH.PNG" 32 128 "fill $C_ACCENT circle 64,64 64,4
    fill none stroke white stroke-width 10 circle 58,58 58,32 stroke-width 12 line 77,77 94,94"
{
    header VimoGoogle
    kv IconWidth $SEARCH_W
    kv IconHeight $SEARCH_H
    background_keys BACKGROUND.PNG $CUT $CUT $CUT $CUT
    rect Lock $((SEARCH_W - 32)) 25 14 14
    kv LockFileName LOCK.PNG
    rect TitleIcon 16 16 32 32
    kv TitleIconFileName SEARCH.PNG
    rect Edit $((FIELD_X1 + 8)) $((FIELD_Y1 + 3)) $((FIELD_X2 - FIELD_X1 - 14)) $((FIELD_Y2 - FIELD_Y1 - 5))
    margins Edit 2 2 3 2
    argb EditBackground $NONE
    argb EditBackgroundFocused $NONE
    kv EditHScrollSize 0
    argb EditScroll $NONE
    kv EditFocusFrameSize 1
    argb EditFocusFrame $NONE
    kv EditFont Arial
    kv EditSize 14
    argb Edit $INK
    kv EditShadowed 0
    doubled Edit $NONE
} >"$SKIN/VimoGoogle/Skin.VimoGoogle"

{
    printf '; Web addresses of the search service used by the %s skin.\n' "$NAME"
    printf '; Generated by skins/generate.sh: edit the script, not this file.\n'
    printf '[VimoGoogleData]\n'
    kv SearchBeginURL 'http://www.google.com/search?q='
    kv SearchEndURL ''
    kv NavigateURL 'http://www.google.com/'
} >"$SKIN/VimoGoogle/Data.VimoGoogle"

# ---------------------------------------------------------------------------------------------
# Dock: 48 x 48 icons, titles on hover; the lock sits in the footer strip left of the grip.
# Icon pictures: KAP_<TYPE>.PNG for the kap icons (the type identifiers of the dock) and
# ACTION_<ACTION>.PNG for the actions (the action's name in upper case without blanks or "/").
# ---------------------------------------------------------------------------------------------
DOCK_ICON=48 DOCK_GAP=8 DOCK_ML=14 DOCK_MR=14 DOCK_MT=14 DOCK_MB=26
DOCK_W=$((DOCK_ML + 4 * DOCK_ICON + 3 * DOCK_GAP + DOCK_MR))
DOCK_H=$((DOCK_MT + 2 * DOCK_ICON + DOCK_GAP + DOCK_MB))
cp "$TMP/PANEL_GRIP.PNG" "$SKIN/VimoRemoteKap/BACKGROUND.PNG"
{
    header VimoRemoteKap
    kv Width $DOCK_W
    kv Height $DOCK_H
    background_keys BACKGROUND.PNG $CUT $CUT $CUT $CUT
    lock_keys 16 $((DOCK_H - 23)) 0 1 12 12
    kv MarginLeft $DOCK_ML
    kv MarginRight $DOCK_MR
    kv MarginTop $DOCK_MT
    kv MarginBottom $DOCK_MB
    kv IconWidth $DOCK_ICON
    kv IconHeight $DOCK_ICON
    kv IconHSpacing $DOCK_GAP
    kv IconVSpacing $DOCK_GAP
    kv IconScaleNormal 84
    kv IconVPosition 0
    kv IconTitleOnlyHover 1
    kv IconTitleFont Arial
    kv IconTitleSize 9
    kv IconTitleHPos 0
    kv IconTitleVPos 2
    kv IconTitleType 2
    argb IconTitle $INK
    kv IconTitleShadowed 0
    doubled IconTitle $TITLE_HALO
} >"$SKIN/VimoRemoteKap/Skin.VimoRemoteKap"

G="fill none stroke white stroke-width 12"
GF="stroke none fill white"
ACC_MID="#3A7AF0"
SLATE_MID="#647088"
kap_tile() { tile "$SKIN/VimoRemoteKap/$1" 64 "$C_ACCENT_TOP" "$C_ACCENT_BOT" "$2"; }
place_tile() { tile "$SKIN/VimoRemoteKap/$1" 64 "$C_SLATE_TOP" "$C_SLATE_BOT" "$2"; }

I_NOTE="$G path 'M 88 70 L 148 70 L 174 96 L 174 186 L 88 186 Z' path 'M 148 70 L 148 96 L 174 96'
  stroke-width 10 line 108,120 154,120 line 108,144 154,144 line 108,166 134,166"
I_PHOTO="$G roundrectangle 68,80 188,176 14,14 $GF path 'M 84 164 L 114 126 L 136 150 L 152 134 L 174 164 Z' circle 154,108 154,96"
I_CALC="$G roundrectangle 86,62 170,194 16,16 $GF roundrectangle 104,82 152,104 4,4
  circle 108,130 108,122 circle 128,130 128,122 circle 148,130 148,122
  circle 108,152 108,144 circle 128,152 128,144 circle 148,152 148,144
  circle 108,174 108,166 circle 128,174 128,166 circle 148,174 148,166"
I_CLOCK="$G circle 128,126 128,62 line 128,126 128,88 line 128,126 156,142"
I_WEATHER="$GF circle 102,100 102,80
  stroke white stroke-width 10 line 102,58 102,48 line 60,100 50,100 line 72,70 65,63 line 132,70 139,63 line 72,130 65,137
  stroke $ACC_MID stroke-width 12 fill $ACC_MID ellipse 122,152 22,22 0,360 ellipse 150,136 30,30 0,360 ellipse 176,156 18,18 0,360 roundrectangle 100,150 194,178 14,14
  $GF ellipse 122,152 22,22 0,360 ellipse 150,136 30,30 0,360 ellipse 176,156 18,18 0,360 roundrectangle 100,150 194,178 14,14"
I_ACCOUNT="$G roundrectangle 68,84 186,178 16,16 path 'M 186 110 L 150 110 A 20 20 0 0 0 150 150 L 186 150'
  $GF circle 152,130 152,122 $G line 90,84 154,64 line 154,64 164,84"
I_CALENDAR="$G roundrectangle 70,78 186,186 16,16 line 70,110 186,110 line 102,62 102,88 line 154,62 154,88
  $GF circle 104,136 104,128 circle 128,136 128,128 circle 152,136 152,128 circle 104,162 104,154 circle 128,162 128,154"
I_NEWS="$GF circle 90,168 90,152 fill none stroke white stroke-width 16
  path 'M 78 118 A 60 60 0 0 1 138 178' path 'M 78 72 A 106 106 0 0 1 184 178'"
I_LINK="$G path 'M 66 88 L 106 88 L 122 104 L 190 104 L 190 180 L 66 180 Z'
  push graphic-context translate 128,144 rotate -35 stroke-width 9 roundrectangle -34,-11 4,11 11,11 roundrectangle -4,-11 34,11 11,11 pop graphic-context"
I_WMP="$G circle 128,126 128,62 $GF path 'M 112 96 L 112 156 L 162 126 Z'"
I_MAIL="$G roundrectangle 64,84 192,172 14,14 polyline 70,92 128,134 186,92"
I_SEARCH="fill none stroke white stroke-width 14 circle 114,114 114,74 stroke-width 20 line 144,144 178,178"
I_TRASH="$G line 76,84 180,84 path 'M 108 84 L 112 66 L 144 66 L 148 84' path 'M 90 98 L 100 186 L 156 186 L 166 98'
  stroke-width 10 line 118,114 120,168 line 138,114 136,168"
I_SHORTCUT="$G roundrectangle 70,70 186,186 20,20 line 106,150 150,106 polyline 116,104 152,104 152,140"
I_START="$GF circle 92,90 92,76 circle 128,90 128,76 circle 164,90 164,76 circle 92,126 92,112 circle 128,126 128,112
  circle 164,126 164,112 circle 92,162 92,148 circle 128,162 128,148 circle 164,162 164,148"
I_COMPUTER="$G roundrectangle 62,70 194,156 12,12 line 128,158 128,180 line 96,184 160,184"
I_NETPLACE="fill none stroke white stroke-width 10 circle 128,126 128,62 ellipse 128,126 28,64 0,360 line 64,126 192,126
  path 'M 76 92 Q 128 104 180 92' path 'M 76 160 Q 128 148 180 160'"
I_NETCONN="stroke white stroke-width 10 line 128,82 86,164 line 128,82 170,164 line 86,164 170,164
  $GF circle 128,82 128,62 circle 86,164 86,144 circle 170,164 170,144"
I_DOCUMENTS="$G path 'M 104 80 L 104 62 L 176 62 L 176 160 L 156 160' path 'M 78 84 L 136 84 L 156 104 L 156 190 L 78 190 Z'
  stroke-width 10 line 96,128 136,128 line 96,152 136,152"
I_CONTROL="stroke white stroke-width 10 line 72,90 184,90 line 72,128 184,128 line 72,166 184,166
  fill $SLATE_MID stroke-width 10 circle 102,90 102,74 circle 154,128 154,112 circle 118,166 118,150"
I_DESKTOP="$G roundrectangle 62,70 194,164 12,12 line 104,188 152,188 polyline 106,104 128,126 150,104 line 100,142 156,142"
I_WINDOWS="$G roundrectangle 92,66 186,146 10,10 fill $SLATE_MID roundrectangle 68,104 162,186 10,10 line 68,130 162,130"
I_TOBACK="$GF roundrectangle 104,104 184,184 12,12 fill $SLATE_MID stroke white stroke-width 12 roundrectangle 72,72 152,152 12,12"
I_TOFRONT="$G roundrectangle 104,104 184,184 12,12 $GF roundrectangle 66,66 158,158 14,14"
I_LOCK="fill none stroke white stroke-width 16 path 'M 98 118 L 98 96 A 30 30 0 0 1 158 96 L 158 118'
  $GF roundrectangle 78,114 178,190 14,14"
I_UNLOCK="fill none stroke white stroke-width 16 path 'M 158 118 L 158 86 A 30 30 0 0 0 98 86 L 98 96'
  $GF roundrectangle 78,114 178,190 14,14"
I_NORMAL="$G roundrectangle 68,76 188,180 12,12 line 68,106 188,106"
I_RESTORE="$G path 'M 100 94 L 100 70 L 186 70 L 186 150 L 160 150' roundrectangle 70,98 158,186 10,10"
I_MINIMIZE="stroke white stroke-width 16 line 82,180 174,180 stroke-width 12 line 128,64 128,138 fill none polyline 98,110 128,140 158,110"
I_MAXIMIZE="$G path 'M 72 112 L 72 72 L 112 72' path 'M 144 72 L 184 72 L 184 112' path 'M 184 144 L 184 184 L 144 184' path 'M 112 184 L 72 184 L 72 144'"
I_REDUCE="$G path 'M 72 108 L 108 108 L 108 72' path 'M 148 72 L 148 108 L 184 108' path 'M 184 148 L 148 148 L 148 184' path 'M 108 184 L 108 148 L 72 148'"
I_CLOSE="stroke white stroke-width 18 line 90,88 166,164 line 166,88 90,164"
I_TASKBAR="$G roundrectangle 62,72 194,184 12,12 $GF roundrectangle 62,150 194,184 12,12 rectangle 62,150 194,166"
I_CONFIG="stroke white stroke-width 24 line 170,128 186,128 line 157.7,157.7 169,169 line 128,170 128,186 line 98.3,157.7 87,169
  line 86,128 70,128 line 98.3,98.3 87,87 line 128,86 128,70 line 157.7,98.3 169,87
  $GF circle 128,128 128,80 fill $SLATE_MID circle 128,128 128,108"
I_EXIT="fill none stroke white stroke-width 16 path 'M 96 90 A 54 54 0 1 0 160 90' line 128,62 128,124"

kap_tile KAP_NOTE.PNG "$I_NOTE"
kap_tile KAP_PHOTOALBUM.PNG "$I_PHOTO"
kap_tile KAP_CALC.PNG "$I_CALC"
kap_tile KAP_CLOCK.PNG "$I_CLOCK"
kap_tile KAP_WEATHER.PNG "$I_WEATHER"
kap_tile KAP_ACCOUNT.PNG "$I_ACCOUNT"
kap_tile KAP_CALENDAR.PNG "$I_CALENDAR"
kap_tile KAP_NEWS.PNG "$I_NEWS"
kap_tile KAP_LINK.PNG "$I_LINK"
kap_tile KAP_REMOTEWMP.PNG "$I_WMP"
kap_tile KAP_MAILALERT.PNG "$I_MAIL"
kap_tile KAP_GOOGLESEARCH.PNG "$I_SEARCH"
kap_tile KAP_TRASH.PNG "$I_TRASH"
place_tile KAP_SHORTCUT.PNG "$I_SHORTCUT"
kap_tile ACTION_STARTMENU.PNG "$I_START"
place_tile ACTION_MYCOMPUTER.PNG "$I_COMPUTER"
place_tile ACTION_MYNETWORKPLACE.PNG "$I_NETPLACE"
place_tile ACTION_MYNETWORKCONNEXIONS.PNG "$I_NETCONN"
place_tile ACTION_MYDOCUMENTS.PNG "$I_DOCUMENTS"
place_tile ACTION_CONTROLPANEL.PNG "$I_CONTROL"
place_tile ACTION_RECYCLEBIN.PNG "$I_TRASH"
place_tile ACTION_SHOWDESKTOP.PNG "$I_DESKTOP"
place_tile ACTION_SHOWWINDOWS.PNG "$I_WINDOWS"
place_tile ACTION_SENDTOBACK.PNG "$I_TOBACK"
place_tile ACTION_BRINGTOFRONT.PNG "$I_TOFRONT"
place_tile ACTION_LOCKALL.PNG "$I_LOCK"
place_tile ACTION_UNLOCKALL.PNG "$I_UNLOCK"
place_tile ACTION_SHOWNORMAL.PNG "$I_NORMAL"
place_tile ACTION_RESTOREWINDOWS.PNG "$I_RESTORE"
place_tile ACTION_MINIMIZEWINDOWS.PNG "$I_MINIMIZE"
place_tile ACTION_MAXIMIZEWINDOWS.PNG "$I_MAXIMIZE"
place_tile ACTION_REDUCEWINDOWS.PNG "$I_REDUCE"
place_tile ACTION_CLOSEWINDOWS.PNG "$I_CLOSE"
place_tile ACTION_SHOWHIDETASKBAR.PNG "$I_TASKBAR"
place_tile ACTION_CONFIG.PNG "$I_CONFIG"
place_tile ACTION_EXIT.PNG "$I_EXIT"
place_tile ACTION_USERSHORTCUT.PNG "$I_SHORTCUT"
cp "$SKIN/VimoRemoteKap/ACTION_STARTMENU.PNG" "$SKIN/BtnStart.png"
tile "$SKIN/DefaultIcon.png" 64 "$C_SLATE_TOP" "$C_SLATE_BOT" \
    "$G roundrectangle 72,72 184,184 20,20 $GF circle 128,128 128,108"

# ---------------------------------------------------------------------------------------------
# Window bar: one column of 160 x 120 tiles, a thin scroll bar on the right.
# ---------------------------------------------------------------------------------------------
WIN_W=200 WIN_H=420 WIN_ML=14 WIN_MR=14 WIN_MT=14 WIN_MB=26 WIN_SCROLL=8 WIN_SCROLL_GAP=4
WIN_TILE_W=$((WIN_W - WIN_ML - WIN_MR - WIN_SCROLL - WIN_SCROLL_GAP)) WIN_TILE_H=120
cp "$TMP/PANEL_GRIP.PNG" "$SKIN/VimoRemoteWin/BACKGROUND.PNG"
# The tile frame as a nine-slice picture (cuts 10). The window bar draws its tiles with the
# BackgroundRect colour; the picture is there for a tile that takes a frame image.
save "$SKIN/VimoRemoteWin/TILE.PNG" -size 32x32 xc:none \
    -fill "$C_WELL" -stroke "$C_TILE_LINE" -strokewidth 1 -draw "roundrectangle 0.5,0.5 31.5,31.5 8,8"
{
    header VimoRemoteWin
    kv IconWidth $WIN_W
    kv IconHeight $WIN_H
    background_keys BACKGROUND.PNG $CUT $CUT $CUT $CUT
    lock_keys 16 $((WIN_H - 23)) 0 1 12 12
    kv MarginLeft $WIN_ML
    kv MarginRight $WIN_MR
    kv MarginTop $WIN_MT
    kv MarginBottom $WIN_MB
    kv ScreenWidth $WIN_TILE_W
    kv ScreenHeight $WIN_TILE_H
    kv ScreenHSpacing 0
    kv ScreenVSpacing 8
    kv ScrollHMargin $WIN_SCROLL_GAP
    kv ScrollWidth $WIN_SCROLL
    kv ScrollHeight 40
    kv ScrollOnRight 1
    argb ScrollInactive $SCROLL_OFF
    argb ScrollActive $SCROLL_ON_WIN
    argb BackgroundRect $WIN_TILE
    margins Window 6 6 24 22
    kv WindowHPosition 0
    kv WindowVPosition 0
    kv WindowScale 100
    kv WindowLuminosityPercent 85
    kv TitleOnlyHover 0
    kv TitleFont Arial
    kv TitleSize 11
    kv TitleType 2
    kv TitleVPos 1
    kv TitleHPos 1
    kv TitleOrientation 0
    argb Title $INK
    margins Title 8 8 5 5
    kv TitleShadowed 0
    doubled Title $NONE
    kv TextOnlyHover 0
    kv TextFont Arial
    kv TextSize 9
    kv TextType 0
    kv TextVPos 2
    kv TextHPos 1
    kv TextOrientation 0
    argb Text $MUTED
    margins Text 8 8 5 5
    kv TextShadowed 0
    doubled Text $NONE
} >"$SKIN/VimoRemoteWin/Skin.VimoRemoteWin"

echo "skin written to $SKIN"

[[ -z "$PREVIEW" ]] && exit 0

# ---------------------------------------------------------------------------------------------
# Preview (--preview DIR): each kap composed from its skin file the way the layer engine draws
# it (nine-slice background, pictures fitted into their boxes, texts aligned in their boxes),
# with sample content, then everything on one contact sheet over a desktop-like backdrop.
# ---------------------------------------------------------------------------------------------
mkdir -p "$PREVIEW"
PV="$PREVIEW"

ini() { # FILE KEY : the value of KEY (first match, letter case ignored)
    awk -F= -v k="$2" 'tolower($1) == tolower(k) { sub(/^[^=]*=/, ""); print; exit }' "$1"
}
rgba() { # A R G B -> rgba() colour
    awk -v a="$1" -v r="$2" -v g="$3" -v b="$4" 'BEGIN { printf "rgba(%d,%d,%d,%.3f)", r, g, b, a / 255 }'
}
keycolour() { # FILE PREFIX
    rgba "$(ini "$1" "${2}Alpha")" "$(ini "$1" "${2}Red")" "$(ini "$1" "${2}Green")" "$(ini "$1" "${2}Blue")"
}
# nslice SRC W H L R T B OUT : the engine's nine-slice drawing of SRC at W x H
nslice() {
    local src=$1 W=$2 H=$3 L=$4 R=$5 T=$6 B=$7 out=$8
    local w h
    read -r w h < <(identify -format '%w %h\n' "$src")
    local cw=$((w - L - R)) ch=$((h - T - B)) CW=$((W - L - R)) CH=$((H - T - B))
    convert -size "${W}x${H}" xc:none \
        \( "$src" -crop "${L}x${T}+0+0" +repage \) -geometry +0+0 -composite \
        \( "$src" -crop "${cw}x${T}+${L}+0" +repage -resize "${CW}x${T}!" \) -geometry "+${L}+0" -composite \
        \( "$src" -crop "${R}x${T}+$((w - R))+0" +repage \) -geometry "+$((W - R))+0" -composite \
        \( "$src" -crop "${L}x${ch}+0+${T}" +repage -resize "${L}x${CH}!" \) -geometry "+0+${T}" -composite \
        \( "$src" -crop "${cw}x${ch}+${L}+${T}" +repage -resize "${CW}x${CH}!" \) -geometry "+${L}+${T}" -composite \
        \( "$src" -crop "${R}x${ch}+$((w - R))+${T}" +repage -resize "${R}x${CH}!" \) -geometry "+$((W - R))+${T}" -composite \
        \( "$src" -crop "${L}x${B}+0+$((h - B))" +repage \) -geometry "+0+$((H - B))" -composite \
        \( "$src" -crop "${cw}x${B}+${L}+$((h - B))" +repage -resize "${CW}x${B}!" \) -geometry "+${L}+$((H - B))" -composite \
        \( "$src" -crop "${R}x${B}+$((w - R))+$((h - B))" +repage \) -geometry "+$((W - R))+$((H - B))" -composite \
        "PNG32:$out"
}
# bg FILE-OF-SKIN PICTURE W H OUT : a kap canvas with its nine-slice background
bg() {
    local f=$1
    nslice "$2" "$3" "$4" "$(ini "$f" BackgroundCutLeft)" "$(ini "$f" BackgroundCutRight)" \
        "$(ini "$f" BackgroundCutTop)" "$(ini "$f" BackgroundCutBottom)" "$5"
}
# pic CANVAS PICTURE X Y W H [ZOOM [HPOS [VPOS]]] : a picture fitted into a box (image part)
pic() {
    local cv=$1 src=$2 x=$3 y=$4 w=$5 h=$6 zoom=${7:-100} hpos=${8:-0} vpos=${9:-0}
    local iw ih
    read -r iw ih < <(identify -format '%w %h\n' "$src")
    local dw dh
    read -r dw dh < <(awk -v w="$w" -v h="$h" -v iw="$iw" -v ih="$ih" -v z="$zoom" \
        'BEGIN { f = w / iw; if (h / ih < f) f = h / ih; f *= z / 100; printf "%d %d\n", iw * f, ih * f }')
    local px py
    case $hpos in 1) px=$x ;; 2) px=$((x + w - dw)) ;; *) px=$((x + (w - dw) / 2)) ;; esac
    case $vpos in 1) py=$y ;; 2) py=$((y + h - dh)) ;; *) py=$((y + (h - dh) / 2)) ;; esac
    convert "$cv" \( "$src" -resize "${dw}x${dh}!" \) -geometry "+${px}+${py}" -composite "PNG32:$cv"
}
# fill CANVAS X Y W H COLOUR : a flat rectangle (block and row colours)
fill() {
    convert "$1" -fill "$6" -draw "rectangle $2,$3 $(($2 + $4 - 1)),$(($3 + $5 - 1))" "PNG32:$1"
}
# txt CANVAS X Y W H TEXT SIZE TYPE HPOS VPOS COLOUR [WRAP] : a text block in its layout box
txt() {
    local cv=$1 x=$2 y=$3 w=$4 h=$5 text=$6 size=$7 type=$8 hpos=$9 vpos=${10} colour=${11} wrap=${12:-0}
    local font=$FONT_REGULAR
    if [[ "$type" == 2 || "$type" == 3 ]]; then font=$FONT_BOLD; fi
    text=${text//\\/\\\\} # ImageMagick reads backslash escapes in texts
    local g
    case "$vpos:$hpos" in
    1:1) g=NorthWest ;; 1:2) g=NorthEast ;; 1:*) g=North ;;
    2:1) g=SouthWest ;; 2:2) g=SouthEast ;; 2:*) g=South ;;
    *:1) g=West ;; *:2) g=East ;; *) g=Center ;;
    esac
    if ((wrap)); then
        convert "$cv" \( -size "${w}x" -background none -font "$font" -pointsize "$size" -fill "$colour" \
            -gravity "$g" caption:"$text" -gravity NorthWest -crop "${w}x${h}+0+0" +repage \) -geometry "+${x}+${y}" -composite "PNG32:$cv"
    else
        convert "$cv" \( -size "${w}x${h}" xc:none -font "$font" -pointsize "$size" -fill "$colour" \
            -gravity "$g" -annotate +0+0 "$text" -gravity NorthWest \) -geometry "+${x}+${y}" -composite "PNG32:$cv"
    fi
}
# stxt CANVAS FILE PREFIX X Y W H TEXT [HPOS VPOS TYPE] : a text styled by the skin keys of PREFIX
stxt() {
    local cv=$1 f=$2 p=$3
    local size type hpos vpos
    size=$(ini "$f" "${p}Size")
    type=${11:-$(ini "$f" "${p}Type")}
    hpos=${9:-$(ini "$f" "${p}HPos")}
    vpos=${10:-$(ini "$f" "${p}VPos")}
    txt "$cv" "$4" "$5" "$6" "$7" "$8" "$size" "${type:-0}" "${hpos:-0}" "${vpos:-0}" "$(keycolour "$f" "$p")"
}
# box FILE PREFIX [POSX-KEY-SUFFIX] : prints X Y W H of an element
box() {
    local f=$1 p=$2
    if [[ -n "$(ini "$f" "${p}XPos")" ]]; then
        echo "$(ini "$f" "${p}XPos") $(ini "$f" "${p}YPos") $(ini "$f" "${p}Width") $(ini "$f" "${p}Height")"
    else
        echo "$(ini "$f" "${p}PosX") $(ini "$f" "${p}PosY") $(ini "$f" "${p}Width") $(ini "$f" "${p}Height")"
    fi
}
# docked FILE PREFIX W H : X Y W H of an element after the RightDock / BottomDock rule
docked() {
    local f=$1 p=$2 W=$3 H=$4
    local x y w h dw dh
    read -r x y w h < <(box "$f" "$p")
    dw=$(ini "$f" IconWidth) dh=$(ini "$f" IconHeight)
    if [[ "$f" == *.VimoRemoteKap ]]; then # the dock's design size is Width x Height
        dw=$(ini "$f" Width) dh=$(ini "$f" Height)
    fi
    if [[ "$(ini "$f" "${p}RightDock")" =~ ^[1-9] ]]; then x=$((W - dw + x)); fi
    if [[ "$(ini "$f" "${p}BottomDock")" =~ ^[1-9] ]]; then y=$((H - dh + y)); fi
    echo "$x $y $w $h"
}
lock() { # CANVAS DIR W H
    local f
    f=$2/Skin.$(basename "$2")
    local x y w h
    read -r x y w h < <(docked "$f" Lock "$3" "$4")
    pic "$1" "$2/$(ini "$f" LockFileName)" "$x" "$y" "$w" "$h"
}

S=$SKIN
# A sample photograph for the album.
convert -size 400x260 "gradient:#7FB3E8-#F6D9A8" -fill "#5E7F5A" \
    -draw "path 'M 0 200 L 90 140 L 170 190 L 260 120 L 400 200 L 400 260 L 0 260 Z'" \
    -fill "#FFF2C4" -draw "circle 300,70 300,40" "PNG32:$TMP/photo.png"
# A sample window for the window bar.
convert -size 640x420 xc:white -fill "#DDE3EA" -draw "rectangle 0,0 640,34" -fill "#3478F6" \
    -draw "rectangle 0,34 640,60" -fill "#C8CFD8" -draw "rectangle 30,90 600,104 rectangle 30,120 560,134 rectangle 30,150 590,164 rectangle 30,200 300,380" \
    "PNG32:$TMP/window.png"

# Note: the five papers at the design size, then one grown to 300 x 280.
f=$S/VimoNote/Skin.VimoNote
NW=$(ini "$f" IconWidth) NH=$(ini "$f" IconHeight)
note_preview() { # OUT PAPER W H
    local out=$1 W=$3 H=$4
    bg "$f" "$S/VimoNote/$2" "$W" "$H" "$out"
    lock "$out" "$S/VimoNote" "$W" "$H"
    local x y w h
    read -r x y w h < <(docked "$f" Alarm "$W" "$H")
    pic "$out" "$S/VimoNote/$(ini "$f" AlarmFileName)" "$x" "$y" "$w" "$h"
    read -r x y w h < <(box "$f" Edit)
    w=$((W - NW + w)) h=$((H - NH + h))
    txt "$out" $((x + 4)) $((y + 4)) $((w - 8)) $((h - 8)) \
        "Call the plumber before noon. Buy milk, bread and a birthday card for Anna." 12 0 1 1 "#000000" 1
    read -r x y w h < <(docked "$f" Link "$W" "$H")
    w=$((W - NW + w))
    pic "$out" "$S/VimoNote/$(ini "$f" LinkFileName)" "$x" "$y" "$h" "$h" 60 1
    stxt "$out" "$f" Link $((x + h + 2)) "$y" $((w - h - 2)) "$h" "Report.txt"
}
i=0
for p in NOTE_YELLOW.PNG NOTE_BLUE.PNG NOTE_GREEN.PNG NOTE_PINK.PNG NOTE_WHITE.PNG; do
    note_preview "$PV/note$i.png" "$p" "$NW" "$NH"
    i=$((i + 1))
done
note_preview "$PV/note_grown.png" NOTE_YELLOW.PNG 300 280

# Photo album at its design size and grown.
f=$S/VimoPhotoAlbum/Skin.VimoPhotoAlbum
for size in "$(ini "$f" IconWidth) $(ini "$f" IconHeight)" "380 240"; do
    read -r W H <<<"$size"
    out=$PV/photo_${W}.png
    bg "$f" "$S/VimoPhotoAlbum/BACKGROUND.PNG" "$W" "$H" "$out"
    ml=$(ini "$f" ImageMarginLeft) mr=$(ini "$f" ImageMarginRight) mt=$(ini "$f" ImageMarginTop) mb=$(ini "$f" ImageMarginBottom)
    pic "$out" "$TMP/photo.png" "$ml" "$mt" $((W - ml - mr)) $((H - mt - mb))
    lock "$out" "$S/VimoPhotoAlbum" "$W" "$H"
done

# Calculator.
f=$S/VimoCalc/Skin.VimoCalc
W=$(ini "$f" IconWidth) H=$(ini "$f" IconHeight)
out=$PV/calc.png
bg "$f" "$S/VimoCalc/BACKGROUND.PNG" "$W" "$H" "$out"
read -r x y w h < <(box "$f" Screen)
nslice "$S/VimoCalc/$(ini "$f" ScreenBackgroundImageFileName)" "$w" "$h" "$(ini "$f" ScreenBackgroundCutLeft)" \
    "$(ini "$f" ScreenBackgroundCutRight)" "$(ini "$f" ScreenBackgroundCutTop)" "$(ini "$f" ScreenBackgroundCutBottom)" "$TMP/screen.png"
convert "$out" "$TMP/screen.png" -geometry "+$x+$y" -composite "PNG32:$out"
ml=$(ini "$f" ScreenTextMarginLeft) mr=$(ini "$f" ScreenTextMarginRight)
txt "$out" $((x + ml)) "$y" $((w - ml - mr)) "$h" "0.333333333" "$(ini "$f" ScreenTextSize)" 0 2 0 "$(keycolour "$f" ScreenText)"
for k in "0 0" "1 1" "2 2" "3 3" "4 4" "5 5" "6 6" "7 7" "8 8" "9 9" "P ." "PM +/-" "C C" "CE CE" "R =" "A +" "M -" "X X" \
    "D /" "PC %"; do
    read -r key label <<<"$k"
    read -r x y w h < <(box "$f" "Button$key")
    pic "$out" "$S/VimoCalc/$(ini "$f" "Button${key}FileName")" "$x" "$y" "$w" "$h"
    txt "$out" "$x" "$y" "$w" "$h" "$label" "$(ini "$f" ButtonLabelSize)" 0 0 0 "$(keycolour "$f" ButtonLabel)"
done
lock "$out" "$S/VimoCalc" "$W" "$H"

# Clock.
f=$S/VimoClock/Skin.VimoClock
W=$(ini "$f" IconWidth) H=$(ini "$f" IconHeight)
out=$PV/clock.png
bg "$f" "$S/VimoClock/BACKGROUND.PNG" "$W" "$H" "$out"
read -r x y w h < <(box "$f" ClockTime)
txt "$out" "$x" "$y" "$w" "$h" "12:05:32 PM" "$(ini "$f" ClockTimeSize)" 0 0 0 "$(keycolour "$f" ClockTime)"
read -r x y w h < <(box "$f" ClockDate)
txt "$out" "$x" "$y" "$w" "$h" "Wednesday, September 24, 2025" "$(ini "$f" ClockDateSize)" 0 0 0 "$(keycolour "$f" ClockDate)"
lock "$out" "$S/VimoClock" "$W" "$H"

# Calendar: September 2025 (starts on a Monday), today the 24th, reminders on the 12th and 29th.
f=$S/VimoCalendar/Skin.VimoCalendar
W=$(ini "$f" IconWidth) H=$(ini "$f" IconHeight)
out=$PV/calendar.png
bg "$f" "$S/VimoCalendar/BACKGROUND.PNG" "$W" "$H" "$out"
for b in BtnPrev BtnNext; do
    read -r x y w h < <(box "$f" $b)
    pic "$out" "$S/VimoCalendar/$(ini "$f" ${b}FileName)" "$x" "$y" "$w" "$h"
done
read -r x y w h < <(box "$f" Title)
stxt "$out" "$f" Title "$x" "$y" "$w" "$h" "September 2025" 0 0
read -r gx gy cw ch < <(box "$f" TextBase)
sx=$(ini "$f" TextBaseSpaceX) sy=$(ini "$f" TextBaseSpaceY)
days=$(ini "$f" TextDays)
for c in 0 1 2 3 4 5 6; do
    stxt "$out" "$f" Text $((gx + c * (cw + sx))) "$gy" "$cw" "$ch" "${days:c:1}" 0 0 2
done
for d in $(seq 1 30); do
    cell=$((d - 1)) r=$((1 + cell / 7)) c=$((cell % 7))
    x=$((gx + c * (cw + sx))) y=$((gy + r * (ch + sy)))
    style=Text
    [[ $d == 24 ]] && style=Today
    [[ $d == 12 || $d == 29 ]] && style=Note
    if [[ $style != Text ]]; then pic "$out" "$S/VimoCalendar/$(ini "$f" ${style}FileName)" "$x" "$y" "$cw" "$ch"; fi
    stxt "$out" "$f" $style "$x" "$y" "$cw" "$ch" "$d" 0 0
done
lock "$out" "$S/VimoCalendar" "$W" "$H"

# Account book.
f=$S/VimoAccount/Skin.VimoAccount
W=$(ini "$f" IconWidth) H=$(ini "$f" IconHeight)
out=$PV/account.png
bg "$f" "$S/VimoAccount/BACKGROUND.PNG" "$W" "$H" "$out"
for b in BtnPrev BtnNext; do
    read -r x y w h < <(box "$f" $b)
    pic "$out" "$S/VimoAccount/$(ini "$f" ${b}FileName)" "$x" "$y" "$w" "$h"
done
read -r x y w h < <(box "$f" Month)
stxt "$out" "$f" Month "$x" "$y" "$w" "$h" "September 2025" 0 0
read -r x y w h < <(box "$f" Name)
stxt "$out" "$f" Name "$x" "$y" "$w" "$h" "Household" 0 0 0
read -r cx cy cw ch < <(box "$f" Contener)
bw=$(ini "$f" BlockWidth) bh=$(ini "$f" BlockHeight) bs=$(ini "$f" BlockSpacing)
y=$cy
for line in "02 : Salary|+ 2450.00|AmountIn|1" "05 : Rent|- 820.00|AmountOut|1" "11 : Groceries|- 64.30|AmountOut|0" \
    "18 : Electricity|- 58.12|AmountOut|0" "(+):2450.00 EUR (-):942.42 EUR| |AmountIn|2" "1507.58 EUR| |FinalAmount|2"; do
    IFS='|' read -r label amount style checked <<<"$line"
    fill "$out" "$cx" "$y" "$bw" "$bh" "$(keycolour "$f" BlockBackground)"
    if [[ $checked == 2 ]]; then
        stxt "$out" "$f" "$style" $((cx + 6)) "$y" $((bw - 12)) "$bh" "$label" 1
    else
        stxt "$out" "$f" DateComment $((cx + 6)) "$y" $((bw - 12)) "$bh" "$label"
        stxt "$out" "$f" "$style" $((cx + 6)) "$y" $((bw - 12)) "$bh" "$amount"
        fill "$out" $((cx + bw + 4)) "$y" $((cw - bw - 4)) "$bh" "$(keycolour "$f" BlockBackground)"
        if [[ $checked == 1 ]]; then
            pic "$out" "$S/VimoAccount/$(ini "$f" CheckedFileName)" $((cx + bw + 4)) "$y" $((cw - bw - 4)) "$bh" 70
        fi
    fi
    y=$((y + bh + bs))
done
lock "$out" "$S/VimoAccount" "$W" "$H"

# Weather, grown to 3 x 2 blocks: current conditions, four days, the service block.
f=$S/VimoWeather/Skin.VimoWeather
IW=$(ini "$f" IconWidth) IH=$(ini "$f" IconHeight)
read -r cx cy cw ch < <(box "$f" Contener)
sp=$(ini "$f" BlockSpacing)
W=$(((cw + sp) * 3 - sp - cw + IW)) H=$(((ch + sp) * 2 - sp - ch + IH))
out=$PV/weather.png
bg "$f" "$S/VimoWeather/BACKGROUND.PNG" "$W" "$H" "$out"
lock "$out" "$S/VimoWeather" "$W" "$H"
k=0
for block in "30|72°F|Paris / Orly" "28|75°F|Thursday" "11|64°F|Friday" "4|61°F|Saturday" "32|79°F|Sunday" "logo"; do
    x=$((cx + (cw + sp) * (k % 3))) y=$((cy + (ch + sp) * (k / 3)))
    fill "$out" "$x" "$y" "$cw" "$ch" "$(keycolour "$f" BlockBackground)"
    il=$(ini "$f" ImageMarginLeft) ir=$(ini "$f" ImageMarginRight) it=$(ini "$f" ImageMarginTop) ib=$(ini "$f" ImageMarginBottom)
    if [[ $block == logo ]]; then
        pic "$out" "$S/VimoWeather/TWCLogo.png" $((x + il)) $((y + it)) $((cw - il - ir)) $((ch - it - ib))
        txt "$out" "$x" "$y" $((cw - cw / 3)) $((ch - 2 * ch / 3)) "Powered by" 10 1 0 0 "#000000"
        txt "$out" "$x" $((y + ch / 3)) $((cw - cw / 3)) $((ch - ch / 3)) "The Weather Channel" 12 2 0 0 "rgb(0,102,204)" 1
    else
        IFS='|' read -r icon temp info <<<"$block"
        pic "$out" "$S/VimoWeather/$icon.png" $((x + il)) $((y + it)) $((cw - il - ir)) $((ch - it - ib)) 100 \
            "$(ini "$f" ImageHPos)" "$(ini "$f" ImageVPos)"
        for part in "Temp|$temp" "Infos|$info"; do
            IFS='|' read -r p t <<<"$part"
            l=$(ini "$f" ${p}MarginLeft) r=$(ini "$f" ${p}MarginRight) tp=$(ini "$f" ${p}MarginTop) bt=$(ini "$f" ${p}MarginBottom)
            stxt "$out" "$f" "$p" $((x + l)) $((y + tp)) $((cw - l - r)) $((ch - tp - bt)) "$t"
        done
    fi
    k=$((k + 1))
done
montage -background none -geometry +4+4 -tile x1 "$S"/VimoWeather/{0..47}.png "$S/VimoWeather/na.png" "PNG32:$PV/weather_icons.png"

# RSS reader with two items.
f=$S/VimoNews/Skin.VimoNews
W=$(ini "$f" IconWidth) H=$(ini "$f" IconHeight)
out=$PV/news.png
bg "$f" "$S/VimoNews/BACKGROUND.PNG" "$W" "$H" "$out"
lock "$out" "$S/VimoNews" "$W" "$H"
read -r x y w h < <(box "$f" Title)
stxt "$out" "$f" Title "$x" "$y" "$w" "$h" "Example News - Top Stories" 0 0 0
read -r x y w h < <(box "$f" HScroll)
fill "$out" "$x" $((H - $(ini "$f" IconHeight) + y)) "$w" "$h" "$(keycolour "$f" HScrollBkActive)"
read -r cx cy cw ch < <(box "$f" Contener)
y=$cy
for item in "City opens a new riverside park|Wed, 24 Sep 2025 08:12:00 GMT|The park adds four kilometres of paths along the river and a playground that opens next spring." \
    "Local team wins the cup final|Tue, 23 Sep 2025 21:40:00 GMT|A late goal decided the match in front of a full stadium."; do
    IFS='|' read -r t d c <<<"$item"
    th=$(ini "$f" NewsTitleHeight) dh=$(ini "$f" NewsDateHeight)
    fill "$out" "$(ini "$f" NewsTitlePosX)" "$y" "$cw" "$th" "$(keycolour "$f" NewsTitleBk)"
    stxt "$out" "$f" NewsTitle "$(ini "$f" NewsTitlePosX)" "$y" "$cw" "$th" "$t" 0 0 0
    y=$((y + th))
    stxt "$out" "$f" NewsDate "$(ini "$f" NewsDatePosX)" "$y" "$cw" "$dh" "$d" 0 0 0
    y=$((y + dh))
    txt "$out" "$(ini "$f" NewsContentPosX)" "$y" "$cw" 60 "$c" "$(ini "$f" NewsContentSize)" 0 0 1 "$(keycolour "$f" NewsContent)" 1
    y=$((y + 60))
done

# Link folder with four rows.
f=$S/VimoLink/Skin.VimoLink
W=$(ini "$f" IconWidth) H=$(ini "$f" IconHeight)
out=$PV/link.png
bg "$f" "$S/VimoLink/BACKGROUND.PNG" "$W" "$H" "$out"
lock "$out" "$S/VimoLink" "$W" "$H"
read -r x y w h < <(box "$f" Title)
stxt "$out" "$f" Title "$x" "$y" "$w" "$h" "Link Folder" 0 0 0
read -r cx cy cw ch < <(box "$f" Contener)
lh=$(ini "$f" LinkHeight) ls=$(ini "$f" LinkVSpacing) mw=$(ini "$f" ContenerMaxWidth)
i=0
for row in "FolderFileName|Projects" "FileFileName|Budget 2025.xls" "LinkFileName|Weather forecast" "FileFileName|Notepad"; do
    IFS='|' read -r icon title <<<"$row"
    y=$((cy + i * (lh + ls)))
    fill "$out" "$cx" "$y" "$mw" "$lh" "$(keycolour "$f" LinkBk)"
    pic "$out" "$S/VimoLink/$(ini "$f" "$icon")" "$cx" "$y" "$lh" "$lh" 100 1
    stxt "$out" "$f" Link $((cx + lh + 1)) "$y" $((mw - lh - 1)) "$lh" "$title"
    i=$((i + 1))
done
read -r x y w h < <(box "$f" HScroll)
fill "$out" "$x" $((H - $(ini "$f" IconHeight) + y)) "$w" "$h" "$(keycolour "$f" HScrollBkActive)"

# Trash with two items.
f=$S/VimoTrash/Skin.VimoTrash
W=$(ini "$f" IconWidth) H=$(ini "$f" IconHeight)
out=$PV/trash.png
bg "$f" "$S/VimoTrash/BACKGROUND.PNG" "$W" "$H" "$out"
lock "$out" "$S/VimoTrash" "$W" "$H"
read -r x y w h < <(box "$f" Title)
stxt "$out" "$f" Title "$x" "$y" "$w" "$h" "Trash" 0 0 0
read -r cx cy cw ch < <(box "$f" Contener)
iw=$(ini "$f" ContenerMaxWidth) ih=$(ini "$f" TrashHeight) is=$(ini "$f" TrashVSpacing)
i=0
for label in "24/09/2025 08:12:40 - NOTE" "23/09/2025 17:02:11 - CALC"; do
    x=$((cx + i * (iw + is)))
    vis=$((cw - i * (iw + is)))
    ((vis > iw)) && vis=$iw
    convert -size "${iw}x${ih}" xc:"$(keycolour "$f" TrashBk)" "PNG32:$TMP/item.png"
    pic "$TMP/item.png" "$S/VimoTrash/$(ini "$f" KapFileName)" 0 0 "$iw" "$ih" 60
    stxt "$TMP/item.png" "$f" Trash 0 0 "$iw" "$ih" "$label"
    convert "$out" \( "$TMP/item.png" -crop "${vis}x${ih}+0+0" +repage \) -geometry "+$x+$cy" -composite "PNG32:$out"
    i=$((i + 1))
done
read -r x y w h < <(box "$f" HScroll)
fill "$out" "$x" $((H - $(ini "$f" IconHeight) + y)) "$w" "$h" "$(keycolour "$f" HScrollBkActive)"

# Media player remote.
f=$S/VimoRemoteWMP/Skin.VimoRemoteWMP
W=$(ini "$f" IconWidth) H=$(ini "$f" IconHeight)
out=$PV/wmp.png
bg "$f" "$S/VimoRemoteWMP/BACKGROUND.PNG" "$W" "$H" "$out"
read -r x y w h < <(box "$f" Title)
stxt "$out" "$f" Title "$x" "$y" "$w" "$h" "Morning Walk (04:12)" 0 0 0
read -r x y w h < <(box "$f" Time)
nslice "$S/VimoRemoteWMP/$(ini "$f" TimeBkFileName)" "$w" "$h" "$(ini "$f" TimeBkCutLeft)" "$(ini "$f" TimeBkCutRight)" \
    "$(ini "$f" TimeBkCutTop)" "$(ini "$f" TimeBkCutBottom)" "$TMP/time.png"
convert "$out" "$TMP/time.png" -geometry "+$x+$y" -composite "PNG32:$out"
stxt "$out" "$f" Time "$x" "$y" "$w" "$h" "00:01:37" 0 0 0
for b in BtnPlay BtnStop BtnPrevious BtnNext BtnReverse BtnForward; do
    read -r x y w h < <(box "$f" $b)
    pic "$out" "$S/VimoRemoteWMP/$(ini "$f" ${b}FileName)" "$x" "$y" "$w" "$h"
done
lock "$out" "$S/VimoRemoteWMP" "$W" "$H"

# Mail alert, without and with mail.
f=$S/VimoMail/Skin.VimoMail
W=$(ini "$f" IconWidth) H=$(ini "$f" IconHeight)
for state in "0|MailPicsNoMailName|0 Mail" "1|MailPicsMailName|3 Mails"; do
    IFS='|' read -r n key count <<<"$state"
    out=$PV/mail$n.png
    bg "$f" "$S/VimoMail/BACKGROUND.PNG" "$W" "$H" "$out"
    read -r x y w h < <(box "$f" MailPics)
    pic "$out" "$S/VimoMail/$(ini "$f" $key)" "$x" "$y" "$w" "$h"
    read -r x y w h < <(box "$f" MailName)
    stxt "$out" "$f" MailName "$x" "$y" "$w" "$h" "Home mailbox" 0 0 0
    read -r x y w h < <(box "$f" MailTxt)
    stxt "$out" "$f" MailTxt "$x" "$y" "$w" "$h" "$count" 0 0 0
    lock "$out" "$S/VimoMail" "$W" "$H"
done

# Web search.
f=$S/VimoGoogle/Skin.VimoGoogle
W=$(ini "$f" IconWidth) H=$(ini "$f" IconHeight)
out=$PV/search.png
bg "$f" "$S/VimoGoogle/BACKGROUND.PNG" "$W" "$H" "$out"
read -r x y w h < <(box "$f" TitleIcon)
pic "$out" "$S/VimoGoogle/$(ini "$f" TitleIconFileName)" "$x" "$y" "$w" "$h"
read -r x y w h < <(box "$f" Edit)
ml=$(ini "$f" EditMarginLeft) mt=$(ini "$f" EditMarginTop) mr=$(ini "$f" EditMarginRight) mb=$(ini "$f" EditMarginBottom)
txt "$out" $((x + ml)) $((y + mt)) $((w - ml - mr)) $((h - mt - mb)) "weekend weather" "$(ini "$f" EditSize)" 0 1 1 \
    "$(keycolour "$f" Edit)"
lock "$out" "$S/VimoGoogle" "$W" "$H"

# Dock with eight icons (the third hovered: full size with its title).
f=$S/VimoRemoteKap/Skin.VimoRemoteKap
W=$(ini "$f" Width) H=$(ini "$f" Height)
out=$PV/dock.png
bg "$f" "$S/VimoRemoteKap/BACKGROUND.PNG" "$W" "$H" "$out"
iw=$(ini "$f" IconWidth) ih=$(ini "$f" IconHeight) hs=$(ini "$f" IconHSpacing) vs=$(ini "$f" IconVSpacing)
ml=$(ini "$f" MarginLeft) mt=$(ini "$f" MarginTop)
k=0
for icon in KAP_NOTE KAP_CLOCK KAP_CALC KAP_CALENDAR KAP_WEATHER ACTION_MYCOMPUTER ACTION_CONFIG ACTION_STARTMENU; do
    x=$((ml + (iw + hs) * (k % 4))) y=$((mt + (ih + vs) * (k / 4)))
    zoom=$(ini "$f" IconScaleNormal)
    ((k == 2)) && zoom=100
    pic "$out" "$S/VimoRemoteKap/$icon.PNG" "$x" "$y" "$iw" "$ih" "$zoom" 0 "$(ini "$f" IconVPosition)"
    if ((k == 2)); then
        c=$(keycolour "$f" IconTitleDoubled)
        for d in "-1 -1" "-1 0" "0 -1" "0 1" "-1 1" "1 -1" "1 0" "1 1"; do
            read -r dx dy <<<"$d"
            txt "$out" $((x + dx)) $((y + dy)) "$iw" "$ih" "New Calc" "$(ini "$f" IconTitleSize)" \
                "$(ini "$f" IconTitleType)" "$(ini "$f" IconTitleHPos)" "$(ini "$f" IconTitleVPos)" "$c"
        done
        stxt "$out" "$f" IconTitle "$x" "$y" "$iw" "$ih" "New Calc"
    fi
    k=$((k + 1))
done
lock "$out" "$S/VimoRemoteKap" "$W" "$H"

# Window bar at its design size with three tiles.
f=$S/VimoRemoteWin/Skin.VimoRemoteWin
W=$(ini "$f" IconWidth) H=$(ini "$f" IconHeight)
out=$PV/winbar.png
bg "$f" "$S/VimoRemoteWin/BACKGROUND.PNG" "$W" "$H" "$out"
sw=$(ini "$f" ScreenWidth) sh=$(ini "$f" ScreenHeight) svs=$(ini "$f" ScreenVSpacing)
ml=$(ini "$f" MarginLeft) mt=$(ini "$f" MarginTop) mr=$(ini "$f" MarginRight) mb=$(ini "$f" MarginBottom)
wl=$(ini "$f" WindowMarginLeft) wr=$(ini "$f" WindowMarginRight) wt=$(ini "$f" WindowMarginTop) wb=$(ini "$f" WindowMarginBottom)
i=0
for t in "Untitled - Notepad|C:\\WINDOWS\\notepad.exe" "Inbox - Mail|C:\\Program Files\\Mail\\mail.exe" "Downloads|C:\\WINDOWS\\explorer.exe"; do
    IFS='|' read -r title prog <<<"$t"
    y=$((mt + i * (sh + svs)))
    (( y + sh > H - mb )) && break
    fill "$out" "$ml" "$y" "$sw" "$sh" "$(keycolour "$f" BackgroundRect)"
    pic "$out" "$TMP/window.png" $((ml + wl)) $((y + wt)) $((sw - wl - wr)) $((sh - wt - wb)) "$(ini "$f" WindowScale)"
    stxt "$out" "$f" Title $((ml + $(ini "$f" TitleMarginLeft))) $((y + $(ini "$f" TitleMarginTop))) \
        $((sw - $(ini "$f" TitleMarginLeft) - $(ini "$f" TitleMarginRight))) $((sh - $(ini "$f" TitleMarginTop) - $(ini "$f" TitleMarginBottom))) "$title"
    stxt "$out" "$f" Text $((ml + $(ini "$f" TextMarginLeft))) $((y + $(ini "$f" TextMarginTop))) \
        $((sw - $(ini "$f" TextMarginLeft) - $(ini "$f" TextMarginRight))) $((sh - $(ini "$f" TextMarginTop) - $(ini "$f" TextMarginBottom))) "$prog"
    i=$((i + 1))
done
scw=$(ini "$f" ScrollWidth)
fill "$out" $((W - mr - scw)) "$mt" "$scw" $((H - mt - mb)) "$(keycolour "$f" ScrollInactive)"
fill "$out" $((W - mr - scw)) "$mt" "$scw" "$(ini "$f" ScrollHeight)" "$(keycolour "$f" ScrollActive)"
lock "$out" "$S/VimoRemoteWin" "$W" "$H"

# The contact sheet: every kap over a desktop-like backdrop, then every picture of the skin.
montage -background none -geometry +10+10 -tile 6x \
    "$PV"/note0.png "$PV"/note1.png "$PV"/note2.png "$PV"/note3.png "$PV"/note4.png "$PV"/note_grown.png \
    "$PV"/calc.png "$PV"/calendar.png "$PV"/account.png "$PV"/news.png "$PV"/link.png "$PV"/winbar.png \
    "$PV"/photo_*.png "$PV"/clock.png "$PV"/weather.png "$PV"/trash.png "$PV"/wmp.png \
    "$PV"/mail0.png "$PV"/mail1.png "$PV"/search.png "$PV"/dock.png "PNG32:$TMP/kaps.png"
read -r KW KH < <(identify -format '%w %h\n' "$TMP/kaps.png")
convert -size "${KW}x${KH}" "gradient:#6E8CA8-#C9B49A" "$TMP/kaps.png" -composite "$PV/kaps_sheet.png"
mapfile -t pictures < <(cd "$S" && find . -iname '*.png' | sort)
(cd "$S" && montage -font "$FONT_REGULAR" -background "#9AAEC2" -pointsize 9 -label '%d/%f' \
    "${pictures[@]}" -geometry '72x72>+4+4' -tile 14x "$PV/pictures_sheet.png")
echo "previews written to $PV"
