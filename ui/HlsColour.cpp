// Integer RGB and HLS conversion.
#include "ui/HlsColour.h"

#include <algorithm>

namespace {
// How far a channel lies from the brightest one, in sixths of the hue circle.
int Delta(int nMax, int nMin, int nChannel) {
    return ((nMax - nChannel) * (HLS_MAX / 6) + (nMax - nMin) / 2) / (nMax - nMin);
}

int HueToRgb(int n1, int n2, int nHue) {
    if (nHue < 0)
        nHue += HLS_MAX;
    if (nHue > HLS_MAX)
        nHue -= HLS_MAX;
    if (nHue < HLS_MAX / 6)
        return n1 + ((n2 - n1) * nHue + HLS_MAX / 12) / (HLS_MAX / 6);
    if (nHue < HLS_MAX / 2)
        return n2;
    if (nHue < HLS_MAX * 2 / 3)
        return n1 + ((n2 - n1) * (HLS_MAX * 2 / 3 - nHue) + HLS_MAX / 12) / (HLS_MAX / 6);
    return n1;
}

int ToChannel(int nValue) {
    return (nValue * RGB_MAX + HLS_MAX / 2) / HLS_MAX;
}
} // namespace

SHls RgbToHls(int nRed, int nGreen, int nBlue) {
    int nMax = std::max({nRed, nGreen, nBlue});
    int nMin = std::min({nRed, nGreen, nBlue});
    SHls hls;
    hls.nLuminance = ((nMax + nMin) * HLS_MAX + RGB_MAX) / (2 * RGB_MAX);
    if (nMax == nMin) {
        hls.nHue = HLS_UNDEFINED;
        return hls;
    }
    int nSum = nMax + nMin;
    if (hls.nLuminance <= HLS_MAX / 2)
        hls.nSaturation = ((nMax - nMin) * HLS_MAX + nSum / 2) / nSum;
    else
        hls.nSaturation =
            ((nMax - nMin) * HLS_MAX + (2 * RGB_MAX - nSum) / 2) / (2 * RGB_MAX - nSum);
    int nRedDelta = Delta(nMax, nMin, nRed);
    int nGreenDelta = Delta(nMax, nMin, nGreen);
    int nBlueDelta = Delta(nMax, nMin, nBlue);
    if (nRed == nMax)
        hls.nHue = nBlueDelta - nGreenDelta;
    else if (nGreen == nMax)
        hls.nHue = HLS_MAX / 3 + nRedDelta - nBlueDelta;
    else
        hls.nHue = HLS_MAX * 2 / 3 + nGreenDelta - nRedDelta;
    if (hls.nHue < 0)
        hls.nHue += HLS_MAX;
    if (hls.nHue > HLS_MAX)
        hls.nHue -= HLS_MAX;
    return hls;
}

SRgb HlsToRgb(const SHls& hls) {
    if (hls.nSaturation == 0) {
        int nGrey = hls.nLuminance * RGB_MAX / HLS_MAX;
        return {nGrey, nGrey, nGrey};
    }
    int nLum = hls.nLuminance;
    int nSat = hls.nSaturation;
    int n2 = nLum <= HLS_MAX / 2 ? (nLum * (HLS_MAX + nSat) + HLS_MAX / 2) / HLS_MAX
                                 : nLum + nSat - (nLum * nSat + HLS_MAX / 2) / HLS_MAX;
    int n1 = 2 * nLum - n2;
    return {ToChannel(HueToRgb(n1, n2, hls.nHue + HLS_MAX / 3)),
            ToChannel(HueToRgb(n1, n2, hls.nHue)),
            ToChannel(HueToRgb(n1, n2, hls.nHue - HLS_MAX / 3))};
}
