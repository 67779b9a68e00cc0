// The desktop tools' shell requests on the Linux desktop: each is handed to DesktopShell, which
// maps the Windows names to the desktop's own programs and starts them detached.
#include "platform/linux/DesktopShell.h"
#include "platform/qt/QtPlatform.h"

namespace brivane::platform::qt {

namespace {

desktop::DesktopShell& shell() {
    static desktop::DesktopShell instance;
    return instance;
}

}  // namespace

std::int32_t QtPlatform::SHEmptyRecycleBinA(Handle, const char* rootPath, std::uint32_t flags) {
    return shell().emptyRecycleBin(rootPath, flags);
}

unsigned QtPlatform::WinExec(const char* commandLine, unsigned showCommand) {
    return shell().winExec(commandLine, showCommand);
}

std::intptr_t QtPlatform::ShellExecuteA(Handle, const char* operation, const char* file,
                                        const char* parameters, const char* directory,
                                        int showCommand) {
    return shell().shellExecute(operation, file, parameters, directory, showCommand);
}

unsigned QtPlatform::DdeInitializeA(std::uint32_t* instance, DdeCallback, std::uint32_t command,
                                    std::uint32_t) {
    return shell().ddeInitialize(instance, command);
}

int QtPlatform::DdeUninitialize(std::uint32_t instance) {
    return shell().ddeUninitialize(instance);
}

Handle QtPlatform::DdeCreateStringHandleA(std::uint32_t instance, const char* text, int) {
    return shell().ddeCreateStringHandle(instance, text);
}

int QtPlatform::DdeFreeStringHandle(std::uint32_t instance, Handle hsz) {
    return shell().ddeFreeStringHandle(instance, hsz);
}

Handle QtPlatform::DdeConnect(std::uint32_t instance, Handle service, Handle topic, const void*) {
    return shell().ddeConnect(instance, service, topic);
}

Handle QtPlatform::DdeClientTransaction(const std::uint8_t* data, std::uint32_t length,
                                        Handle conversation, Handle, unsigned format, unsigned type,
                                        std::uint32_t, std::uint32_t* result) {
    const Handle answer = shell().ddeClientTransaction(data, length, conversation, format, type);
    if (result != nullptr) *result = answer != 0 ? 1 : 0;
    return answer;
}

int QtPlatform::DdeDisconnect(Handle conversation) { return shell().ddeDisconnect(conversation); }

}  // namespace brivane::platform::qt
