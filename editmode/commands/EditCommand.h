// EditCommand: one command of the Edit Mode's bars and keyboard (an action, an image command,
// a tool choice). Each is a small class; the command table (EditCommands.cpp) maps the command
// numbers onto them, so a new command is one class and one line there.
#pragma once

namespace zentrova {

class EditSession;

class EditCommand {
  public:
    virtual ~EditCommand() = default;
    // Runs the command on the session; false when it was refused (the user heard a beep).
    virtual bool Run(EditSession& session) = 0;
    // Still allowed while the current capture's picture could not be loaded.
    virtual bool WorksWithoutPicture() const { return false; }
};

}  // namespace zentrova
