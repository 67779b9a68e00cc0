// The application object: its title, its forms, the message loop, the message box, the standard
// error report, and the dispatch through which every event reaches the program: an error that
// escapes a handler is reported and the program goes on with the next event.
#pragma once

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace brivane::ui {

class Form;

class Application {
public:
    explicit Application(platform::Platform& platform);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The one application of the process.
    static Application& instance();

    const std::string& title() const { return title_; }
    void setTitle(const std::string& title);

    // The program's hidden top-level owner window.
    platform::Handle handle() const;

    // The first form created is the main form; closing it ends the program.
    Form* mainForm() const { return forms_.empty() ? nullptr : forms_.front(); }
    const std::vector<Form*>& forms() const { return forms_; }

    // Runs the message loop until terminate() has been handled.
    int run();
    // Posts the quit request; the message loop stops when it reaches it.
    void terminate();
    bool terminated() const { return terminated_; }

    // A modal message box with the application title as caption; returns once it is dismissed.
    void messageBox(const std::string& text);
    // The standard error report for an error that escaped a handler.
    void showException(const std::exception& error);
    // The report's text: a full stop is appended when the last character sorts after ".".
    static std::string reportText(const std::string& message);

    // Runs one event's handler: an escaping error is reported and the rest of the handler skipped;
    // afterwards every form presents what changed.
    void dispatch(const std::function<void()>& handler);

    void updateForms();

private:
    friend class Form;
    void addForm(Form* form) { forms_.push_back(form); }
    void removeForm(Form* form);

    platform::Platform& platform_;
    std::string title_;
    std::vector<Form*> forms_;
    bool terminated_ = false;
};

}  // namespace brivane::ui
