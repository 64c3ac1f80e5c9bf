#pragma once
// The largest panel the device window shows and the largest picture it decodes: a front panel
// is a strip a few hundred pixels high; these leave room for any screen and keep one decoded
// picture at 32 MB.

constexpr int kMaxPanelWidth = 4096;
constexpr int kMaxPanelHeight = 2048;
constexpr long long kMaxPicturePixels = static_cast<long long>(kMaxPanelWidth) * kMaxPanelHeight;
// The largest position or size a description may give an element (larger ones are cut to it):
// far beyond any panel or screen, and small enough that adding two never overflows.
constexpr int kMaxPanelCoordinate = 1 << 20;
