#!/bin/sh
# Drives `clarivue-img finish` (the capture finishing pipeline) from outside, on small pictures
# whose results follow from the rules by hand. In the native build the steps that need the
# system's drawing are not available; under Wine they are.
# Usage: clarivue_img_finish_test.sh TESTDATA_DIR COMMAND...   (COMMAND runs the tool, maybe through Wine)
set -u
data=$1
shift
. "$(dirname "$0")/img_test_lib.sh"
case "$TOOL" in
    *wine*) gdi=1 ;;
    *) gdi=0 ;;
esac

# status N COMMAND...: the command ends with status N and writes its picture.
status() {
    want=$1; shift
    run "$@"
    [ "$(cat rc)" = "$want" ] || fail "'$*' exit status $(cat rc), expected $want: $(head -1 err.txt)"
}

expect_stderr() {
    grep -q -F -e "$1" err.txt || fail "stderr lacks '$1': $(cat err.txt)"
}

# The program folder with its data folders.
mkdir -p prog/Masks prog/Mouse empty
# A 4 x 1 strip: magenta, then magenta mixed towards white (not the key colour).
ok $TOOL gradient strip.bmp 4 1 FF00FF FFFFFF 0
expect_pixels strip.bmp "0 0 FF00FF" "1 0 FF3FFF"
ok $TOOL gradient solid.bmp 8 4 336699 336699 0
ok $TOOL gradient white.bmp 4 1 FFFFFF FFFFFF 0

# Defaults: sound on (not available natively, told on stderr but not asked for), the drop
# shadow on (offset 3, dither 8: a margin of 2 * 3 + 20 = 26 on every side).
status 0 "$@" finish solid.bmp d.bmp --program-folder prog
if [ "$gdi" = 0 ]; then
    expect_stderr "the capture sound is not available in this build"
fi
expect_info d.bmp "60 56 24"
expect_pixels d.bmp "0 0 FFFFFF" "26 26 336699" "33 29 336699"

# Everything off: the picture stays, but the key colour magenta becomes the background colour,
# given as a registry colour 0x00BBGGRR (0x0000FF is red) or in decimal (16711680 is blue).
ok "$@" finish strip.bmp off.bmp GeneralPlaySoundOnCapture=0 CaptureShadowIsValid=0 \
    CaptureBackgroundColor=0x0000FF --program-folder prog
expect_info off.bmp "4 1 24"
expect_pixels off.bmp "0 0 FF0000" "1 0 FF3FFF" "3 0 FFBFFF"
ok "$@" finish strip.bmp off2.bmp GeneralPlaySoundOnCapture=0 CaptureShadowIsValid=0 \
    CaptureBackgroundColor=16711680
expect_pixels off2.bmp "0 0 0000FF" "1 0 FF3FFF"

# Fader 1 (shadow off) on white into black: column i of 4 keeps 255 * i / 4 of the picture.
ok "$@" finish white.bmp f1.bmp GeneralPlaySoundOnCapture=0 CaptureShadowIsValid=0 \
    CaptureBackgroundColor=0 CaptureShapeFader=1
expect_pixels f1.bmp "0 0 000000" "1 0 3F3F3F" "2 0 7F7F7F" "3 0 BFBFBF"
# Fader 5 the other way: 255 - 255 * i / 4.
ok "$@" finish white.bmp f5.bmp GeneralPlaySoundOnCapture=0 CaptureShadowIsValid=0 \
    CaptureBackgroundColor=0 CaptureShapeFader=5
expect_pixels f5.bmp "0 0 FFFFFF" "1 0 C0C0C0" "2 0 808080" "3 0 404040"

# Shape 7 from the mask file "Masks/CaptureShapeEffect_torn.png": a 2 x 1 picture, white then
# black, all four edges shaped (direction 6), scaled to the 8 x 4 picture without smoothing
# (columns 0-4 white, 5-7 black). Columns 0-3 keep the picture, columns 5-7 get the background;
# column 4 is the soft edge where it is filtered (rows 1 and 2): M = 255 - (6 * 255) / 9 = 85,
# weight 170: 85 + trunc((c - 85) * 170 / 255).
ok $TOOL gradient half.png 2 1 FFFFFF 000000 0
ok $TOOL replace half.png prog/Masks/CaptureShapeEffect_torn.png 808080 000000
ok "$@" finish solid.bmp s7.bmp GeneralPlaySoundOnCapture=0 CaptureShadowIsValid=0 \
    CaptureBackgroundColor=0xFF CaptureShapeType=7 CaptureShapeTypeDirection=6 --program-folder prog
expect_info s7.bmp "8 4 24"
expect_pixels s7.bmp "0 0 336699" "3 3 336699" "4 0 336699" "4 1 3F6082" "4 2 3F6082" \
    "4 3 336699" "5 1 FF0000" "7 3 FF0000"

# A free-style capture is never shaped; without a shadow its magenta becomes the background.
ok "$@" finish strip.bmp fs.bmp --mode 4 GeneralPlaySoundOnCapture=0 CaptureShadowIsValid=0 \
    CaptureBackgroundColor=0xFF00 CaptureShapeType=7 --program-folder prog
expect_pixels fs.bmp "0 0 00FF00" "1 0 FF3FFF"

# A missing mask file leaves the capture unshaped (the capture is kept), told on stderr.
ok "$@" finish solid.bmp miss.bmp GeneralPlaySoundOnCapture=0 CaptureShadowIsValid=0 \
    CaptureShapeType=8 --program-folder empty
expect_stderr "the shape left out"
expect_pixels miss.bmp "0 0 336699" "7 3 336699" "4 1 336699"

# The cursor sparkle "Mouse/mouse-x.png" (a picture without alpha is drawn opaque), centred on
# the cursor: the 3 x 3 green square at (4, 4) covers (3 .. 5, 3 .. 5).
ok $TOOL gradient prog/Mouse/mouse-x.png 3 3 00FF00 00FF00 0
ok $TOOL gradient big.bmp 40 40 336699 336699 0
if [ "$gdi" = 0 ]; then
    # The arrow cannot be drawn here; it was asked for, so the status is 1, the picture written.
    status 1 "$@" finish big.bmp c.bmp GeneralPlaySoundOnCapture=0 CaptureShadowIsValid=0 \
        CaptureCursorIsValid=1 CaptureCursorSparkle=6 --cursor 30,30 --program-folder prog
    expect_stderr "the cursor is not available"
    expect_pixels c.bmp "29 29 00FF00" "31 31 00FF00" "28 29 336699" "32 31 336699" "30 32 336699"
    # Shapes 1 and 2 are drawn by the system.
    status 1 "$@" finish solid.bmp r.bmp GeneralPlaySoundOnCapture=0 CaptureShadowIsValid=0 \
        CaptureShapeType=1
    expect_stderr "the shape is not available"
    expect_pixels r.bmp "0 0 336699"
else
    # The arrow is drawn from (30 - 32 / 3, 30 - 32 / 3) over a 15 x 15 sparkle (23 .. 37): the
    # sparkle's top-right corner shows beside the arrow's slanted edge.
    ok $TOOL gradient prog/Mouse/mouse-blob.png 15 15 00FF00 00FF00 0
    ok $TOOL gradient sixty.bmp 60 60 336699 336699 0
    status 0 "$@" finish sixty.bmp c.bmp GeneralPlaySoundOnCapture=0 CaptureShadowIsValid=0 \
        CaptureCursorIsValid=1 CaptureCursorSparkle=2 CaptureShadowCursorIsValid=0 \
        --cursor 30,30 --program-folder prog
    expect_pixels c.bmp "36 24 00FF00" "37 23 00FF00" "19 25 336699" "0 0 336699" "59 59 336699"
    ok "$@" finish sixty.bmp r.bmp GeneralPlaySoundOnCapture=0 CaptureShadowIsValid=0 \
        CaptureBackgroundColor=0xFF CaptureShapeType=1
    expect_pixels r.bmp "0 0 FF0000" "59 59 FF0000" "30 30 336699"
fi

# Wrong arguments.
expect_error 0 "$@" finish solid.bmp x.bmp NoSuchSetting=1
expect_error 0 "$@" finish solid.bmp x.bmp SkinName=1
expect_error 0 "$@" finish solid.bmp x.bmp CaptureShapeType=seven
expect_error 0 "$@" finish solid.bmp x.bmp CaptureShapeType=0x123456789
expect_error 0 "$@" finish solid.bmp x.bmp --mode 8
expect_error 0 "$@" finish solid.bmp x.bmp --cursor 3
expect_error 0 "$@" finish solid.bmp
expect_error 2 "$@" finish absent.bmp x.bmp

finish "clarivue-img finish"
