#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Window geometry is designed in twips (1/1440 inch). At 96 dots per inch 15 twips
// make one device-independent pixel; this is the one place that converts.
namespace Twips {
constexpr int PerPixel = 15;

// Rounds to the nearest pixel (halves away from zero).
constexpr int toPixels(int twips)
{
    return twips >= 0 ? (twips + PerPixel / 2) / PerPixel : -((-twips + PerPixel / 2) / PerPixel);
}

constexpr int fromPixels(int pixels)
{
    return pixels * PerPixel;
}

constexpr QSize size(int width, int height)
{
    return {toPixels(width), toPixels(height)};
}

constexpr QPoint point(int left, int top)
{
    return {toPixels(left), toPixels(top)};
}

constexpr QRect rect(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

// "Half of x" as the layout code uses it: x rounded to the nearest whole number
// (ties to even), then halved in integer arithmetic with the remainder dropped.
int half(double x);
} // namespace Twips
