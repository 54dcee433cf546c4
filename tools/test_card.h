// The window check's test card: the faces, scales, shapes and colours the programs use, drawn
// through the device, with the keys read so far echoed on it.
#pragma once

#include <string>

#include "platform/device.h"

namespace orvelle::tools {

// Where the echo of the keys stands, so that checks can find it.
constexpr float kEchoX = 880;
constexpr float kEchoY = 820;
constexpr int kEchoColor = 4;

// Draws the whole card.
void DrawTestCard(Device& d);
// Draws the echo line for the keys read so far (a readable name for each control key).
void DrawEcho(Device& d, const std::string& keys);
// How a key is shown in the echo: itself, or a name such as "Enter" for a control key.
std::string KeyName(const std::string& key);

}  // namespace orvelle::tools
