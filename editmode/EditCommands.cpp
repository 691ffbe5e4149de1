#include "editmode/EditCommands.h"

#include <memory>

#include "core/HelpTopics.h"
#include "editmode/EditSession.h"
#include "editmode/actions/ClipboardAction.h"
#include "editmode/actions/EmailAction.h"
#include "editmode/actions/EraseAction.h"
#include "editmode/actions/HelpCommand.h"
#include "editmode/actions/ToolSettingsCommand.h"
#include "editmode/actions/KeepAction.h"
#include "editmode/actions/PrintAction.h"
#include "editmode/actions/SaveAsAction.h"
#include "editmode/commands/ConfirmCommand.h"
#include "editmode/commands/HistoryCommands.h"
#include "editmode/commands/NotAvailableCommand.h"
#include "editmode/commands/PictureCommands.h"
#include "editmode/commands/RenameCommand.h"
#include "editmode/commands/ResizeCommands.h"
#include "editmode/commands/SelectionCommands.h"
#include "editmode/commands/ToolCommand.h"
#include "editmode/commands/ZoomCommands.h"

namespace zentrova {

namespace {

// Commands of the bars whose feature this build does not have yet: they stay on the bars and
// answer with a beep and a log line.
constexpr uint32_t kNotAvailable[] = {
    40034, 40035,
};

// Tool numbers of the tool commands 40086 ... 40098 (the bar's order is not the numbers').
constexpr ToolNumber kToolOfCommand[] = {
    ToolNumber::Scroll,  ToolNumber::Select,    ToolNumber::Rubber,        ToolNumber::Rectangle,
    ToolNumber::Ellipse, ToolNumber::Line,      ToolNumber::Marker,        ToolNumber::Pencil,
    ToolNumber::Arrow,   ToolNumber::Spotlight, ToolNumber::HighlightArea, ToolNumber::Callout,
    ToolNumber::Text,
};

struct PictureEffectEntry {
    uint32_t command;
    PictureEffect effect;
};
constexpr PictureEffectEntry kPictureEffects[] = {
    {edit_cmd::kRotateLeft, PictureEffect::RotateLeft},
    {edit_cmd::kRotateRight, PictureEffect::RotateRight},
    {edit_cmd::kMirror, PictureEffect::Mirror},
    {edit_cmd::kFlip, PictureEffect::Flip},
    {edit_cmd::kDropShadow, PictureEffect::DropShadow},
    {edit_cmd::kPencilDrawing, PictureEffect::Pencil},
    {edit_cmd::kGrayscale, PictureEffect::Grayscale},
};

struct SelectionEffectEntry {
    uint32_t command;
    SelectionEffect effect;
};
constexpr SelectionEffectEntry kSelectionEffects[] = {
    {edit_cmd::kPixelize, SelectionEffect::Pixelize},
    {edit_cmd::kMenuPixelize, SelectionEffect::Pixelize},
    {edit_cmd::kMenuBlur, SelectionEffect::Blur},
    {edit_cmd::kMenuSharpen, SelectionEffect::Sharpen},
    {edit_cmd::kMenuButtonize, SelectionEffect::Buttonize},
};

}  // namespace

void RegisterEditCommands(EditSession& s) {
    for (uint32_t id : kNotAvailable) {
        s.RegisterCommand(id, std::make_unique<NotAvailableCommand>(id));
    }
    s.RegisterCommand(edit_cmd::kErase, std::make_unique<EraseAction>());
    s.RegisterCommand(edit_cmd::kKeep, std::make_unique<KeepAction>(false));
    s.RegisterCommand(edit_cmd::kKeepOpenFolder, std::make_unique<KeepAction>(true));
    s.RegisterCommand(edit_cmd::kSaveAs, std::make_unique<SaveAsAction>());
    s.RegisterCommand(edit_cmd::kPrint, std::make_unique<PrintAction>());
    s.RegisterCommand(edit_cmd::kSendByEmail, std::make_unique<EmailAction>());
    s.RegisterCommand(edit_cmd::kCopyToClipboard, std::make_unique<ClipboardAction>());
    s.RegisterCommand(edit_cmd::kActionHelp, std::make_unique<HelpCommand>(HelpTopicName(HelpTopic::EditActions)));
    s.RegisterCommand(edit_cmd::kImageHelp, std::make_unique<HelpCommand>(HelpTopicName(HelpTopic::ImageCommands)));
    s.RegisterCommand(edit_cmd::kToolHelp, std::make_unique<HelpCommand>(HelpTopicName(HelpTopic::MouseTools)));
    s.RegisterCommand(edit_cmd::kToolConfigure, std::make_unique<ToolSettingsCommand>());
    s.RegisterCommand(edit_cmd::kConfirmYes, std::make_unique<ConfirmCommand>(true));
    s.RegisterCommand(edit_cmd::kConfirmNo, std::make_unique<ConfirmCommand>(false));
    s.RegisterCommand(edit_cmd::kUndo, std::make_unique<UndoCommand>());
    s.RegisterCommand(edit_cmd::kRedo, std::make_unique<RedoCommand>());
    s.RegisterCommand(edit_cmd::kZoomIn, std::make_unique<ZoomCommand>(ZoomCommand::Kind::In));
    s.RegisterCommand(edit_cmd::kZoom100, std::make_unique<ZoomCommand>(ZoomCommand::Kind::One));
    s.RegisterCommand(edit_cmd::kZoomOut, std::make_unique<ZoomCommand>(ZoomCommand::Kind::Out));
    for (const auto& [command, effect] : kPictureEffects) {
        s.RegisterCommand(command, std::make_unique<PictureEffectCommand>(effect));
    }
    for (const auto& [command, effect] : kSelectionEffects) {
        s.RegisterCommand(command, std::make_unique<SelectionEffectCommand>(effect));
    }
    for (uint32_t command : {edit_cmd::kCrop, edit_cmd::kMenuCrop}) {
        s.RegisterCommand(command, std::make_unique<CropCommand>());
    }
    for (uint32_t command : {edit_cmd::kCut, edit_cmd::kMenuCut}) {
        s.RegisterCommand(command, std::make_unique<CutSelectionCommand>());
    }
    for (uint32_t command : {edit_cmd::kZoomSelection, edit_cmd::kMenuZoomSelection}) {
        s.RegisterCommand(command, std::make_unique<ZoomSelectionCommand>());
    }
    s.RegisterCommand(edit_cmd::kMenuCopy, std::make_unique<CopySelectionCommand>());
    s.RegisterCommand(edit_cmd::kMenuPaste, std::make_unique<PasteSelectionCommand>());
    s.RegisterCommand(edit_cmd::kRename, std::make_unique<RenameCommand>());
    s.RegisterCommand(edit_cmd::kResizeImage, std::make_unique<ResizeImageCommand>());
    s.RegisterCommand(edit_cmd::kResizeCanvas, std::make_unique<ResizeCanvasCommand>());
    uint32_t id = edit_cmd::kFirstTool;
    for (ToolNumber tool : kToolOfCommand) {
        s.RegisterCommand(id++, std::make_unique<ToolCommand>(tool));
    }
}

}  // namespace zentrova
