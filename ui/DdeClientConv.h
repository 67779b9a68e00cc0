// A DDE client conversation with a server program, as the shell's services speak it: set the
// service and topic, open the link (starting the serving program once when no server answers),
// send commands, close the link. Each conversation has a DDE instance of its own, made when the
// conversation is created and released when it is destroyed, so nothing outlives it.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace brivane::ui {

class DdeClientConv {
public:
    // Automatic connects as soon as the link is set; Manual only when openLink() is called.
    enum class ConnectMode { Automatic, Manual };

    DdeClientConv();
    ~DdeClientConv();  // closes the link
    DdeClientConv(const DdeClientConv&) = delete;
    DdeClientConv& operator=(const DdeClientConv&) = delete;

    ConnectMode connectMode = ConnectMode::Automatic;
    // The program started (minimised, not activated) when no server answers; empty for none.
    std::string serviceApplication;

    // Sets the service and topic (closing a link that is open); in automatic mode it also opens
    // the link. Returns whether the conversation is connected afterwards.
    bool setLink(const std::string& service, const std::string& topic);
    // Connects to the service and topic. Returns whether the conversation is connected.
    bool openLink();
    // Disconnects and frees the names' string handles.
    void closeLink();
    bool connected() const { return conversation_ != 0; }

    // Sends `command` (with its terminating zero, as plain text) as an execute transaction,
    // without waiting for the server to carry it out. Nothing is sent without a link.
    bool executeMacro(const std::string& command);

private:
    std::uint32_t instance_ = 0;
    std::string service_;
    std::string topic_;
    platform::Handle serviceName_ = 0;
    platform::Handle topicName_ = 0;
    platform::Handle conversation_ = 0;
};

}  // namespace brivane::ui
