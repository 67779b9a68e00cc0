// The six shortcut icons: each hands one request to the shell and returns. Results are ignored
// and nothing is shown by the program.
#include "platform/winapi.h"
#include "sidebar/TForm1.h"
#include "ui/DdeClientConv.h"

namespace brivane {

namespace {

// The file search's place: a folder directly under the root of drive C:, the one that holds
// the users' own folders.
constexpr const char* FindFolderCommand = "[FindFolder(, C:\\Users)]";

}  // namespace

int RunControlPanelApplet(const std::string& applet) {
    const std::string commandLine = "rundll32.exe shell32.dll,Control_RunDLL " + applet;
    return int(WinExec(commandLine.c_str(), SW_SHOWNORMAL));
}

void TForm1::Image3Click() { SHEmptyRecycleBinA(handle(), "", SHERB_NOCONFIRMATION); }

void TForm1::Image6Click() { RunControlPanelApplet("appwiz.cpl"); }

void TForm1::Image5Click() {
    ShellExecuteA(handle(), "open", "WMPLAYER", nullptr, nullptr, SW_SHOWNORMAL);
}

void TForm1::Image7Click() {
    ShellExecuteA(handle(), "open", "NOTEPAD", nullptr, nullptr, SW_SHOWNORMAL);
}

void TForm1::Image8Click() {
    ShellExecuteA(handle(), "open", "CALC", nullptr, nullptr, SW_SHOWNORMAL);
}

void TForm1::Image4Click() {
    ui::DdeClientConv conversation;
    conversation.connectMode = ui::DdeClientConv::ConnectMode::Manual;
    conversation.serviceApplication = "explorer.exe";
    conversation.setLink("Folders", "AppProperties");
    conversation.openLink();
    conversation.executeMacro(FindFolderCommand);
    conversation.closeLink();
}

}  // namespace brivane
