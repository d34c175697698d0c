// Writing a canvas image as a PNG file through the Bmp2Png converter library,
// which is loaded by name for each export.
#pragma once

#include <QImage>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Receives the messages the user must see ("Bmp2Png.dll is er niet", ...).
using PngMessageSink = std::function<void(const std::string&)>;

// The device-independent bitmap of the image: the 40-byte info header (32 bits
// per pixel, uncompressed, positive height) followed by the rows bottom-up.
// Nothing when the image is empty or too large for the format.
std::optional<std::vector<std::uint8_t>> BitmapToDib(const QImage& image);

// Loads the converter (beside the executable, then in $PLUVO_BMP2PNG_DIR,
// then by name on the library path), calls its Bmp2Png with the bpm path and
// unloads it. Tells the sink when the library or its export is missing.
bool CallBmp2Png(const std::string& bpmPath, const PngMessageSink& messages);

// Writes the image as a PNG at target: the converter turns a bitmap into a
// PNG in a folder of the export's own beside the target, and only a PNG that
// it really wrote replaces the target, through ReplaceFile as every save
// does. Returns false, with the target untouched and no temporary files
// left, when anything fails.
bool WritePng(const QImage& image, const std::string& target, const PngMessageSink& messages);
