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
// The image bar's commands on the whole picture.
constexpr uint32_t kRotateRight = 40044;
constexpr uint32_t kRotateLeft = 40045;
constexpr uint32_t kMirror = 40119;
constexpr uint32_t kFlip = 40120;
constexpr uint32_t kDropShadow = 40121;
constexpr uint32_t kPencilDrawing = 40122;
constexpr uint32_t kGrayscale = 40123;
constexpr uint32_t kRename = 40085;
constexpr uint32_t kResizeImage = 40077;
constexpr uint32_t kResizeCanvas = 40046;
// The buttons under the selection, and the "More..." menu.
constexpr uint32_t kPixelize = 40036;
constexpr uint32_t kCut = 40037;
constexpr uint32_t kCrop = 40038;
constexpr uint32_t kZoomSelection = 40055;
constexpr uint32_t kMenuCopy = 40139;
constexpr uint32_t kMenuPaste = 40140;
constexpr uint32_t kMenuCut = 40141;
constexpr uint32_t kMenuCrop = 40142;
constexpr uint32_t kMenuZoomSelection = 40143;
constexpr uint32_t kMenuButtonize = 40144;
constexpr uint32_t kMenuPixelize = 40145;
constexpr uint32_t kMenuBlur = 40146;
constexpr uint32_t kMenuSharpen = 40147;
}  // namespace edit_cmd

// Fills the session's command table.
void RegisterEditCommands(EditSession& session);

}  // namespace zentrova
