// The classic integer conversion between RGB (0 to 255) and hue, luminance and
// saturation (0 to 200), with its rounding, so that a colour derived from the system's
// highlight comes out the same every time.
#pragma once

constexpr int HLS_MAX = 200;
constexpr int RGB_MAX = 255;
// The hue of a grey, which has none.
constexpr int HLS_UNDEFINED = HLS_MAX * 2 / 3;

struct SHls {
    int nHue = 0;
    int nLuminance = 0;
    int nSaturation = 0;
};

struct SRgb {
    int nRed = 0;
    int nGreen = 0;
    int nBlue = 0;
};

SHls RgbToHls(int nRed, int nGreen, int nBlue);
SRgb HlsToRgb(const SHls& hls);
