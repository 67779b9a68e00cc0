#include "ui/DdeClientConv.h"

#include <vector>

#include "platform/winapi.h"

namespace brivane::ui {

namespace {

// The client asks for nothing, so its callback has nothing to answer.
HDDEDATA clientCallback(unsigned, unsigned, HCONV, HSZ, HSZ, HDDEDATA, std::uintptr_t,
                        std::uintptr_t) {
    return 0;
}

}  // namespace

DdeClientConv::DdeClientConv() {
    DWORD instance = 0;
    if (DdeInitializeA(&instance, clientCallback, APPCMD_CLIENTONLY, 0) == DMLERR_NO_ERROR)
        instance_ = instance;
}

DdeClientConv::~DdeClientConv() {
    closeLink();
    if (instance_ != 0) DdeUninitialize(instance_);
}

bool DdeClientConv::setLink(const std::string& service, const std::string& topic) {
    closeLink();
    service_ = service;
    topic_ = topic;
    if (connectMode == ConnectMode::Automatic) return openLink();
    return false;
}

bool DdeClientConv::openLink() {
    if (conversation_ != 0) return true;
    if (instance_ == 0) return false;
    if (serviceName_ == 0)
        serviceName_ = DdeCreateStringHandleA(instance_, service_.c_str(), CP_WINANSI);
    if (topicName_ == 0) topicName_ = DdeCreateStringHandleA(instance_, topic_.c_str(), CP_WINANSI);
    conversation_ = DdeConnect(instance_, serviceName_, topicName_, nullptr);
    if (conversation_ == 0 && !serviceApplication.empty() &&
        WinExec(serviceApplication.c_str(), SW_SHOWMINNOACTIVE) > 31)
        conversation_ = DdeConnect(instance_, serviceName_, topicName_, nullptr);
    return conversation_ != 0;
}

void DdeClientConv::closeLink() {
    if (conversation_ != 0) DdeDisconnect(conversation_);
    conversation_ = 0;
    if (serviceName_ != 0) DdeFreeStringHandle(instance_, serviceName_);
    if (topicName_ != 0) DdeFreeStringHandle(instance_, topicName_);
    serviceName_ = topicName_ = 0;
}

bool DdeClientConv::executeMacro(const std::string& command) {
    if (conversation_ == 0) return false;
    std::vector<std::uint8_t> data(command.begin(), command.end());
    data.push_back(0);
    DWORD transaction = 0;
    return DdeClientTransaction(data.data(), DWORD(data.size()), conversation_, 0, CF_TEXT,
                                XTYP_EXECUTE, TIMEOUT_ASYNC, &transaction) != 0;
}

}  // namespace brivane::ui
