#pragma once

#include <string>

// Pictures of the whole tuner editor as a host shows it, through the editor's own code paths:
// the control set reads its parameters and a reading from a stand-in controller on its ticks.
namespace WholeEditorPreview {

// The face with a live reading, the settings page, and the single-instance overlay, written into
// the folder as preview-editor-face.png, preview-editor-settings.png, preview-editor-overlay.png.
// False when a picture is not written.
bool writeAll(const std::string& folder);

constexpr int kPictureCount = 3;

} // namespace WholeEditorPreview
