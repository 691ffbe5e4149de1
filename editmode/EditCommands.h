// The command table of the Edit Mode: which command number runs which command object.
#pragma once

#include <cstdint>

namespace zentrova {

class EditSession;

// Command numbers of the Edit Mode's bars.
namespace edit_cmd {
constexpr uint32_t kErase = 40030;
constexpr uint32_t kKeep = 40031;
constexpr uint32_t kCopyToClipboard = 40032;
constexpr uint32_t kSendByEmail = 40033;
constexpr uint32_t kUndo = 40039;
constexpr uint32_t kRedo = 40040;
constexpr uint32_t kZoomIn = 40041;
constexpr uint32_t kZoom100 = 40042;
constexpr uint32_t kZoomOut = 40043;
constexpr uint32_t kKeepOpenFolder = 40078;
constexpr uint32_t kActionHelp = 40079;
constexpr uint32_t kPrint = 40080;
constexpr uint32_t kImageHelp = 40083;
constexpr uint32_t kFirstTool = 40086;  // Scroll; the tools follow in their bar order
constexpr uint32_t kToolConfigure = 40099;
constexpr uint32_t kToolHelp = 40100;
constexpr uint32_t kConfirmYes = 40101;  // the buttons under a waiting shape
constexpr uint32_t kConfirmNo = 40102;
constexpr uint32_t kPickColour = 40054;  // the colour bar; the window reads the pixel
constexpr uint32_t kSaveAs = 40153;
}  // namespace edit_cmd

// Fills the session's command table.
void RegisterEditCommands(EditSession& session);

}  // namespace zentrova
