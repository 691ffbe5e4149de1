#include "editmode/EditCommands.h"

#include <memory>

#include "editmode/EditSession.h"
#include "editmode/actions/ClipboardAction.h"
#include "editmode/actions/EraseAction.h"
#include "editmode/actions/HelpCommand.h"
#include "editmode/actions/KeepAction.h"
#include "editmode/actions/SaveAsAction.h"
#include "editmode/commands/ConfirmCommand.h"
#include "editmode/commands/HistoryCommands.h"
#include "editmode/commands/NotAvailableCommand.h"
#include "editmode/commands/ToolCommand.h"
#include "editmode/commands/ZoomCommands.h"

namespace zentrova {

namespace {

// Commands of the bars whose feature this build does not have yet: they stay on the bars and
// answer with a beep and a log line.
constexpr uint32_t kNotAvailable[] = {
    40033, 40080,                                            // e-mail, print
    40034, 40035, 40036, 40037, 40038, 40044, 40045, 40046,  // image commands
    40055, 40077, 40085, 40119, 40120, 40121, 40122, 40123, 40139,
    40140, 40141, 40142, 40143, 40144, 40145, 40146, 40147, 40099,
};

// Tool numbers of the tool commands 40086 ... 40098 (the bar's order is not the numbers').
constexpr ToolNumber kToolOfCommand[] = {
    ToolNumber::Scroll,  ToolNumber::Select,    ToolNumber::Rubber,        ToolNumber::Rectangle,
    ToolNumber::Ellipse, ToolNumber::Line,      ToolNumber::Marker,        ToolNumber::Pencil,
    ToolNumber::Arrow,   ToolNumber::Spotlight, ToolNumber::HighlightArea, ToolNumber::Callout,
    ToolNumber::Text,
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
    s.RegisterCommand(edit_cmd::kCopyToClipboard, std::make_unique<ClipboardAction>());
    s.RegisterCommand(edit_cmd::kActionHelp, std::make_unique<HelpCommand>(L"action_help"));
    s.RegisterCommand(edit_cmd::kImageHelp, std::make_unique<HelpCommand>(L"image_help"));
    s.RegisterCommand(edit_cmd::kToolHelp, std::make_unique<HelpCommand>(L"mousetools_help"));
    s.RegisterCommand(edit_cmd::kConfirmYes, std::make_unique<ConfirmCommand>(true));
    s.RegisterCommand(edit_cmd::kConfirmNo, std::make_unique<ConfirmCommand>(false));
    s.RegisterCommand(edit_cmd::kUndo, std::make_unique<UndoCommand>());
    s.RegisterCommand(edit_cmd::kRedo, std::make_unique<RedoCommand>());
    s.RegisterCommand(edit_cmd::kZoomIn, std::make_unique<ZoomCommand>(ZoomCommand::Kind::In));
    s.RegisterCommand(edit_cmd::kZoom100, std::make_unique<ZoomCommand>(ZoomCommand::Kind::One));
    s.RegisterCommand(edit_cmd::kZoomOut, std::make_unique<ZoomCommand>(ZoomCommand::Kind::Out));
    uint32_t id = edit_cmd::kFirstTool;
    for (ToolNumber tool : kToolOfCommand) {
        s.RegisterCommand(id++, std::make_unique<ToolCommand>(tool));
    }
}

}  // namespace zentrova
