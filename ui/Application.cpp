#include "ui/Application.h"

#include <algorithm>
#include <stdexcept>

#include "ui/Form.h"

namespace brivane::ui {

namespace {
Application* theApplication = nullptr;
}

Application::Application(platform::Platform& platform) : platform_(platform) {
    if (theApplication != nullptr) throw std::logic_error("the application exists already");
    theApplication = this;
}

Application::~Application() { theApplication = nullptr; }

Application& Application::instance() {
    if (theApplication == nullptr) throw std::logic_error("no application has been created");
    return *theApplication;
}

void Application::setTitle(const std::string& title) {
    title_ = title;
    platform_.setApplicationTitle(title_);
}

platform::Handle Application::handle() const { return platform_.applicationWindow(); }

int Application::run() { return platform_.runMessageLoop(); }

void Application::terminate() {
    terminated_ = true;
    platform_.quit(0);
}

void Application::messageBox(const std::string& text) {
    updateForms();
    platform_.messageBox(text, title_, platform::MessageKind::Plain);
}

std::string Application::reportText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}

void Application::showException(const std::exception& error) {
    updateForms();
    platform_.messageBox(reportText(error.what()), title_, platform::MessageKind::Error);
}

void Application::dispatch(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        showException(error);
    }
    updateForms();
}

void Application::updateForms() {
    for (Form* form : forms_) form->update();
}

void Application::removeForm(Form* form) { std::erase(forms_, form); }

}  // namespace brivane::ui
